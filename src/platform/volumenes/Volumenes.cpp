#include "platform/volumenes/Volumenes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace {

std::unique_ptr<Volumenes> g_volumenes;

constexpr qint64 kTrozo = 64 * 1024;

QString nombreDe(const QString &ruta) { return QFileInfo(ruta).fileName(); }

QString detalleErrno(int e, const QString &ruta)
{
    return QString::fromLocal8Bit(std::strerror(e)) + QStringLiteral(" — ") + ruta;
}

// El mensaje para el usuario según la causa de la falla al escribir.
[[noreturn]] void errorEscritura(int e, const QString &destino, const QString &ruta)
{
    const QString archivo = nombreDe(destino);
    QString m;
    switch (e) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        m = QStringLiteral("No hay espacio suficiente en el disco para copiar %1.").arg(archivo);
        break;
    case EROFS:
    case EACCES:
    case EPERM:
        m = QStringLiteral("El disco está protegido contra escritura; no se pudo copiar %1.").arg(archivo);
        break;
    case ENOENT:
    case ENODEV:
    case ENXIO:
    case EIO:
    case ENOTDIR:
        m = QStringLiteral("No se pudo escribir %1 en el disco; revise que siga en la unidad.").arg(archivo);
        break;
    default:
        m = QStringLiteral("No se pudo copiar %1 al disco.").arg(archivo);
    }
    throw ErrorBase(m, detalleErrno(e, ruta));
}

// Descriptor que se cierra solo.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    int get() const { return m_fd; }
    int suelta()
    {
        const int fd = m_fd;
        m_fd = -1;
        return fd;
    }

private:
    int m_fd;
};

bool bajo(const QString &raiz, const QString &prefijo)
{
    return raiz == prefijo || raiz.startsWith(prefijo + u'/');
}

} // namespace

// ---- Volumenes --------------------------------------------------------------------------------

QString Volumenes::Unidad::texto() const
{
    return QStringLiteral("%1: [%2]").arg(letra, nombre);
}

Volumenes &Volumenes::actual()
{
    if (!g_volumenes)
        g_volumenes = std::make_unique<VolumenesSistema>();
    return *g_volumenes;
}

void Volumenes::instala(std::unique_ptr<Volumenes> v) { g_volumenes = std::move(v); }

QString Volumenes::raiz(QChar letra)
{
    const QChar l = letra.toLower();
    for (const Unidad &u : unidades())
        if (u.letra == l)
            return u.raiz;
    return {};
}

bool Volumenes::rutaRemovible(const QString &raiz)
{
    const QString r = QDir::cleanPath(raiz);
    return bajo(r, QStringLiteral("/media")) || bajo(r, QStringLiteral("/run/media")) || bajo(r, QStringLiteral("/mnt"));
}

bool Volumenes::entregable(const QString &raiz, bool soloLectura, bool escribible)
{
    return rutaRemovible(raiz) && !soloLectura && escribible;
}

QList<Volumenes::Unidad> Volumenes::asignaLetras(QList<Unidad> unidades)
{
    std::stable_sort(unidades.begin(), unidades.end(), [](const Unidad &a, const Unidad &b) { return a.raiz < b.raiz; });
    QList<Unidad> r;
    QList<bool> puesta(unidades.size(), false);
    for (int i = 0; i < unidades.size() && r.size() < 2; ++i)
        if (unidades[i].removible) {
            unidades[i].letra = QChar(char16_t(u'a' + r.size()));
            r << unidades[i];
            puesta[i] = true;
        }
    char16_t siguiente = u'c';
    for (int i = 0; i < unidades.size() && siguiente <= u'z'; ++i)
        if (!puesta[i]) {
            unidades[i].letra = QChar(siguiente++);
            r << unidades[i];
        }
    return r;
}

qint64 Volumenes::escribe(const QString &, int fd, const char *datos, qint64 n)
{
    return qint64(::write(fd, datos, size_t(n)));
}

void Volumenes::copiado(const QString &) {}

