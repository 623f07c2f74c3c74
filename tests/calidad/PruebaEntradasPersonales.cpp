// Entradas difíciles en las ventanas de personas, del aval y de sus datos: los textos se
// guardan y se muestran igual al reabrir; en los campos con máscara las letras no entran,
// un campo vacío o una fecha que no existe terminan como la ventana lo dice, y una fecha
// que el programa no acepta se rechaza con su mensaje sin tocar lo guardado. En ningún caso
// llega al usuario texto del motor ni cambia otra columna u otro renglón.
#include "calidad/Entradas.h"
#include "personal/Ayuda.h"
#include "platform/Esquema.h"
#include "support/Muestra.h"

#include <QMap>

using namespace Ayuda;
using namespace Entradas;

namespace {


const QString kFechaVacia = QStringLiteral("  /  /    ");
const QString kTelVacio = QStringLiteral("(    )    -    ");

// Claves de los renglones que editan las ventanas (las de la solicitud de muestra y el aval).
constexpr int kSolicitante = 1, kConyuge = 2, kAval = 6;

// Cada valor de las tablas de la solicitud, bajo "Tabla[clave].Columna".
using Foto = QMap<QString, QString>;

QString celda(const char *tabla, int clave, const char *columna)
{
    return QStringLiteral("%1[%2].%3").arg(QLatin1String(tabla)).arg(clave).arg(QLatin1String(columna));
}

// Un texto nulo se lee como texto vacío: la ventana lo muestra y lo guarda vacío.
Foto foto()
{
    Foto f;
    for (const char *t : {"General", "Persona", "Domicilio", "Aval"}) {
        const Esquema::Tabla &tabla = *Esquema::busca(QLatin1String(t));
        const QStringList columnas = Esquema::nombresColumnas(tabla);
        const auto filas = Ayuda::filas(QStringLiteral("Select %1 From %2 Order by Clave").arg(columnas.join(u','), QLatin1String(t)));
        for (const QVariantList &r : filas)
            for (int i = 0; i < columnas.size(); ++i) {
                QString v = r.at(i).toString();
                if (tabla.columnas[i].clase == Esquema::Clase::Texto && v == u"NULL")
                    v.clear();
                f.insert(QStringLiteral("%1[%2].%3").arg(QLatin1String(t), r.at(0).toString(), columnas.at(i)), v);
            }
    }
    return f;
}

void igual(const Foto &hay, const Foto &debe)
{
    QCOMPARE(hay.keys(), debe.keys());
    for (auto i = debe.cbegin(); i != debe.cend(); ++i)
        QVERIFY2(hay.value(i.key()) == i.value(),
                 qPrintable(QStringLiteral("%1: «%2», se esperaba «%3»").arg(i.key(), hay.value(i.key()), i.value())));
}

// Solicitud completa (casada, dos hijos) con aval y los datos de su predio y empleo.
void prepara()
{
    Muestra::llena();
    Entorno::sql(QStringLiteral("Insert into Persona (Clave,Nombre_1,Nombre_2,Paterno,Materno,Sexo,Edo_civil,Fec_nac,RFC,"
                                "Ciudad_nac,Tipo) values (6,'JOSÉ','LUIS','GARZA','O''HARA','M','C','05/03/1960',"
                                "'GAOJ600305AB1',0,'AVA')"));
    Entorno::sql(QStringLiteral("Insert into Aval values (1,'CP-1 \"A\"','ZAPOPAN','12/08/1990','F-7','ACME','VENTAS',"
                                "'JEFE','12 años','01/02/1992',15,'AVA','BECA A','BECA B','BECA C',900)"));
}

void cierraVentanas()
{
    // El predio, al cerrarse, abre al aval: por eso va primero.
    for (const char *n : {"W_Predial", "W_DirAct", "W_Dependiente", "W_Generales"})
        if (QWidget *w = ventana(n)) {
            w->parentWidget()->close();
            QApplication::processEvents();
        }
}

// La ventana que se barre: cómo se abre y con qué botón guarda.
struct Forma {
    QString nombre;
    QString tipo;           // Tipo_Actual con que se abre ("CGE": la familia de un casado)
    const char *boton;
    const char *rfc;        // campo del RFC que la ventana vuelve a proponer, o nullptr
};

QWidget *abreForma(const Forma &f)
{
    if (f.tipo == u"CGE") {
        Edo_Civil_Actual = 0;
        return abre(f.nombre, QStringLiteral("ACT"));
    }
    return abre(f.nombre, f.tipo);
}

void columnas()
{
    QTest::addColumn<QString>("campo");
    QTest::addColumn<QString>("tecleado");
    QTest::addColumn<QString>("queda");        // lo que muestra el campo antes de guardar
    QTest::addColumn<QStringList>("mensajes");
    QTest::addColumn<bool>("guarda");
    QTest::addColumn<QString>("celda");        // dónde se guarda
    QTest::addColumn<QString>("guardado");     // lo guardado, si no es lo que se ve
}

// Un renglón por cada valor difícil en cada campo de texto: todos se guardan como se ven.
void textos(const char *prefijo, const QList<QPair<const char *, const char *>> &campos, const char *tabla, int clave)
{
    for (const auto &[campo, columna] : campos)
        for (const auto &[nombre, valor] : valores())
            QTest::addRow("%s%s, %s", prefijo, campo, nombre)
                << QString::fromLatin1(campo) << valor << QString() << QStringList() << true << celda(tabla, clave, columna) << QString();
}

// Teclea el valor, sale del campo, guarda con el botón de la ventana y revisa lo guardado, lo
// mostrado al reabrir, los mensajes y que nada más cambió.
void barre(Entorno &e, const Forma &f)
{
    QFETCH(QString, campo);
    QFETCH(QString, tecleado);
    QFETCH(QString, queda);
    QFETCH(QStringList, mensajes);
    QFETCH(bool, guarda);
    QFETCH(QString, celda);
    QFETCH(QString, guardado);
    const QByteArray c = campo.toLatin1();
    marco(e);
    const Foto antes = foto();
    QVERIFY2(antes.contains(celda), qPrintable(celda));
    QWidget *w = abreForma(f);
    QVERIFY(w);
    QVERIFY(visible(w, c.constData()) && control(w, c.constData())->isEnabled());
    escribe(w, c.constData(), tecleado);
    if (queda.isNull())
        queda = visto(w, c.constData(), tecleado);
    if (guardado.isNull())
        guardado = queda;
    sal(w, c.constData());
    QCOMPARE(texto(w, c.constData()), queda);
    Foto esperada = antes;
    if (guarda && f.rfc)   // la fecha aceptada puede proponer otro RFC: se guarda el que se ve
        esperada[celda.section(u'.', 0, 0) + QStringLiteral(".RFC")] = texto(w, f.rfc);
    pulsa(w, f.boton);
    QApplication::processEvents();
    sinTextoDelMotor(e.dialogos().textos());
    // Cada aviso una vez: el mismo puede repetirse al salir del campo y al guardar.
    QStringList vistos = e.dialogos().textos();
    vistos.removeDuplicates();
    QCOMPARE(vistos.join(QStringLiteral(" | ")), mensajes.join(QStringLiteral(" | ")));
    if (guarda)
        esperada[celda] = guardado;
    igual(foto(), esperada);
    if (QTest::currentTestFailed() || !guarda)
        return;
    cierraVentanas();
    w = abreForma(f);
    QVERIFY(w);
    QCOMPARE(texto(w, c.constData()), queda);
}

// Fechas que cada ventana trata igual: una válida, una de dos cifras de año, el 29 de febrero
// de un bisiesto y las que el programa no acepta por el año (rechazadas con su mensaje).
void fechasComunes(const char *prefijo, const char *campo, const QString &celda, const QStringList &rechazo = {})
{
    auto fila = [&](const char *nombre, const char *tecleado, const QString &queda, const QStringList &mensajes, bool guarda) {
        QTest::addRow("%s%s, %s", prefijo, campo, nombre) << QString::fromLatin1(campo) << QString::fromLatin1(tecleado) << queda
                                                         << mensajes << guarda << celda << QString();
    };
    fila("válida", "07071970", QStringLiteral("07/07/1970"), {}, true);
    fila("año de dos cifras", "070770", QStringLiteral("07/07/1970"), {}, true);
    fila("29 de febrero de 2004", "29022004", QStringLiteral("29/02/2004"), {}, true);
    fila("año 2021", "01012021", QStringLiteral("01/01/2021"), QStringList{kFechaAnio} + rechazo, false);
    fila("año 1899", "31121899", QStringLiteral("31/12/1899"), QStringList{kFechaAnio} + rechazo, false);
}

// Letras (la máscara no las deja entrar), campo vacío y fechas que no existen: éstas se
// vuelven la de hoy o, si la ventana las rechaza (con sus dos avisos), se quedan sin guardar.
void fechasMalas(const char *prefijo, const char *campo, const QString &celda, const QString &vacia,
                 const QString &guardadaVacia, const QList<QStringList> &rechazos = {})
{
    auto fila = [&](const char *nombre, const char *tecleado, const QString &queda, const QStringList &mensajes, bool guarda,
                    const QString &guardado) {
        QTest::addRow("%s%s, %s", prefijo, campo, nombre) << QString::fromLatin1(campo) << QString::fromLatin1(tecleado) << queda
                                                         << mensajes << guarda << celda << guardado;
    };
    fila("letras", "ab/cd/efgh", vacia, {}, true, guardadaVacia);
    fila("vacía", "", vacia, {}, true, guardadaVacia);
    const bool aHoy = rechazos.isEmpty();
    fila("31 de febrero", "31022004", aHoy ? kHoy : QStringLiteral("31/02/2004"), rechazos.value(0), aHoy, QString());
    fila("día 0 y mes 13", "00132004", aHoy ? kHoy : QStringLiteral("00/13/2004"), rechazos.value(1), aHoy, QString());
}

} // namespace

