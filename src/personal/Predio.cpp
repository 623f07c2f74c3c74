#include "personal/Predio.h"
#include "platform/Errores.h"
#include "personal/Controles.h"
#include "platform/Consulta.h"
#include "platform/Dialogos.h"
#include "platform/Edits.h"
#include "platform/Fechas.h"
#include "shell/Fabrica.h"
#include "shell/U_Mod.h"
#include "shell/U_inicial.h"
#include "shell/Iconos.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

REGISTRA_VENTANA(TW_Predial, "W_Predial")

namespace {
template <typename T>
T *nombrado(T *w, const char *nombre)
{
    w->setObjectName(QLatin1String(nombre));
    return w;
}

const QString kSalir = QStringLiteral("Salir");

// Fecha que se guarda: NULL si el campo está vacío; nullopt si no es una fecha real o el
// programa no la acepta (año fuera de 1900 a 2020).
std::optional<QVariant> fechaAGuardar(const EditMascara *campo)
{
    const auto v = Fechas::valor(campo->texto());
    if (!v)
        return std::nullopt;
    if (!v->isNull() && Fechas::revisa(v->toString()) != Fechas::Error::Ninguno)
        return std::nullopt;
    return v;
}
} // namespace

TW_Predial::TW_Predial() : Ventana(QStringLiteral("W_Predial"), QStringLiteral("Datos del Predio en garantia"))
{
    centraEnMarco(true);
    setMinimumWidth(600);
    E_Cta_Predial = nombrado(new EditMayusculas(this), "E_Cta_Predial");
    E_LugarRegistro = nombrado(new EditMayusculas(this), "E_LugarRegistro");
    E_Folio = nombrado(new EditMayusculas(this), "E_Folio");
    ME_Fecha = nombrado(new EditMascara(QString::fromLatin1(EditMascara::kFecha), this), "ME_Fecha");
    ME_Fecha->setMaxLength(10);
    ME_anios = nombrado(new EditMascara(QStringLiteral("!99;1;_"), this), "ME_anios");
    ME_anios->setMaxLength(2);
    Btn_Direccion = nombrado(new QPushButton(iconoEstandar(QStyle::SP_DirHomeIcon, this),
                                             QStringLiteral("Direccion del Predio"), this), "Btn_Direccion");
    Btn_Direccion->setToolTip(QStringLiteral("Direccion del predio"));

    E_Empresa = nombrado(new EditMayusculas(this), "E_Empresa");
    E_Depto = nombrado(new EditMayusculas(this), "E_Depto");
    E_Puesto = nombrado(new EditMayusculas(this), "E_Puesto");
    E_Antig = nombrado(new EditTexto(this), "E_Antig");
    ME_FecIngreso = nombrado(new EditMascara(QString::fromLatin1(EditMascara::kFecha), this), "ME_FecIngreso");
    ME_FecIngreso->setMaxLength(10);
    Btn_DirTraAval = nombrado(new QPushButton(iconoEstandar(QStyle::SP_DirHomeIcon, this),
                                              QStringLiteral("Direccion Laboral"), this), "Btn_DirTraAval");
    Btn_DirTraAval->setToolTip(QStringLiteral("Domicilio laboral del avalista"));
    Btn_Guardar = nombrado(new QPushButton(iconoEstandar(QStyle::SP_DialogSaveButton, this),
                                           QStringLiteral("Guardar"), this), "Btn_Guardar");
    // Sólo guarda el dibujo que toma Btn_Guardar al volverse "Salir".
    Btn_Salir = nombrado(new QPushButton(iconoEstandar(QStyle::SP_DialogCloseButton, this), QString(), this), "Btn_Salir");
    Btn_Salir->hide();

    // Anchos a la medida de lo que cabe: fecha de diez caracteres y años de dos cifras.
    const int ancho10 = fontMetrics().horizontalAdvance(QStringLiteral("00/00/00000")) + 16;
    ME_Fecha->setFixedWidth(ancho10);
    ME_FecIngreso->setFixedWidth(ancho10);
    ME_anios->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("000")) + 16);
    auto panel = [this](const char *nombre) {
        auto *f = nombrado(new QFrame(this), nombre);
        f->setFrameShape(QFrame::StyledPanel);
        return f;
    };

    // Panel del predio.
    QFrame *predio = panel("Panel_Predio");
    auto *gp = new QGridLayout(predio);
    gp->setHorizontalSpacing(10);
    int f = 0;
    gp->addWidget(etiquetaDe(QStringLiteral("No. de cuenta predial"), E_Cta_Predial), f, 0);
    gp->addWidget(E_Cta_Predial, f++, 1, 1, 3);
    gp->addWidget(etiquetaDe(QStringLiteral("Lugar de registro"), E_LugarRegistro), f, 0);
    gp->addWidget(E_LugarRegistro, f++, 1, 1, 3);
    gp->addWidget(etiquetaDe(QStringLiteral("Fecha de Registro"), ME_Fecha), f, 0);
    gp->addWidget(ME_Fecha, f, 1, Qt::AlignLeft);
    gp->addWidget(etiquetaDe(QStringLiteral("Folio"), E_Folio), f, 2);
    gp->addWidget(E_Folio, f++, 3);
    gp->addWidget(etiquetaDe(QStringLiteral("Tiempo del avalista  conociendo al solicitante (años)"), ME_anios), f, 0, 1, 3);
    gp->addWidget(ME_anios, f++, 3, Qt::AlignLeft);
    auto *bp = new QHBoxLayout;
    bp->addStretch(1);
    bp->addWidget(Btn_Direccion);
    gp->addLayout(bp, f++, 0, 1, 4);
    gp->setColumnStretch(1, 1);
    gp->setColumnStretch(3, 1);

    // Panel laboral.
    QFrame *laboral = panel("Panel_Laboral");
    auto *gl = new QGridLayout(laboral);
    gl->setHorizontalSpacing(10);
    auto *titulo = nombrado(new QLabel(QStringLiteral("Datos laborales del avalista"), this), "L_Laboral");
    QFont negrita = titulo->font();
    negrita.setBold(true);
    titulo->setFont(negrita);
    f = 0;
    gl->addWidget(titulo, f++, 0, 1, 4);
    gl->addWidget(etiquetaDe(QStringLiteral("Empresa o Dependencia"), E_Empresa), f, 0);
    gl->addWidget(E_Empresa, f++, 1, 1, 3);
    gl->addWidget(etiquetaDe(QStringLiteral("Departamento"), E_Depto), f, 0);
    gl->addWidget(E_Depto, f, 1);
    gl->addWidget(etiquetaDe(QStringLiteral("Puesto"), E_Puesto), f, 2);
    gl->addWidget(E_Puesto, f++, 3);
    gl->addWidget(etiquetaDe(QStringLiteral("Antigüedad en el puesto (años)"), E_Antig), f, 0);
    gl->addWidget(E_Antig, f, 1);
    gl->addWidget(etiquetaDe(QStringLiteral("Fecha de ingreso"), ME_FecIngreso), f, 2);
    gl->addWidget(ME_FecIngreso, f++, 3, Qt::AlignLeft);
    auto *bl = new QHBoxLayout;
    bl->addStretch(1);
    bl->addWidget(Btn_DirTraAval);
    bl->addWidget(Btn_Guardar);
    gl->addLayout(bl, f++, 0, 1, 4);
    gl->setColumnStretch(1, 1);
    gl->setColumnStretch(3, 1);

    // Las columnas de etiquetas miden lo mismo en los dos paneles, para que los campos se alineen.
    const int etiqueta0 = fontMetrics().horizontalAdvance(QStringLiteral("Antigüedad en el puesto (años)")) + 12;
    const int etiqueta2 = fontMetrics().horizontalAdvance(QStringLiteral("Fecha de ingreso")) + 12;
    for (QGridLayout *g : {gp, gl}) {
        g->setColumnMinimumWidth(0, etiqueta0);
        g->setColumnMinimumWidth(2, etiqueta2);
    }

    auto *principal = new QVBoxLayout(this);
    principal->addWidget(predio);
    principal->addWidget(laboral);
    principal->addStretch(1);


    alEvento(Btn_Guardar, &QPushButton::clicked, [this] { Btn_GuardarClick(); });
    alEvento(Btn_Direccion, &QPushButton::clicked, [this] { Btn_DireccionClick(); });
    alEvento(Btn_DirTraAval, &QPushButton::clicked, [this] { Btn_DirTraAvalClick(); });
    alSalir(ME_Fecha, [this] { ME_FechaExit(); });
    alSalir(ME_FecIngreso, [this] { ME_FecIngresoExit(); });

    ejecuta([this] { FormCreate(); });
    E_Cta_Predial->setFocus();
}

