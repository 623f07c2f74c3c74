#pragma once
// W_DatAcad4: los tres textos de motivos (Motivos_A, _B y _C de la fila única de General).
// Salir de una caja ya guarda: cada salida escribe la fila en ese momento.
#include "academic/VentanaAcad.h"

class EditMemo;
class QLabel;
class QPushButton;

class TW_DatAcad4 : public VentanaAcad {
    Q_OBJECT
public:
    TW_DatAcad4();

    void FormShow();
    void MotivoExit(EditMemo *caja);
    void Btn_GuardarClick();

    // Texto como se guarda: una línea vacía antes de una primera línea con algo, y
    // mayúsculas de la a a la z.
    static QString transforma(const QString &texto);

    // Caracteres que admite cada caja de motivos al capturar.
    static constexpr int kLargoMotivo = 10000;

    EditMemo *DB_MotivosA, *DB_MotivosB, *DB_MotivosC;
    QLabel *Label1, *Label2, *Label3, *Label4;
    QPushButton *Btn_Guardar;

protected:
    void closeEvent(QCloseEvent *e) override;

private:
    void escribe();
    bool m_cerrando = false;
};
