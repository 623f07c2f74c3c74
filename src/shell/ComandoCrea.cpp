// solicitud-cli crea [--tablas DIR]
#include "platform/Base.h"
#include "platform/Comandos.h"

namespace {
int crea(QStringList args)
{
    const QString carpeta = Comandos::extraeTablas(args);
    if (carpeta.isEmpty()) {
        Comandos::error(QStringLiteral("Falta la carpeta después de --tablas."));
        return 2;
    }
    if (!args.isEmpty()) {
        Comandos::error(QStringLiteral("Argumento no reconocido: %1").arg(args.first()));
        return 2;
    }
    try {
        Base::crea(carpeta);
    } catch (const ErrorBase &e) {
        Comandos::error(e.mensaje());
        return 2;
    }
    Comandos::imprime(QStringLiteral("Se creó la base de datos de la solicitud en %1").arg(Base::archivoEn(carpeta)));
    return 0;
}
} // namespace

REGISTRA_COMANDO(crea, "crea", "crea [--tablas DIR]   crea la carpeta de tablas con su base y sus catálogos", crea)
