#include "reports/M_rdacad.h"
#include "platform/Progreso.h"
#include "platform/informe/Pintor.h"
#include "reports/Emblema.h"
#include "reports/Impresion.h"
#include "reports/Reportes.h"

#include <QPainter>

using Informe::Elemento;
using Informe::TipoBanda;

namespace {

// Dibujo del encabezado: caja apaisada de 143 × 49 (a 96 ppp) con el emblema a la izquierda,
// para que el emblema no se deforme al estirarse a la caja.
QImage membrete()
{
    static const QImage imagen = [] {
        QImage im(143 * 4, 49 * 4, QImage::Format_ARGB32_Premultiplied);
        im.fill(Qt::transparent);
        QPainter p(&im);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(QRectF(0, 0, im.height(), im.height()), emblema());
        return im;
    }();
    return imagen;
}

constexpr double kMmPorPixel = 25.4 / 96;

} // namespace

QString MR_DatAcad::Convierte_monedas(qint64 clave)
{
    switch (clave) {
    case 1: return QStringLiteral("Marco Alemán");
    case 7: return QStringLiteral("Dólar Canadiense");
    case 17: return QStringLiteral("Dólar Americano");
    case 18: return QStringLiteral("Peseta Española");
    case 20: return QStringLiteral("Franco Francés");
    case 21: return QStringLiteral("Libra Esterlina");
    case 29: return QStringLiteral("Lira Italiana");
    case 9999: return QStringLiteral("Euro");
    default: return {};
    }
}

MR_DatAcad::MR_DatAcad()
{
    FormCreate();
    Arma();
}

MR_DatAcad::~MR_DatAcad() = default;

void MR_DatAcad::FormCreate()
{
    Progreso::marca(0);
    Q_Becario.abre(QStringLiteral("SELECT %1 NOMBRE, Edo_civil\n"
                                  "FROM Persona P\n"
                                  "WHERE P.Tipo = 'SOL'")
                       .arg(Impresion::nombreSql(Impresion::Orden::NombrePrimero, QStringLiteral("P"))));
    Q_Gral.abre(QStringLiteral("SELECT Gral.Expbecaant, Gral.Expbecacony,Gral.SolBecaCony,\n"
                               "Gral.Subdisciplina,Gral.Ingreso_Mensual,Gral.Egel,\n"
                               "G1.Nombre as GRADO_INI,\n"
                               "G2.Nombre as GRADO_FIN,\n"
                               "Gral.Motivos_A Mot_A, Gral.Motivos_B Mot_B,\n"
                               "Gral.Motivos_C Mot_C, Gral.Motivos_D Mot_D,\n"
                               "Gral.Convocatoria,\n"
                               "Gral.Cerrar Cerrar,\n"
                               "Gral.Curso Curso\n"
                               "FROM General Gral, Cat_Grado G1, Cat_Grado G2\n"
                               "WHERE Gral.Grado_Ini = G1.Clave\n"
                               "AND Gral.Grado_Fin = G2.Clave"));
    // Al abrirse Q_Gral, el curso se lee con la clave de su fila.
    Q_Curso.cierra();
    Q_Curso.ponSql(QStringLiteral("Select Nombre\nFrom Cat_Cursos\nWhere Clave=:P_Curso"));
    Q_Curso.parametro(QStringLiteral("P_Curso"), Q_Gral.campo(QStringLiteral("Curso")).entero());
    Q_Curso.abre();
    Progreso::marca(25);
    Q_AreaConv.abre(QStringLiteral("Select  A.Nombre as AREA, D.Nombre as DISCIPLINA\n"
                                   "From Cat_Area A, Cat_Disc D, General Gral\n"
                                   "Where Gral.Area = A.Clave\n"
                                   "AND Gral.Disciplina = D.Clave"));
    Progreso::marca(50);
    Q_InstOpc.abre(QStringLiteral("SELECT B.*,\nI.Clave Cve,\nI.Nombre ESCU\nFROM Beca B, Institucion I\nWHERE B.Escuela =I.Clave\nORDER BY B.Clave"));
    Progreso::marca(75);
    Q_DirInstOpc.abre(QStringLiteral("SELECT B.*,\n"
                                     "I.Clave Cve,\n"
                                     "I.Nombre ESCU,\n"
                                     "'Calle '||coalesce(D.Calle,'')||' num '||coalesce(D.Numero,'')||' int '||coalesce(D.Interior,'') as CALLE,\n"
                                     "'Colonia '||coalesce(D.Colonia,'')||'     C.P. '||coalesce(D.Cp,'') as COLONIA,\n"
                                     "Pa.Nombre as PAIS,\n"
                                     "E.Nombre Estado,\n"
                                     "C.Nombre Ciudad,\n"
                                     "D.Telefono, D.Fax, D.Correo, D.tipo\n"
                                     "FROM Domicilio D,  Cat_Pais Pa,\n"
                                     "Cat_Estado E, Cat_Ciudad C,\n"
                                     "Beca B, Institucion I\n"
                                     "WHERE D.Pais_clave = Pa.Clave\n"
                                     "AND D.Estado_clave=E.Clave\n"
                                     "AND D.Ciudad_clave=C.Clave\n"
                                     "AND B.Escuela =I.Clave\n"
                                     "AND B.Tipo=D.Tipo\n"
                                     "Order By  B.Tipo"));
    Progreso::marca(100);
}

