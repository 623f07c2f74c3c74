#include "personal/Gral2.h"
#include "personal/Controles.h"
#include "platform/Base.h"
#include "platform/Consulta.h"
#include "platform/Dialogos.h"
#include "platform/Edits.h"
#include "platform/Fechas.h"
#include "shell/Fabrica.h"
#include "shell/U_Mod.h"
#include "shell/Teclado.h"
#include "shell/U_inicial.h"
#include "shell/Iconos.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QToolButton>

REGISTRA_VENTANA(TW_DirAct, "W_DirAct")

namespace {
constexpr qint64 kPaisNacional = 32;

template <typename T>
T *nombrado(T *w, const char *nombre)
{
    w->setObjectName(QLatin1String(nombre));
    return w;
}

QString encabezado(const QString &tipo)
{
    if (tipo == u"ACT")
        return QStringLiteral("Domicilio Actual");
    if (tipo == u"ACC")
        return QStringLiteral("Domicilio donde contactar en caso de accidente");
    if (tipo == u"EXT")
        return QStringLiteral("Domicilio en el extranjero");
    if (tipo.startsWith(u"OP"))
        return QStringLiteral("Domicilio de la institucion");
    if (tipo == u"AVA")
        return QStringLiteral("Domicilio del aval");
    if (tipo == u"AVP")
        return QStringLiteral("Domicilio de predio");
    if (tipo == u"AVT")
        return QStringLiteral("Domicilio laboral del aval");
    if (tipo.startsWith(u"RE"))
        return QStringLiteral("Domicilio particular de la referencia");
    return {};
}

// Tipos que terminan en esta ventana con "Guardar".
bool terminaAqui(const QString &tipo)
{
    return tipo.startsWith(u"OP") || tipo == u"AVA" || tipo == u"AVP" || tipo == u"AVT" || tipo.startsWith(u"RE");
}

QVariant nulo() { return QVariant(QMetaType(QMetaType::LongLong)); }
} // namespace

bool TW_DirAct::esExtranjero(const QString &tipo) { return tipo == u"EXT" || tipo.startsWith(u"OP"); }

