// Arranque hasta el marco mostrado con W_DM listo, y llenado de listas de catálogo.
// Presupuesto: llenar una lista de 2,500 filas en menos de 20 ms.
#include "platform/Base.h"
#include "platform/Consulta.h"
#include "shell/Arranque.h"
#include "shell/U_Mod.h"
#include "shell/U_inicial.h"
#include "support/DialogosPrueba.h"
#include "support/Entorno.h"
#include "support/Muestra.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

static void Arranque_MarcoMostrado(benchmark::State &estado)
{
    Entorno e;   // deja una carpeta con su base y catálogos
    const QString carpeta = e.carpeta();
    Base::cierra();
    for (auto _ : estado) {
        Arranque a(carpeta);
        a.inicial()->show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(W_DM());
    }
}
BENCHMARK(Arranque_MarcoMostrado)->Unit(benchmark::kMillisecond);

// Lo que cuesta comprobar la base al abrirla: tablas, columnas y quick_check, con la solicitud
// de muestra. Se mide abrir para leer (sin cerrojo) y la comprobación sola.
static void Apertura_ConComprobacion(benchmark::State &estado)
{
    Entorno e;
    Muestra::llena();
    const QString carpeta = e.carpeta();
    for (auto _ : estado)
        Base::abreLectura(carpeta);
}
BENCHMARK(Apertura_ConComprobacion)->Unit(benchmark::kMillisecond);

static void Apertura_SoloQuickCheck(benchmark::State &estado)
{
    Entorno e;
    Muestra::llena();
    Consulta q;
    for (auto _ : estado)
        q.abre(QStringLiteral("PRAGMA quick_check"));
}
BENCHMARK(Apertura_SoloQuickCheck)->Unit(benchmark::kMillisecond);

static void Arranque_PrimeraVezConCatalogos(benchmark::State &estado)
{
    for (auto _ : estado) {
        QTemporaryDir dir;
        Base::crea(dir.path() + QStringLiteral("/tablas"));
    }
}
BENCHMARK(Arranque_PrimeraVezConCatalogos)->Unit(benchmark::kMillisecond);

static void Combo_MunicipiosEstadoMayor(benchmark::State &estado)
{
    Entorno e(true);
    const int edo = Entorno::valor(QStringLiteral("Select Estado_clave from Cat_Municipio group by Estado_clave order by count(*) desc limit 1")).toInt();
    QComboBox combo;
    W_DM()->Q_Municipio.parametro(QStringLiteral("Edo"), edo);
    for (auto _ : estado)
        e.inicial()->Llena_Combo(W_DM()->Q_Municipio, &combo, 1);
    estado.counters["filas"] = combo.count();
}
BENCHMARK(Combo_MunicipiosEstadoMayor)->Unit(benchmark::kMillisecond);

static void Combo_2500Filas(benchmark::State &estado)
{
    Entorno e(true);
    Consulta q(QStringLiteral("Select Clave,Nombre From Cat_Municipio Order by Nombre"));
    QComboBox combo;
    for (auto _ : estado)
        e.inicial()->Llena_Combo(q, &combo, 1);
    estado.counters["filas"] = combo.count();
}
BENCHMARK(Combo_2500Filas)->Unit(benchmark::kMillisecond);
