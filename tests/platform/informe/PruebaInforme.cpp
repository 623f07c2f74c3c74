#include "platform/Consulta.h"
#include "platform/informe/Informe.h"
#include "platform/informe/Pintor.h"
#include "support/Entorno.h"
#include "support/Pruebas.h"

#include <QApplication>
#include <QGraphicsView>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QToolBar>

using namespace Informe;

namespace {
// n filas numeradas 1..n en una consulta sin tablas.
void llena(Consulta &q, int n)
{
    q.abre(QStringLiteral("WITH RECURSIVE s(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM s WHERE n < :n) "
                          "SELECT n, 'fila ' || n AS texto FROM s WHERE :n > 0"),
           {{QStringLiteral("n"), n}});
}

// Encabezado y pie de página como los de todos los reportes.
void marcoDePagina(Reporte &r)
{
    auto &enc = r.banda(TipoBanda::EncabezadoPagina, 15);
    enc.texto(0, 2, QStringLiteral("ENCABEZADO")).llamado(QStringLiteral("enc"));
    auto &pie = r.banda(TipoBanda::PiePagina, 10);
    pie.pagina(0, 2, QStringLiteral("Página: ")).llamado(QStringLiteral("pag"));
}

// Límite inferior del cuerpo con los márgenes y el pie de marcoDePagina.
double limiteCuerpo(const Reporte &r) { return r.papel.height() - r.margenes.bottom() - 10; }

QStringList textosDeOrigen(const Documento &d, const QString &origen)
{
    QStringList r;
    for (const Pagina &p : d.paginas)
        for (const Primitiva *x : p.todasDeOrigen(origen))
            r << x->texto;
    return r;
}

QString pdfATexto(const QString &pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}
} // namespace

class PruebaInforme : public QObject {
    Q_OBJECT
private slots:
    void elementosEnMilimetrosDesdeLosMargenes()
    {
        Entorno e;
        Reporte r;
        r.margenes = {12, 15, 10, 8};
        r.marco = true;
        marcoDePagina(r);
        auto &b = r.banda(TipoBanda::Titulo, 30);
        b.texto(5, 3, QStringLiteral("Izquierda")).llamado(QStringLiteral("izq"));
        b.texto(0, 10, QStringLiteral("Derecha"), r.anchoUtil()).alinea(Qt::AlignRight).llamado(QStringLiteral("der"));
        b.texto(0, 20, QStringLiteral("Centro"), r.anchoUtil()).alinea(Qt::AlignHCenter).llamado(QStringLiteral("cen"));
        b.rectangulo(100, 5, 30, 20).llamado(QStringLiteral("caja"));
        const Documento d = r.maqueta();
        QCOMPARE(d.paginas.size(), 1);
        const Pagina &p = d.paginas.first();
        // El encabezado ocupa 15 mm desde el margen superior; el título va debajo.
        QCOMPARE(p.deOrigen(QStringLiteral("enc"))->caja.top(), 15.0 + 2);
        const Primitiva *izq = p.deOrigen(QStringLiteral("izq"));
        QCOMPARE(izq->caja.left(), 17.0);
        QCOMPARE(izq->caja.top(), 15.0 + 15 + 3);
        QVERIFY(qAbs(p.deOrigen(QStringLiteral("der"))->caja.right() - (215.9 - 10)) < 0.01);
        const QRectF cen = p.deOrigen(QStringLiteral("cen"))->caja;
        QVERIFY(qAbs(cen.center().x() - (12 + r.anchoUtil() / 2)) < 0.01);
        QCOMPARE(p.deOrigen(QStringLiteral("caja"))->caja, QRectF(112, 35, 30, 20));
        // Pie al fondo de la hoja y marco por los márgenes.
        QCOMPARE(p.deOrigen(QStringLiteral("pag"))->caja.top(), 279.4 - 8 - 10 + 2);
        QCOMPARE(p.deOrigen(QStringLiteral("marco"))->caja, QRectF(12, 15, 215.9 - 22, 279.4 - 23));
        // El texto medido tiene ancho y la línea base cae dentro de su renglón.
        QVERIFY(izq->caja.width() > 5);
        QVERIFY(izq->base > izq->caja.top() && izq->base < izq->caja.bottom());
    }

