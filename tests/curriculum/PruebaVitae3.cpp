#include "AyudaVitae.h"

#include <QCheckBox>
#include <QPushButton>

using namespace Vitae;

namespace {
void conSni(const QString &expediente)
{
    Entorno::sql(QStringLiteral("Insert into General (Clave,Convocatoria,Expediente_Sni,FechaIni_Sni,FechaFin_Sni) values (1,482,:e,'01/02/2001','31/01/2004')"),
                 {{QStringLiteral("e"), expediente.toLongLong()}});
}
} // namespace

class PruebaVitae3 : public QObject {
    Q_OBJECT
private slots:
    void abrirSinFilas()
    {
        Entorno e(true);
        conConvocatoria();
        QWidget *w = abre(e, QStringLiteral("W_Vitae3"));
        for (const char *s : {"Laboral", "Asociaciones", "Idiomas", "OtrasEst"})
            QCOMPARE(control<QSpinBox>(w, s)->value(), 0);
        for (const char *c : {"Instlaboral", "Puestolaboral", "NomAsociasion", "NomIdioma", "Escritura", "Institucion", "Tipo", "AnioIni",
                              "Promedio", "ExpSni", "Fecini_sni", "fecfin_sni"})
            QVERIFY2(!control(w, c)->isEnabled(), c);
        for (const char *f : {"FecLab_Ini", "FecLab_Fin"}) {
            QVERIFY(control(w, f)->isEnabled());
            QCOMPARE(mascara(w, f), QStringLiteral("15/03/2004"));
        }
        QVERIFY(!control<QCheckBox>(w, "SNI")->isChecked());
        QVERIFY(!control<QCheckBox>(w, "Titulado")->isVisible());
    }

    void sniGuardadoSeMuestraYSeConserva_data()
    {
        QTest::addColumn<bool>("desmarcar");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("sin cambios") << false << "123456|01/02/2001|31/01/2004";
        QTest::newRow("desmarcado guarda 0 y conserva las fechas") << true << "0|01/02/2001|31/01/2004";
    }
    void sniGuardadoSeMuestraYSeConserva()
    {
        QFETCH(bool, desmarcar);
        QFETCH(QString, esperado);
        Entorno e(true);
        conSni(QStringLiteral("123456"));
        QWidget *w = abre(e, QStringLiteral("W_Vitae3"));
        auto *sni = control<QCheckBox>(w, "SNI");
        QVERIFY(sni->isChecked());
        QCOMPARE(mascara(w, "ExpSni"), QStringLiteral("123456"));
        QCOMPARE(mascara(w, "Fecini_sni"), QStringLiteral("01/02/2001"));
        QCOMPARE(mascara(w, "fecfin_sni"), QStringLiteral("31/01/2004"));
        QVERIFY(control(w, "ExpSni")->isEnabled());
        if (desmarcar) {
            QTest::mouseClick(sni, Qt::LeftButton, {}, QPoint(6, sni->height() / 2));
            QCOMPARE(mascara(w, "ExpSni"), QStringLiteral("      "));
            QVERIFY(!control(w, "Fecini_sni")->isEnabled());
        }
        control<QPushButton>(w, "Btn_Guardar")->click();
        QVERIFY(!abierta(e, "W_Vitae3"));
        QCOMPARE(unaFila(QStringLiteral("Select Expediente_Sni,FechaIni_Sni,FechaFin_Sni From General")), esperado);
    }

    void sniConFechaImposibleNoCierraNiEscribe()
    {
        Entorno e(true);
        conSni(QStringLiteral("123456"));
        QWidget *w = abre(e, QStringLiteral("W_Vitae3"));
        control<EditMascara>(w, "fecfin_sni")->ponTexto(QStringLiteral("31/04/2004"));
        control<QPushButton>(w, "Btn_Guardar")->click();
        QVERIFY(abierta(e, "W_Vitae3"));
        QCOMPARE(QApplication::focusWidget(), control(w, "fecfin_sni"));
        QCOMPARE(e.dialogos().textos(), QStringList{QStringLiteral("La fecha que ingreso tiene un error en el día, es necesario que sean dos digitos en el dia")});
        QCOMPARE(unaFila(QStringLiteral("Select Expediente_Sni,FechaIni_Sni,FechaFin_Sni From General")), QStringLiteral("123456|01/02/2001|31/01/2004"));
    }

