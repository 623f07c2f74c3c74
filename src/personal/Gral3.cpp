#include "personal/Gral3.h"
#include "personal/Controles.h"
#include "platform/Consulta.h"
#include "platform/Dialogos.h"
#include "platform/Edits.h"
#include "platform/Fechas.h"
#include "shell/Comunes.h"
#include "shell/Fabrica.h"
#include "shell/U_Mod.h"
#include "shell/Teclado.h"
#include "shell/U_inicial.h"
#include "shell/Iconos.h"

#include <QAction>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QStyle>
#include <QTimer>

REGISTRA_VENTANA(TW_Dependiente, "W_Dependiente")

namespace {
template <typename T>
T *nombrado(T *w, const char *nombre)
{
    w->setObjectName(QLatin1String(nombre));
    return w;
}

const QStringList kFamilia{QStringLiteral("CGE"), QStringLiteral("HJ1"), QStringLiteral("HJ2"), QStringLiteral("HJ3"),
                           QStringLiteral("HJ4")};

bool esReferencia(const QString &t) { return t == u"RE1" || t == u"RE2" || t == u"RE3" || t == u"RE4"; }
bool esFamilia(const QString &t) { return kFamilia.contains(t); }

QString encabezado(const QString &tipo)
{
    if (tipo == u"CGE")
        return QStringLiteral("Datos del cónyuge:");
    if (tipo.startsWith(u"HJ"))
        return QStringLiteral("Datos del hijo:");
    if (tipo == u"ACC")
        return QStringLiteral("Familiar a quien contactar en caso de Accidente");
    if (tipo == u"AVA")
        return QStringLiteral("Datos del Aval");
    if (esReferencia(tipo))
        return QStringLiteral("Avisar en caso de emergencia");
    return {};
}
} // namespace