    void detallePorFilaConManejadorYBandaHija()
    {
        Entorno e;
        Consulta q;
        llena(q, 3);
        Reporte r;
        auto &det = r.banda(TipoBanda::Detalle, 8).datos(q);
        det.campo(0, 0, 50, q, QStringLiteral("texto")).llamado(QStringLiteral("campo"));
        det.campo(60, 0, 20, q, QStringLiteral("n")).llamado(QStringLiteral("par")).alImprimir([](const QString &v) {
            return v.toInt() % 2 ? QString() : QStringLiteral("par");
        });
        r.banda(TipoBanda::Hija, 5).calculado(0, 0, 50, [&q] { return QStringLiteral("hija ") + q.campo(0).texto(); })
            .llamado(QStringLiteral("hija"));
        r.banda(TipoBanda::Resumen, 5).campo(0, 0, 50, q, QStringLiteral("texto")).llamado(QStringLiteral("resumen"));
        const Documento d = r.maqueta();
        QCOMPARE(d.paginas.first().textos(),
                 QStringList({"fila 1", "hija 1", "fila 2", "par", "hija 2", "fila 3", "hija 3", "fila 3"}));
        // Cada fila 13 mm debajo de la anterior (8 de la banda y 5 de su hija).
        const auto filas = d.paginas.first().todasDeOrigen(QStringLiteral("campo"));
        QCOMPARE(filas.at(1)->caja.top() - filas.at(0)->caja.top(), 13.0);
    }

    void reglaAlImprimirOcultaBandas()
    {
        Entorno e;
        Consulta q;
        llena(q, 6);
        Reporte r;
        r.banda(TipoBanda::Titulo, 10).visible([] { return false; }).texto(0, 0, QStringLiteral("oculto"));
        auto &det = r.banda(TipoBanda::Detalle, 10).datos(q).visible([&q] { return q.campo(0).entero() % 3 != 0; });
        det.campo(0, 0, 40, q, QStringLiteral("texto"));
        const Documento d = r.maqueta();
        QCOMPARE(d.paginas.first().textos(), QStringList({"fila 1", "fila 2", "fila 4", "fila 5"}));
        // Una banda oculta no deja hueco.
        QCOMPARE(d.paginas.first().busca(QStringLiteral("fila 4"))->caja.top() - d.paginas.first().busca(QStringLiteral("fila 2"))->caja.top(), 10.0);
    }

    void saltosDePaginaYNumeros_data()
    {
        QTest::addColumn<int>("filas");
        QTest::addColumn<int>("paginas");
        // Cuerpo: 279.4 - 20 de márgenes - 15 de encabezado - 10 de pie = 234.4 mm: 23 filas de 10 mm.
        QTest::newRow("sin filas: una página con encabezado y pie") << 0 << 1;
        QTest::newRow("una fila") << 1 << 1;
        QTest::newRow("página llena justa") << 23 << 1;
        QTest::newRow("una de más") << 24 << 2;
        QTest::newRow("cien filas") << 100 << 5;
    }
    void saltosDePaginaYNumeros()
    {
        QFETCH(int, filas);
        QFETCH(int, paginas);
        Entorno e;
        Consulta q;
        llena(q, filas);
        Reporte r;
        marcoDePagina(r);
        r.banda(TipoBanda::Detalle, 10).datos(q).campo(0, 0, 50, q, QStringLiteral("texto")).llamado(QStringLiteral("fila"));
        const Documento d = r.maqueta();
        QCOMPARE(d.paginas.size(), paginas);
        QStringList esperado;
        for (int i = 1; i <= filas; ++i)
            esperado << QStringLiteral("fila %1").arg(i);
        QCOMPARE(textosDeOrigen(d, QStringLiteral("fila")), esperado);
        for (int i = 0; i < d.paginas.size(); ++i) {
            const Pagina &p = d.paginas.at(i);
            QCOMPARE(p.numero, i + 1);
            QCOMPARE(p.deOrigen(QStringLiteral("pag"))->texto, QStringLiteral("Página: %1").arg(i + 1));
            QVERIFY(p.deOrigen(QStringLiteral("enc")));
            for (const Primitiva *x : p.todasDeOrigen(QStringLiteral("fila")))
                QVERIFY(x->caja.bottom() <= limiteCuerpo(r) + 0.01);
        }
    }

