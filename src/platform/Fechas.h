#pragma once
// Las fechas del programa: se guardan, se entregan y se reciben como texto "dd/mm/yyyy".
// Aquí está la única lectura de ese texto, su escritura, las reglas de lo que se captura
// (años aceptados, año de dos cifras, campo sin capturar) y la misma regla para la base.
#include <QDate>
#include <QString>
#include <QVariant>
#include <optional>

namespace Fechas {

// Cómo se lee un texto de fecha. Todas piden además que la fecha exista en el calendario.
enum class Lectura {
    // Exactamente "dd/mm/yyyy", de dígitos: lo que guarda la base, escribe y lee la entrega y
    // recibe la agencia. Es la regla de restriccionSql().
    Guardada,
    // Lo tecleado en un campo con máscara: tres partes separadas por '/', con espacios o sin
    // ellos ("5 /3 /2004"); un año de una o dos cifras toma su siglo (menos de 50: 2000).
    Tecleada,
    // Día, mes y año en las columnas 1-2, 4-5 y 7-10 de un texto de 10 caracteres, con espacios
    // alrededor de cada número y sin mirar el separador (la fecha de la que sale el RFC).
    Columnas,
};

// La fecha del texto; inválida si el texto no es una fecha en esa lectura.
QDate lee(const QString &texto, Lectura lectura = Lectura::Guardada);
// La fecha como se guarda: "dd/mm/yyyy" con el año de cuatro cifras; vacío si no es válida.
QString escribe(const QDate &fecha);

// "", "  /  /    " o "__/__/____": un campo de fecha sin capturar.
bool vacia(const QString &texto);
// Lo tecleado reescrito "dd/mm/yyyy"; nullopt si no es una fecha real.
std::optional<QString> normaliza(const QString &tecleado);
// Valor que se guarda de lo tecleado: NULL si está sin capturar, la fecha si es real; nullopt
// si no lo es.
std::optional<QVariant> valor(const QString &tecleado);
// Aviso de las ventanas personales cuando una fecha no se puede leer al guardar.
QString mensajeIlegible(const QString &tecleado);

// Lo que el programa acepta al capturar una fecha (años 1900 a 2020, febrero de 29 días en
// los años múltiplos de 4), leída por columnas. Sin capturar no es error.
enum class Error { Ninguno, Conversion, Anio, Mes, Dia };
Error revisa(const QString &texto);
QString mensaje(Error e);   // vacío para Ninguno y Conversion
// La fecha de hoy que un campo propone; vacía cuando hoy cae fuera de los años que revisa()
// acepta: no se propone una fecha que el programa rechazaría al teclearla.
QString propuesta();

// El año de una fecha guardada, con las cifras con que se guardó (lo que muestra un campo de año).
QString anio(const QString &guardada);

// La fecha guardada con el día, el mes y el año en el orden de un formato corto del sistema
// ("M/d/yyyy" → "03/05/2004"), cada uno con las cifras con que se guardó.
QString enFormato(const QString &guardada, const QString &formato, QChar separador);

// Condición de SQLite que cumple una columna con una fecha guardada (Lectura::Guardada),
// salvo el año 0000, que SQLite conoce y QDate no.
QString condicionSql(const QString &columna);

} // namespace Fechas
