#pragma once
// W_Quiral: formato del crédito educativo del fideicomiso. Crear la ventana abre sus consultas
// y arma el reporte R_Quiral: la hoja del avalista (sus datos, domicilio, predio en garantía,
// registro y trabajo, con los avisos de documentos y de firma) y la solicitud de crédito con
// las secciones A, B y C del financiamiento y las referencias personales. Muestra() enseña la
// vista previa, desde la que se imprime.
#include "platform/Consulta.h"
#include "platform/informe/Informe.h"

#include <QWidget>

class TW_Quiral : public QWidget {
    Q_OBJECT
public:
    explicit TW_Quiral(QWidget *parent = nullptr);
    ~TW_Quiral() override;

    Consulta Q_Becario, Q_Referencia, Q_Aval, Q_DirAvp, Q_DirAvt, Q_DetA, Q_DetB;
    Informe::Reporte R_Quiral;

    Informe::Documento Documento() const { return R_Quiral.maqueta(); }
    void Muestra();       // vista previa modal; vuelve al cerrarla

    // Edad en años cumplidos por diferencia de años (sin mes ni día) a la fecha de hoy; vacía
    // si la fecha de nacimiento falta o no es una fecha.
    static QString Edad(const QString &nacimiento);

protected:
    void closeEvent(QCloseEvent *e) override;

private:
    void Arma();
};

// Lo que hace el botón del formato del fideicomiso: crea W_Quiral, muestra la vista previa y
// la libera al cerrarse.
void Imprime_Quiral(QWidget *padre = nullptr);
