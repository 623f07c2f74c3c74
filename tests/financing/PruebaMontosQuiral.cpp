#include "financing/QuiralMontos.h"
#include "platform/Edits.h"
#include "shell/U_inicial.h"
#include "shell/Ventana.h"
#include "support/Entorno.h"
#include "support/Pruebas.h"

#include <QApplication>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>

namespace {

void procesa()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// Marco a la vista y fila del aval como la deja la captura del predio.
void prepara(Entorno &e, bool conAval = true)
{
    e.inicial()->show();
    procesa();
    if (conAval)
        Entorno::sql(QStringLiteral("Insert into Aval (Clave,Tipo) values (1,'AVA')"));
}

TW_MontosQuiral *abre()
{
    auto *w = qobject_cast<TW_MontosQuiral *>(W_Inicial()->Abre_Forma(QStringLiteral("W_MontosQuiral")));
    procesa();
    return w;
}

TW_MontosQuiral *abierta()
{
    return qobject_cast<TW_MontosQuiral *>(W_Inicial()->Forma(QStringLiteral("W_MontosQuiral")));
}

void teclea(QLineEdit *e, const QString &texto)
{
    e->clear();
    e->setCursorPosition(0);
    Pruebas::escribe(e, texto);
}

void linea(int clave, int numero, const QString &concepto, int monto, const QString &tipo)
{
    Entorno::sql(QStringLiteral("Insert into MontosQuiral values (:k,:n,:c,:m,:t)"),
                 {{QStringLiteral("k"), clave},
                  {QStringLiteral("n"), numero},
                  {QStringLiteral("c"), concepto},
                  {QStringLiteral("m"), monto},
                  {QStringLiteral("t"), tipo}});
}

// Filas de una sección: Clave, Consecutivo, Concepto, Monto.
QList<QVariantList> lineas(const QString &tipo)
{
    return Entorno::filas(QStringLiteral("Select Clave,Consecutivo,Concepto,Monto From MontosQuiral Where Tipo='%1' "
                                         "Order by Consecutivo,Clave").arg(tipo));
}

QVariantList aval()
{
    return Entorno::filas(QStringLiteral("Select Nombre_A,Nombre_B,MontoMensual From Aval")).value(0);
}

// Controles de una sección, para que cada caso corra igual en A y en B.
struct Seccion {
    QLineEdit *nombre;
    QSpinBox *num;
    QLineEdit *concepto;
    EditMascara *importe;
};

Seccion seccion(TW_MontosQuiral *w, const QString &tipo)
{
    if (tipo == QStringLiteral("A"))
        return {w->E_TipoA, w->Num_A, w->E_Conceptos, w->ME_Importes};
    return {w->E_TipoB, w->Num_B, w->E_ConceptosB, w->ME_ImportesB};
}

} // namespace

class PruebaMontosQuiral : public QObject {
    Q_OBJECT
private slots:
    void secciones_data()
    {
        QTest::addColumn<QString>("tipo");
        QTest::newRow("A") << QStringLiteral("A");
        QTest::newRow("B") << QStringLiteral("B");
    }

    // Sin nombre, el selector vuelve a 0 y los campos siguen apagados; nada se escribe.
    void sinNombreNoHayLineas_data() { secciones_data(); }
    void sinNombreNoHayLineas()
    {
        QFETCH(QString, tipo);
        Entorno e(true);
        prepara(e);
        linea(1, 1, QStringLiteral("GUARDADA"), 10, tipo);
        TW_MontosQuiral *w = abre();
        QVERIFY(w);
        const Seccion s = seccion(w, tipo);
        QCOMPARE(s.num->value(), 0);   // hay línea 1, pero sin nombre no se muestra
        QCOMPARE(s.concepto->text(), QString());
        s.num->setValue(3);
        QCOMPARE(s.num->value(), 0);
        QVERIFY(!s.concepto->isEnabled());
        QVERIFY(!s.importe->isEnabled());
        teclea(s.nombre, QStringLiteral("   "));
        s.num->setValue(1);
        QCOMPARE(s.num->value(), 0);
        QVERIFY(e.dialogos().textos().isEmpty());
        QCOMPARE(Entorno::cuenta(QStringLiteral("MontosQuiral")), 1);
    }

