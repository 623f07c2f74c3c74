#include "support/Muestra.h"
#include "platform/Base.h"
#include "platform/Consulta.h"

#include <QHash>
#include <QStringList>
#include <QVariant>
#include <utility>
#include <vector>

namespace Muestra {
namespace {

using Fila = std::vector<std::pair<const char *, QVariant>>;
const QVariant kNulo;

// INSERT con lista de columnas y todos los valores enlazados.
void inserta(const char *tabla, const Fila &fila)
{
    QStringList columnas, marcas;
    QVariantHash valores;
    for (const auto &[columna, valor] : fila) {
        columnas << QLatin1String(columna);
        marcas << u':' + QLatin1String(columna);
        valores.insert(QLatin1String(columna), valor);
    }
    Consulta q;
    q.ejecuta(QStringLiteral("Insert into %1 (%2) Values (%3)")
                  .arg(QLatin1String(tabla), columnas.join(u','), marcas.join(u',')),
              valores);
}

// Fecha "dd/mm/yyyy" variada pero siempre real, para los renglones generados.
QString fechaN(int i, int anioBase)
{
    return QStringLiteral("%1/%2/%3")
        .arg(1 + i % 28, 2, 10, QLatin1Char('0'))
        .arg(1 + i % 12, 2, 10, QLatin1Char('0'))
        .arg(anioBase + i % 9);
}

void general()
{
    inserta("General",
            {{"Clave", 1}, {"Convocatoria", kConvocatoria}, {"Ingreso_Mensual", 18500},
             {"Fec_Correspondencia", QStringLiteral("31/12/2004")}, {"Expbecaant", 0}, {"Expbecacony", 0},
             {"Solbecacony", QStringLiteral("N")}, {"EGEL", 0}, {"Subdisciplina", QStringLiteral("INGENIERÍA DE PROCESOS")},
             {"Grado_ini", 25}, {"Grado_fin", 25}, {"Area", 7}, {"Disciplina", 175}, {"Curso", 0},
             // Como los deja la ventana de motivos: un renglón vacío y luego el texto en
             // mayúsculas, acentos y ñ incluidos.
             {"Motivos_A", QStringLiteral("\nDESEO CONTINUAR MI DOCTORADO EN INGENIERÍA QUÍMICA, EN EL ÁREA DE "
                                          "DISEÑO DE PROCESOS, DONDE TENGO CINCO AÑOS DE EXPERIENCIA.")},
             {"Motivos_B", QStringLiteral("\nLAS INSTITUCIONES ELEGIDAS TIENEN GRUPOS DE INVESTIGACIÓN RECONOCIDOS "
                                          "EN CATÁLISIS Y SIMULACIÓN; EN MÉXICO NO HAY UN PROGRAMA EQUIVALENTE.")},
             {"Motivos_C", QStringLiteral("\nAL TERMINAR VOLVERÉ A LA UNIVERSIDAD DE GUADALAJARA PARA FORMAR UN "
                                          "GRUPO DE INGENIERÍA DE PROCESOS CON LA INDUSTRIA DE LA REGIÓN.")},
             {"Motivos_D", kNulo}, {"Expediente_Sni", 12345}, {"FechaIni_Sni", QStringLiteral("01/01/2001")},
             {"FechaFin_Sni", QStringLiteral("31/12/2003")}, {"Cerrar", kNulo}});
}

void persona(int clave, const char *tipo, const QString &n1, const QString &n2, const QString &pat, const QString &mat,
             const char *sexo, const char *edo, const QString &nac, const QString &rfc)
{
    inserta("Persona", {{"Clave", clave}, {"Nombre_1", n1}, {"Nombre_2", n2}, {"Paterno", pat}, {"Materno", mat},
                        {"Sexo", QLatin1String(sexo)}, {"Edo_civil", QLatin1String(edo)}, {"Fec_nac", nac},
                        {"RFC", rfc}, {"Ciudad_nac", 0}, {"Tipo", QLatin1String(tipo)}});
}

void personas(bool casado, int hijos)
{
    inserta("Persona", {{"Clave", 1}, {"Nombre_1", QStringLiteral("MARÍA")}, {"Nombre_2", QStringLiteral("ELENA")},
                        {"Paterno", QStringLiteral("TORRES")}, {"Materno", QStringLiteral("VALLE")},
                        {"Sexo", QStringLiteral("F")}, {"Edo_civil", casado ? QStringLiteral("C") : QStringLiteral("S")},
                        {"Fec_nac", QStringLiteral("05/03/1975")}, {"RFC", QStringLiteral("TOVM750305")},
                        {"Ciudad_nac", 14039}, {"Pais_nac", 32}, {"Tipo", QStringLiteral("SOL")},
                        {"Curp", QStringLiteral("TOVM750305MJCRLR09")}});
    if (casado)
        persona(2, "CGE", QStringLiteral("JUAN"), QStringLiteral("CARLOS"), QStringLiteral("PÉREZ"),
                QStringLiteral("LÓPEZ"), "M", "C", QStringLiteral("12/08/1973"), QStringLiteral("PELJ730812"));
    struct Hijo { const char *tipo, *nombre, *sexo, *nac, *rfc; };
    const Hijo lista[] = {{"HJ1", "ANA", "F", "20/01/2000", "PETA000120"},
                          {"HJ2", "LUIS", "M", "02/06/2002", "PETL020602"},
                          {"HJ3", "SOFÍA", "F", "14/02/2003", "PETS030214"},
                          {"HJ4", "DIEGO", "M", "30/11/2003", "PETD031130"}};
    for (int i = 0; i < hijos; ++i)
        persona(i < 2 ? 3 + i : 4 + i, lista[i].tipo, QString::fromUtf8(lista[i].nombre), QString(),
                QStringLiteral("PÉREZ"), QStringLiteral("TORRES"), lista[i].sexo, "S",
                QLatin1String(lista[i].nac), QLatin1String(lista[i].rfc));
    persona(5, "ACC", QStringLiteral("ROSA"), QString(), QStringLiteral("VALLE"), QStringLiteral("GARCÍA"), "F",
            "C", QStringLiteral("10/10/1948"), QStringLiteral("VAGR481010"));
}

void domicilio(int clave, const QString &tipo, const QString &calle, const QString &numero, const QString &colonia,
               const QString &telefono, const QString &correo, const QString &cp, int ciudad, int estado, int pais,
               int municipio, int institucion, int persona)
{
    inserta("Domicilio", {{"Clave", clave}, {"Tipo", tipo}, {"Calle", calle}, {"Numero", numero}, {"Interior", QString()},
                          {"Colonia", colonia}, {"Telefono", telefono}, {"Fax", QStringLiteral("(    )    -    ")},
                          {"Correo", correo}, {"Cp", cp}, {"Ciudad_Clave", ciudad}, {"Estado_Clave", estado},
                          {"Pais_Clave", pais}, {"Municipio_Clave", municipio}, {"Institucion_clave", institucion},
                          {"Persona_clave", persona}});
}

struct Opcion {
    int escuela, ciudad, estado, pais, moneda;
    const char *contacto, *programa, *calle, *colonia, *cp;
};
const Opcion kOpcionesMuestra[kOpciones] = {
    {200, 40347, 250, 826, 21, "DR. JOHN SMITH", "PHD IN CHEMICAL ENGINEERING", "NEW MUSEUMS SITE, PEMBROKE STREET",
     "CENTRE", "CB2 3RA"},
    {201, 40346, 250, 826, 21, "DR. ANNE BROWN", "DPHIL IN ENGINEERING SCIENCE", "PARKS ROAD", "CENTRE", "OX1 3PJ"},
    {300, 40281, 197, 724, 9999, "DRA. CARMEN RUIZ", "DOCTORADO EN INGENIERÍA QUÍMICA", "AVDA. COMPLUTENSE",
     "CIUDAD UNIVERSITARIA", "28040"},
    {500, 40066, 68, 250, 9999, "PR. PIERRE MARTIN", "DOCTORAT EN GÉNIE DES PROCÉDÉS", "4 PLACE JUSSIEU", "JUSSIEU",
     "75005"},
    {607, 40095, 84, 276, 9999, "PROF. DR. KLAUS WEBER", "PROMOTION IN VERFAHRENSTECHNIK", "STRASSE DES 17. JUNI 135",
     "CHARLOTTENBURG", "10623"},
};

void domicilios()
{
    domicilio(1, QStringLiteral("ACT"), QStringLiteral("AV. JUÁREZ"), QStringLiteral("976"), QStringLiteral("CENTRO"),
              QStringLiteral("(0133)3614-5500"), QStringLiteral("maria.torres@correo.mx"), QStringLiteral("44100"),
              14039, 14, 32, 14039, 0, 1);
    domicilio(2, QStringLiteral("ACC"), QStringLiteral("FRANCISCO SOSA"), QStringLiteral("210"),
              QStringLiteral("SANTA CATARINA"), QStringLiteral("(0155)5554-1234"), QString(), QStringLiteral("04010"),
              9003, 9, 32, 9003, 0, 7);   // la ventana de domicilios guarda 7 para este tipo
    domicilio(3, QStringLiteral("EXT"), QStringLiteral("GOWER STREET"), QStringLiteral("23"), QStringLiteral("BLOOMSBURY"),
              QStringLiteral("(0044)2076-7920"), QStringLiteral("m.torres@correo.uk"), QStringLiteral("WC1E 6BT"),
              40345, 250, 826, 0, 0, 1);
    for (int n = 1; n <= kOpciones; ++n) {
        const Opcion &o = kOpcionesMuestra[n - 1];
        domicilio(3 + n, QStringLiteral("OP%1").arg(n), QString::fromUtf8(o.calle), QStringLiteral("S/N"),
                  QString::fromUtf8(o.colonia), QStringLiteral("(    )    -    "), QString(), QLatin1String(o.cp),
                  o.ciudad, o.estado, o.pais, 0, o.escuela, 0);
    }
}

void opciones()
{
    for (int n = 1; n <= kOpciones; ++n) {
        const Opcion &o = kOpcionesMuestra[n - 1];
        inserta("Beca", {{"Clave", n}, {"Persona_Contacto", QString::fromUtf8(o.contacto)},
                         {"Puesto_contacto", QStringLiteral("COORDINADOR DE POSGRADO")},
                         {"Nombre_prog", QString::fromUtf8(o.programa)}, {"Carta_aceptacion", QStringLiteral("S")},
                         {"Tiempo_prom_grado", 48}, {"Fecha_ini", QStringLiteral("01/09/2004")},
                         {"Fecha_fin", QStringLiteral("31/08/2008")}, {"Escuela", o.escuela},
                         {"Fec_ini_est", QStringLiteral("01/10/2004")}, {"Fec_fin_est", QStringLiteral("30/09/2008")},
                         {"General_Clave", 1}, {"Tipo", QStringLiteral("OP%1").arg(n)}, {"Total_man", 1800},
                         {"Total_col", 25000}, {"Total_Insc", 800}, {"Frecuencia_man", QStringLiteral("MENSUAL")},
                         {"Frecuencia_col", QStringLiteral("ANUAL")}, {"Frecuencia_insc", QStringLiteral("ANUAL")},
                         {"Moneda_man", 17}, {"Moneda_col", o.moneda}, {"Moneda_insc", o.moneda},
                         {"SM", QStringLiteral("S")}});
    }
}

void escolar(int clave, const QString &nombre, const char *tipo, int ini, int fin, const char *nivel, double promedio,
             const QString &carrera, const char *titulado, int secuencia)
{
    inserta("Escolar", {{"Clave", clave}, {"Nombre", nombre}, {"Tipo", QLatin1String(tipo)},
                        {"Fecha_ini", QStringLiteral("01/01/%1").arg(ini)}, {"Fecha_fin", QStringLiteral("01/01/%1").arg(fin)},
                        {"Nivel", QLatin1String(nivel)}, {"Promedio", promedio}, {"Carrera", carrera},
                        {"Titulado", QLatin1String(titulado)}, {"secuencia", secuencia}});
}

void escolares(int otros)
{
    escolar(1, QStringLiteral("UNIVERSIDAD DE GUADALAJARA"), "PUB", 1993, 1998, "LIC", 9.2,
            QStringLiteral("INGENIERÍA QUÍMICA"), "S", 1);
    escolar(2, QStringLiteral("UNIVERSIDAD NACIONAL AUTÓNOMA DE MÉXICO"), "PUB", 1998, 2000, "MAE", 9.5,
            QStringLiteral("MAESTRÍA EN INGENIERÍA QUÍMICA"), "S", 2);
    escolar(3, QStringLiteral("INSTITUTO TECNOLÓGICO Y DE ESTUDIOS SUPERIORES DE MONTERREY"), "PRV", 2001, 2004, "DOC",
            9.0, QStringLiteral("DOCTORADO EN CIENCIAS DE INGENIERÍA"), "N", 3);
    if (otros == 2) {
        escolar(4, QStringLiteral("CENTRO DE ENSEÑANZA DE LENGUAS EXTRANJERAS"), "PUB", 1996, 1997, "OTR", 9.8,
                QStringLiteral("DIPLOMADO EN INGLÉS TÉCNICO"), "N", 1);
        escolar(5, QStringLiteral("COLEGIO DE INGENIEROS QUÍMICOS"), "PRV", 2002, 2002, "OTR", 10,
                QStringLiteral("CURSO DE SEGURIDAD DE PROCESOS"), "N", 2);
        return;
    }
    for (int i = 1; i <= otros; ++i)
        escolar(3 + i, QStringLiteral("INSTITUCIÓN DE OTROS ESTUDIOS %1").arg(i), i % 2 ? "PUB" : "PRV", 1990 + i % 10,
                1991 + i % 10, "OTR", 8 + (i % 20) / 10.0, QStringLiteral("CURSO NÚMERO %1").arg(i), "N", i);
}

// Renglones de las listas del currículum; `n` renglones por lista (2 en la muestra,
// el límite de cada lista en la máxima).
class Curriculum {
public:
    void becas(int n)
    {
        if (n == 2) {
            fila("BEC", {{"Lugar", QStringLiteral("TALVERO")}, {"Meses", 24}, {"Grado", QStringLiteral("MAESTRÍA")}});
            fila("BEC", {{"Lugar", QStringLiteral("UNIVERSIDAD DE GUADALAJARA")}, {"Meses", 12},
                         {"Grado", QStringLiteral("LICENCIATURA")}});
            return;
        }
        for (int i = 1; i <= n; ++i)
            fila("BEC", {{"Lugar", QStringLiteral("INSTITUCIÓN OTORGANTE %1").arg(i)}, {"Meses", 1 + i % 36},
                         {"Grado", QStringLiteral("MAESTRÍA")}});
    }
    void reconocimientos(int n)
    {
        if (n == 2) {
            fila("REC", {{"Lugar", QStringLiteral("UNIVERSIDAD DE GUADALAJARA")},
                         {"Grado", QStringLiteral("MENCIÓN HONORÍFICA")}, {"Fecha_1", QStringLiteral("15/07/1998")}});
            fila("REC", {{"Lugar", QStringLiteral("ACADEMIA MEXICANA DE INGENIERÍA")},
                         {"Grado", QStringLiteral("PREMIO A LA MEJOR TESIS DE MAESTRÍA")},
                         {"Fecha_1", QStringLiteral("20/11/2000")}});
            return;
        }
        for (int i = 1; i <= n; ++i)
            fila("REC", {{"Lugar", QStringLiteral("INSTITUCIÓN QUE RECONOCE %1").arg(i)},
                         {"Grado", QStringLiteral("RECONOCIMIENTO %1").arg(i)}, {"Fecha_1", fechaN(i, 1994)}});
    }
    void publicaciones(int n)
    {
        if (n == 2) {
            fila("PUB", {{"Grado", QStringLiteral("ARTICULO")}, {"Lugar", QStringLiteral("ELSEVIER")},
                         {"Fecha_1", QStringLiteral("01/03/2002")},
                         {"Autores", QStringLiteral("TORRES VALLE M. E., RAMÍREZ J.")},
                         {"Titulo", QStringLiteral("CINÉTICA DE LA HIDRODESULFURACIÓN DE DIÉSEL")},
                         {"Pais", QStringLiteral("PAÍSES BAJOS")}});
            fila("PUB", {{"Grado", QStringLiteral("CAPITULO")}, {"Lugar", QStringLiteral("FONDO DE CULTURA ECONÓMICA")},
                         {"Fecha_1", QStringLiteral("15/09/2003")}, {"Autores", QStringLiteral("TORRES VALLE M. E.")},
                         {"Titulo", QStringLiteral("SIMULACIÓN DE REACTORES CATALÍTICOS")},
                         {"Pais", QStringLiteral("MÉXICO")}});
            return;
        }
        const char *tipos[] = {"ARTICULO", "LIBRO", "CAPITULO"};
        for (int i = 1; i <= n; ++i)
            fila("PUB", {{"Grado", QLatin1String(tipos[i % 3])}, {"Lugar", QStringLiteral("EDITORIAL %1").arg(i)},
                         {"Fecha_1", fechaN(i, 1996)}, {"Autores", QStringLiteral("TORRES VALLE M. E. Y COAUTOR %1").arg(i)},
                         {"Titulo", QStringLiteral("PUBLICACIÓN NÚMERO %1 SOBRE INGENIERÍA DE PROCESOS").arg(i)},
                         {"Pais", QStringLiteral("MÉXICO")}});
    }
    void congresos(int n)
    {
        if (n == 2) {
            fila("CON", {{"Titulo", QStringLiteral("MODELADO DE COLUMNAS DE DESTILACIÓN REACTIVA")},
                         {"Lugar", QStringLiteral("CONGRESO NACIONAL DE INGENIERÍA QUÍMICA, MAZATLÁN")},
                         {"Fecha_1", QStringLiteral("10/05/2001")}});
            fila("CON", {{"Titulo", QStringLiteral("CATALIZADORES DE NÍQUEL-MOLIBDENO")},
                         {"Lugar", QStringLiteral("AICHE ANNUAL MEETING, INDIANAPOLIS")},
                         {"Fecha_1", QStringLiteral("04/11/2002")}});
            return;
        }
        for (int i = 1; i <= n; ++i)
            fila("CON", {{"Titulo", QStringLiteral("PONENCIA NÚMERO %1").arg(i)},
                         {"Lugar", QStringLiteral("CONGRESO %1").arg(i)}, {"Fecha_1", fechaN(i, 1997)}});
    }
    void tesis(int n)
    {
        if (n == 2) {
            fila("TES", {{"Titulo", QStringLiteral("OPTIMIZACIÓN DE UN TREN DE INTERCAMBIO DE CALOR")},
                         {"Grado", QStringLiteral("LICENCIATURA")}, {"Fecha_1", QStringLiteral("30/06/2002")}});
            fila("TES", {{"Titulo", QStringLiteral("SECADO DE ALIMENTOS POR ASPERSIÓN")},
                         {"Grado", QStringLiteral("LICENCIATURA")}, {"Fecha_1", QStringLiteral("15/12/2003")}});
            return;
        }
        for (int i = 1; i <= n; ++i)
            fila("TES", {{"Titulo", QStringLiteral("TESIS DIRIGIDA NÚMERO %1").arg(i)},
                         {"Grado", QStringLiteral("LICENCIATURA")}, {"Fecha_1", fechaN(i, 1998)}});
    }
    void laborales(int n)
    {
        if (n == 2) {
            fila("TRA", {{"Lugar", QStringLiteral("PETRÓLEOS MEXICANOS, REFINERÍA DE SALAMANCA")},
                         {"Puesto", QStringLiteral("INGENIERA DE PROCESOS")}, {"Fecha_1", QStringLiteral("01/02/1998")},
                         {"Fecha_2", QStringLiteral("31/07/1998")}});
            fila("TRA", {{"Lugar", QStringLiteral("UNIVERSIDAD DE GUADALAJARA")},
                         {"Puesto", QStringLiteral("PROFESORA DE ASIGNATURA")}, {"Fecha_1", QStringLiteral("01/08/2000")},
                         {"Fecha_2", QStringLiteral("31/12/2003")}});
            return;
        }
        for (int i = 1; i <= n; ++i)
            fila("TRA", {{"Lugar", QStringLiteral("EMPRESA %1").arg(i)}, {"Puesto", QStringLiteral("PUESTO %1").arg(i)},
                         {"Fecha_1", fechaN(i, 1994)}, {"Fecha_2", fechaN(i, 2003)}});
    }
    void asociaciones(int n)
    {
        if (n == 2) {
            fila("ASO", {{"Lugar", QStringLiteral("INSTITUTO MEXICANO DE INGENIEROS QUÍMICOS")}});
            fila("ASO", {{"Lugar", QStringLiteral("AMERICAN INSTITUTE OF CHEMICAL ENGINEERS")}});
            return;
        }
        for (int i = 1; i <= n; ++i)
            fila("ASO", {{"Lugar", QStringLiteral("ASOCIACIÓN %1").arg(i)}});
    }
    void idiomas(int n)
    {
        if (n == 2) {
            idioma(QStringLiteral("INGLÉS"), "90", "95", "90");
            idioma(QStringLiteral("FRANCÉS"), "60", "80", "70");
            return;
        }
        for (int i = 1; i <= n; ++i)
            idioma(QStringLiteral("IDIOMA %1").arg(i), "50", "75", "100");
    }

private:
    void idioma(const QString &nombre, const char *e, const char *l, const char *c)
    {
        fila("IDI", {{"Titulo", nombre}, {"Escritura", QLatin1String(e)}, {"Lectura", QLatin1String(l)},
                     {"Comprension", QLatin1String(c)}});
    }
    void fila(const char *tipo, Fila campos)
    {
        int &sec = m_secuencia[QLatin1String(tipo)];
        campos.insert(campos.begin(), {{"Clave", ++m_clave}, {"Tipo", QLatin1String(tipo)}});
        campos.emplace_back("secuencia", ++sec);
        inserta("Trabajo", campos);
    }
    int m_clave = 0;
    QHash<QString, int> m_secuencia;
};

void llenaCon(bool casado, int hijos, bool maxima)
{
    Base::Transaccion t;
    general();
    personas(casado, hijos);
    domicilios();
    opciones();
    escolares(maxima ? kOtrosEstudios : 2);
    Curriculum c;
    c.becas(maxima ? kBecas : 2);
    c.reconocimientos(maxima ? kReconocimientos : 2);
    c.publicaciones(maxima ? kPublicaciones : 2);
    c.congresos(maxima ? kCongresos : 2);
    c.tesis(maxima ? kTesis : 2);
    c.laborales(maxima ? kLaborales : 2);
    c.asociaciones(maxima ? kAsociaciones : 2);
    c.idiomas(maxima ? kIdiomas : 2);
    t.confirma();
}

} // namespace

void llena(bool casado) { llenaCon(casado, 2, false); }

void llenaMaxima() { llenaCon(true, 4, true); }

} // namespace Muestra
