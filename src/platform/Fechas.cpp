#include "platform/Fechas.h"
#include "platform/Reloj.h"

#include <QStringList>

namespace Fechas {

namespace {
constexpr int kPrimerAnio = 1900;
constexpr int kUltimoAnio = 2020;

struct Partes {
    int dia = 0, mes = 0, anio = 0;
};

bool entero(const QString &t, int &n)
{
    bool ok = false;
    n = t.trimmed().toInt(&ok);
    return ok;
}

bool digitos(const QString &t, qsizetype pos, int n, int &valor)
{
    valor = 0;
    for (int i = 0; i < n; ++i) {
        const QChar c = t.at(pos + i);
        if (c < u'0' || c > u'9')
            return false;
        valor = valor * 10 + (c.unicode() - u'0');
    }
    return true;
}

// Los tres números del texto, sin mirar el calendario. Columnas no pide aquí los 10
// caracteres: revisa() lee también un texto más corto.
std::optional<Partes> partes(const QString &t, Lectura lectura)
{
    Partes p;
    switch (lectura) {
    case Lectura::Guardada:
        if (t.size() != 10 || t.at(2) != u'/' || t.at(5) != u'/' || !digitos(t, 0, 2, p.dia) ||
            !digitos(t, 3, 2, p.mes) || !digitos(t, 6, 4, p.anio))
            return std::nullopt;
        return p;
    case Lectura::Tecleada: {
        const QStringList x = t.split(u'/');
        if (x.size() != 3 || !entero(x[0], p.dia) || !entero(x[1], p.mes) || !entero(x[2], p.anio))
            return std::nullopt;
        if (x[2].trimmed().size() <= 2)
            p.anio += (p.anio < 50) ? 2000 : 1900;
        return p;
    }
    case Lectura::Columnas:
        if (!entero(t.mid(0, 2), p.dia) || !entero(t.mid(3, 2), p.mes) || !entero(t.mid(6, 4), p.anio))
            return std::nullopt;
        return p;
    }
    return std::nullopt;
}

// El calendario de revisa(): todo año múltiplo de 4 es bisiesto (1900 también).
int diasDelMes(int mes, int anio)
{
    static constexpr int dias[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (mes == 2 && anio % 4 == 0)
        return 29;
    return dias[mes - 1];
}
} // namespace

QDate lee(const QString &texto, Lectura lectura)
{
    if (lectura == Lectura::Columnas && texto.size() != 10)
        return {};
    const auto p = partes(texto, lectura);
    return p ? QDate(p->anio, p->mes, p->dia) : QDate();
}

QString escribe(const QDate &fecha)
{
    // toString(formato) escribe con el locale C: cifras ASCII sea cual sea el del sistema.
    return fecha.isValid() ? fecha.toString(QStringLiteral("dd/MM/yyyy")) : QString();
}

bool vacia(const QString &texto)
{
    for (QChar c : texto)
        if (c != u'/' && c != u'_' && !c.isSpace())
            return false;
    return true;
}

std::optional<QString> normaliza(const QString &tecleado)
{
    const QDate f = lee(tecleado, Lectura::Tecleada);
    if (!f.isValid())
        return std::nullopt;
    return escribe(f);
}

std::optional<QVariant> valor(const QString &tecleado)
{
    if (vacia(tecleado))
        return QVariant(QMetaType(QMetaType::QString));   // NULL
    if (const auto f = normaliza(tecleado))
        return QVariant(*f);
    return std::nullopt;
}

QString mensajeIlegible(const QString &tecleado)
{
    return QStringLiteral("'%1' no es una fecha válida").arg(tecleado);
}

Error revisa(const QString &texto)
{
    if (vacia(texto))
        return Error::Ninguno;
    const auto p = partes(texto, Lectura::Columnas);
    if (!p)
        return Error::Conversion;
    if (p->anio < kPrimerAnio || p->anio > kUltimoAnio)
        return Error::Anio;
    if (p->mes < 1 || p->mes > 12)
        return Error::Mes;
    if (p->dia < 1 || p->dia > diasDelMes(p->mes, p->anio))
        return Error::Dia;
    return Error::Ninguno;
}

QString mensaje(Error e)
{
    switch (e) {
    case Error::Anio:
        return QStringLiteral("La fecha que ingreso tiene un error en el año, el sistema no tiene contemplado el año "
                              "Es permitido de %1 a %2").arg(kPrimerAnio).arg(kUltimoAnio);
    case Error::Mes:
        return QStringLiteral("La fecha que ingreso tiene un error en el mes, es necesario que sean dos digitos en el mes");
    case Error::Dia:
        return QStringLiteral("La fecha que ingreso tiene un error en el día, es necesario que sean dos digitos en el dia");
    case Error::Ninguno:
    case Error::Conversion:
        break;
    }
    return {};
}

QString propuesta()
{
    const QString hoy = escribe(Reloj::hoy());
    return revisa(hoy) == Error::Ninguno ? hoy : QString();
}

QString anio(const QString &guardada) { return guardada.mid(6, 4); }

QString enFormato(const QString &guardada, const QString &formato, QChar separador)
{
    const QString dia = guardada.mid(0, 2), mes = guardada.mid(3, 2), anio = guardada.mid(6, 4);
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

QString condicionSql(const QString &columna)
{
    // Dígitos en su lugar y, leída como AAAA-MM-DD, la misma fecha tras pasar por el día
    // juliano (el 31/04 vuelve como 01/05, así que la igualdad descarta días imposibles).
    const QString iso = QStringLiteral("substr(%1,7,4)||'-'||substr(%1,4,2)||'-'||substr(%1,1,2)").arg(columna);
    return QStringLiteral("(%1 GLOB '[0-9][0-9]/[0-9][0-9]/[0-9][0-9][0-9][0-9]' AND date(julianday(%2)) IS %2)")
        .arg(columna, iso);
}

} // namespace Fechas
