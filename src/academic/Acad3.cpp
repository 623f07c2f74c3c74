#include "academic/Acad3.h"
#include "platform/Errores.h"
#include "academic/Acad2.h"
#include "academic/Academicos.h"
#include "academic/GrupoRadio.h"
#include "platform/Dialogos.h"
#include "platform/Edits.h"
#include "shell/Fabrica.h"
#include "shell/U_Mod.h"
#include "shell/U_inicial.h"
#include "shell/Iconos.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

REGISTRA_VENTANA(TW_DatAcad3, "W_DatAcad3")

using namespace Academicos;

namespace {
constexpr int kClaves[] = {17, 7, 20, 21, 29, 1, 18, 9999};

QLineEdit *fija(const char *nombre, const QString &texto, QWidget *padre)
{
    auto *e = new EditMayusculas(padre);
    e->setObjectName(QLatin1String(nombre));
    e->setText(texto);
    e->setEnabled(false);
    return e;
}
} // namespace

const QStringList &TW_DatAcad3::monedas()
{
    static const QStringList m = {QStringLiteral("Dolar Americano"), QStringLiteral("Dolar Canadiense"),
                                  QStringLiteral("Franco Frances"),  QStringLiteral("Libra Esterlina"),
                                  QStringLiteral("Lira Italiana"),   QStringLiteral("Marco Aleman"),
                                  QStringLiteral("Peseta Española"), QStringLiteral("Euro")};
    return m;
}

int TW_DatAcad3::Moneda_Clave(int indice) { return indice >= 0 && indice < 8 ? kClaves[indice] : 0; }

void TW_DatAcad3::despliega_monedas(QComboBox *combo, qint64 clave)
{
    combo->setCurrentIndex(-1);
    for (int i = 0; i < 8; ++i)
        if (kClaves[i] == clave)
            combo->setCurrentIndex(i);
}

