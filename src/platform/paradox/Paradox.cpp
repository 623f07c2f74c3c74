#include "platform/paradox/Paradox.h"
#include "platform/Consulta.h"
#include "platform/Fechas.h"
#include "platform/paradox/Formato.h"
#include "platform/paradox/Rechazo.h"
#include "platform/Win1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>

extern "C" {
#include <paradox.h>
}

namespace Paradox {
namespace {

static_assert(kTipoAlfa == pxfAlpha && kTipoFecha == pxfDate && kTipoEntero == pxfLong && kTipoNumero == pxfNumber &&
              kTipoMemo == pxfMemoBLOb);


// ---- pxlib: errores, documentos y archivos ----------------------------------------------------

void alError(pxdoc_t *, int, const char *mensaje, void *datos)
{
    // pxlib avisa aquí de errores y advertencias; se guardan como detalle técnico.
    if (datos && mensaje)
        static_cast<QStringList *>(datos)->append(QString::fromLocal8Bit(mensaje));
}

struct CierraArchivo {
    void operator()(FILE *f) const { std::fclose(f); }
};
using Archivo = std::unique_ptr<FILE, CierraArchivo>;

// Documento de pxlib. El FILE lo maneja quien lo abrió; el documento sólo lo usa.
class Documento {
public:
    Documento() : m_doc(PX_new3(alError, nullptr, nullptr, nullptr, &m_errores))
    {
        if (!m_doc)
            throw ErrorBase(QStringLiteral("No hay memoria suficiente para escribir las tablas de la entrega."));
    }
    // PX_delete cierra el documento; el FILE sigue abierto y lo cierra su dueño después.
    ~Documento() { PX_delete(m_doc); }
    // Vacía al archivo los bloques que pxlib guarda en memoria.
    void termina() { PX_close(m_doc); }
    Documento(const Documento &) = delete;
    Documento &operator=(const Documento &) = delete;

    pxdoc_t *operator->() const { return m_doc; }
    pxdoc_t *get() const { return m_doc; }
    QString detalle() const { return m_errores.join(QStringLiteral("; ")); }

private:
    QStringList m_errores;
    pxdoc_t *m_doc;
};

// ---- Descripción de los campos ----------------------------------------------------------------

QString nombreArchivo(const Esquema::Tabla &t) { return QString::fromLatin1(t.archivo); }

QString listaColumnas(const Esquema::Tabla &t)
{
    return Esquema::nombresColumnas(t).join(u',');
}

QString ordenLlave(const Esquema::Tabla &t)
{
    const QString llave = QString::fromLatin1(t.clavePrimaria);
    return llave.isEmpty() ? QString() : QStringLiteral(" ORDER BY ") + llave;
}

// ---- Memos: el archivo .mb -------------------------------------------------------------------
// Se arma entero en memoria: encabezado de 4 KB y cada memo en un bloque propio (tipo 2) de
// tantos 4 KB como necesite. Paradox también admite repartir memos chicos en bloques
// subasignados (tipo 3), pero pxlib 0.6.8 desborda su pila al abrir un .mb que los tenga, y la
// entrega se comprueba leyéndola con pxlib.
class EscritorMemos {
public:
    struct Referencia {
        quint32 posicion;     // desplazamiento del bloque en el .mb; 0xFF en el byte bajo: bloque propio
        quint16 modificacion;
    };

    EscritorMemos() : m_datos(kBloqueMemos, '\0')
    {
        // Los mismos valores que pone pxlib al crear un .mb.
        static const unsigned char kEncabezado[] = {0x00, 0x01, 0x00, 0x01, 0x00, 0x82, 0x73, 0x02, 0x00, 0x29,
                                                    0x00, 0x00, 0x10, 0x00, 0x10, 0x10, 0x40, 0x00, 0x00, 0x08};
        std::memcpy(m_datos.data(), kEncabezado, sizeof kEncabezado);
    }

