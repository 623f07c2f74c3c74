#include "platform/Consulta.h"
#include "platform/Base.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

QString Campo::texto() const
{
    if (m_v.isNull())
        return {};
    if (m_v.typeId() == QMetaType::Double)
        return QString::number(m_v.toDouble(), 'g', 15);
    return m_v.toString();
}

qint64 Campo::entero() const
{
    if (m_v.isNull())
        return 0;
    if (m_v.typeId() == QMetaType::Double)
        return qint64(m_v.toDouble());
    bool ok = false;
    const qint64 n = m_v.toLongLong(&ok);
    if (ok)
        return n;
    const double d = m_v.toString().trimmed().toDouble(&ok);
    return ok ? qint64(d) : 0;
}

double Campo::flotante() const
{
    if (m_v.isNull())
        return 0.0;
    bool ok = false;
    const double d = m_v.toDouble(&ok);
    return ok ? d : 0.0;
}

Consulta::Consulta(QString sql) : m_sql(std::move(sql)) {}

void Consulta::ponSql(const QString &sql)
{
    cierra();
    m_sql = sql;
}

void Consulta::parametro(const QString &nombre, const QVariant &valor) { m_parametros.insert(nombre.toLower(), valor); }

QVariant Consulta::valorParametro(const QString &nombre) const { return m_parametros.value(nombre.toLower()); }

void Consulta::limpiaParametros() { m_parametros.clear(); }

void Consulta::prepara(QSqlQuery &q) const
{
    if (!q.prepare(m_sql)) {
        const QSqlError e = q.lastError();
        throw Base::errorDelMotor(e, m_sql);
    }
    // Enlaza cada :nombre que aparezca en la sentencia con la grafía exacta de ésta.
    for (const QString &nombre : parametrosDe(m_sql)) {
        const auto p = m_parametros.constFind(nombre.toLower());
        q.bindValue(QLatin1Char(':') + nombre, p == m_parametros.cend() ? QVariant() : *p);
    }
}

QStringList Consulta::parametrosDe(const QString &sql)
{
    const auto letra = [](QChar c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'_'; };
    const auto dePalabra = [&](QChar c) { return letra(c) || (c >= u'0' && c <= u'9'); };
    QStringList nombres;
    const qsizetype n = sql.size();
    for (qsizetype i = 0; i + 1 < n; ++i) {
        if (sql[i] != u':' || !letra(sql[i + 1]) || (i > 0 && (sql[i - 1] == u':' || dePalabra(sql[i - 1]))))
            continue;
        qsizetype fin = i + 2;
        while (fin < n && dePalabra(sql[fin]))
            ++fin;
        const QString nombre = sql.mid(i + 1, fin - i - 1);
        if (!nombres.contains(nombre))
            nombres << nombre;
        i = fin - 1;
    }
    return nombres;
}

void Consulta::abre()
{
    cierra();
    QSqlQuery q(Base::conexion());
    q.setForwardOnly(true);
    prepara(q);
    if (!q.exec()) {
        const QSqlError e = q.lastError();
        throw Base::errorDelMotor(e, m_sql);
    }
    const QSqlRecord reg = q.record();
    const int n = reg.count();
    for (int i = 0; i < n; ++i)
        m_columnas << reg.fieldName(i);
    while (q.next()) {
        QVector<QVariant> fila(n);
        for (int i = 0; i < n; ++i)
            fila[i] = q.value(i);
        m_filas.push_back(std::move(fila));
    }
    // next() también termina cuando el motor falla a media lectura (una página dañada): el
    // resultado parcial nunca llega a quien lo pidió.
    if (q.lastError().isValid()) {
        const QSqlError e = q.lastError();
        m_columnas.clear();
        m_filas.clear();
        throw Base::errorDelMotor(e, m_sql);
    }
    m_activa = true;
    primero();
}

void Consulta::abre(const QString &sql, const QVariantHash &parametros)
{
    ponSql(sql);
    limpiaParametros();
    for (auto it = parametros.cbegin(); it != parametros.cend(); ++it)
        parametro(it.key(), it.value());
    abre();
}

void Consulta::cierra()
{
    m_columnas.clear();
    m_filas.clear();
    m_pos = 0;
    m_fin = m_inicio = true;
    m_activa = false;
}

int Consulta::ejecuta()
{
    cierra();
    QSqlQuery q(Base::conexion());
    prepara(q);
    if (!q.exec()) {
        const QSqlError e = q.lastError();
        throw Base::errorDelMotor(e, m_sql);
    }
    return q.numRowsAffected();
}

int Consulta::ejecuta(const QString &sql, const QVariantHash &parametros)
{
    ponSql(sql);
    limpiaParametros();
    for (auto it = parametros.cbegin(); it != parametros.cend(); ++it)
        parametro(it.key(), it.value());
    return ejecuta();
}

void Consulta::primero()
{
    m_pos = 0;
    m_inicio = true;
    m_fin = m_filas.isEmpty();
}

void Consulta::ultimo()
{
    m_pos = m_filas.isEmpty() ? 0 : int(m_filas.size()) - 1;
    m_fin = true;
    m_inicio = m_filas.isEmpty();
}

void Consulta::siguiente()
{
    m_inicio = false;
    if (m_pos + 1 < m_filas.size())
        ++m_pos;
    else
        m_fin = true;
}

void Consulta::anterior()
{
    m_fin = false;
    if (m_pos > 0)
        --m_pos;
    else
        m_inicio = true;
    if (m_filas.isEmpty())
        m_fin = true;
}

void Consulta::mueveA(int fila)
{
    primero();
    for (int i = 0; i < fila && !m_fin; ++i)
        siguiente();
}

int Consulta::indiceCampo(const QString &nombre) const
{
    for (int i = 0; i < m_columnas.size(); ++i)
        if (m_columnas.at(i).compare(nombre, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

Campo Consulta::campo(int indice) const
{
    if (m_filas.isEmpty() || indice < 0 || indice >= m_columnas.size())
        return Campo();
    return Campo(m_filas.at(m_pos).at(indice));
}

Campo Consulta::campo(const QString &nombre) const { return campo(indiceCampo(nombre)); }
