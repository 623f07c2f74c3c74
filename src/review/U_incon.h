#pragma once
// Ventana W_Incon: muestra, de modo modal, el reporte de la revisión de inconsistencias y
// devuelve el veredicto. Se crea oculta al arrancar y vive toda la ejecución.
#include <QDialog>

class QFrame;
class QTextEdit;
class QPushButton;

// Veredicto de la última revisión: true cuando no hubo nada bloqueante.
extern bool Sin_Inconsistencias;

class TW_Incon : public QDialog {
    Q_OBJECT
public:
    explicit TW_Incon(QWidget *parent = nullptr);
    ~TW_Incon() override;

    // Corre la revisión, escribe el reporte en Memo1, muestra la ventana de modo modal y,
    // al cerrarla, devuelve Sin_Inconsistencias. Un error de la base deja el veredicto en
    // false, no muestra la ventana y se propaga (ErrorBase) para que la acción que la
    // pidió se detenga con el diálogo de error del programa.
    bool Revisa_Inconsistencias();

    QFrame *Panel1 = nullptr;
    QPushButton *Button1 = nullptr;   // oculto, sin función
    QPushButton *Button2 = nullptr;   // "Salir"
    QTextEdit *Memo1 = nullptr;
};

// La única instancia (nullptr antes de crearla al arrancar).
TW_Incon *W_Incon();
