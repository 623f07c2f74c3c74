#include "academic/Acad1.h"
#include "platform/Errores.h"
#include "academic/Academicos.h"
#include "academic/GrupoRadio.h"
#include "platform/Dialogos.h"
#include "platform/Edits.h"
#include "platform/Win1252.h"
#include "shell/Fabrica.h"
#include "shell/U_Mod.h"
#include "shell/U_inicial.h"
#include "shell/Iconos.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

REGISTRA_VENTANA(TW_DatAcad1, "W_DatAcad1")

using namespace Academicos;

namespace {
const QStringList kNoSi = {QStringLiteral("No"), QStringLiteral("Sí")};

QComboBox *lista(const char *nombre, QWidget *padre)
{
    auto *c = new QComboBox(padre);
    c->setObjectName(QLatin1String(nombre));
    c->setEditable(false);
    c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    c->setMinimumContentsLength(30);
    return c;
}

EditMascara *mascara(const char *nombre, const char *m, int largo, QWidget *padre)
{
    auto *e = new EditMascara(QLatin1String(m), padre);
    e->setObjectName(QLatin1String(nombre));
    e->setMaxLength(largo);
    e->setFixedWidth(90);
    return e;
}

void mensajePregunta(const QString &texto) { dialogos().mensaje(texto, Dialogos::Icono::Pregunta); }
} // namespace

