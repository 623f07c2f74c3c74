#pragma once
// W_Vitae3: experiencia profesional, asociaciones, idiomas, otros estudios y pertenencia al SNI.
#include "curriculum/ListaRegistros.h"
#include "curriculum/VentanaVitae.h"

class QCheckBox;

class TW_Vitae3 : public VentanaVitae {
    Q_OBJECT
public:
    TW_Vitae3();

    // Bloque SNI: un solo juego de campos en la fila de General.
    void muestra_Sni();
    void Habilita_Campos_Sni(bool si);
    void SNIClick();
    bool Valida_Sni() const;
    CamposVitae::Paso Guardar_Sni();

    bool Guarda();                   // false si una revisión detuvo el guardado
    void Btn_GuardarClick();
    void Btn_AnteriorClick();

    ListaRegistros *laboral() const { return m_lab; }
    ListaRegistros *asociaciones() const { return m_aso; }
    ListaRegistros *idiomas() const { return m_idi; }
    ListaRegistros *otrosEstudios() const { return m_otr; }

    Consulta Q_SNI;

private:
    QCheckBox *SNI = nullptr;
    EditMascara *Fecini_sni = nullptr;
    EditMascara *fecfin_sni = nullptr;
    EditMascara *ExpSni = nullptr;
    ListaRegistros *m_lab = nullptr;
    ListaRegistros *m_aso = nullptr;
    ListaRegistros *m_idi = nullptr;
    ListaRegistros *m_otr = nullptr;
};
