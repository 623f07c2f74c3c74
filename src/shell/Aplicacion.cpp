#include "shell/Aplicacion.h"
#include "platform/Errores.h"
#include "platform/ErrorBase.h"

#include <QDebug>

Aplicacion::Aplicacion(int &argc, char **argv) : QApplication(argc, argv) {}

void Aplicacion::ponIdentidad()
{
    QApplication::setApplicationName(QStringLiteral("solicitud"));
    QApplication::setDesktopFileName(QStringLiteral("solicitud"));
}

bool Aplicacion::notify(QObject *receptor, QEvent *evento)
{
    try {
        return QApplication::notify(receptor, evento);
    } catch (const ErrorBase &e) {
        muestraFalla(e);
    }
    return false;
}
