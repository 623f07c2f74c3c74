#include "personal/Ayuda.h"
#include "platform/Reloj.h"
#include "shell/U_Mod.h"

using namespace Ayuda;

namespace {
QList<QVariantList> personas()
{
    return Entorno::filas(QStringLiteral("Select Tipo,Nombre_1,Paterno,Fec_nac,Sexo,Edo_civil,Ciudad_nac From Persona "
                                         "Where Tipo<>'SOL' Order by Clave"));
}
QWidget *dependiente(Entorno &e, const QString &tipo, int civil = 0)
{
    marco(e);
    Edo_Civil_Actual = civil;
    return abre(QStringLiteral("W_Dependiente"), tipo);
}
void nombres(QWidget *w, const QString &nombre, const QString &paterno = {})
{
    escribe(w, "Nombre_1", nombre);
    escribe(w, "Paterno", paterno);
}
} // namespace

class PruebaDependiente : public QObject {
    Q_OBJECT
private slots:
    void modoAlAbrir_data()
    {
        QTest::addColumn<QString>("tipo");
        QTest::addColumn<int>("civil");
        QTest::addColumn<QString>("encabezado");
        QTest::addColumn<QString>("selector");   // "Deps", "Deps1" o ""
        QTest::addColumn<bool>("aval");
        QTest::newRow("casado") << "ACT" << 0 << "Datos del cónyuge:" << "Deps" << false;
        QTest::newRow("soltero") << "ACT" << 1 << "Datos del hijo:" << "Deps1" << false;
        QTest::newRow("accidente") << "ACC" << 0 << "Familiar a quien contactar en caso de Accidente" << "" << false;
        QTest::newRow("aval") << "AVA" << 1 << "Datos del Aval" << "" << true;
    }
    void modoAlAbrir()
    {
        QFETCH(QString, tipo);
        QFETCH(int, civil);
        QFETCH(QString, encabezado);
        QFETCH(QString, selector);
        QFETCH(bool, aval);
        Entorno e(true);
        QWidget *w = dependiente(e, tipo, civil);
        QVERIFY(w);
        QCOMPARE(etiqueta(w, "L_Dependiente"), encabezado);
        QCOMPARE(visible(w, "Deps"), selector == u"Deps");
        QCOMPARE(visible(w, "Deps1"), selector == u"Deps1");
        QCOMPARE(visible(w, "Edo_Civil"), aval);
        QCOMPARE(visible(w, "RFC_Aval"), aval);
        QCOMPARE(visible(w, "L_Rfc"), aval);
        for (const char *b : {"Btn_Direccion", "Btn_Predio", "Referencias"}) {
            QCOMPARE(visible(w, b), aval);
            QVERIFY(!control(w, b)->isEnabled());   // hasta que el aval se guarde una vez
        }
        if (selector == u"Deps1")
            QCOMPARE(control<QGroupBox>(w, "Deps1")->findChildren<QAbstractButton *>().size(), 4);
        // Persona nueva: nombres vacíos, fecha de hoy, Femenino, Soltero.
        QCOMPARE(texto(w, "Nombre_1"), QString());
        QCOMPARE(texto(w, "Fec_nac"), QStringLiteral("15/03/2004"));
        QCOMPARE(marcada(w, "Sexo"), 0);
        QCOMPARE(marcada(w, "Edo_Civil"), 1);
    }