    void textoQueCreceSeReparteSinPerderNada()
    {
        Entorno e;
        // 10,000 caracteres en párrafos, con acentos y una palabra enorme sin blancos.
        QString memo;
        int n = 0;
        while (memo.size() < 10000) {
            ++n;
            memo += QStringLiteral("Razón número %1 de mi interés por el posgrado en ingeniería. ").arg(n);
            if (n % 25 == 0)
                memo += QStringLiteral("\n\n");
        }
        memo.insert(5000, QStringLiteral(" ") + QString(300, u'x') + QStringLiteral(" "));
        memo.truncate(10000);
        Reporte r;
        marcoDePagina(r);
        auto &res = r.banda(TipoBanda::Resumen, 30);
        res.texto(0, 0, QStringLiteral("Razones:")).negrita().llamado(QStringLiteral("etiqueta"));
        auto &m = res.texto(0, 6, memo, 120).crece().marco().llamado(QStringLiteral("memo"));
        m.caja.setHeight(10);
        res.texto(0, 20, QStringLiteral("DESPUÉS")).llamado(QStringLiteral("despues"));
        const Documento d = r.maqueta();
        QVERIFY2(d.paginas.size() >= 3, qPrintable(QString::number(d.paginas.size())));
        // Todo el texto está, en orden: sólo cambian los blancos donde se parten los renglones.
        const QString junto = textosDeOrigen(d, QStringLiteral("memo")).join(QString());
        QString sinBlancos = memo;
        sinBlancos.remove(QRegularExpression(QStringLiteral("\\s")));
        QCOMPARE(QString(junto).remove(QRegularExpression(QStringLiteral("\\s"))), sinBlancos);
        for (const Pagina &p : d.paginas) {
            QVERIFY(p.deOrigen(QStringLiteral("enc")));
            QVERIFY(p.deOrigen(QStringLiteral("pag")));
            for (const Primitiva *x : p.todasDeOrigen(QStringLiteral("memo"))) {
                // Ningún renglón invade el pie ni se sale de su ancho.
                QVERIFY(x->caja.bottom() <= limiteCuerpo(r) + 0.01);
                if (x->tipo == Primitiva::Tipo::Texto)
                    QVERIFY(x->caja.width() <= 120.01);
            }
            // El recuadro del texto se parte con él: uno por página.
            int recuadros = 0;
            for (const Primitiva *x : p.todasDeOrigen(QStringLiteral("memo")))
                recuadros += x->tipo == Primitiva::Tipo::Rectangulo;
            QCOMPARE(recuadros, 1);
        }
        // Lo que va debajo del texto baja con él y sale al final.
        QVERIFY(!d.paginas.first().deOrigen(QStringLiteral("despues")));
        const Pagina &ultima = d.paginas.last();
        const Primitiva *despues = ultima.deOrigen(QStringLiteral("despues"));
        QVERIFY(despues);
        for (const Primitiva *x : ultima.todasDeOrigen(QStringLiteral("memo")))
            QVERIFY(x->caja.bottom() <= despues->caja.top() + 0.01);
        QCOMPARE(d.paginas.first().deOrigen(QStringLiteral("etiqueta"))->texto, QStringLiteral("Razones:"));
    }

