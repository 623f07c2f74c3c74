#pragma once
// Recepción de una solicitud en la base de la agencia: la solicitud de la base abierta (la de
// un paquete ya verificado) se revisa y se carga en PostgreSQL en una sola transacción.
// Una vez cada paquete (misma huella) y una solicitud por CURP y convocatoria: lo cuidan las
// restricciones de la base y las inserciones con ON CONFLICT, así que dos trabajadores (o dos
// programas) que reciben a la vez nunca dejan dos renglones.
#include "platform/ErrorBase.h"
#include <QDateTime>
#include <QSqlDatabase>
#include <QString>
#include <optional>

namespace Recepcion {

struct Paquete {
    QString carpeta;
    QString huella;        // SHA-256 hexadecimal del recibo entrega.sha256
    QDateTime entregado;   // hora del recibo: la más reciente de una CURP es la que se queda
};

enum class Resultado {
    Recibida,        // renglón nuevo
    Reemplaza,       // sustituyó la entrega anterior de la misma CURP y convocatoria
    YaRecibida,      // la misma huella ya estaba
    HayMasReciente   // ya hay una entrega más reciente de la misma CURP: ésta no se carga
};

struct Recibo {
    Resultado resultado = Resultado::Recibida;
    int convocatoria = 0;
    QString nombre, curp;
    int hallazgos = 0;
};

// Revisa la solicitud de la base abierta y la carga. Lanza ErrorBase si la base de la agencia
// rechaza algo; entonces no queda nada de este paquete.
Recibo carga(const Paquete &paquete, QSqlDatabase &destino);

// El paquete de esa huella, si ya se recibió (para no leerlo en balde).
std::optional<Recibo> yaRecibida(QSqlDatabase &destino, const QString &huella);

// Renglón que la orden imprime para el paquete.
QString linea(const QString &carpeta, const Recibo &r);

} // namespace Recepcion
