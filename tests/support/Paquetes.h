#pragma once
// Paquetes entregados para las pruebas y mediciones de la recepción en la agencia: la
// solicitud de la base abierta escrita como la escribe la entrega, con su recibo.
#include <QDateTime>
#include <QString>
#include <QStringList>

namespace Paquetes {

// Entrega la solicitud de la base abierta en la carpeta `destino` (la crea) y pone a su recibo
// la hora `hora` (la de la entrega, que decide cuál de dos es la más reciente).
QString entrega(const QString &destino, const QDateTime &hora);

// `n` solicitantes distintos (otra CURP, otro nombre) a partir de la solicitud de la base
// abierta, cada uno entregado en raiz/paqueteNNN. Devuelve las carpetas.
QStringList distintos(const QString &raiz, int n);

} // namespace Paquetes