    void textosLadoALadoEmpujanLoQueMasCrece()
    {
        Entorno e;
        Reporte r;
        marcoDePagina(r);
        auto &b = r.banda(TipoBanda::Resumen, 20);
        const QString largo = QStringLiteral("renglón que se parte en varios renglones ").repeated(12);
        b.texto(0, 0, largo, 40).crece().llamado(QStringLiteral("izq"));
        b.texto(50, 0, largo.left(largo.size() / 2), 40).crece().llamado(QStringLiteral("der"));
        b.texto(0, 10, QStringLiteral("ABAJO")).llamado(QStringLiteral("abajo"));
        const Documento d = r.maqueta();
        QCOMPARE(d.paginas.size(), 1);
        const Pagina &p = d.paginas.first();
        double finIzq = 0, finDer = 0;
        for (const Primitiva *x : p.todasDeOrigen(QStringLiteral("izq")))
            finIzq = std::max(finIzq, x->caja.bottom());
        for (const Primitiva *x : p.todasDeOrigen(QStringLiteral("der")))
            finDer = std::max(finDer, x->caja.bottom());
        const Primitiva *abajo = p.deOrigen(QStringLiteral("abajo"));
        QVERIFY(abajo);
        QVERIFY(finIzq > finDer);
        // Lo de abajo queda justo después del texto más largo, no de la suma de ambos.
        QVERIFY(abajo->caja.top() >= finIzq - 0.01);
        QVERIFY(abajo->caja.top() - finIzq < 10.01);
    }

    void encabezadoDeSeccionSoloConSuPrimeraFila_data()
    {
        QTest::addColumn<int>("relleno");      // mm ocupados antes de la sección
        QTest::addColumn<int>("filas");
        QTest::addColumn<int>("paginaEncabezado");
        // Cuerpo de 234.4 mm; encabezado de sección 10, filas 10.
        QTest::newRow("todo en la primera") << 100 << 5 << 1;
        QTest::newRow("cabe el encabezado pero no su fila") << 220 << 5 << 2;
        QTest::newRow("cabe con su fila y sigue en otra página") << 200 << 5 << 1;
        QTest::newRow("sección sin filas") << 100 << 0 << 0;
    }
    void encabezadoDeSeccionSoloConSuPrimeraFila()
    {
        QFETCH(int, relleno);
        QFETCH(int, filas);
        QFETCH(int, paginaEncabezado);
        Entorno e;
        Consulta q;
        llena(q, filas);
        Reporte r;
        marcoDePagina(r);
        r.banda(TipoBanda::Titulo, relleno).texto(0, 0, QStringLiteral("relleno"));
        r.banda(TipoBanda::EncabezadoSeccion, 10).texto(0, 0, QStringLiteral("SECCIÓN")).llamado(QStringLiteral("sec"));
        r.banda(TipoBanda::Detalle, 10).datos(q).campo(0, 0, 50, q, QStringLiteral("texto")).llamado(QStringLiteral("fila"));
        r.banda(TipoBanda::Resumen, 10).texto(0, 0, QStringLiteral("fin"));
        const Documento d = r.maqueta();
        int vecesEncabezado = 0;
        for (const Pagina &p : d.paginas) {
            const Primitiva *sec = p.deOrigen(QStringLiteral("sec"));
            if (!sec)
                continue;
            ++vecesEncabezado;
            QCOMPARE(p.numero, paginaEncabezado);
            // Su primera fila va justo debajo, en la misma página.
            const Primitiva *primera = p.busca(QStringLiteral("fila 1"));
            QVERIFY(primera);
            QCOMPARE(primera->caja.top() - sec->caja.top(), 10.0);
        }
        QCOMPARE(vecesEncabezado, paginaEncabezado ? 1 : 0);
        QCOMPARE(textosDeOrigen(d, QStringLiteral("fila")).size(), filas);
        QVERIFY(d.paginas.last().busca(QStringLiteral("fin")));
    }

