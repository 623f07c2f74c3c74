// Un paquete entregado leído de vuelta, para la solicitud más grande de la convocatoria 6
// (25 archivos, cada lista del currículum en su límite):
// - verificarlo como solicitud-cli verifica: copia privada y huellas contra el recibo, lectura
//   de las tablas con pxlib y la revisión en una base temporal. Presupuesto: 500 ms.
// - restaurarlo como solicitud-cli restaura --reemplaza: lo anterior más reemplazar la solicitud
//   en la carpeta de tablas en una transacción. Presupuesto: 1 s.
// - verificar con solicitud-cli verifica, en su propio proceso, un paquete tan grande como lo
//   admite el lector: los catálogos de ciudades y municipios de casi 16 MB cada uno (unas
//   57,000 filas más cada uno), lo que haría quien quisiera agotar la memoria de la agencia con
//   un paquete bien formado. Presupuesto: 5 s y 300 MB de pico.
#include "admin/Entrega.h"
#include "admin/MuestraCredito.h"
#include "package/Paquete.h"
#include "platform/Base.h"
#include "platform/Consulta.h"
#include "platform/paradox/Paradox.h"
#include "support/Entorno.h"

#include <QProcess>
#include <QTemporaryDir>
#include <sys/resource.h>
#include <benchmark/benchmark.h>

namespace {

void VerificaPaqueteConvocatoria6(benchmark::State &estado)
{
    Entorno e;
    MuestraCredito::llena(true);
    QTemporaryDir medio;
    Entrega::Preparada(6).copiaA(medio.path());
    bool bien = true;
    for (auto _ : estado) {
        const Paquete p(medio.path());
        bien = bien && p.integro() && p.revisa().sinInconsistencias;
    }
    if (!bien)
        estado.SkipWithError("el paquete no se verificó");
}
BENCHMARK(VerificaPaqueteConvocatoria6)->Unit(benchmark::kMillisecond);

void RestauraPaqueteConvocatoria6(benchmark::State &estado)
{
    Entorno e;
    MuestraCredito::llena(true);
    QTemporaryDir medio;
    Entrega::Preparada(6).copiaA(medio.path());
    Base::cierra();
    int filas = 0;
    for (auto _ : estado) {
        const Paquete p(medio.path());
        p.revisa();
        Base::abre(e.carpeta());
        filas = p.restaura(true).filas;
        Base::cierra();
    }
    estado.counters["filas"] = filas;
}
BENCHMARK(RestauraPaqueteConvocatoria6)->Unit(benchmark::kMillisecond);

void VerificaPaqueteEnElLimite(benchmark::State &estado)
{
    Entorno e;
    MuestraCredito::llena(true);
    {
        // 263 bytes por fila, 15 filas por bloque de 4 KB: casi 16 MB por catálogo.
        const int filas = int(Paradox::kMaximoArchivoTabla / 4096 * 15 * 95 / 100) - 3000;
        Base::Transaccion tr;
        Consulta q;
        for (const char *tabla : {"Cat_Ciudad", "Cat_Municipio"})
            for (int i = 0; i < filas; ++i)
                q.ejecuta(QStringLiteral("Insert into %1 values (:c,:n,14)").arg(QLatin1String(tabla)),
                          {{QStringLiteral("c"), 1000000 + i}, {QStringLiteral("n"), QStringLiteral("LUGAR %1 ").arg(i).leftJustified(255, u'X')}});
        tr.confirma();
    }
    QTemporaryDir medio;
    Entrega::Preparada(6).copiaA(medio.path());
    int codigo = -1;
    for (auto _ : estado) {
        QProcess p;
        p.start(QStringLiteral(RUTA_CLI), {QStringLiteral("verifica"), medio.path()});
        p.waitForFinished(120000);
        codigo = p.exitCode();
    }
    rusage uso{};
    getrusage(RUSAGE_CHILDREN, &uso);
    estado.counters["pico_MB"] = double(uso.ru_maxrss) / 1024.0;
    if (codigo != 0)
        estado.SkipWithError("el paquete no se verificó");
}
BENCHMARK(VerificaPaqueteEnElLimite)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
