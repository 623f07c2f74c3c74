#include "platform/Regional.h"
#include <QLocale>

namespace Regional {
namespace {
std::optional<QString> g_formato;
QChar g_separador = u'/';
}

QString formatoFechaCorta()
{
    if (g_formato)
        return *g_formato;
    return QLocale::system().dateFormat(QLocale::ShortFormat);
}

QChar separadorFecha()
{
    if (g_formato)
        return g_separador;
    // El separador es el primer carácter del formato que no es día, mes ni año.
    for (QChar c : QLocale::system().dateFormat(QLocale::ShortFormat))
        if (c != u'd' && c != u'M' && c != u'y' && !c.isSpace())
            return c;
    return u'/';
}

void fija(std::optional<QString> formato, QChar separador)
{
    g_formato = std::move(formato);
    g_separador = separador;
}
} // namespace Regional
