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

DiscoPequeno::DiscoPequeno(int kb)
{
    QProcess p;
    p.start(QStringLiteral("mount"), {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                      QStringLiteral("size=%1k").arg(kb), QStringLiteral("tmpfs"), m_dir.path()});
    m_montado = p.waitForFinished(10000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

DiscoPequeno::~DiscoPequeno()
{
    if (m_montado)
        QProcess::execute(QStringLiteral("umount"), {QStringLiteral("-l"), m_dir.path()});
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
