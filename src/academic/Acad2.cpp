#include "academic/Acad2.h"
#include "platform/Errores.h"
#include "academic/Academicos.h"
#include "academic/GrupoRadio.h"
#include "platform/Base.h"
#include "platform/Dialogos.h"
#include "platform/Edits.h"
#include "platform/Win1252.h"
#include "platform/Fechas.h"
#include "shell/Fabrica.h"
#include "shell/U_Mod.h"
#include "shell/Teclado.h"
#include "shell/U_inicial.h"
#include "shell/Iconos.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

REGISTRA_VENTANA(TW_DatAcad2, "W_DatAcad2")

using namespace Academicos;

namespace {
const QString kIncompleto = QStringLiteral("No ha capturado la informacion de manera completa");

EditMascara *fecha(const char *nombre, QWidget *padre)
{
    auto *e = new EditMascara(QLatin1String(EditMascara::kFecha), padre);
    e->setObjectName(QLatin1String(nombre));
    e->setMaxLength(10);
    e->setFixedWidth(95);
    return e;
}

QComboBox *lista(const char *nombre, QWidget *padre)
{
    auto *c = new QComboBox(padre);
    c->setObjectName(QLatin1String(nombre));
    c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    c->setMinimumContentsLength(40);
    return c;
}

// Fecha del campo como dd/mm/yyyy, o NULL si está vacío. Una fecha que no se puede leer
// detiene el guardado con el informe de error general (nunca se guarda un texto que no es fecha).
QVariant fechaDe(const EditMascara *campo)
{
    const auto f = Fechas::valor(campo->texto());
    if (!f)
        throw ErrorBase(QStringLiteral("'%1' no es una fecha válida").arg(campo->texto()));
    return *f;
}
} // namespace

QStringList TW_DatAcad2::opcionesDe(qint64 c)
{
    if (c == 482)
        return {QStringLiteral("Primera"), QStringLiteral("Segunda"), QStringLiteral("Tercera"), QStringLiteral("Cuarta"),
                QStringLiteral("Quinta")};
    if (c == 6 || c == 488 || c == 489)
        return {QStringLiteral("Unica opcion")};
    return {QStringLiteral("Primera"), QStringLiteral("Segunda"), QStringLiteral("Tercera")};
}

// Ordenados por nombre, como toda lista de países del programa.
QString TW_DatAcad2::sentenciaPaises()
{
    return QStringLiteral("Select P.Clave Pais,P.Nombre Nombre From Cat_Pais P,Pais_Conv PC "
                          "Where P.clave=PC.Pais_clave And PC.Conv_Clave=:Conv Order By P.Nombre");
}

QString TW_DatAcad2::sentenciaInstituciones(qint64 c, int opcion)
{
    QStringList l = {QStringLiteral("Select Clave,Nombre"), QStringLiteral("From Institucion")};
    const bool primeras = opcion == 1 || opcion == 2;
    if (c == 513 && primeras) {
        l << QStringLiteral("Where convenio =:P_Pais");
    } else if (c == 513) {
        l << QStringLiteral("Where Pais =:P_Pais");
    } else {
        l << QStringLiteral("Where Pais=:p_Pais");
        if (c == 504 && primeras)
            l << QStringLiteral("and clave between 406 and 415");
    }
    l << QStringLiteral("Order By Nombre");
    return l.join(u'\n');
}

