#include "personal/Ayuda.h"
#include "platform/Reloj.h"
#include "shell/U_Mod.h"

#include <QMdiArea>

using namespace Ayuda;

namespace {
QList<QVariantList> domicilio(const QString &tipo)
{
    return Ayuda::filas(QStringLiteral("Select Calle,Numero,Interior,Colonia,Telefono,Fax,Correo,Cp,Ciudad_Clave,Estado_Clave,"
                                         "Pais_Clave,Municipio_Clave,Institucion_clave,Persona_clave From Domicilio Where Tipo='%1'")
                              .arg(tipo));
}
QVariant nulo() { return QStringLiteral("NULL"); }
} // namespace

class PruebaDomicilio : public QObject {
    Q_OBJECT
private slots:
    void porTipo_data()
    {
        QTest::addColumn<QString>("tipo");
        QTest::addColumn<QString>("encabezado");
        QTest::addColumn<QString>("boton");
        QTest::addColumn<bool>("anterior");
        QTest::addColumn<QString>("etiquetaLista");
        QTest::newRow("ACT") << "ACT" << "Domicilio Actual" << "Siguiente" << true << "·Estado";
        QTest::newRow("ACC") << "ACC" << "Domicilio donde contactar en caso de accidente" << "Siguiente" << true << "·Estado";
        QTest::newRow("EXT") << "EXT" << "Domicilio en el extranjero" << "Siguiente" << true << "Pais";
        QTest::newRow("OP3") << "OP3" << "Domicilio de la institucion" << "Guardar" << false << "Pais";
        QTest::newRow("AVA") << "AVA" << "Domicilio del aval" << "Guardar" << false << "·Estado";
        QTest::newRow("AVP") << "AVP" << "Domicilio de predio" << "Guardar" << false << "·Estado";
        QTest::newRow("AVT") << "AVT" << "Domicilio laboral del aval" << "Guardar" << false << "·Estado";
        QTest::newRow("RE4") << "RE4" << "Domicilio particular de la referencia" << "Guardar" << false << "·Estado";
    }
    void porTipo()
    {
        QFETCH(QString, tipo);
        QFETCH(QString, encabezado);
        QFETCH(QString, boton);
        QFETCH(bool, anterior);
        QFETCH(QString, etiquetaLista);
        Entorno e(true);
        marco(e);
        QWidget *d = abre(QStringLiteral("W_DirAct"), tipo);
        QVERIFY(d);
        QCOMPARE(etiqueta(d, "L_DirTipo"), encabezado);
        QCOMPARE(control<QPushButton>(d, "Btn_Sig")->text(), boton);
        QCOMPARE(visible(d, "Btn_Atras"), anterior);
        QCOMPARE(visible(d, "Fec_Corresp"), tipo == u"ACT");
        QCOMPARE(visible(d, "L_Correspondencia"), tipo == u"ACT");
        QCOMPARE(etiqueta(d, "L_Edo"), etiquetaLista);
        QCOMPARE(texto(d, "Telefono"), QStringLiteral("(    )    -    "));
        QCOMPARE(texto(d, "Fec_Corresp"), QStringLiteral("15/03/2004"));
        QVERIFY(!control(d, "Add_Cd")->isEnabled());
        QVERIFY(!control(d, "Add_Mpio")->isEnabled());
        const int paises = Entorno::cuenta(QStringLiteral("Cat_Pais"));
        const int estados = Entorno::cuenta(QStringLiteral("Cat_Estado"), QStringLiteral("Pais_Clave=32"));
        QCOMPARE(control<QComboBox>(d, "CB_Estado")->count(), etiquetaLista == u"Pais" ? paises : estados);
        QCOMPARE(e.inicial()->G_Cargando->value(), 100);
    }

