#include "platform/Comandos.h"
#include "platform/Base.h"

#include "platform/Registro.h"

#include <cstdio>

namespace Comandos {
namespace {
struct Orden {
    QString uso;
    Accion accion;
};
using Ordenes = Registro<Orden>;
} // namespace

bool registra(const QString &nombre, const QString &uso, Accion accion) { return Ordenes::registra(nombre, {uso, std::move(accion)}); }

QString ayuda()
{
    QString t = QStringLiteral("Uso: solicitud-cli ORDEN [opciones]\n\nÓrdenes:\n");
    for (const QString &nombre : Ordenes::nombres())
        t += QStringLiteral("  ") + Ordenes::busca(nombre)->uso + u'\n';
    t += QStringLiteral("\n--tablas DIR  carpeta de tablas (por omisión, la del programa: %1)\n").arg(Base::carpetaPredeterminada());
    return t;
}

int ejecuta(const QStringList &argumentos)
{
    if (argumentos.isEmpty() || argumentos.first() == u"--help" || argumentos.first() == u"-h" || argumentos.first() == u"ayuda") {
        (argumentos.isEmpty() ? error : imprime)(ayuda());
        return argumentos.isEmpty() ? 2 : 0;
    }
    const Orden *orden = Ordenes::busca(argumentos.first());
    if (!orden) {
        error(QStringLiteral("Orden desconocida: %1\n").arg(argumentos.first()) + ayuda());
        return 2;
    }
    // "ORDEN --help" (o -h) muestra el uso de esa orden y no hace nada más.
    const QStringList resto = argumentos.mid(1);
    if (resto.contains(QStringLiteral("--help")) || resto.contains(QStringLiteral("-h"))) {
        const qsizetype corte = orden->uso.indexOf(QStringLiteral("   "));
        QString t = QStringLiteral("Uso: solicitud-cli ") + orden->uso.left(corte).trimmed();
        if (corte > 0)
            t += QStringLiteral("\n\n") + orden->uso.mid(corte).trimmed();
        if (orden->uso.contains(QStringLiteral("--tablas")))
            t += QStringLiteral("\n\n--tablas DIR  carpeta de tablas (por omisión, la del programa: %1)").arg(Base::carpetaPredeterminada());
        imprime(t);
        return 0;
    }
    return orden->accion(resto);
}

std::optional<QString> extraeOpcion(QStringList &argumentos, const QString &opcion)
{
    const qsizetype i = argumentos.indexOf(opcion);
    if (i < 0)
        return std::nullopt;
    QString valor = argumentos.value(i + 1);
    argumentos.remove(i, qMin<qsizetype>(2, argumentos.size() - i));
    return valor;
}

QString extraeTablas(QStringList &argumentos)
{
    return extraeOpcion(argumentos, QStringLiteral("--tablas")).value_or(Base::carpetaPredeterminada());
}

std::optional<QString> leeArgumentos(QStringList &argumentos, int cuantos, const QString &faltan)
{
    const QString carpeta = extraeTablas(argumentos);
    if (carpeta.isEmpty()) {
        error(QStringLiteral("Falta la carpeta después de --tablas."));
        return std::nullopt;
    }
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
