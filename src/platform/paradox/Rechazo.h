#pragma once
// Lo que la entrega no puede llevar en una columna: un carácter que Windows-1252 no tiene, un
// texto más largo que su campo, un número fuera del entero de 32 bits o una fecha ilegible.
// Lo usan la escritura de las tablas y la revisión, para que ambas digan lo mismo.
#include "platform/Esquema.h"
#include <QString>
#include <QVariant>

namespace Paradox {

// Vacío si el valor se puede entregar en la columna; si no, el motivo en español
// («contiene el carácter «☃», que la entrega no admite»).
QString rechazo(const Esquema::Columna &c, const QVariant &v);

} // namespace Paradox
