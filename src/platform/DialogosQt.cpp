#include "platform/DialogosQt.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QFocusEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QStyle>

namespace {
QWidget *padre() { return QApplication::activeWindow(); }

QMessageBox::Icon icono(Dialogos::Icono i)
{
    switch (i) {
    case Dialogos::Icono::Informacion: return QMessageBox::Information;
    case Dialogos::Icono::Advertencia: return QMessageBox::Warning;
    case Dialogos::Icono::Error: return QMessageBox::Critical;
    case Dialogos::Icono::Pregunta: return QMessageBox::Question;
    case Dialogos::Icono::Ninguno: break;
    }
    return QMessageBox::NoIcon;
}

QString tituloDe(Dialogos::Icono i)
{
    switch (i) {
    case Dialogos::Icono::Informacion: return QStringLiteral("Información");
    case Dialogos::Icono::Advertencia: return QStringLiteral("Advertencia");
    case Dialogos::Icono::Error: return QStringLiteral("Error");
    case Dialogos::Icono::Pregunta: return QStringLiteral("Confirmación");
    case Dialogos::Icono::Ninguno: break;
    }
    return Dialogos::tituloPrograma();
}
} // namespace

[[maybe_unused]] const bool registrados =
    Dialogos::registraPredeterminados([]() -> std::unique_ptr<Dialogos> { return std::make_unique<DialogosQt>(); });

void DialogosQt::aviso(const QString &texto)
{
    QMessageBox caja(QMessageBox::NoIcon, Dialogos::tituloPrograma(), texto, QMessageBox::Ok, padre());
    caja.exec();
}

void DialogosQt::mensaje(const QString &texto, Icono i)
{
    QMessageBox caja(icono(i), tituloDe(i), texto, QMessageBox::Ok, padre());
    caja.exec();
}

bool DialogosQt::pregunta(const QString &texto, Icono i)
{
    QMessageBox caja(icono(i), tituloDe(i), texto, QMessageBox::Yes | QMessageBox::No, padre());
    caja.setDefaultButton(QMessageBox::Yes);
    return caja.exec() == QMessageBox::Yes;
}

std::optional<QString> DialogosQt::entrada(const QString &titulo, const QString &etiqueta, const QString &inicial)
{
    bool ok = false;
    const QString t = QInputDialog::getText(padre(), titulo, etiqueta, QLineEdit::Normal, inicial, &ok);
    if (!ok)
        return std::nullopt;
    return t;
}

namespace {
// Recordatorio dentro de la ventana del campo, bajo él: no es una ventana aparte, así que ni el
// gestor de ventanas ni Qt le dan el foco, y se va cuando el campo pierde el foco o se oculta.
class Recordatorio : public QFrame {
public:
    Recordatorio(const QString &texto, QWidget *campo) : QFrame(campo->window()), m_campo(campo)
    {
        setObjectName(QStringLiteral("Recordatorio"));
        setFocusPolicy(Qt::NoFocus);
        setFrameShape(QFrame::Box);
        setAutoFillBackground(true);
        QPalette p = palette();
        p.setColor(QPalette::Window, p.color(QPalette::ToolTipBase));
        p.setColor(QPalette::WindowText, p.color(QPalette::ToolTipText));
        setPalette(p);
        auto *fila = new QHBoxLayout(this);
        fila->setContentsMargins(6, 4, 6, 4);
        auto *icono = new QLabel(this);
        icono->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(16, 16));
        auto *etiqueta = new QLabel(texto, this);
        etiqueta->setWordWrap(true);
        fila->addWidget(icono, 0, Qt::AlignTop);
        fila->addWidget(etiqueta, 1);
        m_descripcion = campo->accessibleDescription();
        campo->setAccessibleDescription(texto);   // el lector de pantalla lo lee en el campo
        campo->installEventFilter(this);

        QWidget *ventana = parentWidget();
        const int ancho = qMin(qMax(campo->width(), 320), ventana->width() - 8);
        resize(ancho, heightForWidth(ancho) > 0 ? heightForWidth(ancho) : sizeHint().height());
        QPoint lugar = campo->mapTo(ventana, QPoint(0, campo->height() + 2));
        lugar.setX(qBound(4, lugar.x(), ventana->width() - width() - 4));
        if (lugar.y() + height() > ventana->height())
            lugar.setY(campo->mapTo(ventana, QPoint(0, 0)).y() - height() - 2);
        move(lugar);
        raise();
        show();
    }
    ~Recordatorio() override
    {
        if (m_campo) {
            m_campo->removeEventFilter(this);
            m_campo->setAccessibleDescription(m_descripcion);
        }
    }

protected:
    bool eventFilter(QObject *, QEvent *evento) override
    {
        // Cambiar de ventana o abrir una lista no es dejar el campo.
        if (evento->type() == QEvent::Hide ||
            (evento->type() == QEvent::FocusOut && static_cast<QFocusEvent *>(evento)->reason() != Qt::ActiveWindowFocusReason &&
             static_cast<QFocusEvent *>(evento)->reason() != Qt::PopupFocusReason))
            deleteLater();
        return false;
    }

private:
    QPointer<QWidget> m_campo;
    QString m_descripcion;
};
} // namespace

void DialogosQt::recordatorio(const QString &texto, QWidget *campo)
{
    if (!campo || !campo->window()) {
        mensaje(texto, Icono::Advertencia);
        return;
    }
    // Uno a la vez por ventana: volver a entrar al campo no apila otro.
    for (QFrame *f : campo->window()->findChildren<QFrame *>(QStringLiteral("Recordatorio"), Qt::FindDirectChildrenOnly))
        delete f;
    new Recordatorio(texto, campo);
}