TW_DatAcad2::TW_DatAcad2() : VentanaAcad(QStringLiteral("W_DatAcad2"), QStringLiteral("Datos Académicos"))
{
    L_Opciones = new QLabel(QStringLiteral("Enliste en orden de preferencia las instituciones en las que le interesa realizar sus estudios "), this);
    L_Opciones->setObjectName(QStringLiteral("L_Opciones"));
    Inst_opcion = new GrupoRadio(QStringLiteral("Inst_opcion"), QString(), {}, 5, this);
    Inst_opcion->setStyleSheet(QStringLiteral("QRadioButton { color: #0000ff; font-weight: bold; }"));

    CB_Pais = lista("CB_Pais", this);
    CB_Institucion = lista("CB_Institucion", this);
    Add_Inst = new QToolButton(this);
    Add_Inst->setObjectName(QStringLiteral("Add_Inst"));
    Add_Inst->setIcon(iconoDelTema(QStringLiteral("list-add")));
    Add_Inst->setText(QStringLiteral("+"));
    Add_Inst->setEnabled(false);
    Add_Inst->setAccessibleName(QStringLiteral("Agregar institución"));

    auto *marcoContacto = new QGroupBox(QStringLiteral("¿Ha tenido contacto con la institución ?"), this);
    Contacto = new GrupoRadio(QStringLiteral("Contacto"), QString(), {QStringLiteral("No"), QStringLiteral("Si")}, 2, marcoContacto);
    Contacto->ponIndiceSinAviso(0);
    Contacto->setFlat(true);
    Nom_contacto = new EditMayusculas(marcoContacto);
    Nom_contacto->setObjectName(QStringLiteral("Nom_contacto"));
    Puesto_Contacto = new EditMayusculas(marcoContacto);
    Puesto_Contacto->setObjectName(QStringLiteral("Puesto_Contacto"));
    Nom_contacto->setEnabled(false);
    Puesto_Contacto->setEnabled(false);
    auto *rc = new QGridLayout(marcoContacto);
    rc->addWidget(Contacto, 0, 0, 2, 1);
    rc->addWidget(new QLabel(QStringLiteral("Nombre"), marcoContacto), 0, 1);
    rc->addWidget(Nom_contacto, 0, 2);
    rc->addWidget(new QLabel(QStringLiteral("Puesto"), marcoContacto), 1, 1);
    rc->addWidget(Puesto_Contacto, 1, 2);
    rc->setColumnStretch(2, 1);

    auto *marcoPrograma = new QGroupBox(QStringLiteral("Nombre oficial del programa de estudios"), this);
    Programa = new EditMemo(marcoPrograma);
    Programa->setObjectName(QStringLiteral("Programa"));
    Programa->ponLargoMaximo(255);   // el ancho del campo en las tablas de la entrega
    Programa->setPlainText(QStringLiteral("Nombre oficial del programa"));
    Programa->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Programa->setFixedHeight(Programa->fontMetrics().lineSpacing() * 3 + 12);
    (new QVBoxLayout(marcoPrograma))->addWidget(Programa);

    auto marcoFechas = [this](const QString &titulo, EditMascara *ini, EditMascara *fin) {
        auto *g = new QGroupBox(titulo, this);
        auto *r = new QGridLayout(g);
        r->addWidget(new QLabel(QStringLiteral("Fecha de inicio"), g), 0, 0);
        r->addWidget(ini, 0, 1);
        r->addWidget(new QLabel(QStringLiteral("Fecha de término"), g), 1, 0);
        r->addWidget(fin, 1, 1);
        return g;
    };
    Fec_IniEst = fecha("Fec_IniEst", this);
    Fec_FinEst = fecha("Fec_FinEst", this);
    Fec_IniBeca = fecha("Fec_IniBeca", this);
    Fec_FinBeca = fecha("Fec_FinBeca", this);
    auto *marcoEst = marcoFechas(QStringLiteral("Fechas de Estudios"), Fec_IniEst, Fec_FinEst);
    auto *marcoBeca = marcoFechas(QStringLiteral("Fechas de Beca"), Fec_IniBeca, Fec_FinBeca);

    Meses = new EditMascara(QStringLiteral("!99;1;_"), this);
    Meses->setObjectName(QStringLiteral("Meses"));
    Meses->setMaxLength(2);
    Meses->setFixedWidth(40);
    auto *lMeses = new QLabel(QStringLiteral("Tiempo promedio para la obtención del grado a estudiar en Meses"), this);
    lMeses->setWordWrap(true);
    Carta = new GrupoRadio(QStringLiteral("Carta"), QStringLiteral("¿Cuenta con carta de aceptación"),
                           {QStringLiteral("No"), QStringLiteral("Si")}, 2, this);
    Carta->ponIndiceSinAviso(0);

    auto boton = [this](const char *nombre, const QString &texto, const char *icono) {
        auto *b = new QPushButton(iconoDelTema(QLatin1String(icono)), texto, this);
        b->setObjectName(QLatin1String(nombre));
        return b;
    };
    Btn_Anterior = boton("Btn_Anterior", QStringLiteral("Anterior"), "go-previous");
    Btn_Guardar = boton("Btn_Guardar", QStringLiteral("Guardar"), "document-save");
    Btn_Montos = boton("Btn_Montos", QStringLiteral("Montos"), "");
    Btn_Dir = boton("Btn_Dir", QStringLiteral("Dirección"), "");
    Btn_Dir->setToolTip(QStringLiteral("Direccion de la institución"));
    Btn_Siguiente = boton("Btn_Siguiente", QStringLiteral("Siguiente"), "go-next");
    Btn_Montos->setEnabled(false);
    Btn_Dir->setEnabled(false);

    MenuAcad = new QMenu(this);
    MenuAcad->setObjectName(QStringLiteral("MenuAcad"));
    BorraOpcion1 = MenuAcad->addAction(QStringLiteral("Borra Opcion"));
    BorraOpcion1->setObjectName(QStringLiteral("BorraOpcion1"));
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, [this](const QPoint &p) { MenuAcad->popup(mapToGlobal(p)); });

    auto *principal = new QVBoxLayout(this);
    principal->addWidget(L_Opciones);
    principal->addWidget(Inst_opcion);
    auto *ri = new QGridLayout;
    ri->addWidget(new QLabel(QStringLiteral("Pais:"), this), 0, 0);
    ri->addWidget(CB_Pais, 0, 1);
    ri->addWidget(new QLabel(QStringLiteral("Institucion"), this), 1, 0);
    ri->addWidget(CB_Institucion, 1, 1);
    ri->addWidget(Add_Inst, 1, 2);
    ri->setColumnStretch(1, 1);
    principal->addLayout(ri);
    principal->addWidget(marcoContacto);
    principal->addWidget(marcoPrograma);
    auto *rf = new QHBoxLayout;
    rf->addWidget(marcoEst);
    rf->addWidget(marcoBeca);
    principal->addLayout(rf);
    auto *rm = new QHBoxLayout;
    rm->addWidget(lMeses, 1);
    rm->addWidget(Meses);
    rm->addSpacing(12);
    rm->addWidget(Carta, 1);
    principal->addLayout(rm);
    auto *rb = new QHBoxLayout;
    rb->addWidget(Btn_Anterior);
    rb->addStretch(1);
    rb->addWidget(Btn_Guardar);
    rb->addWidget(Btn_Montos);
    rb->addWidget(Btn_Dir);
    rb->addStretch(1);
    rb->addWidget(Btn_Siguiente);
    principal->addLayout(rb);

    alEvento(Inst_opcion, &GrupoRadio::cambio, [this] { Inst_OpcionClick(); });
    alEvento(CB_Pais, &QComboBox::activated, [this] { CB_PaisChange(); });
    alEvento(CB_Institucion, &QComboBox::activated, [this] { CB_InstitucionChange(); });
    alEvento(Contacto, &GrupoRadio::cambio, [this] { ContactoClick(); });
    for (EditMascara *f : {Fec_IniEst, Fec_FinEst, Fec_IniBeca, Fec_FinBeca})
        alSalir(f, [this, f] { FechaExit(f); });
    alSalir(Meses, [this] { MesesExit(); });
    alSalir(Programa, [this] { ProgramaExit(); });
    alEvento(Btn_Guardar, &QPushButton::clicked, [this] { Btn_GuardarClick(); });
    alEvento(Btn_Anterior, &QPushButton::clicked, [this] { Btn_AnteriorClick(); });
    alEvento(Btn_Siguiente, &QPushButton::clicked, [this] { Btn_SiguienteClick(); });
    alEvento(Btn_Dir, &QPushButton::clicked, [this] { Btn_DirClick(); });
    alEvento(Btn_Montos, &QPushButton::clicked, [this] { Btn_MontosClick(); });
    alEvento(BorraOpcion1, &QAction::triggered, [this] { BorraOpcion1Click(); });

    // Creación
    ejecuta([this] {
        progreso(0);
        m_convocatoria = W_Inicial()->Consulta_Entero(QStringLiteral("Select Convocatoria From General"));
        const QStringList opciones = opcionesDe(m_convocatoria);
        Inst_opcion->ponElementos(opciones);
        if (opciones.size() == 1)
            L_Opciones->setText(QStringLiteral("Solo tiene una institucióon como opción para la convocatoria"));
        // Una opción guardada con otra convocatoria no se escribe en una que no la ofrece.
        Opcion_Actual = qBound(1, Opcion_Actual, int(opciones.size()));
        m_opcionEditada = Opcion_Actual;
        progreso(25);
        // La lista de países es la de la opción que se va a mostrar, también la tercera.
        ponPaises(Opcion_Actual);
        progreso(75);
        llena(W_DM()->Q_Pais, CB_Pais);
        if (muestra(Opcion_Actual)) {
            Btn_Dir->setEnabled(true);
            Btn_Montos->setEnabled(!esCurso());
        }
        Inst_opcion->ponIndice(Opcion_Actual - 1);
        progreso(100);
    });
}

