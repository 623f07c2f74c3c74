#include "review/Revision.h"
#include "admin/Entrega.h"
#include "platform/Consulta.h"
#include "platform/Reloj.h"
#include "platform/Fechas.h"

namespace Revision {
namespace {

const QString kFormatoNacimiento = QStringLiteral(
    "El formato del año de la Fecha de Nacimiento no es de 4 digitos, Modifique el formato desde configuracion "
    "regional y vueva a capturar la fecha");
const QString kFormatoDependientes = QStringLiteral(
    "El formato del año de la Fecha de Nacimiento de los dependientes no es de 4 digitos,Cierre la aplicacion, "
    "modifique el formato de fecha corta a 4 digitos del año, desde configuracion regional y recapturare la fecha");
const QString kRecaptura = QStringLiteral(
    " no es de 4 digitos, Cierre la aplicacion, modifique el formato de fecha corta a 4 digitos del año, desde "
    "configuracion regional y recapturare la fecha");

// Dónde se captura cada columna de la solicitud: la revisión y lo que la entrega no puede
// llevar ubican con esta sola tabla el control que corrige un hallazgo. `tipos` limita la fila
// a esos Tipo (o Nivel) del renglón; vacío vale para todos.
enum class Registro { Ninguno, Tipo, Numero };
struct Captura {
    const char *tabla;
    const char *tipos;
    const char *columna;
    const char *ventana;
    const char *control;
    Registro registro;
};
constexpr const char *kEscolarGrado = "LIC MAE DOC";
constexpr const char *kPersonas = "CGE HJ1 HJ2 HJ3 HJ4 ACC AVA RE1 RE2 RE3 RE4";
constexpr Captura kCapturas[] = {
    {"Persona", "SOL", "Nombre_1", "W_Generales", "Nombre_1", Registro::Ninguno},
    {"Persona", "SOL", "Nombre_2", "W_Generales", "Nombre_2", Registro::Ninguno},
    {"Persona", "SOL", "Paterno", "W_Generales", "Paterno", Registro::Ninguno},
    {"Persona", "SOL", "Materno", "W_Generales", "Materno", Registro::Ninguno},
    {"Persona", "SOL", "Sexo", "W_Generales", "Sexo", Registro::Ninguno},
    {"Persona", "SOL", "Edo_civil", "W_Generales", "Edo_Civil", Registro::Ninguno},
    {"Persona", "SOL", "Fec_nac", "W_Generales", "Fec_Nac", Registro::Ninguno},
    {"Persona", "SOL", "RFC", "W_Generales", "E_RFC", Registro::Ninguno},
    {"Persona", "SOL", "Curp", "W_Generales", "E_Curp", Registro::Ninguno},
    {"Persona", "SOL", "Pais_nac", "W_Generales", "CB_PaisNac", Registro::Ninguno},
    {"Persona", "SOL", "Ciudad_nac", "W_Generales", "CB_PaisNac", Registro::Ninguno},
    // Cónyuge, hijos, familiar para accidentes, aval y referencias.
    {"Persona", kPersonas, "Nombre_1", "W_Dependiente", "Nombre_1", Registro::Tipo},
    {"Persona", kPersonas, "Nombre_2", "W_Dependiente", "Nombre_2", Registro::Tipo},
    {"Persona", kPersonas, "Paterno", "W_Dependiente", "Paterno", Registro::Tipo},
    {"Persona", kPersonas, "Materno", "W_Dependiente", "Materno", Registro::Tipo},
    {"Persona", kPersonas, "Sexo", "W_Dependiente", "Sexo", Registro::Tipo},
    {"Persona", kPersonas, "Fec_nac", "W_Dependiente", "Fec_nac", Registro::Tipo},
    {"Persona", "AVA", "Edo_civil", "W_Dependiente", "Edo_Civil", Registro::Tipo},
    {"Persona", "AVA", "RFC", "W_Dependiente", "RFC_Aval", Registro::Tipo},
    {"Domicilio", "", "Calle", "W_DirAct", "Calle", Registro::Tipo},
    {"Domicilio", "", "Numero", "W_DirAct", "Exterior", Registro::Tipo},
    {"Domicilio", "", "Interior", "W_DirAct", "Interior", Registro::Tipo},
    {"Domicilio", "", "Colonia", "W_DirAct", "Colonia", Registro::Tipo},
    {"Domicilio", "", "Telefono", "W_DirAct", "Telefono", Registro::Tipo},
    {"Domicilio", "", "Fax", "W_DirAct", "Fax", Registro::Tipo},
    {"Domicilio", "", "Correo", "W_DirAct", "e_mail", Registro::Tipo},
    {"Domicilio", "", "Cp", "W_DirAct", "CP", Registro::Tipo},
    {"Domicilio", "", "Estado_Clave", "W_DirAct", "CB_Estado", Registro::Tipo},
    {"Domicilio", "", "Ciudad_Clave", "W_DirAct", "CB_Ciudad", Registro::Tipo},
    {"Domicilio", "", "Municipio_Clave", "W_DirAct", "CB_Municipio", Registro::Tipo},
    {"General", "", "Convocatoria", "W_Generales", "CB_Conv", Registro::Ninguno},
    {"General", "", "Ingreso_Mensual", "W_Generales", "ME_Ingresos", Registro::Ninguno},
    {"General", "", "Expbecaant", "W_DatAcad1", "ExpBeca", Registro::Ninguno},
    {"General", "", "Expbecacony", "W_DatAcad1", "ExpCony", Registro::Ninguno},
    {"General", "", "Area", "W_DatAcad1", "CB_Area", Registro::Ninguno},
    {"General", "", "Disciplina", "W_DatAcad1", "CB_Disc", Registro::Ninguno},
    {"General", "", "Subdisciplina", "W_DatAcad1", "SubDisciplina", Registro::Ninguno},
    {"General", "", "Curso", "W_DatAcad1", "CB_Cursos", Registro::Ninguno},
    {"General", "", "Grado_ini", "W_DatAcad1", "CB_GdoIni", Registro::Ninguno},
    {"General", "", "Grado_fin", "W_DatAcad1", "CB_GdoFin", Registro::Ninguno},
    {"General", "", "Motivos_A", "W_DatAcad4", "DB_MotivosA", Registro::Ninguno},
    {"General", "", "Motivos_B", "W_DatAcad4", "DB_MotivosB", Registro::Ninguno},
    {"General", "", "Motivos_C", "W_DatAcad4", "DB_MotivosC", Registro::Ninguno},
    {"General", "", "Expediente_Sni", "W_Vitae3", "ExpSni", Registro::Ninguno},
    {"General", "", "FechaIni_Sni", "W_Vitae3", "Fecini_sni", Registro::Ninguno},
    {"General", "", "FechaFin_Sni", "W_Vitae3", "fecfin_sni", Registro::Ninguno},
    // Opciones de institución: el registro es el número de opción.
    {"Beca", "", "Escuela", "W_DatAcad2", "CB_Institucion", Registro::Numero},
    {"Beca", "", "Nombre_prog", "W_DatAcad2", "Programa", Registro::Numero},
    {"Beca", "", "Persona_Contacto", "W_DatAcad2", "Nom_contacto", Registro::Numero},
    {"Beca", "", "Puesto_contacto", "W_DatAcad2", "Puesto_Contacto", Registro::Numero},
    {"Beca", "", "Tiempo_prom_grado", "W_DatAcad2", "Meses", Registro::Numero},
    {"Beca", "", "Fecha_ini", "W_DatAcad2", "Fec_IniBeca", Registro::Numero},
    {"Beca", "", "Fecha_fin", "W_DatAcad2", "Fec_FinBeca", Registro::Numero},
    {"Beca", "", "Fec_ini_est", "W_DatAcad2", "Fec_IniEst", Registro::Numero},
    {"Beca", "", "Fec_fin_est", "W_DatAcad2", "Fec_FinEst", Registro::Numero},
    // Antecedentes escolares: un registro por grado; otros estudios, una lista.
    {"Escolar", kEscolarGrado, "Nombre", "W_Vitae1", "Institucion", Registro::Tipo},
    {"Escolar", kEscolarGrado, "Tipo", "W_Vitae1", "Tipo", Registro::Tipo},
    {"Escolar", kEscolarGrado, "Fecha_ini", "W_Vitae1", "AnioIni", Registro::Tipo},
    {"Escolar", kEscolarGrado, "Fecha_fin", "W_Vitae1", "AnioFin", Registro::Tipo},
    {"Escolar", kEscolarGrado, "Carrera", "W_Vitae1", "Carrera", Registro::Tipo},
    {"Escolar", kEscolarGrado, "Promedio", "W_Vitae1", "Promedio", Registro::Tipo},
    {"Escolar", "OTR", "Nombre", "W_Vitae3", "Institucion", Registro::Numero},
    {"Escolar", "OTR", "Tipo", "W_Vitae3", "Tipo", Registro::Numero},
    {"Escolar", "OTR", "Fecha_ini", "W_Vitae3", "AnioIni", Registro::Numero},
    {"Escolar", "OTR", "Fecha_fin", "W_Vitae3", "AnioFin", Registro::Numero},
    {"Escolar", "OTR", "Carrera", "W_Vitae3", "Carrera", Registro::Numero},
    {"Escolar", "OTR", "Promedio", "W_Vitae3", "Promedio", Registro::Numero},
    // Listas curriculares: el registro es su número en la lista.
    {"Trabajo", "BEC", "Lugar", "W_Vitae1", "InstBeca", Registro::Numero},
    {"Trabajo", "BEC", "Meses", "W_Vitae1", "meses", Registro::Numero},
    {"Trabajo", "BEC", "Grado", "W_Vitae1", "GdoBeca", Registro::Numero},
    {"Trabajo", "REC", "Lugar", "W_Vitae1", "InstRec", Registro::Numero},
    {"Trabajo", "REC", "Grado", "W_Vitae1", "GdoRec", Registro::Numero},
    {"Trabajo", "REC", "Fecha_1", "W_Vitae1", "Fec_rec", Registro::Numero},
    {"Trabajo", "PUB", "Grado", "W_Vitae2", "CB_TipoPub", Registro::Numero},
    {"Trabajo", "PUB", "Autores", "W_Vitae2", "Autor", Registro::Numero},
    {"Trabajo", "PUB", "Titulo", "W_Vitae2", "TituloPub", Registro::Numero},
    {"Trabajo", "PUB", "Pais", "W_Vitae2", "PaisPub", Registro::Numero},
    {"Trabajo", "PUB", "Lugar", "W_Vitae2", "Editorial", Registro::Numero},
    {"Trabajo", "PUB", "Fecha_1", "W_Vitae2", "FechaPub", Registro::Numero},
    {"Trabajo", "CON", "Titulo", "W_Vitae2", "Trabajo", Registro::Numero},
    {"Trabajo", "CON", "Lugar", "W_Vitae2", "Lugar", Registro::Numero},
    {"Trabajo", "CON", "Fecha_1", "W_Vitae2", "FechaCong", Registro::Numero},
    {"Trabajo", "TES", "Titulo", "W_Vitae2", "Titulo", Registro::Numero},
    {"Trabajo", "TES", "Grado", "W_Vitae2", "Nivel", Registro::Numero},
    {"Trabajo", "TES", "Fecha_1", "W_Vitae2", "FechaTes", Registro::Numero},
    {"Trabajo", "TRA", "Lugar", "W_Vitae3", "Instlaboral", Registro::Numero},
    {"Trabajo", "TRA", "Puesto", "W_Vitae3", "Puestolaboral", Registro::Numero},
    {"Trabajo", "TRA", "Fecha_1", "W_Vitae3", "FecLab_Ini", Registro::Numero},
    {"Trabajo", "TRA", "Fecha_2", "W_Vitae3", "FecLab_Fin", Registro::Numero},
    {"Trabajo", "ASO", "Lugar", "W_Vitae3", "NomAsociasion", Registro::Numero},
    {"Trabajo", "IDI", "Titulo", "W_Vitae3", "NomIdioma", Registro::Numero},
    {"Trabajo", "IDI", "Escritura", "W_Vitae3", "Escritura", Registro::Numero},
    {"Trabajo", "IDI", "Lectura", "W_Vitae3", "Lectura", Registro::Numero},
    {"Trabajo", "IDI", "Comprension", "W_Vitae3", "Comprension", Registro::Numero},
};

bool vacio(const Campo &c) { return c.texto().isEmpty(); }

class Revisor {
public:
    explicit Revisor(const std::function<void(int)> &progreso) : m_progreso(progreso) {}

