#include "support/DialogosPrueba.h"

QStringList DialogosPrueba::textos() const
{
    QStringList r;
    for (const auto &m : m_mostrados)
        r << m.texto;
    return r;
}

QVariant DialogosPrueba::toma()
{
    if (m_respuestas.empty()) {
        ++m_sinRespuesta;
        return {};
    }
    QVariant r = m_respuestas.front();
    m_respuestas.pop_front();
    return r;
}

void DialogosPrueba::aviso(const QString &texto) { m_mostrados.push_back({QStringLiteral("aviso"), texto, Icono::Ninguno}); }

void DialogosPrueba::mensaje(const QString &texto, Icono icono) { m_mostrados.push_back({QStringLiteral("mensaje"), texto, icono}); }

bool DialogosPrueba::pregunta(const QString &texto, Icono icono)
{
    m_mostrados.push_back({QStringLiteral("pregunta"), texto, icono});
    return toma().toBool();
}

std::optional<QString> DialogosPrueba::entrada(const QString &titulo, const QString &etiqueta, const QString &)
{
    m_mostrados.push_back({QStringLiteral("entrada"), titulo + QStringLiteral(": ") + etiqueta, Icono::Ninguno});
    const QVariant r = toma();
    if (!r.isValid() || r.isNull())
        return std::nullopt;
    return r.toString();
}

DialogosPrueba *DialogosPrueba::instala()
{
    auto d = std::make_unique<DialogosPrueba>();
    DialogosPrueba *p = d.get();
    Dialogos::instala(std::move(d));
    return p;
}