TW_DatAcad1::TW_DatAcad1() : VentanaAcad(QStringLiteral("W_DatAcad1"), QStringLiteral("Datos Académicos"))
{
    BecaAnt = new GrupoRadio(QStringLiteral("BecaAnt"), QStringLiteral("¿ Usted ha solicitado u obtenido beca TALVERO?"), kNoSi, 2, this);
    ConyBeca = new GrupoRadio(QStringLiteral("ConyBeca"), QStringLiteral("¿ Su cónyuge es becario TALVERO?"), kNoSi, 2, this);
    ConySolicitaBeca = new GrupoRadio(QStringLiteral("ConySolicitaBeca"), QStringLiteral("¿ Su cónyuge está solicitando beca TALVERO?"), kNoSi, 2, this);
    RG_Egel = new GrupoRadio(QStringLiteral("RG_Egel"), QStringLiteral("¿Ha efectuado el Examen General para el Egreso de Licenciatura (EGEL)?"),
                             {QStringLiteral("No"), QStringLiteral("Si")}, 2, this);
    for (GrupoRadio *g : {BecaAnt, ConyBeca, ConySolicitaBeca, RG_Egel})
        g->ponIndiceSinAviso(0);

    ExpBeca = mascara("ExpBeca", "!999999;1;_", 6, this);
    ExpCony = mascara("ExpCony", "!999999;1;_", 6, this);
    ME_Puntos = mascara("ME_Puntos", "!9999;1;_", 4, this);
    ExpBeca->setEnabled(false);
    ExpCony->setEnabled(false);

    auto *estudios = new QGroupBox(QStringLiteral("Desea realizar sus estudios en:"), this);
    CB_Area = lista("CB_Area", estudios);
    CB_Disc = lista("CB_Disc", estudios);
    L_Subdisc = new QLabel(QStringLiteral("Subdisciplina"), estudios);
    L_Subdisc->setObjectName(QStringLiteral("L_Subdisc"));
    SubDisciplina = new EditMayusculas(estudios);
    SubDisciplina->setObjectName(QStringLiteral("SubDisciplina"));
    CB_Cursos = lista("CB_Cursos", estudios);
    CB_Cursos->hide();
    auto *re = new QGridLayout(estudios);
    re->addWidget(new QLabel(QStringLiteral("Area:"), estudios), 0, 0);
    re->addWidget(CB_Area, 0, 1);
    re->addWidget(new QLabel(QStringLiteral("Disciplina:"), estudios), 1, 0);
    re->addWidget(CB_Disc, 1, 1);
    re->addWidget(L_Subdisc, 2, 0);
    re->addWidget(SubDisciplina, 2, 1);
    re->addWidget(CB_Cursos, 2, 1);   // sólo una de las dos está a la vista
    re->setColumnStretch(1, 1);

    auto *marcoIni = new QGroupBox(QStringLiteral("Su objetivo inicial sera realizar estudios de:"), this);
    CB_GdoIni = lista("CB_GdoIni", marcoIni);
    (new QVBoxLayout(marcoIni))->addWidget(CB_GdoIni);
    auto *marcoFin = new QGroupBox(QStringLiteral("Su objetivo final será realizar estudios de:"), this);
    CB_GdoFin = lista("CB_GdoFin", marcoFin);
    CB_GdoFin->setEnabled(false);
    (new QVBoxLayout(marcoFin))->addWidget(CB_GdoFin);

    Btn_Sig = new QPushButton(iconoDelTema(QStringLiteral("go-next")), QStringLiteral("Siguiente"), this);
    Btn_Sig->setObjectName(QStringLiteral("Btn_Sig"));

    // Las tres preguntas de becas y la del EGEL con su campo a la derecha, alineados.
    auto *principal = new QVBoxLayout(this);
    auto *preguntas = new QGridLayout;
    auto fila = [this, preguntas](int f, GrupoRadio *g, EditMascara *e, const QString &etiqueta) {
        preguntas->addWidget(g, f, 0);
        if (e) {
            preguntas->addWidget(new QLabel(etiqueta, this), f, 1);
            preguntas->addWidget(e, f, 2);
        }
    };
    fila(0, BecaAnt, ExpBeca, QStringLiteral("Registro:"));
    fila(1, ConyBeca, ExpCony, QStringLiteral("Registro:"));
    fila(2, ConySolicitaBeca, nullptr, QString());
    preguntas->setColumnStretch(0, 1);
    principal->addLayout(preguntas);
    principal->addWidget(estudios);
    auto *grados = new QHBoxLayout;
    grados->addWidget(marcoIni);
    grados->addWidget(marcoFin);
    principal->addLayout(grados);
    auto *egel = new QGridLayout;
    egel->addWidget(RG_Egel, 0, 0);
    egel->addWidget(new QLabel(QStringLiteral("Puntos"), this), 0, 1);
    egel->addWidget(ME_Puntos, 0, 2);
    egel->setColumnStretch(0, 1);
    principal->addLayout(egel);
    auto *botones = new QHBoxLayout;
    botones->addStretch(1);
    botones->addWidget(Btn_Sig);
    principal->addLayout(botones);

    alEvento(CB_Area, &QComboBox::activated, [this] { CB_AreaChange(); });
    alEvento(CB_Disc, &QComboBox::activated, [this] { CB_DiscChange(); });
    alEvento(CB_GdoIni, &QComboBox::activated, [this] { CB_GdoIniChange(); });
    alEvento(CB_GdoFin, &QComboBox::activated, [this] { CB_GdoFinChange(); });
    alEvento(CB_Cursos, &QComboBox::activated, [this] { CB_CursosChange(); });
    alSalir(CB_Cursos, [this] { CB_CursosExit(); });
    alEvento(BecaAnt, &GrupoRadio::cambio, [this] { BecaAntClick(); });
    alEvento(ConyBeca, &GrupoRadio::cambio, [this] { ConyBecaClick(); });
    alEvento(RG_Egel, &GrupoRadio::cambio, [this] { RG_EgelClick(); });
    alEvento(Btn_Sig, &QPushButton::clicked, [this] { Btn_SigClick(); });

    ejecuta([this] { Muestra_Datos(); });
}

TW_DatAcad1::Caso TW_DatAcad1::casoDe(qint64 c)
{
    if (c == 6)
        return Caso::Credito;
    if (c == 488 || c == 489)
        return Caso::Curso;
    if (c == 485 || c == 486)
        return Caso::GradoFijo;
    return Caso::General;
}

TW_DatAcad1::Caso TW_DatAcad1::caso() const { return casoDe(m_convocatoria); }

QString TW_DatAcad1::sentenciaGrados(qint64 convocatoria, bool restringe)
{
    QStringList l = {QStringLiteral("Select Clave,Nombre,Nivel"), QStringLiteral("From Cat_Grado")};
    if (restringe)
        l << QStringLiteral("Where Clave in (19, 25)");
    if (convocatoria >= 515)
        l << QStringLiteral("Order By Nombre");
    return l.join(u'\n');
}

