#include "agency/Recepcion.h"
#include "admin/Entrega.h"
#include "agency/Destino.h"
#include "agency/EsquemaAgencia.h"
#include "agency/Trabajos.h"
#include "platform/Consulta.h"
#include "platform/Esquema.h"
#include "reports/Impresion.h"
#include "review/Revision.h"

#include <QDir>
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
    const QDate d = QDate::fromString(v.toString(), QStringLiteral("dd/MM/yyyy"));
    if (!d.isValid())
        throw ErrorBase(QStringLiteral("La columna %1 trae «%2», que no es una fecha.").arg(QLatin1String(c.nombre), v.toString()));
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
    // Como se imprime, sin los blancos que deja una parte vacía.
    s.nombre = q.campo(0).texto().simplified();
    s.rfc = q.campo(1).texto().trimmed();
    s.curp = q.campo(2).texto().trimmed().toUpper();
    return s;
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
    const QString insertar = QStringLiteral("INSERT INTO solicitudes AS s (convocatoria, nombre, rfc, curp, veredicto, hallazgos, "
                                            "huella, entregada, origen) VALUES (?, ?, ?, ?, ?, ?, ?, ?::timestamptz, ?) ");
    // Con CURP, la entrega más reciente (por la hora de su recibo; a la misma hora decide la
    // huella) sustituye a la anterior; sin CURP, sólo se evita la misma huella dos veces.
    const QString sql = s.curp.isEmpty()
        ? insertar + QStringLiteral("ON CONFLICT (huella) DO NOTHING RETURNING id, false")
        : insertar + QStringLiteral("ON CONFLICT (convocatoria, curp) DO UPDATE SET nombre = EXCLUDED.nombre, rfc = EXCLUDED.rfc, "
                                    "veredicto = EXCLUDED.veredicto, hallazgos = EXCLUDED.hallazgos, huella = EXCLUDED.huella, "
                                    "entregada = EXCLUDED.entregada, origen = EXCLUDED.origen, recibida = now() "
                                    "WHERE (s.entregada, s.huella) < (EXCLUDED.entregada, EXCLUDED.huella) "
                                    "RETURNING id, xmax::text <> '0'");
    if (!destino.transaction())
        Destino::lanza(destino, kTransaccion, destino.lastError());
    try {
        QSqlQuery q = ejecuta(destino, sql, valores);
        if (!q.next()) {
            // Nada se escribió: o ya estaba esta huella, o hay una entrega más reciente.
            destino.rollback();
            if (const auto ya = yaRecibida(destino, p.huella))
                return *ya;
            r.resultado = Resultado::HayMasReciente;
            return r;
        }
        const qint64 id = q.value(0).toLongLong();
        const bool reemplaza = q.value(1).toBool();
        QList<Parte> borrar, insertar;
        for (const Esquema::Tabla *t : EsquemaAgencia::tablasSolicitud()) {
            borrar << Parte{QStringLiteral("DELETE FROM %1 WHERE solicitud = ?").arg(EsquemaAgencia::nombre(t->nombre)), {id}};
            insertar += filasDe(*t, id);
        }
        // Lo de la entrega anterior se borra en una sentencia antes de escribir lo nuevo, que
        // repite sus llaves.
        if (reemplaza)
            ejecutaJuntas(destino, borrar);
        ejecutaJuntas(destino, insertar);
        if (!destino.commit())
            Destino::lanza(destino, kTransaccion, destino.lastError());
        r.resultado = reemplaza ? Resultado::Reemplaza : Resultado::Recibida;
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
    QSqlQuery q = ejecuta(destino, QStringLiteral("SELECT convocatoria, nombre, coalesce(curp, ''), hallazgos FROM solicitudes WHERE huella = ?"),
                          {huella});
    if (!q.next())
        return std::nullopt;
    return Recibo{Resultado::YaRecibida, q.value(0).toInt(), q.value(1).toString(), q.value(2).toString(), q.value(3).toInt()};
}

QString linea(const QString &ruta, const Recibo &r)
{
    const QString carpeta = Trabajos::visible(ruta);
    const QString quien = QStringLiteral("%1, convocatoria %2").arg(r.nombre).arg(r.convocatoria);
    const QString veredicto = r.hallazgos == 0 ? QStringLiteral("sin inconsistencias")
                                               : QStringLiteral("con inconsistencias (%1)").arg(r.hallazgos);
    switch (r.resultado) {
    case Resultado::Recibida: return QStringLiteral("RECIBIDO %1: %2, %3").arg(carpeta, quien, veredicto);
    case Resultado::Reemplaza:
        return QStringLiteral("RECIBIDO %1: %2, %3; reemplaza la entrega anterior de la CURP %4").arg(carpeta, quien, veredicto, r.curp);
    case Resultado::YaRecibida: return QStringLiteral("YA RECIBIDO %1: %2").arg(carpeta, quien);
    case Resultado::HayMasReciente:
        return QStringLiteral("ANTERIOR %1: %2; ya se recibió una entrega más reciente de la CURP %3, ésta no se cargó")
            .arg(carpeta, quien, r.curp);
    }
    return {};
}

} // namespace Recepcion
