#pragma once
// W_DatAcad1: programa solicitado (becas anteriores, área, disciplina, subdisciplina o curso,
// grados objetivo y puntos del EGEL). Todo vive en la fila única de General.
#include "academic/VentanaAcad.h"

class EditMascara;
class EditMayusculas;
class GrupoRadio;
class QComboBox;
class QLabel;
class QPushButton;

class TW_DatAcad1 : public VentanaAcad {
    Q_OBJECT
public:
    TW_DatAcad1();

    void Muestra_Datos();
    bool Valida();
    bool Guarda();

    // Manejadores
    void CB_AreaChange();
    void CB_DiscChange();
    void CB_GdoIniChange();
    void CB_GdoFinChange();
    void CB_CursosChange();
    void CB_CursosExit();
    void BecaAntClick();
    void ConyBecaClick();
    void RG_EgelClick();
    void Btn_SigClick();

    // Sentencia de los grados: sin orden por nombre antes de la convocatoria 515 y, si se
    // pide, limitada a los grados 19 y 25.
    static QString sentenciaGrados(qint64 convocatoria, bool restringe);

    GrupoRadio *BecaAnt, *ConyBeca, *ConySolicitaBeca, *RG_Egel;
    EditMascara *ExpBeca, *ExpCony, *ME_Puntos;
    QComboBox *CB_Area, *CB_Disc, *CB_Cursos, *CB_GdoIni, *CB_GdoFin;
    QLabel *L_Subdisc;
    EditMayusculas *SubDisciplina;
    QPushButton *Btn_Sig;

private:
    enum class Caso { Credito, Curso, GradoFijo, General };
    Caso caso() const;
    static Caso casoDe(qint64 convocatoria);

    // Lo guardado en General que la ventana muestra.
    struct Guardado {
        qint64 expAnt = 0, expCony = 0, gradoIni = 0, gradoFin = 0, disciplina = 0, area = 0, curso = 0, convocatoria = 0;
        QString solCony, subdisciplina, egel;
    };
    Guardado leeGeneral();
    void muestraBecasYEgel(const Guardado &g);
    // Un caso por convocatoria con reglas propias: áreas, grados y especialidad o curso.
    void muestraCredito(const Guardado &g);
    void muestraCurso(const Guardado &g);
    void muestraGrados(const Guardado &g);

    qint64 m_convocatoria = 0;
};