    Resultado corre()
    {
        m_r.lineas = {QStringLiteral(" ")};
        m_r.lugares = {Lugar{}};
        m_r.sinInconsistencias = true;
        avance(20);
        Solicitante();
        DomParticular();
        avance(40);
        MuestraGral();
        Dependientes();
        avance(60);
        FamAcc();
        DomAcc();
        avance(70);
        Opciones();
        AntEscolares();
        Trabajos();
        // Lo que la entrega rechazaría también impide entregar.
        for (const Hallazgo &h : noEntregables(Entrega::convocatoria()))
            hallazgo(h.texto, h.lugar);
        avance(100);
        m_r.lineas[0] = m_r.sinInconsistencias ? QStringLiteral("No hay Inconsistencias")
                                               : QStringLiteral("Reporte de Inconsistencias");
        return m_r;
    }

private:
    void avance(int v)
    {
        if (m_progreso)
            m_progreso(v);
    }
    void renglon(const QString &t, const Lugar &l)
    {
        m_r.lineas << t;
        m_r.lugares << l;
    }
    void hallazgo(const QString &t, const Lugar &l)
    {
        renglon(t, l);
        m_r.sinInconsistencias = false;
        ++m_r.hallazgos;
    }
    void advertencia(const QString &t, const Lugar &l) { renglon(t, l); }

