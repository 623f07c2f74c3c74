#include "platform/informe/Pintor.h"
#include "reports/ApoyoReportes.h"
#include "reports/Reportes.h"
#include "reports/last.h"
#include "support/Entorno.h"
#include "support/Muestra.h"
#include "support/Pruebas.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

using ApoyoReportes::solicitante;
using Informe::Primitiva;

namespace {
const QStringList kEtiquetasHoja1 = {
    "A) Nombre completo del solicitante:", "B) Tiempo de conocer al solicitante profesionalmente:", "años.",
    "C) Conoce al solicitante como:", "1) Estudiante", "2) Profesional", "3) Técnico", "4) Ayudante de investigación",
    "5) Investigador", "6) Empleado", "7) Otro", "D) Evalúe al solicitante con el siguiente cuadro:", "EXCE.", "M.B.",
    "BUE.", "REG.", "MALO", "Habilidad Intelectual:", "Conocimiento del campo de estudio:", "Habilidad en el trabajo:",
    "Iniciativa en el trabajo:", "Motivación para obtener el posgrado:", "Seriedad de la propuesta:", "Madurez emocional:",
    "Potencial para enseñar:", "Cualidades en el liderazgo:", "Readaptación en nuevas situaciones:",
    "Potencial para contribuir en su campo:",
    "E) Por favor, califique de manera global al solicitante en una escala de 0 a 10:", "F) Datos personales del árbitro:",
    "Nombre completo:", "Lugar de trabajo:", "Dirección de trabajo:", "Teléfono:", "Fax:", "E-mail:", "Puesto que desempeña:"};
} // namespace

class PruebaFormas : public QObject {
    Q_OBJECT
private slots:
    void dosHojasConEncabezadoYFirma_data()
    {
        QTest::addColumn<int>("caso");     // 0 muestra completa, 1 solicitante propio, 2 vacía
        QTest::addColumn<QVariant>("nombre2");
        QTest::addColumn<QString>("nombre");
        QTest::newRow("solicitud de muestra completa") << 0 << QVariant() << "TORRES VALLE MARÍA ELENA";
        QTest::newRow("apóstrofo y acentos") << 1 << QVariant(QStringLiteral("ÁNGEL")) << "NÚÑEZ O'PEÑA JOSÉ ÁNGEL";
        // Sin segundo nombre (NULL) el nombre sale igual, no vacío.
        QTest::newRow("sin segundo nombre") << 1 << QVariant() << "NÚÑEZ O'PEÑA JOSÉ";
        QTest::newRow("solicitud vacía") << 2 << QVariant() << "";
    }
    void dosHojasConEncabezadoYFirma()
    {
        QFETCH(int, caso);
        QFETCH(QVariant, nombre2);
        QFETCH(QString, nombre);
        Entorno e;
        if (caso == 0)
            Muestra::llena();
        else if (caso == 1)
            solicitante(nombre2);
        TW_Formas w;
        QCOMPARE(w.objectName(), QStringLiteral("W_Formas"));
        QCOMPARE(w.windowTitle(), QStringLiteral("W_Formas"));
        const Informe::Documento d = w.Documento();
        QCOMPARE(d.paginas.size(), 2);
        for (const Informe::Pagina &p : d.paginas) {
            // Encabezado: emblema, fecha y hora lado a lado arriba a la derecha; pie con la firma.
            QCOMPARE(p.cuenta(Primitiva::Tipo::Imagen), 1);
            const Primitiva *fecha = p.busca(QStringLiteral("15/03/2004"));
            const Primitiva *hora = p.busca(QStringLiteral("10:30:00"));
            QVERIFY(fecha && hora);
            QCOMPARE(fecha->base, hora->base);
            QVERIFY(fecha->caja.right() < hora->caja.left());
            QVERIFY(hora->caja.left() > 150);
            QVERIFY(p.busca(QStringLiteral("Evaluación del Solicitante")));
            QVERIFY(p.busca(QStringLiteral("TALVERO")));
            const Primitiva *firma = p.busca(QStringLiteral("Nombre y Firma del árbitro"));
            QVERIFY(firma && firma->fuente.negrita);
            QVERIFY(firma->caja.bottom() <= 279.4 - 10 + 0.01 && firma->caja.top() > 250);
            QVERIFY(qAbs(firma->caja.center().x() - 215.9 / 2) < 0.5);
        }
        const Informe::Pagina &h1 = d.paginas.at(0), &h2 = d.paginas.at(1);
        const QString t1 = h1.contenido();
        for (const QString &s : kEtiquetasHoja1)
            QVERIFY2(h1.busca(s), qPrintable(s));
        QVERIFY(t1.contains(QStringLiteral("¿El solicitante conoce las instituciones en donde quiere")));
        QVERIFY(t1.contains(QStringLiteral("estudiar?")));
        // Nombre subrayado, en el mismo renglón que su etiqueta.
        const Primitiva *valor = h1.deOrigen(QStringLiteral("Nombre"));
        if (nombre.isEmpty()) {
            QVERIFY(!valor);
        } else {
            QVERIFY(valor);
            QCOMPARE(valor->texto.trimmed(), nombre);   // sin segundo nombre queda un blanco al final, invisible
            QVERIFY(valor->fuente.subrayado);
            const Primitiva *a = h1.busca(kEtiquetasHoja1.first());
            QCOMPARE(valor->base, a->base);
            QVERIFY(valor->caja.left() > a->caja.right());
        }
        // Incisos en negritas; opciones y renglones del cuadro en cursivas.
        for (const char *s : {"A) Nombre completo del solicitante:", "D) Evalúe al solicitante con el siguiente cuadro:", "EXCE.", "MALO"})
            QVERIFY2(h1.busca(QString::fromUtf8(s))->fuente.negrita, s);
        for (const char *s : {"3) Técnico", "Madurez emocional:", "Nombre completo:"}) {
            QVERIFY2(h1.busca(QString::fromUtf8(s))->fuente.cursiva, s);
            QVERIFY2(!h1.busca(QString::fromUtf8(s))->fuente.negrita, s);
        }
        // Cuadro de doce filas de cinco celdas (un recuadro y cuatro divisiones por fila).
        QCOMPARE(h1.cuenta(Primitiva::Tipo::Rectangulo), 12);
        // La hoja de la opinión: los cuatro párrafos, en letra normal.
        const QString t2 = QStringList(h2.textos()).join(u' ');
        for (const QString &s : {QStringLiteral("Por favor, escriba una última opinión en torno al desempeño académico"),
                                 QStringLiteral("Use el espacio que considere necesario."),
                                 QStringLiteral("si el solicitante  ha hecho una indagación exhaustiva"),
                                 QStringLiteral("Ocupe las hojas que sean necesarias y firme al final de cada una de ellas.")})
            QVERIFY2(t2.contains(s), qPrintable(s));
        QVERIFY(!h2.busca(kEtiquetasHoja1.first()));
        for (const Primitiva *x : h2.todasDeOrigen(QStringLiteral("Parrafo")))
            QVERIFY(!x->fuente.negrita && !x->fuente.cursiva);
    }

