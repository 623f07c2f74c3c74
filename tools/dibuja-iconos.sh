#!/usr/bin/env bash
# Dibuja los iconos del programa (24x24 para la barra, 256x256 para el escritorio) con
# ImageMagick. Los PNG resultantes se guardan en data/iconos/ y van dentro del programa.
set -euo pipefail
cd "$(dirname "$0")/../data/iconos"
c="convert -size 24x24 xc:none -strokewidth 1.5"
# Generales: una ficha con una persona.
$c -fill '#fdf6e3' -stroke '#4a4a4a' -draw 'roundrectangle 2,4 21,19 2,2' \
   -fill '#3b6ea5' -stroke none -draw 'circle 8,10 8,7' -draw 'ellipse 8,17 4,3 180,360' \
   -stroke '#4a4a4a' -draw 'line 13,9 19,9' -draw 'line 13,12 19,12' -draw 'line 13,15 17,15' generales.png
# Académicos: birrete.
$c -fill '#2b2b2b' -stroke '#2b2b2b' -draw 'polygon 1,9 12,4 23,9 12,14' \
   -fill '#2b2b2b' -draw 'rectangle 6,11 18,17' -stroke '#d4a017' -draw 'line 21,9 21,16' -fill '#d4a017' -draw 'circle 21,17 21,18.5' academicos.png
# Curriculares: hojas con renglones.
$c -fill white -stroke '#4a4a4a' -draw 'rectangle 7,2 20,19' -draw 'rectangle 4,5 17,22' \
   -stroke '#3b6ea5' -draw 'line 6,9 15,9' -draw 'line 6,12 15,12' -draw 'line 6,15 15,15' -draw 'line 6,18 12,18' curriculares.png
# Aval: dos manos / apretón (dos círculos y un lazo).
$c -fill '#6a9f3b' -stroke '#3d5e22' -draw 'circle 8,12 8,6' -fill '#3b6ea5' -stroke '#24476b' -draw 'circle 16,12 16,6' aval.png
# Montos: moneda.
$c -fill '#d4a017' -stroke '#8a6a0a' -draw 'circle 12,12 12,2' -fill '#8a6a0a' -stroke none \
   -font DejaVu-Sans-Bold -pointsize 14 -gravity center -annotate +0+0 '$' montos.png
# Administración: impresora.
$c -fill white -stroke '#4a4a4a' -draw 'rectangle 7,2 17,9' -fill '#9a9a9a' -draw 'roundrectangle 2,8 22,18 2,2' \
   -fill white -draw 'rectangle 7,14 17,22' -stroke '#3b6ea5' -draw 'line 9,17 15,17' -draw 'line 9,19 15,19' administracion.png
# Salir: puerta con flecha.
$c -fill '#b5651d' -stroke '#6b3a10' -draw 'rectangle 3,2 13,22' -stroke '#c0392b' -strokewidth 2.5 \
   -draw 'line 11,12 21,12' -draw 'line 17,8 21,12' -draw 'line 17,16 21,12' salir.png
# Icono del programa: birrete sobre documento.
convert -size 256x256 xc:none -fill '#fdf6e3' -stroke '#4a4a4a' -strokewidth 8 -draw 'roundrectangle 40,30 216,236 16,16' \
   -stroke '#3b6ea5' -strokewidth 8 -draw 'line 70,170 186,170' -draw 'line 70,200 160,200' \
   -fill '#2b2b2b' -stroke '#2b2b2b' -strokewidth 4 -draw 'polygon 20,90 128,40 236,90 128,140' \
   -draw 'rectangle 72,100 184,150' -stroke '#d4a017' -strokewidth 6 -draw 'line 214,92 214,160' programa.png
# ImageMagick los escribe con 16 bits por canal; con 8 se ven igual en pantalla y se
# decodifican en la mitad del tiempo al abrir el programa.
for f in *.png; do convert "$f" -depth 8 "PNG32:$f"; done