    // Fecha guardada que no convierte: un hallazgo que nombra el campo, en lugar de
    // interrumpir la revisión.
    // El lugar se busca sólo si hay hallazgo: el número de un registro en su lista es una consulta.
    std::optional<QDate> fecha(const QString &texto, const std::function<Lugar()> &l, const QString &campo,
                               const QString &cola = {})
    {
        const QDate f = Fechas::lee(texto);
        if (f.isValid())
            return f;
        if (Fechas::vacia(texto))
            hallazgo(QStringLiteral("Falta la ") + campo + cola, l());
        else
            hallazgo(QStringLiteral("La ") + campo + QStringLiteral(" no es una fecha válida") + cola, l());
        return std::nullopt;
    }

    // Un domicilio pasa con calle y con estado y ciudad que no son 0; un estado o una ciudad
    // nulos se leen como texto vacío y pasan.
    // Devuelve la columna que falta (la primera en el orden de captura), o nada si pasa.
    static QString faltaEnDomicilio(const Consulta &q)
    {
        auto elegido = [&q](const char *c) { return q.campo(QLatin1String(c)).texto() != u"0"; };
        if (vacio(q.campo(QStringLiteral("Calle"))))
            return QStringLiteral("Calle");
        if (!elegido("Estado_Clave"))
            return QStringLiteral("Estado_Clave");
        if (!elegido("Ciudad_Clave"))
            return QStringLiteral("Ciudad_Clave");
        return {};
    }
    static Lugar solicitante(const char *columna) { return lugarDeColumna(QStringLiteral("Persona"), QLatin1String(columna), QStringLiteral("SOL"), {}); }
    static Lugar general(const char *columna) { return lugarDeColumna(QStringLiteral("General"), QLatin1String(columna), {}, {}); }

