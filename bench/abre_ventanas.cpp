// Abrir cada ventana de captura con la solicitud de muestra completa: desde la orden del
// marco hasta la ventana mostrada y dibujada, con sus listas y sus datos cargados. Se cierra
// fuera del tiempo medido. Presupuesto: menos de 50 ms por ventana.
//
//     build/bench_abre_ventanas
//     build/bench_abre_ventanas --benchmark_filter=W_DatAcad3
#include "shell/U_Mod.h"
#include "shell/U_inicial.h"
#include "support/Entorno.h"
#include "support/Muestra.h"

#include <QApplication>
#include <QMdiSubWindow>
#include <benchmark/benchmark.h>

namespace {

void AbreVentana(benchmark::State &estado, const QString &nombre, bool maxima)
{
    Entorno e(true);
    if (maxima)
        Muestra::llenaMaxima();
    else
        Muestra::llena();
    e.inicial()->resize(1100, 800);
    e.inicial()->show();
    e.inicial()->Cierra_Ventanas();
    QApplication::processEvents();
    for (auto _ : estado) {
        if (nombre == u"W_Dependiente")
            Tipo_Actual = QStringLiteral("AVA");
        QWidget *w = e.inicial()->Abre_Forma(nombre);
        QApplication::processEvents();   // mostrarla y dibujarla es parte de abrir
        estado.PauseTiming();
        if (!w || !e.inicial()->Forma_Abierta(nombre)) {
            estado.SkipWithError("la ventana no abrió");
            break;
        }
        // Cierra también las que la ventana haya abierto por su cuenta (Cierra_Ventanas deja
        // la de administración).
        e.inicial()->Forma(nombre)->parentWidget()->close();
        e.inicial()->Cierra_Ventanas();
        QApplication::processEvents();
        estado.ResumeTiming();
    }
    const QStringList textos = e.dialogos().textos();
    if (!textos.isEmpty())
        estado.SkipWithError(qPrintable(QStringLiteral("diálogo inesperado: ") + textos.join(u" | ")));
    estado.counters["presupuesto_ms"] = 50;
}

// Una medición por ventana, con la solicitud de muestra y con la más grande.
[[maybe_unused]] const bool kRegistradas = [] {
    for (const QString &nombre : Muestra::ventanas())
        for (bool maxima : {false, true}) {
            const std::string n = "AbreVentana/" + nombre.toStdString() + (maxima ? "/maxima" : "/muestra");
            benchmark::RegisterBenchmark(n.c_str(), AbreVentana, nombre, maxima)->Unit(benchmark::kMillisecond);
        }
    return true;
}();

} // namespace
