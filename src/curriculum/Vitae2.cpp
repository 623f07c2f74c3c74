#include "curriculum/Vitae2.h"
#include "shell/Teclado.h"
#include "platform/Edits.h"
#include "shell/Fabrica.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QVBoxLayout>

REGISTRA_VENTANA(TW_Vitae2, "W_Vitae2")

using CamposVitae::Clase;

TW_Vitae2::TW_Vitae2() : VentanaVitae(QStringLiteral("W_Vitae2"), false)
{
    auto *raiz = new QVBoxLayout(this);

    // --- Publicaciones ---
    auto *grupoPub = new QGroupBox(QStringLiteral("Enliste sus publicaciones"), this);
    auto *gp = new QGridLayout(grupoPub);
    QSpinBox *Pub = selector(QStringLiteral("Pub"), 50);
    QComboBox *CB_TipoPub = opciones(QStringLiteral("CB_TipoPub"),
                                     {QStringLiteral("LIBRO"), QStringLiteral("ARTICULO"), QStringLiteral("CAPITULO")});
    EditMayusculas *Autor = texto(QStringLiteral("Autor"));
    EditMayusculas *TituloPub = texto(QStringLiteral("TituloPub"));
    EditMascara *FechaPub = mascara(QStringLiteral("FechaPub"), EditMascara::kFecha);
    EditMayusculas *PaisPub = texto(QStringLiteral("PaisPub"));
    EditMayusculas *Editorial = texto(QStringLiteral("Editorial"));
    gp->addWidget(Pub, 0, 0, 3, 1, Qt::AlignTop);
    gp->addWidget(etiqueta(QStringLiteral("Tipo de publicación"), CB_TipoPub), 0, 1);
    gp->addWidget(CB_TipoPub, 0, 2);
    gp->addWidget(etiqueta(QStringLiteral("Autores:"), Autor), 1, 1);
    gp->addWidget(Autor, 1, 2, 1, 3);
    gp->addWidget(etiqueta(QStringLiteral("Titulo"), TituloPub), 2, 1);
    gp->addWidget(TituloPub, 2, 2, 1, 3);
    gp->addWidget(etiqueta(QStringLiteral("Fecha"), FechaPub), 0, 3, Qt::AlignRight);
    gp->addWidget(FechaPub, 0, 4);
    gp->addWidget(etiqueta(QStringLiteral("País:"), PaisPub), 3, 1);
    gp->addWidget(PaisPub, 3, 2);
    gp->addWidget(etiqueta(QStringLiteral("Editorial:"), Editorial), 3, 3, Qt::AlignRight);
    gp->addWidget(Editorial, 3, 4);
    gp->setColumnStretch(2, 1);
    gp->setColumnStretch(4, 1);
    raiz->addWidget(grupoPub);
    // El orden del diseño: la fecha, que está arriba a la derecha, después del título.
    Teclado::ordenFijo(this, {Pub, CB_TipoPub, Autor, TituloPub, FechaPub, PaisPub, Editorial});

    // --- Trabajos en congresos y tesis dirigidas: la misma forma, selector, texto largo arriba
    // y abajo un texto corto con su fecha ---
    const auto grupoDeDos = [&](const QString &titulo, QSpinBox *sel, const QString &etiquetaLarga, EditMayusculas *largo,
                                const QString &etiquetaCorta, EditMayusculas *corto, EditMascara *fecha) {
        auto *grupo = new QGroupBox(titulo, this);
        auto *g = new QGridLayout(grupo);
        g->addWidget(sel, 0, 0, 2, 1, Qt::AlignTop);
        g->addWidget(etiqueta(etiquetaLarga, largo), 0, 1);
        g->addWidget(largo, 0, 2, 1, 3);
        g->addWidget(etiqueta(etiquetaCorta, corto), 1, 1);
        g->addWidget(corto, 1, 2);
        g->addWidget(etiqueta(QStringLiteral("Fecha:"), fecha), 1, 3, Qt::AlignRight);
        g->addWidget(fecha, 1, 4);
        g->setColumnStretch(2, 1);
        raiz->addWidget(grupo);
    };
    QSpinBox *Trab = selector(QStringLiteral("Trab"), 50);
    EditMayusculas *Trabajo = texto(QStringLiteral("Trabajo"));
    EditMayusculas *Lugar = texto(QStringLiteral("Lugar"));
    EditMascara *FechaCong = mascara(QStringLiteral("FechaCong"), EditMascara::kFecha);
    grupoDeDos(QStringLiteral("Enliste sus trabajos presentados en congresos nacionales e internacionales"), Trab,
               QStringLiteral("Trabajo:"), Trabajo, QStringLiteral("Lugar:"), Lugar, FechaCong);
    QSpinBox *Tesis = selector(QStringLiteral("Tesis"), 50);
    EditMayusculas *Titulo = texto(QStringLiteral("Titulo"));
    EditMayusculas *Nivel = texto(QStringLiteral("Nivel"));
    EditMascara *FechaTes = mascara(QStringLiteral("FechaTes"), EditMascara::kFecha);
    grupoDeDos(QStringLiteral("Enliste las tesis dirigidas o en proceso señalando nivel y posible fecha de termino"), Tesis,
               QStringLiteral("Título:"), Titulo, QStringLiteral("Nivel:"), Nivel, FechaTes);

    auto *pie = new QHBoxLayout;
    auto *Btn_Anterior = boton(QStringLiteral("Btn_Anterior"), QStringLiteral("Anterior"), QStyle::SP_ArrowBack);
    auto *Btn_Siguiente = boton(QStringLiteral("Btn_Siguiente"), QStringLiteral("Siguiente"), QStyle::SP_ArrowForward);
    pie->addWidget(Btn_Anterior);
    pie->addStretch();
    pie->addWidget(Btn_Siguiente);
    raiz->addLayout(pie);

    // Las fechas se muestran siempre: la guardada o, si no hay, la de hoy; limpiar no las toca.
    const auto fecha = [](EditMascara *f) {
        return CamposVitae::CampoLista{f, QStringLiteral("Fecha_1"), Clase::Fecha, false, false, true};
    };
    m_pub = new ListaRegistros(Pub,
                               {QStringLiteral("Trabajo"), QStringLiteral("Tipo"), QStringLiteral("PUB"),
                                {{CB_TipoPub, QStringLiteral("Grado"), Clase::Opcion, true},
                                 {Autor, QStringLiteral("Autores"), Clase::Texto, true},
                                 {TituloPub, QStringLiteral("Titulo"), Clase::Texto, true},
                                 fecha(FechaPub),
                                 {PaisPub, QStringLiteral("Pais"), Clase::Texto, true},
                                 {Editorial, QStringLiteral("Lugar"), Clase::Texto, true}},
                                Autor},
                               Q_Aux, this);
    m_trab = new ListaRegistros(Trab,
                                {QStringLiteral("Trabajo"), QStringLiteral("Tipo"), QStringLiteral("CON"),
                                 {{Trabajo, QStringLiteral("Titulo"), Clase::Texto, true},
                                  {Lugar, QStringLiteral("Lugar"), Clase::Texto, true},
                                  fecha(FechaCong)},
                                 Trabajo},
                                Q_Aux, this);
    m_tesis = new ListaRegistros(Tesis,
                                 {QStringLiteral("Trabajo"), QStringLiteral("Tipo"), QStringLiteral("TES"),
                                  {{Titulo, QStringLiteral("Titulo"), Clase::Texto, true},
                                   {Nivel, QStringLiteral("Grado"), Clase::Texto, true},
                                   fecha(FechaTes)},
                                  Titulo},
                                 Q_Aux, this);

    creaMenu(QStringLiteral("MenuVitae2"));
    entradaMenu(QStringLiteral("Borrapublicacion1"), QStringLiteral("Borra publicacion"), [this] { m_pub->borra(); });
    entradaMenu(QStringLiteral("Trabajoencongreso1"), QStringLiteral("Borra trabajo en congreso"), [this] { m_trab->borra(); });
    entradaMenu(QStringLiteral("Tesisdirigida1"), QStringLiteral("Borra tesis dirigida"), [this] { m_tesis->borra(); });

    for (QWidget *w : std::initializer_list<QWidget *>{CB_TipoPub, Autor, TituloPub, PaisPub, Editorial, Trabajo, Lugar, Titulo, Nivel})
        w->setEnabled(false);

    for (EditMascara *f : {FechaPub, FechaCong, FechaTes})
        alSalir(f, [this, f] { salidaFecha(f); });
    alEvento(Btn_Anterior, &QPushButton::clicked, [this] { Btn_AnteriorClick(); });
    alEvento(Btn_Siguiente, &QPushButton::clicked, [this] { Btn_SiguienteClick(); });

    // FormCreate
    m_pub->abre();
    m_trab->abre();
    m_tesis->abre();
}

bool TW_Vitae2::Guarda()
{
    return guardaJunto([this] {
        progreso(25);
        if (!m_pub->guardaActual())
            return false;
        progreso(50);
        if (!m_trab->guardaActual())
            return false;
        progreso(75);
        if (!m_tesis->guardaActual())
            return false;
        progreso(100);
        return true;
    });
}

void TW_Vitae2::Btn_AnteriorClick()
{
    if (Guarda())
        pasaA(QStringLiteral("W_Vitae1"));
}

void TW_Vitae2::Btn_SiguienteClick()
{
    if (Guarda())
        pasaA(QStringLiteral("W_Vitae3"));
}
