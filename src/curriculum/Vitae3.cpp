#include "curriculum/Vitae3.h"
#include "shell/Teclado.h"
#include "platform/Errores.h"
#include "platform/Dialogos.h"
#include "platform/Edits.h"
#include "shell/Fabrica.h"
#include "shell/U_Mod.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QVBoxLayout>

REGISTRA_VENTANA(TW_Vitae3, "W_Vitae3")

using CamposVitae::Clase;

TW_Vitae3::TW_Vitae3()
    : VentanaVitae(QStringLiteral("W_Vitae3"), true),
      Q_SNI(QStringLiteral("Select FechaIni_Sni,FechaFin_Sni,Expediente_Sni\nFrom General"))
{
    auto *raiz = new QGridLayout(this);

    // --- Experiencia profesional ---
    auto *grupoLab = new QGroupBox(QStringLiteral("Experiencia profesional  "), this);
    auto *gl = new QGridLayout(grupoLab);
    QSpinBox *Laboral = selector(QStringLiteral("Laboral"), 20);
    EditMayusculas *Instlaboral = texto(QStringLiteral("Instlaboral"));
    EditMayusculas *Puestolaboral = texto(QStringLiteral("Puestolaboral"));
    EditMascara *FecLab_Ini = mascara(QStringLiteral("FecLab_Ini"), EditMascara::kFecha);
    EditMascara *FecLab_Fin = mascara(QStringLiteral("FecLab_Fin"), EditMascara::kFecha);
    gl->addWidget(Laboral, 0, 0, 2, 1, Qt::AlignTop);
    gl->addWidget(etiqueta(QStringLiteral("Institución"), Instlaboral), 0, 1);
    gl->addWidget(Instlaboral, 0, 2);
    gl->addWidget(etiqueta(QStringLiteral("De:"), FecLab_Ini), 0, 3, Qt::AlignRight);
    gl->addWidget(FecLab_Ini, 0, 4);
    gl->addWidget(etiqueta(QStringLiteral("Puesto"), Puestolaboral), 1, 1);
    gl->addWidget(Puestolaboral, 1, 2);
    gl->addWidget(etiqueta(QStringLiteral("A:"), FecLab_Fin), 1, 3, Qt::AlignRight);
    gl->addWidget(FecLab_Fin, 1, 4);
    gl->setColumnStretch(2, 1);
    raiz->addWidget(grupoLab, 0, 0, 1, 2);

    // --- Asociaciones ---
    auto *grupoAso = new QGroupBox(QStringLiteral("Asociaciones o sociedades academicas o profesionales a que pertenece"), this);
    auto *ga = new QGridLayout(grupoAso);
    QSpinBox *Asociaciones = selector(QStringLiteral("Asociaciones"), 20);
    EditMayusculas *NomAsociasion = texto(QStringLiteral("NomAsociasion"));
    ga->addWidget(Asociaciones, 0, 0);
    ga->addWidget(etiqueta(QStringLiteral("Nombre:"), NomAsociasion), 0, 1);
    ga->addWidget(NomAsociasion, 0, 2);
    ga->setColumnStretch(2, 1);
    raiz->addWidget(grupoAso, 1, 0, 1, 2);

    // --- Idiomas ---
    auto *grupoIdi = new QGroupBox(QStringLiteral("Conocimiento de idiomas distinto al español"), this);
    auto *gi = new QGridLayout(grupoIdi);
    QSpinBox *Idiomas = selector(QStringLiteral("Idiomas"), 20);
    EditMayusculas *NomIdioma = texto(QStringLiteral("NomIdioma"));
    EditMascara *Escritura = mascara(QStringLiteral("Escritura"), "!999;1;_");
    EditMascara *Lectura = mascara(QStringLiteral("Lectura"), "!999;1;_");
    EditMascara *Comprension = mascara(QStringLiteral("Comprension"), "!999;1;_");
    gi->addWidget(Idiomas, 0, 0, 2, 1, Qt::AlignTop);
    gi->addWidget(etiqueta(QStringLiteral("Idioma:"), NomIdioma), 0, 1);
    gi->addWidget(NomIdioma, 0, 2, 1, 7);
    int col = 1;
    for (auto [t, e] : {std::pair{"Escritura:", Escritura}, std::pair{"Lectura:", Lectura}, std::pair{"Comprensión:", Comprension}}) {
        gi->addWidget(etiqueta(QString::fromUtf8(t), e), 1, col++);
        gi->addWidget(e, 1, col++);
        gi->addWidget(new QLabel(QStringLiteral("%")), 1, col++);
    }
    gi->setColumnStretch(9, 1);
    raiz->addWidget(grupoIdi, 2, 0);

    // --- SNI ---
    auto *grupoSni = new QGroupBox(this);
    auto *gn = new QGridLayout(grupoSni);
    SNI = new QCheckBox(QStringLiteral("¿Es o ha sido miembro del SNI?"), grupoSni);
    SNI->setObjectName(QStringLiteral("SNI"));
    Fecini_sni = mascara(QStringLiteral("Fecini_sni"), EditMascara::kFecha);
    fecfin_sni = mascara(QStringLiteral("fecfin_sni"), EditMascara::kFecha);
    ExpSni = mascara(QStringLiteral("ExpSni"), "!999999;1;_");
    gn->addWidget(SNI, 0, 0, 1, 4);
    gn->addWidget(etiqueta(QStringLiteral("De:"), Fecini_sni), 1, 0);
    gn->addWidget(Fecini_sni, 1, 1);
    gn->addWidget(etiqueta(QStringLiteral("A:"), fecfin_sni), 1, 2);
    gn->addWidget(fecfin_sni, 1, 3);
    gn->addWidget(etiqueta(QStringLiteral("Núm. Expediente"), ExpSni), 2, 0, 1, 2);
    gn->addWidget(ExpSni, 2, 2, 1, 2);
    raiz->addWidget(grupoSni, 2, 1);

    // --- Otros estudios ---
    auto *grupoOtr = new QGroupBox(QStringLiteral("Otros estudios"), this);
    auto *go = new QGridLayout(grupoOtr);
    QSpinBox *OtrasEst = selector(QStringLiteral("OtrasEst"), 20);
    EditMayusculas *Institucion = texto(QStringLiteral("Institucion"));
    QComboBox *Tipo = opciones(QStringLiteral("Tipo"), {QStringLiteral("PUB"), QStringLiteral("PRV")});
    Tipo->setCurrentIndex(-1);
    auto *anios = new QGroupBox(QStringLiteral("Años"), grupoOtr);
    EditMascara *AnioIni = mascara(QStringLiteral("AnioIni"), "!9999;1;_");
    EditMascara *AnioFin = mascara(QStringLiteral("AnioFin"), "!9999;1;_");
    auto *gy = new QHBoxLayout(anios);
    gy->addWidget(etiqueta(QStringLiteral("De:"), AnioIni));
    gy->addWidget(AnioIni);
    gy->addWidget(etiqueta(QStringLiteral("A: "), AnioFin));
    gy->addWidget(AnioFin);
    gy->addStretch();
    EditMayusculas *Carrera = texto(QStringLiteral("Carrera"));
    EditMascara *Promedio = mascara(QStringLiteral("Promedio"), "!99.99;1;_");
    auto *Titulado = new QCheckBox(QStringLiteral("Titulado"), grupoOtr);
    Titulado->setObjectName(QStringLiteral("Titulado"));
    Titulado->setVisible(false);   // nunca se muestra: las filas nuevas quedan 'N'
    go->addWidget(OtrasEst, 0, 0, 3, 1, Qt::AlignTop);
    go->addWidget(etiqueta(QStringLiteral("Institución"), Institucion), 0, 1);
    go->addWidget(Institucion, 0, 2);
    go->addWidget(etiqueta(QStringLiteral("Tipo"), Tipo), 0, 3);
    go->addWidget(Tipo, 0, 4);
    go->addWidget(anios, 1, 1, 1, 2);
    go->addWidget(etiqueta(QStringLiteral("Nombre de la Carrera"), Carrera), 2, 1);
    go->addWidget(Carrera, 2, 2, 1, 3);
    auto *gpro = new QHBoxLayout;
    gpro->addWidget(etiqueta(QStringLiteral("Promedio (Número)"), Promedio));
    gpro->addWidget(Promedio);
    gpro->addStretch();
    go->addLayout(gpro, 3, 1, 1, 4);
    go->setColumnStretch(2, 1);
    raiz->addWidget(grupoOtr, 3, 0, 1, 2);

    auto *pie = new QHBoxLayout;
    auto *Btn_Guardar = boton(QStringLiteral("Btn_Guardar"), QStringLiteral("Guardar"), QStyle::SP_DialogSaveButton);
    auto *Btn_Anterior = boton(QStringLiteral("Btn_Anterior"), QStringLiteral("Anterior"), QStyle::SP_ArrowBack);
    pie->addWidget(Btn_Anterior);
    pie->addStretch();
    pie->addWidget(Btn_Guardar);
    raiz->addLayout(pie, 4, 0, 1, 2);
    Teclado::ordenFijo(this, {Btn_Guardar, Btn_Anterior});   // el diseño pone Guardar antes que Anterior

    const auto fecha = [](EditMascara *f, const char *columna) {
        return CamposVitae::CampoLista{f, QString::fromLatin1(columna), Clase::Fecha, false, false, true};
    };
    m_lab = new ListaRegistros(Laboral,
                               {QStringLiteral("Trabajo"), QStringLiteral("Tipo"), QStringLiteral("TRA"),
                                {{Instlaboral, QStringLiteral("Lugar"), Clase::Texto, true},
                                 {Puestolaboral, QStringLiteral("Puesto"), Clase::Texto, true},
                                 fecha(FecLab_Ini, "Fecha_1"),
                                 fecha(FecLab_Fin, "Fecha_2")},
                                Instlaboral},
                               Q_Aux, this);
    m_aso = new ListaRegistros(Asociaciones,
                               {QStringLiteral("Trabajo"), QStringLiteral("Tipo"), QStringLiteral("ASO"),
                                {{NomAsociasion, QStringLiteral("Lugar"), Clase::Texto, true}},
                                NomAsociasion},
                               Q_Aux, this);
    // Los porcentajes se guardan como texto recortado de hasta tres dígitos.
    m_idi = new ListaRegistros(Idiomas,
                               {QStringLiteral("Trabajo"), QStringLiteral("Tipo"), QStringLiteral("IDI"),
                                {{NomIdioma, QStringLiteral("Titulo"), Clase::Recortado, true},
                                 {Escritura, QStringLiteral("Escritura"), Clase::Recortado, true},
                                 {Lectura, QStringLiteral("Lectura"), Clase::Recortado, true},
                                 {Comprension, QStringLiteral("Comprension"), Clase::Recortado, true}},
                                NomIdioma},
                               Q_Aux, this);
    // Otros estudios viven en Escolar, nivel OTR; su actualización conserva el número.
    m_otr = new ListaRegistros(OtrasEst,
                               {QStringLiteral("Escolar"), QStringLiteral("Nivel"), QStringLiteral("OTR"),
                                {{Institucion, QStringLiteral("Nombre"), Clase::Recortado, true},
                                 {Tipo, QStringLiteral("Tipo"), Clase::Opcion},
                                 {AnioIni, QStringLiteral("Fecha_ini"), Clase::Anio, true},
                                 {AnioFin, QStringLiteral("Fecha_fin"), Clase::Anio, true},
                                 {Carrera, QStringLiteral("Carrera"), Clase::Texto, true},
                                 {Promedio, QStringLiteral("Promedio"), Clase::Promedio, true},
                                 {Titulado, QStringLiteral("Titulado"), Clase::Titulado}},
                                Institucion, false},
                               Q_Aux, this);

    creaMenu(QStringLiteral("MenuVitae3"));
    entradaMenu(QStringLiteral("Borraexperenciaprofesional1"), QStringLiteral("Borra experencia profesional"), [this] { m_lab->borra(); });
    entradaMenu(QStringLiteral("Borraasociacion1"), QStringLiteral("Borra asociacion"), [this] { m_aso->borra(); });
    entradaMenu(QStringLiteral("Borraidioma1"), QStringLiteral("Borra idioma"), [this] { m_idi->borra(); });
    entradaMenu(QStringLiteral("Borraotrosestudios1"), QStringLiteral("Borra otro estudio"), [this] { m_otr->borra(); });

    for (QWidget *w : std::initializer_list<QWidget *>{Instlaboral, Puestolaboral, NomAsociasion, NomIdioma, Escritura, Lectura,
                                                       Comprension, ExpSni, Institucion, Tipo, AnioIni, AnioFin, Carrera, Promedio, Titulado})
        w->setEnabled(false);

    for (EditMascara *f : {FecLab_Ini, FecLab_Fin, Fecini_sni, fecfin_sni})
        alSalir(f, [this, f] { salidaFecha(f); });
    alSalir(Promedio, [this, Promedio] { salidaPromedio(Promedio); });
    alEvento(SNI, &QCheckBox::toggled, [this] { SNIClick(); });
    alEvento(Btn_Guardar, &QPushButton::clicked, [this] { Btn_GuardarClick(); });
    alEvento(Btn_Anterior, &QPushButton::clicked, [this] { Btn_AnteriorClick(); });

    // FormCreate
    m_lab->abre();
    m_aso->abre();
    m_idi->abre();
    m_otr->abre();
    muestra_Sni();
}

