#include "academic/Acad4.h"
#include "academic/Academicos.h"
#include "platform/Edits.h"
#include "platform/Win1252.h"
#include "shell/Fabrica.h"
#include "shell/U_Mod.h"
#include "shell/Iconos.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

REGISTRA_VENTANA(TW_DatAcad4, "W_DatAcad4")

namespace {
QLabel *etiqueta(const char *nombre, const QString &texto, QWidget *padre)
{
    auto *l = new QLabel(texto, padre);
    l->setObjectName(QLatin1String(nombre));
    l->setWordWrap(true);
    return l;
}

EditMemo *caja(const char *nombre, QWidget *padre)
{
    auto *m = new EditMemo(padre);
    m->setObjectName(QLatin1String(nombre));
    m->setMinimumSize(640, 110);
    // Se piden dos cuartillas (unos 4,000 caracteres); el límite deja holgura y mantiene el
    // formato impreso en unas cuantas páginas.
    m->ponLargoMaximo(TW_DatAcad4::kLargoMotivo);
    return m;
}
} // namespace

QString TW_DatAcad4::transforma(const QString &texto)
{
    QString t = texto;
    const QString primera = t.section(u'\n', 0, 0);
    if (!primera.isEmpty())
        t.prepend(u'\n');
    return Win1252::mayusculas(t);
}

TW_DatAcad4::TW_DatAcad4() : VentanaAcad(QStringLiteral("W_DatAcad4"), QStringLiteral("Datos Académicos"))
{
    Label1 = etiqueta("Label1", QStringLiteral("A) Explique en un máximo de dos cuartillas, los motivos por los que desea realizar estudios "
                                               "de posgrado en el área y especialidad indicados. Especificando su experiencia académica y "
                                               "profesional y de investigación en dicha área."), this);
    DB_MotivosA = caja("DB_MotivosA", this);
    Label2 = etiqueta("Label2", QStringLiteral("B) Describa las razones por las que optó las instituciones donde realizará los estudios de "
                                               "posgrado. En caso de existir una institución mexicana que ofrezca planes de estudio "
                                               "similares a los que usted pretende, indique los motivos de su"), this);
    Label4 = etiqueta("Label4", QStringLiteral("preferencia para realizarlos en el extranjero"), this);
    DB_MotivosB = caja("DB_MotivosB", this);
    Label3 = etiqueta("Label3", QStringLiteral("C) Explique detalladamente, cuáles son sus planes de trabajo después de terminar sus "
                                               "estudios. De igual modo, explique la relevancia de realizar dichos estudios para el país:"), this);
    DB_MotivosC = caja("DB_MotivosC", this);
    Btn_Guardar = new QPushButton(iconoDelTema(QStringLiteral("document-save")), QStringLiteral("Guardar"), this);
    Btn_Guardar->setObjectName(QStringLiteral("Btn_Guardar"));

    auto *principal = new QVBoxLayout(this);
    principal->addWidget(Label1);
    principal->addWidget(DB_MotivosA);
    principal->addWidget(Label2);
    principal->setSpacing(4);
    principal->addWidget(Label4);
    principal->addWidget(DB_MotivosB);
    principal->addWidget(Label3);
    principal->addWidget(DB_MotivosC);
    auto *rb = new QHBoxLayout;
    rb->addStretch(1);
    rb->addWidget(Btn_Guardar);
    principal->addLayout(rb);

    for (EditMemo *m : {DB_MotivosA, DB_MotivosB, DB_MotivosC})
        alSalir(m, [this, m] { MotivoExit(m); });
    alEvento(Btn_Guardar, &QPushButton::clicked, [this] { Btn_GuardarClick(); });

    ejecuta([this] { FormShow(); });
    DB_MotivosA->setFocus();
    setFocusProxy(DB_MotivosA);
}

void TW_DatAcad4::FormShow()
{
    progreso(0);
    auto &aux = W_DM()->Q_Aux;
    aux.abre(QStringLiteral("Select Motivos_A,Motivos_B,Motivos_C From General"));
    const QString a = aux.campo(QStringLiteral("Motivos_A")).texto();
    const QString b = aux.campo(QStringLiteral("Motivos_B")).texto();
    const QString c = aux.campo(QStringLiteral("Motivos_C")).texto();
    DB_MotivosA->setPlainText(a);
    DB_MotivosB->setPlainText(b);
    DB_MotivosC->setPlainText(c);
    progreso(100);
}

// La fila se escribe entera, como la escribiría el cursor ligado a las tres cajas.
void TW_DatAcad4::escribe()
{
    W_DM()->Q_Aux.ejecuta(QStringLiteral("Update General Set Motivos_A=:a,Motivos_B=:b,Motivos_C=:c"),
                          {{QStringLiteral("a"), DB_MotivosA->toPlainText()},
                           {QStringLiteral("b"), DB_MotivosB->toPlainText()},
                           {QStringLiteral("c"), DB_MotivosC->toPlainText()}});
}

void TW_DatAcad4::MotivoExit(EditMemo *caja)
{
    if (m_cerrando)
        return;
    const QString t = caja->toPlainText();
    const QString nuevo = transforma(t);
    if (nuevo != t) {
        const QSignalBlocker b(caja);
        caja->setPlainText(nuevo);
    }
    escribe();
    progreso(0);
    progreso(100);
}

void TW_DatAcad4::Btn_GuardarClick()
{
    escribe();
    m_cerrando = true;
    cierraVentana();
    progreso(0);
}

void TW_DatAcad4::closeEvent(QCloseEvent *e)
{
    // Cerrar por otro medio no escribe nada por sí mismo.
    m_cerrando = true;
    VentanaAcad::closeEvent(e);
}
