#include "AyudaVitae.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

using namespace Vitae;

namespace {
const QString kPromedio = QStringLiteral("El promedio tiene que ser un valor numerico en el intervalo [8,10]");
const QString kDia = QStringLiteral("La fecha que ingreso tiene un error en el día, es necesario que sean dos digitos en el dia");

void grado(QWidget *w, int i)
{
    auto *r = control<QRadioButton>(w, qPrintable(QStringLiteral("Grados%1").arg(i)));
    QTest::mouseClick(r, Qt::LeftButton, {}, QPoint(6, r->height() / 2));   // sobre el círculo
}
} // namespace

class PruebaVitae1 : public QObject {
    Q_OBJECT
private slots:
    void curricularesAbreLaVentanaVacia()
    {
        Entorno e(true);
        conConvocatoria();
        muestraMarco(e);
        QTest::mouseClick(e.inicial()->findChild<QToolButton *>(QStringLiteral("SB_Curriculum")), Qt::LeftButton);
        QWidget *w = e.inicial()->Forma(QStringLiteral("W_Vitae1"));
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QStringLiteral("Curriculum Vitae"));
        QVERIFY(control<QRadioButton>(w, "Grados0")->isChecked());
        QCOMPARE(control<QLineEdit>(w, "Institucion")->text(), QString());
        QVERIFY(control<QCheckBox>(w, "Titulado")->isChecked());
        QCOMPARE(control<QComboBox>(w, "Tipo")->currentText(), QStringLiteral("PRV"));
        QCOMPARE(mascara(w, "Promedio"), QStringLiteral("  .  "));
        for (const char *s : {"Becas", "Recon"})
            QCOMPARE(control<QSpinBox>(w, s)->value(), 0);
        for (const char *c : {"InstBeca", "meses", "GdoBeca", "InstRec", "GdoRec"})
            QVERIFY2(!control(w, c)->isEnabled(), c);
        QVERIFY(control(w, "Fec_rec")->isEnabled());
        QCOMPARE(e.inicial()->G_Cargando->value(), 100);
        QVERIFY(e.dialogos().textos().isEmpty());
    }

    void antecedentesPorGrado_data()
    {
        QTest::addColumn<QString>("anioIni");
        QTest::addColumn<QString>("anioFin");
        QTest::addColumn<QString>("promedio");
        QTest::addColumn<QString>("guardado");   // fila LIC tras cambiar de grado
        QTest::addColumn<QStringList>("mensajes");
        QTest::addColumn<int>("gradoFinal");
        QTest::newRow("completo") << "1994" << "1998" << "0950"
                                  << "UNIVERSIDAD O'NEIL|PUB|01/01/1994|01/01/1998|9.5|QUÍMICA|N|1" << QStringList() << 1;
        QTest::newRow("promedio en blanco no se guarda") << "1994" << "1998" << "" << "" << QStringList() << 1;
        QTest::newRow("años en blanco quedan nulos") << "" << "" << "0800" << "UNIVERSIDAD O'NEIL|PUB|NULL|NULL|8|QUÍMICA|N|1"
                                                     << QStringList() << 1;
        QTest::newRow("año incompleto detiene en el grado") << "98" << "1998" << "0950" << "" << QStringList{
            QStringLiteral("El año que ingreso no es válido, es necesario que sean cuatro digitos en el año")} << 0;
    }
    void antecedentesPorGrado()
    {
        QFETCH(QString, anioIni);
        QFETCH(QString, anioFin);
        QFETCH(QString, promedio);
        QFETCH(QString, guardado);
        QFETCH(QStringList, mensajes);
        QFETCH(int, gradoFinal);
        Entorno e(true);
        QWidget *w = abre(e, QStringLiteral("W_Vitae1"));
        teclea(w, "Institucion", QStringLiteral("universidad o'neil"));
        control<QComboBox>(w, "Tipo")->setCurrentIndex(0);
        teclea(w, "AnioIni", anioIni);
        teclea(w, "AnioFin", anioFin);
        teclea(w, "Carrera", QStringLiteral("química"));
        if (!promedio.isEmpty())
            teclea(w, "Promedio", promedio);
        QTest::mouseClick(control<QCheckBox>(w, "Titulado"), Qt::LeftButton);
        e.dialogos().limpia();
        grado(w, 1);
        QCOMPARE(unaFila(QStringLiteral("Select Nombre,Tipo,Fecha_ini,Fecha_fin,Promedio,Carrera,Titulado,secuencia From Escolar Where Nivel='LIC'")),
                 guardado);
        QCOMPARE(e.dialogos().textos(), mensajes);
        QVERIFY(control<QRadioButton>(w, qPrintable(QStringLiteral("Grados%1").arg(gradoFinal)))->isChecked());
        if (gradoFinal == 0) {
            QCOMPARE(control<QLineEdit>(w, "Institucion")->text(), QStringLiteral("UNIVERSIDAD O'NEIL"));
            return;
        }
        // El grado nuevo se muestra vacío; al volver, el guardado reaparece.
        QCOMPARE(control<QLineEdit>(w, "Institucion")->text(), QString());
        grado(w, 0);
        if (!guardado.isEmpty()) {
            QCOMPARE(control<QLineEdit>(w, "Institucion")->text(), QStringLiteral("UNIVERSIDAD O'NEIL"));
            QCOMPARE(mascara(w, "AnioIni"), anioIni.isEmpty() ? QStringLiteral("    ") : anioIni);
            QCOMPARE(control<QComboBox>(w, "Tipo")->currentText(), QStringLiteral("PUB"));
            QVERIFY(!control<QCheckBox>(w, "Titulado")->isChecked());
        }
        // MAE no se tocó: con su promedio en blanco no se guardó nada.
        QCOMPARE(Entorno::cuenta(QStringLiteral("Escolar"), QStringLiteral("Nivel='MAE'")), 0);
    }

    void actualizarYBorrarUnGrado()
    {
        Entorno e(true);
        Entorno::sql(QStringLiteral("Insert into Escolar Values(7,'UNAM','PUB','01/01/1990','01/01/1995','LIC',8.5,'FÍSICA','S',1)"));
        Entorno::sql(QStringLiteral("Insert into Escolar Values(8,'IPN','PUB','01/01/1996','01/01/1998','MAE',9,'FÍSICA','S',2)"));
        QWidget *w = abre(e, QStringLiteral("W_Vitae1"));
        QCOMPARE(mascara(w, "Promedio"), QStringLiteral("08.50"));
        QCOMPARE(mascara(w, "AnioFin"), QStringLiteral("1995"));
        teclea(w, "Carrera", QStringLiteral("MATEMÁTICAS"));
        grado(w, 2);
        QCOMPARE(unaFila(QStringLiteral("Select Clave,Carrera,Promedio From Escolar Where Nivel='LIC'")), QStringLiteral("7|MATEMÁTICAS|8.5"));
        grado(w, 1);
        menu(w, "Borraantecedentesescolares1");
        QCOMPARE(unaFila(QStringLiteral("Select Nivel From Escolar Order by Nivel")), QStringLiteral("LIC"));
        QCOMPARE(control<QLineEdit>(w, "Institucion")->text(), QString());
        // Tras borrar, el grado vuelve a guardarse como alta.
        teclea(w, "Institucion", QStringLiteral("CINVESTAV"));
        teclea(w, "Promedio", QStringLiteral("1000"));
        grado(w, 0);
        QCOMPARE(unaFila(QStringLiteral("Select Nombre,Promedio,secuencia From Escolar Where Nivel='MAE'")), QStringLiteral("CINVESTAV|10|2"));
    }

    void reglasDelPromedio_data()
    {
        QTest::addColumn<QString>("tecleado");
        QTest::addColumn<QString>("queda");
        QTest::addColumn<QStringList>("mensajes");
        QTest::addColumn<bool>("regresaElFoco");
        QTest::newRow("07.50 se acepta") << "0750" << "07.50" << QStringList() << false;
        QTest::newRow("10.00 se acepta") << "1000" << "10.00" << QStringList() << false;
        QTest::newRow("10.50 avisa y regresa") << "1050" << "10.50" << QStringList{kPromedio} << true;
        QTest::newRow("en blanco no es número") << "" << "  .  "
                                               << QStringList{QStringLiteral("El promedio no es un valor numérico válido")} << false;
    }
    void reglasDelPromedio()
    {
        QFETCH(QString, tecleado);
        QFETCH(QString, queda);
        QFETCH(QStringList, mensajes);
        QFETCH(bool, regresaElFoco);
        Entorno e(true);
        QWidget *w = abre(e, QStringLiteral("W_Vitae1"));
        auto *promedio = control<EditMascara>(w, "Promedio");
        // Al entrar con el promedio en blanco se recuerda el intervalo.
        promedio->setFocus();
        QCOMPARE(e.dialogos().textos(), QStringList{kPromedio});
        e.dialogos().limpia();
        Pruebas::escribe(promedio, tecleado);
        control(w, "Titulado")->setFocus();
        QCOMPARE(promedio->texto(), queda);
        QCOMPARE(e.dialogos().textos(), mensajes);
        QCOMPARE(QApplication::focusWidget() == promedio, regresaElFoco);
    }

    void fechaDelReconocimientoAlSalir_data()
    {
        QTest::addColumn<QString>("tecleado");
        QTest::addColumn<QString>("queda");
        QTest::addColumn<QStringList>("mensajes");
        QTest::newRow("válida") << "05062003" << "05/06/2003" << QStringList();
        QTest::newRow("31 de febrero: hoy") << "31022003" << "15/03/2004" << QStringList{kDia};
        QTest::newRow("mes 13: hoy") << "01132003" << "15/03/2004"
                                     << QStringList{QStringLiteral("La fecha que ingreso tiene un error en el mes, es necesario que sean dos digitos en el mes")};
        QTest::newRow("en blanco: hoy") << "" << "15/03/2004" << QStringList();
        QTest::newRow("incompleta: hoy") << "0503" << "15/03/2004" << QStringList();
    }
    void fechaDelReconocimientoAlSalir()
    {
        QFETCH(QString, tecleado);
        QFETCH(QString, queda);
        QFETCH(QStringList, mensajes);
        Entorno e(true);
        QWidget *w = abre(e, QStringLiteral("W_Vitae1"));
        teclea(w, "Fec_rec", tecleado);
        sal(control(w, "Fec_rec"));
        QCOMPARE(mascara(w, "Fec_rec"), queda);
        QCOMPARE(e.dialogos().textos(), mensajes);
    }

    void becasYReconocimientos()
    {
        Entorno e(true);
        QWidget *w = abre(e, QStringLiteral("W_Vitae1"));
        selecciona(w, "Becas", 1);
        QVERIFY(control(w, "InstBeca")->isEnabled());
        teclea(w, "InstBeca", QStringLiteral("fundación o'gorman"));
        teclea(w, "meses", QStringLiteral("12"));
        teclea(w, "GdoBeca", QStringLiteral("licenciatura"));
        selecciona(w, "Becas", 2);
        QCOMPARE(unaFila(QStringLiteral("Select Tipo,Lugar,Meses,Grado,secuencia From Trabajo")),
                 QStringLiteral("BEC|FUNDACIÓN O'GORMAN|12|LICENCIATURA|1"));
        // Un reconocimiento sin fecha capturada se guarda sin fecha.
        selecciona(w, "Recon", 1);
        teclea(w, "InstRec", QStringLiteral("unam"));
        teclea(w, "GdoRec", QStringLiteral("maestría"));
        selecciona(w, "Recon", 0);
        QCOMPARE(unaFila(QStringLiteral("Select Lugar,Grado,Fecha_1,secuencia From Trabajo Where Tipo='REC'")),
                 QStringLiteral("UNAM|MAESTRÍA|NULL|1"));
        QVERIFY(!control(w, "InstRec")->isEnabled());
        // Borrar la beca 1 no toca el reconocimiento con el mismo número.
        selecciona(w, "Becas", 1);
        menu(w, "Borrabecasrecibida1");
        QCOMPARE(unaFila(QStringLiteral("Select Tipo,secuencia From Trabajo")), QStringLiteral("REC|1"));
        QCOMPARE(control<QLineEdit>(w, "InstBeca")->text(), QString());
        menu(w, "Borrareconocimientoacademico1");   // con el selector en 0 no hace nada
        QCOMPARE(Entorno::cuenta(QStringLiteral("Trabajo")), 1);
    }

    void siguienteGuardaTodoYPasaAVitae2()
    {
        Entorno e(true);
        QWidget *w = abre(e, QStringLiteral("W_Vitae1"));
        teclea(w, "Institucion", QStringLiteral("UAM"));
        teclea(w, "Promedio", QStringLiteral("0900"));
        selecciona(w, "Recon", 1);
        teclea(w, "InstRec", QStringLiteral("SEP"));
        teclea(w, "GdoRec", QStringLiteral("DOCTORADO"));
        // Una fecha imposible que no pasó por la salida del campo detiene la salida de la ventana.
        control<EditMascara>(w, "Fec_rec")->ponTexto(QStringLiteral("30/02/2003"));
        e.dialogos().limpia();
        control<QPushButton>(w, "Btn_Siguiente")->click();
        QCOMPARE(e.dialogos().textos(), QStringList{kDia});
        QVERIFY(abierta(e, "W_Vitae1"));
        QVERIFY(!abierta(e, "W_Vitae2"));
        QCOMPARE(Entorno::cuenta(QStringLiteral("Trabajo")), 0);
        QCOMPARE(control<QSpinBox>(w, "Recon")->value(), 1);
        QCOMPARE(control<QLineEdit>(w, "InstRec")->text(), QStringLiteral("SEP"));

        control<EditMascara>(w, "Fec_rec")->ponTexto(QStringLiteral("28/02/2003"));
        control<QPushButton>(w, "Btn_Siguiente")->click();
        QVERIFY(!abierta(e, "W_Vitae1"));
        QVERIFY(abierta(e, "W_Vitae2"));
        QCOMPARE(unaFila(QStringLiteral("Select Lugar,Fecha_1,secuencia From Trabajo")), QStringLiteral("SEP|28/02/2003|1"));
        QCOMPARE(unaFila(QStringLiteral("Select Nombre,Promedio From Escolar")), QStringLiteral("UAM|9"));
        QCOMPARE(e.inicial()->G_Cargando->value(), 100);
    }
};

REGISTRA_PRUEBA(PruebaVitae1)
#include "PruebaVitae1.moc"
