// Currículum impreso: maquetar y escribir el PDF de la solicitud de muestra completa.
// Presupuesto: menos de 300 ms.
#include "platform/informe/Pintor.h"
#include "reports/U_rcurr.h"
#include "support/Entorno.h"
#include "support/Muestra.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

// Lo que hace "Curriculum Vitae" del panel: crear el reporte (abre sus doce consultas y lo
// arma), maquetarlo y escribirlo como PDF. /0: la solicitud de muestra; /1: el currículum más
// largo que se puede capturar (cada lista en su límite).
static void Curriculum_MaquetaYPdf(benchmark::State &estado)
{
    Entorno e;
    if (estado.range(0) == 0)
        Muestra::llena();
    else
        Muestra::llenaMaxima();
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("curriculum.pdf"));
    int paginas = 0;
    for (auto _ : estado) {
        TR_Curriculum r;
        const Informe::Documento d = r.Documento();
        paginas = int(d.paginas.size());
        benchmark::DoNotOptimize(Informe::escribePdf(d, pdf));
    }
    estado.counters["paginas"] = paginas;
}
BENCHMARK(Curriculum_MaquetaYPdf)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
