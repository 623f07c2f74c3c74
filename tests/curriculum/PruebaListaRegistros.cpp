// La lista de registros, probada una vez sobre una instancia propia de la prueba: cada caso
// parte de unas filas guardadas, abre la lista, sigue un guion de acciones del usuario y
// compara la tabla y lo que queda en pantalla.
#include "curriculum/ListaRegistros.h"
#include "platform/Edits.h"
#include "support/Entorno.h"
#include "support/Pruebas.h"

#include <QSpinBox>

using CamposVitae::Clase;

namespace {
struct Banco {
    QWidget ventana;
    QSpinBox *sel = new QSpinBox(&ventana);
    EditMayusculas *lugar = new EditMayusculas(&ventana);
    EditMayusculas *grado = new EditMayusculas(&ventana);
    EditMascara *meses = new EditMascara(QStringLiteral("!999;1;_"), &ventana);
    EditMascara *fecha = new EditMascara(QString::fromLatin1(EditMascara::kFecha), &ventana);
    Consulta aux;
    ListaRegistros *lista = nullptr;

    Banco()
    {
        sel->setRange(0, 5);
        for (QWidget *w : std::initializer_list<QWidget *>{lugar, grado, meses})
            w->setEnabled(false);   // como en las ventanas: sólo la fecha empieza habilitada
        lista = new ListaRegistros(sel,
                                   {QStringLiteral("Trabajo"), QStringLiteral("Tipo"), QStringLiteral("PRB"),
                                    {{lugar, QStringLiteral("Lugar"), Clase::Texto, true},
                                     {grado, QStringLiteral("Grado"), Clase::Texto, true},
                                     {meses, QStringLiteral("Meses"), Clase::Entero, true},
                                     {fecha, QStringLiteral("Fecha_1"), Clase::Fecha, false, false, false}},
                                    grado},
                                   aux, &ventana);
    }

    // "3" mueve el selector; "L=…", "G=…", "M=…", "F=…" escriben en un campo; "borra", "guarda".
    void sigue(const QString &guion)
    {
        for (const QString &paso : guion.split(u';', Qt::SkipEmptyParts)) {
            bool esNumero = false;
            const int n = paso.toInt(&esNumero);
            if (esNumero)
                sel->setValue(n);
            else if (paso == QStringLiteral("borra"))
                lista->borra();
            else if (paso == QStringLiteral("guarda"))
                lista->guardaActual();
            else {
                const QString v = paso.mid(2);
                switch (paso.at(0).unicode()) {
                case u'L': lugar->setText(v); break;
                case u'G': grado->setText(v); break;
                case u'M': meses->ponTexto(v); break;
                case u'F': fecha->ponTexto(v); break;
                default: QFAIL(qPrintable(QStringLiteral("paso desconocido: ") + paso));
                }
            }
        }
    }
};

// Filas de la lista como "secuencia:Lugar:Fecha_1", en orden de número y de alta.
QString filas()
{
    QStringList r;
    for (const QVariantList &f : Entorno::filas(QStringLiteral("Select secuencia,Lugar,Fecha_1 From Trabajo Where Tipo='PRB' Order by secuencia,Clave")))
        r << QStringLiteral("%1:%2:%3").arg(f[0].toString(), f[1].toString(), f[2].toString());
    return r.join(u',');
}
} // namespace

