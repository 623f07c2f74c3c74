#include "platform/Manifiesto.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>

namespace Manifiesto {

QString huella(const QString &ruta)
{
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly))
        throw ErrorBase(QStringLiteral("No se pudo leer el archivo %1.").arg(QDir::toNativeSeparators(ruta)),
                        f.errorString());
    QCryptographicHash h(QCryptographicHash::Sha256);
    if (!h.addData(&f) || f.error() != QFileDevice::NoError)
        throw ErrorBase(QStringLiteral("No se pudo leer el archivo %1.").arg(QDir::toNativeSeparators(ruta)),
                        f.errorString());
    return QString::fromLatin1(h.result().toHex());
}

QByteArray texto(const QString &carpeta, const QStringList &archivos)
{
    const QDir dir(carpeta);
    QByteArray r;
    for (const QString &a : archivos)
        r += huella(dir.filePath(a)).toLatin1() + "  " + a.toUtf8() + '\n';
    return r;
}

void escribe(const QString &carpeta, const QStringList &archivos)
{
    const QString ruta = QDir(carpeta).filePath(QString::fromUtf16(kNombre));
    const QByteArray contenido = texto(carpeta, archivos);
    QSaveFile f(ruta);
    if (!f.open(QIODevice::WriteOnly) || f.write(contenido) != contenido.size() || !f.commit())
        throw ErrorBase(QStringLiteral("No se pudo escribir el recibo de la entrega %1.").arg(QDir::toNativeSeparators(ruta)),
                        f.errorString());
}

QList<Linea> lee(const QString &ruta)
{
    QFile f(ruta);
    if (!f.exists())
        throw ErrorBase(QStringLiteral("Falta el recibo de la entrega %1: la entrega está incompleta.")
                            .arg(QDir::toNativeSeparators(ruta)));
    if (!f.open(QIODevice::ReadOnly))
        throw ErrorBase(QStringLiteral("No se pudo leer el recibo de la entrega %1.").arg(QDir::toNativeSeparators(ruta)),
                        f.errorString());
    const QByteArray datos = f.read(kMaximo + 1);
    if (f.error() != QFileDevice::NoError)
        throw ErrorBase(QStringLiteral("No se pudo leer el recibo de la entrega %1.").arg(QDir::toNativeSeparators(ruta)),
                        f.errorString());
    return analiza(datos, ruta);
}

QList<Linea> analiza(const QByteArray &datos, const QString &ruta)
{
    if (datos.size() > kMaximo)
        throw ErrorBase(QStringLiteral("El recibo de la entrega %1 pasa de %2 bytes: no es el de una entrega.")
                            .arg(QDir::toNativeSeparators(ruta))
                            .arg(kMaximo));
    // Un nombre con diagonales o con caracteres de control no es el de un archivo de la entrega.
    static const QRegularExpression forma(QStringLiteral("^([0-9a-f]{64}) [ *]([^/\\\\\\x{00}-\\x{1f}\\x{7f}]+)$"));
    QList<Linea> r;
    int n = 0;
    for (const QByteArray &l : datos.split('\n')) {
        ++n;
        if (l.isEmpty())
            continue;
        const auto m = forma.match(QString::fromUtf8(l));
        if (!m.hasMatch())
            throw ErrorBase(QStringLiteral("El recibo de la entrega %1 está dañado (renglón %2).")
                                .arg(QDir::toNativeSeparators(ruta))
                                .arg(n));
        r.append({m.captured(1), m.captured(2)});
    }
    return r;
}

QString huellaDe(const QByteArray &datos)
{
    return QString::fromLatin1(QCryptographicHash::hash(datos, QCryptographicHash::Sha256).toHex());
}

} // namespace Manifiesto
