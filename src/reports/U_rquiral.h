#pragma once
// La ventana del reporte de M_rquiral.h: su vista previa, desde la que se imprime. Crearla abre
// las consultas y arma el reporte (MR_Quiral); cerrarla las cierra.
#include "reports/M_rquiral.h"

#include <QWidget>

class TW_Quiral : public QWidget, public MR_Quiral {
    Q_OBJECT
public:
    explicit TW_Quiral(QWidget *parent = nullptr);
    ~TW_Quiral() override;

    void Muestra();       // vista previa modal; vuelve al cerrarla

protected:
    void closeEvent(QCloseEvent *e) override;
};

// Lo que hace el botón del formato del fideicomiso: crea W_Quiral, muestra la vista previa y
// la libera al cerrarse.
void Imprime_Quiral(QWidget *padre = nullptr);
