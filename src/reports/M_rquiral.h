#pragma once
// Formato del crédito educativo del fideicomiso. Crear el modelo abre sus consultas y arma el
// reporte R_Quiral: la hoja del avalista (sus datos, domicilio, predio en garantía, registro y
// trabajo, con los avisos de documentos y de firma) y la solicitud de crédito con las
// secciones A, B y C del financiamiento y las referencias personales. La ventana W_Quiral, con
// la vista previa desde la que se imprime, es TW_Quiral (U_rquiral.h).
#include "platform/Consulta.h"
#include "platform/informe/Informe.h"

class MR_Quiral {
public:
    MR_Quiral();
    virtual ~MR_Quiral();

    Consulta Q_Becario, Q_Referencia, Q_Aval, Q_DirAvp, Q_DirAvt, Q_DetA, Q_DetB;
    Informe::Reporte R_Quiral;

    Informe::Documento Documento() const { return R_Quiral.maqueta(); }
    void cierra();        // cierra las consultas

    // Edad en años cumplidos por diferencia de años (sin mes ni día) a la fecha de hoy; vacía
    // si la fecha de nacimiento falta o no es una fecha.
    static QString Edad(const QString &nacimiento);

private:
    void Arma();
};
