#include "platform/informe/Pintor.h"
#include "reports/ApoyoReportes.h"
#include "reports/Reportes.h"
#include "reports/U_rcurr.h"
#include "support/Entorno.h"
#include "support/Muestra.h"
#include "support/Pruebas.h"

using ApoyoReportes::lugar;
using Informe::Primitiva;

namespace {
const QStringList kTitulos = {"ANTECEDENTES ESCOLARES",
                              "ASOCIACIONES A QUE PERTENECE",
                              "BECAS RECIBIDAS",
                              "TRABAJOS PRESENTADOS EN CONGRESOS",
                              "CONOCIMIENTO DE IDIOMAS DISTINTO AL ESPAÑOL",
                              "PUBLICACIONES REALIZADAS",
                              "RECONOCIMIENTOS ACADEMICOS",
                              "TESIS DIRIGIDAS",
                              "EXPERIENCIA PROFESIONAL",
                              "OTROS ESTUDIOS"};

const QStringList kEtiquetas = {"Nivel", "Escuela", "Tipo", "Fecha de", "Inicio", "Término", "Promedio", "Carrera",
                                "Nombre de la asociación", "Institución donante", "Duración", "Grado", "Lugar", "Ponencia",
                                "Fecha", "Nombre del idioma", "Escritura (%)", "Lectura (%)", "Comprensión (%)", "Titulo",
                                "Autores", "País", "Fecha ", "Editorial", "Nombre de la institución:", "Grado: ", "Fecha: ",
                                "Nombre tesis", "Puesto: ", "De: ", "A: "};

const QSet<QString> kPie = {"NombreFirma", "Protesta", "Pagina"};
const QSet<QString> kEncabezado = {"Leyenda", "Nombre", "Titulo", "Fecha", "Hora"};
constexpr double kHoja = 279.4;

Informe::Documento curriculum()
{
    TR_Curriculum r;
    return r.Documento();
}

int veces(const Informe::Documento &d, const QString &texto)
{
    int n = 0;
    for (const Informe::Pagina &p : d.paginas)
        for (const Primitiva &x : p.primitivas)
            n += x.tipo == Primitiva::Tipo::Texto && x.texto == texto;
    return n;
}

// Encabezado y pie que toda página lleva.
void revisaMarco(const Informe::Documento &d, const QString &leyenda, const QString &nombre)
{
    for (const Informe::Pagina &p : d.paginas) {
        const QString n = QString::number(p.numero);
        const Primitiva *ley = p.deOrigen(QStringLiteral("Leyenda"));
        QVERIFY2(ley, qPrintable(n));
        QCOMPARE(ley->texto, leyenda);
        QVERIFY(ley->fuente.negrita);
        QCOMPARE(ley->color, QColor(192, 192, 192));
        QVERIFY(qAbs(ley->caja.right() - (215.9 - 10)) < 0.5);
        const Primitiva *titulo = p.busca(QStringLiteral("Curriculum Vitae"));
        QVERIFY(titulo && titulo->fuente.negrita);
        QCOMPARE(titulo->color, QColor(Qt::blue));
        QVERIFY(qAbs(titulo->caja.center().x() - 215.9 / 2) < 0.5);
        QCOMPARE(p.cuenta(Primitiva::Tipo::Imagen), 1);
        const Primitiva *fecha = p.busca(QStringLiteral("15/03/2004"));
        const Primitiva *hora = p.busca(QStringLiteral("10:30:00"));
        QVERIFY(fecha && hora);
        QCOMPARE(fecha->base, hora->base);
        const Primitiva *protesta = p.busca(QStringLiteral("Firmo bajo protesta de decir verdad"));
        QVERIFY(protesta);
        QVERIFY(protesta->caja.top() > 240 && protesta->caja.bottom() <= kHoja - 10 + 0.01);
        const Primitiva *pagina = p.busca(QStringLiteral("Página: ") + n);
        QVERIFY2(pagina, qPrintable(n));
        QVERIFY(qAbs(pagina->caja.right() - (215.9 - 10)) < 0.5);
        QVERIFY(pagina->caja.bottom() <= kHoja - 10 + 0.01);
        const Primitiva *enc = p.deOrigen(QStringLiteral("Nombre"));
        const Primitiva *firma = p.deOrigen(QStringLiteral("NombreFirma"));
        if (nombre.isEmpty()) {
            QVERIFY(!enc && !firma);
        } else {
            QVERIFY(enc && firma);
            QCOMPARE(enc->texto, nombre);
            QCOMPARE(firma->texto, nombre);
            QVERIFY(firma->caja.top() < protesta->caja.top());
            QVERIFY(qAbs(firma->caja.center().x() - 215.9 / 2) < 0.5);
        }
        // El cuerpo no invade el encabezado ni el pie.
        for (const Primitiva &x : p.primitivas) {
            if (x.tipo != Primitiva::Tipo::Texto || kPie.contains(x.origen) || kEncabezado.contains(x.origen))
                continue;
            QVERIFY2(x.caja.top() >= 10 + 42 - 0.01, qPrintable(x.texto));
            QVERIFY2(x.caja.bottom() <= kHoja - 10 - 24 + 0.01, qPrintable(x.texto));
        }
    }
}
} // namespace

