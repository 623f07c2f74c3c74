#pragma once
// Revisión de inconsistencias de la solicitud guardada: los chequeos en su orden fijo, sin
// ventanas, para que la ventana W_Incon, la herramienta de línea de órdenes y las pruebas
// compartan exactamente el mismo reporte.
#include <QDate>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace Revision {

struct Resultado {
    // Renglones del reporte tal como se muestran: el primero es el título
    // ("No hay Inconsistencias" o "Reporte de Inconsistencias") y luego un hallazgo por renglón.
    QStringList lineas;
    // Veredicto: ningún hallazgo bloqueante (los avisos no cuentan).
    bool sinInconsistencias = true;
    // Hallazgos bloqueantes (los avisos no cuentan).
    int hallazgos = 0;
};

// Revisa la solicitud de la base abierta. `progreso` recibe los avances 20, 40, 60, 70 y 100.
// Un error de la base se propaga como ErrorBase.
Resultado revisa(const std::function<void(int)> &progreso = {});

// Fecha guardada "dd/mm/yyyy" convertida pasando por el orden del formato corto del sistema
// (como la muestra el programa) y leída de vuelta en ese mismo orden; nullopt si no es una
// fecha. El resultado no depende del formato corto.
std::optional<QDate> convierteFecha(const QString &guardada);

// Texto con que un hallazgo de antecedentes escolares identifica el registro: el nivel
// ("Licenciatura", "Maestría", "Doctorado", "Otros estudios 3") y, si lo tiene, el nombre
// de la institución entre paréntesis.
QString identificaEscolar(const QString &nivel, const QString &nombre, int secuencia);

// Valores guardados que la entrega de la convocatoria no puede llevar (caracteres fuera de
// Windows-1252, textos más largos que su campo, números fuera de rango): un hallazgo por valor
// que nombra el campo, la tabla y el registro. La revisión los incluye como bloqueantes.
QStringList noEntregables(int convocatoria);

} // namespace Revision
