#include "platform/ErrorBase.h"
#include "platform/Errores.h"
#include "admin/U_Admon.h"
#include "review/U_incon.h"
#include "shell/U_inicial.h"
#include "shell/Ventana.h"
#include "support/Cli.h"
#include "support/Entorno.h"
#include "support/Muestra.h"
#include "support/Pruebas.h"

#include <QApplication>
#include <QFrame>
#include <QTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QLineEdit>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>

namespace {
// Renglón del reporte que dice `texto`, o -1.
int renglon(const TW_Incon *w, const QString &texto)
{
    const QStringList lineas = w->Memo1->toPlainText().split(u'\n');
    return int(lineas.indexOf(texto));
}

bool esEnlace(const TW_Incon *w, int linea)
{
    const QTextBlock b = w->Memo1->document()->findBlockByNumber(linea);
    return b.isValid() && b.begin() != b.end() && b.begin().fragment().charFormat().isAnchor();
}

// Corre la revisión desde "Datos Generales" del panel y, con la ventana a la vista, pone el
// cursor en el renglón y oprime Entrar; si no la cierra, sale con "Salir".
void imprimeYSigue(Entorno &e, const QString &texto, bool *enlace = nullptr)
{
    TW_Incon *w = W_Incon();
    QTimer::singleShot(0, w, [&, w] {
        const int i = renglon(w, texto);
        if (enlace)
            *enlace = i > 0 && esEnlace(w, i);
        if (i >= 0) {
            QTextCursor c(w->Memo1->document()->findBlockByNumber(i));
            w->Memo1->setTextCursor(c);
            QTest::keyClick(w->Memo1, Qt::Key_Return);
        }
        if (w->isVisible())
            w->Button2->click();
    });
    e.inicial()->Abre_Forma(QStringLiteral("W_Admon"));
    e.inicial()->Forma(QStringLiteral("W_Admon"))->findChild<QPushButton *>(QStringLiteral("Btn_ImpDatGral"))->click();
}
} // namespace

class PruebaIncon : public QObject {
    Q_OBJECT
private slots:
    void creadaOcultaAlArrancar()
    {
        Entorno e(true);
        TW_Incon *w = W_Incon();
        QVERIFY(w);
        QVERIFY(!w->isVisible());
        QVERIFY(!w->parentWidget());   // ventana aparte, no hija del marco
        QCOMPARE(w->objectName(), QStringLiteral("W_Incon"));
        QCOMPARE(w->windowTitle(), QStringLiteral("Inconsistencias de Información"));
        QCOMPARE(w->minimumSize(), QSize(661, 467));
        QCOMPARE(w->maximumSize(), QSize(661, 467));
        auto *memo = w->findChild<QTextEdit *>(QStringLiteral("Memo1"));
        QVERIFY(memo);
        QVERIFY(memo->isReadOnly());
        QVERIFY(memo->font().bold());
        QVERIFY(memo->font().italic());
        auto *panel = w->findChild<QFrame *>(QStringLiteral("Panel1"));
        QVERIFY(panel);
        auto *salir = panel->findChild<QPushButton *>(QStringLiteral("Button2"));
        QVERIFY(salir);
        QCOMPARE(salir->text(), QStringLiteral("Salir"));
        QVERIFY(panel->findChild<QPushButton *>(QStringLiteral("Button1"))->isHidden());
    }