    Referencia agrega(const QByteArray &memo)
    {
        ++m_modificacion;
        const qint64 n = memo.size();
        const qint64 bloques = (n + 9 + kBloqueMemos - 1) / kBloqueMemos;   // 9 bytes de encabezado
        if (bloques > 0xFFFF)
            throw ErrorBase(QStringLiteral("Un texto de los motivos es demasiado largo para la entrega."));
        const qint64 inicio = m_datos.size();
        m_datos.append(QByteArray(bloques * kBloqueMemos, '\0'));
        char *b = m_datos.data() + inicio;
        b[0] = 2;
        qToLittleEndian<quint16>(quint16(bloques), b + 1);
        qToLittleEndian<quint32>(quint32(n), b + 3);
        qToLittleEndian<quint16>(m_modificacion, b + 7);
        std::memcpy(b + 9, memo.constData(), size_t(n));
        return {quint32(inicio) | 0xFFu, m_modificacion};
    }

    QByteArray contenido()
    {
        qToLittleEndian<quint16>(m_modificacion, m_datos.data() + 3);
        return m_datos;
    }

private:
    QByteArray m_datos;
    quint16 m_modificacion = 1;
};

// ---- Escritura de los valores ----------------------------------------------------------------

[[noreturn]] void errorValor(const Esquema::Tabla &t, const Definicion &d, const QString &motivo)
{
    throw ErrorBase(QStringLiteral("No se pudo entregar la columna %1 de la tabla %2: %3.")
                        .arg(QString::fromLatin1(d.nombre), nombreArchivo(t), motivo));
}

void ponValor(pxdoc_t *doc, char *dato, const Esquema::Tabla &t, const Definicion &d, const QVariant &v,
              EscritorMemos *memos)
{
    if (v.isNull())
        return;   // el campo queda en blanco (ceros)
    const QString motivo = rechazo(Esquema::Columna{d.nombre.constData(), d.clase, d.longitud}, v);
    if (!motivo.isEmpty())
        errorValor(t, d, motivo);
    switch (d.clase) {
    case Esquema::Clase::Entero:
        PX_put_data_long(doc, dato, 4, int(v.toLongLong()));
        break;
    case Esquema::Clase::Real:
        PX_put_data_double(doc, dato, 8, v.toDouble());
        break;
    case Esquema::Clase::Fecha: {
        const QDate f = Fechas::lee(v.toString());
        if (f.isValid())
            PX_put_data_long(doc, dato, 4, diaParadox(f.year(), f.month(), f.day()));
        break;
    }
    case Esquema::Clase::Texto: {
        const QByteArray b = Win1252::codifica(v.toString());
        if (!b.isEmpty())
            PX_put_data_alpha(doc, dato, d.longitud, const_cast<char *>(b.constData()));
        break;
    }
    case Esquema::Clase::Memo: {
        const QByteArray b = Win1252::codifica(v.toString());
        if (b.isEmpty())
            return;
        const int lider = d.longitud - kColaMemo;
        std::memcpy(dato, b.constData(), size_t(std::min<qsizetype>(lider, b.size())));
        char *cola = dato + lider;
        if (b.size() > lider) {
            const auto ref = memos->agrega(b);
            qToLittleEndian<quint32>(ref.posicion, cola);
            qToLittleEndian<quint16>(ref.modificacion, cola + 8);
        }
        qToLittleEndian<quint32>(quint32(b.size()), cola + 4);
        break;
    }
    }
}

pxfield_t *camposPxlib(pxdoc_t *doc, const QList<Definicion> &defs, int cuantos)
{
    // pxlib se queda con el arreglo y los nombres y los libera con su propio free.
    auto *f = static_cast<pxfield_t *>(doc->malloc(doc, sizeof(pxfield_t) * size_t(cuantos), "campos"));
    if (!f)
        throw ErrorBase(QStringLiteral("No hay memoria suficiente para escribir las tablas de la entrega."));
    for (int i = 0; i < cuantos; ++i) {
        f[i].px_fname = PX_strdup(doc, defs[i].nombre.constData());
        f[i].px_ftype = char(defs[i].tipo);
        f[i].px_flen = defs[i].longitud;
        f[i].px_fdc = 0;
    }
    return f;
}

[[noreturn]] void errorEscritura(const QString &ruta, const QString &detalle)
{
    throw ErrorBase(QStringLiteral("No se pudo escribir el archivo %1 de la entrega.").arg(QFileInfo(ruta).fileName()), detalle);
}

// pxlib reescribe el encabezado byte a byte y pregunta la posición a cada registro; sobre un
// FILE eso son cientos de llamadas de stdio por registro. Por eso el documento se crea sobre un
// FILE en memoria (pxlib sólo sabe crear sobre un FILE) y en cuanto está creado su flujo pasa a
// escribir en un QByteArray propio; al final se guarda de una vez.
class ArchivoEnMemoria {
public:
    explicit ArchivoEnMemoria(const QString &ruta) : m_ruta(ruta), m_inicial(kEncabezadoMaximo, '\0')
    {
        m_archivo.reset(fmemopen(m_inicial.data(), size_t(m_inicial.size()), "w+b"));
        if (!m_archivo)
            errorEscritura(ruta, QString::fromLocal8Bit(std::strerror(errno)));
    }
    FILE *get() const { return m_archivo.get(); }

