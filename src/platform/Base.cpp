#include "platform/Base.h"
#include "platform/BaseAparte.h"
#include "platform/Csv.h"
#include "platform/Esquema.h"
#include "platform/SegundoPlano.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <future>
#include <memory>
#include <optional>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QUuid>
#include <sqlite3.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Base {
namespace {

QString g_carpeta;
const QString kConexion = QStringLiteral("solicitud");
std::unique_ptr<QLockFile> g_cerrojo;
QString g_carpetaCerrojo;
// La revisión adelantada (adelantaRevision) y su cerrojo, hasta que abre() los recibe.
std::future<bool> g_revision;
std::unique_ptr<QLockFile> g_cerrojoAdelantado;
QString g_carpetaAdelantada;

// --- Colación española ----------------------------------------------------------------------
// Peso primario de un carácter: las vocales acentuadas pesan como la vocal, la Ñ justo
// después de la N y las minúsculas como las mayúsculas.
int peso(char32_t c)
{
    if (c >= U'a' && c <= U'z')
        c -= 32;
    switch (c) {
    case U'Á': case U'À': case U'Â': case U'Ä': case U'á': case U'à': case U'â': case U'ä': c = U'A'; break;
    case U'É': case U'È': case U'Ê': case U'Ë': case U'é': case U'è': case U'ê': case U'ë': c = U'E'; break;
    case U'Í': case U'Ì': case U'Î': case U'Ï': case U'í': case U'ì': case U'î': case U'ï': c = U'I'; break;
    case U'Ó': case U'Ò': case U'Ô': case U'Ö': case U'ó': case U'ò': case U'ô': case U'ö': c = U'O'; break;
    case U'Ú': case U'Ù': case U'Û': case U'Ü': case U'ú': case U'ù': case U'û': case U'ü': c = U'U'; break;
    case U'Ç': case U'ç': c = U'C'; break;
    case U'Ñ': case U'ñ': return int(U'N') * 2 + 1;
    default: break;
    }
    return int(c) * 2;
}

// Decodifica un carácter UTF-8; avanza p.
char32_t siguiente(const unsigned char *&p, const unsigned char *fin)
{
    const unsigned char b = *p++;
    if (b < 0x80)
        return b;
    int extra = (b >= 0xF0) ? 3 : (b >= 0xE0) ? 2 : (b >= 0xC0) ? 1 : 0;
    char32_t c = b & (0x3F >> extra);
    while (extra-- > 0 && p < fin)
        c = (c << 6) | (*p++ & 0x3F);
    return c;
}

int comparaEspanol(void *, int n1, const void *t1, int n2, const void *t2)
{
    auto p1 = static_cast<const unsigned char *>(t1), f1 = p1 + n1;
    auto p2 = static_cast<const unsigned char *>(t2), f2 = p2 + n2;
    while (p1 < f1 && p2 < f2) {
        const int a = peso(siguiente(p1, f1));
        const int b = peso(siguiente(p2, f2));
        if (a != b)
            return a < b ? -1 : 1;
    }
    if (p1 < f1)
        return 1;
    if (p2 < f2)
        return -1;
    // Iguales salvo acentos o mayúsculas: desempate binario para un orden total.
    const int r = memcmp(t1, t2, size_t(std::min(n1, n2)));
    return r != 0 ? r : (n1 - n2);
}

void registraColacion(QSqlDatabase &db)
{
    const QVariant h = db.driver()->handle();
    if (!h.isValid() || qstrcmp(h.typeName(), "sqlite3*") != 0)
        throw ErrorBase(QStringLiteral("El motor de base de datos no es el esperado (SQLite)."));
    auto *s = *static_cast<sqlite3 *const *>(h.data());
    sqlite3_create_collation_v2(s, Esquema::kColacion, SQLITE_UTF8, nullptr, comparaEspanol, nullptr);
}

QString errorArchivo(const QString &archivo, const QString &que)
{
    return QStringLiteral("No se pudo abrir la base de datos de la solicitud «%1»: %2 "
                          "El archivo se dejó como estaba.").arg(QDir::toNativeSeparators(archivo), que);
}

void ejecutaODispara(QSqlQuery &q, const QString &sql)
{
    if (!q.exec(sql))
        throw errorDelMotor(q.lastError(), sql);
}

QSqlDatabase conecta(const QString &nombre, const QString &archivo)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nombre);
    db.setDatabaseName(archivo);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000"));
    return db;
}