    // Un alta con calle y número vacíos guarda "S/C", "S/N" y C.P. "0"; sin ciudad elegida no
    // guarda lugar. Una actualización guarda los vacíos tal cual.
    void altaYActualizacion()
    {
        Entorno e(true);
        Entorno::sql(QStringLiteral("Insert into General (Clave,Convocatoria) values (1,482)"));
        marco(e);
        QWidget *d = abre(QStringLiteral("W_DirAct"), QStringLiteral("ACT"));
        escribe(d, "Colonia", QStringLiteral("centro"));
        pulsa(d, "Btn_Sig");
        QCOMPARE(domicilio(QStringLiteral("ACT")),
                 (QList<QVariantList>{{QStringLiteral("S/C"), QStringLiteral("S/N"), QString(), QStringLiteral("CENTRO"),
                                       QStringLiteral("(    )    -    "), QStringLiteral("(    )    -    "), QString(),
                                       QStringLiteral("0"), nulo(), nulo(), nulo(), 0, 0, 1}}));
        QCOMPARE(Entorno::valor(QStringLiteral("Select Fec_Correspondencia From General")).toString(), QStringLiteral("15/03/2004"));
        QApplication::processEvents();
        QVERIFY(ventana("W_Dependiente"));
        ventana("W_Dependiente")->parentWidget()->close();

        d = abre(QStringLiteral("W_DirAct"), QStringLiteral("ACT"));
        QCOMPARE(texto(d, "Calle"), QStringLiteral("S/C"));
        escribe(d, "Calle", QString());
        escribe(d, "CP", QStringLiteral("  44100 "));
        escribe(d, "Telefono", QStringLiteral("015512345678"));
        escribe(d, "Fec_Corresp", QStringLiteral("01062004"));
        sal(d, "Fec_Corresp");
        pulsa(d, "Btn_Sig");
        const auto f = domicilio(QStringLiteral("ACT"));
        QCOMPARE(f.value(0).value(0), QVariant(QString()));
        QCOMPARE(f.value(0).value(4), QVariant(QStringLiteral("(0155)1234-5678")));
        QCOMPARE(f.value(0).value(7), QVariant(QStringLiteral("44100")));
        QCOMPARE(Entorno::cuenta(QStringLiteral("Domicilio")), 1);
        QCOMPARE(Entorno::valor(QStringLiteral("Select Fec_Correspondencia From General")).toString(), QStringLiteral("01/06/2004"));
        QVERIFY(e.dialogos().textos().isEmpty());
    }

    // Domicilio nacional: estado, ciudad y municipio con sus claves; se muestran al reabrir.
    void nacionalConMunicipio()
    {
        Entorno e(true);
        marco(e);
        QWidget *d = abre(QStringLiteral("W_DirAct"), QStringLiteral("ACC"));
        escribe(d, "Calle", QStringLiteral("o'donojú"));
        QVERIFY(elige(d, "CB_Estado", QStringLiteral("Jalisco")));
        QVERIFY(control(d, "Add_Cd")->isEnabled());
        QVERIFY(elige(d, "CB_Ciudad", QStringLiteral("Zapopan")));
        QVERIFY(elige(d, "CB_Municipio", QStringLiteral("Tlaquepaque")) || elige(d, "CB_Municipio", QStringLiteral("San Pedro Tlaquepaque")));
        const qint64 mpio = control<QComboBox>(d, "CB_Municipio")->currentData().toLongLong();
        e.dialogos().siguienteRespuesta(false);
        pulsa(d, "Btn_Sig");
        const qint64 zapopan = clave(QStringLiteral("Select Clave From Cat_Ciudad Where Nombre='Zapopan' And Estado_Clave=14"));
        const auto f = domicilio(QStringLiteral("ACC"));
        QCOMPARE(f.value(0).value(0), QVariant(QStringLiteral("O'DONOJÚ")));
        QCOMPARE(f.value(0).mid(8), (QVariantList{zapopan, 14, 32, mpio, 0, 7}));
        QCOMPARE(e.dialogos().textos(), QStringList{QStringLiteral("¿Usted cuenta ya cuenta con domicilio en el extranjero?")});
        QVERIFY(!ventana("W_DirAct"));

        d = abre(QStringLiteral("W_DirAct"), QStringLiteral("ACC"));
        QCOMPARE(texto(d, "Calle"), QStringLiteral("O'DONOJÚ"));
        QCOMPARE(control<QComboBox>(d, "CB_Estado")->currentText(), QStringLiteral("Jalisco"));
        QCOMPARE(control<QComboBox>(d, "CB_Ciudad")->currentText(), QStringLiteral("Zapopan"));
        QCOMPARE(control<QComboBox>(d, "CB_Municipio")->currentData().toLongLong(), mpio);
    }

