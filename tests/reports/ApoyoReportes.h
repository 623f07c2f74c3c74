#pragma once
// Ayudas comunes de las pruebas de los reportes impresos: leer el modelo de páginas,
// capturar la vista previa modal y escribir el PDF con solicitud-cli para leerlo con
// pdftotext.
#include "platform/informe/Pagina.h"
#include "support/Cli.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <utility>

namespace ApoyoReportes {

// Textos de un elemento en una página, sin blancos a los lados (los de en medio cuentan).
QStringList textos(const Informe::Pagina &p, const QString &origen);
// El primero de ellos; vacío si no se imprimió.
inline QString valor(const Informe::Pagina &p, const QString &origen) { return textos(p, origen).value(0); }
// El primero con los blancos normalizados; vacío si no se imprimió.
inline QString texto(const Informe::Pagina &p, const QString &origen) { return valor(p, origen).simplified(); }

// Las partes impresas de un elemento en una página, unidas con un blanco y normalizadas.
QString unido(const Informe::Pagina &p, const QString &origen);

// Primera hoja (desde 0) sin nada propio: sólo lo que traen todas las hojas (encabezado y
// pie) y su número de página; -1 si no hay ninguna. Con una sola hoja, -1.
int hojaSinCuerpo(const Informe::Documento &d);

// Dónde aparece por primera vez un texto: (página desde 0, arriba de su caja); página -1 si
// no aparece.
std::pair<int, double> lugar(const Informe::Documento &d, const QString &texto);
inline int hojaDe(const Informe::Documento &d, const QString &texto) { return lugar(d, texto).first; }

// Lo que enseñó la vista previa modal que abre `imprime`; se cierra en cuanto aparece.
struct VistaPrevia {
    QString titulo;
    int paginas = -1;
};
VistaPrevia capturaVistaPrevia(const std::function<void()> &imprime);

// Solicitante JOSÉ [nombre2] NÚÑEZ [materno]: acentos y, por omisión, un apóstrofo.
void solicitante(const QVariant &nombre2, const QVariant &materno = QStringLiteral("O'PEÑA"));

// Un reporte escrito como PDF por `solicitud-cli imprime` y su texto según pdftotext.
struct Pdf {
    SalidaCli cli;      // lo que respondió solicitud-cli
    QString archivo;    // ruta que se le pidió (en una carpeta temporal ya borrada)
    QString texto;      // con un salto de página (\f) al final de cada hoja
    bool leido = false; // pdftotext terminó bien
};
bool hayPdftotext();
// `conFormato`: pdftotext -layout, que respeta las columnas de la hoja.
Pdf imprimePdf(const QString &reporte, const QString &carpeta, bool conFormato = false);

// Vacío si `texto` contiene todos los buscados; si no, cuáles faltan y el texto completo
// (`mostrado`, o el mismo `texto`), para el mensaje de la prueba.
QString faltan(const QString &texto, const QStringList &buscados, const QString &mostrado = {});

} // namespace ApoyoReportes

// Las pruebas del PDF necesitan pdftotext (paquete poppler-utils).
#define REQUIERE_PDFTOTEXT()                                                    \
    do {                                                                        \
        if (!ApoyoReportes::hayPdftotext())                                     \
            QSKIP("pdftotext no está instalado (paquete poppler-utils)");       \
    } while (false)
