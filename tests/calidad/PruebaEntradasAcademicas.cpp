// Entradas difíciles en las ventanas académicas y en la de financiamiento: textos con
// comillas, diagonales, acentos y 255 caracteres; números y fechas con letras, en blanco o
// fuera de rango. Cada valor se guarda y se muestra igual al reabrir, o se rechaza con un
// mensaje en español sin tocar lo guardado; ninguna otra columna ni fila cambia y nunca
// llega al usuario texto del motor.
#include "academic/Acad1.h"
#include "academic/Acad2.h"
#include "academic/Acad3.h"
#include "academic/ApoyoAcad.h"
#include "academic/GrupoRadio.h"
#include "calidad/Entradas.h"
#include "financing/QuiralMontos.h"
#include "platform/Esquema.h"
#include "shell/U_Mod.h"
#include "support/Muestra.h"

#include <QPlainTextEdit>
#include <QRadioButton>

using namespace ApoyoAcad;
using namespace Entradas;

namespace {


// --- Tablas enteras, para ver que sólo cambia la celda capturada -----------------------------

const QStringList kTablas = {QStringLiteral("General"), QStringLiteral("Beca"), QStringLiteral("Aval"),
                             QStringLiteral("MontosQuiral"), QStringLiteral("Persona"), QStringLiteral("Domicilio")};

using Tablas = QMap<QString, QList<QVariantList>>;

Tablas foto()
{
    Tablas t;
    for (const QString &n : kTablas)
        t.insert(n, Entorno::filas(QStringLiteral("Select * From %1 Order by Clave").arg(n)));
    return t;
}

// Lo guardado es lo de antes con, si se guardó, la celda capturada cambiada.
void comparaTablas(const Tablas &antes, const QString &tabla, qint64 clave, const QString &columna, const QVariant &guardado)
{
    Tablas esperado = antes;
    if (guardado.isValid()) {
        const QStringList nombres = Esquema::nombresColumnas(*Esquema::busca(tabla));
        int c = -1;
        for (int i = 0; i < nombres.size(); ++i)
            if (nombres.at(i).compare(columna, Qt::CaseInsensitive) == 0)
                c = i;
        QVERIFY(c > 0);
        bool hallada = false;
        for (QVariantList &f : esperado[tabla])
            if (f.value(0).toLongLong() == clave) {
                f[c] = guardado;
                hallada = true;
            }
        QVERIFY(hallada);
    }
    const Tablas ahora = foto();
    for (const QString &n : kTablas) {
        const QList<QVariantList> &a = ahora.value(n), &e = esperado.value(n);
        QVERIFY2(a.size() == e.size(), qPrintable(QStringLiteral("%1: %2 filas, se esperaban %3").arg(n).arg(a.size()).arg(e.size())));
        for (int i = 0; i < a.size(); ++i)
            for (int j = 0; j < a.at(i).size(); ++j)
                QVERIFY2(a.at(i).at(j) == e.at(i).value(j),
                         qPrintable(QStringLiteral("%1 fila %2 columna %3: «%4», se esperaba «%5»")
                                        .arg(n)
                                        .arg(a.at(i).value(0).toString())
                                        .arg(Esquema::nombresColumnas(*Esquema::busca(n)).value(j))
                                        .arg(a.at(i).at(j).toString(), e.at(i).value(j).toString())));
    }
}

// Los mensajes mostrados son exactamente el esperado (o ninguno) y nada trae texto del motor.
void comparaMensajes(Entorno &e, const QString &mensaje)
{
    const QStringList textos = e.dialogos().textos();
    sinTextoDelMotor(textos);
    QCOMPARE(textos, mensaje.isEmpty() ? QStringList() : QStringList{mensaje});
}

// --- Controles por nombre --------------------------------------------------------------------

void tecleaEn(QWidget *w, const QString &campo, const QString &valor)
{
    QWidget *c = w->findChild<QWidget *>(campo);
    QVERIFY2(c && c->isEnabled(), qPrintable(campo));
    if (auto *m = qobject_cast<QPlainTextEdit *>(c))
        m->clear();
    else
        teclea(qobject_cast<QLineEdit *>(c), QString());
    // "←" y "⌫" son las teclas de flecha y de borrar: así queda un blanco entre dígitos.
    for (QChar ch : valor) {
        if (ch == u'←')
            QTest::keyClick(c, Qt::Key_Left);
        else if (ch == u'⌫')
            QTest::keyClick(c, Qt::Key_Backspace);
        else
            Pruebas::escribe(c, QString(ch));
    }
    sal(c);
}

// Lo que el usuario ve en el control (sin los blancos de relleno de la máscara).
QString mostrado(QWidget *w, const QString &campo)
{
    QWidget *c = w->findChild<QWidget *>(campo);
    if (auto *m = qobject_cast<EditMascara *>(c))
        return m->texto().trimmed();
    if (auto *l = qobject_cast<QLineEdit *>(c))
        return l->text();
    if (auto *p = qobject_cast<QPlainTextEdit *>(c))
        return p->toPlainText();
    return QStringLiteral("<%1 no existe>").arg(campo);
}

// --- Renglones de datos ----------------------------------------------------------------------

void columnas()
{
    QTest::addColumn<QString>("campo");
    QTest::addColumn<QString>("tabla");
    QTest::addColumn<QString>("columna");
    QTest::addColumn<int>("clave");
    QTest::addColumn<QString>("valor");
    QTest::addColumn<QVariant>("guardado");    // inválido: se rechaza y nada cambia
    QTest::addColumn<QString>("visto");        // el campo antes de guardar
    QTest::addColumn<QString>("mensaje");      // vacío: ninguno
    QTest::addColumn<QString>("reabierto");    // el campo al reabrir, si se guardó
}

struct Destino {
    const char *campo, *tabla, *columna;
    int clave;
};

void fila(const Destino &d, const char *caso, const QString &valor, const QVariant &guardado, const QString &visto,
          const QString &mensaje = {}, const QString &reabierto = {})
{
    QTest::addRow("%s #%d, %s", d.campo, d.clave, caso)
        << QString::fromLatin1(d.campo) << QString::fromLatin1(d.tabla) << QString::fromLatin1(d.columna) << d.clave << valor
        << guardado << visto << mensaje << (reabierto.isNull() ? visto : reabierto);
}

// Los valores difíciles en un campo de texto; `forma` da lo que el control deja del valor.
void filasDeTexto(const Destino &d, const std::function<QString(const QString &)> &forma)
{
    for (const auto &[caso, valor] : valores()) {
        const QString v = forma(valor);
        fila(d, caso, valor, v, v);
    }
}

QString mayusculas255(const QString &v) { return v.toUpper().left(255); }

// Lo que pasa con un número en blanco (o todo letras, que la máscara no deja entrar) y con
// un blanco entre dígitos.
struct Rechazos {
    QVariant guardadoEnBlanco;     // inválido: se rechaza
    QString mensajeEnBlanco, reabiertoEnBlanco;
    QString mensajeBlancoEnMedio;  // vacío: el caso no aplica
};

void filasDeNumero(const Destino &d, int digitos, const Rechazos &r)
{
    const QString largo = QStringLiteral("98765432109").left(digitos);
    fila(d, "un dígito", QStringLiteral("7"), 7, QStringLiteral("7"));
    fila(d, "dígitos de más", largo + QStringLiteral("87"), largo.toLongLong(), largo);
    fila(d, "letras y dígitos", QStringLiteral("a1-b2"), 12, QStringLiteral("12"));
    for (const auto &[caso, valor] : {std::pair{"letras", QStringLiteral("abc")}, std::pair{"en blanco", QString()}})
        fila(d, caso, valor, r.guardadoEnBlanco, QString(), r.mensajeEnBlanco,
             r.guardadoEnBlanco.isValid() ? r.reabiertoEnBlanco : QString());
    if (!r.mensajeBlancoEnMedio.isEmpty())
        fila(d, "blanco en medio", QStringLiteral("123←⌫"), QVariant(), QStringLiteral("1 3"), r.mensajeBlancoEnMedio);
}

// Solicitud completa (convocatoria 482, cinco opciones) con aval y líneas de financiamiento
// que ya traen comillas y diagonales.
void prepara(Entorno &e)
{
    e.inicial()->show();
    procesa();
    Muestra::llena();
    Entorno::sql(QStringLiteral("Insert into Aval (Clave,Tipo,Nombre_A,Nombre_B,MontoMensual) "
                                "values (1,'AVA','FUNDACIÓN \"X\"','O''HARA \\ HIJOS',5000)"));
    Entorno::sql(QStringLiteral("Insert into MontosQuiral values (1,1,'COLEGIATURA ''A''',1000,'A'),"
                                "(2,2,'LIBROS',200,'A'),(3,1,'AHORRO \\ PROPIO',300,'B')"));
}

// La ventana de opciones, en la opción n, como la deja el usuario.
TW_DatAcad2 *opciones(int n)
{
    auto *w = abre<TW_DatAcad2>("W_DatAcad2");
    if (w && w->opcionSeleccionada() != n)
        w->Inst_opcion->boton(n - 1)->click();
    return w;
}

// Los montos de la opción n, por el botón "Montos" de las opciones.
TW_DatAcad3 *montos(int n)
{
    TW_DatAcad2 *op = opciones(n);
    if (!op)
        return nullptr;
    op->Btn_Montos->click();
    procesa();
    return abierta<TW_DatAcad3>("W_DatAcad3");
}

TW_MontosQuiral *financiamiento()
{
    auto *w = abre<TW_MontosQuiral>("W_MontosQuiral");
    procesa();
    return w;
}

void cierraSiAbierta(const char *nombre)
{
    if (QWidget *w = W_Inicial()->Forma(QLatin1String(nombre)))
        cierra(w);
}

} // namespace

