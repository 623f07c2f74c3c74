#include "shell/Comunes.h"
#include "support/Pruebas.h"

using Comunes::ErrorFecha;
Q_DECLARE_METATYPE(Comunes::ErrorFecha)

class PruebaComunes : public QObject {
    Q_OBJECT
private slots:
    void validaFecha_data()
    {
        QTest::addColumn<QString>("fecha");
        QTest::addColumn<ErrorFecha>("error");
        QTest::newRow("1900 bisiesto") << "29/02/1900" << ErrorFecha::Ninguno;
        QTest::newRow("2004 bisiesto") << "29/02/2004" << ErrorFecha::Ninguno;
        QTest::newRow("2020 bisiesto") << "29/02/2020" << ErrorFecha::Ninguno;
        QTest::newRow("2003 no bisiesto") << "29/02/2003" << ErrorFecha::Dia;
        QTest::newRow("31 de abril") << "31/04/2004" << ErrorFecha::Dia;
        QTest::newRow("mes 13") << "15/13/2004" << ErrorFecha::Mes;
        QTest::newRow("1899") << "01/01/1899" << ErrorFecha::Anio;
        QTest::newRow("2021") << "01/01/2021" << ErrorFecha::Anio;
        QTest::newRow("día cero") << "00/05/2004" << ErrorFecha::Dia;
        QTest::newRow("año y mes mal: sólo año") << "15/13/2030" << ErrorFecha::Anio;
        QTest::newRow("letras") << "ab/05/2004" << ErrorFecha::Conversion;
        QTest::newRow("año incompleto") << "05/03/20  " << ErrorFecha::Anio;
        QTest::newRow("sin capturar") << "  /  /    " << ErrorFecha::Ninguno;
        QTest::newRow("máscara") << "__/__/____" << ErrorFecha::Ninguno;
    }
    void validaFecha()
    {
        QFETCH(QString, fecha);
        QFETCH(ErrorFecha, error);
        QCOMPARE(Comunes::revisaFecha(fecha), error);
    }

    void mensajesDeFecha()
    {
        QVERIFY(Comunes::mensajeFecha(ErrorFecha::Anio).endsWith(QStringLiteral("Es permitido de 1900 a 2020")));
        QVERIFY(Comunes::mensajeFecha(ErrorFecha::Mes).contains(QStringLiteral("error en el mes")));
        QVERIFY(Comunes::mensajeFecha(ErrorFecha::Dia).contains(QStringLiteral("error en el día")));
        QVERIFY(Comunes::mensajeFecha(ErrorFecha::Conversion).isEmpty());
    }

    void fechaSistema_data()
    {
        QTest::addColumn<QString>("formato");
        QTest::addColumn<QString>("separador");
        QTest::addColumn<QString>("resultado");
        QTest::newRow("d/M/yyyy") << "d/M/yyyy" << "/" << "05/03/2004";
        QTest::newRow("M/d/yyyy") << "M/d/yyyy" << "/" << "03/05/2004";
        QTest::newRow("yyyy-MM-dd") << "yyyy-MM-dd" << "-" << "2004-03-05";
        QTest::newRow("dd.MM.yy") << "dd.MM.yy" << "." << "05.03.2004";
    }
    void fechaSistema()
    {
        QFETCH(QString, formato);
        QFETCH(QString, separador);
        QFETCH(QString, resultado);
        QCOMPARE(Comunes::fechaSistema(QStringLiteral("05/03/2004"), formato, separador.at(0)), resultado);
    }

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

    void normalizaFecha_data()
    {
        QTest::addColumn<QString>("entrada");
        QTest::addColumn<QString>("salida");
        QTest::newRow("completa") << "05/03/2004" << "05/03/2004";
        QTest::newRow("un dígito") << "5 /3 /2004" << "05/03/2004";
        QTest::newRow("año corto") << "05/03/04  " << "05/03/2004";
        QTest::newRow("imposible") << "31/04/2004" << "";
        QTest::newRow("vacía") << "  /  /    " << "";
    }
    void normalizaFecha()
    {
        QFETCH(QString, entrada);
        QFETCH(QString, salida);
        QCOMPARE(Comunes::normalizaFecha(entrada).value_or(QString()), salida);
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
