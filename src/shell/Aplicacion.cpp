#include "shell/Aplicacion.h"
#include "platform/Errores.h"
#include "platform/ErrorBase.h"
#include "shell/Teclado.h"

#include <QDebug>

Aplicacion::Aplicacion(int &argc, char **argv) : QApplication(argc, argv) { Teclado::instalaEstilo(); }

void Aplicacion::ponIdentidad()
{
    QApplication::setApplicationName(QStringLiteral("solicitud"));
    QApplication::setDesktopFileName(QStringLiteral("solicitud"));
}

bool Aplicacion::notify(QObject *receptor, QEvent *evento)
{
    // Cada manejador del programa atrapa sus errores (ejecutaProtegido). Lo que llegue hasta
    // aquí es un defecto, y seguir después de una excepción que cruzó el ciclo de eventos de
    // Qt no es seguro: se registra, se dice y el programa termina. Lo guardado con los botones
    // ya está en la base, que confirma cada guardado entero o no lo confirma.
    try {
        return QApplication::notify(receptor, evento);
    } catch (const ErrorBase &e) {
        qCritical().noquote() << "error no atrapado por su manejador:" << e.mensaje() << e.detalle();
        muestraFalla(ErrorBase(e.mensaje() + QStringLiteral(" El programa se cerrará; lo que guardó con los botones de cada "
                                                             "ventana está a salvo."), e.detalle()));
        QCoreApplication::exit(3);
    }
    return false;
}
