#include "shell/Arranque.h"
#include "platform/Base.h"
#include "platform/Fuentes.h"
#include "shell/Fabrica.h"
#include "shell/U_Mod.h"
#include "shell/U_inicial.h"

#include <QWidget>

namespace {
Arranque *g_actual = nullptr;
} // namespace

Arranque *Arranque::actual() { return g_actual; }

Arranque::Arranque(const QString &carpetaTablas)
{
    Base::abre(carpetaTablas);
    esperaLecturaFuentes();   // el marco mide su primer texto
    Tipo_Actual.clear();
    Opcion_Actual = 1;
    Edo_Civil_Actual = 0;
    m_inicial = std::make_unique<TW_Inicial>();
    m_dm = std::make_unique<TW_DM>();
    m_genDsk.reset(Fabrica::crea(QStringLiteral("W_GenDsk")));
    if (m_genDsk)
        m_genDsk->hide();
    g_actual = this;
}

Arranque::~Arranque()
{
    if (g_actual == this)
        g_actual = nullptr;
    m_incon.reset();
    m_genDsk.reset();
    m_inicial.reset();
    m_dm.reset();
    Base::cierra();
}

QWidget *Arranque::incon() const
{
    if (!m_incon) {
        m_incon.reset(Fabrica::crea(QStringLiteral("W_Incon")));
        if (m_incon)
            m_incon->hide();
    }
    return m_incon.get();
}
