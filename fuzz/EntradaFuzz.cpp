#include "EntradaFuzz.h"
#include "platform/Esquema.h"
#include "platform/Manifiesto.h"
#include "platform/paradox/Paradox.h"

#include <QtEndian>

namespace EntradaFuzz {
namespace {

constexpr quint32 kNoVino = 0xFFFFFFFFu;

std::optional<QByteArray> parte(const std::uint8_t *&p, std::size_t &resta)
{
    if (resta < 4)
        return std::nullopt;
    const quint32 largo = qFromLittleEndian<quint32>(p);
    p += 4;
    resta -= 4;
    if (largo == kNoVino)
        return std::nullopt;
    const std::size_t n = std::min<std::size_t>(largo, resta);
    QByteArray r(reinterpret_cast<const char *>(p), qsizetype(n));
    p += n;
    resta -= n;
    return r;
}

void agrega(QByteArray &r, const std::optional<QByteArray> &b)
{
    char largo[4];
    qToLittleEndian<quint32>(b ? quint32(b->size()) : kNoVino, largo);
    r.append(largo, 4);
    if (b)
        r.append(*b);
}

} // namespace

Entrada descompone(const std::uint8_t *datos, std::size_t n)
{
    Entrada e;
    if (n == 0)
        return e;
    e.que = datos[0];
    const std::uint8_t *p = datos + 1;
    std::size_t resta = n - 1;
    e.db = parte(p, resta).value_or(QByteArray());
    e.px = parte(p, resta);
    e.mb = parte(p, resta);
    return e;
}

QByteArray compone(const Entrada &e)
{
    QByteArray r(1, char(e.que));
    agrega(r, e.db);
    agrega(r, e.px);
    agrega(r, e.mb);
    return r;
}

bool lee(const Entrada &e)
{
    try {
        if (e.que == kRecibo) {
            Manifiesto::analiza(e.db, QStringLiteral("entrega.sha256"));
            return true;
        }
        const auto tablas = Esquema::tablas();
        const Esquema::Tabla &t = tablas[e.que % tablas.size()];
        Paradox::Archivos a;
        a.nombreDb = QLatin1String(t.archivo) + QStringLiteral(".db");
        a.db = e.db;
        a.px = e.px ? &*e.px : nullptr;
        a.mb = e.mb ? &*e.mb : nullptr;
        Paradox::leeTabla(t, a);
        return true;
    } catch (const ErrorBase &) {
        return false;
    }
}

} // namespace EntradaFuzz