class PruebaCurriculum : public QObject {
    Q_OBJECT
private slots:
    void solicitudDeMuestra()
    {
        Entorno e;
        Muestra::llena();
        const Informe::Documento d = curriculum();
        QCOMPARE(d.titulo, QStringLiteral("Curriculum Vitae"));
        QCOMPARE(d.papel, QSizeF(215.9, 279.4));
        QCOMPARE(d.paginas.size(), 2);
        revisaMarco(d, QStringLiteral("BORRADOR"), QStringLiteral("MARÍA ELENA TORRES VALLE"));
        // Cada sección una sola vez (no se repite al pasar de página) y en su orden.
        std::pair<int, double> antes{-1, 0};
        for (const QString &t : kTitulos) {
            QCOMPARE(veces(d, t), 1);
            const auto l = lugar(d, t);
            QVERIFY2(l > antes, qPrintable(t));
            antes = l;
        }
        for (const QString &s : kEtiquetas)
            QVERIFY2(lugar(d, s).first >= 0, qPrintable(s));
        // Antecedentes escolares: nivel con su nombre y en negritas, sólo el año de las fechas.
        const Informe::Pagina &h1 = d.paginas.at(0);
        const Primitiva *lic = h1.busca(QStringLiteral("LICENCIATURA"));
        QVERIFY(lic && lic->fuente.negrita);
        QVERIFY(lugar(d, QStringLiteral("LICENCIATURA")) < lugar(d, QStringLiteral("MAESTRIA")));
        QVERIFY(lugar(d, QStringLiteral("MAESTRIA")) < lugar(d, QStringLiteral("DOCTORADO")));
        QVERIFY(lugar(d, QStringLiteral("DOCTORADO")) < lugar(d, kTitulos.at(1)));
        auto enRenglon = [&](const Primitiva *ancla, const QStringList &textos) {
            double x = ancla->caja.left();
            for (const QString &t : textos) {
                const Primitiva *p = nullptr;
                for (const Primitiva &c : h1.primitivas)
                    if (c.texto == t && qAbs(c.base - ancla->base) < 0.01)
                        p = &c;
                QVERIFY2(p, qPrintable(t));
                QVERIFY2(p->caja.left() > x, qPrintable(t));
                QVERIFY2(!p->fuente.negrita, qPrintable(t));
                x = p->caja.left();
            }
        };
        enRenglon(lic, {"UNIVERSIDAD DE GUADALAJARA", "PUB", "1993", "1998", "9.2", "INGENIERÍA QUÍMICA"});
        enRenglon(h1.busca(QStringLiteral("MAESTRIA")), {"1998", "2000", "9.5"});
        // Los otros estudios no salen entre los antecedentes, sino en su sección, sin nivel.
        QVERIFY(lugar(d, QStringLiteral("DIPLOMADO EN INGLÉS TÉCNICO")) > lugar(d, QStringLiteral("OTROS ESTUDIOS")));
        QVERIFY(lugar(d, QStringLiteral("CURSO DE SEGURIDAD DE PROCESOS")).first >= 0);
        QCOMPARE(veces(d, QStringLiteral("OTR")), 0);
        QCOMPARE(veces(d, QStringLiteral("1996")), 1);
        // Becas: los meses seguidos de la palabra; idiomas y fechas como se guardaron.
        const Primitiva *meses = h1.busca(QStringLiteral("24"));
        QVERIFY(meses);
        const Primitiva *palabra = nullptr;
        for (const Primitiva &c : h1.primitivas)
            if (c.texto == u"meses" && qAbs(c.base - meses->base) < 0.01)
                palabra = &c;
        QVERIFY(palabra && palabra->caja.left() > meses->caja.right());
        QCOMPARE(veces(d, QStringLiteral("meses")), 2);
        for (const char *s : {"INGLÉS", "FRANCÉS", "95", "70", "10/05/2001", "04/11/2002", "ARTICULO", "CAPITULO", "ELSEVIER",
                              "PAÍSES BAJOS", "15/07/1998", "MENCIÓN HONORÍFICA", "SECADO DE ALIMENTOS POR ASPERSIÓN",
                              "INGENIERA DE PROCESOS", "01/02/1998", "31/07/1998", "INSTITUTO MEXICANO DE INGENIEROS QUÍMICOS"})
            QVERIFY2(lugar(d, QString::fromUtf8(s)).first >= 0, s);
        // Títulos y etiquetas en negritas.
        for (const QString &s : {kTitulos.at(4), QStringLiteral("Comprensión (%)"), QStringLiteral("Institución donante")})
            QVERIFY2(d.paginas.at(lugar(d, s).first).busca(s)->fuente.negrita, qPrintable(s));
        // Nada se escribe al imprimir.
        QVERIFY(Entorno::valor(QStringLiteral("Select Cerrar From General")).isNull());
    }

