#include "reports/M_formas.h"
#include "platform/informe/Pintor.h"
#include "reports/Emblema.h"
#include "reports/Impresion.h"
#include "reports/Reportes.h"


using Informe::TipoBanda;

MR_Formas::MR_Formas()
{
    Q_Becario.abre(Impresion::solicitanteSql(Impresion::Orden::ApellidosPrimero, QStringLiteral("Nombre")));
    Arma();
}

MR_Formas::~MR_Formas() = default;

void MR_Formas::cierra()
{
    Q_Becario.cierra();
}

void MR_Formas::Arma()
{
    Informe::Reporte &r = Formas;
    r.titulo = QStringLiteral("Evaluación del Solicitante");
    r.margenes = {10, 10, 10, 10};
    r.fuente.puntos = 9.5;
    const double ancho = r.anchoUtil();

    // Encabezado de página: emblema, título, siglas, fecha y hora.
    auto &enc = r.banda(TipoBanda::EncabezadoPagina, 27).llamada(QStringLiteral("Encabezado"));
    enc.imagen(0, 0, 20, 20, emblema()).llamado(QStringLiteral("Logo"));
    enc.texto(0, 9, QStringLiteral("Evaluación del Solicitante"), ancho).alinea(Qt::AlignHCenter).negrita().tamano(14)
        .llamado(QStringLiteral("Titulo"));
    enc.fecha(ancho - 46, 0).alinea(Qt::AlignRight, 24).tamano(8).llamado(QStringLiteral("Fecha"));
    enc.hora(ancho - 20, 0).alinea(Qt::AlignRight, 20).tamano(8).llamado(QStringLiteral("Hora"));
    enc.texto(0, 8, QStringLiteral("TALVERO"), ancho).alinea(Qt::AlignRight).negrita().tamano(20).llamado(QStringLiteral("Siglas"));
    enc.linea(0, 23, ancho, 23).grueso(0.4);

    // Detalle: la hoja de evaluación.
    auto &det = r.banda(TipoBanda::Detalle, 212).nuevaPagina().llamada(QStringLiteral("Evaluacion"));
    auto titulo = [&det](double y, const QString &t) -> Informe::Elemento & { return det.texto(0, y, t).negrita(); };
    auto renglonEnBlanco = [&det](double x1, double x2, double y) { det.linea(x1, y, x2, y).grueso(0.2); };

    // Lo que sigue a una etiqueta empieza donde ésta termina.
    auto fin = [](const Informe::Elemento &e) { return e.caja.left() + Informe::anchoTexto(e.fuente, e.texto) + 2; };

    const double xA = fin(titulo(2, QStringLiteral("A) Nombre completo del solicitante:")));
    det.campo(xA, 2, ancho - xA, Q_Becario, QStringLiteral("Nombre")).subrayado().llamado(QStringLiteral("Nombre"));

    const double xB = fin(titulo(11, QStringLiteral("B) Tiempo de conocer al solicitante profesionalmente:")));
    renglonEnBlanco(xB, xB + 30, 15);
    det.texto(xB + 31, 11, QStringLiteral("años."));

    const double xC = fin(titulo(20, QStringLiteral("C) Conoce al solicitante como:")));
    renglonEnBlanco(xC, 150, 24);
    det.texto(150.5, 20, QStringLiteral("."));
    const double columnas[] = {8, 50, 92, 134};
    const QString opciones1[] = {QStringLiteral("1) Estudiante"), QStringLiteral("2) Profesional"), QStringLiteral("3) Técnico"),
                                 QStringLiteral("4) Ayudante de investigación")};
    const QString opciones2[] = {QStringLiteral("5) Investigador"), QStringLiteral("6) Empleado"), QStringLiteral("7) Otro")};
    for (int i = 0; i < 4; ++i)
        det.texto(columnas[i], 27, opciones1[i]).cursiva();
    for (int i = 0; i < 3; ++i) {
        auto &e = det.texto(columnas[i], 33, opciones2[i]).cursiva();
        if (i == 2)
            renglonEnBlanco(fin(e), 160, 37);
    }

    titulo(43, QStringLiteral("D) Evalúe al solicitante con el siguiente cuadro:"));
    const double xCuadro = 105, celda = (ancho - xCuadro) / 5, alto = 8, yCuadro = 56;
    const QString cabezas[] = {QStringLiteral("EXCE."), QStringLiteral("M.B."), QStringLiteral("BUE."), QStringLiteral("REG."),
                               QStringLiteral("MALO")};
    for (int i = 0; i < 5; ++i)
        det.texto(xCuadro + i * celda, 50, cabezas[i], celda).alinea(Qt::AlignHCenter).negrita();
    const QString filas[] = {
        QStringLiteral("Habilidad Intelectual:"),
        QStringLiteral("Conocimiento del campo de estudio:"),
        QStringLiteral("Habilidad en el trabajo:"),
        QStringLiteral("Iniciativa en el trabajo:"),
        QStringLiteral("Motivación para obtener el posgrado:"),
        QStringLiteral("Seriedad de la propuesta:"),
        QStringLiteral("Madurez emocional:"),
        QStringLiteral("Potencial para enseñar:"),
        QStringLiteral("Cualidades en el liderazgo:"),
        QStringLiteral("Readaptación en nuevas situaciones:"),
        QStringLiteral("Potencial para contribuir en su campo:"),
        QStringLiteral("¿El solicitante conoce las instituciones en donde quiere estudiar?"),
    };
    for (int f = 0; f < 12; ++f) {
        const double y = yCuadro + f * alto;
        // La última pregunta es larga: ocupa dos renglones dentro de su fila.
        auto &etiqueta = det.texto(2, f == 11 ? y + 0.1 : y + 2.1, filas[f], xCuadro - 4).cursiva().ajusta();
        etiqueta.caja.setHeight(f == 11 ? alto - 0.1 : 4.5);
        det.rectangulo(xCuadro, y, ancho - xCuadro, alto).grueso(0.25);
        for (int c = 1; c < 5; ++c)
            det.linea(xCuadro + c * celda, y, xCuadro + c * celda, y + alto).grueso(0.2);
    }

    const double yE = yCuadro + 12 * alto + 7;   // 159
    const double xE = fin(titulo(yE, QStringLiteral("E) Por favor, califique de manera global al solicitante en una escala de 0 a 10:")));
    renglonEnBlanco(xE, xE + 30, yE + 4);

    const double yF = yE + 11;
    titulo(yF, QStringLiteral("F) Datos personales del árbitro:"));
    // Datos del árbitro: cada etiqueta seguida de su renglón en blanco.
    struct Dato {
        double x, y;
        QString texto;
        double hasta;
    };
    const Dato datos[] = {
        {4, yF + 8, QStringLiteral("Nombre completo:"), ancho},
        {4, yF + 16, QStringLiteral("Lugar de trabajo:"), ancho},
        {4, yF + 24, QStringLiteral("Dirección de trabajo:"), ancho},
        {4, yF + 32, QStringLiteral("Teléfono:"), 66},
        {70, yF + 32, QStringLiteral("Fax:"), 126},
        {130, yF + 32, QStringLiteral("E-mail:"), ancho},
        {4, yF + 40, QStringLiteral("Puesto que desempeña:"), ancho},
    };
    for (const Dato &d : datos)
        renglonEnBlanco(fin(det.texto(d.x, d.y, d.texto).cursiva()), d.hasta, d.y + 4);

    // Resumen: la opinión abierta, en otra hoja.
    auto &res = r.banda(TipoBanda::Resumen, 60).nuevaPagina().llamada(QStringLiteral("Opinion"));
    const QString parrafos[] = {
        QStringLiteral("Por favor, escriba una última opinión en torno al desempeño académico y la personalidad del solicitante. "
                       "Para el comité evaluador es muy importante conocer su punto de vista respecto a la capacidad académica "
                       "y de adaptación de dicho solicitante. "),
        QStringLiteral("Use el espacio que considere necesario."),
        QStringLiteral("Incluya su opinión respecto a si el solicitante  ha hecho una indagación exhaustiva sobre las opciones "
                       "de programas de posgrado y en cuanto a si él esta bien orientado."),
        QStringLiteral("Ocupe las hojas que sean necesarias y firme al final de cada una de ellas."),
    };
    double y = 4;
    for (const QString &p : parrafos) {
        auto &e = res.texto(0, y, p, ancho).tamano(10).crece().llamado(QStringLiteral("Parrafo"));
        e.caja.setHeight(4.5);
        y += 7;
    }

    // Pie de página: renglón para la firma del árbitro en cada hoja.
    auto &pie = r.banda(TipoBanda::PiePagina, 16).llamada(QStringLiteral("Pie"));
    pie.linea(ancho / 2 - 40, 6, ancho / 2 + 40, 6).grueso(0.3);
    pie.texto(0, 7.5, QStringLiteral("Nombre y Firma del árbitro"), ancho).alinea(Qt::AlignHCenter).negrita().llamado(QStringLiteral("Firma"));
}

REGISTRA_REPORTE(formas, "formas", "formas de evaluación para los árbitros (dos hojas)", Impresion::documento<MR_Formas>)
