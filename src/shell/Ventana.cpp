#include "shell/Ventana.h"
#include "platform/Errores.h"

#include <QMdiSubWindow>

Ventana::Ventana(const QString &nombre, const QString &titulo, QWidget *parent) : QWidget(parent)
{
    setObjectName(nombre);
    setWindowTitle(titulo);
    setAttribute(Qt::WA_DeleteOnClose);
}

void Ventana::cierraVentana()
{
    if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()))
        sub->close();
    else
        close();
}

void Ventana::ejecuta(const std::function<void()> &m) { ejecutaProtegido(m); }
