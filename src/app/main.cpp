// Programa de captura de la solicitud.
#include "platform/Base.h"
#include "platform/Dialogos.h"
#include "platform/Fuentes.h"
#include "platform/SegundoPlano.h"
#include "shell/Aplicacion.h"
#include "shell/Arranque.h"
#include "shell/Iconos.h"
#include "shell/U_inicial.h"

#include <QApplication>
#include <QIcon>
#include <QScreen>
#include <QStyle>

int main(int argc, char *argv[])
{
    // Mientras Qt crea la aplicación (casi todo es esperar al servidor gráfico), en segundo plano
    // se lee la configuración de fuentes y se revisa la base de datos.
    const SegundoPlano::Hilo segundoPlano;
    iniciaLecturaFuentes();
    Base::adelantaRevision(Base::carpetaPredeterminada());
    Aplicacion app(argc, argv);
    Aplicacion::ponIdentidad();
    empiezaIconosDeLaBarra();    // se decodifican mientras se abre la base
    empiezaIconoDelPrograma();   // y éste mientras se arma la barra
    // Los de los botones de Datos Generales, la primera ventana, mientras se arma el marco.
    empiezaIconosEstandar({QStyle::SP_FileDialogNewFolder, QStyle::SP_ArrowForward});
    instalaTraduccion();

    std::unique_ptr<Arranque> arranque;
    try {
        arranque = std::make_unique<Arranque>(Base::carpetaPredeterminada());
    } catch (const ErrorBase &e) {
        esperaLecturaFuentes();
        iconoDelPrograma();
        dialogos().mensaje(e.mensaje(), Dialogos::Icono::Error);
        return 1;
    }
    // Maximizado y centrado; sin gestor de ventanas (Xvfb) se ocupa igual toda la pantalla.
    arranque->inicial()->setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    arranque->inicial()->showMaximized();
    const int r = app.exec();
    return r;
}