    void Solicitante()
    {
        // Sólo el renglón SOL es el solicitante; sin él, todos sus campos se leen vacíos.
        Consulta q;
        q.abre(QStringLiteral("Select Nombre_1,Paterno,Sexo,Edo_civil,Fec_nac,Ciudad_nac,Tipo From Persona "
                              "Where Tipo='SOL' Order by Clave"));
        const QString nombre = q.campo(QStringLiteral("Nombre_1")).texto();
        const QString paterno = q.campo(QStringLiteral("Paterno")).texto();
        const QString nacimiento = q.campo(QStringLiteral("Fec_nac")).texto();
        m_edoCivil = q.campo(QStringLiteral("Edo_civil")).texto();

        if (nombre.isEmpty() || paterno.isEmpty())
            hallazgo(QStringLiteral("No se Indicó bien el Nombre del Solicitante"),
                     solicitante(nombre.isEmpty() ? "Nombre_1" : "Paterno"));
        if (nacimiento.isEmpty()) {
            hallazgo(QStringLiteral("No especificó su Fecha de Nacimiento"), solicitante("Fec_nac"));
        } else if (vacio(q.campo(QStringLiteral("Sexo")))) {
            hallazgo(QStringLiteral("No especificó su Sexo"), solicitante("Sexo"));
        } else if (const auto f = fecha(nacimiento, [] { return solicitante("Fec_nac"); }, QStringLiteral("Fecha de Nacimiento"))) {
            // Nadie nace después de hoy: una fecha así es un error de captura.
            if (*f > Reloj::hoy())
                hallazgo(QStringLiteral("La Fecha de Nacimiento es Inválida"), solicitante("Fec_nac"));
        }
        if (nacimiento.size() != 10) {
            hallazgo(kFormatoNacimiento, solicitante("Fec_nac"));
            hallazgo(QStringLiteral("El formato de la Fecha de Nacimiento es Inválida"), solicitante("Fec_nac"));
        }
        if (q.campo(QStringLiteral("Ciudad_nac")).texto() == u"0")
            hallazgo(QStringLiteral("Falta Lugar de Nacimiento (país, estado o ciudad)"), solicitante("Ciudad_nac"));
    }

    void DomParticular()
    {
        Consulta q;
        q.abre(QStringLiteral("select calle,numero,cp,ciudad_clave,estado_clave,pais_clave,institucion_clave,tipo "
                              "from domicilio where Tipo='ACT' Order by Clave"));
        const QString falta = faltaEnDomicilio(q);
        if (!falta.isEmpty())
            hallazgo(QStringLiteral("Faltaron Datos en su Domicilio Particular"),
                     lugarDeColumna(QStringLiteral("Domicilio"), falta, QStringLiteral("ACT"), {}));
    }

