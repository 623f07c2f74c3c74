#include "reports/M_rcurr.h"
#include "platform/Fechas.h"
#include "platform/Progreso.h"
#include "platform/informe/Pintor.h"
#include "reports/Emblema.h"
#include "reports/Impresion.h"
#include "reports/Reportes.h"

#include <initializer_list>

using Informe::TipoBanda;

namespace {
// Una etiqueta de columna de un encabezado de sección; `abajo` es su segundo renglón
// ("Fecha de" sobre "Inicio").
struct Etiqueta {
    QString texto;
    double x, ancho;
    Qt::Alignment alineacion = Qt::AlignLeft;
    QString abajo = {};
};

constexpr double kLetra = 8;          // puntos de los renglones y de las etiquetas
constexpr double kLetraTitulo = 10;   // títulos de sección
constexpr double kAltoRenglon = 5;    // mm de una fila de datos
constexpr double kAltoTextoLargo = 90;   // mm: 255 letras en la columna más angosta
const QColor kPlata(192, 192, 192);

// El nombre une sus partes con un blanco; una parte vacía no deja dos.
QString unBlanco(const QString &nombre) { return nombre.simplified(); }
} // namespace

MR_Curriculum::MR_Curriculum()
{
    Q_Becario.ponSql(Impresion::solicitanteSql(Impresion::Orden::NombrePrimero, QStringLiteral("nom")));
    Q_Escolar.ponSql(QStringLiteral("Select nivel, nombre, tipo, fecha_ini, fecha_fin, promedio, carrera\n"
                                    " from Escolar\n"
                                    "Where nivel<>'OTR';"));
    Q_trab1.ponSql(QStringLiteral("Select * from trabajo\n"
                                  "where tipo='ASO'"));
    Q_Trab2.ponSql(QStringLiteral("Select lugar, tipo, meses,grado  from trabajo\n"
                                  "where tipo='BEC'"));
    Q_trab3.ponSql(QStringLiteral("Select lugar, tipo, titulo, fecha_1\n"
                                  "from trabajo\n"
                                  "where tipo='CON'"));
    Q_Idioma.ponSql(QStringLiteral("Select Tipo, Titulo, Escritura, Lectura, Comprension\n"
                                   "from trabajo\n"
                                   "where tipo='IDI'"));
    Q_trab4.ponSql(QStringLiteral("Select titulo, Autores, pais, fecha_1, lugar, Grado\n"
                                  "from trabajo\n"
                                  "where tipo='PUB'"));
    Q_Trab5.ponSql(QStringLiteral("Select tipo, lugar, grado, fecha_1\n"
                                  "from trabajo\n"
                                  "where tipo='REC'"));
    Q_Trab6.ponSql(QStringLiteral("Select tipo, titulo, grado, fecha_1\n"
                                  "from trabajo\n"
                                  "where tipo='TES'"));
    Q_Trab7.ponSql(QStringLiteral("Select tipo, lugar, fecha_2, fecha_1, puesto\n"
                                  "from trabajo\n"
                                  "where tipo='TRA'"));
    Q_Escolar2.ponSql(QStringLiteral("Select nivel, nombre, tipo, fecha_ini, fecha_fin, promedio, carrera\n"
                                     " from Escolar\n"
                                     "Where nivel='OTR';"));
    Q_Cierra.ponSql(QStringLiteral("Select Cerrar From General"));
    FormCreate();
    Arma();
}

MR_Curriculum::~MR_Curriculum() = default;

void MR_Curriculum::FormCreate()
{
    Progreso::marca(0);
    Q_trab1.abre();
    Q_Trab2.abre();
    Q_trab3.abre();
    Progreso::marca(25);
    Q_trab4.abre();
    Q_Trab5.abre();
    Q_Trab6.abre();
    Progreso::marca(50);
    Q_Trab7.abre();
    Q_Idioma.abre();
    Q_Escolar.abre();
    Progreso::marca(75);
    Q_Escolar2.abre();
    Q_Becario.abre();
    Q_Cierra.abre();
    Progreso::marca(100);
}

