#pragma once
// Lo que todas las ventanas de reporte hacen igual. Una ventana de reporte abre sus
// consultas y arma su reporte al crearse, lo maqueta con Documento(), enseña la vista
// previa con Muestra() y cierra sus consultas al cerrarse.
#include "platform/informe/Pintor.h"
#include "shell/Ventana.h"

#include <QString>

class QWidget;

namespace Impresion {

// Nombre completo de una persona en un SELECT: sus cuatro partes separadas por un blanco.
// En SQLite una parte NULL vuelve NULL toda la concatenación (un segundo nombre vacío
// borraría el nombre): cada parte va con coalesce.
enum class Orden { NombrePrimero, ApellidosPrimero };
QString nombreSql(Orden orden, const QString &tabla = {});   // `tabla`: alias de Persona, o vacío

// Consulta del nombre completo del solicitante, en la columna `columna`.
QString solicitanteSql(Orden orden, const QString &columna);

// ¿La última revisión antes de imprimir cerró la solicitud (General.Cerrar = "S")? Si no,
// lo impreso es un borrador. La primera lee la base; la segunda decide sobre el valor de
// Cerrar que trae la consulta de un reporte.
bool cerrada();
bool cerrada(const QString &cerrar);
// Leyenda del encabezado: "TALVERO" en la solicitud cerrada, "BORRADOR" si no.
QString leyenda(bool cerrada);

// Documento de un reporte recién creado, que se cierra en cuanto lo maqueta.
template <class Ventana_> Informe::Documento documento()
{
    Ventana_ r;
    Informe::Documento d = r.Documento();
    r.close();
    return d;
}

// Escribe el reporte como PDF, igual que la vista previa. Devuelve el mensaje de error en
// español, o vacío.
template <class Ventana_> QString escribe(const QString &archivo) { return Informe::escribePdf(documento<Ventana_>(), archivo); }

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
