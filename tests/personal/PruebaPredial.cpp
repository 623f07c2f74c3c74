#include "personal/Ayuda.h"

using namespace Ayuda;

namespace {
const char *kCampos[] = {"E_Cta_Predial", "E_LugarRegistro", "E_Folio", "ME_Fecha", "ME_anios",
                         "E_Empresa", "E_Depto", "E_Puesto", "E_Antig", "ME_FecIngreso"};

QWidget *predial(Entorno &e)
{
    marco(e);
    return abre(QStringLiteral("W_Predial"), QStringLiteral("AVA"));
}

QList<QVariantList> aval()
{
    return Ayuda::filas(QStringLiteral("Select Clave,Cta_Predial,Lugar_Registro,Fec_Registro,Folio,Empresa,Depto,Puesto,"
                                       "Antiguedad,Fec_Ingreso,Tiempo,Tipo,Nombre_A,MontoMensual From Aval"));
}

// Fila del aval ya guardada, con los datos del financiamiento que escribe otra ventana.
void filaGuardada(const QString &cuenta = QStringLiteral("CP-1"), const QString &empresa = QStringLiteral("ACME"))
{
    Entorno::sql(QStringLiteral("Insert into Aval (Clave,Cta_Predial,Lugar_Registro,Fec_Registro,Folio,Empresa,Tiempo,"
                                "Tipo,Nombre_A,MontoMensual) values (1,:c,'',NULL,'',:e,7,'AVA','BECA X',900)"),
                 {{QStringLiteral("c"), cuenta}, {QStringLiteral("e"), empresa}});
}

QString caption(QWidget *w) { return control<QPushButton>(w, "Btn_Guardar")->text(); }
bool habilitado(QWidget *w, const char *b) { return control(w, b)->isEnabled(); }
} // namespace