    // Toma el flujo del documento recién creado: lo escrito hasta ahora (el encabezado) pasa a
    // la memoria propia y las siguientes lecturas y escrituras van a ella.
    void toma(pxdoc_t *doc)
    {
        pxstream_t *s = doc->px_stream;
        if (std::fflush(m_archivo.get()) != 0)
            errorEscritura(m_ruta, QStringLiteral("no se pudo crear el encabezado"));
        m_datos = QByteArray(m_inicial.constData(), doc->px_head->px_headersize);
        m_pos = 0;
        s->s.stream = this;
        s->read = &ArchivoEnMemoria::lee;
        s->write = &ArchivoEnMemoria::escribe;
        s->seek = &ArchivoEnMemoria::busca;
        s->tell = &ArchivoEnMemoria::posicion;
    }

    // Guarda lo escrito (el documento de pxlib ya debe estar terminado).
    void guarda(qint64 largo)
    {
        if (largo != m_datos.size())
            errorEscritura(m_ruta, QStringLiteral("largo inesperado del archivo"));
        QFile f(m_ruta);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(m_datos) != m_datos.size() || !f.flush())
            errorEscritura(m_ruta, f.errorString());
    }

private:
    static constexpr qint64 kEncabezadoMaximo = 64 * 1024;
    static ArchivoEnMemoria *de(pxstream_t *s) { return static_cast<ArchivoEnMemoria *>(s->s.stream); }

    static size_t lee(pxdoc_t *, pxstream_t *s, size_t n, void *buffer)
    {
        ArchivoEnMemoria *m = de(s);
        const qint64 k = std::clamp<qint64>(m->m_datos.size() - m->m_pos, 0, qint64(n));
        std::memcpy(buffer, m->m_datos.constData() + m->m_pos, size_t(k));
        m->m_pos += k;
        return size_t(k);
    }
    static size_t escribe(pxdoc_t *, pxstream_t *s, size_t n, void *buffer)
    {
        ArchivoEnMemoria *m = de(s);
        const qint64 fin = m->m_pos + qint64(n);
        if (fin > m->m_datos.size())
            m->m_datos.resize(fin, '\0');
        std::memcpy(m->m_datos.data() + m->m_pos, buffer, n);
        m->m_pos = fin;
        return n;
    }
    static int busca(pxdoc_t *, pxstream_t *s, long desplazamiento, int desde)
    {
        ArchivoEnMemoria *m = de(s);
        const qint64 base = desde == SEEK_SET ? 0 : desde == SEEK_CUR ? m->m_pos : m->m_datos.size();
        if (base + desplazamiento < 0)
            return -1;
        m->m_pos = base + desplazamiento;
        return 0;
    }
    static long posicion(pxdoc_t *, pxstream_t *s) { return long(de(s)->m_pos); }