    // Al cambiar de modo la ventana se acomoda otra vez: cada control visible (selector, Sexo,
    // cada campo y botón) cabe entero dentro de la ventana, al crecer y al encoger.
    void cadaModoCabe_data()
    {
        QTest::addColumn<QString>("tipo");
        QTest::addColumn<int>("civil");
        QTest::addColumn<QStringList>("botones");   // los que se pulsan, en orden
        QTest::newRow("casado: accidente y regreso") << "ACT" << 0 << QStringList{"Btn_Siguiente", "Btn_Anterior"};
        QTest::newRow("soltero: accidente y regreso") << "ACT" << 1 << QStringList{"Btn_Siguiente", "Btn_Anterior"};
        QTest::newRow("abierta en el accidente, a la familia") << "ACC" << 0 << QStringList{"Btn_Anterior"};
        QTest::newRow("aval, referencias y regreso") << "AVA" << 0 << QStringList{"Referencias", "Btn_Siguiente"};
    }
    void cadaModoCabe()
    {
        QFETCH(QString, tipo);
        QFETCH(int, civil);
        QFETCH(QStringList, botones);
        Entorno e(true);
        if (tipo == u"AVA")
            Entorno::sql(QStringLiteral("Insert into Persona (Clave,Nombre_1,Tipo) values (3,'AVAL','AVA')"));
        QWidget *w = dependiente(e, tipo, civil);
        QVERIFY(w);
        const auto revisa = [w](const QString &paso) {
            QApplication::processEvents();
            for (QWidget *c : w->findChildren<QWidget *>()) {
                const QSize minimo = c->minimumSizeHint().expandedTo(c->minimumSize());
                if (c->isVisibleTo(w) && !c->objectName().isEmpty())
                    QVERIFY2(w->rect().contains(QRect(c->mapTo(w, QPoint(0, 0)), c->size())) && c->width() >= minimo.width() &&
                                 c->height() >= minimo.height(),
                             qPrintable(paso + QStringLiteral(": ") + c->objectName()));
            }
        };
        revisa(QStringLiteral("al abrir"));
        for (const QString &b : botones) {
            control<QAbstractButton>(w, b.toLatin1().constData())->click();
            QVERIFY(ventana("W_Dependiente"));
            revisa(b);
        }
    }

    // Elegir otra casilla guarda la persona mostrada bajo la casilla anterior.
    void selectorGuardaLaAnterior()
    {
        Entorno e(true);
        Entorno::sql(QStringLiteral("Insert into Persona (Clave,Nombre_1,Tipo) values (1,'YO','SOL')"));
        QWidget *w = dependiente(e, QStringLiteral("ACT"), 0);
        nombres(w, QStringLiteral("maría"), QStringLiteral("o'brien"));
        opcion(w, "Sexo", 0);
        opcion(w, "Deps", 2);
        QCOMPARE(etiqueta(w, "L_Dependiente"), QStringLiteral("Datos del hijo:"));
        QCOMPARE(texto(w, "Nombre_1"), QString());
        nombres(w, QStringLiteral("pedro"));
        opcion(w, "Sexo", 1);
        escribe(w, "Fec_nac", QStringLiteral("01022000"));
        opcion(w, "Deps", 0);
        QCOMPARE(personas(), (QList<QVariantList>{
                                 {QStringLiteral("CGE"), QStringLiteral("MARÍA"), QStringLiteral("O'BRIEN"), QStringLiteral("15/03/2004"),
                                  QStringLiteral("F"), QStringLiteral("S"), 0},
                                 {QStringLiteral("HJ2"), QStringLiteral("PEDRO"), QString(), QStringLiteral("01/02/2000"),
                                  QStringLiteral("M"), QStringLiteral("S"), 0}}));
        QCOMPARE(Entorno::valor(QStringLiteral("Select Clave From Persona Where Tipo='HJ2'")).toInt(), 3);
        QCOMPARE(texto(w, "Paterno"), QStringLiteral("O'BRIEN"));
        QVERIFY(e.dialogos().textos().isEmpty());
    }

    // Las casillas de un soltero son los hijos 1 a 4.
    void solteroSoloHijos()
    {
        Entorno e(true);
        QWidget *w = dependiente(e, QStringLiteral("ACT"), 1);
        nombres(w, QStringLiteral("UNO"));
        opcion(w, "Deps1", 3);
        nombres(w, QStringLiteral("CUATRO"));
        pulsa(w, "Btn_Guardar");
        QCOMPARE(Entorno::filas(QStringLiteral("Select Tipo,Nombre_1 From Persona Order by Tipo")),
                 (QList<QVariantList>{{QStringLiteral("HJ1"), QStringLiteral("UNO")}, {QStringLiteral("HJ4"), QStringLiteral("CUATRO")}}));
    }

