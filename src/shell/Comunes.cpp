#include "shell/Comunes.h"
#include "platform/Reloj.h"

#include <QDate>
#include <QStringList>

namespace Comunes {

namespace {
int diasDelMes(int mes, int anio)
{
    static constexpr int dias[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (mes == 2 && anio % 4 == 0)
        return 29;
    return dias[mes - 1];
}

bool aEntero(const QString &t, int &n)
{
    bool ok = false;
    n = t.trimmed().toInt(&ok);
    return ok;
}

const char *const kPalabras[] = {"CACA", "CACO", "SEXO", "PITO", "MAMA", "MAMO", "PUTA", "ANOS",
                                 "BUEY", "GUEY", "CAGA", "CAGO", "PEDO", "PEDA", "JOTO", "MOCO",
                                 "MOKO", "PUTO", "PENE", "PENA", "CULO", "COLA", "COGE", "COJE"};
} // namespace

bool fechaVacia(const QString &texto)
{
    for (QChar c : texto)
        if (c != u'/' && c != u'_' && !c.isSpace())
            return false;
    return true;
}

QString fechaPropuesta()
{
    const QString hoy = Reloj::hoy().toString(QStringLiteral("dd/MM/yyyy"));
    return revisaFecha(hoy) == ErrorFecha::Ninguno ? hoy : QString();
}

ErrorFecha revisaFecha(const QString &texto)
{
    if (fechaVacia(texto))
        return ErrorFecha::Ninguno;
    int dia, mes, anio;
    if (!aEntero(texto.mid(0, 2), dia) || !aEntero(texto.mid(3, 2), mes) || !aEntero(texto.mid(6, 4), anio))
        return ErrorFecha::Conversion;
    if (anio < 1900 || anio > 2020)
        return ErrorFecha::Anio;
    if (mes < 1 || mes > 12)
        return ErrorFecha::Mes;
    if (dia < 1 || dia > diasDelMes(mes, anio))
        return ErrorFecha::Dia;
    return ErrorFecha::Ninguno;
}

QString mensajeFecha(ErrorFecha e)
{
    switch (e) {
    case ErrorFecha::Anio:
        return QStringLiteral("La fecha que ingreso tiene un error en el año, el sistema no tiene contemplado el año "
                              "Es permitido de 1900 a 2020");
    case ErrorFecha::Mes:
        return QStringLiteral("La fecha que ingreso tiene un error en el mes, es necesario que sean dos digitos en el mes");
    case ErrorFecha::Dia:
        return QStringLiteral("La fecha que ingreso tiene un error en el día, es necesario que sean dos digitos en el dia");
    case ErrorFecha::Ninguno:
    case ErrorFecha::Conversion:
        break;
    }
    return {};
}

std::optional<QString> normalizaFecha(const QString &texto)
{
    const QStringList partes = texto.split(u'/');
    if (partes.size() != 3)
        return std::nullopt;
    int d, m, a;
    if (!aEntero(partes[0], d) || !aEntero(partes[1], m) || !aEntero(partes[2], a))
        return std::nullopt;
    if (partes[2].trimmed().size() <= 2)
        a += (a < 50) ? 2000 : 1900;   // año de dos cifras, como la conversión del sistema
    const QDate f(a, m, d);
    if (!f.isValid())
        return std::nullopt;
    return f.toString(QStringLiteral("dd/MM/yyyy"));
}

QDate aFecha(const QString &texto)
{
    int d, m, a;
    if (texto.size() != 10 || !aEntero(texto.mid(0, 2), d) || !aEntero(texto.mid(3, 2), m) || !aEntero(texto.mid(6, 4), a))
        return {};
    return QDate(a, m, d);
}

QString fechaSistema(const QString &texto, const QString &formato, QChar separador)
{
    const QString dia = texto.mid(0, 2), mes = texto.mid(3, 2), anio = texto.mid(6, 4);
    QString r;
    bool d = false, m = false, y = false;
    for (QChar c : formato) {
        if (c == u'd') {
            if (!d)
                r += dia;
            d = true;
        } else if (c == u'M') {
            if (!m)
                r += mes;
            m = true;
        } else if (c == u'y') {
            if (!y)
                r += anio;
            y = true;
        } else if (c == separador) {
            r += separador;
        }
    }
    return r;
}

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
    const QDate f = aFecha(fechaNac);
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
