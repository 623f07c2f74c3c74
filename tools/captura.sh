#!/usr/bin/env bash
# Arranca el programa bajo Xvfb con una carpeta de tablas temporal y guarda una imagen PNG
# de la pantalla.
#   tools/captura.sh [SALIDA.png] [SEGUNDOS] [-- órdenes xdotool opcionales no incluidas]
# Variables: PROGRAMA (por omisión build/solicitud), TABLAS (una carpeta d_2004 ya preparada
# para copiar en lugar de una nueva), TAMANO (por omisión 1280x800).
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
salida="${1:-$raiz/capturas/pantalla.png}"
espera="${2:-4}"
programa="${PROGRAMA:-$raiz/build/solicitud}"
tamano="${TAMANO:-1280x800}"
mkdir -p "$(dirname "$salida")"
tmp="$(mktemp -d)"
trap 'kill "${pid:-0}" "${xpid:-0}" 2>/dev/null || true; rm -rf "$tmp"' EXIT
if [ -n "${TABLAS:-}" ]; then
  mkdir -p "$tmp/datos"
  cp -r "$TABLAS" "$tmp/datos/d_2004"
fi
pantalla=":$((90 + RANDOM % 100))"
Xvfb "$pantalla" -screen 0 "${tamano}x24" -nolisten tcp >/dev/null 2>&1 &
xpid=$!
sleep 1
DISPLAY="$pantalla" XDG_DATA_HOME="$tmp/datos" XDG_RUNTIME_DIR="$tmp" QT_QPA_PLATFORM=xcb "$programa" &
pid=$!
sleep "$espera"
DISPLAY="$pantalla" import -window root "$salida"
echo "Imagen guardada en $salida"
