#pragma once
// W_Vitae2: publicaciones, trabajos presentados en congresos y tesis dirigidas.
#include "curriculum/ListaRegistros.h"
#include "curriculum/VentanaVitae.h"

class TW_Vitae2 : public VentanaVitae {
    Q_OBJECT
public:
    TW_Vitae2();

    bool Guarda();                  // false si una revisión detuvo el guardado
    void Btn_AnteriorClick();
    void Btn_SiguienteClick();

    ListaRegistros *publicaciones() const { return m_pub; }
    ListaRegistros *congresos() const { return m_trab; }
    ListaRegistros *tesis() const { return m_tesis; }

private:
    ListaRegistros *m_pub = nullptr;
    ListaRegistros *m_trab = nullptr;
    ListaRegistros *m_tesis = nullptr;
};
