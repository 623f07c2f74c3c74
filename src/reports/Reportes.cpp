#include "reports/Reportes.h"

#include <QMap>

namespace Reportes {
namespace {
struct Registro {
    QString descripcion;
    Constructor constructor;
};
QMap<QString, Registro> &registro()
{
    static QMap<QString, Registro> r;
    return r;
}
} // namespace

bool registra(const QString &nombre, const QString &descripcion, Constructor constructor)
{
    registro().insert(nombre, {descripcion, std::move(constructor)});
    return true;
}

bool existe(const QString &nombre) { return registro().contains(nombre); }

std::optional<Informe::Documento> construye(const QString &nombre)
{
    const auto it = registro().constFind(nombre);
    if (it == registro().cend())
        return std::nullopt;
    return it.value().constructor();
}

QStringList nombres() { return registro().keys(); }

QString descripcion(const QString &nombre) { return registro().value(nombre).descripcion; }
} // namespace Reportes