void configura(QSqlDatabase &db)
{
    registraColacion(db);
    QSqlQuery q(db);
    ejecutaODispara(q, QStringLiteral("PRAGMA synchronous=FULL"));
    ejecutaODispara(q, QStringLiteral("PRAGMA foreign_keys=OFF"));
}

// Lee los catálogos (recursos :/catalogos/<Tabla>.csv, primera fila con las columnas).
void cargaCatalogos(QSqlDatabase &db)
{
    for (const Esquema::Tabla &t : Esquema::tablas()) {
        if (!t.catalogo)
            continue;
        QFile f(QStringLiteral(":/catalogos/%1.csv").arg(QLatin1String(t.csv ? t.csv : t.nombre)));
        if (!f.open(QIODevice::ReadOnly))
            throw ErrorBase(QStringLiteral("Falta el catálogo %1 en el programa.").arg(QLatin1String(t.nombre)));
        const QVector<QStringList> filas = Csv::lee(QString::fromUtf8(f.readAll()));
        if (filas.isEmpty())
            continue;
        const QStringList columnas = filas.first();
        QStringList marcas;
        for (qsizetype i = 0; i < columnas.size(); ++i)
            marcas << QStringLiteral("?");
        QSqlQuery q(db);
        const QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                .arg(QLatin1String(t.nombre), columnas.join(u','), marcas.join(u','));
        if (!q.prepare(sql))
            throw ErrorBase(QStringLiteral("El catálogo %1 no corresponde a su tabla.").arg(QLatin1String(t.nombre)),
                            q.lastError().text());
        const Esquema::Tabla *tabla = &t;
        for (qsizetype r = 1; r < filas.size(); ++r) {
            const QStringList &fila = filas.at(r);
            for (qsizetype c = 0; c < columnas.size(); ++c) {
                const QString v = fila.value(c);
                // Las columnas enteras se enlazan como número; vacío es NULL.
                bool entero = false;
                for (const Esquema::Columna &col : tabla->columnas)
                    if (columnas.at(c).compare(QLatin1String(col.nombre), Qt::CaseInsensitive) == 0)
                        entero = col.clase == Esquema::Clase::Entero;
                if (v.isEmpty() && entero)
                    q.bindValue(int(c), QVariant());
                else if (entero)
                    q.bindValue(int(c), v.toLongLong());
                else
                    q.bindValue(int(c), v);
            }
            if (!q.exec())
                throw ErrorBase(QStringLiteral("El catálogo %1 tiene una fila inválida (%2).")
                                    .arg(QLatin1String(t.nombre)).arg(r + 1),
                                q.lastError().text());
        }
    }
}

