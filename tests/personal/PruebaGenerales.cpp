#include "personal/Ayuda.h"
#include "shell/U_Mod.h"

#include "personal/Controles.h"
#include "platform/Base.h"
#include "platform/Consulta.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QProgressBar>
#include <QSqlDatabase>
#include <QSqlQuery>

using namespace Ayuda;

namespace {
const QString kIncompleto = QStringLiteral("No ha capturado la informacion de manera completa");
const QString kPreguntaConvocatoria = QStringLiteral(
    "Al cambiar de convocatoria se borrarán sus opciones de institución, sus costos y los domicilios que dependen "
    "de ellas. ¿Desea continuar?");

QWidget *generales(Entorno &e)
{
    marco(e, false);
    return ventana("W_Generales");
}

void eligeConvocatoria(QWidget *g, int clave)
{
    const QString d = Entorno::valor(QStringLiteral("Select Descripcion From Convocatoria Where Clave=:c"),
                                     {{QStringLiteral("c"), clave}}).toString();
    QVERIFY(elige(g, "CB_Conv", d));
}
} // namespace

class PruebaGenerales : public QObject {
    Q_OBJECT
private slots:
    // Una lista de ancho fijo mide lo mismo que QComboBox con la política de letras más icono,
    // con renglones más largos que su ancho, otra letra, otro tamaño de icono o un texto de
    // ayuda, y no arma su lista emergente hasta que se despliega.
    void listaDeAnchoFijo_data()
    {
        QTest::addColumn<int>("letras");
        QTest::addColumn<int>("puntos");
        QTest::addColumn<int>("icono");
        QTest::addColumn<QString>("ayuda");
        QTest::newRow("30 letras") << 30 << 0 << 0 << QString();
        QTest::newRow("60 letras") << 60 << 0 << 0 << QString();
        QTest::newRow("letra de 15 puntos") << 30 << 15 << 0 << QString();
        QTest::newRow("icono de 40 px") << 30 << 0 << 40 << QString();
        QTest::newRow("ayuda más ancha") << 3 << 0 << 0 << QStringLiteral("Elija el país donde nació el solicitante");
    }
    void listaDeAnchoFijo()
    {
        QFETCH(int, letras);
        QFETCH(int, puntos);
        QFETCH(int, icono);
        QFETCH(QString, ayuda);
        ListaFija fija;
        QComboBox deQt;
        deQt.setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        deQt.setMinimumContentsLength(letras);
        fija.ponLetras(letras);
        for (QComboBox *c : {static_cast<QComboBox *>(&fija), &deQt})
            c->addItems({QStringLiteral("Bolivia, Estado plurinacional de"), QString(120, u'W'), QStringLiteral("Ñ")});
        // (Qt sí la arma al cambiar la letra o el tamaño del icono.)
        QVERIFY(fija.findChildren<QAbstractItemView *>().isEmpty());
        for (QComboBox *c : {static_cast<QComboBox *>(&fija), &deQt}) {
            if (puntos) {
                QFont f = c->font();
                f.setPointSize(puntos);
                c->setFont(f);
            }
            if (icono)
                c->setIconSize(QSize(icono, icono));
            c->setPlaceholderText(ayuda);
        }
        QCOMPARE(fija.sizeHint(), deQt.sizeHint());
        QCOMPARE(fija.minimumSizeHint(), deQt.minimumSizeHint());
    }

