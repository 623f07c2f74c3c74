#include "personal/Gral1.h"
#include "platform/Errores.h"
#include "personal/Controles.h"
#include "platform/Base.h"
#include "platform/Consulta.h"
#include "platform/Dialogos.h"
#include "platform/Edits.h"
#include "platform/Fechas.h"
#include "shell/Comunes.h"
#include "shell/Fabrica.h"
#include "shell/U_Mod.h"
#include "shell/U_inicial.h"
#include "shell/Iconos.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QToolButton>

REGISTRA_VENTANA(TW_Generales, "W_Generales")

namespace {
const QString kSinConvocatoria = QStringLiteral("No ha capturado la convocatoria ");
const QString kErrorConvocatoria = QStringLiteral("Se ha producido un error al tratar de guardar la convocatoria ");
const QString kIncompleto = QStringLiteral("No ha capturado la informacion de manera completa");
const QString kPreguntaConvocatoria = QStringLiteral(
    "Al cambiar de convocatoria se borrarán sus opciones de institución, sus costos y los domicilios que dependen "
    "de ellas. ¿Desea continuar?");
const QString kPreguntaSoltero = QStringLiteral("Al elegir Soltero se borrarán los datos de su cónyuge. ¿Desea continuar?");

template <typename T>
T *nombrado(T *w, const char *nombre)
{
    w->setObjectName(QLatin1String(nombre));
    return w;
}

QToolButton *botonAgregar(QWidget *padre, const char *nombre, const QIcon &icono)
{
    auto *b = nombrado(new QToolButton(padre), nombre);
    b->setIcon(icono);
    b->setAutoRaise(true);
    b->setToolTip(QStringLiteral("Agregar"));
    return b;
}
} // namespace