void TW_Vitae3::Habilita_Campos_Sni(bool si)
{
    for (QWidget *w : std::initializer_list<QWidget *>{Fecini_sni, fecfin_sni, ExpSni})
        w->setEnabled(si);
}

void TW_Vitae3::muestra_Sni()
{
    Q_SNI.abre();
    const QString expediente = Q_SNI.campo(QStringLiteral("Expediente_Sni")).texto().trimmed();
    const bool miembro = !expediente.isEmpty() && expediente != QStringLiteral("0");
    SNI->setChecked(miembro);   // corre SNIClick si cambia
    Habilita_Campos_Sni(miembro);
    if (miembro)
        ExpSni->ponTexto(expediente);
    const QString ini = Q_SNI.campo(QStringLiteral("FechaIni_Sni")).texto();
    const QString fin = Q_SNI.campo(QStringLiteral("FechaFin_Sni")).texto();
    if (!ini.isEmpty())
        Fecini_sni->ponTexto(ini);
    if (!fin.isEmpty())
        fecfin_sni->ponTexto(fin);
}

void TW_Vitae3::SNIClick()
{
    if (!SNI->isChecked())
        ExpSni->clear();   // las fechas conservan su texto
    Habilita_Campos_Sni(SNI->isChecked());
}

bool TW_Vitae3::Valida_Sni() const
{
    // El texto sin recortar: un número en blanco cuenta como capturado (y se guarda 0).
    return !SNI->isChecked() || !ExpSni->texto().isEmpty();
}

