#include "platform/paradox/Rechazo.h"
#include "platform/Fechas.h"
#include "platform/Win1252.h"

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
        if (!Fechas::lee(s).isValid())
            return QStringLiteral("«%1» no es una fecha").arg(s);
        return {};
    }
    case Esquema::Clase::Texto:
    case Esquema::Clase::Memo: {
        const QString s = v.toString();
        for (qsizetype i = 0; i < s.size(); ++i) {
            const QChar ch = s.at(i);
            if (Win1252::representable(ch) || ch == u'\n' || ch == u'\r' || ch == u'\t')
                continue;
            // Un carácter fuera del plano básico (un emoji) se nombra entero; uno de control, por
            // su código, para que el mensaje no lleve el carácter mismo a una terminal.
            const bool par = ch.isHighSurrogate() && i + 1 < s.size() && s.at(i + 1).isLowSurrogate();
            const char32_t u = par ? QChar::surrogateToUcs4(ch, s.at(i + 1)) : ch.unicode();
            const QString muestra = QChar::isPrint(u) ? s.mid(i, par ? 2 : 1)
                                                      : QStringLiteral("U+%1").arg(uint(u), 4, 16, QLatin1Char('0')).toUpper();
            return QStringLiteral("contiene el carácter «%1», que la entrega no admite").arg(muestra);
        }
        // Windows-1252 usa un byte por carácter.
        if (c.clase == Esquema::Clase::Texto && s.size() > c.longitud)
            return QStringLiteral("el texto pasa de %1 caracteres").arg(c.longitud);
        return {};
    }
    }
    return {};
}

} // namespace Paradox
