#include "platform/informe/Pintor.h"
#include "reports/ApoyoReportes.h"
#include "reports/Reportes.h"
#include "reports/U_rdacad.h"
#include "support/Entorno.h"
#include "support/Muestra.h"
#include "support/Pruebas.h"

#include <QRegularExpression>

using ApoyoReportes::hojaDe;
using ApoyoReportes::texto;
using Informe::Documento;
using Informe::Pagina;
using Informe::Primitiva;

namespace {
// Textos de un elemento en todo el documento, en orden de hojas.
QStringList todos(const Documento &d, const QString &origen)
{
    QStringList r;
    for (const Pagina &p : d.paginas)
        for (const Primitiva *x : p.todasDeOrigen(origen))
            if (x->tipo == Primitiva::Tipo::Texto)
                r << x->texto.simplified();
    return r;
}

// El cuerpo queda entre el encabezado (10 + 37 mm) y el pie (279.4 - 5 - 19 mm).
constexpr double kCuerpoArriba = 47, kCuerpoAbajo = 255.4;

const QStringList kTitulo = {"¿ Usted ha solicitado u obtenido beca TALVERO?", "Número de beca TALVERO anterior:",
                             "¿ Su cónyuge es becario TALVERO?", "Número de beca TALVERO del cónyuge: ",
                             "¿ Su cónyuge está solicitando beca TALVERO?", "El comité evaluará sus estudios en el área de:",
                             "Disciplina:", "Subdisciplina:", "Curso:", "Grado inicial pretendido:", "Grado final pretendido:"};
const QStringList kBloque = {"Domicilio:", "Pais:", "Estado:", "Ciudad:", "Teléfono:", "Fax:", "E-Mail:",
                             "Nombre Oficial del Programa de Estudios:", "¿Cuenta con carta de aceptación?",
                             "El grado pretendido se obtiene en:", "meses", "Periodo de la beca  del ", "al", "Contactó a:",
                             "Quien tiene el puesto de:", "Montos solicitados", "Manutención:", "Colegiatura:", "Inscripción:"};
const QString kMotB = QStringLiteral("Razones `por las que eligió las instituciones solicitadas:");
const QString kMotC = QStringLiteral("Planes de trabajo después de terminar sus estudios:");
} // namespace

