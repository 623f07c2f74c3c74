#include "shell/Ventana.h"
#include "platform/Errores.h"
#include "platform/Progreso.h"

#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProgressBar>
#include "shell/Teclado.h"
#include "shell/U_inicial.h"

Ventana::Ventana(const QString &nombre, const QString &titulo, QWidget *parent) : QWidget(parent)
{
    setObjectName(nombre);
    setWindowTitle(titulo);
    setAttribute(Qt::WA_DeleteOnClose);
}

Ventana::~Ventana()
{
    // Los controles vigilados se destruyen después que esta parte del objeto.
    for (auto it = m_alSalir.cbegin(); it != m_alSalir.cend(); ++it) {
        it.key()->removeEventFilter(this);
        disconnect(it.key(), nullptr, this, nullptr);
    }
    m_alSalir.clear();
}

void Ventana::cierraVentana()
{
    if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()))
        sub->close();
    else
        close();
}

void Ventana::centraEnMarco(bool soloCerrar)
{
    m_centrar = true;
    m_soloCerrar = soloCerrar;
}

bool Ventana::event(QEvent *evento)
{
    // Todos los eventos de la ventana pasan por aquí: sólo dos interesan.
    const QEvent::Type tipo = evento->type();
    if (tipo != QEvent::ParentChange && tipo != QEvent::Show)
        return QWidget::event(evento);
    if (tipo == QEvent::Show)
        Teclado::prepara(this);
    auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget());
    if (sub && tipo == QEvent::ParentChange && m_soloCerrar && !sub->isVisible()) {
        sub->setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                            Qt::WindowCloseButtonHint);
    } else if (sub && tipo == QEvent::Show && m_centrar) {
        m_centrar = false;
        sub->adjustSize();
        if (QMdiArea *area = sub->mdiArea()) {
            // Nunca más grande que el área: la ventana alta cabe entera y se ve su pie.
            sub->resize(sub->size().boundedTo(area->viewport()->size()));
            const QSize libre = area->viewport()->size() - sub->size();
            sub->move(qMax(0, libre.width() / 2), qMax(0, libre.height() / 2));
        }
    }
    return QWidget::event(evento);
}

bool Ventana::Ubica_Registro(const QString &, const QString &registro) { return registro.isEmpty(); }

QString Ventana::Registro_Mostrado(const QString &) const { return {}; }

void Ventana::ejecuta(const std::function<void()> &m) { ejecutaProtegido(m); }

void Ventana::progreso(int valor)
{
    if (W_Inicial() && W_Inicial()->G_Cargando)
        W_Inicial()->G_Cargando->setValue(valor);
}

// El avance que marcan las reglas (los reportes al abrir sus consultas) se ve en la barra.
namespace {
[[maybe_unused]] const bool progresoEnLaBarra = Progreso::registra(&Ventana::progreso);
}

void Ventana::alSalir(QWidget *control, std::function<void()> manejador)
{
    m_alSalir.insert(control, std::move(manejador));
    control->installEventFilter(this);
    connect(control, &QObject::destroyed, this, [this, control] { m_alSalir.remove(control); });
}

bool Ventana::eventFilter(QObject *objeto, QEvent *evento)
{
    if (evento->type() != QEvent::FocusOut)
        return QWidget::eventFilter(objeto, evento);
    const auto it = m_alSalir.constFind(objeto);
    if (it == m_alSalir.cend())
        return QWidget::eventFilter(objeto, evento);
    // Que la ventana pierda el foco porque se abrió un mensaje o un menú no es salir del campo
    // (salvo en la familia que lo cuenta).
    const auto razon = static_cast<QFocusEvent *>(evento)->reason();
    if ((razon == Qt::ActiveWindowFocusReason || razon == Qt::PopupFocusReason) && m_salida != Salida::Siempre)
        return QWidget::eventFilter(objeto, evento);
    // El foco que se va a otra ventana (la que se abre al pasar a la siguiente) o a ninguna (al
    // cerrarse ésta): en esa familia el aviso del campo se repetiría y le devolvería el foco a
    // una ventana que se va.
    if (m_salida == Salida::DentroDeLaVentana) {
        const QWidget *nuevo = QApplication::focusWidget();
        if (!nuevo || (nuevo != this && !isAncestorOf(nuevo)))
            return QWidget::eventFilter(objeto, evento);
    }
    const auto manejador = *it;
    ejecuta(manejador);
    return QWidget::eventFilter(objeto, evento);
}

QLabel *Ventana::etiquetaDe(const QString &texto, QWidget *control)
{
    auto *l = new QLabel(texto, this);
    Teclado::liga(l, control);
    return l;
}

bool Ventana::focusNextPrevChild(bool siguiente)
{
    return Teclado::avanza(this, siguiente) || QWidget::focusNextPrevChild(siguiente);
}
