#pragma once
// W_Dependiente: cónyuge e hijos, familiar para accidentes, aval y referencias personales.
#include "shell/Ventana.h"

class EditMascara;
class EditMayusculas;
class GrupoOpciones;
class QAction;
class QLabel;
class QPushButton;

class TW_Dependiente : public Ventana {
    Q_OBJECT
public:
    TW_Dependiente();
    ~TW_Dependiente() override;

    int depActual() const { return Dep_Actual; }
    const QString &tipo() const { return m_tipo; }
    bool Ubica_Registro(const QString &control, const QString &registro) override;
    QString Registro_Mostrado(const QString &) const override { return m_tipo; }

    void Muestra_Dependientes(const QString &tipo);
    bool encontraste(const QString &tipo);
    bool Guarda(const QString &tipo);
    void Habilita_Botones(const QString &tipo, bool existe);
    void panel_ref();

    void Btn_GuardarClick();
    void DepsClick(int i);
    void Deps1Click(int i);
    void Btn_SiguienteClick();
    void Btn_AnteriorClick();
    void Btn_DireccionClick();
    void Btn_PredioClick();
    void ReferenciasClick();
    void Btn_SalirClick();
    void Fec_nacExit();
    void RFC_AvalEnter();
    void Borradependiente1Click();

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    void FormCreate();
    void ponTipo(const QString &tipo);
    // Tipo que guarda la casilla actual (el que se muestra).
    QString tipoDeCasilla() const;
    // Guarda la casilla actual; false si no se pudo (la navegación no sigue).
    bool guardaCasilla();
    // Vuelve a marcar en los selectores la casilla que se muestra.
    void marcaCasilla();
    bool modoFamiliar() const;
    // Tras un cambio de modo: la ventana (y su recuadro MDI) crece hasta que cada control
    // visible cabe entero; nunca queda más chica de lo que pide su contenido.
    void reajusta();

    GrupoOpciones *Deps, *Deps1, *Sexo, *Edo_Civil;
    QLabel *L_Dependiente, *L_Rfc;
    EditMayusculas *Nombre_1, *Nombre_2, *Paterno, *Materno, *RFC_Aval;
    EditMascara *Fec_nac;
    QPushButton *Btn_Salir, *Referencias, *Btn_Guardar, *Btn_Anterior, *Btn_Siguiente, *Btn_Direccion, *Btn_Predio;
    QAction *Borradependiente1;

    QString m_tipo;        // el Tipo_Actual de esta ventana
    int Dep_Actual = 0;
};
