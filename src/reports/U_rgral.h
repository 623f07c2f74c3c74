#pragma once
// La ventana del reporte de M_rgral.h: su vista previa, desde la que se imprime. Crearla abre
// las consultas y arma el reporte (MR_DatGrales); cerrarla las cierra.
#include "reports/M_rgral.h"

#include <QWidget>

class TR_DatGrales : public QWidget, public MR_DatGrales {
    Q_OBJECT
public:
    explicit TR_DatGrales(QWidget *parent = nullptr);
    ~TR_DatGrales() override;

    void Muestra();       // vista previa modal de QR_DatGrales; vuelve al cerrarla

protected:
    void closeEvent(QCloseEvent *e) override;
};

// Lo que hace "Datos Generales" tras la revisión: crea R_DatGrales, muestra su vista previa
// (desde la que se imprime) y lo libera. Lanza ErrorBase si la base falla.
void Imprime_DatGrales(QWidget *padre = nullptr);
