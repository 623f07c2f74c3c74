#include "platform/ErrorBase.h"
#include "platform/Errores.h"
#include "review/U_incon.h"
#include "shell/U_inicial.h"
#include "support/Entorno.h"
#include "support/Muestra.h"
#include "support/Pruebas.h"

#include <QApplication>
#include <QFrame>
#include <QTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

class PruebaIncon : public QObject {
    Q_OBJECT
private slots:
    void creadaOcultaAlArrancar()
    {
        Entorno e(true);
        TW_Incon *w = W_Incon();
        QVERIFY(w);
        QVERIFY(!w->isVisible());
        QVERIFY(!w->parentWidget());   // ventana aparte, no hija del marco
        QCOMPARE(w->objectName(), QStringLiteral("W_Incon"));
        QCOMPARE(w->windowTitle(), QStringLiteral("Inconsistencias de Información"));
        QCOMPARE(w->minimumSize(), QSize(661, 467));
        QCOMPARE(w->maximumSize(), QSize(661, 467));
        auto *memo = w->findChild<QTextEdit *>(QStringLiteral("Memo1"));
        QVERIFY(memo);
        QVERIFY(memo->isReadOnly());
        QVERIFY(memo->font().bold());
        QVERIFY(memo->font().italic());
        auto *panel = w->findChild<QFrame *>(QStringLiteral("Panel1"));
        QVERIFY(panel);
        auto *salir = panel->findChild<QPushButton *>(QStringLiteral("Button2"));
        QVERIFY(salir);
        QCOMPARE(salir->text(), QStringLiteral("Salir"));
        QVERIFY(panel->findChild<QPushButton *>(QStringLiteral("Button1"))->isHidden());
    }

    void muestraElReporteDeModoModal_data()
    {
        QTest::addColumn<QString>("sentencia");
        QTest::addColumn<QStringList>("esperado");
        QTest::addColumn<bool>("veredicto");
        QTest::newRow("completa") << QString() << QStringList{"No hay Inconsistencias"} << true;
        QTest::newRow("sólo un aviso")
            << "Delete from Domicilio Where Tipo='OP1'"
            << QStringList{"No hay Inconsistencias",
                           "Faltaron Datos en el Domicilio de la Opcion academica elegida por lo que no saldra en la impresion"}
            << true;
        QTest::newRow("sin opciones") << "Delete from Beca" << QStringList{"Reporte de Inconsistencias", "No capturo ninguna opcion"}
                                      << false;
    }
    void muestraElReporteDeModoModal()
    {
        QFETCH(QString, sentencia);
        QFETCH(QStringList, esperado);
        QFETCH(bool, veredicto);
        Entorno e(true);
        Muestra::llena();
        if (!sentencia.isEmpty())
            Entorno::sql(sentencia);
        TW_Incon *w = W_Incon();
        bool visible = false, modal = false;
        int avance = -1;
        QStringList mostrado;
        QTimer::singleShot(0, w, [&] {
            visible = w->isVisible();
            modal = QApplication::activeModalWidget() == w;
            mostrado = w->Memo1->toPlainText().split(u'\n');
            avance = e.inicial()->G_Cargando->value();
            w->Button2->click();
        });
        const bool r = w->Revisa_Inconsistencias();
        QVERIFY(visible);
        QVERIFY(modal);
        QCOMPARE(mostrado, esperado);
        QCOMPARE(avance, 100);
        QCOMPARE(r, veredicto);
        QCOMPARE(Sin_Inconsistencias, veredicto);
        QVERIFY(!w->isVisible());
        QCOMPARE(e.inicial()->G_Cargando->value(), 0);
        // El reporte se queda hasta la siguiente revisión.
        QCOMPARE(w->Memo1->toPlainText().split(u'\n'), esperado);
    }

    void cerrarConLaCajaTambienRegresa()
    {
        Entorno e(true);
        Muestra::llena();
        TW_Incon *w = W_Incon();
        QTimer::singleShot(0, w, [w] { w->close(); });
        QVERIFY(w->Revisa_Inconsistencias());
        QVERIFY(!w->isVisible());
    }

    // Un error de la base no muestra la ventana, no da la solicitud por buena y detiene la
    // acción que pidió la revisión con el mensaje de error en español.
    void errorDeLaBase()
    {
        Entorno e(true);
        Muestra::llena();
        TW_Incon *w = W_Incon();
        QTimer::singleShot(0, w, [w] { w->Button2->click(); });
        QVERIFY(w->Revisa_Inconsistencias());
        Entorno::sql(QStringLiteral("Drop Table Trabajo"));
        QVERIFY_THROWS_EXCEPTION(ErrorBase, w->Revisa_Inconsistencias());
        QVERIFY(!w->isVisible());
        QVERIFY(!Sin_Inconsistencias);
        QCOMPARE(e.inicial()->G_Cargando->value(), 0);

        bool siguio = false;
        QVERIFY(!ejecutaProtegido([&] {
            w->Revisa_Inconsistencias();
            siguio = true;
        }));
        QVERIFY(!siguio);
        QCOMPARE(e.dialogos().mostrados().size(), size_t(1));
        QCOMPARE(e.dialogos().mostrados().front().icono, Dialogos::Icono::Error);
        QVERIFY(!e.dialogos().ultimo().contains(QLatin1String("no such table")));
    }
};

REGISTRA_PRUEBA(PruebaIncon)
#include "PruebaIncon.moc"
