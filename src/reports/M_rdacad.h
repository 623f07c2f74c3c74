#pragma once
// R_DatAcad: forma impresa de los datos académicos: las respuestas del programa solicitado,
// un bloque por opción de institución con su domicilio, programa, periodo, contacto y montos,
// y los tres motivos (el segundo y el tercero, cada uno en hoja nueva). La leyenda de
// borrador sale de General.Cerrar. El reporte nunca escribe. Éste es el modelo, sin ventana;
// la vista previa es TR_DatAcad (U_rdacad.h).
#include "platform/Consulta.h"
#include "platform/informe/Informe.h"

class MR_DatAcad {
public:
    // Abre las consultas y arma el reporte. Lanza ErrorBase.
    MR_DatAcad();
    virtual ~MR_DatAcad();

    Consulta Q_Becario;       // nombre del solicitante
    Consulta Q_Gral;          // respuestas, grados, motivos y la leyenda
    Consulta Q_Curso;         // curso de especialización (parámetro P_Curso)
    Consulta Q_AreaConv;      // área y disciplina
    Consulta Q_InstOpc;       // opciones con su institución
    Consulta Q_DirInstOpc;    // conduce el reporte: un bloque por opción con domicilio completo
    Informe::Reporte QR_DatAcad;

    Informe::Documento Documento() const { return QR_DatAcad.maqueta(); }
    void cierra();        // cierra las consultas

    // Nombre impreso de una clave de moneda ("" si no es una de las conocidas).
    static QString Convierte_monedas(qint64 clave);

private:
    void FormCreate();
    void Arma();
};

// Escribe la forma como PDF, igual que la vista previa. Devuelve el mensaje de error en
// español, o vacío. Lanza ErrorBase si la base falla.
QString Escribe_DatAcad(const QString &archivo);