    // Un domicilio nuevo sin elección en la lista de en medio guarda ciudad, estado y país nulos;
    // al actualizar, cada clave sale de su lista.
    void listasSinEleccion_data()
    {
        QTest::addColumn<QString>("tipo");
        QTest::addColumn<bool>("existe");
        QTest::addColumn<QStringList>("elegidos");   // por lista, en orden; vacío = sin elegir
        QTest::addColumn<QVariantList>("claves");     // Ciudad, Estado, Pais, Municipio
        const QVariant n = QStringLiteral("NULL");
        QTest::newRow("nacional, sólo estado") << "ACT" << false << QStringList{QStringLiteral("Jalisco")}
                                               << QVariantList{n, n, n, 0};
        QTest::newRow("nacional, nada") << "ACT" << false << QStringList{} << QVariantList{n, n, n, 0};
        QTest::newRow("extranjero, sólo país") << "EXT" << false << QStringList{QStringLiteral("Francia")}
                                               << QVariantList{n, n, n, 0};
        QTest::newRow("al actualizar, sólo estado") << "ACT" << true << QStringList{QStringLiteral("Jalisco")}
                                                    << QVariantList{n, 14, 32, 0};
    }
    void listasSinEleccion()
    {
        QFETCH(QString, tipo);
        QFETCH(bool, existe);
        QFETCH(QStringList, elegidos);
        QFETCH(QVariantList, claves);
        Entorno e(true);
        if (existe)
            Entorno::sql(QStringLiteral("Insert into Domicilio (Clave,Tipo,Calle) values (1,:t,'X')"), {{QStringLiteral("t"), tipo}});
        marco(e);
        QWidget *d = abre(QStringLiteral("W_DirAct"), tipo);
        const char *listas[] = {"CB_Estado", "CB_Ciudad", "CB_Municipio"};
        for (int i = 0; i < elegidos.size(); ++i)
            QVERIFY(elige(d, listas[i], elegidos.at(i)));
        e.dialogos().siguienteRespuesta(false);
        pulsa(d, "Btn_Sig");
        QCOMPARE(domicilio(tipo).value(0).mid(8, 4), claves);
    }

    void anteriorDelActual()
    {
        Entorno e(true);
        Entorno::sql(QStringLiteral("Insert into Persona (Clave,Nombre_1,Tipo) values (1,'ANA','SOL')"));
        marco(e);
        QWidget *d = abre(QStringLiteral("W_DirAct"), QStringLiteral("ACT"));
        escribe(d, "Calle", QStringLiteral("HIDALGO"));
        pulsa(d, "Btn_Atras");
        QApplication::processEvents();
        QCOMPARE(domicilio(QStringLiteral("ACT")).value(0).value(0), QVariant(QStringLiteral("HIDALGO")));
        QVERIFY(!ventana("W_DirAct"));
        QVERIFY(ventana("W_Generales"));
        QCOMPARE(texto(ventana("W_Generales"), "Nombre_1"), QStringLiteral("ANA"));
    }

