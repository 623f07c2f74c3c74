#include "academic/Acad4.h"
#include "shell/U_Mod.h"
#include "academic/ApoyoAcad.h"

#include <QProgressBar>

using namespace ApoyoAcad;

namespace {
TW_DatAcad4 *abreAcad4() { return abre<TW_DatAcad4>("W_DatAcad4"); }

// Teclea líneas separadas con Intro.
void tecleaLineas(QWidget *w, const QString &texto)
{
    const QStringList lineas = texto.split(u'\n');
    for (int i = 0; i < lineas.size(); ++i) {
        if (i > 0)
            QTest::keyClick(w, Qt::Key_Return);
        Pruebas::escribe(w, lineas.at(i));
    }
}

QString motivo(const char *columna)
{
    return Entorno::valor(QStringLiteral("Select %1 From General").arg(QLatin1String(columna))).toString();
}
} // namespace

class PruebaAcad4 : public QObject {
    Q_OBJECT
private slots:
    void salirDeUnaCajaGuardaAlMomento_data()
    {
        QTest::addColumn<QString>("tecleo");
        QTest::addColumn<QString>("guardado");
        QTest::newRow("minúsculas") << "quiero estudiar ñandúes en el área" << "\nQUIERO ESTUDIAR ÑANDÚES EN EL ÁREA";
        QTest::newRow("ya empieza con línea vacía") << "\nya empieza" << "\nYA EMPIEZA";
        QTest::newRow("vacía") << "" << "";
        QTest::newRow("varias líneas") << "uno\ndos" << "\nUNO\nDOS";
        QTest::newRow("comilla") << "l'école" << "\nL'ÉCOLE";
    }
    void salirDeUnaCajaGuardaAlMomento()
    {
        QFETCH(QString, tecleo);
        QFETCH(QString, guardado);
        Entorno e(true);
        convocatoria(e, 482);
        TW_DatAcad4 *w = abreAcad4();
        QVERIFY(w);
        for (auto [caja, columna] : {std::pair{w->DB_MotivosA, "Motivos_A"}, {w->DB_MotivosB, "Motivos_B"}, {w->DB_MotivosC, "Motivos_C"}}) {
            caja->clear();
            tecleaLineas(caja, tecleo);
            sal(caja);
            QCOMPARE(caja->toPlainText(), guardado);
            QCOMPARE(motivo(columna), guardado);
            // Salir otra vez no agrega otra línea vacía.
            sal(caja);
            QCOMPARE(motivo(columna), guardado);
        }
        QCOMPARE(W_Inicial()->G_Cargando->value(), 100);
    }

    void textoLargoSeGuardaEntero()
    {
        Entorno e(true);
        convocatoria(e, 482);
        QString texto = QStringLiteral("\n");
        const QString frase = QStringLiteral("MOTIVOS DE ESTUDIO EN EL EXTRANJERO, ÁREA Y ESPECIALIDAD; ");
        while (texto.size() < 10000)
            texto += (texto.size() % 700 < frase.size()) ? QStringLiteral("\n") + frase : frase;
        texto.truncate(10000);
        QCOMPARE(texto.size(), 10000);
        TW_DatAcad4 *w = abreAcad4();
        w->DB_MotivosB->setPlainText(texto);
        sal(w->DB_MotivosB);
        QCOMPARE(motivo("Motivos_B"), texto);
        cierra(w);
        w = abreAcad4();
        QCOMPARE(w->DB_MotivosB->toPlainText(), texto);
    }

    void guardarSinTocarNoCambiaNadaYCierra()
    {
        Entorno e(true);
        convocatoria(e, 482);
        Entorno::sql(QStringLiteral("Update General set Motivos_A=:a, Motivos_C=:c"),
                     {{QStringLiteral("a"), QStringLiteral("\nPRIMERO")}, {QStringLiteral("c"), QStringLiteral("\nTERCERO")}});
        TW_DatAcad4 *w = abreAcad4();
        QCOMPARE(w->DB_MotivosA->toPlainText(), QStringLiteral("\nPRIMERO"));
        w->Btn_Guardar->click();
        procesa();
        QVERIFY(!abierta<TW_DatAcad4>("W_DatAcad4"));
        QCOMPARE(motivo("Motivos_A"), QStringLiteral("\nPRIMERO"));
        QCOMPARE(motivo("Motivos_B"), QString());
        QCOMPARE(motivo("Motivos_C"), QStringLiteral("\nTERCERO"));
        QCOMPARE(W_Inicial()->G_Cargando->value(), 0);
    }

    // Cerrar la ventana sin salir de la caja ni pulsar "Guardar" no escribe.
    void cerrarNoEscribe()
    {
        Entorno e(true);
        convocatoria(e, 482);
        TW_DatAcad4 *w = abreAcad4();
        Pruebas::escribe(w->DB_MotivosC, QStringLiteral("sin guardar"));
        cierra(w);
        QCOMPARE(motivo("Motivos_C"), QString());
    }
};

REGISTRA_PRUEBA(PruebaAcad4)
#include "PruebaAcad4.moc"
