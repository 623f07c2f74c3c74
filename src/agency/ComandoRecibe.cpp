// solicitud-cli recibe PAQUETE... --destino URI [--trabajos N]
#include "agency/Destino.h"
#include "agency/EsquemaAgencia.h"
#include "agency/Recepcion.h"
#include "agency/Trabajos.h"
#include "package/Paquete.h"
#include "platform/Comandos.h"
#include "platform/Temporal.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdlib>
#include <optional>

namespace {

const QString kConexion = QStringLiteral("agencia-recibe");
// Más trabajadores que esto no aceleran nada y sólo agotan las conexiones del servidor.
constexpr int kMaxTrabajos = 32;

bool conectada(QSqlDatabase &db)
{
    QSqlQuery q(db);
    return db.isOpen() && q.exec(QStringLiteral("SELECT 1"));
}

// Un paquete: se verifica como en `verifica`; el que no pasa no se carga. Si ya se recibió no se
// vuelve a leer; si no, su solicitud se carga en una base temporal, se revisa y se guarda.
// Corre en un trabajador: si el lector cae, cae ese proceso y el que reparte lo informa.
Trabajos::Respuesta recibeCarpeta(const QString &carpeta, QSqlDatabase &db)
{
    using C = Trabajos::Clase;
    const QString nombre = Trabajos::visible(carpeta);
    if (!QFileInfo(carpeta).isDir())
        return {C::Rechazado, QStringLiteral("RECHAZADO %1: no es una carpeta").arg(nombre)};
    try {
        const Paquete paquete(carpeta);
        if (!paquete.integro())
            return {C::Rechazado, QStringLiteral("RECHAZADO %1: %2").arg(nombre, paquete.problemas().join(QStringLiteral("; ")))};
        const Recepcion::Paquete datos{carpeta, paquete.huellaRecibo(), paquete.fecha()};
        if (const auto ya = Recepcion::yaRecibida(db, datos.huella))
            return {C::Recibido, Recepcion::linea(carpeta, *ya)};
        std::optional<BaseDePaquete> base;
        try {
            base.emplace(paquete);
        } catch (const ErrorBase &e) {
            // La base temporal es nueva: si rechaza un dato (una clave repetida, una fecha que no
            // existe), es el paquete. Lo externo (disco, permisos) sigue siendo un error.
            if (e.externa())
                throw;
            return {C::Rechazado, QStringLiteral("RECHAZADO %1: su solicitud no se puede cargar: %2").arg(nombre, e.mensaje())};
        }
        // Gancho de las pruebas: un lector que cae a media lectura de esa carpeta, con su base
        // temporal ya hecha. Sólo lo mira el trabajador.
        static const QString aborta = qEnvironmentVariable("SOLICITUD_PRUEBA_ABORTA");
        if (!aborta.isEmpty() && QFileInfo(carpeta).fileName() == aborta)
            std::abort();
        return {C::Recibido, Recepcion::linea(carpeta, Recepcion::carga(datos, db))};
    } catch (const Destino::ErrorContenido &e) {
        // Lo que trae el paquete no cabe en la base: es el paquete, no el servidor.
        return {C::Rechazado, QStringLiteral("RECHAZADO %1: %2").arg(nombre, e.mensaje())};
    } catch (const ErrorBase &e) {
        if (!conectada(db))
            return {C::Fatal, QStringLiteral("Se perdió la conexión con la base de la agencia; %1 no se recibió.").arg(nombre)};
        return {C::Error, QStringLiteral("ERROR %1: %2").arg(nombre, e.mensaje())};
    }
}

int recibe(const Comandos::Linea &linea)
{
    if (linea.marca(QStringLiteral("trabajador")))
        return Trabajos::atiende([](const QString &uri) -> Trabajos::Receptor {
            QSqlDatabase db = Destino::conecta(Destino::lee(uri), kConexion);
            return [db](const QString &carpeta) mutable { return recibeCarpeta(carpeta, db); };
        });
    const QString uso = QStringLiteral("Uso: solicitud-cli recibe PAQUETE... --destino URI [--trabajos N]");
    const auto uri = linea.opcion(QStringLiteral("destino"));
    const auto trabajos = linea.opcion(QStringLiteral("trabajos"));
    const QStringList &args = linea.argumentos();
    if (!uri || uri->isEmpty()) {
        Comandos::error(QStringLiteral("Falta la base de la agencia (--destino URI). ") + uso);
        return 2;
    }
    bool ok = true;
    const int n = trabajos ? trabajos->toInt(&ok) : 1;
    if (!ok || n < 1 || n > kMaxTrabajos) {
        Comandos::error(QStringLiteral("--trabajos pide un número de 1 a %1.").arg(kMaxTrabajos));
        return 2;
    }
    for (const QString &a : std::as_const(args))
        if (a.startsWith(QStringLiteral("--"))) {
            Comandos::error(QStringLiteral("Argumento no reconocido: %1").arg(a));
            return 2;
        }
    if (args.isEmpty()) {
        Comandos::error(QStringLiteral("Falta la carpeta de algún paquete. ") + uso);
        return 2;
    }
    try {
        QSqlDatabase db = Destino::conecta(Destino::lee(*uri), kConexion);
        EsquemaAgencia::prepara(db);
    } catch (const ErrorBase &e) {
        Destino::desconecta(kConexion);
        Comandos::error(e.mensaje());
        return 2;
    }
    // Este proceso sólo reparte: su conexión no hace falta mientras tanto.
    Destino::desconecta(kConexion);
    // Cada trabajador abre su propia conexión con la URI, que le llega por su entrada y no
    // por la línea de órdenes (ahí la vería cualquiera en la lista de procesos).
    const int codigo = Trabajos::reparte(args, n, QCoreApplication::applicationFilePath(),
                                         {QStringLiteral("recibe"), QStringLiteral("--trabajador")}, *uri);
    // Ya no queda trabajador vivo: lo que dejó uno que cayó se borra ahora.
    Temporal::limpia();
    return codigo;
}

} // namespace

REGISTRA_COMANDO(recibe, "recibe",
                 "recibe PAQUETE... --destino URI [--trabajos N]   verifica cada carpeta de paquete entregado y carga "
                 "su solicitud en la base PostgreSQL de la agencia (sale con 1 si alguno se rechazó)",
                 recibe, "--destino URI", "--trabajos N", "--trabajador")