    QString m_ruta;
    QByteArray m_inicial;
    Archivo m_archivo;
    QByteArray m_datos;
    qint64 m_pos = 0;
};

qint64 largoDe(const pxdoc_t *doc)
{
    const pxhead_t *h = doc->px_head;
    return qint64(h->px_headersize) + qint64(h->px_fileblocks) * h->px_maxtablesize * 1024;
}

void escribe(const Esquema::Tabla &t, const QString &db, const QString &px, const QString &mb)
{
    const Formato formato = formatoDe(t);
    const QList<Definicion> &defs = formato.campos;
    const int llave = formato.camposLlave;
    const int tamRegistro = formato.tamanoRegistro;
    const int kb = formato.kbBloque;

    Consulta q;
    q.abre(QStringLiteral("SELECT ") + listaColumnas(t) + QStringLiteral(" FROM ") + QLatin1String(t.nombre) + ordenLlave(t));
    ArchivoEnMemoria fdb(db);
    Documento doc;
    pxfield_t *campos = camposPxlib(doc.get(), defs, int(defs.size()));
    if (PX_create_fp(doc.get(), campos, int(defs.size()), fdb.get(), llave ? pxfFileTypIndexDB : pxfFileTypNonIndexDB) < 0)
        errorEscritura(db, doc.detalle());
    fdb.toma(doc.get());
    doc->px_head->px_maxtablesize = kb;
    const QByteArray nombreTabla = QFileInfo(db).fileName().toLatin1();
    if (PX_set_value(doc.get(), "numprimkeys", float(llave)) < 0 || PX_set_tablename(doc.get(), nombreTabla.constData()) < 0)
        errorEscritura(db, doc.detalle());
    if (PX_get_recordsize(doc.get()) != tamRegistro)
        errorEscritura(db, QStringLiteral("tamaño de registro inesperado"));

    std::unique_ptr<EscritorMemos> memos;
    if (!mb.isEmpty())
        memos = std::make_unique<EscritorMemos>();

    QByteArray registro(tamRegistro, '\0');
    for (q.primero(); !q.fin(); q.siguiente()) {
        registro.fill('\0');
        char *dato = registro.data();
        for (int i = 0; i < defs.size(); ++i) {
            ponValor(doc.get(), dato, t, defs[i], q.campo(i).valor(), memos.get());
            dato += defs[i].longitud;
        }
        if (PX_put_record(doc.get(), registro.data()) < 0)
            errorEscritura(db, doc.detalle());
    }

    if (llave) {
        // pxlib arma índices de uno o dos niveles: de sobra para las tablas de la entrega.
        const int kbIndice = formato.kbBloqueIndice;
        const int porBloque = (kbIndice * 1024 - kEncabezadoBloque) / formato.tamanoEntradaIndice;
        if (qint64(doc->px_head->px_fileblocks) > qint64(porBloque) * porBloque)
            throw ErrorBase(QStringLiteral("La tabla %1 tiene demasiados registros para la entrega.").arg(nombreArchivo(t)));
        ArchivoEnMemoria fpx(px);
        Documento indice;
        pxfield_t *camposLlave = camposPxlib(indice.get(), defs, llave);
        if (PX_create_fp(indice.get(), camposLlave, llave, fpx.get(), pxfFileTypPrimIndex) < 0)
            errorEscritura(px, indice.detalle());
        fpx.toma(indice.get());
        indice->px_head->px_maxtablesize = kbIndice;
        const QByteArray nombreIndice = QFileInfo(px).fileName().toLatin1();
        if (PX_set_tablename(indice.get(), nombreIndice.constData()) < 0 || PX_write_primary_index(doc.get(), indice.get()) < 0)
            errorEscritura(px, indice.detalle() + doc.detalle());
        indice.termina();
        fpx.guarda(largoDe(indice.get()));
    }
    doc.termina();
    fdb.guarda(largoDe(doc.get()));

    if (memos) {
        QFile f(mb);
        const QByteArray contenido = memos->contenido();
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(contenido) != contenido.size() || !f.flush())
            errorEscritura(mb, f.errorString());
    }
}

bool mismoValor(const QVariant &a, const QVariant &b)
{
    if (a.isNull() || b.isNull())
        return a.isNull() && b.isNull();
    return a.typeId() == b.typeId() && a == b;
}

QString muestra(const QVariant &v)
{
    if (v.isNull())
        return QStringLiteral("(vacío)");
    const QString s = v.toString();
    return s.size() > 40 ? s.left(40) + QStringLiteral("…") : s;
}

} // namespace

