#include "reports/U_rquiral.h"
#include "platform/informe/Pintor.h"
#include "reports/VistaReporte.h"

#include <QCloseEvent>

TW_Quiral::TW_Quiral(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("W_Quiral"));
    setWindowTitle(QStringLiteral("Formato de credito educativo."));
}

TW_Quiral::~TW_Quiral() = default;

void TW_Quiral::closeEvent(QCloseEvent *e)
{
    cierra();
    QWidget::closeEvent(e);
}

void TW_Quiral::Muestra() { Informe::previsualiza(Documento(), this); }

void Imprime_Quiral(QWidget *padre) { Impresion::muestra<TW_Quiral>(padre); }
