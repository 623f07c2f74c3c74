#pragma once
// W_Formas: formato en blanco de la carta de evaluación de un árbitro (dos hojas), con el
// nombre del solicitante. Crear la ventana abre su consulta y arma el reporte `Formas`;
// Muestra() enseña la vista previa, desde la que se imprimen las copias que hagan falta.
#include "platform/Consulta.h"
#include "platform/informe/Informe.h"

#include <QWidget>

class TW_Formas : public QWidget {
    Q_OBJECT
public:
    explicit TW_Formas(QWidget *parent = nullptr);
    ~TW_Formas() override;

    Consulta Q_Becario;
    Informe::Reporte Formas;

    Informe::Documento Documento() const { return Formas.maqueta(); }
    void Muestra();       // vista previa modal; vuelve al cerrarla

protected:
    void closeEvent(QCloseEvent *e) override;

private:
    void Arma();
};

// Lo que hace "Imprimir Formas": crea W_Formas, muestra la vista previa y la libera.
void Imprime_Formas(QWidget *padre = nullptr);
