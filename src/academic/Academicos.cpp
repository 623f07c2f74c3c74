#include "academic/Academicos.h"
#include "platform/Consulta.h"
#include "shell/U_inicial.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace Academicos {

std::optional<qint64> entero(const QString &texto)
{
    bool ok = false;
    const qint64 n = texto.trimmed().toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    return n;
}

namespace {
void anotaClaves(Consulta &datos, QComboBox *combo)
{
    const QSignalBlocker bloqueo(combo);
    int i = 0;
    for (datos.primero(); !datos.fin() && i < combo->count(); datos.siguiente(), ++i)
        combo->setItemData(i, datos.campo(0).entero());
}
} // namespace

void llena(Consulta &datos, QComboBox *combo)
{
    W_Inicial()->Llena_Combo(datos, combo, 1);
    anotaClaves(datos, combo);
    datos.primero();
}

void ubica(Consulta &datos, qint64 clave, QComboBox *combo)
{
    W_Inicial()->Ubica_Clave(datos, clave, combo);
    anotaClaves(datos, combo);
    if (combo->currentIndex() >= 0)
        datos.mueveA(combo->currentIndex());
    else
        datos.ultimo();
}

void posiciona(Consulta &datos, const QComboBox *combo)
{
    if (!datos.activa())
        datos.abre();
    datos.mueveA(qMax(0, combo->currentIndex()));
}

std::optional<qint64> clave(const QComboBox *combo)
{
    if (combo->currentIndex() < 0)
        return std::nullopt;
    return combo->currentData().toLongLong();
}

} // namespace Academicos