class PruebaEntradasPersonales : public QObject {
    Q_OBJECT
private slots:
    // Aval (con su RFC) y cónyuge: nombres y fecha de nacimiento; la ventana guarda con su botón.
    void dependiente_data()
    {
        columnas();
        for (const auto &[tipo, clave] : {std::pair{"AVA", kAval}, std::pair{"CGE", kConyuge}}) {
            const QByteArray prefijo = QByteArray(tipo) + ' ';
            QList<QPair<const char *, const char *>> campos{
                {"Nombre_1", "Nombre_1"}, {"Nombre_2", "Nombre_2"}, {"Paterno", "Paterno"}, {"Materno", "Materno"}};
            if (clave == kAval)
                campos.append(qMakePair("RFC_Aval", "RFC"));
            textos(prefijo.constData(), campos, "Persona", clave);
            const QString fecha = celda("Persona", clave, "Fec_nac");
            fechasComunes(prefijo.constData(), "Fec_nac", fecha);
            // Lo que no se puede leer como fecha se vuelve la de hoy, sin mensaje.
            fechasMalas(prefijo.constData(), "Fec_nac", fecha, kHoy, kHoy);
        }
    }
    void dependiente()
    {
        Entorno e(true);
        prepara();
        // El renglón empieza con el tipo de persona: "AVA …" o "CGE …".
        const QString t = QString::fromLatin1(QTest::currentDataTag()).section(u' ', 0, 0);
        barre(e, {QStringLiteral("W_Dependiente"), t, "Btn_Guardar", t == u"AVA" ? "RFC_Aval" : nullptr});
    }

