#include "platform/Consulta.h"
#include "shell/Fabrica.h"
#include "shell/Iconos.h"
#include "shell/Teclado.h"
#include "shell/U_Mod.h"
#include "shell/U_inicial.h"
#include "shell/Ventana.h"
#include "support/Entorno.h"
#include "support/Pruebas.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QToolBar>
#include <QToolButton>

// Ventana mínima para probar la regla de abrir una sola vez.
class TW_PruebaHija : public Ventana {
public:
    TW_PruebaHija() : Ventana(QStringLiteral("W_PruebaHija"), QStringLiteral("Prueba")) {}
};
REGISTRA_VENTANA(TW_PruebaHija, "W_PruebaHija")

// Ventana con un campo vigilado y otro al lado, para la regla de salida de cada familia.
class VentanaSalida : public Ventana {
public:
    explicit VentanaSalida(Salida s) : Ventana(QStringLiteral("W_Salida"), QStringLiteral("Salida"))
    {
        cuentaSalida(s);
        alSalir(campo, [this] { ++salidas; });
    }
    using Ventana::Salida;
    QLineEdit *campo = new QLineEdit(this), *otro = new QLineEdit(this);
    int salidas = 0;
};

namespace {
int abiertas(TW_Inicial *w, const QString &nombre)
{
    int n = 0;
    for (QMdiSubWindow *s : w->areaMdi()->subWindowList())
        if (s->widget() && !s->isHidden() && s->widget()->objectName() == nombre)
            ++n;
    return n;
}
QToolButton *boton(TW_Inicial *w, const char *nombre) { return w->findChild<QToolButton *>(QLatin1String(nombre)); }
} // namespace

class PruebaInicial : public QObject {
    Q_OBJECT
private slots:
    // Salir de un campo es lo mismo en cada familia de ventanas, salvo lo que la familia dice:
    // si un mensaje que se abre cuenta y si el foco que se va de la ventana cuenta.
    void salidaDeUnCampo_data()
    {
        using S = VentanaSalida::Salida;
        QTest::addColumn<int>("salida");
        QTest::addColumn<QString>("destino");
        QTest::addColumn<bool>("corre");
        const QList<std::pair<S, const char *>> familias{{S::SalvoAvisos, "captura"}, {S::Siempre, "académica"},
                                                         {S::DentroDeLaVentana, "currículum"}};
        for (const auto &[f, nombre] : familias) {
            const auto fila = [&](const char *destino, bool corre) {
                QTest::newRow(qPrintable(QStringLiteral("%1, %2").arg(QLatin1String(nombre), QLatin1String(destino))))
                    << int(f) << QString::fromLatin1(destino) << corre;
            };
            fila("otro control", true);
            fila("un mensaje", f == S::Siempre);
            fila("otra ventana", f != S::DentroDeLaVentana);
            fila("ningún control", f != S::DentroDeLaVentana);
        }
    }
    void salidaDeUnCampo()
    {
        QFETCH(int, salida);
        QFETCH(QString, destino);
        QFETCH(bool, corre);
        QWidget marco;
        auto *v = new VentanaSalida(VentanaSalida::Salida(salida));
        auto *vecina = new QLineEdit(&marco);
        v->setParent(&marco);
        QWidget mensaje;
        marco.show();
        QApplication::setActiveWindow(&marco);
        v->campo->setFocus(Qt::OtherFocusReason);
        QVERIFY(v->campo->hasFocus());
        if (destino == u"otro control") {
            v->otro->setFocus(Qt::TabFocusReason);
        } else if (destino == u"un mensaje") {
            mensaje.show();
            QApplication::setActiveWindow(&mensaje);
        } else if (destino == u"otra ventana") {
            vecina->setFocus(Qt::OtherFocusReason);
        } else {
            v->campo->clearFocus();
        }
        QCOMPARE(v->salidas, corre ? 1 : 0);
    }

