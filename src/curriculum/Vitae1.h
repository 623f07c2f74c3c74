#pragma once
// W_Vitae1: antecedentes escolares por grado, becas recibidas y reconocimientos académicos.
#include "curriculum/ListaRegistros.h"
#include "curriculum/VentanaVitae.h"

class QButtonGroup;
class QCheckBox;

class TW_Vitae1 : public VentanaVitae {
    Q_OBJECT
public:
    TW_Vitae1();

    // Antecedentes escolares (un registro por grado, no es lista)
    bool muestra_escolar(const QString &nivel);
    CamposVitae::Paso Guardar_antecedentes();
    void GradosClick(int indice);
    void Borraantecedentesescolares1Click();

    void PromedioEnter();
    void PromedioExit();
    void Fec_recExit();

    bool Guarda();                      // false si una revisión detuvo el guardado
    void Btn_SiguienteClick();

    // Los antecedentes escolares se ubican por grado ("LIC", "MAE", "DOC").
    bool Ubica_Registro(const QString &control, const QString &registro) override;
    QString Registro_Mostrado(const QString &control) const override;

    ListaRegistros *becas() const { return m_becas; }
    ListaRegistros *reconocimientos() const { return m_recon; }

    Consulta Q_Escolares;

private:
    bool esEscolar(const QString &control) const;

    QWidget *Grados = nullptr;
    QButtonGroup *m_grados = nullptr;
    EditMayusculas *Institucion = nullptr;
    QComboBox *Tipo = nullptr;
    EditMascara *AnioIni = nullptr;
    EditMascara *AnioFin = nullptr;
    EditMayusculas *Carrera = nullptr;
    EditMascara *Promedio = nullptr;
    QCheckBox *Titulado = nullptr;
    EditMascara *Fec_rec = nullptr;

    std::vector<CamposVitae::CampoLista> m_escolares;   // columnas de Escolar que muestran los campos
    int m_nivel = 0;                 // 0 licenciatura, 1 maestría, 2 doctorado
    bool m_nivelGuardado = false;
    ListaRegistros *m_becas = nullptr;
    ListaRegistros *m_recon = nullptr;
};
