#pragma once
// Registro de ventanas por nombre: cada unidad registra la suya, y las demás la crean
// por su nombre (W_Generales, W_DirAct…) sin depender de su clase.
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace Fabrica {
using Creador = std::function<QWidget *()>;
bool registra(const QString &nombre, Creador creador);
bool existe(const QString &nombre);                 // sin importar mayúsculas
QWidget *crea(const QString &nombre);               // nullptr si no está registrada
QStringList nombres();
}

#define REGISTRA_VENTANA(Clase, Nombre)                                                             \
    namespace {                                                                                     \
    [[maybe_unused]] const bool registro_##Clase = Fabrica::registra(QStringLiteral(Nombre),        \
                                                                     []() -> QWidget * { return new Clase; }); \
    }
