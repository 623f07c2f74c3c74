#include "admin/U_Admon.h"
#include "platform/Base.h"
#include "platform/Consulta.h"
#include "platform/Dialogos.h"
#include "platform/informe/Pintor.h"
#include "reports/Reportes.h"
#include "review/U_incon.h"
#include "shell/Fabrica.h"
#include "shell/U_Mod.h"
#include "shell/U_inicial.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMetaObject>
#include <QPushButton>
#include <QVBoxLayout>

#include <memory>

TW_Admon::Vista TW_Admon::Vista_Previa;

namespace {
const QString kMensajeBorrador = QStringLiteral("Debe corregir las inconsistencias, para poder generar las impresiones sin la leyenda de borrador");

QPushButton *boton(QWidget *padre, const QString &nombre, const QString &texto)
{
    auto *b = new QPushButton(texto, padre);
    b->setObjectName(nombre);
    b->setAutoDefault(false);
    b->setMinimumHeight(30);
    return b;
}
} // namespace

TW_Admon::TW_Admon() : Ventana(QStringLiteral("W_Admon"), QStringLiteral("Administracion"))
{
    centraEnMarco(true);
    auto *raiz = new QVBoxLayout(this);
    raiz->setSizeConstraint(QLayout::SetFixedSize);
    raiz->setContentsMargins(10, 10, 10, 10);
    raiz->setSpacing(10);

    // Impresión.
    GB_Impresion = new QGroupBox(QStringLiteral("Impresión"), this);
    GB_Impresion->setObjectName(QStringLiteral("GB_Impresion"));
    auto *imp = new QVBoxLayout(GB_Impresion);
    Label1 = new QLabel(QStringLiteral("Debe imprimir 3 formas para que integrantes  de la comunidad científica o profesional que lo "
                                       "conozcan lo evalúen. Deberá entregar las cartas en sobre cerrado a nombre de TALVERO"),
                        GB_Impresion);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Label1->setFixedWidth(380);
    QFont chica = Label1->font();
    chica.setPointSizeF(chica.pointSizeF() * 0.85);
    Label1->setFont(chica);
    imp->addWidget(Label1);
    btn_ImpForm = boton(GB_Impresion, QStringLiteral("btn_ImpForm"), QStringLiteral("Imprimir Formas"));
    Btn_ImpDatGral = boton(GB_Impresion, QStringLiteral("Btn_ImpDatGral"), QStringLiteral("Datos Generales"));
    btn_ImpCuVi = boton(GB_Impresion, QStringLiteral("btn_ImpCuVi"), QStringLiteral("Curriculum Vitae"));
    btn_ImpDatAca = boton(GB_Impresion, QStringLiteral("btn_ImpDatAca"), QStringLiteral("Datos Académicos"));
    Btn_Quiral = boton(GB_Impresion, QStringLiteral("Btn_Quiral"), QStringLiteral("Quiral"));
    // El formato del fideicomiso no se ofrece: nada muestra ni habilita este botón.
    Btn_Quiral->setEnabled(false);
    Btn_Quiral->hide();
    auto *rejilla = new QGridLayout;
    rejilla->setSpacing(8);
    rejilla->addWidget(btn_ImpForm, 0, 0);
    rejilla->addWidget(Btn_ImpDatGral, 0, 1);
    rejilla->addWidget(btn_ImpCuVi, 1, 0);
    rejilla->addWidget(btn_ImpDatAca, 1, 1);
    rejilla->addWidget(Btn_Quiral, 2, 0);
    imp->addLayout(rejilla);
    raiz->addWidget(GB_Impresion);

    // Herramientas auxiliares.
    GB_Herramientas = new QGroupBox(QStringLiteral("Herramientas Auxiliares"), this);
    GB_Herramientas->setObjectName(QStringLiteral("GB_Herramientas"));
    auto *her = new QVBoxLayout(GB_Herramientas);
    her->setSpacing(8);
    btn_IniSolicitud = boton(GB_Herramientas, QStringLiteral("btn_IniSolicitud"), QStringLiteral("Inicializa Solicitud"));
    btn_GenDisCON = boton(GB_Herramientas, QStringLiteral("btn_GenDisCON"), QStringLiteral("Generar Disco para TALVERO"));
    btn_Recuperar = boton(GB_Herramientas, QStringLiteral("btn_Recuperar"), QStringLiteral("Recuperar de Disco"));
    Btn_Salir = boton(GB_Herramientas, QStringLiteral("Btn_Salir"), QStringLiteral("Salir"));
    Btn_Salir->setIcon(QIcon(QStringLiteral(":/iconos/salir.png")));
    her->addWidget(btn_IniSolicitud);
    her->addWidget(btn_GenDisCON);
    her->addWidget(btn_Recuperar);
    auto *abajo = new QHBoxLayout;
    abajo->addStretch(1);
    abajo->addWidget(Btn_Salir);
    her->addLayout(abajo);
    raiz->addWidget(GB_Herramientas);

    alEvento(Btn_ImpDatGral, &QPushButton::clicked, [this] { Btn_ImpDatGralClick(); });
    alEvento(btn_ImpCuVi, &QPushButton::clicked, [this] { btn_ImpCuViClick(); });
    alEvento(btn_ImpDatAca, &QPushButton::clicked, [this] { btn_ImpDatAcaClick(); });
    alEvento(Btn_Quiral, &QPushButton::clicked, [this] { Btn_QuiralClick(); });
    alEvento(btn_ImpForm, &QPushButton::clicked, [this] { btn_ImpFormClick(); });
    alEvento(btn_IniSolicitud, &QPushButton::clicked, [this] { btn_IniSolicitudClick(); });
    alEvento(btn_GenDisCON, &QPushButton::clicked, [this] { btn_GenDisCONClick(); });
    alEvento(btn_Recuperar, &QPushButton::clicked, [this] { btn_RecuperarClick(); });
    alEvento(Btn_Salir, &QPushButton::clicked, [this] { Btn_SalirClick(); });
}

