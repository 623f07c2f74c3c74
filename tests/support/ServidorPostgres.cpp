#include "support/ServidorPostgres.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVersionNumber>

#include <grp.h>
#include <pwd.h>
#include <unistd.h>

namespace {

bool tieneServidor(const QString &dir)
{
    return QFileInfo(dir + QStringLiteral("/initdb")).isExecutable() && QFileInfo(dir + QStringLiteral("/pg_ctl")).isExecutable();
}

// Carpeta de initdb y pg_ctl: PG_BINDIR si se da; la de la versión más nueva instalada por
// Debian; o la de initdb en el PATH (resuelta, pues pg_ctl busca postgres junto a sí).
QString carpetaBinarios()
{
    const QString dada = qEnvironmentVariable("PG_BINDIR");
    if (!dada.isEmpty())
        return dada;
    QDir debian(QStringLiteral("/usr/lib/postgresql"));
    QString mejor;
    QVersionNumber version;
    for (const QString &v : debian.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QVersionNumber n = QVersionNumber::fromString(v);
        if (tieneServidor(debian.filePath(v + QStringLiteral("/bin"))) && n > version) {
            version = n;
            mejor = debian.filePath(v + QStringLiteral("/bin"));
        }
    }
    if (!mejor.isEmpty())
        return mejor;
    const QString initdb = QStandardPaths::findExecutable(QStringLiteral("initdb"));
    return initdb.isEmpty() ? QString() : QFileInfo(QFileInfo(initdb).canonicalFilePath()).path();
}

// Como root, el usuario `postgres`; si no, nadie (se corre como el usuario actual).
const passwd *usuarioServidor()
{
    return ::geteuid() == 0 ? ::getpwnam("postgres") : nullptr;
}

void cambiaDueno(const QString &ruta, const passwd *u)
{
    if (u && ::chown(QFile::encodeName(ruta).constData(), u->pw_uid, u->pw_gid) != 0)
        qWarning("No se pudo ceder %s al usuario postgres", qPrintable(ruta));
}

} // namespace

ServidorPostgres::ServidorPostgres(bool rapido)
{
    m_bin = carpetaBinarios();
    if (m_bin.isEmpty() || !tieneServidor(m_bin)) {
        m_error = QStringLiteral("No se encontraron initdb y pg_ctl (instale el paquete postgresql o indique PG_BINDIR).");
        return;
    }
    if (!m_dir.isValid()) {
        m_error = QStringLiteral("No se pudo crear la carpeta temporal del servidor.");
        return;
    }
    const passwd *u = usuarioServidor();
    if (::geteuid() == 0 && !u) {
        m_error = QStringLiteral("Como root hace falta el usuario del sistema postgres.");
        return;
    }
    cambiaDueno(m_dir.path(), u);
    const QString datos = m_dir.filePath(QStringLiteral("datos"));
    if (!corre(QStringLiteral("initdb"), {QStringLiteral("-D"), datos, QStringLiteral("-U"), QStringLiteral("postgres"),
                                          QStringLiteral("-A"), QStringLiteral("trust"), QStringLiteral("-E"), QStringLiteral("UTF8"),
                                          QStringLiteral("--no-locale"), QStringLiteral("--no-sync")}))
        return;
    QString opciones = QStringLiteral("-c listen_addresses='' -c unix_socket_directories='%1'").arg(m_dir.path());
    if (rapido)
        opciones += QStringLiteral(" -c fsync=off -c synchronous_commit=off -c full_page_writes=off");
    m_arrancado = corre(QStringLiteral("pg_ctl"), {QStringLiteral("-D"), datos, QStringLiteral("-l"), m_dir.filePath(QStringLiteral("bitacora")),
                                                   QStringLiteral("-w"), QStringLiteral("-t"), QStringLiteral("60"), QStringLiteral("-o"), opciones,
                                                   QStringLiteral("start")});
    if (m_arrancado)
        vigila();
    if (!m_arrancado) {
        QFile bitacora(m_dir.filePath(QStringLiteral("bitacora")));
        if (bitacora.open(QIODevice::ReadOnly))
            m_error += QStringLiteral("\n") + QString::fromUtf8(bitacora.readAll());
    }
}