TW_DirAct::TW_DirAct() : Ventana(QStringLiteral("W_DirAct"), QStringLiteral("Datos Generales"))
{
    centraEnMarco(true);
    setMinimumWidth(620);
    m_tipo = Tipo_Actual;
    L_DirTipo = nombrado(new QLabel(this), "L_DirTipo");
    QFont negrita = L_DirTipo->font();
    negrita.setBold(true);
    negrita.setPointSizeF(negrita.pointSizeF() * 1.2);
    L_DirTipo->setFont(negrita);
    Calle = nombrado(new EditMayusculas(this), "Calle");
    Exterior = nombrado(new EditMayusculas(this), "Exterior");
    Interior = nombrado(new EditMayusculas(this), "Interior");
    CP = nombrado(new EditMayusculas(this), "CP");
    CP->setMaxLength(10);
    Colonia = nombrado(new EditMayusculas(this), "Colonia");
    CB_Estado = nombrado(new QComboBox(this), "CB_Estado");
    CB_Ciudad = nombrado(new QComboBox(this), "CB_Ciudad");
    CB_Municipio = nombrado(new QComboBox(this), "CB_Municipio");
    for (QComboBox *c : {CB_Estado, CB_Ciudad, CB_Municipio}) {
        c->setMinimumWidth(280);
        c->setMaxVisibleItems(20);
        // Ancho fijo por número de letras: medir cada renglón de un catálogo largo es lento.
        c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        c->setMinimumContentsLength(30);
    }
    L_Edo = nombrado(new QLabel(this), "L_Edo");
    L_Cd = nombrado(new QLabel(this), "L_Cd");
    L_Mpio = nombrado(new QLabel(this), "L_Mpio");
    auto agregar = [this](const char *nombre) {
        auto *b = nombrado(new QToolButton(this), nombre);
        b->setIcon(iconoEstandar(QStyle::SP_FileDialogNewFolder, this));
        b->setAutoRaise(true);
        b->setToolTip(QStringLiteral("Agregar"));
        return b;
    };
    Add_Cd = agregar("Add_Cd");
    Add_Mpio = agregar("Add_Mpio");
    Telefono = nombrado(new EditMascara(QString::fromLatin1(EditMascara::kTelefono), this), "Telefono");
    Fax = nombrado(new EditMascara(QString::fromLatin1(EditMascara::kTelefono), this), "Fax");
    e_mail = nombrado(new EditTexto(this), "e_mail");
    L_Correspondencia = nombrado(new QLabel(QStringLiteral("TALVERO Puede enviarle correspondencia a la dirección "
                                                           "señalada anteriormente hasta la fecha."), this),
                                 "L_Correspondencia");
    L_Correspondencia->setWordWrap(true);
    Fec_Corresp = nombrado(new EditMascara(QString::fromLatin1(EditMascara::kFecha), this), "Fec_Corresp");
    Fec_Corresp->setMaximumWidth(110);
    Btn_Atras = nombrado(new QPushButton(iconoEstandar(QStyle::SP_ArrowBack, this), QStringLiteral("Anterior"), this), "Btn_Atras");
    Btn_Sig = nombrado(new QPushButton(QStringLiteral("Siguiente"), this), "Btn_Sig");
    // Sólo guardan los dibujos que toma Btn_Sig.
    Btn_Guardar = nombrado(new QPushButton(iconoEstandar(QStyle::SP_DialogSaveButton, this), QString(), this), "Btn_Guardar");
    Btn_aux = nombrado(new QPushButton(iconoEstandar(QStyle::SP_ArrowForward, this), QString(), this), "Btn_aux");
    Btn_Guardar->hide();
    Btn_aux->hide();
    Btn_Sig->setIcon(Btn_aux->icon());

    Borradireccionenelextranjero1 = new QAction(QStringLiteral("Borra la direccion"), this);
    Borradireccionenelextranjero1->setObjectName(QStringLiteral("Borradireccionenelextranjero1"));
    addAction(Borradireccionenelextranjero1);
    setContextMenuPolicy(Qt::ActionsContextMenu);

    auto *rejilla = new QGridLayout(this);
    rejilla->setHorizontalSpacing(10);
    int f = 0;
    rejilla->addWidget(L_DirTipo, f++, 0, 1, 4);
    rejilla->addWidget(etiquetaDe(QStringLiteral("Calle:"), Calle), f, 0);
    rejilla->addWidget(Calle, f++, 1, 1, 3);
    rejilla->addWidget(etiquetaDe(QStringLiteral("No. Exterior:"), Exterior), f, 0);
    rejilla->addWidget(Exterior, f, 1);
    rejilla->addWidget(etiquetaDe(QStringLiteral("No. Interior:"), Interior), f, 2);
    rejilla->addWidget(Interior, f++, 3);
    rejilla->addWidget(etiquetaDe(QStringLiteral("Colonia:"), Colonia), f, 0);
    rejilla->addWidget(Colonia, f, 1);
    rejilla->addWidget(etiquetaDe(QStringLiteral("C.P."), CP), f, 2);
    rejilla->addWidget(CP, f++, 3);
    rejilla->addWidget(L_Edo, f, 0);
    rejilla->addLayout(Listas::conBoton(CB_Estado, nullptr), f++, 1, 1, 3);
    rejilla->addWidget(L_Cd, f, 0);
    rejilla->addLayout(Listas::conBoton(CB_Ciudad, Add_Cd), f++, 1, 1, 3);
    rejilla->addWidget(L_Mpio, f, 0);
    rejilla->addLayout(Listas::conBoton(CB_Municipio, Add_Mpio), f++, 1, 1, 3);
    rejilla->addWidget(etiquetaDe(QStringLiteral("Teléfono:"), Telefono), f, 0);
    rejilla->addWidget(Telefono, f, 1);
    rejilla->addWidget(etiquetaDe(QStringLiteral("Fax:"), Fax), f, 2);
    rejilla->addWidget(Fax, f++, 3);
    rejilla->addWidget(etiquetaDe(QStringLiteral("E-mail:"), e_mail), f, 0);
    rejilla->addWidget(e_mail, f++, 1, 1, 3);
    rejilla->addWidget(L_Correspondencia, f, 0, 1, 3);
    rejilla->addWidget(Fec_Corresp, f++, 3, Qt::AlignLeft);
    auto *botones = new QHBoxLayout;
    botones->addStretch(1);
    botones->addWidget(Btn_Atras);
    botones->addWidget(Btn_Sig);
    rejilla->addLayout(botones, f++, 0, 1, 4);
    rejilla->setRowStretch(f, 1);
    rejilla->setColumnStretch(1, 1);
    rejilla->setColumnStretch(3, 1);


    alEvento(CB_Estado, &QComboBox::activated, [this] { CB_EstadoChange(); });
    alEvento(CB_Ciudad, &QComboBox::activated, [this] { CB_CiudadChange(); });
    alEvento(CB_Municipio, &QComboBox::activated, [this] { CB_MunicipioChange(); });
    alEvento(Add_Cd, &QToolButton::clicked, [this] { Add_CdClick(); });
    alEvento(Add_Mpio, &QToolButton::clicked, [this] { Add_MpioClick(); });
    alEvento(Btn_Sig, &QPushButton::clicked, [this] { Btn_SigClick(); });
    alEvento(Btn_Atras, &QPushButton::clicked, [this] { Btn_AtrasClick(); });
    alEvento(Borradireccionenelextranjero1, &QAction::triggered, [this] { Borradireccionenelextranjero1Click(); });
    alSalir(e_mail, [this] { e_mailExit(); });
    alSalir(Fec_Corresp, [this] { Fec_CorrespExit(); });

    ejecuta([this] { FormCreate(); });
    Calle->setFocus();
}

