// Cada formato impreso (los cinco del registro de reportes: generales, academicos, curriculum,
// formas, quiral), como lo hace "imprime": construir el documento con sus consultas, maquetarlo
// y escribir el PDF. Con la solicitud de crédito educativo completa (la que llena todos los
// formatos) y con la más grande. Presupuesto: menos de 300 ms cada uno.
//
//     build/bench_formatos
//     build/bench_formatos --benchmark_filter=quiral
#include "admin/MuestraCredito.h"
#include "platform/informe/Pintor.h"
#include "reports/Reportes.h"
#include "support/Entorno.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void Formato(benchmark::State &estado, const QString &nombre, bool maxima)
{
    Entorno e;
    MuestraCredito::llena(maxima);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(nombre + QStringLiteral(".pdf"));
    int paginas = 0;
    for (auto _ : estado) {
        const std::optional<Informe::Documento> d = Reportes::construye(nombre);
        if (!d) {
            estado.SkipWithError("reporte desconocido");
            break;
        }
        paginas = int(d->paginas.size());
        benchmark::DoNotOptimize(Informe::escribePdf(*d, pdf));
    }
    estado.counters["paginas"] = paginas;
    estado.counters["presupuesto_ms"] = 300;
}

// Un motivo de un millón de caracteres sin un solo blanco (no entra por la ventana, sí por una
// base editada a mano): el formato académico debe salir en segundos, no en minutos.
void Formato_MotivoDeUnMillon(benchmark::State &estado)
{
    Entorno e;
    MuestraCredito::llena(false);
    Entorno::sql(QStringLiteral("Update General Set Motivos_A=:m"), {{QStringLiteral("m"), QString(1'000'000, u'X')}});
    QTemporaryDir dir;
    int paginas = 0;
    for (auto _ : estado) {
        const std::optional<Informe::Documento> d = Reportes::construye(QStringLiteral("academicos"));
        paginas = int(d->paginas.size());
        benchmark::DoNotOptimize(Informe::escribePdf(*d, dir.filePath(QStringLiteral("a.pdf"))));
    }
    estado.counters["paginas"] = paginas;
}
BENCHMARK(Formato_MotivoDeUnMillon)->Unit(benchmark::kMillisecond)->Iterations(1);

// Una medición por formato del registro: se llena al cargar el programa, antes de main().
struct Registro {
    Registro()
    {
        for (const char *nombre : {"generales", "academicos", "curriculum", "formas", "quiral"})
            for (bool maxima : {false, true}) {
                const std::string n = std::string("Formato/") + nombre + (maxima ? "/maxima" : "/muestra");
                benchmark::RegisterBenchmark(n.c_str(), Formato, QString::fromLatin1(nombre), maxima)->Unit(benchmark::kMillisecond);
            }
    }
} registro;

} // namespace