    // Borrar muestra la misma persona vacía y la navegación no la vuelve a guardar.
    void borraDependiente_data()
    {
        QTest::addColumn<int>("civil");
        QTest::addColumn<QString>("grupo");
        QTest::addColumn<int>("casilla");
        QTest::addColumn<QString>("borrado");
        QTest::newRow("casado, cónyuge") << 0 << "Deps" << 0 << "CGE";
        QTest::newRow("casado, hijo 3") << 0 << "Deps" << 3 << "HJ3";
        QTest::newRow("soltero, hijo 2") << 1 << "Deps1" << 1 << "HJ2";
    }
    void borraDependiente()
    {
        QFETCH(int, civil);
        QFETCH(QString, grupo);
        QFETCH(int, casilla);
        QFETCH(QString, borrado);
        Entorno e(true);
        Entorno::sql(QStringLiteral("Insert into Persona (Clave,Nombre_1,Tipo) values (2,'C','CGE'),(3,'H1','HJ1'),"
                                    "(4,'H2','HJ2'),(5,'H3','HJ3'),(6,'ACC','ACC')"));
        QWidget *w = dependiente(e, QStringLiteral("ACT"), civil);
        const QByteArray g = grupo.toLatin1();
        if (marcada(w, g.constData()) != casilla)
            opcion(w, g.constData(), casilla);
        control<QAction>(w, "Borradependiente1")->trigger();
        QCOMPARE(Entorno::cuenta(QStringLiteral("Persona"), QStringLiteral("Tipo='%1'").arg(borrado)), 0);
        QCOMPARE(Entorno::cuenta(QStringLiteral("Persona")), 4);
        QCOMPARE(texto(w, "Nombre_1"), QString());
        QCOMPARE(marcada(w, g.constData()), casilla);
        pulsa(w, "Btn_Siguiente");   // guarda la casilla (intacta) y pasa al accidente
        QCOMPARE(Entorno::cuenta(QStringLiteral("Persona")), 4);
        QCOMPARE(etiqueta(w, "L_Dependiente"), QStringLiteral("Familiar a quien contactar en caso de Accidente"));
        // Fuera de la familia no se borra a nadie.
        QVERIFY(!control<QAction>(w, "Borradependiente1")->isEnabled());
        control<QAction>(w, "Borradependiente1")->trigger();
        QCOMPARE(Entorno::cuenta(QStringLiteral("Persona")), 4);
    }

    // Familia → accidente → domicilio del accidente; y "Anterior" del accidente regresa a la familia.
    void familiaYAccidente()
    {
        Entorno e(true);
        QWidget *w = dependiente(e, QStringLiteral("ACT"), 0);
        control(w, "Btn_Siguiente")->setFocus();   // pulsado con el teclado
        pulsa(w, "Btn_Siguiente");
        QCOMPARE(Tipo_Actual, QStringLiteral("ACC"));
        QVERIFY(!visible(w, "Deps"));
        QCOMPARE(w->focusWidget(), control(w, "Nombre_1"));   // el lector anuncia el primer campo
        nombres(w, QStringLiteral("TÍA"), QStringLiteral("ROSAS"));
        pulsa(w, "Btn_Anterior");
        QCOMPARE(Entorno::cuenta(QStringLiteral("Persona"), QStringLiteral("Tipo='ACC'")), 1);
        QCOMPARE(etiqueta(w, "L_Dependiente"), QStringLiteral("Datos del cónyuge:"));
        QVERIFY(visible(w, "Deps"));
        QCOMPARE(marcada(w, "Deps"), 0);
        QCOMPARE(Tipo_Actual, QStringLiteral("ACT"));
        pulsa(w, "Btn_Siguiente");
        QCOMPARE(texto(w, "Nombre_1"), QStringLiteral("TÍA"));
        pulsa(w, "Btn_Siguiente");
        QApplication::processEvents();
        QVERIFY(!ventana("W_Dependiente"));
        QWidget *d = ventana("W_DirAct");
        QVERIFY(d);
        QCOMPARE(etiqueta(d, "L_DirTipo"), QStringLiteral("Domicilio donde contactar en caso de accidente"));
        // "Anterior" del domicilio reabre el accidente.
        pulsa(d, "Btn_Atras");
        QApplication::processEvents();
        QWidget *w2 = ventana("W_Dependiente");
        QVERIFY(w2);
        QCOMPARE(texto(w2, "Nombre_1"), QStringLiteral("TÍA"));
    }