// Los campos vigilados al salir se liberan aquí, mientras la base aún los tiene registrados.
TW_Predial::~TW_Predial()
{
    delete ME_Fecha;
    delete ME_FecIngreso;
}

void TW_Predial::FormCreate()
{
    Existe_Predio = Muestra_Predio();
    Existe_Laboral = Muestra_Laboral();
    Btn_Direccion->setEnabled(Existe_Predio);
    Btn_DirTraAval->setEnabled(Existe_Laboral);
    if (Existe_Predio || Existe_Laboral)
        ponSalir();
}

void TW_Predial::ponSalir()
{
    Btn_Guardar->setText(kSalir);
    Btn_Guardar->setIcon(Btn_Salir->icon());
}

// --- Mostrar ---------------------------------------------------------------------------------------

bool TW_Predial::Muestra_Predio()
{
    Consulta &aux = W_DM()->Q_Aux;
    aux.abre(QStringLiteral("Select Cta_Predial,Lugar_Registro,Fec_Registro,Folio,Tiempo From Aval"));
    const QString cuenta = aux.campo(QStringLiteral("Cta_Predial")).texto();
    const QString lugar = aux.campo(QStringLiteral("Lugar_Registro")).texto();
    const QString fecha = aux.campo(QStringLiteral("Fec_Registro")).texto();
    const QString folio = aux.campo(QStringLiteral("Folio")).texto();
    E_Cta_Predial->ponTexto(cuenta);
    E_LugarRegistro->ponTexto(lugar);
    ME_Fecha->ponTexto(fecha);
    E_Folio->ponTexto(folio);
    ME_anios->ponTexto(aux.campo(QStringLiteral("Tiempo")).texto());
    return !cuenta.isEmpty() || !lugar.isEmpty() || !fecha.isEmpty() || !folio.isEmpty();
}

