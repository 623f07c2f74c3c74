// Memoria del programa con todo abierto: arranque con la solicitud de muestra, cada ventana
// abierta una vez y cada reporte maquetado y dibujado como lo hace su vista previa (en una
// impresora PDF, sin el diálogo modal). Lee VmRSS y VmHWM de /proc/self/status.
// Presupuesto: menos de 150 MB residentes en el pico.
//
//     build/bench_memoria --benchmark_filter='Memoria_TodoAbierto/0/'
//     build/bench_memoria --benchmark_filter='Memoria_TodoAbierto/1/'
#include "platform/Base.h"
#include "platform/informe/Pintor.h"
#include "reports/Reportes.h"
#include "shell/Arranque.h"
#include "shell/U_inicial.h"
#include "support/Entorno.h"
#include "support/Muestra.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <vector>

namespace {

// Valor en MB de una línea "Clave:   123 kB" de /proc/self/status (0 si no está).
double megasDe(const char *clave)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray prefijo = QByteArray(clave) + ':';
    for (const QByteArray &linea : f.readAll().split('\n'))
        if (linea.startsWith(prefijo))
            return linea.mid(prefijo.size()).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0;
}

void Memoria_TodoAbierto(benchmark::State &estado)
{
    int ventanas = 0, reportes = 0, paginas = 0;
    double pdfKB = 0;
    for (auto _ : estado) {
        Entorno e;
        if (estado.range(0) == 0)
            Muestra::llena();
        else
            Muestra::llenaMaxima();   // cada lista del currículum en su límite
        const QString carpeta = e.carpeta();
        Base::cierra();
        {
            Arranque a(carpeta);
            a.inicial()->show();
            QApplication::processEvents();
            for (const QString &nombre : Muestra::ventanas()) {
                if (nombre == u"W_Dependiente")
                    Tipo_Actual = QStringLiteral("AVA");   // como lo abre el botón del aval
                a.inicial()->Abre_Forma(nombre);
                QApplication::processEvents();
            }
            // Una ventana puede abrir otra por su cuenta: se cuentan las que quedaron abiertas.
            for (const QString &nombre : Muestra::ventanas()) {
                if (a.inicial()->Forma_Abierta(nombre))
                    ++ventanas;
                else
                    std::fprintf(stderr, "no se abrió %s\n", qPrintable(nombre));
            }
            // Las dos ventanas ocultas que crea el arranque (entrega y revisión).
            for (QWidget *w : {a.genDsk(), a.incon()}) {
                if (w) {
                    w->show();
                    ++ventanas;
                }
            }
            QApplication::processEvents();

            QTemporaryDir dir;
            std::vector<Informe::Documento> documentos;   // todos vivos a la vez: el peor caso
            for (const QString &nombre : Reportes::nombres()) {
                std::optional<Informe::Documento> doc = Reportes::construye(nombre);
                if (!doc)
                    continue;
                QPrinter impresora(QPrinter::HighResolution);
                impresora.setOutputFormat(QPrinter::PdfFormat);
                impresora.setOutputFileName(dir.filePath(nombre + QStringLiteral(".pdf")));
                Informe::pinta(*doc, &impresora);
                ++reportes;
                paginas += int(doc->paginas.size());
                documentos.push_back(std::move(*doc));
                pdfKB += QFileInfo(impresora.outputFileName()).size() / 1024.0;
            }
            QApplication::processEvents();
            estado.counters["VmRSS_MB"] = megasDe("VmRSS");
            for (const QString &t : e.dialogos().textos())
                std::fprintf(stderr, "diálogo: %s\n", qPrintable(t));
            W_Inicial()->Cierra_Ventanas();
            QApplication::processEvents();
        }
        Base::abre(carpeta);   // el Entorno la cierra al terminar
    }
    estado.counters["VmHWM_MB"] = megasDe("VmHWM");
    estado.counters["ventanas"] = ventanas;
    estado.counters["reportes"] = reportes;
    estado.counters["paginas"] = paginas;
    estado.counters["pdf_KB"] = pdfKB;
    estado.counters["presupuesto_MB"] = 150;
}
// /0: la solicitud de muestra; /1: la más grande. VmHWM es el pico del proceso: para leer el
// de cada una, correr una sola por proceso (--benchmark_filter).
BENCHMARK(Memoria_TodoAbierto)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
