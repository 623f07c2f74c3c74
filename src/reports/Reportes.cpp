#include "reports/Reportes.h"
#include "platform/Registro.h"

namespace Reportes {
namespace {
struct Reporte {
    QString descripcion;
    Constructor constructor;
};
using Registrados = Registro<Reporte>;
} // namespace

bool registra(const QString &nombre, const QString &descripcion, Constructor constructor)
{
    return Registrados::registra(nombre, {descripcion, std::move(constructor)});
}

bool existe(const QString &nombre) { return Registrados::busca(nombre) != nullptr; }

std::optional<Informe::Documento> construye(const QString &nombre)
{
    const Reporte *r = Registrados::busca(nombre);
    if (!r)
        return std::nullopt;
    return r->constructor();
}

QStringList nombres() { return Registrados::nombres(); }

QString descripcion(const QString &nombre)
{
    const Reporte *r = Registrados::busca(nombre);
    return r ? r->descripcion : QString();
}
} // namespace Reportes
