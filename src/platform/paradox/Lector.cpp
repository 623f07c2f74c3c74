// Lectura de las tablas de un paquete entregado. Los archivos vienen de fuera (un medio que
// alguien trae a la agencia): pueden estar dañados o hechos a propósito. Por eso no se leen con
// pxlib sino aquí, sólo en la forma exacta en que el programa los escribe, y cada largo,
// desplazamiento y enlace entre bloques se comprueba contra el tamaño del archivo antes de usarlo.
//
// Forma de un .db (y de un .px, con su propio encabezado más corto):
//   0x00 largo del registro · 0x02 largo del encabezado · 0x04 clase de archivo · 0x05 KB por
//   bloque · 0x06 registros · 0x0C bloques · 0x0E primer bloque · 0x10 último · 0x21 campos ·
//   0x23 campos de la llave · 0x39 versión · 0x6A página de códigos · 0x78 (0x58 en el .px)
//   tipo y largo de cada campo · puntero al nombre · punteros a los nombres de los campos (sólo
//   el .db) · nombre de la tabla (261 bytes) · nombres de los campos terminados en 0.
//   Después del encabezado, bloques numerados desde 1: siguiente, anterior y bytes usados menos
//   un registro, y los registros. Los números van en orden de bytes inverso con el bit de signo
//   cambiado; lo del .mb y la cola de los memos, en orden de bytes de Intel.
#include "platform/paradox/Formato.h"
#include "platform/paradox/Paradox.h"
#include "platform/paradox/Rechazo.h"
#include "platform/CarpetaCerrada.h"
#include "platform/Fechas.h"
#include "platform/Win1252.h"

#include <QDate>
#include <QFileInfo>
#include <QtEndian>

#include <cmath>
#include <cstring>
#include <optional>
#include <vector>