// Los campos vigilados al salir se liberan aquí, mientras la base aún los tiene registrados.
TW_DirAct::~TW_DirAct()
{
    delete e_mail;
    delete Fec_Corresp;
}

void TW_DirAct::FormCreate()
{
    progreso(0);
    Add_Cd->setEnabled(false);
    Add_Mpio->setEnabled(false);
    TW_DM *dm = W_DM();
    if (!esExtranjero(m_tipo)) {
        // Muestra_Domicilio llena la lista al ubicar el estado guardado.
        dm->Q_Estado.parametro(QStringLiteral("Pais"), kPaisNacional);
    } else {
        // La institución es la que estaba elegida en la ventana de opciones al abrir ésta.
        m_institucion = dm->Q_Institucion.activa() && !dm->Q_Institucion.fin()
                            ? dm->Q_Institucion.campo(QStringLiteral("Clave")).entero()
                            : 0;
    }
    progreso(75);
    Muestra_Domicilio(m_tipo);
    progreso(100);
}

void TW_DirAct::ponSiguiente(bool guardar)
{
    Btn_Sig->setText(guardar ? QStringLiteral("Guardar") : QStringLiteral("Siguiente"));
    Btn_Sig->setIcon(guardar ? Btn_Guardar->icon() : Btn_aux->icon());
}

// --- Mostrar -----------------------------------------------------------------------------------

void TW_DirAct::Muestra_fec_corresp()
{
    // Consulta propia: no se toca lo que Q_Aux tenga abierto.
    Consulta q;
    q.abre(QStringLiteral("Select fec_correspondencia fec from general"));
    const QString fecha = q.campo(QStringLiteral("fec")).texto();
    Fec_Corresp->ponTexto(fecha.isEmpty() ? Fechas::propuesta() : fecha);
}

