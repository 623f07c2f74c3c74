#include "package/Paquete.h"
#include "admin/Entrega.h"
#include "platform/Base.h"
#include "platform/BaseAparte.h"
#include "platform/CarpetaCerrada.h"
#include "platform/Consulta.h"
#include "platform/Esquema.h"
#include "platform/Manifiesto.h"
#include "platform/Temporal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>

namespace {

// Las tablas que forman la solicitud: las que vacía "Inicializa Solicitud". El aval y los
// montos sólo se reemplazan cuando el paquete los trae (convocatoria 6).
const char *const kTablasSolicitud[] = {"Beca", "Domicilio", "Escolar", "Trabajo", "General", "Persona"};

// Lo más que se lee de un paquete entero: muchas veces la entrega más grande (unos 2 MB).
constexpr qint64 kMaximoPaquete = 40 * 1024 * 1024;

[[noreturn]] void errorMotor(const QSqlQuery &q, const QString &sql)
{
    throw Base::errorDelMotor(q.lastError(), sql);
}

QSqlQuery prepara(const QString &sql)
{
    QSqlQuery q(Base::conexion());
    if (!q.prepare(sql))
        errorMotor(q, sql);
    return q;
}

void ejecuta(QSqlQuery &q)
{
    if (!q.exec())
        errorMotor(q, q.lastQuery());
}

QString insercion(const Esquema::Tabla &t)
{
    const QStringList columnas = Esquema::nombresColumnas(t);
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
        .arg(QLatin1String(t.nombre), columnas.join(u','), QStringList(columnas.size(), QStringLiteral("?")).join(u','));
}

void enlaza(QSqlQuery &q, const QVariantList &fila)
{
    for (int i = 0; i < fila.size(); ++i)
        q.bindValue(i, fila[i]);
}

// Las filas de la solicitud: la tabla queda con las del paquete.
int reemplazaFilas(const Esquema::Tabla &t, const Paradox::TablaLeida &l)
{
    QSqlQuery borra(Base::conexion());
    const QString sql = QStringLiteral("DELETE FROM ") + QLatin1String(t.nombre);
    if (!borra.exec(sql))
        errorMotor(borra, sql);
    QSqlQuery q = prepara(insercion(t));
    for (const QVariantList &fila : l.filas) {
        enlaza(q, fila);
        ejecuta(q);
    }
    return int(l.filas.size());
}

// Un catálogo: los renglones del paquete que la base no tiene se agregan y los que tienen la
// misma clave con otro contenido se corrigen (la solicitud del paquete los nombra con esa
// clave). Los demás renglones de la base se quedan como están.
void mezclaCatalogo(const Esquema::Tabla &t, const Paradox::TablaLeida &l, Paquete::Carga &c)
{
    QHash<qint64, QVariantList> locales;
    for (const QVariantList &fila : Paradox::filasDeBase(t))
        locales.insert(fila.value(0).toLongLong(), fila);
    QSqlQuery agrega = prepara(insercion(t));
    QStringList asignaciones;
    const QStringList columnas = Esquema::nombresColumnas(t);
    for (int i = 1; i < columnas.size(); ++i)
        asignaciones << columnas[i] + QStringLiteral("=?");
    QSqlQuery corrige = prepara(QStringLiteral("UPDATE %1 SET %2 WHERE %3=?")
                                    .arg(QLatin1String(t.nombre), asignaciones.join(u','), columnas.first()));
    for (const QVariantList &fila : l.filas) {
        const auto local = locales.constFind(fila.value(0).toLongLong());
        if (local == locales.cend()) {
            enlaza(agrega, fila);
            ejecuta(agrega);
            ++c.catalogoAgregadas;
        } else if (*local != fila) {
            for (int i = 1; i < fila.size(); ++i)
                corrige.bindValue(i - 1, fila[i]);
            corrige.bindValue(int(fila.size()) - 1, fila.first());
            ejecuta(corrige);
            ++c.catalogoCorregidas;
        }
    }
}

// Base vacía de la solicitud (tablas y catálogos), creada una vez por proceso y copiada para
// cada base de paquete: crearla carga miles de renglones de catálogo.
QString plantilla()
{
    // Bajo la carpeta temporal de este proceso: si el proceso muere, la borra el siguiente.
    static QTemporaryDir dir(Temporal::plantilla(QStringLiteral("plantilla")));
    static const QString archivo = [] {
        if (!dir.isValid())
            throw ErrorBase(QStringLiteral("No se pudo crear la carpeta temporal donde se revisa el paquete."), dir.errorString(), true);
        const QString archivo = dir.filePath(QStringLiteral("solicitud.sqlite"));
        Base::Aparte crea(archivo);
        return archivo;
    }();
    return archivo;
}

} // namespace

// ---- Lectura ----------------------------------------------------------------------------------

