#!/usr/bin/env bash
# The Debian package as a workstation gets it: made with CPack from the build
# folder, unpacked into a temporary root as dpkg installs it, its files,
# dependencies and menu entry checked, and its programs run there offscreen.
# tests/e2e/paquete-instalado.sh <build folder>
set -euo pipefail

build=$(cd "$1" && pwd)
fuentes=$(cd "$(dirname "$0")/../.." && pwd)
tmp=$(mktemp -d)
programas=()
limpiar() {
  for pid in "${programas[@]}"; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  chmod -R u+w "$tmp"
  rm -rf "$tmp"
}
trap limpiar EXIT
falla() {
  echo "FALLA: $*" >&2
  exit 1
}

# --- the package ------------------------------------------------------------------
source "$(dirname "$0")/hacer-paquete.sh"
hacer_paquete "$build" "$tmp"

depende=$(dpkg-deb -f "$deb" Depends)
for paquete in libqt6widgets6 libqt6svg6 libsqlite3-0 'libodbc[0-9]+' 'libxlsxwriter[0-9]+' odbc-postgresql tdsodbc; do
  grep -qE "(^|, )$paquete( |,|$)" <<<"$depende" || falla "Depends no nombra $paquete: $depende"
done

raiz=$tmp/raiz
dpkg -x "$deb" "$raiz"
find "$raiz" | sort >"$tmp/instalados"
for programa in equivalencias crear-demo; do
  [[ -x $raiz/usr/bin/$programa ]] || falla "falta el programa usr/bin/$programa"
done
for archivo in sql/sqlite/empresa.sql sql/sqlite/configuracion.sql sql/postgresql/empresa.sql \
  sql/postgresql/configuracion.sql sql/postgresql/compat.sql; do
  cmp -s "$fuentes/$archivo" "$raiz/usr/share/equivalencias/$archivo" || falla "falta o difiere $archivo"
done
for plantilla in du000ra.ini servidores.ini; do
  cmp -s "$fuentes/paquete/plantilla/$plantilla" "$raiz/usr/share/equivalencias/plantilla/$plantilla" ||
    falla "falta o difiere la plantilla $plantilla"
done
icono=$raiz/usr/share/icons/hicolor/scalable/apps/equivalencias.svg
cmp -s "$fuentes/src/session/iconos/VEZAZUDAREV.svg" "$icono" || falla "falta o difiere el icono"
for pagina in equivalencias crear-demo; do
  zcat "$raiz/usr/share/man/man1/$pagina.1.gz" 2>/dev/null | cmp -s "$fuentes/paquete/$pagina.1" - ||
    falla "falta o difiere la página de manual de $pagina"
done
cmp -s "$fuentes/paquete/copyright" "$raiz/usr/share/doc/equivalencias/copyright" || falla "falta o difiere copyright"
zcat "$raiz/usr/share/doc/equivalencias/changelog.gz" 2>/dev/null | cmp -s "$fuentes/paquete/changelog" - ||
  falla "falta o difiere el changelog"
ajenos=$(find "$raiz" -type f |
  grep -vE "^$raiz/usr/(bin|share/(equivalencias|applications|icons/hicolor|man/man1|doc/equivalencias))/" || true)
[[ -z $ajenos ]] || falla "archivos fuera de su lugar: $ajenos"

# --- the menu entry ---------------------------------------------------------------
entrada=$raiz/usr/share/applications/equivalencias.desktop
desktop-file-validate "$entrada" || falla "la entrada del menú no es válida"
valor() { sed -n "s/^$1=//p" "$entrada"; }
[[ $(valor Name) == "Actualización de Equivalencias" ]] || falla "Name: $(valor Name)"
[[ $(valor Comment) == "Equivalencias entre unidades de medida de los artículos de la empresa" ]] ||
  falla "Comment: $(valor Comment)"
