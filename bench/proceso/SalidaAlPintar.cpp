// Módulo que se precarga (LD_PRELOAD) en un programa de Qt Widgets para medir su arranque:
// termina el proceso justo después del primer dibujo del widget cuyo objectName está en
// $PINTA_Y_SAL (o de cualquier ventana de primer nivel si no está). Así quien lo lanza mide,
// como proceso entero, del exec a la primera ventana en pantalla.
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <unistd.h>

namespace {
class Vigia : public QObject {
public:
    QByteArray nombre = qgetenv("PINTA_Y_SAL");
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::Paint) {
            auto *w = qobject_cast<QWidget *>(o);
            if (w && (nombre.isEmpty() ? w->isWindow() : w->objectName().toUtf8() == nombre))
                QTimer::singleShot(0, [] {
                    std::fflush(stdout);
                    _exit(0);
                });
        }
        return false;
    }
};
void instala() { QCoreApplication::instance()->installEventFilter(new Vigia); }
} // namespace
Q_COREAPP_STARTUP_FUNCTION(instala)
