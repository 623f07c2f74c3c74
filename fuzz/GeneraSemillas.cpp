// Escribe en la carpeta dada las semillas del fuzzer del lector: cada tabla y el recibo de la
// entrega real de la solicitud de muestra del crédito (convocatoria 6, 25 archivos), tal como
// los escribe el programa. Los dos catálogos de cientos de KB se dejan fuera: con ellos cada
// ejecución del fuzzer tarda cien veces más y no recorre nada que las otras tablas no recorran.
#include "EntradaFuzz.h"
#include "admin/Entrega.h"
#include "admin/MuestraCredito.h"
#include "platform/Esquema.h"
#include "platform/paradox/Paradox.h"
#include "support/Entorno.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

namespace {

QByteArray contenido(const QString &ruta)
{
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly))
        throw ErrorBase(QStringLiteral("No se pudo leer %1").arg(ruta));
    return f.readAll();
}

void escribe(const QString &ruta, const QByteArray &datos)
{
    QFile f(ruta);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(datos) != datos.size() || !f.flush())
        throw ErrorBase(QStringLiteral("No se pudo escribir %1").arg(ruta));
}

} // namespace

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
        QTemporaryDir medio;
        Entrega::Preparada(6).copiaA(medio.path());
        const QDir destino(QString::fromLocal8Bit(argv[1]));
        QDir().mkpath(destino.path());
        EntradaFuzz::Entrada recibo;
        recibo.db = contenido(QDir(medio.path()).filePath(QStringLiteral("entrega.sha256")));
        escribe(destino.filePath(QStringLiteral("recibo")), EntradaFuzz::compone(recibo));
        const auto tablas = Esquema::tablas();
        for (const Esquema::Tabla *t : Entrega::tablas(6)) {
            if (t->catalogo && (qstrcmp(t->nombre, "Cat_Ciudad") == 0 || qstrcmp(t->nombre, "Cat_Municipio") == 0))
                continue;
            EntradaFuzz::Entrada x;
            x.que = std::uint8_t(t - tablas.data());
            for (const QString &a : Paradox::archivosDe(*t)) {
                const QByteArray b = contenido(QDir(medio.path()).filePath(a));
                if (a.endsWith(QStringLiteral(".db")))
                    x.db = b;
                else if (a.endsWith(QStringLiteral(".px")))
                    x.px = b;
                else
                    x.mb = b;
            }
            escribe(destino.filePath(QLatin1String(t->nombre)), EntradaFuzz::compone(x));
        }
    } catch (const ErrorBase &e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.mensaje()));
        return 2;
    }
    return 0;
}
