#include "platform/Base.h"
#include "support/Entorno.h"
#include "support/Pruebas.h"

#include <QCryptographicHash>
#include <QFile>
#include <QProcess>

namespace {
QByteArray huella(const QString &archivo)
{
    QFile f(archivo);
    f.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}
} // namespace

class PruebaBase : public QObject {
    Q_OBJECT
private slots:
    void primerArranqueCreaCarpetaPrivadaConCatalogos()
    {
        QTemporaryDir dir;
        const QString carpeta = dir.path() + QStringLiteral("/datos/d_2004/tablas");
        Base::abre(carpeta);
        QVERIFY(QFile::exists(Base::archivoEn(carpeta)));
        QCOMPARE(QFile::permissions(carpeta) & (QFileDevice::ReadGroup | QFileDevice::ReadOther | QFileDevice::ExeOther),
                 QFileDevice::Permissions());
        QVERIFY(Entorno::cuenta(QStringLiteral("Cat_Pais")) >= 249);
        QCOMPARE(Entorno::valor(QStringLiteral("Select Nombre from Cat_Pais where Clave=32")).toString(), QStringLiteral("México"));
        QCOMPARE(Entorno::cuenta(QStringLiteral("Cat_Estado"), QStringLiteral("Pais_Clave=32")), 32);
        QCOMPARE(Entorno::cuenta(QStringLiteral("Cat_Municipio")), 2478);
        QVERIFY(Entorno::cuenta(QStringLiteral("Cat_Ciudad")) >= 2000);
        for (int conv : {6, 481, 482, 485, 486, 488, 489, 504, 513}) {
            QCOMPARE(Entorno::cuenta(QStringLiteral("Convocatoria"), QStringLiteral("Clave=%1").arg(conv)), 1);
            QVERIFY2(Entorno::cuenta(QStringLiteral("Pais_Conv"), QStringLiteral("Conv_Clave=%1").arg(conv)) > 0, qPrintable(QString::number(conv)));
        }
        QCOMPARE(Entorno::cuenta(QStringLiteral("Institucion"), QStringLiteral("Clave between 406 and 415")), 10);
        QCOMPARE(Entorno::valor(QStringLiteral("Select count(distinct Pais) from Institucion where Clave between 406 and 415")).toInt(), 1);
        QCOMPARE(Entorno::cuenta(QStringLiteral("Cat_Disc"), QStringLiteral("Clave in (170,172) and Area=7")), 2);
        QCOMPARE(Entorno::cuenta(QStringLiteral("Cat_Grado"), QStringLiteral("Clave in (19,25,38)")), 3);
        QVERIFY(Entorno::cuenta(QStringLiteral("Cat_Cursos"), QStringLiteral("Convocatoria=488")) > 0);
        QVERIFY(Entorno::cuenta(QStringLiteral("Cat_Cursos"), QStringLiteral("Convocatoria=489")) > 0);
        QVERIFY(Entorno::cuenta(QStringLiteral("Institucion"), QStringLiteral("Convenio<>0")) > 0);
        // Ninguna tabla de la solicitud trae datos.
        for (const char *t : {"General", "Persona", "Domicilio", "Beca", "Escolar", "Trabajo", "Aval", "MontosQuiral"})
            QCOMPARE(Entorno::cuenta(QString::fromLatin1(t)), 0);
        Base::cierra();
    }

    void ciudadAgregadaSobreviveAlReinicio()
    {
        QTemporaryDir dir;
        const QString carpeta = dir.path() + QStringLiteral("/tablas");
        Base::abre(carpeta);
        Entorno::sql(QStringLiteral("Insert into Cat_Ciudad Values (99999,:n,9)"), {{QStringLiteral("n"), QStringLiteral("ÁLVARO'S TOWN")}});
        Base::cierra();
        Base::abre(carpeta);
        QCOMPARE(Entorno::valor(QStringLiteral("Select Nombre from Cat_Ciudad where Clave=99999")).toString(), QStringLiteral("ÁLVARO'S TOWN"));
        Base::cierra();
    }

    void baseDanadaNoSeToca_data()
    {
        QTest::addColumn<QByteArray>("contenido");
        QTest::newRow("no es base") << QByteArray("esto no es una base de datos\n").repeated(200);
        QTest::newRow("vacía de tablas") << QByteArray();
    }
    void baseDanadaNoSeToca()
    {
        QFETCH(QByteArray, contenido);
        QTemporaryDir dir;
        const QString carpeta = dir.path() + QStringLiteral("/tablas");
        QDir().mkpath(carpeta);
        const QString archivo = Base::archivoEn(carpeta);
        {
            QFile f(archivo);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(contenido);
        }
        const QByteArray antes = huella(archivo);
        try {
            Base::abre(carpeta);
            QFAIL("debió rechazar la base");
        } catch (const ErrorBase &e) {
            QVERIFY2(e.mensaje().contains(QStringLiteral("solicitud.sqlite")), qPrintable(e.mensaje()));
            QVERIFY(e.mensaje().contains(QStringLiteral("se dejó como estaba")));
        }
        QVERIFY(!Base::abierta());
        QCOMPARE(huella(archivo), antes);
        QCOMPARE(QFileInfo(archivo).size(), qint64(contenido.size()));
    }

    void carpetaImposibleDeCrear()
    {
        QTemporaryDir dir;
        QFile estorbo(dir.path() + QStringLiteral("/archivo"));
        QVERIFY(estorbo.open(QIODevice::WriteOnly));
        estorbo.close();
        try {
            Base::abre(dir.path() + QStringLiteral("/archivo/tablas"));
            QFAIL("debió fallar");
        } catch (const ErrorBase &e) {
            QVERIFY(e.mensaje().startsWith(QStringLiteral("No se pudo crear la carpeta de tablas")));
        }
    }

    void herramientaCreaYNoPisa()
    {
        QTemporaryDir dir;
        const QString carpeta = dir.path() + QStringLiteral("/nueva");
        QProcess p;
        p.start(QStringLiteral(RUTA_CLI), {QStringLiteral("crea"), QStringLiteral("--tablas"), carpeta});
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitCode(), 0);
        const QByteArray antes = huella(Base::archivoEn(carpeta));
        p.start(QStringLiteral(RUTA_CLI), {QStringLiteral("crea"), QStringLiteral("--tablas"), carpeta});
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitCode(), 2);
        QVERIFY(QString::fromUtf8(p.readAllStandardError()).contains(QStringLiteral("ya tiene una base de datos")));
        QCOMPARE(huella(Base::archivoEn(carpeta)), antes);
        // Orden desconocida: código 2 y ayuda en español.
        p.start(QStringLiteral(RUTA_CLI), {QStringLiteral("inventada")});
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitCode(), 2);
        QVERIFY(QString::fromUtf8(p.readAllStandardError()).contains(QStringLiteral("Orden desconocida")));
    }
};

REGISTRA_PRUEBA(PruebaBase)
#include "PruebaBase.moc"
