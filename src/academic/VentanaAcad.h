#pragma once
// Base de las ventanas académicas: centradas en el marco; salir de un campo es cualquier
// cambio de foco, también hacia un mensaje.
#include "shell/Ventana.h"

class VentanaAcad : public Ventana {
    Q_OBJECT
public:
    // Centrada en el área del marco, con su recuadro ordinario.
    VentanaAcad(const QString &nombre, const QString &titulo) : Ventana(nombre, titulo)
    {
        centraEnMarco(false);
        cuentaSalida(Salida::Siempre);
    }
};
