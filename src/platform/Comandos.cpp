#include "platform/Comandos.h"
#include "platform/Base.h"

#include "platform/Registro.h"

#include <QCommandLineParser>

#include <algorithm>
#include <cstdio>
#include <utility>

namespace Comandos {
namespace {
struct Opcion {
    QString nombre;   // sin guiones
    bool conValor = false;
};
struct Orden {
    QString uso;
    QList<Opcion> opciones;
    Accion accion;
};
using Ordenes = Registro<Orden>;

QString lineaTablas()
{
    return QStringLiteral("--tablas DIR  carpeta de tablas (por omisión, la del programa: %1)").arg(Base::carpetaPredeterminada());
}

// "--help" y "-h", para la herramienta y para cada orden. Sin addHelpOption: la ayuda es la
// nuestra, en español, y no hay -? ni --help-all.
QCommandLineOption opcionAyuda() { return QCommandLineOption(QStringList{QStringLiteral("h"), QStringLiteral("help")}); }

// Un solo guion también nombra una opción entera ("-tablas"): así cada opción desconocida es
// un argumento de la línea, con su nombre tal cual.
void preparaLector(QCommandLineParser &p)
{
    p.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    p.addOption(opcionAyuda());
}

// Nombre de la opción que escribe un argumento ("--tablas=x" → "tablas"); vacío si no es una.
QString nombreDe(const QString &argumento)
{
    if (argumento.size() < 2 || argumento.at(0) != u'-' || argumento == u"--")
        return {};
    const qsizetype inicio = argumento.at(1) == u'-' ? 2 : 1;
    return argumento.mid(inicio, argumento.indexOf(u'=') < 0 ? -1 : argumento.indexOf(u'=') - inicio);
}

// "ORDEN --help": el uso de esa orden.
QString usoDe(const Orden &orden)
{
    const qsizetype corte = orden.uso.indexOf(QStringLiteral("   "));
    QString t = QStringLiteral("Uso: solicitud-cli ") + orden.uso.left(corte).trimmed();
    if (corte > 0)
        t += QStringLiteral("\n\n") + orden.uso.mid(corte).trimmed();
    if (orden.uso.contains(QStringLiteral("--tablas")))
        t += QStringLiteral("\n\n") + lineaTablas();
    return t;
}

// Lee la línea de la orden con sus opciones y la ejecuta.
int ejecutaOrden(const Orden &orden, const QStringList &resto)
{
    QCommandLineParser p;
    preparaLector(p);
    for (const Opcion &o : orden.opciones) {
        QCommandLineOption q(o.nombre);
        if (o.conValor)
            q.setValueName(QStringLiteral("VALOR"));
        p.addOption(q);
    }
    // parse() toma el primero por el nombre del programa. Un valor que falta no detiene nada
    // aquí: la orden lo ve vacío y dice qué falta.
    const bool leida = p.parse(QStringList{QString()} + resto);
    const auto conocida = [&](const QString &nombre) {
        if (nombre == u"h" || nombre == u"help")
            return true;
        return std::any_of(orden.opciones.cbegin(), orden.opciones.cend(), [&](const Opcion &o) { return o.nombre == nombre; });
    };
    // Una opción de la orden escrita donde iba un valor es esa opción, no el valor: "--tablas
    // --help" pide la ayuda y nunca toma "--help" por carpeta.
    const auto esOpcion = [&](const QString &valor) { return !nombreDe(valor).isEmpty() && conocida(nombreDe(valor)); };

    const auto esAyuda = [](const QString &valor) { return nombreDe(valor) == u"h" || nombreDe(valor) == u"help"; };
    bool pideAyuda = p.isSet(opcionAyuda());
    for (const Opcion &o : orden.opciones) {
        const QStringList valores = p.values(o.nombre);
        pideAyuda = pideAyuda || std::any_of(valores.cbegin(), valores.cend(), esAyuda);
    }
    if (pideAyuda) {
        imprime(usoDe(orden));
        return 0;
    }
    if (!leida) {
        // Una opción que la orden no tiene, o una marca con "=valor": el primer argumento así.
        bool esValor = false;
        for (const QString &a : resto) {
            if (a == u"--")
                break;
            if (std::exchange(esValor, false))
                continue;
            const QString nombre = nombreDe(a);
            if (nombre.isEmpty())
                continue;
            const auto o = std::find_if(orden.opciones.cbegin(), orden.opciones.cend(), [&](const Opcion &x) { return x.nombre == nombre; });
            if (!conocida(nombre) || (a.contains(u'=') && (o == orden.opciones.cend() || !o->conValor))) {
                error(QStringLiteral("Argumento no reconocido: %1").arg(a));
                return 2;
            }
            esValor = o != orden.opciones.cend() && o->conValor && !a.contains(u'=');
        }
        if (!p.unknownOptionNames().isEmpty()) {
            error(QStringLiteral("Argumento no reconocido: --%1").arg(p.unknownOptionNames().first()));
            return 2;
        }
    }
    QHash<QString, QString> valores;
    QSet<QString> marcas;
    for (const Opcion &o : orden.opciones) {
        if (!p.isSet(o.nombre))
            continue;
        if (!o.conValor) {
            marcas.insert(o.nombre);
            continue;
        }
        const QStringList v = p.values(o.nombre);
        // Una opción con valor va una sola vez: la segunda sobra.
        if (v.size() > 1) {
            error(QStringLiteral("Argumento no reconocido: --%1").arg(o.nombre));
            return 2;
        }
        valores.insert(o.nombre, v.isEmpty() || esOpcion(v.first()) ? QString() : v.first());
    }
    return orden.accion(Linea(p.positionalArguments(), std::move(valores), std::move(marcas)));
}
} // namespace

std::optional<QString> Linea::opcion(const QString &nombre) const
{
    const auto it = m_valores.constFind(nombre);
    if (it == m_valores.cend())
        return std::nullopt;
    return *it;
}

bool registra(const QString &nombre, const QString &uso, std::initializer_list<const char *> opciones, Accion accion)
{
    Orden orden{uso, {}, std::move(accion)};
    for (const char *o : opciones) {
        // "--tablas DIR" o "--reemplaza"
        const QString t = QString::fromLatin1(o);
        const qsizetype espacio = t.indexOf(u' ');
        orden.opciones.append({t.mid(2, espacio < 0 ? -1 : espacio - 2), espacio >= 0});
    }
    return Ordenes::registra(nombre, std::move(orden));
}

QString ayuda()
{
    QString t = QStringLiteral("Uso: solicitud-cli ORDEN [opciones]\n\nÓrdenes:\n");
    for (const QString &nombre : Ordenes::nombres())
        t += QStringLiteral("  ") + Ordenes::busca(nombre)->uso + u'\n';
    t += u'\n' + lineaTablas() + u'\n';
    return t;
}

int ejecuta(const QStringList &argumentos)
{
    // La orden es el primer argumento suelto; lo que la sigue es suyo y lo lee ella.
    QCommandLineParser p;
    preparaLector(p);
    p.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    const bool leida = p.parse(QStringList{QString()} + argumentos);
    const QStringList sueltos = p.positionalArguments();
    if (p.isSet(opcionAyuda()) || (leida && sueltos.value(0) == u"ayuda")) {
        imprime(ayuda());
        return 0;
    }
    if (leida && sueltos.isEmpty()) {
        error(ayuda());
        return 2;
    }
    const Orden *orden = leida ? Ordenes::busca(sueltos.first()) : nullptr;
    if (!orden) {
        error(QStringLiteral("Orden desconocida: %1\n").arg(leida ? sueltos.first() : argumentos.first()) + ayuda());
        return 2;
    }
    return ejecutaOrden(*orden, sueltos.mid(1));
}

std::optional<QString> leeArgumentos(const Linea &linea, int cuantos, const QString &faltan)
{
    const QString carpeta = linea.opcion(QStringLiteral("tablas")).value_or(Base::carpetaPredeterminada());
    if (carpeta.isEmpty()) {
        error(QStringLiteral("Falta la carpeta después de --tablas."));
        return std::nullopt;
    }
    const QStringList &argumentos = linea.argumentos();
    if (argumentos.size() < cuantos) {
        error(faltan);
        return std::nullopt;
    }
    if (argumentos.size() > cuantos) {
        error(QStringLiteral("Argumento no reconocido: %1").arg(argumentos.at(cuantos)));
        return std::nullopt;
    }
    return carpeta;
}

QString legible(const QString &texto)
{
    QString r;
    r.reserve(texto.size());
    for (QChar c : texto) {
        const char16_t u = c.unicode();
        if ((u < 0x20 && u != u'\n' && u != u'\t') || (u >= 0x7F && u < 0xA0))
            r += QStringLiteral("\\x%1").arg(uint(u), 2, 16, QLatin1Char('0'));
        else
            r += c;
    }
    return r;
}

void imprime(const QString &linea)
{
    const QByteArray b = legible(linea).toUtf8();
    std::fwrite(b.constData(), 1, size_t(b.size()), stdout);
    if (!linea.endsWith(u'\n'))
        std::fputc('\n', stdout);
    std::fflush(stdout);
}

void error(const QString &linea)
{
    const QByteArray b = legible(linea).toUtf8();
    std::fwrite(b.constData(), 1, size_t(b.size()), stderr);
    if (!linea.endsWith(u'\n'))
        std::fputc('\n', stderr);
}
} // namespace Comandos
