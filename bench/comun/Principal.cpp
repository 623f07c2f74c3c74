// Arranque común de las mediciones de bench/: Qt sin pantalla y con la traducción del
// programa, y Google Benchmark con los argumentos de la línea de órdenes.
#include "shell/Arranque.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {
QtMessageHandler g_anterior = nullptr;

// La plataforma sin pantalla avisa de cada ventana que no puede ajustar: ruido entre cifras.
void filtraAvisos(QtMsgType tipo, const QMessageLogContext &contexto, const QString &texto)
{
    if (g_anterior && !texto.contains(QLatin1String("propagateSizeHints")))
        g_anterior(tipo, contexto, texto);
}
} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    g_anterior = qInstallMessageHandler(filtraAvisos);
    QApplication app(argc, argv);
    instalaTraduccion();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