bool conLlave(const Esquema::Tabla &t) { return formatoDe(t).camposLlave > 0; }

QStringList archivosDe(const Esquema::Tabla &t)
{
    const QString n = nombreArchivo(t);
    QStringList r{n + QStringLiteral(".db")};
    if (conLlave(t))
        r << n + QStringLiteral(".px");
    if (formatoDe(t).conMemos)
        r << n + QStringLiteral(".mb");
    return r;
}

QStringList escribeTabla(const Esquema::Tabla &t, const QString &carpetaDestino)
{
    const QDir dir(carpetaDestino);
    const QString base = dir.filePath(nombreArchivo(t));
    const QString db = base + QStringLiteral(".db");
    const QString px = conLlave(t) ? base + QStringLiteral(".px") : QString();
    const QString mb = formatoDe(t).conMemos ? base + QStringLiteral(".mb") : QString();
    QStringList escritos{db};
    if (!px.isEmpty())
        escritos << px;
    if (!mb.isEmpty())
        escritos << mb;
    // Un .px o .mb viejo que esta tabla ya no lleva no debe quedar junto al .db nuevo.
    for (const QString &ext : {QStringLiteral(".db"), QStringLiteral(".px"), QStringLiteral(".mb")})
        QFile::remove(base + ext);
    try {
        escribe(t, db, px, mb);
    } catch (...) {
        for (const QString &f : escritos)
            QFile::remove(f);
        throw;
    }
    return escritos;
}

QList<QVariantList> filasDeBase(const Esquema::Tabla &t)
{
    Consulta q;
    q.abre(QStringLiteral("SELECT ") + listaColumnas(t) + QStringLiteral(" FROM ") + QLatin1String(t.nombre) + ordenLlave(t));
    QList<QVariantList> r;
    for (q.primero(); !q.fin(); q.siguiente()) {
        QVariantList fila;
        for (int i = 0; i < int(t.columnas.size()); ++i) {
            const QVariant v = q.campo(i).valor();
            if (v.isNull()) {
                fila << QVariant();
                continue;
            }
            switch (t.columnas[size_t(i)].clase) {
            case Esquema::Clase::Entero: fila << QVariant(v.toLongLong()); break;
            case Esquema::Clase::Real: fila << QVariant(v.toDouble()); break;
            case Esquema::Clase::Texto:
            case Esquema::Clase::Fecha:
            case Esquema::Clase::Memo: {
                const QString s = v.toString();
                fila << (s.isEmpty() ? QVariant() : QVariant(s));
                break;
            }
            }
        }
        r << fila;
    }
    return r;
}

void verificaTabla(const Esquema::Tabla &t, const QString &carpeta)
{
    const QString archivo = nombreArchivo(t) + QStringLiteral(".db");
    const TablaLeida leida = leeTabla(QDir(carpeta).filePath(archivo));
    const QStringList columnas = Esquema::nombresColumnas(t);
    auto falla = [&](const QString &detalle) {
        throw ErrorBase(QStringLiteral("La tabla %1 escrita para la entrega no coincide con la base de datos.").arg(archivo), detalle);
    };
    if (leida.campos.size() != columnas.size())
        falla(QStringLiteral("%1 campos en lugar de %2").arg(leida.campos.size()).arg(columnas.size()));
    for (int i = 0; i < columnas.size(); ++i)
        if (leida.campos[i].nombre != columnas[i])
            falla(QStringLiteral("campo %1: %2 en lugar de %3").arg(i + 1).arg(leida.campos[i].nombre, columnas[i]));
    const QList<QVariantList> base = filasDeBase(t);
    if (leida.filas.size() != base.size())
        falla(QStringLiteral("%1 filas en lugar de %2").arg(leida.filas.size()).arg(base.size()));
    for (int f = 0; f < base.size(); ++f)
        for (int c = 0; c < columnas.size(); ++c)
            if (!mismoValor(leida.filas[f][c], base[f][c]))
                falla(QStringLiteral("fila %1, campo %2: %3 en lugar de %4")
                          .arg(f + 1)
                          .arg(columnas[c], muestra(leida.filas[f][c]), muestra(base[f][c])));
}

} // namespace Paradox