void MR_DatAcad::cierra()
{
    for (Consulta *q : {&Q_Becario, &Q_Gral, &Q_AreaConv, &Q_InstOpc, &Q_DirInstOpc})
        q->cierra();
}

void MR_DatAcad::Arma()
{
    Informe::Reporte &r = QR_DatAcad;
    r.titulo = QStringLiteral("Datos Académicos");
    r.margenes = {10, 10, 10, 5};
    r.fuente.puntos = 9;
    const double ancho = r.anchoUtil();
    auto tras = [](const Elemento &e) { return e.caja.left() + Informe::anchoTexto(e.fuente, e.texto) + 1.5; };
    auto siNo = [](bool si) { return si ? QStringLiteral("Sí") : QStringLiteral("No"); };

    // --- Encabezado de página (todas las hojas) ---
    auto &enc = r.banda(TipoBanda::EncabezadoPagina, 37).llamada(QStringLiteral("Encabezado"));
    enc.texto(60, 0, QStringLiteral("BORRADOR"), ancho - 60).alinea(Qt::AlignRight).negrita().tamano(28).llamado(QStringLiteral("QRL_Borrador"))
        .alImprimir([this](const QString &) {
            return Impresion::leyenda(Impresion::cerrada(Q_Gral.campo(QStringLiteral("Cerrar")).texto()));
        });
    enc.campo(0, 7, 110, Q_Becario, QStringLiteral("NOMBRE")).tamano(8).llamado(QStringLiteral("Becario"));
    enc.linea(0, 12, ancho, 12).grueso(0.3);
    enc.imagen(0, 13, 143 * kMmPorPixel, 49 * kMmPorPixel, membrete()).llamado(QStringLiteral("Emblema"));
    enc.texto(0, 15.5, QStringLiteral("Datos Académicos"), ancho).alinea(Qt::AlignHCenter).negrita().tamano(24).llamado(QStringLiteral("Titulo"));
    enc.linea(0, 27.5, ancho, 27.5).grueso(0.3);
    enc.fecha(ancho - 48, 28.6).alinea(Qt::AlignRight, 26).tamano(8).llamado(QStringLiteral("Fecha"));
    enc.hora(ancho - 20, 28.6).alinea(Qt::AlignRight, 20).tamano(8).llamado(QStringLiteral("Hora"));
    enc.linea(0, 33, ancho, 33).grueso(0.3);

    // --- Título (sólo en la primera hoja) ---
    auto &tit = r.banda(TipoBanda::Titulo, 81).llamada(QStringLiteral("Respuestas"));
    auto etiqueta = [&tit](double x, double y, const QString &t) -> Elemento & { return tit.texto(x, y, t).negrita(); };
    const double paso = 5.6;
    double y = 1;
    auto pregunta = [&](const QString &t, const QString &nombre, std::function<QString()> respuesta) {
        tit.calculado(tras(etiqueta(0, y, t)), y, 0, std::move(respuesta)).llamado(nombre);
        y += paso;
    };
    pregunta(QStringLiteral("¿ Usted ha solicitado u obtenido beca TALVERO?"), QStringLiteral("QRLabel25"),
             [this, siNo] { return siNo(Q_Gral.campo(QStringLiteral("Expbecaant")).entero() != 0); });
    pregunta(QStringLiteral("Número de beca TALVERO anterior:"), QStringLiteral("Expbecaant"),
             [this] { return Q_Gral.campo(QStringLiteral("Expbecaant")).texto(); });
    pregunta(QStringLiteral("¿ Su cónyuge es becario TALVERO?"), QStringLiteral("QRLabel28"),
             [this, siNo] { return siNo(Q_Gral.campo(QStringLiteral("Expbecacony")).entero() != 0); });
    pregunta(QStringLiteral("Número de beca TALVERO del cónyuge: "), QStringLiteral("Expbecacony"),
             [this] { return Q_Gral.campo(QStringLiteral("Expbecacony")).texto(); });
    pregunta(QStringLiteral("¿ Su cónyuge está solicitando beca TALVERO?"), QStringLiteral("QRLabel30"),
             [this, siNo] { return siNo(Q_Gral.campo(QStringLiteral("SolBecaCony")).texto() == u"S"); });
    // La frase del EGEL: hasta dos renglones.
    auto &egel = tit.calculado(0, y, ancho, [this] {
                        const qint64 puntos = Q_Gral.campo(QStringLiteral("Egel")).entero();
                        if (puntos != 0)
                            return QStringLiteral("Los puntos obtenidos en el Examen General para el Egreso de la Licenciatura (EGEL), "
                                                  "diseñado por el CENEVAL son: %1.").arg(puntos);
                        return QStringLiteral("No he presentado el Examen General para el Egreso de la Licenciatura (EGEL), "
                                              "diseñado por el CENEVAL.");
                    }).negrita().ajusta().llamado(QStringLiteral("QRDBText12"));
    egel.caja.setHeight(2 * Informe::altoRenglon(egel.fuente));
    y += egel.caja.height() + 3;
    etiqueta(0, y, QStringLiteral("El comité evaluará sus estudios en el área de:"));
    y += paso;
    tit.campo(10, y, ancho - 10, Q_AreaConv, QStringLiteral("AREA")).ajusta();
    y += paso;
    tit.campo(tras(etiqueta(0, y, QStringLiteral("Disciplina:"))), y, 0, Q_AreaConv, QStringLiteral("DISCIPLINA"));
    y += paso;
    tit.campo(tras(etiqueta(0, y, QStringLiteral("Subdisciplina:"))), y, 0, Q_Gral, QStringLiteral("Subdisciplina"));
    y += paso;
    tit.campo(tras(etiqueta(0, y, QStringLiteral("Curso:"))), y, 0, Q_Curso, QStringLiteral("Nombre")).llamado(QStringLiteral("Curso"));
    y += paso;
    tit.campo(tras(etiqueta(0, y, QStringLiteral("Grado inicial pretendido:"))), y, 0, Q_Gral, QStringLiteral("GRADO_INI"));
    tit.campo(tras(etiqueta(100, y, QStringLiteral("Grado final pretendido:"))), y, 0, Q_Gral, QStringLiteral("GRADO_FIN"));
    y += paso + 1;
    tit.linea(0, y, ancho, y).grueso(0.3);

    // --- Encabezado del grupo de instituciones: una vez, con el primer bloque ---
    r.banda(TipoBanda::EncabezadoSeccion, 11).llamada(QStringLiteral("Instituciones"))
        .texto(0, 3, QStringLiteral("INSTITUCIONES PRETENDIDAS"), ancho).alinea(Qt::AlignHCenter).negrita().tamano(14)
        .llamado(QStringLiteral("Grupo"));

    // --- Detalle: un bloque por opción, en orden de opción ---
    Consulta &q = Q_DirInstOpc;
    auto &det = r.banda(TipoBanda::Detalle, 101.2).datos(q).llamada(QStringLiteral("Opcion"));
    auto etq = [&det](double x, double yy, const QString &t) -> Elemento & { return det.texto(x, yy, t).negrita(); };
    // Valores de un renglón, sin partir: así el bloque de una opción nunca se reparte entre
    // dos hojas (los anchos declarados de las columnas caben en su sitio).
    auto val = [&det, &q](double x, double yy, const QString &col) -> Elemento & {
        return det.campo(x, yy, 0, q, col).llamado(col);
    };
    auto regla = [&det, ancho](double yy) { det.linea(0, yy, ancho, yy).grueso(0.3); };
    y = 0;
    regla(y);
    y += 1.5;
    val(0, y, QStringLiteral("ESCU")).negrita().tamano(10);
    y += 6;
    const double xDom = tras(etq(0, y, QStringLiteral("Domicilio:")));
    val(xDom, y, QStringLiteral("CALLE"));
    val(xDom, y + 4.6, QStringLiteral("COLONIA"));
    y += 10;
    val(tras(etq(0, y, QStringLiteral("Pais:"))), y, QStringLiteral("PAIS")).tamano(8);
    y += 4.8;
    val(tras(etq(0, y, QStringLiteral("Estado:"))), y, QStringLiteral("Estado")).tamano(8);
    val(tras(etq(98, y, QStringLiteral("Ciudad:"))), y, QStringLiteral("Ciudad")).tamano(8);
    y += paso;
    val(tras(etq(0, y, QStringLiteral("Teléfono:"))), y, QStringLiteral("Telefono"));
    val(tras(etq(48, y, QStringLiteral("Fax:"))), y, QStringLiteral("Fax"));
    val(tras(etq(96, y, QStringLiteral("E-Mail:"))), y, QStringLiteral("Correo")).tamano(8);
    y += paso + 0.5;
    regla(y);
    y += 1.5;
    etq(0, y, QStringLiteral("Nombre Oficial del Programa de Estudios:"));
    y += 4.6;
    val(6, y, QStringLiteral("Nombre_prog"));
    y += paso;
    det.campo(tras(etq(0, y, QStringLiteral("¿Cuenta con carta de aceptación?"))), y, 0, q, QStringLiteral("Carta_aceptacion"))
        .llamado(QStringLiteral("Carta_aceptacion"));
    y += paso + 0.5;
    regla(y);
    y += 1.5;
    {
        const double x = tras(etq(0, y, QStringLiteral("El grado pretendido se obtiene en:")));
        det.campo(x, y, 12, q, QStringLiteral("Tiempo_prom_grado")).alinea(Qt::AlignRight).llamado(QStringLiteral("Tiempo_prom_grado"));
        etq(x + 13.5, y, QStringLiteral("meses"));
    }
    y += paso;
    {
        const double x = tras(etq(0, y, QStringLiteral("Periodo de la beca  del ")));
        det.campo(x, y, 0, q, QStringLiteral("Fecha_ini")).llamado(QStringLiteral("Fecha_ini"));
        etq(x + 20, y, QStringLiteral("al"));
        det.campo(x + 25, y, 0, q, QStringLiteral("Fecha_fin")).llamado(QStringLiteral("Fecha_fin"));
    }
    y += paso + 0.5;
    regla(y);
    y += 1.5;
    val(tras(etq(0, y, QStringLiteral("Contactó a:"))), y, QStringLiteral("Persona_contacto"));
    y += paso;
    val(tras(etq(0, y, QStringLiteral("Quien tiene el puesto de:"))), y, QStringLiteral("Puesto_contacto"));
    y += paso + 0.5;
    regla(y);
    y += 1.5;
    etq(0, y, QStringLiteral("Montos solicitados"));
    y += paso;
    // Importe alineado a la derecha y la moneda de cada concepto, de la fila misma.
    const double xImporte = 26, anchoImporte = 24, xMoneda = xImporte + anchoImporte + 3;
    const struct {
        const char *etiqueta, *columna, *moneda;
    } montos[] = {{"Manutención:", "Total_man", nullptr}, {"Colegiatura:", "Total_col", "Moneda_col"},
                  {"Inscripción:", "Total_insc", "Moneda_insc"}};
    for (const auto &m : montos) {
        etq(0, y, QString::fromUtf8(m.etiqueta));
        const QString columna = QString::fromLatin1(m.columna);
        det.campo(xImporte, y, anchoImporte, q, columna).alinea(Qt::AlignRight).llamado(columna);
        if (!m.moneda) {
            // La manutención se paga siempre en dólares.
            det.texto(xMoneda, y, QStringLiteral("Dólar Americano")).llamado(QStringLiteral("QRDBText18"));
        } else {
            const QString clave = QString::fromLatin1(m.moneda);
            det.calculado(xMoneda, y, 0, [&q, clave] { return Convierte_monedas(q.campo(clave).entero()); })
                .llamado(clave == u"Moneda_col" ? QStringLiteral("MonedaCol") : QStringLiteral("MonedaInsc"));
        }
        y += 4.8;
    }
    y += 1.5;
    regla(y);

    // --- Motivos: el primero tras las instituciones; el segundo y el tercero, en hoja nueva ---
    auto motivo = [&](TipoBanda tipo, bool hojaNueva, const QString &titulo, const QString &columna) {
        auto &b = r.banda(tipo, 16).nuevaPagina(hojaNueva).llamada(columna);
        b.texto(0, 2, titulo, ancho).negrita().ajusta().llamado(QStringLiteral("Titulo") + columna);
        // La ventana de motivos guarda un renglón vacío al principio: no se imprime, para que
        // el texto empiece junto a su título.
        auto &texto = b.campo(0, 7, ancho, Q_Gral, columna).crece().llamado(columna).alImprimir([](const QString &v) {
            qsizetype i = 0;
            while (i < v.size() && (v.at(i) == u'\n' || v.at(i) == u'\r'))
                ++i;
            return v.mid(i);
        });
        // Figura invisible que no se parte: el título no se queda solo al pie de una hoja.
        b.rectangulo(0, 1.9, ancho, 5 + Informe::altoRenglon(texto.fuente) - 0.05).colorTexto(Qt::transparent).grueso(0)
            .llamado(QStringLiteral("Junta"));
        b.linea(0, 13, ancho, 13).grueso(0.3);
    };
    motivo(TipoBanda::Resumen, false, QStringLiteral("Razones para realizar un posgrado en la especialidad solicitada:"),
           QStringLiteral("Mot_A"));
    motivo(TipoBanda::Hija, true, QStringLiteral("Razones `por las que eligió las instituciones solicitadas:"), QStringLiteral("Mot_B"));
    motivo(TipoBanda::Hija, true, QStringLiteral("Planes de trabajo después de terminar sus estudios:"), QStringLiteral("Mot_C"));

    // --- Pie de página: firma, nombre, protesta y número de hoja ---
    auto &pie = r.banda(TipoBanda::PiePagina, 19).llamada(QStringLiteral("Pie"));
    pie.linea(ancho / 2 - 40, 4, ancho / 2 + 40, 4).grueso(0.3);
    pie.campo(0, 5, ancho, Q_Becario, QStringLiteral("NOMBRE")).alinea(Qt::AlignHCenter).llamado(QStringLiteral("FirmaNombre"));
    pie.texto(0, 9.5, QStringLiteral("Firmo bajo protesta de decir verdad"), ancho).alinea(Qt::AlignHCenter).negrita()
        .llamado(QStringLiteral("Protesta"));
    pie.pagina(ancho - 40, 14, QStringLiteral("Página: ")).alinea(Qt::AlignRight, 40).tamano(8).llamado(QStringLiteral("Pagina"));
}

QString Escribe_DatAcad(const QString &archivo) { return Impresion::escribe<MR_DatAcad>(archivo); }

REGISTRA_REPORTE(academicos, "academicos", "datos académicos: programa, opciones de institución y motivos",
                 Impresion::documento<MR_DatAcad>)
