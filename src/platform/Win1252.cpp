#include "platform/Win1252.h"

namespace Win1252 {
namespace {
// Caracteres de los bytes 0x80 a 0x9F; 0 donde el byte no tiene carácter.
constexpr char16_t kAltos[32] = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178,
};

int byteDe(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (int i = 0; i < 32; ++i)
        if (kAltos[i] != 0 && kAltos[i] == u)
            return 0x80 + i;
    return -1;
}
} // namespace

bool representable(QChar c)
{
    const int b = byteDe(c);
    return b >= 0x20 || c == u'\n' || c == u'\r' || c == u'\t';
}

QString limpia(const QString &texto)
{
    QString r;
    r.reserve(texto.size());
    for (QChar c : texto)
        if (representable(c))
            r += c;
    return r;
}

QString mayusculas(const QString &texto)
{
    QString r;
    r.reserve(texto.size());
    for (QChar c : texto) {
        const QString u = QString(c).toUpper();
        r += (u.size() == 1 && representable(u.at(0))) ? u.at(0) : c;
    }
    return r;
}

QByteArray codifica(const QString &texto)
{
    QByteArray r;
    r.reserve(texto.size());
    for (QChar c : texto) {
        const int b = byteDe(c);
        r += b < 0 ? '?' : char(b);
    }
    return r;
}

bool definido(unsigned char b) { return b < 0x80 || b >= 0xA0 || kAltos[b - 0x80] != 0; }

QString decodifica(const QByteArray &bytes)
{
    QString r;
    r.reserve(bytes.size());
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b >= 0x80 && b < 0xA0)
            r += kAltos[b - 0x80] ? QChar(kAltos[b - 0x80]) : QChar(u'?');
        else
            r += QChar(b);
    }
    return r;
}
} // namespace Win1252
