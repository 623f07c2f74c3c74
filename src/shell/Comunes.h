#pragma once
// Reglas compartidas que no dependen de ventanas: fechas, RFC, textos.
#include <QDate>
#include <QString>
#include <optional>

namespace Comunes {

enum class ErrorFecha { Ninguno, Conversion, Anio, Mes, Dia };

// Revisa un texto "dd/mm/yyyy" con las reglas del programa (años 1900 a 2020, febrero de
// 29 días en los años múltiplos de 4). Un texto vacío o sin capturar no es error.
ErrorFecha revisaFecha(const QString &texto);
QString mensajeFecha(ErrorFecha e);          // vacío para Ninguno y Conversion
bool fechaVacia(const QString &texto);       // "", "  /  /    " o "__/__/____"
// La fecha de hoy "dd/mm/yyyy" que un campo propone. Vacía cuando hoy cae fuera de los años
// que el programa acepta: no se propone una fecha que él mismo rechazaría al teclearla.
QString fechaPropuesta();

// Fecha de un campo con máscara reescrita como "dd/mm/yyyy"; nullopt si no es una fecha real.
std::optional<QString> normalizaFecha(const QString &texto);
// Fecha "dd/mm/yyyy" como QDate; inválida si no lo es.
QDate aFecha(const QString &texto);

// La fecha "dd/mm/yyyy" en el orden del formato corto dado.
QString fechaSistema(const QString &texto, const QString &formato, QChar separador);

// Clave RFC de diez caracteres; nullopt cuando la fecha no es válida.
std::optional<QString> calculaRFC(const QString &paterno, const QString &materno, const QString &nombre1,
                                  const QString &nombre2, const QString &fechaNac);

// El RFC que queda en el campo al entrar: la propuesta cuando el campo está vacío o sus diez
// primeros caracteres no son los de la propuesta; si lo son, lo escrito (con su homoclave).
QString rfcAlEntrar(const QString &actual, const QString &propuesta);

bool tieneArroba(const QString &texto);

QString textoDerecha(const QString &t, int n);
QString textoIzquierda(const QString &t, int n);
QString textoMedio(const QString &t, int pos, int n);

} // namespace Comunes