ServidorPostgres::~ServidorPostgres() { detiene(); }

// Una prueba que aborta o a la que matan no pasa por el destructor: un vigilante aparte espera
// a que este proceso termine y entonces apaga el servidor (SIGQUIT: apagado inmediato) y borra
// su carpeta. Si el destructor ya lo hizo, no encuentra nada que hacer.
void ServidorPostgres::vigila()
{
    const QString guion = QStringLiteral(
        "while kill -0 \"$1\" 2>/dev/null; do sleep 1; done\n"
        "pid=$(head -n 1 \"$2/datos/postmaster.pid\" 2>/dev/null)\n"
        "if [ -n \"$pid\" ]; then kill -QUIT \"$pid\" 2>/dev/null\n"
        "  i=0; while kill -0 \"$pid\" 2>/dev/null && [ $i -lt 100 ]; do sleep 0.1; i=$((i+1)); done; fi\n"
        "rm -rf \"$2\"\n");
    QProcess p;
    p.setProgram(QStringLiteral("/bin/sh"));
    p.setArguments({QStringLiteral("-c"), guion, QStringLiteral("vigilante"), QString::number(QCoreApplication::applicationPid()), m_dir.path()});
    p.setStandardInputFile(QProcess::nullDevice());
    p.setStandardOutputFile(QProcess::nullDevice());
    p.setStandardErrorFile(QProcess::nullDevice());
    p.startDetached();
}

void ServidorPostgres::detiene()
{
    if (!m_arrancado)
        return;
    m_arrancado = false;
    corre(QStringLiteral("pg_ctl"), {QStringLiteral("-D"), m_dir.filePath(QStringLiteral("datos")), QStringLiteral("-m"),
                                     QStringLiteral("immediate"), QStringLiteral("-w"), QStringLiteral("stop")});
}

bool ServidorPostgres::corre(const QString &programa, const QStringList &argumentos, int espera)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.setWorkingDirectory(m_dir.path());
    if (const passwd *u = usuarioServidor()) {
        const uid_t uid = u->pw_uid;
        const gid_t gid = u->pw_gid;
        p.setChildProcessModifier([uid, gid] {
            if (::setgroups(0, nullptr) != 0 || ::setgid(gid) != 0 || ::setuid(uid) != 0)
                ::_exit(127);
        });
    }
    p.start(m_bin + u'/' + programa, argumentos);
    const bool bien = p.waitForFinished(espera) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    if (!bien)
        m_error = QStringLiteral("%1 falló: %2").arg(programa, QString::fromLocal8Bit(p.readAll()));
    return bien;
}

QString ServidorPostgres::uri(const QString &base) const
{
    return QStringLiteral("postgresql://postgres@/%1?host=%2").arg(base, m_dir.path());
}

QString ServidorPostgres::baseNueva()
{
    const QString nombre = QStringLiteral("prueba%1").arg(++m_bases);
    const QString conexion = QStringLiteral("servidor-prueba");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), conexion);
        db.setHostName(m_dir.path());
        db.setUserName(QStringLiteral("postgres"));
        db.setDatabaseName(QStringLiteral("postgres"));
        if (!db.open())
            m_error = QStringLiteral("No se pudo conectar con el servidor: %1").arg(db.lastError().text());
        else if (!QSqlQuery(db).exec(QStringLiteral("CREATE DATABASE ") + nombre))
            m_error = QStringLiteral("No se pudo crear la base %1").arg(nombre);
        db.close();
    }
    QSqlDatabase::removeDatabase(conexion);
    return uri(nombre);
}
