#pragma once
// Recepción de una solicitud en la base de la agencia: la solicitud de la base abierta (la de
// un paquete ya verificado) se revisa y se carga en PostgreSQL en una sola transacción.
// Una vez cada paquete (misma huella): lo cuida la restricción de la base y la inserción con
// ON CONFLICT, así que dos trabajadores (o dos programas) que reciben a la vez nunca dejan dos
// renglones. Cada entrega de un solicitante se guarda; la vigente de su CURP y convocatoria es
// la que la agencia recibió al último (las recepciones de una misma CURP se turnan con un
// candado de la base, así que lo que dice cada renglón es cierto también entre programas).
#include "platform/ErrorBase.h"
#include <QDateTime>
#include <QSqlDatabase>
#include <QString>
#include <optional>

namespace Recepcion {

struct Paquete {
    QString carpeta;
    QString huella;        // SHA-256 hexadecimal del recibo entrega.sha256
    QDateTime entregado;   // hora del archivo del recibo: se guarda, pero no decide nada
};

enum class Resultado {
    Recibida,     // renglón nuevo, el primero de su CURP (o sin CURP)
    Reemplaza,    // renglón nuevo; la entrega que era la vigente de su CURP se conserva
    YaRecibida    // la misma huella ya estaba
};

struct Recibo {
    Resultado resultado = Resultado::Recibida;
    int convocatoria = 0;
    QString nombre, curp;
    int hallazgos = 0;
    bool vigente = true;   // es la última que la agencia recibió de su CURP y convocatoria
    // La otra entrega de la CURP que se nombra: la que ésta deja atrás (Reemplaza) o la
    // vigente (YaRecibida y no vigente). Carpeta de origen y hora en que se recibió.
    QString otraOrigen, otraRecibida;
};

// Revisa la solicitud de la base abierta y la carga. Lanza ErrorBase si la base de la agencia
// rechaza algo; entonces no queda nada de este paquete.
Recibo carga(const Paquete &paquete, QSqlDatabase &destino);

// El paquete de esa huella, si ya se recibió (para no leerlo en balde).
std::optional<Recibo> yaRecibida(QSqlDatabase &destino, const QString &huella);

// Renglón que la orden imprime para el paquete.
QString linea(const QString &carpeta, const Recibo &r);

} // namespace Recepcion
