#include "review/U_incon.h"
#include "review/Revision.h"
#include "shell/Arranque.h"
#include "shell/Fabrica.h"
#include "shell/Teclado.h"
#include "shell/U_inicial.h"

#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QTextEdit>
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

    Memo1 = new QTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QTextEdit::WidgetWidth);
    Memo1->setAcceptRichText(false);
    QFont f = Memo1->font();
    f.setBold(true);
    f.setItalic(true);
    Memo1->setFont(f);
    Memo1->setAccessibleName(windowTitle());
    raiz->addWidget(Memo1, 1);

    connect(Button2, &QPushButton::clicked, this, &QDialog::accept);
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
    Memo1->clear();
    Revision::Resultado r;
    try {
        r = Revision::revisa(progreso);
    } catch (...) {
        // Una revisión que no terminó nunca se da por buena.
        Sin_Inconsistencias = false;
        progreso(0);
        throw;
    }
    Sin_Inconsistencias = r.sinInconsistencias;
    Memo1->setPlainText(r.lineas.join(u'\n'));
    // Sangría francesa: un hallazgo largo que ocupa varios renglones se distingue del siguiente.
    QTextCursor c(Memo1->document());
    c.select(QTextCursor::Document);
    QTextBlockFormat sangria;
    sangria.setLeftMargin(18);
    sangria.setTextIndent(-18);
    c.mergeBlockFormat(sangria);
    Memo1->moveCursor(QTextCursor::Start);
    if (QScreen *s = QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());
    Button2->setFocus();
    exec();
    progreso(0);
    return Sin_Inconsistencias;
}

REGISTRA_VENTANA(TW_Incon, "W_Incon")