TW_Dependiente::TW_Dependiente() : Ventana(QStringLiteral("W_Dependiente"), QStringLiteral("Datos Generales"))
{
    centraEnMarco(true);
    setMinimumWidth(620);
    m_tipo = Tipo_Actual;
    Deps = new GrupoOpciones(QStringLiteral("Deps"), QStringLiteral("Dependientes que residiran en el extranjero con usted."),
                             {QStringLiteral("Cónyuge"), QStringLiteral("Hijo 1"), QStringLiteral("Hijo 2"),
                              QStringLiteral("Hijo 3"), QStringLiteral("Hijo 4")},
                             5, this);
    Deps->ponIndice(0);
    Deps1 = new GrupoOpciones(QStringLiteral("Deps1"), QStringLiteral("Dependientes que residirán en el extranjero con usted."),
                              {QStringLiteral("Hijo 1"), QStringLiteral("Hijo 2"), QStringLiteral("Hijo 3"),
                               QStringLiteral("Hijo 4")},
                              5, this);
    Deps1->ponIndice(0);
    L_Dependiente = nombrado(new QLabel(this), "L_Dependiente");
    QFont negrita = L_Dependiente->font();
    negrita.setBold(true);
    negrita.setPointSizeF(negrita.pointSizeF() * 1.2);
    L_Dependiente->setFont(negrita);
    Nombre_1 = nombrado(new EditMayusculas(this), "Nombre_1");
    Nombre_2 = nombrado(new EditMayusculas(this), "Nombre_2");
    Paterno = nombrado(new EditMayusculas(this), "Paterno");
    Materno = nombrado(new EditMayusculas(this), "Materno");
    Sexo = new GrupoOpciones(QStringLiteral("Sexo"), QStringLiteral("Sexo"),
                             {QStringLiteral("Femenino"), QStringLiteral("Masculino")}, 2, this);
    Fec_nac = nombrado(new EditMascara(QString::fromLatin1(EditMascara::kFecha), this), "Fec_nac");
    Fec_nac->setMaximumWidth(110);
    RFC_Aval = nombrado(new EditMayusculas(this), "RFC_Aval");
    RFC_Aval->setMaxLength(13);
    L_Rfc = nombrado(new QLabel(QStringLiteral("R.F.C."), this), "L_Rfc");
    L_Rfc->setBuddy(RFC_Aval);
    Edo_Civil = new GrupoOpciones(QStringLiteral("Edo_Civil"), QStringLiteral("Estado Civil"),
                                  {QStringLiteral("Casado"), QStringLiteral("Soltero")}, 2, this);
    Btn_Salir = nombrado(new QPushButton(iconoEstandar(QStyle::SP_DialogCloseButton, this), QStringLiteral("Salir"), this), "Btn_Salir");
    Referencias = nombrado(new QPushButton(QStringLiteral("Referencias"), this), "Referencias");
    Referencias->setToolTip(QStringLiteral("Referencias personales en caso de accidente para QUIRAL"));
    Btn_Guardar = nombrado(new QPushButton(iconoEstandar(QStyle::SP_DialogSaveButton, this), QStringLiteral("Guardar"), this), "Btn_Guardar");
    Btn_Anterior = nombrado(new QPushButton(iconoEstandar(QStyle::SP_ArrowBack, this), QStringLiteral("Anterior"), this), "Btn_Anterior");
    Btn_Siguiente = nombrado(new QPushButton(iconoEstandar(QStyle::SP_ArrowForward, this), QStringLiteral("Siguiente"), this), "Btn_Siguiente");
    Btn_Direccion = nombrado(new QPushButton(QStringLiteral("Direccion"), this), "Btn_Direccion");
    Btn_Direccion->setToolTip(QStringLiteral("Direccion Particular"));
    Btn_Predio = nombrado(new QPushButton(QStringLiteral("Predio"), this), "Btn_Predio");
    Btn_Predio->setToolTip(QStringLiteral("Datos del predio en garantia"));
    for (QPushButton *b : {Referencias, Btn_Direccion, Btn_Predio}) {
        b->hide();
        b->setEnabled(false);
    }
    Borradependiente1 = new QAction(QStringLiteral("Borra dependiente"), this);
    Borradependiente1->setObjectName(QStringLiteral("Borradependiente1"));
    addAction(Borradependiente1);
    setContextMenuPolicy(Qt::ActionsContextMenu);

    auto *rejilla = new QGridLayout(this);
    rejilla->setHorizontalSpacing(10);
    int f = 0;
    rejilla->addWidget(Deps, f, 0, 1, 4);
    rejilla->addWidget(Deps1, f++, 0, 1, 4);   // mismo lugar que Deps
    rejilla->addWidget(L_Dependiente, f++, 0, 1, 4);
    rejilla->addWidget(etiquetaDe(QStringLiteral("1er. Nombre"), Nombre_1), f, 0);
    rejilla->addWidget(Nombre_1, f, 1);
    rejilla->addWidget(etiquetaDe(QStringLiteral("2do. Nombre"), Nombre_2), f, 2);
    rejilla->addWidget(Nombre_2, f++, 3);
    rejilla->addWidget(etiquetaDe(QStringLiteral("Apellido paterno"), Paterno), f, 0);
    rejilla->addWidget(Paterno, f, 1);
    rejilla->addWidget(etiquetaDe(QStringLiteral("Apellido Materno"), Materno), f, 2);
    rejilla->addWidget(Materno, f++, 3);
    rejilla->addWidget(etiquetaDe(QStringLiteral("Fecha de Nacimiento"), Fec_nac), f, 0);
    rejilla->addWidget(Fec_nac, f, 1, Qt::AlignLeft);
    rejilla->addWidget(L_Rfc, f, 2);
    rejilla->addWidget(RFC_Aval, f++, 3);
    rejilla->addWidget(Sexo, f, 0, 1, 2);
    rejilla->addWidget(Edo_Civil, f++, 2, 1, 2);
    auto *botones = new QGridLayout;
    botones->setColumnStretch(0, 1);
    botones->addWidget(Btn_Salir, 0, 1);
    botones->addWidget(Referencias, 0, 2);
    botones->addWidget(Btn_Guardar, 0, 3);
    // Direccion y Predio ocupan el lugar de Anterior y Siguiente y los tapan al mostrarse.
    botones->addWidget(Btn_Anterior, 0, 4);
    botones->addWidget(Btn_Direccion, 0, 4);
    botones->addWidget(Btn_Siguiente, 0, 5);
    botones->addWidget(Btn_Predio, 0, 5);
    Btn_Direccion->raise();
    Btn_Predio->raise();
    rejilla->addLayout(botones, f++, 0, 1, 4);
    rejilla->setRowStretch(f, 1);
    rejilla->setColumnStretch(1, 1);
    rejilla->setColumnStretch(3, 1);


    connect(Deps, &GrupoOpciones::eligio, this, [this](int i) { ejecuta([this, i] { DepsClick(i); }); });
    connect(Deps1, &GrupoOpciones::eligio, this, [this](int i) { ejecuta([this, i] { Deps1Click(i); }); });
    alEvento(Btn_Guardar, &QPushButton::clicked, [this] { Btn_GuardarClick(); });
    alEvento(Btn_Siguiente, &QPushButton::clicked, [this] { Btn_SiguienteClick(); });
    alEvento(Btn_Anterior, &QPushButton::clicked, [this] { Btn_AnteriorClick(); });
    alEvento(Btn_Direccion, &QPushButton::clicked, [this] { Btn_DireccionClick(); });
    alEvento(Btn_Predio, &QPushButton::clicked, [this] { Btn_PredioClick(); });
    alEvento(Referencias, &QPushButton::clicked, [this] { ReferenciasClick(); });
    alEvento(Btn_Salir, &QPushButton::clicked, [this] { Btn_SalirClick(); });
    alEvento(Borradependiente1, &QAction::triggered, [this] { Borradependiente1Click(); });
    alSalir(Fec_nac, [this] { Fec_nacExit(); });
    RFC_Aval->installEventFilter(this);

    ejecuta([this] { FormCreate(); });
    Nombre_1->setFocus();
}

