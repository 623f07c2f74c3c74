// Valores guardados que la entrega rechazaría. Las ventanas no dejan capturarlos, pero una base
// puede llegar de otra manera (copiada, editada a mano, de una versión anterior): la revisión
// los reporta para que «sin inconsistencias» signifique también «se puede entregar».
#include "admin/Entrega.h"
#include "platform/Consulta.h"
#include "platform/Esquema.h"
#include "platform/paradox/Rechazo.h"
#include "review/Revision.h"

namespace Revision {
namespace {
// Condición SQL que deja pasar sólo los renglones que podrían no entregarse: un texto con algún
// carácter fuera de Latin-1 (o de control, en un memo) o más largo que su campo, un entero fuera de 32 bits,
// un real infinito, una fecha de otra forma. Los catálogos tienen miles de renglones y casi
// ninguno pasa el filtro; los que pasan se comprueban uno por uno con la regla de la entrega.
QString sospechosos(const Esquema::Tabla &t)
{
    QStringList r;
    for (const Esquema::Columna &c : t.columnas) {
        const QLatin1String n(c.nombre);
        switch (c.clase) {
        case Esquema::Clase::Texto:
            r << QStringLiteral("length(%1) > %2 Or (length(Cast(%1 As Blob)) <> length(%1) And %1 Glob '*[^ -ÿ]*')")
                     .arg(n)
                     .arg(c.longitud);
            break;
        case Esquema::Clase::Memo:
            r << QStringLiteral("%1 Glob '*[^ -~]*'").arg(n);   // pocos renglones: cualquier cosa fuera de ASCII
            break;
        case Esquema::Clase::Entero:
            r << QStringLiteral("%1 > 2147483647 Or %1 <= -2147483648").arg(n);
            break;
        case Esquema::Clase::Real:
            r << QStringLiteral("abs(%1) > 1.7e308").arg(n);
            break;
        case Esquema::Clase::Fecha:
            r << QStringLiteral("(%1 Is Not Null And (length(%1) <> 10 Or substr(%1, 7, 4) = '0000'))").arg(n);
            break;
        }
    }
    return r.join(QStringLiteral(" Or "));
}
} // namespace

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
        q.abre(QStringLiteral("Select rowid As renglon_, %1 From %2 Where %3")
                   .arg(columnas.join(u','), tabla, sospechosos(*t)));
        for (; !q.fin(); q.siguiente()) {
            const qint64 fila = q.campo(QStringLiteral("renglon_")).entero();
            for (qsizetype i = 0; i < qsizetype(t->columnas.size()); ++i) {
                const QString motivo = Paradox::rechazo(t->columnas[i], q.campo(int(i) + 1).valor());
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