class PruebaDatAcad : public QObject {
    Q_OBJECT
private slots:
    void muestraCompleta()
    {
        Entorno e;
        Muestra::llena();
        TR_DatAcad r;
        QCOMPARE(r.objectName(), QStringLiteral("R_DatAcad"));
        QCOMPARE(r.windowTitle(), QStringLiteral("Reportes"));
        const Documento d = r.Documento();
        QVERIFY(d.paginas.size() >= 4);
        // Encabezado y pie en todas las hojas, con su número.
        for (int i = 0; i < d.paginas.size(); ++i) {
            const Pagina &p = d.paginas.at(i);
            QCOMPARE(texto(p, "QRL_Borrador"), QStringLiteral("BORRADOR"));
            QCOMPARE(texto(p, "Becario"), QStringLiteral("MARÍA ELENA TORRES VALLE"));
            QVERIFY(p.busca(QStringLiteral("Datos Académicos")));
            QVERIFY(p.busca(QStringLiteral("15/03/2004")) && p.busca(QStringLiteral("10:30:00")));
            QCOMPARE(p.cuenta(Primitiva::Tipo::Imagen), 1);
            QCOMPARE(texto(p, "FirmaNombre"), QStringLiteral("MARÍA ELENA TORRES VALLE"));
            QVERIFY(p.busca(QStringLiteral("Firmo bajo protesta de decir verdad")));
            QCOMPARE(texto(p, "Pagina"), QStringLiteral("Página: %1").arg(i + 1));
            QVERIFY(p.deOrigen(QStringLiteral("Pagina"))->caja.bottom() <= 279.4 - 5 + 0.01);
        }
        // Respuestas del programa, sólo en la primera hoja.
        const Pagina &h1 = d.paginas.at(0);
        for (const QString &s : kTitulo)
            QVERIFY2(h1.busca(s), qPrintable(s));
        QCOMPARE(texto(h1, "QRLabel25"), QStringLiteral("No"));
        QCOMPARE(texto(h1, "Expbecaant"), QStringLiteral("0"));
        QCOMPARE(texto(h1, "QRLabel28"), QStringLiteral("No"));
        QCOMPARE(texto(h1, "QRLabel30"), QStringLiteral("No"));
        QCOMPARE(texto(h1, "QRDBText12"),
                 QStringLiteral("No he presentado el Examen General para el Egreso de la Licenciatura (EGEL), diseñado por el CENEVAL."));
        for (const char *s : {"Ingenierías", "Ingeniería Química", "INGENIERÍA DE PROCESOS"})
            QVERIFY2(h1.busca(QString::fromUtf8(s)), s);
        QCOMPARE(texto(h1, "Curso"), QString());
        QCOMPARE(todos(d, "GRADO_INI"), QStringList{"Doctorado"});
        QCOMPARE(todos(d, "GRADO_FIN"), QStringList{"Doctorado"});
        QVERIFY(!d.paginas.at(1).busca(kTitulo.first()));
        // Un encabezado de grupo y cinco bloques, en el orden de las opciones.
        QCOMPARE(todos(d, "Grupo"), QStringList{"INSTITUCIONES PRETENDIDAS"});
        QCOMPARE(todos(d, "ESCU"), (QStringList{"University of Cambridge", "University of Oxford", "Universidad Complutense de Madrid",
                                                "Université Pierre et Marie Curie (Paris VI)", "Technische Universität Berlin"}));
        QCOMPARE(todos(d, "CALLE").first(), QStringLiteral("Calle NEW MUSEUMS SITE, PEMBROKE STREET num S/N int"));
        QCOMPARE(todos(d, "COLONIA").first(), QStringLiteral("Colonia CENTRE C.P. CB2 3RA"));
        QCOMPARE(todos(d, "PAIS").first(), QStringLiteral("Reino Unido"));
        QCOMPARE(todos(d, "Ciudad").at(2), QStringLiteral("Madrid"));
        QCOMPARE(todos(d, "Nombre_prog").at(3), QStringLiteral("DOCTORAT EN GÉNIE DES PROCÉDÉS"));
        QCOMPARE(todos(d, "Persona_contacto").at(4), QStringLiteral("PROF. DR. KLAUS WEBER"));
        QCOMPARE(todos(d, "Carta_aceptacion"), QStringList(5, QStringLiteral("S")));
        QCOMPARE(todos(d, "Tiempo_prom_grado"), QStringList(5, QStringLiteral("48")));
        QCOMPARE(todos(d, "Fecha_ini"), QStringList(5, QStringLiteral("01/09/2004")));
        QCOMPARE(todos(d, "Total_col"), QStringList(5, QStringLiteral("25000")));
        // Cada opción con su propia moneda; la manutención, siempre en dólares.
        QCOMPARE(todos(d, "MonedaCol"), (QStringList{"Libra Esterlina", "Libra Esterlina", "Euro", "Euro", "Euro"}));
        QCOMPARE(todos(d, "MonedaInsc"), (QStringList{"Libra Esterlina", "Libra Esterlina", "Euro", "Euro", "Euro"}));
        QCOMPARE(todos(d, "QRDBText18"), QStringList(5, QStringLiteral("Dólar Americano")));
        for (const QString &s : kBloque)
            QVERIFY2(hojaDe(d, s) >= 0, qPrintable(s));
        // Ningún bloque de opción se reparte entre dos hojas.
        for (const Pagina &p : d.paginas)
            QCOMPARE(p.todasDeOrigen(QStringLiteral("ESCU")).size(), p.todasDeOrigen(QStringLiteral("MonedaInsc")).size());
        // Los tres motivos; el segundo y el tercero, cada uno en hoja nueva.
        const int a = hojaDe(d, QStringLiteral("Razones para realizar un posgrado en la especialidad solicitada:"));
        const int b = hojaDe(d, kMotB), c = hojaDe(d, kMotC);
        QVERIFY(a >= 0 && b == a + 1 && c == b + 1);
        QCOMPARE(c, d.paginas.size() - 1);
        QVERIFY(todos(d, "Mot_A").join(u' ').startsWith(QStringLiteral("DESEO CONTINUAR MI DOCTORADO")));
        QVERIFY(todos(d, "Mot_B").join(u' ').contains(QStringLiteral("EN CATÁLISIS Y SIMULACIÓN")));
        QVERIFY(todos(d, "Mot_C").join(u' ').endsWith(QStringLiteral("INDUSTRIA DE LA REGIÓN.")));
        // El título de un motivo nunca queda separado de su texto.
        QCOMPARE(hojaDe(d, QStringLiteral("Razones para realizar un posgrado en la especialidad solicitada:")),
                 [&] { for (int i = 0; i < d.paginas.size(); ++i) if (d.paginas.at(i).deOrigen(QStringLiteral("Mot_A"))) return i; return -1; }());
    }