// Los campos vigilados al salir se liberan aquí, mientras la base aún los tiene registrados.
TW_Dependiente::~TW_Dependiente()
{
    delete Fec_nac;
}

void TW_Dependiente::FormCreate()
{
    progreso(0);
    progreso(75);
    const QString tipo = Tipo_Actual;
    auto ocultaAval = [this] {
        Edo_Civil->hide();
        RFC_Aval->hide();
        L_Rfc->hide();
    };
    if (tipo == u"ACC") {
        Dep_Actual = -1;
        Muestra_Dependientes(QStringLiteral("ACC"));
        Deps->hide();
        Deps1->hide();
        ocultaAval();
    } else if (tipo == u"AVA") {
        Dep_Actual = -1;
        Muestra_Dependientes(QStringLiteral("AVA"));
        Deps->hide();
        Deps1->hide();
        Edo_Civil->show();
        RFC_Aval->show();
        L_Rfc->show();
    } else if (esReferencia(tipo)) {
        const int n = tipo.right(1).toInt();
        panel_ref();
        Deps1->hide();
        Deps->ponIndice(n - 1);
        Dep_Actual = n - 1;
        Muestra_Dependientes(tipo);
        ocultaAval();
    } else {
        if (Edo_Civil_Actual == 0) {
            Deps1->hide();
            Deps1->setEnabled(false);
            Dep_Actual = 0;
            Muestra_Dependientes(QStringLiteral("CGE"));
        } else {
            Deps->hide();
            Deps->setEnabled(false);
            Dep_Actual = 1;
            Muestra_Dependientes(QStringLiteral("HJ1"));
        }
        ocultaAval();
    }
    progreso(100);
}

void TW_Dependiente::reajusta()
{
    if (QLayout *l = layout()) {
        l->invalidate();
        l->activate();
    }
    auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget());
    if (!sub) {
        resize(size().expandedTo(sizeHint()));
        return;
    }
    // El recuadro conserva el tamaño del modo en que se abrió: se le pide el que hace falta ahora.
    QSize tam = sub->size().expandedTo(sub->sizeHint());
    if (QMdiArea *area = sub->mdiArea()) {
        tam = tam.boundedTo(area->viewport()->size());
        // Que no se salga del área por abajo o por la derecha.
        sub->move(qMax(0, qMin(sub->x(), area->viewport()->width() - tam.width())),
                  qMax(0, qMin(sub->y(), area->viewport()->height() - tam.height())));
    }
    sub->resize(tam);
}

void TW_Dependiente::ponTipo(const QString &tipo)
{
    m_tipo = tipo;
    Tipo_Actual = tipo;
    // "Borra dependiente" sólo en la familia: ahí borra justo la persona que se muestra.
    Borradependiente1->setEnabled(modoFamiliar());
}

bool TW_Dependiente::modoFamiliar() const { return esFamilia(m_tipo) || m_tipo == u"ACT"; }

bool TW_Dependiente::eventFilter(QObject *objeto, QEvent *evento)
{
    if (objeto == RFC_Aval && evento->type() == QEvent::FocusIn)
        ejecuta([this] { RFC_AvalEnter(); });
    return Ventana::eventFilter(objeto, evento);
}

// --- Mostrar y guardar ---------------------------------------------------------------------------