void TW_DirAct::Muestra_Domicilio(const QString &tipo)
{
    Muestra_fec_corresp();
    W_Inicial()->Abre_Domicilio(tipo);
    // Se lee el renglón antes de que otra operación use Q_Aux.
    Consulta &aux = W_DM()->Q_Aux;
    const bool existe = !aux.vacia();
    auto texto = [&aux](const char *c) { return aux.campo(QLatin1String(c)).texto(); };
    auto entero = [&aux](const char *c) { return aux.campo(QLatin1String(c)).entero(); };
    const QString calle = texto("Calle"), numero = texto("Numero"), interior = texto("Interior"),
                  cp = texto("Cp"), colonia = texto("Colonia"), telefono = texto("Telefono"), fax = texto("Fax"),
                  correo = texto("Correo");
    const qint64 ciudad = entero("Ciudad_Clave"), estado = entero("Estado_Clave"), pais = entero("Pais_Clave"),
                 municipio = entero("Municipio_clave");

    L_DirTipo->setText(encabezado(tipo));
    const bool actual = tipo == u"ACT";
    Fec_Corresp->setVisible(actual);
    L_Correspondencia->setVisible(actual);
    if (terminaAqui(tipo)) {
        ponSiguiente(true);
        Btn_Atras->hide();
    } else {
        Btn_Atras->show();
    }

    Calle->ponTexto(calle);
    Exterior->ponTexto(numero);
    Interior->ponTexto(interior);
    CP->ponTexto(cp);
    Colonia->ponTexto(colonia);
    Telefono->ponTexto(telefono);
    Fax->ponTexto(fax);
    e_mail->ponTexto(correo);

    TW_DM *dm = W_DM();
    if (!esExtranjero(tipo)) {
        L_Edo->setText(QStringLiteral("·Estado"));
        L_Cd->setText(QStringLiteral("Ciudad"));
        L_Mpio->setText(QStringLiteral("Municipio"));
        Listas::ubica(dm->Q_Estado, estado, CB_Estado);
        CB_EstadoChange(false);
        Listas::ubica(dm->Q_Ciudad, ciudad, CB_Ciudad);
        Listas::ubica(dm->Q_Municipio, municipio, CB_Municipio);
    } else {
        L_Edo->setText(QStringLiteral("Pais"));
        L_Cd->setText(QStringLiteral("Estado"));
        L_Mpio->setText(QStringLiteral("Ciudad"));
        Listas::ubica(dm->Q_Pais, pais, CB_Estado);
        CB_EstadoChange(false);
        Listas::ubica(dm->Q_Estado, estado, CB_Ciudad);
        CB_CiudadChange(false);
        Listas::ubica(dm->Q_Ciudad, ciudad, CB_Municipio);
    }
    Existe_Domicilio = existe;
}

// --- Cascada -------------------------------------------------------------------------------------

void TW_DirAct::CB_EstadoChange(bool llena)
{
    TW_DM *dm = W_DM();
    if (!esExtranjero(m_tipo)) {
        Listas::posiciona(dm->Q_Estado, CB_Estado);
        const qint64 edo = Listas::claveOPrimera(CB_Estado, dm->Q_Estado);
        dm->Q_Ciudad.parametro(QStringLiteral("Edo"), edo);
        dm->Q_Municipio.parametro(QStringLiteral("Edo"), edo);
        if (llena) {
            Listas::llena(dm->Q_Ciudad, CB_Ciudad);
            Listas::llena(dm->Q_Municipio, CB_Municipio);
        }
    } else {
        Listas::posiciona(dm->Q_Pais, CB_Estado);
        dm->Q_Estado.parametro(QStringLiteral("Pais"), Listas::claveOPrimera(CB_Estado, dm->Q_Pais));
        if (llena)
            Listas::llena(dm->Q_Estado, CB_Ciudad);
    }
    habilitaAltas();
}

void TW_DirAct::CB_CiudadChange(bool llena)
{
    TW_DM *dm = W_DM();
    if (!esExtranjero(m_tipo)) {
        Listas::posiciona(dm->Q_Ciudad, CB_Ciudad);
        return;
    }
    Listas::posiciona(dm->Q_Estado, CB_Ciudad);
    dm->Q_Ciudad.parametro(QStringLiteral("Edo"), Listas::claveOPrimera(CB_Ciudad, dm->Q_Estado));
    if (llena)
        Listas::llena(dm->Q_Ciudad, CB_Municipio);
    habilitaAltas();
}

// Agregar pide elegida la lista de la que cuelga lo nuevo: el estado (nacional); el país para
// un estado y el estado para una ciudad (extranjero). Lo habilitado en otro tipo no se hereda.
void TW_DirAct::habilitaAltas()
{
    const bool arriba = CB_Estado->currentIndex() >= 0;
    Add_Cd->setEnabled(arriba);
    Add_Mpio->setEnabled(esExtranjero(m_tipo) ? CB_Ciudad->currentIndex() >= 0 : arriba);
}

