#include "shell/Iconos.h"

#include <QApplication>
#include <QWidget>

QIcon iconoEstandar(QStyle::StandardPixmap cual, const QWidget *w)
{
    QStyle *estilo = w ? w->style() : QApplication::style();
    if (QIcon::themeName() != QLatin1String("hicolor") || !QGuiApplication::desktopSettingsAware())
        return estilo->standardIcon(cual, nullptr, w);
    // El estilo consulta el tema sólo si sigue la configuración del escritorio; el indicador se
    // apaga mientras se pide el icono (nada más lo lee en este hilo) y se vuelve a encender.
    QGuiApplication::setDesktopSettingsAware(false);
    QIcon icono = estilo->standardIcon(cual, nullptr, w);
    QGuiApplication::setDesktopSettingsAware(true);
    return icono;
}
