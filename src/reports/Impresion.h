#pragma once
// Lo que todos los reportes hacen igual. El modelo de un reporte (reports/M_*) abre sus
// consultas y arma su reporte al crearse, lo maqueta con Documento() y cierra sus consultas
// con cierra(); su ventana (reports/U_*, last) le agrega la vista previa (VistaReporte.h).
#include "platform/informe/Pintor.h"

#include <QString>

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

// Documento de un reporte recién creado, que cierra sus consultas en cuanto lo maqueta.
template <class Modelo> Informe::Documento documento()
{
    Modelo r;
    Informe::Documento d = r.Documento();
    r.cierra();
    return d;
}

// Escribe el reporte como PDF, igual que la vista previa. Devuelve el mensaje de error en
// español, o vacío.
template <class Modelo> QString escribe(const QString &archivo) { return Informe::escribePdf(documento<Modelo>(), archivo); }

} // namespace Impresion
