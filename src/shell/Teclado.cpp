#include "shell/Teclado.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QBoxLayout>
#include <QComboBox>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <QButtonGroup>
#include <QRadioButton>
#include <QElapsedTimer>
#include <QGraphicsView>
#include <QGridLayout>
#include <QGroupBox>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <QTextEdit>
#include <QToolButton>
#include <algorithm>

namespace Teclado {
namespace {

// Marcas: el nombre lo puso esta unidad (se renueva con la etiqueta) y la etiqueta la ligó
// esta unidad por su lugar (se vuelve a buscar su campo cada vez).
constexpr char kNombreLigado[] = "tecladoNombreLigado";
constexpr char kLigadaPorLugar[] = "tecladoLigadaPorLugar";
constexpr char kPreparada[] = "tecladoPreparada";

// Parte interna de otro control (la línea de una lista editable o de un selector numérico).
bool interno(const QWidget *w, const QWidget *ventana)
{
    for (const QWidget *p = w->parentWidget(); p && p != ventana; p = p->parentWidget())
        if (qobject_cast<const QComboBox *>(p) || qobject_cast<const QAbstractSpinBox *>(p))
            return true;
    return false;
}

// Control donde se captura un dato (no un botón ni una opción).
bool esCampo(const QWidget *w)
{
    return qobject_cast<const QLineEdit *>(w) || qobject_cast<const QComboBox *>(w) ||
           qobject_cast<const QAbstractSpinBox *>(w) || qobject_cast<const QPlainTextEdit *>(w) ||
           qobject_cast<const QTextEdit *>(w);
}

// Campo en el que se puede escribir o elegir ahora (no uno de sólo lectura).
bool editable(const QWidget *w)
{
    if (!w || !esCampo(w) || !w->isEnabled())
        return false;
    if (const auto *l = qobject_cast<const QLineEdit *>(w))
        return !l->isReadOnly();
    if (const auto *t = qobject_cast<const QPlainTextEdit *>(w))
        return !t->isReadOnly();
    if (const auto *t = qobject_cast<const QTextEdit *>(w))
        return !t->isReadOnly();
    if (const auto *s = qobject_cast<const QAbstractSpinBox *>(w))
        return !s->isReadOnly();
    return true;
}

// Nombre puesto por la ventana misma: no se toca.
bool nombrePropio(const QWidget *w) { return !w->accessibleName().isEmpty() && !w->property(kNombreLigado).toBool(); }

// La etiqueta misma se lee sin sus marcas (en Linux una lista se nombra con su etiqueta).
void nombraEtiqueta(QLabel *l)
{
    const QString nombre = nombreDe(l->text());
    if (nombre == l->text() && !l->property(kNombreLigado).toBool())
        return;
    if (nombrePropio(l) || l->accessibleName() == nombre)
        return;
    l->setProperty(kNombreLigado, true);
    l->setAccessibleName(nombre);
}

void nombra(QWidget *w, const QString &texto)
{
    const QString nombre = nombreDe(texto);
    if (nombre.isEmpty() || nombrePropio(w))
        return;
    w->setProperty(kNombreLigado, true);
    if (w->accessibleName() != nombre)
        w->setAccessibleName(nombre);
}

// Layout (dentro de `l`) que tiene a `w` como elemento directo, y su posición.
std::pair<QLayout *, int> busca(QLayout *l, const QWidget *w)
{
    for (int i = 0; i < l->count(); ++i) {
        QLayoutItem *it = l->itemAt(i);
        if (it->widget() == w)
            return {l, i};
        if (QLayout *h = it->layout())
            if (auto r = busca(h, w); r.first)
                return r;
    }
    return {nullptr, -1};
}

// El primer campo de un elemento de layout (el de una lista con su botón de agregar, p. ej.).
QWidget *campoDe(QLayoutItem *it)
{
    if (!it)
        return nullptr;
    if (QWidget *w = it->widget())
        return esCampo(w) ? w : nullptr;
    if (QLayout *l = it->layout())
        for (int i = 0; i < l->count(); ++i)
            if (QWidget *w = campoDe(l->itemAt(i)))
                return w;
    return nullptr;
}

// Campos de una celda de la rejilla (dos si comparten lugar y sólo uno está a la vista).
QList<QWidget *> camposEn(QGridLayout *g, int fila, int columna)
{
    QList<QWidget *> r;
    for (int k = 0; k < g->count(); ++k) {
        int f, c, fs, cs;
        g->getItemPosition(k, &f, &c, &fs, &cs);
        if (f <= fila && fila < f + fs && c == columna)
            if (QWidget *w = campoDe(g->itemAt(k)))
                r << w;
    }
    return r;
}

// Vecino de un elemento en su layout: a la derecha (o al lado siguiente/anterior en una fila);
// en una rejilla, debajo si a la derecha no hay campo (un encabezado de columna).
QList<QWidget *> vecinos(const QWidget *w, bool derecha)
{
    QWidget *padre = w->parentWidget();
    if (!padre || !padre->layout())
        return {};
    auto [l, i] = busca(padre->layout(), w);
    if (auto *g = qobject_cast<QGridLayout *>(l)) {
        int f, c, fs, cs;
        g->getItemPosition(i, &f, &c, &fs, &cs);
        if (!derecha)
            return camposEn(g, f, c - 1);
        QList<QWidget *> r = camposEn(g, f, c + cs);
        return r.isEmpty() ? camposEn(g, f + fs, c) : r;
    }
    if (l) {
        if (QWidget *v = campoDe(l->itemAt(derecha ? i + 1 : i - 1)))
            return {v};
    }
    return {};
}

// Botón sin texto legible (sólo un dibujo, o "+").
bool soloDibujo(const QAbstractButton *b)
{
    const QString t = nombreDe(b->text());
    return std::none_of(t.cbegin(), t.cend(), [](QChar c) { return c.isLetterOrNumber(); });
}

void nombraBoton(QAbstractButton *b)
{
    if (nombrePropio(b) || !soloDibujo(b))
        return;
    const QList<QWidget *> lista = vecinos(b, false);
    const bool agrega = b->toolTip().startsWith(QStringLiteral("Agrega")) || b->text() == u"+";
    if (agrega && !lista.isEmpty() && !lista.first()->accessibleName().isEmpty())
        nombra(b, QStringLiteral("Agregar ") + lista.first()->accessibleName().toLower());
    else if (!b->toolTip().isEmpty())
        nombra(b, b->toolTip());
}

// Enter pulsa el botón que tiene el foco, como la barra espaciadora.
class FiltroEnter : public QObject {
public:
    explicit FiltroEnter(QWidget *ventana) : QObject(ventana) { ventana->installEventFilter(this); }

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override
    {
        if (evento->type() != QEvent::KeyPress)
            return QObject::eventFilter(objeto, evento);
        const auto *k = static_cast<QKeyEvent *>(evento);
        if ((k->key() != Qt::Key_Return && k->key() != Qt::Key_Enter) || (k->modifiers() & ~Qt::KeypadModifier))
            return false;
        QWidget *foco = QApplication::focusWidget();
        auto *b = qobject_cast<QAbstractButton *>(foco);
        if (!b || !(qobject_cast<QPushButton *>(b) || qobject_cast<QToolButton *>(b)) || !b->isEnabled() ||
            !static_cast<QWidget *>(parent())->isAncestorOf(b))
            return false;
        b->click();
        return true;
    }
};

// Búsqueda al teclear en una lista de sólo elegir: por el principio del nombre, sin distinguir
// mayúsculas ni acentos («mex» halla «México»), y con blancos («san pedro t» halla «San Pedro
// Tlaquepaque»): un blanco sigue la búsqueda empezada en lugar de abrir la lista. Alt+Abajo
// y F4 la abren como siempre.
class BusquedaEnLista : public QObject {
public:
    explicit BusquedaEnLista(QComboBox *lista) : QObject(lista) { lista->installEventFilter(this); }

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override
    {
        auto *lista = static_cast<QComboBox *>(objeto);
        if (evento->type() != QEvent::KeyPress || lista->isEditable())
            return false;
        const auto *k = static_cast<QKeyEvent *>(evento);
        const QString t = k->text();
        if (t.size() != 1 || !t.at(0).isPrint() || (k->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
            return false;
        if (!m_reloj.isValid() || m_reloj.elapsed() > QApplication::keyboardInputInterval())
            m_buscado.clear();
        if (t == u" " && m_buscado.isEmpty())
            return false;   // sin búsqueda empezada, el blanco hace lo de siempre
        m_reloj.start();
        m_buscado += pliega(t);
        const int hallado = busca(lista);
        if (hallado >= 0 && hallado != lista->currentIndex()) {
            lista->setCurrentIndex(hallado);
            lista->setProperty(kHojeando, true);
            emit lista->activated(hallado);
            lista->setProperty(kHojeando, false);
        }
        return true;
    }

private:
    // Sin acentos ni mayúsculas: «Ñ» queda como «n», como en un teclado sin acentos.
    static QString pliega(const QString &s)
    {
        QString r;
        for (QChar c : s.normalized(QString::NormalizationForm_D))
            if (c.category() != QChar::Mark_NonSpacing)
                r += c.toCaseFolded();
        return r;
    }
    // El renglón mostrado si ya empieza así (teclear más no salta); si no, el primero que empiece así.
    int busca(const QComboBox *lista) const
    {
        const int actual = lista->currentIndex();
        if (actual >= 0 && pliega(lista->itemText(actual)).startsWith(m_buscado))
            return actual;
        for (int i = 0; i < lista->count(); ++i)
            if (pliega(lista->itemText(i)).startsWith(m_buscado))
                return i;
        return -1;
    }

    QString m_buscado;
    QElapsedTimer m_reloj;
};

// Dos bloques van en un renglón si el de abajo empieza en la mitad de arriba del otro (del más
// bajo de los dos), o si cada uno tiene su centro dentro del alto del otro: un campo de una
// línea centrado junto a un grupo alto (los meses junto a la carta de aceptación) es del
// renglón del grupo aunque empiece más abajo.
bool mismoRenglon(const QRect &primero, const QRect &otro)
{
    if (otro.top() < primero.top() + qMin(primero.height(), otro.height()) / 2)
        return true;
    const auto dentro = [](int y, const QRect &r) { return y >= r.top() && y <= r.bottom(); };
    return dentro(otro.center().y(), primero) && dentro(primero.center().y(), otro);
}

// Ordena los bloques de un contenedor por renglones (mismoRenglon con el primero del
// renglón); cada renglón, de izquierda a derecha.
void ordenLectura(QList<QWidget *> &v)
{
    std::stable_sort(v.begin(), v.end(), [](QWidget *a, QWidget *b) { return a->geometry().top() < b->geometry().top(); });
    for (qsizetype i = 0; i < v.size();) {
        const QRect g0 = v.at(i)->geometry();
        qsizetype j = i + 1;
        while (j < v.size() && mismoRenglon(g0, v.at(j)->geometry()))
            ++j;
        std::stable_sort(v.begin() + i, v.begin() + j, [](QWidget *a, QWidget *b) { return a->geometry().left() < b->geometry().left(); });
        i = j;
    }
}

// Los candidatos en orden de lectura: cada hijo directo del contenedor es un bloque (un
// grupo se recorre entero antes de pasar al de al lado).
void ordena(QWidget *contenedor, const QList<QWidget *> &candidatos, QList<QWidget *> &salida)
{
    QList<QWidget *> bloques;
    QHash<QWidget *, QList<QWidget *>> dentro;
    for (QWidget *c : candidatos) {
        QWidget *b = c;
        while (b->parentWidget() != contenedor)
            b = b->parentWidget();
        if (!dentro.contains(b))
            bloques << b;
        dentro[b] << c;
    }
    ordenLectura(bloques);
    for (QWidget *b : bloques) {
        QList<QWidget *> resto = dentro.value(b);
        if (resto.removeAll(b))
            salida << b;
        if (!resto.isEmpty())
            ordena(b, resto, salida);
    }
}

} // namespace

QString nombreDe(const QString &etiqueta)
{
    QString t = etiqueta;
    t.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(u'&').replace(u'\x01', u'&');
    t.remove(u'·').remove(u'*');
    t = t.simplified();
    while (t.endsWith(u':'))
        t.chop(1);
    return t.trimmed();
}

void liga(QLabel *etiqueta, QWidget *control)
{
    etiqueta->setBuddy(control);
    nombraEtiqueta(etiqueta);
    nombra(control, etiqueta->text());
}

void prepara(QWidget *ventana)
{
    if (!ventana->property(kPreparada).toBool()) {
        ventana->setProperty(kPreparada, true);
        new FiltroEnter(ventana);
    }
    for (QComboBox *c : ventana->findChildren<QComboBox *>())
        if (!c->property("busquedaEnLista").toBool()) {
            c->setProperty("busquedaEnLista", true);
            new BusquedaEnLista(c);
        }
    for (QPlainTextEdit *t : ventana->findChildren<QPlainTextEdit *>())
        t->setTabChangesFocus(true);
    for (QTextEdit *t : ventana->findChildren<QTextEdit *>())
        t->setTabChangesFocus(true);

    const QList<QLabel *> etiquetas = ventana->findChildren<QLabel *>();
    QSet<QWidget *> ligados;
    for (QLabel *l : etiquetas)
        if (l->buddy() && !l->property(kLigadaPorLugar).toBool()) {
            nombraEtiqueta(l);
            nombra(l->buddy(), l->text());
            ligados.insert(l->buddy());
        }
    for (QLabel *l : etiquetas) {
        if ((l->buddy() && !l->property(kLigadaPorLugar).toBool()) || nombreDe(l->text()).isEmpty())
            continue;
        bool primero = true;
        for (QWidget *c : vecinos(l, true)) {
            if (ligados.contains(c))
                continue;
            if (primero || (c->isVisibleTo(ventana) && !l->buddy()->isVisibleTo(ventana))) {
                l->setBuddy(c);
                l->setProperty(kLigadaPorLugar, true);
            }
            primero = false;
            nombraEtiqueta(l);
            nombra(c, l->text());
            ligados.insert(c);
        }
    }
    // Un campo solo bajo el título de un grupo y sin etiqueta propia: el título es su etiqueta.
    for (QGroupBox *g : ventana->findChildren<QGroupBox *>()) {
        QList<QWidget *> campos;
        for (QWidget *c : g->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (esCampo(c))
                campos << c;
        if (campos.size() == 1 && !ligados.contains(campos.first()))
            nombra(campos.first(), g->title());
    }
    for (QAbstractButton *b : ventana->findChildren<QAbstractButton *>())
        nombraBoton(b);
}

namespace {
// Con `actual` aunque ya no se pueda enfocar (se oculta o se deshabilita con el foco): el foco
// pasa al que le sigue en su lugar.
// El grupo de opciones excluyentes al que pertenece el botón (su QButtonGroup, o su padre si se
// excluyen solos), o nullptr.
const QObject *grupoDe(const QWidget *w)
{
    const auto *r = qobject_cast<const QRadioButton *>(w);
    if (!r)
        return nullptr;
    if (r->group())
        return r->group()->exclusive() ? r->group() : nullptr;
    return r->autoExclusive() ? r->parentWidget() : nullptr;
}

// Un grupo de opciones es una sola parada de Tab, como en cualquier escritorio: la opción
// marcada (o, si no hay, la primera); la que tiene el foco, si está en el grupo. Así las flechas
// mueven la elección desde la marcada y una barra espaciadora no marca otra por descuido.
QList<QWidget *> unaParadaPorGrupo(const QList<QWidget *> &lista, QWidget *actual)
{
    QHash<const QObject *, QWidget *> elegida;
    for (QWidget *w : lista)
        if (const QObject *g = grupoDe(w)) {
            QWidget *&e = elegida[g];
            const bool marcada = static_cast<QRadioButton *>(w)->isChecked();
            if (!e || w == actual || (marcada && e != actual))
                e = w;
        }
    QList<QWidget *> r;
    for (QWidget *w : lista) {
        const QObject *g = grupoDe(w);
        if (!g || elegida.value(g) == w)
            r << w;
    }
    return r;
}

// Un orden fijo de Tab, hijo de la ventana que lo declara.
class OrdenFijo : public QObject {
public:
    OrdenFijo(QWidget *ventana, const QList<QWidget *> &controles) : QObject(ventana)
    {
        for (QWidget *c : controles)
            lista << c;
    }
    QList<QPointer<QWidget>> lista;
};

void aplicaOrdenesFijos(QWidget *ventana, QList<QWidget *> &r)
{
    for (const QObject *hijo : ventana->children()) {
        const auto *o = dynamic_cast<const OrdenFijo *>(hijo);   // sin Q_OBJECT: qobject_cast no lo distingue
        if (!o)
            continue;
        QList<qsizetype> lugares;
        QList<QWidget *> presentes;
        for (const QPointer<QWidget> &c : o->lista)
            if (const qsizetype i = c ? r.indexOf(c.data()) : -1; i >= 0) {
                lugares << i;
                presentes << c.data();
            }
        std::sort(lugares.begin(), lugares.end());
        for (qsizetype k = 0; k < lugares.size(); ++k)
            r[lugares[k]] = presentes[k];
    }
}

QList<QWidget *> recorridoDesde(QWidget *ventana, QWidget *actual)
{
    QList<QWidget *> candidatos;
    for (QWidget *w : ventana->findChildren<QWidget *>())
        if (w == actual || ((w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && w->isVisibleTo(ventana) &&
                            w->isEnabled() && !interno(w, ventana) && !tapado(w)))
            candidatos << w;
    QList<QWidget *> r;
    ordena(ventana, candidatos, r);
    r = unaParadaPorGrupo(r, actual);
    aplicaOrdenesFijos(ventana, r);
    return r;
}
} // namespace

// Tapado por un hermano que ocupa su lugar y se dibuja encima: con Tab el foco caería en él sin
// que se vea lo que Entrar oprime.
bool tapado(const QWidget *w)
{
    const QWidget *padre = w->parentWidget();
    if (!padre || !padre->isVisible())   // sin mostrar, los lugares aún no son los de la vista
        return false;
    const QObjectList &hermanos = padre->children();   // en el orden en que se dibujan
    for (qsizetype i = hermanos.indexOf(const_cast<QWidget *>(w)) + 1; i > 0 && i < hermanos.size(); ++i) {
        const auto *encima = qobject_cast<const QWidget *>(hermanos[i]);
        if (!encima || encima->isWindow() || !encima->isVisibleTo(padre))
            continue;
        // Casi entero: un botón con dibujo es un poco más alto que el que lo tapa.
        const QRect comun = encima->geometry().intersected(w->geometry());
        if (!comun.isEmpty() && 4 * qint64(comun.width()) * comun.height() >= 3 * qint64(w->width()) * w->height())
            return true;
    }
    return false;
}

QList<QWidget *> recorrido(QWidget *ventana) { return recorridoDesde(ventana, nullptr); }

void ordenFijo(QWidget *ventana, const QList<QWidget *> &controles) { new OrdenFijo(ventana, controles); }

bool avanza(QWidget *ventana, bool adelante)
{
    if (!ventana->isVisible())   // se cierra con el foco dentro: que Qt lo saque
        return false;
    prepara(ventana);   // las etiquetas pudieron cambiar con lo que muestra la ventana
    QWidget *actual = QApplication::focusWidget();
    while (actual && interno(actual, ventana))
        actual = actual->parentWidget();
    if (!ventana->isAncestorOf(actual))
        actual = nullptr;
    const QList<QWidget *> lista = recorridoDesde(ventana, actual);
    const qsizetype n = lista.size();
    if (n == 0 || (n == 1 && actual))
        return false;
    const qsizetype i = lista.indexOf(actual);
    const qsizetype j = i < 0 ? (adelante ? 0 : n - 1) : (i + (adelante ? 1 : n - 1)) % n;
    lista.at(j)->setFocus(adelante ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

void enfocaPrimero(QWidget *ventana)
{
    prepara(ventana);
    const QList<QWidget *> lista = recorrido(ventana);
    const auto it = std::find_if(lista.cbegin(), lista.cend(), [](QWidget *w) { return editable(w); });
    if (it != lista.cend())
        (*it)->setFocus(Qt::OtherFocusReason);
    else if (!lista.isEmpty())
        lista.first()->setFocus(Qt::OtherFocusReason);
}

void enfocaAlAbrir(QWidget *ventana)
{
    QWidget *foco = ventana->focusWidget();
    while (foco && interno(foco, ventana))
        foco = foco->parentWidget();
    if (foco && ventana->isAncestorOf(foco) && editable(foco) && foco->isVisibleTo(ventana)) {
        foco->setFocus(Qt::OtherFocusReason);
        return;
    }
    enfocaPrimero(ventana);
}

namespace {
// Con el foco, el estilo dibuja su marco de foco como si hubiera llegado con Tab: el estilo
// lo calla cuando el foco lo puso el programa (al abrir, desde el reporte de inconsistencias).
class ConFoco {
public:
    explicit ConFoco(const QStyleOption *o) : m_o(const_cast<QStyleOption *>(o))
    {
        m_agrega = m_o && (m_o->state & QStyle::State_HasFocus) && !(m_o->state & QStyle::State_KeyboardFocusChange);
        if (m_agrega)
            m_o->state |= QStyle::State_KeyboardFocusChange;
    }
    ~ConFoco()
    {
        if (m_agrega)
            m_o->state &= ~QStyle::State_KeyboardFocusChange;
    }
    ConFoco(const ConFoco &) = delete;
    ConFoco &operator=(const ConFoco &) = delete;

private:
    QStyleOption *m_o;
    bool m_agrega = false;
};

// El marco de foco del programa donde el estilo no marca uno a la vista: dos líneas del color de
// resaltado en el borde del control.
void anilloDeFoco(QPainter *p, const QRect &r, const QPalette &paleta)
{
    p->save();
    const QColor c = paleta.color(QPalette::Highlight);
    p->setPen(QPen(c.darker(125), 1));
    p->setBrush(Qt::NoBrush);
    p->drawRect(r.adjusted(0, 0, -1, -1));
    QColor interior = c;
    interior.setAlpha(110);
    p->setPen(QPen(interior, 1));
    p->drawRect(r.adjusted(1, 1, -2, -2));
    p->restore();
}

class EstiloFoco : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    void drawPrimitive(PrimitiveElement e, const QStyleOption *o, QPainter *p, const QWidget *w) const override
    {
        // Un botón de sólo dibujo (el de agregar a una lista) marca el foco casi transparente.
        if (e == PE_FrameFocusRect && w && qobject_cast<const QToolButton *>(w)) {
            anilloDeFoco(p, w->rect(), o->palette);
            return;
        }
        const ConFoco f(o);
        QProxyStyle::drawPrimitive(e, o, p, w);
    }
    void drawControl(ControlElement e, const QStyleOption *o, QPainter *p, const QWidget *w) const override
    {
        const ConFoco f(o);
        QProxyStyle::drawControl(e, o, p, w);
        // Un cuadro de varias líneas (o la página de la vista previa) no marca el foco en su marco:
        // se resalta como una línea.
        if (e == CE_ShapedFrame && o && (o->state & State_HasFocus) &&
            (qobject_cast<const QPlainTextEdit *>(w) || qobject_cast<const QTextEdit *>(w) || qobject_cast<const QGraphicsView *>(w)))
            anilloDeFoco(p, o->rect, o->palette);
    }
    void drawComplexControl(ComplexControl c, const QStyleOptionComplex *o, QPainter *p, const QWidget *w) const override
    {
        const ConFoco f(o);
        QProxyStyle::drawComplexControl(c, o, p, w);
    }
};
} // namespace

void instalaEstilo()
{
    if (dynamic_cast<EstiloFoco *>(QApplication::style()))
        return;
    QApplication::setStyle(estiloConFoco(QStyleFactory::create(QApplication::style()->name())));
}

QStyle *estiloConFoco(QStyle *base) { return new EstiloFoco(base); }

const QStyle *estiloBase(const QStyle *estilo)
{
    if (auto *foco = dynamic_cast<const EstiloFoco *>(estilo))
        return foco->baseStyle();
    return estilo;
}

} // namespace Teclado