    void respuestasDelPrograma_data()
    {
        QTest::addColumn<QString>("cambio");
        QTest::addColumn<QStringList>("esperado");   // QRLabel25, Expbecaant, QRLabel28, Expbecacony, QRLabel30, QRDBText12
        const QString sinEgel = QStringLiteral("No he presentado el Examen General para el Egreso de la Licenciatura (EGEL), diseñado por el CENEVAL.");
        QTest::newRow("beca anterior") << "Update General Set Expbecaant=20345" << QStringList{"Sí", "20345", "No", "0", "No", sinEgel};
        QTest::newRow("cónyuge becario y solicitante")
            << "Update General Set Expbecacony=777, Solbecacony='S'" << QStringList{"No", "0", "Sí", "777", "Sí", sinEgel};
        QTest::newRow("EGEL presentado")
            << "Update General Set EGEL=1150"
            << QStringList{"No", "0", "No", "0", "No",
                           "Los puntos obtenidos en el Examen General para el Egreso de la Licenciatura (EGEL), diseñado por el CENEVAL son: 1150."};
        // Sin grados válidos la fila entera desaparece: respuestas en "No" y motivos vacíos.
        QTest::newRow("grados sin fijar") << "Update General Set Grado_ini=0, Expbecaant=5, EGEL=1000, Cerrar='S'"
                                          << QStringList{"No", "", "No", "", "No", sinEgel};
    }
    void respuestasDelPrograma()
    {
        QFETCH(QString, cambio);
        QFETCH(QStringList, esperado);
        Entorno e;
        Muestra::llena();
        Entorno::sql(cambio);
        TR_DatAcad r;
        const Documento d = r.Documento();
        const Pagina &h1 = d.paginas.at(0);
        const QStringList origenes = {"QRLabel25", "Expbecaant", "QRLabel28", "Expbecacony", "QRLabel30", "QRDBText12"};
        for (int i = 0; i < origenes.size(); ++i)
            QCOMPARE(ApoyoReportes::unido(h1, origenes.at(i)), esperado.at(i));
        if (esperado.at(1).isEmpty()) {
            QCOMPARE(texto(h1, "QRL_Borrador"), QStringLiteral("BORRADOR"));
            QVERIFY(todos(d, "Mot_A").isEmpty() && todos(d, "Mot_B").isEmpty() && todos(d, "Mot_C").isEmpty());
            QVERIFY(todos(d, "GRADO_INI").isEmpty());
        }
    }

    void leyendaEnTodasLasHojas_data()
    {
        QTest::addColumn<QVariant>("cerrar");
        QTest::addColumn<QString>("leyenda");
        QTest::newRow("cerrada") << QVariant(QStringLiteral("S")) << "TALVERO";
        QTest::newRow("borrador") << QVariant(QStringLiteral("N")) << "BORRADOR";
        QTest::newRow("sin revisar") << QVariant() << "BORRADOR";
    }
    void leyendaEnTodasLasHojas()
    {
        QFETCH(QVariant, cerrar);
        QFETCH(QString, leyenda);
        Entorno e;
        Muestra::llena();
        Entorno::sql(QStringLiteral("Update General Set Cerrar=:c"), {{QStringLiteral("c"), cerrar}});
        TR_DatAcad r;
        const Documento d = r.Documento();
        QCOMPARE(todos(d, "QRL_Borrador"), QStringList(d.paginas.size(), leyenda));
        const Primitiva *x = d.paginas.last().deOrigen(QStringLiteral("QRL_Borrador"));
        QVERIFY(x->fuente.negrita && x->fuente.puntos >= 24);
        QVERIFY(qAbs(x->caja.right() - (215.9 - 10)) < 0.5);
    }

    void convocatoriaDeCurso()
    {
        Entorno e;
        Muestra::llena();
        Entorno::sql(QStringLiteral("Update General Set Convocatoria=488, Area=0, Disciplina=0, Curso=48803"));
        TR_DatAcad r;
        const Pagina h1 = r.Documento().paginas.at(0);
        QCOMPARE(texto(h1, "Curso"), QStringLiteral("Control Total de Calidad"));
        QVERIFY(!h1.deOrigen(QStringLiteral("AREA")));
        QVERIFY(!h1.deOrigen(QStringLiteral("DISCIPLINA")));
        QVERIFY(h1.busca(QStringLiteral("El comité evaluará sus estudios en el área de:")));
    }