    void muestraElReporteDeModoModal_data()
    {
        QTest::addColumn<QString>("sentencia");
        QTest::addColumn<QStringList>("esperado");
        QTest::addColumn<bool>("veredicto");
        QTest::newRow("completa") << QString() << QStringList{"No hay Inconsistencias"} << true;
        QTest::newRow("sólo un aviso")
            << "Delete from Domicilio Where Tipo='OP1'"
            << QStringList{"No hay Inconsistencias",
                           "Faltaron Datos en el Domicilio de la Opcion academica elegida por lo que no saldra en la impresion"}
            << true;
        QTest::newRow("sin opciones") << "Delete from Beca" << QStringList{"Reporte de Inconsistencias", "No capturo ninguna opcion"}
                                      << false;
    }
    void muestraElReporteDeModoModal()
    {
        QFETCH(QString, sentencia);
        QFETCH(QStringList, esperado);
        QFETCH(bool, veredicto);
        Entorno e(true);
        Muestra::llena();
        if (!sentencia.isEmpty())
            Entorno::sql(sentencia);
        TW_Incon *w = W_Incon();
        bool visible = false, modal = false;
        int avance = -1;
        QStringList mostrado;
        QTimer::singleShot(0, w, [&] {
            visible = w->isVisible();
            modal = QApplication::activeModalWidget() == w;
            mostrado = w->Memo1->toPlainText().split(u'\n');
            avance = e.inicial()->G_Cargando->value();
            w->Button2->click();
        });
        const bool r = w->Revisa_Inconsistencias();
        QVERIFY(visible);
        QVERIFY(modal);
        QCOMPARE(mostrado, esperado);
        QCOMPARE(avance, 100);
        QCOMPARE(r, veredicto);
        QCOMPARE(Sin_Inconsistencias, veredicto);
        QVERIFY(!w->isVisible());
        QCOMPARE(e.inicial()->G_Cargando->value(), 0);
        // El reporte se queda hasta la siguiente revisión.
        QCOMPARE(w->Memo1->toPlainText().split(u'\n'), esperado);
    }

