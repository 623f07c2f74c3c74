#pragma once
#include <QApplication>

// Aplicación con el diálogo de error del programa: un error de la base de datos que ningún
// manejador atrapó se muestra en español y la acción se detiene, sin cerrar el programa.
class Aplicacion : public QApplication {
public:
    Aplicacion(int &argc, char **argv);
    bool notify(QObject *receptor, QEvent *evento) override;

    // Nombre del programa y de su lanzador. Sin nombre para mostrar: Qt lo añadiría al título
    // de cada ventana y cuadro ("Agrega Estado — …"), y los títulos deben ser los del programa.
    static void ponIdentidad();
};
