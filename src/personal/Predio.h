#pragma once
// W_Predial: el predio que el aval deja en garantía (cuenta predial, registro público, folio),
// los años que conoce al solicitante y sus datos laborales. Todo es la fila única de Aval
// (Clave 1, Tipo "AVA"); desde aquí se abren los domicilios del predio y del trabajo del aval.
#include "shell/Ventana.h"

class EditMascara;
class EditMayusculas;
class EditTexto;
class QPushButton;

class TW_Predial : public Ventana {
    Q_OBJECT
public:
    TW_Predial();
    ~TW_Predial() override;

    bool Muestra_Predio();
    bool Muestra_Laboral();
    bool Guarda();

    void Btn_GuardarClick();
    void Btn_DireccionClick();
    void Btn_DirTraAvalClick();
    void ME_FechaExit();
    void ME_FecIngresoExit();

    bool existePredio() const { return Existe_Predio; }
    bool existeLaboral() const { return Existe_Laboral; }

protected:
    void closeEvent(QCloseEvent *e) override;

private:
    void FormCreate();
    void ponSalir();
    void revisaFecha(EditMascara *campo);
    void abreDomicilio(const QString &tipo);

    EditMayusculas *E_Cta_Predial, *E_LugarRegistro, *E_Folio, *E_Empresa, *E_Depto, *E_Puesto;
    EditTexto *E_Antig;
    EditMascara *ME_Fecha, *ME_anios, *ME_FecIngreso;
    QPushButton *Btn_Direccion, *Btn_DirTraAval, *Btn_Guardar, *Btn_Salir;

    bool Existe_Predio = false;
    bool Existe_Laboral = false;
};
