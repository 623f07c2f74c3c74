#include "platform/volumenes/Volumenes.h"
#include "support/Pruebas.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

QByteArray contenido(int n, int semilla)
{
    QByteArray b(n, '\0');
    for (int i = 0; i < n; ++i)
        b[i] = char((i * 31 + semilla * 7 + (i >> 8)) & 0xFF);
    return b;
}

QString escribeArchivo(const QString &ruta, const QByteArray &datos)
{
    QFile f(ruta);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(datos);
    return ruta;
}

QByteArray lee(const QString &ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

Volumenes::Unidad unidad(const QString &raiz, bool removible)
{
    Volumenes::Unidad u;
    u.raiz = raiz;
    u.removible = removible;
    u.nombre = raiz;
    return u;
}

} // namespace

class PruebaVolumenes : public QObject {
    Q_OBJECT
private slots:
    void rutasRemovibles_data()
    {
        QTest::addColumn<QString>("raiz");
        QTest::addColumn<bool>("removible");
        QTest::addColumn<bool>("soloLectura");
        QTest::addColumn<bool>("escribible");
        QTest::addColumn<bool>("entregable");
        QTest::newRow("media") << "/media/ana/MEMORIA" << true << false << true << true;
        QTest::newRow("run media") << "/run/media/ana/USB DISK" << true << false << true << true;
        QTest::newRow("mnt") << "/mnt" << true << false << true << true;
        QTest::newRow("mnt usb") << "/mnt/usb" << true << false << true << true;
        QTest::newRow("raiz") << "/" << false << false << true << false;
        QTest::newRow("home") << "/home" << false << false << true << false;
        QTest::newRow("parecido") << "/mediateca" << false << false << true << false;
        QTest::newRow("run") << "/run/user/1000" << false << false << true << false;
        // Un disco del sistema montado sólo para leer, o del que no se tiene permiso, no es A:.
        QTest::newRow("cd de sólo lectura") << "/media/cdrom" << true << true << false << false;
        QTest::newRow("montado rw sin permiso") << "/mnt/sistema" << true << false << false << false;
    }
    void rutasRemovibles()
    {
        QFETCH(QString, raiz);
        QFETCH(bool, removible);
        QFETCH(bool, soloLectura);
        QFETCH(bool, escribible);
        QFETCH(bool, entregable);
        QCOMPARE(Volumenes::rutaRemovible(raiz), removible);
        QCOMPARE(Volumenes::entregable(raiz, soloLectura, escribible), entregable);
    }

    void soloDosRemoviblesSonAyB()
    {
        const auto l = Volumenes::asignaLetras({unidad("/", false), unidad("/media/x/TRES", true), unidad("/home", false),
                                                unidad("/media/x/UNO", true), unidad("/media/x/DOS", true)});
        QCOMPARE(l.size(), 5);
        QMap<QString, QChar> letras;
        for (const auto &u : l)
            letras[u.raiz] = u.letra;
        QCOMPARE(letras["/media/x/DOS"], QChar('a'));
        QCOMPARE(letras["/media/x/TRES"], QChar('b'));
        QCOMPARE(letras["/"], QChar('c'));
        QCOMPARE(letras["/home"], QChar('d'));
        QCOMPARE(letras["/media/x/UNO"], QChar('e'));   // un tercer removible no hace de A: ni B:
        // Sin removibles, nada es a ni b.
        for (const auto &u : Volumenes::asignaLetras({unidad("/", false), unidad("/boot", false)}))
            QVERIFY(u.letra >= QChar('c'));
        Volumenes::Unidad u = unidad("/media/x/DOS", true);
        u.letra = QChar('a');
        u.nombre = QStringLiteral("MEMORIA");
        QCOMPARE(u.texto(), QStringLiteral("a: [MEMORIA]"));
    }

    void unidadesDelSistema()
    {
        VolumenesSistema v;
        const auto l = v.unidades();
        QVERIFY(!l.isEmpty());
        QSet<QChar> vistas;
        for (const auto &u : l) {
            QVERIFY(!vistas.contains(u.letra));
            vistas.insert(u.letra);
            if (u.letra == QChar('a') || u.letra == QChar('b'))
                QVERIFY(u.removible && Volumenes::rutaRemovible(u.raiz) && QFileInfo(u.raiz).isWritable());
            if (u.raiz == QStringLiteral("/"))
                QVERIFY(v.espacioLibre(u.letra) > 0);
        }
        for (char16_t l = u'z'; l >= u'a'; --l)
            if (!vistas.contains(QChar(l))) {
                QCOMPARE(v.espacioLibre(QChar(l)), qint64(-1));   // unidad que no está
                break;
            }
    }

