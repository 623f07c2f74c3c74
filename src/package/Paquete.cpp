#include "package/Paquete.h"
#include "admin/Entrega.h"
#include "platform/Base.h"
#include "platform/BaseAparte.h"
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

// Códigos de tipo de campo de Paradox para cada clase de columna.
int tipoParadox(Esquema::Clase c)
{
    switch (c) {
    case Esquema::Clase::Texto: return 1;
    case Esquema::Clase::Fecha: return 2;
    case Esquema::Clase::Entero: return 4;
    case Esquema::Clase::Real: return 6;
    case Esquema::Clase::Memo: return 12;
    }
    return 0;
}

// Vacío si la tabla leída tiene las columnas del esquema, en su orden y de su tipo; si no,
// la primera diferencia.
QString diferenciaColumnas(const Esquema::Tabla &t, const Paradox::TablaLeida &l)
{
    if (l.campos.size() != qsizetype(t.columnas.size()))
        return QStringLiteral("%1 columnas en lugar de %2").arg(l.campos.size()).arg(t.columnas.size());
    for (int i = 0; i < l.campos.size(); ++i) {
        const Esquema::Columna &c = t.columnas[size_t(i)];
        const Paradox::Campo &f = l.campos[i];
        if (f.nombre.compare(QLatin1String(c.nombre), Qt::CaseInsensitive) != 0)
            return QStringLiteral("la columna %1 se llama %2 en lugar de %3").arg(i + 1).arg(f.nombre, QLatin1String(c.nombre));
        if (f.tipo != tipoParadox(c.clase) || (c.clase == Esquema::Clase::Texto && f.longitud != c.longitud))
            return QStringLiteral("la columna %1 no es del tipo o del largo esperado").arg(f.nombre);
    }
    return {};
}

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
    if (!m_copia.isValid())
        throw ErrorBase(QStringLiteral("No se pudo crear la carpeta temporal donde se revisa el paquete."), m_copia.errorString());
    leeRecibo();
    if (integro())
        leeTablas();
}

Paquete::~Paquete() = default;

void Paquete::leeRecibo()
{
    const QDir dir(m_origen);
    const QString recibo = dir.filePath(QString::fromUtf16(Manifiesto::kNombre));
    QList<Manifiesto::Linea> lineas;
    try {
        lineas = Manifiesto::lee(recibo);
        m_huellaRecibo = Manifiesto::huella(recibo);
    } catch (const ErrorBase &e) {
        m_problemas << e.mensaje();
        return;
    }
    m_fecha = QFileInfo(recibo).lastModified();

    // Cada archivo del recibo que puede ir en una entrega: copia privada y su huella comparada.
    QSet<QString> posibles;
    for (const Entrega::Archivo &a : Entrega::archivos(Entrega::kConvocatoriaCredito))
        posibles.insert(a.nombre);
    QSet<QString> nombrados, intactos;
    for (const Manifiesto::Linea &l : std::as_const(lineas)) {
        if (nombrados.contains(l.archivo)) {
            m_problemas << QStringLiteral("El recibo nombra dos veces el archivo %1.").arg(l.archivo);
            continue;
        }
        nombrados.insert(l.archivo);
        if (!posibles.contains(l.archivo))
            continue;   // se informa abajo, sin copiarlo
        const QString original = dir.filePath(l.archivo);
        const QString copia = m_copia.filePath(l.archivo);
        if (!QFileInfo(original).isFile()) {
            m_problemas << QStringLiteral("Falta el archivo %1 que nombra el recibo.").arg(l.archivo);
            continue;
        }
        if (!QFile::copy(original, copia)) {
            m_problemas << QStringLiteral("No se pudo leer el archivo %1 del paquete.").arg(l.archivo);
            continue;
        }
        try {
            if (Manifiesto::huella(copia) == l.huella)
                intactos.insert(l.archivo);
            else
                m_problemas << QStringLiteral("El archivo %1 no coincide con el recibo: cambió después de la entrega.").arg(l.archivo);
        } catch (const ErrorBase &e) {
            m_problemas << e.mensaje();
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
            const Paradox::TablaLeida l = Paradox::leeTabla(m_copia.filePath(QStringLiteral("General.db")));
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

void Paquete::leeTablas()
{
    for (const Esquema::Tabla *t : Entrega::tablas(m_convocatoria)) {
        const QString archivo = QLatin1String(t->archivo) + QStringLiteral(".db");
        try {
            Paradox::TablaLeida l = Paradox::leeTabla(m_copia.filePath(archivo));
            const QString diferencia = diferenciaColumnas(*t, l);
            if (!diferencia.isEmpty()) {
                m_problemas << QStringLiteral("La tabla %1 no tiene las columnas de la solicitud: %2.").arg(archivo, diferencia);
                continue;
            }
            m_tablas.insert(QString::fromLatin1(t->nombre).toLower(), std::move(l));
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
