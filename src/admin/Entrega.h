#pragma once
// Entrega de la solicitud: los archivos de tabla que se llevan a TALVERO, en su orden y con el
// avance de la barra de progreso después de cada uno. Para cada entrega las tablas se escriben
// de nuevo, desde la base abierta, en una carpeta temporal privada; de ahí se copian al destino.
// Sin ventanas: la usan el diálogo W_GenDsk, solicitud-cli entrega y las pruebas.
#include "platform/ErrorBase.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>

namespace Esquema {
struct Tabla;
}

namespace Entrega {

// La convocatoria del crédito educativo: entrega además el aval y los montos.
inline constexpr int kConvocatoriaCredito = 6;
// Avance de la barra antes de copiar el primer archivo.
inline constexpr int kAvanceInicial = 5;

struct Archivo {
    QString nombre;   // como se llama en el destino, p. ej. "cat_municipio.db"
    int avance = 0;   // valor de la barra después de copiarlo
};

// Los archivos que se entregan para la convocatoria, en el orden en que se copian.
QList<Archivo> archivos(int convocatoria);

// Las tablas de la base que forman la entrega, en orden.
QList<const Esquema::Tabla *> tablas(int convocatoria);

// La convocatoria de la solicitud ("Select convocatoria from general"); 0 si no hay.
int convocatoria();

// Archivos de una entrega escritos en una carpeta temporal que se borra con el objeto.
class Preparada {
public:
    // Escribe las tablas de la entrega desde la base abierta y las relee con pxlib para
    // compararlas con la base. Lanza ErrorBase si algo no se puede escribir o no coincide.
    explicit Preparada(int convocatoria);

    int convocatoria() const { return m_convocatoria; }
    const QList<Archivo> &archivos() const { return m_archivos; }
    QString ruta(const Archivo &a) const;
    qint64 bytes() const { return m_bytes; }

    // Bytes que la copia necesita libres en la carpeta destino: lo que crecen los archivos que
    // reemplaza más lugar para el temporal del archivo más grande.
    qint64 bytesNecesarios(const QString &destino) const;

    // Copia los archivos a la carpeta destino en orden, con la copia segura de Volumenes
    // (temporal, a disco, renombre y relectura). Antes de cada archivo, ya revisado el medio, llama
    // a `antesDeCopiar` y tras él a `alCopiar`. Primero quita el recibo (entrega.sha256) de una entrega anterior
    // y al final escribe el nuevo, fuerza todo al medio y relee cada archivo contra el recibo.
    // El medio se identifica antes de empezar y se revisa antes y después de cada archivo: si
    // se retiró o cambió, no se escribe nada más, se quita lo que cayó en el disco de la
    // computadora en su lugar y el mensaje dice que se retiró la memoria. Cualquier otra falla
    // detiene la copia con ErrorBase: se borran los archivos que esta entrega alcanzó a copiar
    // y el mensaje dice que la unidad quedó con una entrega incompleta.
    void copiaA(const QString &destino, const std::function<void(const Archivo &)> &alCopiar = {},
                const std::function<void(const Archivo &)> &antesDeCopiar = {}) const;

private:
    QTemporaryDir m_dir;
    int m_convocatoria = 0;
    QList<Archivo> m_archivos;
    qint64 m_bytes = 0;
    qint64 m_mayor = 0;
};

} // namespace Entrega
