// La entrega completa como la hace solicitud-cli entrega: revisión, escritura de las tablas
// en la carpeta temporal, relectura con pxlib y copia segura (temporal, a disco, renombre y
// comparación) a una carpeta destino, para la solicitud más grande de la convocatoria 6
// (25 archivos). Presupuesto: menos de 300 ms por entrega.
#include "admin/MuestraCredito.h"
#include "admin/Entrega.h"
#include "platform/Comandos.h"
#include "platform/Manifiesto.h"
#include "support/Entorno.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

// La orden imprime los nombres; la medición no debe mezclarlos con su reporte.
class SinSalida {
public:
    SinSalida() : m_salida(::dup(STDOUT_FILENO))
    {
        std::fflush(stdout);
        const int nulo = ::open("/dev/null", O_WRONLY);
        ::dup2(nulo, STDOUT_FILENO);
        ::close(nulo);
    }
    ~SinSalida()
    {
        std::fflush(stdout);
        ::dup2(m_salida, STDOUT_FILENO);
        ::close(m_salida);
    }

private:
    int m_salida;
};

void EntregaCompletaConvocatoria6(benchmark::State &estado)
{
    Entorno e;
    MuestraCredito::llena(true);
    QTemporaryDir destino;
    const QStringList orden{QStringLiteral("entrega"), destino.path(), QStringLiteral("--tablas"), e.carpeta()};
    int codigo = 0;
    {
        SinSalida s;
        for (auto _ : estado)
            codigo = Comandos::ejecuta(orden);
    }
    if (codigo != 0)
        estado.SkipWithError("la entrega no terminó con 0");
    qint64 bytes = 0;
    const QFileInfoList archivos = QDir(destino.path()).entryInfoList(QDir::Files);
    for (const QFileInfo &f : archivos)
        bytes += f.size();
    estado.counters["archivos"] = double(archivos.size());
    estado.counters["bytes"] = double(bytes);
}
BENCHMARK(EntregaCompletaConvocatoria6)->Unit(benchmark::kMillisecond);

// El recibo entrega.sha256 de los 25 archivos de la solicitud más grande: leerlos, sacar sus
// huellas y escribirlo al lado con renombre.
void ReciboDeLaEntrega(benchmark::State &estado)
{
    Entorno e;
    MuestraCredito::llena(true);
    const Entrega::Preparada preparada(Entrega::convocatoria());
    QStringList nombres;
    for (const Entrega::Archivo &a : preparada.archivos())
        nombres << a.nombre;
    const QString carpeta = QFileInfo(preparada.ruta(preparada.archivos().first())).absolutePath();
    for (auto _ : estado)
        Manifiesto::escribe(carpeta, nombres);
    estado.counters["bytes"] = double(preparada.bytes());
}
BENCHMARK(ReciboDeLaEntrega)->Unit(benchmark::kMillisecond);

} // namespace
