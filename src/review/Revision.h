#pragma once
// Revisión de inconsistencias de la solicitud guardada: los chequeos en su orden fijo, sin
// ventanas, para que la ventana W_Incon, la herramienta de línea de órdenes y las pruebas
// compartan exactamente el mismo reporte.
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <optional>

namespace Revision {

// Dónde se corrige un hallazgo: la ventana (su nombre W_…), el control (su nombre) y el
// registro que la ventana debe mostrar: el tipo de un domicilio o de una persona ("ACT", "OP2",
// "HJ1"), el número de una opción, el grado de un antecedente escolar ("LIC") o el número del
// registro en su lista curricular (el valor del selector). Vacío si no hay registro que elegir.
struct Lugar {
    QString ventana;
    QString control;
    QString registro;
    bool vacio() const { return ventana.isEmpty(); }
    bool operator==(const Lugar &) const = default;
};

struct Hallazgo {
    QString texto;
    Lugar lugar;
};

struct Resultado {
    // Renglones del reporte tal como se muestran: el primero es el título
    // ("No hay Inconsistencias" o "Reporte de Inconsistencias") y luego un hallazgo por renglón.
    QStringList lineas;
    // El lugar de cada renglón, en paralelo a `lineas` (el del título va vacío, y el de un
    // hallazgo que ningún control corrige también).
    QList<Lugar> lugares;
    // Veredicto: ningún hallazgo bloqueante (los avisos no cuentan).
    bool sinInconsistencias = true;
    // Hallazgos bloqueantes (los avisos no cuentan).
    int hallazgos = 0;
};

// Revisa la solicitud de la base abierta. `progreso` recibe los avances 20, 40, 60, 70 y 100.
// Un error de la base se propaga como ErrorBase.
Resultado revisa(const std::function<void(int)> &progreso = {});

// Texto con que un hallazgo de antecedentes escolares identifica el registro: el nivel
// ("Licenciatura", "Maestría", "Doctorado", "Otros estudios 3") y, si lo tiene, el nombre
// de la institución entre paréntesis.
QString identificaEscolar(const QString &nivel, const QString &nombre, int secuencia);

// Valores guardados que la entrega de la convocatoria no puede llevar (caracteres fuera de
// Windows-1252, textos más largos que su campo, números fuera de rango): un hallazgo por valor
// que nombra el campo, la tabla y el registro, con el lugar donde se captura ese campo cuando
// una ventana lo muestra. La revisión los incluye como bloqueantes.
QList<Hallazgo> noEntregables(int convocatoria);

// Lugar donde se captura la columna de una tabla de la solicitud, para un renglón cuyo Tipo (o
// Nivel, en Escolar) es `tipo` y cuyo número es `numero`: el de opción en Beca, el del registro
// en su lista en Trabajo y en otros estudios. Vacío si ninguna ventana la captura.
Lugar lugarDeColumna(const QString &tabla, const QString &columna, const QString &tipo, const QString &numero);

// Número de un registro en su lista (Trabajo por Tipo, Escolar por Nivel), como lo numera su
// ventana: por secuencia y luego por clave. Se pide sólo para un hallazgo, que es raro.
QString numeroEnLista(const QString &tabla, const QString &columnaTipo, const QVariant &tipo, const QVariant &secuencia,
                      const QVariant &clave);

// El reporte con su lugar: cada hallazgo seguido de TAB ventana TAB control TAB registro; el
// título sin TAB.
QStringList conLugares(const Resultado &r);

} // namespace Revision