TW_Generales::TW_Generales() : Ventana(QStringLiteral("W_Generales"), QStringLiteral("Datos Generales"))
{
    centraEnMarco(true);
    RadioGroup1 = new GrupoOpciones(QStringLiteral("RadioGroup1"), QStringLiteral("Tipo de beca solicitada"),
                                    {QStringLiteral("Extranjera"), QStringLiteral("Nacional")}, 2, this);
    RadioGroup1->ponIndice(0);
    RadioGroup1->setEnabled(false);

    CB_Conv = nombrado(new ListaConfirmada(this), "CB_Conv");
    CB_Conv->setMinimumWidth(420);
    CB_Conv->ponLetras(60);
    Nombre_1 = nombrado(new EditMayusculas(this), "Nombre_1");
    Nombre_2 = nombrado(new EditMayusculas(this), "Nombre_2");
    Paterno = nombrado(new EditMayusculas(this), "Paterno");
    Materno = nombrado(new EditMayusculas(this), "Materno");
    Fec_Nac = nombrado(new EditMascara(QString::fromLatin1(EditMascara::kFecha), this), "Fec_Nac");
    Fec_Nac->setMaximumWidth(110);
    E_RFC = nombrado(new EditMayusculas(this), "E_RFC");
    E_RFC->setMaxLength(13);
    Sexo = new GrupoOpciones(QStringLiteral("Sexo"), QStringLiteral("Sexo"),
                             {QStringLiteral("Femenino"), QStringLiteral("Masculino")}, 2, this);
    Edo_Civil = new GrupoOpciones(QStringLiteral("Edo_Civil"), QStringLiteral("Estado Civil"),
                                  {QStringLiteral("Casado"), QStringLiteral("Soltero")}, 2, this);
    auto *pais = nombrado(new ListaFija(this), "CB_PaisNac");
    auto *estado = nombrado(new ListaFija(this), "CB_EstadoNac");
    auto *ciudad = nombrado(new ListaFija(this), "CB_CiudadNac");
    for (ListaFija *c : {pais, estado, ciudad}) {
        c->setMinimumWidth(260);
        c->setMaxVisibleItems(20);
        // Ancho fijo por número de letras: medir cada renglón de un catálogo largo es lento.
        c->ponLetras(30);
    }
    CB_PaisNac = pais;
    CB_EstadoNac = estado;
    CB_CiudadNac = ciudad;
    // Un solo icono para los dos: buscarlo en el tema y decodificarlo cuesta al abrir.
    const QIcon agregar = iconoEstandar(QStyle::SP_FileDialogNewFolder, this);
    Btn_AddEdo = botonAgregar(this, "Btn_AddEdo", agregar);
    Btn_AddCd = botonAgregar(this, "Btn_AddCd", agregar);
    Btn_AddEdo->setEnabled(false);
    Btn_AddCd->setEnabled(false);
    E_Curp = nombrado(new EditMayusculas(this), "E_Curp");
    E_Curp->setMaxLength(25);
    ME_Ingresos = nombrado(new EditMascara(QStringLiteral("!999999999999;1;_"), this), "ME_Ingresos");
    ME_Ingresos->setVisible(false);
    L_Ingresos = nombrado(new QLabel(QStringLiteral("Monto mensual de ingresos"), this), "L_Ingresos");
    L_Ingresos->setVisible(false);
    Btn_Sig = nombrado(new QPushButton(iconoEstandar(QStyle::SP_ArrowForward, this), QStringLiteral("Siguiente"), this), "Btn_Sig");

    // Distribución
    auto *rejilla = new QGridLayout(this);
    rejilla->setHorizontalSpacing(10);
    int f = 0;
    rejilla->addWidget(RadioGroup1, f++, 0, 1, 4);
    rejilla->addWidget(etiquetaDe(QStringLiteral("Convocatoria  "), CB_Conv), f, 0);
    rejilla->addWidget(CB_Conv, f++, 1, 1, 3);
    rejilla->addWidget(etiquetaDe(QStringLiteral("1er. Nombre"), Nombre_1), f, 0);
    rejilla->addWidget(Nombre_1, f, 1);
    rejilla->addWidget(etiquetaDe(QStringLiteral("2do. Nombre"), Nombre_2), f, 2);
    rejilla->addWidget(Nombre_2, f++, 3);
    rejilla->addWidget(etiquetaDe(QStringLiteral("Apellido Paterno"), Paterno), f, 0);
    rejilla->addWidget(Paterno, f, 1);
    rejilla->addWidget(etiquetaDe(QStringLiteral("Apellido Materno"), Materno), f, 2);
    rejilla->addWidget(Materno, f++, 3);
    rejilla->addWidget(etiquetaDe(QStringLiteral("Fecha de Nacimiento "), Fec_Nac), f, 0);
    rejilla->addWidget(Fec_Nac, f, 1, Qt::AlignLeft);
    rejilla->addWidget(etiquetaDe(QStringLiteral("R. F. C."), E_RFC), f, 2);
    rejilla->addWidget(E_RFC, f++, 3);
    rejilla->addWidget(Sexo, f, 0, 1, 2);
    rejilla->addWidget(Edo_Civil, f++, 2, 1, 2);
    rejilla->addWidget(etiquetaDe(QStringLiteral("País de Nacimiento"), CB_PaisNac), f, 0);
    rejilla->addLayout(Listas::conBoton(CB_PaisNac, nullptr), f++, 1, 1, 3);
    rejilla->addWidget(etiquetaDe(QStringLiteral("Estado de Nacimiento"), CB_EstadoNac), f, 0);
    rejilla->addLayout(Listas::conBoton(CB_EstadoNac, Btn_AddEdo), f++, 1, 1, 3);
    rejilla->addWidget(etiquetaDe(QStringLiteral("Ciudad de Nacimiento"), CB_CiudadNac), f, 0);
    rejilla->addLayout(Listas::conBoton(CB_CiudadNac, Btn_AddCd), f++, 1, 1, 3);
    rejilla->addWidget(etiquetaDe(QStringLiteral("CURP "), E_Curp), f, 0);
    rejilla->addWidget(E_Curp, f++, 1);
    rejilla->addWidget(L_Ingresos, f, 0);
    rejilla->addWidget(ME_Ingresos, f++, 1);
    rejilla->addWidget(Btn_Sig, f++, 3, Qt::AlignRight);
    rejilla->setRowStretch(f, 1);

    // Orden de tabulación de la ventana.

    // Eventos: las listas responden sólo a lo que elige el usuario.
    // Hojear la lista con las flechas no borra nada: cuenta la elección confirmada.
    alEvento(CB_Conv, &ListaConfirmada::confirmada, [this] { CB_ConvChange(); });
    alEvento(CB_PaisNac, &QComboBox::activated, [this] { CB_PaisNacChange(); });
    alEvento(CB_EstadoNac, &QComboBox::activated, [this] { CB_EstadoNacChange(); });
    alEvento(CB_CiudadNac, &QComboBox::activated, [this] { CB_CiudadNacChange(); });
    alEvento(Btn_AddEdo, &QToolButton::clicked, [this] { Btn_AddEdoClick(); });
    alEvento(Btn_AddCd, &QToolButton::clicked, [this] { Btn_AddCdClick(); });
    alEvento(Btn_Sig, &QPushButton::clicked, [this] { Btn_SigClick(); });
    alSalir(Fec_Nac, [this] { Fec_NacExit(); });
    E_RFC->installEventFilter(this);

    FormCreate();
    CB_Conv->setFocus();
}

