#include "admin/U_gendsk.h"
#include "admin/Entrega.h"
#include "platform/Base.h"
#include "platform/Dialogos.h"
#include "platform/Errores.h"
#include "platform/volumenes/Volumenes.h"
#include "shell/Fabrica.h"
#include "shell/Teclado.h"
#include "shell/Ventana.h"

#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QSignalBlocker>
#include <functional>

namespace {
// Menos de esto libre y no se intenta la copia.
constexpr qint64 kEspacioMinimo = 1'000'000;
// Donde se dibujan los mensajes, sobre la cara del diálogo.
constexpr QPoint kPosicionTexto(8, 80);
const QString kSinMemoria = QStringLiteral("No hay una memoria USB conectada. Conéctela y vuelva a elegir la unidad.");

// Lista de unidades que se vuelve a leer cada vez que se abre: una memoria conectada con el
// diálogo ya abierto aparece al elegir de nuevo la unidad.
class ListaUnidades : public QComboBox {
public:
    ListaUnidades(std::function<void()> antes, QWidget *padre) : QComboBox(padre), m_antes(std::move(antes)) {}
    void showPopup() override
    {
        m_antes();
        QComboBox::showPopup();
    }

private:
    std::function<void()> m_antes;
};

QPushButton *boton(const char *nombre, const QString &texto, const QRect &lugar, QWidget *padre)
{
    auto *b = new QPushButton(texto, padre);
    b->setObjectName(QLatin1String(nombre));
    b->setGeometry(lugar);
    b->setAutoDefault(false);
    return b;
}
} // namespace

TW_GenDsk::TW_GenDsk(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("W_GenDsk"));
    setWindowTitle(QStringLiteral("Copiar Archivos a Diskette para entregar a TALVERO"));
    setFixedSize(282, 123);
    setModal(true);

    etiqueta = new QLabel(QStringLiteral("Drive en donde se Respaldará:"), this);
    etiqueta->setObjectName(QStringLiteral("etiqueta"));
    etiqueta->setGeometry(8, 4, 266, 16);

    DriveComboBox1 = new ListaUnidades([this] { LlenaUnidades(); }, this);
    DriveComboBox1->setObjectName(QStringLiteral("DriveComboBox1"));
    DriveComboBox1->setGeometry(8, 21, 266, 24);
    etiqueta->setBuddy(DriveComboBox1);

    Btn_Respaldar = boton("Btn_Respaldar", QStringLiteral("Respaldar"), QRect(52, 49, 85, 25), this);
    Btn_Cerrar = boton("Btn_Cerrar", QStringLiteral("&Cancelar"), QRect(145, 49, 85, 25), this);

    connect(DriveComboBox1, &QComboBox::activated, this, [this](int i) { ejecutaProtegido([&] { DriveComboBox1Change(i); }); });
    connect(Btn_Respaldar, &QPushButton::clicked, this, [this] { ejecutaProtegido([this] { Btn_RespaldarClick(); }); });
    connect(Btn_Cerrar, &QPushButton::clicked, this, [this] { ejecutaProtegido([this] { Btn_CerrarClick(); }); });
    Teclado::prepara(this);
    Inicia();
}

void TW_GenDsk::Inicia()
{
    m_texto.clear();
    m_unidad = QChar();
    Btn_Respaldar->setText(QStringLiteral("Respaldar"));
    Btn_Respaldar->setEnabled(false);
    Btn_Respaldar->setProperty("tag", 0);
    Btn_Cerrar->setText(QStringLiteral("&Cancelar"));
    DriveComboBox1->clear();   // al mostrarse se parte de la unidad actual
    LlenaUnidades();
    update();
}

// Las unidades presentes; queda elegida la que ya estaba elegida o, la primera vez, la que
// tiene la carpeta actual, como la unidad actual de una lista de unidades. Sin A: ni B: se
// dice qué hacer, en lugar de dejar "Respaldar" apagado sin explicación.
void TW_GenDsk::LlenaUnidades()
{
    const QString antes = DriveComboBox1->currentData().toString();
    const QSignalBlocker bloqueo(DriveComboBox1);
    DriveComboBox1->clear();
    const QString actual = QDir::currentPath();
    int elegida = -1;
    qsizetype largo = -1;
    const QList<Volumenes::Unidad> unidades = volumenes().unidades();
    for (const Volumenes::Unidad &u : unidades) {
        DriveComboBox1->addItem(u.texto(), QString(u.letra));
        const bool contiene = actual == u.raiz || actual.startsWith(u.raiz.endsWith(u'/') ? u.raiz : u.raiz + u'/');
        if (contiene && u.raiz.size() > largo) {
            largo = u.raiz.size();
            elegida = int(DriveComboBox1->count()) - 1;
        }
    }
    for (int i = 0; elegida < 0 && i < unidades.size(); ++i)
        if (!unidades[i].removible)
            elegida = i;
    if (!antes.isEmpty() && DriveComboBox1->findData(antes) >= 0)
        elegida = DriveComboBox1->findData(antes);
    DriveComboBox1->setCurrentIndex(elegida < 0 ? 0 : elegida);
    const bool hayMemoria = DriveComboBox1->findData(QStringLiteral("a")) >= 0;
    if (!hayMemoria)
        Dibuja(kSinMemoria);
    else if (m_texto == kSinMemoria)
        Dibuja(QString());
}

