#include "reports/last.h"
#include "platform/informe/Pintor.h"
#include "reports/VistaReporte.h"

#include <QCloseEvent>

TW_Formas::TW_Formas(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("W_Formas"));
    setWindowTitle(QStringLiteral("W_Formas"));
}

TW_Formas::~TW_Formas() = default;

void TW_Formas::closeEvent(QCloseEvent *e)
{
    cierra();
    QWidget::closeEvent(e);
}

void TW_Formas::Muestra() { Informe::previsualiza(Documento(), this); }

void Imprime_Formas(QWidget *padre) { Impresion::muestra<TW_Formas>(padre); }