void TW_DirAct::CB_MunicipioChange()
{
    TW_DM *dm = W_DM();
    Listas::posiciona(esExtranjero(m_tipo) ? dm->Q_Ciudad : dm->Q_Municipio, CB_Municipio);
}

// --- Altas en los catálogos ------------------------------------------------------------------------

void TW_DirAct::Add_CdClick()
{
    const bool extranjero = esExtranjero(m_tipo);
    if (!dialogos().pregunta(extranjero ? QStringLiteral("Desea agregar un nuevo estado?")
                                        : QStringLiteral("Desea agregar una nueva ciudad?")))
        return;
    const auto nombre = W_Inicial()->Pide_Nombre_Catalogo(extranjero ? QStringLiteral("Agrega Estado") : QStringLiteral("Agrega Ciudad"));
    if (!nombre)
        return;
    const auto padre = Listas::clave(CB_Estado);   // estado (nacional) o país (extranjero)
    if (!padre)
        return;
    const QString tabla = extranjero ? QStringLiteral("Cat_Estado") : QStringLiteral("Cat_Ciudad");
    const QString clave = W_Inicial()->Siguiente_Clave(tabla);
    W_Inicial()->Ejecuta_SQL(QStringLiteral("Insert into %1 Values (:c,:n,:p)").arg(tabla),
                             {{QStringLiteral("c"), clave.toLongLong()}, {QStringLiteral("n"), *nombre},
                              {QStringLiteral("p"), *padre}});
    CB_EstadoChange();
    if (extranjero) {
        Add_Cd->setEnabled(false);
        CB_MunicipioChange();
        Add_Mpio->setEnabled(false);
    }
}

void TW_DirAct::Add_MpioClick()
{
    const bool extranjero = esExtranjero(m_tipo);
    if (!dialogos().pregunta(extranjero ? QStringLiteral("Desea agregar una nueva ciudad?")
                                        : QStringLiteral("Desea agregar un nuevo municipio?")))
        return;
    const auto nombre = W_Inicial()->Pide_Nombre_Catalogo(extranjero ? QStringLiteral("Agrega Ciudad") : QStringLiteral("Agrega Municipio"));
    if (!nombre)
        return;
    // El estado es el de la lista de estados: la primera (nacional) o la de en medio (extranjero).
    const auto estado = Listas::clave(extranjero ? CB_Ciudad : CB_Estado);
    if (!estado)
        return;
    const QString tabla = extranjero ? QStringLiteral("Cat_Ciudad") : QStringLiteral("Cat_Municipio");
    const QString clave = W_Inicial()->Siguiente_Clave(tabla);
    W_Inicial()->Ejecuta_SQL(QStringLiteral("Insert into %1 Values (:c,:n,:e)").arg(tabla),
                             {{QStringLiteral("c"), clave.toLongLong()}, {QStringLiteral("n"), *nombre},
                              {QStringLiteral("e"), *estado}});
    CB_EstadoChange();
    if (extranjero) {
        CB_MunicipioChange();
        Add_Mpio->setEnabled(false);
    }
}

// --- Correo y fecha ---------------------------------------------------------------------------------

void TW_DirAct::e_mailExit()
{
    const QString t = e_mail->texto().trimmed();
    if (!t.isEmpty() && !W_Inicial()->Tiene_Arroba(t)) {
        dialogos().aviso(QStringLiteral("No es formato de correo electronico"));
        QTimer::singleShot(0, e_mail, [w = e_mail] { w->setFocus(); });
    }
}

void TW_DirAct::Fec_CorrespExit()
{
    const auto f = Fechas::normaliza(Fec_Corresp->texto());
    if (!f) {
        Fec_Corresp->ponTexto(Fechas::propuesta());
        return;
    }
    Fec_Corresp->ponTexto(*f);
    if (!W_Inicial()->Valida_Fecha(*f))
        Fec_Corresp->ponTexto(Fechas::propuesta());
}

