#include "package/U_recupera.h"
#include "package/Paquete.h"
#include "platform/Consulta.h"
#include "platform/Dialogos.h"
#include "platform/Errores.h"
#include "platform/volumenes/Volumenes.h"
#include "shell/Fabrica.h"
#include "shell/U_inicial.h"
#include "shell/Ventana.h"

#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QPushButton *boton(const char *nombre, const QString &texto, QWidget *padre)
{
    auto *b = new QPushButton(texto, padre);
    b->setObjectName(QLatin1String(nombre));
    b->setAutoDefault(false);
    return b;
}
} // namespace

TW_Recupera::TW_Recupera(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("W_Recupera"));
    setWindowTitle(QStringLiteral("Recuperar la Solicitud de un Disco de Entrega"));
    setModal(true);
    resize(560, 380);

    etiqueta = new QLabel(QStringLiteral("&Drive de donde se Recuperará:"), this);
    etiqueta->setObjectName(QStringLiteral("etiqueta"));
    DriveComboBox1 = new QComboBox(this);
    DriveComboBox1->setObjectName(QStringLiteral("DriveComboBox1"));
    DriveComboBox1->setAccessibleName(QStringLiteral("Unidad de donde se recupera"));
    etiqueta->setBuddy(DriveComboBox1);
    for (const Volumenes::Unidad &u : volumenes().unidades())
        DriveComboBox1->addItem(u.texto(), QString(u.letra));
    // Como en la entrega: la primera unidad removible, si hay.
    for (const Volumenes::Unidad &u : volumenes().unidades())
        if (u.removible) {
            DriveComboBox1->setCurrentIndex(DriveComboBox1->findData(QString(u.letra)));
            break;
        }

    Btn_Verificar = boton("Btn_Verificar", QStringLiteral("&Verificar"), this);
    Btn_Recuperar = boton("Btn_Recuperar", QStringLiteral("&Recuperar"), this);
    Btn_Cerrar = boton("Btn_Cerrar", QStringLiteral("&Cerrar"), this);
    Btn_Verificar->setEnabled(DriveComboBox1->count() > 0);
    Btn_Verificar->setDefault(true);   // Intro en la lista de unidades verifica
    Btn_Recuperar->setEnabled(false);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setAccessibleName(QStringLiteral("Lo que se encontró en el disco"));
    Memo1->setPlaceholderText(QStringLiteral("Introduzca el disco de entrega, elija su unidad y oprima Verificar."));

    auto *raiz = new QVBoxLayout(this);
    auto *arriba = new QHBoxLayout;
    arriba->addWidget(etiqueta);
    arriba->addWidget(DriveComboBox1, 1);
    raiz->addLayout(arriba);
    raiz->addWidget(Memo1, 1);
    auto *botones = new QHBoxLayout;
    botones->addStretch(1);
    botones->addWidget(Btn_Verificar);
    botones->addWidget(Btn_Recuperar);
    botones->addWidget(Btn_Cerrar);
    raiz->addLayout(botones);
    setTabOrder(DriveComboBox1, Btn_Verificar);
    setTabOrder(Btn_Verificar, Btn_Recuperar);
    setTabOrder(Btn_Recuperar, Btn_Cerrar);
    setTabOrder(Btn_Cerrar, Memo1);

    connect(DriveComboBox1, &QComboBox::activated, this, [this](int i) { ejecutaProtegido([&] { DriveComboBox1Change(i); }); });
    connect(Btn_Verificar, &QPushButton::clicked, this, [this] { ejecutaProtegido([this] { Btn_VerificarClick(); }); });
    connect(Btn_Recuperar, &QPushButton::clicked, this, [this] { ejecutaProtegido([this] { Btn_RecuperarClick(); }); });
    connect(Btn_Cerrar, &QPushButton::clicked, this, &QDialog::reject);
}

TW_Recupera::~TW_Recupera() = default;

void TW_Recupera::Olvida()
{
    m_paquete.reset();
    Btn_Recuperar->setEnabled(false);
    Memo1->clear();
}

void TW_Recupera::DriveComboBox1Change(int) { Olvida(); }

void TW_Recupera::Btn_VerificarClick()
{
    Olvida();
    const QString letra = DriveComboBox1->currentData().toString();
    if (letra.isEmpty() || volumenes().espacioLibre(letra.at(0)) < 0) {
        dialogos().aviso(QStringLiteral("¡Debe introducir disco en la unidad!"));
        return;
    }
    Ventana::progreso(10);
    auto p = std::make_unique<Paquete>(volumenes().raiz(letra.at(0)));
    QStringList texto;
    if (!p->integro()) {
        Ventana::progreso(0);
        texto << QStringLiteral("El disco no tiene una entrega completa e intacta; no se puede recuperar de él:");
        for (const QString &problema : p->problemas())
            texto << QStringLiteral("  • ") + problema;
        Memo1->setPlainText(texto.join(u'\n'));
        return;
    }
    Ventana::progreso(50);
    Revision::Resultado r;
    QString convocatoria;
    {
        // La revisión corre sobre una copia temporal: la solicitud capturada no se toca.
        BaseDePaquete base(*p);
        r = Revision::revisa();
        Consulta q;
        q.abre(QStringLiteral("Select Descripcion From Convocatoria Where Clave=:c"), {{QStringLiteral("c"), p->convocatoria()}});
        convocatoria = q.campo(0).texto();
    }
    Ventana::progreso(0);
    texto << QStringLiteral("Solicitante: %1").arg(p->solicitante().isEmpty() ? QStringLiteral("(sin nombre)") : p->solicitante())
          << QStringLiteral("Convocatoria: %1").arg(convocatoria.isEmpty() ? QString::number(p->convocatoria())
                                                                             : QStringLiteral("%1 – %2").arg(p->convocatoria()).arg(convocatoria))
          << QStringLiteral("Fecha de los archivos: %1").arg(p->fecha().toString(QStringLiteral("dd/MM/yyyy hh:mm")))
          << QStringLiteral("Revisión: %1").arg(r.lineas.value(0));
    for (qsizetype i = 1; i < r.lineas.size(); ++i)
        texto << QStringLiteral("  • ") + r.lineas[i];
    texto << QString() << QStringLiteral("Oprima Recuperar para reemplazar con ella la solicitud de este equipo.");
    Memo1->setPlainText(texto.join(u'\n'));
    m_paquete = std::move(p);
    Btn_Recuperar->setEnabled(true);
    Btn_Recuperar->setFocus();
}

void TW_Recupera::Btn_RecuperarClick()
{
    if (!m_paquete)
        return;
    if (Paquete::haySolicitud() &&
        !dialogos().pregunta(QStringLiteral("Se reemplazará la solicitud capturada en este equipo por la de %1. "
                                            "Lo capturado ahora se perderá. ¿Desea continuar?")
                                 .arg(m_paquete->solicitante()),
                             Dialogos::Icono::Advertencia))
        return;
    // Las ventanas de captura abiertas guardarían sus datos viejos sobre los recuperados.
    if (W_Inicial())
        W_Inicial()->Cierra_Ventanas();
    m_paquete->restaura(true);
    dialogos().mensaje(QStringLiteral("Se recuperó la solicitud de %1.").arg(m_paquete->solicitante()), Dialogos::Icono::Informacion);
    accept();
    if (W_Inicial())
        W_Inicial()->Abre_Forma(QStringLiteral("W_Generales"));
}

REGISTRA_VENTANA(TW_Recupera, "W_Recupera")
