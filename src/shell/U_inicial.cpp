#include "shell/U_inicial.h"
#include "shell/Iconos.h"
#include "shell/Ventana.h"
#include "platform/Win1252.h"
#include "platform/Dialogos.h"
#include "platform/Errores.h"
#include "platform/Regional.h"
#include "platform/Fechas.h"
#include "shell/Comunes.h"
#include "shell/Fabrica.h"
#include "shell/Teclado.h"
#include "shell/U_Mod.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QTextEdit>
#include <QPlainTextEdit>
#include <QGroupBox>
#include <QAbstractSpinBox>
#include <QAbstractButton>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

QString Tipo_Actual;
int Opcion_Actual = 1;
int Edo_Civil_Actual = 0;

namespace {
TW_Inicial *g_inicial = nullptr;
}

TW_Inicial *W_Inicial() { return g_inicial; }

TW_Inicial::TW_Inicial(QWidget *parent) : QMainWindow(parent)
{
    g_inicial = this;
    setObjectName(QStringLiteral("W_Inicial"));
    setWindowTitle(QStringLiteral("Solicitud de Becas Crédito y Crédito Educativo 2004"));

    m_mdi = new QMdiArea(this);
    m_mdi->setObjectName(QStringLiteral("AreaMdi"));
    m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // Al cerrar una ventana, o con Ctrl+Tab, se activa la que se usó antes (tras seguir un renglón
    // de la revisión y corregir, cerrar regresa a la administración).
    m_mdi->setActivationOrder(QMdiArea::ActivationHistoryOrder);
    setCentralWidget(m_mdi);

    m_barra = addToolBar(QStringLiteral("Barra"));
    m_barra->setObjectName(QStringLiteral("ToolBar1"));
    m_barra->setMovable(false);
    m_barra->setFloatable(false);
    m_barra->setIconSize(QSize(24, 24));
    m_barra->setContextMenuPolicy(Qt::PreventContextMenu);

    auto *general = boton(QStringLiteral("SB_General"), QStringLiteral("&Generales"), QStringLiteral("Datos Generales"), QStringLiteral("generales"));
    auto *academico = boton(QStringLiteral("SB_Academico"), QStringLiteral("&Académicos"), QStringLiteral("Datos Academicos"), QStringLiteral("academicos"));
    auto *curriculum = boton(QStringLiteral("SB_Curriculum"), QStringLiteral("&Curriculares"), QStringLiteral("Datos Curriculares"), QStringLiteral("curriculares"));
    auto *quiral = boton(QStringLiteral("SB_Quiral"), QString(), QStringLiteral("Informacion para el Orvelan"), QStringLiteral("aval"));
    auto *montos = boton(QStringLiteral("SB_Montos"), QString(), QStringLiteral("Informacion relativa del financiamiento"), QStringLiteral("montos"));
    auto *admon = boton(QStringLiteral("SB_Admon"), QStringLiteral("A&dministración"), QStringLiteral("Administración"), QStringLiteral("administracion"));
    auto *salir = boton(QStringLiteral("SB_Salir"), QStringLiteral("&Salir"), QStringLiteral("Salir"), QStringLiteral("salir"));

    // Los botones del crédito educativo quedan ocultos y deshabilitados toda la ejecución.
    for (QToolButton *b : {quiral, montos}) {
        b->setEnabled(false);
        for (QAction *a : m_barra->actions())
            if (m_barra->widgetForAction(a) == b)
                a->setVisible(false);
    }

    auto *separador = new QWidget(m_barra);
    separador->setObjectName(QStringLiteral("Splitter2"));
    separador->setFixedWidth(8);
    m_barra->addWidget(separador);

    G_Cargando = new QProgressBar(m_barra);
    G_Cargando->setObjectName(QStringLiteral("G_Cargando"));
    G_Cargando->setRange(0, 100);
    G_Cargando->setValue(0);
    G_Cargando->setTextVisible(true);
    G_Cargando->setAlignment(Qt::AlignCenter);
    G_Cargando->setFormat(QStringLiteral("%p%"));
    G_Cargando->setFixedWidth(260);
    G_Cargando->setMaximumHeight(24);
    G_Cargando->setStyleSheet(QStringLiteral(
        "QProgressBar { background: #ffff00; color: black; font-weight: bold; border: 1px solid #808080; }"
        "QProgressBar::chunk { background: #8fb8e8; }"));
    m_barra->addWidget(G_Cargando);

    auto *estado = new QStatusBar(this);
    estado->setObjectName(QStringLiteral("Cargando"));
    estado->setSizeGripEnabled(false);
    setStatusBar(estado);

    auto conecta = [this](QToolButton *b, void (TW_Inicial::*m)()) {
        connect(b, &QToolButton::clicked, this, [this, m] { ejecutaProtegido([this, m] { (this->*m)(); }); });
    };
    conecta(general, &TW_Inicial::SB_GeneralClick);
    conecta(academico, &TW_Inicial::SB_AcademicoClick);
    conecta(curriculum, &TW_Inicial::SB_CurriculumClick);
    conecta(quiral, &TW_Inicial::SB_QuiralClick);
    conecta(montos, &TW_Inicial::SB_MontosClick);
    conecta(admon, &TW_Inicial::SB_AdmonClick);
    conecta(salir, &TW_Inicial::SB_SalirClick);

    // Ventanas desde el teclado: Ctrl+Tab y Ctrl+Mayús+Tab pasan de una a otra; Ctrl+F4 y
    // Ctrl+W cierran la activa como su botón de cerrar. El menú de cada recuadro ya trae el
    // atajo de cerrar de la plataforma (Ctrl+W en Linux): aquí se agrega sólo el otro, porque
    // dos acciones con la misma tecla no harían ninguna. Los botones de la barra se alcanzan
    // con Alt y la letra subrayada desde cualquier ventana.
    auto atajo = [this](const char *nombre, const QList<QKeySequence> &teclas, void (QMdiArea::*m)()) {
        auto *a = new QAction(this);
        a->setObjectName(QLatin1String(nombre));
        a->setShortcuts(teclas);
        connect(a, &QAction::triggered, this, [this, m] { ejecutaProtegido([this, m] { (m_mdi->*m)(); }); });
        addAction(a);
    };
    atajo("A_VentanaSiguiente", QKeySequence::keyBindings(QKeySequence::NextChild), &QMdiArea::activateNextSubWindow);
    atajo("A_VentanaAnterior", QKeySequence::keyBindings(QKeySequence::PreviousChild), &QMdiArea::activatePreviousSubWindow);
    QList<QKeySequence> cerrar;
    for (const QKeySequence &k : {QKeySequence(Qt::CTRL | Qt::Key_F4), QKeySequence(Qt::CTRL | Qt::Key_W)})
        if (!QKeySequence::keyBindings(QKeySequence::Close).contains(k))
            cerrar << k;
    atajo("A_CierraVentana", cerrar, &QMdiArea::closeActiveSubWindow);

    // Al final: mientras se arma la barra, el icono termina de decodificarse en segundo plano.
    setWindowIcon(iconoDelPrograma());
}

