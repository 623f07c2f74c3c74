#pragma once
// Entrada del lector de paquetes para el fuzzer y para la prueba que repite sus hallazgos: el
// primer byte elige qué se lee (255, el recibo; otro, la tabla del esquema de ese número) y
// siguen el .db, el .px y el .mb, cada uno como largo de 4 bytes (orden de Intel) y sus bytes.
// Un archivo de largo 0xFFFFFFFF no vino.
#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace EntradaFuzz {

inline constexpr std::uint8_t kRecibo = 255;

struct Entrada {
    std::uint8_t que = kRecibo;
    QByteArray db;
    std::optional<QByteArray> px, mb;
};

Entrada descompone(const std::uint8_t *datos, std::size_t n);
QByteArray compone(const Entrada &e);

// Lee la entrada como la leería un paquete. true si se leyó entera; false si se rechazó con
// un mensaje (ErrorBase). Cualquier otra cosa (una excepción distinta, una falla de memoria)
// es un defecto del lector.
bool lee(const Entrada &e);

} // namespace EntradaFuzz
