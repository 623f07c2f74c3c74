// Revisión de inconsistencias de la solicitud máxima (cada lista del currículum en su
// límite y cinco opciones). Presupuesto: menos de 20 ms por revisión.
#include "review/Revision.h"
#include "support/Entorno.h"
#include "support/Muestra.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {
void RevisaSolicitudMaxima(benchmark::State &estado)
{
    Entorno e;
    Muestra::llenaMaxima();
    // La medición sólo vale si revisa la solicitud entera: la máxima no tiene hallazgos.
    const Revision::Resultado r = Revision::revisa();
    if (r.lineas != QStringList{QStringLiteral("No hay Inconsistencias")}) {
        std::fprintf(stderr, "La solicitud máxima tiene hallazgos:\n%s\n", qPrintable(r.lineas.join(u'\n')));
        estado.SkipWithError("la solicitud máxima tiene hallazgos");
        return;
    }
    for (auto _ : estado) {
        Revision::Resultado r = Revision::revisa();
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(RevisaSolicitudMaxima)->Unit(benchmark::kMillisecond);
} // namespace