    // Predio y empleo del aval: con la fila guardada el botón es "Salir", que guarda y cierra; si
    // no puede guardar, avisa y la ventana se queda.
    void predial_data()
    {
        columnas();
        textos("", {{"E_Cta_Predial", "Cta_Predial"}, {"E_LugarRegistro", "Lugar_Registro"}, {"E_Folio", "Folio"},
                    {"E_Empresa", "Empresa"}, {"E_Depto", "Depto"}, {"E_Puesto", "Puesto"}, {"E_Antig", "Antiguedad"}},
               "Aval", 1);
        for (const auto &[campo, columna] : {std::pair{"ME_Fecha", "Fec_Registro"}, std::pair{"ME_FecIngreso", "Fec_Ingreso"}}) {
            const QString c = celda("Aval", 1, columna);
            // "Salir" que no puede guardar no avisa: sólo queda el aviso de la fecha.
            fechasComunes("", campo, c);
            // Vacía queda nula; la que no existe se vuelve la de hoy.
            fechasMalas("", campo, c, kFechaVacia, QStringLiteral("NULL"));
        }
        const QString tiempo = celda("Aval", 1, "Tiempo");
        auto anios = [&](const char *nombre, const char *tecleado, const char *queda, bool guarda, const char *guardado) {
            QTest::addRow("ME_anios, %s", nombre) << QStringLiteral("ME_anios") << QString::fromLatin1(tecleado)
                                                  << QString::fromLatin1(queda) << QStringList()
                                                  << guarda << tiempo << QString::fromLatin1(guardado);
        };
        anios("una cifra", "7", "7 ", true, "7");
        anios("dos cifras", "99", "99", true, "99");
        anios("tres cifras", "123", "12", true, "12");
        anios("signo", "-5", "5 ", true, "5");
        // Sin años no se guarda: "Salir" deja la ventana abierta, sin aviso.
        anios("letras", "ab", "  ", false, "");
        anios("vacío", "", "  ", false, "");
    }
    void predial()
    {
        Entorno e(true);
        prepara();
        barre(e, {QStringLiteral("W_Predial"), QStringLiteral("AVA"), "Btn_Guardar", nullptr});
    }

