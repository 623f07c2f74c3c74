#include "reports/M_rquiral.h"
#include "platform/Fechas.h"
#include "platform/Reloj.h"
#include "platform/informe/Pintor.h"
#include "reports/Emblema.h"
#include "reports/Impresion.h"
#include "reports/Reportes.h"


using Informe::TipoBanda;

namespace {
// En SQLite una parte NULL de una concatenación vuelve NULL el texto entero (un número
// interior vacío borraría la calle): cada parte va con coalesce.
QString c(const char *columna) { return QStringLiteral("coalesce(%1,'')").arg(QLatin1String(columna)); }

QString nombreCompleto(const char *alias)
{
    return Impresion::nombreSql(Impresion::Orden::ApellidosPrimero, QLatin1String(alias));
}

QString direccion(const QString &tipo)
{
    return QStringLiteral("Select %1||' '||%2||' '||%3 Calle,D.Colonia Col,M.Nombre Mun,\n"
                          "           D.CP Cp, E.Nombre Edo, D.Telefono Tel\n"
                          "From Domicilio D,Cat_Municipio M, Cat_Estado E\n"
                          "Where D.tipo='%4'\n"
                          "And D.Municipio_Clave=M.Clave\n"
                          "And D.Estado_Clave=E.Clave")
        .arg(c("D.Calle"), c("D.Numero"), c("D.Interior"), tipo);
}

QString conceptos(const char *seccion)
{
    return QStringLiteral("Select Consecutivo,Concepto,Monto\n"
                          "From MontosQuiral\n"
                          "Where Tipo='%1'\n"
                          "Order By Consecutivo,Clave")
        .arg(QLatin1String(seccion));
}

// Dónde termina un texto fijo (para poner su valor enseguida).
double fin(const Informe::Elemento &e) { return e.caja.left() + Informe::anchoTexto(e.fuente, e.texto) + 1.5; }

const QStringList kAvisoDocumentos = {
    QStringLiteral("EL SOLICITANTE DEBERA ENTREGAR COPIA DE CADA UNO DE LOS DOCUMENTOS DE SU AVALISTA, QUIEN DEBERA SER UNA "),
    QStringLiteral("PERSONA  FISICA, LOS CUALES SE ENUNCIAN A CONTINUACION:"),
    QStringLiteral("- DOCUMENTO QUE ACREDITE NACIONALIDAD MEXICANA Y EDAD HASTA 60 AÑOS. ( ACTA DE NACIMIENTO, PASAPORTE, ETC.)"),
    QStringLiteral("- BOLETA DE PAGO DEL IMPUESTO PREDIAL, DEL ULTIMO BIMESTRE DEL AÑO EN CURSO."),
    QStringLiteral("- ESCRITURA CORREPONDIENTE A LA GARANTIA, LA CUAL DEBERA TENER UN VALOR COMERCIAL  MINIMO SIMILAR AL MONTO "),
    QStringLiteral("  DEL CREDITO SOLICITADO."),
    QStringLiteral("- ACTA DE MATRIMONIO DEL AVALISTA EN CASO DE SER CASADO. ( EL SOLICITANTE NO PUEDE SER SU PROPIO AVALISTA ). "),
};

const QStringList kAvisoFirma = {
    QStringLiteral("EN CASO DE SER AUTORIZADO EL CREDITO, EL (LOS) AVALISTA (S) DEBERA (N) PRESENTARSE CON UNA"),
    QStringLiteral("IDENTIFICACION OFICIAL PARA FIRMAR EL CONTRATO DE APERTURA DE CREDITO EN LAS OFICINAS DE"),
    QStringLiteral("ORVELAN, QUE ACTUA COMO FIDUCIARIA DEL FIDEICOMISO QUIRAL. SI EL (LOS) AVALISTA (S) RADICA (N)"),
    QStringLiteral("EN EL INTERIOR DE LA REPUBLICA, SU FIRMA DEBERA SER RATIFICADA Y CERTIFICADA ANTE NOTARIO"),
    QStringLiteral("PUBLICO DE SU LOCALIDAD, Y EL CONTRATO ENVIADO A LAS OFICINAS DE LA FIDUCIARIA."),
};
} // namespace

