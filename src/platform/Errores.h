#pragma once
#include <functional>

// Ejecuta una acción de la interfaz; si la base de datos falla, muestra el mensaje en
// español (el diálogo de error del programa) y la acción se detiene ahí.
// Devuelve false cuando hubo error.
bool ejecutaProtegido(const std::function<void()> &accion);
