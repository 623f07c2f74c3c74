#include "academic/GrupoRadio.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

GrupoRadio::GrupoRadio(const QString &nombre, const QString &titulo, const QStringList &elementos, int columnas,
                       QWidget *parent)
    : QGroupBox(titulo, parent), m_grupo(new QButtonGroup(this)), m_rejilla(new QGridLayout(this)),
      m_columnas(qMax(1, columnas))
{
    setObjectName(nombre);
    m_rejilla->setContentsMargins(8, 4, 8, 4);
    m_rejilla->setVerticalSpacing(2);
    connect(m_grupo, &QButtonGroup::idToggled, this, [this](int id, bool marcado) {
        if (marcado && !m_callado)
            emit cambio(id);
    });
    ponElementos(elementos);
}

void GrupoRadio::ponElementos(const QStringList &elementos)
{
    for (QRadioButton *b : m_botones) {
        m_grupo->removeButton(b);
        delete b;
    }
    m_botones.clear();
    for (int i = 0; i < elementos.size(); ++i) {
        auto *b = new QRadioButton(elementos.at(i), this);
        b->setObjectName(objectName() + u'_' + QString::number(i));
        m_grupo->addButton(b, i);
        m_rejilla->addWidget(b, i / m_columnas, i % m_columnas);
        m_botones << b;
    }
}

QString GrupoRadio::elemento(int i) const
{
    const QRadioButton *b = m_botones.value(i);
    return b ? b->text() : QString();
}

int GrupoRadio::indice() const { return m_grupo->checkedId(); }

void GrupoRadio::marca(int i)
{
    if (m_botones.isEmpty())
        return;
    if (i >= m_botones.size())
        i = int(m_botones.size()) - 1;
    if (i < 0) {
        if (QAbstractButton *b = m_grupo->checkedButton()) {
            m_grupo->setExclusive(false);
            b->setChecked(false);
            m_grupo->setExclusive(true);
        }
        return;
    }
    m_botones.at(i)->setChecked(true);
}

void GrupoRadio::ponIndice(int i) { marca(i); }

void GrupoRadio::ponIndiceSinAviso(int i)
{
    m_callado = true;
    marca(i);
    m_callado = false;
}

void GrupoRadio::enfoca()
{
    if (QAbstractButton *b = m_grupo->checkedButton())
        b->setFocus();
    else if (!m_botones.isEmpty())
        m_botones.first()->setFocus();
}
