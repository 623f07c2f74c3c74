#pragma once
// Cursor sobre una sentencia SQL: abrir, cerrar, primero, siguiente, anterior, último,
// pruebas de fin y de inicio, campos por nombre o por posición (texto, entero, flotante),
// parámetros con nombre y sentencias que no devuelven filas. Los valores viajan siempre
// como parámetros enlazados, nunca pegados al texto de la sentencia.
#include "platform/ErrorBase.h"
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

class Campo {
public:
    Campo() = default;
    explicit Campo(QVariant v) : m_v(std::move(v)) {}
    QString texto() const;          // vacío para NULL o sin fila
    qint64 entero() const;          // 0 para NULL, sin fila o texto no numérico
    double flotante() const;        // 0 igual que entero()
    bool nulo() const { return m_v.isNull(); }
    const QVariant &valor() const { return m_v; }

private:
    QVariant m_v;
};

class Consulta {
public:
    explicit Consulta(QString sql = {});

    // Sustituye la sentencia (cierra la consulta); los parámetros ya puestos se conservan.
    void ponSql(const QString &sql);
    const QString &sql() const { return m_sql; }

    // Parámetro con nombre (sin los dos puntos); se enlaza si la sentencia lo usa.
    void parametro(const QString &nombre, const QVariant &valor);
    QVariant valorParametro(const QString &nombre) const;
    void limpiaParametros();

    void abre();                    // ejecuta la consulta y se coloca en la primera fila
    void cierra();
    bool activa() const { return m_activa; }
    int ejecuta();                  // sentencia sin filas; devuelve las filas afectadas

    // Atajos: ponSql + sólo estos parámetros + abre / ejecuta.
    void abre(const QString &sql, const QVariantHash &parametros = {});
    int ejecuta(const QString &sql, const QVariantHash &parametros = {});

    void primero();
    void siguiente();
    void anterior();
    void ultimo();
    void mueveA(int fila);          // 0 es la primera
    bool fin() const { return m_fin; }
    bool inicio() const { return m_inicio; }
    bool vacia() const { return m_filas.isEmpty(); }
    int fila() const { return m_pos; }
    int cuenta() const { return int(m_filas.size()); }

    Campo campo(const QString &nombre) const;
    Campo campo(int indice) const;
    int numeroCampos() const { return int(m_columnas.size()); }
    QString nombreCampo(int i) const { return m_columnas.value(i); }
    int indiceCampo(const QString &nombre) const;   // -1 si no existe

    // Los parámetros de una sentencia, en su grafía y sin repetir: dos puntos que no siguen a
    // otros dos puntos ni a una letra, dígito o guion bajo, y un nombre que empieza con letra o
    // guion bajo y sigue con letras, dígitos o guiones bajos (ASCII).
    static QStringList parametrosDe(const QString &sql);

private:
    void prepara(class QSqlQuery &q) const;

    QString m_sql;
    QHash<QString, QVariant> m_parametros;
    QStringList m_columnas;
    QVector<QVector<QVariant>> m_filas;
    int m_pos = 0;
    bool m_fin = true;
    bool m_inicio = true;
    bool m_activa = false;
};