class PruebaEntradasAcademicas : public QObject {
    Q_OBJECT

    // Lo común a todos los casos: abre, teclea, guarda como guarda la ventana, compara lo
    // guardado y lo mostrado, y vuelve a abrir. `abreVentana` la abre como el usuario;
    // `habilita` deja el campo capturable; `guarda` pulsa el botón que guarda.
    void barre(const std::function<QWidget *()> &abreVentana, const std::function<void(QWidget *)> &habilita,
               const std::function<void(QWidget *)> &guarda, const char *nombreVentana)
    {
        QFETCH(QString, campo);
        QFETCH(QString, tabla);
        QFETCH(QString, columna);
        QFETCH(int, clave);
        QFETCH(QString, valor);
        QFETCH(QVariant, guardado);
        QFETCH(QString, visto);
        QFETCH(QString, mensaje);
        QFETCH(QString, reabierto);
        Entorno e(true);
        prepara(e);
        const Tablas antes = foto();
        QWidget *w = abreVentana();
        QVERIFY(w);
        e.dialogos().limpia();
        if (habilita)
            habilita(w);
        tecleaEn(w, campo, valor);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(mostrado(w, campo), visto);
        guarda(w);
        comparaMensajes(e, mensaje);
        if (QTest::currentTestFailed())
            return;
        const bool sigueAbierta = W_Inicial()->Forma(QLatin1String(nombreVentana)) != nullptr;
        if (!guardado.isValid()) {
            // Rechazado: la ventana sigue con lo tecleado a la vista.
            QVERIFY(sigueAbierta);
            QCOMPARE(mostrado(w, campo), visto);
            cierra(w);
        } else if (sigueAbierta) {
            cierra(w);
        }
        cierraSiAbierta("W_DatAcad2");
        comparaTablas(antes, tabla, clave, columna, guardado);
        sinTextoDelMotor(e.dialogos().textos());   // también lo que se avisó al cerrar
        if (QTest::currentTestFailed() || !guardado.isValid())
            return;
        w = abreVentana();
        QVERIFY(w);
        QCOMPARE(mostrado(w, campo), reabierto);
        sinTextoDelMotor(e.dialogos().textos());
    }

private slots:
    // Programa solicitado: la subdisciplina y los números de registro y puntos del EGEL.
    void programa_data()
    {
        columnas();
        const Destino sub{"SubDisciplina", "General", "Subdisciplina", 1};
        filasDeTexto(sub, mayusculas255);
        fila(sub, "sólo espacios", QStringLiteral("   "), QVariant(), QStringLiteral("   "), QStringLiteral("No ha capturado la subdisciplina"));
        const Rechazos r{QVariant(), kIncompleto, {}, kIncompleto};
        filasDeNumero({"ExpBeca", "General", "Expbecaant", 1}, 6, r);
        filasDeNumero({"ExpCony", "General", "Expbecacony", 1}, 6, r);
        filasDeNumero({"ME_Puntos", "General", "EGEL", 1}, 4, r);
    }
    void programa()
    {
        barre([] { return abre<TW_DatAcad1>("W_DatAcad1"); },
              [](QWidget *v) {
                  auto *w = static_cast<TW_DatAcad1 *>(v);
                  // Cada número se captura con su pregunta en "Sí".
                  QFETCH(QString, campo);
                  GrupoRadio *g = campo == u"ExpBeca" ? w->BecaAnt : campo == u"ExpCony" ? w->ConyBeca
                                  : campo == u"ME_Puntos" ? w->RG_Egel : nullptr;
                  if (g)
                      g->boton(1)->click();
              },
              [](QWidget *v) {
                  static_cast<TW_DatAcad1 *>(v)->Btn_Sig->click();
                  procesa();
              },
              "W_DatAcad1");
    }

