#pragma once
// Piezas comunes de las ventanas de datos personales: grupos de opciones, listas de
// catálogo que recuerdan la clave de cada renglón y fechas de los campos con máscara.
#include <QComboBox>
#include <QGroupBox>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <optional>

class Consulta;
class EditMascara;
class QButtonGroup;
class QComboBox;
class QGridLayout;

// Grupo de opciones excluyentes en varias columnas. eligio() sólo se emite cuando el
// usuario (o una prueba) pulsa una opción, nunca cuando el código cambia la selección.
class GrupoOpciones : public QGroupBox {
    Q_OBJECT
public:
    GrupoOpciones(const QString &nombre, const QString &titulo, const QStringList &elementos, int columnas,
                  QWidget *parent = nullptr);

    void ponElementos(const QStringList &elementos);   // sin opción elegida
    int indice() const;                                 // -1 sin opción
    void ponIndice(int i);                              // -1 quita la selección
    QStringList elementos() const;

signals:
    void eligio(int indice);

private:
    QButtonGroup *m_grupo;
    QGridLayout *m_rejilla;
    int m_columnas;
};

// Lista desplegable del ancho de un número de letras más el hueco de un icono, sin medir sus
// renglones (un catálogo largo tardaría): el tamaño de QComboBox::AdjustToMinimumContentsLengthWithIcon,
// píxel por píxel. Esa política arma la lista emergente en cuanto se pone, al crear la ventana;
// aquí se arma la primera vez que se despliega, como en cualquier lista.
class ListaFija : public QComboBox {
public:
    explicit ListaFija(QWidget *parent = nullptr) : QComboBox(parent) {}
    // Como setMinimumContentsLength() con esa política; 0 vuelve al tamaño de QComboBox.
    void ponLetras(int letras);
    int letras() const { return m_letras; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    int m_letras = 0;
};

// Lista desplegable cuya elección hecha con flechas, rueda o letras sobre la lista cerrada
// queda pendiente: sólo cuenta cuando se confirma (al elegir en la lista abierta, con Intro, al
// salir del control o cuando la ventana llama a confirma()). Hojear no cambia nada.
class ListaConfirmada : public ListaFija {
    Q_OBJECT
public:
    explicit ListaConfirmada(QWidget *parent = nullptr);
    bool pendiente() const { return m_pendiente; }
    // Emite confirmada() si hay una elección pendiente.
    void confirma();

signals:
    void confirmada();

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void wheelEvent(QWheelEvent *e) override;
    void focusOutEvent(QFocusEvent *e) override;

private:
    bool m_hojeando = false;
    bool m_pendiente = false;
};

class QHBoxLayout;
class QToolButton;

namespace Listas {
// Renglón de una lista con su botón de agregar al catálogo a la derecha (o el hueco del
// botón, para que todas las listas de la ventana tengan el mismo ancho).
QHBoxLayout *conBoton(QComboBox *combo, QToolButton *boton);

// Llena la lista (campo 1) y anota en cada renglón la clave del campo 0, para leerla
// aunque otra ventana reabra la consulta compartida.
void llena(Consulta &q, QComboBox *combo);
// Llena y elige el renglón de la clave (ninguno si no está).
void ubica(Consulta &q, qint64 clave, QComboBox *combo);
// Elige el renglón de la clave en una lista que `llena` acaba de llenar con q, sin leerla otra vez.
void elige(Consulta &q, qint64 clave, QComboBox *combo);
// Coloca la consulta en el renglón elegido (en el primero si no hay elección).
void posiciona(Consulta &q, QComboBox *combo);
// Clave del renglón elegido; nullopt si no hay elección.
std::optional<qint64> clave(QComboBox *combo);
// Clave elegida o, sin elección, la del primer renglón de la consulta (la cascada trabaja
// desde ahí).
qint64 claveOPrimera(QComboBox *combo, Consulta &q);
}
