#include "agency/Destino.h"

#include <QSqlError>
#include <QUrl>

namespace Destino {
namespace {

QString decodifica(const QString &t) { return QUrl::fromPercentEncoding(t.toUtf8()); }

ErrorBase uriInvalida(const QString &texto, const QString &porque)
{
    // La URI tal como vino puede traer la contraseña: no se repite.
    Q_UNUSED(texto);
    return ErrorBase(QStringLiteral("La dirección de la base de la agencia no es válida: %1. Se espera "
                                    "postgresql://[usuario[:contraseña]@][servidor][:puerto]/base[?host=/carpeta/del/socket].")
                         .arg(porque));
}

int leePuerto(const QString &texto, const QString &uri)
{
    bool ok = false;
    const int p = texto.toInt(&ok);
    if (!ok || p < 1 || p > 65535)
        throw uriInvalida(uri, QStringLiteral("el puerto «%1» no es un número de puerto").arg(texto));
    return p;
}

QString sinContrasena(QString texto, const QString &contrasena)
{
    if (!contrasena.isEmpty())
        texto.replace(contrasena, QStringLiteral("***"));
    return texto;
}

} // namespace

QString Uri::visible() const
{
    QString r = QStringLiteral("postgresql://");
    if (!usuario.isEmpty())
        r += usuario + u'@';
    r += servidor.startsWith(u'/') ? QString() : servidor;
    if (puerto > 0)
        r += u':' + QString::number(puerto);
    r += u'/' + base;
    if (servidor.startsWith(u'/'))
        r += QStringLiteral("?host=") + servidor;
    return r;
}

Uri lee(const QString &texto)
{
    QString resto = texto.trimmed();
    for (const QString &esquema : {QStringLiteral("postgresql://"), QStringLiteral("postgres://")})
        if (resto.startsWith(esquema, Qt::CaseInsensitive)) {
            resto = resto.mid(esquema.size());
            break;
        }
    if (resto.size() == texto.trimmed().size())
        throw uriInvalida(texto, QStringLiteral("debe empezar con postgresql://"));
    Uri u;
    QString consulta;
    if (const qsizetype q = resto.indexOf(u'?'); q >= 0) {
        consulta = resto.mid(q + 1);
        resto.truncate(q);
    }
    const qsizetype barra = resto.indexOf(u'/');
    const QString autoridad = barra < 0 ? resto : resto.left(barra);
    u.base = barra < 0 ? QString() : decodifica(resto.mid(barra + 1));
    QString servidor = autoridad;
    if (const qsizetype arroba = autoridad.lastIndexOf(u'@'); arroba >= 0) {
        const QString usuario = autoridad.left(arroba);
        servidor = autoridad.mid(arroba + 1);
        const qsizetype dos = usuario.indexOf(u':');
        u.usuario = decodifica(dos < 0 ? usuario : usuario.left(dos));
        if (dos >= 0)
            u.contrasena = decodifica(usuario.mid(dos + 1));
    }
    // [::1]:5432 o servidor:5432
    const qsizetype cierre = servidor.startsWith(u'[') ? servidor.indexOf(u']') : -1;
    const qsizetype dosPuntos = servidor.indexOf(u':', cierre < 0 ? 0 : cierre);
    if (dosPuntos >= 0) {
        u.puerto = leePuerto(servidor.mid(dosPuntos + 1), texto);
        servidor.truncate(dosPuntos);
    }
    if (cierre >= 0)
        servidor = servidor.mid(1, cierre - 1);
    u.servidor = decodifica(servidor);
    for (const QString &par : consulta.split(u'&', Qt::SkipEmptyParts)) {
        const qsizetype igual = par.indexOf(u'=');
        const QString clave = decodifica(par.left(igual));
        const QString valor = igual < 0 ? QString() : decodifica(par.mid(igual + 1));
        if (clave == u"host")
            u.servidor = valor;
        else if (clave == u"port")
            u.puerto = leePuerto(valor, texto);
        else if (clave == u"user")
            u.usuario = valor;
        else if (clave == u"password")
            u.contrasena = valor;
        else if (clave == u"dbname")
            u.base = valor;
        else if (valor.contains(u' ') || valor.contains(u';') || clave.isEmpty())
            throw uriInvalida(texto, QStringLiteral("la opción «%1» no se puede pasar al servidor").arg(clave));
        else
            u.opciones << clave + u'=' + valor;
    }
    if (u.base.isEmpty())
        throw uriInvalida(texto, QStringLiteral("falta el nombre de la base (…/base)"));
    return u;
}

QSqlDatabase conecta(const Uri &uri, const QString &nombreConexion)
{
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL")))
        throw ErrorBase(QStringLiteral("Falta el controlador de PostgreSQL para Qt (paquete libqt6sql6-psql); "
                                       "instálelo con tools/instala-dependencias.sh."));
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), nombreConexion);
    db.setHostName(uri.servidor);
    if (uri.puerto > 0)
        db.setPort(uri.puerto);
    db.setUserName(uri.usuario);
    db.setPassword(uri.contrasena);
    db.setDatabaseName(uri.base);
    QStringList opciones = uri.opciones;
    if (!opciones.join(u' ').contains(QLatin1String("connect_timeout=")))
        opciones << QStringLiteral("connect_timeout=10");
    db.setConnectOptions(opciones.join(u';'));
    // Los avisos del servidor (NOTICE de CREATE ... IF NOT EXISTS) no son para el usuario.
    if (db.open() && QSqlQuery(db).exec(QStringLiteral("SET client_min_messages TO warning")))
        return db;
    const QString motor = db.lastError().text();
    const QString t = motor.toLower();
    QString porque;
    if (t.contains(QLatin1String("database")) && t.contains(QLatin1String("does not exist")))
        porque = QStringLiteral("la base «%1» no existe en el servidor (créela con createdb).").arg(uri.base);
    else if (t.contains(QLatin1String("authentication")) || t.contains(QLatin1String("password")) ||
             (t.contains(QLatin1String("role")) && t.contains(QLatin1String("does not exist"))))
        porque = QStringLiteral("el servidor no aceptó al usuario o la contraseña.");
    else if (t.contains(QLatin1String("could not connect")) || t.contains(QLatin1String("connection refused")) ||
             t.contains(QLatin1String("no such file")) || t.contains(QLatin1String("translate host")) ||
             t.contains(QLatin1String("timeout")) || t.contains(QLatin1String("failed")))
        porque = QStringLiteral("no responde un servidor de PostgreSQL en esa dirección (¿está encendido?).");
    else
        porque = QStringLiteral("el servidor rechazó la conexión.");
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(nombreConexion);
    throw ErrorBase(QStringLiteral("No se pudo conectar con la base de la agencia %1: %2").arg(uri.visible(), porque),
                    sinContrasena(motor, uri.contrasena));
}

