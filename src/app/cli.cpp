// solicitud-cli: herramienta de línea de órdenes sobre la misma base y la misma lógica.
#include "platform/Comandos.h"
#include "shell/Arranque.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

int main(int argc, char *argv[])
{
    // Sin pantalla: los informes se dibujan fuera de ella.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Fuera de una sesión de escritorio Qt se queja de que falta la carpeta de ejecución;
    // una privada y temporal basta para una orden.
    QTemporaryDir ejecucion;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && ejecucion.isValid())
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(ejecucion.path()));
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("solicitud-cli"));
    instalaTraduccion();
    return Comandos::ejecuta(QApplication::arguments().mid(1));
}
