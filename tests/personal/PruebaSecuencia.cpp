#include "personal/Ayuda.h"

using namespace Ayuda;

// La secuencia personal completa con teclado y ratón, y cada paso mostrado de nuevo al reabrir.
class PruebaSecuencia : public QObject {
    Q_OBJECT
private slots:
    void secuenciaPersonal()
    {
        Entorno e(true);
        marco(e, false);
        QWidget *g = ventana("W_Generales");
        QVERIFY(elige(g, "CB_Conv", Entorno::valor(QStringLiteral("Select Descripcion From Convocatoria Where Clave=481")).toString()));
        escribe(g, "Nombre_1", QStringLiteral("bernardo"));
        escribe(g, "Paterno", QStringLiteral("o'higgins"));
        escribe(g, "Materno", QStringLiteral("álvarez núñez"));
        escribe(g, "Fec_Nac", QStringLiteral("20081978"));
        sal(g, "Fec_Nac");
        QCOMPARE(texto(g, "E_RFC"), QStringLiteral("OIÁB780820"));
        opcion(g, "Edo_Civil", 0);
        pulsa(g, "Btn_Sig");
        QApplication::processEvents();

        QWidget *d = ventana("W_DirAct");
        QVERIFY(d);
        escribe(d, "Calle", QStringLiteral("INSURGENTES"));
        QVERIFY(elige(d, "CB_Estado", QStringLiteral("Jalisco")));
        QVERIFY(elige(d, "CB_Ciudad", QStringLiteral("Zapopan")));
        pulsa(d, "Btn_Sig");
        QApplication::processEvents();

        QWidget *p = ventana("W_Dependiente");
        QVERIFY(p);
        QCOMPARE(etiqueta(p, "L_Dependiente"), QStringLiteral("Datos del cónyuge:"));
        escribe(p, "Nombre_1", QStringLiteral("INÉS"));
        opcion(p, "Deps", 1);
        escribe(p, "Nombre_1", QStringLiteral("HIJO"));
        pulsa(p, "Btn_Siguiente");
        escribe(p, "Nombre_1", QStringLiteral("PADRE"));
        pulsa(p, "Btn_Siguiente");
        QApplication::processEvents();

        d = ventana("W_DirAct");
        QCOMPARE(etiqueta(d, "L_DirTipo"), QStringLiteral("Domicilio donde contactar en caso de accidente"));
        escribe(d, "Calle", QStringLiteral("MORELOS"));
        e.dialogos().siguienteRespuesta(true);
        pulsa(d, "Btn_Sig");
        escribe(d, "Calle", QStringLiteral("RUE DE RIVOLI"));
        QVERIFY(elige(d, "CB_Estado", QStringLiteral("Francia")));
        QVERIFY(elige(d, "CB_Ciudad", QStringLiteral("Corse")));
        pulsa(d, "Btn_Sig");
        QApplication::processEvents();
        QVERIFY(!ventana("W_DirAct"));
        QCOMPARE(e.dialogos().textos(), QStringList{QStringLiteral("¿Usted cuenta ya cuenta con domicilio en el extranjero?")});
        QCOMPARE(Entorno::filas(QStringLiteral("Select Tipo,Calle,Persona_clave From Domicilio Order by Clave")),
                 (QList<QVariantList>{{QStringLiteral("ACT"), QStringLiteral("INSURGENTES"), 1},
                                      {QStringLiteral("ACC"), QStringLiteral("MORELOS"), 7},
                                      {QStringLiteral("EXT"), QStringLiteral("RUE DE RIVOLI"), 1}}));
        QCOMPARE(Entorno::filas(QStringLiteral("Select Clave,Tipo,Nombre_1 From Persona Order by Clave")),
                 (QList<QVariantList>{{1, QStringLiteral("SOL"), QStringLiteral("BERNARDO")},
                                      {2, QStringLiteral("CGE"), QStringLiteral("INÉS")},
                                      {3, QStringLiteral("HJ1"), QStringLiteral("HIJO")},
                                      {4, QStringLiteral("ACC"), QStringLiteral("PADRE")}}));

        // Reabrir cada paso muestra lo guardado.
        e.inicial()->SB_GeneralClick();
        g = ventana("W_Generales");
        QCOMPARE(texto(g, "Paterno"), QStringLiteral("O'HIGGINS"));
        QCOMPARE(texto(g, "Materno"), QStringLiteral("ÁLVAREZ NÚÑEZ"));
        QCOMPARE(texto(g, "Fec_Nac"), QStringLiteral("20/08/1978"));
        pulsa(g, "Btn_Sig");
        QApplication::processEvents();
        d = ventana("W_DirAct");
        QCOMPARE(texto(d, "Calle"), QStringLiteral("INSURGENTES"));
        QCOMPARE(control<QComboBox>(d, "CB_Ciudad")->currentText(), QStringLiteral("Zapopan"));
        pulsa(d, "Btn_Sig");
        QApplication::processEvents();
        p = ventana("W_Dependiente");
        QCOMPARE(texto(p, "Nombre_1"), QStringLiteral("INÉS"));
        opcion(p, "Deps", 1);
        QCOMPARE(texto(p, "Nombre_1"), QStringLiteral("HIJO"));
        pulsa(p, "Btn_Siguiente");
        QCOMPARE(texto(p, "Nombre_1"), QStringLiteral("PADRE"));
        pulsa(p, "Btn_Siguiente");
        QApplication::processEvents();
        d = ventana("W_DirAct");
        QCOMPARE(texto(d, "Calle"), QStringLiteral("MORELOS"));
        e.dialogos().siguienteRespuesta(true);
        pulsa(d, "Btn_Sig");
        QCOMPARE(texto(d, "Calle"), QStringLiteral("RUE DE RIVOLI"));
        QCOMPARE(control<QComboBox>(d, "CB_Estado")->currentText(), QStringLiteral("Francia"));
        QCOMPARE(Entorno::cuenta(QStringLiteral("Persona")), 4);
        QCOMPARE(Entorno::cuenta(QStringLiteral("Domicilio")), 3);
    }
};

REGISTRA_PRUEBA(PruebaSecuencia)
#include "PruebaSecuencia.moc"
