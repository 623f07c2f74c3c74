// Entradas difíciles en las tres ventanas curriculares, campo por campo, sobre la solicitud
// de muestra: se edita el registro 2 de cada lista (o el grado mostrado, o el bloque SNI), se
// deja el campo con Tab, se guarda con el botón que deja la ventana (o moviendo el selector) y
// se revisa que el valor quede guardado y se vea igual al reabrir, o que se rechace con un
// mensaje en español sin tocar lo guardado; el resto de las filas de Trabajo, Escolar y
// General sigue igual, celda por celda.
#include "calidad/Entradas.h"
#include "curriculum/AyudaVitae.h"
#include "platform/Esquema.h"
#include "support/Muestra.h"

#include <QMap>
#include <QPushButton>

using namespace Entradas;
using namespace Vitae;

namespace {

const QString kAnio = QStringLiteral("El año que ingreso no es válido, es necesario que sean cuatro digitos en el año");
const QString kAnioCero = QStringLiteral("El año que ingreso no es válido, el año 0000 no existe");
const QString kPromedio = QStringLiteral("El promedio tiene que ser un valor numerico en el intervalo [8,10]");
const QString kNoNumero = QStringLiteral("El promedio no es un valor numérico válido");
const QString kIgual = QStringLiteral("=");   // la celda no cambia
const QString kVisto = QStringLiteral("*");   // lo que Entradas::visto() da para el control

// Dónde vive el valor de un campo en la solicitud de muestra.
struct Sitio {
    const char *ventana;
    const char *campo;
    const char *selector;   // lista (se edita su registro 2); nullptr: grado mostrado o bloque SNI
    const char *celda;      // "Tabla/Clave/Columna"
};

// Claves de Muestra::llena(): Trabajo BEC 1-2, REC 3-4, PUB 5-6, CON 7-8, TES 9-10, TRA 11-12,
// ASO 13-14, IDI 15-16; Escolar LIC 1, OTR 4-5.
const Sitio kSitios[] = {
    {"W_Vitae1", "Institucion", nullptr, "Escolar/1/Nombre"},
    {"W_Vitae1", "Carrera", nullptr, "Escolar/1/Carrera"},
    {"W_Vitae1", "AnioIni", nullptr, "Escolar/1/Fecha_ini"},
    {"W_Vitae1", "AnioFin", nullptr, "Escolar/1/Fecha_fin"},
    {"W_Vitae1", "Promedio", nullptr, "Escolar/1/Promedio"},
    {"W_Vitae1", "InstBeca", "Becas", "Trabajo/2/Lugar"},
    {"W_Vitae1", "GdoBeca", "Becas", "Trabajo/2/Grado"},
    {"W_Vitae1", "meses", "Becas", "Trabajo/2/Meses"},
    {"W_Vitae1", "InstRec", "Recon", "Trabajo/4/Lugar"},
    {"W_Vitae1", "GdoRec", "Recon", "Trabajo/4/Grado"},
    {"W_Vitae1", "Fec_rec", "Recon", "Trabajo/4/Fecha_1"},
    {"W_Vitae2", "Autor", "Pub", "Trabajo/6/Autores"},
    {"W_Vitae2", "TituloPub", "Pub", "Trabajo/6/Titulo"},
    {"W_Vitae2", "PaisPub", "Pub", "Trabajo/6/Pais"},
    {"W_Vitae2", "Editorial", "Pub", "Trabajo/6/Lugar"},
    {"W_Vitae2", "FechaPub", "Pub", "Trabajo/6/Fecha_1"},
    {"W_Vitae2", "Trabajo", "Trab", "Trabajo/8/Titulo"},
    {"W_Vitae2", "Lugar", "Trab", "Trabajo/8/Lugar"},
    {"W_Vitae2", "FechaCong", "Trab", "Trabajo/8/Fecha_1"},
    {"W_Vitae2", "Titulo", "Tesis", "Trabajo/10/Titulo"},
    {"W_Vitae2", "Nivel", "Tesis", "Trabajo/10/Grado"},
    {"W_Vitae2", "FechaTes", "Tesis", "Trabajo/10/Fecha_1"},
    {"W_Vitae3", "Instlaboral", "Laboral", "Trabajo/12/Lugar"},
    {"W_Vitae3", "Puestolaboral", "Laboral", "Trabajo/12/Puesto"},
    {"W_Vitae3", "FecLab_Ini", "Laboral", "Trabajo/12/Fecha_1"},
    {"W_Vitae3", "FecLab_Fin", "Laboral", "Trabajo/12/Fecha_2"},
    {"W_Vitae3", "Escritura", "Idiomas", "Trabajo/16/Escritura"},
    {"W_Vitae3", "Lectura", "Idiomas", "Trabajo/16/Lectura"},
    {"W_Vitae3", "Comprension", "Idiomas", "Trabajo/16/Comprension"},
    {"W_Vitae3", "Institucion", "OtrasEst", "Escolar/5/Nombre"},
    {"W_Vitae3", "Carrera", "OtrasEst", "Escolar/5/Carrera"},
    {"W_Vitae3", "AnioIni", "OtrasEst", "Escolar/5/Fecha_ini"},
    {"W_Vitae3", "AnioFin", "OtrasEst", "Escolar/5/Fecha_fin"},
    {"W_Vitae3", "Promedio", "OtrasEst", "Escolar/5/Promedio"},
    {"W_Vitae3", "ExpSni", nullptr, "General/1/Expediente_Sni"},
    {"W_Vitae3", "Fecini_sni", nullptr, "General/1/FechaIni_Sni"},
    {"W_Vitae3", "fecfin_sni", nullptr, "General/1/FechaFin_Sni"},
};

// "W_Vitae3/AnioIni" → su sitio.
const Sitio &sitio(const QString &nombre)
{
    for (const Sitio &s : kSitios)
        if (nombre == QLatin1String(s.ventana) + u'/' + QLatin1String(s.campo))
            return s;
    qFatal("sin sitio para %s", qPrintable(nombre));
}

// Cada celda de las tablas que tocan las ventanas curriculares: "Tabla/Clave/Columna" → texto.
QMap<QString, QString> foto()
{
    QMap<QString, QString> r;
    for (const char *tabla : {"Trabajo", "Escolar", "General"}) {
        const QStringList columnas = Esquema::nombresColumnas(*Esquema::busca(QLatin1String(tabla)));
        const auto filas = Entorno::filas(QStringLiteral("Select %1 From %2").arg(columnas.join(u','), QLatin1String(tabla)));
        for (const QVariantList &f : filas)
            for (int i = 1; i < columnas.size(); ++i)
                r.insert(QStringLiteral("%1/%2/%3").arg(QLatin1String(tabla), f.at(0).toString(), columnas.at(i)),
                         f.at(i).isNull() ? QStringLiteral("NULL") : f.at(i).toString());
    }
    return r;
}

// Primera diferencia entre dos fotos (vacío si son iguales).
QString diferencia(const QMap<QString, QString> &hay, const QMap<QString, QString> &debe)
{
    if (hay.keys() != debe.keys())
        return QStringLiteral("filas distintas: %1 celdas, se esperaban %2").arg(hay.size()).arg(debe.size());
    for (auto it = debe.cbegin(); it != debe.cend(); ++it)
        if (hay.value(it.key()) != it.value())
            return QStringLiteral("%1: '%2', se esperaba '%3'").arg(it.key(), hay.value(it.key()), it.value());
    return {};
}

// Lo que muestra el campo, como lo guarda el programa.
QString enPantalla(QWidget *w, const char *campo)
{
    if (auto *m = w->findChild<EditMascara *>(QLatin1String(campo)))
        return m->texto();
    return control<QLineEdit>(w, campo)->text();
}

QWidget *abreEn(Entorno &e, const Sitio &s)
{
    QWidget *w = abre(e, QLatin1String(s.ventana));
    if (w && s.selector)
        selecciona(w, s.selector, 2);
    return w;
}

void columnas()
{
    QTest::addColumn<QString>("campo");       // "ventana/campo"
    QTest::addColumn<QString>("tecleado");
    QTest::addColumn<QString>("enCampo");     // lo que muestra el campo al dejarlo (kVisto: Entradas::visto)
    QTest::addColumn<QString>("guardado");    // la celda tras guardar (kIgual: sin cambio)
    QTest::addColumn<QStringList>("mensajes");
    QTest::addColumn<QString>("final");       // lo que muestra el campo al final (reabierta si se cerró)
    QTest::addColumn<bool>("conSelector");    // guarda moviendo el selector al registro 1, no con el botón
}

void fila(const char *campo, const char *caso, const QString &tecleado, const QString &enCampo, const QString &guardado,
          const QStringList &mensajes, const QString &final, bool conSelector = false)
{
    QTest::addRow("%s, %s%s", campo, caso, conSelector ? ", con el selector" : "")
        << QString::fromLatin1(campo) << tecleado << enCampo << guardado << mensajes << final << conSelector;
}

// Un caso: teclear en el campo, dejarlo con Tab, guardar como el usuario y revisar.
void recorre()
{
    QFETCH(QString, campo);
    QFETCH(QString, tecleado);
    QFETCH(QString, enCampo);
    QFETCH(QString, guardado);
    QFETCH(QStringList, mensajes);
    QFETCH(QString, final);
    QFETCH(bool, conSelector);
    const Sitio &s = sitio(campo);
    Entorno e(true);
    Muestra::llena();
    QMap<QString, QString> debe = foto();
    QVERIFY(debe.contains(QLatin1String(s.celda)));

    QWidget *w = abreEn(e, s);
    QVERIFY(w);
    auto *c = control<QLineEdit>(w, s.campo);
    QVERIFY2(c->isEnabled(), s.campo);
    if (enCampo == kVisto)
        enCampo = guardado = final = visto(w, s.campo, tecleado);
    if (guardado != kIgual)
        debe.insert(QLatin1String(s.celda), guardado);
    e.dialogos().limpia();
    teclea(c, tecleado);
    QTest::keyClick(c, Qt::Key_Tab);
    QCOMPARE(enPantalla(w, s.campo), enCampo);
    if (conSelector) {
        selecciona(w, s.selector, 1);
        // Guardado: se cierra con el cuadro de cierre (no guarda nada) para releerlo al abrir.
        if (control<QSpinBox>(w, s.selector)->value() == 1)
            w->parentWidget()->close();
    } else {
        // Con el ratón, como el usuario: el foco pasa al botón antes de que guarde.
        QTest::mouseClick(control<QPushButton>(w, QLatin1String(s.ventana) == u"W_Vitae3" ? "Btn_Guardar" : "Btn_Siguiente"),
                          Qt::LeftButton);
    }
    QApplication::processEvents();

    const QStringList textos = e.dialogos().textos();
    sinTextoDelMotor(textos);
    QCOMPARE(textos, mensajes);
    const QString d = diferencia(foto(), debe);
    QVERIFY2(d.isEmpty(), qPrintable(d));
    if (!abierta(e, s.ventana)) {
        w = abreEn(e, s);
        QVERIFY(w);
    }
    QCOMPARE(enPantalla(w, s.campo), final);
    sinTextoDelMotor(e.dialogos().textos());
}

} // namespace

