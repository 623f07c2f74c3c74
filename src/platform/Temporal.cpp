#include "platform/Temporal.h"
#include "platform/ErrorBase.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QMutex>
#include <QRandomGenerator>
#include <QSet>

#include <cerrno>
#include <cstring>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace Temporal {
namespace {

const QString kPrefijo = QStringLiteral("corrida-");
const QString kCerrojo = QStringLiteral(".lock");

// La carpeta por usuario, creada si falta. En /tmp cualquiera pudo crearla antes: sólo se usa
// si es una carpeta de verdad (no un enlace) y de este usuario, y se cierra a los demás.
QString raizPrivada()
{
    const QString r = raiz();
    const QByteArray n = QFile::encodeName(r);
    if (::mkdir(n.constData(), 0700) != 0 && errno != EEXIST)
        throw ErrorBase(QStringLiteral("No se pudo crear la carpeta temporal «%1»: %2.").arg(r, QString::fromLocal8Bit(std::strerror(errno))), {}, true);
    struct stat st {};
    if (::lstat(n.constData(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::getuid() ||
        ((st.st_mode & 077) != 0 && ::chmod(n.constData(), 0700) != 0))
        throw ErrorBase(QStringLiteral("La carpeta temporal «%1» no es una carpeta privada de este usuario; no se usa.").arg(r), {}, true);
    return r;
}

int limpiaEn(const QString &r, const QString &propia)
{
    QSet<QString> corridas;
    for (QString n : QDir(r).entryList({kPrefijo + u'*'}, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        if (n.endsWith(kCerrojo))
            n.chop(kCerrojo.size());
        corridas.insert(r + u'/' + n);
    }
    corridas.remove(propia);
    int borradas = 0;
    for (const QString &c : std::as_const(corridas)) {
        QLockFile cerrojo(c + kCerrojo);
        // Sin caducidad por tiempo: sólo se toma si el proceso que lo escribió ya no existe.
        cerrojo.setStaleLockTime(0);
        if (!cerrojo.tryLock(0))
            continue;
        const QFileInfo i(c);
        if (i.isSymLink() || i.isFile())
            QFile::remove(c);
        else if (i.isDir())
            QDir(c).removeRecursively();
        cerrojo.unlock();
        ++borradas;
    }
    return borradas;
}

// La carpeta de este proceso: se borra al terminar normalmente; si el proceso muere, la borra
// el siguiente que limpie.
struct Corrida {
    QString carpeta;
    std::unique_ptr<QLockFile> cerrojo;

    Corrida()
    {
        const QString r = raizPrivada();
        for (int intento = 0; intento < 8 && carpeta.isEmpty(); ++intento) {
            const QString c = r + u'/' + kPrefijo +
                              QStringLiteral("%1-%2").arg(QCoreApplication::applicationPid()).arg(QRandomGenerator::system()->generate(), 8, 16, QLatin1Char('0'));
            // El cerrojo antes que la carpeta: una carpeta sin cerrojo vivo nunca es de un
            // proceso que la esté usando.
            auto l = std::make_unique<QLockFile>(c + kCerrojo);
            l->setStaleLockTime(0);
            if (!l->tryLock(0))
                continue;
            QDir(c).removeRecursively();   // de un proceso muerto con el mismo nombre
            if (::mkdir(QFile::encodeName(c).constData(), 0700) != 0)
                continue;
            carpeta = c;
            cerrojo = std::move(l);
        }
        if (carpeta.isEmpty())
            throw ErrorBase(QStringLiteral("No se pudo crear una carpeta temporal en «%1».").arg(r), {}, true);
        limpiaEn(r, carpeta);
    }
    ~Corrida()
    {
        QDir(carpeta).removeRecursively();
        cerrojo->unlock();
    }
};

QMutex g_mutex;

} // namespace

QString raiz() { return QDir::tempPath() + QStringLiteral("/solicitud-") + QString::number(::getuid()); }

QString plantilla(const QString &nombre)
{
    QMutexLocker candado(&g_mutex);
    // Si falla, la próxima llamada lo vuelve a intentar.
    static const Corrida corrida;
    return corrida.carpeta + u'/' + nombre + QStringLiteral("-XXXXXX");
}

int limpia()
{
    try {
        return limpiaEn(raizPrivada(), {});
    } catch (const ErrorBase &) {
        return 0;
    }
}

} // namespace Temporal
