#include "financing/QuiralMontos.h"
#include "platform/Errores.h"
#include "platform/Base.h"
#include "platform/Dialogos.h"
#include "platform/Edits.h"
#include "shell/Fabrica.h"
#include "shell/U_Mod.h"
#include "shell/U_inicial.h"
#include "shell/Iconos.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

REGISTRA_VENTANA(TW_MontosQuiral, "W_MontosQuiral")

namespace {

const QString kMascaraImporte = QStringLiteral("!99999999;1;_");

// Las líneas de una sección en orden de número; Clave desempata dos filas con el mismo número
// (datos viejos), para que siempre se muestre y se escriba la misma.
const QString kConceptos = QStringLiteral("Select Clave,Consecutivo,Concepto,Monto\n"
                                          "From MontosQuiral\n"
                                          "Where Tipo=:Tipo\n"
                                          "Order by Consecutivo,Clave");

EditMayusculas *mayusculas(const char *nombre, QWidget *padre)
{
    auto *e = new EditMayusculas(padre);
    e->setObjectName(QLatin1String(nombre));
    return e;
}

EditMascara *importeEdit(const char *nombre, QWidget *padre)
{
    auto *e = new EditMascara(kMascaraImporte, padre);
    e->setObjectName(QLatin1String(nombre));
    e->setMaxLength(8);
    // Lo bastante ancho para los ocho dígitos y sin estirarse con la ventana.
    e->setFixedWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("99999999")) + 24);
    return e;
}

QSpinBox *selector(const char *nombre, QWidget *padre)
{
    auto *s = new QSpinBox(padre);
    s->setObjectName(QLatin1String(nombre));
    s->setRange(0, 20);
    s->setValue(0);
    // El cambio corre al soltar la flecha, con Intro o al salir, no a cada dígito tecleado:
    // teclear "12" no debe pasar por la línea 1.
    s->setKeyboardTracking(false);
    s->setMinimumWidth(s->fontMetrics().horizontalAdvance(QStringLiteral("200")) + 40);
    return s;
}

QLabel *leyenda(const char *nombre, const QString &texto, QWidget *padre)
{
    auto *l = new QLabel(texto, padre);
    l->setObjectName(QLatin1String(nombre));
    l->setWordWrap(true);
    return l;
}

} // namespace

std::optional<qint64> TW_MontosQuiral::importe(const QString &texto)
{
    const QString t = texto.trimmed();
    if (t.isEmpty())
        return 0;
    static const QRegularExpression digitos(QStringLiteral("^[0-9]{1,18}$"));
    if (!digitos.match(t).hasMatch())
        return std::nullopt;
    return t.toLongLong();
}