    // Línea 1 escrita y dejada: se inserta; volver a ella la muestra; cambiarla la actualiza.
    void insertaMuestraYActualiza_data() { secciones_data(); }
    void insertaMuestraYActualiza()
    {
        QFETCH(QString, tipo);
        Entorno e(true);
        prepara(e);
        linea(7, 1, QStringLiteral("DE LA OTRA SECCION"), 5, tipo == QStringLiteral("A") ? QStringLiteral("B") : QStringLiteral("A"));
        TW_MontosQuiral *w = abre();
        const Seccion s = seccion(w, tipo);
        teclea(s.nombre, QStringLiteral("fundación o'gorman"));
        s.num->setValue(1);
        QVERIFY(s.concepto->isEnabled());
        QVERIFY(s.importe->isEnabled());
        teclea(s.concepto, QStringLiteral("colegiatura 'anual'"));
        teclea(s.importe, QStringLiteral("45000"));
        s.num->setValue(2);
        QCOMPARE(lineas(tipo), (QList<QVariantList>{{8, 1, "COLEGIATURA 'ANUAL'", 45000}}));
        QCOMPARE(aval().value(tipo == QStringLiteral("A") ? 0 : 1).toString(), QStringLiteral("FUNDACIÓN O'GORMAN"));
        QCOMPARE(s.concepto->text(), QString());
        s.num->setValue(1);
        QCOMPARE(s.concepto->text(), QStringLiteral("COLEGIATURA 'ANUAL'"));
        QCOMPARE(s.importe->texto().trimmed(), QStringLiteral("45000"));
        teclea(s.importe, QStringLiteral("00047000"));
        s.num->setValue(0);
        QVERIFY(!s.concepto->isEnabled());
        QCOMPARE(lineas(tipo), (QList<QVariantList>{{8, 1, "COLEGIATURA 'ANUAL'", 47000}}));
        QCOMPARE(Entorno::cuenta(QStringLiteral("MontosQuiral")), 2);
        QVERIFY(e.dialogos().textos().isEmpty());
    }

    // Una línea a medias o con un importe ilegible no se guarda: aviso, el selector se queda en
    // ella y lo escrito sigue ahí. Una línea en blanco no se guarda ni avisa.
    void lineasQueNoSeGuardan_data()
    {
        QTest::addColumn<QString>("tipo");
        QTest::addColumn<QString>("concepto");
        QTest::addColumn<QString>("importe");
        QTest::addColumn<QString>("aviso");
        const QString medias = QStringLiteral("Para guardar la línea 2 de la sección %1 escriba su concepto y su importe");
        const QString ilegible = QStringLiteral("El importe de la línea 2 de la sección %1 no es válido: escriba sólo "
                                                "dígitos, sin blancos entre ellos");
        for (const char *t : {"A", "B"}) {
            const QString tipo = QLatin1String(t);
            QTest::addRow("%s concepto sin importe", t) << tipo << "LIBROS" << "" << medias.arg(tipo);
            QTest::addRow("%s importe sin concepto", t) << tipo << "  " << "300" << medias.arg(tipo);
            QTest::addRow("%s blanco entre dígitos", t) << tipo << "LIBROS" << "12 4" << ilegible.arg(tipo);
            QTest::addRow("%s en blanco", t) << tipo << "" << "" << "";
        }
    }
    void lineasQueNoSeGuardan()
    {
        QFETCH(QString, tipo);
        QFETCH(QString, concepto);
        QFETCH(QString, importe);
        QFETCH(QString, aviso);
        Entorno e(true);
        prepara(e);
        Entorno::sql(QStringLiteral("Update Aval Set Nombre_A='BECA',Nombre_B='FAMILIA',MontoMensual=900"));
        linea(1, 1, QStringLiteral("UNO"), 1, tipo);
        linea(2, 2, QStringLiteral("DOS"), 2, tipo);
        TW_MontosQuiral *w = abre();
        const Seccion s = seccion(w, tipo);
        s.num->setValue(2);
        teclea(s.concepto, concepto);
        s.importe->ponTexto(importe);
        s.num->setValue(3);
        QCOMPARE(lineas(tipo), (QList<QVariantList>{{1, 1, "UNO", 1}, {2, 2, "DOS", 2}}));
        if (aviso.isEmpty()) {
            QVERIFY(e.dialogos().textos().isEmpty());
            QCOMPARE(s.num->value(), 3);
            return;
        }
        QCOMPARE(e.dialogos().textos(), QStringList{aviso});
        QCOMPARE(s.num->value(), 2);
        QCOMPARE(s.concepto->text(), concepto);
        QCOMPARE(s.importe->texto().trimmed(), importe);
        // Tampoco "Guardar" la deja atrás.
        w->Btn_Guardar->click();
        procesa();
        QCOMPARE(abierta(), w);
        QCOMPARE(lineas(tipo).size(), 2);
    }