// --- Operaciones ---------------------------------------------------------------------------

void TW_Admon::Cierra(const QString &caracter)
{
    W_DM()->Q_Aux.ejecuta(QStringLiteral("Update General Set Cerrar=:cerrar"), {{QStringLiteral("cerrar"), caracter}});
}

void TW_Admon::Borra(const QString &sentencia) { W_DM()->Q_Aux.ejecuta(sentencia); }

bool TW_Admon::Borra_Tablas()
{
    // Todo o nada: una solicitud a medio borrar (sin Persona pero con General, por ejemplo)
    // no serviría ni para seguir ni para empezar de nuevo.
    try {
        Base::Transaccion t;
        for (const char *tabla : {"Beca", "Domicilio", "Escolar", "Trabajo", "General", "Persona"})
            Borra(QStringLiteral("Delete From ") + QLatin1String(tabla));
        t.confirma();
        return true;
    } catch (const ErrorBase &) {
        return false;
    }
}

bool TW_Admon::Revisa()
{
    // Sin la ventana de revisión no hay veredicto: se imprime como borrador y no hay disco.
    TW_Incon *incon = W_Incon();
    return incon && incon->Revisa_Inconsistencias();
}

bool TW_Admon::Sigue_Hallazgo()
{
    TW_Incon *incon = W_Incon();
    const auto lugar = incon ? incon->Lugar_Elegido() : std::nullopt;
    if (!lugar)
        return false;
    if (W_Inicial())
        W_Inicial()->Ve_A(lugar->ventana, lugar->control, lugar->registro);
    return true;
}

void TW_Admon::Muestra(const QString &reporte, const Informe::Documento &documento)
{
    if (Vista_Previa)
        Vista_Previa(reporte, documento, this);
    else
        Informe::previsualiza(documento, this);
}

