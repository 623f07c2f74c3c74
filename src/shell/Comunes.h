#pragma once
// Reglas compartidas que no dependen de ventanas: RFC, textos. Las fechas están en
// platform/Fechas.
#include <QString>
#include <optional>

namespace Comunes {

// Clave RFC de diez caracteres; nullopt cuando la fecha (leída por columnas) no es válida.
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
