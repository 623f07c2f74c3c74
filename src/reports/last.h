#pragma once
// La ventana del reporte de M_formas.h: su vista previa, desde la que se imprime. Crearla abre
// las consultas y arma el reporte (MR_Formas); cerrarla las cierra.
#include "reports/M_formas.h"

#include <QWidget>

class TW_Formas : public QWidget, public MR_Formas {
    Q_OBJECT
public:
    explicit TW_Formas(QWidget *parent = nullptr);
    ~TW_Formas() override;

    void Muestra();       // vista previa modal; vuelve al cerrarla

protected:
    void closeEvent(QCloseEvent *e) override;
};

// Lo que hace "Imprimir Formas": crea W_Formas, muestra la vista previa y la libera.
void Imprime_Formas(QWidget *padre = nullptr);