// Con un gestor de ventanas el diálogo aparece sin ser aún la ventana activa: la primera tecla
// iría a la ventana de atrás. Se activa en cuanto se ve, con el foco en la lista de unidades.
void TW_GenDsk::showEvent(QShowEvent *evento)
{
    QDialog::showEvent(evento);
    DriveComboBox1->setFocus(Qt::OtherFocusReason);
    QTimer::singleShot(0, this, [this] {
        raise();
        activateWindow();
    });
}

void TW_GenDsk::Muestra()
{
    Origen = Base::carpeta();
    Inicia();
    if (QScreen *s = QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());
    exec();
}

void TW_GenDsk::DriveComboBox1Change(int indice)
{
    const QString letra = DriveComboBox1->itemData(indice).toString();
    if (letra == u"a" || letra == u"b") {
        Btn_Respaldar->setEnabled(true);
        m_unidad = letra.at(0);
    }
}

void TW_GenDsk::Btn_RespaldarClick()
{
    if (Btn_Respaldar->property("tag").toInt() == 0) {
        Dibuja(QStringLiteral("Introduzca disco y oprima OK"));
        Btn_Respaldar->setText(QStringLiteral("OK"));
        Btn_Respaldar->setProperty("tag", 1);
        return;
    }
    Btn_Respaldar->setEnabled(false);
    Dibuja(QStringLiteral("Generando disco.....                   "));
    const qint64 libre = Espacio_Libre(m_unidad == u'a' ? 1 : 2);
    if (libre < 0) {
        dialogos().aviso(QStringLiteral("¡Debe introducir disco en la unidad!"));
        close();
        return;
    }
    const auto sinEspacio = [this] {
        dialogos().aviso(QStringLiteral("¡No hay suficiente espacio en el diskette!"));
        Btn_Respaldar->setEnabled(true);
        close();
    };
    if (libre <= kEspacioMinimo) {
        sinEspacio();
        return;
    }
    bool cupo = true;
    if (!ejecutaProtegido([&] { cupo = Genera_Disco(volumenes().raiz(m_unidad)); })) {
        // Lo que no se copió no debe parecer en curso ni terminado.
        Dibuja(QStringLiteral("No se pudo generar el disco"));
        Ventana::progreso(0);
        return;
    }
    if (!cupo) {
        Ventana::progreso(0);
        sinEspacio();
        return;
    }
    Dibuja(QStringLiteral("Información cargada exitósamente"));
    Btn_Cerrar->setText(QStringLiteral("&Cerrar"));
    Btn_Respaldar->setProperty("tag", 0);
}

void TW_GenDsk::Btn_CerrarClick()
{
    if (Btn_Cerrar->text() == u"&Cerrar")
        dialogos().aviso(QStringLiteral("Rotule el diskette y entreguelo a TALVERO"));
    close();
}

bool TW_GenDsk::Genera_Disco(const QString &destino)
{
    if (destino.isEmpty())
        throw ErrorBase(QStringLiteral("La unidad elegida ya no está disponible; no se copió nada."));
    // Las tablas se escriben de nuevo para esta entrega, ya comprobadas contra la base.
    const Entrega::Preparada preparada(Entrega::convocatoria());
    // Que la copia quepa entera antes de empezarla: un disco a medias no sirve.
    if (!m_unidad.isNull() && Espacio_Libre(m_unidad == u'a' ? 1 : 2) < preparada.bytesNecesarios(destino))
        return false;
    Ventana::progreso(Entrega::kAvanceInicial);
    // La copia de la entrega completa: tablas y, al final, su recibo; si algo falla no queda
    // nada a medias que parezca entregado.
    preparada.copiaA(destino, [](const Entrega::Archivo &a) { Ventana::progreso(a.avance); });
    return true;
}

qint64 TW_GenDsk::Espacio_Libre(int unidad)
{
    return volumenes().espacioLibre(unidad == 1 ? u'a' : u'b');
}


void TW_GenDsk::Dibuja(const QString &texto)
{
    m_texto = texto;
    // Se ve antes de que empiece lo que sigue (la copia no devuelve el control).
    if (isVisible())
        repaint();
}

void TW_GenDsk::paintEvent(QPaintEvent *evento)
{
    QDialog::paintEvent(evento);
    if (m_texto.isEmpty())
        return;
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(QRect(kPosicionTexto, QSize(width() - 2 * kPosicionTexto.x(), height() - kPosicionTexto.y())),
               Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, m_texto);
}

REGISTRA_VENTANA(TW_GenDsk, "W_GenDsk")
