#pragma once
// Ventana W_Incon: muestra, de modo modal, el reporte de la revisión de inconsistencias y
// devuelve el veredicto. Se crea oculta al arrancar y vive toda la ejecución.
#include "review/Revision.h"
#include <QDialog>
#include <QTextBrowser>
#include <optional>

class QFrame;

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

    // El lugar del renglón que el usuario siguió (doble clic, clic en el enlace o Entrar) para
    // cerrar la revisión; nullopt si la cerró con "Salir". Quien pidió la revisión lleva ahí.
    std::optional<Revision::Lugar> Lugar_Elegido() const { return m_elegido; }
    // Sigue el renglón `linea` del reporte si tiene lugar: lo recuerda y cierra la ventana.
    bool Sigue_Renglon(int linea);

    QFrame *Panel1 = nullptr;
    QPushButton *Button1 = nullptr;   // oculto, sin función
    QPushButton *Button2 = nullptr;   // "Salir"
    // Un renglón con lugar se lee como enlace: Tab lo alcanza y Entrar lo sigue.
    QTextBrowser *Memo1 = nullptr;

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    void escribeReporte();

    Revision::Resultado m_resultado;
    std::optional<Revision::Lugar> m_elegido;
};

// La única instancia (nullptr antes de crearla al arrancar).
TW_Incon *W_Incon();