void TW_DatAcad2::ponPaises(int opcion)
{
    Consulta &q = W_DM()->Q_Pais;
    q.ponSql(sentenciaPaises());
    q.parametro(QStringLiteral("Conv"), opcion == 3 ? 481 : m_convocatoria);
    q.abre();
}

int TW_DatAcad2::opcionSeleccionada() const { return Inst_opcion->indice() + 1; }

void TW_DatAcad2::seleccionaOpcion(int indice) { ejecuta([this, indice] { Inst_opcion->ponIndice(indice); }); }

bool TW_DatAcad2::Ubica_Registro(const QString &, const QString &registro)
{
    // Como un clic en el selector: se guarda la opción que se deja.
    const int n = registro.toInt();
    if (n >= 1 && n <= Inst_opcion->cuenta() && n != opcionSeleccionada())
        seleccionaOpcion(n - 1);
    return n == opcionSeleccionada();
}

// --- Mostrar una opción ----------------------------------------------------------------------

bool TW_DatAcad2::muestra(int n)
{
    TW_DM *dm = W_DM();
    auto &aux = dm->Q_Aux;
    aux.abre(QStringLiteral("Select B.Persona_Contacto Persona,B.Puesto_contacto Puesto,B.Nombre_prog Programa,"
                            "B.Carta_aceptacion Carta,B.Tiempo_prom_grado Tiempo,B.Fecha_ini IniBeca,B.Fecha_fin FinBeca,"
                            "B.Escuela Escuela,B.Fec_ini_est IniEst,B.Fec_fin_est FinEst,P.Clave Pais "
                            "From Beca B,Institucion I,Cat_Pais P Where B.Clave=:n And P.Clave=I.Pais And B.Escuela=I.Clave"),
             {{QStringLiteral("n"), n}});
    const bool existe = !aux.vacia();
    auto t = [&aux](const char *c) { return aux.campo(QLatin1String(c)).texto(); };
    const QString persona = t("Persona"), puesto = t("Puesto"), programa = t("Programa"), carta = t("Carta"),
                  tiempo = t("Tiempo"), iniBeca = t("IniBeca"), finBeca = t("FinBeca"), iniEst = t("IniEst"),
                  finEst = t("FinEst");
    const qint64 escuela = aux.campo(QStringLiteral("Escuela")).entero();
    const qint64 pais = aux.campo(QStringLiteral("Pais")).entero();

    ubica(dm->Q_Pais, pais, CB_Pais);
    CB_PaisChange();
    ubica(dm->Q_Institucion, escuela, CB_Institucion);

    Programa->setPlainText(programa);
    Nom_contacto->setText(persona);
    Contacto->ponIndice(persona.trimmed().isEmpty() ? 0 : 1);
    Puesto_Contacto->setText(puesto);
    Carta->ponIndice(carta.trimmed() == QStringLiteral("S") ? 1 : 0);
    auto ponFecha = [](EditMascara *e, const QString &v) { e->ponTexto(v.trimmed().isEmpty() ? Fechas::propuesta() : v); };
    ponFecha(Fec_IniBeca, iniBeca);
    ponFecha(Fec_FinBeca, finBeca);
    ponFecha(Fec_IniEst, iniEst);
    ponFecha(Fec_FinEst, finEst);
    Meses->ponTexto(tiempo);
    return existe;
}