    void leyendaSegunCerrar_data()
    {
        QTest::addColumn<QString>("sentencia");
        QTest::addColumn<QString>("leyenda");
        QTest::newRow("S") << "Update General Set Cerrar='S'" << "TALVERO";
        QTest::newRow("N") << "Update General Set Cerrar='N'" << "BORRADOR";
        QTest::newRow("sin valor") << "Update General Set Cerrar=NULL" << "BORRADOR";
        QTest::newRow("s minúscula") << "Update General Set Cerrar='s'" << "BORRADOR";
        QTest::newRow("sin fila de General") << "Delete From General" << "BORRADOR";
    }
    void leyendaSegunCerrar()
    {
        QFETCH(QString, sentencia);
        QFETCH(QString, leyenda);
        Entorno e;
        Muestra::llena();
        Entorno::sql(sentencia);
        const Informe::Documento d = curriculum();
        QCOMPARE(d.paginas.size(), 2);
        revisaMarco(d, leyenda, QStringLiteral("MARÍA ELENA TORRES VALLE"));
    }

    void seccionSinFilasNoSeImprime_data()
    {
        QTest::addColumn<QString>("sentencia");
        QTest::addColumn<QString>("titulo");
        QTest::addColumn<QString>("etiqueta");    // propia de la sección, o vacía
        QTest::newRow("antecedentes") << "Delete From Escolar Where Nivel<>'OTR'" << kTitulos.at(0) << "";
        QTest::newRow("asociaciones") << "Delete From Trabajo Where Tipo='ASO'" << kTitulos.at(1) << "Nombre de la asociación";
        QTest::newRow("becas") << "Delete From Trabajo Where Tipo='BEC'" << kTitulos.at(2) << "Institución donante";
        QTest::newRow("congresos") << "Delete From Trabajo Where Tipo='CON'" << kTitulos.at(3) << "Ponencia";
        QTest::newRow("idiomas") << "Delete From Trabajo Where Tipo='IDI'" << kTitulos.at(4) << "Nombre del idioma";
        QTest::newRow("publicaciones") << "Delete From Trabajo Where Tipo='PUB'" << kTitulos.at(5) << "Editorial";
        QTest::newRow("reconocimientos") << "Delete From Trabajo Where Tipo='REC'" << kTitulos.at(6) << "Grado: ";
        QTest::newRow("tesis") << "Delete From Trabajo Where Tipo='TES'" << kTitulos.at(7) << "Nombre tesis";
        QTest::newRow("experiencia") << "Delete From Trabajo Where Tipo='TRA'" << kTitulos.at(8) << "Puesto: ";
        QTest::newRow("otros estudios") << "Delete From Escolar Where Nivel='OTR'" << kTitulos.at(9) << "";
    }
    void seccionSinFilasNoSeImprime()
    {
        QFETCH(QString, sentencia);
        QFETCH(QString, titulo);
        QFETCH(QString, etiqueta);
        Entorno e;
        Muestra::llena();
        Entorno::sql(sentencia);
        const Informe::Documento d = curriculum();
        for (const QString &t : kTitulos)
            QCOMPARE(veces(d, t), t == titulo ? 0 : 1);
        if (!etiqueta.isEmpty())
            QCOMPARE(veces(d, etiqueta), 0);
        // Las etiquetas compartidas por las dos secciones escolares quedan una vez.
        if (titulo == kTitulos.at(0) || titulo == kTitulos.at(9)) {
            QCOMPARE(veces(d, QStringLiteral("Carrera")), 1);
            QCOMPARE(veces(d, QStringLiteral("Fecha de")), 2);
        }
        revisaMarco(d, QStringLiteral("BORRADOR"), QStringLiteral("MARÍA ELENA TORRES VALLE"));
    }

