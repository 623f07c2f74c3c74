#include "review/U_incon.h"
#include "platform/Errores.h"
#include "review/Revision.h"
#include "shell/Arranque.h"
#include "shell/Fabrica.h"
#include "shell/Teclado.h"
#include "shell/U_inicial.h"

#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTextBrowser>
#include <QTextCharFormat>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QVBoxLayout>

bool Sin_Inconsistencias = true;

namespace {
TW_Incon *g_incon = nullptr;

void progreso(int valor)
{
    if (W_Inicial() && W_Inicial()->G_Cargando)
        W_Inicial()->G_Cargando->setValue(valor);
}
} // namespace

TW_Incon *W_Incon()
{
    // El arranque la crea la primera vez que se pide.
    if (!g_incon && Arranque::actual())
        Arranque::actual()->incon();
    return g_incon;
}

TW_Incon::TW_Incon(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("W_Incon"));
    setWindowTitle(QStringLiteral("Inconsistencias de Información"));
    setFixedSize(661, 467);
    setModal(true);

    auto *raiz = new QVBoxLayout(this);
    raiz->setContentsMargins(0, 0, 0, 0);
    raiz->setSpacing(0);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameShape(QFrame::StyledPanel);
    Panel1->setFrameShadow(QFrame::Raised);
    auto *barra = new QHBoxLayout(Panel1);
    barra->setContentsMargins(8, 6, 8, 6);
    Button2 = new QPushButton(QStringLiteral("Salir"), Panel1);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setAutoDefault(false);
    Button1 = new QPushButton(Panel1);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setAutoDefault(false);
    Button1->hide();
    barra->addWidget(Button2);
    barra->addWidget(Button1);
    barra->addStretch(1);
    raiz->addWidget(Panel1);

    Memo1 = new QTextBrowser(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QTextEdit::WidgetWidth);
    Memo1->setOpenLinks(false);
    // Con cursor de teclado: las flechas recorren los renglones (y un lector de pantalla los lee).
    Memo1->setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
    Memo1->setAccessibleDescription(QStringLiteral(
        "Cada renglón subrayado lleva a la ventana y al campo donde se corrige: Tab pasa de uno a otro y Entrar "
        "(o doble clic) lo sigue."));
    Memo1->viewport()->installEventFilter(this);
    Memo1->installEventFilter(this);
    QFont f = Memo1->font();
    f.setBold(true);
    f.setItalic(true);
    Memo1->setFont(f);
    Memo1->setAccessibleName(windowTitle());
    raiz->addWidget(Memo1, 1);

    connect(Button2, &QPushButton::clicked, this, &QDialog::accept);
    connect(Memo1, &QTextBrowser::anchorClicked, this, [this](const QUrl &u) { ejecutaProtegido([&] { Sigue_Renglon(u.path().toInt()); }); });
    Teclado::prepara(this);
    g_incon = this;
}

TW_Incon::~TW_Incon()
{
    if (g_incon == this)
        g_incon = nullptr;
}

bool TW_Incon::Revisa_Inconsistencias()
{
    Sin_Inconsistencias = true;
    m_elegido.reset();
    Memo1->clear();
    try {
        m_resultado = Revision::revisa(progreso);
    } catch (...) {
        // Una revisión que no terminó nunca se da por buena.
        Sin_Inconsistencias = false;
        progreso(0);
        throw;
    }
    Sin_Inconsistencias = m_resultado.sinInconsistencias;
    escribeReporte();
    if (QScreen *s = QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());
    Button2->setFocus();
    exec();
    progreso(0);
    return Sin_Inconsistencias;
}

void TW_Incon::escribeReporte()
{
    // Un renglón por bloque, con el texto tal cual; el que tiene lugar es un enlace al número
    // de su renglón.
    QTextCursor c(Memo1->document());
    QTextCharFormat normal;
    QTextCharFormat enlace;
    enlace.setAnchor(true);
    enlace.setForeground(palette().link());
    enlace.setFontUnderline(true);
    enlace.setToolTip(QStringLiteral("Ir al campo donde se corrige (doble clic o Entrar)"));
    for (qsizetype i = 0; i < m_resultado.lineas.size(); ++i) {
        if (i > 0)
            c.insertBlock();
        if (i > 0 && !m_resultado.lugares.value(i).vacio()) {
            enlace.setAnchorHref(QStringLiteral("renglon:%1").arg(i));
            c.insertText(m_resultado.lineas[i], enlace);
        } else {
            c.insertText(m_resultado.lineas[i], normal);
        }
    }
    // Sangría francesa: un hallazgo largo que ocupa varios renglones se distingue del siguiente.
    c.select(QTextCursor::Document);
    QTextBlockFormat sangria;
    sangria.setLeftMargin(18);
    sangria.setTextIndent(-18);
    c.mergeBlockFormat(sangria);
    Memo1->moveCursor(QTextCursor::Start);
}

bool TW_Incon::Sigue_Renglon(int linea)
{
    if (linea <= 0 || linea >= m_resultado.lugares.size() || m_resultado.lugares[linea].vacio())
        return false;
    m_elegido = m_resultado.lugares[linea];
    accept();
    return true;
}

bool TW_Incon::eventFilter(QObject *objeto, QEvent *evento)
{
    // Doble clic en cualquier punto del renglón, o Entrar con el cursor en él (también sobre
    // el enlace elegido con Tab), lo siguen.
    if (objeto == Memo1->viewport() && evento->type() == QEvent::MouseButtonDblClick) {
        const auto *m = static_cast<QMouseEvent *>(evento);
        if (Sigue_Renglon(Memo1->cursorForPosition(m->position().toPoint()).blockNumber()))
            return true;
    } else if (objeto == Memo1 && evento->type() == QEvent::KeyPress) {
        const int tecla = static_cast<QKeyEvent *>(evento)->key();
        if ((tecla == Qt::Key_Return || tecla == Qt::Key_Enter) && Sigue_Renglon(Memo1->textCursor().blockNumber()))
            return true;
    }
    return QDialog::eventFilter(objeto, evento);
}

REGISTRA_VENTANA(TW_Incon, "W_Incon")
