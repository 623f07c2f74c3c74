#pragma once
// La base de la agencia: un servidor PostgreSQL nombrado con una URI
// postgresql://[usuario[:contraseña]@][servidor][:puerto]/base[?host=/carpeta/del/socket],
// al que se llega con el controlador QPSQL de Qt.
#include "platform/ErrorBase.h"
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>

namespace Destino {

struct Uri {
    QString usuario, contrasena, servidor, base;
    int puerto = -1;
    QStringList opciones;   // otras opciones de libpq (sslmode=..., connect_timeout=...)
    // La URI para mostrarla: sin la contraseña.
    QString visible() const;
};

// Lee la URI; lanza ErrorBase con un mensaje en español (sin la contraseña) si no sirve.
Uri lee(const QString &texto);

// Abre una conexión nueva con ese nombre (una por trabajador). Lanza ErrorBase con un mensaje
// en español que dice qué pasó: sin servidor, usuario rechazado, base que no existe.
QSqlDatabase conecta(const Uri &uri, const QString &nombreConexion);
void desconecta(const QString &nombreConexion);

// Un choque con otra transacción (la misma huella o CURP a la vez): repetir la operación lo
// resuelve.
class ErrorCarrera : public ErrorBase {
public:
    using ErrorBase::ErrorBase;
};

// Un valor que la base de la agencia no admite (SQLSTATE de las clases 22 y 23: un dato fuera
// de rango o que falta, una restricción que no se cumple). Al recibir, es culpa del paquete.
class ErrorContenido : public ErrorBase {
public:
    using ErrorBase::ErrorBase;
};

// Lanza el error de la base como ErrorBase (ErrorCarrera si fue un choque, ErrorContenido si
// fue un valor), con un mensaje en español que dice `que` se hacía y sin la contraseña.
[[noreturn]] void lanza(const QSqlDatabase &db, const QString &que, const QSqlError &e);

// Ejecuta la sentencia con los valores enlazados en orden; lanza como lanza().
QSqlQuery ejecuta(QSqlDatabase &db, const QString &sql, const QVariantList &valores, const QString &que);

} // namespace Destino
