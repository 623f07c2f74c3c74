#include "shell/Comunes.h"
#include "platform/Fechas.h"

namespace Comunes {

namespace {
const char *const kPalabras[] = {"CACA", "CACO", "SEXO", "PITO", "MAMA", "MAMO", "PUTA", "ANOS",
                                 "BUEY", "GUEY", "CAGA", "CAGO", "PEDO", "PEDA", "JOTO", "MOCO",
                                 "MOKO", "PUTO", "PENE", "PENA", "CULO", "COLA", "COGE", "COJE"};
} // namespace

QString textoDerecha(const QString &t, int n) { return n >= t.size() ? t : t.right(n); }
QString textoIzquierda(const QString &t, int n) { return n >= t.size() ? t : t.left(n); }
QString textoMedio(const QString &t, int pos, int n)
{
    if (t.size() < pos)
        return {};
    return textoIzquierda(textoDerecha(t, int(t.size()) - pos + 1), n);
}

std::optional<QString> calculaRFC(const QString &paterno, const QString &materno, const QString &nombre1,
                                  const QString &, const QString &fechaNac)
{
    QString r;
    const QString pat = paterno.trimmed();
    if (!pat.isEmpty()) {
        r += pat.at(0);
        for (int i = 2; i <= paterno.size(); ++i) {
            const QString c = textoMedio(pat, i, 1);
            if (c == u"A" || c == u"E" || c == u"I" || c == u"O" || c == u"U") {
                r += c;
                break;
            }
        }
    }
    const QString mat = materno.trimmed();
    if (!mat.isEmpty())
        r += mat.at(0);
    const QString nom = nombre1.trimmed();
    if (!nom.isEmpty())
        r += nom.at(0);
    for (const char *p : kPalabras)
        if (r == QLatin1String(p)) {
            r = r.left(3) + u'X';
            break;
        }
    const QDate f = Fechas::lee(fechaNac, Fechas::Lectura::Columnas);
    if (!f.isValid())
        return std::nullopt;
    r += textoMedio(QString::number(f.year()), 3, 2);
    r += QStringLiteral("%1").arg(f.month(), 2, 10, QLatin1Char('0'));
    r += QStringLiteral("%1").arg(f.day(), 2, 10, QLatin1Char('0'));
    return r;
}

QString rfcAlEntrar(const QString &actual, const QString &propuesta)
{
    const QString t = actual.trimmed();
    if (t.isEmpty() || !t.startsWith(propuesta.left(10)))
        return propuesta;
    return actual;
}

bool tieneArroba(const QString &texto) { return texto.contains(u'@'); }

} // namespace Comunes