// --- Llenado -------------------------------------------------------------------------------

namespace {
// Claves fijas de los catálogos en las convocatorias con reglas propias.
constexpr qint64 kAreaIngenierias = 7;         // la única área del crédito educativo
constexpr qint64 kGradoMaestria = 19;          // el grado del crédito
constexpr qint64 kGradoDoctorado = 25;         // el de las convocatorias de grado fijo
constexpr qint64 kGradoCursoEspecializacion = 38;
constexpr qint64 kSinClave = 0;                // ningún renglón: la lista queda vacía
} // namespace

TW_DatAcad1::Guardado TW_DatAcad1::leeGeneral()
{
    auto &aux = W_DM()->Q_Aux;
    aux.abre(QStringLiteral("Select Expbecaant,Expbecacony,Solbecacony,Subdisciplina,grado_ini,grado_fin,Disciplina,"
                            "Area,Curso,convocatoria,Ingreso_Mensual,EGEL From General"));
    Guardado g;
    g.expAnt = aux.campo(QStringLiteral("Expbecaant")).entero();
    g.expCony = aux.campo(QStringLiteral("Expbecacony")).entero();
    g.solCony = aux.campo(QStringLiteral("Solbecacony")).texto();
    g.subdisciplina = aux.campo(QStringLiteral("Subdisciplina")).texto();
    g.gradoIni = aux.campo(QStringLiteral("grado_ini")).entero();
    g.gradoFin = aux.campo(QStringLiteral("grado_fin")).entero();
    g.disciplina = aux.campo(QStringLiteral("Disciplina")).entero();
    g.area = aux.campo(QStringLiteral("Area")).entero();
    g.curso = aux.campo(QStringLiteral("Curso")).entero();
    g.convocatoria = aux.campo(QStringLiteral("convocatoria")).entero();
    g.egel = aux.campo(QStringLiteral("EGEL")).texto().trimmed();
    return g;
}

void TW_DatAcad1::muestraBecasYEgel(const Guardado &g)
{
    if (!g.egel.isEmpty() && g.egel != QStringLiteral("0")) {
        RG_Egel->ponIndice(1);
        ME_Puntos->setEnabled(true);
        ME_Puntos->ponTexto(g.egel);
    } else {
        RG_Egel->ponIndice(0);
        ME_Puntos->ponTexto(QStringLiteral("0"));
        ME_Puntos->setEnabled(false);
    }
    if (g.expAnt != 0) {
        BecaAnt->ponIndice(1);
        ExpBeca->ponTexto(QString::number(g.expAnt));
    }
    if (g.expCony != 0) {
        ConyBeca->ponIndice(1);
        ExpCony->ponTexto(QString::number(g.expCony));
    }
    ConySolicitaBeca->ponIndice(g.solCony.trimmed() == QStringLiteral("S") ? 1 : 0);
}

// Crédito educativo: área y grados fijos, la especialidad se teclea.
void TW_DatAcad1::muestraCredito(const Guardado &g)
{
    TW_DM *dm = W_DM();
    llena(dm->Q_AreaCredito, CB_Area);
    llena(dm->Q_GdoIni, CB_GdoIni);
    llena(dm->Q_GdoFin, CB_GdoFin);
    ubica(dm->Q_AreaCredito, kAreaIngenierias, CB_Area);
    CB_AreaChange();
    CB_Area->setEnabled(false);
    ubica(dm->Q_DiscCredito, g.disciplina, CB_Disc);
    CB_DiscChange();
    CB_Disc->setEnabled(true);
    ubica(dm->Q_GdoIni, kGradoMaestria, CB_GdoIni);
    CB_GdoIniChange();
    CB_GdoIni->setEnabled(false);
    ubica(dm->Q_GdoFin, kGradoMaestria, CB_GdoFin);
    CB_GdoFinChange();
    CB_GdoFin->setEnabled(false);
    // La especialidad se teclea: caja sin lista.
    CB_Cursos->clear();
    CB_Cursos->setEditable(true);
    auto *edit = new EditTexto(CB_Cursos);
    CB_Cursos->setLineEdit(edit);
    CB_Cursos->setEditText(g.subdisciplina);
    CB_Cursos->setStyleSheet(QStringLiteral("QComboBox { border: 1px solid #a0a0a0; border-radius: 2px; background: white; padding: 1px 2px; }"
                                            "QComboBox:focus { border: 1px solid palette(highlight); }"
                                            "QComboBox::drop-down { width: 0px; border: none; }"
                                            "QComboBox::down-arrow { image: none; width: 0px; }"));
    CB_Cursos->show();
    SubDisciplina->hide();
    L_Subdisc->setText(QStringLiteral("Especialidad"));
}

