// Valores guardados que la entrega rechazaría. Las ventanas no dejan capturarlos, pero una base
// puede llegar de otra manera (copiada, editada a mano, de una versión anterior): la revisión
// los reporta para que «sin inconsistencias» signifique también «se puede entregar».
#include "admin/Entrega.h"
#include "platform/Consulta.h"
#include "platform/Esquema.h"
#include "platform/paradox/Rechazo.h"
#include "review/Revision.h"

namespace Revision {

QStringList noEntregables(int convocatoria)
{
    QStringList r;
    for (const Esquema::Tabla *t : Entrega::tablas(convocatoria)) {
        QStringList columnas;
        for (const Esquema::Columna &c : t->columnas)
            columnas << QString::fromLatin1(c.nombre);
        const bool conClave = QByteArray(t->clavePrimaria) == "Clave";
        Consulta q;
        q.abre(QStringLiteral("Select %1 From %2").arg(columnas.join(u','), QLatin1String(t->nombre)));
        for (int fila = 1; !q.fin(); q.siguiente(), ++fila) {
            for (qsizetype i = 0; i < t->columnas.size(); ++i) {
                const QString motivo = Paradox::rechazo(t->columnas[i], q.campo(int(i)).valor());
                if (motivo.isEmpty())
                    continue;
                const QString registro = conClave ? QStringLiteral("clave %1").arg(q.campo(QStringLiteral("Clave")).texto())
                                                  : QStringLiteral("renglón %1").arg(fila);
                r << QStringLiteral("El Campo %1 de %2 (%3) no se puede entregar: %4")
                         .arg(columnas[i], QLatin1String(t->nombre), registro, motivo);
            }
        }
    }
    return r;
}

} // namespace Revision
