#pragma once
// Grupo de botones de opción con título y columnas. Cambiar la selección, por el usuario o
// desde el código, avisa con `cambio` (como el clic de un grupo de opciones); volver a
// elegir la opción ya marcada no avisa.
#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QGridLayout;
class QRadioButton;

class GrupoRadio : public QGroupBox {
    Q_OBJECT
public:
    GrupoRadio(const QString &nombre, const QString &titulo, const QStringList &elementos, int columnas,
               QWidget *parent = nullptr);

    // Reemplaza los elementos; queda sin selección y sin avisar.
    void ponElementos(const QStringList &elementos);
    int cuenta() const { return int(m_botones.size()); }
    QString elemento(int i) const;

    int indice() const;
    // Selecciona el elemento i (uno mayor que el último selecciona el último; -1 ninguno);
    // avisa si la selección cambió.
    void ponIndice(int i);
    // Igual, pero sin avisar (valor inicial de diseño).
    void ponIndiceSinAviso(int i);
    QRadioButton *boton(int i) const { return m_botones.value(i); }
    // Pone el foco en el botón marcado (o en el primero).
    void enfoca();

signals:
    void cambio(int indice);

private:
    void marca(int i);

    QButtonGroup *m_grupo;
    QGridLayout *m_rejilla;
    QList<QRadioButton *> m_botones;
    int m_columnas;
    bool m_callado = false;
};