// Cursos: sin área ni disciplina, grado fijo, el curso se elige de los de la convocatoria.
void TW_DatAcad1::muestraCurso(const Guardado &g)
{
    TW_DM *dm = W_DM();
    ubica(dm->Q_Area, kSinClave, CB_Area);
    CB_AreaChange();
    CB_Area->setEnabled(false);
    ubica(dm->Q_Disc, kSinClave, CB_Disc);
    CB_Disc->setEnabled(false);
    ubica(dm->Q_GdoIni, kGradoCursoEspecializacion, CB_GdoIni);
    ubica(dm->Q_GdoFin, kGradoCursoEspecializacion, CB_GdoFin);
    CB_GdoIni->setEnabled(false);
    CB_GdoFin->setEnabled(false);
    dm->Q_Curso.cierra();
    dm->Q_Curso.parametro(QStringLiteral("p_Conv"), m_convocatoria);
    dm->Q_Curso.abre();
    ubica(dm->Q_Curso, g.curso, CB_Cursos);
    CB_Cursos->show();
    SubDisciplina->hide();
    L_Subdisc->setText(QStringLiteral("Nombre del Curso"));
}

// Grado fijo y convocatorias generales: área y disciplina libres; los grados, fijos al
// doctorado o elegidos entre maestría y doctorado.
void TW_DatAcad1::muestraGrados(const Guardado &g)
{
    TW_DM *dm = W_DM();
    ubica(dm->Q_Area, g.area, CB_Area);
    CB_AreaChange();
    CB_Area->setEnabled(true);
    ubica(dm->Q_Disc, g.disciplina, CB_Disc);
    CB_Disc->setEnabled(true);
    SubDisciplina->setText(g.subdisciplina);
    if (caso() == Caso::GradoFijo) {
        ubica(dm->Q_GdoIni, kGradoDoctorado, CB_GdoIni);
        ubica(dm->Q_GdoFin, kGradoDoctorado, CB_GdoFin);
        CB_GdoIni->setEnabled(false);
        CB_GdoFin->setEnabled(false);
        return;
    }
    dm->Q_GdoIni.ponSql(sentenciaGrados(m_convocatoria, true));
    dm->Q_GdoFin.ponSql(sentenciaGrados(m_convocatoria, true));
    ubica(dm->Q_GdoIni, g.gradoIni, CB_GdoIni);
    ubica(dm->Q_GdoFin, g.gradoFin, CB_GdoFin);
    CB_GdoIni->setEnabled(true);
    CB_GdoFin->setEnabled(true);
}

void TW_DatAcad1::Muestra_Datos()
{
    TW_DM *dm = W_DM();
    progreso(0);
    const Guardado g = leeGeneral();
    muestraBecasYEgel(g);
    m_convocatoria = g.convocatoria;
    progreso(50);

    // Los grados se piden de nuevo en cada llenado: la restricción aparece una sola vez.
    dm->Q_GdoIni.ponSql(sentenciaGrados(m_convocatoria, false));
    dm->Q_GdoFin.ponSql(sentenciaGrados(m_convocatoria, false));
    if (caso() == Caso::Credito) {
        muestraCredito(g);
    } else {
        llena(dm->Q_Area, CB_Area);
        llena(dm->Q_GdoIni, CB_GdoIni);
        llena(dm->Q_GdoFin, CB_GdoFin);
        if (caso() == Caso::Curso)
            muestraCurso(g);
        else
            muestraGrados(g);
    }
    progreso(100);
}

