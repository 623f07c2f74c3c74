// solicitud-cli resumen --destino URI SALIDA.csv
#include "agency/Destino.h"
#include "agency/EsquemaAgencia.h"
#include "platform/Comandos.h"
#include "platform/Csv.h"

#include <QDir>
#include <QSaveFile>
#include <QSqlError>
#include <QSqlQuery>

namespace {

const QString kConexion = QStringLiteral("agencia-resumen");

// Escribe el CSV de la entrega vigente de cada solicitante, con cuántas entregas suyas se
// recibieron (la última columna, para no mover las demás); el archivo aparece completo o no
// aparece.
void escribe(QSqlDatabase &db, const QString &salida)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    // La hora con su zona (la de la sesión, la del servidor de la agencia), en ISO 8601.
    if (!q.exec(QStringLiteral("SELECT convocatoria, nombre, rfc, coalesce(curp, ''), veredicto, hallazgos, "
                               "to_char(recibida, 'YYYY-MM-DD\"T\"HH24:MI:SSTZH:TZM'), huella, entregas "
                               "FROM solicitudes_vigentes ORDER BY convocatoria, nombre, huella")))
        Destino::lanza(db, QStringLiteral("al leer las solicitudes"), q.lastError());
    QSaveFile f(salida);
    if (!f.open(QIODevice::WriteOnly))
        throw ErrorBase(QStringLiteral("No se pudo escribir «%1»: %2.").arg(QDir::toNativeSeparators(salida), f.errorString()));
    f.write(Csv::renglon({QStringLiteral("convocatoria"), QStringLiteral("nombre"), QStringLiteral("rfc"), QStringLiteral("curp"),
                          QStringLiteral("veredicto"), QStringLiteral("hallazgos"), QStringLiteral("recibida"), QStringLiteral("huella"),
                          QStringLiteral("entregas")})
                .toUtf8());
    while (q.next()) {
        QStringList campos;
        for (int i = 0; i < 9; ++i)
            campos << q.value(i).toString();
        f.write(Csv::renglon(campos).toUtf8());
    }
    if (q.lastError().isValid())
        Destino::lanza(db, QStringLiteral("al leer las solicitudes"), q.lastError());
    if (!f.commit())
        throw ErrorBase(QStringLiteral("No se pudo escribir «%1»: %2. No se dejó un archivo a medias.")
                            .arg(QDir::toNativeSeparators(salida), f.errorString()));
}

int resumen(const Comandos::Linea &linea)
{
    const auto uri = linea.opcion(QStringLiteral("destino"));
    const QStringList &args = linea.argumentos();
    if (!uri || uri->isEmpty() || args.size() != 1) {
        Comandos::error(args.size() > 1 ? QStringLiteral("Argumento no reconocido: %1").arg(args.at(1))
                                        : QStringLiteral("Uso: solicitud-cli resumen --destino URI SALIDA.csv"));
        return 2;
    }
    try {
        QSqlDatabase db = Destino::conecta(Destino::lee(*uri), kConexion);
        EsquemaAgencia::prepara(db);
        escribe(db, args.first());
    } catch (const ErrorBase &e) {
        Destino::desconecta(kConexion);
        Comandos::error(e.mensaje());
        return 2;
    }
    Destino::desconecta(kConexion);
    return 0;
}

} // namespace

REGISTRA_COMANDO(resumen, "resumen",
                 "resumen --destino URI SALIDA.csv   escribe en SALIDA.csv (UTF-8) un renglón por solicitante con su "
                 "entrega vigente (la última recibida) y cuántas entregas suyas hay en la base de la agencia",
                 resumen, "--destino URI")
