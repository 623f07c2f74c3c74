// El motor de reportes por dentro: sólo maquetar las formas (sin consultas ni PDF) y un texto
// largo repartido en varias páginas. Los formatos completos se miden en formatos.cpp.
#include "platform/informe/Pintor.h"
#include "reports/last.h"
#include "support/Entorno.h"
#include "support/Muestra.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

static void Formas_SoloMaqueta(benchmark::State &estado)
{
    Entorno e;
    Muestra::llena();
    TW_Formas w;
    for (auto _ : estado)
        benchmark::DoNotOptimize(w.Documento());
}
BENCHMARK(Formas_SoloMaqueta)->Unit(benchmark::kMillisecond);

// El motor con un texto de 10,000 caracteres repartido en varias páginas.
static void Motor_TextoLargoYPdf(benchmark::State &estado)
{
    Entorno e;
    QString texto;
    for (int i = 1; texto.size() < 10000; ++i)
        texto += QStringLiteral("Razón %1 por la que elegí este programa de posgrado en ingeniería. ").arg(i);
    texto.truncate(10000);
    Informe::Reporte r(QStringLiteral("Motivos"));
    r.banda(Informe::TipoBanda::EncabezadoPagina, 15).texto(0, 0, QStringLiteral("Encabezado"));
    r.banda(Informe::TipoBanda::Resumen, 10).texto(0, 0, texto, r.anchoUtil()).crece();
    r.banda(Informe::TipoBanda::PiePagina, 10).pagina(0, 0, QStringLiteral("Página: "));
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("motivos.pdf"));
    int paginas = 0;
    for (auto _ : estado) {
        const Informe::Documento d = r.maqueta();
        paginas = int(d.paginas.size());
        benchmark::DoNotOptimize(Informe::escribePdf(d, pdf));
    }
    estado.counters["paginas"] = paginas;
}
BENCHMARK(Motor_TextoLargoYPdf)->Unit(benchmark::kMillisecond);