// --- Manejadores -----------------------------------------------------------------------------

void TW_DatAcad1::CB_AreaChange()
{
    TW_DM *dm = W_DM();
    if (caso() == Caso::Credito) {
        posiciona(dm->Q_AreaCredito, CB_Area);
        llena(dm->Q_DiscCredito, CB_Disc);
        return;
    }
    posiciona(dm->Q_Area, CB_Area);
    dm->Q_Disc.parametro(QStringLiteral("p_Area"), clave(CB_Area).value_or(dm->Q_Area.campo(0).entero()));
    llena(dm->Q_Disc, CB_Disc);
}

void TW_DatAcad1::CB_DiscChange()
{
    TW_DM *dm = W_DM();
    if (caso() == Caso::Credito) {
        if (!CB_Disc->currentText().trimmed().isEmpty())
            posiciona(dm->Q_DiscCredito, CB_Disc);
        return;
    }
    posiciona(dm->Q_Disc, CB_Disc);
}

void TW_DatAcad1::CB_GdoIniChange()
{
    TW_DM *dm = W_DM();
    posiciona(dm->Q_GdoIni, CB_GdoIni);
    ubica(dm->Q_GdoFin, clave(CB_GdoIni).value_or(dm->Q_GdoIni.campo(0).entero()), CB_GdoFin);
    CB_GdoFin->setEnabled(false);
}

void TW_DatAcad1::CB_GdoFinChange() { posiciona(W_DM()->Q_GdoFin, CB_GdoFin); }

void TW_DatAcad1::CB_CursosChange()
{
    if (caso() != Caso::Credito)
        posiciona(W_DM()->Q_Curso, CB_Cursos);
}

void TW_DatAcad1::CB_CursosExit()
{
    if (CB_Cursos->isEditable())
        CB_Cursos->setEditText(Win1252::mayusculas(CB_Cursos->currentText()));
}

void TW_DatAcad1::BecaAntClick()
{
    if (BecaAnt->indice() == 1) {
        ExpBeca->setEnabled(true);
    } else {
        ExpBeca->clear();
        ExpBeca->setEnabled(false);
    }
}

void TW_DatAcad1::ConyBecaClick()
{
    if (ConyBeca->indice() == 1) {
        ExpCony->setEnabled(true);
    } else {
        ExpCony->clear();
        ExpCony->setEnabled(false);
    }
}

void TW_DatAcad1::RG_EgelClick()
{
    if (RG_Egel->indice() == 1) {
        ME_Puntos->setEnabled(true);
    } else {
        ME_Puntos->ponTexto(QStringLiteral("0"));
        ME_Puntos->setEnabled(false);
    }
}

// --- Validación y guardado -------------------------------------------------------------------

bool TW_DatAcad1::Valida()
{
    const qint64 conv = W_Inicial()->Consulta_Entero(QStringLiteral("Select convocatoria from general"));
    const bool curso = conv == 488 || conv == 489;
    if (!curso && CB_Area->currentIndex() < 0) {
        mensajePregunta(QStringLiteral("No ha capturado el area"));
        return false;
    }
    if (!curso && CB_Disc->currentIndex() < 0) {
        mensajePregunta(QStringLiteral("No ha capturado la disciplina"));
        return false;
    }
    if (CB_GdoIni->currentIndex() < 0) {
        mensajePregunta(QStringLiteral("No ha capturado el grado inicial"));
        return false;
    }
    if (CB_GdoFin->currentIndex() < 0) {
        mensajePregunta(QStringLiteral("No ha capturado el grado final"));
        return false;
    }
    if (CB_Cursos->isHidden()) {
        if (SubDisciplina->text().trimmed().isEmpty()) {
            mensajePregunta(QStringLiteral("No ha capturado la subdisciplina"));
            return false;
        }
    } else if (CB_Cursos->currentIndex() < 0) {
        if (caso() == Caso::Credito) {
            if (CB_Cursos->currentText().trimmed().isEmpty()) {
                mensajePregunta(QStringLiteral("No ha capturado el nombre de la especialidad"));
                return false;
            }
        } else {
            mensajePregunta(QStringLiteral("No ha capturado el nombre del curso"));
            return false;
        }
    }
    return true;
}

