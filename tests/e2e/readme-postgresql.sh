#!/usr/bin/env bash
# The README's "Company on PostgreSQL", run as a newcomer would run it: its
# sh blocks, as written, by a user of an installed program, against the
# throwaway cluster of the tests (EQUIV_PG_CARPETA) as the server and its
# superuser as the administrator. The program is installed from the build
# folder into a temporary root, whose /usr/share stands for the real one.
# tests/e2e/readme-postgresql.sh <build folder>
set -euo pipefail

build=$(cd "$1" && pwd)
fuentes=$(cd "$(dirname "$0")/../.." && pwd)
puerto=$(cat "${EQUIV_PG_CARPETA:?sin cluster de prueba}/puerto")
tmp=$(mktemp -d)
falla() {
  echo "FALLA: $*" >&2
  exit 1
}

export PGHOST=127.0.0.1 PGPORT=$puerto PGUSER=postgres PGPASSWORD=postgres PGOPTIONS="-c client_min_messages=warning"
bases=(EMP01 EMPRESA_DEMO TPV01_DEMO TPV02_DEMO VX_ESTADISTICAS)
# The server as the README finds it: none of its databases or logins.
borrar() {
  for base in "${bases[@]}"; do
    psql -X -q -v ON_ERROR_STOP=1 -d postgres -c "DROP DATABASE IF EXISTS \"$base\" WITH (FORCE)" \
      -c "DROP ROLE IF EXISTS \"$base\""
  done
}
limpiar() {
  borrar || true
  rm -rf "$tmp"
}
trap limpiar EXIT
borrar

raiz=$tmp/raiz
cmake --install "$build" --prefix "$raiz/usr" >"$tmp/install.log" || { cat "$tmp/install.log"; falla "no se instaló"; }

# The section's sh blocks, each without the indentation of its fence.
awk '
  /^## / { dentro = ($0 == "## Company on PostgreSQL") }
  dentro && /^ *```sh$/ { bloque = 1; sangria = index($0, "`") - 1; next }
  bloque && /^ *```$/ { bloque = 0; next }
  bloque { print substr($0, sangria + 1) }
' "$fuentes/README.md" | sed "s|/usr/share/equivalencias|$raiz/usr/share/equivalencias|g" >"$tmp/pasos.sh"
[[ $(grep -c 'psql' "$tmp/pasos.sh") -ge 4 ]] || falla "el README no tiene los pasos: $(cat "$tmp/pasos.sh")"

casa=$tmp/casa
mkdir "$casa"
cd "$casa"
# A user's terminal: no program folder of the tests, no display; the password typed is ADMIN's.
env -u EQUIV_CARPETA -u XDG_DATA_HOME -u TEMP -u TMP -u QT_QPA_PLATFORM -u DISPLAY -u XDG_RUNTIME_DIR \
  HOME="$casa" TMPDIR="$tmp" PATH="$raiz/usr/bin:$PATH" \
  bash -euo pipefail "$tmp/pasos.sh" <<<"Clave de ADMIN" >"$tmp/salida" 2>"$tmp/errores" ||
  { cat "$tmp/salida" "$tmp/errores"; falla "un paso del README falló"; }

carpeta=$casa/.local/share/equivalencias
titulos=$'Artículo\tUnidades\tCoeficientes\tProblema'
grep -qxF "$titulos" "$tmp/salida" || falla "la verificación de EMP01 no escribió sus títulos: $(cat "$tmp/salida")"
[[ $(head -n 1 "$casa/hallazgos.tsv") == "$titulos" ]] || falla "la verificación de la demostración no escribió sus títulos"
grep -q '^EMPRESA_DEMO / EMPRESAS,EMPRESA_DEMO,' "$carpeta/BASES.TXT" || falla "crear-demo no registró la conexión"
[[ $(stat -c %a "$carpeta/BASES.TXT") == 600 ]] || falla "BASES.TXT no es solo de su dueño"
articulos=$(PGUSER=EMPRESA_DEMO PGPASSWORD=EMPRESA_DEMO psql -X -At -d EMPRESA_DEMO -c "SELECT count(*) FROM v_ma_articulos")
[[ $articulos == 300 ]] || falla "EMPRESA_DEMO tiene $articulos artículos"
for base in TPV01_DEMO TPV02_DEMO; do
  PGUSER=$base PGPASSWORD=$base psql -X -At -d "$base" -c "SELECT count(*) FROM v_ta_unidad" >/dev/null ||
    falla "no se entra en $base con su usuario"
done
echo "los pasos del README crearon y usaron EMP01 y la demostración en PostgreSQL"
