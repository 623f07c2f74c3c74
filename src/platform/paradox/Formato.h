#pragma once
// Cómo queda una tabla del esquema en sus archivos Paradox: tipos y largos de los campos,
// registro, llave, bloques de datos y de índice. Lo calcula un solo lugar para que la escritura
// y la lectura de un paquete esperen exactamente lo mismo.
#include "platform/Esquema.h"
#include <QByteArray>
#include <QList>

namespace Paradox {

inline constexpr int kTipoAlfa = 0x01, kTipoFecha = 0x02, kTipoEntero = 0x04, kTipoNumero = 0x06, kTipoMemo = 0x0C;
inline constexpr int kLiderMemo = 1;    // bytes del memo que se copian en el registro
inline constexpr int kColaMemo = 10;    // posición, longitud y número de modificación
inline constexpr int kBloqueMemos = 4096;
inline constexpr int kEncabezadoBloque = 6;   // siguiente, anterior y bytes usados de un bloque

struct Definicion {
    QByteArray nombre;
    Esquema::Clase clase;
    int tipo;
    int longitud;
};

struct Formato {
    QList<Definicion> campos;
    int camposLlave = 0;        // 0: tabla sin llave ni .px
    int tamanoRegistro = 0;
    int kbBloque = 0;           // bloques de datos de 4, 16 o 32 KB
    int tamanoEntradaIndice = 0;
    int kbBloqueIndice = 0;     // bloques del .px de 2 o 4 KB
    bool conMemos = false;
};

// Lanza ErrorBase si la tabla no se puede escribir en Paradox (texto de más de 255, registro
// demasiado grande, nombre de columna largo).
Formato formatoDe(const Esquema::Tabla &t);

} // namespace Paradox