    // Cada chequeo, con su solicitud que falla: el renglón lleva a la ventana, al registro y al
    // control donde se corrige, igual en la ventana que en `revisa --ubica`.
    void sigueElHallazgo_data()
    {
        QTest::addColumn<QStringList>("sentencias");
        QTest::addColumn<QString>("linea");
        QTest::addColumn<QString>("ventana");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("registro");
        QTest::addColumn<QString>("aviso");   // la compuerta que detiene el paso, si alguna

        auto fila = [](const char *nombre, QStringList sql, const char *linea, const char *ventana, const char *control,
                       const char *registro = "", const char *aviso = "") {
            QTest::newRow(nombre) << sql << QString::fromUtf8(linea) << QString::fromLatin1(ventana)
                                  << QString::fromLatin1(control) << QString::fromLatin1(registro) << QString::fromUtf8(aviso);
        };
        fila("nombre", {"Update Persona Set Paterno='' Where Tipo='SOL'"}, "No se Indicó bien el Nombre del Solicitante",
             "W_Generales", "Paterno");
        fila("nacimiento", {"Update Persona Set Fec_nac=NULL Where Tipo='SOL'"}, "No especificó su Fecha de Nacimiento",
             "W_Generales", "Fec_Nac");
        fila("sexo", {"Update Persona Set Sexo='' Where Tipo='SOL'"}, "No especificó su Sexo", "W_Generales", "Sexo");
        fila("nacimiento imposible", {"Update Persona Set Fec_nac='01/01/2030' Where Tipo='SOL'"},
             "La Fecha de Nacimiento es Inválida", "W_Generales", "Fec_Nac");
        fila("lugar de nacimiento", {"Update Persona Set Ciudad_nac=0 Where Tipo='SOL'"},
             "Falta Lugar de Nacimiento (país, estado o ciudad)", "W_Generales", "CB_PaisNac");
        fila("calle", {"Update Domicilio Set Calle='' Where Tipo='ACT'"}, "Faltaron Datos en su Domicilio Particular",
             "W_DirAct", "Calle", "ACT");
        fila("estado del domicilio", {"Update Domicilio Set Estado_Clave=0 Where Tipo='ACT'"},
             "Faltaron Datos en su Domicilio Particular", "W_DirAct", "CB_Estado", "ACT");
        fila("convocatoria", {"Update General Set Convocatoria=NULL"}, "No especificó la convocatoria en la que concursa",
             "W_Generales", "CB_Conv");
        fila("motivo A", {"Update General Set Motivos_A=''"},
             "Debe Indicar las razones por las que quiere hacer un postgrado en el área y especialidad que indica.",
             "W_DatAcad4", "DB_MotivosA");
        fila("motivo C", {"Update General Set Motivos_C=NULL"},
             "Debe Indicar sus planes de trabajo después de terminar sus estudios.", "W_DatAcad4", "DB_MotivosC");
        fila("grado", {"Update General Set Grado_ini=NULL"}, "Falta Grado Pretendido de Estudios", "W_DatAcad1", "CB_GdoIni");
        fila("grado final", {"Update General Set Grado_fin=19"},
             "El grado final Pretendido de Posgrado no puede ser menor al Inicial", "W_DatAcad1", "CB_GdoFin");
        fila("soltera con cónyuge", {"Update Persona Set Edo_civil='S' Where Tipo='SOL'"},
             "No puede tener Estado Civil de Soltero y tener Cónyuge", "W_Generales", "Edo_Civil");
        fila("cónyuge sin nombre", {"Update Persona Set Nombre_1=NULL Where Tipo='CGE'"},
             "No puede tener Estado Civil de Casado y no tener Cónyuge", "W_Dependiente", "Nombre_1", "CGE");
        fila("sexo del primer hijo", {"Update Persona Set Sexo='X' Where Tipo='HJ1'"},
             "El Campo de Sexo para Dependientes sólo puede ser F o M", "W_Dependiente", "Sexo", "HJ1");
        fila("hijo de una soltera", {"Update Persona Set Edo_civil='S' Where Tipo='SOL'", "Delete from Persona Where Tipo='CGE'",
                                     "Update Persona Set Sexo='X' Where Tipo='HJ2'"},
             "El Campo de Sexo para Dependientes sólo puede ser F o M", "W_Dependiente", "Sexo", "HJ2");
        fila("familiar para accidentes", {"Update Persona Set Nombre_1='',Paterno=NULL Where Tipo='ACC'"},
             "Falta capturar datos del familiar en caso de Accidente", "W_Dependiente", "Nombre_1", "ACC");
        fila("domicilio del familiar", {"Update Domicilio Set Ciudad_Clave=0 Where Tipo='ACC'"},
             "Faltaron Datos en el Domicilio del Familiar a Avisar en caso de Accidente", "W_DirAct", "CB_Ciudad", "ACC");
        fila("aviso: domicilio de la opción 3", {"Delete from Domicilio Where Tipo='OP3'"},
             "Faltaron Datos en el Domicilio de la Opcion academica elegida por lo que no saldra en la impresion",
             "W_DirAct", "Calle", "OP3");
        fila("sin opciones", {"Delete from Beca"}, "No capturo ninguna opcion", "W_DatAcad2", "CB_Institucion", "1");
        fila("institución de la opción 4", {"Update Beca Set Escuela=0 Where Clave=4"},
             "No se Encuentra Nombre de la Institución (opción 4)", "W_DatAcad2", "CB_Institucion", "4");
        fila("programa de la opción 2", {"Update Beca Set Nombre_prog=NULL Where Clave=2"},
             "No se Encuentra Nombre Oficial del Programa de Estudios (opción 2)", "W_DatAcad2", "Programa", "2");
        fila("beca que termina al empezar", {"Update Beca Set Fecha_fin=Fecha_ini Where Clave=1"},
             "La Fecha de Término de Beca debe ser mayor a la de Inicio (opción 1)", "W_DatAcad2", "Fec_FinBeca", "1");
        fila("estudios al revés", {"Update Beca Set Fec_ini_est='05/03/2005', Fec_fin_est='03/05/2004' Where Clave=5"},
             "La Fecha de Término de Estudios debe ser mayor a la de Inicio (opción 5)", "W_DatAcad2", "Fec_FinEst", "5");
        fila("opción sin fecha", {"Update Beca Set Fecha_ini=NULL Where Clave=3"},
             "Falta la Fecha de inicio de la beca (opción 3)", "W_DatAcad2", "Fec_IniBeca", "3");
        fila("sin licenciatura", {"Delete from Escolar Where Nivel='LIC'"},
             "Falta capturar la licenciatura en antecedentes escolares ", "W_Vitae1", "Institucion", "LIC");
        fila("tipo de escuela de la maestría", {"Update Escolar Set Tipo='' Where Nivel='MAE'"},
             "Falta el tipo (Publica / Privada en Maestría (UNIVERSIDAD NACIONAL AUTÓNOMA DE MÉXICO)", "W_Vitae1", "Tipo", "MAE");
        fila("carrera del doctorado", {"Update Escolar Set Carrera=NULL Where Nivel='DOC'"},
             "Falta el nombre de la carrera en Doctorado (INSTITUTO TECNOLÓGICO Y DE ESTUDIOS SUPERIORES DE MONTERREY)",
             "W_Vitae1", "Carrera", "DOC");
        fila("años de la licenciatura", {"Update Escolar Set Fecha_fin='01/01/1990' Where Nivel='LIC'"},
             "Error en las fechas de duracion en datos escolares Licenciatura (UNIVERSIDAD DE GUADALAJARA)", "W_Vitae1",
             "AnioFin", "LIC");
        fila("promedio", {"Delete from Escolar Where Nivel<>'LIC'", "Update Escolar Set Promedio=7.9"},
             "El promedio no puede ser menor a 8.0 en  LIC", "W_Vitae1", "Promedio", "LIC");
        fila("otros estudios 2", {"Update Escolar Set Fecha_ini=NULL Where Nivel='OTR' And secuencia=2"},
             "Falta la fecha de inicio de Otros estudios 2 (COLEGIO DE INGENIEROS QUÍMICOS)", "W_Vitae3", "AnioIni", "2");
        fila("meses de la segunda beca", {"Update Trabajo Set Meses=0 Where Tipo='BEC' And secuencia=2"},
             "El Campo Meses para Becas Recibidas debe ser positivo ", "W_Vitae1", "meses", "2");
        fila("lectura del tercer idioma",
             {"Insert into Trabajo (Clave,Tipo,Titulo,Escritura,Lectura,Comprension,secuencia) "
              "values (900,'IDI','ALEMÁN','50','0','60',3)"},
             "Su Conocimiento de Idiomas en Lectura debe ser mayor a 0% y menor o igual a 100% ", "W_Vitae3", "Lectura", "3");
        fila("no entregable: segundo nombre", {"Update Persona Set Nombre_2='JOSÉ ☃' Where Tipo='SOL'"},
             "El Campo Nombre_2 de Persona (clave 1) no se puede entregar: contiene el carácter «☃», que la entrega no admite",
             "W_Generales", "Nombre_2");
        fila("no entregable: escape en la calle", {"Update Domicilio Set Calle='AV. '||char(27)||'[31mJUÁREZ' Where Tipo='ACT'"},
             "El Campo Calle de Domicilio (clave 1) no se puede entregar: contiene el carácter «U+001B», que la entrega no admite",
             "W_DirAct", "Calle", "ACT");
        fila("no entregable: emoji", {"Update Persona Set Paterno='TORRES 😀' Where Tipo='SOL'"},
             "El Campo Paterno de Persona (clave 1) no se puede entregar: contiene el carácter «😀», que la entrega no admite",
             "W_Generales", "Paterno");
        fila("no entregable: colonia", {"Update Domicilio Set Colonia=printf('%.256c', 'A') Where Tipo='ACT'"},
             "El Campo Colonia de Domicilio (clave 1) no se puede entregar: el texto pasa de 255 caracteres", "W_DirAct",
             "Colonia", "ACT");
        fila("no entregable sin ventana", {"Update Beca Set Total_col=3000000000 Where Clave=1"},
             "El Campo Total_col de Beca (clave 1) no se puede entregar: el número 3000000000 no cabe en el campo", "", "");
        fila("referencia sin aval: compuerta",
             {"Insert into Persona (Clave,Nombre_1,Paterno,Sexo,Tipo) values (20,'EVA','LUNA','X','RE2')"},
             "El Campo de Sexo para Dependientes sólo puede ser F o M", "W_Dependiente", "Sexo", "RE2",
             "Primero debe llenar los datos referentes al aval");
    }
    void sigueElHallazgo()
    {
        QFETCH(QStringList, sentencias);
        QFETCH(QString, linea);
        QFETCH(QString, ventana);
        QFETCH(QString, control);
        QFETCH(QString, registro);
        QFETCH(QString, aviso);
        Entorno e(true);
        Muestra::llena();
        for (const QString &s : sentencias)
            Entorno::sql(s);

        // La herramienta da el mismo lugar.
        const SalidaCli cli = corre({QStringLiteral("revisa"), QStringLiteral("--ubica"), QStringLiteral("--tablas"), e.carpeta()});
        QVERIFY2(cli.salida.split(u'\n').contains(QStringList{linea, ventana, control, registro}.join(u'\t')),
                 qPrintable(cli.salida));

        // Lo que otra ventana abierta tiene sin guardar se queda ahí, sin guardarse.
        TW_Inicial *marco = e.inicial();
        marco->Abre_Forma(QStringLiteral("W_Generales"));
        auto *materno = marco->Forma(QStringLiteral("W_Generales"))->findChild<QLineEdit *>(QStringLiteral("Materno"));
        const QVariant guardado = Entorno::valor(QStringLiteral("Select Materno From Persona Where Tipo='SOL'"));
        materno->setText(QStringLiteral("SIN GUARDAR"));

        int vistas = 0;
        TW_Admon::Vista_Previa = [&vistas](const QString &, const Informe::Documento &, QWidget *) { ++vistas; };
        bool enlace = false;
        imprimeYSigue(e, linea, &enlace);
        TW_Admon::Vista_Previa = nullptr;
        // Quien sigue un renglón va a corregir: no se imprime.
        QCOMPARE(vistas, ventana.isEmpty() ? 1 : 0);
        QCOMPARE(enlace, !ventana.isEmpty());
        QCOMPARE(materno->text(), QStringLiteral("SIN GUARDAR"));
        QCOMPARE(Entorno::valor(QStringLiteral("Select Materno From Persona Where Tipo='SOL'")), guardado);
        if (ventana.isEmpty()) {
            // Sin lugar: "Salir" cerró la revisión y el panel siguió a la vista previa.
            QVERIFY(!W_Incon()->Lugar_Elegido());
            return;
        }
        QVERIFY(W_Incon()->Lugar_Elegido());
        auto *w = qobject_cast<Ventana *>(marco->Forma(ventana));
        if (!aviso.isEmpty()) {
            QVERIFY(!w);
            QCOMPARE(e.dialogos().ultimo(), aviso);
            return;
        }
        QVERIFY2(w, qPrintable(e.dialogos().textos().join(u'|')));
        // Ni el aviso del borrador ni uno de la navegación; sólo el de la propia ventana al
        // mostrar una opción sin institución.
        for (const QString &t : e.dialogos().textos())
            QCOMPARE(t, QStringLiteral("No ha capturado la informacion de manera completa"));
        QCOMPARE(w->Registro_Mostrado(control), registro);
        QWidget *c = w->findChild<QWidget *>(control);
        QVERIFY(c);
        QVERIFY2(w->focusWidget() && (w->focusWidget() == c || c->isAncestorOf(w->focusWidget())),
                 qPrintable(w->focusWidget() ? w->focusWidget()->objectName() : QStringLiteral("(nada)")));
        if (auto *t = qobject_cast<QLineEdit *>(c))
            QCOMPARE(t->selectedText().size(), t->displayText().size());
    }