    // Datos generales: RFC y fecha de nacimiento; "Siguiente" guarda y pasa al domicilio.
    void generales_data()
    {
        columnas();
        textos("", {{"E_RFC", "RFC"}}, "Persona", kSolicitante);
        const QString fecha = celda("Persona", kSolicitante, "Fec_nac");
        fechasComunes("", "Fec_Nac", fecha);
        // Vacía queda nula; la que no existe avisa al salir y no se guarda.
        fechasMalas("", "Fec_Nac", fecha, kFechaVacia, QStringLiteral("NULL"),
                    {{kFechaDia, QStringLiteral("'31/02/2004' no es una fecha válida")},
                     {kFechaMes, QStringLiteral("'00/13/2004' no es una fecha válida")}});
        QTest::addRow("Fec_Nac, 29 de febrero de 1900")
            << QStringLiteral("Fec_Nac") << QStringLiteral("29021900") << QStringLiteral("29/02/1900")
            << QStringList{QStringLiteral("'29/02/1900' no es una fecha válida")} << false << fecha << QString();
    }
    void generales()
    {
        Entorno e(true);
        prepara();
        barre(e, {QStringLiteral("W_Generales"), QString(), "Btn_Sig", "E_RFC"});
    }

    // Campos que la ventana no muestra: el ingreso mensual de los datos generales y la fecha de
    // correspondencia en un domicilio que no es el actual. Guardar los deja como estaban.
    void ocultos_data()
    {
        QTest::addColumn<QString>("forma");
        QTest::addColumn<QString>("tipo");
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("columna");
        QTest::addColumn<QVariant>("valor");
        QTest::addColumn<QString>("guardado");
        auto ingreso = [](const char *nombre, const QVariant &v, const char *guardado) {
            QTest::addRow("ingreso, %s", nombre) << "W_Generales" << "" << "ME_Ingresos" << "Ingreso_Mensual" << v
                                                 << QString::fromLatin1(guardado);
        };
        ingreso("cero", 0, "0");
        ingreso("doce cifras", Q_INT64_C(999999999999), "999999999999");
        ingreso("más de lo que cabe en el campo", Q_INT64_C(1234567890123), "1234567890123");
        ingreso("nulo se lee cero", QVariant(), "0");
        QTest::newRow("correspondencia, guardada") << "W_DirAct" << "ACC" << "Fec_Corresp" << "Fec_Correspondencia"
                                                   << QVariant("31/12/2004") << "31/12/2004";
        QTest::newRow("correspondencia, fuera de los años aceptados")
            << "W_DirAct" << "ACC" << "Fec_Corresp" << "Fec_Correspondencia" << QVariant("01/01/2030") << "01/01/2030";
        QTest::newRow("correspondencia, nula se vuelve hoy")
            << "W_DirAct" << "ACC" << "Fec_Corresp" << "Fec_Correspondencia" << QVariant() << kHoy;
    }
    void ocultos()
    {
        QFETCH(QString, forma);
        QFETCH(QString, tipo);
        QFETCH(QString, campo);
        QFETCH(QString, columna);
        QFETCH(QVariant, valor);
        QFETCH(QString, guardado);
        Entorno e(true);
        prepara();
        Entorno::sql(QStringLiteral("Update General Set %1=:v").arg(columna), {{QStringLiteral("v"), valor}});
        Foto esperada = foto();
        esperada[celda("General", 1, columna.toLatin1().constData())] = guardado;
        marco(e);
        QWidget *w = abre(forma, tipo.isEmpty() ? QString() : tipo);
        QVERIFY(w);
        QVERIFY(!visible(w, campo.toLatin1().constData()));
        pulsa(w, "Btn_Sig");   // en el domicilio del accidente contesta "No" a la pregunta del extranjero
        QApplication::processEvents();
        for (const auto &m : e.dialogos().mostrados())
            QVERIFY2(m.tipo == u"pregunta", qPrintable(m.texto));
        igual(foto(), esperada);
    }

