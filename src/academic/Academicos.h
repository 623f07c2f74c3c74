#pragma once
// Utilidades comunes de las ventanas académicas.
#include <QString>
#include <optional>

class Consulta;
class QComboBox;

namespace Academicos {

// Número entero escrito en un campo (recortado); nullopt si está vacío o no es un número.
std::optional<qint64> entero(const QString &texto);

// Llena la lista desde la consulta (columna 1) y guarda en cada elemento la clave de su fila
// (columna 0), de modo que la clave elegida no dependa de que otra ventana mueva la consulta
// compartida.
void llena(Consulta &datos, QComboBox *combo);
// Llena y selecciona la fila de esa clave (sin selección si no está); la consulta queda en ella.
void ubica(Consulta &datos, qint64 clave, QComboBox *combo);
// Coloca la consulta en la fila del elemento elegido (la primera si no hay elección).
void posiciona(Consulta &datos, const QComboBox *combo);
// Clave del elemento elegido; nullopt sin elección.
std::optional<qint64> clave(const QComboBox *combo);

} // namespace Academicos
