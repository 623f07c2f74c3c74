#include "admin/MuestraCredito.h"
#include "admin/U_gendsk.h"
#include "admin/Entrega.h"
#include "platform/Esquema.h"
#include "platform/paradox/Paradox.h"
#include "platform/volumenes/Volumenes.h"
#include "shell/Fabrica.h"
#include "shell/U_inicial.h"
#include "support/Entorno.h"
#include "support/Muestra.h"
#include "support/Pruebas.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

namespace {

const QString kExito = QStringLiteral("Información cargada exitósamente");
const QString kRotule = QStringLiteral("Rotule el diskette y entreguelo a TALVERO");

// Unidades de prueba: A: y B: removibles, C: y D: fijas, en carpetas temporales.
struct Unidades {
    QTemporaryDir dir;
    VolumenesSimulados *v = nullptr;
    Unidades()
    {
        auto propia = std::make_unique<VolumenesSimulados>(dir.path());
        v = propia.get();
        v->agrega(u'a', true);
        v->agrega(u'b', true);
        v->agrega(u'c', false);
        v->agrega(u'd', false);
        Volumenes::instala(std::move(propia));
    }
    ~Unidades() { Volumenes::instala(nullptr); }
    QString raiz(char letra) const { return dir.path() + u'/' + QLatin1Char(letra); }
    QStringList archivos(char letra) const { return QDir(raiz(letra)).entryList(QDir::Files | QDir::Hidden, QDir::Name); }
};

std::unique_ptr<TW_GenDsk> creaDialogo()
{
    auto *w = qobject_cast<TW_GenDsk *>(Fabrica::crea(QStringLiteral("W_GenDsk")));
    return std::unique_ptr<TW_GenDsk>(w);
}

// Elige la unidad como lo hace el usuario en la lista.
void elige(TW_GenDsk *w, QChar letra)
{
    QComboBox *c = w->DriveComboBox1;
    const int i = c->findData(QString(letra));
    QVERIFY(i >= 0);
    c->setCurrentIndex(i);
    emit c->activated(i);
}

// Muestra el diálogo de modo modal y, ya en pantalla, hace lo que pide la prueba; si el
// diálogo sigue abierto al final, lo cierra para que la prueba no se quede esperando.
void conDialogo(TW_GenDsk *w, const std::function<void()> &accion)
{
    QTimer::singleShot(0, w, [w, accion] {
        accion();
        if (w->isVisible())
            w->close();
    });
    QVERIFY(QMetaObject::invokeMethod(w, "Muestra"));
}

// Avances de la barra de progreso del marco mientras vive el objeto.
struct Avances {
    QList<int> valores;
    QMetaObject::Connection c;
    explicit Avances(QProgressBar *barra)
    {
        c = QObject::connect(barra, &QProgressBar::valueChanged, [this](int v) { valores << v; });
    }
    ~Avances() { QObject::disconnect(c); }
};

QList<int> avancesEsperados(bool credito)
{
    QList<int> r{5};
    for (int v = 10; v <= 90; v += 5)
        r << v;
    r << 92 << 94 << 96 << 100;
    if (credito)
        r << 92 << 94 << 96 << 100;
    return r;
}

} // namespace

class PruebaGenDsk : public QObject {
    Q_OBJECT
private slots:
    void creadoOcultoAlArrancar()
    {
        Unidades u;
        Entorno e(true);
        TW_GenDsk *w = nullptr;
        for (QWidget *t : QApplication::topLevelWidgets())
            if (t->objectName() == u"W_GenDsk")
                w = qobject_cast<TW_GenDsk *>(t);
        QVERIFY(w);
        QVERIFY(!w->isVisible());
        QVERIFY(!w->parentWidget());   // ventana aparte, no hija del marco
        QCOMPARE(w->windowTitle(), QStringLiteral("Copiar Archivos a Diskette para entregar a TALVERO"));
        QCOMPARE(w->minimumSize(), QSize(282, 123));
        QCOMPARE(w->maximumSize(), QSize(282, 123));
        QCOMPARE(w->findChild<QLabel *>(QStringLiteral("etiqueta"))->text(), QStringLiteral("Drive en donde se Respaldará:"));
        auto *respaldar = w->findChild<QPushButton *>(QStringLiteral("Btn_Respaldar"));
        QCOMPARE(respaldar->text(), QStringLiteral("Respaldar"));
        QVERIFY(!respaldar->isEnabled());
        QCOMPARE(respaldar->property("tag").toInt(), 0);
        QCOMPARE(w->findChild<QPushButton *>(QStringLiteral("Btn_Cerrar"))->text(), QStringLiteral("&Cancelar"));
        auto *lista = w->findChild<QComboBox *>(QStringLiteral("DriveComboBox1"));
        QCOMPARE(lista->count(), 4);
        QCOMPARE(lista->itemText(0), QStringLiteral("a: [USB]"));
        QCOMPARE(lista->currentData().toString(), QStringLiteral("c"));   // la unidad actual: la primera fija
    }

