#include "platform/Reloj.h"

namespace Reloj {
namespace {
std::optional<QDateTime> g_fijo;
}
QDate hoy() { return ahora().date(); }
QDateTime ahora() { return g_fijo ? *g_fijo : QDateTime::currentDateTime(); }
void fija(std::optional<QDateTime> momento) { g_fijo = std::move(momento); }
} // namespace Reloj
