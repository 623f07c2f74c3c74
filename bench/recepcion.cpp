// Recepción en la agencia como la corre la institución: solicitud-cli recibe con 200 paquetes
// de solicitantes distintos (la solicitud de muestra) hacia una base nueva de un servidor
// PostgreSQL propio (con fsync, como viene), con uno y con dos trabajadores. Cada paquete se
// verifica, se lee, se revisa y se guarda en su transacción.
// Presupuesto: al menos 20 paquetes por segundo con dos trabajadores en dos núcleos.
#include "support/Cli.h"
#include "support/Entorno.h"
#include "support/Muestra.h"
#include "support/Paquetes.h"
#include "support/ServidorPostgres.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kPaquetes = 200;

void Recepcion200Paquetes(benchmark::State &estado)
{
    static ServidorPostgres servidor(false);
    if (!servidor.listo()) {
        estado.SkipWithError(qPrintable(servidor.error()));
        return;
    }
    // Los mismos 200 paquetes para uno y para dos trabajadores.
    static QTemporaryDir raiz;
    static const QStringList carpetas = [] {
        Entorno e;
        Muestra::llena();
        return Paquetes::distintos(raiz.path(), kPaquetes);
    }();
    const int trabajos = int(estado.range(0));
    int codigo = 0;
    double segundos = 0;
    for (auto _ : estado) {
        const QString uri = servidor.baseNueva();
        QElapsedTimer reloj;
        reloj.start();
        const SalidaCli s = corre(QStringList{QStringLiteral("recibe")} + carpetas +
                                  QStringList{QStringLiteral("--destino"), uri, QStringLiteral("--trabajos"), QString::number(trabajos)},
                                  600000);
        estado.SetIterationTime(double(reloj.nsecsElapsed()) / 1e9);
        segundos += double(reloj.nsecsElapsed()) / 1e9;
        codigo = s.codigo;
        if (codigo != 0 || s.salida.count(QStringLiteral("RECIBIDO ")) != kPaquetes) {
            estado.SkipWithError(qPrintable(QStringLiteral("recibe terminó con %1: %2").arg(codigo).arg(s.error.left(300))));
            return;
        }
    }
    // De pared: el proceso de la medición sólo espera a la herramienta.
    estado.counters["paquetes_por_s"] = double(kPaquetes) * double(estado.iterations()) / segundos;
}
BENCHMARK(Recepcion200Paquetes)->Arg(1)->Arg(2)->Iterations(2)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