bool TW_Predial::Muestra_Laboral()
{
    Consulta &aux = W_DM()->Q_Aux;
    aux.abre(QStringLiteral("Select Empresa,Depto,Puesto,Antiguedad,Fec_Ingreso From Aval"));
    const QString empresa = aux.campo(QStringLiteral("Empresa")).texto();
    const QString depto = aux.campo(QStringLiteral("Depto")).texto();
    const QString puesto = aux.campo(QStringLiteral("Puesto")).texto();
    const QString antig = aux.campo(QStringLiteral("Antiguedad")).texto();
    E_Empresa->ponTexto(empresa);
    E_Depto->ponTexto(depto);
    E_Puesto->ponTexto(puesto);
    E_Antig->ponTexto(antig);
    ME_FecIngreso->ponTexto(aux.campo(QStringLiteral("Fec_Ingreso")).texto());
    return !empresa.isEmpty() || !depto.isEmpty() || !puesto.isEmpty() || !antig.isEmpty();
}

// --- Guardar ---------------------------------------------------------------------------------------

bool TW_Predial::Guarda()
{
    // Los años son obligatorios (sin ellos no se guarda nada).
    const QString anios = ME_anios->texto().trimmed();
    bool numero = false;
    const int tiempo = anios.toInt(&numero);
    if (anios.isEmpty() || !numero)
        return false;
    const auto registro = fechaAGuardar(ME_Fecha);
    const auto ingreso = fechaAGuardar(ME_FecIngreso);
    if (!registro || !ingreso)
        return false;
    const QVariantHash p{{QStringLiteral("cta"), E_Cta_Predial->texto()},
                         {QStringLiteral("lugar"), E_LugarRegistro->texto()},
                         {QStringLiteral("freg"), *registro},
                         {QStringLiteral("folio"), E_Folio->texto()},
                         {QStringLiteral("empresa"), E_Empresa->texto()},
                         {QStringLiteral("depto"), E_Depto->texto()},
                         {QStringLiteral("puesto"), E_Puesto->texto()},
                         {QStringLiteral("antig"), E_Antig->texto()},
                         {QStringLiteral("fing"), *ingreso},
                         {QStringLiteral("tiempo"), tiempo}};
    try {
        Consulta &aux = W_DM()->Q_Aux;
        // Se actualiza si la fila ya existe, tenga o no datos del predio: así una fila con sólo
        // datos laborales (o sólo los años) no queda sin poder guardarse nunca.
        aux.abre(QStringLiteral("Select count(*) conteo From Aval"));
        if (aux.campo(QStringLiteral("conteo")).entero() > 0) {
            aux.ejecuta(QStringLiteral("Update aval set cta_predial=:cta,Lugar_registro=:lugar,Fec_Registro=:freg,"
                                       "Folio=:folio,Empresa=:empresa,Depto=:depto,Puesto=:puesto,Antiguedad=:antig,"
                                       "Fec_ingreso=:fing,tiempo=:tiempo"),
                        p);
        } else {
            aux.ejecuta(QStringLiteral("Insert into aval (clave,cta_predial,lugar_registro,fec_registro,folio,empresa,"
                                       "depto,puesto,antiguedad,fec_ingreso,tiempo,Tipo) values (1,:cta,:lugar,:freg,"
                                       ":folio,:empresa,:depto,:puesto,:antig,:fing,:tiempo,'AVA')"),
                        p);
        }
    } catch (const ErrorBase &e) {
        avisaFallaExterna(e);
        return false;
    }
    Existe_Predio = true;
    return true;
}

