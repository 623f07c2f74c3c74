#pragma once
// Base de las tres ventanas curriculares: controles con su nombre, reglas de los campos de
// fecha y de promedio al salir, menú emergente de borrado y paso a la ventana vecina.
#include "platform/Consulta.h"
#include "shell/Ventana.h"
#include <QHash>

class EditMascara;
class ListaRegistros;
class EditMayusculas;
class QComboBox;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QSpinBox;

class VentanaVitae : public Ventana {
    Q_OBJECT
public:
    // `soloMenuSistema`: recuadro sin botones de minimizar ni maximizar.
    VentanaVitae(const QString &nombre, bool soloMenuSistema);
    ~VentanaVitae() override;

    QMenu *menuEmergente() const { return m_menu; }

    // En las listas el registro es el número del selector de la lista que lleva el control:
    // se mueve el selector, que guarda el registro que se deja como siempre.
    bool Ubica_Registro(const QString &control, const QString &registro) override;
    QString Registro_Mostrado(const QString &control) const override;

protected:
    Consulta Q_Aux;   // consulta auxiliar propia: los borrados

    EditMayusculas *texto(const QString &nombre);
    EditMascara *mascara(const QString &nombre, const char *mascara);
    QSpinBox *selector(const QString &nombre, int limite);
    QComboBox *opciones(const QString &nombre, const QStringList &elementos);
    QPushButton *boton(const QString &nombre, const QString &texto, int icono);
    static QLabel *etiqueta(const QString &texto, QWidget *companero);
    QMenu *creaMenu(const QString &nombre);
    void entradaMenu(const QString &nombre, const QString &texto, std::function<void()> manejador);

    // Manejador protegido que corre al entrar al control.
    void alEntrar(QWidget *control, std::function<void()> manejador);

    // Salida de un campo de fecha: la fecha se reescribe "dd/mm/yyyy" y se revisa; si no es
    // válida (o está en blanco) queda la fecha de hoy.
    void salidaFecha(EditMascara *fecha);
    // Salida del promedio: se reescribe sin blancos; mayor que 10 avisa y regresa el foco.
    void salidaPromedio(EditMascara *promedio);

    // Los pasos de un guardado (la fila actual de cada lista) en una sola transacción: una
    // caída a la mitad no deja medio guardado. Si una revisión detiene los pasos, lo escrito
    // antes se queda, como si cada paso se confirmara solo. Devuelve lo que devuelven los pasos.
    bool guardaJunto(const std::function<bool()> &pasos);

    // Abre la ventana vecina por su nombre (si no está abierta) y cierra ésta.
    void pasaA(const QString &nombre);

    bool eventFilter(QObject *objeto, QEvent *evento) override;
    void contextMenuEvent(QContextMenuEvent *evento) override;

private:
    ListaRegistros *listaDe(const QString &control) const;

    bool m_cerrando = false;
    QMenu *m_menu = nullptr;
    QHash<QObject *, std::function<void()>> m_alEntrar;
};

// Texto de la advertencia del promedio.
inline const char *kMensajePromedio = "El promedio tiene que ser un valor numerico en el intervalo [8,10]";