bool TW_Dependiente::encontraste(const QString &tipo)
{
    Consulta &aux = W_DM()->Q_Aux;
    aux.abre(QStringLiteral("Select Clave,Nombre_1,Nombre_2,Paterno,Materno,Sexo,Fec_nac,Tipo,RFC,Edo_Civil "
                            "From Persona Where tipo=:t"),
             {{QStringLiteral("t"), tipo}});
    return aux.campo(QStringLiteral("Tipo")).texto() == tipo;
}

void TW_Dependiente::Muestra_Dependientes(const QString &tipo)
{
    L_Dependiente->setText(encabezado(tipo));
    const bool existe = encontraste(tipo);
    Consulta &aux = W_DM()->Q_Aux;
    Nombre_1->ponTexto(aux.campo(QStringLiteral("Nombre_1")).texto());
    Nombre_2->ponTexto(aux.campo(QStringLiteral("Nombre_2")).texto());
    Paterno->ponTexto(aux.campo(QStringLiteral("Paterno")).texto());
    Materno->ponTexto(aux.campo(QStringLiteral("Materno")).texto());
    RFC_Aval->ponTexto(aux.campo(QStringLiteral("RFC")).texto());
    Edo_Civil->ponIndice(aux.campo(QStringLiteral("Edo_Civil")).texto() == u"C" ? 0 : 1);
    const QString fecha = aux.campo(QStringLiteral("Fec_nac")).texto();
    Fec_nac->ponTexto(fecha.isEmpty() ? Fechas::propuesta() : fecha);
    Sexo->ponIndice(aux.campo(QStringLiteral("Sexo")).texto() == u"M" ? 1 : 0);
    Habilita_Botones(tipo, existe);
    ponTipo(tipo);
}

void TW_Dependiente::Habilita_Botones(const QString &tipo, bool existe)
{
    auto muestra = [](QPushButton *b, bool ver) { b->setVisible(ver); };
    if (tipo == u"AVA") {
        for (QPushButton *b : {Btn_Direccion, Btn_Predio, Referencias}) {
            b->show();
            b->setEnabled(existe);
        }
        Btn_Salir->show();
    } else if (tipo == u"ACC") {
        muestra(Btn_Direccion, false);
        muestra(Btn_Predio, false);
        muestra(Btn_Salir, false);
    } else if (esReferencia(m_tipo)) {
        Btn_Direccion->show();
        Btn_Direccion->setEnabled(true);
        muestra(Btn_Predio, false);
        muestra(Btn_Salir, false);
    } else if (tipo == u"CGE") {
        muestra(Btn_Direccion, false);
        muestra(Btn_Predio, false);
        muestra(Btn_Salir, false);
    }
}

void TW_Dependiente::panel_ref()
{
    Deps->show();
    Deps->setEnabled(true);
    Deps->ponElementos({QStringLiteral("Uno"), QStringLiteral("Dos"), QStringLiteral("Tres"), QStringLiteral("Cuatro")});
    Deps->setTitle(QStringLiteral("Referencias Personales"));
}

bool TW_Dependiente::Guarda(const QString &tipo)
{
    const QString sexo = Sexo->indice() == 1 ? QStringLiteral("M") : QStringLiteral("F");
    const QString civil = Edo_Civil->indice() == 1 ? QStringLiteral("S") : QStringLiteral("C");
    const auto fecha = Fechas::valor(Fec_nac->texto());
    if (!fecha) {
        // Una fecha que no existe no llega a la tabla; se propone la de hoy.
        Fec_nac->ponTexto(Fechas::propuesta());
        return false;
    }
    const bool existe = encontraste(tipo);
    // Una persona sin nombres ni RFC que no estaba guardada es un formulario intacto: no se
    // guarda (por ejemplo, la que se acaba de borrar).
    if (!existe && Nombre_1->texto().trimmed().isEmpty() && Nombre_2->texto().trimmed().isEmpty() &&
        Paterno->texto().trimmed().isEmpty() && Materno->texto().trimmed().isEmpty() &&
        RFC_Aval->texto().trimmed().isEmpty())
        return true;
    // Un año que el programa no acepta no se guarda: se avisa y la navegación no sigue.
    if (!fecha->isNull() && !W_Inicial()->Valida_Fecha(fecha->toString())) {
        Fec_nac->setFocus();
        return false;
    }
    const QVariantHash p{{QStringLiteral("n1"), Nombre_1->texto()}, {QStringLiteral("n2"), Nombre_2->texto()},
                         {QStringLiteral("pat"), Paterno->texto()}, {QStringLiteral("mat"), Materno->texto()},
                         {QStringLiteral("sexo"), sexo}, {QStringLiteral("civil"), civil},
                         {QStringLiteral("fecha"), *fecha}, {QStringLiteral("rfc"), RFC_Aval->texto()},
                         {QStringLiteral("tipo"), tipo}};
    if (existe) {
        W_DM()->Q_Aux.ejecuta(QStringLiteral("Update Persona Set Nombre_1=:n1,Nombre_2=:n2,RFC=:rfc,Paterno=:pat,"
                                             "Materno=:mat,Sexo=:sexo,Edo_civil=:civil,fec_nac=:fecha Where tipo=:tipo"),
                              p);
    } else {
        QVariantHash q = p;
        q[QStringLiteral("clave")] = W_Inicial()->Siguiente_Clave(QStringLiteral("Persona")).toLongLong();
        W_DM()->Q_Aux.ejecuta(QStringLiteral("Insert into Persona (Clave,Nombre_1,Nombre_2,Paterno,Materno,Sexo,"
                                             "Edo_civil,Fec_nac,Ciudad_nac,Tipo,RFC) Values (:clave,:n1,:n2,:pat,"
                                             ":mat,:sexo,:civil,:fecha,0,:tipo,:rfc)"),
                              q);
    }
    return true;
}