// Crea la base completa en un archivo temporal y lo pone en su lugar al final, para que
// una interrupción nunca deje una base a medias.
void creaArchivo(const QString &archivo)
{
    const QString temporal = archivo + QStringLiteral(".nueva");
    QFile::remove(temporal);
    const QString nombre = QStringLiteral("creacion-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    {
        QSqlDatabase db = conecta(nombre, temporal);
        if (!db.open())
            throw ErrorBase(QStringLiteral("No se pudo crear la base de datos «%1».").arg(QDir::toNativeSeparators(archivo)),
                            db.lastError().text());
        try {
            configura(db);
            QSqlQuery q(db);
            ejecutaODispara(q, QStringLiteral("BEGIN"));
            for (const Esquema::Tabla &t : Esquema::tablas())
                ejecutaODispara(q, Esquema::sentenciaCrear(t));
            cargaCatalogos(db);
            ejecutaODispara(q, QStringLiteral("COMMIT"));
        } catch (...) {
            db.close();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(nombre);
            QFile::remove(temporal);
            throw;
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(nombre);
    if (!QFile::rename(temporal, archivo)) {
        QFile::remove(temporal);
        throw ErrorBase(QStringLiteral("No se pudo crear la base de datos «%1».").arg(QDir::toNativeSeparators(archivo)));
    }
}

void creaCarpeta(const QString &carpeta)
{
    QDir d(carpeta);
    if (d.exists())
        return;
    if (!QDir().mkpath(carpeta))
        throw ErrorBase(QStringLiteral("No se pudo crear la carpeta de tablas «%1». Revise que tenga permiso "
                                       "de escritura en la carpeta que la contiene.").arg(QDir::toNativeSeparators(carpeta)));
    QFile::setPermissions(carpeta, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

// Lo que le falta a una base para ser completa, dadas sus tablas y sus columnas («tabla.columna»,
// en minúsculas): la primera tabla o columna del esquema que no tiene. Vacío: nada.
QString faltaEnEsquema(const QSet<QString> &hay, const QSet<QString> &columnas)
{
    for (const Esquema::Tabla &t : Esquema::tablas()) {
        const QString tabla = QString::fromLatin1(t.nombre).toLower();
        if (!hay.contains(tabla))
            return QStringLiteral("le falta la tabla %1, así que no es una base de datos completa de la solicitud.")
                .arg(QLatin1String(t.nombre));
        for (const Esquema::Columna &c : t.columnas)
            if (!columnas.contains(tabla + u'.' + QString::fromLatin1(c.nombre).toLower()))
                return QStringLiteral("a la tabla %1 le falta la columna %2: es de una versión anterior del programa.")
                    .arg(QLatin1String(t.nombre), QLatin1String(c.nombre));
    }
    return {};
}

const char kSqlColumnas[] = "SELECT lower(m.name), lower(c.name) FROM sqlite_master m, pragma_table_info(m.name) c "
                            "WHERE m.type='table'";

// Una base de la solicitud completa y sana: todas las tablas con todas sus columnas (una base
// de una versión anterior dice cuál le falta) y quick_check sin hallazgos.
void compruebaTablas(QSqlDatabase &db, const QString &archivo)
{
    QSqlQuery q(db);
    const auto falla = [&](const QSqlError &e) {
        const QString t = e.databaseText();
        if (t.contains(QLatin1String("locked"), Qt::CaseInsensitive) || t.contains(QLatin1String("busy"), Qt::CaseInsensitive))
            return ErrorBase(errorArchivo(archivo, QStringLiteral("otro programa la tiene bloqueada.")), e.text(), true);
        return ErrorBase(errorArchivo(archivo, QStringLiteral("el archivo está dañado o no es una base de datos de la solicitud.")),
                         e.text(), true);
    };
    if (!q.exec(QString::fromLatin1(kSqlColumnas)))
        throw falla(q.lastError());
    QSet<QString> hay, columnas;
    while (q.next()) {
        hay.insert(q.value(0).toString());
        columnas.insert(q.value(0).toString() + u'.' + q.value(1).toString());
    }
    if (q.lastError().isValid())
        throw falla(q.lastError());
    if (const QString falta = faltaEnEsquema(hay, columnas); !falta.isEmpty())
        throw ErrorBase(errorArchivo(archivo, falta), {}, true);
    // Una página dañada en cualquier tabla (también en un catálogo) se detecta aquí, antes de
    // que una lectura a medias llegue a una ventana, a la revisión o a la entrega.
    if (!q.exec(QStringLiteral("PRAGMA quick_check")))
        throw falla(q.lastError());
    QStringList problemas;
    while (q.next())
        problemas << q.value(0).toString();
    if (q.lastError().isValid())
        throw falla(q.lastError());
    if (problemas != QStringList{QStringLiteral("ok")})
        throw ErrorBase(errorArchivo(archivo, QStringLiteral("el archivo está dañado.")), problemas.join(QStringLiteral("; ")), true);
}

// La misma revisión que compruebaTablas, con SQLite directamente (sin Qt: corre en otro hilo y
// antes de que exista la aplicación). Sólo dice si pasó; el porqué de un rechazo lo da después
// compruebaTablas, que se repite en ese caso.
bool pasaRevision(const QString &archivo)
{
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(archivo).constData(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        return false;
    }
    sqlite3_busy_timeout(db, 2000);
    // Las filas de la sentencia como textos, o nullopt si falló.
    const auto filas = [db](const char *sql, int columnas) -> std::optional<QList<QStringList>> {
        sqlite3_stmt *st = nullptr;
        if (sqlite3_prepare_v2(db, sql, -1, &st, nullptr) != SQLITE_OK) {
            sqlite3_finalize(st);
            return std::nullopt;
        }
        QList<QStringList> r;
        int rc;
        while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
            QStringList fila;
            for (int i = 0; i < columnas; ++i)
                fila << QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(st, i)));
            r << fila;
        }
        sqlite3_finalize(st);
        return rc == SQLITE_DONE ? std::optional(r) : std::nullopt;
    };
    bool pasa = false;
    if (const auto cols = filas(kSqlColumnas, 2)) {
        QSet<QString> hay, columnas;
        for (const QStringList &f : *cols) {
            hay.insert(f[0]);
            columnas.insert(f[0] + u'.' + f[1]);
        }
        const auto revision = filas("PRAGMA quick_check", 1);
        pasa = faltaEnEsquema(hay, columnas).isEmpty() && revision && *revision == QList<QStringList>{{QStringLiteral("ok")}};
    }
    sqlite3_close(db);
    return pasa;
}

// La revisión adelantada de `absoluta`, si la hay: la espera y dice si pasó. Si pasó, su
// cerrojo queda en g_cerrojoAdelantado; si no (o es de otra carpeta), se suelta.
bool recibeRevision(const QString &absoluta)
{
    if (!g_revision.valid())
        return false;
    bool pasa = false;
    try {
        pasa = g_revision.get() && g_carpetaAdelantada == absoluta;
    } catch (...) {
        // Sin memoria en el hilo, por ejemplo: abre() revisa como siempre.
    }
    g_revision = {};
    if (!pasa)
        g_cerrojoAdelantado.reset();
    return pasa;
}

// Una caída a media escritura deja un diario pendiente que SQLite revierte en cuanto alguien
// abre la base para escribir; una conexión de sólo lectura no puede hacerlo y la daría por
// dañada. Si el archivo se puede escribir, se abre un momento para que la revierta.
void recuperaDiario(const QString &archivo)
{
    const QFileInfo diario(archivo + QStringLiteral("-journal"));
    if (!diario.exists() || diario.size() == 0 || !QFileInfo(archivo).isWritable()
        || !QFileInfo(QFileInfo(archivo).absolutePath()).isWritable())
        return;
    const QString nombre = QStringLiteral("recuperacion-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    {
        QSqlDatabase db = conecta(nombre, archivo);
        if (db.open()) {
            QSqlQuery q(db);
            q.exec(QStringLiteral("PRAGMA schema_version"));   // la lectura revierte el diario
            q.finish();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(nombre);
}

// Abre la conexión principal sobre una base existente; si no es una base completa de la
// solicitud, la cierra sin tocar el archivo y lanza el error.
void conectaPrincipal(const QString &archivo, bool soloLectura, bool revisada = false)
{
    QSqlDatabase db = conecta(kConexion, archivo);
    if (soloLectura)
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000;QSQLITE_OPEN_READONLY"));
    QString detalle;
    if (!db.open()) {
        detalle = db.lastError().text();
    } else {
        try {
            if (!revisada)
                compruebaTablas(db, archivo);
            if (soloLectura)
                registraColacion(db);
            else
                configura(db);
            return;
        } catch (...) {
            db.close();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(kConexion);
            throw;
        }
    }
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(kConexion);
    throw ErrorBase(errorArchivo(archivo, QStringLiteral("el motor no pudo abrirla.")), detalle, true);
}

// El estado del archivo antes de abrirlo: existe, es un archivo y se puede leer.
void compruebaArchivo(const QString &archivo, const QFileInfo &info)
{
    if (!info.isFile())
        throw ErrorBase(errorArchivo(archivo, QStringLiteral("no es un archivo.")), {}, true);
    if (!info.isReadable())
        throw ErrorBase(errorArchivo(archivo, QStringLiteral("no tiene permiso de lectura.")), {}, true);
}

// Un cerrojo que no dice de quién es (un programa que cae entre crearlo y escribirlo lo deja
// vacío) y que nadie tiene: sin tiempo de caducidad Qt no lo daría nunca por viejo y la carpeta
// quedaría cerrada para siempre. Mientras un programa tiene su cerrojo, Qt mantiene sobre el
// archivo un flock exclusivo; si se puede tomar, nadie lo tiene y se quita.
bool quitaCerrojoHuerfano(QLockFile &cerrojo, const QString &ruta)
{
    qint64 pid = 0;
    QString host, programa;
    if (cerrojo.getLockInfo(&pid, &host, &programa))
        return false;   // dice de quién es: Qt ya decidió con eso
    const QByteArray nombre = QFile::encodeName(ruta);
    const int fd = ::open(nombre.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat abierto {}, enDisco {};
    // Sólo si el nombre sigue siendo el mismo archivo: otro programa pudo quitarlo y crear el suyo.
    const bool huerfano = ::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &abierto) == 0 &&
                          ::stat(nombre.constData(), &enDisco) == 0 && abierto.st_ino == enDisco.st_ino &&
                          abierto.st_dev == enDisco.st_dev && ::unlink(nombre.constData()) == 0;
    ::close(fd);
    return huerfano;
}

// Aparta la carpeta para este proceso con un QLockFile, o dice quién la tiene.
std::unique_ptr<QLockFile> aparta(const QString &absoluta)
{
    const QString ruta = QDir(absoluta).filePath(QStringLiteral("solicitud.lock"));
    auto cerrojo = std::make_unique<QLockFile>(ruta);
    // Sólo un proceso que ya no existe deja un cerrojo viejo; uno vivo lo conserva por horas.
    cerrojo->setStaleLockTime(0);
    if (cerrojo->tryLock(0))
        return cerrojo;
    if (cerrojo->error() == QLockFile::LockFailedError && quitaCerrojoHuerfano(*cerrojo, ruta) && cerrojo->tryLock(0))
        return cerrojo;
    if (cerrojo->error() == QLockFile::LockFailedError) {
        qint64 pid = 0;
        QString host, programa;
        QString quien;
        if (cerrojo->getLockInfo(&pid, &host, &programa) && pid > 0)
            quien = QStringLiteral(" (%1, proceso %2)").arg(programa.isEmpty() ? QStringLiteral("otro programa") : programa).arg(pid);
        throw ErrorBase(QStringLiteral("La solicitud de la carpeta «%1» ya está abierta en otro programa%2. "
                                       "Ciérrelo antes de volver a intentarlo; no se modificó nada.")
                            .arg(QDir::toNativeSeparators(absoluta), quien),
                        {}, true);
    }
    // Qt crea el cerrojo y luego lo escribe: en un disco lleno lo primero sale y lo segundo no.
    const QStorageInfo disco(absoluta);
    if (cerrojo->error() == QLockFile::UnknownError && disco.isValid() && disco.bytesAvailable() < 4096)
        throw ErrorBase(QStringLiteral("No se pudo apartar la carpeta de tablas «%1» para este programa: el disco donde "
                                       "está no tiene espacio libre. Libere espacio y vuelva a intentarlo; no se modificó nada.")
                            .arg(QDir::toNativeSeparators(absoluta)),
                        {}, true);
    throw ErrorBase(QStringLiteral("No se pudo apartar la carpeta de tablas «%1» para este programa: revise que "
                                   "tenga permiso de escritura en ella.").arg(QDir::toNativeSeparators(absoluta)),
                    {}, true);
}

} // namespace

QString carpetaPredeterminada()
{
    QString datos = qEnvironmentVariable("XDG_DATA_HOME");
    if (datos.isEmpty() || !QDir::isAbsolutePath(datos))
        datos = QDir::homePath() + QStringLiteral("/.local/share");
    // Sin HOME, homePath() es "/": cleanPath evita la doble diagonal.
    return QDir::cleanPath(datos + QStringLiteral("/d_2004/tablas"));
}

QString archivoEn(const QString &carpeta) { return QDir(carpeta).filePath(QStringLiteral("solicitud.sqlite")); }

void adelantaRevision(const QString &carpeta)
{
    if (g_revision.valid() || !QFileInfo(archivoEn(carpeta)).isFile())
        return;   // la primera vez no hay base: abre() la crea
    const QString absoluta = QDir(carpeta).absolutePath();
    try {
        g_cerrojoAdelantado = aparta(absoluta);
    } catch (const ErrorBase &) {
        return;   // otro programa la tiene o no se pudo tomar: abre() lo intentará y lo dirá
    }
    g_carpetaAdelantada = absoluta;
    g_revision = SegundoPlano::pide([archivo = archivoEn(carpeta)] { return pasaRevision(archivo); });
}

void abre(const QString &carpeta)
{
    const QString absoluta = QDir(carpeta).absolutePath();
    const bool revisada = recibeRevision(absoluta);
    cierra();
    if (revisada) {
        g_cerrojo = std::move(g_cerrojoAdelantado);
        g_carpetaCerrojo = absoluta;
    }
    creaCarpeta(carpeta);
    tomaCerrojo(carpeta);
    try {
        const QString archivo = archivoEn(carpeta);
        const QFileInfo info(archivo);
        if (!info.exists()) {
            creaArchivo(archivo);
        } else {
            compruebaArchivo(archivo, info);
            if (!info.isWritable())
                throw ErrorBase(errorArchivo(archivo, QStringLiteral("no tiene permiso de escritura.")), {}, true);
        }
        conectaPrincipal(archivo, false, revisada);
    } catch (...) {
        sueltaCerrojo();
        throw;
    }
    g_carpeta = carpeta;
}

void abreLectura(const QString &carpeta)
{
    cierra();
    const QString archivo = archivoEn(carpeta);
    const QFileInfo info(archivo);
    if (!QFileInfo(carpeta).isDir())
        throw ErrorBase(QStringLiteral("No existe la carpeta de tablas «%1».").arg(QDir::toNativeSeparators(carpeta)));
    if (!info.exists())
        throw ErrorBase(QStringLiteral("La carpeta «%1» no tiene una base de datos de la solicitud.")
                            .arg(QDir::toNativeSeparators(carpeta)));
    compruebaArchivo(archivo, info);
    recuperaDiario(archivo);
    conectaPrincipal(archivo, true);
    g_carpeta = carpeta;
}

void crea(const QString &carpeta)
{
    if (QFileInfo::exists(archivoEn(carpeta)))
        throw ErrorBase(QStringLiteral("La carpeta «%1» ya tiene una base de datos de la solicitud; no se modificó.")
                            .arg(QDir::toNativeSeparators(carpeta)));
    creaCarpeta(carpeta);
    // La carpeta queda apartada mientras se crea; el cerrojo de la base abierta no se suelta.
    const QString absoluta = QDir(carpeta).absolutePath();
    std::unique_ptr<QLockFile> propio;
    if (!(g_cerrojo && g_carpetaCerrojo == absoluta))
        propio = aparta(absoluta);
    creaArchivo(archivoEn(carpeta));
}

void tomaCerrojo(const QString &carpeta)
{
    const QString absoluta = QDir(carpeta).absolutePath();
    if (g_cerrojo && g_carpetaCerrojo == absoluta)
        return;
    sueltaCerrojo();
    g_cerrojo = aparta(absoluta);
    g_carpetaCerrojo = absoluta;
}

void sueltaCerrojo()
{
    g_cerrojo.reset();   // el destructor suelta y borra el archivo del cerrojo
    g_carpetaCerrojo.clear();
}

void cierra()
{
    if (QSqlDatabase::contains(kConexion)) {
        {
            QSqlDatabase db = QSqlDatabase::database(kConexion, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(kConexion);
    }
    g_carpeta.clear();
    sueltaCerrojo();
}

bool abierta() { return QSqlDatabase::contains(kConexion) && QSqlDatabase::database(kConexion, false).isOpen(); }

QString carpeta() { return g_carpeta; }

namespace {
// Conexión de una base Aparte que está activa en este hilo; vacía: la de la carpeta de tablas.
thread_local QString t_aparte;
QString activa() { return t_aparte.isEmpty() ? kConexion : t_aparte; }
} // namespace

QSqlDatabase conexion()
{
    if (!QSqlDatabase::contains(activa()))
        throw ErrorBase(QStringLiteral("La base de datos de la solicitud no está abierta."));
    return QSqlDatabase::database(activa(), false);
}

bool errorExterno(int codigo)
{
    switch (codigo & 0xFF) {
    case SQLITE_BUSY: case SQLITE_LOCKED: case SQLITE_NOMEM: case SQLITE_READONLY: case SQLITE_IOERR:
    case SQLITE_CORRUPT: case SQLITE_FULL: case SQLITE_CANTOPEN: case SQLITE_PROTOCOL: case SQLITE_PERM:
    case SQLITE_NOTADB: case SQLITE_NOLFS: case SQLITE_AUTH:
        return true;
    default:
        return false;
    }
}

ErrorBase errorDelMotor(const QSqlError &e, const QString &sentencia)
{
    const int codigo = e.nativeErrorCode().toInt();
    return ErrorBase(mensajeDeError(e.databaseText(), codigo),
                     sentencia.isEmpty() ? e.text() : e.text() + QStringLiteral(" — ") + sentencia, errorExterno(codigo));
}

QString mensajeDeError(const QString &detalle, int codigo)
{
    const int primario = codigo & 0xFF;
    if (primario == SQLITE_BUSY || primario == SQLITE_LOCKED)
        return QStringLiteral("La base de datos de la solicitud está ocupada por otro programa; la operación no se realizó.");
    if (primario == SQLITE_FULL)
        return QStringLiteral("No hay espacio en el disco para guardar la solicitud; la operación no se realizó.");
    if (primario == SQLITE_READONLY || primario == SQLITE_PERM || primario == SQLITE_CANTOPEN)
        return QStringLiteral("No se tiene permiso para escribir en la base de datos de la solicitud; la operación no se realizó.");
    if (primario == SQLITE_CORRUPT || primario == SQLITE_NOTADB)
        return QStringLiteral("La base de datos de la solicitud está dañada; la operación no se realizó.");
    if (primario == SQLITE_IOERR)
        return QStringLiteral("El disco no permitió leer o escribir la base de datos de la solicitud; la operación no se "
                              "realizó.");
    if (primario == SQLITE_CONSTRAINT) {
        if (detalle.contains(QLatin1String("UNIQUE"), Qt::CaseInsensitive))
            return QStringLiteral("Ya existe un registro con la misma clave; la operación no se realizó.");
        return QStringLiteral("Algún dato no tiene el formato esperado (letras o un campo vacío donde va un número, "
                              "o una fecha que no existe); la operación no se realizó.");
    }
    if (primario == SQLITE_MISMATCH)
        return QStringLiteral("Algún dato no tiene el formato esperado; la operación no se realizó.");
    return QStringLiteral("La base de datos de la solicitud rechazó la operación; no se realizó.");
}

Transaccion::Transaccion()
{
    QSqlDatabase db = conexion();
    if (!db.transaction())
        throw errorDelMotor(db.lastError());
    m_activa = true;
}

void Transaccion::confirma()
{
    if (!m_activa)
        return;
    QSqlDatabase db = conexion();
    if (!db.commit()) {
        const QSqlError e = db.lastError();
        db.rollback();
        m_activa = false;
        throw errorDelMotor(e);
    }
    m_activa = false;
}

Transaccion::~Transaccion()
{
    if (m_activa && QSqlDatabase::contains(activa()))
        QSqlDatabase::database(activa(), false).rollback();
}

Aparte::Aparte(const QString &archivo)
    : m_nombre(QStringLiteral("aparte-") + QUuid::createUuid().toString(QUuid::WithoutBraces)), m_anterior(t_aparte)
{
    if (!QFileInfo::exists(archivo))
        creaArchivo(archivo);
    {
        QSqlDatabase db = conecta(m_nombre, archivo);
        if (!db.open()) {
            const QString detalle = db.lastError().text();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(m_nombre);
            throw ErrorBase(errorArchivo(archivo, QStringLiteral("el motor no pudo abrirla.")), detalle, true);
        }
        try {
            configura(db);
        } catch (...) {
            db.close();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(m_nombre);
            throw;
        }
    }
    t_aparte = m_nombre;
}

Aparte::~Aparte()
{
    t_aparte = m_anterior;
    {
        QSqlDatabase db = QSqlDatabase::database(m_nombre, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_nombre);
}

} // namespace Base
