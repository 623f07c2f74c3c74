#include "curriculum/Vitae1.h"
#include "shell/Teclado.h"
#include "platform/Errores.h"
#include "platform/Dialogos.h"
#include "platform/Edits.h"
#include "shell/Fabrica.h"
#include "shell/U_Mod.h"
#include "shell/U_inicial.h"

#include <QButtonGroup>
#include <algorithm>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyle>
#include <QVBoxLayout>

REGISTRA_VENTANA(TW_Vitae1, "W_Vitae1")

using CamposVitae::Clase;
using CamposVitae::CampoLista;

namespace {
struct Nivel {
    const char *codigo;
    int secuencia;
};
constexpr Nivel kNiveles[] = {{"LIC", 1}, {"MAE", 2}, {"DOC", 3}};

} // namespace

TW_Vitae1::TW_Vitae1()
    : VentanaVitae(QStringLiteral("W_Vitae1"), true),
      Q_Escolares(QStringLiteral("Select clave,Tipo,Nombre,Fecha_ini, Fecha_fin,Promedio,\n"
                                 "           carrera,titulado\nFrom Escolar\nWhere Nivel=:p_Nivel"))
{
    auto *raiz = new QVBoxLayout(this);

    // --- Antecedentes escolares ---
    auto *escolar = new QGroupBox(QStringLiteral("Antecedentes escolares (sólo la institucion donde obtuvo el grado)"), this);
    auto *ge = new QGridLayout(escolar);
    Grados = new QGroupBox(escolar);
    Grados->setObjectName(QStringLiteral("Grados"));
    auto *gl = new QHBoxLayout(Grados);
    m_grados = new QButtonGroup(this);
    int i = 0;
    for (const char *t : {"Licenciatura", "Maestría", "Doctorado"}) {
        auto *r = new QRadioButton(QString::fromUtf8(t), Grados);
        r->setObjectName(QStringLiteral("Grados%1").arg(i));
        m_grados->addButton(r, i++);
        gl->addWidget(r);
    }
    m_grados->button(0)->setChecked(true);
    Institucion = texto(QStringLiteral("Institucion"));
    Tipo = opciones(QStringLiteral("Tipo"), {QStringLiteral("PUB"), QStringLiteral("PRV")});
    auto *anios = new QGroupBox(QStringLiteral("Años"), escolar);
    AnioIni = mascara(QStringLiteral("AnioIni"), "!9999;1;_");
    AnioFin = mascara(QStringLiteral("AnioFin"), "!9999;1;_");
    auto *ga = new QHBoxLayout(anios);
    ga->addWidget(etiqueta(QStringLiteral("De:"), AnioIni));
    ga->addWidget(AnioIni);
    ga->addWidget(etiqueta(QStringLiteral("A: "), AnioFin));
    ga->addWidget(AnioFin);
    ga->addStretch();
    Carrera = texto(QStringLiteral("Carrera"));
    Promedio = mascara(QStringLiteral("Promedio"), "!99.99;1;_");
    Promedio->ponTexto(QStringLiteral("00.00"));
    Titulado = new QCheckBox(QStringLiteral("Titulado"), escolar);
    Titulado->setObjectName(QStringLiteral("Titulado"));
    Titulado->setChecked(true);
    ge->addWidget(Grados, 0, 0, 1, 4);
    {
        // El orden del diseño en el marco escolar: el grado (la opción marcada), y los campos.
        QList<QWidget *> orden;
        for (QAbstractButton *b : m_grados->buttons())
            orden << b;
        Teclado::ordenFijo(this, orden + QList<QWidget *>{Institucion, Tipo, AnioIni, AnioFin, Carrera, Promedio, Titulado});
    }
    ge->addWidget(etiqueta(QStringLiteral("Institución"), Institucion), 1, 0);
    ge->addWidget(Institucion, 1, 1);
    ge->addWidget(etiqueta(QStringLiteral("Tipo"), Tipo), 1, 2);
    ge->addWidget(Tipo, 1, 3);
    ge->addWidget(anios, 2, 0, 1, 2);
    ge->addWidget(etiqueta(QStringLiteral("Nombre de la Carrera"), Carrera), 3, 0);
    ge->addWidget(Carrera, 3, 1, 1, 3);
    auto *gp = new QHBoxLayout;
    gp->addWidget(etiqueta(QStringLiteral("Promedio (Número)"), Promedio));
    gp->addWidget(Promedio);
    gp->addSpacing(16);
    gp->addWidget(Titulado);
    gp->addStretch();
    ge->addLayout(gp, 4, 0, 1, 4);
    ge->setColumnStretch(1, 1);
    raiz->addWidget(escolar);

    // --- Becas ---
    auto *grupoBecas = new QGroupBox(QStringLiteral("Enliste, en su caso, las becas recibidas"), this);
    auto *gb = new QGridLayout(grupoBecas);
    QSpinBox *Becas = selector(QStringLiteral("Becas"), 30);
    EditMayusculas *InstBeca = texto(QStringLiteral("InstBeca"));
    EditMascara *meses = mascara(QStringLiteral("meses"), "!999;1;_");
    EditMayusculas *GdoBeca = texto(QStringLiteral("GdoBeca"));
    gb->addWidget(Becas, 0, 0, 2, 1, Qt::AlignTop);
    gb->addWidget(etiqueta(QStringLiteral("Institución donante:"), InstBeca), 0, 1);
    gb->addWidget(InstBeca, 0, 2, 1, 3);
    gb->addWidget(etiqueta(QStringLiteral("¿En qué grado académico?"), GdoBeca), 1, 1);
    gb->addWidget(GdoBeca, 1, 2);
    gb->addWidget(etiqueta(QStringLiteral("Duración (meses)"), meses), 1, 3, Qt::AlignRight);
    gb->addWidget(meses, 1, 4);
    gb->setColumnStretch(2, 1);
    raiz->addWidget(grupoBecas);

    // --- Reconocimientos ---
    auto *grupoRec = new QGroupBox(QStringLiteral("Enliste los reconocimientos académicos recibidos"), this);
    auto *gr = new QGridLayout(grupoRec);
    QSpinBox *Recon = selector(QStringLiteral("Recon"), 30);
    EditMayusculas *InstRec = texto(QStringLiteral("InstRec"));
    Fec_rec = mascara(QStringLiteral("Fec_rec"), EditMascara::kFecha);
    EditMayusculas *GdoRec = texto(QStringLiteral("GdoRec"));
    gr->addWidget(Recon, 0, 0, 2, 1, Qt::AlignTop);
    gr->addWidget(etiqueta(QStringLiteral("Institución:"), InstRec), 0, 1);
    gr->addWidget(InstRec, 0, 2);
    gr->addWidget(etiqueta(QStringLiteral("Fecha"), Fec_rec), 0, 3);
    gr->addWidget(Fec_rec, 0, 4);
    gr->addWidget(etiqueta(QStringLiteral("Grado:"), GdoRec), 1, 1);
    gr->addWidget(GdoRec, 1, 2, 1, 3);
    gr->setColumnStretch(2, 1);
    raiz->addWidget(grupoRec);

    auto *pie = new QHBoxLayout;
    pie->addStretch();
    auto *Btn_Siguiente = boton(QStringLiteral("Btn_Siguiente"), QStringLiteral("Siguiente"), QStyle::SP_ArrowForward);
    pie->addWidget(Btn_Siguiente);
    raiz->addLayout(pie);

    creaMenu(QStringLiteral("MenuVitae1"));
    entradaMenu(QStringLiteral("Borraantecedentesescolares1"), QStringLiteral("Borra antecedente escolar"),
                [this] { Borraantecedentesescolares1Click(); });

    // Antecedentes: los mismos campos que "otros estudios", con sus columnas de Escolar.
    m_escolares = {
        {Institucion, QStringLiteral("Nombre"), Clase::Texto},
        {Tipo, QStringLiteral("Tipo"), Clase::Opcion},
        {AnioIni, QStringLiteral("Fecha_ini"), Clase::Anio},
        {AnioFin, QStringLiteral("Fecha_fin"), Clase::Anio},
        {Carrera, QStringLiteral("Carrera"), Clase::Texto},
        {Promedio, QStringLiteral("Promedio"), Clase::Promedio},
        {Titulado, QStringLiteral("Titulado"), Clase::Titulado},
    };

    // Tras un rechazo de la base el foco va a Institucion, también en las listas.
    m_becas = new ListaRegistros(Becas,
                                 {QStringLiteral("Trabajo"), QStringLiteral("Tipo"), QStringLiteral("BEC"),
                                  {{InstBeca, QStringLiteral("Lugar"), Clase::Texto, true},
                                   {meses, QStringLiteral("Meses"), Clase::Entero, true},
                                   {GdoBeca, QStringLiteral("Grado"), Clase::Texto, true}},
                                  Institucion},
                                 Q_Aux, this);
    m_recon = new ListaRegistros(Recon,
                                 {QStringLiteral("Trabajo"), QStringLiteral("Tipo"), QStringLiteral("REC"),
                                  {{InstRec, QStringLiteral("Lugar"), Clase::Texto, true},
                                   {GdoRec, QStringLiteral("Grado"), Clase::Texto, true},
                                   {Fec_rec, QStringLiteral("Fecha_1"), Clase::Fecha, false, false, false}},
                                  Institucion},
                                 Q_Aux, this);
    entradaMenu(QStringLiteral("Borrabecasrecibida1"), QStringLiteral("Borra beca recibida"), [this] { m_becas->borra(); });
    entradaMenu(QStringLiteral("Borrareconocimientoacademico1"), QStringLiteral("Borra reconocimiento academico"),
                [this] { m_recon->borra(); });

    for (QWidget *w : {static_cast<QWidget *>(InstBeca), static_cast<QWidget *>(meses), static_cast<QWidget *>(GdoBeca),
                       static_cast<QWidget *>(InstRec), static_cast<QWidget *>(GdoRec)})
        w->setEnabled(false);

    alEvento(m_grados, &QButtonGroup::idClicked, [this] { GradosClick(m_grados->checkedId()); });
    alEntrar(Promedio, [this] { PromedioEnter(); });
    alSalir(Promedio, [this] { PromedioExit(); });
    alSalir(Fec_rec, [this] { Fec_recExit(); });
    alEvento(Btn_Siguiente, &QPushButton::clicked, [this] { Btn_SiguienteClick(); });

    // FormCreate
    progreso(0);
    m_nivel = 0;
    m_nivelGuardado = muestra_escolar(QStringLiteral("LIC"));
    m_becas->abre();
    m_recon->abre();
    progreso(100);
}

