#pragma once
// Atajos de las pruebas de las ventanas de datos personales.
#include "platform/Edits.h"
#include "shell/U_inicial.h"
#include "support/Entorno.h"
#include "support/Pruebas.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

namespace Ayuda {

// Muestra el marco (abre W_Generales, como al arrancar) y cierra lo que se pida.
inline TW_Inicial *marco(Entorno &e, bool sinGenerales = true)
{
    TW_Inicial *w = e.inicial();
    w->resize(1100, 800);
    w->show();
    if (sinGenerales)
        if (QWidget *g = w->Forma(QStringLiteral("W_Generales")))
            g->parentWidget()->close();
    QApplication::processEvents();
    return w;
}

inline QWidget *abre(const QString &nombre, const QString &tipo = {})
{
    if (!tipo.isNull())
        Tipo_Actual = tipo;
    return W_Inicial()->Abre_Forma(nombre);
}

inline QWidget *ventana(const char *nombre) { return W_Inicial()->Forma(QLatin1String(nombre)); }

template <typename T = QWidget>
T *control(QWidget *w, const char *nombre)
{
    T *c = w ? w->findChild<T *>(QLatin1String(nombre)) : nullptr;
    if (!c)
        qWarning("falta el control %s", nombre);
    return c;
}

inline QString texto(QWidget *w, const char *nombre)
{
    if (auto *m = w->findChild<EditMascara *>(QLatin1String(nombre)))
        return m->texto();
    return control<QLineEdit>(w, nombre)->text();
}

inline void escribe(QWidget *w, const char *nombre, const QString &t)
{
    auto *c = control<QLineEdit>(w, nombre);
    c->clear();
    c->setCursorPosition(0);
    Pruebas::escribe(c, t);
}

// El usuario elige un renglón de la lista (por texto).
inline bool elige(QWidget *w, const char *lista, const QString &t)
{
    auto *c = control<QComboBox>(w, lista);
    const int i = c->findText(t);
    if (i < 0)
        return false;
    c->setCurrentIndex(i);
    emit c->activated(i);
    return true;
}

inline void pulsa(QWidget *w, const char *boton) { control<QAbstractButton>(w, boton)->click(); }

// Opción i del grupo (como la pulsa el usuario).
inline void opcion(QWidget *w, const char *grupo, int i)
{
    control<QAbstractButton>(w, (QByteArray(grupo) + '_' + QByteArray::number(i)).constData())->click();
}

inline int marcada(QWidget *w, const char *grupo)
{
    const auto botones = control<QGroupBox>(w, grupo)->findChildren<QAbstractButton *>();
    for (QAbstractButton *b : botones)
        if (b->isChecked())
            return b->objectName().section(u'_', -1).toInt();
    return -1;
}

inline void sal(QWidget *w, const char *nombre)
{
    QFocusEvent fuera(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(control(w, nombre), &fuera);
    QApplication::processEvents();
}

inline void entra(QWidget *w, const char *nombre)
{
    QFocusEvent dentro(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(control(w, nombre), &dentro);
}

inline bool visible(QWidget *w, const char *nombre) { return control(w, nombre)->isVisibleTo(w); }

inline QString etiqueta(QWidget *w, const char *nombre) { return control<QLabel>(w, nombre)->text(); }

// Filas de una consulta con los nulos escritos "NULL", para compararlas completas.
inline QList<QVariantList> filas(const QString &sql)
{
    QList<QVariantList> r = Entorno::filas(sql);
    for (QVariantList &f : r)
        for (QVariant &v : f)
            if (v.isNull())
                v = QStringLiteral("NULL");
    return r;
}

inline qint64 clave(const QString &sql) { return Entorno::valor(sql).toLongLong(); }

} // namespace Ayuda
