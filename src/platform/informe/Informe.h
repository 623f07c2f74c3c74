#pragma once
// Motor de informes por bandas.
//
// Uso (todas las medidas en milímetros; x desde el margen izquierdo, y desde el borde
// superior de la banda):
//
//     Informe::Reporte r(QStringLiteral("Datos Generales"));
//     r.margenes = {10, 10, 10, 10};                       // izquierdo, superior, derecho, inferior
//     r.marco = true;                                      // recuadro en cada página
//     auto &enc = r.banda(Informe::TipoBanda::EncabezadoPagina, 20);
//     enc.imagen(0, 0, 30, 15, emblema());
//     enc.fecha(150, 2).alinea(Qt::AlignRight, r.anchoUtil() - 150);
//     auto &cab = r.banda(Informe::TipoBanda::EncabezadoSeccion, 8);   // sale sólo con la 1.ª fila
//     cab.texto(0, 1, "BECAS RECIBIDAS").negrita();
//     auto &det = r.banda(Informe::TipoBanda::Detalle, 6).datos(qBecas);  // una vez por fila
//     det.campo(0, 0, 80, qBecas, "lugar");
//     det.campo(90, 0, 30, qBecas, "sexo").alImprimir([](const QString &v) {
//         return v == u"F" ? QStringLiteral("Femenino") : QStringLiteral("Masculino"); });
//     auto &res = r.banda(Informe::TipoBanda::Resumen, 20).nuevaPagina();
//     res.campo(0, 0, r.anchoUtil(), qGral, "Mot_A").crece();          // se reparte en páginas
//     r.banda(Informe::TipoBanda::PiePagina, 10).pagina(0, 4, "Página: ");
//
//     Informe::Documento doc = r.maqueta();                // modelo de páginas (para pruebas)
//     Informe::escribePdf(doc, "salida.pdf");              // o Informe::previsualiza(doc, padre)
//
// `r.fuente` es la letra de los elementos de las bandas que se creen después. En una caja,
// alto 0 es un renglón; un elemento que crece (crece()) parte su texto en renglones, empuja
// hacia abajo lo que está debajo de él en la banda, y sus renglones siguen en la página
// siguiente cuando no caben: sólo las bandas con texto que crece se parten; las demás pasan
// enteras a la página siguiente. El texto rico crece con su contenido, pero no se parte.
// juntos(y1, y2) mantiene en una misma hoja lo que abarca (una firma con su nombre).
//
// Las bandas del cuerpo se imprimen en el orden en que se crean; el encabezado y el pie de
// página, en cada página. Una banda de detalle con datos se repite por cada fila de su
// consulta (ninguna vez si está vacía); sin datos se imprime una vez. Un encabezado de
// sección pertenece a la banda de detalle que le sigue: sale junto con su primera fila y no
// se repite en la página siguiente. Una banda hija sigue a la banda anterior cada vez que
// ésta se imprime. Los valores se leen y los manejadores alImprimir corren al maquetar.
#include "platform/informe/Pagina.h"

#include <QColor>
#include <QImage>
#include <QMarginsF>
#include <QRectF>
#include <QString>
#include <deque>
#include <functional>

class Consulta;

namespace Informe {

enum class TipoBanda { EncabezadoPagina, Titulo, EncabezadoSeccion, Detalle, Resumen, Hija, PiePagina };

enum class Clase { Texto, Fecha, Hora, Pagina, Linea, Rectangulo, Imagen, TextoRico };

// Un elemento de banda. Los modificadores devuelven el propio elemento para encadenarlos.
struct Elemento {
    Clase clase = Clase::Texto;
    QString nombre;                          // para buscarlo en pruebas y en el modelo de páginas
    QRectF caja;                             // mm, relativa a la banda; ancho 0 = el del texto
    QString texto;                           // texto fijo, o prefijo de fecha, hora y página
    std::function<QString()> valor;          // texto de datos (campo o calculado)
    std::function<QString(const QString &)> manejador;   // reemplaza el texto al imprimir
    Fuente fuente;
    Qt::Alignment alineacion = Qt::AlignLeft;
    QColor color = Qt::black;
    QColor relleno;                          // inválido: sin relleno
    double grosor = 0.25;                    // mm, de líneas y rectángulos
    bool creciente = false;                  // parte en renglones, crece y pasa de página
    bool ajustado = false;                   // parte en renglones dentro de su caja
    bool enmarcado = false;                  // recuadro alrededor (también al crecer)
    bool junta = false;                      // no se dibuja: lo que abarca no se parte entre hojas
    QImage dibujo;

