#pragma once
// Recibo de una entrega: `entrega.sha256`, una línea por archivo entregado con su huella SHA-256
// en el formato de sha256sum ("<64 hex>  <nombre>"), de modo que `sha256sum -c entrega.sha256`
// compruebe el medio. Se escribe al final de la entrega: un medio sin él tiene una entrega a
// medias.
#include "platform/ErrorBase.h"
#include <QList>
#include <QString>
#include <QStringList>

namespace Manifiesto {

inline constexpr char16_t kNombre[] = u"entrega.sha256";

struct Linea {
    QString huella;    // 64 cifras hexadecimales en minúsculas
    QString archivo;   // nombre dentro de la carpeta, sin ruta
};

// Huella SHA-256 (hex en minúsculas) del archivo; lanza ErrorBase si no se puede leer entero.
QString huella(const QString &ruta);

// El texto del recibo para los archivos de la carpeta, en el orden dado.
QByteArray texto(const QString &carpeta, const QStringList &archivos);

// Escribe el recibo en la carpeta: temporal al lado, a disco y renombre. Lanza ErrorBase.
void escribe(const QString &carpeta, const QStringList &archivos);

// Lee un recibo. Lanza ErrorBase si falta, no se puede leer o una línea no tiene la forma de
// sha256sum (un nombre con ruta o con saltos de línea tampoco se acepta).
QList<Linea> lee(const QString &ruta);

// Lo mismo sobre el contenido ya leído (`ruta` sólo para los mensajes).
QList<Linea> analiza(const QByteArray &datos, const QString &ruta);

// Huella SHA-256 (hex en minúsculas) de unos bytes.
QString huellaDe(const QByteArray &datos);

// Bytes que puede medir un recibo: el de la entrega más grande mide unos 2 KB.
inline constexpr qint64 kMaximo = 16 * 1024;

} // namespace Manifiesto
