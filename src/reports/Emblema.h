#pragma once
#include <QImage>

// Emblema de los reportes impresos: un sello con un libro abierto, dibujado por el propio
// programa (no es una imagen ajena). Cuadrado, con fondo transparente.
QImage emblema();
