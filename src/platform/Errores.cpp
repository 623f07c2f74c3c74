#include "platform/Errores.h"
#include "platform/Dialogos.h"
#include "platform/ErrorBase.h"

#include <QDebug>

bool ejecutaProtegido(const std::function<void()> &accion)
{
    try {
        accion();
        return true;
    } catch (const ErrorBase &e) {
        muestraFalla(e);
    }
    return false;
}

void muestraFalla(const ErrorBase &e)
{
    if (!e.detalle().isEmpty())
        qWarning().noquote() << "base de datos:" << e.detalle();
    dialogos().mensaje(e.mensaje(), Dialogos::Icono::Error);
}

bool avisaFallaExterna(const ErrorBase &e)
{
    if (!e.externa())
        return false;
    muestraFalla(e);
    return true;
}