    void imprimirFormasMuestraLaVistaPrevia()
    {
        Entorno e;
        solicitante(QStringLiteral("ÁNGEL"));
        const auto vista = ApoyoReportes::capturaVistaPrevia([] { Imprime_Formas(); });
        QCOMPARE(vista.titulo, QStringLiteral("Evaluación del Solicitante"));
        QCOMPARE(vista.paginas, 2);
    }

    void registradoParaLaLineaDeOrdenes()
    {
        Entorno e;
        solicitante(QStringLiteral("ÁNGEL"));
        QVERIFY(Reportes::nombres().contains(QStringLiteral("formas")));
        const auto d = Reportes::construye(QStringLiteral("formas"));
        QVERIFY(d);
        QCOMPARE(d->paginas.size(), 2);
        QVERIFY(!Reportes::construye(QStringLiteral("nada")));
    }

    void pdfDeLaLineaDeOrdenes()
    {
        REQUIERE_PDFTOTEXT();
        Entorno e;
        Muestra::llena();
        const int personas = Entorno::cuenta(QStringLiteral("Persona"));
        const auto pdf = ApoyoReportes::imprimePdf(QStringLiteral("formas"), e.carpeta());
        QCOMPARE(pdf.cli.codigo, 0);
        QVERIFY(pdf.cli.salida.contains(pdf.archivo));
        QVERIFY(pdf.leido);
        QCOMPARE(pdf.texto.count(u'\f'), 2);
        QStringList buscados = kEtiquetasHoja1;
        buscados << "TORRES VALLE MARÍA ELENA" << "Evaluación del Solicitante" << "TALVERO" << "Nombre y Firma del árbitro"
                 << "Ocupe las hojas que sean necesarias y firme al final de cada una de ellas.";
        const QString falta = ApoyoReportes::faltan(pdf.texto, buscados);
        QVERIFY2(falta.isEmpty(), qPrintable(falta));
        // Imprimir no escribe en las tablas.
        QCOMPARE(Entorno::cuenta(QStringLiteral("Persona")), personas);
    }