// Los campos vigilados al salir se liberan aquí, mientras la base aún los tiene registrados.
TW_Generales::~TW_Generales()
{
    delete Fec_Nac;
}

void TW_Generales::FormCreate()
{
    connect(Edo_Civil, &GrupoOpciones::eligio, this, [this](int i) { ejecuta([this, i] { Edo_CivilClick(i); }); });
    progreso(25);
    Existe_Solicitante = false;
    Existe_General = false;
    ejecuta([this] {
        TW_DM *dm = W_DM();
        Listas::llena(dm->Q_Conv, CB_Conv);
        progreso(50);
        dm->Q_Pais.cierra();
        dm->Q_Pais.ponSql(QStringLiteral("Select clave Pais,Nombre From Cat_Pais Order By Nombre"));
        progreso(75);
        Listas::llena(dm->Q_Pais, CB_PaisNac);
        Muestra_Datos();
    });
    progreso(100);
    // Terminada la carga la barra vuelve a 0: es la ventana que abre el arranque, y tras el
    // arranque la barra muestra 0.
    QTimer::singleShot(0, this, [] { progreso(0); });
}

bool TW_Generales::eventFilter(QObject *objeto, QEvent *evento)
{
    if (objeto == E_RFC && evento->type() == QEvent::FocusIn)
        ejecuta([this] { E_RFCEnter(); });
    return Ventana::eventFilter(objeto, evento);
}

void TW_Generales::regresaFoco(QWidget *w)
{
    // Se pide después de que termine el cambio de foco en curso.
    QTimer::singleShot(0, w, [w] { w->setFocus(); });
}

// --- Mostrar -----------------------------------------------------------------------------------

void TW_Generales::Muestra_Datos()
{
    Consulta &p = W_DM()->Q_Persona;
    p.cierra();
    p.abre();
    Existe_Solicitante = !p.vacia();
    const QString fecha = p.campo(QStringLiteral("Fec_nac")).texto();
    if (!fecha.isEmpty())
        Fec_Nac->ponTexto(fecha);
    E_RFC->ponTexto(p.campo(QStringLiteral("RFC")).texto());
    Nombre_1->ponTexto(p.campo(QStringLiteral("Nombre_1")).texto());
    Nombre_2->ponTexto(p.campo(QStringLiteral("Nombre_2")).texto());
    Paterno->ponTexto(p.campo(QStringLiteral("Paterno")).texto());
    Materno->ponTexto(p.campo(QStringLiteral("Materno")).texto());
    E_Curp->ponTexto(p.campo(QStringLiteral("Curp")).texto());
    Sexo->ponIndice(p.campo(QStringLiteral("Sexo")).texto() == u"M" ? 1 : 0);
    Edo_Civil->ponIndice(p.campo(QStringLiteral("Edo_civil")).texto() == u"S" ? 1 : 0);
    const qint64 ciudad = p.campo(QStringLiteral("Ciudad_nac")).entero();
    Muestra_Lugar_Nac(ciudad);
    Muestra_Convocatoria();
    m_ingreso = 0;
    try {
        m_ingreso = W_Inicial()->Consulta_Entero(QStringLiteral("Select Ingreso_Mensual From General"));
    } catch (const ErrorBase &) {
    }
    ME_Ingresos->ponTexto(QString::number(m_ingreso));
    m_ingresoMostrado = ME_Ingresos->texto();
}

