#pragma once
// W_DirAct: captura de cualquier domicilio de la solicitud (actual, accidente, extranjero,
// instituciones, aval, predio, trabajo del aval y referencias), según el tipo con que se abre.
#include "shell/Ventana.h"

class EditMascara;
class EditMayusculas;
class EditTexto;
class QAction;
class QComboBox;
class QLabel;
class QPushButton;
class QToolButton;

class TW_DirAct : public Ventana {
    Q_OBJECT
public:
    TW_DirAct();
    ~TW_DirAct() override;

    static bool esExtranjero(const QString &tipo);   // EXT y OP1 a OP5
    const QString &tipo() const { return m_tipo; }
    // Un domicilio se elige al abrir la ventana: sólo se ubica el tipo que ya muestra.
    bool Ubica_Registro(const QString &, const QString &registro) override { return registro == m_tipo; }
    QString Registro_Mostrado(const QString &) const override { return m_tipo; }

    void Muestra_Domicilio(const QString &tipo);
    void Muestra_fec_corresp();
    bool Guarda();

    // llena = false cuando quien llama vuelve a llenar enseguida las listas (al mostrar).
    void CB_EstadoChange(bool llena = true);
    void CB_CiudadChange(bool llena = true);
    void CB_MunicipioChange();
    void Add_CdClick();
    void Add_MpioClick();
    void e_mailExit();
    void Fec_CorrespExit();
    void Btn_SigClick();
    void Btn_AtrasClick();
    void Borradireccionenelextranjero1Click();

protected:
    void closeEvent(QCloseEvent *e) override;

private:
    void FormCreate();
    void ponSiguiente(bool guardar);
    void habilitaAltas();
    qint64 clavePersona() const;

    QLabel *L_DirTipo, *L_Edo, *L_Cd, *L_Mpio, *L_Correspondencia;
    EditMayusculas *Calle, *Exterior, *Interior, *CP, *Colonia;
    QComboBox *CB_Estado, *CB_Ciudad, *CB_Municipio;
    QToolButton *Add_Cd, *Add_Mpio;
    EditMascara *Telefono, *Fax, *Fec_Corresp;
    EditTexto *e_mail;
    QPushButton *Btn_Atras, *Btn_Sig, *Btn_Guardar, *Btn_aux;
    QAction *Borradireccionenelextranjero1;

    QString m_tipo;
    qint64 m_institucion = 0;
    bool Existe_Domicilio = false;
};
