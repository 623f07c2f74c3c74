#include "platform/Dialogos.h"

#include <cstdio>

namespace {
std::unique_ptr<Dialogos> g_dialogos;
// Inicialización constante: vale antes que cualquier registro hecho al cargarse una unidad.
constinit Dialogos::Fabrica g_fabrica = nullptr;

// Sin ventanas: lo que se avisa queda en la salida de error y nada se confirma.
class DialogosSinVentanas : public Dialogos {
public:
    void aviso(const QString &texto) override { escribe(texto); }
    void mensaje(const QString &texto, Icono) override { escribe(texto); }
    bool pregunta(const QString &texto, Icono) override
    {
        escribe(texto);
        return false;
    }
    std::optional<QString> entrada(const QString &, const QString &, const QString &) override { return std::nullopt; }

private:
    static void escribe(const QString &texto)
    {
        std::fputs(texto.toUtf8().constData(), stderr);
        std::fputc('\n', stderr);
    }
};
} // namespace

Dialogos &Dialogos::actual()
{
    if (!g_dialogos)
        g_dialogos = g_fabrica ? g_fabrica() : std::make_unique<DialogosSinVentanas>();
    return *g_dialogos;
}

void Dialogos::instala(std::unique_ptr<Dialogos> d) { g_dialogos = std::move(d); }

bool Dialogos::registraPredeterminados(Fabrica fabrica)
{
    g_fabrica = fabrica;
    return true;
}