    // Opciones de institución: contacto, programa, fechas y meses, repartidos entre las cinco
    // opciones.
    void opcion_data()
    {
        columnas();
        int n = 0;
        auto siguiente = [&n] { return n++ % Muestra::kOpciones + 1; };
        for (const auto &[campo, columna] : {std::pair{"Nom_contacto", "Persona_Contacto"}, std::pair{"Puesto_Contacto", "Puesto_contacto"}})
            for (const auto &[caso, valor] : valores()) {
                const QString v = mayusculas255(valor);
                fila({campo, "Beca", columna, siguiente()}, caso, valor, v, v);
            }
        // El programa es un memo de hasta 255 caracteres (el ancho del campo en la entrega):
        // lo que se teclea de más no entra; al salir pasa a mayúsculas, acentos y ñ incluidos.
        QList<QPair<const char *, QString>> programas = valores();
        programas.append({"300 caracteres", QString(250, u'ñ') + QStringLiteral("fin de más")});
        for (const auto &[caso, valor] : programas) {
            const QString v = valor.left(255).toUpper();
            fila({"Programa", "Beca", "Nombre_prog", siguiente()}, caso, valor, v, v);
        }
        const QString &anio = kFechaAnio;
        for (const auto &[campo, columna] : {std::pair{"Fec_IniEst", "Fec_ini_est"}, std::pair{"Fec_FinEst", "Fec_fin_est"},
                                             std::pair{"Fec_IniBeca", "Fecha_ini"}, std::pair{"Fec_FinBeca", "Fecha_fin"}}) {
            const Destino d{campo, "Beca", columna, siguiente()};
            fila(d, "válida", QStringLiteral("15/09/2004"), QStringLiteral("15/09/2004"), QStringLiteral("15/09/2004"));
            fila(d, "29 de febrero", QStringLiteral("29/02/2008"), QStringLiteral("29/02/2008"), QStringLiteral("29/02/2008"));
            fila(d, "año de dos cifras", QStringLiteral("15/09/04"), QStringLiteral("15/09/2004"), QStringLiteral("15/09/2004"));
            // Una fecha que no existe o no se lee se vuelve la de hoy, sin mensaje.
            for (const auto &[caso, valor] : {std::pair{"31 de febrero", QStringLiteral("31/02/2004")},
                                              std::pair{"mes 13 día 0", QStringLiteral("00/13/2004")},
                                              std::pair{"letras", QStringLiteral("ab/cd/efgh")},
                                              std::pair{"en blanco", QString()}})
                fila(d, caso, valor, kHoy, kHoy);
            // El año fuera de 1900 a 2020 se avisa al salir del campo; lo escrito se queda.
            fila(d, "año 2021", QStringLiteral("01/01/2021"), QStringLiteral("01/01/2021"), QStringLiteral("01/01/2021"), anio);
            fila(d, "año 1899", QStringLiteral("31/12/1899"), QStringLiteral("31/12/1899"), QStringLiteral("31/12/1899"), anio);
        }
        const Destino m{"Meses", "Beca", "Tiempo_prom_grado", siguiente()};
        fila(m, "dos dígitos", QStringLiteral("36"), 36, QStringLiteral("36"));
        fila(m, "dígitos de más", QStringLiteral("123"), 12, QStringLiteral("12"));
        fila(m, "letras y dígitos", QStringLiteral("a5"), 5, QStringLiteral("5"));
        fila(m, "más de 60", QStringLiteral("61"), 61, QStringLiteral("61"), QStringLiteral("El tiempo máximo es de 60 meses"));
        fila(m, "letras", QStringLiteral("ab"), QVariant(), QString(), kIncompleto);
        fila(m, "en blanco", QString(), QVariant(), QString(), kIncompleto);
    }
    void opcion()
    {
        QFETCH(int, clave);
        barre([clave]() -> QWidget * { return opciones(clave); },
              [](QWidget *v) { static_cast<TW_DatAcad2 *>(v)->Contacto->boton(1)->click(); },
              [](QWidget *v) {
                  static_cast<TW_DatAcad2 *>(v)->Btn_Guardar->click();
                  procesa();
              },
              "W_DatAcad2");
    }

