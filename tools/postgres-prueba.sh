#!/usr/bin/env bash
# A throwaway PostgreSQL cluster for the tests, on loopback and a free port.
#   postgres-prueba.sh iniciar <folder>   create and start; prints the port
#   postgres-prueba.sh detener <folder>   stop and delete
#   postgres-prueba.sh pausar <folder>    stop the server, keeping its data (a lost server)
#   postgres-prueba.sh reanudar <folder>  start it again on the same port
# As root the server runs as the "postgres" user. The superuser "postgres"
# has the password "postgres"; the schema templates are loaded from sql/postgresql
# (plantilla_compat holds only compat.sql, for tests that create their own tables).
set -euo pipefail

accion=${1:?iniciar|detener}
carpeta=${2:?carpeta}
raiz=$(cd "$(dirname "$0")/.." && pwd)
bin=$(ls -d /usr/lib/postgresql/*/bin | sort -V | tail -n 1)

como_postgres() {
  if [[ $(id -u) -eq 0 ]]; then runuser -u postgres -- "$@"; else "$@"; fi
}

puerto_libre() {
  local p
  for p in $(seq 55432 55532); do
    if ! (exec 3<>/dev/tcp/127.0.0.1/"$p") 2>/dev/null; then echo "$p"; return; fi
  done
  echo "no hay puerto libre" >&2; exit 1
}

psql_admin() {
  PGPASSWORD=postgres "$bin/psql" -X -q -v ON_ERROR_STOP=1 -h 127.0.0.1 -p "$(cat "$carpeta/puerto")" \
    -U postgres "$@"
}

crear_plantilla() {
  local nombre=$1; shift
  psql_admin -d postgres -c "CREATE DATABASE $nombre"
  for guion in compat.sql "$@"; do psql_admin -d "$nombre" -f "$raiz/sql/postgresql/$guion"; done
}

case "$accion" in
  iniciar)
    rm -rf "$carpeta"
    mkdir -p "$carpeta"
    [[ $(id -u) -eq 0 ]] && chown postgres "$carpeta"
    echo postgres > "$carpeta/clave"
    [[ $(id -u) -eq 0 ]] && chown postgres "$carpeta/clave"
    como_postgres "$bin/initdb" -D "$carpeta/datos" -U postgres --pwfile="$carpeta/clave" \
      --auth-local=trust --auth-host=scram-sha-256 -E UTF8 --locale=C.UTF-8 > "$carpeta/initdb.log"
    puerto_libre > "$carpeta/puerto"
    como_postgres "$bin/pg_ctl" -D "$carpeta/datos" -l "$carpeta/servidor.log" -w start \
      -o "-p $(cat "$carpeta/puerto") -k $carpeta -c listen_addresses=127.0.0.1 -c fsync=off \
          -c synchronous_commit=off -c full_page_writes=off -c max_connections=60" > /dev/null
    crear_plantilla plantilla_empresa configuracion.sql empresa.sql
    crear_plantilla plantilla_estadisticas configuracion.sql
    crear_plantilla plantilla_compat
    cat "$carpeta/puerto"
    ;;
  pausar)
    # A fast stop ends every session, as a lost server does, and keeps what was committed.
    como_postgres "$bin/pg_ctl" -D "$carpeta/datos" -m fast -w stop > /dev/null
    ;;
  reanudar)
    como_postgres "$bin/pg_ctl" -D "$carpeta/datos" -l "$carpeta/servidor.log" -w start \
      -o "-p $(cat "$carpeta/puerto") -k $carpeta -c listen_addresses=127.0.0.1 -c fsync=off \
          -c synchronous_commit=off -c full_page_writes=off -c max_connections=60" > /dev/null
    ;;
  detener)
    if [[ -f "$carpeta/datos/postmaster.pid" ]]; then
      como_postgres "$bin/pg_ctl" -D "$carpeta/datos" -m immediate -w stop > /dev/null || true
    fi
    rm -rf "$carpeta"
    ;;
  *) echo "acción desconocida: $accion" >&2; exit 2 ;;
esac
