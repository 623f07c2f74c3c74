#include "platform/paradox/Rechazo.h"
#include "platform/Win1252.h"

#include <QDate>
#include <cmath>
#include <limits>

namespace Paradox {

QString rechazo(const Esquema::Columna &c, const QVariant &v)
{
    if (v.isNull())
        return {};
    switch (c.clase) {
    case Esquema::Clase::Entero: {
        bool ok = false;
        const qint64 n = v.toLongLong(&ok);
        // El menor valor de 32 bits se guardaría igual que un campo en blanco.
        if (!ok || n > std::numeric_limits<qint32>::max() || n <= std::numeric_limits<qint32>::min())
            return QStringLiteral("el número %1 no cabe en el campo").arg(v.toString());
        return {};
    }
    case Esquema::Clase::Real: {
        bool ok = false;
        const double x = v.toDouble(&ok);
        if (!ok || !std::isfinite(x))
            return QStringLiteral("el valor %1 no es un número").arg(v.toString());
        return {};
    }
    case Esquema::Clase::Fecha: {
        const QString s = v.toString();
        if (s.isEmpty())
            return {};
        const QDate f = QDate::fromString(s, QStringLiteral("dd/MM/yyyy"));
        if (!f.isValid() || f.year() < 1)
            return QStringLiteral("«%1» no es una fecha").arg(s);
        return {};
    }
    case Esquema::Clase::Texto:
    case Esquema::Clase::Memo: {
        const QString s = v.toString();
        for (QChar ch : s)
            if (!Win1252::representable(ch) && ch != u'\n' && ch != u'\r' && ch != u'\t')
                return QStringLiteral("contiene el carácter «%1», que la entrega no admite").arg(ch);
        // Windows-1252 usa un byte por carácter.
        if (c.clase == Esquema::Clase::Texto && s.size() > c.longitud)
            return QStringLiteral("el texto pasa de %1 caracteres").arg(c.longitud);
        return {};
    }
    }
    return {};
}

} // namespace Paradox