MR_Quiral::MR_Quiral()
{
    Q_Becario.abre(Impresion::solicitanteSql(Impresion::Orden::ApellidosPrimero, QStringLiteral("Becario")));
    // En orden de referencia (RE1 a RE4).
    Q_Referencia.abre(QStringLiteral("Select %1 Acc,\n"
                                     "           %2||' '||%3||' '||%4||' '||%5||','||%6||','||%7||','||%8 Calle,\n"
                                     "           D.Telefono Tel\n"
                                     "From Persona P,Domicilio D,Cat_Municipio M, Cat_Estado E\n"
                                     "Where P.tipo in ('RE1','RE2','RE3','RE4')\n"
                                     "And P.Tipo=D.tipo\n"
                                     "And D.Municipio_Clave=M.clave\n"
                                     "And D.Estado_Clave=E.clave\n"
                                     "Order by P.Tipo")
                          .arg(nombreCompleto("P"), c("D.Calle"), c("D.Numero"), c("D.Interior"), c("D.Colonia"),
                               c("D.CP"), c("M.Nombre"), c("E.Nombre")));
    Q_Aval.abre(QStringLiteral("Select %1 Aval,\n"
                               "           P.RFC RFC,P.Edo_Civil Civil,P.Fec_Nac Nac,\n"
                               "           %2||' '||%3||' '||%4 Calle,D.Colonia Col,M.Nombre Mun,\n"
                               "           D.CP Cp, E.Nombre Edo, D.Telefono Tel, A.Cta_Predial,\n"
                               "           %5||' '||%6 Reg,\n"
                               "           A.Folio,A.Empresa,A.Depto,A.Puesto,A.Antiguedad,\n"
                               "           A.Fec_Ingreso, A.Tiempo, A.Nombre_A, A.Nombre_B, A.MontoMensual\n"
                               "From Persona P,Domicilio D,Cat_Municipio M, Cat_Estado E, Aval A\n"
                               "Where P.tipo='AVA'\n"
                               "And P.Tipo=D.tipo\n"
                               "And D.Municipio_Clave=M.clave\n"
                               "And D.Estado_Clave=E.clave\n"
                               "And A.Tipo=D.tipo")
                    .arg(nombreCompleto("P"), c("D.Calle"), c("D.Numero"), c("D.Interior"), c("A.Lugar_registro"),
                         c("A.Fec_Registro")));
    Q_DirAvp.abre(direccion(QStringLiteral("AVP")));
    Q_DirAvt.abre(direccion(QStringLiteral("AVT")));
    Q_DetA.abre(conceptos("A"));
    Q_DetB.abre(conceptos("B"));
    Arma();
}

MR_Quiral::~MR_Quiral() = default;

void MR_Quiral::cierra()
{
    for (Consulta *q : {&Q_Becario, &Q_Referencia, &Q_Aval, &Q_DirAvp, &Q_DirAvt, &Q_DetA, &Q_DetB})
        q->cierra();
}

QString MR_Quiral::Edad(const QString &nacimiento)
{
    const QDate f = Fechas::lee(nacimiento.trimmed(), Fechas::Lectura::Columnas);
    if (!f.isValid())
        return {};
    return QString::number(Reloj::hoy().year() - f.year());
}