// --- Listas ----------------------------------------------------------------------------------

void TW_DatAcad2::CB_PaisChange()
{
    TW_DM *dm = W_DM();
    posiciona(dm->Q_Pais, CB_Pais);
    const qint64 pais = clave(CB_Pais).value_or(dm->Q_Pais.campo(0).entero());
    const int opcion = Inst_opcion->indice() >= 0 ? opcionSeleccionada() : Opcion_Actual;
    // La sentencia se arma completa cada vez: nunca lleva más de una restricción.
    Consulta &inst = dm->Q_Institucion;
    inst.ponSql(sentenciaInstituciones(m_convocatoria, opcion));
    inst.parametro(QStringLiteral("p_Pais"), pais);
    llena(inst, CB_Institucion);
    const int preseleccion = m_convocatoria == 488 ? 4 : m_convocatoria == 489 ? 1 : -1;
    if (preseleccion >= 0 && preseleccion < CB_Institucion->count()) {
        CB_Institucion->setCurrentIndex(preseleccion);
        inst.mueveA(preseleccion);
    }
    CB_Institucion->setEnabled(true);
    Add_Inst->setEnabled(false);
}

void TW_DatAcad2::CB_InstitucionChange()
{
    Consulta &inst = W_DM()->Q_Institucion;
    inst.abre();
    posiciona(inst, CB_Institucion);
}