void TW_Generales::Muestra_Lugar_Nac(qint64 ciudad)
{
    TW_DM *dm = W_DM();
    Consulta &aux = dm->Q_Aux;
    aux.abre(QStringLiteral("Select Estado_Clave from Cat_Ciudad where Clave=:c"), {{QStringLiteral("c"), ciudad}});
    const qint64 estado = aux.campo(0).entero();
    aux.abre(QStringLiteral("Select Pais_Clave from Cat_Estado where Clave=:e"), {{QStringLiteral("e"), estado}});
    const qint64 pais = aux.campo(0).entero();
    // Cada lista se acaba de llenar (los países al armar la ventana, los estados y las
    // ciudades en el cambio de la lista anterior): sólo se elige su renglón.
    Listas::elige(dm->Q_Pais, pais, CB_PaisNac);
    CB_PaisNacChange();
    Listas::elige(dm->Q_Estado, estado, CB_EstadoNac);
    CB_EstadoNacChange();
    Listas::elige(dm->Q_Ciudad, ciudad, CB_CiudadNac);
}

void TW_Generales::Muestra_Convocatoria()
{
    m_convocatoria = W_Inicial()->Consulta_Entero(QStringLiteral("Select Convocatoria From General"));
    m_convGuardada = m_convocatoria;
    if (m_convocatoria != 0) {
        Listas::ubica(W_DM()->Q_Conv, m_convocatoria, CB_Conv);
        Existe_General = true;
    } else {
        const QSignalBlocker b(CB_Conv);
        CB_Conv->setCurrentIndex(-1);
        W_DM()->Q_Conv.primero();
    }
}

// --- Cascada del lugar de nacimiento -------------------------------------------------------------

void TW_Generales::CB_PaisNacChange()
{
    TW_DM *dm = W_DM();
    Listas::posiciona(dm->Q_Pais, CB_PaisNac);
    dm->Q_Estado.parametro(QStringLiteral("Pais"), Listas::claveOPrimera(CB_PaisNac, dm->Q_Pais));
    Listas::llena(dm->Q_Estado, CB_EstadoNac);
    CB_CiudadNac->clear();
    // Sin país elegido no hay a qué país agregar un estado.
    Btn_AddEdo->setEnabled(CB_PaisNac->currentIndex() >= 0);
}

void TW_Generales::CB_EstadoNacChange()
{
    TW_DM *dm = W_DM();
    Listas::posiciona(dm->Q_Estado, CB_EstadoNac);
    dm->Q_Ciudad.parametro(QStringLiteral("Edo"), Listas::claveOPrimera(CB_EstadoNac, dm->Q_Estado));
    Listas::llena(dm->Q_Ciudad, CB_CiudadNac);
    Btn_AddCd->setEnabled(CB_EstadoNac->currentIndex() >= 0);
}

void TW_Generales::CB_CiudadNacChange()
{
    TW_DM *dm = W_DM();
    if (const auto edo = Listas::clave(CB_EstadoNac))
        dm->Q_Ciudad.parametro(QStringLiteral("Edo"), *edo);
    dm->Q_Ciudad.cierra();
    dm->Q_Ciudad.abre();
    Listas::posiciona(dm->Q_Ciudad, CB_CiudadNac);
}

