// Objetivo de libFuzzer: el lector de paquetes (recibo y tablas) con cualquier entrada.
#include "EntradaFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *datos, std::size_t n)
{
    EntradaFuzz::lee(EntradaFuzz::descompone(datos, n));
    return 0;
}