// --- Cambio de opción ------------------------------------------------------------------------

void TW_DatAcad2::Inst_OpcionClick()
{
    const int i = Inst_opcion->indice();
    if (i < 0)
        return;
    ponPaises(i + 1);
    llena(W_DM()->Q_Pais, CB_Pais);
    // Se guarda la opción que se deja.
    GuardaOpcion(m_opcionEditada);
    Opcion_Actual = i + 1;
    const bool existe = muestra(Opcion_Actual);
    Btn_Dir->setEnabled(existe);
    Btn_Montos->setEnabled(existe);
    if (esCurso())
        Btn_Montos->setEnabled(false);
    else
        m_opcionEditada = Opcion_Actual;
    // Con el foco en las opciones el usuario sigue eligiendo (las flechas cambian de opción):
    // ahí se queda; si la opción cambió desde otro lado, sigue en el primer campo.
    if (!Inst_opcion->isAncestorOf(QApplication::focusWidget()))
        Teclado::enfocaPrimero(this);
}

// --- Guardado --------------------------------------------------------------------------------

bool TW_DatAcad2::Institucion(int n)
{
    Q_aux.abre(QStringLiteral("Select clave from Beca where clave=:n"), {{QStringLiteral("n"), n}});
    return !Q_aux.vacia();
}

struct TW_DatAcad2::Valores {
    QVariantHash p;
    bool completo = true;   // meses legibles e institución elegida
};

TW_DatAcad2::Valores TW_DatAcad2::valores()
{
    Valores v;
    v.p.insert(QStringLiteral("Persona"), Nom_contacto->text());
    v.p.insert(QStringLiteral("Puesto"), Puesto_Contacto->text());
    v.p.insert(QStringLiteral("Programa"), Programa->toPlainText());
    v.p.insert(QStringLiteral("Carta"), Carta->indice() == 1 ? QStringLiteral("S") : QStringLiteral("N"));
    const auto meses = entero(Meses->texto());
    const auto escuela = clave(CB_Institucion);
    v.completo = meses.has_value() && escuela.has_value();
    v.p.insert(QStringLiteral("Meses"), meses.value_or(0));
    v.p.insert(QStringLiteral("Escuela"), escuela.value_or(0));
    v.p.insert(QStringLiteral("IniBeca"), fechaDe(Fec_IniBeca));
    v.p.insert(QStringLiteral("FinBeca"), fechaDe(Fec_FinBeca));
    v.p.insert(QStringLiteral("IniEst"), fechaDe(Fec_IniEst));
    v.p.insert(QStringLiteral("FinEst"), fechaDe(Fec_FinEst));
    return v;
}