class PruebaEntradasCurriculum : public QObject {
    Q_OBJECT
private slots:
    // Textos libres: con valores enlazados todo se guarda tal cual (en mayúsculas, hasta 255).
    void textos_data()
    {
        columnas();
        const char *campos[] = {"W_Vitae1/Institucion", "W_Vitae1/Carrera",   "W_Vitae1/InstBeca",     "W_Vitae1/GdoBeca",
                                "W_Vitae1/InstRec",     "W_Vitae1/GdoRec",    "W_Vitae2/Autor",        "W_Vitae2/TituloPub",
                                "W_Vitae2/PaisPub",     "W_Vitae2/Editorial", "W_Vitae2/Trabajo",      "W_Vitae2/Lugar",
                                "W_Vitae2/Titulo",      "W_Vitae2/Nivel",     "W_Vitae3/Instlaboral",  "W_Vitae3/Puestolaboral",
                                "W_Vitae3/Institucion", "W_Vitae3/Carrera"};
        for (const char *campo : campos) {
            for (const auto &[nombre, valor] : valores())
                fila(campo, nombre, valor, kVisto, kVisto, {}, kVisto);
            if (sitio(QLatin1String(campo)).selector)
                fila(campo, "inyección", valores().constLast().second, kVisto, kVisto, {}, kVisto, true);
        }
    }
    void textos() { recorre(); }