// --- Manejadores -----------------------------------------------------------------------------------

void TW_Predial::Btn_GuardarClick()
{
    const bool ok = Guarda();
    // Con "Salir" una falla sólo deja la ventana abierta, sin aviso: lo escrito sigue a la vista.
    if (!ok && Btn_Guardar->text() != kSalir)
        dialogos().aviso(QStringLiteral("La información no esta completa"));
    if (Btn_Guardar->text() != kSalir) {
        Btn_Direccion->setEnabled(ok);
        Btn_DirTraAval->setEnabled(ok);
        if (ok)
            ponSalir();
    } else if (ok) {
        cierraVentana();
    }
}

void TW_Predial::abreDomicilio(const QString &tipo)
{
    if (W_Inicial()->Forma_Abierta(QStringLiteral("W_DirAct")))
        return;
    // Nada se guarda antes: el domicilio se abre con lo que ya está en la tabla.
    Tipo_Actual = tipo;
    if (W_Inicial()->Abre_Forma(QStringLiteral("W_DirAct")))
        cierraVentana();
}

void TW_Predial::Btn_DireccionClick() { abreDomicilio(QStringLiteral("AVP")); }

void TW_Predial::Btn_DirTraAvalClick() { abreDomicilio(QStringLiteral("AVT")); }

void TW_Predial::revisaFecha(EditMascara *campo)
{
    // Un campo vacío queda vacío: la fecha no se conoce, no es hoy.
    if (Fechas::vacia(campo->texto()))
        return;
    const auto f = Fechas::normaliza(campo->texto());
    if (!f) {
        campo->ponTexto(Fechas::propuesta());
        return;
    }
    campo->ponTexto(*f);
    if (!W_Inicial()->Valida_Fecha(*f))
        QTimer::singleShot(0, campo, [campo] { campo->setFocus(); });
}

void TW_Predial::ME_FechaExit() { revisaFecha(ME_Fecha); }

void TW_Predial::ME_FecIngresoExit() { revisaFecha(ME_FecIngreso); }

void TW_Predial::closeEvent(QCloseEvent *e)
{
    Ventana::closeEvent(e);
    if (!e->isAccepted() || !W_Inicial())
        return;
    // Tras pulsar un botón de domicilio sólo queda abierta la ventana del domicilio.
    if (Tipo_Actual == u"AVP" || Tipo_Actual == u"AVT")
        return;
    Tipo_Actual = QStringLiteral("AVA");
    if (!W_Inicial()->Forma_Abierta(QStringLiteral("W_Dependiente")))
        ejecuta([] { W_Inicial()->Abre_Forma(QStringLiteral("W_Dependiente")); });
}