bool TW_Vitae1::muestra_escolar(const QString &nivel)
{
    Q_Escolares.parametro(QStringLiteral("p_Nivel"), nivel);
    Q_Escolares.abre();
    // Sin fila, cada campo se muestra desde un valor vacío: textos en blanco, Titulado marcado, "PRV".
    for (const CampoLista &c : m_escolares)
        CamposVitae::muestra(c, Q_Escolares.campo(c.columna));
    return !Q_Escolares.vacia();
}

CamposVitae::Paso TW_Vitae1::Guardar_antecedentes()
{
    QVariantHash p;
    bool convertible = true;
    for (const CampoLista &c : m_escolares) {
        const auto v = CamposVitae::valorConFoco(c);
        if (v.detenido())
            return CamposVitae::Paso::Detenido;   // un año que no es de cuatro dígitos
        convertible = convertible && v.valor.has_value();
        p.insert(c.columna.toLower(), v.valor.value_or(QVariant()));
    }
    const Nivel &n = kNiveles[m_nivel];
    p.insert(QStringLiteral("nivel"), QString::fromLatin1(n.codigo));
    try {
        // Un promedio en blanco no es un número: el grado no se guarda, sin mensaje.
        if (!convertible)
            throw ErrorBase(QStringLiteral("promedio no convertible"));
        if (m_nivelGuardado) {
            W_DM()->Q_Aux.ejecuta(QStringLiteral("Update Escolar Set Nombre=:nombre,Tipo=:tipo,Fecha_ini=:fecha_ini,"
                                                 "Fecha_fin=:fecha_fin,Carrera=:carrera,Promedio=:promedio,"
                                                 "Titulado=:titulado where Nivel=:nivel"),
                                  p);
        } else {
            p.insert(QStringLiteral("clave"), W_Inicial()->Siguiente_Clave(QStringLiteral("Escolar")).toLongLong());
            p.insert(QStringLiteral("secuencia"), n.secuencia);
            W_DM()->Q_Aux.ejecuta(QStringLiteral("Insert into Escolar Values(:clave,:nombre,:tipo,:fecha_ini,:fecha_fin,"
                                                 ":nivel,:promedio,:carrera,:titulado,:secuencia)"),
                                  p);
            m_nivelGuardado = true;
        }
    } catch (const ErrorBase &e) {
        avisaFallaExterna(e);
        Institucion->setFocus();
        return CamposVitae::Paso::Fallo;
    }
    return CamposVitae::Paso::Hecho;
}