    // Costos de una opción: los tres montos.
    void costos_data()
    {
        columnas();
        // En blanco el monto vale 0 (y la opción vuelve a "No"); un blanco entre dígitos se
        // rechaza.
        const Rechazos r{0, {}, QString(""), kIncompleto};
        filasDeNumero({"MontoMan", "Beca", "Total_man", 1}, 4, r);
        filasDeNumero({"MontoCol", "Beca", "Total_col", 3}, 10, r);
        filasDeNumero({"MontoInsc", "Beca", "Total_Insc", 5}, 10, r);
    }
    void costos()
    {
        QFETCH(int, clave);
        barre([clave]() -> QWidget * { return montos(clave); }, {},
              [](QWidget *v) {
                  static_cast<TW_DatAcad3 *>(v)->Btn_Guardar->click();
                  procesa();
              },
              "W_DatAcad3");
    }

    // El nombre de la institución y los periodos y la moneda fijos se muestran tal cual y el
    // usuario no puede escribir en ellos.
    void costosSoloLectura_data()
    {
        QTest::addColumn<QString>("nombre");
        for (const auto &[caso, valor] : valores())
            QTest::newRow(caso) << valor;
    }
    void costosSoloLectura()
    {
        QFETCH(QString, nombre);
        Entorno e(true);
        prepara(e);
        Entorno::sql(QStringLiteral("Update Institucion Set Nombre=:n Where Clave=(Select Escuela From Beca Where Clave=2)"),
                     {{QStringLiteral("n"), nombre}});
        const Tablas antes = foto();
        TW_DatAcad3 *w = montos(2);
        QVERIFY(w);
        QCOMPARE(w->Nom_Institucion->text(), nombre);
        const QList<QPair<QLineEdit *, const char *>> fijos{{w->Nom_Institucion, nullptr}, {w->FrecMan, "MENSUAL"},
                                                            {w->MonedaMan, "Dolar Americano"}, {w->FrecCol, "ANUAL"},
                                                            {w->FrecInsc, "ANUAL"}};
        for (const auto &[c, texto] : fijos) {
            QVERIFY2(!c->isEnabled(), qPrintable(c->objectName()));
            if (texto)
                QCOMPARE(c->text(), QLatin1String(texto));
        }
        w->Btn_Guardar->click();
        procesa();
        comparaMensajes(e, {});
        cierraSiAbierta("W_DatAcad2");
        comparaTablas(antes, {}, 0, {}, QVariant());
    }