    void solicitudVaciaUnaPagina()
    {
        Entorno e;
        const Informe::Documento d = curriculum();
        QCOMPARE(d.paginas.size(), 1);
        revisaMarco(d, QStringLiteral("BORRADOR"), QString());
        for (const QString &t : kTitulos)
            QCOMPARE(veces(d, t), 0);
        // Sólo el encabezado y el pie: leyenda, título, fecha, hora, protesta y página.
        QCOMPARE(d.paginas.at(0).textos().size(), 6);
    }

    void nombreDelSolicitante_data()
    {
        QTest::addColumn<QVariant>("nombre2");
        QTest::addColumn<QVariant>("materno");
        QTest::addColumn<QString>("nombre");
        QTest::newRow("completo") << QVariant(QStringLiteral("ÁNGEL")) << QVariant(QStringLiteral("O'PEÑA"))
                                  << "JOSÉ ÁNGEL NÚÑEZ O'PEÑA";
        // Una parte sin valor no borra el nombre ni deja dos blancos.
        QTest::newRow("sin segundo nombre") << QVariant() << QVariant(QStringLiteral("O'PEÑA")) << "JOSÉ NÚÑEZ O'PEÑA";
        QTest::newRow("segundo nombre vacío") << QVariant(QStringLiteral("")) << QVariant(QStringLiteral("O'PEÑA"))
                                              << "JOSÉ NÚÑEZ O'PEÑA";
        QTest::newRow("sin materno") << QVariant() << QVariant() << "JOSÉ NÚÑEZ";
    }
    void nombreDelSolicitante()
    {
        QFETCH(QVariant, nombre2);
        QFETCH(QVariant, materno);
        QFETCH(QString, nombre);
        Entorno e;
        ApoyoReportes::solicitante(nombre2, materno);
        // Otras personas no se confunden con el solicitante.
        Entorno::sql(QStringLiteral("Insert into Persona (Clave,Nombre_1,Paterno,Tipo) values (2,'ROSA','VALLE','ACC')"));
        const Informe::Documento d = curriculum();
        QCOMPARE(d.paginas.size(), 1);
        revisaMarco(d, QStringLiteral("BORRADOR"), nombre);
    }

    void textosLargosNoSeCortanNiSeEnciman()
    {
        Entorno e;
        Muestra::llena();
        // Sólo publicaciones: la sección empieza en la primera hoja y la fila cabe en ella.
        Entorno::sql(QStringLiteral("Delete From Trabajo"));
        Entorno::sql(QStringLiteral("Delete From Escolar"));
        auto largo = [](const QString &palabra, int letras) {
            QStringList r;
            for (int i = 1; r.join(u' ').size() + palabra.size() + 4 <= letras; ++i)
                r << palabra + QString::number(i);
            return r.join(u' ');
        };
        const QString titulo = largo(QStringLiteral("TÍTULO"), 255), autores = largo(QStringLiteral("AUTOR"), 255),
                      pais = largo(QStringLiteral("PAÍS"), 100);
        Entorno::sql(QStringLiteral("Insert into Trabajo (Clave,Tipo,Titulo,Autores,Pais,Grado,Lugar,Fecha_1) "
                                    "values (50,'PUB',:t,:a,:p,'LIBRO','UNA EDITORIAL','01/01/2003')"),
                     {{QStringLiteral("t"), titulo}, {QStringLiteral("a"), autores}, {QStringLiteral("p"), pais}});
        Entorno::sql(QStringLiteral("Insert into Trabajo (Clave,Tipo,Titulo,Grado) values (51,'PUB','SEGUNDA','ARTICULO')"));
        const Informe::Documento d = curriculum();
        QCOMPARE(d.paginas.size(), 1);
        const auto seccion = lugar(d, kTitulos.at(5));
        const Informe::Pagina &p = d.paginas.at(seccion.first);
        auto junta = [&](const QString &origen, double &abajo) {
            QStringList r;
            for (const Primitiva *x : p.todasDeOrigen(origen))
                if (x->caja.top() > seccion.second && x->texto != u"SEGUNDA") {
                    r << x->texto;
                    abajo = std::max(abajo, x->caja.bottom());
                }
            return r.join(u' ');
        };
        double abajo = 0;
        QCOMPARE(junta(QStringLiteral("Autores"), abajo), autores);
        QCOMPARE(junta(QStringLiteral("pais"), abajo), pais);
        QCOMPARE(junta(QStringLiteral("titulo"), abajo), titulo);
        // La fila siguiente empieza bajo el renglón más bajo de la anterior, sin un hueco
        // de más (las columnas largas no suman su alto).
        const Primitiva *segunda = p.busca(QStringLiteral("SEGUNDA"));
        QVERIFY(segunda);
        QVERIFY(segunda->caja.top() > abajo);
        QVERIFY(segunda->caja.top() < abajo + 5);
    }

