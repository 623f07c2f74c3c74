#pragma once
// W_Generales: convocatoria y datos del solicitante (nombre, nacimiento, RFC, CURP).
#include "shell/Ventana.h"

class EditMascara;
class EditMayusculas;
class GrupoOpciones;
class ListaConfirmada;
class QComboBox;
class QLabel;
class QPushButton;
class QToolButton;

class TW_Generales : public Ventana {
    Q_OBJECT
public:
    TW_Generales();
    ~TW_Generales() override;

    // Operaciones de la ventana.
    void Muestra_Datos();
    void Muestra_Convocatoria();
    void Muestra_Lugar_Nac(qint64 ciudad);
    bool Guarda_Convocatoria();
    bool Guarda();
    void Borra_Academicos();

    // Manejadores.
    void CB_ConvChange();
    void CB_PaisNacChange();
    void CB_EstadoNacChange();
    void CB_CiudadNacChange();
    void Btn_AddEdoClick();
    void Btn_AddCdClick();
    void Fec_NacExit();
    void E_RFCEnter();
    void Edo_CivilClick(int indice);
    void Btn_SigClick();

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    void FormCreate();
    void regresaFoco(QWidget *w);
    // Deja la clave 1 libre para el solicitante si otra persona la ocupa.
    static void liberaClaveSolicitante();
    // Hay opciones de institución o domicilios que se borran al cambiar de convocatoria.
    static bool hayAcademicos();
    // Vuelve a mostrar la convocatoria guardada (ninguna si no hay).
    void reponeConvocatoria();

    GrupoOpciones *RadioGroup1, *Sexo, *Edo_Civil;
    ListaConfirmada *CB_Conv;
    QComboBox *CB_PaisNac, *CB_EstadoNac, *CB_CiudadNac;
    EditMayusculas *Nombre_1, *Nombre_2, *Paterno, *Materno, *E_RFC, *E_Curp;
    EditMascara *Fec_Nac, *ME_Ingresos;
    QLabel *L_Ingresos;
    QToolButton *Btn_AddEdo, *Btn_AddCd;
    QPushButton *Btn_Sig;

    bool Existe_General = false;
    bool Existe_Solicitante = false;
    qint64 m_convocatoria = 0;
    qint64 m_convGuardada = 0;   // la que tiene la tabla General
    // Ingreso leído y su texto en el campo: si nadie lo cambia se guarda el leído, entero,
    // aunque no quepa en la máscara.
    qint64 m_ingreso = 0;
    QString m_ingresoMostrado;
};
