#pragma once
// Un hilo para el trabajo del arranque que no necesita la interfaz (leer la configuración de
// fuentes, revisar la base, decodificar el icono): corre las tareas una tras otra, en el orden en
// que se piden, mientras el hilo principal crea la aplicación y las ventanas. Uno solo: en una
// máquina de dos núcleos, más hilos se estorbarían con el principal y con el servidor gráfico.
// Sin el hilo (las pruebas, o si no se pudo crear) cada tarea corre en el momento en que se pide.
#include <functional>
#include <future>
#include <memory>

namespace SegundoPlano {

// Crea el hilo; al destruirse termina lo pedido y lo espera. main() tiene uno.
class Hilo {
public:
    Hilo();
    ~Hilo();
    Hilo(const Hilo &) = delete;
    Hilo &operator=(const Hilo &) = delete;
};

void encola(std::function<void()> tarea);

// La tarea en el hilo; su resultado (o su excepción) en el futuro.
template <class F>
auto pide(F tarea) -> std::future<decltype(tarea())>
{
    auto t = std::make_shared<std::packaged_task<decltype(tarea())()>>(std::move(tarea));
    auto futuro = t->get_future();
    encola([t] { (*t)(); });
    return futuro;
}

} // namespace SegundoPlano
