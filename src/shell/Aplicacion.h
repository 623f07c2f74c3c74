#pragma once
#include <QApplication>

// Aplicación del programa: un error que ningún manejador atrapó (un defecto: cada manejador
// pasa por ejecutaProtegido) se registra, se muestra en español y el programa termina.
class Aplicacion : public QApplication {
public:
    Aplicacion(int &argc, char **argv);
    bool notify(QObject *receptor, QEvent *evento) override;

    // Nombre del programa y de su lanzador. Sin nombre para mostrar: Qt lo añadiría al título
    // de cada ventana y cuadro ("Agrega Estado — …"), y los títulos deben ser los del programa.
    static void ponIdentidad();
};