TW_Inicial::~TW_Inicial()
{
    Tipo_Actual.clear();
    if (g_inicial == this)
        g_inicial = nullptr;
}

QToolButton *TW_Inicial::boton(const QString &nombre, const QString &texto, const QString &ayuda, const QString &icono)
{
    auto *b = new QToolButton(m_barra);
    b->setObjectName(nombre);
    b->setText(texto);
    b->setToolTip(ayuda);
    b->setAutoRaise(true);
    b->setIcon(iconoDeLaBarra(icono));
    b->setToolButtonStyle(texto.isEmpty() ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextBesideIcon);
    b->setFocusPolicy(Qt::TabFocus);
    QFont f = b->font();
    f.setBold(true);
    b->setFont(f);
    b->setMinimumHeight(24);
    m_barra->addWidget(b);
    return b;
}

void TW_Inicial::showEvent(QShowEvent *e)
{
    QMainWindow::showEvent(e);
    if (m_mostrada)
        return;
    m_mostrada = true;
    Opcion_Actual = 1;
    ejecutaProtegido([this] { SB_GeneralClick(); });
    if (QWidget *generales = Forma(QStringLiteral("W_Generales")))
        leeTemaTrasDibujar(generales);
}

// --- Barra -----------------------------------------------------------------------------------