    void arranqueMuestraMarcoYBarra()
    {
        Entorno e(true);
        TW_Inicial *w = e.inicial();
        w->showMaximized();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QCOMPARE(w->windowTitle(), QStringLiteral("Solicitud de Becas Crédito y Crédito Educativo 2004"));
        // Sin nombre para mostrar del programa: Qt no lo añade a los títulos ("Agrega Estado").
        QCOMPARE(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());
        QVERIFY(w->windowState() & Qt::WindowMaximized);
        QCOMPARE(w->G_Cargando->value(), 0);
        QCOMPARE(Opcion_Actual, 1);
        struct B { const char *nombre, *texto, *ayuda; bool visible; };
        for (const B &b : {B{"SB_General", "Generales", "Datos Generales", true}, B{"SB_Academico", "Académicos", "Datos Academicos", true},
                           B{"SB_Curriculum", "Curriculares", "Datos Curriculares", true},
                           B{"SB_Quiral", "", "Informacion para el Orvelan", false},
                           B{"SB_Montos", "", "Informacion relativa del financiamiento", false},
                           B{"SB_Admon", "Administración", "Administración", true}, B{"SB_Salir", "Salir", "Salir", true}}) {
            QToolButton *t = boton(w, b.nombre);
            QVERIFY2(t, b.nombre);
            QCOMPARE(QString(t->text()).remove(u'&'), QString::fromUtf8(b.texto));   // sólo se agrega el atajo
            QCOMPARE(t->toolTip(), QString::fromUtf8(b.ayuda));
            QCOMPARE(t->isVisible(), b.visible);
            QCOMPARE(t->isEnabled(), b.visible);
            QVERIFY(t->font().bold());
        }
    }

    // El icono del programa decodificado en otro hilo es el del archivo y queda como el de la
    // aplicación y el del marco.
    void iconoDelProgramaEnOtroHilo()
    {
        QGuiApplication::setWindowIcon(QIcon());
        empiezaIconoDelPrograma();
        const QIcon icono = iconoDelPrograma(), delArchivo(QStringLiteral(":/iconos/programa.png"));
        QCOMPARE(icono.availableSizes(), delArchivo.availableSizes());
        for (int lado : {16, 32, 256})
            QCOMPARE(icono.pixmap(lado).toImage(), delArchivo.pixmap(lado).toImage());
        QCOMPARE(QGuiApplication::windowIcon().cacheKey(), icono.cacheKey());
        QCOMPARE(TW_Inicial().windowIcon().cacheKey(), icono.cacheKey());
    }

    // Sin tema de iconos del escritorio («hicolor») los iconos salen sin consultar el tema y son,
    // píxel por píxel, los del estilo; el indicador del escritorio queda como estaba. Con Fusion,
    // también bajo el estilo del foco visible del programa, sin decodificar el dibujo de 128 px.
    void iconoEstandarSinTema_data()
    {
        QTest::addColumn<bool>("conFoco");
        QTest::addColumn<bool>("adelantados");
        QTest::newRow("estilo de Qt") << false << false;
        QTest::newRow("estilo del foco") << true << false;
        QTest::newRow("dibujos leídos antes") << false << true;
        QTest::newRow("estilo del foco, dibujos leídos antes") << true << true;
    }
    void iconoEstandarSinTema()
    {
        QFETCH(bool, conFoco);
        QFETCH(bool, adelantados);
        const QString antes = QIcon::themeName();
        QIcon::setThemeName(QStringLiteral("hicolor"));
        if (adelantados)
            empiezaIconosEstandar({QStyle::SP_ArrowForward, QStyle::SP_FileDialogNewFolder, QStyle::SP_DialogSaveButton});
        std::unique_ptr<QStyle> estilo(conFoco ? Teclado::estiloConFoco(QStyleFactory::create(QStringLiteral("fusion")))
                                               : QStyleFactory::create(QStringLiteral("fusion")));
        QWidget w;
        w.setStyle(estilo.get());
        for (auto cual : {QStyle::SP_ArrowForward, QStyle::SP_ArrowBack, QStyle::SP_FileDialogNewFolder,
                          QStyle::SP_DialogSaveButton, QStyle::SP_DialogCloseButton, QStyle::SP_DirHomeIcon}) {
            const QIcon rapido = iconoEstandar(cual, &w), delEstilo = w.style()->standardIcon(cual, nullptr, &w);
            QVERIFY(!rapido.isNull() && QGuiApplication::desktopSettingsAware());
            for (int lado : {16, 24, 32})
                for (auto modo : {QIcon::Normal, QIcon::Disabled, QIcon::Active})
                    QVERIFY2(rapido.pixmap(lado, modo).toImage() == delEstilo.pixmap(lado, modo).toImage(),
                             qPrintable(QStringLiteral("%1 a %2 px").arg(cual).arg(lado)));
            if (cual != QStyle::SP_DirHomeIcon && qApp->devicePixelRatio() <= 2.0)
                QVERIFY2(!rapido.availableSizes().contains(QSize(128, 128)), qPrintable(QString::number(cual)));
        }
        for (const char *nombre : {"go-next", "go-previous", "list-add", "document-save"})
            QCOMPARE(iconoDelTema(QLatin1String(nombre)).isNull(), QIcon::fromTheme(QLatin1String(nombre)).isNull());
        QIcon::setThemeName(antes);
    }

