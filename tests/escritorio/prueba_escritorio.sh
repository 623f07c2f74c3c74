#!/usr/bin/env bash
# Una solicitud entera sólo con el teclado, en un escritorio de verdad: Xvfb con el gestor de
# ventanas openbox, el programa sobre una carpeta de datos nueva y las teclas enviadas con
# xdotool (nunca el ratón). Recorre las ventanas de captura de una solicitud de beca, pasa por
# el reporte de inconsistencias, guarda una vista previa como PDF con Ctrl+S y entrega la
# solicitud en una memoria (un tmpfs en /media, o /mnt, en un espacio de montajes propio); luego,
# sobre la misma solicitud, las ventanas del crédito educativo (aval, su domicilio, predio,
# referencias y financiamiento). Sigue un renglón del reporte de inconsistencias hasta el campo que
# quedó en blanco. Revisa las tablas en cada paso y, al final, el PDF y la entrega (solicitud-cli verifica).
#   tests/escritorio/prueba_escritorio.sh CARPETA_DE_COMPILACION
# Sale con 77 (omitida) sólo si no puede arrancar un servidor X. En una falla dice en qué paso
# fue y deja una imagen de la pantalla en CARPETA_DE_COMPILACION/escritorio-falla.png.
# ESCRITORIO_CAPTURAS=CARPETA guarda además una imagen al final de cada paso.
set -uo pipefail
compilacion="$(cd "${1:?falta la carpeta de compilación}" && pwd)"
programa="$compilacion/solicitud"
cli="$compilacion/solicitud-cli"
imagen_falla="$compilacion/escritorio-falla.png"
rm -f "$imagen_falla"

if ! command -v Xvfb >/dev/null; then
  echo "OMITIDA: no hay Xvfb para arrancar un servidor X (tools/instala-dependencias.sh lo instala)"
  exit 77
fi
for h in openbox xdotool pdftotext sqlite3 unshare import; do
  command -v "$h" >/dev/null || { echo "FALLA: falta $h (tools/instala-dependencias.sh lo instala)"; exit 1; }
done

tmp="$(mktemp -d "${TMPDIR:-/tmp}/escritorio.XXXXXX")"
chmod 700 "$tmp"
pids=()
termina() {
  local p
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$tmp"
}
trap termina EXIT
trap "exit 1" INT TERM

