#include "platform/informe/Pintor.h"
#include "reports/ApoyoReportes.h"
#include "reports/Reportes.h"
#include "reports/U_rquiral.h"
#include "support/Entorno.h"
#include "support/Muestra.h"
#include "support/Pruebas.h"

using ApoyoReportes::valor;
using Informe::Primitiva;

namespace {
// Aval con domicilio, predio, trabajo, financiamiento y referencias, sobre la solicitud de
// muestra. El aval no tiene segundo nombre y su domicilio no tiene número interior (NULL).
void avalCompleto()
{
    const char *sentencias[] = {
        "Insert into Persona (Clave,Nombre_1,Nombre_2,Paterno,Materno,Sexo,Edo_civil,Fec_nac,RFC,Ciudad_nac,Tipo) "
        "values (20,'JOSÉ',NULL,'O''HIGGINS','PÉREZ','M','S','31/12/1960','OHPJ601231',0,'AVA')",
        "Insert into Persona (Clave,Nombre_1,Paterno,Materno,Tipo,Ciudad_nac) values (21,'ANA','RUIZ','SOTO','RE1',0),"
        "(22,'LUIS','GÓMEZ',NULL,'RE2',0),(23,'SIN','MUNICIPIO','X','RE3',0)",
        "Insert into Domicilio values (30,'AVA','AV. JUÁREZ','100',NULL,'CENTRO','(3333)1234-5678','','','44100',14039,14,32,14039,0,20)",
        "Insert into Domicilio values (31,'AVP','CALLE PINO','25','B','LAS ÁGUILAS','','','','45080',14120,14,32,14120,0,20)",
        "Insert into Domicilio values (32,'AVT','AV. UNIVERSIDAD','3000','','COPILCO','(5555)5622-0000','','','04510',9003,9,32,9003,0,20)",
        "Insert into Domicilio values (33,'RE1','LAGO','7','2','ANÁHUAC','(5555)1111-2222','','','11320',9003,9,32,9003,0,21)",
        "Insert into Domicilio values (34,'RE2','SOL','1',NULL,'JARDINES','(3333)9999-0000','','','44500',14039,14,32,14039,0,22)",
        // Referencia 3 sin municipio ni estado: no sale.
        "Insert into Domicilio values (35,'RE3','NADA','1','','X','','','','1',NULL,NULL,32,0,0,23)",
        "Insert into Aval (Clave,Cta_Predial,Lugar_Registro,Fec_Registro,Folio,Empresa,Depto,Puesto,Antiguedad,Fec_Ingreso,"
        "Tiempo,Tipo,Nombre_A,Nombre_B,MontoMensual) values (1,'CP-0042','GUADALAJARA, JAL.','12/08/1990','F-778',"
        "'UNIVERSIDAD NACIONAL','CONTABILIDAD','JEFE DE ÁREA','12','01/02/1992',15,'AVA','FUNDACIÓN PARA LA CIENCIA',"
        "'AHORRO FAMILIAR',8500)",
        // Líneas guardadas fuera de orden: salen por número.
        "Insert into MontosQuiral values (1,2,'COLEGIATURA',120000,'A'),(2,1,'MANUTENCIÓN',90000,'A'),(3,1,'LIBROS',5000,'B')",
    };
    for (const char *s : sentencias)
        Entorno::sql(QString::fromUtf8(s));
}

const QStringList kHojaAval = {
    "ORVELAN", "SUBGERENCIA DE CREDITO EDUCATIVO", "PARA EL FOMENTO ECONOMICO", "INFORMACION DEL AVALISTA",
    "NOMBRE DEL ACREDITADO: ", "NOMBRE ( S ) DEL ( DE LOS ) AVALISTA ( S) :", "EDAD : ", "R.F.C. DEL AVALISTA:",
    "ESTADO CIVIL DEL AVALISTA:", "DOMICILIO PARTICULAR DEL AVALISTA:", "DATOS DEL PREDIO EN GARANTIA: ",
    "No. DE CUENTA PREDIAL:", "REGISTRO PUBLICO DE LA PROPIEDAD:", "LUGAR Y FECHA DEL REGISTRO:", "FOLIO:",
    "DATOS DEL TRABAJO DEL AVALISTA:", "EMPRESA O DEPENDENCIA:", "DEPARTAMENTO:", "PUESTO: ", " ANTIGÜEDAD EN EL PUESTO :",
    "FECHA DE INGRESO:", "EL AVALISTA DECLARA CONOCER AL SOLICITANTE DESDE HACE:  ", "AÑOS .",
    "- BOLETA DE PAGO DEL IMPUESTO PREDIAL, DEL ULTIMO BIMESTRE DEL AÑO EN CURSO.",
};

bool dentroDelMarco(const Informe::Pagina &p)
{
    for (const Primitiva &x : p.primitivas)
        if (x.tipo == Primitiva::Tipo::Texto && (x.caja.left() < 10 || x.caja.right() > 215.9 - 10 + 0.01 || x.caja.bottom() > 279.4 - 10))
            return false;
    return true;
}
} // namespace