// --- Guardar ------------------------------------------------------------------------------------------

qint64 TW_DirAct::clavePersona() const
{
    if (m_tipo == u"ACT" || m_tipo == u"EXT")
        return 1;
    if (m_tipo == u"ACC")
        return 7;
    QString persona;
    if (m_tipo == u"AVA" || m_tipo == u"AVP" || m_tipo == u"AVT")
        persona = QStringLiteral("AVA");
    else if (m_tipo.startsWith(u"RE"))
        persona = m_tipo;
    else
        return 0;
    Consulta &aux = W_DM()->Q_Aux;
    aux.abre(QStringLiteral("Select Clave from persona where Tipo=:t"), {{QStringLiteral("t"), persona}});
    return aux.campo(0).entero();
}

bool TW_DirAct::Guarda()
{
    const auto fecha = Fechas::valor(Fec_Corresp->texto());
    if (!fecha) {
        dialogos().mensaje(Fechas::mensajeIlegible(Fec_Corresp->texto()), Dialogos::Icono::Error);
        return false;
    }
    const bool extranjero = esExtranjero(m_tipo);
    // Cada clave sale de su propia lista y queda nula si la lista no tiene elección (no la
    // del renglón en que quedó la consulta); así no se pierde un país o estado elegido.
    auto elegida = [](QComboBox *c) { return Listas::clave(c) ? QVariant(*Listas::clave(c)) : nulo(); };
    QVariant ciudad, estado, pais;
    qint64 municipio = 0;
    if (!extranjero) {
        estado = elegida(CB_Estado);
        ciudad = elegida(CB_Ciudad);
        pais = estado.isNull() && ciudad.isNull() ? nulo() : QVariant(kPaisNacional);
        municipio = Listas::clave(CB_Municipio).value_or(0);
    } else {
        pais = elegida(CB_Estado);
        estado = elegida(CB_Ciudad);
        ciudad = elegida(CB_Municipio);
    }
    // Un domicilio nuevo sin elección en la lista de en medio guarda ciudad, estado y país nulos.
    if (!Existe_Domicilio && !Listas::clave(CB_Ciudad))
        ciudad = estado = pais = nulo();
    const qint64 institucion = m_tipo.startsWith(u"OP") ? m_institucion : 0;

    Base::Transaccion t;
    Consulta &aux = W_DM()->Q_Aux;
    QVariantHash p{{QStringLiteral("tipo"), m_tipo}, {QStringLiteral("interior"), Interior->texto()},
                   {QStringLiteral("colonia"), Colonia->texto()}, {QStringLiteral("tel"), Telefono->texto()},
                   {QStringLiteral("fax"), Fax->texto()}, {QStringLiteral("correo"), e_mail->texto()},
                   {QStringLiteral("ciudad"), ciudad}, {QStringLiteral("estado"), estado},
                   {QStringLiteral("pais"), pais}, {QStringLiteral("mpio"), municipio},
                   {QStringLiteral("inst"), institucion}};
    if (Existe_Domicilio) {
        p[QStringLiteral("calle")] = Calle->texto();
        p[QStringLiteral("numero")] = Exterior->texto();
        p[QStringLiteral("cp")] = CP->texto().trimmed();
        aux.ejecuta(QStringLiteral("Update Domicilio Set Calle=:calle,Numero=:numero,Interior=:interior,CP=:cp,"
                                   "Colonia=:colonia,Telefono=:tel,Fax=:fax,Correo=:correo,Ciudad_Clave=:ciudad,"
                                   "Estado_Clave=:estado,Pais_clave=:pais,Municipio_Clave=:mpio,"
                                   "institucion_clave=:inst Where Tipo=:tipo"),
                    p);
    } else {
        const QString calle = Calle->texto(), numero = Exterior->texto(), cp = CP->texto().trimmed();
        p[QStringLiteral("calle")] = calle.isEmpty() ? QStringLiteral("S/C") : calle;
        p[QStringLiteral("numero")] = numero.isEmpty() ? QStringLiteral("S/N") : numero;
        p[QStringLiteral("cp")] = cp.isEmpty() ? QStringLiteral("0") : cp;
        p[QStringLiteral("persona")] = clavePersona();
        p[QStringLiteral("clave")] = W_Inicial()->Siguiente_Clave(QStringLiteral("Domicilio")).toLongLong();
        aux.ejecuta(QStringLiteral("Insert into Domicilio Values (:clave,:tipo,:calle,:numero,:interior,:colonia,"
                                   ":tel,:fax,:correo,:cp,:ciudad,:estado,:pais,:mpio,:inst,:persona)"),
                    p);
    }
    aux.ejecuta(QStringLiteral("Update General Set Fec_Correspondencia=:f"), {{QStringLiteral("f"), *fecha}});
    t.confirma();
    // Lo guardado ya existe: otro guardado en esta ventana lo actualiza.
    Existe_Domicilio = true;
    return true;
}

