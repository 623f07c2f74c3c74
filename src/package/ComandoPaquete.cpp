// solicitud-cli verifica ORIGEN
// solicitud-cli restaura ORIGEN [--tablas DIR] [--reemplaza]
#include "package/Paquete.h"
#include "platform/Base.h"
#include "platform/Comandos.h"

#include <QDir>

namespace {

QString nativa(const QString &ruta) { return QDir::toNativeSeparators(ruta); }

// Lee el paquete e imprime lo que tiene mal. nullptr con el código de salida en `codigo`
// cuando no se puede seguir: 1 si el paquete está incompleto o cambió, 2 si ni se pudo leer.
std::unique_ptr<Paquete> leePaquete(const QString &origen, int &codigo)
{
    std::unique_ptr<Paquete> p;
    try {
        p = std::make_unique<Paquete>(origen);
    } catch (const ErrorBase &e) {
        Comandos::error(e.mensaje());
        codigo = 2;
        return nullptr;
    }
    if (!p->integro()) {
        Comandos::imprime(QStringLiteral("El paquete de «%1» está incompleto o cambió después de la entrega:").arg(nativa(origen)));
        for (const QString &problema : p->problemas())
            Comandos::imprime(problema);
        codigo = 1;
        return nullptr;
    }
    return p;
}

QString descripcion(const Paquete &p)
{
    return QStringLiteral("Paquete completo e intacto: solicitud de %1, convocatoria %2, entregada el %3.")
        .arg(p.solicitante().isEmpty() ? QStringLiteral("(sin nombre)") : p.solicitante())
        .arg(p.convocatoria())
        .arg(p.fecha().toString(QStringLiteral("dd/MM/yyyy hh:mm")));
}

// Comprueba el paquete contra su recibo y lo revisa como se revisa una solicitud antes de
// entregarla, en una base temporal. 0: completo, intacto y sin inconsistencias que impidan
// entregarlo; 1: incompleto, cambiado o con inconsistencias; 2: no se pudo comprobar.
int verifica(const Comandos::Linea &linea)
{
    if (linea.opcion(QStringLiteral("tablas"))) {
        Comandos::error(QStringLiteral("verifica no usa la carpeta de tablas: sólo lee el paquete."));
        return 2;
    }
    if (!Comandos::leeArgumentos(linea, 1, QStringLiteral("Falta la carpeta del paquete. Uso: solicitud-cli verifica ORIGEN")))
        return 2;
    int codigo = 0;
    const auto p = leePaquete(linea.argumentos().first(), codigo);
    if (!p)
        return codigo;
    Revision::Resultado r;
    try {
        r = p->revisa();
    } catch (const ErrorBase &e) {
        Comandos::error(e.mensaje());
        return 2;
    }
    Comandos::imprime(descripcion(*p));
    for (const QString &linea : std::as_const(r.lineas))
        Comandos::imprime(linea);
    return r.sinInconsistencias ? 0 : 1;
}

// Comprueba el paquete y pone su solicitud en la carpeta de tablas, en una transacción.
// 0: restaurada; 1: el paquete está incompleto o cambió (la carpeta no se toca); 2: no se
// pudo (la carpeta ya tiene una solicitud y falta --reemplaza, otro programa la usa…).
int restaura(const Comandos::Linea &linea)
{
    const bool reemplaza = linea.marca(QStringLiteral("reemplaza"));
    const auto tablas = Comandos::leeArgumentos(
        linea, 1, QStringLiteral("Falta la carpeta del paquete. Uso: solicitud-cli restaura ORIGEN [--tablas DIR] [--reemplaza]"));
    if (!tablas)
        return 2;
    int codigo = 0;
    const auto p = leePaquete(linea.argumentos().first(), codigo);
    if (!p)
        return codigo;
    Paquete::Carga c;
    Revision::Resultado r;
    try {
        r = p->revisa();
        Base::abre(*tablas);
        if (!reemplaza && Paquete::haySolicitud()) {
            Base::cierra();
            Comandos::error(QStringLiteral("La carpeta de tablas «%1» ya tiene una solicitud; no se cambió nada. Para "
                                           "reemplazarla por la del paquete, repita la orden con --reemplaza.")
                                .arg(nativa(*tablas)));
            return 2;
        }
        c = p->restaura(reemplaza);
    } catch (const ErrorBase &e) {
        Base::cierra();
        Comandos::error(e.mensaje());
        return 2;
    }
    Base::cierra();
    Comandos::imprime(descripcion(*p));
    Comandos::imprime(QStringLiteral("Se restauró la solicitud en «%1» (%2 renglones).").arg(nativa(*tablas)).arg(c.filas));
    if (c.catalogoAgregadas || c.catalogoCorregidas)
        Comandos::imprime(QStringLiteral("Renglones de catálogo agregados: %1; corregidos como los trae el paquete: %2.")
                              .arg(c.catalogoAgregadas)
                              .arg(c.catalogoCorregidas));
    for (const QString &linea : std::as_const(r.lineas))
        Comandos::imprime(linea);
    return 0;
}

} // namespace

REGISTRA_COMANDO(verifica, "verifica",
                 "verifica ORIGEN   comprueba el paquete entregado en la carpeta ORIGEN contra su recibo entrega.sha256 "
                 "y revisa su solicitud (sale con 1 si está incompleto, cambió o tiene inconsistencias)",
                 verifica, "--tablas DIR")   // se acepta sólo para decir que no se usa
REGISTRA_COMANDO(restaura, "restaura",
                 "restaura ORIGEN [--tablas DIR] [--reemplaza]   comprueba el paquete de ORIGEN y pone su solicitud en la "
                 "carpeta de tablas; si ya hay una, sólo con --reemplaza",
                 restaura, "--tablas DIR", "--reemplaza")