    void MuestraGral()
    {
        Consulta q;
        q.abre(QStringLiteral("Select Subdisciplina,motivos_a,motivos_b,motivos_c,motivos_d,convocatoria,grado_ini, "
                              "grado_fin,disciplina,area,curso from General Order by Clave"));
        if (vacio(q.campo(QStringLiteral("Convocatoria"))))
            hallazgo(QStringLiteral("No especificó la convocatoria en la que concursa"), general("Convocatoria"));
        if (vacio(q.campo(QStringLiteral("Motivos_A"))))
            hallazgo(QStringLiteral("Debe Indicar las razones por las que quiere hacer un postgrado en el área y "
                                    "especialidad que indica."),
                     general("Motivos_A"));
        if (vacio(q.campo(QStringLiteral("Motivos_B"))))
            hallazgo(QStringLiteral("Debe Indicar las razones por las que seleccionó las instituciones indicadas "
                                    "para realizar sus estudios."),
                     general("Motivos_B"));
        if (vacio(q.campo(QStringLiteral("Motivos_C"))))
            hallazgo(QStringLiteral("Debe Indicar sus planes de trabajo después de terminar sus estudios."),
                     general("Motivos_C"));
        const Campo ini = q.campo(QStringLiteral("grado_ini"));
        const Campo fin = q.campo(QStringLiteral("grado_fin"));
        if (vacio(ini))
            hallazgo(QStringLiteral("Falta Grado Pretendido de Estudios"), general("Grado_ini"));
        if (!vacio(ini) && !vacio(fin)) {
            Consulta g;
            const QString sql = QStringLiteral("select nivel from cat_grado where clave = :Grado");
            g.abre(sql, {{QStringLiteral("Grado"), ini.entero()}});
            const qint64 nivelIni = g.campo(QStringLiteral("Nivel")).entero();
            g.abre(sql, {{QStringLiteral("Grado"), fin.entero()}});
            const qint64 nivelFin = g.campo(QStringLiteral("Nivel")).entero();
            if (nivelFin < nivelIni)
                hallazgo(QStringLiteral("El grado final Pretendido de Posgrado no puede ser menor al Inicial"),
                         general("Grado_fin"));
        }
    }

    void Dependientes()
    {
        Consulta q;
        q.abre(QStringLiteral("Select Tipo,Fec_nac,Nombre_1,Paterno,Sexo From Persona "
                              "Where Tipo not in ('ACC','SOL') Order by Clave"));
        for (q.primero(); !q.fin(); q.siguiente()) {
            const QString tipo = q.campo(QStringLiteral("Tipo")).texto();
            const QString nacimiento = q.campo(QStringLiteral("Fec_nac")).texto();
            const bool conNombre = !vacio(q.campo(QStringLiteral("Nombre_1")));
            const QString sexo = q.campo(QStringLiteral("Sexo")).texto();
            auto persona = [&tipo](const char *columna) {
                return lugarDeColumna(QStringLiteral("Persona"), QLatin1String(columna), tipo, {});
            };
            if (!nacimiento.isEmpty() && nacimiento.size() != 10)
                hallazgo(kFormatoDependientes, persona("Fec_nac"));
            if (conNombre && sexo != u"F" && sexo != u"M")
                hallazgo(QStringLiteral("El Campo de Sexo para Dependientes sólo puede ser F o M"), persona("Sexo"));
            // Sin renglón de cónyuge no hay contradicción: el casado cuyo cónyuge no viaja lo
            // borra de sus dependientes.
            if (tipo == u"CGE") {
                if (m_edoCivil == u"S" && conNombre)
                    hallazgo(QStringLiteral("No puede tener Estado Civil de Soltero y tener Cónyuge"), solicitante("Edo_civil"));
                if (m_edoCivil != u"S" && !conNombre)
                    hallazgo(QStringLiteral("No puede tener Estado Civil de Casado y no tener Cónyuge"), persona("Nombre_1"));
            }
        }
    }

    void FamAcc()
    {
        Consulta q;
        q.abre(QStringLiteral("Select Nombre_1,Paterno From Persona Where Tipo='ACC' Order by Clave"));
        for (q.primero(); !q.fin(); q.siguiente())
            if (vacio(q.campo(QStringLiteral("Nombre_1"))) && vacio(q.campo(QStringLiteral("Paterno"))))
                hallazgo(QStringLiteral("Falta capturar datos del familiar en caso de Accidente"),
                         lugarDeColumna(QStringLiteral("Persona"), QStringLiteral("Nombre_1"), QStringLiteral("ACC"), {}));
    }

