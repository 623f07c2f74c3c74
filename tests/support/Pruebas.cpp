#include "support/Pruebas.h"
#include "shell/Aplicacion.h"
#include "shell/Arranque.h"

#include <QApplication>
#include <vector>

namespace Pruebas {
namespace {
struct Entrada {
    const char *nombre;
    std::function<QObject *()> fabrica;
};
std::vector<Entrada> &registro()
{
    static std::vector<Entrada> r;
    return r;
}
} // namespace

void escribe(QWidget *w, const QString &texto)
{
    for (QChar c : texto) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(w, char(c.unicode()));
        } else {
            QTest::sendKeyEvent(QTest::Press, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
}

int registra(const char *nombre, std::function<QObject *()> fabrica)
{
    registro().push_back({nombre, std::move(fabrica)});
    return int(registro().size());
}

int ejecutaTodas(int argc, char **argv)
{
    QApplication app(argc, argv);
    Aplicacion::ponIdentidad();
    instalaTraduccion();
    const QByteArray solo = qgetenv("PRUEBA");
    int fallas = 0;
    std::sort(registro().begin(), registro().end(),
              [](const Entrada &a, const Entrada &b) { return qstrcmp(a.nombre, b.nombre) < 0; });
    for (const Entrada &e : registro()) {
        if (!solo.isEmpty() && solo != e.nombre)
            continue;
        std::unique_ptr<QObject> prueba(e.fabrica());
        fallas += QTest::qExec(prueba.get(), argc, argv);
    }
    return fallas == 0 ? 0 : 1;
}
} // namespace Pruebas
