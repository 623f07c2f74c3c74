#pragma once
// Diálogos contestados por la prueba: cada respuesta se toma de una cola en orden y todo
// lo mostrado queda anotado.
#include "platform/Dialogos.h"
#include <QStringList>
#include <QVariant>
#include <deque>

class DialogosPrueba : public Dialogos {
public:
    struct Mostrado {
        QString tipo;     // "aviso", "mensaje", "pregunta", "entrada"
        QString texto;
        Icono icono = Icono::Ninguno;
    };

    // Respuestas: bool para preguntas; QString (o QVariant() = cancelar) para entradas.
    void siguienteRespuesta(const QVariant &r) { m_respuestas.push_back(r); }
    void limpia() { m_mostrados.clear(); m_respuestas.clear(); m_sinRespuesta = 0; }

    const std::vector<Mostrado> &mostrados() const { return m_mostrados; }
    QStringList textos() const;
    QString ultimo() const { return m_mostrados.empty() ? QString() : m_mostrados.back().texto; }
    int sinRespuesta() const { return m_sinRespuesta; }   // preguntas sin respuesta en cola
    size_t pendientes() const { return m_respuestas.size(); }

    void aviso(const QString &texto) override;
    void mensaje(const QString &texto, Icono icono) override;
    bool pregunta(const QString &texto, Icono icono) override;
    std::optional<QString> entrada(const QString &titulo, const QString &etiqueta, const QString &inicial) override;

    // Instala una nueva instancia y la devuelve.
    static DialogosPrueba *instala();

private:
    QVariant toma();
    std::vector<Mostrado> m_mostrados;
    std::deque<QVariant> m_respuestas;
    int m_sinRespuesta = 0;
};
