#include "platform/Fechas.h"
#include "support/Pruebas.h"

#include <QSqlDatabase>
#include <QSqlQuery>

using Fechas::Error;
using Fechas::Lectura;
Q_DECLARE_METATYPE(Fechas::Error)
Q_DECLARE_METATYPE(Fechas::Lectura)

class PruebaFechas : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fechas"));
        db.setDatabaseName(QStringLiteral(":memory:"));
        QVERIFY(db.open());
    }
    void cleanupTestCase() { QSqlDatabase::removeDatabase(QStringLiteral("fechas")); }

    // Una fila por forma aceptada o rechazada; "leída" es la fecha escrita de vuelta, vacía si
    // se rechaza.
    void lee_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<Lectura>("lectura");
        QTest::addColumn<QString>("leida");
        const auto g = Lectura::Guardada, t = Lectura::Tecleada, c = Lectura::Columnas;
        QTest::newRow("guardada") << "05/03/2004" << g << "05/03/2004";
        QTest::newRow("guardada 29 de febrero bisiesto") << "29/02/2004" << g << "29/02/2004";
        QTest::newRow("guardada 1900 no es bisiesto") << "29/02/1900" << g << "";
        QTest::newRow("guardada 31 de abril") << "31/04/2004" << g << "";
        QTest::newRow("guardada día cero") << "00/05/2004" << g << "";
        QTest::newRow("guardada mes 13") << "15/13/2004" << g << "";
        QTest::newRow("guardada año 1") << "01/01/0001" << g << "01/01/0001";
        QTest::newRow("guardada año 0000") << "01/01/0000" << g << "";
        QTest::newRow("guardada un dígito") << "5/03/2004" << g << "";
        QTest::newRow("guardada otro separador") << "05-03-2004" << g << "";
        QTest::newRow("guardada espacio delante") << " 05/03/2004" << g << "";
        QTest::newRow("guardada espacio detrás") << "05/03/2004 " << g << "";
        QTest::newRow("guardada año de 5 cifras") << "05/03/20045" << g << "";
        QTest::newRow("guardada signo") << "+5/03/2004" << g << "";
        QTest::newRow("guardada cifras arábigas") << QStringLiteral("٠٥/٠٣/٢٠٠٤") << g << "";
        QTest::newRow("guardada sin capturar") << "  /  /    " << g << "";
        QTest::newRow("guardada vacía") << "" << g << "";
        QTest::newRow("tecleada completa") << "05/03/2004" << t << "05/03/2004";
        QTest::newRow("tecleada un dígito") << "5 /3 /2004" << t << "05/03/2004";
        QTest::newRow("tecleada año corto") << "05/03/04  " << t << "05/03/2004";
        QTest::newRow("tecleada año 49") << "05/03/49  " << t << "05/03/2049";
        QTest::newRow("tecleada año 50") << "05/03/50  " << t << "05/03/1950";
        QTest::newRow("tecleada año de 4 cifras pequeño") << "05/03/0004" << t << "05/03/0004";
        QTest::newRow("tecleada imposible") << "31/04/2004" << t << "";
        QTest::newRow("tecleada sin año") << "05/03/    " << t << "";
        QTest::newRow("tecleada cuatro partes") << "05/03/2004/" << t << "";
        QTest::newRow("tecleada vacía") << "  /  /    " << t << "";
        QTest::newRow("columnas") << "05/03/1975" << c << "05/03/1975";
        QTest::newRow("columnas otro separador") << "05-03-1975" << c << "05/03/1975";
        QTest::newRow("columnas con espacios") << " 5/ 3/1975" << c << "05/03/1975";
        QTest::newRow("columnas año de 3 cifras") << "05/03/197 " << c << "05/03/0197";
        QTest::newRow("columnas imposible") << "31/04/1975" << c << "";
        QTest::newRow("columnas corta") << "5/3/1975" << c << "";
        QTest::newRow("columnas vacía") << "  /  /    " << c << "";
    }
    void lee()
    {
        QFETCH(QString, texto);
        QFETCH(Lectura, lectura);
        QFETCH(QString, leida);
        QCOMPARE(Fechas::escribe(Fechas::lee(texto, lectura)), leida);
        if (lectura != Lectura::Guardada)
            return;
        // La base acepta lo mismo que la lectura de lo guardado.
        QSqlQuery q(QSqlDatabase::database(QStringLiteral("fechas")));
        QVERIFY(q.prepare(QStringLiteral("Select %1 From (Select ? As f)").arg(Fechas::condicionSql(QStringLiteral("f")))));
        q.addBindValue(texto);
        QVERIFY(q.exec() && q.next());
        QEXPECT_FAIL("guardada año 0000", "SQLite conoce el año 0000", Continue);
        QCOMPARE(q.value(0).toBool(), !leida.isEmpty());
    }

    // Lo que se acepta al capturar: años 1900 a 2020 y todo año múltiplo de 4 bisiesto.
    void revisa_data()
    {
        QTest::addColumn<QString>("fecha");
        QTest::addColumn<Error>("error");
        QTest::newRow("1900 bisiesto") << "29/02/1900" << Error::Ninguno;
        QTest::newRow("2004 bisiesto") << "29/02/2004" << Error::Ninguno;
        QTest::newRow("2020 bisiesto") << "29/02/2020" << Error::Ninguno;
        QTest::newRow("2003 no bisiesto") << "29/02/2003" << Error::Dia;
        QTest::newRow("31 de abril") << "31/04/2004" << Error::Dia;
        QTest::newRow("mes 13") << "15/13/2004" << Error::Mes;
        QTest::newRow("1899") << "01/01/1899" << Error::Anio;
        QTest::newRow("2021") << "01/01/2021" << Error::Anio;
        QTest::newRow("día cero") << "00/05/2004" << Error::Dia;
        QTest::newRow("año y mes mal: sólo año") << "15/13/2030" << Error::Anio;
        QTest::newRow("letras") << "ab/05/2004" << Error::Conversion;
        QTest::newRow("año incompleto") << "05/03/20  " << Error::Anio;
        QTest::newRow("sin capturar") << "  /  /    " << Error::Ninguno;
        QTest::newRow("máscara") << "__/__/____" << Error::Ninguno;
    }
    void revisa()
    {
        QFETCH(QString, fecha);
        QFETCH(Error, error);
        QCOMPARE(Fechas::revisa(fecha), error);
    }

    void mensajesDeFecha()
    {
        QVERIFY(Fechas::mensaje(Error::Anio).endsWith(QStringLiteral("Es permitido de 1900 a 2020")));
        QVERIFY(Fechas::mensaje(Error::Mes).contains(QStringLiteral("error en el mes")));
        QVERIFY(Fechas::mensaje(Error::Dia).contains(QStringLiteral("error en el día")));
        QVERIFY(Fechas::mensaje(Error::Conversion).isEmpty());
    }

    void enFormato_data()
    {
        QTest::addColumn<QString>("formato");
        QTest::addColumn<QString>("separador");
        QTest::addColumn<QString>("resultado");
        QTest::newRow("d/M/yyyy") << "d/M/yyyy" << "/" << "05/03/2004";
        QTest::newRow("M/d/yyyy") << "M/d/yyyy" << "/" << "03/05/2004";
        QTest::newRow("yyyy-MM-dd") << "yyyy-MM-dd" << "-" << "2004-03-05";
        QTest::newRow("dd.MM.yy") << "dd.MM.yy" << "." << "05.03.2004";
    }
    void enFormato()
    {
        QFETCH(QString, formato);
        QFETCH(QString, separador);
        QFETCH(QString, resultado);
        QCOMPARE(Fechas::enFormato(QStringLiteral("05/03/2004"), formato, separador.at(0)), resultado);
    }
};

REGISTRA_PRUEBA(PruebaFechas)
#include "PruebaFechas.moc"
