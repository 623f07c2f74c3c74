#pragma once
// Reparto de una recepción entre trabajadores. Con uno, todo corre en este proceso. Con más,
// cada trabajador es otro proceso de la misma herramienta con su propia conexión a la base de
// la agencia (la base de la solicitud abierta es una por proceso): este proceso le pasa las
// carpetas de una en una por su entrada y lee un renglón de respuesta por carpeta.
#include <QString>
#include <QStringList>
#include <functional>

namespace Trabajos {

enum class Clase : char {
    Recibido = 'R',    // recibido, ya recibido o con una entrega más reciente
    Rechazado = 'X',   // no pasó la verificación
    Error = 'E',       // la base de la agencia rechazó este paquete
    Fatal = 'F'        // sin conexión: no se puede seguir
};

struct Respuesta {
    Clase clase = Clase::Recibido;
    QString linea;
};

using Receptor = std::function<Respuesta(const QString &carpeta)>;

// Recibe las carpetas con `trabajadores` trabajadores e imprime un renglón por carpeta; en
// una terminal, además, una línea de avance. Con más de uno corre `programa argumentos` por
// trabajador y le pasa `primerRenglon` (la URI, que no debe verse en la lista de procesos).
// Devuelve el código de salida: 0 todo recibido, 1 alguno rechazado, 2 algún error.
int reparte(const QStringList &carpetas, int trabajadores, const Receptor &receptor, const QString &programa,
            const QStringList &argumentos, const QString &primerRenglon);

// Lado del trabajador: lee el primer renglón (se lo da a `conecta`, que devuelve el receptor o
// lanza ErrorBase) y luego atiende una carpeta por renglón de la entrada hasta que se cierre.
int atiende(const std::function<Receptor(const QString &primerRenglon)> &conecta);

} // namespace Trabajos