void TW_Generales::Btn_AddEdoClick()
{
    if (!dialogos().pregunta(QStringLiteral("Desea agregar un nuevo estado?")))
        return;
    const auto nombre = W_Inicial()->Pide_Nombre_Catalogo(QStringLiteral("Agrega Estado"));
    if (!nombre)
        return;
    const auto pais = Listas::clave(CB_PaisNac);
    if (!pais)
        return;
    const QString clave = W_Inicial()->Siguiente_Clave(QStringLiteral("Cat_Estado"));
    W_Inicial()->Ejecuta_SQL(QStringLiteral("Insert into Cat_Estado Values (:c,:n,:p)"),
                             {{QStringLiteral("c"), clave.toLongLong()}, {QStringLiteral("n"), *nombre},
                              {QStringLiteral("p"), *pais}});
    CB_PaisNacChange();
    CB_EstadoNacChange();
    CB_CiudadNac->setEnabled(false);
    Btn_AddEdo->setEnabled(false);
    Btn_AddCd->setEnabled(false);
}

void TW_Generales::Btn_AddCdClick()
{
    if (!dialogos().pregunta(QStringLiteral("Desea agregar una nueva ciudad?")))
        return;
    const auto nombre = W_Inicial()->Pide_Nombre_Catalogo(QStringLiteral("Agrega Ciudad"));
    if (!nombre)
        return;
    const auto estado = Listas::clave(CB_EstadoNac);
    if (!estado)
        return;
    const QString clave = W_Inicial()->Siguiente_Clave(QStringLiteral("Cat_Ciudad"));
    W_Inicial()->Ejecuta_SQL(QStringLiteral("Insert into Cat_Ciudad Values (:c,:n,:e)"),
                             {{QStringLiteral("c"), clave.toLongLong()}, {QStringLiteral("n"), *nombre},
                              {QStringLiteral("e"), *estado}});
    CB_EstadoNacChange();
    CB_CiudadNac->setEnabled(true);
    Btn_AddCd->setEnabled(false);
}

// --- Fecha, RFC y estado civil -------------------------------------------------------------------

void TW_Generales::Fec_NacExit()
{
    if (const auto f = Fechas::normaliza(Fec_Nac->texto()))
        Fec_Nac->ponTexto(*f);
    if (W_Inicial()->Valida_Fecha(Fec_Nac->texto()))
        E_RFCEnter();
    else
        regresaFoco(Fec_Nac);
}

void TW_Generales::E_RFCEnter()
{
    if (Fechas::vacia(Fec_Nac->texto()))
        return;
    // Una fecha incompleta no da clave: el RFC se deja como está (la ventana no se pierde).
    if (const auto rfc = W_Inicial()->Calcula_RFC(Paterno->texto(), Materno->texto(), Nombre_1->texto(),
                                                  Nombre_2->texto(), Fec_Nac->texto()))
        E_RFC->ponTexto(Comunes::rfcAlEntrar(E_RFC->texto(), *rfc));   // la homoclave tecleada se queda
}

void TW_Generales::Edo_CivilClick(int indice)
{
    if (indice != 1)
        return;
    Consulta &aux = W_DM()->Q_Aux;
    aux.abre(QStringLiteral("Select count(*) From Persona Where Tipo='CGE'"));
    if (aux.campo(0).entero() == 0)
        return;
    // Lo capturado del cónyuge no se pierde por una flecha o un clic sin querer.
    if (!dialogos().pregunta(kPreguntaSoltero)) {
        Edo_Civil->ponIndice(0);
        return;
    }
    aux.ejecuta(QStringLiteral("Delete from persona where tipo=:t"), {{QStringLiteral("t"), QStringLiteral("CGE")}});
}

// --- Convocatoria --------------------------------------------------------------------------------

bool TW_Generales::hayAcademicos()
{
    Consulta &aux = W_DM()->Q_Aux;
    aux.abre(QStringLiteral("Select (Select count(*) From Beca) + "
                            "(Select count(*) From Domicilio Where Tipo <> 'ACC' And Tipo <>'ACT')"));
    return aux.campo(0).entero() > 0;
}