namespace Paradox {
namespace {

constexpr int kCampos = 0x78;        // primer campo en el encabezado de un .db
constexpr int kCamposIndice = 0x58;  // en el de un .px
constexpr int kNombreTabla = 261;
constexpr int kVersion = 0x0C;
constexpr int kPaginaCodigos = 1252;
constexpr int kClaseConLlave = 0, kClaseIndice = 1, kClaseSinLlave = 2;

// Error de forma: el archivo no es lo que el programa escribe.
[[noreturn]] void ajeno(const QString &archivo, const QString &detalle)
{
    throw ErrorBase(QStringLiteral("El archivo %1 del paquete no es una tabla de esta versión del programa: %2.").arg(archivo, detalle));
}

// Un dato que la entrega no admite, en una tabla bien formada.
[[noreturn]] void datoMalo(const QString &archivo, int fila, const char *columna, const QString &motivo)
{
    throw ErrorBase(QStringLiteral("La tabla %1 del paquete trae en la fila %2, columna %3, un dato que no se puede recibir: %4.")
                        .arg(archivo)
                        .arg(fila)
                        .arg(QLatin1String(columna), motivo));
}

// Los bytes de un archivo, cada acceso comprobado contra su tamaño.
class Bytes {
public:
    Bytes(const QByteArray &b, QString nombre) : m_b(b), m_nombre(std::move(nombre)) {}
    const QString &nombre() const { return m_nombre; }
    qint64 tamano() const { return m_b.size(); }
    const unsigned char *en(qint64 pos, qint64 largo) const
    {
        if (pos < 0 || largo < 0 || pos > m_b.size() || largo > m_b.size() - pos)
            ajeno(m_nombre, QStringLiteral("está cortado (se buscaron %1 bytes en la posición %2 de %3)").arg(largo).arg(pos).arg(m_b.size()));
        return reinterpret_cast<const unsigned char *>(m_b.constData()) + pos;
    }
    quint8 u8(qint64 pos) const { return *en(pos, 1); }
    quint16 u16(qint64 pos) const { return qFromLittleEndian<quint16>(en(pos, 2)); }
    qint16 i16(qint64 pos) const { return qFromLittleEndian<qint16>(en(pos, 2)); }
    quint32 u32(qint64 pos) const { return qFromLittleEndian<quint32>(en(pos, 4)); }

private:
    const QByteArray &m_b;
    QString m_nombre;
};

struct Encabezado {
    int tamanoEncabezado = 0;
    int bloques = 0;
    int primero = 0, ultimo = 0;
    qint64 registros = 0;
    QString nombreTabla;
};

template <typename T>
void exige(const Bytes &b, const char *que, T leido, T esperado)
{
    if (leido != esperado)
        ajeno(b.nombre(), QStringLiteral("%1 %2 en lugar de %3").arg(QLatin1String(que)).arg(leido).arg(esperado));
}

QString nombreTipo(int tipo)
{
    switch (tipo) {
    case kTipoAlfa: return QStringLiteral("texto");
    case kTipoFecha: return QStringLiteral("fecha");
    case kTipoEntero: return QStringLiteral("entero");
    case kTipoNumero: return QStringLiteral("número");
    case kTipoMemo: return QStringLiteral("memo");
    }
    return QStringLiteral("tipo %1").arg(tipo);
}

// Comprueba el encabezado común del .db y del .px; los campos son los primeros `cuantos` de `f`.
Encabezado leeEncabezado(const Bytes &b, const Formato &f, int clase, int tamRegistro, int kb, int cuantos)
{
    const bool indice = clase == kClaseIndice;
    const int inicioCampos = indice ? kCamposIndice : kCampos;
    if (b.tamano() < inicioCampos)
        ajeno(b.nombre(), QStringLiteral("mide %1 bytes, menos que un encabezado").arg(b.tamano()));
    Encabezado e;
    exige(b, "registros de", int(b.u16(0x00)), tamRegistro);
    exige(b, "clase de archivo", int(b.u8(0x04)), clase);
    exige(b, "bloques de KB:", int(b.u8(0x05)), kb);
    exige(b, "campos:", int(b.u16(0x21)), cuantos);
    exige(b, "campos de la llave:", int(b.u16(0x23)), indice ? 0 : f.camposLlave);
    exige(b, "versión", int(b.u8(0x39)), kVersion);
    if (!indice)
        exige(b, "página de códigos", int(b.u16(0x6A)), kPaginaCodigos);
    e.tamanoEncabezado = b.u16(0x02);
    e.registros = b.u32(0x06);
    e.bloques = b.u16(0x0C);
    e.primero = b.u16(0x0E);
    e.ultimo = b.u16(0x10);
    if (e.tamanoEncabezado == 0 || e.tamanoEncabezado % 2048 != 0)
        ajeno(b.nombre(), QStringLiteral("encabezado de %1 bytes").arg(e.tamanoEncabezado));
    const qint64 bytesBloque = qint64(kb) * 1024;
    if (b.tamano() != e.tamanoEncabezado + e.bloques * bytesBloque)
        ajeno(b.nombre(), QStringLiteral("mide %1 bytes y sus %2 bloques piden %3")
                              .arg(b.tamano())
                              .arg(e.bloques)
                              .arg(e.tamanoEncabezado + e.bloques * bytesBloque));
    // Tipo y largo de cada campo.
    b.en(inicioCampos, 2 * qint64(cuantos) + 4 + (indice ? 0 : 4 * qint64(cuantos)) + kNombreTabla);
    if (inicioCampos + 2 * qint64(cuantos) + 4 + (indice ? 0 : 4 * qint64(cuantos)) + kNombreTabla > e.tamanoEncabezado)
        ajeno(b.nombre(), QStringLiteral("los campos no caben en el encabezado"));
    for (int i = 0; i < cuantos; ++i) {
        const int tipo = b.u8(inicioCampos + 2 * i), largo = b.u8(inicioCampos + 2 * i + 1);
        const Definicion &d = f.campos[i];
        if (tipo != d.tipo || largo != d.longitud)
            ajeno(b.nombre(), QStringLiteral("la columna %1 es de %2 de %3 bytes en lugar de %4 de %5")
                                  .arg(i + 1)
                                  .arg(nombreTipo(tipo))
                                  .arg(largo)
                                  .arg(nombreTipo(d.tipo))
                                  .arg(d.longitud));
    }
    qint64 pos = inicioCampos + 2 * qint64(cuantos) + 4 + (indice ? 0 : 4 * qint64(cuantos));
    const auto *nombre = b.en(pos, kNombreTabla);
    e.nombreTabla = QString::fromLatin1(reinterpret_cast<const char *>(nombre), qstrnlen(reinterpret_cast<const char *>(nombre), kNombreTabla));
    pos += kNombreTabla;
    if (indice)
        return e;
    // Los nombres de los campos, terminados en 0, dentro del encabezado.
    for (int i = 0; i < cuantos; ++i) {
        const qint64 resto = e.tamanoEncabezado - pos;
        const auto *p = reinterpret_cast<const char *>(b.en(pos, resto));
        const auto largo = qstrnlen(p, size_t(resto));
        if (qint64(largo) == resto)
            ajeno(b.nombre(), QStringLiteral("los nombres de los campos no caben en el encabezado"));
        const QByteArray n(p, qsizetype(largo));
        if (n.compare(f.campos[i].nombre, Qt::CaseInsensitive) != 0)
            ajeno(b.nombre(), QStringLiteral("la columna %1 se llama «%2» en lugar de %3")
                                  .arg(i + 1)
                                  .arg(QString::fromLatin1(n).left(40), QString::fromLatin1(f.campos[i].nombre)));
        pos += qint64(largo) + 1;
    }
    return e;
}

struct Bloque {
    int numero = 0;
    int registros = 0;
    qint64 datos = 0;   // posición del primer registro
};

// Recorre la cadena de bloques desde el primero: cada enlace dentro del archivo, sin vueltas, y
// con exactamente los registros que dice el encabezado.
QList<Bloque> cadena(const Bytes &b, const Encabezado &e, int tamRegistro, int kb)
{
    const qint64 bytesBloque = qint64(kb) * 1024;
    QList<Bloque> r;
    if (e.registros == 0 && e.bloques == 0)
        return r;
    std::vector<bool> visto(size_t(e.bloques) + 1, false);
    qint64 total = 0;
    int anterior = 0;
    for (int n = e.primero; n != 0;) {
        if (n < 1 || n > e.bloques)
            ajeno(b.nombre(), QStringLiteral("el bloque %1 no está en el archivo, que tiene %2").arg(n).arg(e.bloques));
        if (visto[size_t(n)])
            ajeno(b.nombre(), QStringLiteral("la cadena de bloques vuelve al bloque %1").arg(n));
        visto[size_t(n)] = true;
        const qint64 pos = e.tamanoEncabezado + (n - 1) * bytesBloque;
        const int siguiente = b.u16(pos), previo = b.u16(pos + 2), usados = b.i16(pos + 4);
        if (previo != anterior)
            ajeno(b.nombre(), QStringLiteral("el bloque %1 dice venir del %2 y no del %3").arg(n).arg(previo).arg(anterior));
        if (usados < 0 || usados % tamRegistro != 0 || kEncabezadoBloque + usados + tamRegistro > bytesBloque)
            ajeno(b.nombre(), QStringLiteral("el bloque %1 dice usar %2 bytes").arg(n).arg(usados + tamRegistro));
        const int registros = usados / tamRegistro + 1;
        total += registros;
        if (total > e.registros)
            ajeno(b.nombre(), QStringLiteral("sus bloques tienen más registros que los %1 del encabezado").arg(e.registros));
        r << Bloque{n, registros, pos + kEncabezadoBloque};
        anterior = n;
        n = siguiente;
    }
    if (total != e.registros)
        ajeno(b.nombre(), QStringLiteral("sus bloques tienen %1 registros y el encabezado dice %2").arg(total).arg(e.registros));
    if (r.size() != e.bloques || (!r.isEmpty() && e.ultimo != r.constLast().numero))
        ajeno(b.nombre(), QStringLiteral("la cadena de bloques no recorre los %1 bloques del archivo").arg(e.bloques));
    return r;
}

// Número en orden de bytes inverso con el bit de signo cambiado.
quint64 grande(const unsigned char *p, int n)
{
    quint64 v = 0;
    for (int i = 0; i < n; ++i)
        v = (v << 8) | p[i];
    return v;
}

bool enBlanco(const unsigned char *p, int n)
{
    for (int i = 0; i < n; ++i)
        if (p[i] != 0)
            return false;
    return true;
}

qint64 diaMaximo()
{
    static const qint64 d = diaParadox(9999, 12, 31);
    return d;
}

// El texto de un campo alfanumérico o de un memo; vacío si trae un byte sin carácter.
bool texto(const unsigned char *p, qint64 n, QString &r)
{
    for (qint64 i = 0; i < n; ++i)
        if (!Win1252::definido(p[i]))
            return false;
    r = Win1252::decodifica(QByteArray(reinterpret_cast<const char *>(p), qsizetype(n)));
    return true;
}

class LectorValores {
public:
    LectorValores(const Esquema::Tabla &t, const Formato &f, const Bytes &db, const Bytes *mb)
        : m_t(t), m_f(f), m_db(db), m_mb(mb) {}