TW_DatAcad3::TW_DatAcad3() : VentanaAcad(QStringLiteral("W_DatAcad3"), QStringLiteral("Datos Académicos"))
{
    Nom_Institucion = new QLineEdit(this);
    Nom_Institucion->setObjectName(QStringLiteral("Nom_Institucion"));
    Nom_Institucion->setEnabled(false);
    Nom_Institucion->setMinimumWidth(380);

    const QStringList noSi = {QStringLiteral("No"), QStringLiteral("Sí")};
    RG_Man = new GrupoRadio(QStringLiteral("RG_Man"), QStringLiteral("Manutención:"), noSi, 2, this);
    RG_Col = new GrupoRadio(QStringLiteral("RG_Col"), QStringLiteral("Colegiatura"), noSi, 2, this);
    RG_Insc = new GrupoRadio(QStringLiteral("RG_Insc"), QStringLiteral("Inscripción"), noSi, 2, this);
    SM = new GrupoRadio(QStringLiteral("SM"), QString(), {QStringLiteral("No"), QStringLiteral("Si")}, 2, this);
    for (GrupoRadio *g : {RG_Man, RG_Col, RG_Insc, SM})
        g->ponIndiceSinAviso(0);

    FrecMan = fija("FrecMan", QStringLiteral("MENSUAL"), this);
    MonedaMan = new QLineEdit(QStringLiteral("Dolar Americano"), this);
    MonedaMan->setObjectName(QStringLiteral("MonedaMan"));
    MonedaMan->setEnabled(false);
    FrecCol = fija("FrecCol", QStringLiteral("ANUAL"), this);
    FrecInsc = fija("FrecInsc", QStringLiteral("ANUAL"), this);

    auto monto = [this](const char *nombre, const char *mascara, int largo) {
        auto *e = new EditMascara(QLatin1String(mascara), this);
        e->setObjectName(QLatin1String(nombre));
        e->setMaxLength(largo);
        e->setEnabled(false);
        return e;
    };
    MontoMan = monto("MontoMan", "!9999;1;_", 4);
    MontoCol = monto("MontoCol", "!9999999999;1;_", 10);
    MontoInsc = monto("MontoInsc", "!9999999999;1;_", 10);
    auto moneda = [this](const char *nombre) {
        auto *c = new QComboBox(this);
        c->setObjectName(QLatin1String(nombre));
        c->addItems(monedas());
        c->setCurrentIndex(-1);
        c->setEnabled(false);
        return c;
    };
    CB_MonCol = moneda("CB_MonCol");
    CB_MonInsc = moneda("CB_MonInsc");

    Btn_Guardar = new QPushButton(iconoDelTema(QStringLiteral("document-save")), QStringLiteral("Guardar"), this);
    Btn_Guardar->setObjectName(QStringLiteral("Btn_Guardar"));

    auto *principal = new QVBoxLayout(this);
    auto *ri = new QHBoxLayout;
    ri->addWidget(new QLabel(QStringLiteral("Institución:"), this));
    ri->addWidget(Nom_Institucion, 1);
    principal->addLayout(ri);
    auto panel = [this, principal](const char *nombre, GrupoRadio *rg, QWidget *frec, QWidget *mon, QWidget *mto) {
        auto *p = new QFrame(this);
        p->setObjectName(QLatin1String(nombre));
        p->setFrameShape(QFrame::StyledPanel);
        auto *r = new QGridLayout(p);
        r->addWidget(rg, 0, 0, 2, 1);
        r->addWidget(new QLabel(QStringLiteral("Periodo de Pago"), p), 0, 1);
        r->addWidget(new QLabel(QStringLiteral("Moneda de Pago"), p), 0, 2);
        r->addWidget(new QLabel(QStringLiteral("Monto Solicitado"), p), 0, 3);
        r->addWidget(frec, 1, 1);
        r->addWidget(mon, 1, 2);
        r->addWidget(mto, 1, 3);
        r->setColumnMinimumWidth(0, 150);
        r->setColumnStretch(2, 1);
        principal->addWidget(p);
    };
    panel("Panel1", RG_Man, FrecMan, MonedaMan, MontoMan);
    panel("Panel2", RG_Col, FrecCol, CB_MonCol, MontoCol);
    panel("Panel3", RG_Insc, FrecInsc, CB_MonInsc, MontoInsc);
    auto *rs = new QHBoxLayout;
    rs->addWidget(new QLabel(QStringLiteral("¿Desea el seguro médico que proporciona el TALVERO?"), this));
    rs->addWidget(SM);
    rs->addStretch(1);
    principal->addLayout(rs);
    auto *rb = new QHBoxLayout;
    rb->addStretch(1);
    rb->addWidget(Btn_Guardar);
    principal->addLayout(rb);

    alEvento(RG_Man, &GrupoRadio::cambio, [this] { RG_ManClick(); });
    alEvento(RG_Col, &GrupoRadio::cambio, [this] { RG_ColClick(); });
    alEvento(RG_Insc, &GrupoRadio::cambio, [this] { RG_InscClick(); });
    alEvento(Btn_Guardar, &QPushButton::clicked, [this] { Btn_GuardarClick(); });

    ejecuta([this] {
        progreso(0);
        // La institución es la que muestra la ventana de opciones.
        m_institucion = W_DM()->Q_Institucion.campo(QStringLiteral("Nombre")).texto();
        const qint64 conv = W_Inicial()->Consulta_Entero(QStringLiteral("Select Convocatoria From General"));
        if (conv == 6) {
            m_opcion = 1;
        } else {
            auto *opciones = qobject_cast<TW_DatAcad2 *>(W_Inicial()->Forma(QStringLiteral("W_DatAcad2")));
            const int elegida = opciones ? opciones->opcionSeleccionada() : 0;
            m_opcion = elegida > 0 ? elegida : Opcion_Actual;
        }
        if (!W_DM()->Q_Institucion.activa()) {
            // Abierta sin pasar por las opciones: la institución guardada de la opción.
            W_DM()->Q_Aux.abre(QStringLiteral("Select I.Nombre From Beca B,Institucion I Where B.Clave=:n And I.Clave=B.Escuela"),
                               {{QStringLiteral("n"), m_opcion}});
            m_institucion = W_DM()->Q_Aux.campo(0).texto();
        }
        Muestra_Montos(m_opcion);
        Nom_Institucion->setText(m_institucion);
        progreso(100);
    });
}

