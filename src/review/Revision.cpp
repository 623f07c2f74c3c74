#include "review/Revision.h"
#include "admin/Entrega.h"
#include "platform/Consulta.h"
#include "platform/Regional.h"
#include "platform/Reloj.h"
#include "shell/Comunes.h"

namespace Revision {
namespace {

// Edad mínima creíble de quien solicita un posgrado, en años cumplidos a la fecha de hoy.
constexpr int kEdadMinima = 15;

const QString kFormatoNacimiento = QStringLiteral(
    "El formato del año de la Fecha de Nacimiento no es de 4 digitos, Modifique el formato desde configuracion "
    "regional y vueva a capturar la fecha");
const QString kFormatoDependientes = QStringLiteral(
    "El formato del año de la Fecha de Nacimiento de los dependientes no es de 4 digitos,Cierre la aplicacion, "
    "modifique el formato de fecha corta a 4 digitos del año, desde configuracion regional y recapturare la fecha");
const QString kRecaptura = QStringLiteral(
    " no es de 4 digitos, Cierre la aplicacion, modifique el formato de fecha corta a 4 digitos del año, desde "
    "configuracion regional y recapturare la fecha");

bool vacio(const Campo &c) { return c.texto().isEmpty(); }

// Lee los dígitos de `texto` desde `pos`; false si no son todos dígitos.
bool digitos(const QString &texto, qsizetype pos, int n, int &valor)
{
    if (pos + n > texto.size())
        return false;
    valor = 0;
    for (int i = 0; i < n; ++i) {
        const QChar c = texto.at(pos + i);
        if (c < u'0' || c > u'9')
            return false;
        valor = valor * 10 + (c.unicode() - u'0');
    }
    return true;
}

// Años cumplidos entre dos fechas, separadas en año, mes y día.
int anosCumplidos(const QDate &desde, const QDate &hasta)
{
    int anos = hasta.year() - desde.year();
    if (hasta.month() < desde.month() || (hasta.month() == desde.month() && hasta.day() < desde.day()))
        --anos;
    return anos;
}

class Revisor {
public:
    explicit Revisor(const std::function<void(int)> &progreso) : m_progreso(progreso) {}

    Resultado corre()
    {
        m_r.lineas = {QStringLiteral(" ")};
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
        for (const QString &h : noEntregables(Entrega::convocatoria()))
            hallazgo(h);
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
    void hallazgo(const QString &t)
    {
        m_r.lineas << t;
        m_r.sinInconsistencias = false;
        ++m_r.hallazgos;
    }
    void advertencia(const QString &t) { m_r.lineas << t; }

    // Fecha guardada que no convierte: un hallazgo que nombra el campo, en lugar de
    // interrumpir la revisión.
    std::optional<QDate> fecha(const QString &texto, const QString &campo, const QString &cola = {})
    {
        const auto f = convierteFecha(texto);
        if (!f) {
            if (Comunes::fechaVacia(texto))
                hallazgo(QStringLiteral("Falta la ") + campo + cola);
            else
                hallazgo(QStringLiteral("La ") + campo + QStringLiteral(" no es una fecha válida") + cola);
        }
        return f;
    }

    // Un domicilio pasa con calle y con estado y ciudad elegidos: ni 0 ni nulos. Uno guardado
    // sin escribir nada ("S/C" sin estado ni ciudad) no es un domicilio.
    static bool domicilioCompleto(const Consulta &q)
    {
        auto elegido = [&q](const char *c) {
            const QString t = q.campo(QLatin1String(c)).texto();
            return !t.isEmpty() && t != u"0";
        };
        return !vacio(q.campo(QStringLiteral("Calle"))) && elegido("Estado_Clave") && elegido("Ciudad_Clave");
    }

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
            hallazgo(QStringLiteral("No se Indicó bien el Nombre del Solicitante"));
        if (nacimiento.isEmpty()) {
            hallazgo(QStringLiteral("No especificó su Fecha de Nacimiento"));
        } else if (vacio(q.campo(QStringLiteral("Sexo")))) {
            hallazgo(QStringLiteral("No especificó su Sexo"));
        } else if (const auto f = fecha(nacimiento, QStringLiteral("Fecha de Nacimiento"))) {
            const QDate hoy = Reloj::hoy();
            if (*f >= hoy || anosCumplidos(*f, hoy) < kEdadMinima)
                hallazgo(QStringLiteral("La Fecha de Nacimiento es Inválida"));
        }
        if (nacimiento.size() != 10) {
            hallazgo(kFormatoNacimiento);
            hallazgo(QStringLiteral("El formato de la Fecha de Nacimiento es Inválida"));
        }
        if (q.campo(QStringLiteral("Ciudad_nac")).texto() == u"0")
            hallazgo(QStringLiteral("Falta Lugar de Nacimiento (país, estado o ciudad)"));
    }