bool TW_Inicial::compuertaConvocatoria()
{
    auto &aux = W_DM()->Q_Aux;
    aux.abre(QStringLiteral("Select convocatoria from general"));
    if (aux.campo(QStringLiteral("convocatoria")).entero() == 0) {
        dialogos().aviso(QStringLiteral("Debe de elegir primero la convocatoria en datos generales"));
        return false;
    }
    return true;
}

void TW_Inicial::SB_GeneralClick() { Abre_Forma(QStringLiteral("W_Generales")); }

void TW_Inicial::SB_AcademicoClick()
{
    if (compuertaConvocatoria())
        Abre_Forma(QStringLiteral("W_DatAcad1"));
}

void TW_Inicial::SB_CurriculumClick()
{
    if (compuertaConvocatoria())
        Abre_Forma(QStringLiteral("W_Vitae1"));
}

void TW_Inicial::SB_QuiralClick()
{
    if (!compuertaConvocatoria())
        return;
    if (!Forma_Abierta(QStringLiteral("W_Dependiente"))) {
        Tipo_Actual = QStringLiteral("AVA");
        Abre_Forma(QStringLiteral("W_Dependiente"));
    }
}

bool TW_Inicial::compuertaAval()
{
    auto &aux = W_DM()->Q_Aux;
    aux.abre(QStringLiteral("Select count(*) conteo from Aval"));
    if (aux.campo(QStringLiteral("conteo")).entero() == 0) {
        dialogos().aviso(QStringLiteral("Primero debe llenar los datos referentes al aval"));
        return false;
    }
    return true;
}

void TW_Inicial::SB_MontosClick()
{
    if (compuertaConvocatoria() && compuertaAval())
        Abre_Forma(QStringLiteral("W_MontosQuiral"));
}

void TW_Inicial::SB_AdmonClick() { Abre_Forma(QStringLiteral("W_Admon")); }

void TW_Inicial::SB_SalirClick() { close(); }

// --- Ir al lugar de un dato --------------------------------------------------------------------

namespace {
bool es(const QString &a, const char *b) { return a.compare(QLatin1String(b), Qt::CaseInsensitive) == 0; }

// El control que recibe el foco: en un grupo de opciones, la opción marcada (o la primera).
QWidget *enfocable(QWidget *control)
{
    if (!qobject_cast<QGroupBox *>(control))
        return control;
    QAbstractButton *primero = nullptr;
    for (QAbstractButton *b : control->findChildren<QAbstractButton *>()) {
        if (b->isChecked())
            return b;
        if (!primero)
            primero = b;
    }
    return primero ? primero : control;
}

void seleccionaTexto(QWidget *control)
{
    if (auto *e = qobject_cast<QLineEdit *>(control))
        e->selectAll();
    else if (auto *p = qobject_cast<QPlainTextEdit *>(control))
        p->selectAll();
    else if (auto *t = qobject_cast<QTextEdit *>(control))
        t->selectAll();
    else if (auto *c = qobject_cast<QComboBox *>(control); c && c->lineEdit())
        c->lineEdit()->selectAll();
    else if (auto *s = qobject_cast<QAbstractSpinBox *>(control))
        s->selectAll();
}
} // namespace

