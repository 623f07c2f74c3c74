// solicitud-cli: herramienta de línea de órdenes sobre la misma base y la misma lógica.
#include "platform/Comandos.h"
#include "platform/ErrorBase.h"
#include "platform/Temporal.h"
#include "platform/Traduccion.h"

#include <QGuiApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

int main(int argc, char *argv[])
{
    // Sin pantalla: los informes se dibujan fuera de ella. Basta Qt Gui (las letras con que se
    // maquetan y el PDF); la herramienta no trae Qt Widgets.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Fuera de una sesión de escritorio Qt se queja de que falta la carpeta de ejecución;
    // una privada y temporal basta para una orden (bajo la del proceso: si éste muere, la
    // próxima corrida la borra).
    QString plantilla;
    try {
        plantilla = Temporal::plantilla(QStringLiteral("ejecucion"));
    } catch (const ErrorBase &) {
        plantilla = QDir::tempPath() + QStringLiteral("/solicitud-cli-ejecucion-XXXXXX");
    }
    QTemporaryDir ejecucion(plantilla);
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && ejecucion.isValid())
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(ejecucion.path()));
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("solicitud-cli"));
    instalaTraduccion();
    return Comandos::ejecuta(QGuiApplication::arguments().mid(1));
}