    void DomParticular()
    {
        Consulta q;
        q.abre(QStringLiteral("select calle,numero,cp,ciudad_clave,estado_clave,pais_clave,institucion_clave,tipo "
                              "from domicilio where Tipo='ACT' Order by Clave"));
        if (!domicilioCompleto(q))
            hallazgo(QStringLiteral("Faltaron Datos en su Domicilio Particular"));
    }

    void MuestraGral()
    {
        Consulta q;
        q.abre(QStringLiteral("Select Subdisciplina,motivos_a,motivos_b,motivos_c,motivos_d,convocatoria,grado_ini, "
                              "grado_fin,disciplina,area,curso from General Order by Clave"));
        if (vacio(q.campo(QStringLiteral("Convocatoria"))))
            hallazgo(QStringLiteral("No especificó la convocatoria en la que concursa"));
        if (vacio(q.campo(QStringLiteral("Motivos_A"))))
            hallazgo(QStringLiteral("Debe Indicar las razones por las que quiere hacer un postgrado en el área y "
                                    "especialidad que indica."));
        if (vacio(q.campo(QStringLiteral("Motivos_B"))))
            hallazgo(QStringLiteral("Debe Indicar las razones por las que seleccionó las instituciones indicadas "
                                    "para realizar sus estudios."));
        if (vacio(q.campo(QStringLiteral("Motivos_C"))))
            hallazgo(QStringLiteral("Debe Indicar sus planes de trabajo después de terminar sus estudios."));
        const Campo ini = q.campo(QStringLiteral("grado_ini"));
        const Campo fin = q.campo(QStringLiteral("grado_fin"));
        if (vacio(ini))
            hallazgo(QStringLiteral("Falta Grado Pretendido de Estudios"));
        if (!vacio(ini) && !vacio(fin)) {
            Consulta g;
            const QString sql = QStringLiteral("select nivel from cat_grado where clave = :Grado");
            g.abre(sql, {{QStringLiteral("Grado"), ini.entero()}});
            const qint64 nivelIni = g.campo(QStringLiteral("Nivel")).entero();
            g.abre(sql, {{QStringLiteral("Grado"), fin.entero()}});
            const qint64 nivelFin = g.campo(QStringLiteral("Nivel")).entero();
            if (nivelFin < nivelIni)
                hallazgo(QStringLiteral("El grado final Pretendido de Posgrado no puede ser menor al Inicial"));
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
            if (!nacimiento.isEmpty() && nacimiento.size() != 10)
                hallazgo(kFormatoDependientes);
            if (conNombre && sexo != u"F" && sexo != u"M")
                hallazgo(QStringLiteral("El Campo de Sexo para Dependientes sólo puede ser F o M"));
            // Sin renglón de cónyuge no hay contradicción: el casado cuyo cónyuge no viaja lo
            // borra de sus dependientes.
            if (tipo == u"CGE") {
                if (m_edoCivil == u"S" && conNombre)
                    hallazgo(QStringLiteral("No puede tener Estado Civil de Soltero y tener Cónyuge"));
                if (m_edoCivil != u"S" && !conNombre)
                    hallazgo(QStringLiteral("No puede tener Estado Civil de Casado y no tener Cónyuge"));
            }
        }
    }

    void FamAcc()
    {
        Consulta q;
        q.abre(QStringLiteral("Select Nombre_1,Paterno From Persona Where Tipo='ACC' Order by Clave"));
        for (q.primero(); !q.fin(); q.siguiente())
            if (vacio(q.campo(QStringLiteral("Nombre_1"))) && vacio(q.campo(QStringLiteral("Paterno"))))
                hallazgo(QStringLiteral("Falta capturar datos del familiar en caso de Accidente"));
    }

    void DomAcc()
    {
        Consulta q;
        q.abre(QStringLiteral("select calle,ciudad_clave,estado_clave from domicilio where Tipo='ACC' Order by Clave"));
        for (q.primero(); !q.fin(); q.siguiente())
            if (!domicilioCompleto(q))
                hallazgo(QStringLiteral("Faltaron Datos en el Domicilio del Familiar a Avisar en caso de Accidente"));
    }

    void Checa_Direccion(const QString &tipo)
    {
        Consulta q;
        q.abre(QStringLiteral("Select Tipo From Domicilio Where Tipo= :Tipo"), {{QStringLiteral("Tipo"), tipo}});
        if (q.vacia())
            advertencia(QStringLiteral("Faltaron Datos en el Domicilio de la Opcion academica elegida por lo que no "
                                       "saldra en la impresion"));
    }