Paquete::Paquete(const QString &origen) : m_origen(origen)
{
    if (!QFileInfo(origen).isDir())
        throw ErrorBase(QStringLiteral("No existe la carpeta «%1» del paquete.").arg(QDir::toNativeSeparators(origen)));
    const CarpetaCerrada carpeta(origen);
    leeRecibo(carpeta);
    if (integro())
        leeTablas();
    m_leidos.clear();
}

Paquete::~Paquete() = default;

void Paquete::leeRecibo(const CarpetaCerrada &carpeta)
{
    const QString nombreRecibo = QString::fromUtf16(Manifiesto::kNombre);
    const QString recibo = QDir(m_origen).filePath(nombreRecibo);
    QList<Manifiesto::Linea> lineas;
    try {
        QByteArray datos;
        if (carpeta.lee(nombreRecibo, Manifiesto::kMaximo, datos) == CarpetaCerrada::Estado::Falta)
            throw ErrorBase(QStringLiteral("Falta el recibo de la entrega %1: la entrega está incompleta.").arg(QDir::toNativeSeparators(recibo)));
        lineas = Manifiesto::analiza(datos, recibo);
        m_huellaRecibo = Manifiesto::huellaDe(datos);
    } catch (const ErrorBase &e) {
        m_problemas << e.mensaje();
        return;
    }
    m_fecha = QFileInfo(recibo).lastModified();

    // Cada archivo del recibo que puede ir en una entrega: leído a memoria y su huella comparada.
    QSet<QString> posibles;
    for (const Entrega::Archivo &a : Entrega::archivos(Entrega::kConvocatoriaCredito))
        posibles.insert(a.nombre);
    QSet<QString> nombrados, intactos;
    qint64 total = 0;
    for (const Manifiesto::Linea &l : std::as_const(lineas)) {
        if (nombrados.contains(l.archivo)) {
            m_problemas << QStringLiteral("El recibo nombra dos veces el archivo %1.").arg(l.archivo);
            continue;
        }
        nombrados.insert(l.archivo);
        if (!posibles.contains(l.archivo))
            continue;   // se informa abajo, sin leerlo
        QByteArray datos;
        try {
            if (carpeta.lee(l.archivo, Paradox::kMaximoArchivoTabla, datos) == CarpetaCerrada::Estado::Falta) {
                m_problemas << QStringLiteral("Falta el archivo %1 que nombra el recibo.").arg(l.archivo);
                continue;
            }
        } catch (const ErrorBase &e) {
            m_problemas << e.mensaje();
            continue;
        }
        total += datos.size();
        if (total > kMaximoPaquete) {
            m_problemas << QStringLiteral("Los archivos del paquete pasan de %1 MB: no son los de una entrega.").arg(kMaximoPaquete >> 20);
            return;
        }
        if (Manifiesto::huellaDe(datos) == l.huella) {
            intactos.insert(l.archivo);
            m_leidos.insert(l.archivo, std::move(datos));
        } else {
            m_problemas << QStringLiteral("El archivo %1 no coincide con el recibo: cambió después de la entrega.").arg(l.archivo);
        }
    }

    // La convocatoria del paquete (en General) decide qué archivos debe traer. Si General no
    // llegó intacta, ya hay un problema que lo dice y sólo se sabe qué archivos pueden ir.
    const Esquema::Tabla *general = Esquema::busca(QStringLiteral("General"));
    bool conGeneral = true;
    for (const QString &a : Paradox::archivosDe(*general))
        if (!intactos.contains(a)) {
            if (!nombrados.contains(a))
                m_problemas << QStringLiteral("Falta el archivo %1 en el recibo.").arg(a);
            conGeneral = false;
        }
    if (conGeneral) {
        try {
            const Paradox::TablaLeida l = Paradox::leeTabla(*general, archivosDe(*general));
            const int columna = int(Esquema::nombresColumnas(*general).indexOf(QStringLiteral("Convocatoria")));
            if (!l.filas.isEmpty())
                m_convocatoria = int(l.filas.first().value(columna).toLongLong());
        } catch (const ErrorBase &e) {
            m_problemas << e.mensaje();
            conGeneral = false;
        }
    }
    QSet<QString> esperados;
    if (conGeneral) {
        for (const Entrega::Archivo &a : Entrega::archivos(m_convocatoria)) {
            esperados.insert(a.nombre);
            if (!nombrados.contains(a.nombre))
                m_problemas << QStringLiteral("Falta el archivo %1 en el recibo: la entrega de la convocatoria %2 lo lleva.")
                                   .arg(a.nombre)
                                   .arg(m_convocatoria);
        }
    }
    for (const Manifiesto::Linea &l : std::as_const(lineas))
        if (!(conGeneral ? esperados : posibles).contains(l.archivo))
            m_problemas << (conGeneral ? QStringLiteral("El archivo %1 no es parte de una entrega de la convocatoria %2.")
                                             .arg(l.archivo)
                                             .arg(m_convocatoria)
                                       : QStringLiteral("El archivo %1 no es parte de una entrega.").arg(l.archivo));
}

