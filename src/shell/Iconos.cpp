#include "shell/Iconos.h"
#include "platform/SegundoPlano.h"
#include "shell/Teclado.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QHash>
#include <QStringList>
#include <QImage>
#include <QTimer>
#include <QWidget>

namespace {
// Dibujos que se decodifican en segundo plano (QImage se puede leer en cualquier hilo) y se
// toman después ya leídos, por ruta; el QPixmap se arma en el hilo principal, el único que los toca.
class Adelantados {
public:
    void empieza(const QStringList &rutas)
    {
        if (m_lectura.valid() || !m_leidos.isEmpty() || rutas.isEmpty())
            return;
        m_lectura = SegundoPlano::pide([rutas] {
            QHash<QString, QImage> leidos;
            for (const QString &ruta : rutas)
                leidos.insert(ruta, QImage(ruta));
            return leidos;
        });
    }
    // El dibujo ya leído (esperándolo si aún se lee), o uno nulo si no se pidió.
    QImage toma(const QString &ruta)
    {
        if (m_lectura.valid())
            m_leidos = m_lectura.get();
        return m_leidos.value(ruta);
    }

private:
    std::future<QHash<QString, QImage>> m_lectura;
    QHash<QString, QImage> m_leidos;
};

Adelantados g_programa, g_barra, g_estandar;

const QString kIconoDelPrograma = QStringLiteral(":/iconos/programa.png");

QString rutaDeLaBarra(const QString &nombre) { return QStringLiteral(":/iconos/%1.png").arg(nombre); }

bool sinTemaDeEscritorio() { return QIcon::themeName() == QLatin1String("hicolor"); }

// Sin tema, el estilo arma estos iconos con sus dibujos de 16, 32 y 128 px, y QIcon decodifica
// los tres al crearlo. Un botón pide 16 px (24 o 32 en pantallas de más densidad): con los de
// 16 y 32 se obtienen los mismos píxeles sin decodificar el de 128, que sólo se usaría arriba
// de 32 px. Nombre del dibujo de Qt, o nullptr si el icono se pide al estilo.
const char *dibujoDelEstilo(QStyle::StandardPixmap cual)
{
    switch (cual) {
    case QStyle::SP_ArrowForward: return "right";
    case QStyle::SP_ArrowBack: return "left";
    case QStyle::SP_FileDialogNewFolder: return "newdirectory";
    case QStyle::SP_DialogSaveButton: return "standardbutton-save";
    case QStyle::SP_DialogCloseButton: return "standardbutton-close";
    default: return nullptr;
    }
}

// Los dibujos de 16 y 32 px del icono, o ninguno si el estilo no los usa o no los da así.
QStringList dibujosSinElGrande(QStyle::StandardPixmap cual, const QStyle *estilo, const QWidget *w)
{
    // Fusion y Windows dan para éstos los dibujos comunes de Qt; otro estilo puede tener los suyos.
    // El del foco visible envuelve al del sistema sin tocar sus iconos: cuenta el de debajo.
    const QString nombre = Teclado::estiloBase(estilo)->name();
    const bool estiloDeQt = nombre == u"fusion" || nombre == u"windows";
    const char *dibujo = dibujoDelEstilo(cual);
    const bool izquierdaADerecha = (w ? w->layoutDirection() : QGuiApplication::layoutDirection()) == Qt::LeftToRight;
    if (!estiloDeQt || !dibujo || !izquierdaADerecha || qApp->devicePixelRatio() > 2.0)
        return {};
    const QString ruta = QStringLiteral(":/qt-project.org/styles/commonstyle/images/%1-%2.png").arg(QLatin1String(dibujo));
    return {ruta.arg(16), ruta.arg(32)};
}

QIcon sinElGrande(QStyle::StandardPixmap cual, const QStyle *estilo, const QWidget *w)
{
    const QStringList dibujos = dibujosSinElGrande(cual, estilo, w);
    if (dibujos.isEmpty())
        return {};
    QIcon icono;
    for (const QString &ruta : dibujos) {
        // Ya decodificado: la misma imagen que leería addFile, al mismo tamaño.
        if (const QImage leido = g_estandar.toma(ruta); !leido.isNull()) {
            icono.addPixmap(QPixmap::fromImage(leido));
            continue;
        }
        if (!QFile::exists(ruta))
            return {};   // otra versión de Qt: se pide al estilo
        const int lado = ruta.endsWith(QLatin1String("-16.png")) ? 16 : 32;
        icono.addFile(ruta, QSize(lado, lado));
    }
    return icono;
}
} // namespace

QIcon iconoEstandar(QStyle::StandardPixmap cual, const QWidget *w)
{
    QStyle *estilo = w ? w->style() : QApplication::style();
    if (!sinTemaDeEscritorio() || !QGuiApplication::desktopSettingsAware())
        return estilo->standardIcon(cual, nullptr, w);
    if (QIcon icono = sinElGrande(cual, estilo, w); !icono.isNull())
        return icono;
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

void empiezaIconoDelPrograma()
{
    if (QGuiApplication::windowIcon().isNull())
        g_programa.empieza({kIconoDelPrograma});
}

QIcon iconoDelPrograma()
{
    QIcon icono = QGuiApplication::windowIcon();
    if (!icono.isNull())
        return icono;
    QImage imagen = g_programa.toma(kIconoDelPrograma);
    if (imagen.isNull())
        imagen = QImage(kIconoDelPrograma);
    icono = QIcon(QPixmap::fromImage(imagen));
    QGuiApplication::setWindowIcon(icono);
    return icono;
}

void empiezaIconosDeLaBarra()
{
    QStringList rutas;
    for (const char *nombre : {"generales", "academicos", "curriculares", "aval", "montos", "administracion", "salir"})
        rutas << rutaDeLaBarra(QLatin1String(nombre));
    g_barra.empieza(rutas);
}

QIcon iconoDeLaBarra(const QString &nombre)
{
    // QIcon con la ruta decodifica el archivo y guarda la imagen tal cual: con la ya
    // decodificada queda el mismo icono.
    const QImage dibujo = g_barra.toma(rutaDeLaBarra(nombre));
    if (dibujo.isNull())
        return QIcon(rutaDeLaBarra(nombre));
    return QIcon(QPixmap::fromImage(dibujo));
}

void empiezaIconosEstandar(std::initializer_list<QStyle::StandardPixmap> cuales)
{
    if (!sinTemaDeEscritorio() || !QGuiApplication::desktopSettingsAware())
        return;
    QStringList rutas;
    for (QStyle::StandardPixmap cual : cuales)
        rutas << dibujosSinElGrande(cual, QApplication::style(), nullptr);
    g_estandar.empieza(rutas);
}
