#include "agency/EsquemaAgencia.h"
#include "agency/Destino.h"
#include "platform/Esquema.h"

#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

namespace EsquemaAgencia {
namespace {

// Pasos de la estructura: el paso n lleva una base de la versión n-1 a la n. Las tablas de la
// solicitud no van aquí: salen del esquema de la solicitud al final de prepara().
const QList<QStringList> &pasos()
{
    static const QList<QStringList> p = {
        // 1: el renglón de cada solicitud recibida. `entregada` es la hora del archivo del
        // recibo (entrega.sha256). Sin CURP no hay con qué comparar: NULL.
        {QStringLiteral("CREATE TABLE solicitudes (\n"
                        "  id bigint GENERATED ALWAYS AS IDENTITY PRIMARY KEY,\n"
                        "  convocatoria integer NOT NULL,\n"
                        "  nombre text NOT NULL,\n"
                        "  rfc text NOT NULL,\n"
                        "  curp text CHECK (curp <> ''),\n"
                        "  veredicto text NOT NULL CHECK (veredicto IN ('sin inconsistencias', 'con inconsistencias')),\n"
                        "  hallazgos integer NOT NULL CHECK (hallazgos >= 0),\n"
                        "  recibida timestamptz NOT NULL DEFAULT now(),\n"
                        "  huella char(64) NOT NULL UNIQUE CHECK (huella ~ '^[0-9a-f]{64}$'),\n"
                        "  entregada timestamptz NOT NULL,\n"
                        "  origen text NOT NULL,\n"
                        "  CONSTRAINT una_por_solicitante UNIQUE (convocatoria, curp),\n"
                        "  CHECK ((veredicto = 'sin inconsistencias') = (hallazgos = 0))\n"
                        ")")},
        // 2: se guardan todas las entregas de un solicitante. La hora del recibo la pone quien
        // entrega (basta copiar el medio o tocar el archivo), así que la vigente de una CURP y
        // convocatoria es la que la agencia recibió al último: la de `id` mayor.
        {QStringLiteral("ALTER TABLE solicitudes DROP CONSTRAINT una_por_solicitante"),
         QStringLiteral("CREATE INDEX solicitudes_por_solicitante ON solicitudes (convocatoria, curp, id)"),
         QStringLiteral("CREATE VIEW solicitudes_vigentes AS\n"
                        "SELECT DISTINCT ON (convocatoria, coalesce(curp, huella)) s.*,\n"
                        "  count(*) OVER (PARTITION BY convocatoria, coalesce(curp, huella)) AS entregas\n"
                        "FROM solicitudes s ORDER BY convocatoria, coalesce(curp, huella), id DESC")},
    };
    return p;
}

// Candado de la base (no del proceso) para que dos recepciones no creen tablas a la vez.
constexpr qint64 kCandado = 2004180001;

constexpr Lugar kLugares[] = {
    {"Persona", "ciudad_nacimiento", "(Select Nombre From Cat_Ciudad Where Clave=t.Ciudad_nac)"},
    {"Persona", "estado_nacimiento",
     "(Select e.Nombre From Cat_Ciudad c Join Cat_Estado e On e.Clave=c.Estado_Clave Where c.Clave=t.Ciudad_nac)"},
    {"Persona", "pais_nacimiento", "(Select Nombre From Cat_Pais Where Clave=t.Pais_nac)"},
    {"Domicilio", "ciudad", "(Select Nombre From Cat_Ciudad Where Clave=t.Ciudad_Clave)"},
    {"Domicilio", "estado", "(Select Nombre From Cat_Estado Where Clave=t.Estado_Clave)"},
    {"Domicilio", "pais", "(Select Nombre From Cat_Pais Where Clave=t.Pais_Clave)"},
    {"Domicilio", "municipio", "(Select Nombre From Cat_Municipio Where Clave=t.Municipio_Clave)"},
    {"Domicilio", "institucion", "(Select Nombre From Institucion Where Clave=t.Institucion_clave)"},
    {"Beca", "institucion", "(Select Nombre From Institucion Where Clave=t.Escuela)"},
};

QString tipo(const Esquema::Columna &c)
{
    switch (c.clase) {
    case Esquema::Clase::Entero: return QStringLiteral("integer");
    case Esquema::Clase::Real: return QStringLiteral("double precision");
    case Esquema::Clase::Texto: return QStringLiteral("varchar(%1)").arg(c.longitud);
    case Esquema::Clase::Fecha: return QStringLiteral("date");
    case Esquema::Clase::Memo: break;
    }
    return QStringLiteral("text");
}

// Columnas de la tabla en PostgreSQL, con su tipo, en orden.
QList<QPair<QString, QString>> columnas(const Esquema::Tabla &t)
{
    QList<QPair<QString, QString>> r;
    for (const Esquema::Columna &c : t.columnas)
        r.append({nombre(c.nombre), tipo(c)});
    for (const Lugar &l : kLugares)
        if (qstrcmp(l.tabla, t.nombre) == 0)
            r.append({QLatin1String(l.columna), QStringLiteral("varchar(255)")});
    return r;
}

const QString kQue = QStringLiteral("al preparar sus tablas");

QSqlQuery ejecuta(QSqlDatabase &db, const QString &sql, const QVariantList &valores = {})
{
    return Destino::ejecuta(db, sql, valores, kQue);
}

void creaOCompleta(QSqlDatabase &db, const Esquema::Tabla &t)
{
    const QString tabla = nombre(t.nombre);
    QSqlQuery q = ejecuta(db, QStringLiteral("SELECT column_name FROM information_schema.columns "
                                             "WHERE table_schema = current_schema() AND table_name = ?"), {tabla});
    QSet<QString> hay;
    while (q.next())
        hay.insert(q.value(0).toString());
    const auto cols = columnas(t);
    if (hay.isEmpty()) {
        QStringList defs{QStringLiteral("solicitud bigint NOT NULL REFERENCES solicitudes (id) ON DELETE CASCADE")};
        for (const auto &[n, tipoPg] : cols)
            defs << n + u' ' + tipoPg + (n == u"clave" ? QStringLiteral(" NOT NULL") : QString());
        defs << QStringLiteral("PRIMARY KEY (solicitud, clave)");
        ejecuta(db, QStringLiteral("CREATE TABLE %1 (\n  %2\n)").arg(tabla, defs.join(QStringLiteral(",\n  "))));
        return;
    }
    for (const auto &[n, tipoPg] : cols)
        if (!hay.contains(n))
            ejecuta(db, QStringLiteral("ALTER TABLE %1 ADD COLUMN %2 %3").arg(tabla, n, tipoPg));
}

} // namespace

int version() { return int(pasos().size()); }

std::span<const Lugar> lugares() { return kLugares; }

QString nombre(const char *n) { return QString::fromLatin1(n).toLower(); }

QList<const Esquema::Tabla *> tablasSolicitud()
{
    QList<const Esquema::Tabla *> r;
    for (const Esquema::Tabla &t : Esquema::tablas())
        if (!t.catalogo)
            r << &t;
    return r;
}

void prepara(QSqlDatabase &db)
{
    if (!db.transaction())
        Destino::lanza(db, kQue, db.lastError());
    try {
        ejecuta(db, QStringLiteral("SELECT pg_advisory_xact_lock(%1)").arg(kCandado));
        ejecuta(db, QStringLiteral("CREATE TABLE IF NOT EXISTS esquema_agencia (version integer NOT NULL)"));
        QSqlQuery q = ejecuta(db, QStringLiteral("SELECT coalesce(max(version), 0) FROM esquema_agencia"));
        const int tiene = q.next() ? q.value(0).toInt() : 0;
        if (tiene > version())
            throw ErrorBase(QStringLiteral("La base de la agencia es de una versión más nueva de este programa (estructura %1; "
                                           "este programa conoce hasta la %2). Actualice solicitud-cli antes de recibir.")
                                .arg(tiene).arg(version()));
        for (int v = tiene; v < version(); ++v)
            for (const QString &sql : pasos().at(v))
                ejecuta(db, sql);
        if (tiene < version()) {
            ejecuta(db, QStringLiteral("DELETE FROM esquema_agencia"));
            ejecuta(db, QStringLiteral("INSERT INTO esquema_agencia (version) VALUES (?)"), {version()});
        }
        for (const Esquema::Tabla *t : tablasSolicitud())
            creaOCompleta(db, *t);
        if (!db.commit())
            Destino::lanza(db, kQue, db.lastError());
    } catch (...) {
        db.rollback();
        throw;
    }
}

} // namespace EsquemaAgencia