TW_MontosQuiral::TW_MontosQuiral()
    : Ventana(QStringLiteral("W_MontosQuiral"), QStringLiteral("Informacion relativa al Financiamiento"))
{
    Label1 = leyenda("Label1",
                     QStringLiteral("A.- SI TIENE EN TRAMITE O CONCEDIDA ALGUNA BECA PARA CUBRIR PARTE DE LOS GASTOS QUE "
                                    "ORIGINEN SUS ESTUDIOS, INDIQUE EL NOMBRE DE QUIEN LA OTORGA."),
                     this);
    E_TipoA = mayusculas("E_TipoA", this);
    Num_A = selector("Num_A", this);
    E_Conceptos = mayusculas("E_Conceptos", this);
    ME_Importes = importeEdit("ME_Importes", this);

    Label4 = leyenda("Label4",
                     QStringLiteral("B.- SI CUENTA CON ALGUNA APORTACION PERSONAL, FAMILIAR O DE ALGUNA INSTITUCION O PERSONA "
                                    "PARA CUBRIR PARTE DE LOS GASTOS QUE ORIGINEN SUS ESTUDIOS, INDIQUE LA FUENTE"),
                     this);
    E_TipoB = mayusculas("E_TipoB", this);
    Num_B = selector("Num_B", this);
    E_ConceptosB = mayusculas("E_ConceptosB", this);
    ME_ImportesB = importeEdit("ME_ImportesB", this);

    Label5 = leyenda("Label5",
                     QStringLiteral("C.- SI LA INSTITUCION DONDE TRABAJA ACTUALMENTE LE MANTENDRA EL SUELDO O PARTE DE EL  "
                                    "DURANTE EL PERIODO DE ESTUDIOS, SIRVASE A INDICAR LA CANTIDAD MENSUAL"),
                     this);
    ME_TipoC = importeEdit("ME_TipoC", this);

    Btn_Guardar = new QPushButton(iconoDelTema(QStringLiteral("document-save")), QStringLiteral("Guardar"), this);
    Btn_Guardar->setObjectName(QStringLiteral("Btn_Guardar"));

    // --- Disposición: una caja por sección ---
    auto *principal = new QVBoxLayout(this);
    auto caja = [this, principal](const char *nombre) {
        auto *f = new QFrame(this);
        f->setObjectName(QLatin1String(nombre));
        f->setFrameShape(QFrame::StyledPanel);
        principal->addWidget(f);
        return new QVBoxLayout(f);
    };
    auto lineas = [this](QVBoxLayout *destino, const char *colConceptos, const char *colImportes, QSpinBox *num,
                         QLineEdit *concepto, QLineEdit *importe) {
        auto *g = new QGridLayout;
        auto *lc = new QLabel(QStringLiteral("Conceptos"), this);
        lc->setObjectName(QLatin1String(colConceptos));
        auto *li = new QLabel(QStringLiteral("Importes"), this);
        li->setObjectName(QLatin1String(colImportes));
        g->addWidget(lc, 0, 1);
        g->addWidget(li, 0, 2);
        g->addWidget(num, 1, 0);
        g->addWidget(concepto, 1, 1);
        g->addWidget(importe, 1, 2);
        g->setColumnStretch(1, 1);
        destino->addLayout(g);
    };
    QVBoxLayout *a = caja("Panel_A");
    a->addWidget(Label1);
    a->addWidget(E_TipoA);
    lineas(a, "L_Conceptos", "L_Importes", Num_A, E_Conceptos, ME_Importes);
    Num_A->setAccessibleName(QStringLiteral("Número de concepto A"));
    QVBoxLayout *b = caja("Panel_B");
    b->addWidget(Label4);
    b->addWidget(E_TipoB);
    lineas(b, "L_ConceptosB", "L_ImportesB", Num_B, E_ConceptosB, ME_ImportesB);
    Num_B->setAccessibleName(QStringLiteral("Número de concepto B"));
    QVBoxLayout *c = caja("Panel_C");
    c->addWidget(Label5);
    auto *rc = new QHBoxLayout;
    rc->addStretch(1);
    rc->addWidget(ME_TipoC);
    c->addLayout(rc);
    auto *rb = new QHBoxLayout;
    rb->addStretch(1);
    rb->addWidget(Btn_Guardar);
    principal->addLayout(rb);
    principal->addStretch(1);
    setMinimumWidth(640);

    Q_ConceptoA.ponSql(kConceptos);
    Q_ConceptoA.parametro(QStringLiteral("Tipo"), QStringLiteral("A"));
    Q_ConceptoB.ponSql(kConceptos);
    Q_ConceptoB.parametro(QStringLiteral("Tipo"), QStringLiteral("B"));

    auto define = [](Seccion &s, QChar tipo, EditMayusculas *nombre, QSpinBox *num, EditMayusculas *concepto,
                     EditMascara *importe, Consulta *datos, const QString &faltaNombre) {
        s.tipo = tipo;
        s.nombre = nombre;
        s.num = num;
        s.concepto = concepto;
        s.importe = importe;
        s.datos = datos;
        s.faltaNombre = faltaNombre;
    };
    define(m_a, u'A', E_TipoA, Num_A, E_Conceptos, ME_Importes, &Q_ConceptoA,
           QStringLiteral("Escriba el nombre de quien otorga la beca antes de capturar sus conceptos"));
    define(m_b, u'B', E_TipoB, Num_B, E_ConceptosB, ME_ImportesB, &Q_ConceptoB,
           QStringLiteral("Escriba la fuente de la aportación antes de capturar sus conceptos"));
    for (Seccion *s : {&m_a, &m_b})
        Habilita_campos(s->concepto, s->importe, false);

    alEvento(Num_A, &QSpinBox::valueChanged, [this] { Num_AChange(); });
    alEvento(Num_B, &QSpinBox::valueChanged, [this] { Num_BChange(); });
    alEvento(Btn_Guardar, &QPushButton::clicked, [this] { Btn_GuardarClick(); });

    ejecuta([this] {
        m_guardar = Muestra_Tipo();
        // Si la sección tiene línea 1, el selector se pone en ella (y el cambio la muestra).
        for (Seccion *s : {&m_a, &m_b}) {
            if (muestra(s->concepto, s->importe, 1, *s->datos))
                s->num->setValue(1);
            if (s->actual == 0)   // sin línea 1, o sin nombre: nada a la vista
                Limpia_campos(s->concepto, s->importe);
        }
    });
}

