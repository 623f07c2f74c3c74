#pragma once
// Base de las ventanas hijas del marco: se liberan al cerrarse y se cierran junto con el
// recuadro MDI que las contiene.
#include <QHash>
#include <QLabel>
#include <QWidget>
#include <functional>

class Ventana : public QWidget {
    Q_OBJECT
public:
    Ventana(const QString &nombre, const QString &titulo, QWidget *parent = nullptr);
    ~Ventana() override;

    // Cierra la ventana (y su recuadro MDI); se libera sola.
    void cierraVentana();

    // Pone la barra de progreso compartida G_Cargando (0 a 100).
    static void progreso(int valor);

    // Recuadro MDI de la ventana: al entrar en él, sólo con el botón de cerrar si `soloCerrar`;
    // al mostrarse por primera vez, del tamaño de su contenido y centrado en el área del marco.
    void centraEnMarco(bool soloCerrar);

    // Lleva la ventana al registro donde está el control (un tipo de domicilio o de persona,
    // un número de opción, un grado, un número en su lista), con sus propios selectores, como
    // lo haría el usuario. false si no puede mostrarlo sin cerrarse antes.
    virtual bool Ubica_Registro(const QString &control, const QString &registro);
    // El registro que muestra ahora para ese control; vacío si la ventana no elige registros.
    virtual QString Registro_Mostrado(const QString &control) const;

protected:
    // Conecta una señal a un manejador protegido: un error de la base se muestra en
    // español y el manejador se detiene.
    template <typename Emisor, typename Senal>
    void alEvento(Emisor *emisor, Senal senal, std::function<void()> manejador)
    {
        connect(emisor, senal, this, [m = std::move(manejador)] { ejecuta(m); });
    }
    // Etiqueta cuyo atajo lleva al control.
    QLabel *etiquetaDe(const QString &texto, QWidget *control);

    // Qué cuenta como salir de un campo, según la familia de ventanas.
    enum class Salida {
        SalvoAvisos,        // todo cambio de foco, menos el que causa un mensaje o un menú que se abre
        Siempre,            // todo cambio de foco, también hacia un mensaje (ventanas académicas)
        DentroDeLaVentana   // sólo pasar a otro control de esta ventana (currículum): ni un aviso, ni
                            // otra ventana, ni el cierre
    };
    void cuentaSalida(Salida s) { m_salida = s; }

    // Manejador protegido que corre cuando el control pierde el foco (al salir del campo),
    // según cuentaSalida().
    void alSalir(QWidget *control, std::function<void()> manejador);
    static void ejecuta(const std::function<void()> &m);

    bool eventFilter(QObject *objeto, QEvent *evento) override;
    bool event(QEvent *evento) override;
    // Tab y Mayús+Tab en orden de lectura (Teclado::avanza).
    bool focusNextPrevChild(bool siguiente) override;

private:
    QHash<QObject *, std::function<void()>> m_alSalir;
    Salida m_salida = Salida::SalvoAvisos;
    bool m_centrar = false;      // pendiente de centrar al primer Show
    bool m_soloCerrar = false;
};