    // Los botones de la barra llevan, píxel por píxel, el dibujo de su archivo en todos sus
    // estados, se haya decodificado antes (en segundo plano) o en el momento; un nombre que no
    // es de la barra también.
    void iconosDeLaBarra_data()
    {
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<bool>("adelantado");
        for (const char *n : {"generales", "salir", "programa"}) {
            QTest::newRow(qPrintable(QStringLiteral("%1 en el momento").arg(QLatin1String(n)))) << QString::fromLatin1(n) << false;
            QTest::newRow(qPrintable(QStringLiteral("%1 adelantado").arg(QLatin1String(n)))) << QString::fromLatin1(n) << true;
        }
    }
    void iconosDeLaBarra()
    {
        QFETCH(QString, nombre);
        QFETCH(bool, adelantado);
        if (adelantado)
            empiezaIconosDeLaBarra();
        const QIcon icono = iconoDeLaBarra(nombre);
        const QIcon delArchivo(QStringLiteral(":/iconos/%1.png").arg(nombre));
        QVERIFY(!icono.isNull());
        QCOMPARE(icono.availableSizes(), delArchivo.availableSizes());
        for (int lado : {16, 24, 32})
            for (auto modo : {QIcon::Normal, QIcon::Disabled, QIcon::Active, QIcon::Selected})
                QVERIFY2(icono.pixmap(lado, modo).toImage() == delArchivo.pixmap(lado, modo).toImage(),
                         qPrintable(QStringLiteral("%1 px, modo %2").arg(lado).arg(modo)));
    }

    void compuertaDeConvocatoria_data()
    {
        QTest::addColumn<QString>("preparacion");
        QTest::addColumn<bool>("pasa");
        QTest::newRow("sin General") << "" << false;
        QTest::newRow("convocatoria 0") << "Insert into General (Clave,Convocatoria) values (1,0)" << false;
        QTest::newRow("convocatoria nula") << "Insert into General (Clave) values (1)" << false;
        QTest::newRow("convocatoria 482") << "Insert into General (Clave,Convocatoria) values (1,482)" << true;
    }
    void compuertaDeConvocatoria()
    {
        QFETCH(QString, preparacion);
        QFETCH(bool, pasa);
        Entorno e(true);
        if (!preparacion.isEmpty())
            Entorno::sql(preparacion);
        const QString msg = QStringLiteral("Debe de elegir primero la convocatoria en datos generales");
        for (const char *b : {"SB_Academico", "SB_Curriculum"}) {
            e.dialogos().limpia();
            const int antes = int(e.inicial()->areaMdi()->subWindowList().size());
            QMetaObject::invokeMethod(boton(e.inicial(), b), "click");
            QCOMPARE(e.dialogos().textos(), pasa ? QStringList() : QStringList{msg});
            if (!pasa)
                QCOMPARE(int(e.inicial()->areaMdi()->subWindowList().size()), antes);
        }
    }

    void compuertaDelAval()
    {
        Entorno e(true);
        Entorno::sql(QStringLiteral("Insert into General (Clave,Convocatoria) values (1,6)"));
        e.inicial()->SB_MontosClick();
        QCOMPARE(e.dialogos().textos(), QStringList{QStringLiteral("Primero debe llenar los datos referentes al aval")});
    }

    void abrirUnaSolaVez()
    {
        Entorno e(true);
        TW_Inicial *w = e.inicial();
        QVERIFY(w->Abre_Forma(QStringLiteral("W_PruebaHija")));
        QVERIFY(!w->Abre_Forma(QStringLiteral("w_pruebahija")));
        QCOMPARE(abiertas(w, QStringLiteral("W_PruebaHija")), 1);
        QVERIFY(w->Forma_Abierta(QStringLiteral("w_PRUEBAhija")));
        // Cerrada, se puede abrir de nuevo con una instancia fresca.
        static_cast<Ventana *>(w->Forma(QStringLiteral("W_PruebaHija")))->cierraVentana();
        QVERIFY(!w->Forma_Abierta(QStringLiteral("W_PruebaHija")));
        QVERIFY(w->Abre_Forma(QStringLiteral("W_PruebaHija")));
        QCOMPARE(abiertas(w, QStringLiteral("W_PruebaHija")), 1);
    }