    // Financiamiento: nombres de A y B, conceptos e importes de la línea 1 y sueldo mensual.
    void financiamiento_data()
    {
        columnas();
        filasDeTexto({"E_TipoA", "Aval", "Nombre_A", 1}, mayusculas255);
        filasDeTexto({"E_TipoB", "Aval", "Nombre_B", 1}, mayusculas255);
        // Un concepto en blanco con su importe no se guarda: la línea queda como estaba.
        for (const auto &[d, s] : {std::pair{Destino{"E_Conceptos", "MontosQuiral", "Concepto", 1}, 'A'},
                                   std::pair{Destino{"E_ConceptosB", "MontosQuiral", "Concepto", 3}, 'B'}}) {
            filasDeTexto(d, mayusculas255);
            fila(d, "sólo espacios", QStringLiteral("  "), QVariant(), QStringLiteral("  "),
                 QStringLiteral("Para guardar la línea 1 de la sección %1 escriba su concepto y su importe").arg(s));
        }
        const auto linea = [](char s) {
            return Rechazos{QVariant(),
                            QStringLiteral("Para guardar la línea 1 de la sección %1 escriba su concepto y su importe").arg(s),
                            {},
                            QStringLiteral("El importe de la línea 1 de la sección %1 no es válido: escriba sólo dígitos, "
                                           "sin blancos entre ellos").arg(s)};
        };
        filasDeNumero({"ME_Importes", "MontosQuiral", "Monto", 1}, 8, linea('A'));
        filasDeNumero({"ME_ImportesB", "MontosQuiral", "Monto", 3}, 8, linea('B'));
        // El sueldo en blanco vale 0.
        filasDeNumero({"ME_TipoC", "Aval", "MontoMensual", 1}, 8,
                      {0, {}, QStringLiteral("0"),
                       QStringLiteral("La cantidad mensual no es válida: escriba sólo dígitos, sin blancos entre ellos")});
    }
    void financiamiento()
    {
        barre([]() -> QWidget * { return ::financiamiento(); }, {},
              [](QWidget *v) {
                  static_cast<TW_MontosQuiral *>(v)->Btn_Guardar->click();
                  procesa();
              },
              "W_MontosQuiral");
    }
};

REGISTRA_PRUEBA(PruebaEntradasAcademicas)
#include "PruebaEntradasAcademicas.moc"
