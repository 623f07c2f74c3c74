#include "agency/Recepcion.h"
#include "admin/Entrega.h"
#include "agency/Destino.h"
#include "agency/EsquemaAgencia.h"
#include "agency/Trabajos.h"
#include "platform/Consulta.h"
#include "platform/Esquema.h"
#include "platform/Fechas.h"
#include "reports/Impresion.h"
#include "review/Revision.h"

#include <QCryptographicHash>
#include <QDir>
#include <QtEndian>
#include <QSqlError>
#include <QSqlQuery>

namespace Recepcion {
namespace {

// Renglones por INSERT: pocas idas y vueltas al servidor, lejos del límite de parámetros.
constexpr int kRenglonesPorInsert = 400;
// Valores por sentencia, lejos del límite de PostgreSQL (65,535).
constexpr qsizetype kMaxParametros = 30000;
// Una carrera con otro trabajador (la misma huella o CURP a la vez) se resuelve repitiendo.
constexpr int kIntentos = 3;

const QString kTransaccion = QStringLiteral("al guardar la solicitud");

QSqlQuery ejecuta(QSqlDatabase &db, const QString &sql, const QVariantList &valores)
{
    return Destino::ejecuta(db, sql, valores, kTransaccion);
}

// Valor de la base de la solicitud como lo guarda PostgreSQL.
QVariant valorPg(const Esquema::Columna &c, const QVariant &v)
{
    if (v.isNull() || c.clase != Esquema::Clase::Fecha)
        return v;
    const QDate d = Fechas::lee(v.toString());
    if (!d.isValid())
        throw Destino::ErrorContenido(QStringLiteral("la columna %1 trae «%2», que no es una fecha").arg(QLatin1String(c.nombre), v.toString()));
    return d;
}

// Una sentencia que se manda junto con otras: su texto y sus valores en orden.
struct Parte {
    QString sql;
    QVariantList valores;
};

// Las filas de una tabla de la solicitud, con los nombres de sus lugares, atadas al renglón
// `id`, como INSERTs de a lo más kRenglonesPorInsert renglones.
QList<Parte> filasDe(const Esquema::Tabla &t, qint64 id)
{
    QStringList leer, escribir{QStringLiteral("solicitud")};
    for (const Esquema::Columna &c : t.columnas) {
        leer << QStringLiteral("t.") + QLatin1String(c.nombre);
        escribir << EsquemaAgencia::nombre(c.nombre);
    }
    for (const EsquemaAgencia::Lugar &l : EsquemaAgencia::lugares())
        if (qstrcmp(l.tabla, t.nombre) == 0) {
            leer << QLatin1String(l.expresion);
            escribir << QLatin1String(l.columna);
        }
    Consulta q(QStringLiteral("Select %1 From %2 t Order By t.Clave").arg(leer.join(u','), QLatin1String(t.nombre)));
    q.abre();
    const qsizetype n = escribir.size();
    const QString marcas = u'(' + QStringList(n, QStringLiteral("?")).join(u',') + u')';
    QList<Parte> r;
    for (int desde = 0; desde < q.cuenta(); desde += kRenglonesPorInsert) {
        const int hasta = qMin(q.cuenta(), desde + kRenglonesPorInsert);
        Parte parte{QStringLiteral("INSERT INTO %1 (%2) VALUES %3")
                        .arg(EsquemaAgencia::nombre(t.nombre), escribir.join(u','), QStringList(hasta - desde, marcas).join(u',')),
                    {}};
        parte.valores.reserve((hasta - desde) * n);
        for (int f = desde; f < hasta; ++f) {
            q.mueveA(f);
            parte.valores << id;
            for (int i = 0; i < q.numeroCampos(); ++i)
                parte.valores << (i < qsizetype(t.columnas.size()) ? valorPg(t.columnas[i], q.campo(i).valor()) : q.campo(i).valor());
        }
        r << parte;
    }
    return r;
}

// Manda las partes juntas, como WITH de una sola sentencia: una ida y vuelta al servidor en
// lugar de una por tabla (lo que más pesa cuando el servidor está ocupado).
void ejecutaJuntas(QSqlDatabase &db, const QList<Parte> &partes)
{
    QStringList con;
    QVariantList valores;
    auto envia = [&] {
        if (con.isEmpty())
            return;
        ejecuta(db, QStringLiteral("WITH ") + con.join(QStringLiteral(", ")) + QStringLiteral(" SELECT 1"), valores);
        con.clear();
        valores.clear();
    };
    for (const Parte &p : partes) {
        if (valores.size() + p.valores.size() > kMaxParametros)
            envia();
        con << QStringLiteral("p%1 AS (%2)").arg(con.size()).arg(p.sql);
        valores += p.valores;
    }
    envia();
}

struct Solicitante {
    int convocatoria = 0;
    QString nombre, rfc, curp;
};

Solicitante leeSolicitante()
{
    Solicitante s;
    s.convocatoria = Entrega::convocatoria();
    Consulta q(QStringLiteral("Select %1 nombre, RFC, Curp From Persona Where Tipo='SOL'")
                   .arg(Impresion::nombreSql(Impresion::Orden::NombrePrimero)));
    q.abre();
    // Sin el renglón del solicitante no hay a quién atribuir la solicitud; con dos, no se sabe
    // cuál es (la entrega del programa lleva uno).
    if (q.cuenta() != 1)
        throw Destino::ErrorContenido(q.cuenta() == 0 ? QStringLiteral("el paquete no trae los datos del solicitante (el renglón de Persona con Tipo SOL)")
                                                      : QStringLiteral("el paquete trae %1 renglones de Persona con Tipo SOL, en lugar de uno").arg(q.cuenta()));
    // Como se imprime, sin los blancos que deja una parte vacía.
    s.nombre = q.campo(0).texto().simplified();
    s.rfc = q.campo(1).texto().trimmed();
    s.curp = q.campo(2).texto().trimmed().toUpper();
    return s;
}

// Hora de recepción como se muestra (la zona de la sesión, la del servidor).
const QString kHora = QStringLiteral("to_char(%1, 'YYYY-MM-DD HH24:MI:SS')");
// Candado de la base para las recepciones de una misma CURP y convocatoria (la segunda llave
// sale de ellas): la que toma el id mayor es la última en confirmarse.
constexpr int kCandadoSolicitante = 2004180002;

qint32 llaveDe(const Solicitante &s)
{
    const QByteArray h = QCryptographicHash::hash(QStringLiteral("%1/%2").arg(s.convocatoria).arg(s.curp).toUtf8(), QCryptographicHash::Sha256);
    return qFromBigEndian<qint32>(h.constData());
}

Recibo intenta(const Paquete &p, const Solicitante &s, const Revision::Resultado &rev, QSqlDatabase &destino)
{
    Recibo r;
    r.convocatoria = s.convocatoria;
    r.nombre = s.nombre;
    r.curp = s.curp;
    r.hallazgos = rev.hallazgos;
    const QVariantList valores{s.convocatoria, s.nombre, s.rfc, s.curp.isEmpty() ? QVariant() : QVariant(s.curp),
                               rev.sinInconsistencias ? QStringLiteral("sin inconsistencias") : QStringLiteral("con inconsistencias"),
                               rev.hallazgos, p.huella, p.entregado.toUTC().toString(Qt::ISODateWithMs),
                               QDir::cleanPath(QDir(p.carpeta).absolutePath())};
    if (!destino.transaction())
        Destino::lanza(destino, kTransaccion, destino.lastError());
    try {
        // El candado en su propia sentencia: la que sigue ve ya confirmada la entrega de quien lo
        // tuvo antes. Su llave es un número que sale de la CURP, no la CURP.
        if (!s.curp.isEmpty())
            ejecuta(destino, QStringLiteral("SELECT pg_advisory_xact_lock(%1, %2)").arg(kCandadoSolicitante).arg(llaveDe(s)), {});
        // Con la fila nueva, la entrega que era la vigente de esa CURP (si había).
        const QString anterior = QStringLiteral("(SELECT %1 FROM solicitudes a WHERE a.convocatoria = solicitudes.convocatoria AND "
                                                "a.curp = solicitudes.curp AND a.id < solicitudes.id ORDER BY a.id DESC LIMIT 1)");
        QSqlQuery q = ejecuta(destino, QStringLiteral("INSERT INTO solicitudes (convocatoria, nombre, rfc, curp, veredicto, hallazgos, "
                                                      "huella, entregada, origen) VALUES (?, ?, ?, ?, ?, ?, ?, ?::timestamptz, ?) "
                                                      "ON CONFLICT (huella) DO NOTHING RETURNING id, %1, %2")
                                      .arg(anterior.arg(QStringLiteral("a.origen")), anterior.arg(kHora.arg(QStringLiteral("a.recibida")))),
                              valores);
        if (!q.next()) {
            // La misma huella ya estaba (confirmada: ON CONFLICT espera a la otra transacción).
            destino.rollback();
            if (const auto ya = yaRecibida(destino, p.huella))
                return *ya;
            throw Destino::ErrorCarrera(QStringLiteral("La base de la agencia estuvo ocupada con el mismo paquete (%1).").arg(kTransaccion));
        }
        const qint64 id = q.value(0).toLongLong();
        if (!q.value(1).isNull()) {
            r.resultado = Resultado::Reemplaza;
            r.otraOrigen = q.value(1).toString();
            r.otraRecibida = q.value(2).toString();
        }
        QList<Parte> insertar;
        for (const Esquema::Tabla *t : EsquemaAgencia::tablasSolicitud())
            insertar += filasDe(*t, id);
        ejecutaJuntas(destino, insertar);
        if (!destino.commit())
            Destino::lanza(destino, kTransaccion, destino.lastError());
        return r;
    } catch (...) {
        destino.rollback();
        throw;
    }
}

} // namespace

Recibo carga(const Paquete &paquete, QSqlDatabase &destino)
{
    const Revision::Resultado rev = Revision::revisa();
    const Solicitante s = leeSolicitante();
    for (int intento = 1;; ++intento) {
        try {
            return intenta(paquete, s, rev, destino);
        } catch (const Destino::ErrorCarrera &) {
            if (intento == kIntentos)
                throw;
        }
    }
}

std::optional<Recibo> yaRecibida(QSqlDatabase &destino, const QString &huella)
{
    // La vigente, si no es ésta: la última recibida después de ella con su CURP (por el índice,
    // sin recorrer las demás solicitudes).
    QSqlQuery q = ejecuta(destino, QStringLiteral("SELECT s.convocatoria, s.nombre, coalesce(s.curp, ''), s.hallazgos, v.id IS NULL, "
                                                  "v.origen, %1 FROM solicitudes s LEFT JOIN LATERAL (SELECT id, origen, recibida "
                                                  "FROM solicitudes o WHERE o.convocatoria = s.convocatoria AND o.curp = s.curp AND o.id > s.id "
                                                  "ORDER BY o.id DESC LIMIT 1) v ON true WHERE s.huella = ?").arg(kHora.arg(QStringLiteral("v.recibida"))),
                          {huella});
    if (!q.next())
        return std::nullopt;
    Recibo r{Resultado::YaRecibida, q.value(0).toInt(), q.value(1).toString(), q.value(2).toString(), q.value(3).toInt(),
             q.value(4).toBool(), {}, {}};
    if (!r.vigente) {
        r.otraOrigen = q.value(5).toString();
        r.otraRecibida = q.value(6).toString();
    }
    return r;
}

QString linea(const QString &ruta, const Recibo &r)
{
    const QString carpeta = Trabajos::visible(ruta);
    const QString quien = QStringLiteral("%1, convocatoria %2").arg(r.nombre).arg(r.convocatoria);
    const QString veredicto = r.hallazgos == 0 ? QStringLiteral("sin inconsistencias")
                                               : QStringLiteral("con inconsistencias (%1)").arg(r.hallazgos);
    const QString otra = QStringLiteral("la de %1 (recibida %2)").arg(Trabajos::visible(r.otraOrigen), r.otraRecibida);
    const QString vigente = r.curp.isEmpty() ? QString() : QStringLiteral("; es la entrega vigente de la CURP %1").arg(r.curp);
    switch (r.resultado) {
    case Resultado::Recibida: return QStringLiteral("RECIBIDO %1: %2, %3%4").arg(carpeta, quien, veredicto, vigente);
    case Resultado::Reemplaza:
        return QStringLiteral("RECIBIDO %1: %2, %3%4 en lugar de %5, que se conserva").arg(carpeta, quien, veredicto, vigente, otra);
    case Resultado::YaRecibida:
        if (!r.vigente)
            return QStringLiteral("YA RECIBIDO %1: %2; no es la entrega vigente de la CURP %3: lo es %4").arg(carpeta, quien, r.curp, otra);
        return QStringLiteral("YA RECIBIDO %1: %2%3").arg(carpeta, quien, vigente);
    }
    return {};
}

} // namespace Recepcion
