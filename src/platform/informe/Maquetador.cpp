// Maquetación: ejecuta las bandas del informe y las reparte en páginas.
#include <functional>
#include "platform/informe/Informe.h"
#include "platform/Consulta.h"
#include "platform/Regional.h"
#include "platform/Reloj.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

namespace Informe {
namespace {

constexpr double kEps = 0.01;   // mm

// Una figura de una banda ya ejecutada, con y relativa al borde superior de la banda.
struct Pieza {
    Primitiva p;
    bool divisible = false;     // un recuadro o una línea que se estira: se puede cortar
    bool reserva = false;       // no se dibuja: mantiene junto lo que cubre
    double arriba() const { return std::min(p.caja.top(), p.caja.bottom()); }
    double abajo() const { return std::max(p.caja.top(), p.caja.bottom()); }
};

struct Instancia {
    QList<Pieza> piezas;
    double alto = 0;
    bool divisible = false;     // tiene texto que crece: puede repartirse entre páginas
};

struct Renglon {
    QString texto;
    double ancho;   // mm
};

double aMm(double unidades) { return unidades / kUnidadesPorMm; }

// ¿Hay algo que se lea en las piezas? Texto, texto rico o imagen; una raya o un recuadro
// solos no hacen una hoja.
bool conTinta(const QList<Pieza> &piezas)
{
    for (const Pieza &p : piezas)
        if (!p.reserva && p.p.tipo != Primitiva::Tipo::Linea && p.p.tipo != Primitiva::Tipo::Rectangulo)
            return true;
    return false;
}

// Parte un párrafo en renglones con QTextLayout.
void parteParrafo(const QString &parrafo, const QFont &f, double anchoU, QList<Renglon> &r)
{
    QTextLayout tl(parrafo, f);
    QTextOption op;
    op.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    tl.setTextOption(op);
    tl.beginLayout();
    const QFontMetricsF fm(f);
    for (QTextLine l = tl.createLine(); l.isValid(); l = tl.createLine()) {
        l.setLineWidth(anchoU);
        // Los blancos del final del renglón no cuentan para alinear.
        QString sinFinal = parrafo.mid(l.textStart(), l.textLength());
        while (!sinFinal.isEmpty() && sinFinal.back().isSpace())
            sinFinal.chop(1);
        r << Renglon{sinFinal, aMm(fm.horizontalAdvance(sinFinal))};
    }
    tl.endLayout();
}

// Parte un texto en renglones que caben en `ancho` mm (cada salto de renglón, un párrafo).
// Una palabra más larga que el renglón se corta dentro de él. QTextLayout lo hace también,
// pero buscando el fin de la palabra en cada renglón: con una palabra de un millón de
// caracteres eso tarda minutos. Aquí esa palabra se reparte antes en trozos que caben, cada
// uno medido carácter por carácter una sola vez.
QList<Renglon> parte(const QString &texto, const QFont &f, double ancho)
{
    QList<Renglon> r;
    const double anchoU = ancho * kUnidadesPorMm;
    const QFontMetricsF fm(f);
    // Ninguna palabra de menos caracteres que esto puede pasar del renglón.
    const int seguro = std::max(1, int(anchoU / std::max(1.0, fm.maxWidth())));
    QString t = texto;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');
    for (const QString &parrafo : t.split(u'\n')) {
        if (parrafo.trimmed().isEmpty()) {
            r << Renglon{QString(), 0};
            continue;
        }
        qsizetype inicio = 0;   // lo pendiente de partir con QTextLayout
        qsizetype i = 0;
        const qsizetype n = parrafo.size();
        while (i < n) {
            if (parrafo.at(i).isSpace()) {
                ++i;
                continue;
            }
            qsizetype fin = i;
            while (fin < n && !parrafo.at(fin).isSpace())
                ++fin;
            // Se mide carácter por carácter: el ancho de la palabra entera desborda el punto
            // fijo de Qt con cientos de miles de caracteres.
            if (fin - i > seguro) {
                qsizetype desde = i;
                double acumulado = 0;
                for (qsizetype k = i; k < fin; ++k) {
                    const double a = fm.horizontalAdvance(parrafo.at(k));
                    if (acumulado + a > anchoU && k > desde) {
                        // Lo pendiente antes de la palabra va en sus propios renglones.
                        if (desde == i && !parrafo.mid(inicio, i - inicio).trimmed().isEmpty())
                            parteParrafo(parrafo.mid(inicio, i - inicio), f, anchoU, r);
                        const QString trozo = parrafo.mid(desde, k - desde);
                        r << Renglon{trozo, aMm(fm.horizontalAdvance(trozo))};
                        desde = k;
                        acumulado = 0;
                    }
                    acumulado += a;
                }
                // El último trozo, que cabe, sigue con lo que venga después.
                if (desde > i)
                    inicio = desde;
            }
            i = fin;
        }
        if (inicio < n)
            parteParrafo(parrafo.mid(inicio), f, anchoU, r);
    }
    return r;
}

class Maquetador {
public:
    explicit Maquetador(const Reporte &r) : m_r(r)
    {
        const QDateTime ahora = Reloj::ahora();
        m_fecha = ahora.date().toString(r.formatoFecha.isEmpty() ? Regional::formatoFechaCorta() : r.formatoFecha);
        m_hora = ahora.time().toString(r.formatoHora);
        for (const Banda &b : r.bandas()) {
            if (b.tipo() == TipoBanda::EncabezadoPagina && !m_encabezado)
                m_encabezado = &b;
            if (b.tipo() == TipoBanda::PiePagina && !m_pie)
                m_pie = &b;
        }
        m_doc.titulo = r.titulo;
        m_doc.papel = r.papel;
    }

