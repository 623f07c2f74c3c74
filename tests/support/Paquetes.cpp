#include "support/Paquetes.h"
#include "admin/Entrega.h"
#include "platform/Consulta.h"

#include <QDir>
#include <QFile>

namespace Paquetes {

QString entrega(const QString &destino, const QDateTime &hora)
{
    QDir().mkpath(destino);
    const Entrega::Preparada preparada(Entrega::convocatoria());
    preparada.copiaA(destino);
    QFile recibo(QDir(destino).filePath(QStringLiteral("entrega.sha256")));
    if (recibo.open(QIODevice::ReadWrite))
        recibo.setFileTime(hora, QFileDevice::FileModificationTime);
    return destino;
}

QStringList distintos(const QString &raiz, int n)
{
    QStringList r;
    const QDateTime hora(QDate(2004, 3, 1), QTime(9, 0), Qt::UTC);
    for (int i = 0; i < n; ++i) {
        Consulta q;
        q.ejecuta(QStringLiteral("Update Persona Set Curp=:c, Materno=:m Where Tipo='SOL'"),
                  {{QStringLiteral("c"), QStringLiteral("TOVM750305MJC%1").arg(i, 5, 10, QLatin1Char('0'))},
                   {QStringLiteral("m"), QStringLiteral("VALLE %1").arg(i)}});
        r << entrega(QStringLiteral("%1/paquete%2").arg(raiz).arg(i, 3, 10, QLatin1Char('0')), hora.addSecs(i));
    }
    return r;
}

} // namespace Paquetes