class PruebaPredial : public QObject {
    Q_OBJECT
private slots:
    void tablaVacia()
    {
        Entorno e(true);
        QWidget *w = predial(e);
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QStringLiteral("Datos del Predio en garantia"));
        for (const char *c : kCampos)
            QVERIFY2(texto(w, c).remove(u'/').trimmed().isEmpty(), c);
        QVERIFY(!habilitado(w, "Btn_Direccion"));
        QVERIFY(!habilitado(w, "Btn_DirTraAval"));
        QCOMPARE(caption(w), QStringLiteral("Guardar"));
        QVERIFY(!visible(w, "Btn_Salir"));
    }

    // Primer guardado: lo que falta o no es una fecha aceptable no llega a la tabla.
    void primerGuardado_data()
    {
        QTest::addColumn<QString>("anios");
        QTest::addColumn<QString>("registro");     // tecleado en ME_Fecha
        QTest::addColumn<QString>("cuenta");
        QTest::addColumn<bool>("guarda");
        QTest::addColumn<QVariant>("fechaGuardada");
        QTest::newRow("completo") << "15" << "12081990" << "CP-0042" << true << QVariant("12/08/1990");
        QTest::newRow("un dígito de años") << "5" << "12081990" << "CP-0042" << true << QVariant("12/08/1990");
        QTest::newRow("fecha vacía queda NULL") << "15" << "" << "CP-0042" << true << QVariant("NULL");
        QTest::newRow("apóstrofo guardado tal cual") << "15" << "" << "O'DONNELL 7" << true << QVariant("NULL");
        QTest::newRow("sin años") << "" << "12081990" << "CP-0042" << false << QVariant();
        QTest::newRow("fecha que no existe") << "15" << "31022004" << "CP-0042" << false << QVariant();
        QTest::newRow("año fuera de rango") << "15" << "01012030" << "CP-0042" << false << QVariant();
    }
    void primerGuardado()
    {
        QFETCH(QString, anios);
        QFETCH(QString, registro);
        QFETCH(QString, cuenta);
        QFETCH(bool, guarda);
        QFETCH(QVariant, fechaGuardada);
        Entorno e(true);
        QWidget *w = predial(e);
        escribe(w, "E_Cta_Predial", cuenta);
        escribe(w, "E_LugarRegistro", QStringLiteral("guadalajara"));
        escribe(w, "ME_Fecha", registro);
        escribe(w, "E_Folio", QStringLiteral("f-778"));
        escribe(w, "ME_anios", anios);
        escribe(w, "E_Empresa", QStringLiteral("universidad"));
        escribe(w, "E_Antig", QStringLiteral("12 años"));
        pulsa(w, "Btn_Guardar");
        QApplication::processEvents();
        QCOMPARE(ventana("W_Predial"), w);   // el primer guardado no cierra
        if (!guarda) {
            QCOMPARE(e.dialogos().textos(), QStringList{QStringLiteral("La información no esta completa")});
            QCOMPARE(Entorno::cuenta(QStringLiteral("Aval")), 0);
            QCOMPARE(caption(w), QStringLiteral("Guardar"));
            QVERIFY(!habilitado(w, "Btn_Direccion"));
            QVERIFY(!habilitado(w, "Btn_DirTraAval"));
            return;
        }
        QVERIFY(e.dialogos().textos().isEmpty());
        const QList<QVariantList> esperado{{1, cuenta, QStringLiteral("GUADALAJARA"), fechaGuardada, QStringLiteral("F-778"),
                                            QStringLiteral("UNIVERSIDAD"), QString(), QString(), QStringLiteral("12 años"),
                                            QStringLiteral("NULL"), anios.toInt(), QStringLiteral("AVA"), QStringLiteral("NULL"),
                                            QStringLiteral("NULL")}};
        QCOMPARE(aval(), esperado);
        QCOMPARE(caption(w), QStringLiteral("Salir"));
        QVERIFY(habilitado(w, "Btn_Direccion"));
        QVERIFY(habilitado(w, "Btn_DirTraAval"));
    }

    // Con datos guardados la ventana abre en "Salir", que guarda lo cambiado y cierra hacia el aval,
    // sin tocar lo que guardó la ventana del financiamiento.
    void salirGuardaYRegresaAlAval()
    {
        Entorno e(true);
        filaGuardada();
        QWidget *w = predial(e);
        QCOMPARE(caption(w), QStringLiteral("Salir"));
        QVERIFY(habilitado(w, "Btn_Direccion"));
        QVERIFY(habilitado(w, "Btn_DirTraAval"));
        QCOMPARE(texto(w, "E_Cta_Predial"), QStringLiteral("CP-1"));
        QCOMPARE(texto(w, "ME_anios").trimmed(), QStringLiteral("7"));
        escribe(w, "E_Puesto", QStringLiteral("jefe de área"));
        escribe(w, "ME_FecIngreso", QStringLiteral("01021992"));
        pulsa(w, "Btn_Guardar");
        QApplication::processEvents();
        QVERIFY(e.dialogos().textos().isEmpty());
        QCOMPARE(Entorno::cuenta(QStringLiteral("Aval")), 1);
        const QVariantList f = aval().value(0);
        QCOMPARE(f.value(7).toString(), QStringLiteral("JEFE DE ÁREA"));
        QCOMPARE(f.value(9).toString(), QStringLiteral("01/02/1992"));
        QCOMPARE(f.value(12).toString(), QStringLiteral("BECA X"));
        QCOMPARE(f.value(13).toInt(), 900);
        QVERIFY(!ventana("W_Predial"));
        QWidget *d = ventana("W_Dependiente");
        QVERIFY(d);
        QCOMPARE(Tipo_Actual, QStringLiteral("AVA"));
        QCOMPARE(etiqueta(d, "L_Dependiente"), QStringLiteral("Datos del Aval"));
    }

    // "Salir" que no puede guardar deja la ventana abierta, sin aviso, y no cambia la tabla.
    void salirQueFallaSeQueda()
    {
        Entorno e(true);
        filaGuardada();
        const auto antes = aval();
        QWidget *w = predial(e);
        escribe(w, "E_Empresa", QStringLiteral("otra"));
        escribe(w, "ME_anios", QString());
        pulsa(w, "Btn_Guardar");
        QApplication::processEvents();
        QCOMPARE(ventana("W_Predial"), w);
        QCOMPARE(e.dialogos().textos(), QStringList());
        QCOMPARE(aval(), antes);
    }

    // Una fila con sólo datos laborales (o sólo los años) se actualiza: nunca se intenta insertar
    // otra fila 1, que fallaría en cada guardado.
    void filaSinPredioSeActualiza_data()
    {
        QTest::addColumn<QString>("empresa");
        QTest::addColumn<QString>("boton");      // el habilitado al abrir
        QTest::addColumn<QString>("esperado");   // leyenda del botón al abrir
        QTest::newRow("sólo laborales") << "ACME" << "Btn_DirTraAval" << "Salir";
        QTest::newRow("sólo los años") << "" << "" << "Guardar";
    }
    void filaSinPredioSeActualiza()
    {
        QFETCH(QString, empresa);
        QFETCH(QString, boton);
        QFETCH(QString, esperado);
        Entorno e(true);
        filaGuardada(QString(), empresa);
        QWidget *w = predial(e);
        QCOMPARE(caption(w), esperado);
        QVERIFY(!habilitado(w, "Btn_Direccion"));
        QCOMPARE(habilitado(w, "Btn_DirTraAval"), boton == u"Btn_DirTraAval");
        escribe(w, "E_Cta_Predial", QStringLiteral("cp-9"));
        pulsa(w, "Btn_Guardar");
        QApplication::processEvents();
        QVERIFY(e.dialogos().textos().isEmpty());
        QCOMPARE(Entorno::cuenta(QStringLiteral("Aval")), 1);
        QCOMPARE(Entorno::valor(QStringLiteral("Select Cta_Predial From Aval")).toString(), QStringLiteral("CP-9"));
    }

    // Al salir de una fecha: la que no existe se vuelve hoy; la que el programa no acepta avisa
    // y se queda; la vacía queda vacía.
    void fechaAlSalir_data()
    {
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("tecleado");
        QTest::addColumn<QString>("queda");
        QTest::addColumn<QStringList>("mensajes");
        const QStringList ninguno;
        for (const char *c : {"ME_Fecha", "ME_FecIngreso"}) {
            const QString n = QLatin1String(c);
            QTest::newRow(qPrintable(n + QStringLiteral(" válida"))) << n << "01021992" << "01/02/1992" << ninguno;
            QTest::newRow(qPrintable(n + QStringLiteral(" 31 de febrero"))) << n << "31021992" << "15/03/2004" << ninguno;
            QTest::newRow(qPrintable(n + QStringLiteral(" año 2030"))) << n << "01012030" << "01/01/2030"
                << QStringList{QStringLiteral("La fecha que ingreso tiene un error en el año, el sistema no tiene contemplado el "
                                              "año Es permitido de 1900 a 2020")};
            QTest::newRow(qPrintable(n + QStringLiteral(" vacía"))) << n << "" << "  /  /    " << ninguno;
        }
    }
    void fechaAlSalir()
    {
        QFETCH(QString, campo);
        QFETCH(QString, tecleado);
        QFETCH(QString, queda);
        QFETCH(QStringList, mensajes);
        Entorno e(true);
        QWidget *w = predial(e);
        const QByteArray c = campo.toLatin1();
        escribe(w, c.constData(), tecleado);
        sal(w, c.constData());
        QCOMPARE(texto(w, c.constData()), queda);
        QCOMPARE(e.dialogos().textos(), mensajes);
    }

    // Los botones de domicilio abren el del predio o el del trabajo sin guardar; al guardar el
    // domicilio vuelve el predio, y cerrarlo entonces ya no regresa al aval.
    void domicilios_data()
    {
        QTest::addColumn<QString>("boton");
        QTest::addColumn<QString>("tipo");
        QTest::addColumn<QString>("encabezado");
        QTest::newRow("predio") << "Btn_Direccion" << "AVP" << "Domicilio de predio";
        QTest::newRow("trabajo") << "Btn_DirTraAval" << "AVT" << "Domicilio laboral del aval";
    }
    void domicilios()
    {
        QFETCH(QString, boton);
        QFETCH(QString, tipo);
        QFETCH(QString, encabezado);
        Entorno e(true);
        Entorno::sql(QStringLiteral("Insert into Persona (Clave,Nombre_1,Tipo) values (4,'AVAL','AVA')"));
        filaGuardada(QStringLiteral("CP-1"), QStringLiteral("ACME"));
        QWidget *w = predial(e);
        escribe(w, "E_Folio", QStringLiteral("no se guarda"));
        pulsa(w, boton.toLatin1().constData());
        QApplication::processEvents();
        QVERIFY(!ventana("W_Predial"));
        QVERIFY(!ventana("W_Dependiente"));
        QCOMPARE(Tipo_Actual, tipo);
        QCOMPARE(Entorno::valor(QStringLiteral("Select Folio From Aval")).toString(), QString());
        QWidget *d = ventana("W_DirAct");
        QVERIFY(d);
        QCOMPARE(etiqueta(d, "L_DirTipo"), encabezado);
        escribe(d, "Calle", QStringLiteral("pino"));
        pulsa(d, "Btn_Sig");
        QApplication::processEvents();
        QCOMPARE(Entorno::valor(QStringLiteral("Select Persona_clave From Domicilio Where Tipo=:t"), {{QStringLiteral("t"), tipo}}).toInt(), 4);
        QWidget *p = ventana("W_Predial");
        QVERIFY(p);
        QCOMPARE(texto(p, "E_Cta_Predial"), QStringLiteral("CP-1"));
        p->parentWidget()->close();
        QApplication::processEvents();
        QVERIFY(!ventana("W_Predial"));
        QVERIFY(!ventana("W_Dependiente"));
    }

    // Desde el aval, "Predio" abre esta ventana y cierra la del aval; al cerrarla se vuelve a él.
    void idaYVueltaDesdeElAval()
    {
        Entorno e(true);
        Entorno::sql(QStringLiteral("Insert into Persona (Clave,Nombre_1,Fec_nac,Tipo,Edo_civil) values (4,'AVAL','31/12/1960','AVA','C')"));
        marco(e);
        QWidget *d = abre(QStringLiteral("W_Dependiente"), QStringLiteral("AVA"));
        pulsa(d, "Btn_Predio");
        QApplication::processEvents();
        QVERIFY(!ventana("W_Dependiente"));
        QWidget *w = ventana("W_Predial");
        QVERIFY(w);
        w->parentWidget()->close();
        QApplication::processEvents();
        d = ventana("W_Dependiente");
        QVERIFY(d);
        QCOMPARE(texto(d, "Nombre_1"), QStringLiteral("AVAL"));
        QCOMPARE(Entorno::cuenta(QStringLiteral("Aval")), 0);   // cerrar no guarda
    }
};

REGISTRA_PRUEBA(PruebaPredial)
#include "PruebaPredial.moc"