QString TW_Dependiente::tipoDeCasilla() const
{
    if (m_tipo != u"AVA" && !esReferencia(m_tipo)) {
        if (Dep_Actual >= 0 && Dep_Actual <= 4)
            return kFamilia.at(Dep_Actual);
        return QStringLiteral("ACC");
    }
    if (Dep_Actual >= 0 && Dep_Actual <= 3)
        return QStringLiteral("RE") + QString::number(Dep_Actual + 1);
    return m_tipo;
}

bool TW_Dependiente::guardaCasilla()
{
    const QString tipo = tipoDeCasilla();
    try {
        if (!Guarda(tipo))
            return false;
    } catch (const ErrorBase &e) {
        // Lo escrito sigue en pantalla; la navegación no continúa.
        dialogos().mensaje(e.mensaje(), Dialogos::Icono::Error);
        Nombre_1->setFocus();
        return false;
    }
    // Las ligas del aval piden su renglón: un formulario intacto no se guarda y no las abre.
    if (tipo == u"AVA" && encontraste(tipo))
        for (QPushButton *b : {Btn_Direccion, Btn_Predio, Referencias})
            b->setEnabled(true);
    return true;
}

void TW_Dependiente::marcaCasilla()
{
    if (Deps->isVisibleTo(this))
        Deps->ponIndice(Dep_Actual);
    if (Deps1->isVisibleTo(this))
        Deps1->ponIndice(Dep_Actual - 1);
}

// --- Manejadores ---------------------------------------------------------------------------------

void TW_Dependiente::Btn_GuardarClick() { guardaCasilla(); }

void TW_Dependiente::DepsClick(int i)
{
    if (!guardaCasilla()) {
        marcaCasilla();
        return;
    }
    if (esFamilia(m_tipo) || m_tipo == u"ACT") {
        if (i >= 0 && i < kFamilia.size())
            Muestra_Dependientes(kFamilia.at(i));
    } else if (esReferencia(m_tipo)) {
        if (i >= 0 && i <= 3)
            Muestra_Dependientes(QStringLiteral("RE") + QString::number(i + 1));
    }
    Dep_Actual = i;
}

void TW_Dependiente::Deps1Click(int i)
{
    if (!guardaCasilla()) {
        marcaCasilla();
        return;
    }
    if (i >= 0 && i <= 3)
        Muestra_Dependientes(kFamilia.at(i + 1));
    Dep_Actual = i + 1;
}

bool TW_Dependiente::Ubica_Registro(const QString &, const QString &registro)
{
    // Con los selectores de la ventana, que guardan la persona que se deja como un clic.
    if (registro != m_tipo) {
        const int i = int(kFamilia.indexOf(registro));
        if (modoFamiliar() && i >= 0) {
            if (Deps->isVisibleTo(this))
                DepsClick(i);
            else if (i > 0 && Deps1->isVisibleTo(this))
                Deps1Click(i - 1);
        } else if (esReferencia(m_tipo) && esReferencia(registro)) {
            DepsClick(registro.right(1).toInt() - 1);
        }
        marcaCasilla();
    }
    return registro == m_tipo;
}

