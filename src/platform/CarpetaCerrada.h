#pragma once
// Una carpeta de la que sólo se leen archivos comunes que estén directamente en ella: un enlace,
// una FIFO, un dispositivo o una carpeta en lugar de un archivo se rechazan, y nada se lee de
// más de `maximo` bytes. Lo comprueba el archivo ya abierto (sin seguir enlaces ni esperar a
// una FIFO), así que cambiarlo entre la comprobación y la lectura no sirve de nada.
#include "platform/ErrorBase.h"
#include <QByteArray>
#include <QString>

class CarpetaCerrada {
public:
    // Lanza ErrorBase si `ruta` no es una carpeta que se pueda abrir.
    explicit CarpetaCerrada(const QString &ruta);
    ~CarpetaCerrada();
    CarpetaCerrada(const CarpetaCerrada &) = delete;
    CarpetaCerrada &operator=(const CarpetaCerrada &) = delete;

    enum class Estado { Leido, Falta };
    // Lee entero el archivo `nombre` (sin diagonales) en `datos`. Falta si no existe; lanza
    // ErrorBase, con un mensaje que nombra el archivo, si no es un archivo común, pasa de
    // `maximo` bytes o no se puede leer entero.
    Estado lee(const QString &nombre, qint64 maximo, QByteArray &datos) const;

    const QString &ruta() const { return m_ruta; }

private:
    QString m_ruta;
    int m_fd = -1;
};