    // Domicilio actual: teléfono, fax y la fecha hasta la que se puede enviar correspondencia.
    void domicilio_data()
    {
        columnas();
        for (const auto &[campo, columna] : {std::pair{"Telefono", "Telefono"}, std::pair{"Fax", "Fax"}}) {
            const QString c = celda("Domicilio", 1, columna);
            auto fila = [&](const char *nombre, const char *tecleado, const QString &queda) {
                QTest::addRow("%s, %s", campo, nombre) << QString::fromLatin1(campo) << QString::fromUtf8(tecleado) << queda
                                                       << QStringList() << true << c << QString();
            };
            fila("completo", "003336151234", QStringLiteral("(0033)3615-1234"));
            fila("con sus signos", "(0033)3615-1234", QStringLiteral("(0033)3615-1234"));
            fila("incompleto", "3312", QStringLiteral("(3312)    -    "));
            fila("cifras de más", "00333615123456", QStringLiteral("(0033)3615-1234"));
            fila("letras", "abcd efgh ñ", kTelVacio);
            fila("comillas y diagonal", "'\"\\", kTelVacio);
            fila("vacío", "", kTelVacio);
        }
        // La fecha que no se acepta o no existe se vuelve la de hoy (tras el mensaje del año).
        const QString c = celda("General", 1, "Fec_Correspondencia");
        auto fila = [&](const char *nombre, const char *tecleado, const QString &queda, const QStringList &mensajes) {
            QTest::addRow("Fec_Corresp, %s", nombre) << QStringLiteral("Fec_Corresp") << QString::fromLatin1(tecleado) << queda
                                                     << mensajes << true << c << QString();
        };
        fila("válida", "30062004", QStringLiteral("30/06/2004"), {});
        fila("letras", "ab/cd/efgh", kHoy, {});
        fila("vacía", "", kHoy, {});
        fila("31 de febrero", "31022004", kHoy, {});
        fila("día 0 y mes 13", "00132004", kHoy, {});
        fila("año 2021", "01012021", kHoy, {kFechaAnio});
        fila("año 1899", "31121899", kHoy, {kFechaAnio});
    }
    void domicilio()
    {
        Entorno e(true);
        prepara();
        barre(e, {QStringLiteral("W_DirAct"), QStringLiteral("ACT"), "Btn_Sig", nullptr});
    }
};

REGISTRA_PRUEBA(PruebaEntradasPersonales)
#include "PruebaEntradasPersonales.moc"
