#include "shell/U_Mod.h"

#include <QHash>
#include <QStringList>

namespace {
TW_DM *g_dm = nullptr;

QString lineas(std::initializer_list<const char *> l)
{
    QStringList r;
    for (const char *s : l)
        r << QString::fromUtf8(s);
    return r.join(u'\n');
}

const QHash<QString, QString> &sentencias()
{
    static const QHash<QString, QString> s = {
        {QStringLiteral("Q_Conv"), lineas({"Select Clave,Descripcion", "From Convocatoria ", "Order by Descripcion"})},
        {QStringLiteral("Q_Pais"), lineas({"Select Clave,Nombre", "From Cat_Pais", "Order By Nombre"})},
        {QStringLiteral("Q_Estado"), lineas({"Select Clave Edo,Nombre", "From Cat_Estado", "Where Pais_Clave=:Pais", "Order By Nombre"})},
        {QStringLiteral("Q_Ciudad"), lineas({"Select Clave,Nombre", "From Cat_Ciudad", "Where Estado_Clave=:Edo", "Order By Nombre"})},
        {QStringLiteral("Q_Municipio"), lineas({"Select Clave,Nombre", "From Cat_Municipio", "Where Estado_clave=:Edo", "Order by Nombre"})},
        {QStringLiteral("Q_Area"), lineas({"Select Clave,Nombre", "From Cat_Area ", "Order by Nombre"})},
        {QStringLiteral("Q_Disc"), lineas({"Select Clave,Nombre,Area,Maestria", "From Cat_Disc", "Where Area=:p_Area", "Order by Nombre"})},
        {QStringLiteral("Q_AreaCredito"), lineas({"Select Clave,Nombre", "From Cat_Area ", "Where clave=7"})},
        {QStringLiteral("Q_DiscCredito"), lineas({"Select Clave,Nombre,Area,maestria", "From Cat_Disc", "Where Clave in (170,172)", "Order by Nombre"})},
        {QStringLiteral("Q_GdoIni"), lineas({"Select Clave,Nombre,Nivel", "From Cat_Grado", "Order By Nombre"})},
        {QStringLiteral("Q_GdoFin"), lineas({"Select Clave,Nombre,Nivel", "From Cat_Grado", "Order By Nombre"})},
        {QStringLiteral("Q_Curso"), lineas({"Select Clave,Nombre", "From Cat_Cursos", "where convocatoria=:p_Conv", "order by nombre"})},
        {QStringLiteral("Q_Institucion"), lineas({"Select Clave,Nombre", "From Institucion", "Where Pais=:p_Pais", "Order By Nombre"})},
        {QStringLiteral("Q_Especialidad"), lineas({"Select * from T_Espec ", "where Disc_clave=:Discip", "Order by nombre"})},
        {QStringLiteral("Q_Persona"), lineas({"Select Nombre_1,Nombre_2,Paterno,Materno,Sexo,RFC,Curp,",
                                              "           Edo_civil,Fec_nac,Ciudad_nac", "From Persona ", "Where Tipo='SOL'"})},
        {QStringLiteral("Q_Aux"), QString()},
    };
    return s;
}
} // namespace

QString TW_DM::sentenciaOriginal(const QString &consulta) { return sentencias().value(consulta); }

TW_DM::TW_DM(QObject *parent) : QObject(parent)
{
    setObjectName(QStringLiteral("W_DM"));
    const auto &s = sentencias();
    Q_Conv.ponSql(s[QStringLiteral("Q_Conv")]);
    Q_Pais.ponSql(s[QStringLiteral("Q_Pais")]);
    Q_Estado.ponSql(s[QStringLiteral("Q_Estado")]);
    Q_Ciudad.ponSql(s[QStringLiteral("Q_Ciudad")]);
    Q_Municipio.ponSql(s[QStringLiteral("Q_Municipio")]);
    Q_Area.ponSql(s[QStringLiteral("Q_Area")]);
    Q_Disc.ponSql(s[QStringLiteral("Q_Disc")]);
    Q_AreaCredito.ponSql(s[QStringLiteral("Q_AreaCredito")]);
    Q_DiscCredito.ponSql(s[QStringLiteral("Q_DiscCredito")]);
    Q_GdoIni.ponSql(s[QStringLiteral("Q_GdoIni")]);
    Q_GdoFin.ponSql(s[QStringLiteral("Q_GdoFin")]);
    Q_Curso.ponSql(s[QStringLiteral("Q_Curso")]);
    Q_Institucion.ponSql(s[QStringLiteral("Q_Institucion")]);
    Q_Especialidad.ponSql(s[QStringLiteral("Q_Especialidad")]);
    Q_Persona.ponSql(s[QStringLiteral("Q_Persona")]);
    g_dm = this;
}

TW_DM::~TW_DM()
{
    if (g_dm == this)
        g_dm = nullptr;
}

TW_DM *W_DM() { return g_dm; }