    // Las líneas se buscan por su número: con un hueco (1 y 3) la 2 sale vacía y se inserta con
    // el número 2, y escribir la 3 no toca ninguna otra. Dos filas con el mismo número (datos
    // viejos): sólo la primera se muestra y se escribe.
    void lineasPorNumero()
    {
        Entorno e(true);
        prepara(e);
        Entorno::sql(QStringLiteral("Update Aval Set Nombre_A='BECA'"));
        linea(1, 1, QStringLiteral("UNO"), 100, QStringLiteral("A"));
        linea(2, 3, QStringLiteral("TRES"), 300, QStringLiteral("A"));
        linea(3, 5, QStringLiteral("CINCO"), 500, QStringLiteral("A"));
        linea(4, 5, QStringLiteral("CINCO BIS"), 501, QStringLiteral("A"));
        TW_MontosQuiral *w = abre();
        QCOMPARE(w->Num_A->value(), 1);
        QCOMPARE(w->E_Conceptos->text(), QStringLiteral("UNO"));
        w->Num_A->setValue(2);
        QCOMPARE(w->E_Conceptos->text(), QString());
        teclea(w->E_Conceptos, QStringLiteral("DOS"));
        teclea(w->ME_Importes, QStringLiteral("200"));
        w->Num_A->setValue(3);
        QCOMPARE(w->E_Conceptos->text(), QStringLiteral("TRES"));
        QCOMPARE(w->ME_Importes->texto().trimmed(), QStringLiteral("300"));
        teclea(w->ME_Importes, QStringLiteral("333"));
        w->Num_A->setValue(5);
        QCOMPARE(w->E_Conceptos->text(), QStringLiteral("CINCO"));
        teclea(w->E_Conceptos, QStringLiteral("CINCO NUEVO"));
        w->Num_A->setValue(4);
        QCOMPARE(w->E_Conceptos->text(), QString());
        QCOMPARE(lineas(QStringLiteral("A")),
                 (QList<QVariantList>{{1, 1, "UNO", 100}, {5, 2, "DOS", 200}, {2, 3, "TRES", 333},
                                      {3, 5, "CINCO NUEVO", 500}, {4, 5, "CINCO BIS", 501}}));
        // La línea 4 se mostró vacía, pero alguien la guardó entretanto: se escribe sobre ella,
        // no se agrega otra con el mismo número.
        linea(9, 4, QStringLiteral("CUATRO"), 400, QStringLiteral("A"));
        teclea(w->E_Conceptos, QStringLiteral("CUATRO NUEVO"));
        teclea(w->ME_Importes, QStringLiteral("404"));
        w->Num_A->setValue(1);
        QCOMPARE(Entorno::filas(QStringLiteral("Select Clave,Concepto,Monto From MontosQuiral Where Consecutivo=4")),
                 (QList<QVariantList>{{9, "CUATRO NUEVO", 404}}));
    }