QWidget *TW_Inicial::Ve_A(const QString &ventana, const QString &control, const QString &registro)
{
    static const QStringList kCredito{QStringLiteral("AVA"), QStringLiteral("AVP"), QStringLiteral("AVT"), QStringLiteral("RE1"),
                                      QStringLiteral("RE2"), QStringLiteral("RE3"), QStringLiteral("RE4")};
    const bool persona = es(ventana, "W_Dependiente") || es(ventana, "W_DirAct");
    const bool credito = es(ventana, "W_MontosQuiral") || es(ventana, "W_Predial") || (persona && kCredito.contains(registro));
    const bool academico = ventana.startsWith(QLatin1String("W_DatAcad"), Qt::CaseInsensitive) ||
                           ventana.startsWith(QLatin1String("W_Vitae"), Qt::CaseInsensitive) ||
                           (es(ventana, "W_DirAct") && registro.startsWith(QLatin1String("OP")));
    // Las mismas compuertas que la barra: la convocatoria para lo académico y el crédito, y
    // el aval para todo lo del crédito que cuelga de él.
    if ((academico || credito) && !compuertaConvocatoria())
        return nullptr;
    if (credito && !(es(ventana, "W_Dependiente") && registro == u"AVA") && !compuertaAval())
        return nullptr;

    auto *w = qobject_cast<Ventana *>(Forma(ventana));
    const bool abierta = w != nullptr;
    if (!w) {
        // El contexto que deja la ventana que la abre en la cadena.
        if (persona || es(ventana, "W_Predial"))
            Tipo_Actual = registro;
        if (es(ventana, "W_Dependiente") && !registro.isEmpty() && !credito && registro != u"ACC")
            Edo_Civil_Actual = Consulta_Entero(QStringLiteral("Select count(*) From Persona Where Tipo='SOL' And Edo_civil='S'")) > 0;
        if (es(ventana, "W_DatAcad2"))
            Opcion_Actual = registro.toInt();
        else if (es(ventana, "W_DirAct") && registro.startsWith(QLatin1String("OP")))
            Opcion_Actual = registro.mid(2).toInt();
        w = qobject_cast<Ventana *>(Abre_Forma(ventana));
        if (!w)
            return nullptr;
    } else if (auto *sub = qobject_cast<QMdiSubWindow *>(w->parentWidget())) {
        m_mdi->setActiveSubWindow(sub);
    }
    if (!w->Ubica_Registro(control, registro)) {
        dialogos().aviso(abierta ? QStringLiteral("La ventana «%1» ya está abierta con otros datos: ciérrela para llegar al "
                                                  "dato que se eligió en el reporte de inconsistencias.").arg(w->windowTitle())
                                 : QStringLiteral("La ventana «%1» no muestra el registro del dato que se eligió en el "
                                                  "reporte de inconsistencias.").arg(w->windowTitle()));
        return nullptr;
    }
    QWidget *c = w->findChild<QWidget *>(control);
    if (!c)
        return nullptr;
    c = enfocable(c);
    c->setFocus(Qt::OtherFocusReason);
    seleccionaTexto(c);
    return c;
}

// --- Ventanas hijas --------------------------------------------------------------------------

QWidget *TW_Inicial::Forma(const QString &nombre) const
{
    const QString buscado = nombre.toUpper();
    for (QMdiSubWindow *sub : m_mdi->subWindowList()) {
        QWidget *w = sub->widget();
        // Un recuadro ya cerrado (oculto) espera su borrado: no cuenta como abierto.
        if (w && !sub->isHidden() && w->objectName().toUpper() == buscado)
            return w;
    }
    return nullptr;
}

bool TW_Inicial::Forma_Abierta(const QString &nombre) const { return Forma(nombre) != nullptr; }

QWidget *TW_Inicial::Abre_Forma(const QString &nombre)
{
    if (Forma_Abierta(nombre))
        return nullptr;
    QWidget *w = Fabrica::crea(nombre);
    if (!w)
        return nullptr;   // ventana aún no disponible en el programa
    QMdiSubWindow *sub = m_mdi->addSubWindow(w);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowIcon(windowIcon());
    w->show();
    sub->show();
    sub->setFocus();
    Teclado::enfocaAlAbrir(w);   // nunca en un campo de sólo lectura: lo tecleado se perdería
    return w;
}

void TW_Inicial::Cierra_Ventanas()
{
    for (QMdiSubWindow *sub : m_mdi->subWindowList()) {
        QWidget *w = sub->widget();
        if (w && w->objectName().compare(QLatin1String("W_Admon"), Qt::CaseInsensitive) == 0)
            continue;
        sub->close();
    }
}

// --- Operaciones compartidas -----------------------------------------------------------------

bool TW_Inicial::Valida_Fecha(const QString &texto)
{
    const Fechas::Error e = Fechas::revisa(texto);
    if (e == Fechas::Error::Ninguno)
        return true;
    const QString m = Fechas::mensaje(e);
    if (!m.isEmpty())
        dialogos().aviso(m);
    return false;
}

void TW_Inicial::Llena_Combo(Consulta &datos, QComboBox *combo, int campo)
{
    datos.cierra();
    datos.abre();
    QStringList elementos;
    elementos.reserve(datos.cuenta());
    for (datos.primero(); !datos.fin(); datos.siguiente())
        elementos << datos.campo(campo).texto();
    datos.primero();
    const QSignalBlocker bloqueo(combo);
    combo->clear();
    combo->addItems(elementos);
    combo->setCurrentIndex(-1);
}