    // Ctrl+F4 y Ctrl+W cierran la ventana activa del marco.
    void cierraConElTeclado_data()
    {
        QTest::addColumn<QKeySequence>("teclas");
        QTest::newRow("Ctrl+F4") << QKeySequence(Qt::CTRL | Qt::Key_F4);
        QTest::newRow("Ctrl+W") << QKeySequence(Qt::CTRL | Qt::Key_W);
    }
    void cierraConElTeclado()
    {
        QFETCH(QKeySequence, teclas);
        Entorno e(true);
        TW_Inicial *w = e.inicial();
        w->showMaximized();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QVERIFY(w->Abre_Forma(QStringLiteral("W_PruebaHija")));
        QTest::keySequence(w, teclas);
        QTRY_VERIFY(!w->Forma_Abierta(QStringLiteral("W_PruebaHija")));
    }

    void siguienteClave()
    {
        Entorno e(true);
        TW_Inicial *w = e.inicial();
        QCOMPARE(w->Siguiente_Clave(QStringLiteral("Persona")), QStringLiteral("1"));
        Entorno::sql(QStringLiteral("Insert into Trabajo (Clave,Tipo,secuencia) values (7,'ASO',1)"));
        QCOMPARE(w->Siguiente_Clave(QStringLiteral("Trabajo")), QStringLiteral("8"));
        QCOMPARE(w->Consulta_Entero(QStringLiteral("Select convocatoria from general")), 0);
    }

    void llenaYUbicaCombos()
    {
        Entorno e(true);
        TW_Inicial *w = e.inicial();
        TW_DM *dm = W_DM();
        QComboBox combo;
        dm->Q_Estado.parametro(QStringLiteral("Pais"), 32);
        w->Ubica_Clave(dm->Q_Estado, 14, &combo);
        QCOMPARE(combo.count(), 32);
        QCOMPARE(combo.currentText(), QStringLiteral("Jalisco"));
        QCOMPARE(dm->Q_Estado.campo(0).entero(), 14);   // la consulta queda en la fila elegida
        w->Ubica_Clave(dm->Q_Estado, 999, &combo);
        QCOMPARE(combo.currentIndex(), -1);
        QCOMPARE(combo.currentText(), QString());
        dm->Q_Municipio.parametro(QStringLiteral("Edo"), 14);
        w->MuestraEspecialidad(dm->Q_Municipio, QStringLiteral("Zapopan"), &combo);
        QCOMPARE(combo.currentText(), QStringLiteral("Zapopan"));
        w->MuestraEspecialidad(dm->Q_Municipio, QStringLiteral("zapopan"), &combo);
        QCOMPARE(combo.currentIndex(), -1);
    }

    void ciudadAgregadaApareceEnOrden()
    {
        Entorno e(true);
        TW_Inicial *w = e.inicial();
        const QString clave = w->Siguiente_Clave(QStringLiteral("Cat_Ciudad"));
        QVERIFY(w->Ejecuta_SQL(QStringLiteral("Insert into Cat_Ciudad Values (:c,:n,:e)"),
                               {{QStringLiteral("c"), clave}, {QStringLiteral("n"), QStringLiteral("ÁRANDAS VIEJO")}, {QStringLiteral("e"), 14}}));
        QComboBox combo;
        W_DM()->Q_Ciudad.parametro(QStringLiteral("Edo"), 14);
        w->Llena_Combo(W_DM()->Q_Ciudad, &combo, 1);
        const int i = combo.findText(QStringLiteral("ÁRANDAS VIEJO"));
        QVERIFY(i >= 0);
        for (int k = 1; k < combo.count(); ++k)
            QVERIFY2(QString::localeAwareCompare(combo.itemText(k - 1).toUpper(), combo.itemText(k).toUpper()) <= 0 ||
                         combo.itemText(k - 1).startsWith(u'Ñ') == false,
                     qPrintable(combo.itemText(k)));
        QVERIFY(combo.itemText(i - 1).toUpper() <= QStringLiteral("ARANDAS VIEJO") || combo.itemText(i - 1).startsWith(u'A'));
        // Un alta que falla muestra el mensaje y no propaga el error.
        QVERIFY(!w->Ejecuta_SQL(QStringLiteral("Insert into Cat_Ciudad Values (:c,:n,:e)"),
                                {{QStringLiteral("c"), clave}, {QStringLiteral("n"), QStringLiteral("OTRA")}, {QStringLiteral("e"), 14}}));
        QCOMPARE(e.dialogos().textos(), QStringList{QStringLiteral("No se pudo agregar al Catalogo")});
    }

