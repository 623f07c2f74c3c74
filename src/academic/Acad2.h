#pragma once
// W_DatAcad2: opciones de institución (una fila de Beca por opción, Clave = número de opción).
// Los países y las instituciones que se ofrecen dependen de la convocatoria del solicitante.
#include "platform/Consulta.h"
#include "academic/VentanaAcad.h"

class EditMascara;
class EditMayusculas;
class EditMemo;
class GrupoRadio;
class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QToolButton;

class TW_DatAcad2 : public VentanaAcad {
    Q_OBJECT
public:
    TW_DatAcad2();

    bool muestra(int n);
    bool Institucion(int n);
    bool Inserta(int n);
    bool Actualiza(int n);
    bool GuardaOpcion(int n);

    // Manejadores
    void Inst_OpcionClick();
    void CB_PaisChange();
    void CB_InstitucionChange();
    void ContactoClick();
    void FechaExit(EditMascara *campo);
    void MesesExit();
    void ProgramaExit();
    void Btn_GuardarClick();
    void Btn_AnteriorClick();
    void Btn_SiguienteClick();
    void Btn_DirClick();
    void Btn_MontosClick();
    void BorraOpcion1Click();

    // Opción elegida en el selector (1 a 5; 0 sin elección) y su selección desde otra ventana.
    int opcionSeleccionada() const;
    void seleccionaOpcion(int indice);
    int opcionEditada() const { return m_opcionEditada; }
    bool Ubica_Registro(const QString &control, const QString &registro) override;
    QString Registro_Mostrado(const QString &) const override { return QString::number(opcionSeleccionada()); }
    bool guardado() const { return m_guardado; }

    // Sentencias: países de una convocatoria (parámetro :Conv) e instituciones de un país
    // (parámetro :p_Pais) según la convocatoria y la opción.
    static QString sentenciaPaises();
    static QString sentenciaInstituciones(qint64 convocatoria, int opcion);
    static QStringList opcionesDe(qint64 convocatoria);

    GrupoRadio *Inst_opcion;
    QLabel *L_Opciones;
    QComboBox *CB_Pais, *CB_Institucion;
    QToolButton *Add_Inst;
    GrupoRadio *Contacto;
    EditMayusculas *Nom_contacto, *Puesto_Contacto;
    EditMemo *Programa;
    EditMascara *Fec_IniEst, *Fec_FinEst, *Fec_IniBeca, *Fec_FinBeca, *Meses;
    GrupoRadio *Carta;
    QPushButton *Btn_Anterior, *Btn_Siguiente, *Btn_Guardar, *Btn_Montos, *Btn_Dir;
    QMenu *MenuAcad;
    QAction *BorraOpcion1;

protected:
    void closeEvent(QCloseEvent *e) override;

private:
    bool esCurso() const { return m_convocatoria == 488 || m_convocatoria == 489; }
    // Países de la opción: los de la convocatoria 481 en la tercera, los de la propia en las demás.
    void ponPaises(int opcion);
    void preparaConsultasCompartidas();
    struct Valores;
    Valores valores();

    qint64 m_convocatoria = 0;
    int m_opcionEditada = 1;
    bool m_guardado = false;
    bool m_cerrando = false;
    bool m_sinCambioAlCerrar = false;
    Consulta Q_aux;
};