    void DomAcc()
    {
        Consulta q;
        q.abre(QStringLiteral("select calle,ciudad_clave,estado_clave from domicilio where Tipo='ACC' Order by Clave"));
        for (q.primero(); !q.fin(); q.siguiente()) {
            const QString falta = faltaEnDomicilio(q);
            if (!falta.isEmpty())
                hallazgo(QStringLiteral("Faltaron Datos en el Domicilio del Familiar a Avisar en caso de Accidente"),
                         lugarDeColumna(QStringLiteral("Domicilio"), falta, QStringLiteral("ACC"), {}));
        }
    }

    void Checa_Direccion(const QString &tipo)
    {
        Consulta q;
        q.abre(QStringLiteral("Select Tipo From Domicilio Where Tipo= :Tipo"), {{QStringLiteral("Tipo"), tipo}});
        if (q.vacia())
            advertencia(QStringLiteral("Faltaron Datos en el Domicilio de la Opcion academica elegida por lo que no "
                                       "saldra en la impresion"),
                        lugarDeColumna(QStringLiteral("Domicilio"), QStringLiteral("Calle"), tipo, {}));
    }

    void Opciones()
    {
        Consulta q;
        q.abre(QStringLiteral("Select clave,nombre_prog,tiempo_prom_grado,fecha_ini,fecha_fin,escuela,fec_ini_est,"
                              "fec_fin_est,Tipo From Beca Order by Clave"));
        if (q.vacia())
            hallazgo(QStringLiteral("No capturo ninguna opcion"),
                     lugarDeColumna(QStringLiteral("Beca"), QStringLiteral("Escuela"), {}, QStringLiteral("1")));
        for (q.primero(); !q.fin(); q.siguiente()) {
            const QString clave = q.campo(QStringLiteral("Clave")).texto();
            const QString opcion = QStringLiteral(" (opción ") + clave + u')';
            auto beca = [&clave](const char *columna) {
                return lugarDeColumna(QStringLiteral("Beca"), QLatin1String(columna), {}, clave);
            };
            Checa_Direccion(q.campo(QStringLiteral("Tipo")).texto());
            const QString escuela = q.campo(QStringLiteral("Escuela")).texto();
            if (escuela.isEmpty() || escuela == u"0")
                hallazgo(QStringLiteral("No se Encuentra Nombre de la Institución") + opcion, beca("Escuela"));
            if (vacio(q.campo(QStringLiteral("Nombre_prog"))))
                hallazgo(QStringLiteral("No se Encuentra Nombre Oficial del Programa de Estudios") + opcion, beca("Nombre_prog"));

            const QString iniBeca = q.campo(QStringLiteral("Fecha_ini")).texto();
            const QString finBeca = q.campo(QStringLiteral("Fecha_fin")).texto();
            const QString iniEst = q.campo(QStringLiteral("Fec_ini_est")).texto();
            const QString finEst = q.campo(QStringLiteral("Fec_fin_est")).texto();
            const auto a = fecha(iniBeca, [&] { return beca("Fecha_ini"); }, QStringLiteral("Fecha de inicio de la beca"), opcion);
            const auto b = fecha(finBeca, [&] { return beca("Fecha_fin"); }, QStringLiteral("Fecha de término de la beca"), opcion);
            if (a && b && *a >= *b)
                hallazgo(QStringLiteral("La Fecha de Término de Beca debe ser mayor a la de Inicio") + opcion, beca("Fecha_fin"));
            const auto c = fecha(iniEst, [&] { return beca("Fec_ini_est"); }, QStringLiteral("Fecha de inicio de estudios"), opcion);
            const auto d = fecha(finEst, [&] { return beca("Fec_fin_est"); }, QStringLiteral("Fecha de término de estudios"), opcion);
            if (c && d && *c >= *d)
                hallazgo(QStringLiteral("La Fecha de Término de Estudios debe ser mayor a la de Inicio") + opcion,
                         beca("Fec_fin_est"));

            if (iniBeca.size() != 10)
                hallazgo(QStringLiteral("El formato del año de la Fecha de inicio de la beca") + kRecaptura, beca("Fecha_ini"));
            if (finBeca.size() != 10)
                hallazgo(QStringLiteral("El formato del año de la Fecha de termino de la beca") + kRecaptura, beca("Fecha_fin"));
            if (iniEst.size() != 10)
                hallazgo(QStringLiteral("El formato del año de la Fecha de inicio de estudios") + kRecaptura, beca("Fec_ini_est"));
            if (finEst.size() != 10)
                hallazgo(QStringLiteral("El formato del año de la Fecha de termino de estudios") + kRecaptura, beca("Fec_fin_est"));
        }
    }