void desconecta(const QString &nombreConexion)
{
    if (!QSqlDatabase::contains(nombreConexion))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(nombreConexion, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(nombreConexion);
}

void lanza(const QSqlDatabase &db, const QString &que, const QSqlError &e)
{
    const QString detalle = sinContrasena(e.text(), db.password());
    const QString estado = e.nativeErrorCode();
    // 23505 llave repetida, 40001 serialización, 40P01 bloqueo mutuo.
    if (estado == u"23505" || estado == u"40001" || estado == u"40P01")
        throw ErrorCarrera(QStringLiteral("La base de la agencia estuvo ocupada con el mismo paquete o solicitante (%1).").arg(que), detalle);
    QString motor = e.databaseText().section(u'\n', 0, 0).trimmed();
    // Sin la severidad que antepone el servidor («ERROR:  »).
    if (motor.startsWith(QLatin1String("ERROR:")))
        motor = motor.mid(6).trimmed();
    if (estado.startsWith(QLatin1String("22")) || estado.startsWith(QLatin1String("23")))
        throw ErrorContenido(QStringLiteral("la base de la agencia no admite un valor (%1): %2.").arg(que, motor), detalle);
    QString mensaje = QStringLiteral("La base de la agencia rechazó la operación (%1)").arg(que);
    if (!db.isOpen() || e.type() == QSqlError::ConnectionError)
        mensaje = QStringLiteral("Se perdió la conexión con la base de la agencia (%1)").arg(que);
    throw ErrorBase(mensaje + QStringLiteral(": ") + motor + u'.', detalle);
}

QSqlQuery ejecuta(QSqlDatabase &db, const QString &sql, const QVariantList &valores, const QString &que)
{
    QSqlQuery q(db);
    // PostgreSQL no prepara sentencias como CREATE o ALTER: sin valores se ejecutan tal cual.
    bool bien = valores.isEmpty() ? q.exec(sql) : q.prepare(sql);
    for (const QVariant &v : valores)
        q.addBindValue(v);
    if (bien && !valores.isEmpty())
        bien = q.exec();
    if (!bien)
        lanza(db, que, q.lastError());
    return q;
}

} // namespace Destino
