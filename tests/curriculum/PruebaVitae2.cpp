#include "AyudaVitae.h"
#include "platform/Reloj.h"

#include <QPushButton>

using namespace Vitae;

class PruebaVitae2 : public QObject {
    Q_OBJECT
private slots:
    void abrirSinFilas()
    {
        Entorno e(true);
        QWidget *w = abre(e, QStringLiteral("W_Vitae2"));
        QVERIFY(w);
        for (const char *s : {"Pub", "Trab", "Tesis"})
            QCOMPARE(control<QSpinBox>(w, s)->value(), 0);
        for (const char *c : {"CB_TipoPub", "Autor", "TituloPub", "PaisPub", "Editorial", "Trabajo", "Lugar", "Titulo", "Nivel"})
            QVERIFY2(!control(w, c)->isEnabled(), c);
        QCOMPARE(control<QComboBox>(w, "CB_TipoPub")->currentIndex(), -1);
        for (const char *f : {"FechaPub", "FechaCong", "FechaTes"}) {
            QVERIFY2(control(w, f)->isEnabled(), f);
            QCOMPARE(mascara(w, f), QStringLiteral("15/03/2004"));
        }
    }

    // Cada lista guarda sus campos en sus columnas y con su código.
    void listasYSusColumnas_data()
    {
        QTest::addColumn<QString>("selector");
        QTest::addColumn<QStringList>("tecleos");   // "Control=texto"
        QTest::addColumn<QString>("consulta");
        QTest::addColumn<QString>("esperado");
        QTest::addColumn<int>("anioDeHoy");
        QTest::newRow("publicación") << "Pub"
                                     << QStringList{"Autor=pérez y o'brien", "TituloPub=álgebra", "FechaPub=05062003", "PaisPub=méxico",
                                                    "Editorial=siglo xxi"}
                                     << "Select Tipo,Grado,Autores,Titulo,Fecha_1,Pais,Lugar,secuencia From Trabajo"
                                     << "PUB|ARTICULO|PÉREZ Y O'BRIEN|ÁLGEBRA|05/06/2003|MÉXICO|SIGLO XXI|1" << 2004;
        QTest::newRow("congreso") << "Trab" << QStringList{"Trabajo=redes", "Lugar=oaxaca", "FechaCong=01112002"}
                                  << "Select Tipo,Titulo,Lugar,Fecha_1,secuencia From Trabajo" << "CON|REDES|OAXACA|01/11/2002|1" << 2004;
        QTest::newRow("tesis") << "Tesis" << QStringList{"Titulo=grafos", "Nivel=maestría"}
                               << "Select Tipo,Titulo,Grado,Fecha_1,secuencia From Trabajo" << "TES|GRAFOS|MAESTRÍA|15/03/2004|1" << 2004;
        // Con el reloj fuera de 1900-2020 la fecha no tecleada queda vacía y se guarda nula.
        QTest::newRow("tesis, reloj en 2026") << "Tesis" << QStringList{"Titulo=grafos", "Nivel=maestría"}
                                              << "Select Tipo,Titulo,Grado,Fecha_1,secuencia From Trabajo" << "TES|GRAFOS|MAESTRÍA|NULL|1" << 2026;
    }
    void listasYSusColumnas()
    {
        QFETCH(QString, selector);
        QFETCH(QStringList, tecleos);
        QFETCH(QString, consulta);
        QFETCH(QString, esperado);
        QFETCH(int, anioDeHoy);
        Entorno e(true);
        Reloj::fija(QDateTime(QDate(anioDeHoy, 3, 15), QTime(10, 30)));
        QWidget *w = abre(e, QStringLiteral("W_Vitae2"));
        selecciona(w, qPrintable(selector), 1);
        if (selector == QStringLiteral("Pub")) {
            auto *tipo = control<QComboBox>(w, "CB_TipoPub");
            tipo->setFocus();
            QTest::keyClick(tipo, Qt::Key_Down);
            QTest::keyClick(tipo, Qt::Key_Down);   // "ARTICULO"
        }
        for (const QString &t : tecleos) {
            const QString nombre = t.section(u'=', 0, 0);
            teclea(w, qPrintable(nombre), t.section(u'=', 1));
        }
        selecciona(w, qPrintable(selector), 2);
        QCOMPARE(unaFila(consulta), esperado);
        QVERIFY(e.dialogos().textos().isEmpty());
    }

    void tipoDePublicacionGuardado_data()
    {
        QTest::addColumn<QVariant>("guardado");
        QTest::addColumn<QString>("muestra");
        QTest::newRow("LIBRO") << QVariant(QStringLiteral("LIBRO")) << "LIBRO";
        QTest::newRow("ARTICULO") << QVariant(QStringLiteral("ARTICULO")) << "ARTICULO";
        QTest::newRow("vacío") << QVariant(QString()) << "CAPITULO";
        QTest::newRow("nulo") << QVariant() << "CAPITULO";
        QTest::newRow("otro") << QVariant(QStringLiteral("REVISTA")) << "CAPITULO";
    }
    void tipoDePublicacionGuardado()
    {
        QFETCH(QVariant, guardado);
        QFETCH(QString, muestra);
        Entorno e(true);
        Entorno::sql(QStringLiteral("Insert into Trabajo (Clave,Tipo,Grado,Autores,Titulo,Pais,Lugar,secuencia) values (1,'PUB',:g,'A','T','P','E',1)"),
                     {{QStringLiteral("g"), guardado}});
        QWidget *w = abre(e, QStringLiteral("W_Vitae2"));
        QCOMPARE(control<QSpinBox>(w, "Pub")->value(), 1);
        QCOMPARE(control<QComboBox>(w, "CB_TipoPub")->currentText(), muestra);
        // Sin fecha guardada se muestra la de hoy.
        QCOMPARE(mascara(w, "FechaPub"), QStringLiteral("15/03/2004"));
    }

