#pragma once
// W_DatAcad3: montos solicitados de una opción (manutención, colegiatura, inscripción, con sus
// monedas) y el seguro médico; columnas de costos de la fila de Beca de esa opción.
#include "academic/VentanaAcad.h"

class EditMascara;
class GrupoRadio;
class QComboBox;
class QLineEdit;
class QPushButton;

class TW_DatAcad3 : public VentanaAcad {
    Q_OBJECT
public:
    TW_DatAcad3();

    void Muestra_Montos(int n);
    bool Guarda();

    void RG_ManClick();
    void RG_ColClick();
    void RG_InscClick();
    void Btn_GuardarClick();

    // Moneda: elemento de la lista ↔ clave guardada (0 sin elección o fuera de la lista).
    static int Moneda_Clave(int indice);
    static void despliega_monedas(QComboBox *combo, qint64 clave);
    static const QStringList &monedas();

    int opcion() const { return m_opcion; }

    QLineEdit *Nom_Institucion;
    GrupoRadio *RG_Man, *RG_Col, *RG_Insc, *SM;
    QLineEdit *FrecMan, *MonedaMan, *FrecCol, *FrecInsc;
    EditMascara *MontoMan, *MontoCol, *MontoInsc;
    QComboBox *CB_MonCol, *CB_MonInsc;
    QPushButton *Btn_Guardar;

private:
    int m_opcion = 1;
    QString m_institucion;
};
