#!/usr/bin/env bash
# Arma con clang el fuzzer del lector de paquetes (libFuzzer, AddressSanitizer y
# UndefinedBehaviorSanitizer), repite las entradas que alguna vez tumbaron a un lector y lo
# corre FUZZ_SEGUNDOS segundos (60) sobre las semillas. Falla si encuentra una entrada que lo
# tumbe, lo cuelgue o le haga pasar de 512 MB; la deja en CARPETA/fuzz/hallazgos.
# Uso: fuzz/corre.sh CARPETA_DE_COMPILACION
set -euo pipefail
raiz=$(cd "$(dirname "$0")/.." && pwd)
salida=$(cd "$1" && pwd)/fuzz
segundos=${FUZZ_SEGUNDOS:-60}
if ! command -v clang++ >/dev/null; then
  echo "No hay clang++ (tools/instala-dependencias.sh lo instala): el fuzzer no se corre."
  exit 77
fi
cmake -S "$raiz/fuzz" -B "$salida" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$salida"
mkdir -p "$salida/corpus" "$salida/hallazgos"
cp -n "$raiz"/fuzz/semillas/* "$salida/corpus/"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
if ! "$salida/fuzz_paquete" -rss_limit_mb=512 -timeout=10 "$raiz"/fuzz/regresion/* >"$salida/regresion.log" 2>&1; then
  cat "$salida/regresion.log"
  echo "Una entrada de fuzz/regresion vuelve a tumbar al lector."
  exit 1
fi
"$salida/fuzz_paquete" -max_total_time="$segundos" -max_len=131072 -timeout=10 -rss_limit_mb=512 \
  -artifact_prefix="$salida/hallazgos/" -print_final_stats=1 "$salida/corpus" 2>&1 | grep -E '^(#[0-9]+ +DONE|Done|stat::number_of_executed_units|==|SUMMARY|artifact|.*ERROR)' || true
# grep no decide: decide el fuzzer, que deja un archivo en hallazgos/ por cada falla.
if [ -n "$(ls -A "$salida/hallazgos")" ]; then
  echo "El fuzzer encontró entradas que tumban al lector: $salida/hallazgos"
  exit 1
fi