void TW_Dependiente::Btn_SiguienteClick()
{
    if (!guardaCasilla())
        return;
    if (Dep_Actual == -1) {
        ponTipo(QStringLiteral("ACC"));
        if (!W_Inicial()->Forma_Abierta(QStringLiteral("W_DirAct")))
            W_Inicial()->Abre_Forma(QStringLiteral("W_DirAct"));
        cierraVentana();
        return;
    }
    Deps->hide();
    Deps1->hide();
    Muestra_Dependientes(esReferencia(m_tipo) ? QStringLiteral("AVA") : QStringLiteral("ACC"));
    Dep_Actual = -1;
    reajusta();
    Teclado::enfocaPrimero(this);
}

void TW_Dependiente::Btn_AnteriorClick()
{
    if (!guardaCasilla())
        return;
    if (m_tipo != u"ACC") {
        if (esFamilia(m_tipo))
            ponTipo(QStringLiteral("ACT"));
        if (!W_Inicial()->Forma_Abierta(QStringLiteral("W_DirAct")))
            W_Inicial()->Abre_Forma(QStringLiteral("W_DirAct"));
        cierraVentana();
        return;
    }
    if (Edo_Civil_Actual == 0) {
        Dep_Actual = 0;
        Muestra_Dependientes(QStringLiteral("CGE"));
        Deps->ponIndice(0);
        Deps->show();
    } else {
        Dep_Actual = 1;
        Muestra_Dependientes(QStringLiteral("HJ1"));
        Deps1->ponIndice(0);
        Deps1->show();
    }
    ponTipo(QStringLiteral("ACT"));
    reajusta();
    Teclado::enfocaPrimero(this);
}

void TW_Dependiente::Btn_DireccionClick()
{
    if (!guardaCasilla())
        return;
    if (!W_Inicial()->Forma_Abierta(QStringLiteral("W_DirAct"))) {
        Tipo_Actual = m_tipo;
        W_Inicial()->Abre_Forma(QStringLiteral("W_DirAct"));
        cierraVentana();
    }
}

void TW_Dependiente::Btn_PredioClick()
{
    if (W_Inicial()->Forma_Abierta(QStringLiteral("W_Predial")))
        return;
    Tipo_Actual = m_tipo;
    // Mientras la ventana del predio no exista en el programa, ésta sigue abierta.
    if (W_Inicial()->Abre_Forma(QStringLiteral("W_Predial")))
        cierraVentana();
}

void TW_Dependiente::ReferenciasClick()
{
    panel_ref();
    Dep_Actual = 0;
    Muestra_Dependientes(QStringLiteral("RE1"));
    Deps->ponIndice(0);
    Deps1->ponIndice(0);
    ponTipo(QStringLiteral("RE1"));
    Edo_Civil->hide();
    RFC_Aval->hide();
    L_Rfc->hide();
    Btn_Direccion->show();
    Btn_Direccion->setEnabled(true);
    Btn_Predio->hide();
    Referencias->hide();
    Btn_Salir->hide();
    reajusta();
    Teclado::enfocaPrimero(this);
}

void TW_Dependiente::Btn_SalirClick() { cierraVentana(); }

void TW_Dependiente::Fec_nacExit()
{
    const auto f = Fechas::normaliza(Fec_nac->texto());
    if (!f) {
        Fec_nac->ponTexto(Fechas::propuesta());
        return;
    }
    Fec_nac->ponTexto(*f);
    if (W_Inicial()->Valida_Fecha(*f))
        RFC_AvalEnter();
    else
        QTimer::singleShot(0, Fec_nac, [w = Fec_nac] { w->setFocus(); });
}

void TW_Dependiente::RFC_AvalEnter()
{
    if (m_tipo != u"AVA" || Fechas::vacia(Fec_nac->texto()))
        return;
    // Sin fecha válida no hay clave que proponer; lo escrito se conserva.
    if (const auto rfc = W_Inicial()->Calcula_RFC(Paterno->texto(), Materno->texto(), Nombre_1->texto(),
                                                  Nombre_2->texto(), Fec_nac->texto()))
        RFC_Aval->ponTexto(Comunes::rfcAlEntrar(RFC_Aval->texto(), *rfc));   // la homoclave tecleada se queda
}

void TW_Dependiente::Borradependiente1Click()
{
    if (!modoFamiliar())
        return;
    const QString tipo = tipoDeCasilla();
    W_DM()->Q_Aux.ejecuta(QStringLiteral("Delete from persona where tipo=:t"), {{QStringLiteral("t"), tipo}});
    Muestra_Dependientes(tipo);
}
