#include "platform/Regional.h"
#include <QLocale>

namespace Regional {
namespace {
std::optional<QString> g_formato;
QChar g_separador = u'/';
}

namespace {
// Sin configuración regional (locale C) el formato corto de Qt es "d MMM yyyy"; el programa
// usa entonces el de México.
QString formatoDelSistema()
{
    const QLocale l = QLocale::system();
    if (l.language() == QLocale::C)
        return QStringLiteral("dd/MM/yyyy");
    return l.dateFormat(QLocale::ShortFormat);
}
} // namespace

QString formatoFechaCorta()
{
    if (g_formato)
        return *g_formato;
    return formatoDelSistema();
}

QChar separadorFecha()
{
    if (g_formato)
        return g_separador;
    // El separador es el primer carácter del formato que no es día, mes ni año.
    for (QChar c : formatoDelSistema())
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
