#include "reports/M_rgral.h"
#include "platform/Progreso.h"
#include "platform/informe/Pintor.h"
#include "reports/Emblema.h"
#include "reports/Impresion.h"
#include "reports/Reportes.h"

#include <QAbstractTextDocumentLayout>
#include <QTextDocument>

using Informe::TipoBanda;

namespace {

qint64 consultaEntero(const QString &sql)
{
    Consulta q;
    q.abre(sql);
    return q.campo(0).entero();
}

// Las partes de un nombre o de un domicilio pueden estar vacías (NULL): coalesce evita que
// una sola parte vacía borre todo el texto concatenado.
QString nombre(const QString &tabla = {}) { return Impresion::nombreSql(Impresion::Orden::NombrePrimero, tabla); }
const QString kCalle = QStringLiteral(
    "'Calle '||coalesce(b.calle,'')||' num '||coalesce(b.numero,'')||' int '||coalesce(b.interior,'') as calle,"
    "'Colonia '||coalesce(b.colonia,'')||'     C.P. '||coalesce(b.cp,'') as colonia");

const QString kDependiente[5] = {QStringLiteral("CGE"), QStringLiteral("HJ1"), QStringLiteral("HJ2"), QStringLiteral("HJ3"),
                                 QStringLiteral("HJ4")};

// Cuerpo de la declaración de la hoja dos: enunciado de apertura y seis puntos, cada uno en
// su renglón y separados por un renglón en blanco.
const char *const kDeclaracion[] = {
    "Con relación a mi solicitud de beca crédito para realizar estudios de posgrado en el extranjero, "
    "correspondiente a la asignación 2004, manifiesto que acepto expresamente lo siguiente:",
    "1. Sujetarme a las bases y condiciones establecidas en la convocatoria en la que participo, así como al "
    "Reglamento General del Programa de Becas Crédito para Estudios de Posgrado de TALVERO.",
    "2. Que TALVERO cancele de inmediato mi solicitud si se comprueba la falsedad de cualquiera de las "
    "declaraciones que en ella asiento.",
    "3. Que la entrega de mi documentación implica mi participación en un concurso, cuyo fallo será inapelable.",
    "4. Que concursaré únicamente por las instituciones y los programas que solicito, con la posibilidad de proponer "
    "otras opciones a los comités de evaluación académica de TALVERO en la entrevista, si el comité así lo acuerda.",
    "5. Informar a TALVERO si mi cónyuge también recibe una beca crédito para estudios en el extranjero, a fin de que "
    "se ajuste la asignación; de no hacerlo, acepto que mi beca sea cancelada de inmediato.",
    "6. Que el expediente de mi solicitud pasa a ser propiedad de TALVERO, sin que TALVERO quede obligado a "
    "devolverlo ni a conservarlo para convocatorias futuras.",
};

// Alto en mm del texto rico tal como lo maqueta el motor.
double altoTextoRico(const Informe::Elemento &e)
{
    QTextDocument d;
    d.setDefaultFont(e.fuente.qfont());
    d.setDocumentMargin(0);
    d.setHtml(e.texto);
    d.setTextWidth(e.caja.width() * Informe::kUnidadesPorMm);
    return d.documentLayout()->documentSize().height() / Informe::kUnidadesPorMm;
}

QString escapa(const QString &s) { return s.toHtmlEscaped(); }

// La declaración completa como texto rico, renglón por renglón (los blancos cuentan).
QString htmlDeclaracion()
{
    QStringList r;
    auto renglon = [&r](const QString &t) {
        r << QStringLiteral("<p style=\"margin:0; white-space:pre-wrap\">%1</p>").arg(t.isEmpty() ? QStringLiteral("&nbsp;") : escapa(t));
    };
    renglon(QStringLiteral("TALVERO."));
    renglon({});
    renglon({});
    renglon(QStringLiteral("PRESENTE."));
    renglon({});
    bool primero = true;
    for (const char *p : kDeclaracion) {
        if (!primero)
            renglon({});
        primero = false;
        r << QStringLiteral("<p style=\"margin:0\" align=\"justify\">%1</p>").arg(escapa(QString::fromUtf8(p)));
    }
    for (int i = 0; i < 6; ++i)
        renglon({});
    renglon(QString(81, u' '));
    renglon(QString(75, u' ') + QStringLiteral("ATENTAMENTE"));
    return r.join(QString());
}

} // namespace