CamposVitae::Paso TW_Vitae3::Guardar_Sni()
{
    using CamposVitae::Paso;
    if (!Valida_Sni())
        return Paso::Fallo;
    // Miembro sin número de expediente: guardarlo como 0 lo dejaría como no miembro sin decir
    // nada. Se avisa y el guardado se detiene con lo escrito.
    if (SNI->isChecked() && ExpSni->texto().trimmed().isEmpty()) {
        dialogos().mensaje(QStringLiteral("No ha capturado la informacion de manera completa"), Dialogos::Icono::Pregunta);
        ExpSni->setFocus();
        return Paso::Detenido;
    }
    QVariant fechas[2];
    EditMascara *campos[2] = {Fecini_sni, fecfin_sni};
    for (int i = 0; i < 2; ++i) {
        const auto t = CamposVitae::fechaReal(campos[i]->texto());
        if (t.detenido()) {
            dialogos().aviso(t.aviso);
            campos[i]->setFocus();
            return Paso::Detenido;
        }
        fechas[i] = t.valor ? QVariant(*t.valor) : QVariant();   // en blanco: nula
    }
    const QVariant &ini = fechas[0], &fin = fechas[1];
    const QString numero = ExpSni->texto().trimmed();
    bool ok = true;
    const qint64 expediente = numero.isEmpty() ? 0 : numero.toLongLong(&ok);
    try {
        if (!ok)
            throw ErrorBase(QStringLiteral("expediente no convertible"));
        W_DM()->Q_Aux.ejecuta(QStringLiteral("Update General Set Expediente_Sni=:expediente,FechaIni_Sni=:ini,FechaFin_Sni=:fin"),
                              {{QStringLiteral("expediente"), expediente},
                               {QStringLiteral("ini"), ini},
                               {QStringLiteral("fin"), fin}});
    } catch (const ErrorBase &e) {
        if (!avisaFallaExterna(e))
            dialogos().mensaje(QStringLiteral("No ha capturado la informacion de manera completa"), Dialogos::Icono::Pregunta);
        (ExpSni->isEnabled() ? static_cast<QWidget *>(ExpSni) : SNI)->setFocus();
        return Paso::Fallo;
    }
    return Paso::Hecho;
}

bool TW_Vitae3::Guarda()
{
    return guardaJunto([this] {
        progreso(0);
        if (!m_lab->guardaActual())
            return false;
        progreso(25);
        if (!m_aso->guardaActual())
            return false;
        progreso(50);
        if (!m_idi->guardaActual())
            return false;
        progreso(75);
        if (!m_otr->guardaActual())
            return false;
        progreso(85);
        if (Guardar_Sni() == CamposVitae::Paso::Detenido)
            return false;
        progreso(100);
        return true;
    });
}

void TW_Vitae3::Btn_GuardarClick()
{
    if (Guarda())
        cierraVentana();
}

void TW_Vitae3::Btn_AnteriorClick()
{
    if (Guarda())
        pasaA(QStringLiteral("W_Vitae2"));
}