    void sniConFechasEnBlancoLasGuardaNulas()
    {
        Entorno e(true);
        conConvocatoria();
        QWidget *w = abre(e, QStringLiteral("W_Vitae3"));
        QTest::mouseClick(control<QCheckBox>(w, "SNI"), Qt::LeftButton, {}, QPoint(6, 8));
        teclea(w, "ExpSni", QStringLiteral("4321"));
        control<QPushButton>(w, "Btn_Guardar")->click();
        QCOMPARE(unaFila(QStringLiteral("Select Expediente_Sni,FechaIni_Sni,FechaFin_Sni From General")), QStringLiteral("4321|NULL|NULL"));
    }

    void asociacionEIdioma()
    {
        Entorno e(true);
        QWidget *w = abre(e, QStringLiteral("W_Vitae3"));
        selecciona(w, "Asociaciones", 1);
        teclea(w, "NomAsociasion", QStringLiteral("sociedad matemática"));
        selecciona(w, "Asociaciones", 2);
        QCOMPARE(unaFila(QStringLiteral("Select Tipo,Lugar,secuencia From Trabajo")), QStringLiteral("ASO|SOCIEDAD MATEMÁTICA|1"));
        selecciona(w, "Idiomas", 1);
        teclea(w, "NomIdioma", QStringLiteral("inglés"));
        teclea(w, "Escritura", QStringLiteral("100"));
        teclea(w, "Lectura", QStringLiteral("80"));
        teclea(w, "Comprension", QStringLiteral("90"));
        selecciona(w, "Idiomas", 0);
        QCOMPARE(unaFila(QStringLiteral("Select Titulo,Escritura,Lectura,Comprension,secuencia From Trabajo Where Tipo='IDI'")),
                 QStringLiteral("INGLÉS|100|80|90|1"));
        // Poner el selector de idiomas en 0 limpia sólo sus campos.
        QCOMPARE(mascara(w, "Escritura"), QStringLiteral("   "));
        QCOMPARE(control<QSpinBox>(w, "Asociaciones")->value(), 2);
        QVERIFY(control(w, "NomAsociasion")->isEnabled());
        selecciona(w, "Asociaciones", 1);
        menu(w, "Borraasociacion1");
        QCOMPARE(Entorno::cuenta(QStringLiteral("Trabajo"), QStringLiteral("Tipo='ASO'")), 0);
        QCOMPARE(control<QLineEdit>(w, "NomAsociasion")->text(), QString());
    }

    void otrosEstudios_data()
    {
        QTest::addColumn<QString>("promedio");
        QTest::addColumn<QString>("anioFin");
        QTest::addColumn<QString>("guardado");
        QTest::addColumn<QStringList>("mensajes");
        QTest::newRow("completo") << "0875" << "2001" << "OTR|CIDE|PRV|01/01/2000|01/01/2001|ECONOMÍA|8.75|N|1" << QStringList();
        QTest::newRow("promedio en blanco: la base lo rechaza")
            << "" << "2001" << "" << QStringList{QStringLiteral("No ha capturado la informacion de manera completa")};
        QTest::newRow("año incompleto detiene")
            << "0875" << "01" << "" << QStringList{QStringLiteral("El año que ingreso no es válido, es necesario que sean cuatro digitos en el año")};
    }
    void otrosEstudios()
    {
        QFETCH(QString, promedio);
        QFETCH(QString, anioFin);
        QFETCH(QString, guardado);
        QFETCH(QStringList, mensajes);
        Entorno e(true);
        QWidget *w = abre(e, QStringLiteral("W_Vitae3"));
        selecciona(w, "OtrasEst", 1);
        QCOMPARE(control<QComboBox>(w, "Tipo")->currentIndex(), -1);
        teclea(w, "Institucion", QStringLiteral("cide"));
        control<QComboBox>(w, "Tipo")->setCurrentIndex(1);
        teclea(w, "AnioIni", QStringLiteral("2000"));
        teclea(w, "AnioFin", anioFin);
        teclea(w, "Carrera", QStringLiteral("economía"));
        if (!promedio.isEmpty())
            teclea(w, "Promedio", promedio);
        selecciona(w, "OtrasEst", 2);
        QCOMPARE(unaFila(QStringLiteral("Select Nivel,Nombre,Tipo,Fecha_ini,Fecha_fin,Carrera,Promedio,Titulado,secuencia From Escolar")),
                 guardado);
        QCOMPARE(e.dialogos().textos(), mensajes);
    }

