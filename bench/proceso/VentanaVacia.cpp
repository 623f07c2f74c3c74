// El piso de cualquier programa de Qt Widgets: una QMainWindow mostrada maximizada. Con
// --pantalla ocupa además toda la pantalla como el marco del programa (sin gestor de ventanas,
// como en Xvfb, maximizar no la agranda); con --texto muestra una línea de texto, la etiqueta
// «piso», como cualquier programa que muestra texto.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QScreen>

int main(int argc, char **argv)
{
    QApplication a(argc, argv);
    QMainWindow w;
    w.setWindowTitle(QStringLiteral("vacía"));
    if (a.arguments().contains(QStringLiteral("--texto"))) {
        auto *texto = new QLabel(QStringLiteral("Solicitud de Becas Crédito y Crédito Educativo 2004"));
        texto->setObjectName(QStringLiteral("piso"));
        w.setCentralWidget(texto);
    }
    if (a.arguments().contains(QStringLiteral("--pantalla")))
        w.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    w.showMaximized();
    return a.exec();
}
