#pragma once
// Ayudas de las pruebas de las ventanas académicas: abrir por nombre, elegir en listas como
// el usuario, salir de un campo y cerrar.
#include "platform/Edits.h"
#include "shell/U_inicial.h"
#include "shell/Ventana.h"
#include "support/Entorno.h"
#include "support/Pruebas.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>

namespace ApoyoAcad {

inline void procesa();

// Marco a la vista (una ventana hija cuenta como abierta sólo si se ve) y solicitud con la
// convocatoria elegida, como la deja la ventana de datos generales.
inline void convocatoria(Entorno &e, int c)
{
    e.inicial()->show();
    procesa();
    Entorno::sql(QStringLiteral("Insert into General (Clave,Convocatoria) values (1,:c)"), {{QStringLiteral("c"), c}});
}

template <typename T>
T *abre(const char *nombre)
{
    return qobject_cast<T *>(W_Inicial()->Abre_Forma(QLatin1String(nombre)));
}

template <typename T>
T *abierta(const char *nombre)
{
    return qobject_cast<T *>(W_Inicial()->Forma(QLatin1String(nombre)));
}

inline void procesa()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

inline void cierra(QWidget *w)
{
    static_cast<Ventana *>(w)->cierraVentana();
    procesa();
}

// Elección del usuario: selecciona y dispara el cambio.
inline void eligeIndice(QComboBox *c, int i)
{
    c->setCurrentIndex(i);
    emit c->activated(i);
}

inline bool elige(QComboBox *c, const QString &texto)
{
    const int i = c->findText(texto);
    if (i < 0)
        return false;
    eligeIndice(c, i);
    return true;
}

inline QStringList elementos(const QComboBox *c)
{
    QStringList r;
    for (int i = 0; i < c->count(); ++i)
        r << c->itemText(i);
    return r;
}

inline void sal(QWidget *w)
{
    QFocusEvent ev(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(w, &ev);
}

// Teclea en un campo vacío (con máscara o sin ella).
inline void teclea(QLineEdit *e, const QString &texto)
{
    e->clear();
    e->setCursorPosition(0);
    Pruebas::escribe(e, texto);
}

// Nombres de una consulta, en su orden.
inline QStringList nombres(const QString &sql)
{
    QStringList r;
    for (const QVariantList &f : Entorno::filas(sql))
        r << f.value(0).toString();
    return r;
}

} // namespace ApoyoAcad