    void publicacionSinTipoNoSeGuarda()
    {
        Entorno e(true);
        QWidget *w = abre(e, QStringLiteral("W_Vitae2"));
        selecciona(w, "Pub", 1);
        for (const char *c : {"Autor", "TituloPub", "PaisPub", "Editorial"})
            teclea(w, c, QStringLiteral("X"));
        selecciona(w, "Pub", 2);
        QCOMPARE(Entorno::cuenta(QStringLiteral("Trabajo")), 0);
        // Lo escrito no se pierde: aviso y el selector se queda en el registro.
        QCOMPARE(e.dialogos().textos(), QStringList{QStringLiteral("No ha capturado la informacion de manera completa")});
        QCOMPARE(control<QSpinBox>(w, "Pub")->value(), 1);
        QCOMPARE(control<QLineEdit>(w, "Autor")->text(), QStringLiteral("X"));
    }

    void siguienteInsertaConElNumeroDelSelector()
    {
        Entorno e(true);
        QWidget *w = abre(e, QStringLiteral("W_Vitae2"));
        selecciona(w, "Pub", 2);
        control<QComboBox>(w, "CB_TipoPub")->setCurrentIndex(0);
        for (const char *c : {"Autor", "TituloPub", "PaisPub", "Editorial"})
            teclea(w, c, QStringLiteral("X"));
        control<QPushButton>(w, "Btn_Siguiente")->click();
        QCOMPARE(unaFila(QStringLiteral("Select Tipo,Grado,secuencia,Fecha_1 From Trabajo")), QStringLiteral("PUB|LIBRO|2|15/03/2004"));
        QVERIFY(!abierta(e, "W_Vitae2"));
        QVERIFY(abierta(e, "W_Vitae3"));
        QCOMPARE(e.inicial()->G_Cargando->value(), 100);
    }

    void borrarCongresoNoTocaOtrasListas()
    {
        Entorno e(true);
        Entorno::sql(QStringLiteral("Insert into Trabajo (Clave,Tipo,Lugar,Puesto,secuencia) values (1,'TRA','UNAM','JEFE',1)"));
        Entorno::sql(QStringLiteral("Insert into Trabajo (Clave,Tipo,Lugar,Titulo,secuencia) values (2,'CON','OAXACA','REDES',1)"));
        QWidget *w = abre(e, QStringLiteral("W_Vitae2"));
        QCOMPARE(control<QLineEdit>(w, "Trabajo")->text(), QStringLiteral("REDES"));
        menu(w, "Trabajoencongreso1");
        QCOMPARE(unaFila(QStringLiteral("Select Tipo From Trabajo")), QStringLiteral("TRA"));
        QCOMPARE(control<QLineEdit>(w, "Trabajo")->text(), QString());
    }

    void anteriorConVitae1AbiertaLaDejaComoEstaba()
    {
        Entorno e(true);
        QWidget *v1 = abre(e, QStringLiteral("W_Vitae1"));
        teclea(v1, "Institucion", QStringLiteral("SIN GUARDAR"));
        QWidget *w = abre(e, QStringLiteral("W_Vitae2"));
        selecciona(w, "Tesis", 1);
        teclea(w, "Titulo", QStringLiteral("GRAFOS"));
        teclea(w, "Nivel", QStringLiteral("DOCTORADO"));
        control<QPushButton>(w, "Btn_Anterior")->click();
        QVERIFY(!abierta(e, "W_Vitae2"));
        QCOMPARE(e.inicial()->Forma(QStringLiteral("W_Vitae1")), v1);
        QCOMPARE(control<QLineEdit>(v1, "Institucion")->text(), QStringLiteral("SIN GUARDAR"));
        QCOMPARE(Entorno::cuenta(QStringLiteral("Escolar")), 0);
        QCOMPARE(unaFila(QStringLiteral("Select Tipo,Titulo,secuencia From Trabajo")), QStringLiteral("TES|GRAFOS|1"));
    }

    void fechaInvalidaAlSalirQuedaHoy()
    {
        Entorno e(true);
        Entorno::sql(QStringLiteral("Insert into Trabajo (Clave,Tipo,Titulo,Grado,Fecha_1,secuencia) values (1,'TES','T','N','01/01/2001',1)"));
        QWidget *w = abre(e, QStringLiteral("W_Vitae2"));
        QCOMPARE(mascara(w, "FechaTes"), QStringLiteral("01/01/2001"));
        teclea(w, "FechaTes", QStringLiteral("01011899"));
        sal(control(w, "FechaTes"));
        QCOMPARE(mascara(w, "FechaTes"), QStringLiteral("15/03/2004"));
        QCOMPARE(e.dialogos().textos(), QStringList{QStringLiteral("La fecha que ingreso tiene un error en el año, el sistema no tiene contemplado el año Es permitido de 1900 a 2020")});
    }
};

REGISTRA_PRUEBA(PruebaVitae2)
#include "PruebaVitae2.moc"
