#include "platform/CarpetaCerrada.h"

#include <QDir>
#include <QFile>
#include <QLocale>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString sistema(int e) { return QString::fromLocal8Bit(std::strerror(e)); }

QString queEs(mode_t m)
{
    if (S_ISDIR(m))
        return QStringLiteral("una carpeta");
    if (S_ISFIFO(m))
        return QStringLiteral("una FIFO");
    if (S_ISLNK(m))
        return QStringLiteral("un enlace simbólico");
    if (S_ISCHR(m) || S_ISBLK(m))
        return QStringLiteral("un dispositivo");
    if (S_ISSOCK(m))
        return QStringLiteral("un socket");
    return QStringLiteral("algo que no es un archivo común");
}

struct Descriptor {
    int fd;
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

} // namespace

CarpetaCerrada::CarpetaCerrada(const QString &ruta) : m_ruta(ruta)
{
    m_fd = ::open(QFile::encodeName(ruta).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_fd < 0)
        throw ErrorBase(QStringLiteral("No se pudo abrir la carpeta «%1» del paquete.").arg(QDir::toNativeSeparators(ruta)), sistema(errno));
}

CarpetaCerrada::~CarpetaCerrada()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

CarpetaCerrada::Estado CarpetaCerrada::lee(const QString &nombre, qint64 maximo, QByteArray &datos) const
{
    datos.clear();
    const QByteArray n = QFile::encodeName(nombre);
    if (n.isEmpty() || n.contains('/') || n == "." || n == "..")
        throw ErrorBase(QStringLiteral("El nombre «%1» no es el de un archivo del paquete.").arg(nombre));
    // Sin seguir enlaces y sin esperar a quien escriba en una FIFO.
    Descriptor d{::openat(m_fd, n.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY)};
    if (d.fd < 0) {
        const int e = errno;
        if (e == ENOENT)
            return Estado::Falta;
        struct stat st {};
        if (e == ELOOP && ::fstatat(m_fd, n.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(st.st_mode))
            throw ErrorBase(QStringLiteral("El archivo %1 del paquete es un enlace simbólico; un paquete sólo lleva archivos comunes.").arg(nombre));
        throw ErrorBase(QStringLiteral("No se pudo leer el archivo %1 del paquete.").arg(nombre), sistema(e));
    }
    struct stat st {};
    if (::fstat(d.fd, &st) != 0)
        throw ErrorBase(QStringLiteral("No se pudo leer el archivo %1 del paquete.").arg(nombre), sistema(errno));
    if (!S_ISREG(st.st_mode))
        throw ErrorBase(QStringLiteral("El archivo %1 del paquete es %2; un paquete sólo lleva archivos comunes.").arg(nombre, queEs(st.st_mode)));
    if (st.st_size > maximo)
        throw ErrorBase(QStringLiteral("El archivo %1 del paquete mide %2 bytes, más de los %3 que puede medir.")
                            .arg(nombre, QLocale(QLocale::Spanish, QLocale::Mexico).toString(qint64(st.st_size)),
                                 QLocale(QLocale::Spanish, QLocale::Mexico).toString(maximo)));
    // Se lee lo que diga fstat y un byte más, para notar un archivo que crece mientras tanto.
    datos.resize(qsizetype(st.st_size) + 1);
    qint64 leidos = 0;
    while (leidos < datos.size()) {
        const ssize_t r = ::read(d.fd, datos.data() + leidos, size_t(datos.size() - leidos));
        if (r < 0 && errno == EINTR)
            continue;
        if (r < 0)
            throw ErrorBase(QStringLiteral("No se pudo leer el archivo %1 del paquete.").arg(nombre), sistema(errno));
        if (r == 0)
            break;
        leidos += r;
    }
    if (leidos != st.st_size)
        throw ErrorBase(QStringLiteral("El archivo %1 del paquete cambió de tamaño mientras se leía.").arg(nombre));
    datos.resize(qsizetype(leidos));
    return Estado::Leido;
}
