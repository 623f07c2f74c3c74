#include "academic/Acad1.h"
#include "academic/Acad2.h"
#include "academic/Acad3.h"
#include "academic/Acad4.h"
#include "academic/GrupoRadio.h"
#include "academic/ApoyoAcad.h"

#include <QRadioButton>
#include <QToolButton>

using namespace ApoyoAcad;

// Un solicitante nuevo recorre las cuatro ventanas desde "Académicos" y, al volver, ve lo
// que guardó.
class PruebaFlujoAcademico : public QObject {
    Q_OBJECT
private slots:
    void recorridoCompleto()
    {
        Entorno e(true);
        convocatoria(e, 482);
        e.inicial()->findChild<QToolButton *>(QStringLiteral("SB_Academico"))->click();
        auto *a1 = abierta<TW_DatAcad1>("W_DatAcad1");
        QVERIFY(a1);
        QVERIFY(elige(a1->CB_Area, QStringLiteral("Ingenierías")));
        eligeIndice(a1->CB_Disc, 0);
        Pruebas::escribe(a1->SubDisciplina, QStringLiteral("robotica"));
        QVERIFY(elige(a1->CB_GdoIni, QStringLiteral("Maestría")));
        QTest::mouseClick(a1->Btn_Sig, Qt::LeftButton);
        procesa();

        auto *a2 = abierta<TW_DatAcad2>("W_DatAcad2");
        QVERIFY(a2);
        QVERIFY(elige(a2->CB_Pais, QStringLiteral("Japón")));
        QVERIFY(elige(a2->CB_Institucion, QStringLiteral("Kyoto University")));
        teclea(a2->Meses, QStringLiteral("24"));
        QTest::mouseClick(a2->Btn_Guardar, Qt::LeftButton);
        QVERIFY(a2->Btn_Montos->isEnabled());
        QTest::mouseClick(a2->Btn_Montos, Qt::LeftButton);
        procesa();
        auto *a3 = abierta<TW_DatAcad3>("W_DatAcad3");
        QVERIFY(a3);
        QCOMPARE(a3->Nom_Institucion->text(), QStringLiteral("Kyoto University"));
        a3->RG_Man->boton(1)->click();
        teclea(a3->MontoMan, QStringLiteral("1000"));
        QTest::mouseClick(a3->Btn_Guardar, Qt::LeftButton);
        procesa();

        a2 = abierta<TW_DatAcad2>("W_DatAcad2");
        QVERIFY(a2);
        QCOMPARE(a2->opcionSeleccionada(), 1);
        a2->Inst_opcion->boton(1)->click();
        QVERIFY(elige(a2->CB_Pais, QStringLiteral("Francia")));
        eligeIndice(a2->CB_Institucion, 0);
        const QString francesa = a2->CB_Institucion->currentText();
        teclea(a2->Meses, QStringLiteral("36"));
        QTest::mouseClick(a2->Btn_Guardar, Qt::LeftButton);
        QTest::mouseClick(a2->Btn_Montos, Qt::LeftButton);
        procesa();
        a3 = abierta<TW_DatAcad3>("W_DatAcad3");
        QVERIFY(a3);
        QCOMPARE(a3->opcion(), 2);
        a3->RG_Col->boton(1)->click();
        QVERIFY(elige(a3->CB_MonCol, QStringLiteral("Euro")));
        teclea(a3->MontoCol, QStringLiteral("9000"));
        QTest::mouseClick(a3->Btn_Guardar, Qt::LeftButton);
        procesa();

        a2 = abierta<TW_DatAcad2>("W_DatAcad2");
        QCOMPARE(a2->opcionSeleccionada(), 2);
        QCOMPARE(a2->CB_Institucion->currentText(), francesa);
        a2->Inst_opcion->boton(2)->click();
        QVERIFY(elige(a2->CB_Pais, QStringLiteral("Canadá")));
        QVERIFY(elige(a2->CB_Institucion, QStringLiteral("McGill University")));
        teclea(a2->Meses, QStringLiteral("12"));
        QTest::mouseClick(a2->Btn_Siguiente, Qt::LeftButton);
        procesa();

        auto *a4 = abierta<TW_DatAcad4>("W_DatAcad4");
        QVERIFY(a4);
        Pruebas::escribe(a4->DB_MotivosA, QStringLiteral("porque si"));
        sal(a4->DB_MotivosA);
        QTest::mouseClick(a4->Btn_Guardar, Qt::LeftButton);
        procesa();
        QVERIFY(!abierta<TW_DatAcad4>("W_DatAcad4"));
        QVERIFY(e.dialogos().textos().isEmpty());

        QCOMPARE(Entorno::filas(QStringLiteral("Select Clave,Tipo,Escuela,Tiempo_prom_grado,ifnull(Total_man,-1),ifnull(Total_col,-1),ifnull(Moneda_col,-1) "
                                               "From Beca Order By Clave")),
                 (QList<QVariantList>{{1, "OP1", 1106, 24, 1000, 0, 0},
                                      {2, "OP2", Entorno::valor(QStringLiteral("Select Clave from Institucion where Nombre=:n"),
                                                                {{QStringLiteral("n"), francesa}}), 36, 0, 9000, 9999},
                                      {3, "OP3", 100, 12, -1, -1, -1}}));
        QCOMPARE(Entorno::valor(QStringLiteral("Select Motivos_A From General")).toString(), QStringLiteral("\nPORQUE SI"));

        // De vuelta: cada ventana muestra lo guardado.
        e.inicial()->findChild<QToolButton *>(QStringLiteral("SB_Academico"))->click();
        a1 = abierta<TW_DatAcad1>("W_DatAcad1");
        QCOMPARE(a1->SubDisciplina->text(), QStringLiteral("ROBOTICA"));
        QCOMPARE(a1->CB_GdoFin->currentText(), QStringLiteral("Maestría"));
        a1->Btn_Sig->click();
        procesa();
        a2 = abierta<TW_DatAcad2>("W_DatAcad2");
        QCOMPARE(a2->opcionSeleccionada(), 1);
        QCOMPARE(a2->CB_Institucion->currentText(), QStringLiteral("Kyoto University"));
        a2->Inst_opcion->boton(2)->click();
        QCOMPARE(a2->CB_Pais->currentText(), QStringLiteral("Canadá"));
        QCOMPARE(a2->CB_Institucion->currentText(), QStringLiteral("McGill University"));
        a2->Btn_Siguiente->click();
        procesa();
        a4 = abierta<TW_DatAcad4>("W_DatAcad4");
        QCOMPARE(a4->DB_MotivosA->toPlainText(), QStringLiteral("\nPORQUE SI"));
    }
};

REGISTRA_PRUEBA(PruebaFlujoAcademico)
#include "PruebaFlujoAcademico.moc"