    void Opciones()
    {
        Consulta q;
        q.abre(QStringLiteral("Select clave,nombre_prog,tiempo_prom_grado,fecha_ini,fecha_fin,escuela,fec_ini_est,"
                              "fec_fin_est,Tipo From Beca Order by Clave"));
        if (q.vacia())
            hallazgo(QStringLiteral("No capturo ninguna opcion"));
        for (q.primero(); !q.fin(); q.siguiente()) {
            const QString opcion = QStringLiteral(" (opción ") + q.campo(QStringLiteral("Clave")).texto() + u')';
            Checa_Direccion(q.campo(QStringLiteral("Tipo")).texto());
            const QString escuela = q.campo(QStringLiteral("Escuela")).texto();
            if (escuela.isEmpty() || escuela == u"0")
                hallazgo(QStringLiteral("No se Encuentra Nombre de la Institución") + opcion);
            if (vacio(q.campo(QStringLiteral("Nombre_prog"))))
                hallazgo(QStringLiteral("No se Encuentra Nombre Oficial del Programa de Estudios") + opcion);

            const QString iniBeca = q.campo(QStringLiteral("Fecha_ini")).texto();
            const QString finBeca = q.campo(QStringLiteral("Fecha_fin")).texto();
            const QString iniEst = q.campo(QStringLiteral("Fec_ini_est")).texto();
            const QString finEst = q.campo(QStringLiteral("Fec_fin_est")).texto();
            const auto a = fecha(iniBeca, QStringLiteral("Fecha de inicio de la beca"), opcion);
            const auto b = fecha(finBeca, QStringLiteral("Fecha de término de la beca"), opcion);
            if (a && b && *a >= *b)
                hallazgo(QStringLiteral("La Fecha de Término de Beca debe ser mayor a la de Inicio") + opcion);
            const auto c = fecha(iniEst, QStringLiteral("Fecha de inicio de estudios"), opcion);
            const auto d = fecha(finEst, QStringLiteral("Fecha de término de estudios"), opcion);
            if (c && d && *c >= *d)
                hallazgo(QStringLiteral("La Fecha de Término de Estudios debe ser mayor a la de Inicio") + opcion);

            if (iniBeca.size() != 10)
                hallazgo(QStringLiteral("El formato del año de la Fecha de inicio de la beca") + kRecaptura);
            if (finBeca.size() != 10)
                hallazgo(QStringLiteral("El formato del año de la Fecha de termino de la beca") + kRecaptura);
            if (iniEst.size() != 10)
                hallazgo(QStringLiteral("El formato del año de la Fecha de inicio de estudios") + kRecaptura);
            if (finEst.size() != 10)
                hallazgo(QStringLiteral("El formato del año de la Fecha de termino de estudios") + kRecaptura);
        }
    }

    void AntEscolares()
    {
        Consulta q;
        q.abre(QStringLiteral("Select nombre,tipo,fecha_ini,fecha_fin,nivel,promedio,carrera,titulado,secuencia "
                              "from escolar Order by Clave"));
        bool hayLicenciatura = false;
        for (q.primero(); !q.fin(); q.siguiente()) {
            const QString nombre = q.campo(QStringLiteral("Nombre")).texto();
            const QString nivel = q.campo(QStringLiteral("Nivel")).texto();
            const QString tipo = q.campo(QStringLiteral("Tipo")).texto();
            const QString x = identificaEscolar(nivel, nombre, int(q.campo(QStringLiteral("secuencia")).entero()));
            if (nivel == u"LIC")
                hayLicenciatura = true;

            // El año debe tener cuatro dígitos: la fecha guardada completa mide 10 caracteres.
            const QString ini = q.campo(QStringLiteral("fecha_ini")).texto();
            const QString fin = q.campo(QStringLiteral("fecha_fin")).texto();
            if (ini.size() != 10 && !nombre.isEmpty())
                advertencia(QStringLiteral("La longitud del año de inicio de ") + x + QStringLiteral(" debe ser de 4 dígitos"));
            if (fin.size() != 10 && !nombre.isEmpty())
                advertencia(QStringLiteral("La longitud del año de término de ") + x + QStringLiteral(" debe ser de 4 dígitos"));
            const auto a = fecha(ini, QStringLiteral("fecha de inicio de ") + x);
            const auto b = fecha(fin, QStringLiteral("fecha de término de ") + x);
            if (a && b && *b < *a && !nombre.isEmpty())
                hallazgo(QStringLiteral("Error en las fechas de duracion en datos escolares ") + x);

            if (nombre.isEmpty())
                hallazgo(QStringLiteral("El Nombre de la Institucion en ") + x);
            if (tipo.isEmpty())
                hallazgo(QStringLiteral("Falta el tipo (Publica / Privada en ") + x);
            if (vacio(q.campo(QStringLiteral("Carrera"))))
                hallazgo(QStringLiteral("Falta el nombre de la carrera en ") + x);
            if (!nombre.isEmpty() && tipo != u"PUB" && tipo != u"PRV")
                hallazgo(QStringLiteral("El Tipo de Escuela en que estudió debe ser PUB o PRV "));
        }
        if (!hayLicenciatura)
            hallazgo(QStringLiteral("Falta capturar la licenciatura en antecedentes escolares "));

        // El promedio se revisa una vez, en el último renglón que no sea de otros estudios,
        // y sólo si hasta aquí no hay nada bloqueante.
        for (int i = q.cuenta() - 1; i >= 0; --i) {
            q.mueveA(i);
            const QString nivel = q.campo(QStringLiteral("Nivel")).texto();
            if (nivel != u"OTR") {
                if (m_r.sinInconsistencias && !Valida_Promedio(nivel, q.campo(QStringLiteral("Promedio")).texto())) {
                    m_r.sinInconsistencias = false;
                    ++m_r.hallazgos;
                }
                break;
            }
        }
    }