    void nuevaPaginaSinHojaEnBlanco()
    {
        Entorno e;
        Reporte r;
        marcoDePagina(r);
        r.banda(TipoBanda::Detalle, 20).nuevaPagina().texto(0, 0, QStringLiteral("hoja uno"));
        r.banda(TipoBanda::Resumen, 20).nuevaPagina().texto(0, 0, QStringLiteral("hoja dos"));
        r.banda(TipoBanda::Hija, 20).texto(0, 0, QStringLiteral("sigue en la dos"));
        r.banda(TipoBanda::Hija, 20).nuevaPagina().texto(0, 0, QStringLiteral("hoja tres"));
        const Documento d = r.maqueta();
        QCOMPARE(d.paginas.size(), 3);
        QCOMPARE(d.paginas.at(0).textos(), QStringList({"ENCABEZADO", "hoja uno", "Página: 1"}));
        QCOMPARE(d.paginas.at(1).textos(), QStringList({"ENCABEZADO", "hoja dos", "sigue en la dos", "Página: 2"}));
        QCOMPARE(d.paginas.at(2).textos(), QStringList({"ENCABEZADO", "hoja tres", "Página: 3"}));
    }

    // Ninguna hoja lleva sólo encabezado y pie: ni el blanco del final de una banda que crece,
    // ni una raya suya, ni una banda sin nada que leer abren hoja.
    void ningunaHojaEnBlanco_data()
    {
        QTest::addColumn<double>("relleno");      // mm ocupados antes de la banda de resumen
        QTest::addColumn<bool>("rellenoVisible");
        QTest::addColumn<int>("hojaResumen");
        // Cuerpo de 234.4 mm; el resumen mide 16 (título, texto hasta 7 + renglón, raya en 13).
        QTest::newRow("cabe entera") << 234.4 - 16 << true << 0;
        QTest::newRow("sólo el blanco final no cabe") << 234.4 - 14.5 << true << 0;
        QTest::newRow("la raya y el blanco no caben") << 234.4 - 12 << true << 0;
        QTest::newRow("no cabe el texto: pasa a la siguiente") << 234.4 - 5 << true << 1;
        QTest::newRow("banda sin nada que leer antes") << 100.0 << false << 0;
    }
    void ningunaHojaEnBlanco()
    {
        QFETCH(double, relleno);
        QFETCH(bool, rellenoVisible);
        QFETCH(int, hojaResumen);
        Entorno e;
        Reporte r;
        marcoDePagina(r);
        r.banda(TipoBanda::Detalle, relleno).texto(0, 0, rellenoVisible ? QStringLiteral("relleno") : QString());
        auto &res = r.banda(TipoBanda::Resumen, 16).nuevaPagina(!rellenoVisible);
        res.texto(0, 2, QStringLiteral("Razones:")).llamado(QStringLiteral("titulo"));
        res.texto(0, 7, QStringLiteral("corto"), 120).crece();
        res.linea(0, 13, 120, 13);
        r.banda(TipoBanda::Hija, 16).nuevaPagina().texto(0, 0, QStringLiteral("motivo B"));
        const Documento d = r.maqueta();
        QCOMPARE(d.paginas.size(), hojaResumen + 2);
        QVERIFY(d.paginas.at(hojaResumen).busca(QStringLiteral("corto")));
        QVERIFY(d.paginas.last().busca(QStringLiteral("motivo B")));
        for (const Pagina &p : d.paginas)
            QVERIFY2(p.textos().size() > 2, qPrintable(p.contenido()));
        // Sin nada visible antes, el resumen que pide hoja nueva empieza arriba de la primera.
        if (!rellenoVisible)
            QCOMPARE(d.paginas.first().deOrigen(QStringLiteral("titulo"))->caja.top(), 10 + 15 + 2.0);
    }

    void consultaMaestraVaciaNoImprimeNada()
    {
        Entorno e;
        Consulta q;
        llena(q, 0);
        Reporte r;
        marcoDePagina(r);
        r.maestra = &q;
        r.banda(TipoBanda::Titulo, 20).texto(0, 0, QStringLiteral("título"));
        QCOMPARE(r.maqueta().paginas.size(), 0);
        llena(q, 1);
        QCOMPARE(r.maqueta().paginas.size(), 1);
    }