    void copiaCompleta()
    {
        QTemporaryDir d;
        VolumenesSimulados v(d.filePath("unidades"));
        const QString a = v.agrega('a', true, 1'000'000);
        QCOMPARE(v.raiz('A'), a);
        const QByteArray datos = contenido(200'000, 1);
        const QString origen = escribeArchivo(d.filePath("Beca.db"), datos);
        escribeArchivo(a + "/Beca.db", "viejo");
        escribeArchivo(a + "/otro.txt", "ajeno");
        v.copia(origen, a + "/Beca.db");
        QCOMPARE(lee(a + "/Beca.db"), datos);
        QCOMPARE(lee(a + "/otro.txt"), QByteArray("ajeno"));        // lo demás no se toca
        QCOMPARE(QDir(a).entryList(QDir::Files).size(), 2);          // sin temporales
        QCOMPARE(v.espacioLibre('a'), qint64(1'000'000 - datos.size()));
        v.compara(origen, a + "/Beca.db");
        // Un archivo vacío también se copia.
        v.copia(escribeArchivo(d.filePath("vacio.px"), {}), a + "/vacio.px");
        QVERIFY(QFile::exists(a + "/vacio.px"));
    }

    void fallasDeLaUnidad_data()
    {
        QTest::addColumn<QString>("falla");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("llena") << "llena" << "No hay espacio suficiente en el disco para copiar General.db.";
        QTest::newRow("sin medio") << "sin medio" << "No se pudo escribir General.db en el disco; revise que siga en la unidad.";
        QTest::newRow("protegida") << "protegida" << "El disco está protegido contra escritura; no se pudo copiar General.db.";
        QTest::newRow("dañada") << "dañada" << "La copia de General.db en el disco no coincide con el original.";
    }
    void fallasDeLaUnidad()
    {
        QFETCH(QString, falla);
        QFETCH(QString, mensaje);
        QTemporaryDir d;
        VolumenesSimulados v(d.filePath("unidades"));
        const QString b = v.agrega('b', true);
        const QString origen = escribeArchivo(d.filePath("General.db"), contenido(50'000, 2));
        escribeArchivo(b + "/General.db", "entrega anterior");
        if (falla == "llena")
            v.ponEspacioLibre('b', 10'000);
        else if (falla == "sin medio")
            v.retiraMedio('b');
        else if (falla == "protegida")
            v.protege('b');
        else
            v.danaCopias();
        try {
            v.copia(origen, b + "/General.db");
            QFAIL("la copia debió fallar");
        } catch (const ErrorBase &e) {
            QCOMPARE(e.mensaje(), mensaje);
        }
        if (falla == "sin medio") {
            QCOMPARE(v.espacioLibre('b'), qint64(-1));
            QVERIFY(!QDir(b).exists());
            return;
        }
        if (falla == "dañada") {
            QVERIFY(!QFile::exists(b + "/General.db"));   // una copia mala no se queda
        } else {
            QCOMPARE(lee(b + "/General.db"), QByteArray("entrega anterior"));   // nada a medias
        }
        QCOMPARE(QDir(b).entryList(QDir::Files).filter(".tmp").size(), 0);
    }

    void unidadQueNoEsta()
    {
        QTemporaryDir d;
        VolumenesSimulados v(d.filePath("unidades"));
        v.agrega('c', false);
        QCOMPARE(v.espacioLibre('a'), qint64(-1));
        QVERIFY(v.raiz('a').isEmpty());
        v.agrega('a', true);
        QCOMPARE(v.unidades().first().letra, QChar('a'));
        v.quita('a');
        QCOMPARE(v.espacioLibre('a'), qint64(-1));
        QCOMPARE(v.unidades().size(), 1);
    }

    void origenIlegible()
    {
        QTemporaryDir d;
        VolumenesSimulados v(d.filePath("unidades"));
        const QString a = v.agrega('a', true);
        QVERIFY_THROWS_EXCEPTION(ErrorBase, v.copia(d.filePath("no-existe.db"), a + "/x.db"));
        QVERIFY(QDir(a).entryList(QDir::Files).isEmpty());
    }

    void comparaDescubreDiferencias_data()
    {
        QTest::addColumn<QByteArray>("copia");
        const QByteArray base = contenido(150'000, 3);
        QByteArray cambiada = base;
        cambiada[140'000] = char(cambiada[140'000] ^ 1);
        QTest::newRow("byte cambiado") << cambiada;
        QTest::newRow("más corta") << base.left(base.size() - 1);
        QTest::newRow("más larga") << base + "x";
    }
    void comparaDescubreDiferencias()
    {
        QFETCH(QByteArray, copia);
        QTemporaryDir d;
        VolumenesSimulados v(d.filePath("unidades"));
        const QString o = escribeArchivo(d.filePath("o.db"), contenido(150'000, 3));
        const QString c = escribeArchivo(d.filePath("c.db"), copia);
        QVERIFY_THROWS_EXCEPTION(ErrorBase, v.compara(o, c));
        v.compara(o, o);
    }

    void seInstalaLaSimulada()
    {
        QTemporaryDir d;
        auto sim = std::make_unique<VolumenesSimulados>(d.filePath("u"));
        auto *p = sim.get();
        p->agrega('a', true, 1234);
        Volumenes::instala(std::move(sim));
        QCOMPARE(volumenes().espacioLibre('a'), qint64(1234));
        Volumenes::instala(nullptr);
        QVERIFY(dynamic_cast<VolumenesSistema *>(&volumenes()));
    }
};

REGISTRA_PRUEBA(PruebaVolumenes)
#include "PruebaVolumenes.moc"