    // Se muestra modal, con las unidades presentes al mostrarse; "&Cancelar" antes de copiar
    // cierra sin el mensaje de rotular.
    void muestraModalYCancelar()
    {
        Unidades u;
        Entorno e(true);
        Muestra::llena();
        auto w = creaDialogo();
        QVERIFY(w);
        u.v->quita(u'd');
        bool modal = false;
        int unidades = 0;
        conDialogo(w.get(), [&] {
            modal = QApplication::activeModalWidget() == w.get();
            unidades = w->DriveComboBox1->count();
            elige(w.get(), u'a');
            w->Btn_Cerrar->click();
        });
        QVERIFY(modal);
        QCOMPARE(unidades, 3);
        QVERIFY(!w->isVisible());
        QVERIFY(e.dialogos().textos().isEmpty());
        QVERIFY(u.archivos('a').isEmpty());
    }

    // Sólo A: y B: habilitan "Respaldar"; elegir otra unidad no cambia lo elegido antes.
    void eleccionDeUnidad_data()
    {
        QTest::addColumn<QString>("elecciones");
        QTest::addColumn<bool>("habilitado");
        QTest::addColumn<QString>("recordada");
        QTest::newRow("sólo C:") << "c" << false << "";
        QTest::newRow("C: y D:") << "cd" << false << "";
        QTest::newRow("C: y luego A:") << "ca" << true << "a";
        QTest::newRow("A: y luego B:") << "ab" << true << "b";
        QTest::newRow("B: y luego C:") << "bc" << true << "b";
    }
    void eleccionDeUnidad()
    {
        QFETCH(QString, elecciones);
        QFETCH(bool, habilitado);
        QFETCH(QString, recordada);
        Unidades u;
        Entorno e(true);
        auto w = creaDialogo();
        for (QChar l : elecciones)
            elige(w.get(), l);
        QCOMPARE(w->Btn_Respaldar->isEnabled(), habilitado);
        QCOMPARE(w->Unidad().isNull() ? QString() : QString(w->Unidad()), recordada);
    }

    // Sin memoria conectada el diálogo dice qué hacer; la memoria que se conecta después
    // aparece al abrir de nuevo la lista de unidades.
    void sinMemoriaDiceQueHacer()
    {
        Unidades u;
        u.v->quita(u'a');
        u.v->quita(u'b');
        Entorno e(true);
        auto w = creaDialogo();
        QVERIFY(w->Texto().startsWith(QStringLiteral("No hay una memoria USB conectada.")));
        QVERIFY(!w->Btn_Respaldar->isEnabled());
        QCOMPARE(w->DriveComboBox1->findData(QStringLiteral("a")), -1);
        u.v->agrega(u'a', true);
        w->DriveComboBox1->showPopup();
        w->DriveComboBox1->hidePopup();
        elige(w.get(), u'a');
        QVERIFY(w->Btn_Respaldar->isEnabled());
        QCOMPARE(w->Unidad(), QChar(u'a'));
        QVERIFY(w->Texto().isEmpty());
    }