    // Una fecha que no existe no llega a la tabla: se propone la de hoy y la ventana no sigue.
    // Con el reloj fuera de 1900-2020 no se propone nada y la fecha no tecleada se guarda nula.
    void fechaImposibleAlGuardar_data()
    {
        QTest::addColumn<QDate>("hoy");
        QTest::addColumn<QString>("propuesta");
        QTest::addColumn<QString>("guardada");   // condición sobre Fec_nac
        QTest::newRow("reloj en 2004") << QDate(2004, 3, 15) << "15/03/2004" << "Fec_nac='15/03/2004'";
        QTest::newRow("reloj en 2026") << QDate(2026, 12, 8) << "  /  /    " << "Fec_nac Is Null";
    }
    void fechaImposibleAlGuardar()
    {
        QFETCH(QDate, hoy);
        QFETCH(QString, propuesta);
        QFETCH(QString, guardada);
        Entorno e(true);
        Reloj::fija(QDateTime(hoy, QTime(10, 30)));
        QWidget *w = dependiente(e, QStringLiteral("ACT"), 0);
        QCOMPARE(texto(w, "Fec_nac"), propuesta);
        nombres(w, QStringLiteral("ANA"));
        escribe(w, "Fec_nac", QStringLiteral("31022000"));
        opcion(w, "Deps", 1);
        QCOMPARE(Entorno::cuenta(QStringLiteral("Persona")), 0);
        QCOMPARE(texto(w, "Fec_nac"), propuesta);
        QCOMPARE(texto(w, "Nombre_1"), QStringLiteral("ANA"));
        QCOMPARE(etiqueta(w, "L_Dependiente"), QStringLiteral("Datos del cónyuge:"));
        QCOMPARE(marcada(w, "Deps"), 0);   // la casilla marcada es la que se muestra
        opcion(w, "Deps", 1);
        QCOMPARE(Entorno::cuenta(QStringLiteral("Persona"), QStringLiteral("Tipo='CGE' And ") + guardada), 1);
    }

    void fechaAlSalir_data()
    {
        QTest::addColumn<QString>("tecleado");
        QTest::addColumn<QString>("queda");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("válida") << "07071970" << "07/07/1970" << "";
        QTest::newRow("2021") << "01012021" << "01/01/2021"
                              << "La fecha que ingreso tiene un error en el año, el sistema no tiene contemplado el año Es permitido de 1900 a 2020";
        QTest::newRow("ilegible") << "3102" << "15/03/2004" << "";
    }
    void fechaAlSalir()
    {
        QFETCH(QString, tecleado);
        QFETCH(QString, queda);
        QFETCH(QString, mensaje);
        Entorno e(true);
        QWidget *w = dependiente(e, QStringLiteral("AVA"));
        nombres(w, QStringLiteral("MAR"), QStringLiteral("TORRE"));
        escribe(w, "Materno", QStringLiteral("VALLE"));
        escribe(w, "Fec_nac", tecleado);
        sal(w, "Fec_nac");
        QCOMPARE(texto(w, "Fec_nac"), queda);
        QCOMPARE(e.dialogos().textos(), mensaje.isEmpty() ? QStringList() : QStringList{mensaje});
        QCOMPARE(texto(w, "RFC_Aval"), queda == u"07/07/1970" ? QStringLiteral("TOVM700707") : QString());
    }