void Volumenes::copia(const QString &origen, const QString &destino)
{
    QFile fuente(origen);
    if (!fuente.open(QIODevice::ReadOnly))
        throw ErrorBase(QStringLiteral("No se pudo leer el archivo %1 para copiarlo.").arg(nombreDe(origen)), fuente.errorString());

    const QFileInfo info(destino);
    const QString carpeta = info.absolutePath();
    const QString temporal = carpeta + QStringLiteral("/~") + info.fileName() + QStringLiteral(".tmp");
    const QByteArray rutaTemporal = QFile::encodeName(temporal);
    Descriptor fd(::open(rutaTemporal.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    if (fd.get() < 0)
        errorEscritura(errno, destino, temporal);

    auto falla = [&](int e) {
        ::close(fd.suelta());
        ::unlink(rutaTemporal.constData());
        errorEscritura(e, destino, temporal);
    };

    QByteArray trozo;
    while (!fuente.atEnd()) {
        trozo = fuente.read(kTrozo);
        if (trozo.isEmpty() && fuente.error() != QFileDevice::NoError) {
            ::close(fd.suelta());
            ::unlink(rutaTemporal.constData());
            throw ErrorBase(QStringLiteral("No se pudo leer el archivo %1 para copiarlo.").arg(nombreDe(origen)), fuente.errorString());
        }
        const char *p = trozo.constData();
        qint64 faltan = trozo.size();
        while (faltan > 0) {
            const qint64 n = escribe(destino, fd.get(), p, faltan);
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                falla(errno);
            }
            if (n == 0)
                falla(ENOSPC);
            p += n;
            faltan -= n;
        }
    }
    if (::fsync(fd.get()) != 0)
        falla(errno);
    if (::close(fd.suelta()) != 0) {
        const int e = errno;
        ::unlink(rutaTemporal.constData());
        errorEscritura(e, destino, temporal);
    }
    if (::rename(rutaTemporal.constData(), QFile::encodeName(destino).constData()) != 0) {
        const int e = errno;
        ::unlink(rutaTemporal.constData());
        errorEscritura(e, destino, destino);
    }
    // El renombre queda firme cuando se fuerza también la carpeta.
    Descriptor dir(::open(QFile::encodeName(carpeta).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0)
        ::fsync(dir.get());

    copiado(destino);
    try {
        compara(origen, destino);
    } catch (const ErrorBase &) {
        QFile::remove(destino);   // una copia dañada no debe pasar por buena
        throw;
    }
}

void Volumenes::compara(const QString &origen, const QString &destino)
{
    QFile a(origen);
    if (!a.open(QIODevice::ReadOnly))
        throw ErrorBase(QStringLiteral("No se pudo leer el archivo %1 para compararlo.").arg(nombreDe(origen)), a.errorString());
    const QByteArray ruta = QFile::encodeName(destino);
    Descriptor fd(::open(ruta.constData(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0)
        throw ErrorBase(QStringLiteral("No se pudo releer %1 en el disco para comprobar la copia.").arg(nombreDe(destino)),
                        detalleErrno(errno, destino));
    // Que la relectura venga del disco y no de lo que el sistema aún guarda en memoria.
    ::posix_fadvise(fd.get(), 0, 0, POSIX_FADV_DONTNEED);
    const auto difiere = [&](const QString &motivo) {
        throw ErrorBase(QStringLiteral("La copia de %1 en el disco no coincide con el original.").arg(nombreDe(destino)), motivo);
    };
    // Lee hasta n bytes del destino (menos sólo al llegar al final).
    const auto lee = [&](char *buf, qint64 n) {
        qint64 leidos = 0;
        while (leidos < n) {
            const ssize_t k = ::read(fd.get(), buf + leidos, size_t(n - leidos));
            if (k < 0 && errno == EINTR)
                continue;
            if (k < 0)
                throw ErrorBase(QStringLiteral("No se pudo releer %1 en el disco para comprobar la copia.").arg(nombreDe(destino)),
                                detalleErrno(errno, destino));
            if (k == 0)
                break;
            leidos += k;
        }
        return leidos;
    };
    QByteArray copia(kTrozo, '\0');
    qint64 posicion = 0;
    while (!a.atEnd()) {
        const QByteArray original = a.read(kTrozo);
        if (original.isEmpty())
            throw ErrorBase(QStringLiteral("No se pudo leer el archivo %1 para compararlo.").arg(nombreDe(origen)), a.errorString());
        if (lee(copia.data(), original.size()) < original.size())
            difiere(QStringLiteral("la copia es más corta"));
        if (std::memcmp(copia.constData(), original.constData(), size_t(original.size())) != 0)
            difiere(QStringLiteral("difiere cerca del byte %1").arg(posicion));
        posicion += original.size();
    }
    char sobra = 0;
    if (lee(&sobra, 1) > 0)
        difiere(QStringLiteral("la copia es más larga"));
}

Volumenes::Medio Volumenes::medio(const QString &carpeta)
{
    const QByteArray ruta = QFile::encodeName(carpeta);
    struct stat st {};
    struct statfs fs {};
    Medio m;
    if (::stat(ruta.constData(), &st) != 0 || !S_ISDIR(st.st_mode) || ::statfs(ruta.constData(), &fs) != 0)
        return m;
    m.presente = true;
    m.dispositivo = quint64(st.st_dev);
    int partes[2];
    static_assert(sizeof(partes) == sizeof(fs.f_fsid));
    std::memcpy(partes, &fs.f_fsid, sizeof(partes));
    m.sistema = (quint64(quint32(partes[0])) << 32) | quint32(partes[1]);
    m.tipo = qint64(fs.f_type);
    return m;
}

void Volumenes::sincroniza(const QString &carpeta)
{
    Descriptor dir(::open(QFile::encodeName(carpeta).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() < 0 || ::syncfs(dir.get()) != 0)
        throw ErrorBase(QStringLiteral("No se pudo terminar de escribir la entrega en el disco; revise que siga en la unidad."),
                        detalleErrno(errno, carpeta));
}

// ---- VolumenesSistema -------------------------------------------------------------------------

QList<Volumenes::Unidad> VolumenesSistema::unidades()
{
    QList<Unidad> lista;
    for (const QStorageInfo &s : QStorageInfo::mountedVolumes()) {
        if (!s.isValid() || !s.isReady())
            continue;
        Unidad u;
        u.raiz = s.rootPath();
        u.removible = entregable(u.raiz, s.isReadOnly(), QFileInfo(u.raiz).isWritable());
        u.nombre = s.name().isEmpty() ? (u.raiz == QStringLiteral("/") ? u.raiz : QFileInfo(u.raiz).fileName()) : s.name();
        lista << u;
    }
    return asignaLetras(lista);
}

qint64 VolumenesSistema::espacioLibre(QChar letra)
{
    const QString r = raiz(letra);
    if (r.isEmpty())
        return -1;
    QStorageInfo s(r);
    if (!s.isValid() || !s.isReady() || !QFileInfo(r).isReadable())
        return -1;
    return s.bytesAvailable();
}

// ---- VolumenesSimulados -----------------------------------------------------------------------

VolumenesSimulados::VolumenesSimulados(QString carpetaBase) : m_base(std::move(carpetaBase)) {}

VolumenesSimulados::Simulada *VolumenesSimulados::busca(QChar letra)
{
    for (Simulada &s : m_unidades)
        if (s.unidad.letra == letra.toLower())
            return &s;
    return nullptr;
}

VolumenesSimulados::Simulada *VolumenesSimulados::propietaria(const QString &ruta)
{
    const QString r = QDir::cleanPath(QFileInfo(ruta).absoluteFilePath());
    for (Simulada &s : m_unidades)
        if (r.startsWith(s.unidad.raiz + u'/'))
            return &s;
    return nullptr;
}

QString VolumenesSimulados::agrega(QChar letra, bool removible, qint64 espacioLibre)
{
    Simulada s;
    s.unidad.letra = letra.toLower();
    s.unidad.raiz = QDir::cleanPath(m_base + u'/' + s.unidad.letra);
    s.unidad.nombre = removible ? QStringLiteral("USB") : QStringLiteral("DISCO");
    s.unidad.removible = removible;
    s.libre = espacioLibre;
    QDir().mkpath(s.unidad.raiz);
    quita(letra);
    m_unidades << s;
    std::sort(m_unidades.begin(), m_unidades.end(), [](const Simulada &a, const Simulada &b) { return a.unidad.letra < b.unidad.letra; });
    return s.unidad.raiz;
}

void VolumenesSimulados::ponEspacioLibre(QChar letra, qint64 bytes)
{
    if (Simulada *s = busca(letra))
        s->libre = bytes;
}

void VolumenesSimulados::retiraMedio(QChar letra)
{
    if (Simulada *s = busca(letra)) {
        s->conMedio = false;
        QDir(s->unidad.raiz).removeRecursively();
    }
}

void VolumenesSimulados::quita(QChar letra)
{
    m_unidades.removeIf([&](const Simulada &s) { return s.unidad.letra == letra.toLower(); });
}

void VolumenesSimulados::protege(QChar letra, bool protegida)
{
    if (Simulada *s = busca(letra))
        s->protegida = protegida;
}

QList<Volumenes::Unidad> VolumenesSimulados::unidades()
{
    QList<Unidad> r;
    for (const Simulada &s : std::as_const(m_unidades))
        r << s.unidad;
    return r;
}

qint64 VolumenesSimulados::espacioLibre(QChar letra)
{
    const Simulada *s = busca(letra);
    return (s && s->conMedio) ? s->libre : -1;
}

qint64 VolumenesSimulados::escribe(const QString &destino, int fd, const char *datos, qint64 n)
{
    Simulada *s = propietaria(destino);
    if (!s)
        return Volumenes::escribe(destino, fd, datos, n);
    if (!s->conMedio) {
        errno = EIO;
        return -1;
    }
    if (s->protegida) {
        errno = EROFS;
        return -1;
    }
    if (s->libre <= 0 || s->cupo == 0) {
        errno = ENOSPC;
        return -1;
    }
    const qint64 escritos = Volumenes::escribe(destino, fd, datos, std::min({n, s->libre, s->cupo < 0 ? n : s->cupo}));
    if (escritos > 0) {
        s->libre -= escritos;
        if (s->cupo > 0)
            s->cupo -= escritos;
    }
    return escritos;
}

void VolumenesSimulados::llenaTras(QChar letra, qint64 bytes)
{
    if (Simulada *s = busca(letra))
        s->cupo = bytes;
}

void VolumenesSimulados::retiraTras(QChar letra, int copias)
{
    if (Simulada *s = busca(letra))
        s->retirarTras = copias;
}

void VolumenesSimulados::copiado(const QString &destino)
{
    if (Simulada *s = propietaria(destino); s && s->retirarTras > 0 && --s->retirarTras == 0) {
        retiraMedio(s->unidad.letra);
        return;
    }
    if (!m_danar)
        return;
    QFile f(destino);
    if (f.open(QIODevice::ReadWrite) && f.size() > 0) {
        f.seek(f.size() / 2);
        char c = 0;
        f.getChar(&c);
        f.seek(f.size() / 2);
        f.putChar(char(c ^ 0x5A));
    }
}