void TW_Vitae1::GradosClick(int indice)
{
    if (indice < 0 || indice == m_nivel)
        return;
    if (Guardar_antecedentes() == CamposVitae::Paso::Detenido) {
        // El grado que se dejaba sigue en pantalla con lo escrito, para corregir el año.
        m_grados->button(m_nivel)->setChecked(true);
        return;
    }
    m_nivel = indice;
    m_nivelGuardado = muestra_escolar(QString::fromLatin1(kNiveles[m_nivel].codigo));
}

bool TW_Vitae1::esEscolar(const QString &control) const
{
    return std::any_of(m_escolares.begin(), m_escolares.end(),
                       [&control](const CampoLista &c) { return c.control->objectName() == control; });
}

bool TW_Vitae1::Ubica_Registro(const QString &control, const QString &registro)
{
    if (!esEscolar(control))
        return VentanaVitae::Ubica_Registro(control, registro);
    for (int i = 0; i < int(std::size(kNiveles)); ++i)
        if (registro == QLatin1String(kNiveles[i].codigo) && i != m_nivel) {
            // Como un clic en el grado: se guarda el que se deja.
            m_grados->button(i)->setChecked(true);
            GradosClick(i);
        }
    return Registro_Mostrado(control) == registro;
}

QString TW_Vitae1::Registro_Mostrado(const QString &control) const
{
    if (!esEscolar(control))
        return VentanaVitae::Registro_Mostrado(control);
    return QString::fromLatin1(kNiveles[m_nivel].codigo);
}