void TW_DatAcad3::Muestra_Montos(int n)
{
    auto &aux = W_DM()->Q_Aux;
    aux.abre(QStringLiteral("Select Total_man,Total_col,Total_Insc,Frecuencia_man,Frecuencia_col,Frecuencia_insc,"
                            "Moneda_man,Moneda_col,Moneda_insc,SM From Beca Where clave=:n"),
             {{QStringLiteral("n"), n}});
    const qint64 man = aux.campo(QStringLiteral("Total_man")).entero();
    const qint64 col = aux.campo(QStringLiteral("Total_col")).entero();
    const qint64 insc = aux.campo(QStringLiteral("Total_Insc")).entero();
    const qint64 monCol = aux.campo(QStringLiteral("Moneda_col")).entero();
    const qint64 monInsc = aux.campo(QStringLiteral("Moneda_insc")).entero();
    const QString sm = aux.campo(QStringLiteral("SM")).texto();
    if (man != 0) {
        MontoMan->ponTexto(QString::number(man));
        RG_Man->ponIndice(1);
    }
    if (col != 0) {
        MontoCol->ponTexto(QString::number(col));
        RG_Col->ponIndice(1);
        despliega_monedas(CB_MonCol, monCol);
    }
    if (insc != 0) {
        MontoInsc->ponTexto(QString::number(insc));
        RG_Insc->ponIndice(1);
        despliega_monedas(CB_MonInsc, monInsc);
    }
    SM->ponIndice(sm == QStringLiteral("S") ? 1 : 0);
}

void TW_DatAcad3::RG_ManClick()
{
    const bool si = RG_Man->indice() == 1;
    if (!si)
        MontoMan->clear();
    MontoMan->setEnabled(si);
}

void TW_DatAcad3::RG_ColClick()
{
    const bool si = RG_Col->indice() == 1;
    if (!si) {
        CB_MonCol->setCurrentIndex(-1);
        MontoCol->clear();
    }
    CB_MonCol->setEnabled(si);
    MontoCol->setEnabled(si);
}

void TW_DatAcad3::RG_InscClick()
{
    const bool si = RG_Insc->indice() == 1;
    if (!si) {
        CB_MonInsc->setCurrentIndex(-1);
        MontoInsc->clear();
    }
    CB_MonInsc->setEnabled(si);
    MontoInsc->setEnabled(si);
}

bool TW_DatAcad3::Guarda()
{
    // Un monto vacío vale 0; uno ilegible (un blanco en medio) no se guarda.
    auto monto = [](const EditMascara *e) -> std::optional<qint64> {
        const QString t = e->texto().trimmed();
        return t.isEmpty() ? std::optional<qint64>(0) : entero(t);
    };
    const auto man = monto(MontoMan), col = monto(MontoCol), insc = monto(MontoInsc);
    bool ok = man && col && insc;
    bool externa = false;
    if (ok) {
        try {
            W_DM()->Q_Aux.ejecuta(
                QStringLiteral("Update Beca Set Frecuencia_man=:FrecMan,Frecuencia_col=:FrecCol,Frecuencia_insc=:FrecInsc,"
                               "Moneda_man=17,Moneda_Col=:MonCol,Moneda_Insc=:MonInsc,Total_man=:Man,Total_col=:Col,"
                               "Total_Insc=:Insc,SM=:SM Where Clave=:n"),
                {{QStringLiteral("FrecMan"), FrecMan->text()},
                 {QStringLiteral("FrecCol"), FrecCol->text()},
                 {QStringLiteral("FrecInsc"), FrecInsc->text()},
                 {QStringLiteral("MonCol"), Moneda_Clave(CB_MonCol->currentIndex())},
                 {QStringLiteral("MonInsc"), Moneda_Clave(CB_MonInsc->currentIndex())},
                 {QStringLiteral("Man"), *man},
                 {QStringLiteral("Col"), *col},
                 {QStringLiteral("Insc"), *insc},
                 {QStringLiteral("SM"), SM->indice() == 1 ? QStringLiteral("S") : QStringLiteral("N")},
                 {QStringLiteral("n"), m_opcion}});
        } catch (const ErrorBase &e) {
            ok = false;
            externa = avisaFallaExterna(e);
        }
    }
    if (!ok) {
        if (!externa)
            dialogos().mensaje(QStringLiteral("No ha capturado la informacion de manera completa"), Dialogos::Icono::Pregunta);
        RG_Man->enfoca();
    }
    return ok;
}

void TW_DatAcad3::Btn_GuardarClick()
{
    if (!Guarda())
        return;
    W_Inicial()->Abre_Forma(QStringLiteral("W_DatAcad2"));
    // De vuelta en las opciones, se muestra la opción cuyos montos se guardaron.
    if (auto *opciones = qobject_cast<TW_DatAcad2 *>(W_Inicial()->Forma(QStringLiteral("W_DatAcad2"))))
        opciones->seleccionaOpcion(m_opcion - 1);
    cierraVentana();
}
