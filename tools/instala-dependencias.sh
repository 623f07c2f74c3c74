#!/usr/bin/env bash
# Instala los paquetes de Debian que el programa necesita para compilarse, probarse y ejecutarse.
set -euo pipefail
paquetes=(
  build-essential cmake ninja-build ccache pkg-config
  file   # cpack lo usa para hallar los ejecutables del paquete y calcular sus dependencias
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite qt6-translations-l10n qt6-qpa-plugins
  libsqlite3-dev libfontconfig-dev pxlib-dev iso-codes postgresql libqt6sql6-psql
  libbenchmark-dev
  clang libclang-rt-14-dev   # el fuzzer del lector de paquetes (libFuzzer y sanitizadores)
  xvfb xauth x11-apps imagemagick poppler-utils fonts-dejavu-core sqlite3 python3
  openbox xdotool util-linux   # la prueba de escritorio: gestor de ventanas, teclas, unshare
  appstream   # appstreamcli valida la ficha del centro de software en la prueba del paquete
)
faltan=()
for p in "${paquetes[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || faltan+=("$p")
done
if [ ${#faltan[@]} -eq 0 ]; then
  exit 0
fi
como=()
[ "$(id -u)" -eq 0 ] || como=(sudo)
"${como[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${como[@]}" apt-get install -y -q --no-install-recommends "${faltan[@]}"
