#include "shell/Iconos.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {
bool sinTemaDeEscritorio() { return QIcon::themeName() == QLatin1String("hicolor"); }
} // namespace

QIcon iconoEstandar(QStyle::StandardPixmap cual, const QWidget *w)
{
    QStyle *estilo = w ? w->style() : QApplication::style();
    if (!sinTemaDeEscritorio() || !QGuiApplication::desktopSettingsAware())
        return estilo->standardIcon(cual, nullptr, w);
    // El estilo consulta el tema sólo si sigue la configuración del escritorio; el indicador se
    // apaga mientras se pide el icono (nada más lo lee en este hilo) y se vuelve a encender.
    QGuiApplication::setDesktopSettingsAware(false);
    QIcon icono = estilo->standardIcon(cual, nullptr, w);
    QGuiApplication::setDesktopSettingsAware(true);
    return icono;
}

QIcon iconoDelTema(const QString &nombre) { return sinTemaDeEscritorio() ? QIcon() : QIcon::fromTheme(nombre); }

void leeTemaTrasDibujar(QWidget *w)
{
    if (!sinTemaDeEscritorio())
        return;   // ya se leyó con los iconos de la ventana
    class Vigia : public QObject {
    public:
        using QObject::QObject;
        bool eventFilter(QObject *o, QEvent *e) override
        {
            if (e->type() == QEvent::Paint) {
                o->removeEventFilter(this);
                // Corre al volver al ciclo de eventos: la ventana ya está dibujada en la pantalla.
                QTimer::singleShot(0, this, [this] {
                    QIcon::fromTheme(QStringLiteral("dialog-information"));
                    deleteLater();
                });
            }
            return false;
        }
    };
    w->installEventFilter(new Vigia(w));
}
