#pragma once
// Subórdenes de solicitud-cli. Cada subsistema registra las suyas desde su propia unidad.
#include <QString>
#include <QStringList>
#include <optional>
#include <functional>

namespace Comandos {
// Recibe los argumentos que siguen al nombre de la suborden; devuelve el código de salida.
using Accion = std::function<int(const QStringList &argumentos)>;
bool registra(const QString &nombre, const QString &uso, Accion accion);
int ejecuta(const QStringList &argumentos);   // argumentos sin el nombre del programa
QString ayuda();

// Utilidades comunes de las subórdenes.
// Saca "OPCION VALOR" de los argumentos: nullopt si no viene, vacío si viene sin valor.
std::optional<QString> extraeOpcion(QStringList &argumentos, const QString &opcion);
// Saca "--tablas DIR" de los argumentos; devuelve la carpeta (la del programa si no viene).
QString extraeTablas(QStringList &argumentos);
// Saca "--tablas DIR" y exige exactamente `cuantos` argumentos más: si falta alguno escribe
// `faltan`, si sobra uno "Argumento no reconocido". Devuelve la carpeta de tablas, o nullopt
// con el mensaje ya escrito.
std::optional<QString> leeArgumentos(QStringList &argumentos, int cuantos, const QString &faltan = {});
// Las dos escriben los caracteres de control (menos el salto de renglón y el tabulador) como
// \xHH: un nombre de carpeta o un dato ajeno no puede mover el cursor ni cambiar la terminal.
void imprime(const QString &linea);        // salida estándar, UTF-8
void error(const QString &linea);          // salida de error, UTF-8
QString legible(const QString &texto);     // el texto como lo escriben imprime() y error()
}

#define REGISTRA_COMANDO(Id, Nombre, Uso, Funcion) \
    namespace { [[maybe_unused]] const bool comando_##Id = Comandos::registra(QStringLiteral(Nombre), QStringLiteral(Uso), Funcion); }