bool TW_MontosQuiral::Muestra_Tipo()
{
    auto &aux = W_DM()->Q_Aux;
    aux.abre(QStringLiteral("Select Nombre_A,Nombre_B,MontoMensual From Aval Order by Clave"));
    if (aux.vacia())
        return false;
    E_TipoA->setText(aux.campo(QStringLiteral("Nombre_A")).texto());
    E_TipoB->setText(aux.campo(QStringLiteral("Nombre_B")).texto());
    ME_TipoC->ponTexto(aux.campo(QStringLiteral("MontoMensual")).texto());
    return true;
}

bool TW_MontosQuiral::muestra(QLineEdit *concepto, EditMascara *importe, int k, Consulta &datos)
{
    if (k == 0) {
        Limpia_campos(concepto, importe);
        return false;
    }
    // La línea k es la de número k, no la k-ésima fila: con un hueco en la numeración
    // (líneas 1 y 3) la línea 2 sale vacía y la 3 es la 3.
    datos.cierra();
    datos.abre();
    datos.primero();
    while (!datos.fin() && datos.campo(QStringLiteral("Consecutivo")).entero() != k)
        datos.siguiente();
    if (datos.fin()) {
        Limpia_campos(concepto, importe);
        return false;
    }
    concepto->setText(datos.campo(QStringLiteral("Concepto")).texto().trimmed());
    importe->ponTexto(datos.campo(QStringLiteral("Monto")).texto().trimmed());
    return true;
}

bool TW_MontosQuiral::valida(const QLineEdit *concepto, const EditMascara *importe)
{
    return !concepto->text().trimmed().isEmpty() && !importe->texto().trimmed().isEmpty();
}

void TW_MontosQuiral::Limpia_campos(QLineEdit *concepto, EditMascara *importe)
{
    concepto->clear();
    importe->clear();
}

void TW_MontosQuiral::Habilita_campos(QLineEdit *concepto, EditMascara *importe, bool si)
{
    concepto->setEnabled(si);
    importe->setEnabled(si);
}

void TW_MontosQuiral::Guardar_Tipo(qint64 montoMensual)
{
    // Aval tiene una sola fila.
    W_DM()->Q_Aux.ejecuta(QStringLiteral("Update Aval Set Nombre_A=:a,Nombre_B=:b,MontoMensual=:c"),
                          {{QStringLiteral("a"), E_TipoA->text()},
                           {QStringLiteral("b"), E_TipoB->text()},
                           {QStringLiteral("c"), montoMensual}});
}

qint64 TW_MontosQuiral::Guardar(qint64 clave, QChar seccion, qint64 monto, const QString &concepto, int numero)
{
    auto &aux = W_DM()->Q_Aux;
    const QString tipo(seccion);
    auto actualiza = [&aux, &concepto, monto](qint64 k) {
        return aux.ejecuta(QStringLiteral("Update MontosQuiral Set Concepto=:c,Monto=:m Where Clave=:k"),
                           {{QStringLiteral("c"), concepto}, {QStringLiteral("m"), monto}, {QStringLiteral("k"), k}})
               > 0;
    };
    // Se actualiza por Clave la fila que se mostró: nunca otra línea.
    if (clave != 0 && actualiza(clave))
        return clave;
    // Sin fila mostrada (o ya no existe): si otra fila tiene ese número se actualiza ésa, para
    // que nunca haya dos líneas con el mismo número.
    aux.abre(QStringLiteral("Select Clave From MontosQuiral Where Tipo=:t And Consecutivo=:n Order by Clave"),
             {{QStringLiteral("t"), tipo}, {QStringLiteral("n"), numero}});
    const qint64 existente = aux.campo(QStringLiteral("Clave")).entero();
    if (existente != 0 && actualiza(existente))
        return existente;
    const qint64 nueva = W_Inicial()->Siguiente_Clave(QStringLiteral("MontosQuiral")).toLongLong();
    aux.ejecuta(QStringLiteral("Insert into MontosQuiral (Clave,Consecutivo,Concepto,Monto,Tipo) "
                               "values (:k,:n,:c,:m,:t)"),
                {{QStringLiteral("k"), nueva},
                 {QStringLiteral("n"), numero},
                 {QStringLiteral("c"), concepto},
                 {QStringLiteral("m"), monto},
                 {QStringLiteral("t"), tipo}});
    return nueva;
}

bool TW_MontosQuiral::pendiente(const Seccion &s) const
{
    return s.concepto->text().trimmed() != s.conceptoMostrado
           || s.importe->texto().trimmed() != s.importeMostrado;
}