    // Campos numéricos con máscara: letras, blancos, de más y fuera de intervalo.
    void numeros_data()
    {
        columnas();
        // Años de antecedentes (grado mostrado) y de otros estudios (lista): cuatro dígitos.
        for (const char *campo : {"W_Vitae1/AnioIni", "W_Vitae1/AnioFin", "W_Vitae3/AnioIni", "W_Vitae3/AnioFin"}) {
            const bool lista = QByteArray(campo).startsWith("W_Vitae3");
            const QString antes = lista ? QStringLiteral("2002") : QByteArray(campo).endsWith("Ini") ? QStringLiteral("1993") : QStringLiteral("1998");
            fila(campo, "letras", "19x9y8", "1998", "01/01/1998", {}, "1998");
            fila(campo, "de más", "123456", "1234", "01/01/1234", {}, "1234");
            // El año 0000 no existe (la entrega no podría escribirlo): se detiene como el incompleto.
            fila(campo, "año 0000", "0000", "0000", kIgual, {kAnioCero}, "0000");
            fila(campo, "año 0001", "0001", "0001", "01/01/0001", {}, "0001");
            // En blanco: el grado lo guarda nulo; en la lista es obligatorio: avisa y se queda.
            fila(campo, "en blanco", "", "    ", lista ? kIgual : QStringLiteral("NULL"), lista ? QStringList{kIncompleto} : QStringList{},
                 QStringLiteral("    "));
            // Incompleto: se detiene con lo escrito en pantalla para corregirlo.
            fila(campo, "dos dígitos", "98", "98  ", kIgual, {kAnio}, "98  ");
        }
        fila("W_Vitae3/AnioIni", "dos dígitos", "98", "98  ", kIgual, {kAnio}, "98  ", true);
        // Promedios "99.99".
        for (const char *campo : {"W_Vitae1/Promedio", "W_Vitae3/Promedio"}) {
            const bool lista = QByteArray(campo).startsWith("W_Vitae3");
            fila(campo, "letras", "0a9b5c0", "09.50", "9.5", {}, "09.50");
            fila(campo, "un dígito", "5", "5 .  ", "5", {}, "05.00");
            fila(campo, "menor a 8", "0750", "07.50", "7.5", {}, "07.50");
            // Mayor a 10: avisa al dejar el campo (con Tab y otra vez al ir al botón) y se guarda;
            // la revisión de inconsistencias lo reporta.
            fila(campo, "mayor a 10", "1050", "10.50", "10.5", {kPromedio, kPromedio}, "10.50");
            fila(campo, "de más", "999999", "99.99", "99.99", {kPromedio, kPromedio}, "99.99");
            // En blanco: el grado no se guarda sin más aviso; la lista lo rechaza con mensaje.
            fila(campo, "en blanco", "", "  .  ", kIgual, lista ? QStringList{kNoNumero, kIncompleto} : QStringList{kNoNumero},
                 lista ? QStringLiteral("10.00") : QStringLiteral("09.20"));
        }
        fila("W_Vitae3/Promedio", "en blanco", "", "  .  ", kIgual, {kNoNumero, kIncompleto}, "10.00", true);
        // Meses de la beca y porcentajes de idioma: tres dígitos, obligatorios (en blanco avisa y
        // se queda en el registro, con lo escrito).
        fila("W_Vitae1/meses", "letras", "3x6", "36 ", "36", {}, "36 ");
        fila("W_Vitae1/meses", "de más", "1234", "123", "123", {}, "123");
        fila("W_Vitae1/meses", "cero", "000", "000", "0", {}, "0  ");
        fila("W_Vitae1/meses", "en blanco", "", "   ", kIgual, {kIncompleto}, "   ");
        fila("W_Vitae1/meses", "en blanco", "", "   ", kIgual, {kIncompleto}, "   ", true);
        for (const char *campo : {"W_Vitae3/Escritura", "W_Vitae3/Lectura", "W_Vitae3/Comprension"}) {
            const QString antes = QByteArray(campo).endsWith("Escritura") ? "60 " : QByteArray(campo).endsWith("Lectura") ? "80 " : "70 ";
            fila(campo, "letras", "8a5", "85 ", "85", {}, "85 ");
            fila(campo, "mayor a 100", "999", "999", "999", {}, "999");
            fila(campo, "de más", "1000", "100", "100", {}, "100");
            fila(campo, "en blanco", "", "   ", kIgual, {kIncompleto}, "   ");
        }
        fila("W_Vitae3/Escritura", "mayor a 100", "999", "999", "999", {}, "999", true);
        // Expediente del SNI: seis dígitos; en blanco (con la casilla marcada) avisa y se queda.
        fila("W_Vitae3/ExpSni", "letras", "12a34", "1234  ", "1234", {}, "1234  ");
        fila("W_Vitae3/ExpSni", "de más", "1234567", "123456", "123456", {}, "123456");
        fila("W_Vitae3/ExpSni", "en blanco", "", "      ", kIgual, {kIncompleto}, "      ");
    }
    void numeros() { recorre(); }