    void otroEstudioConservaSuNumeroAlActualizar()
    {
        Entorno e(true);
        Entorno::sql(QStringLiteral("Insert into Escolar Values(4,'COLMEX','PUB','01/01/1999','01/01/2000','OTR',9,'HISTORIA','S',3)"));
        QWidget *w = abre(e, QStringLiteral("W_Vitae3"));
        QCOMPARE(control<QSpinBox>(w, "OtrasEst")->value(), 1);
        QCOMPARE(control<QLineEdit>(w, "Institucion")->text(), QStringLiteral("COLMEX"));
        QCOMPARE(mascara(w, "AnioIni"), QStringLiteral("1999"));
        QCOMPARE(control<QComboBox>(w, "Tipo")->currentText(), QStringLiteral("PUB"));
        teclea(w, "Carrera", QStringLiteral("HISTORIA DEL ARTE"));
        selecciona(w, "OtrasEst", 0);
        QCOMPARE(unaFila(QStringLiteral("Select Clave,Carrera,Titulado,secuencia From Escolar")), QStringLiteral("4|HISTORIA DEL ARTE|S|3"));
    }

    void borraOtroEstudioYExperiencia()
    {
        Entorno e(true);
        for (int i = 1; i <= 3; ++i)
            Entorno::sql(QStringLiteral("Insert into Escolar Values(:c,:n,'PUB','01/01/1999','01/01/2000','OTR',9,'X','N',:c)"),
                         {{QStringLiteral("c"), i}, {QStringLiteral("n"), QStringLiteral("INST %1").arg(i)}});
        Entorno::sql(QStringLiteral("Insert into Escolar Values(9,'UNAM','PUB','01/01/1990','01/01/1995','LIC',8,'X','S',2)"));
        Entorno::sql(QStringLiteral("Insert into Trabajo (Clave,Tipo,Lugar,Puesto,secuencia) values (1,'TRA','UNAM','JEFE',1)"));
        Entorno::sql(QStringLiteral("Insert into Trabajo (Clave,Tipo,Lugar,secuencia) values (2,'ASO','AMC',1)"));
        QWidget *w = abre(e, QStringLiteral("W_Vitae3"));
        QCOMPARE(mascara(w, "FecLab_Ini"), QStringLiteral("15/03/2004"));   // sin fecha guardada, la de hoy
        selecciona(w, "OtrasEst", 2);
        menu(w, "Borraotrosestudios1");
        QCOMPARE(unaFila(QStringLiteral("Select Nombre From Escolar Order by Clave")), QStringLiteral("INST 1,INST 3,UNAM"));
        QCOMPARE(control<QLineEdit>(w, "Institucion")->text(), QStringLiteral("INST 3"));
        menu(w, "Borraexperenciaprofesional1");
        QCOMPARE(unaFila(QStringLiteral("Select Tipo From Trabajo")), QStringLiteral("ASO"));
    }

    void anteriorGuardaYVuelveAVitae2()
    {
        Entorno e(true);
        conConvocatoria();
        QWidget *w = abre(e, QStringLiteral("W_Vitae3"));
        selecciona(w, "Laboral", 1);
        teclea(w, "Instlaboral", QStringLiteral("instituto del bajío"));
        teclea(w, "Puestolaboral", QStringLiteral("analista"));
        teclea(w, "FecLab_Ini", QStringLiteral("01022000"));
        // Una fecha que no pasó por su salida y no es real detiene la salida de la ventana.
        control<EditMascara>(w, "FecLab_Fin")->ponTexto(QStringLiteral("31/04/2003"));
        control<QPushButton>(w, "Btn_Anterior")->click();
        QVERIFY(abierta(e, "W_Vitae3"));
        QCOMPARE(Entorno::cuenta(QStringLiteral("Trabajo")), 0);
        control<EditMascara>(w, "FecLab_Fin")->ponTexto(QStringLiteral("30/04/2003"));
        control<QPushButton>(w, "Btn_Anterior")->click();
        QVERIFY(!abierta(e, "W_Vitae3"));
        QVERIFY(abierta(e, "W_Vitae2"));
        QCOMPARE(unaFila(QStringLiteral("Select Tipo,Lugar,Puesto,Fecha_1,Fecha_2,secuencia From Trabajo")),
                 QStringLiteral("TRA|INSTITUTO DEL BAJÍO|ANALISTA|01/02/2000|30/04/2003|1"));
    }
};

REGISTRA_PRUEBA(PruebaVitae3)
#include "PruebaVitae3.moc"
