#!/usr/bin/env bash
# Arma el paquete de Debian de una carpeta de compilación ya compilada y revisa con dpkg-deb
# lo que recibe quien lo instala: sus archivos con dueño y permisos, y su línea Depends.
#   prueba_paquete.sh CARPETA_DE_COMPILACION [CPACK]
set -euo pipefail
export LC_ALL=C
compilacion=$1
cpack=${2:-cpack}
if ! command -v dpkg-deb >/dev/null; then
  echo "Se omite: falta dpkg-deb (sólo existe en Debian y sus derivados)."
  exit 77
fi
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
if ! "$cpack" -G DEB --config "$compilacion/CPackConfig.cmake" -B "$tmp" >"$tmp/cpack.log" 2>&1; then
  cat "$tmp/cpack.log"
  echo "FALLA: cpack no armó el paquete"
  exit 1
fi
shopt -s nullglob
debs=("$tmp"/solicitud_*.deb)
[ ${#debs[@]} -eq 1 ] || { echo "FALLA: se esperaba un solo solicitud_*.deb y hay ${#debs[@]}"; exit 1; }
deb=${debs[0]}
fallas=0
falla() { echo "FALLA: $*"; fallas=$((fallas + 1)); }

version=$(dpkg-deb -f "$deb" Version)
arq=$(dpkg-deb -f "$deb" Architecture)
[ "$(basename "$deb")" = "solicitud_${version}_${arq}.deb" ] || falla "nombre $(basename "$deb") no es solicitud_${version}_${arq}.deb"
[ "$arq" = "$(dpkg --print-architecture)" ] || falla "arquitectura $arq"

# Archivos: permisos, dueño y ruta. Los ejecutables 0755, lo demás 0644, todo de root.
esperado="-rwxr-xr-x root/root ./usr/bin/solicitud
-rwxr-xr-x root/root ./usr/bin/solicitud-cli
-rw-r--r-- root/root ./usr/share/applications/solicitud.desktop
-rw-r--r-- root/root ./usr/share/doc/solicitud/AVISO.md
-rw-r--r-- root/root ./usr/share/doc/solicitud/changelog.gz
-rw-r--r-- root/root ./usr/share/doc/solicitud/copyright
-rw-r--r-- root/root ./usr/share/icons/hicolor/256x256/apps/solicitud.png
-rw-r--r-- root/root ./usr/share/man/man1/solicitud-cli.1.gz
-rw-r--r-- root/root ./usr/share/man/man1/solicitud.1.gz
-rw-r--r-- root/root ./usr/share/metainfo/example.becas_credito.solicitud.metainfo.xml"
hay=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $1, $2, $6 }' | sort -k3)
if [ "$hay" != "$esperado" ]; then
  falla "los archivos del paquete no son los esperados:"
  diff <(echo "$esperado") <(echo "$hay") || true
fi
sueltos=$(dpkg-deb -c "$deb" | awk '$1 ~ /^d/ && ($1 != "drwxr-xr-x" || $2 != "root/root") { print }')
[ -z "$sueltos" ] || falla "carpetas con otro dueño o permisos: $sueltos"

# Depends: las bibliotecas que piden los ejecutables, calculadas por dpkg-shlibdeps, y lo que
# Qt carga en tiempo de ejecución.
depende=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depende"
for p in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6sql6 libqt6printsupport6 pxlib1 libsqlite3-0 \
         libqt6sql6-sqlite qt6-translations-l10n; do
  grep -Eq "(^|, )$p( \(|,|$)" <<<"$depende" || falla "Depends no nombra $p"
done
grep -Eq -- '-dev( |,|$)' <<<"$depende" && falla "Depends pide un paquete de desarrollo"
for c in Section Priority Maintainer Description; do
  [ -n "$(dpkg-deb -f "$deb" "$c")" ] || falla "falta el campo $c"
done

# Lo que el lanzador abre existe en el paquete.
dpkg-deb -x "$deb" "$tmp/raiz"
grep -qx 'Exec=solicitud' "$tmp/raiz/usr/share/applications/solicitud.desktop" || falla "el lanzador no abre solicitud"
grep -qx 'Icon=solicitud' "$tmp/raiz/usr/share/applications/solicitud.desktop" || falla "el lanzador no usa el icono solicitud"
# pxlib (con libgsf, libxml2 y GLib) se carga al entregar, no al arrancar: no va enlazada.
for b in solicitud solicitud-cli; do
  enlazadas=$(readelf -d "$tmp/raiz/usr/bin/$b" | grep NEEDED || true)
  grep -Eq 'libpx|libgsf|libxml2|libgio' <<<"$enlazadas" && falla "$b se enlaza con pxlib o lo que ésta arrastra"
done
# La ficha de AppStream pasa la validación y apunta al lanzador del paquete.
ficha="$tmp/raiz/usr/share/metainfo/example.becas_credito.solicitud.metainfo.xml"
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$ficha" >"$tmp/appstream.log" 2>&1 || { cat "$tmp/appstream.log"; falla "appstreamcli validate rechaza la ficha"; }
else
  falla "falta appstreamcli (paquete appstream) para validar la ficha"
fi
grep -q '<launchable type="desktop-id">solicitud.desktop</launchable>' "$ficha" || falla "la ficha no apunta a solicitud.desktop"
grep -q "<release version=\"$version\"" "$ficha" || falla "la ficha no lleva la versión $version"
zcat "$tmp/raiz/usr/share/doc/solicitud/changelog.gz" | head -1 | grep -q "^solicitud ($version)" ||
  falla "el registro de cambios no empieza por la versión $version"

[ $fallas -eq 0 ] || exit 1
echo "Paquete $(basename "$deb") correcto."