MR_DatGrales::MR_DatGrales()
{
    FormCreate();
    Arma();
}

MR_DatGrales::~MR_DatGrales() = default;

void MR_DatGrales::FormCreate()
{
    Progreso::marca(0);
    Q_Bec.abre(QStringLiteral("select %1 nom, a.curp, a.rfc, a.sexo, a.edo_civil, a.fec_nac, %2,\n"
                              "b.telefono, b.fax, b.correo,\n"
                              "coalesce(cd.nombre,'')||','||coalesce(edo.nombre,'')||','||coalesce(pais.nombre,'') nacimiento\n"
                              "from persona a, domicilio b, Cat_Ciudad cd, Cat_Estado edo, Cat_Pais Pais\n"
                              "where a.tipo='SOL' and a.Clave=b.Persona_clave and b.tipo='ACT'\n"
                              "and a.Ciudad_nac=cd.clave and cd.estado_clave=edo.clave and edo.pais_clave=pais.clave")
                   .arg(nombre(QStringLiteral("a")), kCalle));
    for (int n = 1; n <= 5; ++n)
        dependiente(n)->abre(QStringLiteral("select tipo,%1\nas nom,fec_nac,sexo from persona where tipo=:tipo ").arg(nombre()),
                             {{QStringLiteral("tipo"), kDependiente[n - 1]}});
    Progreso::marca(25);
    Q_DatAcc.abre(QStringLiteral("select %1 nom,\n"
                                 "          a.rfc,a.sexo,a.edo_civil,a.fec_nac,%2,b.telefono,b.fax,b.correo\n"
                                 "from persona a,domicilio b\n"
                                 "where b.tipo='ACC'\n"
                                 "and b.Tipo=a.Tipo")
                      .arg(nombre(QStringLiteral("a")), kCalle));
    const QString municipio = QStringLiteral("select 'Mun. o Del. '||coalesce(c.nombre,'')||', '||coalesce(b.nombre,'') domici\n"
                                             "from domicilio a, cat_estado b,cat_municipio c\n"
                                             "where a.tipo=:tipo\n"
                                             "and a.estado_clave=b.clave\n"
                                             "and a.municipio_clave=c.clave");
    Q_DirAct.abre(municipio, {{QStringLiteral("tipo"), QStringLiteral("ACT")}});
    Progreso::marca(50);
    Q_DirAcc.abre(municipio, {{QStringLiteral("tipo"), QStringLiteral("ACC")}});
    Progreso::marca(75);
    Convocatoria();
    Q_DatExt.abre(QStringLiteral("select %1,b.telefono,b.fax,b.correo\nfrom domicilio b where b.tipo='EXT'").arg(kCalle));
    Q_DirExt.abre(QStringLiteral("select coalesce(d.nombre,'')||', '||coalesce(c.nombre,'')||', '||coalesce(b.nombre,'') domici\n"
                                 "from domicilio a, cat_pais b,cat_estado c, cat_ciudad d\n"
                                 "where a.pais_clave=b.clave and a.estado_clave=c.clave\n"
                                 "and a.ciudad_clave=d.clave\n"
                                 "and a.tipo='EXT'"));
    Progreso::marca(100);
}

