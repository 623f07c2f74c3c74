#include "reports/Impresion.h"
#include "platform/Consulta.h"

#include <QStringList>

namespace Impresion {

QString nombreSql(Orden orden, const QString &tabla)
{
    QStringList partes = {QStringLiteral("Nombre_1"), QStringLiteral("Nombre_2"), QStringLiteral("Paterno"), QStringLiteral("Materno")};
    if (orden == Orden::ApellidosPrimero)
        partes = {partes.at(2), partes.at(3), partes.at(0), partes.at(1)};
    const QString prefijo = tabla.isEmpty() ? QString() : tabla + u'.';
    for (QString &p : partes)
        p = QStringLiteral("coalesce(%1%2,'')").arg(prefijo, p);
    return partes.join(QStringLiteral("||' '||"));
}

QString solicitanteSql(Orden orden, const QString &columna)
{
    return QStringLiteral("Select %1 %2\nFrom Persona\nWhere Tipo='SOL'").arg(nombreSql(orden), columna);
}

bool cerrada()
{
    Consulta q;
    q.abre(QStringLiteral("Select Cerrar From General"));
    return cerrada(q.campo(0).texto());
}

bool cerrada(const QString &cerrar) { return cerrar == u"S"; }

QString leyenda(bool cerrada) { return cerrada ? QStringLiteral("TALVERO") : QStringLiteral("BORRADOR"); }

} // namespace Impresion
