#include "reports/U_rgral.h"
#include "platform/informe/Pintor.h"
#include "reports/VistaReporte.h"

#include <QCloseEvent>

TR_DatGrales::TR_DatGrales(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("R_DatGrales"));
    setWindowTitle(QStringLiteral("Reportes"));
}

TR_DatGrales::~TR_DatGrales() = default;

void TR_DatGrales::closeEvent(QCloseEvent *e)
{
    cierra();
    QWidget::closeEvent(e);
}

void TR_DatGrales::Muestra() { Informe::previsualiza(Documento(), this); }

void Imprime_DatGrales(QWidget *padre) { Impresion::muestra<TR_DatGrales>(padre, true); }