    QVariant lee(qint64 pos, int campo, int fila) const
    {
        const Definicion &d = m_f.campos[campo];
        const unsigned char *p = m_db.en(pos, d.longitud);
        const char *columna = d.nombre.constData();
        switch (d.tipo) {
        case kTipoAlfa: {
            const auto largo = qint64(qstrnlen(reinterpret_cast<const char *>(p), size_t(d.longitud)));
            if (!enBlanco(p + largo, int(d.longitud - largo)))
                datoMalo(m_db.nombre(), fila, columna, QStringLiteral("hay bytes después del fin del texto"));
            if (largo == 0)
                return {};
            QString s;
            if (!texto(p, largo, s))
                datoMalo(m_db.nombre(), fila, columna, QStringLiteral("un byte que Windows-1252 no define"));
            return valida(s, campo, fila);
        }
        case kTipoEntero:
        case kTipoFecha: {
            if (enBlanco(p, 4))
                return {};
            const auto n = qint32(quint32(grande(p, 4)) ^ 0x80000000u);
            if (d.tipo == kTipoEntero)
                return valida(qint64(n), campo, fila);
            if (n < 1 || n > diaMaximo())
                datoMalo(m_db.nombre(), fila, columna, QStringLiteral("la fecha está fuera del calendario"));
            return Fechas::escribe(QDate::fromJulianDay(QDate(1, 1, 1).toJulianDay() + n - 1));
        }
        case kTipoNumero: {
            if (enBlanco(p, 8))
                return {};
            quint64 bits = grande(p, 8);
            bits = (bits & (quint64(1) << 63)) ? bits ^ (quint64(1) << 63) : ~bits;
            double x = 0;
            std::memcpy(&x, &bits, sizeof x);
            return valida(x, campo, fila);
        }
        case kTipoMemo:
            return memo(p, d, campo, fila);
        }
        ajeno(m_db.nombre(), QStringLiteral("tipo de campo %1").arg(d.tipo));
    }

private:
    QVariant valida(const QVariant &v, int campo, int fila) const
    {
        const QString motivo = rechazo(m_t.columnas[size_t(campo)], v);
        if (!motivo.isEmpty())
            datoMalo(m_db.nombre(), fila, m_f.campos[campo].nombre.constData(), motivo);
        return v;
    }