    void fechaHoraYTextoAjustado()
    {
        Entorno e;
        Reporte r;
        auto &b = r.banda(TipoBanda::Titulo, 20);
        b.fecha(0, 0).llamado(QStringLiteral("fecha"));
        b.hora(40, 0, QStringLiteral("Hora: ")).llamado(QStringLiteral("hora"));
        auto &aj = b.texto(0, 6, QStringLiteral("uno dos tres cuatro cinco seis siete ocho nueve diez once doce"), 25).ajusta()
                       .llamado(QStringLiteral("aj"));
        aj.caja.setHeight(altoRenglon(aj.fuente) * 2);
        const Documento d = r.maqueta();
        const Pagina &p = d.paginas.first();
        QCOMPARE(p.deOrigen(QStringLiteral("fecha"))->texto, QStringLiteral("15/03/2004"));
        QCOMPARE(p.deOrigen(QStringLiteral("hora"))->texto, QStringLiteral("Hora: 10:30:00"));
        // Ajustado: parte en renglones pero no pasa de su caja.
        QCOMPARE(p.todasDeOrigen(QStringLiteral("aj")).size(), 2);
    }

    void pdfConTextoRealYAcentos()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext no está instalado (paquete poppler-utils)");
        Entorno e;
        Consulta q;
        llena(q, 60);
        Reporte r(QStringLiteral("Prueba"));
        r.marco = true;
        marcoDePagina(r);
        auto &t = r.banda(TipoBanda::Titulo, 20);
        t.texto(0, 0, QStringLiteral("Dirección: Peñasco Núñez, Ávila ¿Sí? «ü»")).negrita();
        t.textoRico(0, 8, 150, QStringLiteral("Texto <b>rico</b> con <i>cursiva</i> y configuración"));
        t.linea(0, 18, 100, 18);
        r.banda(TipoBanda::Detalle, 10).datos(q).campo(0, 0, 50, q, QStringLiteral("texto")).cursiva();
        QTemporaryDir dir;
        const QString archivo = dir.filePath(QStringLiteral("prueba.pdf"));
        const Documento d = r.maqueta();
        QCOMPARE(escribePdf(d, archivo), QString());
        const QString texto = pdfATexto(archivo);
        for (const QString &s : {QStringLiteral("Dirección: Peñasco Núñez, Ávila ¿Sí? «ü»"), QStringLiteral("configuración"),
                                 QStringLiteral("fila 1"), QStringLiteral("fila 60"), QStringLiteral("Página: 3")})
            QVERIFY2(texto.contains(s), qPrintable(s + QStringLiteral(" no está en:\n") + texto));
        // Una hoja del PDF por página del modelo.
        QCOMPARE(texto.count(u'\f'), d.paginas.size());
        // Un directorio que no existe es un error, dicho en español.
        QVERIFY(escribePdf(d, dir.filePath(QStringLiteral("no/existe.pdf"))).startsWith(QStringLiteral("No se pudo escribir")));

    }

    // En un disco que se llena, el PDF anterior queda como estaba y no queda ningún temporal:
    // también cuando el disco acepta sólo una parte del PDF sin dar error (escritura corta).
    void pdfEnDiscoLleno_data()
    {
        QTest::addColumn<int>("libres");    // bytes que se dejan libres tras el primer PDF; -1 no se llena
        QTest::addColumn<int>("renglones"); // del segundo PDF
        QTest::newRow("sin espacio") << 2048 << 60;
        QTest::newRow("escritura corta") << -1 << 4000;
    }
    void pdfEnDiscoLleno()
    {
        QFETCH(int, libres);
        QFETCH(int, renglones);
        Entorno e;
        const auto documento = [](int n) {
            Consulta q;
            llena(q, n);
            Reporte r(QStringLiteral("Prueba"));
            r.banda(TipoBanda::Detalle, 10).datos(q).campo(0, 0, 50, q, QStringLiteral("texto"));
            return r.maqueta();
        };
        DiscoPequeno disco(64);
        if (!disco.valido())
            QSKIP("no se puede montar un disco pequeño (hace falta ser root)");
        const QString enDisco = disco.ruta() + QStringLiteral("/prueba.pdf");
        QCOMPARE(escribePdf(documento(60), enDisco), QString());
        const QByteArray anterior = [&] { QFile f(enDisco); f.open(QIODevice::ReadOnly); return f.readAll(); }();
        QStringList quedan{QStringLiteral("prueba.pdf")};
        if (libres >= 0) {
            disco.llena(libres);
            quedan.prepend(QStringLiteral(".relleno"));
        }
        const QString error = escribePdf(documento(renglones), enDisco);
        QVERIFY2(error.startsWith(QStringLiteral("No se pudo escribir")) && error.contains(QStringLiteral("espacio")), qPrintable(error));
        QFile f(enDisco);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), anterior);
        QCOMPARE(QDir(disco.ruta()).entryList(QDir::Files | QDir::Hidden), quedan);
    }

    void vistaPreviaModalDibujaLasPaginas()
    {
        Entorno e;
        Reporte r(QStringLiteral("Vista"));
        marcoDePagina(r);
        r.banda(TipoBanda::Titulo, 10).texto(0, 0, QStringLiteral("hola"));
        const Documento d = r.maqueta();
        bool vista = false;
        int paginas = -1;
        QTimer::singleShot(0, [&] {
            auto *dlg = qobject_cast<QPrintPreviewDialog *>(QApplication::activeModalWidget());
            vista = dlg && dlg->windowTitle() == u"Vista" && dlg->findChild<QAction *>(QStringLiteral("GuardaPdf"));
            // Desde el teclado: Ctrl+S guarda, Ctrl+P imprime y cada botón de la barra toma el foco.
            QStringList atajos;
            for (QAction *a : dlg ? dlg->findChild<QToolBar *>()->actions() : QList<QAction *>())
                if (!a->shortcut().isEmpty() && a->toolTip().contains(a->shortcut().toString(QKeySequence::NativeText)))
                    atajos << a->shortcut().toString();
            vista = vista && atajos.contains(QStringLiteral("Ctrl+S")) && atajos.contains(QStringLiteral("Ctrl+P"));
            for (QToolButton *b : dlg ? dlg->findChildren<QToolButton *>() : QList<QToolButton *>())
                vista = vista && (b->focusPolicy() & Qt::TabFocus);
            // Desde la página, Tab recorre la barra de izquierda a derecha («Guardar PDF…» al final).
            QList<QWidget *> enBarra, enCadena;
            if (auto *barra = dlg ? dlg->findChild<QToolBar *>() : nullptr)
                for (QAction *a : barra->actions())
                    if (auto *b = qobject_cast<QToolButton *>(barra->widgetForAction(a)); b && b->isEnabled())
                        enBarra << b;
            for (QWidget *w = dlg ? dlg->findChild<QGraphicsView *>() : nullptr; w && enCadena.size() < enBarra.size(); w = w->nextInFocusChain())
                if (enBarra.contains(w))
                    enCadena << w;
            vista = vista && !enBarra.isEmpty() && enCadena == enBarra;
            if (auto *w = dlg ? dlg->findChild<QPrintPreviewWidget *>() : nullptr)
                paginas = w->pageCount();
            if (dlg)
                dlg->reject();
        });
        previsualiza(d);
        QVERIFY(vista);
        QCOMPARE(paginas, 1);
        // El texto rico del modelo se lee como texto llano.
        Reporte rico;
        rico.banda(TipoBanda::Titulo, 10).textoRico(0, 0, 100, QStringLiteral("<b>Hola</b> <i>mundo</i>"));
        QCOMPARE(rico.maqueta().paginas.first().textos(), QStringList{QStringLiteral("Hola mundo")});
    }
};

REGISTRA_PRUEBA(PruebaInforme)
#include "PruebaInforme.moc"