void TW_MontosQuiral::muestraLinea(Seccion &s, int k)
{
    s.actual = k;
    Habilita_campos(s.concepto, s.importe, k != 0);
    s.clave = muestra(s.concepto, s.importe, k, *s.datos) ? s.datos->campo(QStringLiteral("Clave")).entero() : 0;
    s.conceptoMostrado = s.concepto->text().trimmed();
    s.importeMostrado = s.importe->texto().trimmed();
}

bool TW_MontosQuiral::guardaTodo(std::initializer_list<Seccion *> secciones)
{
    // Todo se revisa antes de escribir nada.
    const auto mensual = importe(ME_TipoC->texto());
    if (!mensual) {
        dialogos().aviso(QStringLiteral("La cantidad mensual no es válida: escriba sólo dígitos, sin blancos entre ellos"));
        ME_TipoC->setFocus();
        return false;
    }
    std::vector<Linea> escribir;
    for (Seccion *s : secciones) {
        if (s->actual == 0)
            continue;
        if (s->nombre->text().trimmed().isEmpty()) {
            // Sin nombre no hay líneas; lo escrito en la línea no se tira sin avisar.
            if (pendiente(*s)) {
                dialogos().aviso(s->faltaNombre);
                s->nombre->setFocus();
                return false;
            }
            continue;
        }
        const bool hayConcepto = !s->concepto->text().trimmed().isEmpty();
        const bool hayImporte = !s->importe->texto().trimmed().isEmpty();
        if (!hayConcepto && !hayImporte)
            continue;   // línea en blanco: lo guardado queda como está
        if (!valida(s->concepto, s->importe)) {
            dialogos().aviso(QStringLiteral("Para guardar la línea %1 de la sección %2 escriba su concepto y su importe")
                                 .arg(s->actual)
                                 .arg(s->tipo));
            (hayConcepto ? static_cast<QWidget *>(s->importe) : s->concepto)->setFocus();
            return false;
        }
        const auto monto = importe(s->importe->texto());
        if (!monto) {
            dialogos().aviso(QStringLiteral("El importe de la línea %1 de la sección %2 no es válido: escriba sólo "
                                            "dígitos, sin blancos entre ellos")
                                 .arg(s->actual)
                                 .arg(s->tipo));
            s->importe->setFocus();
            return false;
        }
        escribir.push_back({s, s->concepto->text(), *monto});
    }

    std::vector<qint64> claves;
    try {
        Base::Transaccion t;
        Guardar_Tipo(*mensual);
        for (const Linea &l : escribir)
            claves.push_back(Guardar(l.seccion->clave, l.seccion->tipo, l.monto, l.concepto, l.seccion->actual));
        t.confirma();
    } catch (const ErrorBase &e) {
        if (!avisaFallaExterna(e))
            dialogos().mensaje(QStringLiteral("No se pudo Guardar la información"), Dialogos::Icono::Informacion);
        return false;
    }
    for (size_t i = 0; i < escribir.size(); ++i) {
        Seccion &s = *escribir[i].seccion;
        s.clave = claves[i];
        s.conceptoMostrado = s.concepto->text().trimmed();
        s.importeMostrado = s.importe->texto().trimmed();
    }
    return true;
}

void TW_MontosQuiral::cambio(Seccion &s)
{
    const int nuevo = s.num->value();
    auto regresa = [&s] {
        const QSignalBlocker b(s.num);
        s.num->setValue(s.actual);
    };
    if (s.nombre->text().trimmed().isEmpty()) {
        // Sin nombre no se usa ninguna línea: el selector no se mueve (desde 0, queda en 0).
        if (s.actual != 0 && pendiente(s)) {
            dialogos().aviso(s.faltaNombre);
            s.nombre->setFocus();
        }
        regresa();
        return;
    }
    // La línea que se deja se guarda (con los nombres y el sueldo); si no se pudo, el selector
    // vuelve a ella y lo escrito se conserva.
    if (s.actual != 0 && !guardaTodo({&s})) {
        regresa();
        return;
    }
    muestraLinea(s, nuevo);
}

void TW_MontosQuiral::Num_AChange() { cambio(m_a); }

void TW_MontosQuiral::Num_BChange() { cambio(m_b); }

void TW_MontosQuiral::Btn_GuardarClick()
{
    if (!m_guardar) {
        // Sin la fila del aval los nombres y el sueldo no tienen dónde guardarse.
        dialogos().aviso(QStringLiteral("Primero debe llenar los datos referentes al aval"));
        return;
    }
    if (!guardaTodo({&m_a, &m_b}))
        return;
    cierraVentana();
}
