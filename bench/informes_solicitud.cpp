// Formas impresas de la solicitud: datos generales y datos académicos.
// Presupuesto: cada una, con la solicitud de muestra completa, abierta, maquetada y escrita
// como PDF en menos de 300 ms.
#include "platform/informe/Pintor.h"
#include "reports/U_rdacad.h"
#include "reports/U_rgral.h"
#include "support/Entorno.h"
#include "support/Muestra.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
// Crea el reporte (abre sus consultas), lo maqueta y escribe el PDF, como "imprime".
template <typename Reporte>
void maquetaYPdf(benchmark::State &estado, const char *archivo)
{
    Entorno e;
    Muestra::llena();
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QString::fromLatin1(archivo));
    int paginas = 0;
    for (auto _ : estado) {
        Reporte r;
        const Informe::Documento d = r.Documento();
        paginas = int(d.paginas.size());
        benchmark::DoNotOptimize(Informe::escribePdf(d, pdf));
    }
    estado.counters["paginas"] = paginas;
}

template <typename Reporte>
void soloMaqueta(benchmark::State &estado)
{
    Entorno e;
    Muestra::llena();
    Reporte r;
    for (auto _ : estado)
        benchmark::DoNotOptimize(r.Documento());
}
} // namespace

static void DatGrales_MaquetaYPdf(benchmark::State &estado) { maquetaYPdf<TR_DatGrales>(estado, "generales.pdf"); }
BENCHMARK(DatGrales_MaquetaYPdf)->Unit(benchmark::kMillisecond);

static void DatAcad_MaquetaYPdf(benchmark::State &estado) { maquetaYPdf<TR_DatAcad>(estado, "academicos.pdf"); }
BENCHMARK(DatAcad_MaquetaYPdf)->Unit(benchmark::kMillisecond);

static void DatGrales_SoloMaqueta(benchmark::State &estado) { soloMaqueta<TR_DatGrales>(estado); }
BENCHMARK(DatGrales_SoloMaqueta)->Unit(benchmark::kMillisecond);

static void DatAcad_SoloMaqueta(benchmark::State &estado) { soloMaqueta<TR_DatAcad>(estado); }
BENCHMARK(DatAcad_SoloMaqueta)->Unit(benchmark::kMillisecond);