void MR_DatGrales::Convocatoria()
{
    if (consultaEntero(QStringLiteral("Select Convocatoria from General Where Convocatoria in (488,489)")) != 0) {
        // Cursos de especialización: el curso en lugar de área y disciplina.
        AbreQueryProg(Q_Prog, QStringLiteral("Select' Curso de especialización:' ||coalesce(e.nombre,'') as sub,'' as are,'' as dis, "
                                             "a.cerrar cierra from general a,convocatoria d,cat_cursos e "
                                             "Where a.convocatoria=d.clave and e.clave=a.curso"));
        AbreQueryProg(Q_Prog2, QStringLiteral("Select 'Programa : '||coalesce(d.descripcion,'') as pro,d.Clave as conv, a.cerrar cerrar "
                                              "from general a,convocatoria d Where a.convocatoria=d.clave"));
    } else {
        AbreQueryProg(Q_Prog, QStringLiteral("select' Subdisciplina: '||coalesce(a.subdisciplina,'') as sub,'Area: '||coalesce(b.nombre,'') as are,"
                                             "'Disciplina: '||coalesce(c.nombre,'') as dis, a.cerrar cerrar "
                                             "from general a,cat_area b,cat_disc c,convocatoria d "
                                             "where a.area=b.clave and a.disciplina=c.clave and a.convocatoria=d.clave"));
        AbreQueryProg(Q_Prog2, QStringLiteral("Select 'Programa : '||coalesce(d.Descripcion,'') as pro,d.Clave as conv, a.cerrar cerrar "
                                              "from general a,cat_area b,cat_disc c,convocatoria d "
                                              "where a.area=b.clave and a.disciplina=c.clave and a.convocatoria=d.clave"));
    }
}

void MR_DatGrales::AbreQueryProg(Consulta &query, const QString &sentencia)
{
    query.cierra();
    query.ponSql(sentencia);
    query.abre();
}

void MR_DatGrales::cierra()
{
    for (Consulta *q : {&Q_Bec, &Q_Dep1, &Q_Dep2, &Q_Dep3, &Q_Dep4, &Q_Dep5, &Q_DatAcc, &Q_DirAct, &Q_DirAcc, &Q_DatExt, &Q_DirExt})
        q->cierra();
}

Consulta *MR_DatGrales::dependiente(int n)
{
    Consulta *const q[] = {&Q_Dep1, &Q_Dep2, &Q_Dep3, &Q_Dep4, &Q_Dep5};
    return q[n - 1];
}

// Un dependiente cuenta sólo si tiene nombre: guardado con nombres vacíos sale en blanco.
bool MR_DatGrales::conNombre(int n) const
{
    const Consulta *const q[] = {&Q_Dep1, &Q_Dep2, &Q_Dep3, &Q_Dep4, &Q_Dep5};
    return !q[n - 1]->campo(QStringLiteral("nom")).texto().trimmed().isEmpty();
}