bool TW_DatAcad2::Inserta(int n)
{
    Valores v = valores();
    bool ok = v.completo;
    if (ok) {
        v.p.insert(QStringLiteral("Clave"), n);
        v.p.insert(QStringLiteral("Tipo"), QStringLiteral("OP") + QString::number(n));
        try {
            W_DM()->Q_Aux.ejecuta(
                QStringLiteral("Insert into Beca (Clave,Persona_Contacto,Puesto_contacto,Nombre_prog,Carta_aceptacion,"
                               "Tiempo_prom_grado,Fecha_ini,Fecha_fin,Escuela,Fec_ini_est,Fec_fin_est,General_Clave,Tipo) "
                               "Values (:Clave,:Persona,:Puesto,:Programa,:Carta,:Meses,:IniBeca,:FinBeca,:Escuela,:IniEst,"
                               ":FinEst,1,:Tipo)"),
                v.p);
        } catch (const ErrorBase &e) {
            avisaFallaExterna(e);
            ok = false;
        }
    }
    m_guardado = ok;
    return ok;
}

bool TW_DatAcad2::Actualiza(int n)
{
    Valores v = valores();
    bool externa = false;
    bool ok = v.completo;
    if (ok) {
        v.p.insert(QStringLiteral("Tipo"), QStringLiteral("OP") + QString::number(n));
        try {
            W_DM()->Q_Aux.ejecuta(
                QStringLiteral("Update Beca Set Persona_Contacto=:Persona,Puesto_contacto=:Puesto,Nombre_prog=:Programa,"
                               "Carta_aceptacion=:Carta,Tiempo_prom_grado=:Meses,Fecha_ini=:IniBeca,Fecha_fin=:FinBeca,"
                               "Escuela=:Escuela,Fec_ini_est=:IniEst,Fec_fin_est=:FinEst Where Tipo=:Tipo"),
                v.p);
        } catch (const ErrorBase &e) {
            ok = false;
            externa = avisaFallaExterna(e);
        }
    }
    m_guardado = ok;
    if (!ok) {
        if (!externa)
            dialogos().mensaje(kIncompleto, Dialogos::Icono::Pregunta);
        CB_Institucion->setFocus();
    }
    return ok;
}

bool TW_DatAcad2::GuardaOpcion(int n)
{
    const bool ok = Institucion(n) ? Actualiza(n) : Inserta(n);
    if (!ok)
        return false;
    Btn_Dir->setEnabled(true);
    if (!esCurso()) {
        Btn_Montos->setEnabled(true);
        m_opcionEditada = Opcion_Actual;
    }
    return true;
}

// --- Revisión de campos ----------------------------------------------------------------------

void TW_DatAcad2::FechaExit(EditMascara *campo)
{
    if (m_cerrando)
        return;
    const auto f = Fechas::normaliza(campo->texto());
    if (!f) {
        campo->ponTexto(Fechas::propuesta());
        return;
    }
    campo->ponTexto(*f);
    if (!W_Inicial()->Valida_Fecha(*f))
        campo->setFocus();
}

void TW_DatAcad2::MesesExit()
{
    if (m_cerrando)
        return;
    const auto m = entero(Meses->texto());
    if (m && *m > 60) {
        dialogos().aviso(QStringLiteral("El tiempo máximo es de 60 meses"));
        Meses->setFocus();
    }
}

void TW_DatAcad2::ProgramaExit()
{
    if (m_cerrando)
        return;
    const QString t = Programa->toPlainText();
    const QString m = Win1252::mayusculas(t);
    if (m != t)
        Programa->setPlainText(m);
}