    void curriculumLargoSigueSinRepetirEncabezados()
    {
        Entorno e;
        Muestra::llenaMaxima();
        const Informe::Documento d = curriculum();
        QVERIFY(d.paginas.size() > 5);
        revisaMarco(d, QStringLiteral("BORRADOR"), QStringLiteral("MARÍA ELENA TORRES VALLE"));
        std::pair<int, double> antes{-1, 0};
        for (const QString &t : kTitulos) {
            QCOMPARE(veces(d, t), 1);
            QVERIFY(lugar(d, t) > antes);
            antes = lugar(d, t);
        }
        // Cada fila una vez, en el orden guardado y en su sección.
        antes = lugar(d, kTitulos.at(1));
        for (int i = 1; i <= Muestra::kAsociaciones; ++i) {
            const QString s = QStringLiteral("ASOCIACIÓN %1").arg(i);
            QCOMPARE(veces(d, s), 1);
            QVERIFY(lugar(d, s) > antes);
            antes = lugar(d, s);
        }
        QVERIFY(antes < lugar(d, kTitulos.at(2)));
        for (int i = 1; i <= Muestra::kIdiomas; ++i)
            QCOMPARE(veces(d, QStringLiteral("IDIOMA %1").arg(i)), 1);
        QCOMPARE(veces(d, QStringLiteral("meses")), Muestra::kBecas);
        // Una sección que sigue en otra página empieza ésta con filas, no con su encabezado.
        int continuadas = 0;
        for (int i = 1; i < d.paginas.size(); ++i) {
            const QStringList t = d.paginas.at(i).textos();
            // Tras leyenda, nombre, título, fecha y hora viene lo primero del cuerpo.
            const QString primero = t.value(5);
            if (!kTitulos.contains(primero))
                ++continuadas;
            QVERIFY(!kEtiquetas.contains(primero));
        }
        QVERIFY(continuadas > 0);
    }

    void vistaPreviaYRegistro()
    {
        Entorno e;
        Muestra::llena();
        TR_Curriculum r;
        QCOMPARE(r.objectName(), QStringLiteral("R_Curriculum"));
        QCOMPARE(r.windowTitle(), QStringLiteral("Curriculum Vitae"));
        const auto vista = ApoyoReportes::capturaVistaPrevia([&r] { r.Muestra(); });
        QCOMPARE(vista.titulo, QStringLiteral("Curriculum Vitae"));
        QCOMPARE(vista.paginas, 2);
        const auto d = Reportes::construye(QStringLiteral("curriculum"));
        QVERIFY(d);
        QCOMPARE(d->paginas.size(), 2);
    }

    void pdfDeLaLineaDeOrdenes()
    {
        REQUIERE_PDFTOTEXT();
        Entorno e;
        Muestra::llena();
        Entorno::sql(QStringLiteral("Update General Set Cerrar='S'"));
        const int trabajos = Entorno::cuenta(QStringLiteral("Trabajo"));
        const auto pdf = ApoyoReportes::imprimePdf(QStringLiteral("curriculum"), e.carpeta());
        QVERIFY2(pdf.cli.codigo == 0, qPrintable(pdf.cli.error));
        QVERIFY(pdf.leido);
        const QString &texto = pdf.texto;
        QCOMPARE(texto.count(u'\f'), 2);
        QStringList buscados = kTitulos;
        buscados << "TALVERO" << "Curriculum Vitae" << "MARÍA ELENA TORRES VALLE" << "Comprensión (%)" << "Nombre de la asociación"
                 << "LICENCIATURA" << "INGENIERÍA QUÍMICA" << "CINÉTICA DE LA" << "PETRÓLEOS MEXICANOS, REFINERÍA DE SALAMANCA"
                 << "Firmo bajo protesta de decir verdad" << "Página: 1" << "Página: 2";
        const QString falta = ApoyoReportes::faltan(texto, buscados);
        QVERIFY2(falta.isEmpty(), qPrintable(falta));
        QVERIFY(!texto.contains(QStringLiteral("BORRADOR")));
        QCOMPARE(Entorno::cuenta(QStringLiteral("Trabajo")), trabajos);
        QCOMPARE(Entorno::valor(QStringLiteral("Select Cerrar From General")).toString(), QStringLiteral("S"));
    }
};

REGISTRA_PRUEBA(PruebaCurriculum)
#include "PruebaCurriculum.moc"
