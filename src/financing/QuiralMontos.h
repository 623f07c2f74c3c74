#pragma once
// W_MontosQuiral: los otros fondos con que el solicitante cubrirá parte de sus estudios, como
// los pide el fideicomiso del crédito educativo: (A) una beca en trámite o concedida y (B) una
// aportación personal, familiar o de una institución, cada una con hasta 20 líneas de concepto
// e importe, y (C) el sueldo mensual que le mantiene su empleador. Los nombres de A y B y el
// sueldo van en la fila única de Aval; las líneas, en MontosQuiral.
#include "platform/Consulta.h"
#include "shell/Ventana.h"

#include <optional>

class EditMascara;
class EditMayusculas;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

class TW_MontosQuiral : public Ventana {
    Q_OBJECT
public:
    TW_MontosQuiral();

    // Nombres y sueldo de Aval en la ventana; true si la fila de Aval existe.
    bool Muestra_Tipo();
    // Muestra la línea k de la sección de la consulta; true si está guardada.
    bool muestra(QLineEdit *concepto, EditMascara *importe, int k, Consulta &datos);
    static bool valida(const QLineEdit *concepto, const EditMascara *importe);
    static void Limpia_campos(QLineEdit *concepto, EditMascara *importe);
    static void Habilita_campos(QLineEdit *concepto, EditMascara *importe, bool si);
    // Escribe nombres y sueldo en Aval. Lanza ErrorBase si la base lo rechaza.
    void Guardar_Tipo(qint64 montoMensual);
    // Escribe la línea `numero` de la sección: actualiza la fila `clave` o, con clave 0, la que
    // ya tenga ese número, o inserta una nueva. Devuelve la Clave escrita; lanza ErrorBase.
    qint64 Guardar(qint64 clave, QChar seccion, qint64 monto, const QString &concepto, int numero);

    void Num_AChange();
    void Num_BChange();
    void Btn_GuardarClick();

    // Importe escrito en un campo "!99999999": 0 en blanco; nullopt si no es un número
    // (un blanco entre los dígitos).
    static std::optional<qint64> importe(const QString &texto);

    QLabel *Label1, *Label4, *Label5;
    EditMayusculas *E_TipoA, *E_TipoB;
    QSpinBox *Num_A, *Num_B;
    EditMayusculas *E_Conceptos, *E_ConceptosB;
    EditMascara *ME_Importes, *ME_ImportesB, *ME_TipoC;
    QPushButton *Btn_Guardar;

    Consulta Q_ConceptoA, Q_ConceptoB;

    bool avalEncontrado() const { return m_guardar; }

private:
    // Estado de una sección (A o B): la línea mostrada y su fila.
    struct Seccion {
        QChar tipo;
        EditMayusculas *nombre = nullptr;
        QSpinBox *num = nullptr;
        EditMayusculas *concepto = nullptr;
        EditMascara *importe = nullptr;
        Consulta *datos = nullptr;
        QString faltaNombre;           // aviso cuando hay línea escrita sin nombre
        int actual = 0;                // número de la línea mostrada (0 ninguna)
        qint64 clave = 0;              // Clave de su fila; 0 si no está guardada
        QString conceptoMostrado, importeMostrado;
    };
    // Línea lista para escribirse.
    struct Linea {
        Seccion *seccion;
        QString concepto;
        qint64 monto;
    };

    void cambio(Seccion &s);
    void muestraLinea(Seccion &s, int k);
    bool pendiente(const Seccion &s) const;
    // Revisa lo escrito y lo guarda todo junto (Aval y las líneas de las secciones dadas), o
    // nada: false con el aviso ya mostrado y los campos intactos.
    bool guardaTodo(std::initializer_list<Seccion *> secciones);

    Seccion m_a, m_b;
    bool m_guardar = false;   // la fila de Aval existía al abrir
};
