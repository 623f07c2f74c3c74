#pragma once
#include <functional>

// Ejecuta una acción de la interfaz; si la base de datos falla, muestra el mensaje en
// español (el diálogo de error del programa) y la acción se detiene ahí.
// Devuelve false cuando hubo error.
bool ejecutaProtegido(const std::function<void()> &accion);

class ErrorBase;
// Muestra la falla al usuario (su mensaje en español) y deja su detalle técnico en el registro.
void muestraFalla(const ErrorBase &e);

// Un guardado que el motor rechazó por una causa ajena a lo capturado (disco lleno, sin permiso,
// otro programa, archivo dañado): muestra su propio mensaje y devuelve true. Un dato rechazado
// no muestra nada y devuelve false: la ventana sigue con su aviso de información incompleta.
bool avisaFallaExterna(const ErrorBase &e);