void TW_DatAcad2::ContactoClick()
{
    const bool si = Contacto->indice() == 1;
    if (!si) {
        Nom_contacto->clear();
        Puesto_Contacto->clear();
    }
    Nom_contacto->setEnabled(si);
    Puesto_Contacto->setEnabled(si);
}

// --- Botones ---------------------------------------------------------------------------------

void TW_DatAcad2::Btn_GuardarClick() { GuardaOpcion(m_opcionEditada); }

void TW_DatAcad2::Btn_AnteriorClick()
{
    GuardaOpcion(m_opcionEditada);
    W_Inicial()->Abre_Forma(QStringLiteral("W_DatAcad1"));
    cierraVentana();
}

void TW_DatAcad2::Btn_SiguienteClick()
{
    GuardaOpcion(m_opcionEditada);
    if (m_guardado) {
        W_Inicial()->Abre_Forma(QStringLiteral("W_DatAcad4"));
        cierraVentana();
    } else {
        dialogos().aviso(QStringLiteral("No ha salvado su información"));
    }
}

// Deja las consultas compartidas en la elección visible: Q_Pais con la lista de países de la
// opción y en el país elegido, Q_Institucion abierta en la institución elegida.
void TW_DatAcad2::preparaConsultasCompartidas()
{
    TW_DM *dm = W_DM();
    posiciona(dm->Q_Pais, CB_Pais);
    dm->Q_Institucion.abre();
    posiciona(dm->Q_Institucion, CB_Institucion);
}

void TW_DatAcad2::Btn_DirClick()
{
    if (CB_Institucion->currentIndex() < 0 || CB_Pais->currentIndex() < 0) {
        dialogos().aviso(QStringLiteral("No ha elegido el nombre de la institución"));
        return;
    }
    // Lo capturado en la opción se guarda antes de ir a su dirección.
    if (!GuardaOpcion(m_opcionEditada))
        return;
    Tipo_Actual = QStringLiteral("OP") + QString::number(m_opcionEditada);
    preparaConsultasCompartidas();
    W_Inicial()->Abre_Forma(QStringLiteral("W_DirAct"));
    // Al cerrar no se cambia de opción: Q_Pais e Q_Institucion se quedan con la lista y la
    // institución con que se abrió la ventana de dirección, y al volver se muestra esta opción.
    m_sinCambioAlCerrar = true;
    cierraVentana();
}

void TW_DatAcad2::Btn_MontosClick()
{
    if (CB_Institucion->currentIndex() < 0 || CB_Pais->currentIndex() < 0) {
        dialogos().aviso(QStringLiteral("No ha elegido el nombre de la institución"));
        return;
    }
    if (!GuardaOpcion(m_opcionEditada))
        return;
    preparaConsultasCompartidas();
    W_Inicial()->Abre_Forma(QStringLiteral("W_DatAcad3"));
    cierraVentana();
}

void TW_DatAcad2::BorraOpcion1Click()
{
    const int n = opcionSeleccionada();
    if (n < 1)
        return;
    {
        // La opción y la dirección de su institución se borran juntas.
        Base::Transaccion t;
        Q_aux.ejecuta(QStringLiteral("delete from Beca where Clave=:n"), {{QStringLiteral("n"), n}});
        Q_aux.ejecuta(QStringLiteral("delete from Domicilio where Tipo=:tipo"),
                      {{QStringLiteral("tipo"), QStringLiteral("OP") + QString::number(n)}});
        t.confirma();
    }
    muestra(n);
    Btn_Dir->setEnabled(false);
    Btn_Montos->setEnabled(false);
}

void TW_DatAcad2::closeEvent(QCloseEvent *e)
{
    // Al cerrar se vuelve a la primera opción (lo que guarda la opción que se deja), salvo
    // cuando se va a la dirección de la institución.
    if (!m_sinCambioAlCerrar && !m_cerrando)
        ejecuta([this] { Inst_opcion->ponIndice(0); });
    m_cerrando = true;
    VentanaAcad::closeEvent(e);
}