// --- Navegación ---------------------------------------------------------------------------------------

void TW_DirAct::Btn_SigClick()
{
    if (!Guarda())
        return;
    if (m_tipo == u"ACT") {
        if (!W_Inicial()->Forma_Abierta(QStringLiteral("W_Dependiente")))
            W_Inicial()->Abre_Forma(QStringLiteral("W_Dependiente"));
        cierraVentana();
    } else if (m_tipo == u"ACC") {
        if (dialogos().pregunta(QStringLiteral("¿Usted cuenta ya cuenta con domicilio en el extranjero?"))) {
            m_tipo = Tipo_Actual = QStringLiteral("EXT");
            Muestra_Domicilio(m_tipo);
            ponSiguiente(true);
            Teclado::enfocaPrimero(this);
        } else {
            cierraVentana();
            progreso(0);
        }
    } else {
        cierraVentana();
    }
}

void TW_DirAct::Btn_AtrasClick()
{
    if (m_tipo == u"ACT") {
        if (!Guarda())
            return;
        if (!W_Inicial()->Forma_Abierta(QStringLiteral("W_Generales")))
            W_Inicial()->Abre_Forma(QStringLiteral("W_Generales"));
        cierraVentana();
    } else if (m_tipo == u"ACC") {
        if (!Guarda())
            return;
        if (!W_Inicial()->Forma_Abierta(QStringLiteral("W_Dependiente")))
            W_Inicial()->Abre_Forma(QStringLiteral("W_Dependiente"));
        cierraVentana();
    } else if (m_tipo == u"EXT") {
        m_tipo = Tipo_Actual = QStringLiteral("ACC");
        ponSiguiente(false);
        W_DM()->Q_Estado.parametro(QStringLiteral("Pais"), kPaisNacional);
        Listas::llena(W_DM()->Q_Estado, CB_Estado);
        Muestra_Domicilio(m_tipo);
        Teclado::enfocaPrimero(this);
    }
}

void TW_DirAct::Borradireccionenelextranjero1Click()
{
    Consulta borra;
    borra.ejecuta(QStringLiteral("delete from domicilio where Tipo=:t"), {{QStringLiteral("t"), m_tipo}});
    for (QComboBox *c : {CB_Estado, CB_Ciudad, CB_Municipio}) {
        const QSignalBlocker b(c);
        c->setCurrentIndex(-1);
    }
    Muestra_Domicilio(m_tipo);
}

void TW_DirAct::closeEvent(QCloseEvent *e)
{
    Ventana::closeEvent(e);
    if (!e->isAccepted() || !W_Inicial())
        return;
    // Regresa a la ventana dueña del tipo; Tipo_Actual sigue en la misma persona u opción.
    QString duena;
    if (m_tipo.startsWith(u"OP"))
        duena = QStringLiteral("W_DatAcad2");
    else if (m_tipo == u"AVA" || m_tipo.startsWith(u"RE"))
        duena = QStringLiteral("W_Dependiente");
    else if (m_tipo == u"AVP" || m_tipo == u"AVT")
        duena = QStringLiteral("W_Predial");
    if (!duena.isEmpty() && !W_Inicial()->Forma_Abierta(duena))
        ejecuta([duena] { W_Inicial()->Abre_Forma(duena); });
}
