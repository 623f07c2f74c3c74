// El piso de cualquier programa de Qt Widgets: una QMainWindow vacía mostrada maximizada.
// Con --pantalla ocupa además toda la pantalla como el marco del programa (sin gestor de
// ventanas, como en Xvfb, maximizar no la agranda).
#include <QApplication>
#include <QMainWindow>
#include <QScreen>

int main(int argc, char **argv)
{
    QApplication a(argc, argv);
    QMainWindow w;
    w.setWindowTitle(QStringLiteral("vacía"));
    if (a.arguments().contains(QStringLiteral("--pantalla")))
        w.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    w.showMaximized();
    return a.exec();
}
