#include "admin/U_Admon.h"
#include "platform/informe/Pagina.h"
#include "reports/Reportes.h"
#include "review/U_incon.h"
#include "shell/U_inicial.h"
#include "support/Entorno.h"
#include "support/Muestra.h"
#include "support/Pruebas.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QTextEdit>
#include <QPointer>
#include <QTimer>

namespace {
const QString kBorrador = QStringLiteral("Debe corregir las inconsistencias, para poder generar las impresiones sin la leyenda de borrador");
const QString kSinDisco = QStringLiteral("Debe corregir las inconsistencias, para poder generar el disco");
const QString kPregunta = QStringLiteral("Perderá todos los datos y se cerrará la aplicación");
const QString kNoSePudo = QStringLiteral("No se pudo reinicializar la solicitud");

QVariant cerrar() { return Entorno::valor(QStringLiteral("Select Cerrar From General")); }

// Cierra la ventana de revisión cada vez que se muestra, como lo haría el usuario, y anota
// lo que había a la vista en ese momento.
struct CierraRevision {
    QTimer timer;
    int veces = 0;
    QStringList memo;
    int avisosAntes = -1;     // diálogos ya mostrados cuando apareció la revisión
    explicit CierraRevision(Entorno &e)
    {
        timer.setInterval(5);
        QObject::connect(&timer, &QTimer::timeout, [this, &e] {
            TW_Incon *w = W_Incon();
            if (!w || !w->isVisible())
                return;
            ++veces;
            memo = w->Memo1->toPlainText().split(u'\n');
            avisosAntes = int(e.dialogos().mostrados().size());
            w->Button2->click();
        });
        timer.start();
    }
};

// Toma el lugar de la vista previa: anota qué reporte se mostró, cómo estaba Cerrar y el
// documento que se habría visto.
struct CapturaVista {
    struct Pedido {
        QString reporte;
        QVariant cerrar;
        int avance;
        Informe::Documento documento;
    };
    QList<Pedido> pedidos;
    CapturaVista()
    {
        TW_Admon::Vista_Previa = [this](const QString &reporte, const Informe::Documento &documento, QWidget *) {
            pedidos << Pedido{reporte, cerrar(), W_Inicial()->G_Cargando->value(), documento};
        };
    }
    ~CapturaVista() { TW_Admon::Vista_Previa = nullptr; }
};

TW_Admon *abrePanel(Entorno &e)
{
    e.inicial()->SB_AdmonClick();
    return qobject_cast<TW_Admon *>(e.inicial()->Forma(QStringLiteral("W_Admon")));
}

QPushButton *boton(TW_Admon *w, const char *nombre) { return w->findChild<QPushButton *>(QString::fromLatin1(nombre)); }

// Conteo de cada tabla que "Inicializa Solicitud" toca o debe dejar.
QMap<QString, int> conteos()
{
    QMap<QString, int> r;
    for (const char *t : {"Beca", "Domicilio", "Escolar", "Trabajo", "General", "Persona", "Aval", "MontosQuiral", "Cat_Ciudad",
                          "Cat_Estado", "Cat_Municipio", "Institucion", "Convocatoria"})
        r.insert(QLatin1String(t), Entorno::cuenta(QLatin1String(t)));
    return r;
}

// Datos del crédito y altas del solicitante en los catálogos, que deben sobrevivir.
void datosQueQuedan()
{
    Entorno::sql(QStringLiteral("Insert into Aval (Clave,Cta_Predial,Tipo,Tiempo) values (1,'CTA-9','AVA',5)"));
    Entorno::sql(QStringLiteral("Insert into MontosQuiral (Clave,Consecutivo,Concepto,Monto,Tipo) values (1,1,'BECA PARCIAL',1500,'A')"));
    const int ciudad = Entorno::valor(QStringLiteral("Select Max(Clave)+1 From Cat_Ciudad")).toInt();
    Entorno::sql(QStringLiteral("Insert into Cat_Ciudad (Clave,Nombre,Estado_Clave) values (:c,'SAN JUAN DE LOS LAGOS',14)"),
                 {{QStringLiteral("c"), ciudad}});
}

// Cuenta los cierres del marco (el fin de la aplicación).
struct CuentaCierres : QObject {
    int cierres = 0;
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Close)
            ++cierres;
        return false;
    }
};
} // namespace