    // Altas del extranjero: "Estado" agrega al país elegido y "Ciudad" al estado elegido.
    void agregaEstadoYCiudadExtranjeros()
    {
        Entorno e(true);
        Entorno::sql(QStringLiteral("Create Trigger rechaza Before Insert On Cat_Ciudad When New.Nombre='MALA' Begin Select Raise(Abort,'no'); End"));
        marco(e);
        QWidget *d = abre(QStringLiteral("W_DirAct"), QStringLiteral("OP1"));
        QVERIFY(elige(d, "CB_Estado", QStringLiteral("Francia")));
        QVERIFY(!control(d, "Add_Mpio")->isEnabled());
        e.dialogos().siguienteRespuesta(true);
        e.dialogos().siguienteRespuesta(QStringLiteral("córcega"));
        pulsa(d, "Add_Cd");
        QCOMPARE(Entorno::valor(QStringLiteral("Select Pais_Clave From Cat_Estado Where Nombre='CÓRCEGA'")).toInt(), 250);
        QVERIFY(!control(d, "Add_Cd")->isEnabled());
        QVERIFY(elige(d, "CB_Ciudad", QStringLiteral("CÓRCEGA")));
        QVERIFY(control(d, "Add_Mpio")->isEnabled());
        const qint64 corcega = control<QComboBox>(d, "CB_Ciudad")->currentData().toLongLong();
        e.dialogos().siguienteRespuesta(true);
        e.dialogos().siguienteRespuesta(QStringLiteral("ajaccio"));
        pulsa(d, "Add_Mpio");
        QCOMPARE(Entorno::valor(QStringLiteral("Select Estado_Clave From Cat_Ciudad Where Nombre='AJACCIO'")).toLongLong(), corcega);
        QVERIFY(!control(d, "Add_Mpio")->isEnabled());
        QVERIFY(elige(d, "CB_Ciudad", QStringLiteral("CÓRCEGA")));
        QCOMPARE(control<QComboBox>(d, "CB_Municipio")->itemText(0), QStringLiteral("AJACCIO"));
        e.dialogos().siguienteRespuesta(true);
        e.dialogos().siguienteRespuesta(QStringLiteral("mala"));
        pulsa(d, "Add_Mpio");
        QCOMPARE(e.dialogos().textos(),
                 (QStringList{QStringLiteral("Desea agregar un nuevo estado?"), QStringLiteral("Agrega Estado: Nombre:"),
                              QStringLiteral("Desea agregar una nueva ciudad?"), QStringLiteral("Agrega Ciudad: Nombre:"),
                              QStringLiteral("Desea agregar una nueva ciudad?"), QStringLiteral("Agrega Ciudad: Nombre:"),
                              QStringLiteral("No se pudo agregar al Catalogo")}));
    }

    // Accidente → "Sí" muestra el extranjero en la misma ventana; "Anterior" regresa sin guardarlo.
    void accidenteYExtranjero()
    {
        Entorno e(true);
        marco(e);
        QWidget *d = abre(QStringLiteral("W_DirAct"), QStringLiteral("ACC"));
        escribe(d, "Calle", QStringLiteral("REFORMA"));
        QVERIFY(elige(d, "CB_Estado", QStringLiteral("Jalisco")));
        QVERIFY(control(d, "Add_Cd")->isEnabled() && control(d, "Add_Mpio")->isEnabled());
        e.dialogos().siguienteRespuesta(true);
        pulsa(d, "Btn_Sig");
        // Lo habilitado para el estado nacional no pasa al extranjero: agregar pide el país,
        // y agregar una ciudad, el estado.
        QVERIFY(!control(d, "Add_Cd")->isEnabled() && !control(d, "Add_Mpio")->isEnabled());
        QCOMPARE(ventana("W_DirAct"), d);
        QCOMPARE(Tipo_Actual, QStringLiteral("EXT"));
        QCOMPARE(etiqueta(d, "L_DirTipo"), QStringLiteral("Domicilio en el extranjero"));
        QCOMPARE(control<QPushButton>(d, "Btn_Sig")->text(), QStringLiteral("Guardar"));
        QCOMPARE(texto(d, "Calle"), QString());
        QCOMPARE((QStringList{etiqueta(d, "L_Edo"), etiqueta(d, "L_Cd"), etiqueta(d, "L_Mpio")}),
                 (QStringList{QStringLiteral("Pais"), QStringLiteral("Estado"), QStringLiteral("Ciudad")}));
        QVERIFY(elige(d, "CB_Estado", QStringLiteral("Estados Unidos")));
        QVERIFY(control(d, "Add_Cd")->isEnabled() && !control(d, "Add_Mpio")->isEnabled());
        const QString estado = control<QComboBox>(d, "CB_Ciudad")->itemText(0);
        QVERIFY(elige(d, "CB_Ciudad", estado));
        QVERIFY(control(d, "Add_Mpio")->isEnabled());
        QVERIFY(control<QComboBox>(d, "CB_Municipio")->count() > 0);
        escribe(d, "Calle", QStringLiteral("MAIN ST"));
        pulsa(d, "Btn_Atras");
        QCOMPARE(Entorno::cuenta(QStringLiteral("Domicilio"), QStringLiteral("Tipo='EXT'")), 0);
        QCOMPARE(Tipo_Actual, QStringLiteral("ACC"));
        QCOMPARE(etiqueta(d, "L_DirTipo"), QStringLiteral("Domicilio donde contactar en caso de accidente"));
        QCOMPARE(control<QPushButton>(d, "Btn_Sig")->text(), QStringLiteral("Siguiente"));
        QCOMPARE(texto(d, "Calle"), QStringLiteral("REFORMA"));
        QCOMPARE(etiqueta(d, "L_Edo"), QStringLiteral("·Estado"));
        QCOMPARE(control<QComboBox>(d, "CB_Estado")->count(), Entorno::cuenta(QStringLiteral("Cat_Estado"), QStringLiteral("Pais_Clave=32")));

        // Ahora sí se guarda el extranjero: municipio 0, persona 1.
        e.dialogos().siguienteRespuesta(true);
        pulsa(d, "Btn_Sig");
        QVERIFY(elige(d, "CB_Estado", QStringLiteral("Estados Unidos")));
        QVERIFY(elige(d, "CB_Ciudad", estado));
        const QString ciudad = control<QComboBox>(d, "CB_Municipio")->itemText(0);
        QVERIFY(elige(d, "CB_Municipio", ciudad));
        const qint64 claveEdo = control<QComboBox>(d, "CB_Ciudad")->currentData().toLongLong();
        const qint64 claveCd = control<QComboBox>(d, "CB_Municipio")->currentData().toLongLong();
        pulsa(d, "Btn_Sig");
        QCOMPARE(domicilio(QStringLiteral("EXT")).value(0).mid(8), (QVariantList{claveCd, claveEdo, 840, 0, 0, 1}));
        QVERIFY(!ventana("W_DirAct"));
    }