    Elemento &negrita(bool si = true) { fuente.negrita = si; return *this; }
    Elemento &cursiva(bool si = true) { fuente.cursiva = si; return *this; }
    Elemento &subrayado(bool si = true) { fuente.subrayado = si; return *this; }
    Elemento &tamano(double puntos) { fuente.puntos = puntos; return *this; }
    Elemento &familia(const QString &f) { fuente.familia = f; return *this; }
    Elemento &colorTexto(const QColor &c) { color = c; return *this; }
    Elemento &rellena(const QColor &c) { relleno = c; return *this; }
    Elemento &grueso(double mm) { grosor = mm; return *this; }
    // Alineación dentro de la caja; con ancho > 0 lo fija (útil para alinear a la derecha).
    Elemento &alinea(Qt::Alignment a, double ancho = 0)
    {
        alineacion = a;
        if (ancho > 0)
            caja.setWidth(ancho);
        return *this;
    }
    Elemento &crece() { creciente = true; return *this; }
    Elemento &ajusta() { ajustado = true; return *this; }
    Elemento &marco() { enmarcado = true; return *this; }
    Elemento &alImprimir(std::function<QString(const QString &)> m) { manejador = std::move(m); return *this; }
    Elemento &llamado(const QString &n) { nombre = n; return *this; }
};

class Banda {
public:
    Banda(TipoBanda tipo, double alto, const Fuente &fuente) : m_tipo(tipo), m_alto(alto), m_fuente(fuente) {}

    // Elementos de texto. Ancho 0: el del texto, en un renglón.
    Elemento &texto(double x, double y, const QString &texto, double ancho = 0);
    Elemento &campo(double x, double y, double ancho, const Consulta &datos, const QString &columna);
    Elemento &calculado(double x, double y, double ancho, std::function<QString()> valor);
    Elemento &fecha(double x, double y, const QString &prefijo = {});
    Elemento &hora(double x, double y, const QString &prefijo = {});
    Elemento &pagina(double x, double y, const QString &prefijo = {});
    // HTML sencillo (<b>, <i>, <br>, <p>) con la fuente del elemento; crece con su texto.
    Elemento &textoRico(double x, double y, double ancho, const QString &html);
    // Figuras.
    Elemento &linea(double x1, double y1, double x2, double y2);
    Elemento &rectangulo(double x, double y, double ancho, double alto);
    Elemento &imagen(double x, double y, double ancho, double alto, const QImage &imagen);
    // Lo que está entre y1 e y2 (con lo que crezca) sale junto en una hoja: nunca se parte.
    Elemento &juntos(double y1, double y2);

    // Propiedades de la banda.
    Banda &datos(Consulta &consulta) { m_datos = &consulta; return *this; }
    Banda &nuevaPagina(bool si = true) { m_nuevaPagina = si; return *this; }
    // Regla al imprimir: la banda sale sólo cuando devuelve true.
    Banda &visible(std::function<bool()> regla) { m_visible = std::move(regla); return *this; }
    Banda &llamada(const QString &n) { m_nombre = n; return *this; }

    TipoBanda tipo() const { return m_tipo; }
    double alto() const { return m_alto; }
    const QString &nombre() const { return m_nombre; }
    Consulta *fuenteDatos() const { return m_datos; }
    bool fuerzaPagina() const { return m_nuevaPagina; }
    bool seImprime() const { return !m_visible || m_visible(); }
    const std::deque<Elemento> &elementos() const { return m_elementos; }

private:
    Elemento &agrega(Clase c, const QRectF &caja);

    TipoBanda m_tipo;
    double m_alto;
    Fuente m_fuente;
    QString m_nombre;
    Consulta *m_datos = nullptr;
    bool m_nuevaPagina = false;
    std::function<bool()> m_visible;
    std::deque<Elemento> m_elementos;     // deque: las referencias devueltas no se invalidan
};

class Reporte {
public:
    explicit Reporte(const QString &titulo = {}) : titulo(titulo) {}

    QString titulo;
    QSizeF papel{215.9, 279.4};               // carta vertical, mm
    QMarginsF margenes{10, 10, 10, 10};       // izquierdo, superior, derecho, inferior
    bool marco = false;                       // recuadro por los márgenes en cada página
    Fuente fuente;                            // la de los elementos nuevos
    QString formatoFecha;                     // vacío: el formato corto del sistema
    QString formatoHora = QStringLiteral("HH:mm:ss");
    // Con consulta maestra vacía no se imprime nada (sin ella, siempre al menos una página).
    const Consulta *maestra = nullptr;

    Banda &banda(TipoBanda tipo, double alto);
    double anchoUtil() const { return papel.width() - margenes.left() - margenes.right(); }
    const std::deque<Banda> &bandas() const { return m_bandas; }

    // Ejecuta el informe: recorre los datos, corre las reglas y reparte las bandas en páginas.
    Documento maqueta() const;

private:
    std::deque<Banda> m_bandas;
};

} // namespace Informe
