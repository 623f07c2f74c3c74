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

#include <fcntl.h>
#include <unistd.h>

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

    // Una memoria de verdad (tmpfs en el espacio de montajes propio de la prueba) que se retira
    // con umount -l en un archivo elegido: no se escribe nada más, lo que cayó en la carpeta del
    // disco de la computadora se quita y el mensaje lo dice; sin retirarla, la entrega se
    // relee completa contra su recibo.
    void memoriaRetirada_data()
    {
        QTest::addColumn<QString>("archivo");   // el que está en curso cuando se retira
        QTest::addColumn<bool>("antes");        // justo antes de copiarlo (ya revisado el medio) o tras él
        QTest::addColumn<int>("enLaMemoria");   // tablas que alcanzaron a llegar a la memoria
        QTest::newRow("tras Beca.px") << "Beca.px" << false << 2;
        QTest::newRow("justo antes de Domicilio.db") << "Domicilio.db" << true << 2;
        QTest::newRow("tras la última tabla") << "Trabajo.px" << false << 21;
        QTest::newRow("sin retirarla") << "" << false << 21;
    }
    void memoriaRetirada()
    {
        QFETCH(QString, archivo);
        QFETCH(bool, antes);
        QFETCH(int, enLaMemoria);
        Entorno e;
        Muestra::llena();
        DiscoPequeno memoria(8192);
        if (!memoria.valido())
            QSKIP("no se puede montar un disco pequeño (hace falta ser root)");
        // La raíz de la memoria sigue a la vista por este descriptor aunque se desmonte.
        const int raiz = ::open(QFile::encodeName(memoria.ruta()).constData(), O_RDONLY | O_DIRECTORY);
        QVERIFY(raiz >= 0);
        const QString enMemoria = QStringLiteral("/proc/self/fd/%1").arg(raiz);
        const Entrega::Preparada p(482);
        const auto retira = [&](bool cuando) {
            return [&, cuando](const Entrega::Archivo &a) {
                if (antes == cuando && a.nombre == archivo)
                    memoria.retira();
            };
        };
        QString mensaje;
        try {
            p.copiaA(memoria.ruta(), retira(false), retira(true));
        } catch (const ErrorBase &error) {
            mensaje = error.mensaje();
        }
        QStringList llegaron = QDir(enMemoria).entryList(QDir::Files | QDir::Hidden);
        llegaron.sort();
        ::close(raiz);
        if (archivo.isEmpty()) {
            QCOMPARE(mensaje, QString());
            QCOMPARE(llegaron.size(), enLaMemoria + 1);
            QVERIFY(llegaron.contains(QStringLiteral("entrega.sha256")));
            return;
        }
        QVERIFY2(mensaje.contains(QStringLiteral("Se retiró la memoria")) && mensaje.contains(QStringLiteral("incompleta")),
                 qPrintable(mensaje));
        // En la memoria, lo copiado antes de retirarla y ningún recibo ni temporal.
        QStringList copiados = MuestraCredito::nombresEntrega(false).mid(0, enLaMemoria);
        copiados.sort();
        QCOMPARE(llegaron, copiados);
        // En la carpeta de la computadora que quedó en su lugar, nada.
        QCOMPARE(QDir(memoria.ruta()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }
};

REGISTRA_PRUEBA(PruebaEntrega)
#include "PruebaEntrega.moc"
