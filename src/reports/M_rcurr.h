#pragma once
// R_Curriculum: el currículum del solicitante como lo capturó en las tres ventanas de
// currículum (antecedentes escolares, asociaciones, becas, congresos, idiomas,
// publicaciones, reconocimientos, tesis dirigidas, experiencia profesional y otros
// estudios), bajo un encabezado con su nombre y la leyenda de borrador, y un pie con el
// renglón de la firma. Crear el modelo abre sus consultas y arma `QR_curriculum`; la vista
// previa es TR_Curriculum (U_rcurr.h). El reporte nunca escribe en las tablas.
#include "platform/Consulta.h"
#include "platform/informe/Informe.h"

class MR_Curriculum {
public:
    MR_Curriculum();
    virtual ~MR_Curriculum();

    Consulta Q_Becario;
    Consulta Q_Escolar;
    Consulta Q_trab1;      // asociaciones
    Consulta Q_Trab2;      // becas recibidas
    Consulta Q_trab3;      // trabajos en congresos
    Consulta Q_Idioma;
    Consulta Q_trab4;      // publicaciones
    Consulta Q_Trab5;      // reconocimientos
    Consulta Q_Trab6;      // tesis dirigidas
    Consulta Q_Trab7;      // experiencia profesional
    Consulta Q_Escolar2;   // otros estudios
    Consulta Q_Cierra;     // marca de cierre de General
    Informe::Reporte QR_curriculum;

    Informe::Documento Documento() const { return QR_curriculum.maqueta(); }
    void cierra();        // cierra las consultas

    // Reglas al imprimir.
    static QString QRLabel95Print(const QString &cerrar);   // "TALVERO" sólo con "S"; si no, "BORRADOR"
    static QString QRDBT_nivelPrint(const QString &nivel);  // LIC, MAE, DOC con su nombre completo
    static QString QRDBText8Print(const QString &fecha);    // el año de una fecha dd/mm/yyyy

private:
    void FormCreate();
    void Arma();
};
