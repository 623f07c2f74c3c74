#include "platform/Base.h"
#include "review/Revision.h"
#include "support/Entorno.h"
#include "support/Muestra.h"
#include "support/Cli.h"
#include "support/Pruebas.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

namespace {

QByteArray huella(const QString &archivo)
{
    QFile f(archivo);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}
} // namespace

class PruebaComandoRevisa : public QObject {
    Q_OBJECT
private slots:
    void imprimeElMismoReporte_data()
    {
        QTest::addColumn<QStringList>("sentencias");
        QTest::addColumn<int>("codigo");
        QTest::newRow("completa") << QStringList{} << 0;
        QTest::newRow("sólo un aviso") << QStringList{"Delete from Domicilio Where Tipo='OP2'"} << 0;
        QTest::newRow("sin opciones") << QStringList{"Delete from Beca"} << 1;
        QTest::newRow("varios hallazgos con acentos")
            << QStringList{"Update General Set Motivos_A=NULL", "Update Persona Set Edo_civil='S' Where Tipo='SOL'",
                           "Update Trabajo Set Comprension='0' Where Tipo='IDI'"}
            << 1;
        QTest::newRow("hallazgo sin lugar") << QStringList{"Update Beca Set Total_col=3000000000 Where Clave=1"} << 1;
    }
    void imprimeElMismoReporte()
    {
        QFETCH(QStringList, sentencias);
        QFETCH(int, codigo);
        Entorno e;
        Muestra::llena();
        for (const QString &s : sentencias)
            Entorno::sql(s);
        const QStringList lineas = Revision::revisa().lineas;
        const QByteArray antes = huella(Base::archivoEn(e.carpeta()));
        const SalidaCli s = corre({QStringLiteral("revisa"), QStringLiteral("--tablas"), e.carpeta()});
        QCOMPARE(s.error, QString());
        QCOMPARE(s.codigo, codigo);
        QCOMPARE(s.salida, lineas.join(u'\n') + u'\n');

        // Con --ubica: el mismo código; el título igual, sin TAB; cada hallazgo seguido de sus
        // tres campos de lugar, vacíos si no tiene.
        const SalidaCli u = corre({QStringLiteral("revisa"), QStringLiteral("--ubica"), QStringLiteral("--tablas"), e.carpeta()});
        QCOMPARE(u.codigo, codigo);
        const QStringList ubicadas = u.salida.chopped(1).split(u'\n');
        QCOMPARE(ubicadas.size(), lineas.size());
        QCOMPARE(ubicadas.first(), lineas.first());
        for (qsizetype i = 1; i < lineas.size(); ++i) {
            QVERIFY(ubicadas[i].startsWith(lineas[i] + u'\t'));
            QCOMPARE(ubicadas[i].count(u'\t'), 3);
        }
        QCOMPARE(huella(Base::archivoEn(e.carpeta())), antes);
    }

    void usaLaCarpetaDelPrograma()
    {
        Entorno e;   // XDG_DATA_HOME apunta a la carpeta de la prueba
        Muestra::llena();
        const SalidaCli s = corre({QStringLiteral("revisa")});
        QCOMPARE(s.codigo, 0);
        QCOMPARE(s.salida, QStringLiteral("No hay Inconsistencias\n"));
    }

    void tablasIlegibles()
    {
        QTemporaryDir dir;
        const QString falta = dir.path() + QStringLiteral("/no/existe");
        SalidaCli s = corre({QStringLiteral("revisa"), QStringLiteral("--tablas"), falta});
        QCOMPARE(s.codigo, 2);
        QVERIFY(s.error.contains(QStringLiteral("No existe la carpeta de tablas")));
        QCOMPARE(s.salida, QString());
        QVERIFY(!QFileInfo::exists(falta));

        const QString vacia = dir.path() + QStringLiteral("/vacia");
        QDir().mkpath(vacia);
        s = corre({QStringLiteral("revisa"), QStringLiteral("--tablas"), vacia});
        QCOMPARE(s.codigo, 2);
        QVERIFY(s.error.contains(QStringLiteral("no tiene la base de datos")));
        QVERIFY(QDir(vacia).isEmpty());

        const QString danada = dir.path() + QStringLiteral("/danada");
        QDir().mkpath(danada);
        {
            QFile f(Base::archivoEn(danada));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QByteArray(4096, 'x'));
        }
        const QByteArray antes = huella(Base::archivoEn(danada));
        s = corre({QStringLiteral("revisa"), QStringLiteral("--tablas"), danada});
        QCOMPARE(s.codigo, 2);
        QVERIFY(s.error.contains(QStringLiteral("dañado")));
        QCOMPARE(huella(Base::archivoEn(danada)), antes);

        QCOMPARE(corre({QStringLiteral("revisa"), QStringLiteral("--tablas")}).codigo, 2);
        QCOMPARE(corre({QStringLiteral("revisa"), QStringLiteral("--tablas"), vacia, QStringLiteral("otro")}).codigo, 2);
    }
};

REGISTRA_PRUEBA(PruebaComandoRevisa)
#include "PruebaComandoRevisa.moc"
