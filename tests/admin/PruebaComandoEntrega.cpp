#include "admin/Entrega.h"
#include "admin/MuestraCredito.h"
#include "platform/Base.h"
#include "platform/Esquema.h"
#include "platform/paradox/Paradox.h"
#include "review/Revision.h"
#include "support/Entorno.h"
#include "support/Muestra.h"
#include "support/Cli.h"
#include "support/Pruebas.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace {
} // namespace

class PruebaComandoEntrega : public QObject {
    Q_OBJECT
private slots:
    void entregaSiPasaLaRevision_data()
    {
        QTest::addColumn<QString>("muestra");
        QTest::addColumn<QString>("sentencia");
        QTest::addColumn<int>("codigo");
        QTest::newRow("convocatoria 482") << "482" << QString() << 0;
        QTest::newRow("convocatoria 6") << "6" << QString() << 0;
        QTest::newRow("sólo un aviso") << "482" << "Delete from Domicilio Where Tipo='OP2'" << 0;
        QTest::newRow("con inconsistencias") << "6" << "Delete from Beca" << 1;
    }
    void entregaSiPasaLaRevision()
    {
        QFETCH(QString, muestra);
        QFETCH(QString, sentencia);
        QFETCH(int, codigo);
        Entorno e;
        if (muestra == u"6")
            MuestraCredito::llena();
        else
            Muestra::llena();
        if (!sentencia.isEmpty())
            Entorno::sql(sentencia);
        QTemporaryDir destino;
        const SalidaCli s = corre({QStringLiteral("entrega"), destino.path(), QStringLiteral("--tablas"), e.carpeta()});
        QCOMPARE(s.error, QString());
        QCOMPARE(s.codigo, codigo);
        const QStringList escritos = QDir(destino.path()).entryList(QDir::Files | QDir::Hidden);
        if (codigo == 1) {
            QCOMPARE(s.salida, Revision::revisa().lineas.join(u'\n') + u'\n');
            QVERIFY(escritos.isEmpty());
            return;
        }
        const QStringList nombres = MuestraCredito::nombresEntrega(muestra == u"6");
        QCOMPARE(s.salida, nombres.join(u'\n') + u'\n');
        QCOMPARE(escritos.size(), nombres.size());
        for (const Esquema::Tabla *t : Entrega::tablas(muestra.toInt()))
            Paradox::verificaTabla(*t, destino.path());
    }

    void otrasFallasSalenCon2_data()
    {
        QTest::addColumn<QStringList>("argumentos");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("sin destino") << QStringList{"entrega", "--tablas", "@tablas"} << "Falta la carpeta de destino";
        QTest::newRow("destino que no existe") << QStringList{"entrega", "@destino/no/hay", "--tablas", "@tablas"}
                                               << "No existe la carpeta de destino";
        QTest::newRow("argumento de más") << QStringList{"entrega", "@destino", "otro", "--tablas", "@tablas"}
                                          << "Argumento no reconocido: otro";
        QTest::newRow("--tablas sin carpeta") << QStringList{"entrega", "@destino", "--tablas"} << "Falta la carpeta después de --tablas";
        QTest::newRow("carpeta de tablas que no existe") << QStringList{"entrega", "@destino", "--tablas", "@tablas/no/hay"}
                                                         << "No existe la carpeta de tablas";
        QTest::newRow("carpeta sin base") << QStringList{"entrega", "@destino", "--tablas", "@destino"}
                                          << "no tiene una base de datos";
    }
    void otrasFallasSalenCon2()
    {
        QFETCH(QStringList, argumentos);
        QFETCH(QString, mensaje);
        Entorno e;
        Muestra::llena();
        QTemporaryDir destino;
        for (QString &a : argumentos)
            a.replace(QStringLiteral("@tablas"), e.carpeta()).replace(QStringLiteral("@destino"), destino.path());
        const SalidaCli s = corre(argumentos);
        QCOMPARE(s.codigo, 2);
        QCOMPARE(s.salida, QString());
        QVERIFY2(s.error.contains(mensaje), qPrintable(s.error));
        QVERIFY(QDir(destino.path()).entryList(QDir::Files).isEmpty());
        QVERIFY(!QFileInfo::exists(e.carpeta() + QStringLiteral("/no")));   // no se crea nada
        QVERIFY(!QFileInfo::exists(destino.path() + QStringLiteral("/no")));
    }

    // Un dato que la entrega no puede escribir tal cual no deja archivos a medias.
    void datoNoEntregable()
    {
        Entorno e;
        Muestra::llena();
        Entorno::sql(QStringLiteral("Update Escolar Set Carrera=:c Where Nivel='LIC'"), {{QStringLiteral("c"), QStringLiteral("ÉCOLE ŁÓDŹ")}});
        QTemporaryDir destino;
        const SalidaCli s = corre({QStringLiteral("entrega"), destino.path(), QStringLiteral("--tablas"), e.carpeta()});
        QCOMPARE(s.codigo, 2);
        QCOMPARE(s.salida, QString());
        QVERIFY2(s.error.contains(QStringLiteral("Escolar")), qPrintable(s.error));
        QVERIFY(QDir(destino.path()).entryList(QDir::Files).isEmpty());
    }
};

REGISTRA_PRUEBA(PruebaComandoEntrega)
#include "PruebaComandoEntrega.moc"
