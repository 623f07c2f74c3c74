#pragma once
#include <QString>
#include <stdexcept>

// Falla de la base de datos de la solicitud. `mensaje` está en español y se puede mostrar
// al usuario; `detalle` conserva el texto técnico del motor para depurar (nunca se muestra).
// `externa` distingue lo que no depende de lo capturado (disco lleno, sin permiso, archivo
// bloqueado o dañado) de un dato que el motor rechazó: la ventana que guarda avisa lo primero
// con su propio mensaje y lo segundo como información incompleta.
class ErrorBase : public std::runtime_error {
public:
    ErrorBase(QString mensaje, QString detalle = {}, bool externa = false)
        : std::runtime_error(mensaje.toStdString()), m_mensaje(std::move(mensaje)),
          m_detalle(std::move(detalle)), m_externa(externa) {}
    const QString &mensaje() const { return m_mensaje; }
    const QString &detalle() const { return m_detalle; }
    bool externa() const { return m_externa; }

private:
    QString m_mensaje;
    QString m_detalle;
    bool m_externa = false;
};
