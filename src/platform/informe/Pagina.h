#pragma once
// Modelo de páginas de un informe ya maquetado: figuras colocadas en milímetros sobre cada
// página. Lo produce Reporte::maqueta(), lo dibuja el pintor y lo revisan las pruebas.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

namespace Informe {

// Tipo de letra de escritorio Debian (paquete fonts-dejavu-core).
struct Fuente {
    QString familia = QStringLiteral("DejaVu Sans");
    double puntos = 9;
    bool negrita = false;
    bool cursiva = false;
    bool subrayado = false;

    // Letra escalable medida en unidades de dibujo (1/1200 de pulgada), igual en todo
    // dispositivo: lo que se mide al maquetar es lo que se dibuja.
    QFont qfont() const;
    bool operator==(const Fuente &) const = default;
};

// Unidades de dibujo por milímetro.
inline constexpr double kUnidadesPorMm = 1200.0 / 25.4;

// Medidas de un texto de un renglón, en mm, tal como se maqueta y se dibuja.
double anchoTexto(const Fuente &fuente, const QString &texto);
double altoRenglon(const Fuente &fuente);

struct Primitiva {
    enum class Tipo { Texto, Linea, Rectangulo, Imagen, TextoRico };
    Tipo tipo = Tipo::Texto;
    QRectF caja;              // mm desde la esquina de la hoja; una línea va de topLeft a bottomRight
    QString texto;            // un renglón ya partido, o el HTML del texto rico
    QString origen;           // nombre del elemento que la produjo
    Fuente fuente;
    QColor color = Qt::black;
    QColor relleno;
    double grosor = 0.25;
    double base = 0;          // mm: línea base del renglón (texto)
    QImage dibujo;
};

struct Pagina {
    int numero = 0;
    QList<Primitiva> primitivas;

    // Textos de la página en orden de lectura (de arriba abajo, de izquierda a derecha); el
    // texto rico, como texto llano.
    QStringList textos() const;
    // Todo el texto de la página unido con saltos de renglón.
    QString contenido() const { return textos().join(u'\n'); }
    // Primera primitiva de texto igual a `texto` (o del elemento `origen`), o nullptr.
    const Primitiva *busca(const QString &texto) const;
    const Primitiva *deOrigen(const QString &origen) const;
    QList<const Primitiva *> todasDeOrigen(const QString &origen) const;
    int cuenta(Primitiva::Tipo tipo) const;
};

struct Documento {
    QString titulo;
    QSizeF papel{215.9, 279.4};
    QList<Pagina> paginas;
};

} // namespace Informe
