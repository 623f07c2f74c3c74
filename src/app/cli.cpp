// solicitud-cli: herramienta de línea de órdenes sobre la misma base y la misma lógica.
#include "platform/Comandos.h"
#include "shell/Arranque.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // Sin pantalla: los informes se dibujan fuera de ella.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("solicitud-cli"));
    instalaTraduccion();
    return Comandos::ejecuta(QApplication::arguments().mid(1));
}
