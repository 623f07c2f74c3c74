#pragma once
// Módulo de datos W_DM: las consultas de catálogo compartidas y la consulta auxiliar Q_Aux.
// Cada consulta conserva también la fila elegida de la lista que llena.
#include "platform/Consulta.h"
#include <QObject>

class TW_DM : public QObject {
    Q_OBJECT
public:
    explicit TW_DM(QObject *parent = nullptr);
    ~TW_DM() override;

    Consulta Q_Conv;
    Consulta Q_Pais;
    Consulta Q_Estado;        // :Pais
    Consulta Q_Ciudad;        // :Edo
    Consulta Q_Municipio;     // :Edo
    Consulta Q_Area;
    Consulta Q_Disc;          // :p_Area
    Consulta Q_AreaCredito;
    Consulta Q_DiscCredito;
    Consulta Q_GdoIni;
    Consulta Q_GdoFin;
    Consulta Q_Curso;         // :p_Conv
    Consulta Q_Institucion;   // :p_Pais
    Consulta Q_Especialidad;  // :Discip
    Consulta Q_Persona;
    Consulta Q_Aux;

    // Sentencias originales, para las pruebas y para quien necesite restaurarlas.
    static QString sentenciaOriginal(const QString &consulta);
};

// La única instancia, creada al arrancar (nullptr antes).
TW_DM *W_DM();
