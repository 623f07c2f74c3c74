#pragma once
// Ventana W_GenDsk: diálogo modal que copia los archivos de la solicitud al disco removible
// (unidad A: o B:) que se entrega a TALVERO. Una instancia se crea oculta al arrancar; el
// panel de administración crea la suya y la muestra con Muestra().
#include <QChar>
#include <QDialog>
#include <QString>

class QComboBox;
class QLabel;
class QPushButton;

class TW_GenDsk : public QDialog {
    Q_OBJECT
public:
    explicit TW_GenDsk(QWidget *parent = nullptr);

    QLabel *etiqueta = nullptr;
    QComboBox *DriveComboBox1 = nullptr;
    QPushButton *Btn_Respaldar = nullptr;   // propiedad "tag": 0 pide el disco, 1 copia
    QPushButton *Btn_Cerrar = nullptr;

    // Carpeta de las tablas de la solicitud; se fija cada vez que se muestra.
    QString Origen;

    // Texto dibujado en la cara del diálogo (vacío si ninguno).
    QString Texto() const { return m_texto; }
    // Unidad elegida: 'a', 'b' o nula.
    QChar Unidad() const { return m_unidad; }

    // Copia la entrega a la carpeta raíz de la unidad, en orden y con su avance. Devuelve
    // false, sin copiar nada, si los archivos no caben en el espacio libre. ErrorBase si falla.
    bool Genera_Disco(const QString &destino);
    // Bytes libres de la unidad 1 (A:) o 2 (B:); -1 si no hay un medio legible.
    static qint64 Espacio_Libre(int unidad);
    // Copia un archivo: temporal, a disco, renombre y relectura comparada. ErrorBase si falla.

public slots:
    // Vuelve al estado inicial con las unidades presentes y se muestra de modo modal.
    void Muestra();

protected:
    void paintEvent(QPaintEvent *evento) override;
    void showEvent(QShowEvent *evento) override;

private:
    void DriveComboBox1Change(int indice);
    void Btn_RespaldarClick();
    void Btn_CerrarClick();
    void Dibuja(const QString &texto);
    void LlenaUnidades();
    void Inicia();

    QString m_texto;
    QChar m_unidad;
};