    void botonesEstandarEnEspanol()
    {
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Sí"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancelar"));
        // El diálogo de "Guardar PDF…" es el de Qt, en español hasta en el tipo de una carpeta.
        QVERIFY(QCoreApplication::testAttribute(Qt::AA_DontUseNativeDialogs));
        QCOMPARE(QFileIconProvider().type(QFileInfo(QDir::tempPath())), QStringLiteral("Carpeta"));
        QCOMPARE(QCoreApplication::translate("QFileDialog", "File &name:"), QStringLiteral("&Nombre de fichero:"));
    }

    // Desde dentro de una ventana: Alt y la letra subrayada pulsan el botón de la barra (con las
    // mismas compuertas), Ctrl+Tab cambia de ventana, Ctrl+F4 cierra la activa y Enter pulsa el
    // botón enfocado.
    void atajosDelMarco()
    {
        Entorno e(true);
        TW_Inicial *w = e.inicial();
        w->showMaximized();   // con la barra entera a la vista, como al arrancar
        QVERIFY(QTest::qWaitForWindowActive(w));
        QWidget *generales = w->Forma(QStringLiteral("W_Generales"));
        auto pulsa = [w](Qt::Key tecla, Qt::KeyboardModifiers mod, const char *activa) {
            QTest::keyClick(w, tecla, mod);
            QTest::qWait(200);   // el atajo de un botón lo pulsa con su animación
            QMdiSubWindow *sub = w->areaMdi()->activeSubWindow();
            return sub && !sub->isHidden() && sub->widget()->objectName() == QLatin1String(activa);
        };
        QVERIFY(pulsa(Qt::Key_A, Qt::AltModifier, "W_Generales"));
        QCOMPARE(e.dialogos().textos(), QStringList{QStringLiteral("Debe de elegir primero la convocatoria en datos generales")});
        QVERIFY(pulsa(Qt::Key_D, Qt::AltModifier, "W_Admon"));
        QVERIFY(pulsa(Qt::Key_Tab, Qt::ControlModifier, "W_Generales"));
        QVERIFY(pulsa(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, "W_Admon"));
        QVERIFY(pulsa(Qt::Key_G, Qt::AltModifier, "W_Admon"));   // ya abierta: nada cambia
        QVERIFY(pulsa(Qt::Key_F4, Qt::ControlModifier, "W_Generales"));
        QVERIFY(pulsa(Qt::Key_D, Qt::AltModifier, "W_Admon"));
        w->Forma(QStringLiteral("W_Admon"))->findChild<QPushButton *>(QStringLiteral("Btn_Salir"))->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QApplication::processEvents();
        QVERIFY(!w->Forma(QStringLiteral("W_Admon")) && generales->isVisible());
        Entorno::sql(QStringLiteral("Insert into General (Clave,Convocatoria) values (1,482)"));
        QVERIFY(pulsa(Qt::Key_C, Qt::AltModifier, "W_Vitae1"));
        QVERIFY(pulsa(Qt::Key_D, Qt::AltModifier, "W_Admon"));
        QVERIFY(pulsa(Qt::Key_F4, Qt::ControlModifier, "W_Vitae1"));   // la usada antes, no la primera abierta
        pulsa(Qt::Key_S, Qt::AltModifier, "");
        QVERIFY(!w->isVisible());
    }

    void salirCierraSinPreguntar()
    {
        Entorno e(true);
        TW_Inicial *w = e.inicial();
        w->show();
        w->Abre_Forma(QStringLiteral("W_PruebaHija"));
        boton(w, "SB_Salir")->click();
        QVERIFY(!w->isVisible());
        QVERIFY(e.dialogos().textos().isEmpty());
    }
};

REGISTRA_PRUEBA(PruebaInicial)
#include "PruebaInicial.moc"
