#pragma once
// Avance de una tarea larga de las reglas (abrir las consultas de un reporte, 0 a 100). La capa
// de ventanas registra quién lo enseña (la barra del marco); sin ella no se enseña nada.
namespace Progreso {
using Aviso = void (*)(int valor);
bool registra(Aviso aviso);
void marca(int valor);
}