bool TW_DatAcad1::Guarda()
{
    const QString incompleto = QStringLiteral("No ha capturado la informacion de manera completa");
    if (BecaAnt->indice() == 1 && ExpBeca->texto().trimmed().isEmpty()) {
        mensajePregunta(incompleto);
        ExpBeca->setFocus();
        return false;
    }
    if (BecaAnt->indice() != 1)
        ExpBeca->ponTexto(QStringLiteral("0"));
    if (ConyBeca->indice() == 1 && ExpCony->texto().trimmed().isEmpty()) {
        mensajePregunta(incompleto);
        ExpCony->setFocus();
        return false;
    }
    if (ConyBeca->indice() != 1)
        ExpCony->ponTexto(QStringLiteral("0"));
    const QString solicita = ConySolicitaBeca->indice() == 1 ? QStringLiteral("S") : QStringLiteral("N");
    if (!Valida())
        return false;

    // Un número ilegible (los puntos en blanco con "Si", un blanco entre dígitos) impide
    // guardar; se avisa como un dato incompleto y el cursor va al campo.
    const auto expAnt = entero(ExpBeca->texto());
    const auto expCony = entero(ExpCony->texto());
    const auto puntos = entero(ME_Puntos->texto());
    if (!expAnt || !expCony || !puntos) {
        mensajePregunta(incompleto);
        (!expAnt ? ExpBeca : !expCony ? ExpCony : ME_Puntos)->setFocus();
        return false;
    }

    QVariantHash p;
    p.insert(QStringLiteral("ExpBecaAnt"), *expAnt);
    p.insert(QStringLiteral("ExpBecaCony"), *expCony);
    p.insert(QStringLiteral("Solbecacony"), solicita);
    p.insert(QStringLiteral("EGEL"), *puntos);
    TW_DM *dm = W_DM();
    if (caso() == Caso::Credito) {
        p.insert(QStringLiteral("Subdisciplina"), CB_Cursos->currentText());
        p.insert(QStringLiteral("Disciplina"), clave(CB_Disc).value_or(dm->Q_DiscCredito.campo(0).entero()));
        p.insert(QStringLiteral("Area"), clave(CB_Area).value_or(dm->Q_AreaCredito.campo(0).entero()));
    } else {
        p.insert(QStringLiteral("Subdisciplina"), SubDisciplina->text());
        if (caso() == Caso::Curso) {
            p.insert(QStringLiteral("Disciplina"), 0);
            p.insert(QStringLiteral("Area"), 0);
        } else {
            p.insert(QStringLiteral("Disciplina"), clave(CB_Disc).value_or(0));
            p.insert(QStringLiteral("Area"), clave(CB_Area).value_or(0));
        }
    }
    p.insert(QStringLiteral("Grado_ini"), clave(CB_GdoIni).value_or(0));
    p.insert(QStringLiteral("Grado_fin"), clave(CB_GdoFin).value_or(0));
    p.insert(QStringLiteral("Curso"), caso() == Caso::Curso ? clave(CB_Cursos).value_or(0) : 0);
    try {
        dm->Q_Aux.ejecuta(QStringLiteral("Update General Set ExpBecaAnt=:ExpBecaAnt,ExpBecaCony=:ExpBecaCony,"
                                         "Solbecacony=:Solbecacony,EGEL=:EGEL,Subdisciplina=:Subdisciplina,"
                                         "Grado_ini=:Grado_ini,Grado_fin=:Grado_fin,Disciplina=:Disciplina,Area=:Area,"
                                         "Curso=:Curso"),
                          p);
    } catch (const ErrorBase &e) {
        avisaFallaExterna(e);
        return false;
    }
    return true;
}

void TW_DatAcad1::Btn_SigClick()
{
    if (!Guarda())
        return;
    W_Inicial()->Abre_Forma(QStringLiteral("W_DatAcad2"));
    cierraVentana();
}