    // Sueldo mensual en blanco vale 0; con un blanco entre dígitos no se guarda nada.
    void sueldoMensual_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QVariant>("guardado");
        QTest::addColumn<bool>("cierra");
        QTest::newRow("en blanco") << "" << QVariant(0) << true;
        QTest::newRow("cero") << "0" << QVariant(0) << true;
        QTest::newRow("ocho dígitos") << "99999999" << QVariant(99999999) << true;
        QTest::newRow("blanco en medio") << "15 0" << QVariant() << false;
    }
    void sueldoMensual()
    {
        QFETCH(QString, texto);
        QFETCH(QVariant, guardado);
        QFETCH(bool, cierra);
        Entorno e(true);
        prepara(e);
        Entorno::sql(QStringLiteral("Update Aval Set MontoMensual=1234"));
        TW_MontosQuiral *w = abre();
        QCOMPARE(w->ME_TipoC->texto().trimmed(), QStringLiteral("1234"));
        w->ME_TipoC->ponTexto(texto);
        teclea(w->E_TipoA, QStringLiteral("BECA"));
        w->Btn_Guardar->click();
        procesa();
        QCOMPARE(abierta() == nullptr, cierra);
        if (cierra) {
            QVERIFY(e.dialogos().textos().isEmpty());
            QCOMPARE(aval(), (QVariantList{"BECA", "", guardado}));
        } else {
            QCOMPARE(e.dialogos().textos(),
                     QStringList{QStringLiteral("La cantidad mensual no es válida: escriba sólo dígitos, sin blancos entre ellos")});
            QVERIFY(aval().value(0).isNull());
            QCOMPARE(aval().value(2).toInt(), 1234);
            // Mover una línea tampoco escribe nada mientras el sueldo no se lea.
            w->Num_A->setValue(1);
            teclea(w->E_Conceptos, QStringLiteral("LIBROS"));
            teclea(w->ME_Importes, QStringLiteral("50"));
            w->Num_A->setValue(2);
            QCOMPARE(w->Num_A->value(), 1);
            QCOMPARE(Entorno::cuenta(QStringLiteral("MontosQuiral")), 0);
        }
    }

    // "Guardar" escribe nombres, sueldo y la línea a la vista de cada sección, y cierra; al
    // volver a abrir se ve lo guardado.
    void guardarYVolver()
    {
        Entorno e(true);
        prepara(e);
        TW_MontosQuiral *w = abre();
        teclea(w->E_TipoA, QStringLiteral("talvero"));
        w->Num_A->setValue(1);
        teclea(w->E_Conceptos, QStringLiteral("manutención"));
        teclea(w->ME_Importes, QStringLiteral("12000"));
        teclea(w->E_TipoB, QStringLiteral("mis padres"));
        w->Num_B->setValue(1);
        teclea(w->E_ConceptosB, QStringLiteral("pasajes"));
        teclea(w->ME_ImportesB, QStringLiteral("8000"));
        teclea(w->ME_TipoC, QStringLiteral("15000"));
        w->Btn_Guardar->click();
        procesa();
        QVERIFY(!abierta());
        QCOMPARE(aval(), (QVariantList{"TALVERO", "MIS PADRES", 15000}));
        QCOMPARE(lineas(QStringLiteral("A")), (QList<QVariantList>{{1, 1, "MANUTENCIÓN", 12000}}));
        QCOMPARE(lineas(QStringLiteral("B")), (QList<QVariantList>{{2, 1, "PASAJES", 8000}}));
        w = abre();
        QCOMPARE(w->E_TipoA->text(), QStringLiteral("TALVERO"));
        QCOMPARE(w->Num_A->value(), 1);
        QCOMPARE(w->E_Conceptos->text(), QStringLiteral("MANUTENCIÓN"));
        QVERIFY(w->E_Conceptos->isEnabled());
        QCOMPARE(w->Num_B->value(), 1);
        QCOMPARE(w->ME_ImportesB->texto().trimmed(), QStringLiteral("8000"));
        // Guardar otra vez sin cambios no duplica nada; cerrar sin guardar no escribe.
        w->Btn_Guardar->click();
        procesa();
        QCOMPARE(Entorno::cuenta(QStringLiteral("MontosQuiral")), 2);
        w = abre();
        teclea(w->E_TipoA, QStringLiteral("OTRO"));
        static_cast<Ventana *>(w)->cierraVentana();
        procesa();
        QCOMPARE(aval().value(0).toString(), QStringLiteral("TALVERO"));
    }

    // Una línea sin nombre de sección no se pierde sin aviso: se pide el nombre.
    void lineaEscritaSinNombre()
    {
        Entorno e(true);
        prepara(e);
        Entorno::sql(QStringLiteral("Update Aval Set Nombre_B='FAMILIA'"));
        TW_MontosQuiral *w = abre();
        w->Num_B->setValue(1);
        teclea(w->E_ConceptosB, QStringLiteral("RENTA"));
        teclea(w->ME_ImportesB, QStringLiteral("700"));
        w->E_TipoB->clear();
        w->Num_B->setValue(2);
        QCOMPARE(w->Num_B->value(), 1);
        w->Btn_Guardar->click();
        procesa();
        const QString aviso = QStringLiteral("Escriba la fuente de la aportación antes de capturar sus conceptos");
        QCOMPARE(e.dialogos().textos(), (QStringList{aviso, aviso}));
        QCOMPARE(abierta(), w);
        QCOMPARE(w->E_ConceptosB->text(), QStringLiteral("RENTA"));
        QCOMPARE(aval().value(1).toString(), QStringLiteral("FAMILIA"));
        QCOMPARE(Entorno::cuenta(QStringLiteral("MontosQuiral")), 0);
    }

    // Si la base rechaza una línea, no queda nada a medias: ni nombres ni líneas.
    void fallaDeLaBase()
    {
        Entorno e(true);
        prepara(e);
        Entorno::sql(QStringLiteral("Update Aval Set Nombre_A='ANTES'"));
        Entorno::sql(QStringLiteral("Create Trigger rechaza Before Insert On MontosQuiral When new.Tipo='B' "
                                    "Begin Select Raise(Abort,'rechazada'); End"));
        TW_MontosQuiral *w = abre();
        teclea(w->E_TipoA, QStringLiteral("DESPUES"));
        w->Num_A->setValue(1);
        teclea(w->E_Conceptos, QStringLiteral("UNO"));
        teclea(w->ME_Importes, QStringLiteral("1"));
        teclea(w->E_TipoB, QStringLiteral("FUENTE"));
        w->Num_B->setValue(1);
        teclea(w->E_ConceptosB, QStringLiteral("DOS"));
        teclea(w->ME_ImportesB, QStringLiteral("2"));
        w->Btn_Guardar->click();
        procesa();
        QCOMPARE(e.dialogos().textos(), QStringList{QStringLiteral("No se pudo Guardar la información")});
        QCOMPARE(e.dialogos().mostrados().front().icono, Dialogos::Icono::Informacion);
        QCOMPARE(abierta(), w);
        QCOMPARE(aval().value(0).toString(), QStringLiteral("ANTES"));
        QVERIFY(aval().value(1).isNull());
        QVERIFY(aval().value(2).isNull());
        QCOMPARE(Entorno::cuenta(QStringLiteral("MontosQuiral")), 0);
        // Al mover su selector la sección B tampoco avanza.
        w->Num_B->setValue(2);
        QCOMPARE(w->Num_B->value(), 1);
        QCOMPARE(w->E_ConceptosB->text(), QStringLiteral("DOS"));
    }

    // Abierta sin fila de aval: "Guardar" no finge guardar.
    void sinFilaDeAval()
    {
        Entorno e(true);
        prepara(e, false);
        TW_MontosQuiral *w = abre();
        QVERIFY(!w->avalEncontrado());
        teclea(w->E_TipoA, QStringLiteral("BECA"));
        w->Btn_Guardar->click();
        procesa();
        QCOMPARE(e.dialogos().textos(), QStringList{QStringLiteral("Primero debe llenar los datos referentes al aval")});
        QCOMPARE(abierta(), w);
        QCOMPARE(Entorno::cuenta(QStringLiteral("Aval")), 0);
    }

    // Desde el marco sólo se llega con convocatoria y aval, y su botón no se ve.
    void accesoDesdeElMarco_data()
    {
        QTest::addColumn<int>("convocatoria");
        QTest::addColumn<bool>("conAval");
        QTest::addColumn<QString>("aviso");
        QTest::newRow("sin convocatoria") << 0 << true << "Debe de elegir primero la convocatoria en datos generales";
        QTest::newRow("sin aval") << 6 << false << "Primero debe llenar los datos referentes al aval";
        QTest::newRow("abre") << 6 << true << "";
    }
    void accesoDesdeElMarco()
    {
        QFETCH(int, convocatoria);
        QFETCH(bool, conAval);
        QFETCH(QString, aviso);
        Entorno e(true);
        prepara(e, conAval);
        Entorno::sql(QStringLiteral("Insert into General (Clave,Convocatoria) values (1,:c)"), {{QStringLiteral("c"), convocatoria}});
        auto *boton = e.inicial()->findChild<QToolButton *>(QStringLiteral("SB_Montos"));
        QVERIFY(boton);
        QVERIFY(!boton->isEnabled());
        QVERIFY(!boton->isVisible());
        e.inicial()->SB_MontosClick();
        procesa();
        QCOMPARE(e.dialogos().textos(), aviso.isEmpty() ? QStringList() : QStringList{aviso});
        QCOMPARE(abierta() != nullptr, aviso.isEmpty());
        if (abierta())
            QCOMPARE(abierta()->windowTitle(), QStringLiteral("Informacion relativa al Financiamiento"));
    }
};

REGISTRA_PRUEBA(PruebaMontosQuiral)
#include "PruebaMontosQuiral.moc"
