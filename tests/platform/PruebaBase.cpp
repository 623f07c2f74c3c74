#include "platform/Base.h"
#include "platform/Consulta.h"
#include "platform/SegundoPlano.h"
#include "support/Cli.h"
#include "support/Entorno.h"
#include "support/Pruebas.h"

#include <QLockFile>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <QCryptographicHash>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <optional>
#include <stdexcept>

namespace {
QByteArray huella(const QString &archivo)
{
    QFile f(archivo);
    f.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

void sqlDirecto(const QString &archivo, const QStringList &sentencias, const std::function<void()> &durante = {})
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("directa"));
        db.setDatabaseName(archivo);
        QVERIFY(db.open());
        QSqlQuery q(db);
        for (const QString &s : sentencias)
            QVERIFY2(q.exec(s), qPrintable(s));
        if (durante)
            durante();
        q.exec(QStringLiteral("ROLLBACK"));
        q.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("directa"));
}

void preparaFalla(const QString &caso, const QString &carpeta, const QString &archivo)
{
    if (caso == u"dañada") {
        // Basura en una hoja de la tabla de municipios.
        qint64 pagina = 0, tamano = 0;
        sqlDirecto(archivo, {}, [&] {
            QSqlQuery q(QSqlDatabase::database(QStringLiteral("directa")));
            q.exec(QStringLiteral("SELECT max(pageno) FROM dbstat WHERE name='Cat_Municipio'"));
            if (q.next())
                pagina = q.value(0).toLongLong();
            q.exec(QStringLiteral("PRAGMA page_size"));
            if (q.next())
                tamano = q.value(0).toLongLong();
        });
        QVERIFY(pagina > 1 && tamano > 0);
        QFile f(archivo);
        QVERIFY(f.open(QIODevice::ReadWrite));
        f.seek((pagina - 1) * tamano + 8);
        f.write(QByteArray(int(tamano) - 16, '\xA5'));
    } else if (caso == u"diario") {
        // Lo que deja una caída a media transacción: la base y su diario, sin nadie que los tenga.
        const QString copia = carpeta + QStringLiteral("/copia.sqlite");
        QFile::copy(archivo, copia);
        sqlDirecto(copia, {QStringLiteral("PRAGMA cache_size=1"), QStringLiteral("BEGIN"),
                           QStringLiteral("DELETE FROM Cat_Municipio")},
                   [&] {
                       QFile::remove(archivo);
                       QVERIFY(QFile::copy(copia, archivo));
                       QVERIFY(QFile::copy(copia + QStringLiteral("-journal"), archivo + QStringLiteral("-journal")));
                   });
        QFile::remove(copia);
    } else if (caso == u"carpeta") {
        QFile::remove(archivo);
        QDir().mkpath(archivo);
    } else if (caso == u"columna") {
        sqlDirecto(archivo, {QStringLiteral("ALTER TABLE General DROP COLUMN Motivos_D")});
    } else if (caso.startsWith(u"cerrojo")) {
        QFile f(carpeta + QStringLiteral("/solicitud.lock"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        if (caso == u"cerrojo")
            f.write("999999\nsolicitud\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    }
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

    // Lo que se encuentra al abrir y lo que se responde: en modo de escritura (programa, crea) y
    // de sólo lectura (revisa, entrega, imprime). Un archivo rechazado no se modifica.
    void aperturaConFallas_data()
    {
        QTest::addColumn<QString>("caso");
        QTest::addColumn<QString>("mensaje");   // vacío: se abre
        QTest::newRow("página dañada de un catálogo") << "dañada" << "está dañado";
        QTest::newRow("diario pendiente de una caída") << "diario" << "";
        QTest::newRow("carpeta en lugar del archivo") << "carpeta" << "no es un archivo";
        QTest::newRow("versión anterior sin una columna") << "columna" << "le falta la columna Motivos_D";
        QTest::newRow("cerrojo de un proceso que ya terminó") << "cerrojo" << "";
        QTest::newRow("cerrojo vacío de una caída al tomarlo") << "cerrojo vacío" << "";
    }
    void aperturaConFallas()
    {
        QFETCH(QString, caso);
        QFETCH(QString, mensaje);
        // Escritura, lectura, y escritura con la revisión adelantada del arranque.
        for (const int modo : {0, 1, 2}) {
            const bool lectura = modo == 1;
            std::optional<SegundoPlano::Hilo> plano;   // la revisión adelantada, en su hilo como en main()
            if (modo == 2)
                plano.emplace();
            QTemporaryDir dir;
            const QString carpeta = dir.filePath(QStringLiteral("tablas"));
            QDir().mkpath(carpeta);
            const QString archivo = Base::archivoEn(carpeta);
            QVERIFY(QFile::copy(basePlantilla(), archivo));
            QFile::setPermissions(archivo, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
            preparaFalla(caso, carpeta, archivo);
            const QByteArray antes = QFileInfo(archivo).isFile() ? huella(archivo) : QByteArray();
            QString error;
            try {
                if (modo == 2)
                    Base::adelantaRevision(carpeta);
                lectura ? Base::abreLectura(carpeta) : Base::abre(carpeta);
                QCOMPARE(Entorno::cuenta(QStringLiteral("Cat_Municipio")), 2478);
            } catch (const ErrorBase &e) {
                error = e.mensaje();
            }
            Base::cierra();
            if (mensaje.isEmpty()) {
                QCOMPARE(error, QString());
                QVERIFY(!QFileInfo::exists(archivo + QStringLiteral("-journal")));
                continue;
            }
            QVERIFY2(error.contains(mensaje) && error.contains(QStringLiteral("solicitud.sqlite")), qPrintable(error));
            if (!antes.isEmpty())
                QCOMPARE(huella(archivo), antes);
        }
    }

    // El segundo plano corre lo pedido en orden, entrega resultados y excepciones en el futuro y,
    // al terminar, no deja nada sin correr; sin hilo, cada tarea corre al pedirla.
    void segundoPlanoEnOrdenYHastaElFinal()
    {
        QStringList orden;
        std::future<int> lento, falla;
        std::future<void> ultimo;
        {
            const SegundoPlano::Hilo plano;
            lento = SegundoPlano::pide([&] { QThread::msleep(50); orden << "lento"; return 7; });
            falla = SegundoPlano::pide([&]() -> int { orden << "falla"; throw std::runtime_error("x"); });
            ultimo = SegundoPlano::pide([&] { QThread::msleep(20); orden << "último"; });
        }
        QCOMPARE(orden, (QStringList{"lento", "falla", "último"}));
        QCOMPARE(lento.get(), 7);
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, falla.get());
        QCOMPARE(ultimo.wait_for(std::chrono::seconds(0)), std::future_status::ready);
        auto enLinea = SegundoPlano::pide([&] { return orden.size(); });
        QCOMPARE(enLinea.wait_for(std::chrono::seconds(0)), std::future_status::ready);
        QCOMPARE(enLinea.get(), 3);
    }

    // En un disco lleno el cerrojo no se puede escribir: se dice eso, no que falte permiso.
    void cerrojoEnDiscoLleno()
    {
        DiscoPequeno disco(1024);
        if (!disco.valido())
            QSKIP("no se pudo montar un tmpfs pequeño");
        QVERIFY(QFile::copy(basePlantilla(), Base::archivoEn(disco.ruta())));
        disco.llena(0);
        try {
            Base::abre(disco.ruta());
            QFAIL("debió rechazar la carpeta");
        } catch (const ErrorBase &e) {
            QVERIFY2(e.mensaje().contains(QStringLiteral("no tiene espacio libre")), qPrintable(e.mensaje()));
        }
    }

    // Un programa por carpeta: otro que quiere escribir en ella se detiene con un mensaje que
    // nombra la carpeta y el proceso; las órdenes que sólo leen siguen funcionando.
    void unProgramaPorCarpeta()
    {
        Entorno e;   // este proceso tiene abierta la carpeta, como el programa
        QTemporaryDir otra;
        Base::tomaCerrojo(otra.path());
        const SalidaCli crea = corre({QStringLiteral("crea"), QStringLiteral("--tablas"), otra.path()});
        QCOMPARE(crea.codigo, 2);
        QVERIFY2(crea.error.contains(QStringLiteral("ya está abierta en otro programa")) &&
                     crea.error.contains(QString::number(QCoreApplication::applicationPid())) && crea.error.contains(otra.path()),
                 qPrintable(crea.error));
        QVERIFY(!QFileInfo::exists(Base::archivoEn(otra.path())));
        const SalidaCli revisa = corre({QStringLiteral("revisa"), QStringLiteral("--tablas"), e.carpeta()});
        QCOMPARE(revisa.error, QString());
        QCOMPARE(revisa.codigo, 1);
        // Suelto el cerrojo (el programa se cerró), la otra carpeta ya se puede crear.
        Base::abre(e.carpeta());
        QCOMPARE(corre({QStringLiteral("crea"), QStringLiteral("--tablas"), otra.path()}).codigo, 0);
        // Crear otra carpeta desde este proceso no suelta la que tiene abierta.
        QTemporaryDir tercera;
        Base::crea(tercera.path());
        QVERIFY(QFileInfo::exists(e.carpeta() + QStringLiteral("/solicitud.lock")));
        QVERIFY(!QFileInfo::exists(tercera.path() + QStringLiteral("/solicitud.lock")));
        // Sin HOME la carpeta predeterminada no lleva doble diagonal.
        const QByteArray xdg = qgetenv("XDG_DATA_HOME"), home = qgetenv("HOME");
        qunsetenv("XDG_DATA_HOME");
        qunsetenv("HOME");
        const QString predeterminada = Base::carpetaPredeterminada();
        qputenv("XDG_DATA_HOME", xdg);
        qputenv("HOME", home);
        QCOMPARE(predeterminada, QStringLiteral("/.local/share/d_2004/tablas"));
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
