#include "platform/Progreso.h"

namespace Progreso {
namespace {
// Inicialización constante: vale antes que el registro que hace una unidad al cargarse.
constinit Aviso g_aviso = nullptr;
} // namespace

bool registra(Aviso aviso)
{
    g_aviso = aviso;
    return true;
}

void marca(int valor)
{
    if (g_aviso)
        g_aviso(valor);
}
} // namespace Progreso
