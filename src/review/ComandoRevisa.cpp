// solicitud-cli revisa [--ubica] [--tablas DIR]
#include "platform/Base.h"
#include "platform/Comandos.h"
#include "review/Revision.h"

#include <QDir>
#include <QFileInfo>

namespace {
// Imprime el reporte de la revisión; 0 sin nada bloqueante, 1 con algo bloqueante y 2
// cuando las tablas no se pueden leer. No escribe nada: una carpeta o una base que no
// existen no se crean. Con --ubica cada hallazgo lleva, tras un TAB cada uno, la ventana, el
// control y el registro donde se corrige.
int revisa(const Comandos::Linea &linea)
{
    const bool ubica = linea.marca(QStringLiteral("ubica"));
    const auto tablas = Comandos::leeArgumentos(linea, 0);
    if (!tablas)
        return 2;
    const QString carpeta = *tablas;
    if (!QFileInfo(carpeta).isDir()) {
        Comandos::error(QStringLiteral("No existe la carpeta de tablas «%1»; no hay solicitud que revisar.")
                            .arg(QDir::toNativeSeparators(carpeta)));
        return 2;
    }
    if (!QFileInfo::exists(Base::archivoEn(carpeta))) {
        Comandos::error(QStringLiteral("La carpeta «%1» no tiene la base de datos de la solicitud; no hay solicitud "
                                       "que revisar.").arg(QDir::toNativeSeparators(carpeta)));
        return 2;
    }
    Revision::Resultado r;
    try {
        Base::abreLectura(carpeta);
        r = Revision::revisa();
    } catch (const ErrorBase &e) {
        Base::cierra();
        Comandos::error(e.mensaje());
        return 2;
    }
    Base::cierra();
    for (const QString &linea : ubica ? Revision::conLugares(r) : r.lineas)
        Comandos::imprime(linea);
    return r.sinInconsistencias ? 0 : 1;
}
} // namespace

REGISTRA_COMANDO(revisa, "revisa",
                 "revisa [--ubica] [--tablas DIR]   revisa la solicitud e imprime sus inconsistencias (sale con 1 si "
                 "hay alguna que impide entregarla); --ubica añade a cada una, separados por TAB, la ventana, el "
                 "control y el registro donde se corrige",
                 revisa, "--ubica", "--tablas DIR")
