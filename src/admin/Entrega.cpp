#include "admin/Entrega.h"
#include "platform/Consulta.h"
#include "platform/Esquema.h"
#include "platform/Manifiesto.h"
#include "platform/paradox/Paradox.h"
#include "platform/volumenes/Volumenes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

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

Preparada::Preparada(int convocatoria) : m_convocatoria(convocatoria), m_archivos(Entrega::archivos(convocatoria))
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

void Preparada::copiaA(const QString &destino, const std::function<void(const Archivo &)> &alCopiar) const
{
    const QDir dir(destino);
    const QString recibo = QString::fromUtf16(Manifiesto::kNombre);
    // Sin recibo mientras se copia: una entrega cortada a la mitad no parece completa.
    if (QFileInfo::exists(dir.filePath(recibo)) && !QFile::remove(dir.filePath(recibo)))
        throw ErrorBase(QStringLiteral("No se pudo quitar el recibo de la entrega anterior en %1.")
                            .arg(QDir::toNativeSeparators(destino)));
    QStringList copiados;
    try {
        for (const Archivo &a : m_archivos) {
            volumenes().copia(ruta(a), dir.filePath(a.nombre));
            copiados << a.nombre;
            if (alCopiar)
                alCopiar(a);
        }
        // El recibo va al final, preparado junto a las tablas y copiado igual que ellas.
        Manifiesto::escribe(m_dir.path(), copiados);
        volumenes().copia(m_dir.filePath(recibo), dir.filePath(recibo));
    } catch (const ErrorBase &e) {
        for (const QString &n : std::as_const(copiados))
            QFile::remove(dir.filePath(n));
        throw ErrorBase(e.mensaje() + QStringLiteral("\nLa entrega quedó incompleta: vuelva a generarla."),
                        e.detalle());
    }
}

} // namespace Entrega