    // Las dos pulsaciones, la copia completa a la unidad elegida con su avance, los textos
    // dibujados y el mensaje final.
    void entregaCompleta_data()
    {
        QTest::addColumn<bool>("credito");
        QTest::newRow("convocatoria 482") << false;
        QTest::newRow("convocatoria 6") << true;
    }
    void entregaCompleta()
    {
        QFETCH(bool, credito);
        Unidades u;
        Entorno e(true);
        if (credito)
            MuestraCredito::llena();
        else
            Muestra::llena();
        // En el disco hay una entrega vieja y un archivo ajeno.
        QFile vieja(u.raiz('b') + QStringLiteral("/Beca.db"));
        QVERIFY(vieja.open(QIODevice::WriteOnly));
        vieja.write("vieja");
        vieja.close();
        QFile ajeno(u.raiz('b') + QStringLiteral("/NOTAS.TXT"));
        QVERIFY(ajeno.open(QIODevice::WriteOnly));
        ajeno.write("no tocar");
        ajeno.close();

        auto w = creaDialogo();
        Avances avances(e.inicial()->G_Cargando);
        QString primerTexto, textoFinal, textoCopiando;
        QObject::connect(e.inicial()->G_Cargando, &QProgressBar::valueChanged, w.get(), [&] {
            if (textoCopiando.isEmpty())
                textoCopiando = w->Texto();
        });
        QStringList archivosTrasPrimera;
        conDialogo(w.get(), [&] {
            elige(w.get(), u'c');
            elige(w.get(), u'a');
            elige(w.get(), u'b');
            w->Btn_Respaldar->click();
            primerTexto = w->Texto();
            QCOMPARE(w->Btn_Respaldar->text(), QStringLiteral("OK"));
            QCOMPARE(w->Btn_Respaldar->property("tag").toInt(), 1);
            QVERIFY(w->Btn_Respaldar->isEnabled());
            archivosTrasPrimera = u.archivos('b');
            w->Btn_Respaldar->click();
            textoFinal = w->Texto();
            QVERIFY(w->isVisible());
            QVERIFY(!w->Btn_Respaldar->isEnabled());
            QCOMPARE(w->Btn_Respaldar->property("tag").toInt(), 0);
            QCOMPARE(w->Btn_Cerrar->text(), QStringLiteral("&Cerrar"));
            QVERIFY(e.dialogos().textos().isEmpty());
            w->Btn_Cerrar->click();
        });
        QVERIFY(!QTest::currentTestFailed());
        QCOMPARE(primerTexto, QStringLiteral("Introduzca disco y oprima OK"));
        QCOMPARE(archivosTrasPrimera, (QStringList{"Beca.db", "NOTAS.TXT"}));
        QCOMPARE(textoCopiando, QStringLiteral("Generando disco.....                   "));
        QCOMPARE(textoFinal, kExito);
        QCOMPARE(e.dialogos().textos(), QStringList{kRotule});
        QVERIFY(!w->isVisible());
        QCOMPARE(avances.valores, avancesEsperados(credito));

        QStringList esperados = MuestraCredito::nombresEntrega(credito);
        esperados << QStringLiteral("NOTAS.TXT") << QStringLiteral("entrega.sha256");
        esperados.sort();
        QCOMPARE(u.archivos('b'), esperados);   // sin temporales
        QVERIFY(u.archivos('a').isEmpty());
        QVERIFY(ajeno.open(QIODevice::ReadOnly));
        QCOMPARE(ajeno.readAll(), QByteArray("no tocar"));
        for (const Esquema::Tabla *t : Entrega::tablas(credito ? 6 : 482))
            Paradox::verificaTabla(*t, u.raiz('b'));
    }