void MR_Curriculum::cierra()
{
    for (Consulta *q : {&Q_Becario, &Q_Escolar, &Q_trab1, &Q_Trab2, &Q_trab3, &Q_Idioma, &Q_trab4, &Q_Trab5, &Q_Trab6,
                        &Q_Trab7, &Q_Escolar2, &Q_Cierra})
        q->cierra();
}

QString MR_Curriculum::QRLabel95Print(const QString &cerrar)
{
    return Impresion::leyenda(Impresion::cerrada(cerrar));
}

QString MR_Curriculum::QRDBT_nivelPrint(const QString &nivel)
{
    if (nivel == u"LIC")
        return QStringLiteral("LICENCIATURA");
    if (nivel == u"MAE")
        return QStringLiteral("MAESTRIA");
    if (nivel == u"DOC")
        return QStringLiteral("DOCTORADO");
    return nivel;
}

QString MR_Curriculum::QRDBText8Print(const QString &fecha) { return Fechas::anio(fecha); }

void MR_Curriculum::Arma()
{
    Informe::Reporte &r = QR_curriculum;
    r.titulo = QStringLiteral("Curriculum Vitae");
    r.papel = {215.9, 279.4};
    r.margenes = {10, 10, 10, 10};
    r.fuente.puntos = kLetra;
    const double ancho = r.anchoUtil();

    // --- Encabezado de página: leyenda, nombre, emblema, título, fecha y hora.
    auto &enc = r.banda(TipoBanda::EncabezadoPagina, 42).llamada(QStringLiteral("Encabezado"));
    enc.campo(ancho - 90, 0, 90, Q_Cierra, QStringLiteral("Cerrar")).alinea(Qt::AlignRight).negrita().tamano(22)
        .colorTexto(kPlata).alImprimir(QRLabel95Print).llamado(QStringLiteral("Leyenda"));
    enc.campo(0, 3, ancho - 92, Q_Becario, QStringLiteral("nom")).negrita().tamano(11).crece().alImprimir(unBlanco)
        .llamado(QStringLiteral("Nombre"));
    enc.linea(0, 11, ancho, 11).grueso(0.4);
    enc.imagen(0, 12.5, 20, 20, emblema()).llamado(QStringLiteral("Logo"));
    enc.texto(0, 18, QStringLiteral("Curriculum Vitae"), ancho).alinea(Qt::AlignHCenter).negrita().tamano(20)
        .colorTexto(Qt::blue).llamado(QStringLiteral("Titulo"));
    enc.linea(0, 34, ancho, 34).grueso(0.4);
    enc.fecha(ancho - 46, 35.2).alinea(Qt::AlignRight, 24).llamado(QStringLiteral("Fecha"));
    enc.hora(ancho - 20, 35.2).alinea(Qt::AlignRight, 20).llamado(QStringLiteral("Hora"));
    enc.linea(0, 40, ancho, 40).grueso(0.4);

    // --- Secciones: encabezado (sale sólo con la primera fila) y una fila por renglón.
    // Las de la 3 en adelante abren con una raya; la escolar la lleva bajo sus etiquetas.
    auto seccion = [&](const QString &titulo, std::initializer_list<Etiqueta> etiquetas, bool rayaArriba) {
        bool dosRenglones = false;
        for (const Etiqueta &e : etiquetas)
            dosRenglones = dosRenglones || !e.abajo.isEmpty();
        const double yTitulo = rayaArriba ? 2.5 : 1.5;
        const double yEtiquetas = yTitulo + 6;
        const double fin = yEtiquetas + (dosRenglones ? 7.5 : 4.5);
        auto &b = r.banda(TipoBanda::EncabezadoSeccion, rayaArriba ? fin : fin + 1.5).llamada(titulo);
        if (rayaArriba)
            b.linea(0, 1, ancho, 1).grueso(0.3);
        b.texto(0, yTitulo, titulo, ancho).alinea(Qt::AlignHCenter).negrita().tamano(kLetraTitulo)
            .llamado(QStringLiteral("TituloSeccion"));
        for (const Etiqueta &e : etiquetas) {
            b.texto(e.x, yEtiquetas, e.texto, e.ancho).alinea(e.alineacion).negrita();
            if (!e.abajo.isEmpty())
                b.texto(e.x, yEtiquetas + 3.5, e.abajo, e.ancho).alinea(e.alineacion).negrita();
        }
        if (!rayaArriba)
            b.linea(0, fin, ancho, fin).grueso(0.3);
    };
    auto filas = [&](Consulta &q, const QString &nombre) -> Informe::Banda & {
        return r.banda(TipoBanda::Detalle, kAltoRenglon).datos(q).llamada(nombre);
    };
    // Un dato de la fila. Un texto largo parte renglones dentro de una caja alta (cabe el más
    // largo que se puede capturar) y la fila mide lo que ocupe su columna más larga: nada se
    // corta y la fila no se parte entre páginas. El blanco entre filas va arriba de cada una,
    // para que sea el mismo tras una fila de un renglón o de varios.
    const double yDato = kAltoRenglon - Informe::altoRenglon(r.fuente);
    auto dato = [yDato](Informe::Banda &b, double x, double ancho, Consulta &q, const QString &columna, bool largo = false,
                        Qt::Alignment al = Qt::AlignLeft) -> Informe::Elemento & {
        auto &e = b.campo(x, yDato, ancho, q, columna).alinea(al);
        if (largo) {
            e.ajusta();
            e.caja.setHeight(kAltoTextoLargo);
        }
        return e;
    };
    const Qt::Alignment centro = Qt::AlignHCenter;
    const QString fechaDe = QStringLiteral("Fecha de");

    // 2. Antecedentes escolares.
    seccion(QStringLiteral("ANTECEDENTES ESCOLARES"),
            {{QStringLiteral("Nivel"), 0, 24},
             {QStringLiteral("Escuela"), 25, 50},
             {QStringLiteral("Tipo"), 76, 9},
             {fechaDe, 86, 16, centro, QStringLiteral("Inicio")},
             {fechaDe, 103, 16, centro, QStringLiteral("Término")},
             {QStringLiteral("Promedio"), 120, 16, centro},
             {QStringLiteral("Carrera"), 138, ancho - 138}},
            false);
    {
        auto &f = filas(Q_Escolar, QStringLiteral("Escolar"));
        dato(f, 0, 24, Q_Escolar, QStringLiteral("nivel")).negrita().alImprimir(QRDBT_nivelPrint);
        dato(f, 25, 50, Q_Escolar, QStringLiteral("nombre"), true);
        dato(f, 76, 9, Q_Escolar, QStringLiteral("tipo"));
        dato(f, 86, 16, Q_Escolar, QStringLiteral("fecha_ini"), false, centro).alImprimir(QRDBText8Print);
        dato(f, 103, 16, Q_Escolar, QStringLiteral("fecha_fin"), false, centro).alImprimir(QRDBText8Print);
        dato(f, 120, 16, Q_Escolar, QStringLiteral("promedio"), false, centro);
        dato(f, 138, ancho - 138, Q_Escolar, QStringLiteral("carrera"), true);
    }

    // 3. Asociaciones.
    seccion(QStringLiteral("ASOCIACIONES A QUE PERTENECE"), {{QStringLiteral("Nombre de la asociación"), 0, ancho}}, true);
    dato(filas(Q_trab1, QStringLiteral("Asociaciones")), 0, ancho, Q_trab1, QStringLiteral("Lugar"), true);

    // 4. Becas recibidas.
    seccion(QStringLiteral("BECAS RECIBIDAS"),
            {{QStringLiteral("Institución donante"), 0, 100},
             {QStringLiteral("Duración"), 104, 30, centro},
             {QStringLiteral("Grado"), 140, ancho - 140}},
            true);
    {
        auto &f = filas(Q_Trab2, QStringLiteral("Becas"));
        dato(f, 0, 100, Q_Trab2, QStringLiteral("lugar"), true);
        dato(f, 104, 14, Q_Trab2, QStringLiteral("meses"), false, centro);
        f.texto(119, yDato, QStringLiteral("meses"));
        dato(f, 140, ancho - 140, Q_Trab2, QStringLiteral("grado"), true);
    }

    // 5. Trabajos presentados en congresos.
    seccion(QStringLiteral("TRABAJOS PRESENTADOS EN CONGRESOS"),
            {{QStringLiteral("Lugar"), 0, 80}, {QStringLiteral("Ponencia"), 82, 90}, {QStringLiteral("Fecha"), 175, ancho - 175}},
            true);
    {
        auto &f = filas(Q_trab3, QStringLiteral("Congresos"));
        dato(f, 0, 80, Q_trab3, QStringLiteral("lugar"), true);
        dato(f, 82, 90, Q_trab3, QStringLiteral("titulo"), true);
        dato(f, 175, ancho - 175, Q_trab3, QStringLiteral("fecha_1"));
    }

    // 6. Idiomas.
    seccion(QStringLiteral("CONOCIMIENTO DE IDIOMAS DISTINTO AL ESPAÑOL"),
            {{QStringLiteral("Nombre del idioma"), 0, 70},
             {QStringLiteral("Escritura (%)"), 75, 38, centro},
             {QStringLiteral("Lectura (%)"), 115, 38, centro},
             {QStringLiteral("Comprensión (%)"), 155, ancho - 155, centro}},
            true);
    {
        auto &f = filas(Q_Idioma, QStringLiteral("Idiomas"));
        dato(f, 0, 70, Q_Idioma, QStringLiteral("Titulo"), true);
        dato(f, 75, 38, Q_Idioma, QStringLiteral("Escritura"), false, centro);
        dato(f, 115, 38, Q_Idioma, QStringLiteral("Lectura"), false, centro);
        dato(f, 155, ancho - 155, Q_Idioma, QStringLiteral("Comprension"), false, centro);
    }

    // 7. Publicaciones.
    seccion(QStringLiteral("PUBLICACIONES REALIZADAS"),
            {{QStringLiteral("Titulo"), 0, 52},
             {QStringLiteral("Autores"), 54, 42},
             {QStringLiteral("Tipo"), 98, 18},
             {QStringLiteral("País"), 117, 22},
             {QStringLiteral("Fecha "), 140, 17},
             {QStringLiteral("Editorial"), 158, ancho - 158}},
            true);
    {
        auto &f = filas(Q_trab4, QStringLiteral("Publicaciones"));
        dato(f, 0, 52, Q_trab4, QStringLiteral("titulo"), true);
        dato(f, 54, 42, Q_trab4, QStringLiteral("Autores"), true);
        dato(f, 98, 18, Q_trab4, QStringLiteral("Grado"), true);
        dato(f, 117, 22, Q_trab4, QStringLiteral("pais"), true);
        dato(f, 140, 17, Q_trab4, QStringLiteral("fecha_1"));
        dato(f, 158, ancho - 158, Q_trab4, QStringLiteral("lugar"), true);
    }

    // 8. Reconocimientos académicos.
    seccion(QStringLiteral("RECONOCIMIENTOS ACADEMICOS"),
            {{QStringLiteral("Nombre de la institución:"), 0, 90},
             {QStringLiteral("Grado: "), 92, 80},
             {QStringLiteral("Fecha: "), 175, ancho - 175}},
            true);
    {
        auto &f = filas(Q_Trab5, QStringLiteral("Reconocimientos"));
        dato(f, 0, 90, Q_Trab5, QStringLiteral("lugar"), true);
        dato(f, 92, 80, Q_Trab5, QStringLiteral("grado"), true);
        dato(f, 175, ancho - 175, Q_Trab5, QStringLiteral("fecha_1"));
    }

    // 9. Tesis dirigidas.
    seccion(QStringLiteral("TESIS DIRIGIDAS"),
            {{QStringLiteral("Nombre tesis"), 0, 110}, {QStringLiteral("Nivel"), 112, 60}, {QStringLiteral("Fecha"), 175, ancho - 175}},
            true);
    {
        auto &f = filas(Q_Trab6, QStringLiteral("Tesis"));
        dato(f, 0, 110, Q_Trab6, QStringLiteral("titulo"), true);
        dato(f, 112, 60, Q_Trab6, QStringLiteral("grado"), true);
        dato(f, 175, ancho - 175, Q_Trab6, QStringLiteral("fecha_1"));
    }

    // 10. Experiencia profesional.
    seccion(QStringLiteral("EXPERIENCIA PROFESIONAL"),
            {{QStringLiteral("Nombre de la institución:"), 0, 80},
             {QStringLiteral("Puesto: "), 82, 70},
             {QStringLiteral("De: "), 155, 19},
             {QStringLiteral("A: "), 176, ancho - 176}},
            true);
    {
        auto &f = filas(Q_Trab7, QStringLiteral("Experiencia"));
        dato(f, 0, 80, Q_Trab7, QStringLiteral("lugar"), true);
        dato(f, 82, 70, Q_Trab7, QStringLiteral("puesto"), true);
        dato(f, 155, 19, Q_Trab7, QStringLiteral("fecha_1"));
        dato(f, 176, ancho - 176, Q_Trab7, QStringLiteral("fecha_2"));
    }

    // 11. Otros estudios (sin columna de nivel).
    seccion(QStringLiteral("OTROS ESTUDIOS"),
            {{QStringLiteral("Escuela"), 0, 62},
             {QStringLiteral("Tipo"), 64, 9},
             {fechaDe, 74, 16, centro, QStringLiteral("Inicio")},
             {fechaDe, 91, 16, centro, QStringLiteral("Término")},
             {QStringLiteral("Promedio"), 108, 16, centro},
             {QStringLiteral("Carrera"), 126, ancho - 126}},
            true);
    {
        auto &f = filas(Q_Escolar2, QStringLiteral("OtrosEstudios"));
        dato(f, 0, 62, Q_Escolar2, QStringLiteral("nombre"), true);
        dato(f, 64, 9, Q_Escolar2, QStringLiteral("tipo"));
        dato(f, 74, 16, Q_Escolar2, QStringLiteral("fecha_ini"), false, centro).alImprimir(QRDBText8Print);
        dato(f, 91, 16, Q_Escolar2, QStringLiteral("fecha_fin"), false, centro).alImprimir(QRDBText8Print);
        dato(f, 108, 16, Q_Escolar2, QStringLiteral("promedio"), false, centro);
        dato(f, 126, ancho - 126, Q_Escolar2, QStringLiteral("carrera"), true);
    }

    // --- Pie de página: renglón de la firma, nombre, protesta y número de página.
    auto &pie = r.banda(TipoBanda::PiePagina, 24).llamada(QStringLiteral("Pie"));
    pie.linea(ancho / 2 - 40, 8, ancho / 2 + 40, 8).grueso(0.3);
    pie.campo(0, 9, ancho, Q_Becario, QStringLiteral("nom")).alinea(Qt::AlignHCenter).negrita().alImprimir(unBlanco)
        .llamado(QStringLiteral("NombreFirma"));
    pie.texto(0, 13.5, QStringLiteral("Firmo bajo protesta de decir verdad"), ancho).alinea(Qt::AlignHCenter)
        .llamado(QStringLiteral("Protesta"));
    pie.pagina(ancho - 40, 19, QStringLiteral("Página: ")).alinea(Qt::AlignRight, 40).llamado(QStringLiteral("Pagina"));
}

REGISTRA_REPORTE(curriculum, "curriculum", "currículum vitae del solicitante", Impresion::documento<MR_Curriculum>)
