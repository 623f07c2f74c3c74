#pragma once
// Base de las ventanas académicas: agrega el manejador de salida de un campo (el foco lo
// deja), que no corre mientras la ventana se destruye.
#include "shell/Ventana.h"
#include <memory>

class VentanaAcad : public Ventana {
    Q_OBJECT
public:
    // Centrada en el área del marco, con su recuadro ordinario.
    VentanaAcad(const QString &nombre, const QString &titulo) : Ventana(nombre, titulo) { centraEnMarco(false); }
    ~VentanaAcad() override;

protected:
    // Manejador protegido (un error de la base se muestra en español) al salir del control.
    void alSalirDe(QWidget *control, std::function<void()> manejador);

private:
    std::shared_ptr<bool> m_viva = std::make_shared<bool>(true);
};
