#include "shell/Fabrica.h"
#include "platform/Registro.h"

namespace Fabrica {
namespace {
using Ventanas = Registro<Creador, true>;   // "w_generales" también abre W_Generales
} // namespace

bool registra(const QString &nombre, Creador creador) { return Ventanas::registra(nombre, std::move(creador)); }

bool existe(const QString &nombre) { return Ventanas::busca(nombre) != nullptr; }

QWidget *crea(const QString &nombre)
{
    const Creador *c = Ventanas::busca(nombre);
    return c ? (*c)() : nullptr;
}

QStringList nombres() { return Ventanas::nombres(); }
} // namespace Fabrica