    void AntEscolares()
    {
        Consulta q;
        q.abre(QStringLiteral("Select nombre,tipo,fecha_ini,fecha_fin,nivel,promedio,carrera,titulado,secuencia,Clave "
                              "from escolar Order by Clave"));
        bool hayLicenciatura = false;
        for (q.primero(); !q.fin(); q.siguiente()) {
            const QString nombre = q.campo(QStringLiteral("Nombre")).texto();
            const QString nivel = q.campo(QStringLiteral("Nivel")).texto();
            const QString tipo = q.campo(QStringLiteral("Tipo")).texto();
            const QString x = identificaEscolar(nivel, nombre, int(q.campo(QStringLiteral("secuencia")).entero()));
            if (nivel == u"LIC")
                hayLicenciatura = true;
            auto escolar = [&](const char *columna) {
                return lugarDeColumna(QStringLiteral("Escolar"), QLatin1String(columna), nivel, numeroEscolar(q));
            };

            // El año debe tener cuatro dígitos: la fecha guardada completa mide 10 caracteres.
            const QString ini = q.campo(QStringLiteral("fecha_ini")).texto();
            const QString fin = q.campo(QStringLiteral("fecha_fin")).texto();
            if (ini.size() != 10 && !nombre.isEmpty())
                advertencia(QStringLiteral("La longitud del año de inicio de ") + x + QStringLiteral(" debe ser de 4 dígitos"),
                            escolar("Fecha_ini"));
            if (fin.size() != 10 && !nombre.isEmpty())
                advertencia(QStringLiteral("La longitud del año de término de ") + x + QStringLiteral(" debe ser de 4 dígitos"),
                            escolar("Fecha_fin"));
            const auto a = fecha(ini, [&] { return escolar("Fecha_ini"); }, QStringLiteral("fecha de inicio de ") + x);
            const auto b = fecha(fin, [&] { return escolar("Fecha_fin"); }, QStringLiteral("fecha de término de ") + x);
            if (a && b && *b < *a && !nombre.isEmpty())
                hallazgo(QStringLiteral("Error en las fechas de duracion en datos escolares ") + x, escolar("Fecha_fin"));

            if (nombre.isEmpty())
                hallazgo(QStringLiteral("El Nombre de la Institucion en ") + x, escolar("Nombre"));
            if (tipo.isEmpty())
                hallazgo(QStringLiteral("Falta el tipo (Publica / Privada en ") + x, escolar("Tipo"));
            if (vacio(q.campo(QStringLiteral("Carrera"))))
                hallazgo(QStringLiteral("Falta el nombre de la carrera en ") + x, escolar("Carrera"));
            if (!nombre.isEmpty() && tipo != u"PUB" && tipo != u"PRV")
                hallazgo(QStringLiteral("El Tipo de Escuela en que estudió debe ser PUB o PRV "), escolar("Tipo"));
        }
        if (!hayLicenciatura)
            hallazgo(QStringLiteral("Falta capturar la licenciatura en antecedentes escolares "),
                     lugarDeColumna(QStringLiteral("Escolar"), QStringLiteral("Nombre"), QStringLiteral("LIC"), {}));

        // El promedio se revisa una vez, en el último renglón que no sea de otros estudios,
        // y sólo si hasta aquí no hay nada bloqueante.
        for (int i = q.cuenta() - 1; i >= 0; --i) {
            q.mueveA(i);
            const QString nivel = q.campo(QStringLiteral("Nivel")).texto();
            if (nivel != u"OTR") {
                if (m_r.sinInconsistencias &&
                    !Valida_Promedio(nivel, q.campo(QStringLiteral("Promedio")).texto(),
                                     lugarDeColumna(QStringLiteral("Escolar"), QStringLiteral("Promedio"), nivel, numeroEscolar(q)))) {
                    m_r.sinInconsistencias = false;
                    ++m_r.hallazgos;
                }
                break;
            }
        }
    }

    static QString numeroEscolar(const Consulta &q)
    {
        return numeroEnLista(QStringLiteral("Escolar"), QStringLiteral("Nivel"), q.campo(QStringLiteral("Nivel")).valor(),
                             q.campo(QStringLiteral("secuencia")).valor(), q.campo(QStringLiteral("Clave")).valor());
    }

    bool Valida_Promedio(const QString &nivel, const QString &texto, const Lugar &l)
    {
        bool ok = false;
        double x = texto.trimmed().toDouble(&ok);
        if (!ok)
            x = 0;
        if (x >= 80 || (x >= 8 && x <= 10))
            return true;
        if (x < 8)
            renglon(QStringLiteral("El promedio no puede ser menor a 8.0 en  ") + nivel, l);
        else
            renglon(QStringLiteral("El promedio no puede ser menor a 8.0 en ") + nivel, l);
        return false;
    }

    static bool porcentajeValido(const QString &texto)
    {
        bool ok = false;
        const double v = texto.trimmed().toDouble(&ok);
        return ok && v > 0 && v <= 100;
    }