    QVariant memo(const unsigned char *p, const Definicion &d, int campo, int fila) const
    {
        const char *columna = d.nombre.constData();
        const int lider = d.longitud - kColaMemo;
        const unsigned char *cola = p + lider;
        const quint32 posicion = qFromLittleEndian<quint32>(cola);
        const quint32 largo = qFromLittleEndian<quint32>(cola + 4);
        const quint16 modificacion = qFromLittleEndian<quint16>(cola + 8);
        if (largo == 0) {
            if (!enBlanco(p, d.longitud))
                datoMalo(m_db.nombre(), fila, columna, QStringLiteral("un memo vacío con datos"));
            return {};
        }
        QString s;
        if (largo <= quint32(lider)) {
            // Cabe en el registro: no hay nada en el .mb.
            if (posicion != 0 || modificacion != 0 || !enBlanco(p + largo, int(lider - largo)))
                datoMalo(m_db.nombre(), fila, columna, QStringLiteral("un memo corto mal formado"));
            if (!texto(p, largo, s))
                datoMalo(m_db.nombre(), fila, columna, QStringLiteral("un byte que Windows-1252 no define"));
            return valida(s, campo, fila);
        }
        if (!m_mb)
            ajeno(m_db.nombre(), QStringLiteral("un memo de la fila %1 está en el archivo de memos, que no vino").arg(fila));
        // Sólo bloques propios (el programa no escribe memos repartidos en bloques compartidos).
        const qint64 bloque = posicion & ~quint32(0xFF);
        if ((posicion & 0xFF) != 0xFF || bloque < kBloqueMemos || bloque % kBloqueMemos != 0 || bloque >= m_mb->tamano())
            ajeno(m_mb->nombre(), QStringLiteral("el memo de la fila %1 apunta a la posición %2").arg(fila).arg(posicion));
        const int bloques = m_mb->u16(bloque + 1);
        if (m_mb->u8(bloque) != 2 || m_mb->u32(bloque + 3) != largo || m_mb->u16(bloque + 7) != modificacion ||
            qint64(bloques) * kBloqueMemos < qint64(largo) + 9 || bloque + qint64(bloques) * kBloqueMemos > m_mb->tamano())
            ajeno(m_mb->nombre(), QStringLiteral("el bloque del memo de la fila %1 no corresponde a su registro").arg(fila));
        const unsigned char *datos = m_mb->en(bloque + 9, largo);
        if (std::memcmp(datos, p, size_t(lider)) != 0)
            ajeno(m_mb->nombre(), QStringLiteral("el memo de la fila %1 no empieza como su registro").arg(fila));
        if (!texto(datos, largo, s))
            datoMalo(m_db.nombre(), fila, columna, QStringLiteral("un byte que Windows-1252 no define"));
        return valida(s, campo, fila);
    }

