#pragma once
// Ventana W_Recupera: diálogo modal que recupera la solicitud desde un disco de entrega (al
// cambiar de equipo o tras perder el disco duro). Se elige la unidad como en la entrega, se
// comprueba el paquete contra su recibo, se enseña de quién es y qué dice su revisión y, si
// el solicitante lo confirma, reemplaza la solicitud capturada y vuelve a "Datos Generales".
#include <QDialog>
#include <QString>

#include <memory>

class Paquete;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

class TW_Recupera : public QDialog {
    Q_OBJECT
public:
    explicit TW_Recupera(QWidget *parent = nullptr);
    ~TW_Recupera() override;

    QLabel *etiqueta = nullptr;
    QComboBox *DriveComboBox1 = nullptr;
    QPushButton *Btn_Verificar = nullptr;
    QPushButton *Btn_Recuperar = nullptr;   // sólo con un paquete íntegro ya verificado
    QPushButton *Btn_Cerrar = nullptr;
    QPlainTextEdit *Memo1 = nullptr;        // lo que se encontró en el disco

    // Comprueba el paquete de la raíz de la unidad elegida y enseña lo encontrado.
    void Btn_VerificarClick();
    // Reemplaza la solicitud por la del paquete verificado (pregunta antes si hay una).
    void Btn_RecuperarClick();

private:
    void DriveComboBox1Change(int indice);
    void Olvida();

    std::unique_ptr<Paquete> m_paquete;
};