class PruebaQuiral : public QObject {
    Q_OBJECT
private slots:
    void solicitudLlena()
    {
        Entorno e;
        Muestra::llena();
        avalCompleto();
        TW_Quiral w;
        QCOMPARE(w.objectName(), QStringLiteral("W_Quiral"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Formato de credito educativo."));
        const Informe::Documento d = w.Documento();
        QCOMPARE(d.paginas.size(), 2);
        for (const Informe::Pagina &p : d.paginas) {
            QVERIFY(p.deOrigen(QStringLiteral("marco")));
            const Primitiva *firma = p.busca(QStringLiteral("FIRMA DEL SOLICITANTE.  "));
            QVERIFY(firma && firma->caja.top() > 260 && firma->caja.right() > 190);
            QVERIFY(dentroDelMarco(p));
            // Sin revisión que la cierre, cada hoja es un borrador.
            QCOMPARE(valor(p, "L_Borrador"), QStringLiteral("BORRADOR"));
        }
        Entorno::sql(QStringLiteral("Update General Set Cerrar='S'"));
        for (const Informe::Pagina &p : TW_Quiral().Documento().paginas)
            QVERIFY(!p.contenido().contains(QStringLiteral("BORRADOR")));
        const Informe::Pagina &h1 = d.paginas.at(0), &h2 = d.paginas.at(1);
        for (const QString &s : kHojaAval)
            QVERIFY2(h1.busca(s), qPrintable(s));
        QCOMPARE(ApoyoReportes::textos(h1, QStringLiteral("AvisoDocumentos")).size(), 7);
        QCOMPARE(ApoyoReportes::textos(h1, QStringLiteral("AvisoFirma")).size(), 5);
        // Valores en negritas; una parte NULL (segundo nombre, interior) no borra el resto.
        const QList<QPair<QString, QString>> valores = {
            {"Becario", "TORRES VALLE MARÍA ELENA"}, {"Aval", "O'HIGGINS PÉREZ JOSÉ"}, {"Edad", "44"},
            {"RFC", "OHPJ601231"}, {"Civil", "SOLTERO"}, {"AvalCalle", "AV. JUÁREZ 100"}, {"AvalCol", "CENTRO"},
            {"AvalMun", "Guadalajara"}, {"AvalCp", "44100"}, {"AvalEdo", "Jalisco"}, {"AvalTel", "(3333)1234-5678"},
            {"Cta_Predial", "CP-0042"}, {"AvpCalle", "CALLE PINO 25 B"}, {"AvpMun", "Zapopan"},
            {"Reg", "GUADALAJARA, JAL. 12/08/1990"}, {"Folio", "F-778"}, {"Empresa", "UNIVERSIDAD NACIONAL"},
            {"Depto", "CONTABILIDAD"}, {"AvtTel", "(5555)5622-0000"}, {"Puesto", "JEFE DE ÁREA"}, {"Antiguedad", "12"},
            {"Fec_Ingreso", "01/02/1992"}, {"AvtCalle", "AV. UNIVERSIDAD 3000"}, {"AvtEdo", "Ciudad de México"},
            {"Tiempo", "15"}};
        for (const auto &[origen, esperado] : valores) {
            QCOMPARE(valor(h1, origen), esperado);
            QVERIFY2(h1.deOrigen(origen)->fuente.negrita, qPrintable(origen));
        }
        QVERIFY(!h1.busca(QStringLiteral("NOMBRE DEL ACREDITADO: "))->fuente.negrita);
        // Segunda hoja: la solicitud, con las líneas en orden de número.
        for (const char *s : {"Q U I R A L", "SOLICITUD DE CREDITO EDUCATIVO", "INFORMACION RELATIVA AL FINANCIAMIENTO",
                              "IMPORTES:", "IMPORTES", "REFERENCIAS PERSONALES Y PERSONAS QUE DEBEN SER NOTIFICADAS EN CASO DE EMERGENCIA",
                              "NOMBRE", "DOMICILIO COMPLETO ", "TELEFONO"})
            QVERIFY2(h2.busca(QString::fromUtf8(s)), s);
        QVERIFY(!h1.busca(QStringLiteral("Q U I R A L")));
        QCOMPARE(valor(h2, QStringLiteral("Nombre_A")), QStringLiteral("FUNDACIÓN PARA LA CIENCIA"));
        QCOMPARE(valor(h2, QStringLiteral("Nombre_B")), QStringLiteral("AHORRO FAMILIAR"));
        QCOMPARE(ApoyoReportes::textos(h2, QStringLiteral("AConcepto")), (QStringList{"MANUTENCIÓN", "COLEGIATURA"}));
        QCOMPARE(ApoyoReportes::textos(h2, QStringLiteral("AMonto")), (QStringList{"90000", "120000"}));
        QCOMPARE(ApoyoReportes::textos(h2, QStringLiteral("BConcepto")), QStringList{"LIBROS"});
        QCOMPARE(valor(h2, QStringLiteral("MontoMensual")), QStringLiteral("8500"));
        QCOMPARE(ApoyoReportes::textos(h2, QStringLiteral("Acc")), (QStringList{"RUIZ SOTO ANA", "GÓMEZ  LUIS"}));
        QCOMPARE(ApoyoReportes::textos(h2, QStringLiteral("RefCalle")),
                 (QStringList{"LAGO 7 2 ANÁHUAC,11320,Coyoacán,Ciudad de México", "SOL 1  JARDINES,44500,Guadalajara,Jalisco"}));
        // Los importes a la derecha de sus conceptos, en la columna de importes.
        const Primitiva *monto = h2.deOrigen(QStringLiteral("AMonto"));
        QCOMPARE(monto->base, h2.deOrigen(QStringLiteral("AConcepto"))->base);
        QVERIFY(qAbs(monto->caja.right() - h2.busca(QStringLiteral("IMPORTES:"))->caja.right()) < 0.01);
    }

    // Lo que falta en la solicitud se deja vacío o deja fuera su sección, sin detener el formato.
    void faltantes_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("origen");
        QTest::addColumn<QString>("esperado");       // vacío: no se imprime
        QTest::addColumn<QStringList>("ausentes");
        QTest::addColumn<QStringList>("presentes");
        QTest::newRow("aval sin fecha de nacimiento") << "Update Persona Set Fec_nac=NULL Where Tipo='AVA'" << "Edad" << ""
                                                      << QStringList() << QStringList{"O'HIGGINS PÉREZ JOSÉ"};
        QTest::newRow("aval casado") << "Update Persona Set Edo_civil='C' Where Tipo='AVA'" << "Civil" << "CASADO"
                                     << QStringList() << QStringList();
        QTest::newRow("registro sin fecha") << "Update Aval Set Fec_Registro=NULL" << "Reg" << "GUADALAJARA, JAL."
                                            << QStringList() << QStringList();
        QTest::newRow("sin líneas B") << "Delete from MontosQuiral Where Tipo='B'" << "Nombre_B" << ""
                                      << QStringList{"PARA CUBRIR PARTE DE LOS GASTOS QUE ORIGINEN SUS ESTUDIOS, INDIQUE LA FUENTE",
                                                     "IMPORTES", "AHORRO FAMILIAR"}
                                      << QStringList{"FUNDACIÓN PARA LA CIENCIA", "IMPORTES:"};
        QTest::newRow("sin líneas A") << "Delete from MontosQuiral Where Tipo='A'" << "Nombre_A" << ""
                                      << QStringList{"INFORMACION RELATIVA AL FINANCIAMIENTO", "IMPORTES:"}
                                      << QStringList{"AHORRO FAMILIAR", "LIBROS"};
        // Sin referencias tampoco sale la sección C, con su sueldo mensual.
        QTest::newRow("sin referencias") << "Delete from Persona Where Tipo in ('RE1','RE2','RE3')" << "MontoMensual" << ""
                                         << QStringList{"REFERENCIAS PERSONALES Y PERSONAS QUE DEBEN SER NOTIFICADAS EN CASO DE EMERGENCIA"}
                                         << QStringList{"LIBROS"};
        QTest::newRow("predio sin domicilio") << "Delete from Domicilio Where Tipo='AVP'" << "AvpCalle" << ""
                                              << QStringList{"CALLE PINO 25 B", "Zapopan"} << QStringList{"CP-0042"};
    }
    void faltantes()
    {
        QFETCH(QString, sql);
        QFETCH(QString, origen);
        QFETCH(QString, esperado);
        QFETCH(QStringList, ausentes);
        QFETCH(QStringList, presentes);
        Entorno e;
        Muestra::llena();
        avalCompleto();
        Entorno::sql(sql);
        TW_Quiral w;
        const Informe::Documento d = w.Documento();
        QCOMPARE(d.paginas.size(), 2);
        QString todo;
        for (const Informe::Pagina &p : d.paginas)
            todo += p.contenido() + u'\n';
        const QStringList renglones = todo.split(u'\n');
        bool hallado = false;
        for (const Informe::Pagina &p : d.paginas) {
            if (const Primitiva *x = p.deOrigen(origen)) {
                hallado = true;
                QCOMPARE(x->texto.trimmed(), esperado);
            }
        }
        QCOMPARE(hallado, !esperado.isEmpty());
        for (const QString &s : ausentes)
            QVERIFY2(!renglones.contains(s) && !todo.contains(s + u'\n'), qPrintable(s));
        for (const QString &s : presentes)
            QVERIFY2(todo.contains(s), qPrintable(s));
    }

    void edad_data()
    {
        QTest::addColumn<QString>("nacimiento");
        QTest::addColumn<QString>("edad");
        // Sólo cuentan los años: el 31 de diciembre de 1960 da 44 el 15/03/2004.
        QTest::newRow("fin de año") << "31/12/1960" << "44";
        QTest::newRow("principio de año") << "01/01/1960" << "44";
        QTest::newRow("vacía") << "" << "";
        QTest::newRow("máscara vacía") << "  /  /    " << "";
        QTest::newRow("no es fecha") << "31/02/1960" << "";
    }
    void edad()
    {
        QFETCH(QString, nacimiento);
        QFETCH(QString, edad);
        Entorno e;
        QCOMPARE(TW_Quiral::Edad(nacimiento), edad);
    }

    // Sin solicitante no se imprime nada; con el solicitante solo, la hoja del aval sale vacía
    // y la solicitud sin secciones.
    void solicitudVacia()
    {
        Entorno e;
        {
            TW_Quiral w;
            QCOMPARE(w.Documento().paginas.size(), 0);
        }
        Entorno::sql(QStringLiteral("Insert into Persona (Clave,Nombre_1,Paterno,Tipo) values (1,'ANA','LARA','SOL')"));
        TW_Quiral w;
        const Informe::Documento d = w.Documento();
        QCOMPARE(d.paginas.size(), 2);
        const Informe::Pagina &h1 = d.paginas.at(0), &h2 = d.paginas.at(1);
        QCOMPARE(valor(h1, QStringLiteral("Becario")), QStringLiteral("LARA  ANA"));
        for (const char *o : {"Aval", "Edad", "RFC", "AvalCalle", "Cta_Predial", "AvpCalle", "Reg", "Empresa", "AvtTel", "Tiempo"})
            QVERIFY2(!h1.deOrigen(QLatin1String(o)), o);
        for (const QString &s : kHojaAval)
            QVERIFY2(h1.busca(s), qPrintable(s));
        QVERIFY(h2.busca(QStringLiteral("Q U I R A L")));
        QVERIFY(!h2.busca(QStringLiteral("INFORMACION RELATIVA AL FINANCIAMIENTO")));
        QVERIFY(!h2.busca(QStringLiteral("TELEFONO")));
    }

    void vistaPrevia()
    {
        Entorno e;
        Muestra::llena();
        avalCompleto();
        const auto vista = ApoyoReportes::capturaVistaPrevia([] { Imprime_Quiral(); });
        QCOMPARE(vista.titulo, QStringLiteral("Formato de credito educativo."));
        QCOMPARE(vista.paginas, 2);
    }

    void pdfDeLaLineaDeOrdenes()
    {
        REQUIERE_PDFTOTEXT();
        Entorno e;
        Muestra::llena();
        avalCompleto();
        QVERIFY(Reportes::nombres().contains(QStringLiteral("quiral")));
        const auto pdf = ApoyoReportes::imprimePdf(QStringLiteral("quiral"), e.carpeta(), true);
        QCOMPARE(pdf.cli.codigo, 0);
        QVERIFY(pdf.leido);
        const QString &texto = pdf.texto;
        QCOMPARE(texto.count(u'\f'), 2);
        const QStringList paginas = texto.split(u'\f');
        QString falta = ApoyoReportes::faltan(paginas.at(0), {"ORVELAN", "INFORMACION DEL AVALISTA", "O'HIGGINS PÉREZ JOSÉ", "SOLTERO",
                                                              "AV. JUÁREZ 100", "GUADALAJARA, JAL. 12/08/1990", "CALLE PINO 25 B",
                                                              "DEL CREDITO SOLICITADO.", "FIRMA DEL SOLICITANTE."});
        QVERIFY2(falta.isEmpty(), qPrintable(falta));
        QVERIFY(QString(paginas.at(1)).remove(u' ').contains(QStringLiteral("QUIRAL")));
        falta = ApoyoReportes::faltan(paginas.at(1), {"SOLICITUD DE CREDITO EDUCATIVO", "FUNDACIÓN PARA LA CIENCIA", "MANUTENCIÓN", "120000",
                                                      "AHORRO FAMILIAR", "8500", "RUIZ SOTO ANA", "(5555)1111-2222", "FIRMA DEL SOLICITANTE."});
        QVERIFY2(falta.isEmpty(), qPrintable(falta));
        QVERIFY(paginas.at(1).indexOf(QStringLiteral("MANUTENCIÓN")) < paginas.at(1).indexOf(QStringLiteral("COLEGIATURA")));
        QVERIFY(!texto.contains(QStringLiteral("MUNICIPIO X")));
    }
};

REGISTRA_PRUEBA(PruebaQuiral)
#include "PruebaQuiral.moc"