    Documento ejecuta();

private:
    // Lo que da cada elemento de una banda antes de correr lo que está debajo: sus piezas,
    // dónde empieza, dónde acabaría sin crecer y cuánto creció.
    struct Medido {
        QList<Pieza> piezas;
        double arriba = 0, abajoNominal = 0, crecimiento = 0;
        bool divisible = false;   // creció en renglones que se pueden repartir entre hojas
    };
    Instancia instancia(const Banda &b);
    Medido mide(const Elemento &e, double x0);
    Medido mideTexto(const Elemento &e, double x0);
    Medido mideTextoRico(const Elemento &e, double x0) const;
    static Medido mideFigura(const Elemento &e, double x0);
    // Cuánto baja lo que empieza en `y`: lo que creció encima, más lo que eso mismo bajó; de dos
    // elementos lado a lado cuenta el que más empuja, no la suma.
    static double corrimiento(const std::vector<Medido> &medidos, double y);
    static Pieza corrida(Pieza p, const Elemento &e, const Medido &m, const std::vector<Medido> &medidos);
    void textoEnPiezas(const Elemento &e, const QString &s, double x, double y, Instancia &in, double &altoFinal);
    void abrePagina();
    void cierraPagina();
    void nuevaPagina();
    void empiezaHoja();
    void emite(const QList<Pieza> &piezas, double y);
    void coloca(Instancia in);
    double corte(const Instancia &in, double espacio) const;
    void imprimeBloque(const std::deque<Banda> &bandas, size_t i, size_t fin, const Banda *encabezado);

