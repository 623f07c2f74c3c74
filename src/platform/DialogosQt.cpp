#include "platform/DialogosQt.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

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
