// El programa tal cual, con las ventanas del crédito educativo al alcance del teclado para la
// prueba de escritorio: en el programa sus botones de la barra quedan ocultos toda la ejecución.
// F8 hace lo del botón del aval y F9 lo del botón del financiamiento, con las mismas compuertas
// (convocatoria elegida; para el financiamiento, aval guardado) y los mismos mensajes.
#include "platform/Base.h"
#include "platform/Errores.h"
#include "platform/Fuentes.h"
#include "platform/SegundoPlano.h"
#include "shell/Aplicacion.h"
#include "shell/Arranque.h"
#include "shell/U_inicial.h"

#include <QAction>
#include <QApplication>
#include <QScreen>

int main(int argc, char *argv[])
{
    const SegundoPlano::Hilo segundoPlano;
    iniciaLecturaFuentes();
    Aplicacion app(argc, argv);
    Aplicacion::ponIdentidad();
    instalaTraduccion();
    Arranque arranque(Base::carpetaPredeterminada());
    TW_Inicial *marco = arranque.inicial();
    const auto atajo = [marco](Qt::Key tecla, void (TW_Inicial::*boton)()) {
        auto *a = new QAction(marco);
        a->setShortcut(QKeySequence(tecla));
        QObject::connect(a, &QAction::triggered, marco, [marco, boton] { ejecutaProtegido([&] { (marco->*boton)(); }); });
        marco->addAction(a);
    };
    atajo(Qt::Key_F8, &TW_Inicial::SB_QuiralClick);
    atajo(Qt::Key_F9, &TW_Inicial::SB_MontosClick);
    marco->setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    marco->showMaximized();
    return app.exec();
}