class PruebaListaRegistros : public QObject {
    Q_OBJECT
private slots:
    void guion_data()
    {
        QTest::addColumn<QString>("guardadas");   // "secuencia:LUGAR[:fecha]" separadas por coma
        QTest::addColumn<QString>("guion");
        QTest::addColumn<QString>("esperadas");
        QTest::addColumn<int>("selector");
        QTest::addColumn<QString>("lugar");
        QTest::addColumn<QString>("fecha");
        QTest::addColumn<QStringList>("mensajes");

        const QString incompleto = QStringLiteral("No ha capturado la informacion de manera completa");
        const QString hueco = QStringLiteral("  /  /    ");

        QTest::newRow("abrir sin filas deja el selector en 0") << "" << "" << "" << 0 << "" << hueco << QStringList();
        QTest::newRow("abrir con el registro 1 lo muestra") << "1:A:02/03/2001,2:B" << "" << "1:A:02/03/2001,2:B:" << 1 << "A"
                                                          << "02/03/2001" << QStringList();
        QTest::newRow("de 0 a 1 nunca guarda") << "" << "L=X;G=Y;M=1;1;0" << "" << 0 << "" << hueco << QStringList();
        QTest::newRow("alta numerada por el selector") << "" << "3;L=ALFA;G=G;M=2;0;1" << "3:ALFA:" << 1 << "ALFA" << hueco
                                                       << QStringList();
        QTest::newRow("una actualización renumera a la posición") << "1:A,3:B" << "2;L=BB;1" << "1:A:,2:BB:" << 1 << "A" << hueco
                                                                  << QStringList();
        QTest::newRow("volver y salir actualiza por la clave") << "" << "1;L=A;G=G;M=1;2;1;L=AA;2" << "1:AA:" << 2 << "" << hueco
                                                               << QStringList();
        QTest::newRow("incompleto con algo escrito: avisa y se queda") << "" << "1;L=A;M=1;2" << "" << 1 << "A" << hueco
                                                                      << QStringList{incompleto};
        QTest::newRow("vacío: se deja sin aviso") << "" << "1;2" << "" << 2 << "" << hueco << QStringList();
        QTest::newRow("una comilla se guarda como se escribe") << "" << "1;L=O'HARA;G=G;M=1;0" << "1:O'HARA:" << 0 << "" << hueco
                                                               << QStringList();
        QTest::newRow("fecha en blanco se guarda nula") << "" << "1;L=A;G=G;M=1;F=  /  /    ;0" << "1:A:" << 0 << "" << hueco
                                                        << QStringList();
        QTest::newRow("fecha real se guarda") << "" << "1;L=A;G=G;M=1;F=28/02/2003;0" << "1:A:28/02/2003" << 0 << ""
                                              << "28/02/2003" << QStringList();
        QTest::newRow("fecha imposible detiene y conserva lo escrito")
            << "1:A:01/01/2001" << "L=B;F=31/02/2003;2" << "1:A:01/01/2001" << 1 << "B" << "31/02/2003"
            << QStringList{QStringLiteral("La fecha que ingreso tiene un error en el día, es necesario que sean dos digitos en el dia")};
        QTest::newRow("fecha incompleta detiene con mensaje propio")
            << "" << "1;L=A;G=G;M=1;F=12/  /2003;2" << "" << 1 << "A" << "12/  /2003"
            << QStringList{QStringLiteral("La fecha que ingreso no es válida, es necesario que sea dd/mm/aaaa")};
        QTest::newRow("corregida la fecha, se guarda") << "" << "1;L=A;G=G;M=1;F=31/02/2003;2;F=01/03/2003;2" << "1:A:01/03/2003" << 2
                                                       << "" << "01/03/2003"
                                                       << QStringList{QStringLiteral("La fecha que ingreso tiene un error en el día, es necesario que sean dos digitos en el dia")};
        QTest::newRow("la fecha se conserva al pasar a uno nuevo") << "1:A:05/06/2002" << "2" << "1:A:05/06/2002" << 2 << ""
                                                                   << "05/06/2002" << QStringList();
        QTest::newRow("sin fecha guardada el campo conserva su texto") << "1:A:05/06/2002,2:B" << "2" << "1:A:05/06/2002,2:B:" << 2
                                                                       << "B" << "05/06/2002" << QStringList();
        QTest::newRow("rechazo de la base: mensaje y sigue") << "" << "1;L=FALLA;G=G;M=1;2" << "" << 2 << "" << hueco
                                                             << QStringList{incompleto};
        QTest::newRow("número no convertible: mensaje y sigue") << "" << "1;L=A;G=G;M=1 2;2" << "" << 2 << "" << hueco
                                                                << QStringList{incompleto};
        QTest::newRow("borrar y mostrar el mismo número") << "1:A,2:B,3:C" << "2;borra" << "1:A:,3:C:" << 2 << "C" << hueco
                                                          << QStringList();
        QTest::newRow("tras borrar, salir renumera") << "1:A,2:B,3:C" << "2;borra;1" << "1:A:,2:C:" << 1 << "A" << hueco
                                                     << QStringList();
        QTest::newRow("tras un hueco se borra la fila mostrada") << "1:A,3:C" << "2;borra" << "1:A:" << 2 << "" << hueco
                                                                 << QStringList();
        QTest::newRow("borrar un registro nuevo no toca otros") << "1:A,3:C" << "3;borra" << "1:A:,3:C:" << 3 << "" << hueco
                                                                << QStringList();
        QTest::newRow("números repetidos: se borra sólo el mostrado")
            << "1:A,3:C" << "3;L=D;G=G;M=1;1;3;borra" << "1:A:,3:C:" << 3 << "" << hueco << QStringList();
        QTest::newRow("borrar en 0 no hace nada") << "1:A" << "0;borra" << "1:A:" << 0 << "" << hueco << QStringList();
        QTest::newRow("borrar el único y escribir otro lo inserta") << "1:A" << "borra;L=N;G=G;M=1;0" << "1:N:" << 0 << "" << hueco
                                                                    << QStringList();
        QTest::newRow("guardar todo guarda el registro en pantalla") << "" << "2;L=A;G=G;M=1;guarda" << "2:A:" << 2 << "" << hueco
                                                                     << QStringList();
    }

