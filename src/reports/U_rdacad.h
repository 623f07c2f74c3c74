#pragma once
// La ventana del reporte de M_rdacad.h: su vista previa, desde la que se imprime. Crearla abre
// las consultas y arma el reporte (MR_DatAcad); cerrarla las cierra.
#include "reports/M_rdacad.h"

#include <QWidget>

class TR_DatAcad : public QWidget, public MR_DatAcad {
    Q_OBJECT
public:
    explicit TR_DatAcad(QWidget *parent = nullptr);
    ~TR_DatAcad() override;

    void Muestra();       // vista previa modal; vuelve al cerrarla

protected:
    void closeEvent(QCloseEvent *e) override;
};

// Lo que hace "Datos Académicos" tras la revisión: crea R_DatAcad, muestra su vista previa
// (desde la que se imprime) y lo libera. Lanza ErrorBase si la base falla.
void Imprime_DatAcad(QWidget *padre = nullptr);