    // Una ventana ya abierta se reusa: cambia de registro con su selector si puede; si no, se avisa
    // y se queda como estaba.
    void ventanaYaAbierta()
    {
        Entorno e(true);
        Muestra::llena();
        TW_Inicial *marco = e.inicial();
        QVERIFY(marco->Ve_A(QStringLiteral("W_Vitae3"), QStringLiteral("Lectura"), QStringLiteral("1")));
        auto *vitae = qobject_cast<Ventana *>(marco->Forma(QStringLiteral("W_Vitae3")));
        QVERIFY(marco->Ve_A(QStringLiteral("W_Vitae3"), QStringLiteral("Lectura"), QStringLiteral("2")));
        QCOMPARE(qobject_cast<Ventana *>(marco->Forma(QStringLiteral("W_Vitae3"))), vitae);
        QCOMPARE(vitae->Registro_Mostrado(QStringLiteral("Lectura")), QStringLiteral("2"));

        QVERIFY(marco->Ve_A(QStringLiteral("W_DirAct"), QStringLiteral("Calle"), QStringLiteral("ACC")));
        QVERIFY(!marco->Ve_A(QStringLiteral("W_DirAct"), QStringLiteral("Calle"), QStringLiteral("ACT")));
        QVERIFY(e.dialogos().ultimo().contains(QStringLiteral("ya está abierta")));
        QCOMPARE(qobject_cast<Ventana *>(marco->Forma(QStringLiteral("W_DirAct")))->Registro_Mostrado({}), QStringLiteral("ACC"));
    }

