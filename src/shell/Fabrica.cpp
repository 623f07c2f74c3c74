#include "shell/Fabrica.h"
#include <QHash>

namespace Fabrica {
namespace {
QHash<QString, Creador> &registro()
{
    static QHash<QString, Creador> r;
    return r;
}
QHash<QString, QString> &nombresOriginales()
{
    static QHash<QString, QString> r;
    return r;
}
} // namespace

bool registra(const QString &nombre, Creador creador)
{
    registro().insert(nombre.toUpper(), std::move(creador));
    nombresOriginales().insert(nombre.toUpper(), nombre);
    return true;
}

bool existe(const QString &nombre) { return registro().contains(nombre.toUpper()); }

QWidget *crea(const QString &nombre)
{
    const auto it = registro().constFind(nombre.toUpper());
    return it == registro().cend() ? nullptr : (*it)();
}

QStringList nombres() { return nombresOriginales().values(); }
} // namespace Fabrica
