#include "platform/paradox/Formato.h"
#include "platform/paradox/Paradox.h"

#include <QDate>

namespace Paradox {
namespace {

constexpr int kRegistroMaximo4K = 1350;   // por cada 4 KB de bloque, con tres registros por bloque

QString nombreArchivo(const Esquema::Tabla &t) { return QString::fromLatin1(t.archivo); }

QList<Definicion> definiciones(const Esquema::Tabla &t)
{
    QList<Definicion> r;
    for (const Esquema::Columna &c : t.columnas) {
        Definicion d{QByteArray(c.nombre), c.clase, 0, 0};
        switch (c.clase) {
        case Esquema::Clase::Entero: d.tipo = kTipoEntero; d.longitud = 4; break;
        case Esquema::Clase::Real: d.tipo = kTipoNumero; d.longitud = 8; break;
        case Esquema::Clase::Fecha: d.tipo = kTipoFecha; d.longitud = 4; break;
        case Esquema::Clase::Memo: d.tipo = kTipoMemo; d.longitud = kLiderMemo + kColaMemo; break;
        case Esquema::Clase::Texto:
            d.tipo = kTipoAlfa;
            d.longitud = c.longitud;
            if (c.longitud < 1 || c.longitud > 255)
                throw ErrorBase(QStringLiteral("La columna %1 de la tabla %2 no se puede entregar: un texto de la "
                                               "entrega admite de 1 a 255 caracteres.")
                                    .arg(QLatin1String(c.nombre), nombreArchivo(t)));
            break;
        }
        if (d.nombre.size() > 25)
            throw ErrorBase(QStringLiteral("El nombre de la columna %1 de la tabla %2 es demasiado largo para la entrega.")
                                .arg(QLatin1String(c.nombre), nombreArchivo(t)));
        r << d;
    }
    return r;
}

int columnasLlave(const Esquema::Tabla &t)
{
    const QStringList llave = QString::fromLatin1(t.clavePrimaria).split(u',', Qt::SkipEmptyParts);
    if (llave.isEmpty() || llave.size() > int(t.columnas.size()))
        return 0;
    for (int i = 0; i < llave.size(); ++i) {
        const Esquema::Columna &c = t.columnas[size_t(i)];
        if (llave[i].trimmed().compare(QLatin1String(c.nombre), Qt::CaseInsensitive) != 0 || c.clase == Esquema::Clase::Memo)
            return 0;
    }
    return int(llave.size());
}

int bloqueKb(int tamRegistro, const Esquema::Tabla &t)
{
    for (int kb : {4, 16, 32})
        if (tamRegistro <= kRegistroMaximo4K * kb / 4)
            return kb;
    throw ErrorBase(QStringLiteral("Los registros de la tabla %1 son demasiado grandes para la entrega.").arg(nombreArchivo(t)));
}

} // namespace

qint32 diaParadox(int anio, int mes, int dia)
{
    return qint32(QDate(anio, mes, dia).toJulianDay() - QDate(1, 1, 1).toJulianDay() + 1);
}

Formato formatoDe(const Esquema::Tabla &t)
{
    Formato f;
    f.campos = definiciones(t);
    f.camposLlave = columnasLlave(t);
    for (const Definicion &d : std::as_const(f.campos)) {
        f.tamanoRegistro += d.longitud;
        f.conMemos = f.conMemos || d.clase == Esquema::Clase::Memo;
    }
    f.kbBloque = bloqueKb(f.tamanoRegistro, t);
    if (f.camposLlave > 0) {
        f.tamanoEntradaIndice = 6;   // número de bloque, registros y un campo en blanco
        for (int i = 0; i < f.camposLlave; ++i)
            f.tamanoEntradaIndice += f.campos[i].longitud;
        f.kbBloqueIndice = f.tamanoEntradaIndice * 3 <= 2048 - kEncabezadoBloque ? 2 : 4;
    }
    return f;
}

} // namespace Paradox
