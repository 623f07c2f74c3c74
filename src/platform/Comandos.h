#pragma once
// Subórdenes de solicitud-cli. Cada subsistema registra las suyas desde su propia unidad, con
// las opciones que acepta; QCommandLineParser lee la línea y la orden recibe lo leído.
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>
#include <initializer_list>
#include <optional>

namespace Comandos {
// La línea de una orden ya leída: sus argumentos sueltos y sus opciones, por nombre sin guiones.
class Linea {
public:
    Linea(QStringList argumentos, QHash<QString, QString> valores, QSet<QString> marcas)
        : m_argumentos(std::move(argumentos)), m_valores(std::move(valores)), m_marcas(std::move(marcas))
    {
    }
    // nullopt si la opción no vino; vacío si vino sin valor (al final, "--tablas=" o seguida de
    // otra opción de la orden: "--tablas --help" nunca toma "--help" por carpeta).
    std::optional<QString> opcion(const QString &nombre) const;
    bool marca(const QString &nombre) const { return m_marcas.contains(nombre); }
    const QStringList &argumentos() const { return m_argumentos; }

private:
    QStringList m_argumentos;
    QHash<QString, QString> m_valores;
    QSet<QString> m_marcas;
};

// Devuelve el código de salida.
using Accion = std::function<int(const Linea &linea)>;
// `opciones`: "--nombre VALOR" para una opción con valor, "--nombre" para una marca.
bool registra(const QString &nombre, const QString &uso, std::initializer_list<const char *> opciones, Accion accion);
int ejecuta(const QStringList &argumentos);   // argumentos sin el nombre del programa
QString ayuda();

// Utilidades comunes de las subórdenes.
// La carpeta de "--tablas DIR" (la del programa si no viene), exigiendo exactamente `cuantos`
// argumentos sueltos: si falta alguno escribe `faltan`, si sobra uno "Argumento no reconocido".
// Devuelve la carpeta de tablas, o nullopt con el mensaje ya escrito.
std::optional<QString> leeArgumentos(const Linea &linea, int cuantos, const QString &faltan = {});
// Las dos escriben los caracteres de control (menos el salto de renglón y el tabulador) como
// \xHH: un nombre de carpeta o un dato ajeno no puede mover el cursor ni cambiar la terminal.
void imprime(const QString &linea);        // salida estándar, UTF-8
void error(const QString &linea);          // salida de error, UTF-8
QString legible(const QString &texto);     // el texto como lo escriben imprime() y error()
}

// REGISTRA_COMANDO(id, "nombre", "uso", funcion, "--opcion VALOR", "--marca"...)
#define REGISTRA_COMANDO(Id, Nombre, Uso, Funcion, ...)                                                              \
    namespace {                                                                                                     \
    [[maybe_unused]] const bool comando_##Id = Comandos::registra(QStringLiteral(Nombre), QStringLiteral(Uso), {__VA_ARGS__}, Funcion); \
    }