    // Una lista de catálogo queda con los nombres en el orden de la consulta, la clave de cada
    // renglón, sin renglón elegido, sin avisos de cambio y con la consulta en su primera fila;
    // llenarla otra vez no duplica nada, y una consulta vacía la deja vacía.
    void llenaListaDeCatalogo_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::newRow("países") << "Select clave Pais,Nombre From Cat_Pais Order By Nombre";
        QTest::newRow("estados de un país") << "Select Clave Edo,Nombre From Cat_Estado Where Pais_Clave=(Select Min(Pais_Clave) From Cat_Estado) Order By Nombre";
        QTest::newRow("vacía") << "Select Clave,Nombre From Cat_Pais Where Clave<0";
    }
    void llenaListaDeCatalogo()
    {
        QFETCH(QString, sql);
        Entorno e(true);
        const QList<QVariantList> filas = Entorno::filas(sql);
        Consulta q(sql);
        QComboBox lista;
        int avisos = 0;
        connect(&lista, &QComboBox::currentIndexChanged, this, [&] { ++avisos; });
        for (int vez = 0; vez < 2; ++vez) {
            Listas::llena(q, &lista);
            QCOMPARE(lista.count(), int(filas.size()));
            for (int i = 0; i < filas.size(); ++i) {
                QCOMPARE(lista.itemText(i), filas[i][1].toString());
                QCOMPARE(lista.itemData(i).toLongLong(), filas[i][0].toLongLong());
            }
            QCOMPARE(lista.currentIndex(), -1);
            QCOMPARE(q.fila(), 0);
            QCOMPARE(q.fin(), filas.isEmpty());
        }
        QCOMPARE(avisos, 0);
    }

    void ventanaNueva()
    {
        Entorno e(true);
        QWidget *g = generales(e);
        QVERIFY(g);
        QCOMPARE(g->windowTitle(), QStringLiteral("Datos Generales"));
        QCOMPARE(control<QComboBox>(g, "CB_Conv")->currentIndex(), -1);
        QCOMPARE(marcada(g, "Sexo"), 0);
        QCOMPARE(marcada(g, "Edo_Civil"), 0);
        QCOMPARE(texto(g, "Fec_Nac"), QStringLiteral("  /  /    "));
        QCOMPARE(texto(g, "ME_Ingresos").trimmed(), QStringLiteral("0"));
        QVERIFY(!visible(g, "ME_Ingresos"));
        QVERIFY(!control(g, "RadioGroup1")->isEnabled());
        QCOMPARE(control<QComboBox>(g, "CB_PaisNac")->currentIndex(), -1);
        QVERIFY(!control(g, "Btn_AddEdo")->isEnabled());
        QCOMPARE(e.inicial()->G_Cargando->value(), 0);   // cargada, la barra regresa a 0
        QVERIFY(e.dialogos().textos().isEmpty());
    }

    // Elegir convocatoria la guarda y, tras preguntar, borra opciones y domicilios que dependen
    // de ella.
    void convocatoriaBorraAcademicos()
    {
        Entorno e(true);
        Entorno::sql(QStringLiteral("Insert into Beca (Clave,Tipo) values (1,'OP1')"));
        int clave = 1;
        for (const char *t : {"ACT", "ACC", "EXT", "OP1", "AVA", "RE2"})
            Entorno::sql(QStringLiteral("Insert into Domicilio (Clave,Tipo) values (:c,:t)"),
                         {{QStringLiteral("c"), clave++}, {QStringLiteral("t"), QString::fromLatin1(t)}});
        QWidget *g = generales(e);
        e.dialogos().siguienteRespuesta(true);
        eligeConvocatoria(g, 482);
        QCOMPARE(Entorno::filas(QStringLiteral("Select Clave,Convocatoria,Ingreso_Mensual From General")),
                 (QList<QVariantList>{{1, 482, 0}}));
        QCOMPARE(Entorno::cuenta(QStringLiteral("Beca")), 0);
        QCOMPARE(Entorno::filas(QStringLiteral("Select Tipo From Domicilio Order by Tipo")),
                 (QList<QVariantList>{{QStringLiteral("ACC")}, {QStringLiteral("ACT")}}));
        // Sin nada que borrar no se pregunta: otra convocatoria actualiza la misma fila.
        eligeConvocatoria(g, 6);
        QCOMPARE(Entorno::filas(QStringLiteral("Select Clave,Convocatoria From General")), (QList<QVariantList>{{1, 6}}));
        QCOMPARE(e.dialogos().textos(), QStringList{kPreguntaConvocatoria});
    }

    // Nada capturado se borra sin confirmar: hojear la lista con flechas o letras no cuenta
    // hasta salir de ella o pulsar Intro, y "No" deja la convocatoria que estaba.
    void cambioDeConvocatoria_data()
    {
        QTest::addColumn<QString>("teclas");   // "v" abajo, "^" arriba, "<" Intro, letras tal cual
        QTest::addColumn<QString>("despues");   // "sale" del control, "cierra" la ventana, o nada
        QTest::addColumn<QVariant>("respuesta");
        QTest::addColumn<bool>("borra");
        QTest::newRow("flechas ida y vuelta") << "v^" << "sale" << QVariant() << false;
        QTest::newRow("flecha sin confirmar") << "v" << "" << QVariant() << false;
        QTest::newRow("flecha y cerrar la ventana") << "v" << "cierra" << QVariant() << false;
        QTest::newRow("flecha y salir, Sí") << "v" << "sale" << QVariant(true) << true;
        QTest::newRow("flecha e Intro, No") << "v<" << "" << QVariant(false) << false;
        QTest::newRow("por letra y salir, No") << "C" << "sale" << QVariant(false) << false;
    }
    void cambioDeConvocatoria()
    {
        QFETCH(QString, teclas);
        QFETCH(QString, despues);
        QFETCH(QVariant, respuesta);
        QFETCH(bool, borra);
        Entorno e(true);
        Entorno::sql(QStringLiteral("Insert into General (Clave,Convocatoria) values (1,482)"));
        Entorno::sql(QStringLiteral("Insert into Beca (Clave,Tipo) values (1,'OP1')"));
        Entorno::sql(QStringLiteral("Insert into Domicilio (Clave,Tipo) values (1,'OP1'),(2,'ACT')"));
        QWidget *g = generales(e);
        auto *cb = control<QComboBox>(g, "CB_Conv");
        const QString antes = cb->currentText();
        for (QChar c : teclas)
            QTest::keyClick(cb, c == u'v' ? Qt::Key_Down : c == u'^' ? Qt::Key_Up : c == u'<' ? Qt::Key_Return
                                                                                             : Qt::Key(c.unicode()));
        if (respuesta.isValid())
            e.dialogos().siguienteRespuesta(respuesta);
        if (despues == u"sale")
            sal(g, "CB_Conv");
        else if (despues == u"cierra")
            g->parentWidget()->close();
        QApplication::processEvents();
        const bool pregunto = respuesta.isValid();
        QCOMPARE(e.dialogos().textos(), pregunto ? QStringList{kPreguntaConvocatoria} : QStringList());
        QCOMPARE(Entorno::cuenta(QStringLiteral("Beca")), borra ? 0 : 1);
        QCOMPARE(Entorno::cuenta(QStringLiteral("Domicilio")), borra ? 1 : 2);
        QCOMPARE(Entorno::valor(QStringLiteral("Select Convocatoria From General")).toInt() == 482, !borra);
        if (respuesta == QVariant(false))
            QCOMPARE(cb->currentText(), antes);
    }

    // Una fila General escrita por otra ventana sin convocatoria no impide guardarla.
    void generalSinConvocatoria()
    {
        Entorno e(true);
        Entorno::sql(QStringLiteral("Insert into General (Clave,Ingreso_Mensual,Fec_Correspondencia) values (1,7000,'01/02/2004')"));
        QWidget *g = generales(e);
        QCOMPARE(texto(g, "ME_Ingresos").trimmed(), QStringLiteral("7000"));
        eligeConvocatoria(g, 481);
        QVERIFY(e.dialogos().textos().isEmpty());
        QCOMPARE(Entorno::filas(QStringLiteral("Select Convocatoria,Ingreso_Mensual,Fec_Correspondencia From General")),
                 (QList<QVariantList>{{481, 7000, QStringLiteral("01/02/2004")}}));
    }

    void siguienteSinConvocatoria()
    {
        Entorno e(true);
        QWidget *g = generales(e);
        escribe(g, "Nombre_1", QStringLiteral("ANA"));
        pulsa(g, "Btn_Sig");
        QCOMPARE(e.dialogos().textos(), QStringList{QStringLiteral("No ha capturado la convocatoria ")});
        QCOMPARE(Entorno::cuenta(QStringLiteral("Persona")), 0);
        QCOMPARE(Entorno::cuenta(QStringLiteral("General")), 0);
        QVERIFY(ventana("W_Generales"));
    }

    // Lo capturado se guarda tal cual y se muestra igual al reabrir.
    void guardaYMuestra_data()
    {
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<QString>("paterno");
        QTest::addColumn<QString>("fechaTecleada");
        QTest::addColumn<QVariant>("fechaGuardada");
        QTest::addColumn<int>("civil");
        QTest::newRow("apóstrofo") << "bernardo" << "o'higgins" << "20081978" << QVariant(QStringLiteral("20/08/1978")) << 1;
        QTest::newRow("acentos") << "josé ñoño" << "álvarez núñez" << "05031975" << QVariant(QStringLiteral("05/03/1975")) << 0;
        QTest::newRow("sin fecha") << "ANA" << "PÉREZ" << "" << QVariant(QStringLiteral("NULL")) << 0;
    }
    void guardaYMuestra()
    {
        QFETCH(QString, nombre);
        QFETCH(QString, paterno);
        QFETCH(QString, fechaTecleada);
        QFETCH(QVariant, fechaGuardada);
        QFETCH(int, civil);
        Entorno e(true);
        Entorno::sql(QStringLiteral("Insert into General (Clave,Ingreso_Mensual) values (1,12345)"));
        QWidget *g = generales(e);
        eligeConvocatoria(g, 482);
        escribe(g, "Nombre_1", nombre);
        escribe(g, "Paterno", paterno);
        escribe(g, "Materno", QStringLiteral("valle"));
        escribe(g, "Fec_Nac", fechaTecleada);
        escribe(g, "E_Curp", QStringLiteral("curp123"));
        opcion(g, "Sexo", 1);
        opcion(g, "Edo_Civil", civil);
        QVERIFY(elige(g, "CB_PaisNac", QStringLiteral("México")));
        QVERIFY(elige(g, "CB_EstadoNac", QStringLiteral("Jalisco")));
        QVERIFY(elige(g, "CB_CiudadNac", QStringLiteral("Zapopan")));
        pulsa(g, "Btn_Sig");
        QApplication::processEvents();
        QCOMPARE(e.dialogos().textos(), QStringList());
        QCOMPARE(Edo_Civil_Actual, civil);
        QCOMPARE(Tipo_Actual, QStringLiteral("ACT"));
        QVERIFY(!ventana("W_Generales"));
        QVERIFY(ventana("W_DirAct"));
        const qint64 zapopan = clave(QStringLiteral("Select Clave From Cat_Ciudad Where Nombre='Zapopan' And Estado_Clave=14"));
        const QList<QVariantList> f = Ayuda::filas(
            QStringLiteral("Select Clave,Nombre_1,Paterno,Materno,Sexo,Edo_civil,Fec_nac,Ciudad_nac,Pais_nac,Tipo,Curp From Persona"));
        QCOMPARE(f, (QList<QVariantList>{{1, nombre.toUpper(), paterno.toUpper(), QStringLiteral("VALLE"), QStringLiteral("M"),
                                           civil ? QStringLiteral("S") : QStringLiteral("C"), fechaGuardada, zapopan, 32,
                                           QStringLiteral("SOL"), QStringLiteral("CURP123")}}));
        // El ingreso oculto pasa sin cambio.
        QCOMPARE(Entorno::valor(QStringLiteral("Select Ingreso_Mensual From General")).toInt(), 12345);

        ventana("W_DirAct")->parentWidget()->close();
        QWidget *g2 = abre(QStringLiteral("W_Generales"));
        QVERIFY(g2);
        QCOMPARE(texto(g2, "Nombre_1"), nombre.toUpper());
        QCOMPARE(texto(g2, "Paterno"), paterno.toUpper());
        QCOMPARE(texto(g2, "Fec_Nac"), fechaGuardada == QStringLiteral("NULL") ? QStringLiteral("  /  /    ") : fechaGuardada.toString());
        QCOMPARE(marcada(g2, "Sexo"), 1);
        QCOMPARE(marcada(g2, "Edo_Civil"), civil);
        QCOMPARE(control<QComboBox>(g2, "CB_PaisNac")->currentText(), QStringLiteral("México"));
        QCOMPARE(control<QComboBox>(g2, "CB_EstadoNac")->currentText(), QStringLiteral("Jalisco"));
        QCOMPARE(control<QComboBox>(g2, "CB_CiudadNac")->currentText(), QStringLiteral("Zapopan"));
        QCOMPARE(control<QComboBox>(g2, "CB_Conv")->currentData().toInt(), 482);
        // Guardar otra vez actualiza la misma fila.
        escribe(g2, "Nombre_2", QStringLiteral("luis"));
        pulsa(g2, "Btn_Sig");
        QCOMPARE(Entorno::filas(QStringLiteral("Select Clave,Nombre_2 From Persona")),
                 (QList<QVariantList>{{1, QStringLiteral("LUIS")}}));
    }

    // Sin ciudad elegida se guarda 0, no la ciudad en que quedó la lista.
    void sinCiudadGuardaCero()
    {
        Entorno e(true);
        QWidget *g = generales(e);
        eligeConvocatoria(g, 482);
        escribe(g, "Nombre_1", QStringLiteral("ANA"));
        QVERIFY(elige(g, "CB_PaisNac", QStringLiteral("México")));
        QVERIFY(elige(g, "CB_EstadoNac", QStringLiteral("Jalisco")));
        pulsa(g, "Btn_Sig");
        QCOMPARE(Entorno::valor(QStringLiteral("Select Ciudad_nac From Persona Where Tipo='SOL'")).toInt(), 0);
    }

    // La clave 1 es del solicitante: si otra persona la tomó antes, se le da otra y sus
    // domicilios la siguen.
    void claveUnoOcupada()
    {
        Entorno e(true);
        Entorno::sql(QStringLiteral("Insert into Persona (Clave,Nombre_1,Tipo) values (1,'AVAL','AVA')"));
        Entorno::sql(QStringLiteral("Insert into Persona (Clave,Nombre_1,Tipo) values (2,'REF','RE1')"));
        Entorno::sql(QStringLiteral("Insert into Domicilio (Clave,Tipo,Calle,Persona_clave) values (1,'AVA','A',1),(2,'AVT','T',1),(3,'ACT','X',1)"));
        Entorno::sql(QStringLiteral("Insert into General (Clave,Convocatoria) values (1,482)"));
        QWidget *g = generales(e);
        escribe(g, "Nombre_1", QStringLiteral("SOLICITANTE"));
        pulsa(g, "Btn_Sig");
        QCOMPARE(e.dialogos().textos(), QStringList());
        QCOMPARE(Entorno::filas(QStringLiteral("Select Clave,Nombre_1,Tipo From Persona Order by Clave")),
                 (QList<QVariantList>{{1, QStringLiteral("SOLICITANTE"), QStringLiteral("SOL")},
                                      {2, QStringLiteral("REF"), QStringLiteral("RE1")},
                                      {3, QStringLiteral("AVAL"), QStringLiteral("AVA")}}));
        QCOMPARE(Entorno::filas(QStringLiteral("Select Tipo,Persona_clave From Domicilio Order by Clave")),
                 (QList<QVariantList>{{QStringLiteral("AVA"), 3}, {QStringLiteral("AVT"), 3}, {QStringLiteral("ACT"), 1}}));
    }

    void fechaAlSalir_data()
    {
        QTest::addColumn<QString>("tecleado");
        QTest::addColumn<QString>("queda");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("válida") << "05031975" << "05/03/1975" << "";
        QTest::newRow("fin de 2021") << "31122021" << "31/12/2021"
                                     << "La fecha que ingreso tiene un error en el año, el sistema no tiene contemplado el año Es permitido de 1900 a 2020";
        QTest::newRow("día imposible") << "31042004" << "31/04/2004"
                                       << "La fecha que ingreso tiene un error en el día, es necesario que sean dos digitos en el dia";
        QTest::newRow("mes 13") << "15132004" << "15/13/2004"
                                << "La fecha que ingreso tiene un error en el mes, es necesario que sean dos digitos en el mes";
        QTest::newRow("vacía") << "" << "  /  /    " << "";
    }
    void fechaAlSalir()
    {
        QFETCH(QString, tecleado);
        QFETCH(QString, queda);
        QFETCH(QString, mensaje);
        Entorno e(true);
        QWidget *g = generales(e);
        escribe(g, "Paterno", QStringLiteral("TORRE"));
        escribe(g, "Materno", QStringLiteral("VALLE"));
        escribe(g, "Nombre_1", QStringLiteral("MAR"));
        escribe(g, "Fec_Nac", tecleado);
        sal(g, "Fec_Nac");
        QCOMPARE(texto(g, "Fec_Nac"), queda);
        QCOMPARE(e.dialogos().textos(), mensaje.isEmpty() ? QStringList() : QStringList{mensaje});
        QCOMPARE(texto(g, "E_RFC"), queda == u"05/03/1975" ? QStringLiteral("TOVM750305") : QString());
    }

    // Al entrar al RFC se propone la clave calculada si el campo está vacío o no empieza con
    // ella; una homoclave escrita tras la propuesta se queda. Con una fecha incompleta no se
    // calcula nada y la ventana sigue abierta con lo escrito.
    void rfcAlEntrar_data()
    {
        QTest::addColumn<QString>("fecha");
        QTest::addColumn<QString>("escrito");
        QTest::addColumn<QString>("queda");
        QTest::newRow("fecha incompleta") << "01" << "XXXX" << "XXXX";
        QTest::newRow("vacío") << "01021990" << "" << "PED900201";
        QTest::newRow("otra clave") << "01021990" << "XXXX" << "PED900201";
        QTest::newRow("con homoclave") << "01021990" << "PED900201AB3" << "PED900201AB3";
        QTest::newRow("homoclave de otra fecha") << "01021990" << "PED900202AB3" << "PED900201";
    }
    void rfcAlEntrar()
    {
        QFETCH(QString, fecha);
        QFETCH(QString, escrito);
        QFETCH(QString, queda);
        Entorno e(true);
        QWidget *g = generales(e);
        escribe(g, "Paterno", QStringLiteral("PEREZ"));
        escribe(g, "Nombre_1", QStringLiteral("DORA"));
        escribe(g, "E_RFC", escrito);
        escribe(g, "Fec_Nac", fecha);
        entra(g, "E_RFC");
        QCOMPARE(texto(g, "E_RFC"), queda);
        QVERIFY(ventana("W_Generales"));
    }

    // Una fecha que no existe, sin salir del campo, no llega a la tabla.
    void fechaImposibleAlGuardar()
    {
        Entorno e(true);
        QWidget *g = generales(e);
        eligeConvocatoria(g, 482);
        escribe(g, "Nombre_1", QStringLiteral("ANA"));
        escribe(g, "Fec_Nac", QStringLiteral("30022000"));
        pulsa(g, "Btn_Sig");
        QCOMPARE(e.dialogos().textos(), QStringList{QStringLiteral("'30/02/2000' no es una fecha válida")});
        QCOMPARE(Entorno::cuenta(QStringLiteral("Persona")), 0);
        QCOMPARE(Entorno::valor(QStringLiteral("Select Convocatoria From General")).toInt(), 482);
        QVERIFY(ventana("W_Generales"));
    }

    // Si la base rechaza al solicitante se avisa y nada queda a medias. Un dato rechazado es
    // información incompleta; una base que otro programa tiene ocupada se dice como tal.
    void rechazoDeLaBase_data()
    {
        QTest::addColumn<bool>("ocupada");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("dato rechazado") << false << kIncompleto;
        QTest::newRow("ocupada por otro programa")
            << true << "La base de datos de la solicitud está ocupada por otro programa; la operación no se realizó.";
    }
    void rechazoDeLaBase()
    {
        QFETCH(bool, ocupada);
        QFETCH(QString, mensaje);
        Entorno e(true);
        if (!ocupada)
            Entorno::sql(QStringLiteral("Create Trigger rechaza Before Insert On Persona Begin Select Raise(Abort,'no'); End"));
        QWidget *g = generales(e);
        eligeConvocatoria(g, 482);
        escribe(g, "Nombre_1", QStringLiteral("ANA"));
        {
            QSqlDatabase otra = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("otra"));
            otra.setDatabaseName(Base::archivoEn(e.carpeta()));
            QVERIFY(otra.open());
            QSqlQuery q(otra);
            if (ocupada)
                QVERIFY(q.exec(QStringLiteral("BEGIN EXCLUSIVE")));
            pulsa(g, "Btn_Sig");
            q.exec(QStringLiteral("ROLLBACK"));
            otra.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("otra"));
        QVERIFY(e.dialogos().textos().contains(mensaje));
        QVERIFY(!e.dialogos().textos().contains(kIncompleto) || !ocupada);
        QCOMPARE(Entorno::cuenta(QStringLiteral("Persona")), 0);
        QVERIFY(ventana("W_Generales"));
        QCOMPARE(texto(g, "Nombre_1"), QStringLiteral("ANA"));
    }

    // Las fallas de la base se avisan con los textos de la ventana y no dejan nada a medias.
    void fallasConSuMensaje_data()
    {
        QTest::addColumn<QString>("disparador");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("convocatoria") << "Before Insert On General"
                                      << "Se ha producido un error al tratar de guardar la convocatoria ";
        QTest::newRow("catálogo") << "Before Insert On Cat_Estado" << "No se pudo agregar al Catalogo";
    }
    void fallasConSuMensaje()
    {
        QFETCH(QString, disparador);
        QFETCH(QString, mensaje);
        Entorno e(true);
        Entorno::sql(QStringLiteral("Insert into Beca (Clave,Tipo) values (1,'OP1')"));
        Entorno::sql(QStringLiteral("Create Trigger rechaza %1 Begin Select Raise(Abort,'no'); End").arg(disparador));
        QWidget *g = generales(e);
        if (disparador.contains(u"General")) {
            e.dialogos().siguienteRespuesta(true);
            eligeConvocatoria(g, 482);
            QCOMPARE(Entorno::cuenta(QStringLiteral("Beca")), 1);   // sin guardar no se borra nada
            pulsa(g, "Btn_Sig");
            QCOMPARE(e.dialogos().textos(), (QStringList{kPreguntaConvocatoria, mensaje, mensaje}));
            QCOMPARE(Entorno::cuenta(QStringLiteral("Persona")), 0);
            QVERIFY(ventana("W_Generales"));
        } else {
            QVERIFY(elige(g, "CB_PaisNac", QStringLiteral("Francia")));
            e.dialogos().siguienteRespuesta(true);
            e.dialogos().siguienteRespuesta(QStringLiteral("Bretaña"));
            pulsa(g, "Btn_AddEdo");
            QCOMPARE(e.dialogos().textos().last(), mensaje);
            QVERIFY(control<QComboBox>(g, "CB_EstadoNac")->count() > 0);   // la lista se refresca igual
        }
    }

    // "Soltero" con un cónyuge guardado pregunta antes de borrarlo; "No" deja "Casado".
    void solteroBorraConyuge_data()
    {
        QTest::addColumn<bool>("conConyuge");
        QTest::addColumn<QVariant>("respuesta");
        QTest::addColumn<QString>("quedan");
        QTest::addColumn<int>("marcada");
        QTest::newRow("Sí borra") << true << QVariant(true) << "HJ1" << 1;
        QTest::newRow("No conserva") << true << QVariant(false) << "CGE HJ1" << 0;
        QTest::newRow("sin cónyuge no pregunta") << false << QVariant() << "HJ1" << 1;
    }
    void solteroBorraConyuge()
    {
        QFETCH(bool, conConyuge);
        QFETCH(QVariant, respuesta);
        QFETCH(QString, quedan);
        QFETCH(int, marcada);
        Entorno e(true);
        Entorno::sql(QStringLiteral("Insert into Persona (Clave,Nombre_1,Tipo) values (6,'HIJO','HJ1')"));
        if (conConyuge)
            Entorno::sql(QStringLiteral("Insert into Persona (Clave,Nombre_1,Tipo) values (5,'ESPOSA','CGE')"));
        QWidget *g = generales(e);
        opcion(g, "Edo_Civil", 0);
        if (respuesta.isValid())
            e.dialogos().siguienteRespuesta(respuesta);
        opcion(g, "Edo_Civil", 1);
        QCOMPARE(Entorno::valor(QStringLiteral("Select group_concat(Tipo,' ') From (Select Tipo From Persona Order by Tipo)")).toString(),
                 quedan);
        QCOMPARE(e.dialogos().textos(),
                 respuesta.isValid() ? QStringList{QStringLiteral("Al elegir Soltero se borrarán los datos de su cónyuge. ¿Desea continuar?")}
                                     : QStringList());
        QCOMPARE(Ayuda::marcada(g, "Edo_Civil"), marcada);
    }

    void agregaEstadoYCiudad()
    {
        Entorno e(true);
        QWidget *g = generales(e);
        QVERIFY(elige(g, "CB_PaisNac", QStringLiteral("Estados Unidos")));
        QVERIFY(control(g, "Btn_AddEdo")->isEnabled());
        // No y Cancelar no agregan nada.
        e.dialogos().siguienteRespuesta(false);
        pulsa(g, "Btn_AddEdo");
        e.dialogos().siguienteRespuesta(true);
        e.dialogos().siguienteRespuesta(QVariant());
        pulsa(g, "Btn_AddEdo");
        const int estados = Entorno::cuenta(QStringLiteral("Cat_Estado"));
        e.dialogos().siguienteRespuesta(true);
        e.dialogos().siguienteRespuesta(QStringLiteral("o'hare"));
        pulsa(g, "Btn_AddEdo");
        QCOMPARE(Entorno::cuenta(QStringLiteral("Cat_Estado")), estados + 1);
        QCOMPARE(Entorno::valor(QStringLiteral("Select Pais_Clave From Cat_Estado Where Nombre='O''HARE'")).toInt(), 840);
        QVERIFY(!control(g, "CB_CiudadNac")->isEnabled());
        QVERIFY(!control(g, "Btn_AddCd")->isEnabled());
        QCOMPARE(control<QComboBox>(g, "CB_EstadoNac")->currentIndex(), -1);
        QVERIFY(elige(g, "CB_EstadoNac", QStringLiteral("O'HARE")));
        QVERIFY(control(g, "Btn_AddCd")->isEnabled());
        e.dialogos().siguienteRespuesta(true);
        e.dialogos().siguienteRespuesta(QStringLiteral("pueblo nuevo"));
        pulsa(g, "Btn_AddCd");
        QVERIFY(control(g, "CB_CiudadNac")->isEnabled());
        QVERIFY(!control(g, "Btn_AddCd")->isEnabled());
        QCOMPARE(control<QComboBox>(g, "CB_CiudadNac")->findText(QStringLiteral("PUEBLO NUEVO")), 0);
        QCOMPARE(e.dialogos().textos(),
                 (QStringList{QStringLiteral("Desea agregar un nuevo estado?"), QStringLiteral("Desea agregar un nuevo estado?"),
                              QStringLiteral("Agrega Estado: Nombre:"), QStringLiteral("Desea agregar un nuevo estado?"),
                              QStringLiteral("Agrega Estado: Nombre:"), QStringLiteral("Desea agregar una nueva ciudad?"),
                              QStringLiteral("Agrega Ciudad: Nombre:")}));
    }
};

REGISTRA_PRUEBA(PruebaGenerales)
#include "PruebaGenerales.moc"
