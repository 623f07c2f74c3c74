#include "platform/Csv.h"

namespace Csv {

QVector<QStringList> lee(const QString &texto)
{
    QVector<QStringList> filas;
    QStringList fila;
    QString campo;
    bool entreComillas = false;
    bool hayAlgo = false;
    const qsizetype n = texto.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = texto.at(i);
        if (entreComillas) {
            if (c == u'"') {
                if (i + 1 < n && texto.at(i + 1) == u'"') {
                    campo += u'"';
                    ++i;
                } else {
                    entreComillas = false;
                }
            } else {
                campo += c;
            }
            continue;
        }
        if (c == u'"') {
            entreComillas = true;
            hayAlgo = true;
        } else if (c == u',') {
            fila << campo;
            campo.clear();
            hayAlgo = true;
        } else if (c == u'\n' || c == u'\r') {
            if (c == u'\r' && i + 1 < n && texto.at(i + 1) == u'\n')
                ++i;
            if (hayAlgo || !campo.isEmpty()) {
                fila << campo;
                filas << fila;
            }
            fila.clear();
            campo.clear();
            hayAlgo = false;
        } else {
            campo += c;
            hayAlgo = true;
        }
    }
    if (hayAlgo || !campo.isEmpty()) {
        fila << campo;
        filas << fila;
    }
    return filas;
}

QString renglon(const QStringList &campos)
{
    QStringList r;
    for (QString c : campos) {
        if (c.contains(u',') || c.contains(u'"') || c.contains(u'\n') || c.contains(u'\r'))
            c = u'"' + c.replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
        r << c;
    }
    return r.join(u',') + QStringLiteral("\r\n");
}

} // namespace Csv