    // Fechas con máscara: al dejar el campo queda la fecha tecleada si es válida; si no, la de hoy.
    void fechas_data()
    {
        columnas();
        const char *campos[] = {"W_Vitae1/Fec_rec",    "W_Vitae2/FechaPub",   "W_Vitae2/FechaCong",
                                "W_Vitae2/FechaTes",   "W_Vitae3/FecLab_Ini", "W_Vitae3/FecLab_Fin",
                                "W_Vitae3/Fecini_sni", "W_Vitae3/fecfin_sni"};
        struct Caso {
            const char *nombre, *tecleado;
            QString queda, mensaje;
        };
        const Caso casos[] = {
            {"válida", "05062003", QStringLiteral("05/06/2003"), {}},
            {"letras", "x05y06z2003", QStringLiteral("05/06/2003"), {}},
            {"año de dos cifras", "050603", QStringLiteral("05/06/2003"), {}},
            {"en blanco", "", kHoy, {}},
            {"incompleta", "0503", kHoy, {}},
            {"31/02/2004", "31022004", kHoy, kFechaDia},
            {"00/13/2004", "00132004", kHoy, kFechaMes},
            {"01/01/1899", "01011899", kHoy, kFechaAnio},
            {"01/01/2021", "01012021", kHoy, kFechaAnio},
        };
        for (const char *campo : campos) {
            for (const Caso &c : casos)
                fila(campo, c.nombre, QString::fromLatin1(c.tecleado), c.queda, c.queda,
                     c.mensaje.isEmpty() ? QStringList() : QStringList{c.mensaje}, c.queda);
            if (sitio(QLatin1String(campo)).selector)
                fila(campo, "31/02/2004", "31022004", kHoy, kHoy, {kFechaDia}, kHoy, true);
        }
    }
    void fechas() { recorre(); }
};

REGISTRA_PRUEBA(PruebaEntradasCurriculum)
#include "PruebaEntradasCurriculum.moc"
