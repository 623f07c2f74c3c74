#include "platform/Esquema.h"
#include "platform/Fechas.h"

namespace Esquema {
namespace {

using C = Clase;

constexpr Columna kGeneral[] = {
    {"Clave", C::Entero}, {"Convocatoria", C::Entero}, {"Ingreso_Mensual", C::Entero},
    {"Fec_Correspondencia", C::Fecha}, {"Expbecaant", C::Entero}, {"Expbecacony", C::Entero},
    {"Solbecacony", C::Texto, 1}, {"EGEL", C::Entero}, {"Subdisciplina", C::Texto, 255},
    {"Grado_ini", C::Entero}, {"Grado_fin", C::Entero}, {"Area", C::Entero},
    {"Disciplina", C::Entero}, {"Curso", C::Entero},
    {"Motivos_A", C::Memo}, {"Motivos_B", C::Memo}, {"Motivos_C", C::Memo}, {"Motivos_D", C::Memo},
    {"Expediente_Sni", C::Entero}, {"FechaIni_Sni", C::Fecha}, {"FechaFin_Sni", C::Fecha},
    {"Cerrar", C::Texto, 1},
};

constexpr Columna kPersona[] = {
    {"Clave", C::Entero}, {"Nombre_1", C::Texto, 255}, {"Nombre_2", C::Texto, 255},
    {"Paterno", C::Texto, 255}, {"Materno", C::Texto, 255}, {"Sexo", C::Texto, 1},
    {"Edo_civil", C::Texto, 1}, {"Fec_nac", C::Fecha}, {"RFC", C::Texto, 13},
    {"Ciudad_nac", C::Entero}, {"Pais_nac", C::Entero}, {"Tipo", C::Texto, 3},
    {"Curp", C::Texto, 25},
};

constexpr Columna kDomicilio[] = {
    {"Clave", C::Entero}, {"Tipo", C::Texto, 3}, {"Calle", C::Texto, 255},
    {"Numero", C::Texto, 255}, {"Interior", C::Texto, 255}, {"Colonia", C::Texto, 255},
    {"Telefono", C::Texto, 20}, {"Fax", C::Texto, 20}, {"Correo", C::Texto, 255},
    {"Cp", C::Texto, 10}, {"Ciudad_Clave", C::Entero}, {"Estado_Clave", C::Entero},
    {"Pais_Clave", C::Entero}, {"Municipio_Clave", C::Entero}, {"Institucion_clave", C::Entero},
    {"Persona_clave", C::Entero},
};

constexpr Columna kBeca[] = {
    {"Clave", C::Entero}, {"Persona_Contacto", C::Texto, 255}, {"Puesto_contacto", C::Texto, 255},
    {"Nombre_prog", C::Texto, 255}, {"Carta_aceptacion", C::Texto, 1},
    {"Tiempo_prom_grado", C::Entero}, {"Fecha_ini", C::Texto, 10}, {"Fecha_fin", C::Texto, 10},
    {"Escuela", C::Entero}, {"Fec_ini_est", C::Texto, 10}, {"Fec_fin_est", C::Texto, 10},
    {"General_Clave", C::Entero}, {"Tipo", C::Texto, 3},
    {"Total_man", C::Entero}, {"Total_col", C::Entero}, {"Total_Insc", C::Entero},
    {"Frecuencia_man", C::Texto, 20}, {"Frecuencia_col", C::Texto, 20},
    {"Frecuencia_insc", C::Texto, 20}, {"Moneda_man", C::Entero}, {"Moneda_col", C::Entero},
    {"Moneda_insc", C::Entero}, {"SM", C::Texto, 1},
};

constexpr Columna kEscolar[] = {
    {"Clave", C::Entero}, {"Nombre", C::Texto, 255}, {"Tipo", C::Texto, 3},
    {"Fecha_ini", C::Fecha}, {"Fecha_fin", C::Fecha}, {"Nivel", C::Texto, 3},
    {"Promedio", C::Real}, {"Carrera", C::Texto, 255}, {"Titulado", C::Texto, 1},
    {"secuencia", C::Entero},
};

constexpr Columna kTrabajo[] = {
    {"Clave", C::Entero}, {"Tipo", C::Texto, 3}, {"Lugar", C::Texto, 255},
    {"Fecha_1", C::Fecha}, {"Fecha_2", C::Fecha}, {"Puesto", C::Texto, 255},
    {"Grado", C::Texto, 255}, {"Meses", C::Entero}, {"Autores", C::Texto, 255},
    {"Titulo", C::Texto, 255}, {"Pais", C::Texto, 255}, {"Escritura", C::Texto, 3},
    {"Lectura", C::Texto, 3}, {"Comprension", C::Texto, 3}, {"volumen", C::Texto, 20},
    {"paginas", C::Texto, 20}, {"secuencia", C::Entero},
};

constexpr Columna kAval[] = {
    {"Clave", C::Entero}, {"Cta_Predial", C::Texto, 255}, {"Lugar_Registro", C::Texto, 255},
    {"Fec_Registro", C::Fecha}, {"Folio", C::Texto, 255}, {"Empresa", C::Texto, 255},
    {"Depto", C::Texto, 255}, {"Puesto", C::Texto, 255}, {"Antiguedad", C::Texto, 255},
    {"Fec_Ingreso", C::Fecha}, {"Tiempo", C::Entero}, {"Tipo", C::Texto, 3},
    {"Nombre_A", C::Texto, 255}, {"Nombre_B", C::Texto, 255}, {"Nombre_C", C::Texto, 255},
    {"MontoMensual", C::Entero},
};

constexpr Columna kMontosQuiral[] = {
    {"Clave", C::Entero}, {"Consecutivo", C::Entero}, {"Concepto", C::Texto, 255},
    {"Monto", C::Entero}, {"Tipo", C::Texto, 1},
};

constexpr Columna kConvocatoria[] = {{"Clave", C::Entero}, {"Descripcion", C::Texto, 255}};
constexpr Columna kCatPais[] = {{"Clave", C::Entero}, {"Nombre", C::Texto, 255}};
constexpr Columna kPaisConv[] = {{"Pais_clave", C::Entero}, {"Conv_Clave", C::Entero}};
constexpr Columna kCatEstado[] = {{"Clave", C::Entero}, {"Nombre", C::Texto, 255}, {"Pais_Clave", C::Entero}};
constexpr Columna kCatCiudad[] = {{"Clave", C::Entero}, {"Nombre", C::Texto, 255}, {"Estado_Clave", C::Entero}};
constexpr Columna kCatMunicipio[] = {{"Clave", C::Entero}, {"Nombre", C::Texto, 255}, {"Estado_clave", C::Entero}};
constexpr Columna kInstitucion[] = {{"Clave", C::Entero}, {"Nombre", C::Texto, 255}, {"Pais", C::Entero}, {"Convenio", C::Entero}};
constexpr Columna kCatArea[] = {{"Clave", C::Entero}, {"Nombre", C::Texto, 255}};
constexpr Columna kCatDisc[] = {{"Clave", C::Entero}, {"Nombre", C::Texto, 255}, {"Area", C::Entero}, {"Maestria", C::Texto, 1}};
constexpr Columna kTEspec[] = {{"Disc_clave", C::Entero}, {"Nombre", C::Texto, 255}, {"Clave", C::Entero}};
constexpr Columna kCatGrado[] = {{"Clave", C::Entero}, {"Nombre", C::Texto, 255}, {"Nivel", C::Entero}};
constexpr Columna kCatCursos[] = {{"Clave", C::Entero}, {"Nombre", C::Texto, 255}, {"Convocatoria", C::Entero}};

constexpr Tabla kTablas[] = {
    {"General", "General", kGeneral, "Clave", false},
    {"Persona", "Persona", kPersona, "Clave", false},
    {"Domicilio", "Domicilio", kDomicilio, "Clave", false},
    {"Beca", "Beca", kBeca, "Clave", false},
    {"Escolar", "Escolar", kEscolar, "Clave", false},
    {"Trabajo", "Trabajo", kTrabajo, "Clave", false},
    {"Aval", "Aval", kAval, "Clave", false},
    {"MontosQuiral", "MontosQuiral", kMontosQuiral, "Clave", false},
    {"Convocatoria", "Convocatoria", kConvocatoria, "Clave", true, true},
    {"Cat_Pais", "Cat_Pais", kCatPais, "Clave", true, true},
    {"Pais_Conv", "Pais_Conv", kPaisConv, "Pais_clave,Conv_Clave", true},
    {"Cat_Estado", "Cat_Estado", kCatEstado, "Clave", true, true},
    {"Cat_Ciudad", "Cat_Ciudad", kCatCiudad, "Clave", true, true},
    {"Cat_Municipio", "cat_municipio", kCatMunicipio, "Clave", true, true},
    {"Institucion", "Institucion", kInstitucion, "Clave", true, true},
    {"Cat_Area", "Cat_Area", kCatArea, "Clave", true, true},
    {"Cat_Disc", "Cat_Disc", kCatDisc, "Clave", true, true},
    {"T_Espec", "T_Espec", kTEspec, "Clave", true, true, "T_Esp"},
    {"Cat_Grado", "Cat_Grado", kCatGrado, "Clave", true, true},
    {"Cat_Cursos", "Cat_Cursos", kCatCursos, "Clave", true, true},
};

QString restriccionFecha(const QString &c)
{
    return QStringLiteral("CHECK (%1 IS NULL OR %2)").arg(c, Fechas::condicionSql(c));
}

} // namespace

std::span<const Tabla> tablas() { return kTablas; }

const Tabla *busca(const QString &nombre)
{
    for (const Tabla &t : kTablas)
        if (nombre.compare(QLatin1String(t.nombre), Qt::CaseInsensitive) == 0)
            return &t;
    return nullptr;
}

QStringList nombresColumnas(const Tabla &t)
{
    QStringList r;
    for (const Columna &c : t.columnas)
        r << QString::fromLatin1(c.nombre);
    return r;
}

QString sentenciaCrear(const Tabla &t)
{
    QStringList partes;
    const QStringList clave = QString::fromLatin1(t.clavePrimaria).split(u',', Qt::SkipEmptyParts);
    for (const Columna &c : t.columnas) {
        const QString n = QString::fromLatin1(c.nombre);
        QString def = n;
        switch (c.clase) {
        case Clase::Entero: def += QStringLiteral(" INTEGER"); break;
        case Clase::Real: def += QStringLiteral(" REAL"); break;
        case Clase::Texto:
        case Clase::Memo: def += QStringLiteral(" TEXT"); break;
        case Clase::Fecha: def += QStringLiteral(" TEXT ") + restriccionFecha(n); break;
        }
        if (t.ordenEspanol && (n == QStringLiteral("Nombre") || n == QStringLiteral("Descripcion")))
            def += QStringLiteral(" COLLATE ") + QLatin1String(kColacion);
        if (clave.size() == 1 && clave.first() == n)
            def += QStringLiteral(" PRIMARY KEY");
        partes << def;
    }
    if (clave.size() > 1)
        partes << QStringLiteral("PRIMARY KEY (") + clave.join(u',') + u')';
    return QStringLiteral("CREATE TABLE ") + QLatin1String(t.nombre) + QStringLiteral(" (\n  ") + partes.join(QStringLiteral(",\n  ")) + QStringLiteral("\n) STRICT");
}

} // namespace Esquema
