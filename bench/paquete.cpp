// Un paquete entregado leído de vuelta, para la solicitud más grande de la convocatoria 6
// (25 archivos, cada lista del currículum en su límite):
// - verificarlo como solicitud-cli verifica: copia privada y huellas contra el recibo, lectura
//   de las tablas con pxlib y la revisión en una base temporal. Presupuesto: 500 ms.
// - restaurarlo como solicitud-cli restaura --reemplaza: lo anterior más reemplazar la solicitud
//   en la carpeta de tablas en una transacción. Presupuesto: 1 s.
#include "admin/Entrega.h"
#include "admin/MuestraCredito.h"
#include "package/Paquete.h"
#include "platform/Base.h"
#include "support/Entorno.h"

#include <QTemporaryDir>
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

} // namespace
