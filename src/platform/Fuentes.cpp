#include "platform/Fuentes.h"
#include "platform/SegundoPlano.h"

#include <fontconfig/fontconfig.h>

namespace {
std::future<void> g_lectura;   // sólo el hilo principal la pide y la espera
}

void iniciaLecturaFuentes()
{
    // FcInit deja la configuración como la actual del proceso con un intercambio atómico: si Qt
    // llegara a pedirla antes, la leería él y una de las dos se descarta.
    if (!g_lectura.valid())
        g_lectura = SegundoPlano::pide([] { FcInit(); });
}

void esperaLecturaFuentes()
{
    if (g_lectura.valid())
        g_lectura.get();
}