    void guion()
    {
        QFETCH(QString, guardadas);
        QFETCH(QString, guion);
        QFETCH(QString, esperadas);
        QFETCH(int, selector);
        QFETCH(QString, lugar);
        QFETCH(QString, fecha);
        QFETCH(QStringList, mensajes);

        Entorno e(true);
        int clave = 100;
        for (const QString &f : guardadas.split(u',', Qt::SkipEmptyParts)) {
            const QStringList p = f.split(u':');
            Entorno::sql(QStringLiteral("Insert into Trabajo (Clave,Tipo,Lugar,Grado,Meses,Fecha_1,secuencia) values (:c,'PRB',:l,'G',1,:f,:s)"),
                         {{QStringLiteral("c"), clave++}, {QStringLiteral("l"), p.value(1)},
                          {QStringLiteral("f"), p.size() > 2 ? QVariant(p[2]) : QVariant()}, {QStringLiteral("s"), p[0].toInt()}});
        }
        Entorno::sql(QStringLiteral("CREATE TRIGGER falla BEFORE INSERT ON Trabajo WHEN NEW.Lugar='FALLA' BEGIN SELECT RAISE(ABORT,'x'); END"));

        Banco b;
        b.lista->abre();
        b.sigue(guion);
        QCOMPARE(filas(), esperadas);
        QCOMPARE(b.sel->value(), selector);
        QCOMPARE(b.lugar->text(), lugar);
        QCOMPARE(b.fecha->texto(), fecha);
        QCOMPARE(e.dialogos().textos(), mensajes);
        // Los campos se habilitan con un registro elegido y se deshabilitan en 0.
        QCOMPARE(b.lugar->isEnabled(), selector != 0);
        QCOMPARE(b.lista->actual(), selector);
    }

    void rechazoLlevaElFocoAlCampoIndicado()
    {
        Entorno e(true);
        Entorno::sql(QStringLiteral("CREATE TRIGGER falla BEFORE INSERT ON Trabajo BEGIN SELECT RAISE(ABORT,'x'); END"));
        Banco b;
        b.ventana.show();
        QApplication::setActiveWindow(&b.ventana);
        b.lista->abre();
        b.sigue(QStringLiteral("1;L=A;G=G;M=1"));
        b.lugar->setFocus();
        b.sigue(QStringLiteral("2"));
        QCOMPARE(QApplication::focusWidget(), b.grado);
        QCOMPARE(e.dialogos().mostrados().back().icono, Dialogos::Icono::Pregunta);
    }

    void fechaDetenidaLlevaElFocoALaFecha()
    {
        Entorno e(true);
        Banco b;
        b.ventana.show();
        QApplication::setActiveWindow(&b.ventana);
        b.lista->abre();
        b.sigue(QStringLiteral("1;L=A;G=G;M=1;F=31/02/2003"));
        b.lugar->setFocus();
        b.sigue(QStringLiteral("2"));
        QCOMPARE(QApplication::focusWidget(), b.fecha);
        QCOMPARE(b.sel->value(), 1);
    }
};

REGISTRA_PRUEBA(PruebaListaRegistros)
#include "PruebaListaRegistros.moc"
