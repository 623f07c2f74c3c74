// solicitud-cli crea [--tablas DIR]
#include "platform/Base.h"
#include "platform/Comandos.h"

namespace {
int crea(const Comandos::Linea &linea)
{
    const auto tablas = Comandos::leeArgumentos(linea, 0);
    if (!tablas)
        return 2;
    const QString carpeta = *tablas;
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

REGISTRA_COMANDO(crea, "crea", "crea [--tablas DIR]   crea la carpeta de tablas con su base y sus catálogos", crea,
                 "--tablas DIR")