# --- El escritorio -----------------------------------------------------------------------------
pantalla=""
for n in $(seq 71 140); do
  [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
  Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp >"$tmp/xvfb.log" 2>&1 &
  xpid=$!
  for _ in $(seq 50); do
    [ -e "/tmp/.X11-unix/X$n" ] && break
    kill -0 "$xpid" 2>/dev/null || break
    sleep 0.1
  done
  if [ -e "/tmp/.X11-unix/X$n" ] && kill -0 "$xpid" 2>/dev/null; then
    pids+=("$xpid")
    pantalla=":$n"
    break
  fi
  kill "$xpid" 2>/dev/null
done
if [ -z "$pantalla" ]; then
  echo "OMITIDA: no arrancó ningún servidor X (Xvfb): $(tail -n 3 "$tmp/xvfb.log" 2>/dev/null)"
  exit 77
fi
export DISPLAY="$pantalla"
openbox --sm-disable >"$tmp/openbox.log" 2>&1 &
pids+=("$!")
sleep 1

paso="arranque"
captura() { import -window root "$1" 2>/dev/null; }
falla() {
  echo "FALLA en el paso «$paso»: $*"
  captura "$imagen_falla" && echo "Imagen de la pantalla: $imagen_falla"
  [ -s "$tmp/programa.log" ] && { echo "--- salida del programa"; tail -n 20 "$tmp/programa.log"; }
  [ -n "${ESCRITORIO_PAUSA:-}" ] && { echo "DISPLAY=$DISPLAY en pausa"; sleep "$ESCRITORIO_PAUSA"; }
  exit 1
}
fin_de_paso() {
  [ -n "${ESCRITORIO_CAPTURAS:-}" ] && mkdir -p "$ESCRITORIO_CAPTURAS" && captura "$ESCRITORIO_CAPTURAS/$paso.png"
  echo "ok: $paso"
}

# Teclas y texto para la ventana que tiene el foco; entre tecla y tecla, lo que tardaría una persona.
k() { xdotool key --delay 80 "$@"; sleep 0.2; }
t() { xdotool type --delay 40 "$1"; sleep 0.2; }
# Una ventana de primer nivel (mensaje, revisión, vista previa) por su título.
espera_ventana() {
  local i
  for i in $(seq 60); do
    xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 && { sleep 0.5; return 0; }
    sleep 0.5
  done
  falla "no apareció la ventana «$1»"
}
espera_que_cierre() {
  local i
  for i in $(seq 60); do
    xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || { sleep 0.3; return 0; }
    sleep 0.5
  done
  falla "no se cerró la ventana «$1»"
}
base="$tmp/datos/d_2004/tablas/solicitud.sqlite"
sql() { sqlite3 -readonly "$base" "$1" 2>/dev/null; }
# Espera a que la consulta dé lo esperado (lo guardado llega a la base).
espera_sql() {
  local i r=""
  for i in $(seq 40); do
    r="$(sql "$1")"
    [ "$r" = "$2" ] && return 0
    sleep 0.5
  done
  falla "«$1» dio «$r» en lugar de «$2»"
}
# Las ventanas hijas del marco no son ventanas del gestor: se da tiempo a que se abran.
abre() { sleep 1; }

# --- El programa, con su memoria ---------------------------------------------------------------
# En un espacio de montajes propio, /media (o /mnt) es un tmpfs: el programa lo ve como la unidad a:.
# Al terminar el programa, lo que quedó en ella se copia a $tmp/memoria para revisarlo.
mkdir -p "$tmp/datos" "$tmp/memoria" "$tmp/run"
chmod 700 "$tmp/run"
cat >"$tmp/con-memoria.sh" <<'FIN'
set -e
if [ -d /media ]; then memoria=/media; else memoria=/mnt; fi
mount -t tmpfs -o size=16m tmpfs "$memoria"
set +e
"$PROGRAMA"
r=$?
cp -r "$memoria"/. "$MEMORIA"/
exit $r
FIN
if [ "$(id -u)" -eq 0 ]; then espacio=(unshare -m --propagation private); else espacio=(unshare -rm --propagation private); fi
"${espacio[@]}" true 2>/dev/null || falla "unshare no puede crear un espacio de montajes para la memoria"
(cd "$tmp" && PROGRAMA="$programa" MEMORIA="$tmp/memoria" XDG_DATA_HOME="$tmp/datos" XDG_RUNTIME_DIR="$tmp/run" \
   QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 LANG=C.UTF-8 "${espacio[@]}" sh "$tmp/con-memoria.sh" >"$tmp/programa.log" 2>&1) &
ppid_programa=$!
pids+=("$ppid_programa")
espera_ventana "^Solicitud de Becas Crédito y Crédito Educativo 2004$"
abre
fin_de_paso

# --- Datos generales (el foco empieza en la convocatoria) ---------------------------------------
paso="datos generales"
t "becas-credito 2004 para posgrado en el extranjero en"
k Tab; t "maria"; k Tab; t "ines"; k Tab; t "nunez"; k Tab; t "obrien"
k Tab; t "05031975"; k Tab                 # la fecha propone el RFC
k Tab                                      # sexo: femenino
k Tab Right                                # estado civil: soltera
k Tab; t "mexico"; k Tab; t "jalisco"; k Tab Tab; t "zapopan"
k Tab Tab; t "NUOM750305MJCXXR09"
k Tab Return                               # Siguiente
abre
espera_sql "select Convocatoria from General" "482"
espera_sql "select Nombre_1||'|'||Paterno||'|'||Edo_civil||'|'||Fec_nac from Persona where Tipo='SOL'" "MARIA|NUNEZ|S|05/03/1975"
fin_de_paso

# --- Domicilio actual ----------------------------------------------------------------------------
domicilio() {   # calle, estado, ciudad, municipio
  t "$1"; k Tab; t "1234"; k Tab; t "3B"; k Tab; t "centro"; k Tab; t "44600"
  k Tab; t "$2"; k Tab; t "$3"; k Tab Tab; t "$4"; k Tab Tab; t "033336151234"; k Tab
}
paso="domicilio actual"
domicilio "av mexico" "jalisco" "guadalajara" "guadalajara"
k Tab; t "maria.nunez@correo.mx"; k Tab; t "30112004"
k Tab Tab Return                           # Siguiente
abre
espera_sql "select Calle||'|'||Cp||'|'||Correo from Domicilio where Tipo='ACT'" "AV MEXICO|44600|maria.nunez@correo.mx"
fin_de_paso

# --- Familia: sin hijos, el familiar para accidentes y su domicilio ------------------------------
paso="familiar para accidentes"
k shift+Tab shift+Tab Return               # Siguiente (sin hijos): antes está el grupo de hijos
abre
t "rosa"; k Tab Tab; t "nunez"; k Tab; t "pena"; k Tab; t "12041950"
k Tab Tab Tab Tab Return                 # sexo, Guardar, Anterior, Siguiente
abre
espera_sql "select Nombre_1||'|'||Fec_nac from Persona where Tipo='ACC'" "ROSA|12/04/1950"
fin_de_paso

paso="domicilio del familiar"
domicilio "morelos" "jalisco" "zapopan" "zapopan"
k Tab Tab Tab Return                       # correo, Anterior, Siguiente
espera_ventana "Confirmación"              # ¿domicilio en el extranjero?
k Tab space                                # No
espera_que_cierre "Confirmación"
abre
espera_sql "select Calle from Domicilio where Tipo='ACC'" "MORELOS"
fin_de_paso

# --- Datos académicos ----------------------------------------------------------------------------
paso="programa solicitado"
k alt+a; abre                              # el foco, en el área
t "ingenier"; k Tab Down; k Tab; t "robotica movil"
k Tab; t "doctorado"                       # el objetivo final sigue al inicial
k Tab Tab Return                           # EGEL, Siguiente
abre
espera_sql "select Area||'|'||Subdisciplina||'|'||Grado_ini||'|'||Grado_fin from General" "7|ROBOTICA MOVIL|25|25"
fin_de_paso

paso="opciones de institución"
t "jap"; k Tab; t "kyoto"
k Tab Right                                # contacto: Sí
k Tab; t "hiroshi tanaka"; k Tab; t "profesor"
k Tab ctrl+a; t "doctorado en ingenieria mecanica"
for f in 01092004 31082008 01092004 31082008; do k Tab Home; t "$f"; done
k Tab; t "48"                              # los meses, justo después de la última fecha
k Tab Right                                # carta de aceptación: Sí
k Tab Tab Return                           # Anterior, Guardar
espera_sql "select Escuela||'|'||Persona_contacto||'|'||Tiempo_prom_grado||'|'||Carta_aceptacion||'|'||Fec_fin_est from Beca where Clave=1" \
  "1106|HIROSHI TANAKA|48|S|31/08/2008"
k Tab Tab Return                           # Montos, Dirección
abre
t "yoshida-honmachi"; k Tab; t "36"; k Tab Tab Tab; t "6068501"
k Tab; t "jap"; k Tab; t "kyoto"; k Tab Tab; t "kioto"
k Tab Tab Tab Tab Tab Return               # +, teléfono, fax, correo, Guardar
abre
espera_sql "select Calle||'|'||Cp from Domicilio where Tipo='OP1'" "YOSHIDA-HONMACHI|6068501"
fin_de_paso

paso="costos de la opción"
k shift+Tab shift+Tab shift+Tab shift+Tab Return   # del país, atrás: opción, Siguiente, Dirección, Montos
abre
k Right; k Tab; t "1500"                   # manutención: Sí
k Tab Right; k Tab; t "dolar a"; k Tab; t "9000"
k Tab Tab Tab Return                       # inscripción, seguro, Guardar
abre
espera_sql "select Total_man||'|'||Total_col||'|'||Moneda_col from Beca where Clave=1" "1500|9000|17"
fin_de_paso

paso="motivos"
k shift+Tab shift+Tab Return               # del país, atrás: opción, Siguiente
abre                                       # el foco, en el primer cuadro
t "robots para la industria"; k Tab; t "laboratorio unico"; k Tab; t "volver a ensenar"
k Tab Return                               # Guardar
espera_sql "select replace(Motivos_A,char(10),'/')||'|'||replace(Motivos_C,char(10),'/') from General" "/ROBOTS PARA LA INDUSTRIA|/VOLVER A ENSENAR"
fin_de_paso

# --- Currículum ----------------------------------------------------------------------------------
paso="antecedentes escolares"
k alt+c; abre                              # el foco, en la institución
t "universidad de guadalajara"; k Tab Tab; t "1994"; k Tab; t "1999"; k Tab   # la carrera queda en blanco
k Tab; t "0950"                            # el recordatorio del promedio no se come las cifras
k Tab; k shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab
k Tab Return                               # de la fecha del reconocimiento, Siguiente
abre
espera_sql "select Nivel||'|'||Nombre||'|'||Promedio||'|'||Carrera from Escolar" "LIC|UNIVERSIDAD DE GUADALAJARA|9.5|"
fin_de_paso

paso="publicaciones"
k Up; k Tab; t "art"; k Tab; t "n. ruiz, m. nunez"; k Tab; t "control de robots moviles"
k Tab Home; t "01062003"; k Tab; t "mexico"; k Tab; t "revista de robotica"
k Tab Tab Tab Tab Tab Tab Return           # congresos y su fecha, tesis y su fecha, Anterior, Siguiente
abre
espera_sql "select Grado||'|'||Autores||'|'||Titulo||'|'||Fecha_1||'|'||Pais||'|'||Lugar from Trabajo where Tipo='PUB'" \
  "ARTICULO|N. RUIZ, M. NUNEZ|CONTROL DE ROBOTS MOVILES|01/06/2003|MEXICO|REVISTA DE ROBOTICA"
fin_de_paso

paso="experiencia e idiomas"
k Up; k Tab; t "instituto de robotica"; k Tab Home; t "01012000"; k Tab; t "investigador"; k Tab Home; t "31122003"
k Tab Tab Up; k Tab; t "ingles"; k Tab; t "90"; k Tab; t "95"; k Tab; t "85"   # asociaciones, idiomas
k Tab Tab Tab Return                       # SNI, otros estudios, Guardar
espera_sql "select Lugar||'|'||Puesto||'|'||Fecha_1||'|'||Fecha_2 from Trabajo where Tipo='TRA'" "INSTITUTO DE ROBOTICA|INVESTIGADOR|01/01/2000|31/12/2003"
espera_sql "select Titulo||'|'||Escritura||'|'||Lectura||'|'||Comprension from Trabajo where Tipo='IDI'" "INGLES|90|95|85"
fin_de_paso

# --- Revisión: un renglón del reporte lleva al campo en blanco -----------------------------------
paso="renglón de la revisión"
k alt+d; abre                              # el foco, en Imprimir Formas
k Tab Return                               # Datos Generales
espera_ventana "^Inconsistencias de Información$"
k Tab Tab Return                           # de Salir al reporte y a su renglón, que se sigue
espera_que_cierre "^Inconsistencias de Información$"
abre                                       # antecedentes escolares, con el foco en la carrera
t "ingenieria mecanica"
k Tab Tab Tab Tab Tab Tab Return           # promedio, titulado, becas, reconocimientos y su fecha, Siguiente
espera_sql "select Carrera from Escolar" "INGENIERIA MECANICA"
abre
k ctrl+w                                   # cierra publicaciones: queda la administración
abre
fin_de_paso

# --- Revisión, vista previa en PDF y entrega -----------------------------------------------------
paso="vista previa"
k Return                                   # Datos Generales, que tiene el foco desde antes
espera_ventana "^Inconsistencias de Información$"
k Return                                   # Salir
espera_ventana "^Datos Generales$"
k ctrl+s
espera_ventana "^Guardar PDF$"
k ctrl+a; t "$tmp/generales.pdf"; k Return
for _ in $(seq 20); do [ -s "$tmp/generales.pdf" ] && break; sleep 0.5; done
[ -s "$tmp/generales.pdf" ] || falla "Ctrl+S no guardó el PDF"
k Escape
espera_que_cierre "^Datos Generales$"
texto="$(pdftotext "$tmp/generales.pdf" - 2>/dev/null)"
grep -q "MARIA INES NUNEZ OBRIEN" <<<"$texto" || falla "el PDF no lleva el nombre"
grep -q "TALVERO" <<<"$texto" && ! grep -q "BORRADOR" <<<"$texto" || falla "el PDF debía salir sin la leyenda de borrador"
fin_de_paso

paso="entrega"
k Tab Tab Tab Tab Return                   # Curriculum, Académicos, Inicializa, Generar Disco
espera_ventana "^Inconsistencias de Información$"
k Return
espera_ventana "^Copiar Archivos"
k Home                                     # la primera tecla ya llega a la lista: a:
k Tab Return; k Return                     # Respaldar, OK
sleep 3                                    # la copia a la memoria
k Return                                   # Cerrar
sleep 1; k Return                          # Aceptar «Rotule el diskette…»
espera_que_cierre "^Copiar Archivos"
k alt+s                                    # Salir: termina el programa
for _ in $(seq 40); do kill -0 "$ppid_programa" 2>/dev/null || break; sleep 0.5; done
kill -0 "$ppid_programa" 2>/dev/null && falla "el programa no terminó con Alt+S"
"$cli" verifica "$tmp/memoria" >"$tmp/verifica.log" 2>&1 || { cat "$tmp/verifica.log"; falla "la entrega en la memoria no pasó la verificación"; }
fin_de_paso

# --- Crédito educativo: aval, predio, referencias y financiamiento --------------------------------
# Sus botones de la barra no se muestran nunca: el mismo programa, con F8 y F9 en su lugar.
paso="aval"
(cd "$tmp" && XDG_DATA_HOME="$tmp/datos" XDG_RUNTIME_DIR="$tmp/run" QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 LANG=C.UTF-8 \
   "$compilacion/escritorio_credito" >"$tmp/programa.log" 2>&1) &
ppid_programa=$!
pids+=("$ppid_programa")
espera_ventana "^Solicitud de Becas Crédito y Crédito Educativo 2004$"
abre
k F8; abre                                 # el foco, en el nombre
t "jorge"; k Tab Tab; t "nunez"; k Tab; t "lopez"; k Tab Home; t "10101948"
k Tab End; t "ab1"                         # la fecha propone el RFC; la homoclave
k Tab Right; k Tab Left                    # masculino, casado
k Tab Tab Return                           # Salir, Guardar
espera_sql "select Nombre_1||'|'||Sexo||'|'||Edo_civil||'|'||RFC from Persona where Tipo='AVA'" "JORGE|M|C|NULJ481010AB1"
k Tab Return                               # Dirección (ya no la tapa Anterior)
abre
domicilio "hidalgo" "jalisco" "guadalajara" "guadalajara"
k Tab Tab Return                           # correo, Guardar: vuelve al aval
abre
espera_sql "select Calle from Domicilio where Tipo='AVA'" "HIDALGO"
fin_de_paso

paso="predio y empleo del aval"
k shift+Tab Return                         # Predio, el último
abre
t "14-123-456"; k Tab; t "guadalajara"; k Tab Home; t "15031990"; k Tab; t "f-2231"; k Tab; t "30"
k Tab; t "universidad de guadalajara"; k Tab; t "fisica"; k Tab; t "profesor"; k Tab; t "25"; k Tab Home; t "01021979"
k Tab Return                               # Guardar (se vuelve Salir)
espera_sql "select Cta_Predial||'|'||Fec_Registro||'|'||Tiempo||'|'||Empresa||'|'||Fec_Ingreso from Aval" \
  "14-123-456|15/03/1990|30|UNIVERSIDAD DE GUADALAJARA|01/02/1979"
k Return                                   # Salir: vuelve al aval
abre
fin_de_paso

paso="referencias"
k shift+Tab shift+Tab shift+Tab shift+Tab Return   # Predio, Dirección, Guardar, Referencias
abre
t "ana"; k Tab Tab; t "gomez"; k Tab; t "ruiz"; k Tab Home; t "02021970"
k Tab Tab Return                           # sexo, Guardar
espera_sql "select Nombre_1||'|'||Fec_nac from Persona where Tipo='RE1'" "ANA|02/02/1970"
k Tab Tab Tab Right                        # Dirección, Siguiente, y en el grupo la referencia Dos
k Tab; t "luis"; k Tab Tab; t "perez"; k Tab; t "soto"; k Tab Home; t "03031965"
k Tab Right                                # masculino
k Tab Tab Tab Return                       # Guardar, Dirección, Siguiente: guarda y vuelve al aval
espera_sql "select Nombre_1||'|'||Sexo from Persona where Tipo='RE2'" "LUIS|M"
abre
t "x"; k ctrl+F4                           # cerrar no guarda lo tecleado
abre
espera_sql "select Nombre_1 from Persona where Tipo='AVA'" "JORGE"
fin_de_paso

paso="financiamiento"
k F9; abre                                 # el foco, en quien otorga la beca
t "fundacion educativa"; k Tab Up; k Tab; t "colegiatura"; k Tab; t "90000"
k Tab; t "ahorro familiar"; k Tab Up; k Tab; t "manutencion"; k Tab; t "24000"
k Tab; t "5000"; k Tab Return              # el sueldo mensual, Guardar
espera_sql "select Nombre_A||'|'||Nombre_B||'|'||MontoMensual from Aval" "FUNDACION EDUCATIVA|AHORRO FAMILIAR|5000"
espera_sql "select group_concat(Tipo||Consecutivo||' '||Concepto||' '||Monto, ', ') from (select * from MontosQuiral order by Tipo)" \
  "A1 COLEGIATURA 90000, B1 MANUTENCION 24000"
k alt+s
for _ in $(seq 40); do kill -0 "$ppid_programa" 2>/dev/null || break; sleep 0.5; done
kill -0 "$ppid_programa" 2>/dev/null && falla "el programa no terminó con Alt+S"
fin_de_paso
echo "ok: una solicitud entera sólo con el teclado"