    // La institución es la que estaba elegida al abrir; la persona, 0.
    void domicilioDeInstitucion()
    {
        Entorno e(true);
        marco(e);
        Consulta &inst = W_DM()->Q_Institucion;
        inst.parametro(QStringLiteral("p_Pais"), 840);
        inst.abre();
        inst.mueveA(2);
        const qint64 escuela = inst.campo(0).entero();
        QWidget *d = abre(QStringLiteral("W_DirAct"), QStringLiteral("OP2"));
        inst.primero();   // otra ventana mueve la consulta: no cambia lo guardado
        escribe(d, "Calle", QStringLiteral("MASS AVE"));
        pulsa(d, "Btn_Sig");
        QCOMPARE(domicilio(QStringLiteral("OP2")).value(0).mid(11), (QVariantList{0, escuela, 0}));
        QVERIFY(!ventana("W_DirAct"));
    }

    void correoSinArroba_data()
    {
        QTest::addColumn<QString>("correo");
        QTest::addColumn<bool>("avisa");
        QTest::newRow("sin arroba") << "ana.mx" << true;
        QTest::newRow("con arroba") << "Ana@Correo.mx" << false;
        QTest::newRow("vacío") << "   " << false;
    }
    void correoSinArroba()
    {
        QFETCH(QString, correo);
        QFETCH(bool, avisa);
        Entorno e(true);
        marco(e);
        QWidget *d = abre(QStringLiteral("W_DirAct"), QStringLiteral("ACT"));
        escribe(d, "e_mail", correo);
        QCOMPARE(texto(d, "e_mail"), correo);   // mayúsculas y minúsculas como se escriben
        sal(d, "e_mail");
        QCOMPARE(e.dialogos().textos(), avisa ? QStringList{QStringLiteral("No es formato de correo electronico")} : QStringList());
    }