    void Trabajos()
    {
        Consulta q;
        q.abre(QStringLiteral("select tipo,meses,escritura,lectura,comprension,secuencia,Clave from trabajo Order by Clave"));
        for (q.primero(); !q.fin(); q.siguiente()) {
            const QString tipo = q.campo(QStringLiteral("Tipo")).texto();
            auto trabajo = [&](const char *columna) {
                return lugarDeColumna(QStringLiteral("Trabajo"), QLatin1String(columna), tipo,
                                      numeroEnLista(QStringLiteral("Trabajo"), QStringLiteral("Tipo"), tipo,
                                                    q.campo(QStringLiteral("secuencia")).valor(), q.campo(QStringLiteral("Clave")).valor()));
            };
            if (tipo == u"BEC") {
                if (vacio(q.campo(QStringLiteral("Meses"))) || q.campo(QStringLiteral("Meses")).flotante() <= 0)
                    hallazgo(QStringLiteral("El Campo Meses para Becas Recibidas debe ser positivo "), trabajo("Meses"));
            } else if (tipo == u"IDI") {
                if (!porcentajeValido(q.campo(QStringLiteral("Escritura")).texto()))
                    hallazgo(QStringLiteral("Su Conocimiento de Idiomas en Escritura debe ser mayor a 0% y menor o igual a 100% "),
                             trabajo("Escritura"));
                if (!porcentajeValido(q.campo(QStringLiteral("Lectura")).texto()))
                    hallazgo(QStringLiteral("Su Conocimiento de Idiomas en Lectura debe ser mayor a 0% y menor o igual a 100% "),
                             trabajo("Lectura"));
                if (!porcentajeValido(q.campo(QStringLiteral("Comprension")).texto()))
                    hallazgo(QStringLiteral("Su Conocimiento de Idiomas en Comprensión debe ser mayor a 0% y menor o igual a 100% "),
                             trabajo("Comprension"));
            }
        }
    }

    const std::function<void(int)> &m_progreso;
    Resultado m_r;
    QString m_edoCivil;
};

} // namespace

QString identificaEscolar(const QString &nivel, const QString &nombre, int secuencia)
{
    QString x;
    if (nivel == u"LIC")
        x = QStringLiteral("Licenciatura");
    else if (nivel == u"MAE")
        x = QStringLiteral("Maestría");
    else if (nivel == u"DOC")
        x = QStringLiteral("Doctorado");
    else if (nivel == u"OTR")
        x = QStringLiteral("Otros estudios %1").arg(secuencia);
    else if (nivel.isEmpty())
        x = QStringLiteral("nivel sin indicar");
    else
        x = nivel;
    if (!nombre.isEmpty())
        x += QStringLiteral(" (") + nombre + u')';
    return x;
}

Resultado revisa(const std::function<void(int)> &progreso) { return Revisor(progreso).corre(); }

Lugar lugarDeColumna(const QString &tabla, const QString &columna, const QString &tipo, const QString &numero)
{
    for (const Captura &c : kCapturas) {
        if (tabla.compare(QLatin1String(c.tabla), Qt::CaseInsensitive) != 0 ||
            columna.compare(QLatin1String(c.columna), Qt::CaseInsensitive) != 0)
            continue;
        const QLatin1String tipos(c.tipos);
        if (!tipos.isEmpty() && !QString(tipos).split(u' ').contains(tipo))
            continue;
        Lugar l{QLatin1String(c.ventana), QLatin1String(c.control), {}};
        if (c.registro == Registro::Tipo)
            l.registro = tipo;
        else if (c.registro == Registro::Numero)
            l.registro = numero;
        return l;
    }
    return {};
}

QString numeroEnLista(const QString &tabla, const QString &columnaTipo, const QVariant &tipo, const QVariant &secuencia,
                      const QVariant &clave)
{
    Consulta n;
    n.abre(QStringLiteral("Select count(*) From %1 Where %2=:tipo And (secuencia<:sec Or (secuencia=:sec And Clave<=:clave))")
               .arg(tabla, columnaTipo),
           {{QStringLiteral("tipo"), tipo}, {QStringLiteral("sec"), secuencia}, {QStringLiteral("clave"), clave}});
    return n.campo(0).texto();
}

QStringList conLugares(const Resultado &r)
{
    QStringList salida;
    for (qsizetype i = 0; i < r.lineas.size(); ++i) {
        const Lugar l = r.lugares.value(i);
        salida << (i == 0 ? r.lineas[i] : QStringList{r.lineas[i], l.ventana, l.control, l.registro}.join(u'\t'));
    }
    return salida;
}

} // namespace Revision
