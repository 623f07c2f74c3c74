#pragma once
// Reparto de una recepción entre trabajadores. Cada trabajador es otro proceso de la misma
// herramienta con su propia conexión a la base de la agencia (la base de la solicitud abierta
// es una por proceso), también cuando hay uno solo: si el lector de un paquete cae, cae ese
// proceso y no la recepción. Este proceso le pasa las carpetas de una en una por su entrada y
// lee una respuesta por carpeta; en los dos sentidos cada mensaje va en un marco con su largo
// delante, así que ningún nombre (con saltos de línea o lo que traiga) parte ni junta mensajes.
#include <QString>
#include <QStringList>
#include <functional>

namespace Trabajos {

enum class Clase : char {
    Recibido = 'R',    // recibido o ya recibido
    Rechazado = 'X',   // no pasó la verificación o la base no admite su contenido
    Error = 'E',       // la base de la agencia rechazó este paquete por otra causa
    Fatal = 'F',       // sin conexión: no se puede seguir
    Listo = 'L'        // el trabajador se conectó y atiende (no es respuesta de una carpeta)
};

struct Respuesta {
    Clase clase = Clase::Recibido;
    QString linea;
};

using Receptor = std::function<Respuesta(const QString &carpeta)>;

// Recibe las carpetas con `trabajadores` procesos `programa argumentos` e imprime un renglón
// por carpeta; en una terminal, además, una línea de avance. A cada trabajador le pasa primero
// `primerMensaje` (la URI, que no debe verse en la lista de procesos). Un trabajador que muere
// con una carpeta en la mano (una señal, o termina sin responder) la deja rechazada y otro
// ocupa su lugar. Devuelve el código de salida: 0 todo recibido, 1 alguno rechazado, 2 algún
// error.
int reparte(const QStringList &carpetas, int trabajadores, const QString &programa, const QStringList &argumentos,
            const QString &primerMensaje);

// Lado del trabajador: lee el primer mensaje (se lo da a `conecta`, que devuelve el receptor o
// lanza ErrorBase), avisa que está listo y atiende una carpeta por mensaje hasta que se cierre
// la entrada.
int atiende(const std::function<Receptor(const QString &primerMensaje)> &conecta);

// Un nombre para un renglón que lee una persona: tal cual, o entre comillas con escapes como
// los de C (\n, \t, \x1b, \u202e) si trae caracteres de control o de formato.
QString visible(const QString &nombre);

// El renglón con esos caracteres escritos como escapes, sin comillas: siempre un solo renglón
// y nada que la terminal interprete.
QString sinControles(const QString &linea);

} // namespace Trabajos
