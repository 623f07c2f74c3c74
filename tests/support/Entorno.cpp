#include "support/Entorno.h"
#include "platform/Base.h"
#include "platform/Consulta.h"
#include "platform/Regional.h"
#include "platform/Reloj.h"
#include "shell/Arranque.h"
#include "shell/U_inicial.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStorageInfo>

#include <sched.h>
#include <sys/mount.h>

QString basePlantilla()
{
    static QTemporaryDir dir;
    static QString archivo;
    if (archivo.isEmpty()) {
        Base::crea(dir.path() + QStringLiteral("/tablas"));
        archivo = Base::archivoEn(dir.path() + QStringLiteral("/tablas"));
    }
    return archivo;
}

Entorno::Entorno(bool conVentanas)
{
    qputenv("XDG_DATA_HOME", m_dir.path().toUtf8());
    m_dialogos = DialogosPrueba::instala();
    Reloj::fija(QDateTime(QDate(2004, 3, 15), QTime(10, 30, 0)));
    Regional::fija(QStringLiteral("dd/MM/yyyy"), u'/');
    const QString plantilla = basePlantilla();
    QDir().mkpath(carpeta());
    QFile::copy(plantilla, Base::archivoEn(carpeta()));
    QFile::setPermissions(Base::archivoEn(carpeta()), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (conVentanas) {
        m_arranque = std::make_unique<Arranque>(carpeta());
    } else {
        Base::abre(carpeta());
    }
}

Entorno::~Entorno()
{
    m_arranque.reset();
    Base::cierra();
    Reloj::fija(std::nullopt);
    Regional::fija(std::nullopt);
}

TW_Inicial *Entorno::inicial() const { return m_arranque ? m_arranque->inicial() : nullptr; }

void Entorno::sql(const QString &sentencia, const QVariantHash &parametros)
{
    Consulta q;
    q.ejecuta(sentencia, parametros);
}

QVariant Entorno::valor(const QString &consulta, const QVariantHash &parametros)
{
    Consulta q;
    q.abre(consulta, parametros);
    return q.campo(0).valor();
}

int Entorno::cuenta(const QString &tabla, const QString &condicion)
{
    return valor(QStringLiteral("SELECT count(*) FROM ") + tabla +
                 (condicion.isEmpty() ? QString() : QStringLiteral(" WHERE ") + condicion)).toInt();
}

QList<QVariantList> Entorno::filas(const QString &consulta)
{
    Consulta q;
    q.abre(consulta);
    QList<QVariantList> r;
    for (q.primero(); !q.fin(); q.siguiente()) {
        QVariantList f;
        for (int i = 0; i < q.numeroCampos(); ++i)
            f << q.campo(i).valor();
        r << f;
    }
    return r;
}

namespace {
// Un espacio de montajes propio de la prueba (como unshare -m), una vez por proceso: lo que se
// monte o se desmonte aquí no lo ve nadie más en la máquina.
bool espacioPropio()
{
    static const bool listo = ::unshare(CLONE_NEWNS) == 0 &&
                              ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    return listo;
}
} // namespace

DiscoPequeno::DiscoPequeno(int kb)
{
    if (!m_dir.isValid() || !espacioPropio())
        return;
    const QByteArray opciones = QByteArrayLiteral("size=") + QByteArray::number(kb) + 'k';
    m_montado = ::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", 0, opciones.constData()) == 0;
}

DiscoPequeno::~DiscoPequeno() { retira(); }

void DiscoPequeno::retira()
{
    // Como umount -l: lo que estaba abierto sigue en el disco retirado, la carpeta queda en el
    // disco de la computadora.
    if (m_montado)
        ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
    m_montado = false;
}

void DiscoPequeno::llena(qint64 libres)
{
    QFile relleno(m_dir.filePath(QStringLiteral(".relleno")));
    relleno.open(QIODevice::Append);
    const QByteArray bloque(4096, 'x');
    while (QStorageInfo(m_dir.path()).bytesAvailable() > libres + qint64(bloque.size()))
        if (relleno.write(bloque) != bloque.size() || !relleno.flush())
            break;
    const qint64 resto = QStorageInfo(m_dir.path()).bytesAvailable() - libres;
    if (resto > 0) {
        relleno.write(QByteArray(resto, 'x'));
        relleno.flush();
    }
}
