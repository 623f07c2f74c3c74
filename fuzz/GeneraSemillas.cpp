// Escribe en la carpeta dada la entrega de la solicitud de muestra del crédito (convocatoria 6,
// 25 archivos), tal como la escribe el programa: de ella salen las semillas del lector.
#include "admin/Entrega.h"
#include "admin/MuestraCredito.h"
#include "support/Entorno.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("Uso: genera_semillas CARPETA\n", stderr);
        return 2;
    }
    try {
        Entorno e;
        MuestraCredito::llena(false);
        QDir().mkpath(QString::fromLocal8Bit(argv[1]));
        Entrega::Preparada(6).copiaA(QString::fromLocal8Bit(argv[1]));
    } catch (const ErrorBase &e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.mensaje()));
        return 2;
    }
    return 0;
}