    void opcionesIncompletasYMonedas()
    {
        Entorno e;
        Muestra::llena();
        // La opción 2 sin ciudad en el catálogo no se imprime; las otras, con su moneda.
        Entorno::sql(QStringLiteral("Update Domicilio Set Ciudad_Clave=0 Where Tipo='OP2'"));
        Entorno::sql(QStringLiteral("Update Beca Set Moneda_col=7, Moneda_insc=1 Where Clave=1"));
        Entorno::sql(QStringLiteral("Update Beca Set Moneda_col=20, Moneda_insc=123 Where Clave=3"));
        TR_DatAcad r;
        const Documento d = r.Documento();
        QCOMPARE(todos(d, "ESCU"), (QStringList{"University of Cambridge", "Universidad Complutense de Madrid",
                                                "Université Pierre et Marie Curie (Paris VI)", "Technische Universität Berlin"}));
        QCOMPARE(todos(d, "MonedaCol"), (QStringList{"Dólar Canadiense", "Franco Francés", "Euro", "Euro"}));
        // Una clave desconocida no imprime moneda.
        QCOMPARE(todos(d, "MonedaInsc"), (QStringList{"Marco Alemán", "Euro", "Euro"}));
    }

    // Un motivo de 10,000 caracteres sigue en tantas hojas como necesite, sin perder nada.
    void motivoLargoSeReparte()
    {
        Entorno e;
        Muestra::llena();
        QString largo;
        for (int i = 1; largo.size() < 10000; ++i)
            largo += QStringLiteral("Razón %1: quiero estudiar ingeniería de procesos y volver a enseñar. ").arg(i);
        largo.truncate(10000);
        Entorno::sql(QStringLiteral("Update General Set Motivos_A=:m, Cerrar='S'"), {{QStringLiteral("m"), largo}});
        TR_DatAcad r;
        const Documento d = r.Documento();
        QStringList trozos;
        QList<int> hojas;
        for (int i = 0; i < d.paginas.size(); ++i)
            for (const Primitiva *p : d.paginas.at(i).todasDeOrigen(QStringLiteral("Mot_A"))) {
                trozos << p->texto;
                if (hojas.isEmpty() || hojas.last() != i)
                    hojas << i;
                QVERIFY(p->caja.top() >= kCuerpoArriba - 0.01 && p->caja.bottom() <= kCuerpoAbajo + 0.01);
            }
        QVERIFY2(hojas.size() >= 2, qPrintable(QString::number(hojas.size())));
        auto sinBlancos = [](QString s) { return s.remove(QRegularExpression(QStringLiteral("\\s"))); };
        QCOMPARE(sinBlancos(trozos.join(QString())), sinBlancos(largo));
        // Cada hoja del motivo lleva encabezado y pie; el motivo B empieza en la siguiente.
        for (int h : hojas) {
            QCOMPARE(texto(d.paginas.at(h), "QRL_Borrador"), QStringLiteral("TALVERO"));
            QVERIFY(d.paginas.at(h).busca(QStringLiteral("Firmo bajo protesta de decir verdad")));
        }
        QCOMPARE(hojaDe(d, kMotB), hojas.last() + 1);
        QCOMPARE(hojaDe(d, kMotC), hojas.last() + 2);
    }