void MR_DatGrales::Arma()
{
    Informe::Reporte &r = QR_DatGrales;
    r.titulo = QStringLiteral("Datos Generales");
    r.margenes = {10, 10, 10, 10};
    r.marco = true;
    r.fuente.puntos = 9;
    const double ancho = r.anchoUtil();
    using Informe::Elemento;

    // --- Hoja uno: una vez por fila de Q_Bec ---
    auto &det = r.banda(TipoBanda::Detalle, 250).datos(Q_Bec).nuevaPagina().llamada(QStringLiteral("Datos"));
    auto etiqueta = [&det](double x, double y, const QString &t) -> Elemento & { return det.texto(x, y, t).negrita(); };
    // Lo que sigue a una etiqueta empieza donde ésta termina.
    auto tras = [](const Elemento &e) { return e.caja.left() + Informe::anchoTexto(e.fuente, e.texto) + 1.5; };
    auto valor = [&det](double x, double y, double hasta, const Consulta &q, const QString &col, const QString &nombre) -> Elemento & {
        return det.campo(x, y, hasta - x, q, col).crece().llamado(nombre);
    };
    // Teléfono, fax y correo en un renglón.
    auto contacto = [&](double y, const Consulta &q, const QString &pre) {
        valor(tras(etiqueta(4, y, QStringLiteral("Teléfono:"))), y, 64, q, QStringLiteral("telefono"), pre + QStringLiteral("Telefono"));
        valor(tras(etiqueta(66, y, QStringLiteral("Fax:"))), y, 116, q, QStringLiteral("fax"), pre + QStringLiteral("Fax"));
        valor(tras(etiqueta(118, y, QStringLiteral("E-Mail:"))), y, ancho - 2, q, QStringLiteral("correo"), pre + QStringLiteral("Correo"));
    };

    // Arriba a la izquierda, en letra chica: programa, área, disciplina y subdisciplina.
    const double xPie = ancho / 2 - 12;
    const struct {
        const Consulta *q;
        const char *col;
    } programa[] = {{&Q_Prog2, "pro"}, {&Q_Prog, "are"}, {&Q_Prog, "dis"}, {&Q_Prog, "sub"}};
    for (int i = 0; i < 4; ++i)
        det.campo(1, 1 + i * 3.2, xPie - 3, *programa[i].q, QString::fromLatin1(programa[i].col)).tamano(7).crece()
            .llamado(QStringLiteral("Programa%1").arg(i + 1));
    det.imagen(ancho / 2 - 10, 1, 20, 20, emblema()).llamado(QStringLiteral("Emblema"));
    // Leyenda de borrador: decide General.Cerrar, leído con el programa.
    auto cerrada = [this] { return Impresion::cerrada(Q_Prog2.campo(QStringLiteral("cerrar")).texto()); };
    det.texto(ancho / 2 + 14, 1, QStringLiteral("BORRADOR"), ancho / 2 - 16)
        .alinea(Qt::AlignRight).negrita().tamano(26).colorTexto(QColor(190, 190, 190)).llamado(QStringLiteral("L_Borrador"))
        .alImprimir([cerrada](const QString &) { return Impresion::leyenda(cerrada()); });

    // Título, con la fecha y la hora de impresión a la derecha.
    det.texto(0, 24, QStringLiteral("Datos Generales"), ancho).alinea(Qt::AlignHCenter).negrita().tamano(16).llamado(QStringLiteral("Titulo"));
    det.fecha(ancho - 32, 23.5).alinea(Qt::AlignRight, 30).tamano(8).llamado(QStringLiteral("Fecha"));
    det.hora(ancho - 32, 27.5).alinea(Qt::AlignRight, 30).tamano(8).llamado(QStringLiteral("Hora"));

    // Renglón 1 y el recuadro para la fotografía.
    det.texto(0, 35, QStringLiteral("Tipo de beca solicitada: EXTRANJERA"), ancho).alinea(Qt::AlignHCenter).negrita();
    const double xFoto = ancho - 30;
    det.rectangulo(xFoto, 35, 28, 32).grueso(0.3).llamado(QStringLiteral("Foto"));
    const char *const foto[] = {"Pegar", "Foto", "no usar", "grapas"};
    for (int i = 0; i < 4; ++i)
        det.texto(xFoto, 41 + i * 5, QString::fromLatin1(foto[i]), 28).alinea(Qt::AlignHCenter).negrita();

    // Datos personales.
    const double paso = 6.5, xMedio = 86, hastaFoto = xFoto - 2;
    double y = 43;
    valor(tras(etiqueta(4, y, QStringLiteral("Nombre:"))), y, hastaFoto, Q_Bec, QStringLiteral("nom"), QStringLiteral("Nombre"));
    y += paso;
    valor(tras(etiqueta(4, y, QStringLiteral("RFC:"))), y, xMedio - 2, Q_Bec, QStringLiteral("rfc"), QStringLiteral("RFC"));
    valor(tras(etiqueta(xMedio, y, QStringLiteral("Sexo:"))), y, hastaFoto, Q_Bec, QStringLiteral("sexo"), QStringLiteral("Sexo"))
        .alImprimir([](const QString &v) { return v == u"F" ? QStringLiteral("Femenino") : QStringLiteral("Masculino"); });
    y += paso;
    det.texto(tras(etiqueta(4, y, QStringLiteral("Nacionalidad:"))), y, QStringLiteral("MEXICANA")).llamado(QStringLiteral("Nacionalidad"));
    valor(tras(etiqueta(xMedio, y, QStringLiteral("Edo.Civil:"))), y, hastaFoto, Q_Bec, QStringLiteral("edo_civil"), QStringLiteral("EdoCivil"))
        .alImprimir([](const QString &v) { return v == u"C" ? QStringLiteral("CASADO") : QStringLiteral("SOLTERO"); });
    y += paso;
    valor(tras(etiqueta(4, y, QStringLiteral("Lugar de Nacimiento:"))), y, hastaFoto, Q_Bec, QStringLiteral("nacimiento"),
          QStringLiteral("Nacimiento"));
    y += paso;
    valor(tras(etiqueta(4, y, QStringLiteral("Fecha de Nacimiento: "))), y, xMedio - 2, Q_Bec, QStringLiteral("fec_nac"),
          QStringLiteral("FecNac"));
    valor(tras(etiqueta(xMedio, y, QStringLiteral("CURP:"))), y, ancho - 2, Q_Bec, QStringLiteral("curp"), QStringLiteral("Curp"));

    // Domicilio permanente.
    y += paso + 1;
    etiqueta(4, y, QStringLiteral("Domicilio Permanente:"));
    const double renglon = 4.6;
    y += renglon + 0.5;
    valor(8, y, ancho - 2, Q_Bec, QStringLiteral("calle"), QStringLiteral("Calle"));
    valor(8, y + renglon, ancho - 2, Q_Bec, QStringLiteral("colonia"), QStringLiteral("Colonia"));
    valor(8, y + 2 * renglon, ancho - 2, Q_DirAct, QStringLiteral("domici"), QStringLiteral("Municipio"));
    y += 3 * renglon + 1.5;
    contacto(y, Q_Bec, QString());

    // Dependientes: cinco renglones; uno sin nombre sale en blanco.
    y += paso + 2;
    const double xParentesco = 110, xFecNac = 138, xSexo = 164;
    etiqueta(4, y, QStringLiteral("Dependientes que residirán con el becario:"));
    etiqueta(xParentesco, y, QStringLiteral("Parentesco:"));
    etiqueta(xFecNac, y, QStringLiteral("Fech.Nac.:"));
    etiqueta(xSexo, y, QStringLiteral("Sexo:"));
    y += renglon + 1;
    for (int n = 1; n <= 5; ++n) {
        const Consulta &q = *dependiente(n);
        const QString sufijo = QString::number(n);
        valor(8, y, xParentesco - 2, q, QStringLiteral("nom"), QStringLiteral("DepNombre") + sufijo);
        det.campo(xParentesco, y, 0, q, QStringLiteral("tipo")).llamado(QStringLiteral("DepTipo") + sufijo)
            .alImprimir([this, n](const QString &) {
                if (!conNombre(n))
                    return QString();
                return n == 1 ? QStringLiteral("Cónyuge") : QStringLiteral("Hijo");
            });
        det.campo(xFecNac, y, 0, q, QStringLiteral("fec_nac")).llamado(QStringLiteral("DepFecNac") + sufijo)
            .alImprimir([this, n](const QString &v) { return conNombre(n) ? v : QString(); });
        det.campo(xSexo, y, 0, q, QStringLiteral("sexo")).llamado(QStringLiteral("DepSexo") + sufijo)
            .alImprimir([this, n](const QString &v) {
                if (!conNombre(n))
                    return QString();
                return v == u"F" ? QStringLiteral("Femenino") : QStringLiteral("Masculino");
            });
        y += renglon;
    }

    // Familiar a quien avisar en caso de accidente, y el domicilio fuera de México.
    auto bloque = [&](const QString &titulo, const Consulta *persona, const Consulta &datos, const Consulta &municipio,
                      const QString &pre) {
        etiqueta(4, y, titulo).tamano(10);
        y += paso;
        if (persona) {
            valor(tras(etiqueta(4, y, QStringLiteral("Nombre:"))), y, ancho - 2, *persona, QStringLiteral("nom"), pre + QStringLiteral("Nombre"));
            y += paso;
        }
        const double x = tras(etiqueta(4, y, QStringLiteral("Domicilio:")));
        valor(x, y, ancho - 2, datos, QStringLiteral("calle"), pre + QStringLiteral("Calle"));
        valor(x, y + renglon, ancho - 2, datos, QStringLiteral("colonia"), pre + QStringLiteral("Colonia"));
        valor(x, y + 2 * renglon, ancho - 2, municipio, QStringLiteral("domici"), pre + QStringLiteral("Municipio"));
        y += 3 * renglon + 1.5;
        contacto(y, datos, pre);
        y += paso;
    };
    y += 4;
    bloque(QStringLiteral("Familiar a quien avisar en caso de accidente:"), &Q_DatAcc, Q_DatAcc, Q_DirAcc, QStringLiteral("Acc"));
    y += 3;
    bloque(QStringLiteral("Domicilio fuera de México:"), nullptr, Q_DatExt, Q_DirExt, QStringLiteral("Ext"));

    // Pie de la hoja uno: renglón de firma, nombre y la protesta.
    const double yFirma = 228;
    // Los tres salen juntos en una hoja, aunque lo de arriba crezca; un nombre largo se parte
    // en renglones dentro del recuadro.
    det.juntos(yFirma - 1, yFirma + 10);
    det.linea(ancho / 2 - 45, yFirma, ancho / 2 + 45, yFirma).grueso(0.3).llamado(QStringLiteral("FirmaLinea"));
    det.campo(2, yFirma + 1, ancho - 4, Q_Bec, QStringLiteral("nom")).alinea(Qt::AlignHCenter).negrita().crece()
        .llamado(QStringLiteral("FirmaNombre"));
    det.texto(0, yFirma + 5.5, QStringLiteral("Firmo bajo protesta de decir verdad"), ancho).alinea(Qt::AlignHCenter)
        .llamado(QStringLiteral("Protesta"));

    // --- Hoja dos: la declaración ---
    auto &res = r.banda(TipoBanda::Resumen, 252).nuevaPagina().llamada(QStringLiteral("Declaracion"));
    // Dentro del recuadro de la hoja, sin pisar su línea.
    res.imagen(1, 1, 20, 20, emblema()).llamado(QStringLiteral("Emblema"));
    res.fecha(ancho - 32, 1).alinea(Qt::AlignRight, 30).tamano(8).llamado(QStringLiteral("Fecha"));
    // Un borrador lo dice también en esta hoja, que sale sola cuando falta la hoja uno.
    res.texto(24, 4, QStringLiteral("BORRADOR"), ancho - 58).alinea(Qt::AlignHCenter).negrita().tamano(26)
        .colorTexto(QColor(190, 190, 190)).llamado(QStringLiteral("L_Borrador2"))
        .alImprimir([cerrada](const QString &t) { return cerrada() ? QString() : t; });
    auto &texto = res.textoRico(6, 28, ancho - 12, htmlDeclaracion()).tamano(10).llamado(QStringLiteral("Texto"));
    // La firma va a un espacio fijo debajo de "ATENTAMENTE"; el número de hoja, al pie.
    texto.caja.setHeight(altoTextoRico(texto));
    const double yNombre = texto.caja.bottom() + 24;
    res.campo(2, yNombre, ancho - 4, Q_Bec, QStringLiteral("nom")).alinea(Qt::AlignHCenter).negrita().tamano(10).crece()
        .llamado(QStringLiteral("FirmaNombre"));
    res.texto(0, yNombre + 6, QStringLiteral("FIRMA_______________________________"), ancho).alinea(Qt::AlignHCenter)
        .llamado(QStringLiteral("Firma"));
    res.pagina(ancho - 42, 246, QStringLiteral("Página: ")).alinea(Qt::AlignRight, 40).llamado(QStringLiteral("Pagina"));
}

QString Escribe_DatGrales(const QString &archivo) { return Impresion::escribe<MR_DatGrales>(archivo); }

REGISTRA_REPORTE(generales, "generales", "datos generales del solicitante y la declaración firmada (dos hojas)",
                 Impresion::documento<MR_DatGrales>)
