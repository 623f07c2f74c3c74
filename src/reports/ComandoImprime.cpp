// solicitud-cli imprime REPORTE SALIDA.pdf [--tablas DIR]
#include "platform/Base.h"
#include "platform/Comandos.h"
#include "platform/Consulta.h"
#include "platform/Esquema.h"
#include "review/Revision.h"
#include "platform/informe/Pintor.h"
#include "reports/Reportes.h"

#include <QDir>
#include <QFileInfo>

namespace {
QString listaReportes() { return Reportes::nombres().join(QStringLiteral(", ")); }

// La leyenda de borrador sale de General.Cerrar, que Administración pone con el veredicto de la
// revisión justo antes de imprimir. Aquí se revisa igual, pero sin escribir en la base: una
// vista temporal con el mismo nombre tapa General en esta conexión y da el Cerrar de este
// veredicto. Así una solicitud cambiada después de la última revisión nunca sale como final.
void leyendaDeLaRevision()
{
    const char *cerrar = Revision::revisa().sinInconsistencias ? "'S'" : "'N'";
    QStringList columnas;
    for (const Esquema::Columna &c : Esquema::busca(QStringLiteral("General"))->columnas)
        columnas << (qstricmp(c.nombre, "Cerrar") == 0 ? QLatin1String(cerrar) + QStringLiteral(" AS Cerrar") : QLatin1String(c.nombre));
    Consulta q;
    q.ejecuta(QStringLiteral("CREATE TEMP VIEW General AS SELECT %1 FROM main.General").arg(columnas.join(u',')));
}

int imprime(const Comandos::Linea &linea)
{
    const auto tablas = Comandos::leeArgumentos(
        linea, 2, QStringLiteral("Faltan argumentos. Uso: solicitud-cli imprime REPORTE SALIDA.pdf [--tablas DIR]; reportes: %1").arg(listaReportes()));
    if (!tablas)
        return 2;
    const QString carpeta = *tablas;
    const QString nombre = linea.argumentos().at(0);
    const QString salida = linea.argumentos().at(1);
    if (!Reportes::existe(nombre)) {
        Comandos::error(QStringLiteral("Reporte desconocido: %1. Reportes: %2").arg(nombre, listaReportes()));
        return 2;
    }
    // Imprimir no crea nada: la carpeta y su base deben existir ya.
    if (!QFileInfo(carpeta).isDir()) {
        Comandos::error(QStringLiteral("No existe la carpeta de tablas %1").arg(carpeta));
        return 2;
    }
    if (!QFileInfo::exists(Base::archivoEn(carpeta))) {
        Comandos::error(QStringLiteral("La carpeta %1 no tiene la base de la solicitud (%2)").arg(carpeta, Base::archivoEn(carpeta)));
        return 2;
    }
    const QFileInfo destino(salida);
    if (destino.isDir() || !destino.absoluteDir().exists()) {
        Comandos::error(QStringLiteral("No se puede escribir el archivo %1").arg(salida));
        return 2;
    }
    try {
        // Imprimir sólo lee: funciona con el programa abierto y con una base de sólo lectura.
        Base::abreLectura(carpeta);
        leyendaDeLaRevision();
        const Informe::Documento doc = *Reportes::construye(nombre);
        Base::cierra();
        // Un informe sin hojas (el del fideicomiso sin solicitante) no deja un PDF en blanco.
        if (doc.paginas.isEmpty()) {
            Comandos::error(QStringLiteral("El reporte %1 no tiene nada que imprimir: falta el solicitante. No se escribió %2.")
                                .arg(nombre, salida));
            return 2;
        }
        const QString error = Informe::escribePdf(doc, salida);
        if (!error.isEmpty()) {
            Comandos::error(error);
            return 2;
        }
        Comandos::imprime(QStringLiteral("Se escribió el reporte %1 en %2 (%3 páginas)").arg(nombre, salida).arg(doc.paginas.size()));
    } catch (const ErrorBase &e) {
        Base::cierra();
        Comandos::error(e.mensaje());
        return 2;
    }
    return 0;
}
} // namespace

REGISTRA_COMANDO(imprime, "imprime", "imprime REPORTE SALIDA.pdf [--tablas DIR]   escribe un reporte impreso como PDF", imprime,
                 "--tablas DIR")