namespace {
void seleccionaFila(Consulta &datos, QComboBox *combo, const std::function<bool()> &coincide)
{
    int cuenta = 0;
    datos.primero();
    while (!datos.fin() && !coincide()) {
        datos.siguiente();
        ++cuenta;
    }
    const QSignalBlocker bloqueo(combo);
    if (!datos.fin() && coincide()) {
        combo->setCurrentIndex(cuenta);
    } else {
        combo->setCurrentIndex(-1);
        if (combo->isEditable())
            combo->setEditText(QString());
    }
}
} // namespace

void TW_Inicial::Ubica_Clave(Consulta &datos, qint64 clave, QComboBox *combo)
{
    Llena_Combo(datos, combo, 1);
    Elige_Clave(datos, clave, combo);
}

void TW_Inicial::Elige_Clave(Consulta &datos, qint64 clave, QComboBox *combo)
{
    seleccionaFila(datos, combo, [&] { return datos.campo(0).entero() == clave; });
}

void TW_Inicial::MuestraEspecialidad(Consulta &datos, const QString &texto, QComboBox *combo)
{
    Llena_Combo(datos, combo, 1);
    seleccionaFila(datos, combo, [&] { return datos.campo(1).texto() == texto; });
}

void TW_Inicial::Abre_Domicilio(const QString &tipo)
{
    auto &aux = W_DM()->Q_Aux;
    aux.cierra();
    aux.limpiaParametros();
    aux.ponSql(QStringLiteral("Select Calle,Numero,Interior,Colonia,Telefono,Fax,Correo,Cp,Ciudad_Clave,Estado_Clave,"
                              "Pais_Clave,Municipio_clave,Institucion_clave,persona_clave From Domicilio Where Tipo=:tipo"));
    aux.parametro(QStringLiteral("tipo"), tipo);
    aux.abre();
}

qint64 TW_Inicial::Consulta_Entero(const QString &sql, const QVariantHash &parametros)
{
    auto &aux = W_DM()->Q_Aux;
    aux.abre(sql, parametros);
    return aux.campo(0).entero();
}

QString TW_Inicial::Siguiente_Clave(const QString &tabla)
{
    auto &aux = W_DM()->Q_Aux;
    aux.abre(QStringLiteral("Select Max(Clave) Clave From ") + tabla);
    return QString::number(aux.campo(QStringLiteral("Clave")).entero() + 1);
}

bool TW_Inicial::Ejecuta_SQL(const QString &sql, const QVariantHash &parametros)
{
    try {
        W_DM()->Q_Aux.ejecuta(sql, parametros);
        return true;
    } catch (const ErrorBase &e) {
        if (!avisaFallaExterna(e))
            dialogos().aviso(QStringLiteral("No se pudo agregar al Catalogo"));
    }
    return false;
}

std::optional<QString> TW_Inicial::Pide_Nombre_Catalogo(const QString &titulo)
{
    const auto nombre = dialogos().entrada(titulo, QStringLiteral("Nombre:"));
    if (!nombre)
        return std::nullopt;
    const QString t = Win1252::mayusculas(Win1252::limpia(*nombre).trimmed());
    if (t.isEmpty()) {
        dialogos().aviso(QStringLiteral("No se agregó nada al catálogo: el nombre está vacío"));
        return std::nullopt;
    }
    if (t.size() > kLargoNombreCatalogo) {
        dialogos().aviso(QStringLiteral("No se agregó nada al catálogo: el nombre pasa de %1 caracteres").arg(kLargoNombreCatalogo));
        return std::nullopt;
    }
    return t;
}

QString TW_Inicial::Fecha_Sistema(const QString &texto) const
{
    return Fechas::enFormato(texto, Regional::formatoFechaCorta(), Regional::separadorFecha());
}

bool TW_Inicial::Tiene_Arroba(const QString &texto) const { return Comunes::tieneArroba(texto); }

std::optional<QString> TW_Inicial::Calcula_RFC(const QString &paterno, const QString &materno, const QString &nombre1,
                                               const QString &nombre2, const QString &fechaNac) const
{
    return Comunes::calculaRFC(paterno, materno, nombre1, nombre2, fechaNac);
}