void MR_Quiral::Arma()
{
    Informe::Reporte &r = R_Quiral;
    r.titulo = QStringLiteral("Formato de credito educativo.");
    r.margenes = {10, 10, 10, 10};
    r.marco = true;
    r.maestra = &Q_Becario;
    r.fuente.puntos = 8;
    const double ancho = r.anchoUtil();
    const double x0 = 3, xFin = ancho - 3;        // dentro del marco de la hoja
    const double xImporte = 150, anchoImporte = xFin - xImporte;

    // --- Hoja del avalista -------------------------------------------------------------------
    auto &t = r.banda(TipoBanda::Titulo, 246).llamada(QStringLiteral("Avalista"));
    t.imagen(x0, 3, 20, 20, emblema()).llamado(QStringLiteral("Logo"));
    t.texto(0, 3, QStringLiteral("ORVELAN"), ancho).alinea(Qt::AlignHCenter).negrita().tamano(12);
    t.texto(0, 9, QStringLiteral("SUBGERENCIA DE CREDITO EDUCATIVO"), ancho).alinea(Qt::AlignHCenter).negrita().tamano(10);
    t.texto(0, 14, QStringLiteral("PARA EL FOMENTO ECONOMICO"), ancho).alinea(Qt::AlignHCenter).negrita().tamano(10);
    t.texto(0, 20, QStringLiteral("INFORMACION DEL AVALISTA"), ancho).alinea(Qt::AlignHCenter).tamano(10);

    // Aviso de documentos entre dos líneas horizontales y dos verticales.
    const double yAviso = 27, paso = 3.4;
    double y = yAviso + 1.5;
    for (const QString &l : kAvisoDocumentos) {
        t.texto(x0 + 2, y, l).tamano(7.5).llamado(QStringLiteral("AvisoDocumentos"));
        y += paso;
    }
    const double yAvisoFin = y + 1;
    t.linea(x0, yAviso, xFin, yAviso);
    t.linea(x0, yAvisoFin, xFin, yAvisoFin);
    t.linea(x0, yAviso, x0, yAvisoFin);
    t.linea(xFin, yAviso, xFin, yAvisoFin);

    // Etiquetas en letra normal y valores en negritas, enseguida de su etiqueta.
    y = yAvisoFin + 4;
    const double renglon = 5.4;
    auto etiqueta = [&t](double x, double yy, const QString &texto) -> Informe::Elemento & { return t.texto(x, yy, texto); };
    auto valor = [&t](Informe::Elemento &e, double hasta, const Consulta &q, const QString &columna, const QString &nombre) -> Informe::Elemento & {
        const double x = fin(e);
        return t.campo(x, e.caja.top(), std::max(5.0, hasta - x), q, columna).negrita().llamado(nombre);
    };
    auto par = [&](double x, const QString &texto, double hasta, const Consulta &q, const QString &columna,
                   const QString &nombre) -> Informe::Elemento & { return valor(etiqueta(x, y, texto), hasta, q, columna, nombre); };
    auto encabezado = [&](const QString &texto) -> Informe::Elemento & {
        y += 1.5;
        return t.texto(x0, y, texto).negrita();
    };
    const double xDerecha = 105;   // segundo par de un renglón
    // Calle, colonia, municipio, y código postal con entidad: cuatro renglones, con las
    // etiquetas tal como las escribe cada bloque. Deja `y` en el cuarto.
    auto domicilio = [&](const Consulta &q, const QString &pre, const char *const (&etiquetas)[5]) {
        const char *const columnas[] = {"Calle", "Col", "Mun"};
        for (int i = 0; i < 3; ++i) {
            const QString columna = QLatin1String(columnas[i]);
            par(x0, QString::fromUtf8(etiquetas[i]), xFin, q, columna, pre + columna);
            y += renglon;
        }
        par(x0, QString::fromUtf8(etiquetas[3]), xDerecha - 2, q, QStringLiteral("Cp"), pre + QStringLiteral("Cp"));
        par(xDerecha, QString::fromUtf8(etiquetas[4]), xFin, q, QStringLiteral("Edo"), pre + QStringLiteral("Edo"));
    };

    par(x0, QStringLiteral("NOMBRE DEL ACREDITADO: "), xFin, Q_Becario, QStringLiteral("Becario"), QStringLiteral("Becario"));
    y += renglon;
    par(x0, QStringLiteral("NOMBRE ( S ) DEL ( DE LOS ) AVALISTA ( S) :"), xFin, Q_Aval, QStringLiteral("Aval"), QStringLiteral("Aval"));
    y += renglon;
    {
        auto &e = etiqueta(x0, y, QStringLiteral("EDAD : "));
        const double x = fin(e);
        t.calculado(x, y, 30, [this] { return Edad(Q_Aval.campo(QStringLiteral("Nac")).texto()); })
            .negrita()
            .llamado(QStringLiteral("Edad"));
    }
    y += renglon;
    par(x0, QStringLiteral("R.F.C. DEL AVALISTA:"), xFin, Q_Aval, QStringLiteral("RFC"), QStringLiteral("RFC"));
    y += renglon;
    par(x0, QStringLiteral("ESTADO CIVIL DEL AVALISTA:"), xFin, Q_Aval, QStringLiteral("Civil"), QStringLiteral("Civil"))
        .alImprimir([](const QString &v) { return v == u"S" ? QStringLiteral("SOLTERO") : QStringLiteral("CASADO"); });
    y += renglon;

    // Domicilio particular del avalista.
    encabezado(QStringLiteral("DOMICILIO PARTICULAR DEL AVALISTA:"));
    y += renglon;
    domicilio(Q_Aval, QStringLiteral("Aval"),
              {"CALLE Y N°. :", "COLONIA O FRACCIONAMIENTO:", "DELEGACION O MUNICIPIO:", "C.P. :", "ENTIDAD FEDERATIVA:"});
    y += renglon;
    par(x0, QStringLiteral("TELEFONO:"), xFin, Q_Aval, QStringLiteral("Tel"), QStringLiteral("AvalTel"));
    y += renglon;

    // Predio en garantía.
    {
        auto &e = encabezado(QStringLiteral("DATOS DEL PREDIO EN GARANTIA: "));
        valor(etiqueta(fin(e) + 2, y, QStringLiteral("No. DE CUENTA PREDIAL:")), xFin, Q_Aval, QStringLiteral("Cta_Predial"),
              QStringLiteral("Cta_Predial"));
    }
    y += renglon;
    domicilio(Q_DirAvp, QStringLiteral("Avp"),
              {"CALLE Y N°.: ", "COLONIA O FRACCIONAMIENTO:", "DELEGACION O MUNICIPIO:", "C.P.:", "ENTIDAD FEDERATIVA:"});
    y += renglon;

    // Registro público.
    encabezado(QStringLiteral("REGISTRO PUBLICO DE LA PROPIEDAD:"));
    y += renglon;
    par(x0, QStringLiteral("LUGAR Y FECHA DEL REGISTRO:"), xFin, Q_Aval, QStringLiteral("Reg"), QStringLiteral("Reg"));
    y += renglon;
    par(x0, QStringLiteral("FOLIO:"), xFin, Q_Aval, QStringLiteral("Folio"), QStringLiteral("Folio"));
    y += renglon;

    // Trabajo del avalista.
    encabezado(QStringLiteral("DATOS DEL TRABAJO DEL AVALISTA:"));
    y += renglon;
    par(x0, QStringLiteral("EMPRESA O DEPENDENCIA:"), xFin, Q_Aval, QStringLiteral("Empresa"), QStringLiteral("Empresa"));
    y += renglon;
    par(x0, QStringLiteral("DEPARTAMENTO:"), xDerecha - 2, Q_Aval, QStringLiteral("Depto"), QStringLiteral("Depto"));
    par(xDerecha, QStringLiteral("TELEFONO:"), xFin, Q_DirAvt, QStringLiteral("Tel"), QStringLiteral("AvtTel"));
    y += renglon;
    par(x0, QStringLiteral("PUESTO: "), xDerecha - 2, Q_Aval, QStringLiteral("Puesto"), QStringLiteral("Puesto"));
    par(xDerecha, QStringLiteral(" ANTIGÜEDAD EN EL PUESTO :"), xFin, Q_Aval, QStringLiteral("Antiguedad"),
        QStringLiteral("Antiguedad"));
    y += renglon;
    par(x0, QStringLiteral("FECHA DE INGRESO:"), xFin, Q_Aval, QStringLiteral("Fec_Ingreso"), QStringLiteral("Fec_Ingreso"));
    y += renglon;
    domicilio(Q_DirAvt, QStringLiteral("Avt"),
              {"CALLE Y N°.:", "COLONIA O FRACCIONAMIENTO :", "DELEGACION O MUNICIPIO:", "C. P. : ", "ENTIDAD FEDERATIVA :"});
    y += renglon + 1.5;
    {
        auto &e = etiqueta(x0, y, QStringLiteral("EL AVALISTA DECLARA CONOCER AL SOLICITANTE DESDE HACE:  "));
        auto &v = valor(e, fin(e) + 6, Q_Aval, QStringLiteral("Tiempo"), QStringLiteral("Tiempo")).alinea(Qt::AlignRight);
        t.texto(v.caja.right() + 1.5, y, QStringLiteral("AÑOS ."));
    }
    y += renglon + 2;

    // Aviso de la firma del contrato, enmarcado.
    const double yFirma = y;
    y += 1.5;
    for (const QString &l : kAvisoFirma) {
        t.texto(x0 + 2, y, l).tamano(8.5).llamado(QStringLiteral("AvisoFirma"));
        y += 3.9;
    }
    t.rectangulo(x0, yFirma, xFin - x0, y - yFirma + 1);

    // --- Solicitud de crédito (una vez, por el solicitante) ------------------------------------
    auto &det = r.banda(TipoBanda::Detalle, 24).nuevaPagina().llamada(QStringLiteral("Solicitud"));
    det.imagen(x0, 2, 18, 18, emblema()).llamado(QStringLiteral("Logo"));
    det.texto(0, 4, QStringLiteral("Q U I R A L"), ancho).alinea(Qt::AlignHCenter).negrita().tamano(16);
    det.texto(0, 13, QStringLiteral("SOLICITUD DE CREDITO EDUCATIVO"), ancho).alinea(Qt::AlignHCenter).tamano(11);

    // Caja de dos renglones con el nombre de quien otorga la beca o de la fuente.
    auto cajaNombre = [&](Informe::Banda &b, double yy, const QString &columna) {
        b.rectangulo(x0, yy, xFin - x0, 9);
        auto &e = b.campo(x0 + 2, yy + 1, xFin - x0 - 4, Q_Aval, columna).negrita().ajusta().llamado(columna);
        e.caja.setHeight(7);
    };
    auto lineaConcepto = [&](Consulta &q, const QString &nombre) {
        auto &b = r.banda(TipoBanda::Detalle, 5).datos(q).llamada(nombre);
        b.campo(x0 + 2, 0.5, xImporte - x0 - 6, q, QStringLiteral("Concepto")).crece().llamado(nombre + QStringLiteral("Concepto"));
        b.campo(xImporte, 0.5, anchoImporte, q, QStringLiteral("Monto")).alinea(Qt::AlignRight).llamado(nombre + QStringLiteral("Monto"));
    };

    // Secciones A y B: cada una sale sólo con sus líneas. La A lleva arriba el título del
    // financiamiento; lo demás baja con él.
    auto seccion = [&](Consulta &q, const QString &letra, const QString &titulo, const QString &pregunta1,
                       const QString &pregunta2, const QString &nota, const QString &importes) {
        const double arriba = titulo.isEmpty() ? 4 : 8;
        auto &b = r.banda(TipoBanda::EncabezadoSeccion, arriba + 32).llamada(QStringLiteral("Encabezado") + letra);
        if (!titulo.isEmpty())
            b.texto(0, 2, titulo, ancho).alinea(Qt::AlignHCenter).negrita().tamano(9);
        b.texto(x0, arriba, pregunta1);
        b.texto(x0, arriba + 3.5, pregunta2);
        cajaNombre(b, arriba + 8, QStringLiteral("Nombre_") + letra);
        b.texto(x0, arriba + 20, nota).negrita();
        b.texto(x0 + 2, arriba + 26, QStringLiteral("CONCEPTOS"));
        b.texto(xImporte, arriba + 26, importes, anchoImporte).alinea(Qt::AlignRight);
        b.linea(x0, arriba + 30.5, xFin, arriba + 30.5).grueso(0.2);
        lineaConcepto(q, letra);
    };
    seccion(Q_DetA, QStringLiteral("A"), QStringLiteral("INFORMACION RELATIVA AL FINANCIAMIENTO"),
            QStringLiteral("A: SI TIENE EN TRAMITE O CONCEDIDA ALGUNA BECA PARA CUBRIR PARTE DE LOS GASTOS "),
            QStringLiteral("QUE ORIGINEN SUS ESTUDIOS, INDIQUE EL NOMBRE DE QUIEN LA OTORGA."),
            QStringLiteral("NOTA: INDIQUE EL IMPORTE TOTAL DEL FINANCIAMIENTO, ASI COMO LOS CONCEPTOS FINANCIADOS"),
            QStringLiteral("IMPORTES:"));
    seccion(Q_DetB, QStringLiteral("B"), QString(),
            QStringLiteral("B: SI CUENTA CON UNA APORTACION PERSONAL, FAMILIAR O DE ALGUNA INSTITUCION O PERSONA"),
            QStringLiteral("PARA CUBRIR PARTE DE LOS GASTOS QUE ORIGINEN SUS ESTUDIOS, INDIQUE LA FUENTE"),
            QStringLiteral("NOTA: INDIQUE EL IMPORTE TOTAL DE LA APORTACION, ASI COMO LOS CONCEPTOS A CUBRIR POR DICHA APORTACION."),
            QStringLiteral("IMPORTES"));

    // Sección C y referencias: el encabezado (con el sueldo mensual) sale con la primera referencia.
    const double xDomicilio = 62, xTelefono = 160;
    auto &cc = r.banda(TipoBanda::EncabezadoSeccion, 27).llamada(QStringLiteral("EncabezadoC"));
    cc.texto(x0, 4, QStringLiteral("C.- SI LA INSTITUCION DONDE TRABAJA ACTUALMENTE LE MANTENDRA EL SUELDO O PARTE "));
    cc.texto(x0, 7.5, QStringLiteral("DE EL, DURANTE EL PERIODO DE ESTUDIOS , SIRVASE INDICAR LA CANTIDAD MENSUAL"));
    cc.campo(xImporte, 7.5, anchoImporte, Q_Aval, QStringLiteral("MontoMensual")).alinea(Qt::AlignRight).negrita()
        .llamado(QStringLiteral("MontoMensual"));
    cc.texto(0, 15, QStringLiteral("REFERENCIAS PERSONALES Y PERSONAS QUE DEBEN SER NOTIFICADAS EN CASO DE EMERGENCIA"), ancho)
        .alinea(Qt::AlignHCenter).negrita();
    cc.texto(x0 + 2, 21, QStringLiteral("NOMBRE")).negrita();
    cc.texto(xDomicilio, 21, QStringLiteral("DOMICILIO COMPLETO ")).negrita();
    cc.texto(xTelefono, 21, QStringLiteral("TELEFONO")).negrita();
    cc.linea(x0, 25.5, xFin, 25.5).grueso(0.2);
    auto &ref = r.banda(TipoBanda::Detalle, 6).datos(Q_Referencia).llamada(QStringLiteral("Referencia"));
    ref.campo(x0 + 2, 0.5, xDomicilio - x0 - 4, Q_Referencia, QStringLiteral("Acc")).crece().llamado(QStringLiteral("Acc"));
    ref.campo(xDomicilio, 0.5, xTelefono - xDomicilio - 2, Q_Referencia, QStringLiteral("Calle")).crece()
        .llamado(QStringLiteral("RefCalle"));
    ref.campo(xTelefono, 0.5, xFin - xTelefono, Q_Referencia, QStringLiteral("Tel")).llamado(QStringLiteral("RefTel"));

    // Pie de cada hoja.
    auto &pie = r.banda(TipoBanda::PiePagina, 8).llamada(QStringLiteral("Pie"));
    pie.texto(0, 2.5, QStringLiteral("FIRMA DEL SOLICITANTE.  "), xFin).alinea(Qt::AlignRight).negrita().llamado(QStringLiteral("Firma"));
    // Un borrador lo dice en cada hoja; cerrada la solicitud, esta forma no lleva leyenda.
    const bool borrador = !Impresion::cerrada();
    pie.texto(x0, 0.5, QStringLiteral("BORRADOR"), 80).negrita().tamano(16).colorTexto(QColor(190, 190, 190))
        .llamado(QStringLiteral("L_Borrador")).alImprimir([borrador](const QString &t) { return borrador ? t : QString(); });
}

REGISTRA_REPORTE(quiral, "quiral", "formato del crédito educativo del fideicomiso (avalista, financiamiento y referencias)",
                 Impresion::documento<MR_Quiral>)
