#include "platform/Fuentes.h"

#include <fontconfig/fontconfig.h>
#include <system_error>
#include <thread>

namespace {
// Sólo el hilo principal la inicia y la espera.
std::thread g_lectura;
}

void iniciaLecturaFuentes()
{
    if (g_lectura.joinable())
        return;
    try {
        // FcInit deja la configuración como la actual del proceso con un intercambio atómico:
        // si Qt llegara a pedirla antes, la leería él y una de las dos se descarta.
        g_lectura = std::thread([] { FcInit(); });
    } catch (const std::system_error &) {
        // Sin hilo, Qt la lee en el principal como siempre.
    }
}

void esperaLecturaFuentes()
{
    if (g_lectura.joinable())
        g_lectura.join();
}
