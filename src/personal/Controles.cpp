#include "personal/Controles.h"
#include "shell/Teclado.h"
#include "platform/Consulta.h"
#include "platform/Edits.h"
#include "shell/U_inicial.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QWheelEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QToolButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStandardItemModel>
#include <QStyleOptionComboBox>
#include <QtMath>

GrupoOpciones::GrupoOpciones(const QString &nombre, const QString &titulo, const QStringList &elementos,
                             int columnas, QWidget *parent)
    : QGroupBox(titulo, parent), m_grupo(new QButtonGroup(this)), m_rejilla(new QGridLayout(this)),
      m_columnas(columnas)
{
    setObjectName(nombre);
    m_rejilla->setContentsMargins(8, 4, 8, 4);
    m_rejilla->setVerticalSpacing(2);
    connect(m_grupo, &QButtonGroup::idClicked, this, &GrupoOpciones::eligio);
    ponElementos(elementos);
}

void GrupoOpciones::ponElementos(const QStringList &elementos)
{
    for (QAbstractButton *b : m_grupo->buttons()) {
        m_grupo->removeButton(b);
        delete b;
    }
    for (int i = 0; i < elementos.size(); ++i) {
        auto *b = new QRadioButton(elementos.at(i), this);
        b->setObjectName(objectName() + u'_' + QString::number(i));
        m_grupo->addButton(b, i);
        m_rejilla->addWidget(b, i / m_columnas, i % m_columnas);
        // Visible ya (no al volver al ciclo de eventos): la ventana mide el grupo enseguida.
        b->show();
    }
}

int GrupoOpciones::indice() const { return m_grupo->checkedId(); }

void GrupoOpciones::ponIndice(int i)
{
    if (i < 0 || !m_grupo->button(i)) {
        // Un grupo excluyente no deja quitar la marca: se suspende un momento.
        m_grupo->setExclusive(false);
        for (QAbstractButton *b : m_grupo->buttons())
            b->setChecked(false);
        m_grupo->setExclusive(true);
        return;
    }
    m_grupo->button(i)->setChecked(true);
}

QStringList GrupoOpciones::elementos() const
{
    QStringList r;
    for (int i = 0; m_grupo->button(i); ++i)
        r << m_grupo->button(i)->text();
    return r;
}

void ListaFija::ponLetras(int letras)
{
    if (letras < 0 || letras == m_letras)
        return;
    m_letras = letras;
    setMinimumContentsLength(letras);
    updateGeometry();
}

QSize ListaFija::sizeHint() const
{
    if (m_letras == 0)
        return QComboBox::sizeHint();
    // Las letras y el icono (con su separación de 4 px), la altura de la letra o del icono y lo
    // que el estilo agrega alrededor, como lo calcula QComboBox con esa política.
    const QFontMetrics fm = fontMetrics();
    const QSize icono = iconSize();
    int ancho = m_letras * fm.horizontalAdvance(u'X') + icono.width() + 4;
    if (!placeholderText().isEmpty())
        ancho = qMax(ancho, fm.boundingRect(placeholderText()).width());
    const int alto = qMax(qMax(qCeil(QFontMetricsF(fm).height()), 14) + 2, icono.height() + 2);
    QStyleOptionComboBox opcion;
    initStyleOption(&opcion);
    return style()->sizeFromContents(QStyle::CT_ComboBox, &opcion, QSize(ancho, alto), this);
}

QSize ListaFija::minimumSizeHint() const { return m_letras == 0 ? QComboBox::minimumSizeHint() : sizeHint(); }

ListaConfirmada::ListaConfirmada(QWidget *parent) : ListaFija(parent)
{
    connect(this, &QComboBox::activated, this, [this] {
        m_pendiente = true;
        if (!m_hojeando && !property(Teclado::kHojeando).toBool())
            confirma();
    });
}

void ListaConfirmada::confirma()
{
    if (!m_pendiente)
        return;
    m_pendiente = false;
    emit confirmada();
}

void ListaConfirmada::keyPressEvent(QKeyEvent *e)
{
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && m_pendiente) {
        e->accept();
        confirma();
        return;
    }
    m_hojeando = true;
    QComboBox::keyPressEvent(e);
    m_hojeando = false;
}

void ListaConfirmada::wheelEvent(QWheelEvent *e)
{
    m_hojeando = true;
    QComboBox::wheelEvent(e);
    m_hojeando = false;
}

void ListaConfirmada::focusOutEvent(QFocusEvent *e)
{
    QComboBox::focusOutEvent(e);
    // Abrir la lista o un mensaje no es salir del control; cerrar la ventana tampoco es
    // confirmar lo que se hojeaba (no se pregunta nada mientras se cierra).
    if (e->reason() != Qt::PopupFocusReason && e->reason() != Qt::ActiveWindowFocusReason && isVisible())
        confirma();
}

namespace Listas {

QHBoxLayout *conBoton(QComboBox *combo, QToolButton *boton)
{
    auto *h = new QHBoxLayout;
    h->setSpacing(2);
    h->addWidget(combo, 1);
    if (boton)
        h->addWidget(boton);
    else
        h->addSpacing(26);
    return h;
}
namespace {
void anotaClaves(Consulta &q, QComboBox *combo)
{
    const int fila = q.fila();
    int i = 0;
    for (q.primero(); !q.fin() && i < combo->count(); q.siguiente(), ++i)
        combo->setItemData(i, q.campo(0).entero());
    if (!q.vacia())
        q.mueveA(fila);
}
} // namespace

void llena(Consulta &q, QComboBox *combo)
{
    auto *modelo = qobject_cast<QStandardItemModel *>(combo->model());
    if (!modelo || combo->modelColumn() != 0) {
        W_Inicial()->Llena_Combo(q, combo, 1);
        anotaClaves(q, combo);
        return;
    }
    // Cada renglón entra con su texto y su clave, todos de una vez: como Llena_Combo seguido de
    // anotar las claves, sin un aviso de cambio por renglón.
    q.cierra();
    q.abre();
    QList<QStandardItem *> renglones;
    renglones.reserve(q.cuenta());
    for (q.primero(); !q.fin(); q.siguiente()) {
        auto *r = new QStandardItem(q.campo(1).texto());
        r->setData(q.campo(0).entero(), Qt::UserRole);
        renglones << r;
    }
    q.primero();
    const QSignalBlocker bloqueo(combo);
    combo->clear();
    if (!renglones.isEmpty())
        modelo->invisibleRootItem()->appendRows(renglones);
    combo->setCurrentIndex(-1);
}

void ubica(Consulta &q, qint64 clave, QComboBox *combo)
{
    W_Inicial()->Ubica_Clave(q, clave, combo);
    anotaClaves(q, combo);
}

void elige(Consulta &q, qint64 clave, QComboBox *combo)
{
    W_Inicial()->Elige_Clave(q, clave, combo);
}

void posiciona(Consulta &q, QComboBox *combo)
{
    if (!q.activa())
        q.abre();
    q.primero();
    if (combo->currentIndex() > 0 && combo->currentIndex() < q.cuenta())
        q.mueveA(combo->currentIndex());
}

std::optional<qint64> clave(QComboBox *combo)
{
    if (combo->currentIndex() < 0)
        return std::nullopt;
    const QVariant v = combo->currentData();
    if (!v.isValid())
        return std::nullopt;
    return v.toLongLong();
}

qint64 claveOPrimera(QComboBox *combo, Consulta &q)
{
    if (const auto c = clave(combo))
        return *c;
    if (!q.activa())
        q.abre();
    q.primero();
    return q.campo(0).entero();
}
} // namespace Listas
