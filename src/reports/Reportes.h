#pragma once
// Registro de los reportes impresos por nombre ("formas", "generales"…): cada unidad de
// reporte registra cómo se construye su documento, y la línea de órdenes (y quien lo
// necesite) lo pide por nombre sin depender de su clase.
#include "platform/informe/Pagina.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace Reportes {
// Construye el documento maquetado con la base ya abierta; no escribe en las tablas.
using Constructor = std::function<Informe::Documento()>;
bool registra(const QString &nombre, const QString &descripcion, Constructor constructor);
bool existe(const QString &nombre);
std::optional<Informe::Documento> construye(const QString &nombre);   // nullopt si no existe
QStringList nombres();                                              // en orden alfabético
QString descripcion(const QString &nombre);
}

#define REGISTRA_REPORTE(Id, Nombre, Descripcion, Funcion) \
    namespace { [[maybe_unused]] const bool reporte_##Id = Reportes::registra(QStringLiteral(Nombre), QStringLiteral(Descripcion), Funcion); }