    // Con el reloj fuera de 1900-2020 no se propone nada: el campo queda vacío y se guarda nulo.
    void fechaCorrespondencia_data()
    {
        QTest::addColumn<QDate>("hoy");
        QTest::addColumn<QString>("tecleado");
        QTest::addColumn<QString>("queda");
        QTest::addColumn<QString>("mensaje");
        const QString anio = QStringLiteral("La fecha que ingreso tiene un error en el año, el sistema no tiene contemplado el año Es permitido de 1900 a 2020");
        const QDate d2004(2004, 3, 15), d2026(2026, 12, 8);
        QTest::newRow("válida") << d2004 << "29022004" << "29/02/2004" << "";
        QTest::newRow("31 de abril") << d2004 << "31042004" << "15/03/2004" << "";   // no es una fecha: sin mensaje
        QTest::newRow("29 de febrero de 1900") << d2004 << "29021900" << "15/03/2004" << "";
        QTest::newRow("2021") << d2004 << "01012021" << "15/03/2004" << anio;
        QTest::newRow("incompleta") << d2004 << "12" << "15/03/2004" << "";
        QTest::newRow("vacía") << d2004 << "" << "15/03/2004" << "";
        QTest::newRow("reloj en 2026: válida") << d2026 << "29022004" << "29/02/2004" << "";
        QTest::newRow("reloj en 2026: 2021") << d2026 << "01012021" << "  /  /    " << anio;
        QTest::newRow("reloj en 2026: ilegible") << d2026 << "31042004" << "  /  /    " << "";
        QTest::newRow("reloj en 2026: vacía") << d2026 << "" << "  /  /    " << "";
    }
    void fechaCorrespondencia()
    {
        QFETCH(QDate, hoy);
        QFETCH(QString, tecleado);
        QFETCH(QString, queda);
        QFETCH(QString, mensaje);
        Entorno e(true);
        Reloj::fija(QDateTime(hoy, QTime(10, 30)));
        // Fuera de los años aceptados, sin fecha guardada tampoco se propone la de hoy.
        const bool fuera = hoy.year() > 2020;
        Entorno::sql(QStringLiteral("Insert into General (Clave,Fec_Correspondencia) values (1,:f)"),
                     {{QStringLiteral("f"), fuera ? QVariant() : QVariant(QStringLiteral("10/10/2003"))}});
        marco(e);
        QWidget *d = abre(QStringLiteral("W_DirAct"), QStringLiteral("ACT"));
        QCOMPARE(texto(d, "Fec_Corresp"), fuera ? QStringLiteral("  /  /    ") : QStringLiteral("10/10/2003"));
        escribe(d, "Fec_Corresp", tecleado);
        sal(d, "Fec_Corresp");
        QCOMPARE(texto(d, "Fec_Corresp"), queda);
        QCOMPARE(e.dialogos().textos(), mensaje.isEmpty() ? QStringList() : QStringList{mensaje});
        pulsa(d, "Btn_Sig");
        const QVariant guardada = Entorno::valor(QStringLiteral("Select Fec_Correspondencia From General"));
        QCOMPARE(guardada.toString(), queda.trimmed() == u"/  /" ? QString() : queda);
        QCOMPARE(guardada.isNull(), queda.trimmed() == u"/  /");
    }

    // Un error de la base al guardar se avisa en español, la ventana sigue y nada se pierde.
    void rechazoDeLaBase()
    {
        Entorno e(true);
        Entorno::sql(QStringLiteral("Insert into General (Clave,Fec_Correspondencia) values (1,'10/10/2003')"));
        Entorno::sql(QStringLiteral("Create Trigger rechaza Before Insert On Domicilio Begin Select Raise(Abort,'no'); End"));
        marco(e);
        QWidget *d = abre(QStringLiteral("W_DirAct"), QStringLiteral("ACT"));
        escribe(d, "Calle", QStringLiteral("JUÁREZ"));
        pulsa(d, "Btn_Sig");
        QCOMPARE(int(e.dialogos().mostrados().size()), 1);
        QCOMPARE(e.dialogos().mostrados().front().icono, Dialogos::Icono::Error);
        QVERIFY(!ventana("W_Dependiente"));
        QCOMPARE(ventana("W_DirAct"), d);
        QCOMPARE(texto(d, "Calle"), QStringLiteral("JUÁREZ"));
        QCOMPARE(Entorno::valor(QStringLiteral("Select Fec_Correspondencia From General")).toString(), QStringLiteral("10/10/2003"));
    }