    bool Valida_Promedio(const QString &nivel, const QString &texto)
    {
        bool ok = false;
        double x = texto.trimmed().toDouble(&ok);
        if (!ok)
            x = 0;
        if (x >= 80 || (x >= 8 && x <= 10))
            return true;
        if (x < 8)
            m_r.lineas << QStringLiteral("El promedio no puede ser menor a 8.0 en  ") + nivel;
        else
            m_r.lineas << QStringLiteral("El promedio no puede ser menor a 8.0 en ") + nivel;
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
        q.abre(QStringLiteral("select tipo,meses,escritura,lectura,comprension from trabajo Order by Clave"));
        for (q.primero(); !q.fin(); q.siguiente()) {
            const QString tipo = q.campo(QStringLiteral("Tipo")).texto();
            if (tipo == u"BEC") {
                if (vacio(q.campo(QStringLiteral("Meses"))) || q.campo(QStringLiteral("Meses")).flotante() <= 0)
                    hallazgo(QStringLiteral("El Campo Meses para Becas Recibidas debe ser positivo "));
            } else if (tipo == u"IDI") {
                if (!porcentajeValido(q.campo(QStringLiteral("Escritura")).texto()))
                    hallazgo(QStringLiteral("Su Conocimiento de Idiomas en Escritura debe ser mayor a 0% y menor o igual a 100% "));
                if (!porcentajeValido(q.campo(QStringLiteral("Lectura")).texto()))
                    hallazgo(QStringLiteral("Su Conocimiento de Idiomas en Lectura debe ser mayor a 0% y menor o igual a 100% "));
                if (!porcentajeValido(q.campo(QStringLiteral("Comprension")).texto()))
                    hallazgo(QStringLiteral("Su Conocimiento de Idiomas en Comprensión debe ser mayor a 0% y menor o igual a 100% "));
            }
        }
    }

    const std::function<void(int)> &m_progreso;
    Resultado m_r;
    QString m_edoCivil;
};

} // namespace

std::optional<QDate> convierteFecha(const QString &guardada)
{
    const QString formato = Regional::formatoFechaCorta();
    const QChar separador = Regional::separadorFecha();
    const QString sistema = Comunes::fechaSistema(guardada, formato, separador);
    // Se lee en el mismo orden en que se escribió: día, mes y año donde el formato los pide.
    int dia = 0, mes = 0, anio = 0;
    bool d = false, m = false, y = false;
    qsizetype pos = 0;
    for (QChar c : formato) {
        bool ok = true;
        if (c == u'd' && !d) {
            ok = d = digitos(sistema, pos, 2, dia);
            pos += 2;
        } else if (c == u'M' && !m) {
            ok = m = digitos(sistema, pos, 2, mes);
            pos += 2;
        } else if (c == u'y' && !y) {
            ok = y = digitos(sistema, pos, 4, anio);
            pos += 4;
        } else if (c == separador) {
            ok = pos < sistema.size() && sistema.at(pos) == separador;
            ++pos;
        }
        if (!ok)
            return std::nullopt;
    }
    // Un formato sin día, mes o año no dice dónde están: se lee la fecha tal como se guardó.
    if (!(d && m && y)) {
        if (guardada.size() != 10 || !digitos(guardada, 0, 2, dia) || !digitos(guardada, 3, 2, mes) ||
            !digitos(guardada, 6, 4, anio))
            return std::nullopt;
    } else if (pos != sistema.size()) {
        return std::nullopt;
    }
    const QDate f(anio, mes, dia);
    if (!f.isValid())
        return std::nullopt;
    return f;
}

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

} // namespace Revision
