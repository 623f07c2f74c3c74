#include "platform/SegundoPlano.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <system_error>
#include <thread>

namespace SegundoPlano {
namespace {
std::mutex g_cerrojo;
std::condition_variable g_aviso;
std::deque<std::function<void()>> g_tareas;
bool g_termina = false;
std::thread g_hilo;   // sólo el hilo principal lo crea y lo espera

void atiende()
{
    for (;;) {
        std::function<void()> tarea;
        {
            std::unique_lock<std::mutex> l(g_cerrojo);
            g_aviso.wait(l, [] { return g_termina || !g_tareas.empty(); });
            if (g_tareas.empty())
                return;
            tarea = std::move(g_tareas.front());
            g_tareas.pop_front();
        }
        tarea();   // las de pide() guardan su excepción en el futuro
    }
}
} // namespace

Hilo::Hilo()
{
    if (g_hilo.joinable())
        return;
    g_termina = false;
    try {
        g_hilo = std::thread(atiende);
    } catch (const std::system_error &) {
        // Sin hilo, cada tarea corre cuando se pide.
    }
}

Hilo::~Hilo()
{
    if (!g_hilo.joinable())
        return;
    {
        const std::lock_guard<std::mutex> l(g_cerrojo);
        g_termina = true;
    }
    g_aviso.notify_one();
    g_hilo.join();
}

void encola(std::function<void()> tarea)
{
    if (!g_hilo.joinable()) {
        tarea();
        return;
    }
    {
        const std::lock_guard<std::mutex> l(g_cerrojo);
        g_tareas.push_back(std::move(tarea));
    }
    g_aviso.notify_one();
}

} // namespace SegundoPlano
