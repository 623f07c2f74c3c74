#pragma once
#include <QString>
#include <stdexcept>

// Falla de la base de datos de la solicitud. `mensaje` está en español y se puede mostrar
// al usuario; `detalle` conserva el texto técnico del motor para depurar (nunca se muestra).
class ErrorBase : public std::runtime_error {
public:
    ErrorBase(QString mensaje, QString detalle = {})
        : std::runtime_error(mensaje.toStdString()), m_mensaje(std::move(mensaje)),
          m_detalle(std::move(detalle)) {}
    const QString &mensaje() const { return m_mensaje; }
    const QString &detalle() const { return m_detalle; }

private:
    QString m_mensaje;
    QString m_detalle;
};
