#include "curriculum/VentanaVitae.h"
#include "shell/Teclado.h"
#include "curriculum/ListaRegistros.h"
#include "platform/Base.h"
#include "platform/Dialogos.h"
#include "platform/Edits.h"
#include "platform/Fechas.h"
#include "shell/U_inicial.h"
#include "shell/Iconos.h"

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>

VentanaVitae::VentanaVitae(const QString &nombre, bool soloMenuSistema)
    : Ventana(nombre, QStringLiteral("Curriculum Vitae"))
{
    centraEnMarco(soloMenuSistema);
    cuentaSalida(Salida::DentroDeLaVentana);
}

EditMayusculas *VentanaVitae::texto(const QString &nombre)
{
    auto *e = new EditMayusculas(this);
    e->setObjectName(nombre);
    return e;
}

EditMascara *VentanaVitae::mascara(const QString &nombre, const char *m)
{
    auto *e = new EditMascara(QString::fromLatin1(m), this);
    e->setObjectName(nombre);
    // Ancho justo para la máscara, como los campos de fecha y de año del formulario.
    e->setMaximumWidth(e->fontMetrics().horizontalAdvance(QString(e->maxLength() + 3, u'0')) + 12);
    return e;
}

QSpinBox *VentanaVitae::selector(const QString &nombre, int limite)
{
    auto *s = new QSpinBox(this);
    s->setObjectName(nombre);
    s->setRange(0, limite);
    s->setValue(0);
    s->setMaximumWidth(70);
    return s;
}

QComboBox *VentanaVitae::opciones(const QString &nombre, const QStringList &elementos)
{
    auto *c = new QComboBox(this);
    c->setObjectName(nombre);
    c->addItems(elementos);
    return c;
}

QPushButton *VentanaVitae::boton(const QString &nombre, const QString &texto, int icono)
{
    auto *b = new QPushButton(iconoEstandar(QStyle::StandardPixmap(icono), this), texto, this);
    b->setObjectName(nombre);
    b->setAutoDefault(false);
    return b;
}

QLabel *VentanaVitae::etiqueta(const QString &texto, QWidget *companero)
{
    auto *l = new QLabel(texto);
    Teclado::liga(l, companero);
    return l;
}

QMenu *VentanaVitae::creaMenu(const QString &nombre)
{
    m_menu = new QMenu(this);
    m_menu->setObjectName(nombre);
    return m_menu;
}

void VentanaVitae::entradaMenu(const QString &nombre, const QString &texto, std::function<void()> manejador)
{
    QAction *a = m_menu->addAction(texto);
    a->setObjectName(nombre);
    alEvento(a, &QAction::triggered, std::move(manejador));
}

void VentanaVitae::contextMenuEvent(QContextMenuEvent *evento)
{
    if (m_menu)
        m_menu->exec(evento->globalPos());
}

void VentanaVitae::alEntrar(QWidget *control, std::function<void()> manejador)
{
    m_alEntrar.insert(control, std::move(manejador));
    control->installEventFilter(this);
}

VentanaVitae::~VentanaVitae()
{
    // Los controles se destruyen aquí, mientras la ventana entera sigue viva: al destruirse
    // avisan a los registros de manejadores de la base (que de otro modo ya no existirían)
    // y un control con el foco no debe correr su manejador de salida.
    m_cerrando = true;
    qDeleteAll(findChildren<QWidget *>(Qt::FindDirectChildrenOnly));
}

bool VentanaVitae::eventFilter(QObject *objeto, QEvent *evento)
{
    if (m_cerrando)
        return false;
    if (evento->type() == QEvent::FocusIn) {
        // Volver de un aviso no es entrar al campo: si contara, un aviso al entrar se repetiría
        // sin fin.
        const Qt::FocusReason r = static_cast<QFocusEvent *>(evento)->reason();
        if (r == Qt::ActiveWindowFocusReason || r == Qt::PopupFocusReason)
            return false;
        const auto it = m_alEntrar.constFind(objeto);
        if (it != m_alEntrar.cend()) {
            const auto manejador = *it;
            ejecuta(manejador);
        }
        return false;
    }
    return Ventana::eventFilter(objeto, evento);
}

void VentanaVitae::salidaFecha(EditMascara *fecha)
{
    const auto normal = Fechas::normaliza(fecha->texto());
    bool valida = false;
    if (normal) {
        fecha->ponTexto(*normal);
        valida = W_Inicial()->Valida_Fecha(*normal);
    } else if (!Fechas::vacia(fecha->texto())) {
        W_Inicial()->Valida_Fecha(fecha->texto());   // sólo por su mensaje (31/02, mes 13…)
    }
    if (!valida)
        fecha->ponTexto(Fechas::propuesta());
}

void VentanaVitae::salidaPromedio(EditMascara *promedio)
{
    const QString t = CamposVitae::textoPromedio(promedio->texto());
    promedio->ponTexto(t);
    const auto n = CamposVitae::numeroPromedio(t);
    if (!n) {
        dialogos().mensaje(QStringLiteral("El promedio no es un valor numérico válido"), Dialogos::Icono::Error);
        return;
    }
    if (*n > 10) {
        dialogos().mensaje(QString::fromUtf8(kMensajePromedio), Dialogos::Icono::Advertencia);
        promedio->setFocus();
    }
}

bool VentanaVitae::guardaJunto(const std::function<bool()> &pasos)
{
    Base::Transaccion t;   // un error de la base la deshace entera
    const bool completo = pasos();
    t.confirma();
    return completo;
}

void VentanaVitae::pasaA(const QString &nombre)
{
    if (W_Inicial())
        W_Inicial()->Abre_Forma(nombre);   // no hace nada si ya está abierta
    cierraVentana();
}

ListaRegistros *VentanaVitae::listaDe(const QString &control) const
{
    for (ListaRegistros *l : findChildren<ListaRegistros *>())
        for (const CamposVitae::CampoLista &c : l->definicion().campos)
            if (c.control && c.control->objectName() == control)
                return l;
    return nullptr;
}

bool VentanaVitae::Ubica_Registro(const QString &control, const QString &registro)
{
    ListaRegistros *l = listaDe(control);
    if (!l)
        return Ventana::Ubica_Registro(control, registro);
    const int n = registro.toInt();
    if (n != l->actual())
        l->selector()->setValue(n);
    return n == l->actual();
}

QString VentanaVitae::Registro_Mostrado(const QString &control) const
{
    const ListaRegistros *l = listaDe(control);
    return l ? QString::number(l->actual()) : QString();
}