Paradox::Archivos Paquete::archivosDe(const Esquema::Tabla &t) const
{
    const QStringList nombres = Paradox::archivosDe(t);
    Paradox::Archivos a;
    a.nombreDb = nombres.first();
    a.db = m_leidos.value(nombres.first());
    for (const QString &n : nombres) {
        const auto i = m_leidos.constFind(n);
        if (i == m_leidos.cend())
            continue;
        if (n.endsWith(QStringLiteral(".px")))
            a.px = &*i;
        else if (n.endsWith(QStringLiteral(".mb")))
            a.mb = &*i;
    }
    return a;
}

void Paquete::leeTablas()
{
    for (const Esquema::Tabla *t : Entrega::tablas(m_convocatoria)) {
        try {
            m_tablas.insert(QString::fromLatin1(t->nombre).toLower(), Paradox::leeTabla(*t, archivosDe(*t)));
        } catch (const ErrorBase &e) {
            m_problemas << e.mensaje();
        }
    }
}

const Paradox::TablaLeida *Paquete::tabla(const QString &nombre) const
{
    const auto i = m_tablas.constFind(nombre.toLower());
    return i == m_tablas.cend() ? nullptr : &*i;
}

QString Paquete::solicitante() const
{
    const Paradox::TablaLeida *persona = tabla(QStringLiteral("Persona"));
    const Esquema::Tabla *t = Esquema::busca(QStringLiteral("Persona"));
    if (!persona || !t)
        return {};
    const QStringList columnas = Esquema::nombresColumnas(*t);
    const int tipo = int(columnas.indexOf(QStringLiteral("Tipo")));
    for (const QVariantList &fila : persona->filas) {
        if (fila.value(tipo).toString() != u"SOL")
            continue;
        QStringList partes;
        for (const char *c : {"Nombre_1", "Nombre_2", "Paterno", "Materno"}) {
            const QString s = fila.value(int(columnas.indexOf(QLatin1String(c)))).toString().trimmed();
            if (!s.isEmpty())
                partes << s;
        }
        return partes.join(u' ');
    }
    return {};
}

// ---- Carga --------------------------------------------------------------------------------------

bool Paquete::haySolicitud()
{
    QStringList partes;
    for (const char *t : kTablasSolicitud)
        partes << QStringLiteral("EXISTS (SELECT 1 FROM %1)").arg(QLatin1String(t));
    Consulta q;
    q.abre(QStringLiteral("SELECT ") + partes.join(QStringLiteral(" OR ")));
    return q.campo(0).entero() != 0;
}

Paquete::Carga Paquete::restaura(bool reemplaza) const
{
    if (!integro())
        throw ErrorBase(QStringLiteral("El paquete de «%1» está incompleto o cambió después de la entrega; no se restauró nada.")
                            .arg(QDir::toNativeSeparators(m_origen)),
                        m_problemas.join(u'\n'));
    Carga c;
    Base::Transaccion transaccion;
    if (!reemplaza && haySolicitud())
        throw ErrorBase(QStringLiteral("La carpeta de tablas «%1» ya tiene una solicitud; no se reemplazó.")
                            .arg(QDir::toNativeSeparators(Base::carpeta())));
    for (const Esquema::Tabla *t : Entrega::tablas(m_convocatoria)) {
        const Paradox::TablaLeida *l = tabla(QLatin1String(t->nombre));
        if (!l)
            throw ErrorBase(QStringLiteral("El paquete no trae la tabla %1; no se restauró nada.").arg(QLatin1String(t->nombre)));
        if (t->catalogo)
            mezclaCatalogo(*t, *l, c);
        else
            c.filas += reemplazaFilas(*t, *l);
    }
    transaccion.confirma();
    return c;
}

Revision::Resultado Paquete::revisa() const
{
    BaseDePaquete base(*this);
    return Revision::revisa();
}

// ---- Base temporal ------------------------------------------------------------------------------

BaseDePaquete::BaseDePaquete(const Paquete &paquete) : m_dir(Temporal::plantilla(QStringLiteral("base")))
{
    // Las fallas de la carpeta temporal son de esta máquina (externas), no del paquete.
    if (!m_dir.isValid())
        throw ErrorBase(QStringLiteral("No se pudo crear la carpeta temporal donde se revisa el paquete."), m_dir.errorString(), true);
    const QString destino = archivo();
    if (!QFile::copy(plantilla(), destino))
        throw ErrorBase(QStringLiteral("No se pudo crear la base temporal donde se revisa el paquete."), {}, true);
    QFile::setPermissions(destino, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    m_aparte = std::make_unique<Base::Aparte>(destino);
    // Una base que se tira al terminar no necesita llegar al disco en cada confirmación.
    Consulta q;
    q.ejecuta(QStringLiteral("PRAGMA synchronous=OFF"));
    paquete.restaura(true);
}

BaseDePaquete::~BaseDePaquete() = default;

QString BaseDePaquete::archivo() const { return m_dir.filePath(QStringLiteral("solicitud.sqlite")); }