// Ventana de entrega de prueba: ocupa el nombre W_GenDsk mientras vive (la real, si la
// hay, cambia de nombre entretanto).
class EntregaFalsa : public QWidget {
    Q_OBJECT
public:
    int mostrada = 0;
    EntregaFalsa()
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->objectName() == u"W_GenDsk") {
                w->setObjectName(QStringLiteral("W_GenDsk_real"));
                m_real = w;
            }
        setObjectName(QStringLiteral("W_GenDsk"));
    }
    ~EntregaFalsa() override
    {
        if (m_real)
            m_real->setObjectName(QStringLiteral("W_GenDsk"));
    }
public slots:
    void Muestra() { ++mostrada; }

private:
    QPointer<QWidget> m_real;
};

class PruebaAdmon : public QObject {
    Q_OBJECT
private slots:
    void panelYSusControles()
    {
        Entorno e(true);
        TW_Admon *w = abrePanel(e);
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QStringLiteral("Administracion"));
        QVERIFY(qobject_cast<QMdiSubWindow *>(w->parentWidget()));
        const QList<QPair<const char *, QString>> botones = {
            {"btn_ImpForm", "Imprimir Formas"},      {"Btn_ImpDatGral", "Datos Generales"},
            {"btn_ImpCuVi", "Curriculum Vitae"},     {"btn_ImpDatAca", "Datos Académicos"},
            {"btn_IniSolicitud", "Inicializa Solicitud"}, {"btn_GenDisCON", "Generar Disco para TALVERO"},
            {"btn_Recuperar", "Recuperar de Disco"},      {"Btn_Salir", "Salir"}};
        for (const auto &b : botones) {
            QPushButton *p = boton(w, b.first);
            QVERIFY2(p, b.first);
            QCOMPARE(p->text(), b.second);
            QVERIFY2(p->isEnabled() && !p->isHidden(), b.first);
        }
        QVERIFY(!boton(w, "Btn_Salir")->icon().isNull());
        QPushButton *quiral = boton(w, "Btn_Quiral");
        QVERIFY(quiral && quiral->isHidden() && !quiral->isEnabled());
        auto *impresion = w->findChild<QGroupBox *>(QStringLiteral("GB_Impresion"));
        auto *herramientas = w->findChild<QGroupBox *>(QStringLiteral("GB_Herramientas"));
        QCOMPARE(impresion->title(), QStringLiteral("Impresión"));
        QCOMPARE(herramientas->title(), QStringLiteral("Herramientas Auxiliares"));
        QCOMPARE(boton(w, "btn_ImpForm")->parentWidget(), impresion);
        QCOMPARE(boton(w, "btn_GenDisCON")->parentWidget(), herramientas);
        auto *etiqueta = w->findChild<QLabel *>(QStringLiteral("Label1"));
        QVERIFY(etiqueta->wordWrap());
        QVERIFY(etiqueta->text().startsWith(QStringLiteral("Debe imprimir 3 formas para que integrantes  de la comunidad")));
        QVERIFY(etiqueta->text().endsWith(QStringLiteral("en sobre cerrado a nombre de TALVERO")));
        // "Salir" cierra el panel; se libera.
        QPointer<TW_Admon> p(w);
        boton(w, "Btn_Salir")->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!e.inicial()->Forma_Abierta(QStringLiteral("W_Admon")));
        QVERIFY(p.isNull());
    }

    void imprimeConRevision_data()
    {
        QTest::addColumn<QString>("boton");
        QTest::addColumn<QString>("reporte");
        QTest::addColumn<QString>("sentencia");   // vacía: la muestra sin inconsistencias
        QTest::addColumn<QString>("cerrar");
        QTest::addColumn<int>("avanceFinal");
        QTest::newRow("curriculum, sin inconsistencias") << "btn_ImpCuVi" << "curriculum" << "" << "S" << 100;
        QTest::newRow("curriculum, sin opciones") << "btn_ImpCuVi" << "curriculum" << "Delete From Beca" << "N" << 100;
        QTest::newRow("generales, sin inconsistencias") << "Btn_ImpDatGral" << "generales" << "" << "S" << 0;
        QTest::newRow("generales, cónyuge sin nombre")
            << "Btn_ImpDatGral" << "generales" << "Update Persona Set Nombre_1='' Where Tipo='CGE'" << "N" << 0;
        QTest::newRow("académicos, sin inconsistencias") << "btn_ImpDatAca" << "academicos" << "" << "S" << 100;
        QTest::newRow("académicos, sin motivos") << "btn_ImpDatAca" << "academicos" << "Update General Set Motivos_A=NULL" << "N" << 100;
    }
    void imprimeConRevision()
    {
        QFETCH(QString, boton);
        QFETCH(QString, reporte);
        QFETCH(QString, sentencia);
        QFETCH(QString, cerrar);
        QFETCH(int, avanceFinal);
        Entorno e(true);
        Muestra::llena();
        if (!sentencia.isEmpty())
            Entorno::sql(sentencia);
        // El valor anterior es el contrario: el botón lo reescribe.
        Entorno::sql(QStringLiteral("Update General Set Cerrar=:c"), {{QStringLiteral("c"), cerrar == u"S" ? "N" : "S"}});
        TW_Admon *w = abrePanel(e);
        CierraRevision revision(e);
        CapturaVista vista;
        ::boton(w, qPrintable(boton))->click();
        QCOMPARE(revision.veces, 1);
        QCOMPARE(revision.avisosAntes, 0);   // el aviso viene después de la revisión
        QCOMPARE(::cerrar().toString(), cerrar);
        if (cerrar == u"S") {
            QCOMPARE(e.dialogos().textos(), QStringList());
            QCOMPARE(revision.memo.value(0), QStringLiteral("No hay Inconsistencias"));
        } else {
            QCOMPARE(e.dialogos().textos(), QStringList{kBorrador});
            QCOMPARE(revision.memo.value(0), QStringLiteral("Reporte de Inconsistencias"));
        }
        // El reporte se pide una vez, ya con el veredicto guardado.
        QCOMPARE(vista.pedidos.size(), 1);
        const auto &pedido = vista.pedidos.first();
        QCOMPARE(pedido.reporte, reporte);
        QCOMPARE(pedido.cerrar.toString(), cerrar);
        // Datos generales se muestra tras volver la barra a 0; el currículum, al crearse (su
        // apertura deja la barra llena).
        if (reporte == u"generales")
            QCOMPARE(pedido.avance, 0);
        else if (reporte == u"curriculum")
            QCOMPARE(pedido.avance, 100);
        QCOMPARE(e.inicial()->G_Cargando->value(), avanceFinal);
        // El currículum lleva la leyenda que decide Cerrar.
        if (reporte == u"curriculum") {
            for (const Informe::Pagina &p : pedido.documento.paginas)
                QCOMPARE(p.deOrigen(QStringLiteral("Leyenda"))->texto, cerrar == u"S" ? QStringLiteral("TALVERO") : QStringLiteral("BORRADOR"));
        }
    }

    void borradorYDespuesFinal()
    {
        Entorno e(true);
        Muestra::llena();
        Entorno::sql(QStringLiteral("Delete From Trabajo Where Tipo='IDI'"));
        Entorno::sql(QStringLiteral("Insert into Trabajo (Clave,Tipo,Titulo,Escritura,Lectura,Comprension) values (99,'IDI','ITALIANO','50','0','50')"));
        TW_Admon *w = abrePanel(e);
        CierraRevision revision(e);
        CapturaVista vista;
        w->btn_ImpCuVi->click();
        QCOMPARE(cerrar().toString(), QStringLiteral("N"));
        // Corregida la inconsistencia, la siguiente impresión sale sin borrador.
        Entorno::sql(QStringLiteral("Update Trabajo Set Lectura='80' Where Clave=99"));
        w->btn_ImpCuVi->click();
        QCOMPARE(cerrar().toString(), QStringLiteral("S"));
        QCOMPARE(revision.veces, 2);
        QCOMPARE(vista.pedidos.size(), 2);
        QCOMPARE(vista.pedidos.at(0).documento.paginas.first().deOrigen(QStringLiteral("Leyenda"))->texto, QStringLiteral("BORRADOR"));
        QCOMPARE(vista.pedidos.at(1).documento.paginas.first().deOrigen(QStringLiteral("Leyenda"))->texto, QStringLiteral("TALVERO"));
        QCOMPARE(e.dialogos().textos(), QStringList{kBorrador});
    }

    void revisionFallidaNoImprime()
    {
        Entorno e(true);
        Muestra::llena();
        Entorno::sql(QStringLiteral("Update General Set Cerrar='S'"));
        // Una tabla que falta hace fallar la revisión con un error de la base.
        Entorno::sql(QStringLiteral("Alter Table Trabajo Rename To Trabajo_Aparte"));
        TW_Admon *w = abrePanel(e);
        CierraRevision revision(e);
        CapturaVista vista;
        w->btn_ImpCuVi->click();
        QCOMPARE(revision.veces, 0);
        QVERIFY(vista.pedidos.isEmpty());
        QCOMPARE(cerrar().toString(), QStringLiteral("S"));
        QCOMPARE(e.dialogos().mostrados().size(), size_t(1));
        QCOMPARE(e.dialogos().mostrados().front().icono, Dialogos::Icono::Error);
    }

    void imprimirFormasSinRevision()
    {
        Entorno e(true);
        Muestra::llena();
        Entorno::sql(QStringLiteral("Update General Set Cerrar='N'"));
        TW_Admon *w = abrePanel(e);
        CierraRevision revision(e);
        CapturaVista vista;
        w->btn_ImpForm->click();
        QCOMPARE(revision.veces, 0);
        QCOMPARE(vista.pedidos.size(), 1);
        QCOMPARE(vista.pedidos.first().reporte, QStringLiteral("formas"));
        QCOMPARE(vista.pedidos.first().documento.paginas.size(), 2);
        QCOMPARE(cerrar().toString(), QStringLiteral("N"));
        QVERIFY(e.dialogos().textos().isEmpty());
    }

    void inicializaSolicitud_data()
    {
        QTest::addColumn<bool>("respuesta");
        QTest::addColumn<QString>("fallaEn");    // tabla cuyo borrado se hace fallar, o vacía
        QTest::newRow("contesta que no") << false << "";
        QTest::newRow("borra todo") << true << "";
        // Todo o nada: falle el primero, el de en medio o el último borrado, no se pierde nada.
        QTest::newRow("falla Beca") << true << "Beca";
        QTest::newRow("falla General") << true << "General";
        QTest::newRow("falla Persona") << true << "Persona";
    }
    void inicializaSolicitud()
    {
        QFETCH(bool, respuesta);
        QFETCH(QString, fallaEn);
        Entorno e(true);
        Muestra::llena();
        datosQueQuedan();
        if (!fallaEn.isEmpty())
            Entorno::sql(QStringLiteral("Create Temp Trigger falla Before Delete On main.%1 Begin Select Raise(Abort, 'bloqueada'); End")
                             .arg(fallaEn));
        const QMap<QString, int> antes = conteos();
        TW_Admon *w = abrePanel(e);
        CuentaCierres cierres;
        e.inicial()->installEventFilter(&cierres);
        CierraRevision revision(e);
        e.dialogos().siguienteRespuesta(respuesta);
        w->btn_IniSolicitud->click();
        e.inicial()->removeEventFilter(&cierres);
        QCOMPARE(revision.veces, 0);
        QCOMPARE(e.dialogos().mostrados().front().texto, kPregunta);
        QCOMPARE(e.dialogos().mostrados().front().icono, Dialogos::Icono::Advertencia);
        QCOMPARE(e.inicial()->G_Cargando->value(), 100);
        const QMap<QString, int> despues = conteos();
        const bool borra = respuesta && fallaEn.isEmpty();
        for (auto it = antes.cbegin(); it != antes.cend(); ++it) {
            const bool solicitud = QStringList{"Beca", "Domicilio", "Escolar", "Trabajo", "General", "Persona"}.contains(it.key());
            QVERIFY2(it.value() > 0, qPrintable(it.key()));
            QCOMPARE(despues.value(it.key()), borra && solicitud ? 0 : it.value());
        }
        QVERIFY(Entorno::cuenta(QStringLiteral("Cat_Ciudad"), QStringLiteral("Nombre='SAN JUAN DE LOS LAGOS'")) == 1);
        QCOMPARE(Entorno::valor(QStringLiteral("Select Cta_Predial From Aval")).toString(), QStringLiteral("CTA-9"));
        if (!respuesta) {
            QCOMPARE(e.dialogos().textos(), QStringList{kPregunta});
            QCOMPARE(cierres.cierres, 0);
        } else if (borra) {
            // La aplicación termina: se cierra el marco, sin más avisos.
            QCOMPARE(e.dialogos().textos(), QStringList{kPregunta});
            QCOMPARE(cierres.cierres, 1);
        } else {
            QCOMPARE(e.dialogos().textos(), (QStringList{kPregunta, kNoSePudo}));
            QCOMPARE(e.dialogos().mostrados().back().icono, Dialogos::Icono::Error);
            QCOMPARE(cierres.cierres, 0);
            QVERIFY(e.inicial()->Forma_Abierta(QStringLiteral("W_Admon")));
        }
        if (!fallaEn.isEmpty())
            Entorno::sql(QStringLiteral("Drop Trigger temp.falla"));
    }

    void generarDisco_data()
    {
        QTest::addColumn<QString>("sentencia");
        QTest::addColumn<bool>("conEntrega");
        QTest::addColumn<int>("mostrada");
        QTest::addColumn<QStringList>("avisos");
        QTest::newRow("sin inconsistencias") << "" << true << 1 << QStringList();
        QTest::newRow("con inconsistencias") << "Delete From Beca" << true << 0 << QStringList{kSinDisco};
        // Sin ventana de entrega en el programa no pasa nada más.
        QTest::newRow("sin ventana de entrega") << "" << false << 0 << QStringList();
    }
    void generarDisco()
    {
        QFETCH(QString, sentencia);
        QFETCH(bool, conEntrega);
        QFETCH(int, mostrada);
        QFETCH(QStringList, avisos);
        Entorno e(true);
        Muestra::llena();
        if (!sentencia.isEmpty())
            Entorno::sql(sentencia);
        Entorno::sql(QStringLiteral("Update General Set Cerrar='X'"));
        TW_Admon *w = abrePanel(e);
        // Una ventana de captura abierta: el botón la cierra, haya o no disco.
        auto *captura = new QWidget;
        captura->setObjectName(QStringLiteral("W_Captura"));
        captura->setAttribute(Qt::WA_DeleteOnClose);
        e.inicial()->areaMdi()->addSubWindow(captura)->show();
        QVERIFY(e.inicial()->Forma_Abierta(QStringLiteral("W_Captura")));
        std::unique_ptr<EntregaFalsa> entrega;
        if (conEntrega)
            entrega = std::make_unique<EntregaFalsa>();
        else
            for (QWidget *x : QApplication::topLevelWidgets())
                if (x->objectName() == u"W_GenDsk")
                    x->setObjectName(QStringLiteral("W_GenDsk_fuera"));
        CierraRevision revision(e);
        w->btn_GenDisCON->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(revision.veces, 1);
        QCOMPARE(entrega ? entrega->mostrada : 0, mostrada);
        QCOMPARE(e.dialogos().textos(), avisos);
        QVERIFY(!e.inicial()->Forma_Abierta(QStringLiteral("W_Captura")));
        QVERIFY(e.inicial()->Forma_Abierta(QStringLiteral("W_Admon")));
        QCOMPARE(e.inicial()->G_Cargando->value(), 100);
        QCOMPARE(cerrar().toString(), QStringLiteral("X"));   // el disco no toca Cerrar
        for (QWidget *x : QApplication::topLevelWidgets())
            if (x->objectName() == u"W_GenDsk_fuera")
                x->setObjectName(QStringLiteral("W_GenDsk"));
    }
};

REGISTRA_PRUEBA(PruebaAdmon)
#include "PruebaAdmon.moc"
