#pragma once
// La ventana del reporte de M_rcurr.h: su vista previa, desde la que se imprime. Crearla abre
// las consultas y arma el reporte (MR_Curriculum); cerrarla las cierra.
#include "reports/M_rcurr.h"

#include <QWidget>

class TR_Curriculum : public QWidget, public MR_Curriculum {
    Q_OBJECT
public:
    explicit TR_Curriculum(QWidget *parent = nullptr);
    ~TR_Curriculum() override;

    void Muestra();       // vista previa modal; vuelve al cerrarla

protected:
    void closeEvent(QCloseEvent *e) override;
};
