// Abrir la ventana de domicilios para un domicilio nacional con los catálogos completos:
// estados del país, ciudades y municipios del estado con más municipios.
// Presupuesto: menos de 50 ms por apertura.
#include "shell/U_Mod.h"
#include "shell/U_inicial.h"
#include "support/Entorno.h"

#include <QApplication>
#include <QMdiSubWindow>
#include <benchmark/benchmark.h>

static void AbreDomicilio(benchmark::State &estado, const char *tipo)
{
    Entorno e(true);
    e.inicial()->show();
    QApplication::processEvents();
    if (QWidget *g = e.inicial()->Forma(QStringLiteral("W_Generales")))
        g->parentWidget()->close();
    const qint64 edo = Entorno::valor(QStringLiteral("Select Estado_clave from Cat_Municipio group by Estado_clave "
                                                     "order by count(*) desc limit 1")).toLongLong();
    const qint64 ciudad = Entorno::valor(QStringLiteral("Select Max(Clave) From Cat_Ciudad Where Estado_Clave=:e"),
                                         {{QStringLiteral("e"), edo}}).toLongLong();
    const qint64 mpio = Entorno::valor(QStringLiteral("Select Max(Clave) From Cat_Municipio Where Estado_clave=:e"),
                                       {{QStringLiteral("e"), edo}}).toLongLong();
    Entorno::sql(QStringLiteral("Insert into General (Clave,Convocatoria,Fec_Correspondencia) values (1,482,'01/06/2004')"));
    Entorno::sql(QStringLiteral("Insert into Domicilio Values (1,:t,'CALLE','1','','CENTRO','(    )    -    ','(    )    -    ',"
                                "'','44100',:c,:e,32,:m,0,1)"),
                 {{QStringLiteral("t"), QString::fromLatin1(tipo)}, {QStringLiteral("c"), ciudad},
                  {QStringLiteral("e"), edo}, {QStringLiteral("m"), mpio}});
    for (auto _ : estado) {
        Tipo_Actual = QString::fromLatin1(tipo);
        QWidget *w = e.inicial()->Abre_Forma(QStringLiteral("W_DirAct"));
        benchmark::DoNotOptimize(w);
        estado.PauseTiming();
        if (!w) {
            estado.SkipWithError("W_DirAct no abrió");
            break;
        }
        w->parentWidget()->close();
        QApplication::processEvents();
        estado.ResumeTiming();
    }
    estado.counters["municipios"] = double(Entorno::cuenta(QStringLiteral("Cat_Municipio"), QStringLiteral("Estado_clave=%1").arg(edo)));
}
BENCHMARK_CAPTURE(AbreDomicilio, actual, "ACT")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(AbreDomicilio, aval, "AVA")->Unit(benchmark::kMillisecond);