void TW_Generales::reponeConvocatoria()
{
    m_convocatoria = m_convGuardada;
    if (m_convGuardada != 0) {
        Listas::ubica(W_DM()->Q_Conv, m_convGuardada, CB_Conv);
    } else {
        const QSignalBlocker b(CB_Conv);
        CB_Conv->setCurrentIndex(-1);
        W_DM()->Q_Conv.primero();
    }
}

void TW_Generales::CB_ConvChange()
{
    const auto c = Listas::clave(CB_Conv);
    // Volver a la convocatoria guardada no cambia nada y no borra nada.
    if (c && Existe_General && *c == m_convGuardada) {
        Listas::posiciona(W_DM()->Q_Conv, CB_Conv);
        return;
    }
    if (c && hayAcademicos() && !dialogos().pregunta(kPreguntaConvocatoria)) {
        reponeConvocatoria();
        return;
    }
    if (c)
        m_convocatoria = *c;
    Listas::posiciona(W_DM()->Q_Conv, CB_Conv);
    if (Guarda_Convocatoria())
        Borra_Academicos();
}

bool TW_Generales::Guarda_Convocatoria()
{
    const auto clave = Listas::clave(CB_Conv);
    if (!clave) {
        dialogos().mensaje(kSinConvocatoria, Dialogos::Icono::Pregunta);
        CB_Conv->setFocus();
        return false;
    }
    const QString texto = ME_Ingresos->texto().trimmed();
    bool esNumero = false;
    const qint64 n = texto.toLongLong(&esNumero);
    QVariant ingreso = m_ingreso;   // sin cambios, el leído
    if (ME_Ingresos->texto() != m_ingresoMostrado)
        ingreso = esNumero ? QVariant(n) : QVariant(texto);
    try {
        Consulta &aux = W_DM()->Q_Aux;
        // La fila única puede existir sin convocatoria (la escribe otra ventana): se actualiza.
        bool existe = Existe_General;
        if (!existe) {
            aux.abre(QStringLiteral("Select count(*) From General"));
            existe = aux.campo(0).entero() > 0;
        }
        if (existe)
            aux.ejecuta(QStringLiteral("Update General Set Convocatoria=:c,ingreso_mensual=:i"),
                        {{QStringLiteral("c"), *clave}, {QStringLiteral("i"), ingreso}});
        else
            aux.ejecuta(QStringLiteral("Insert into General (Clave,Convocatoria,ingreso_mensual) Values (1,:c,:i)"),
                        {{QStringLiteral("c"), *clave}, {QStringLiteral("i"), ingreso}});
        Existe_General = true;
        m_convGuardada = *clave;
        return true;
    } catch (const ErrorBase &e) {
        if (!avisaFallaExterna(e))
            dialogos().mensaje(kErrorConvocatoria, Dialogos::Icono::Pregunta);
        Existe_General = false;
    }
    return false;
}

void TW_Generales::Borra_Academicos()
{
    Base::Transaccion t;
    Consulta &aux = W_DM()->Q_Aux;
    aux.ejecuta(QStringLiteral("Delete From Beca"));
    aux.ejecuta(QStringLiteral("Delete From Domicilio Where Tipo <> 'ACC' And Tipo <>'ACT'"));
    t.confirma();
}

// --- Solicitante ---------------------------------------------------------------------------------

void TW_Generales::liberaClaveSolicitante()
{
    Consulta &aux = W_DM()->Q_Aux;
    aux.abre(QStringLiteral("Select Tipo From Persona Where Clave=1"));
    if (aux.vacia())
        return;
    const QString tipo = aux.campo(0).texto();
    const QString nueva = W_Inicial()->Siguiente_Clave(QStringLiteral("Persona"));
    aux.ejecuta(QStringLiteral("Update Persona Set Clave=:n Where Clave=1"), {{QStringLiteral("n"), nueva.toLongLong()}});
    // Los domicilios de esa persona la siguen a su nueva clave.
    QStringList tipos{tipo};
    if (tipo == u"AVA")
        tipos << QStringLiteral("AVP") << QStringLiteral("AVT");
    for (const QString &t : tipos)
        aux.ejecuta(QStringLiteral("Update Domicilio Set Persona_clave=:n Where Persona_clave=1 And Tipo=:t"),
                    {{QStringLiteral("n"), nueva.toLongLong()}, {QStringLiteral("t"), t}});
}

