#include "academic/Acad1.h"
#include "academic/GrupoRadio.h"
#include "shell/U_Mod.h"
#include "academic/ApoyoAcad.h"

#include <QLabel>
#include <QRadioButton>

using namespace ApoyoAcad;

namespace {
TW_DatAcad1 *abreAcad1() { return abre<TW_DatAcad1>("W_DatAcad1"); }

QVariantList general()
{
    return Entorno::filas(QStringLiteral("Select Area,Disciplina,Grado_ini,Grado_fin,Curso,Subdisciplina,Expbecaant,"
                                         "Expbecacony,Solbecacony,EGEL From General")).value(0);
}
} // namespace

class PruebaAcad1 : public QObject {
    Q_OBJECT
private slots:
    void casosPorConvocatoria_data()
    {
        QTest::addColumn<int>("conv");
        QTest::addColumn<QStringList>("areas");       // vacío: no se revisa
        QTest::addColumn<QString>("area");
        QTest::addColumn<bool>("areaLibre");
        QTest::addColumn<QStringList>("disciplinas");
        QTest::addColumn<QStringList>("grados");
        QTest::addColumn<QString>("grado");           // selección de ambos grados
        QTest::addColumn<bool>("gradosLibres");
        QTest::addColumn<QString>("etiqueta");
        QTest::addColumn<QStringList>("cursos");      // con la lista de cursos a la vista
        Entorno e;

        const QStringList porClave = {"Especialidad", "Maestría", "Doctorado", "Curso de Especialización"};
        QTest::newRow("crédito 6") << 6 << QStringList{"Ingenierías"} << "Ingenierías" << false
                                   << QStringList{"Ingeniería en Computación", "Ingeniería Industrial"} << porClave
                                   << "Maestría" << false << "Especialidad" << QStringList();
        QTest::newRow("curso 488") << 488 << QStringList() << "" << false << QStringList() << porClave
                                   << "Curso de Especialización" << false << "Nombre del Curso"
                                   << nombres("Select Nombre from Cat_Cursos where Convocatoria=488 order by Nombre");
        QTest::newRow("curso 489") << 489 << QStringList() << "" << false << QStringList() << porClave
                                   << "Curso de Especialización" << false << "Nombre del Curso"
                                   << nombres("Select Nombre from Cat_Cursos where Convocatoria=489 order by Nombre");
        QTest::newRow("grado fijo 485") << 485 << QStringList() << "" << true << QStringList() << porClave << "Doctorado"
                                        << false << "Subdisciplina" << QStringList();
        QTest::newRow("grado fijo 486") << 486 << QStringList() << "" << true << QStringList() << porClave << "Doctorado"
                                        << false << "Subdisciplina" << QStringList();
        QTest::newRow("general 482") << 482 << QStringList() << "" << true << QStringList()
                                     << QStringList{"Maestría", "Doctorado"} << "" << true << "Subdisciplina" << QStringList();
        QTest::newRow("general 515 por nombre") << 515 << QStringList() << "" << true << QStringList()
                                                << QStringList{"Doctorado", "Maestría"} << "" << true << "Subdisciplina"
                                                << QStringList();
    }
    void casosPorConvocatoria()
    {
        QFETCH(int, conv);
        QFETCH(QStringList, areas);
        QFETCH(QString, area);
        QFETCH(bool, areaLibre);
        QFETCH(QStringList, disciplinas);
        QFETCH(QStringList, grados);
        QFETCH(QString, grado);
        QFETCH(bool, gradosLibres);
        QFETCH(QString, etiqueta);
        QFETCH(QStringList, cursos);
        Entorno e(true);
        convocatoria(e, conv);
        TW_DatAcad1 *w = abreAcad1();
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QStringLiteral("Datos Académicos"));
        if (!areas.isEmpty())
            QCOMPARE(elementos(w->CB_Area), areas);
        QCOMPARE(w->CB_Area->currentText(), area);
        QCOMPARE(w->CB_Area->isEnabled(), areaLibre);
        if (!disciplinas.isEmpty())
            QCOMPARE(elementos(w->CB_Disc), disciplinas);
        QCOMPARE(elementos(w->CB_GdoIni), grados);
        QCOMPARE(elementos(w->CB_GdoFin), grados);
        QCOMPARE(w->CB_GdoIni->currentText(), grado);
        QCOMPARE(w->CB_GdoFin->currentText(), grado);
        QCOMPARE(w->CB_GdoIni->isEnabled(), gradosLibres);
        QCOMPARE(w->CB_GdoFin->isEnabled(), gradosLibres);
        QCOMPARE(w->L_Subdisc->text(), etiqueta);
        const bool conCaja = conv == 6 || conv == 488 || conv == 489;
        QCOMPARE(w->CB_Cursos->isHidden(), !conCaja);
        QCOMPARE(w->SubDisciplina->isHidden(), conCaja);
        QCOMPARE(w->CB_Cursos->isEditable(), conv == 6);
        if (!cursos.isEmpty()) {
            QCOMPARE(elementos(w->CB_Cursos), cursos);
            QVERIFY(!w->CB_Disc->isEnabled());
            QCOMPARE(w->CB_Disc->currentText(), QString());
        }
    }

    // La restricción a los grados 19 y 25 aparece una sola vez por llenado, también al
    // volver a abrir la ventana, y no queda para un caso que no la lleva.
    void restriccionDeGradosUnaVez()
    {
        Entorno e(true);
        convocatoria(e, 482);
        for (int vez = 0; vez < 3; ++vez) {
            TW_DatAcad1 *w = abreAcad1();
            QVERIFY(w);
            for (Consulta *q : {&W_DM()->Q_GdoIni, &W_DM()->Q_GdoFin})
                QCOMPARE(q->sql().count(QStringLiteral("Where Clave in (19, 25)")), 1);
            QCOMPARE(w->CB_GdoIni->count(), 2);
            cierra(w);
        }
        Entorno::sql(QStringLiteral("Update General set Convocatoria=485"));
        TW_DatAcad1 *w = abreAcad1();
        QCOMPARE(W_DM()->Q_GdoIni.sql().count(QStringLiteral("Where Clave in")), 0);
        QCOMPARE(w->CB_GdoIni->count(), 4);
    }

    void guardaCasoGeneral()
    {
        Entorno e(true);
        convocatoria(e, 482);
        TW_DatAcad1 *w = abreAcad1();
        QVERIFY(elige(w->CB_Area, QStringLiteral("Ingenierías")));
        QVERIFY(w->CB_Disc->count() > 1);
        eligeIndice(w->CB_Disc, 1);
        const QString disc = w->CB_Disc->currentText();
        Pruebas::escribe(w->SubDisciplina, QStringLiteral("robótica o'neill"));
        QVERIFY(elige(w->CB_GdoIni, QStringLiteral("Doctorado")));
        // El grado final sigue al inicial y se bloquea.
        QCOMPARE(w->CB_GdoFin->currentText(), QStringLiteral("Doctorado"));
        QVERIFY(!w->CB_GdoFin->isEnabled());
        w->Btn_Sig->click();
        procesa();
        const QVariantList g = general();
        QCOMPARE(g.value(0).toInt(), 7);
        QCOMPARE(g.value(1).toInt(), Entorno::valor(QStringLiteral("Select Clave from Cat_Disc where Nombre=:n and Area=7"),
                                                    {{QStringLiteral("n"), disc}}).toInt());
        QCOMPARE(g.value(2).toInt(), 25);
        QCOMPARE(g.value(3).toInt(), 25);
        QCOMPARE(g.value(4).toInt(), 0);
        QCOMPARE(g.value(5).toString(), QStringLiteral("ROBÓTICA O'NEILL"));
        QCOMPARE(g.value(6).toInt(), 0);
        QCOMPARE(g.value(7).toInt(), 0);
        QCOMPARE(g.value(8).toString(), QStringLiteral("N"));
        QCOMPARE(g.value(9).toInt(), 0);
        // Sigue con las opciones y se cierra.
        QVERIFY(!abierta<TW_DatAcad1>("W_DatAcad1"));
        QVERIFY(W_Inicial()->Forma_Abierta(QStringLiteral("W_DatAcad2")));
        cierra(W_Inicial()->Forma(QStringLiteral("W_DatAcad2")));

        // Al volver se ve lo guardado.
        w = abreAcad1();
        QCOMPARE(w->CB_Area->currentText(), QStringLiteral("Ingenierías"));
        QCOMPARE(w->CB_Disc->currentText(), disc);
        QCOMPARE(w->CB_GdoIni->currentText(), QStringLiteral("Doctorado"));
        QCOMPARE(w->CB_GdoFin->currentText(), QStringLiteral("Doctorado"));
        QCOMPARE(w->SubDisciplina->text(), QStringLiteral("ROBÓTICA O'NEILL"));
    }

    void guardaCredito()
    {
        Entorno e(true);
        convocatoria(e, 6);
        TW_DatAcad1 *w = abreAcad1();
        QVERIFY(elige(w->CB_Disc, QStringLiteral("Ingeniería Industrial")));
        teclea(w->CB_Cursos->lineEdit(), QStringLiteral("diseño de o'hara"));
        sal(w->CB_Cursos);
        // La ñ también pasa a mayúscula.
        QCOMPARE(w->CB_Cursos->currentText(), QStringLiteral("DISEÑO DE O'HARA"));
        w->Btn_Sig->click();
        procesa();
        const QVariantList g = general();
        QCOMPARE(g.value(0).toInt(), 7);
        QCOMPARE(g.value(1).toInt(), 170);
        QCOMPARE(g.value(2).toInt(), 19);
        QCOMPARE(g.value(3).toInt(), 19);
        QCOMPARE(g.value(4).toInt(), 0);
        QCOMPARE(g.value(5).toString(), QStringLiteral("DISEÑO DE O'HARA"));
        w = abreAcad1();
        QCOMPARE(w->CB_Disc->currentText(), QStringLiteral("Ingeniería Industrial"));
        QCOMPARE(w->CB_Cursos->currentText(), QStringLiteral("DISEÑO DE O'HARA"));
    }

    void guardaCurso()
    {
        Entorno e(true);
        convocatoria(e, 488);
        Entorno::sql(QStringLiteral("Update General set Area=3, Disciplina=30, Subdisciplina='X'"));
        TW_DatAcad1 *w = abreAcad1();
        QVERIFY(elige(w->CB_Cursos, QStringLiteral("Control Total de Calidad")));
        w->Btn_Sig->click();
        procesa();
        const QVariantList g = general();
        QCOMPARE(g.value(0).toInt(), 0);
        QCOMPARE(g.value(1).toInt(), 0);
        QCOMPARE(g.value(2).toInt(), 38);
        QCOMPARE(g.value(3).toInt(), 38);
        QCOMPARE(g.value(4).toInt(), 48803);
        w = abreAcad1();
        QCOMPARE(w->CB_Cursos->currentText(), QStringLiteral("Control Total de Calidad"));
    }

    void mensajesQueImpidenGuardar_data()
    {
        QTest::addColumn<int>("conv");
        QTest::addColumn<QString>("preparacion");
        QTest::addColumn<QString>("registro");   // "beca", "cony" o vacío
        QTest::addColumn<QString>("mensaje");
        const QString completo = "Update General set Area=7, Disciplina=170, Grado_ini=19, Grado_fin=19, Subdisciplina='ROBOTICA'";
        QTest::newRow("sin área") << 482 << "" << "" << "No ha capturado el area";
        QTest::newRow("sin disciplina") << 482 << "Update General set Area=7, Disciplina=999" << "" << "No ha capturado la disciplina";
        QTest::newRow("sin grado inicial") << 482 << "Update General set Area=7, Disciplina=170" << ""
                                           << "No ha capturado el grado inicial";
        QTest::newRow("sin grado final") << 482 << "Update General set Area=7, Disciplina=170, Grado_ini=19" << ""
                                         << "No ha capturado el grado final";
        QTest::newRow("sin subdisciplina") << 482 << "Update General set Area=7, Disciplina=170, Grado_ini=19, Grado_fin=25"
                                           << "" << "No ha capturado la subdisciplina";
        QTest::newRow("especialidad en blanco") << 6 << "Update General set Disciplina=170, Subdisciplina='   '" << ""
                                                << "No ha capturado el nombre de la especialidad";
        QTest::newRow("sin curso") << 488 << "" << "" << "No ha capturado el nombre del curso";
        QTest::newRow("beca sin registro") << 482 << completo << "beca" << "No ha capturado la informacion de manera completa";
        QTest::newRow("cónyuge sin registro") << 482 << completo << "cony" << "No ha capturado la informacion de manera completa";
    }
    void mensajesQueImpidenGuardar()
    {
        QFETCH(int, conv);
        QFETCH(QString, preparacion);
        QFETCH(QString, registro);
        QFETCH(QString, mensaje);
        Entorno e(true);
        convocatoria(e, conv);
        if (!preparacion.isEmpty())
            Entorno::sql(preparacion);
        const QVariantList antes = general();
        TW_DatAcad1 *w = abreAcad1();
        GrupoRadio *g = registro == QStringLiteral("beca") ? w->BecaAnt : registro == QStringLiteral("cony") ? w->ConyBeca : nullptr;
        if (g) {
            g->boton(1)->click();
            QVERIFY((registro == QStringLiteral("beca") ? w->ExpBeca : w->ExpCony)->isEnabled());
        }
        e.dialogos().limpia();
        w->Btn_Sig->click();
        procesa();
        QCOMPARE(e.dialogos().textos(), QStringList{mensaje});
        QCOMPARE(e.dialogos().mostrados().front().icono, Dialogos::Icono::Pregunta);
        QCOMPARE(general(), antes);
        QCOMPARE(abierta<TW_DatAcad1>("W_DatAcad1"), w);
        if (g)
            QCOMPARE(w->window()->focusWidget(), registro == QStringLiteral("beca") ? (QWidget *)w->ExpBeca : w->ExpCony);
    }

    void registrosAnterioresYEgel()
    {
        Entorno e(true);
        convocatoria(e, 482);
        Entorno::sql(QStringLiteral("Update General set Area=7, Disciplina=170, Grado_ini=19, Grado_fin=19, "
                                    "Subdisciplina='ROBOTICA', Expbecacony=4321, EGEL=1150, Solbecacony='S'"));
        TW_DatAcad1 *w = abreAcad1();
        QCOMPARE(w->BecaAnt->indice(), 0);
        QVERIFY(!w->ExpBeca->isEnabled());
        QCOMPARE(w->ConyBeca->indice(), 1);
        QVERIFY(w->ExpCony->isEnabled());
        QCOMPARE(w->ExpCony->texto().trimmed(), QStringLiteral("4321"));
        QCOMPARE(w->ConySolicitaBeca->indice(), 1);
        QCOMPARE(w->RG_Egel->indice(), 1);
        QCOMPARE(w->ME_Puntos->texto().trimmed(), QStringLiteral("1150"));
        // Beca propia con registro; el cónyuge pasa a "No" (se guarda 0); sin EGEL (0).
        w->BecaAnt->boton(1)->click();
        teclea(w->ExpBeca, QStringLiteral("123456"));
        w->ConyBeca->boton(0)->click();
        QVERIFY(!w->ExpCony->isEnabled());
        QCOMPARE(w->ExpCony->texto().trimmed(), QString());
        w->RG_Egel->boton(0)->click();
        QCOMPARE(w->ME_Puntos->texto().trimmed(), QStringLiteral("0"));
        w->ConySolicitaBeca->boton(0)->click();
        w->Btn_Sig->click();
        procesa();
        const QVariantList g = general();
        QCOMPARE(g.value(6).toInt(), 123456);
        QCOMPARE(g.value(7).toInt(), 0);
        QCOMPARE(g.value(8).toString(), QStringLiteral("N"));
        QCOMPARE(g.value(9).toInt(), 0);
    }

    void egelGuardado_data()
    {
        QTest::addColumn<QVariant>("egel");
        QTest::addColumn<QVariant>("solicita");
        QTest::addColumn<int>("egelIndice");
        QTest::addColumn<QString>("puntos");
        QTest::addColumn<int>("solicitaIndice");
        QTest::newRow("cero") << QVariant(0) << QVariant("N") << 0 << "0" << 0;
        QTest::newRow("nulo") << QVariant() << QVariant() << 0 << "0" << 0;
        QTest::newRow("puntos") << QVariant(980) << QVariant("") << 1 << "980" << 0;
        QTest::newRow("solicita") << QVariant(0) << QVariant("S") << 0 << "0" << 1;
    }
    void egelGuardado()
    {
        QFETCH(QVariant, egel);
        QFETCH(QVariant, solicita);
        QFETCH(int, egelIndice);
        QFETCH(QString, puntos);
        QFETCH(int, solicitaIndice);
        Entorno e(true);
        convocatoria(e, 482);
        Entorno::sql(QStringLiteral("Update General set EGEL=:e, Solbecacony=:s"),
                     {{QStringLiteral("e"), egel}, {QStringLiteral("s"), solicita}});
        TW_DatAcad1 *w = abreAcad1();
        QCOMPARE(w->RG_Egel->indice(), egelIndice);
        QCOMPARE(w->ME_Puntos->texto().trimmed(), puntos);
        QCOMPARE(w->ME_Puntos->isEnabled(), egelIndice == 1);
        QCOMPARE(w->ConySolicitaBeca->indice(), solicitaIndice);
    }

    // Con "Si" y los puntos en blanco no se guarda nada: se avisa y la ventana sigue.
    void egelEnBlancoNoGuarda()
    {
        Entorno e(true);
        convocatoria(e, 482);
        Entorno::sql(QStringLiteral("Update General set Area=7, Disciplina=170, Grado_ini=19, Grado_fin=19, Subdisciplina='R'"));
        TW_DatAcad1 *w = abreAcad1();
        w->RG_Egel->boton(1)->click();
        w->ME_Puntos->clear();
        Pruebas::escribe(w->SubDisciplina, QStringLiteral("X"));
        w->Btn_Sig->click();
        procesa();
        QCOMPARE(e.dialogos().textos(), QStringList{QStringLiteral("No ha capturado la informacion de manera completa")});
        QCOMPARE(general().value(5).toString(), QStringLiteral("R"));
        QCOMPARE(abierta<TW_DatAcad1>("W_DatAcad1"), w);
    }
};

REGISTRA_PRUEBA(PruebaAcad1)
#include "PruebaAcad1.moc"