    const Esquema::Tabla &m_t;
    const Formato &m_f;
    const Bytes &m_db;
    const Bytes *m_mb;
};

// Orden de llave estricto: dos registros con la misma llave no se pueden cargar.
bool antes(const QVariantList &a, const QVariantList &b, int llave)
{
    for (int i = 0; i < llave; ++i) {
        const QPartialOrdering o = QVariant::compare(a[i], b[i]);
        if (o == QPartialOrdering::Less)
            return true;
        if (o != QPartialOrdering::Equivalent)
            return false;
    }
    return false;
}

// El índice primario: sus entradas de primer nivel deben nombrar, en orden, cada bloque de
// datos con su primera llave y sus registros; las de segundo nivel (si las hay), cubrir todos.
QList<TablaLeida::Entrada> leeIndice(const Esquema::Tabla &t, const Formato &f, const Bytes &px, const QList<Bloque> &datos,
                                     const TablaLeida &tabla)
{
    const Encabezado e = leeEncabezado(px, f, kClaseIndice, f.tamanoEntradaIndice, f.kbBloqueIndice, f.camposLlave);
    const QList<Bloque> bloques = cadena(px, e, f.tamanoEntradaIndice, f.kbBloqueIndice);
    LectorValores valores(t, f, px, nullptr);
    QList<TablaLeida::Entrada> todas;
    for (const Bloque &b : bloques)
        for (int i = 0; i < b.registros; ++i) {
            const qint64 pos = b.datos + qint64(i) * f.tamanoEntradaIndice;
            const qint64 cola = pos + f.tamanoEntradaIndice - 6;
            const auto *c = px.en(cola, 6);
            todas << TablaLeida::Entrada{valores.lee(pos, 0, int(todas.size()) + 1), int(grande(c, 2) ^ 0x8000u),
                                         int(grande(c + 2, 2) ^ 0x8000u)};
        }
    if (todas.size() < datos.size())
        ajeno(px.nombre(), QStringLiteral("nombra %1 bloques de datos de los %2").arg(todas.size()).arg(datos.size()));
    const qsizetype segundoNivel = todas.size() - datos.size();
    if (segundoNivel > 0) {
        qint64 suma = 0;
        for (qsizetype i = 0; i < segundoNivel; ++i)
            suma += todas[i].registros;
        if (suma != tabla.filas.size())
            ajeno(px.nombre(), QStringLiteral("su segundo nivel cubre %1 registros de %2").arg(suma).arg(tabla.filas.size()));
    }
    QList<TablaLeida::Entrada> r = todas.mid(segundoNivel);
    int fila = 0;
    for (qsizetype i = 0; i < r.size(); ++i) {
        const TablaLeida::Entrada &x = r[i];
        if (x.bloque != datos[i].numero || x.registros != datos[i].registros || !(x.llave == tabla.filas[fila][0]))
            ajeno(px.nombre(), QStringLiteral("su entrada %1 no corresponde al bloque de datos %2").arg(i + 1).arg(datos[i].numero));
        fila += x.registros;
    }
    return r;
}

} // namespace

TablaLeida leeTabla(const Esquema::Tabla &t, const Archivos &a)
{
    const Formato f = formatoDe(t);
    const Bytes db(a.db, a.nombreDb);
    const QString base = QFileInfo(a.nombreDb).completeBaseName();
    if (f.camposLlave > 0 && !a.px)
        ajeno(a.nombreDb, QStringLiteral("falta su índice primario %1.px").arg(base));
    const Encabezado e = leeEncabezado(db, f, f.camposLlave > 0 ? kClaseConLlave : kClaseSinLlave, f.tamanoRegistro, f.kbBloque,
                                       int(f.campos.size()));
    const QList<Bloque> bloques = cadena(db, e, f.tamanoRegistro, f.kbBloque);
    std::optional<Bytes> mb;
    if (f.conMemos && a.mb)
        mb.emplace(*a.mb, base + QStringLiteral(".mb"));

    TablaLeida r;
    r.nombreTabla = e.nombreTabla;
    for (const Definicion &d : f.campos)
        r.campos << Campo{QString::fromLatin1(d.nombre), d.tipo, d.longitud};
    r.camposLlave = f.camposLlave;
    r.tamanoRegistro = f.tamanoRegistro;
    r.tamanoBloque = f.kbBloque * 1024;
    r.paginaCodigos = kPaginaCodigos;
    r.filas.reserve(qsizetype(e.registros));
    const LectorValores valores(t, f, db, mb ? &*mb : nullptr);
    for (const Bloque &b : bloques)
        for (int i = 0; i < b.registros; ++i) {
            const int fila = int(r.filas.size()) + 1;
            qint64 pos = b.datos + qint64(i) * f.tamanoRegistro;
            QVariantList valoresFila;
            valoresFila.reserve(f.campos.size());
            for (int c = 0; c < f.campos.size(); ++c) {
                valoresFila << valores.lee(pos, c, fila);
                pos += f.campos[c].longitud;
            }
            if (f.camposLlave > 0) {
                for (int c = 0; c < f.camposLlave; ++c)
                    if (valoresFila[c].isNull())
                        datoMalo(a.nombreDb, fila, f.campos[c].nombre.constData(), QStringLiteral("la llave está en blanco"));
                if (!r.filas.isEmpty() && !antes(r.filas.constLast(), valoresFila, f.camposLlave))
                    datoMalo(a.nombreDb, fila, f.campos[0].nombre.constData(), QStringLiteral("la llave se repite o no va en orden"));
            }
            r.filas << std::move(valoresFila);
        }
    if (f.camposLlave > 0) {
        r.indice = leeIndice(t, f, Bytes(*a.px, base + QStringLiteral(".px")), bloques, r);
        r.conIndice = true;
    }
    return r;
}

TablaLeida leeTabla(const QString &archivoDb)
{
    const QFileInfo info(archivoDb);
    const QString base = info.completeBaseName();
    const Esquema::Tabla *t = nullptr;
    for (const Esquema::Tabla &x : Esquema::tablas())
        if (base.compare(QLatin1String(x.archivo), Qt::CaseInsensitive) == 0)
            t = &x;
    if (!t)
        ajeno(info.fileName(), QStringLiteral("ninguna tabla se llama así"));
    const CarpetaCerrada carpeta(info.path());
    Archivos a;
    a.nombreDb = info.fileName();
    if (carpeta.lee(info.fileName(), kMaximoArchivoTabla, a.db) == CarpetaCerrada::Estado::Falta)
        throw ErrorBase(QStringLiteral("Falta el archivo %1.").arg(info.fileName()));
    QByteArray px, mb;
    // Los compañeros se buscan con el nombre del .db y la extensión en minúsculas, como se escriben.
    if (carpeta.lee(base + QStringLiteral(".px"), kMaximoArchivoTabla, px) == CarpetaCerrada::Estado::Leido)
        a.px = &px;
    if (carpeta.lee(base + QStringLiteral(".mb"), kMaximoArchivoTabla, mb) == CarpetaCerrada::Estado::Leido)
        a.mb = &mb;
    return leeTabla(*t, a);
}

} // namespace Paradox
