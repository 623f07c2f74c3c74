#pragma once
#include <QString>
#include <optional>

// Formato corto de fecha del sistema y su separador (p. ej. "dd/MM/yyyy" y "/").
namespace Regional {
QString formatoFechaCorta();
QChar separadorFecha();
// Las pruebas fijan un formato; nullopt vuelve al del sistema.
void fija(std::optional<QString> formato, QChar separador = u'/');
}
