#include "admin/Entrega.h"
#include "admin/MuestraCredito.h"
#include "platform/ErrorBase.h"
#include "platform/Esquema.h"
#include "platform/paradox/Paradox.h"
#include "support/Entorno.h"
#include "support/Muestra.h"
#include "support/Pruebas.h"

#include <QDir>
#include <QFileInfo>

// Los archivos que se preparan para la entrega: cuáles, en qué orden y que se leen de vuelta
// con los mismos datos que la base.
class PruebaEntrega : public QObject {
    Q_OBJECT
private slots:
    void archivosSegunLaConvocatoria_data()
    {
        QTest::addColumn<int>("convocatoria");
        QTest::addColumn<bool>("credito");
        QTest::newRow("crédito educativo") << 6 << true;
        QTest::newRow("otra convocatoria") << 482 << false;
        QTest::newRow("sin convocatoria") << 0 << false;
        QTest::newRow("parecida a 6") << 60 << false;
    }
    void archivosSegunLaConvocatoria()
    {
        QFETCH(int, convocatoria);
        QFETCH(bool, credito);
        Entorno e;
        MuestraCredito::llena();
        if (convocatoria == 0)
            Entorno::sql(QStringLiteral("Delete From General"));
        else
            Entorno::sql(QStringLiteral("Update General Set Convocatoria=:c"), {{QStringLiteral("c"), convocatoria}});
        QCOMPARE(Entrega::convocatoria(), convocatoria);

        const Entrega::Preparada p(Entrega::convocatoria());
        QStringList nombres;
        QList<int> avances;
        for (const Entrega::Archivo &a : p.archivos()) {
            nombres << a.nombre;
            avances << a.avance;
            QVERIFY2(QFileInfo(p.ruta(a)).isFile(), qPrintable(a.nombre));
            QCOMPARE(QFileInfo(p.ruta(a)).fileName(), a.nombre);   // mayúsculas incluidas
        }
        QCOMPARE(nombres, MuestraCredito::nombresEntrega(credito));
        QCOMPARE(nombres.size(), credito ? 25 : 21);
        QList<int> esperados;
        for (int v = 10; v <= 90; v += 5)
            esperados << v;
        esperados << 92 << 94 << 96 << 100;
        if (credito)
            esperados << 92 << 94 << 96 << 100;
        QCOMPARE(avances, esperados);
        // En la carpeta temporal no queda nada que no se entregue.
        QDir dir(QFileInfo(p.ruta(p.archivos().first())).absolutePath());
        QCOMPARE(dir.entryList(QDir::Files).size(), nombres.size());
    }

    // Cada tabla entregada se lee con pxlib con las mismas filas y valores que la base:
    // acentos, apóstrofos, fechas, números y memos de 10,000 caracteres.
    void lasTablasSeLeenIgualQueLaBase()
    {
        Entorno e;
        MuestraCredito::llena();
        const QString largo = MuestraCredito::textoLargo(10000);
        const QString otro = MuestraCredito::textoLargo(10001).mid(7);
        Entorno::sql(QStringLiteral("Update General Set Motivos_A=:a, Motivos_D=:d"),
                     {{QStringLiteral("a"), largo}, {QStringLiteral("d"), otro}});
        const Entrega::Preparada p(6);
        const QDir dir(QFileInfo(p.ruta(p.archivos().first())).absolutePath());
        for (const Esquema::Tabla *t : Entrega::tablas(6)) {
            const QString nombre = QLatin1String(t->nombre);
            const Paradox::TablaLeida leida = Paradox::leeTabla(dir.filePath(QLatin1String(t->archivo) + QStringLiteral(".db")));
            QCOMPARE(leida.paginaCodigos, 1252);
            QVERIFY(leida.conIndice);
            QCOMPARE(leida.filas.size(), Entorno::cuenta(nombre));
            QVERIFY2(leida.filas.size() > 0, qPrintable(nombre));
            QCOMPARE(leida.filas, Paradox::filasDeBase(*t));
        }
        const Paradox::TablaLeida general = Paradox::leeTabla(dir.filePath(QStringLiteral("General.db")));
        const QStringList campos = Esquema::nombresColumnas(*Esquema::busca(QStringLiteral("General")));
        QCOMPARE(general.filas.first().at(campos.indexOf(QStringLiteral("Motivos_A"))).toString(), largo);
        QCOMPARE(general.filas.first().at(campos.indexOf(QStringLiteral("Motivos_D"))).toString(), otro);
        QCOMPARE(general.filas.first().at(campos.indexOf(QStringLiteral("Convocatoria"))).toLongLong(), 6);
        const Paradox::TablaLeida persona = Paradox::leeTabla(dir.filePath(QStringLiteral("Persona.db")));
        QCOMPARE(persona.filas.first().at(1).toString(), QStringLiteral("MARÍA"));
        QCOMPARE(persona.filas.first().at(7).toString(), QStringLiteral("05/03/1975"));
    }

    // Lo que no se puede escribir fielmente detiene la entrega con un mensaje en español, en
    // lugar de entregar un dato cambiado.
    void unDatoQueNoCabeDetieneLaEntrega()
    {
        Entorno e;
        Muestra::llena();
        Entorno::sql(QStringLiteral("Update Persona Set Paterno=:p Where Tipo='SOL'"), {{QStringLiteral("p"), QStringLiteral("ŁUKASZ")}});
        try {
            Entrega::Preparada p(482);
            QFAIL("se preparó una entrega con un carácter que Windows-1252 no tiene");
        } catch (const ErrorBase &e) {
            QVERIFY(!e.mensaje().isEmpty());
            QVERIFY2(e.mensaje().contains(QStringLiteral("Persona")), qPrintable(e.mensaje()));
        }
    }
};

REGISTRA_PRUEBA(PruebaEntrega)
#include "PruebaEntrega.moc"
