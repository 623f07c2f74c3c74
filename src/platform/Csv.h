#pragma once
#include <QString>
#include <QStringList>
#include <QVector>

// Lectura de CSV (RFC 4180): comas, comillas dobles, comillas duplicadas dentro de campos
// entrecomillados y saltos de línea dentro de ellos.
namespace Csv {
QVector<QStringList> lee(const QString &texto);
// Un renglón: entre comillas (duplicadas por dentro) el campo que lleva coma, comilla o salto
// de línea; termina en CRLF.
QString renglon(const QStringList &campos);
}
