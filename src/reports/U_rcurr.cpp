#include "reports/U_rcurr.h"
#include "platform/informe/Pintor.h"
#include "reports/VistaReporte.h"

#include <QCloseEvent>

TR_Curriculum::TR_Curriculum(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("R_Curriculum"));
    setWindowTitle(QStringLiteral("Curriculum Vitae"));
}

TR_Curriculum::~TR_Curriculum() = default;

void TR_Curriculum::closeEvent(QCloseEvent *e)
{
    cierra();
    QWidget::closeEvent(e);
}

void TR_Curriculum::Muestra() { Informe::previsualiza(Documento(), this); }