    void erroresDeLaLineaDeOrdenes_data()
    {
        QTest::addColumn<QStringList>("args");     // CARPETA y SALIDA se sustituyen
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("carpeta que no existe") << QStringList{"imprime", "formas", "SALIDA", "--tablas", "FALTA"} << "No existe la carpeta de tablas";
        QTest::newRow("carpeta sin base") << QStringList{"imprime", "formas", "SALIDA", "--tablas", "VACIA"} << "no tiene la base";
        QTest::newRow("reporte desconocido") << QStringList{"imprime", "otro", "SALIDA", "--tablas", "CARPETA"} << "Reporte desconocido: otro";
        QTest::newRow("falta la salida") << QStringList{"imprime", "formas", "--tablas", "CARPETA"} << "Faltan argumentos";
        QTest::newRow("argumento de más") << QStringList{"imprime", "formas", "SALIDA", "extra", "--tablas", "CARPETA"} << "Argumento no reconocido: extra";
        QTest::newRow("--tablas sin carpeta") << QStringList{"imprime", "formas", "SALIDA", "--tablas"} << "Falta la carpeta";
        QTest::newRow("opción desconocida") << QStringList{"imprime", "formas", "SALIDA", "--color", "--tablas", "CARPETA"}
                                            << "Argumento no reconocido: --color";
        QTest::newRow("--tablas dos veces") << QStringList{"imprime", "formas", "SALIDA", "--tablas", "CARPETA", "--tablas", "FALTA"}
                                            << "Argumento no reconocido: --tablas";
        QTest::newRow("salida en carpeta inexistente") << QStringList{"imprime", "formas", "FALTA/x.pdf", "--tablas", "CARPETA"} << "No se puede escribir";
        QTest::newRow("fideicomiso sin solicitante") << QStringList{"imprime", "quiral", "SALIDA", "--tablas", "CARPETA"}
                                                     << "no tiene nada que imprimir: falta el solicitante";
    }

    // "ORDEN --help" muestra el uso de esa orden, sale con 0 y no hace nada más.
    void ayudaDeCadaOrden_data()
    {
        QTest::addColumn<QString>("orden");
        QTest::addColumn<QStringList>("resto");   // DIR se sustituye
        for (const char *o : {"crea", "entrega", "imprime", "restaura", "revisa", "verifica", "recibe", "resumen"}) {
            QTest::newRow(o) << QString::fromLatin1(o) << QStringList{"--help", "--tablas", "DIR"};
            // Donde iba la carpeta: es la ayuda, no una carpeta llamada "--help".
            QTest::addRow("%s --tablas --help", o) << QString::fromLatin1(o) << QStringList{"ORIGEN", "--tablas", "--help"};
        }
    }
    void ayudaDeCadaOrden()
    {
        QFETCH(QString, orden);
        QFETCH(QStringList, resto);
        QTemporaryDir dir;
        resto.replaceInStrings(QStringLiteral("DIR"), dir.filePath(QStringLiteral("t")));
        const SalidaCli r = corre(QStringList{orden} + resto);
        QCOMPARE(r.codigo, 0);
        QVERIFY2(r.salida.startsWith(QStringLiteral("Uso: solicitud-cli ") + orden + u' '), qPrintable(r.salida + r.error));
        QVERIFY(QDir(dir.path()).isEmpty());
    }
    void erroresDeLaLineaDeOrdenes()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, mensaje);
        Entorno e;
        QTemporaryDir dir;
        const QString falta = dir.filePath(QStringLiteral("falta"));
        QDir(dir.path()).mkdir(QStringLiteral("vacia"));
        for (QString &a : args)
            a.replace(QLatin1String("CARPETA"), e.carpeta()).replace(QLatin1String("SALIDA"), dir.filePath(QStringLiteral("s.pdf")))
                .replace(QLatin1String("FALTA"), falta).replace(QLatin1String("VACIA"), dir.filePath(QStringLiteral("vacia")));
        const SalidaCli r = corre(args);
        QCOMPARE(r.codigo, 2);
        QVERIFY2(r.error.contains(mensaje), qPrintable(r.error));
        // Nada se crea: ni la carpeta que falta, ni una base en la vacía, ni el PDF.
        QVERIFY(!QFileInfo::exists(falta));
        QVERIFY(QDir(dir.filePath(QStringLiteral("vacia"))).isEmpty());
        QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("s.pdf"))));
    }
};

REGISTRA_PRUEBA(PruebaFormas)
#include "PruebaFormas.moc"
