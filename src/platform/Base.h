#pragma once
// La base de datos de la solicitud: una carpeta de tablas con un archivo SQLite.
#include "platform/ErrorBase.h"
#include <QSqlDatabase>
#include <QSqlError>
#include <QString>

namespace Base {

// $XDG_DATA_HOME/d_2004/tablas (por omisión ~/.local/share/d_2004/tablas).
QString carpetaPredeterminada();
QString archivoEn(const QString &carpeta);   // carpeta/solicitud.sqlite

// Abre la base de la carpeta. Si la carpeta o la base no existen, las crea (carpeta con
// permisos 0700, tablas y catálogos en una sola transacción). Toma el cerrojo de la carpeta
// (un solo programa escribe en ella) y comprueba el archivo con quick_check. Una base dañada,
// bloqueada, ilegible o en uso por otro programa no se toca: se lanza ErrorBase con un
// mensaje que nombra el archivo.
void abre(const QString &carpeta = carpetaPredeterminada());

// Para el arranque: toma ya el cerrojo de la carpeta y hace en otro hilo, con SQLite directamente
// (no necesita la aplicación de Qt), la revisión que abre() hace del archivo. Si pasa, abre() de
// esa carpeta no la repite; si no pasa, la carpeta no tiene base o su cerrojo lo tiene otro
// programa, abre() hace todo como siempre y da su mensaje.
void adelantaRevision(const QString &carpeta);

// Abre una base existente sólo para leer (las órdenes que no escriben): no crea nada,
// acepta un archivo sin permiso de escritura y no pide el cerrojo. Si una caída dejó un
// diario pendiente y el archivo se puede escribir, primero deja que SQLite lo revierta.
void abreLectura(const QString &carpeta);

// Crea la carpeta y su base; falla si la carpeta ya tiene una base o está en uso.
void crea(const QString &carpeta);

// Cerrojo de la carpeta de tablas (QLockFile): lo toma abre() y lo suelta cierra(). Un
// cerrojo de un proceso que ya terminó se recupera. Lanza ErrorBase con el mensaje para el
// usuario (la carpeta y, si se sabe, el otro proceso) si otro programa lo tiene.
void tomaCerrojo(const QString &carpeta);
void sueltaCerrojo();

void cierra();
bool abierta();
QString carpeta();
QSqlDatabase conexion();

// Traduce un error del motor a un mensaje en español para el usuario.
QString mensajeDeError(const QString &detalleMotor, int codigoMotor);
// ¿El error viene de fuera de lo capturado (disco lleno, permisos, bloqueo, archivo dañado)?
bool errorExterno(int codigoMotor);
// El ErrorBase de un error del motor, con el mensaje en español y la sentencia en el detalle.
ErrorBase errorDelMotor(const class QSqlError &e, const QString &sentencia = {});

// Transacción de alcance: confirma con confirma(); si se destruye sin confirmar, revierte.
class Transaccion {
public:
    Transaccion();
    ~Transaccion();
    void confirma();
    Transaccion(const Transaccion &) = delete;
    Transaccion &operator=(const Transaccion &) = delete;

private:
    bool m_activa = false;
};

} // namespace Base
