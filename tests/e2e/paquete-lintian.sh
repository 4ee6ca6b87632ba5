#!/usr/bin/env bash
# The Debian package as lintian judges it: no error and no warning. Made with
# CPack from the build folder; skipped (77) where lintian is not installed.
# tests/e2e/paquete-lintian.sh <build folder>
set -euo pipefail

command -v lintian >/dev/null || { echo "lintian no está instalado"; exit 77; }
build=$(cd "$1" && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
falla() {
  echo "FALLA: $*" >&2
  exit 1
}

source "$(dirname "$0")/hacer-paquete.sh"
hacer_paquete "$build" "$tmp"
lintian --fail-on error,warning --tag-display-limit 0 --display-info "$deb" || falla "lintian marca el paquete"
echo "lintian: $(basename "$deb") sin errores ni advertencias"
