#pragma once
// Base de las ventanas hijas del marco: se liberan al cerrarse y se cierran junto con el
// recuadro MDI que las contiene.
#include <QWidget>
#include <functional>

class Ventana : public QWidget {
    Q_OBJECT
public:
    Ventana(const QString &nombre, const QString &titulo, QWidget *parent = nullptr);

    // Cierra la ventana (y su recuadro MDI); se libera sola.
    void cierraVentana();

protected:
    // Conecta una señal a un manejador protegido: un error de la base se muestra en
    // español y el manejador se detiene.
    template <typename Emisor, typename Senal>
    void alEvento(Emisor *emisor, Senal senal, std::function<void()> manejador)
    {
        connect(emisor, senal, this, [m = std::move(manejador)] { ejecuta(m); });
    }
    static void ejecuta(const std::function<void()> &m);
};
