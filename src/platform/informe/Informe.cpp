#include "platform/informe/Informe.h"
#include "platform/Consulta.h"

#include <QFontMetricsF>
#include <QTextDocumentFragment>
#include <algorithm>

namespace Informe {

double anchoTexto(const Fuente &fuente, const QString &texto)
{
    return QFontMetricsF(fuente.qfont()).horizontalAdvance(texto) / kUnidadesPorMm;
}

double altoRenglon(const Fuente &fuente) { return QFontMetricsF(fuente.qfont()).height() / kUnidadesPorMm; }

QFont Fuente::qfont() const
{
    QFont f(familia);
    f.setStyleHint(QFont::SansSerif);
    // Tamaño en unidades de dibujo: no depende de la resolución del dispositivo.
    f.setPixelSize(std::max(1, qRound(puntos * 1200.0 / 72.0)));
    f.setBold(negrita);
    f.setItalic(cursiva);
    f.setUnderline(subrayado);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::StyleStrategy(QFont::ForceOutline | QFont::PreferQuality));
    // Un espaciado mínimo (1/64 de unidad) apaga las ligaduras ("fi", "fl"): el PDF lleva
    // las letras tal cual y quien busque "firme" en su texto lo encuentra.
    f.setLetterSpacing(QFont::AbsoluteSpacing, 1.0 / 64);
    return f;
}

// --- Bandas -------------------------------------------------------------------------------------

Elemento &Banda::agrega(Clase c, const QRectF &caja)
{
    Elemento &e = m_elementos.emplace_back();
    e.clase = c;
    e.caja = caja;
    e.fuente = m_fuente;
    return e;
}

Elemento &Banda::texto(double x, double y, const QString &texto, double ancho)
{
    Elemento &e = agrega(Clase::Texto, QRectF(x, y, ancho, 0));
    e.texto = texto;
    return e;
}

Elemento &Banda::campo(double x, double y, double ancho, const Consulta &datos, const QString &columna)
{
    Elemento &e = agrega(Clase::Texto, QRectF(x, y, ancho, 0));
    e.nombre = columna;
    e.valor = [&datos, columna] { return datos.campo(columna).texto(); };
    return e;
}

Elemento &Banda::calculado(double x, double y, double ancho, std::function<QString()> valor)
{
    Elemento &e = agrega(Clase::Texto, QRectF(x, y, ancho, 0));
    e.valor = std::move(valor);
    return e;
}

Elemento &Banda::fecha(double x, double y, const QString &prefijo)
{
    Elemento &e = agrega(Clase::Fecha, QRectF(x, y, 0, 0));
    e.texto = prefijo;
    return e;
}

Elemento &Banda::hora(double x, double y, const QString &prefijo)
{
    Elemento &e = agrega(Clase::Hora, QRectF(x, y, 0, 0));
    e.texto = prefijo;
    return e;
}

Elemento &Banda::pagina(double x, double y, const QString &prefijo)
{
    Elemento &e = agrega(Clase::Pagina, QRectF(x, y, 0, 0));
    e.texto = prefijo;
    return e;
}

Elemento &Banda::textoRico(double x, double y, double ancho, const QString &html)
{
    Elemento &e = agrega(Clase::TextoRico, QRectF(x, y, ancho, 0));
    e.texto = html;
    return e;
}

Elemento &Banda::linea(double x1, double y1, double x2, double y2)
{
    return agrega(Clase::Linea, QRectF(QPointF(x1, y1), QPointF(x2, y2)));
}

Elemento &Banda::rectangulo(double x, double y, double ancho, double alto)
{
    return agrega(Clase::Rectangulo, QRectF(x, y, ancho, alto));
}

Elemento &Banda::juntos(double y1, double y2)
{
    Elemento &e = agrega(Clase::Rectangulo, QRectF(0, y1, 0, y2 - y1));
    e.junta = true;
    return e;
}

Elemento &Banda::imagen(double x, double y, double ancho, double alto, const QImage &imagen)
{
    Elemento &e = agrega(Clase::Imagen, QRectF(x, y, ancho, alto));
    e.dibujo = imagen;
    return e;
}

Banda &Reporte::banda(TipoBanda tipo, double alto) { return m_bandas.emplace_back(tipo, alto, fuente); }

// --- Modelo de páginas ----------------------------------------------------------------------------

namespace {
QList<const Primitiva *> textosOrdenados(const Pagina &p)
{
    QList<const Primitiva *> r;
    for (const Primitiva &x : p.primitivas)
        if (x.tipo == Primitiva::Tipo::Texto || x.tipo == Primitiva::Tipo::TextoRico)
            r << &x;
    // Mismo renglón si las líneas base casi coinciden.
    std::stable_sort(r.begin(), r.end(), [](const Primitiva *a, const Primitiva *b) {
        if (std::abs(a->base - b->base) > 0.5)
            return a->base < b->base;
        return a->caja.left() < b->caja.left();
    });
    return r;
}
} // namespace

QStringList Pagina::textos() const
{
    QStringList r;
    for (const Primitiva *p : textosOrdenados(*this))
        r << (p->tipo == Primitiva::Tipo::TextoRico ? QTextDocumentFragment::fromHtml(p->texto).toPlainText() : p->texto);
    return r;
}

const Primitiva *Pagina::busca(const QString &texto) const
{
    for (const Primitiva &p : primitivas)
        if (p.tipo == Primitiva::Tipo::Texto && p.texto == texto)
            return &p;
    return nullptr;
}

const Primitiva *Pagina::deOrigen(const QString &origen) const
{
    for (const Primitiva &p : primitivas)
        if (p.origen == origen)
            return &p;
    return nullptr;
}

QList<const Primitiva *> Pagina::todasDeOrigen(const QString &origen) const
{
    QList<const Primitiva *> r;
    for (const Primitiva &p : primitivas)
        if (p.origen == origen)
            r << &p;
    return r;
}

int Pagina::cuenta(Primitiva::Tipo tipo) const
{
    return int(std::count_if(primitivas.cbegin(), primitivas.cend(), [tipo](const Primitiva &p) { return p.tipo == tipo; }));
}

} // namespace Informe
