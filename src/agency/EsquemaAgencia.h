#pragma once
// Tablas de la base de la agencia en PostgreSQL: `solicitudes`, un renglón por entrega
// recibida (todas se guardan; la vista `solicitudes_vigentes` da la última que la agencia
// recibió de cada CURP y convocatoria, con cuántas entregas hay), y a su lado las tablas de la solicitud (las del esquema de la solicitud, con una
// columna `solicitud` que las ata a su renglón y se borra con él) más los nombres de los
// lugares tal como los dan los catálogos del paquete.
#include "platform/ErrorBase.h"
#include <QSqlDatabase>
#include <QString>
#include <span>

namespace Esquema {
struct Tabla;
}

namespace EsquemaAgencia {

// Versión de la estructura que escribe este programa (tabla esquema_agencia).
int version();

// Crea lo que falte y pone al día, en su lugar y en una transacción, una base de una versión
// anterior: pasos numerados y después las columnas que el esquema de la solicitud haya ganado.
// Dos programas que la preparan a la vez se turnan con un candado de la base.
// Lanza ErrorBase si la base es de una versión más nueva del programa.
void prepara(QSqlDatabase &db);

// Nombre de un lugar que la agencia guarda junto a su clave: columna de PostgreSQL y la
// expresión que lo lee de la base de la solicitud (alias t para la tabla).
struct Lugar {
    const char *tabla;
    const char *columna;
    const char *expresion;
};
std::span<const Lugar> lugares();

// Las tablas de la solicitud que se guardan (todas las que no son catálogos).
QList<const Esquema::Tabla *> tablasSolicitud();

// Nombre de la tabla o columna en PostgreSQL (en minúsculas, sin comillas).
QString nombre(const char *n);

} // namespace EsquemaAgencia