    // El aval: al guardarlo se habilitan sus enlaces; las referencias y su regreso.
    void avalYReferencias()
    {
        Entorno e(true);
        Entorno::sql(QStringLiteral("Insert into Persona (Clave,Nombre_1,Tipo) values (1,'YO','SOL')"));
        QWidget *w = dependiente(e, QStringLiteral("AVA"));
        // "Guardar" con el aval en blanco no guarda nada y no abre sus ligas.
        pulsa(w, "Btn_Guardar");
        for (const char *b : {"Btn_Direccion", "Btn_Predio", "Referencias"})
            QVERIFY2(!control(w, b)->isEnabled(), b);
        QCOMPARE(Entorno::cuenta(QStringLiteral("Persona"), QStringLiteral("Tipo='AVA'")), 0);
        nombres(w, QStringLiteral("JUAN"), QStringLiteral("GARZA"));
        opcion(w, "Edo_Civil", 0);
        entra(w, "RFC_Aval");
        QCOMPARE(texto(w, "RFC_Aval"), QStringLiteral("GAJ040315"));
        // La homoclave que se escribe tras la propuesta no se pierde al volver a entrar.
        escribe(w, "RFC_Aval", QStringLiteral("GAJ040315XY1"));
        entra(w, "RFC_Aval");
        QCOMPARE(texto(w, "RFC_Aval"), QStringLiteral("GAJ040315XY1"));
        pulsa(w, "Btn_Guardar");
        for (const char *b : {"Btn_Direccion", "Btn_Predio", "Referencias"})
            QVERIFY2(control(w, b)->isEnabled(), b);
        QCOMPARE(Entorno::filas(QStringLiteral("Select Clave,Edo_civil,RFC From Persona Where Tipo='AVA'")),
                 (QList<QVariantList>{{2, QStringLiteral("C"), QStringLiteral("GAJ040315XY1")}}));

        control(w, "Referencias")->setFocus();
        pulsa(w, "Referencias");
        auto *deps = control<QGroupBox>(w, "Deps");
        QCOMPARE(deps->title(), QStringLiteral("Referencias Personales"));
        QVERIFY(visible(w, "Deps"));
        QCOMPARE(marcada(w, "Deps"), 0);
        QCOMPARE(control<QAbstractButton>(w, "Deps_3")->text(), QStringLiteral("Cuatro"));
        QVERIFY(!w->findChild<QWidget *>(QStringLiteral("Deps_4")));
        QCOMPARE(etiqueta(w, "L_Dependiente"), QStringLiteral("Avisar en caso de emergencia"));
        QCOMPARE(w->focusWidget(), control(w, "Nombre_1"));
        QVERIFY(!visible(w, "RFC_Aval"));
        QVERIFY(!visible(w, "Btn_Predio"));
        QVERIFY(visible(w, "Btn_Direccion"));
        nombres(w, QStringLiteral("REF UNO"));
        opcion(w, "Deps", 2);
        QCOMPARE(Tipo_Actual, QStringLiteral("RE3"));
        nombres(w, QStringLiteral("REF TRES"));
        pulsa(w, "Btn_Direccion");
        QApplication::processEvents();
        QCOMPARE(Entorno::filas(QStringLiteral("Select Tipo,Nombre_1 From Persona Where Tipo Like 'RE%' Order by Tipo")),
                 (QList<QVariantList>{{QStringLiteral("RE1"), QStringLiteral("REF UNO")}, {QStringLiteral("RE3"), QStringLiteral("REF TRES")}}));
        QVERIFY(!ventana("W_Dependiente"));
        QWidget *d = ventana("W_DirAct");
        QCOMPARE(etiqueta(d, "L_DirTipo"), QStringLiteral("Domicilio particular de la referencia"));
        escribe(d, "Calle", QStringLiteral("ROBLE"));
        pulsa(d, "Btn_Sig");
        QApplication::processEvents();
        QCOMPARE(Entorno::valor(QStringLiteral("Select Persona_clave From Domicilio Where Tipo='RE3'")),
                 Entorno::valor(QStringLiteral("Select Clave From Persona Where Tipo='RE3'")));
        // De regreso: selector de referencias con "Tres" y la referencia 3.
        QWidget *w2 = ventana("W_Dependiente");
        QVERIFY(w2);
        QCOMPARE(control<QGroupBox>(w2, "Deps")->title(), QStringLiteral("Referencias Personales"));
        QCOMPARE(marcada(w2, "Deps"), 2);
        QCOMPARE(texto(w2, "Nombre_1"), QStringLiteral("REF TRES"));
        QVERIFY(!visible(w2, "Deps1"));
        QVERIFY(visible(w2, "Btn_Direccion"));
        // "Siguiente" de las referencias muestra al aval.
        pulsa(w2, "Btn_Siguiente");
        QCOMPARE(etiqueta(w2, "L_Dependiente"), QStringLiteral("Datos del Aval"));
        QCOMPARE(texto(w2, "Nombre_1"), QStringLiteral("JUAN"));
        QVERIFY(!visible(w2, "Deps"));
        QVERIFY(control(w2, "Btn_Predio")->isEnabled());
        QVERIFY(e.dialogos().textos().isEmpty());
    }

    // Un error de la base al guardar se avisa y la navegación no sigue: nada escrito se pierde.
    void rechazoDeLaBase()
    {
        Entorno e(true);
        Entorno::sql(QStringLiteral("Create Trigger rechaza Before Insert On Persona Begin Select Raise(Abort,'no'); End"));
        QWidget *w = dependiente(e, QStringLiteral("ACC"));
        nombres(w, QStringLiteral("LUZ"));
        pulsa(w, "Btn_Siguiente");
        QCOMPARE(int(e.dialogos().mostrados().size()), 1);
        QCOMPARE(e.dialogos().mostrados().front().icono, Dialogos::Icono::Error);
        QCOMPARE(ventana("W_Dependiente"), w);
        QVERIFY(!ventana("W_DirAct"));
        QCOMPARE(texto(w, "Nombre_1"), QStringLiteral("LUZ"));
    }
};

REGISTRA_PRUEBA(PruebaDependiente)
#include "PruebaDependiente.moc"