    // Disco ausente, sin espacio, protegido o con copias dañadas: el mensaje de cada caso y
    // nunca el texto de éxito.
    void fallas_data()
    {
        QTest::addColumn<QString>("caso");
        QTest::addColumn<QString>("mensaje");
        QTest::addColumn<bool>("cierra");
        QTest::addColumn<bool>("habilitado");
        QTest::newRow("sin disco") << "sin disco" << "¡Debe introducir disco en la unidad!" << true << false;
        QTest::newRow("un millón de bytes") << "1000000" << "¡No hay suficiente espacio en el diskette!" << true << true;
        QTest::newRow("sin lugar para la entrega") << "1000001" << "¡No hay suficiente espacio en el diskette!" << true << true;
        const QString incompleta = QStringLiteral("\nLa entrega quedó incompleta: vuelva a generarla.");
        QTest::newRow("protegido") << "protegido"
                                   << "El disco está protegido contra escritura; no se pudo copiar Beca.db." + incompleta << false << false;
        QTest::newRow("copia dañada") << "dañada" << "La copia de Beca.db en el disco no coincide con el original." + incompleta
                                      << false << false;
        // Otro programa llena el medio a la mitad: lo copiado se borra y no queda recibo.
        QTest::newRow("se llena a la mitad") << "llena" << "No hay espacio suficiente en el disco para copiar Cat_Ciudad.db." + incompleta
                                             << false << false;
        // La memoria se retira tras la tercera copia: nunca "exitósamente" ni el recibo.
        QTest::newRow("memoria retirada") << "retirada"
                                          << "Se retiró la memoria (o se cambió por otra) mientras se copiaba la entrega: la "
                                             "entrega está incompleta. Conecte la memoria y vuelva a generarla."
                                          << false << false;
    }
    void fallas()
    {
        QFETCH(QString, caso);
        QFETCH(QString, mensaje);
        QFETCH(bool, cierra);
        QFETCH(bool, habilitado);
        Unidades u;
        Entorno e(true);
        MuestraCredito::llena();
        if (caso == u"sin disco")
            u.v->retiraMedio(u'a');
        else if (caso == u"protegido")
            u.v->protege(u'a');
        else if (caso == u"dañada")
            u.v->danaCopias();
        else if (caso == u"retirada")
            u.v->retiraTras(u'a', 3);
        else if (caso == u"llena")
            u.v->llenaTras(u'a', 200'000);
        else
            u.v->ponEspacioLibre(u'a', caso.toLongLong());
        auto w = creaDialogo();
        bool visible = false;
        QString texto;
        conDialogo(w.get(), [&] {
            elige(w.get(), u'a');
            w->Btn_Respaldar->click();
            w->Btn_Respaldar->click();
            visible = w->isVisible();
            texto = w->Texto();
            QCOMPARE(w->Btn_Respaldar->isEnabled(), habilitado);
            QCOMPARE(w->Btn_Cerrar->text(), QStringLiteral("&Cancelar"));
            if (visible)
                w->Btn_Cerrar->click();
        });
        QVERIFY(!QTest::currentTestFailed());
        QCOMPARE(visible, !cierra);
        QVERIFY(texto != kExito);
        if (!cierra)
            QCOMPARE(texto, QStringLiteral("No se pudo generar el disco"));
        QCOMPARE(e.dialogos().textos(), QStringList{mensaje});   // y no el de rotular
        QVERIFY(!w->isVisible());
        QCOMPARE(e.inicial()->G_Cargando->value(), 0);
        QCOMPARE(u.archivos('a'), QStringList());   // ni la copia dañada, ni temporales, ni recibo
    }

    // Un disco que se usa otra vez: el diálogo vuelve a empezar y reemplaza la entrega.
    void segundaEntregaConElMismoDialogo()
    {
        Unidades u;
        Entorno e(true);
        Muestra::llena();
        auto w = creaDialogo();
        const auto entrega = [&] {
            conDialogo(w.get(), [&] {
                QVERIFY(w->Texto().isEmpty());
                QVERIFY(!w->Btn_Respaldar->isEnabled());
                elige(w.get(), u'a');
                w->Btn_Respaldar->click();
                w->Btn_Respaldar->click();
                QCOMPARE(w->Texto(), kExito);
                w->Btn_Cerrar->click();
            });
        };
        entrega();
        Entorno::sql(QStringLiteral("Update Persona Set Nombre_2='ANDRÉS' Where Tipo='SOL'"));
        entrega();
        QVERIFY(!QTest::currentTestFailed());
        QCOMPARE(e.dialogos().textos(), (QStringList{kRotule, kRotule}));
        Paradox::verificaTabla(*Esquema::busca(QStringLiteral("Persona")), u.raiz('a'));
    }
};

REGISTRA_PRUEBA(PruebaGenDsk)
#include "PruebaGenDsk.moc"