void TW_Admon::Imprime_Con_Revision(const QString &reporte, int inicial)
{
    const bool generales = inicial == 0;
    progreso(inicial);
    const bool limpia = Revisa();
    // Quien siguió un renglón del reporte va a corregir: no se imprime ahora.
    const bool corrige = W_Incon() && W_Incon()->Lugar_Elegido();
    if (limpia) {
        if (!generales)
            progreso(30);
        Cierra(QStringLiteral("S"));
        if (!generales)
            progreso(50);
    } else {
        if (!corrige)
            dialogos().aviso(kMensajeBorrador);
        Cierra(QStringLiteral("N"));
    }
    if (corrige) {
        progreso(0);
        Sigue_Hallazgo();
        return;
    }
    progreso(30);
    // Crear el reporte abre sus consultas y lo arma (la leyenda ya lee el veredicto). Un
    // reporte que el programa no trae no se muestra.
    const std::optional<Informe::Documento> documento = Reportes::construye(reporte);
    // Los demás reportes muestran su vista previa al crearse; el de datos generales, después.
    if (documento && !generales)
        Muestra(reporte, *documento);
    progreso(0);
    if (documento && generales)
        Muestra(reporte, *documento);
    if (!generales)
        progreso(100);
}

void TW_Admon::Btn_ImpDatGralClick() { Imprime_Con_Revision(QStringLiteral("generales"), 0); }
void TW_Admon::btn_ImpCuViClick() { Imprime_Con_Revision(QStringLiteral("curriculum"), 10); }
void TW_Admon::btn_ImpDatAcaClick() { Imprime_Con_Revision(QStringLiteral("academicos"), 10); }
void TW_Admon::Btn_QuiralClick() { Imprime_Con_Revision(QStringLiteral("quiral"), 10); }

void TW_Admon::btn_ImpFormClick()
{
    if (const auto documento = Reportes::construye(QStringLiteral("formas")))
        Muestra(QStringLiteral("formas"), *documento);
}

void TW_Admon::btn_IniSolicitudClick()
{
    progreso(40);
    if (!dialogos().pregunta(QStringLiteral("Perderá todos los datos y se cerrará la aplicación"), Dialogos::Icono::Advertencia)) {
        progreso(100);
        return;
    }
    if (Borra_Tablas()) {
        if (W_Inicial())
            W_Inicial()->close();
    } else {
        dialogos().mensaje(QStringLiteral("No se pudo reinicializar la solicitud"), Dialogos::Icono::Error);
    }
    progreso(80);
    progreso(100);
}

bool TW_Admon::Muestra_Entrega()
{
    // La ventana de entrega se crea oculta al arrancar; se enseña por su nombre.
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == u"W_GenDsk" && w->metaObject()->indexOfMethod("Muestra()") >= 0)
            return QMetaObject::invokeMethod(w, "Muestra", Qt::DirectConnection);
    return false;
}

void TW_Admon::btn_GenDisCONClick()
{
    if (W_Inicial())
        W_Inicial()->Cierra_Ventanas();
    progreso(50);
    const bool limpia = Revisa();
    // Quien siguió un renglón va a corregir: ni disco ni aviso.
    if (Sigue_Hallazgo())
        ;
    else if (limpia)
        Muestra_Entrega();
    else
        dialogos().aviso(QStringLiteral("Debe corregir las inconsistencias, para poder generar el disco"));
    progreso(100);
}

void TW_Admon::btn_RecuperarClick()
{
    // La recuperación es de otro subsistema: se crea por su nombre y se muestra modal.
    const std::unique_ptr<QWidget> w(Fabrica::crea(QStringLiteral("W_Recupera")));
    if (auto *d = qobject_cast<QDialog *>(w.get()))
        d->exec();
}

void TW_Admon::Btn_SalirClick() { cierraVentana(); }

REGISTRA_VENTANA(TW_Admon, "W_Admon")
