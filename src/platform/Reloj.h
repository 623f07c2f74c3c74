#pragma once
#include <QDate>
#include <QDateTime>
#include <optional>

// Fecha y hora del programa; las pruebas la fijan.
namespace Reloj {
QDate hoy();
QDateTime ahora();
void fija(std::optional<QDateTime> momento);   // nullopt vuelve al reloj del sistema
}