    const Reporte &m_r;
    Documento m_doc;
    const Banda *m_encabezado = nullptr;
    const Banda *m_pie = nullptr;
    QString m_fecha, m_hora;
    double m_y = 0;
    double m_limite = 0;
    double m_cuerpoArriba = 0;   // donde empieza el cuerpo, bajo el encabezado de página
    bool m_cuerpoVacio = true;   // nada que se lea en el cuerpo de esta hoja todavía
};

// --- Ejecución de una banda -----------------------------------------------------------------------

void Maquetador::textoEnPiezas(const Elemento &e, const QString &s, double x, double y, Instancia &in, double &altoFinal)
{
    const QFont f = e.fuente.qfont();
    const QFontMetricsF fm(f);
    const double alto = aMm(fm.height());
    const double ascenso = aMm(fm.ascent());
    QList<Renglon> renglones;
    const double ancho = e.caja.width();
    if ((e.creciente || e.ajustado) && ancho > 0) {
        renglones = parte(s, f, ancho);
        if (e.ajustado && !e.creciente) {
            const int caben = std::max(1, int(std::floor((std::max(e.caja.height(), alto) + kEps) / alto)));
            if (renglones.size() > caben)
                renglones.resize(caben);
        }
    } else {
        QString uno = s;
        uno.replace(u'\n', u' ').remove(u'\r');
        renglones << Renglon{uno, aMm(fm.horizontalAdvance(uno))};
    }
    // Sin renglones con texto no hay nada que dibujar ni que crecer.
    while (!renglones.isEmpty() && renglones.back().texto.isEmpty())
        renglones.removeLast();
    altoFinal = std::max(e.caja.height() > 0 ? e.caja.height() : alto, e.creciente ? renglones.size() * alto : 0.0);
    for (int i = 0; i < renglones.size(); ++i) {
        const Renglon &rg = renglones.at(i);
        if (rg.texto.isEmpty())
            continue;
        double xr = x;
        if (ancho > 0) {
            if (e.alineacion & Qt::AlignRight)
                xr = x + ancho - rg.ancho;
            else if (e.alineacion & Qt::AlignHCenter)
                xr = x + (ancho - rg.ancho) / 2;
        }
        Pieza pz;
        pz.p.tipo = Primitiva::Tipo::Texto;
        pz.p.texto = rg.texto;
        pz.p.origen = e.nombre;
        pz.p.fuente = e.fuente;
        pz.p.color = e.color;
        pz.p.caja = QRectF(xr, y + i * alto, rg.ancho, alto);
        pz.p.base = y + i * alto + ascenso;
        in.piezas << pz;
    }
}

Maquetador::Medido Maquetador::mideTexto(const Elemento &e, double x0)
{
    QString s;
    if (e.clase == Clase::Texto)
        s = e.valor ? e.valor() : e.texto;
    else if (e.clase == Clase::Fecha)
        s = e.texto + m_fecha;
    else if (e.clase == Clase::Hora)
        s = e.texto + m_hora;
    else
        s = e.texto + QString::number(m_doc.paginas.size());
    if (e.manejador)
        s = e.manejador(s);
    Medido m;
    m.arriba = e.caja.top();
    Instancia tmp;
    double altoFinal = 0;
    textoEnPiezas(e, s, x0 + e.caja.left(), e.caja.top(), tmp, altoFinal);
    const double nominal = e.caja.height() > 0 ? e.caja.height() : aMm(QFontMetricsF(e.fuente.qfont()).height());
    m.abajoNominal = e.caja.top() + nominal;
    m.crecimiento = e.creciente ? std::max(0.0, altoFinal - nominal) : 0;
    m.divisible = e.creciente;
    if (e.enmarcado) {
        Pieza marco;
        marco.p.tipo = Primitiva::Tipo::Rectangulo;
        marco.p.origen = e.nombre;
        marco.p.caja = QRectF(x0 + e.caja.left(), e.caja.top(), e.caja.width(), altoFinal);
        marco.p.grosor = e.grosor;
        marco.divisible = true;
        tmp.piezas.prepend(marco);
    }
    m.piezas = tmp.piezas;
    return m;
}

Maquetador::Medido Maquetador::mideTextoRico(const Elemento &e, double x0) const
{
    QTextDocument d;
    d.setDefaultFont(e.fuente.qfont());
    d.setDocumentMargin(0);
    d.setHtml(e.texto);
    d.setTextWidth(e.caja.width() * kUnidadesPorMm);
    const double alto = aMm(d.documentLayout()->documentSize().height());
    Pieza p;
    p.p.tipo = Primitiva::Tipo::TextoRico;
    p.p.texto = e.texto;
    p.p.origen = e.nombre;
    p.p.fuente = e.fuente;
    p.p.caja = QRectF(x0 + e.caja.left(), e.caja.top(), e.caja.width(), alto);
    p.p.base = e.caja.top();
    Medido m;
    m.piezas << p;
    m.arriba = e.caja.top();
    m.abajoNominal = e.caja.top() + std::max(0.0, e.caja.height());
    m.crecimiento = std::max(0.0, alto - std::max(0.0, e.caja.height()));
    return m;
}

Maquetador::Medido Maquetador::mideFigura(const Elemento &e, double x0)
{
    Pieza p;
    p.p.tipo = e.clase == Clase::Linea ? Primitiva::Tipo::Linea : e.clase == Clase::Rectangulo ? Primitiva::Tipo::Rectangulo
                                                                                               : Primitiva::Tipo::Imagen;
    p.p.origen = e.nombre;
    p.p.caja = e.caja.translated(x0, 0);
    p.p.grosor = e.grosor;
    p.p.color = e.color;
    p.p.relleno = e.relleno;
    p.p.dibujo = e.dibujo;
    p.reserva = e.junta;
    Medido m;
    m.piezas << p;
    m.arriba = e.caja.top();
    m.abajoNominal = e.caja.bottom();
    return m;
}

Maquetador::Medido Maquetador::mide(const Elemento &e, double x0)
{
    switch (e.clase) {
    case Clase::Texto:
    case Clase::Fecha:
    case Clase::Hora:
    case Clase::Pagina:
        return mideTexto(e, x0);
    case Clase::TextoRico:
        return mideTextoRico(e, x0);
    case Clase::Linea:
    case Clase::Rectangulo:
    case Clase::Imagen:
        break;
    }
    return mideFigura(e, x0);
}

double Maquetador::corrimiento(const std::vector<Medido> &medidos, double y)
{
    double c = 0;
    for (const Medido &m : medidos)
        if (m.crecimiento > 0 && m.abajoNominal <= y + kEps && m.arriba < m.abajoNominal)
            c = std::max(c, corrimiento(medidos, m.arriba) + m.crecimiento);
    return c;
}

Pieza Maquetador::corrida(Pieza p, const Elemento &e, const Medido &m, const std::vector<Medido> &medidos)
{
    if (e.clase != Clase::Linea && e.clase != Clase::Rectangulo) {
        const double c = corrimiento(medidos, m.arriba);
        p.p.caja.translate(0, c);
        p.p.base += c;
        return p;
    }
    // Una figura que abarca texto que crece se estira con él.
    QRectF k = p.p.caja;
    const double c1 = corrimiento(medidos, std::min(k.top(), k.bottom()));
    const double c2 = corrimiento(medidos, std::max(k.top(), k.bottom()));
    if (k.top() <= k.bottom()) {
        k.setTop(k.top() + c1);
        k.setBottom(k.bottom() + c2);
    } else {
        k.setBottom(k.bottom() + c1);
        k.setTop(k.top() + c2);
    }
    // Lo que mantiene junto un bloque crece con él pero no se corta.
    p.divisible = !p.reserva && c2 > c1;
    p.p.caja = k;
    return p;
}

Instancia Maquetador::instancia(const Banda &b)
{
    // Primero el contenido de cada elemento y cuánto crece; luego el corrimiento de lo de abajo.
    const double x0 = m_r.margenes.left();
    const auto &els = b.elementos();
    std::vector<Medido> medidos;
    medidos.reserve(els.size());
    Instancia in;
    for (const Elemento &e : els) {
        medidos.push_back(mide(e, x0));
        in.divisible = in.divisible || medidos.back().divisible;
    }
    double alto = b.alto() + corrimiento(medidos, b.alto());
    for (size_t i = 0; i < medidos.size(); ++i)
        for (const Pieza &p : medidos[i].piezas) {
            in.piezas << corrida(p, els.at(i), medidos[i], medidos);
            alto = std::max(alto, in.piezas.constLast().abajo());
        }
    in.alto = alto;
    return in;
}

// --- Páginas ------------------------------------------------------------------------------------

void Maquetador::emite(const QList<Pieza> &piezas, double y)
{
    if (conTinta(piezas))
        m_cuerpoVacio = false;
    Pagina &pg = m_doc.paginas.last();
    for (const Pieza &pz : piezas) {
        if (pz.reserva)
            continue;
        Primitiva p = pz.p;
        p.caja.translate(0, y);
        p.base += y;
        pg.primitivas << p;
    }
}

void Maquetador::abrePagina()
{
    Pagina p;
    p.numero = int(m_doc.paginas.size()) + 1;
    m_doc.paginas << p;
    if (m_r.marco) {
        Primitiva m;
        m.tipo = Primitiva::Tipo::Rectangulo;
        m.origen = QStringLiteral("marco");
        m.caja = QRectF(m_r.margenes.left(), m_r.margenes.top(), m_r.anchoUtil(),
                        m_r.papel.height() - m_r.margenes.top() - m_r.margenes.bottom());
        m_doc.paginas.last().primitivas << m;
    }
    m_y = m_r.margenes.top();
    m_limite = m_r.papel.height() - m_r.margenes.bottom() - (m_pie ? m_pie->alto() : 0);
    if (m_encabezado && m_encabezado->seImprime()) {
        const Instancia in = instancia(*m_encabezado);
        emite(in.piezas, m_y);
        m_y += in.alto;
    }
    m_cuerpoArriba = m_y;
    m_cuerpoVacio = true;
}

void Maquetador::cierraPagina()
{
    if (m_pie && m_pie->seImprime()) {
        const Instancia in = instancia(*m_pie);
        emite(in.piezas, m_r.papel.height() - m_r.margenes.bottom() - m_pie->alto());
    }
}

void Maquetador::nuevaPagina()
{
    cierraPagina();
    abrePagina();
}

// Una banda que empieza hoja: en una hoja sin nada que se lea, empieza ahí mismo, arriba.
void Maquetador::empiezaHoja()
{
    if (m_cuerpoVacio)
        m_y = m_cuerpoArriba;
    else
        nuevaPagina();
}

// Mayor posición de corte <= espacio que no parte ninguna figura indivisible y deja algo
// en esta página; 0 si no la hay.
double Maquetador::corte(const Instancia &in, double espacio) const
{
    QList<double> candidatos{espacio};
    for (const Pieza &p : in.piezas) {
        if (p.arriba() < espacio)
            candidatos << p.arriba();
        if (p.abajo() <= espacio)
            candidatos << p.abajo();
    }
    std::sort(candidatos.begin(), candidatos.end(), std::greater<double>());
    for (double c : candidatos) {
        if (c <= kEps)
            break;
        bool parte = false, deja = false;
        for (const Pieza &p : in.piezas) {
            if (!p.divisible && p.arriba() < c - kEps && p.abajo() > c + kEps)
                parte = true;
            if (!p.reserva && (p.abajo() <= c + kEps || (p.divisible && p.arriba() < c - kEps)))
                deja = true;
        }
        if (!parte && deja)
            return c;
    }
    return 0;
}

void Maquetador::coloca(Instancia in)
{
    for (int vueltas = 0;; ++vueltas) {
        const double espacio = m_limite - m_y;
        if (in.alto <= espacio + kEps) {
            emite(in.piezas, m_y);
            m_y += in.alto;
            return;
        }
        // Lo que no se lee no ocupa la hoja: sin nada visible, la banda empieza arriba.
        if (m_cuerpoVacio && m_y > m_cuerpoArriba + kEps) {
            m_y = m_cuerpoArriba;
            continue;
        }
        // Una banda sin texto que crece no se parte: pasa entera a la página siguiente.
        if (!in.divisible && !m_cuerpoVacio) {
            nuevaPagina();
            continue;
        }
        const double c = corte(in, espacio);
        if (c <= 0 || vueltas > 10000) {
            if (!m_cuerpoVacio) {
                nuevaPagina();
                continue;
            }
            // No cabe ni en una página vacía y no se puede partir: sale entera.
            emite(in.piezas, m_y);
            m_y += in.alto;
            return;
        }
        QList<Pieza> aqui, resto;
        for (const Pieza &p : in.piezas) {
            if (p.abajo() <= c + kEps) {
                aqui << p;
            } else if (p.arriba() >= c - kEps) {
                Pieza q = p;
                q.p.caja.translate(0, -c);
                q.p.base -= c;
                resto << q;
            } else {
                // Figura divisible cortada: una parte en cada página.
                Pieza a = p, b = p;
                QRectF k = p.p.caja.normalized();
                a.p.caja = QRectF(k.left(), k.top(), k.width(), c - k.top());
                b.p.caja = QRectF(k.left(), 0, k.width(), k.bottom() - c);
                if (p.p.tipo == Primitiva::Tipo::Linea) {
                    a.p.caja = QRectF(QPointF(p.p.caja.left(), k.top()), QPointF(p.p.caja.right(), c));
                    b.p.caja = QRectF(QPointF(p.p.caja.left(), 0), QPointF(p.p.caja.right(), k.bottom() - c));
                }
                aqui << a;
                resto << b;
            }
        }
        emite(aqui, m_y);
        // El blanco del final de la banda (o una raya sola) no abre una hoja sin nada que leer.
        if (!conTinta(resto)) {
            m_y = m_limite;
            return;
        }
        in.piezas = resto;
        in.alto -= c;
        nuevaPagina();
    }
}

// Imprime la banda i (y sus hijas, de i+1 a fin) una vez, o una vez por fila de sus datos.
void Maquetador::imprimeBloque(const std::deque<Banda> &bandas, size_t i, size_t fin, const Banda *encabezado)
{
    const Banda &b = bandas.at(i);
    auto unaVez = [&](bool conEncabezado) {
        if (!b.seImprime())
            return false;
        if (b.fuerzaPagina())
            empiezaHoja();
        Instancia in = instancia(b);
        if (conEncabezado && encabezado && encabezado->seImprime()) {
            // El encabezado de sección va pegado a lo primero de su primera fila.
            Instancia enc = instancia(*encabezado);
            Instancia solo = in;
            double primerCorte = solo.alto;
            for (const Pieza &p : solo.piezas)
                if (!p.divisible && !p.reserva)
                    primerCorte = std::min(primerCorte, p.abajo());
            if (solo.piezas.isEmpty())
                primerCorte = 0;
            for (Pieza p : in.piezas) {
                p.p.caja.translate(0, enc.alto);
                p.p.base += enc.alto;
                enc.piezas << p;
            }
            Pieza junta;
            junta.reserva = true;
            junta.p.caja = QRectF(0, 0, 0, enc.alto + primerCorte);
            enc.piezas << junta;
            enc.alto += in.alto;
            enc.divisible = in.divisible;
            in = enc;
        }
        coloca(in);
        for (size_t h = i + 1; h < fin; ++h) {
            const Banda &hija = bandas.at(h);
            if (!hija.seImprime())
                continue;
            if (hija.fuerzaPagina())
                empiezaHoja();
            coloca(instancia(hija));
        }
        return true;
    };
    if (Consulta *q = b.fuenteDatos()) {
        bool primera = true;
        for (q->primero(); !q->fin(); q->siguiente())
            if (unaVez(primera))
                primera = false;
    } else {
        unaVez(true);
    }
}

Documento Maquetador::ejecuta()
{
    if (m_r.maestra && m_r.maestra->vacia())
        return m_doc;
    abrePagina();
    const auto &bandas = m_r.bandas();
    const Banda *encabezado = nullptr;
    for (size_t i = 0; i < bandas.size(); ++i) {
        const Banda &b = bandas.at(i);
        switch (b.tipo()) {
        case TipoBanda::EncabezadoPagina:
        case TipoBanda::PiePagina:
        case TipoBanda::Hija:
            continue;
        case TipoBanda::EncabezadoSeccion:
            encabezado = &b;
            continue;
        case TipoBanda::Titulo:
        case TipoBanda::Detalle:
        case TipoBanda::Resumen: {
            size_t fin = i + 1;
            while (fin < bandas.size() && bandas.at(fin).tipo() == TipoBanda::Hija)
                ++fin;
            imprimeBloque(bandas, i, fin, encabezado);
            encabezado = nullptr;
            i = fin - 1;
            break;
        }
        }
    }
    cierraPagina();
    return m_doc;
}

} // namespace

Documento Reporte::maqueta() const { return Maquetador(*this).ejecuta(); }

} // namespace Informe
