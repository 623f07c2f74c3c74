#include "academic/VentanaAcad.h"
#include "platform/Errores.h"

#include <QEvent>

namespace {
// Filtro hijo del propio control: muere con él y no toca la ventana si ya se destruye.
class FiltroSalida : public QObject {
public:
    FiltroSalida(QWidget *control, std::function<void()> manejador, std::shared_ptr<bool> viva)
        : QObject(control), m_manejador(std::move(manejador)), m_viva(std::move(viva))
    {
        control->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override
    {
        if (evento->type() == QEvent::FocusOut && *m_viva)
            ejecutaProtegido(m_manejador);
        return QObject::eventFilter(objeto, evento);
    }

private:
    std::function<void()> m_manejador;
    std::shared_ptr<bool> m_viva;
};
} // namespace

VentanaAcad::~VentanaAcad() { *m_viva = false; }

void VentanaAcad::alSalirDe(QWidget *control, std::function<void()> manejador)
{
    new FiltroSalida(control, std::move(manejador), m_viva);
}
