#pragma once
// Formato en blanco de la carta de evaluación de un árbitro (dos hojas), con el nombre del
// solicitante. Crear el modelo abre su consulta y arma el reporte `Formas`; la ventana
// W_Formas, con la vista previa desde la que se imprimen las copias que hagan falta, es
// TW_Formas (last.h).
#include "platform/Consulta.h"
#include "platform/informe/Informe.h"

class MR_Formas {
public:
    MR_Formas();
    virtual ~MR_Formas();

    Consulta Q_Becario;
    Informe::Reporte Formas;

    Informe::Documento Documento() const { return Formas.maqueta(); }
    void cierra();        // cierra las consultas

private:
    void Arma();
};
