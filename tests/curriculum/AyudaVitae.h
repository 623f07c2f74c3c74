#pragma once
// Ayudas de las pruebas de las ventanas curriculares: abrir una ventana como el marco, hallar
// sus controles por nombre, teclear como el usuario y salir de un campo.
#include "platform/Edits.h"
#include "shell/U_inicial.h"
#include "support/Entorno.h"
#include "support/Pruebas.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QProgressBar>
#include <QSpinBox>

namespace Vitae {

// Fila de General con convocatoria, como la deja "Generales".
inline void conConvocatoria() { Entorno::sql(QStringLiteral("Insert into General (Clave,Convocatoria) values (1,482)")); }

// Muestra el marco y lo activa, para que el foco se mueva como con el usuario.
inline void muestraMarco(Entorno &e)
{
    e.inicial()->show();
    QApplication::setActiveWindow(e.inicial());
    e.inicial()->activateWindow();
}

inline QWidget *abre(Entorno &e, const QString &nombre)
{
    muestraMarco(e);
    e.inicial()->Abre_Forma(nombre);
    return e.inicial()->Forma(nombre);
}

template <typename T = QWidget>
T *control(QWidget *ventana, const char *nombre)
{
    T *c = ventana->findChild<T *>(QLatin1String(nombre));
    if (!c)
        qFatal("no hay control %s", nombre);
    return c;
}

// Borra el campo con el teclado y teclea el texto desde el principio.
inline void teclea(QLineEdit *campo, const QString &texto)
{
    campo->setFocus();
    QTest::keyClick(campo, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(campo, Qt::Key_Backspace);
    QTest::keyClick(campo, Qt::Key_Home);
    Pruebas::escribe(campo, texto);
}
inline void teclea(QWidget *ventana, const char *nombre, const QString &texto) { teclea(control<QLineEdit>(ventana, nombre), texto); }

// Mueve el selector con las flechas hacia el número pedido (se queda donde la ventana lo detenga).
inline void selecciona(QWidget *ventana, const char *nombre, int n)
{
    auto *s = control<QSpinBox>(ventana, nombre);
    s->setFocus();
    for (int pasos = qAbs(n - s->value()); pasos > 0 && s->value() != n; --pasos)
        QTest::keyClick(s, s->value() < n ? Qt::Key_Up : Qt::Key_Down);
}

// Sale del campo como al pulsar Tab: el foco pasa a otro control.
inline void sal(QWidget *campo)
{
    QFocusEvent salida(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(campo, &salida);
}

inline void menu(QWidget *ventana, const char *entrada)
{
    for (QMenu *m : ventana->findChildren<QMenu *>())
        for (QAction *a : m->actions())
            if (a->objectName() == QLatin1String(entrada)) {
                a->trigger();
                return;
            }
    qFatal("no hay entrada de menú %s", entrada);
}

inline bool abierta(Entorno &e, const char *nombre) { return e.inicial()->Forma_Abierta(QLatin1String(nombre)); }

// Texto de un control con máscara tal como lo guarda el programa.
inline QString mascara(QWidget *ventana, const char *nombre) { return control<EditMascara>(ventana, nombre)->texto(); }

inline QString unaFila(const QString &consulta)
{
    const auto f = Entorno::filas(consulta);
    QStringList r;
    for (const QVariantList &fila : f) {
        QStringList c;
        for (const QVariant &v : fila)
            c << (v.isNull() ? QStringLiteral("NULL") : v.toString());
        r << c.join(u'|');
    }
    return r.join(u',');
}

} // namespace Vitae