[[ $(valor Categories) == "Office;" ]] || falla "Categories: $(valor Categories)"
[[ $(valor Icon).svg == "$(basename "$icono")" ]] || falla "Icon: $(valor Icon)"
orden=$(valor Exec)
[[ -x $raiz/usr/bin/$orden ]] || falla "Exec no es un programa del paquete: $orden"

# --- the installed programs -------------------------------------------------------
# A user's session without a display: HOME and TMPDIR are given per run.
sesion=(env -u EQUIV_CARPETA -u XDG_DATA_HOME -u TEMP -u TMP QT_QPA_PLATFORM=offscreen)
# Starts a program as the desktop does for the user whose home is given, in
# the background; started without a command line, it waits in its login window.
iniciar() {
  local casa=$1
  shift
  "${sesion[@]}" HOME="$casa" TMPDIR="$casa" "$@" >>"$tmp/programas.log" 2>&1 &
  programas+=($!)
}
# Waits until the paths are there, while the last program started runs.
esperar() {
  local pid=${programas[-1]}
  for ((intento = 0; intento < 600; intento++)); do
    local falta=0
    for ruta in "$@"; do [[ -e $ruta ]] || falta=1; done
    ((falta == 0)) && return 0
    kill -0 "$pid" 2>/dev/null || { cat "$tmp/programas.log"; falla "el programa terminó antes de tiempo"; }
    sleep 0.1
  done
  falla "no aparecieron: $*"
}
sigue() { kill -0 "${programas[-1]}" 2>/dev/null || { cat "$tmp/programas.log"; falla "$1"; }; }

# Started from the menu, the program makes the user's folder from the templates.
casa=$tmp/casa
datos=(XDG_DATA_HOME="$casa/datos")
carpeta=$casa/datos/equivalencias
mkdir "$casa"
iniciar "$casa" "${datos[@]}" "$raiz/usr/bin/$orden"
esperar "$carpeta/du000ra.ini" "$carpeta/servidores.ini"
for plantilla in du000ra.ini servidores.ini; do
  cmp -s "$raiz/usr/share/equivalencias/plantilla/$plantilla" "$carpeta/$plantilla" || falla "$plantilla difiere"
done

# crear-demo, without options, puts the demo in the same folder and registers it.
"${sesion[@]}" HOME="$casa" TMPDIR="$casa" "${datos[@]}" "$raiz/usr/bin/crear-demo" --articulos 40 >>"$tmp/programas.log" 2>&1 ||
  { cat "$tmp/programas.log"; falla "crear-demo falló"; }
[[ -f $carpeta/datos/EMPRESA_DEMO.sqlite ]] || falla "crear-demo no hizo la base en $carpeta"
grep -q '^EMPRESA_DEMO / LOCAL,' "$carpeta/BASES.TXT" || falla "crear-demo no registró la conexión"
grep -q '^\[LOCAL\]' "$carpeta/servidores.ini" || falla "crear-demo no agregó el servidor LOCAL"
sigue "el programa no siguió abierto"
find "$raiz" | sort | cmp -s - "$tmp/instalados" || falla "se escribió dentro de la instalación"

# A program copied to a folder its user cannot write to keeps its files in the
# user's folder too, ~/.local/share without XDG_DATA_HOME. Root writes
# anywhere, so it runs there as nobody.
solo=$tmp/solo-lectura
otra=$tmp/otra-casa
mkdir "$solo" "$otra"
cp "$raiz/usr/bin/equivalencias" "$solo/"
chmod 555 "$solo"
como=()
if [[ $(id -u) -eq 0 ]]; then
  chmod 755 "$tmp"
  chown nobody "$otra"
  como=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
iniciar "$otra" "${como[@]}" "$solo/equivalencias"
esperar "$otra/.local/share/equivalencias"
sigue "el programa copiado no siguió abierto"
[[ $(ls "$solo") == equivalencias ]] || falla "se escribió junto al programa copiado: $(ls "$solo")"
echo "paquete $(basename "$deb") instalado y probado"
