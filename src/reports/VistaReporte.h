#pragma once
// La vista previa de un reporte (capa de ventanas): lo que hacen igual las ventanas de reporte.
#include "reports/Impresion.h"
#include "shell/Ventana.h"

class QWidget;

namespace Impresion {

// Crea el reporte, enseña su vista previa modal (desde la que se imprime) y lo cierra.
// `barraEnCero`: la barra del marco, que el reporte dejó llena al abrir sus consultas,
// vuelve a cero mientras se ve la vista previa.
template <class Ventana_> void muestra(QWidget *padre, bool barraEnCero = false)
{
    Ventana_ r(padre);
    if (barraEnCero)
        Ventana::progreso(0);
    r.Muestra();
    r.close();
}

} // namespace Impresion