    void borraLaDireccion()
    {
        Entorno e(true);
        Entorno::sql(QStringLiteral("Insert into Domicilio (Clave,Tipo,Calle,Estado_Clave,Persona_clave) values (4,'ACT','VIEJA',14,1),(5,'ACC','OTRA',14,7)"));
        marco(e);
        QWidget *d = abre(QStringLiteral("W_DirAct"), QStringLiteral("ACT"));
        QCOMPARE(control<QComboBox>(d, "CB_Estado")->currentText(), QStringLiteral("Jalisco"));
        control<QAction>(d, "Borradireccionenelextranjero1")->trigger();
        QCOMPARE(Entorno::filas(QStringLiteral("Select Tipo From Domicilio")), (QList<QVariantList>{{QStringLiteral("ACC")}}));
        QCOMPARE(texto(d, "Calle"), QString());
        QCOMPARE(control<QComboBox>(d, "CB_Estado")->currentIndex(), -1);
        pulsa(d, "Btn_Sig");
        QCOMPARE(domicilio(QStringLiteral("ACT")).value(0).value(0), QVariant(QStringLiteral("S/C")));
        QCOMPARE(Entorno::valor(QStringLiteral("Select Clave From Domicilio Where Tipo='ACT'")).toInt(), 6);
        // Sin domicilio guardado no borra nada.
        d = abre(QStringLiteral("W_DirAct"), QStringLiteral("RE1"));
        control<QAction>(d, "Borradireccionenelextranjero1")->trigger();
        QCOMPARE(Entorno::cuenta(QStringLiteral("Domicilio")), 2);
        QVERIFY(e.dialogos().textos().isEmpty());
    }

    void agregaCiudadYMunicipio()
    {
        Entorno e(true);
        marco(e);
        QWidget *d = abre(QStringLiteral("W_DirAct"), QStringLiteral("AVA"));
        QVERIFY(elige(d, "CB_Estado", QStringLiteral("Colima")));
        e.dialogos().siguienteRespuesta(true);
        e.dialogos().siguienteRespuesta(QStringLiteral("el diezmo"));
        pulsa(d, "Add_Cd");
        e.dialogos().siguienteRespuesta(true);
        e.dialogos().siguienteRespuesta(QVariant());
        pulsa(d, "Add_Mpio");
        e.dialogos().siguienteRespuesta(true);
        e.dialogos().siguienteRespuesta(QStringLiteral("nuevo"));
        pulsa(d, "Add_Mpio");
        QCOMPARE(Entorno::valor(QStringLiteral("Select Estado_Clave From Cat_Ciudad Where Nombre='EL DIEZMO'")).toInt(), 6);
        QCOMPARE(Entorno::valor(QStringLiteral("Select Estado_clave From Cat_Municipio Where Nombre='NUEVO'")).toInt(), 6);
        QVERIFY(control<QComboBox>(d, "CB_Ciudad")->findText(QStringLiteral("EL DIEZMO")) >= 0);
        QCOMPARE(e.dialogos().textos(),
                 (QStringList{QStringLiteral("Desea agregar una nueva ciudad?"), QStringLiteral("Agrega Ciudad: Nombre:"),
                              QStringLiteral("Desea agregar un nuevo municipio?"), QStringLiteral("Agrega Municipio: Nombre:"),
                              QStringLiteral("Desea agregar un nuevo municipio?"), QStringLiteral("Agrega Municipio: Nombre:")}));
    }

    // Guardar el domicilio del aval o de una referencia regresa a la ventana de personas.
    void regresaALaVentanaDuena_data()
    {
        QTest::addColumn<QString>("tipo");
        QTest::addColumn<QString>("persona");
        QTest::newRow("aval") << "AVA" << "AVA";
        QTest::newRow("trabajo del aval") << "AVT" << "AVA";
        QTest::newRow("referencia 3") << "RE3" << "RE3";
    }
    void regresaALaVentanaDuena()
    {
        QFETCH(QString, tipo);
        QFETCH(QString, persona);
        Entorno e(true);
        Entorno::sql(QStringLiteral("Insert into Persona (Clave,Nombre_1,Tipo) values (1,'SOL','SOL'),(9,'X',:t)"),
                     {{QStringLiteral("t"), persona}});
        marco(e);
        QWidget *d = abre(QStringLiteral("W_DirAct"), tipo);
        pulsa(d, "Btn_Sig");
        QApplication::processEvents();
        QCOMPARE(domicilio(tipo).value(0).value(13), QVariant(9));
        QVERIFY(!ventana("W_DirAct"));
        QCOMPARE(bool(ventana("W_Dependiente")), tipo != u"AVT");   // el predio/trabajo regresa a otra ventana
    }
};

REGISTRA_PRUEBA(PruebaDomicilio)
#include "PruebaDomicilio.moc"