void TW_Vitae1::Borraantecedentesescolares1Click()
{
    const QString nivel = QString::fromLatin1(kNiveles[m_nivel].codigo);
    Q_Aux.ejecuta(QStringLiteral("delete from escolar where Nivel=:nivel"), {{QStringLiteral("nivel"), nivel}});
    m_nivelGuardado = muestra_escolar(nivel);
}

void TW_Vitae1::PromedioEnter()
{
    if (Promedio->texto().trimmed() == QStringLiteral("."))
        dialogos().recordatorio(QString::fromUtf8(kMensajePromedio), Promedio);
}

void TW_Vitae1::PromedioExit() { salidaPromedio(Promedio); }

void TW_Vitae1::Fec_recExit() { salidaFecha(Fec_rec); }

bool TW_Vitae1::Guarda()
{
    return guardaJunto([this] {
        progreso(0);
        if (Guardar_antecedentes() == CamposVitae::Paso::Detenido)
            return false;
        progreso(25);
        if (!m_becas->guardaActual())
            return false;
        progreso(75);
        if (!m_recon->guardaActual())
            return false;
        progreso(100);
        return true;
    });
}

void TW_Vitae1::Btn_SiguienteClick()
{
    if (Guarda())
        pasaA(QStringLiteral("W_Vitae2"));
}
