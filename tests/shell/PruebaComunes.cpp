#include "shell/Comunes.h"
#include "support/Pruebas.h"

class PruebaComunes : public QObject {
    Q_OBJECT
private slots:
    void rfc_data()
    {
        QTest::addColumn<QStringList>("partes");   // paterno, materno, nombre, segundo, fecha
        QTest::addColumn<QString>("rfc");
        QTest::newRow("ejemplo") << QStringList{"TORRE", "VALLE", "MAR", "", "05/03/1975"} << "TOVM750305";
        QTest::newRow("sin vocal") << QStringList{"BRYS", "LOPEZ", "ANA", "", "01/12/1980"} << "BLA801201";
        QTest::newRow("palabra inconveniente") << QStringList{"PEREZ", "DIAZ", "OSCAR", "", "10/10/1970"} << "PEDX701010";
        QTest::newRow("sin materno") << QStringList{"GARCIA", "", "LUIS", "", "20/06/1999"} << "GAL990620";
        QTest::newRow("acentos no cuentan") << QStringList{"ÁVILA", "RUIZ", "JUAN", "", "02/01/2000"} << "ÁIRJ000102";
        QTest::newRow("espacios") << QStringList{"  OCHOA ", "MENA", "EVA", "", "07/07/1977"} << "OOME770707";
    }
    void rfc()
    {
        QFETCH(QStringList, partes);
        QFETCH(QString, rfc);
        QCOMPARE(Comunes::calculaRFC(partes[0], partes[1], partes[2], partes[3], partes[4]).value_or(QStringLiteral("(falla)")), rfc);
    }

    void rfcConFechaInvalidaFalla()
    {
        QVERIFY(!Comunes::calculaRFC(QStringLiteral("TORRE"), QStringLiteral("VALLE"), QStringLiteral("MAR"), {}, QStringLiteral("  /  /    ")));
        QVERIFY(!Comunes::calculaRFC(QStringLiteral("TORRE"), QStringLiteral("VALLE"), QStringLiteral("MAR"), {}, QStringLiteral("31/04/1975")));
    }

    void subcadenas()
    {
        QCOMPARE(Comunes::textoMedio(QStringLiteral("TORRE"), 2, 1), QStringLiteral("O"));
        QCOMPARE(Comunes::textoMedio(QStringLiteral("AB"), 3, 1), QString());
        QCOMPARE(Comunes::textoDerecha(QStringLiteral("AB"), 5), QStringLiteral("AB"));
        QCOMPARE(Comunes::textoIzquierda(QStringLiteral("ABCD"), 2), QStringLiteral("AB"));
        QVERIFY(Comunes::tieneArroba(QStringLiteral("a@b")));
        QVERIFY(!Comunes::tieneArroba(QStringLiteral("ab")));
    }
};

REGISTRA_PRUEBA(PruebaComunes)
#include "PruebaComunes.moc"