bool TW_Generales::Guarda()
{
    const QString sexo = Sexo->indice() == 1 ? QStringLiteral("M") : QStringLiteral("F");
    const QString civil = Edo_Civil->indice() == 1 ? QStringLiteral("S") : QStringLiteral("C");
    const auto fecha = Fechas::valor(Fec_Nac->texto());
    if (!fecha) {
        // Una fecha que no existe nunca llega a la tabla.
        dialogos().mensaje(Fechas::mensajeIlegible(Fec_Nac->texto()), Dialogos::Icono::Error);
        regresaFoco(Fec_Nac);
        return false;
    }
    // Un año que el programa no acepta tampoco se guarda, aunque se haya dejado el campo.
    if (!fecha->isNull() && !W_Inicial()->Valida_Fecha(fecha->toString())) {
        regresaFoco(Fec_Nac);
        return false;
    }
    // Sin ciudad elegida se guarda 0: la revisión lo señala como lugar de nacimiento faltante.
    const qint64 ciudad = Listas::clave(CB_CiudadNac).value_or(0);
    QVariantHash p{{QStringLiteral("n1"), Nombre_1->texto()}, {QStringLiteral("n2"), Nombre_2->texto()},
                   {QStringLiteral("pat"), Paterno->texto()}, {QStringLiteral("mat"), Materno->texto()},
                   {QStringLiteral("sexo"), sexo}, {QStringLiteral("civil"), civil},
                   {QStringLiteral("fecha"), *fecha}, {QStringLiteral("rfc"), E_RFC->texto()},
                   {QStringLiteral("ciudad"), ciudad}, {QStringLiteral("curp"), E_Curp->texto()},
                   {QStringLiteral("tipo"), QStringLiteral("SOL")}};
    try {
        Base::Transaccion t;
        Consulta &aux = W_DM()->Q_Aux;
        if (Existe_Solicitante) {
            aux.ejecuta(QStringLiteral("Update Persona Set Nombre_1=:n1,Nombre_2=:n2,Paterno=:pat,Materno=:mat,"
                                       "Sexo=:sexo,Edo_Civil=:civil,Fec_Nac=:fecha,RFC=:rfc,Ciudad_Nac=:ciudad,"
                                       "CURP=:curp Where Tipo=:tipo"),
                        p);
        } else {
            liberaClaveSolicitante();
            aux.ejecuta(QStringLiteral("Insert Into Persona Values (1,:n1,:n2,:pat,:mat,:sexo,:civil,:fecha,:rfc,"
                                       ":ciudad,32,:tipo,:curp)"),
                        p);
        }
        aux.ejecuta(QStringLiteral("Update General Set Convocatoria=:c"), {{QStringLiteral("c"), Listas::clave(CB_Conv).value_or(m_convocatoria)}});
        t.confirma();
        Existe_Solicitante = true;
        return true;
    } catch (const ErrorBase &e) {
        if (!avisaFallaExterna(e))
            dialogos().mensaje(kIncompleto, Dialogos::Icono::Pregunta);
        Nombre_1->setFocus();
    }
    return false;
}

void TW_Generales::Btn_SigClick()
{
    // Una convocatoria elegida con las flechas y no confirmada cuenta al pulsar Siguiente.
    CB_Conv->confirma();
    Edo_Civil_Actual = Edo_Civil->indice() == 1 ? 1 : 0;
    if (!Guarda_Convocatoria())
        return;
    if (!Guarda())
        return;
    Tipo_Actual = QStringLiteral("ACT");
    if (!W_Inicial()->Forma_Abierta(QStringLiteral("W_DirAct")))
        W_Inicial()->Abre_Forma(QStringLiteral("W_DirAct"));
    cierraVentana();
}
