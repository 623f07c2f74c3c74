#include "reports/U_rdacad.h"
#include "platform/informe/Pintor.h"
#include "reports/VistaReporte.h"

#include <QCloseEvent>

TR_DatAcad::TR_DatAcad(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("R_DatAcad"));
    setWindowTitle(QStringLiteral("Reportes"));
}

TR_DatAcad::~TR_DatAcad() = default;

void TR_DatAcad::closeEvent(QCloseEvent *e)
{
    cierra();
    QWidget::closeEvent(e);
}

void TR_DatAcad::Muestra() { Informe::previsualiza(Documento(), this); }

void Imprime_DatAcad(QWidget *padre) { Impresion::muestra<TR_DatAcad>(padre, true); }
