#pragma once
// La base de datos de la solicitud: una carpeta de tablas con un archivo SQLite.
#include "platform/ErrorBase.h"
#include <QSqlDatabase>
#include <QString>

namespace Base {

// $XDG_DATA_HOME/d_2004/tablas (por omisión ~/.local/share/d_2004/tablas).
QString carpetaPredeterminada();
QString archivoEn(const QString &carpeta);   // carpeta/solicitud.sqlite

// Abre la base de la carpeta. Si la carpeta o la base no existen, las crea (carpeta con
// permisos 0700, tablas y catálogos en una sola transacción). Una base dañada, bloqueada
// o ilegible no se toca: se lanza ErrorBase con un mensaje que nombra el archivo.
void abre(const QString &carpeta = carpetaPredeterminada());

// Abre una base existente sólo para leer (las órdenes que no escriben): no crea nada y
// acepta un archivo sin permiso de escritura.
void abreLectura(const QString &carpeta);

// Crea la carpeta y su base; falla si la carpeta ya tiene una base.
void crea(const QString &carpeta);

void cierra();
bool abierta();
QString carpeta();
QSqlDatabase conexion();

// Traduce un error del motor a un mensaje en español para el usuario.
QString mensajeDeError(const QString &detalleMotor, int codigoMotor);

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
