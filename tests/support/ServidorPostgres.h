#pragma once
// Servidor PostgreSQL propio de una prueba o de una medición: initdb en una carpeta temporal y
// pg_ctl con el socket Unix en esa misma carpeta, sin escuchar por TCP. Como root corre con el
// usuario del sistema `postgres` (initdb se niega a correr como root). Se detiene y se borra
// al destruirse, también cuando la prueba falla.
#include <QString>
#include <QTemporaryDir>

class ServidorPostgres {
public:
    // `rapido`: sin fsync (para pruebas; las mediciones usan el servidor como viene).
    explicit ServidorPostgres(bool rapido = true);
    ~ServidorPostgres();
    ServidorPostgres(const ServidorPostgres &) = delete;
    ServidorPostgres &operator=(const ServidorPostgres &) = delete;

    // Vacío si arrancó; si no, qué falló (con la bitácora del servidor).
    const QString &error() const { return m_error; }
    bool listo() const { return m_error.isEmpty(); }

    // Crea una base vacía con un nombre nuevo y devuelve su URI postgresql://...?host=socket.
    QString baseNueva();
    // URI de una base (existente o no) de este servidor.
    QString uri(const QString &base) const;

private:
    bool corre(const QString &programa, const QStringList &argumentos, int espera = 120000);
    void detiene();
    void vigila();

    QTemporaryDir m_dir;
    QString m_bin;
    QString m_error;
    bool m_arrancado = false;
    int m_bases = 0;
};
