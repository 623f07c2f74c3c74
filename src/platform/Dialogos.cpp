#include "platform/Dialogos.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>

namespace {
std::unique_ptr<Dialogos> g_dialogos;

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

Dialogos &Dialogos::actual()
{
    if (!g_dialogos)
        g_dialogos = std::make_unique<DialogosQt>();
    return *g_dialogos;
}

void Dialogos::instala(std::unique_ptr<Dialogos> d) { g_dialogos = std::move(d); }

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
// Cierra el recordatorio cuando el campo pierde el foco (o se destruye, con su ventana).
class FinRecordatorio : public QObject {
public:
    FinRecordatorio(QWidget *campo, QMessageBox *caja) : QObject(caja), m_campo(campo), m_caja(caja)
    {
        m_descripcion = campo->accessibleDescription();
        campo->setAccessibleDescription(caja->text());   // el lector de pantalla lo lee en el campo
        campo->installEventFilter(this);
    }
    ~FinRecordatorio() override
    {
        if (m_campo) {
            m_campo->removeEventFilter(this);
            m_campo->setAccessibleDescription(m_descripcion);
        }
    }

protected:
    bool eventFilter(QObject *, QEvent *evento) override
    {
        if (evento->type() == QEvent::FocusOut || evento->type() == QEvent::Hide)
            m_caja->close();
        return false;
    }

private:
    QPointer<QWidget> m_campo;
    QMessageBox *m_caja;
    QString m_descripcion;
};
} // namespace

void DialogosQt::recordatorio(const QString &texto, QWidget *campo)
{
    if (!campo) {
        mensaje(texto, Icono::Advertencia);
        return;
    }
    // Sin modo y sin tomar el foco: lo que se teclea sigue llegando al campo.
    auto *caja = new QMessageBox(QMessageBox::Warning, tituloDe(Icono::Advertencia), texto, QMessageBox::Ok, campo->window());
    caja->setObjectName(QStringLiteral("Recordatorio"));
    caja->setAttribute(Qt::WA_DeleteOnClose);
    caja->setAttribute(Qt::WA_ShowWithoutActivating);
    caja->setWindowFlag(Qt::WindowDoesNotAcceptFocus);
    caja->setWindowModality(Qt::NonModal);
    new FinRecordatorio(campo, caja);
    caja->adjustSize();
    caja->move(campo->mapToGlobal(QPoint(0, campo->height() + 4)));
    caja->show();
}