    // Sólo los renglones con lugar son enlaces; Tab los alcanza y Entrar sigue el elegido.
    void enlacesConElTeclado()
    {
        Entorno e(true);
        Muestra::llena();
        Entorno::sql(QStringLiteral("Update Beca Set Total_col=3000000000 Where Clave=1"));
        Entorno::sql(QStringLiteral("Update Persona Set Paterno='' Where Tipo='SOL'"));
        TW_Incon *w = W_Incon();
        QList<bool> enlaces;
        QTimer::singleShot(0, w, [&, w] {
            for (int i = 0; i < 3; ++i)
                enlaces << esEnlace(w, i);
            w->Memo1->setFocus();
            QTest::keyClick(w->Memo1, Qt::Key_Tab);
            QTest::keyClick(w->Memo1, Qt::Key_Return);
            if (w->isVisible())
                w->Button2->click();
        });
        QVERIFY(!w->Revisa_Inconsistencias());
        QCOMPARE(enlaces, (QList<bool>{false, true, false}));   // título, nombre, valor sin ventana
        QVERIFY(!w->Memo1->accessibleName().isEmpty());
        QCOMPARE(w->Lugar_Elegido().value_or(Revision::Lugar{}), (Revision::Lugar{QStringLiteral("W_Generales"), QStringLiteral("Paterno"), QString()}));
    }

