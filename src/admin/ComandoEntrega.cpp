// solicitud-cli entrega DESTINO [--tablas DIR]
#include "admin/Entrega.h"
#include "platform/Base.h"
#include "platform/Comandos.h"
#include "review/Revision.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

namespace {
// Revisa la solicitud y, si nada impide entregarla, escribe en DESTINO los archivos de la
// entrega como lo hace el diálogo e imprime sus nombres (salida 0). Con inconsistencias
// imprime el reporte y sale con 1 sin escribir nada. Cualquier otra falla: mensaje y 2.
// La base se abre sólo para leer: una carpeta de tablas que no existe no se crea.
int entrega(const Comandos::Linea &linea)
{
    const auto tablas =
        Comandos::leeArgumentos(linea, 1, QStringLiteral("Falta la carpeta de destino. Uso: solicitud-cli entrega DESTINO [--tablas DIR]"));
    if (!tablas)
        return 2;
    const QString carpeta = *tablas;
    const QString destino = linea.argumentos().first();
    if (!QFileInfo(destino).isDir()) {
        Comandos::error(QStringLiteral("No existe la carpeta de destino «%1».").arg(QDir::toNativeSeparators(destino)));
        return 2;
    }
    try {
        Base::abreLectura(carpeta);
        const Revision::Resultado r = Revision::revisa();
        if (!r.sinInconsistencias) {
            Base::cierra();
            for (const QString &linea : r.lineas)
                Comandos::imprime(linea);
            return 1;
        }
        const Entrega::Preparada preparada(Entrega::convocatoria());
        // Como el diálogo: sin espacio para toda la entrega no se empieza a copiar.
        const qint64 libre = QStorageInfo(destino).bytesAvailable();
        const qint64 necesarios = preparada.bytesNecesarios(destino);
        if (libre >= 0 && libre < necesarios) {
            Base::cierra();
            Comandos::error(QStringLiteral("No hay espacio suficiente en «%1»: la entrega necesita %2 KB libres y hay %3 KB. "
                                           "No se copió nada.")
                                .arg(QDir::toNativeSeparators(destino))
                                .arg((necesarios + 1023) / 1024)
                                .arg(libre / 1024));
            return 2;
        }
        preparada.copiaA(destino, [](const Entrega::Archivo &a) { Comandos::imprime(a.nombre); });
    } catch (const ErrorBase &e) {
        Base::cierra();
        Comandos::error(e.mensaje());
        return 2;
    }
    Base::cierra();
    return 0;
}
} // namespace

REGISTRA_COMANDO(entrega, "entrega",
                 "entrega DESTINO [--tablas DIR]   revisa la solicitud y, si nada lo impide, escribe en la carpeta "
                 "DESTINO los archivos de tabla que se entregan (sale con 1 si hay inconsistencias)",
                 entrega, "--tablas DIR")
