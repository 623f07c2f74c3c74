#include "admin/Entrega.h"
#include "platform/Temporal.h"
#include "platform/Consulta.h"
#include "platform/Esquema.h"
#include "platform/Manifiesto.h"
#include "platform/paradox/Paradox.h"
#include "platform/volumenes/Volumenes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <optional>
#include <sys/stat.h>

namespace Entrega {
namespace {

// Los que van siempre, y los del crédito educativo. El avance de los últimos cuatro vuelve a
// empezar en 92: así lo ve el solicitante desde siempre.
const Archivo kSiempre[] = {
    {QStringLiteral("Beca.db"), 10},          {QStringLiteral("Beca.px"), 15},
    {QStringLiteral("Domicilio.db"), 20},     {QStringLiteral("Domicilio.px"), 25},
    {QStringLiteral("General.db"), 30},       {QStringLiteral("General.px"), 35},
    {QStringLiteral("General.mb"), 40},       {QStringLiteral("Persona.db"), 45},
    {QStringLiteral("Persona.px"), 50},       {QStringLiteral("Cat_Ciudad.db"), 55},
    {QStringLiteral("Cat_Ciudad.px"), 60},    {QStringLiteral("Cat_Estado.db"), 65},
    {QStringLiteral("Cat_Estado.px"), 70},    {QStringLiteral("cat_municipio.db"), 75},
    {QStringLiteral("cat_municipio.px"), 80}, {QStringLiteral("Institucion.db"), 85},
    {QStringLiteral("Institucion.px"), 90},   {QStringLiteral("Escolar.db"), 92},
    {QStringLiteral("Escolar.px"), 94},       {QStringLiteral("Trabajo.db"), 96},
    {QStringLiteral("Trabajo.px"), 100},
};
const Archivo kCredito[] = {
    {QStringLiteral("MontosQuiral.db"), 92}, {QStringLiteral("MontosQuiral.px"), 94},
    {QStringLiteral("Aval.db"), 96},         {QStringLiteral("Aval.px"), 100},
};

const char *const kTablasSiempre[] = {"Beca",       "Domicilio",     "General",     "Persona", "Cat_Ciudad",
                                      "Cat_Estado", "Cat_Municipio", "Institucion", "Escolar", "Trabajo"};
const char *const kTablasCredito[] = {"MontosQuiral", "Aval"};

} // namespace

QList<Archivo> archivos(int convocatoria)
{
    QList<Archivo> r(std::begin(kSiempre), std::end(kSiempre));
    if (convocatoria == kConvocatoriaCredito)
        r.append(QList<Archivo>(std::begin(kCredito), std::end(kCredito)));
    return r;
}

QList<const Esquema::Tabla *> tablas(int convocatoria)
{
    QList<const Esquema::Tabla *> r;
    const auto agrega = [&r](const char *nombre) {
        const Esquema::Tabla *t = Esquema::busca(QLatin1String(nombre));
        Q_ASSERT(t);
        r << t;
    };
    for (const char *n : kTablasSiempre)
        agrega(n);
    if (convocatoria == kConvocatoriaCredito)
        for (const char *n : kTablasCredito)
            agrega(n);
    return r;
}

int convocatoria()
{
    Consulta q;
    q.abre(QStringLiteral("Select convocatoria from general"));
    return int(q.campo(QStringLiteral("convocatoria")).entero());
}

// Bajo la carpeta temporal del proceso: si el proceso muere a mitad, la próxima corrida la borra.
Preparada::Preparada(int convocatoria)
    : m_dir(Temporal::plantilla(QStringLiteral("entrega"))), m_convocatoria(convocatoria), m_archivos(Entrega::archivos(convocatoria))
{
    if (!m_dir.isValid())
        throw ErrorBase(QStringLiteral("No se pudo crear la carpeta temporal donde se preparan los archivos de la entrega."),
                        m_dir.errorString());
    QStringList escritos;
    for (const Esquema::Tabla *t : Entrega::tablas(convocatoria)) {
        for (const QString &ruta : Paradox::escribeTabla(*t, m_dir.path()))
            escritos << QFileInfo(ruta).fileName();
        Paradox::verificaTabla(*t, m_dir.path());
    }
    // Lo escrito debe ser exactamente lo que se entrega, nombre por nombre.
    QStringList esperados;
    for (const Archivo &a : std::as_const(m_archivos))
        esperados << a.nombre;
    if (escritos != esperados)
        throw ErrorBase(QStringLiteral("Los archivos preparados para la entrega no son los que se deben entregar."),
                        escritos.join(u',') + QStringLiteral(" / ") + esperados.join(u','));
    for (const Archivo &a : std::as_const(m_archivos)) {
        const qint64 n = QFileInfo(ruta(a)).size();
        m_bytes += n;
        m_mayor = std::max(m_mayor, n);
    }
}

QString Preparada::ruta(const Archivo &a) const { return m_dir.filePath(a.nombre); }

qint64 Preparada::bytesNecesarios(const QString &destino) const
{
    const QDir dir(destino);
    qint64 crecen = 0;
    for (const Archivo &a : m_archivos) {
        const QFileInfo anterior(dir.filePath(a.nombre));
        crecen += QFileInfo(ruta(a)).size() - (anterior.isFile() ? anterior.size() : 0);
    }
    // Más el recibo (entrega.sha256): una línea de menos de 100 bytes por archivo.
    return std::max<qint64>(crecen, 0) + m_mayor + 100 * m_archivos.size();
}

namespace {
const QString kMemoriaRetirada = QStringLiteral(
    "Se retiró la memoria (o se cambió por otra) mientras se copiaba la entrega: la entrega está incompleta. "
    "Conecte la memoria y vuelva a generarla.");

// Un archivo que esta entrega escribió: dónde quedó de verdad.
struct Escrito {
    QString ruta;
    dev_t dispositivo = 0;
    ino_t nodo = 0;
};

std::optional<Escrito> anota(const QString &ruta)
{
    struct stat st {};
    if (::stat(QFile::encodeName(ruta).constData(), &st) != 0)
        return std::nullopt;
    return Escrito{ruta, st.st_dev, st.st_ino};
}
} // namespace

void Preparada::copiaA(const QString &destino, const std::function<void(const Archivo &)> &alCopiar,
                       const std::function<void(const Archivo &)> &antesDeCopiar) const
{
    const QDir dir(destino);
    const QString recibo = QString::fromUtf16(Manifiesto::kNombre);
    // La identidad del medio se toma antes de escribir nada y se revisa antes y después de cada
    // archivo: una memoria retirada deja la carpeta en el disco de la computadora, donde todo
    // se escribiría "con éxito".
    const Volumenes::Medio medio = Volumenes::medio(destino);
    if (!medio.presente)
        throw ErrorBase(QStringLiteral("No se encontró la carpeta de destino %1; no se copió nada.").arg(QDir::toNativeSeparators(destino)));
    const auto mismoMedio = [&] { return Volumenes::medio(destino) == medio; };
    QList<Escrito> escritos;
    bool retirada = false;
    const auto revisaMedio = [&] {
        if (!mismoMedio()) {
            retirada = true;
            throw ErrorBase(kMemoriaRetirada, QDir::toNativeSeparators(destino));
        }
    };
    const auto copia = [&](const QString &origen, const QString &nombre) {
        try {
            volumenes().copia(origen, dir.filePath(nombre));
        } catch (const ErrorBase &) {
            // La falla de un medio que ya no está se dice como lo que es.
            revisaMedio();
            throw;
        }
        if (const auto e = anota(dir.filePath(nombre)))
            escritos << *e;
        revisaMedio();
    };
    QStringList copiados;
    try {
        revisaMedio();
        // Sin recibo mientras se copia: una entrega cortada a la mitad no parece completa.
        if (QFileInfo::exists(dir.filePath(recibo)) && !QFile::remove(dir.filePath(recibo)))
            throw ErrorBase(QStringLiteral("No se pudo quitar el recibo de la entrega anterior en %1.")
                                .arg(QDir::toNativeSeparators(destino)));
        for (const Archivo &a : m_archivos) {
            revisaMedio();
            if (antesDeCopiar)
                antesDeCopiar(a);
            copia(ruta(a), a.nombre);
            copiados << a.nombre;
            if (alCopiar)
                alCopiar(a);
        }
        // El recibo va al final, preparado junto a las tablas y copiado igual que ellas.
        Manifiesto::escribe(m_dir.path(), copiados);
        revisaMedio();
        copia(m_dir.filePath(recibo), recibo);
        // Todo a la memoria y, ya ahí, cada archivo se relee y se compara con el recibo.
        Volumenes::sincroniza(destino);
        revisaMedio();
        const QList<Manifiesto::Linea> lineas = Manifiesto::lee(dir.filePath(recibo));
        QStringList enRecibo;
        for (const Manifiesto::Linea &l : lineas) {
            enRecibo << l.archivo;
            if (Manifiesto::huella(dir.filePath(l.archivo)) != l.huella)
                throw ErrorBase(QStringLiteral("El archivo %1 releído de la memoria no coincide con el recibo de la entrega.").arg(l.archivo));
        }
        if (enRecibo != copiados)
            throw ErrorBase(QStringLiteral("El recibo releído de la memoria no nombra los archivos que se copiaron."));
        revisaMedio();
    } catch (const ErrorBase &e) {
        if (retirada || !mismoMedio()) {
            // En la memoria no se puede borrar nada; lo que cayó en el disco de la computadora,
            // en el lugar de la memoria, se quita (sólo lo que esta entrega escribió).
            for (const Escrito &w : std::as_const(escritos)) {
                const auto ahora = anota(w.ruta);
                if (ahora && ahora->dispositivo == w.dispositivo && ahora->nodo == w.nodo && quint64(w.dispositivo) != medio.dispositivo)
                    QFile::remove(w.ruta);
            }
            throw ErrorBase(kMemoriaRetirada, e.detalle().isEmpty() ? e.mensaje() : e.detalle());
        }
        for (const QString &n : std::as_const(copiados))
            QFile::remove(dir.filePath(n));
        QFile::remove(dir.filePath(recibo));
        throw ErrorBase(e.mensaje() + QStringLiteral("\nLa entrega quedó incompleta: vuelva a generarla."),
                        e.detalle());
    }
}

} // namespace Entrega