    void cerrarConLaCajaTambienRegresa()
    {
        Entorno e(true);
        Muestra::llena();
        TW_Incon *w = W_Incon();
        QTimer::singleShot(0, w, [w] { w->close(); });
        QVERIFY(w->Revisa_Inconsistencias());
        QVERIFY(!w->isVisible());
    }

    // Un error de la base no muestra la ventana, no da la solicitud por buena y detiene la
    // acción que pidió la revisión con el mensaje de error en español.
    void errorDeLaBase()
    {
        Entorno e(true);
        Muestra::llena();
        TW_Incon *w = W_Incon();
        QTimer::singleShot(0, w, [w] { w->Button2->click(); });
        QVERIFY(w->Revisa_Inconsistencias());
        Entorno::sql(QStringLiteral("Drop Table Trabajo"));
        QVERIFY_THROWS_EXCEPTION(ErrorBase, w->Revisa_Inconsistencias());
        QVERIFY(!w->isVisible());
        QVERIFY(!Sin_Inconsistencias);
        QCOMPARE(e.inicial()->G_Cargando->value(), 0);

        bool siguio = false;
        QVERIFY(!ejecutaProtegido([&] {
            w->Revisa_Inconsistencias();
            siguio = true;
        }));
        QVERIFY(!siguio);
        QCOMPARE(e.dialogos().mostrados().size(), size_t(1));
        QCOMPARE(e.dialogos().mostrados().front().icono, Dialogos::Icono::Error);
        QVERIFY(!e.dialogos().ultimo().contains(QLatin1String("no such table")));
    }
};

REGISTRA_PRUEBA(PruebaIncon)
#include "PruebaIncon.moc"