    // Ninguna forma imprime una hoja con sólo encabezado y pie; el borrador lo dice en cada hoja.
    void ningunaHojaSinCuerpo_data()
    {
        QTest::addColumn<QString>("reporte");
        QTest::addColumn<QStringList>("sentencias");
        QTest::addColumn<int>("paginas");   // -1: las que salgan
        const QString corto = QStringLiteral("Update General Set Motivos_A='\nQUIERO SER INGENIERA.'");
        QTest::newRow("académicos, una opción y motivo A corto")
            << "academicos" << QStringList{"Delete From Beca Where Clave>1", corto} << 3;
        QTest::newRow("académicos, dos opciones") << "academicos" << QStringList{"Delete From Beca Where Clave>2", corto} << -1;
        QTest::newRow("académicos, muestra") << "academicos" << QStringList{} << -1;
        QTest::newRow("académicos, sin opciones") << "academicos" << QStringList{"Delete From Beca"} << 3;
        QTest::newRow("generales") << "generales" << QStringList{} << 2;
        QTest::newRow("generales sin domicilio") << "generales" << QStringList{"Delete From Domicilio Where Tipo='ACT'"} << 1;
        QTest::newRow("currículum") << "curriculum" << QStringList{} << -1;
        QTest::newRow("formas") << "formas" << QStringList{} << 2;
    }
    void ningunaHojaSinCuerpo()
    {
        QFETCH(QString, reporte);
        QFETCH(QStringList, sentencias);
        QFETCH(int, paginas);
        Entorno e;
        Muestra::llena();
        for (const QString &s : sentencias)
            Entorno::sql(s);
        const auto d = Reportes::construye(reporte);
        QVERIFY(d);
        if (paginas >= 0)
            QCOMPARE(d->paginas.size(), paginas);
        QCOMPARE(ApoyoReportes::hojaSinCuerpo(*d), -1);
        if (reporte != u"formas")
            for (const Pagina &p : d->paginas)
                QVERIFY2(p.contenido().contains(QStringLiteral("BORRADOR")), qPrintable(QString::number(p.numero)));
        if (reporte == u"academicos") {
            const int a = hojaDe(*d, QStringLiteral("Razones para realizar un posgrado en la especialidad solicitada:"));
            QCOMPARE(hojaDe(*d, kMotB), a + 1);
            QCOMPARE(hojaDe(*d, kMotC), a + 2);
        }
    }

    void solicitudVacia()
    {
        Entorno e;
        TR_DatAcad r;
        const Documento d = r.Documento();
        // Respuestas y primer motivo, y los otros dos motivos cada uno en su hoja.
        QCOMPARE(d.paginas.size(), 3);
        QCOMPARE(todos(d, "QRL_Borrador"), QStringList(3, QStringLiteral("BORRADOR")));
        QCOMPARE(hojaDe(d, kTitulo.first()), 0);
        QCOMPARE(texto(d.paginas.at(0), "QRLabel25"), QStringLiteral("No"));
        QVERIFY(todos(d, "Grupo").isEmpty());
        QVERIFY(todos(d, "ESCU").isEmpty());
        QVERIFY(todos(d, "Becario").isEmpty());
        QCOMPARE(hojaDe(d, kMotB), 1);
        QCOMPARE(hojaDe(d, kMotC), 2);
        QCOMPARE(texto(d.paginas.at(2), "Pagina"), QStringLiteral("Página: 3"));
    }

    void pdfConTextoReal()
    {
        REQUIERE_PDFTOTEXT();
        Entorno e;
        Muestra::llena();
        QVERIFY(Reportes::existe(QStringLiteral("academicos")));
        const auto pdf = ApoyoReportes::imprimePdf(QStringLiteral("academicos"), e.carpeta());
        QCOMPARE(pdf.cli.codigo, 0);
        QVERIFY(pdf.leido);
        TR_DatAcad r;
        const int paginas = int(r.Documento().paginas.size());
        const QString &t = pdf.texto;
        const QString plano = t.simplified();
        QCOMPARE(t.count(u'\f'), paginas);
        // La muestra pasa la revisión: la herramienta la imprime como final, igual que
        // Administración, aunque nadie haya puesto Cerrar todavía.
        QCOMPARE(plano.count(QStringLiteral("BORRADOR")), 0);
        QStringList buscados;
        for (const QString &s : kTitulo + kBloque)
            buscados << s.simplified();
        buscados << "Datos Académicos" << "MARÍA ELENA TORRES VALLE" << "INSTITUCIONES PRETENDIDAS" << "Université Pierre et Marie Curie"
                 << "Technische Universität Berlin" << "DOCTORADO EN INGENIERÍA QUÍMICA" << "Libra Esterlina" << "Dólar Americano"
                 << "Ingeniería Química" << "diseñado por el CENEVAL" << "Razones para realizar un posgrado en la especialidad solicitada:"
                 << kMotB << kMotC << "Firmo bajo protesta de decir verdad" << QStringLiteral("Página: %1").arg(paginas);
        const QString falta = ApoyoReportes::faltan(plano, buscados, t);
        QVERIFY2(falta.isEmpty(), qPrintable(falta));
    }
};

REGISTRA_PRUEBA(PruebaDatAcad)
#include "PruebaDatAcad.moc"
