// Valores guardados que la entrega rechazaría. Las ventanas no dejan capturarlos, pero una base
// puede llegar de otra manera (copiada, editada a mano, de una versión anterior): la revisión
// los reporta para que «sin inconsistencias» signifique también «se puede entregar».
#include "admin/Entrega.h"
#include "platform/Consulta.h"
#include "platform/Esquema.h"
#include "platform/paradox/Rechazo.h"
#include "review/Revision.h"

namespace Revision {
QList<Hallazgo> noEntregables(int convocatoria)
{
    QList<Hallazgo> r;
    for (const Esquema::Tabla *t : Entrega::tablas(convocatoria)) {
        QStringList columnas;
        bool conSecuencia = false;
        for (const Esquema::Columna &c : t->columnas) {
            columnas << QString::fromLatin1(c.nombre);
            conSecuencia |= QByteArray(c.nombre) == "secuencia";
        }
        const bool conClave = QByteArray(t->clavePrimaria) == "Clave";
        const QString tabla = QLatin1String(t->nombre);
        // Lo que distingue al registro en su ventana: el tipo (o el nivel) y su número en la
        // lista; en las opciones, la clave es el número de opción.
        const QString columnaTipo = tabla == u"Escolar" ? QStringLiteral("Nivel") : QStringLiteral("Tipo");
        const bool conTipo = columnas.contains(columnaTipo, Qt::CaseInsensitive);
        Consulta q;
        q.abre(QStringLiteral("Select %1 From %2").arg(columnas.join(u','), tabla));
        for (int fila = 1; !q.fin(); q.siguiente(), ++fila) {
            for (qsizetype i = 0; i < qsizetype(t->columnas.size()); ++i) {
                const QString motivo = Paradox::rechazo(t->columnas[i], q.campo(int(i)).valor());
                if (motivo.isEmpty())
                    continue;
                const QString clave = conClave ? q.campo(QStringLiteral("Clave")).texto() : QString();
                const QString registro = conClave ? QStringLiteral("clave %1").arg(clave) : QStringLiteral("renglón %1").arg(fila);
                const QString tipo = conTipo ? q.campo(columnaTipo).texto() : QString();
                const QString numero = conSecuencia ? numeroEnLista(tabla, columnaTipo, q.campo(columnaTipo).valor(),
                                                                    q.campo(QStringLiteral("secuencia")).valor(),
                                                                    q.campo(QStringLiteral("Clave")).valor())
                                                    : clave;
                r << Hallazgo{QStringLiteral("El Campo %1 de %2 (%3) no se puede entregar: %4")
                                  .arg(columnas[i], tabla, registro, motivo),
                              lugarDeColumna(tabla, columnas[i], tipo, numero)};
            }
        }
    }
    return r;
}

} // namespace Revision
