# Sourced by the package's tests: hacer_paquete <build folder> <temporary folder>
# makes the Debian package with CPack from what the build folder holds and
# sets `deb` to its path.
hacer_paquete() {
  local build=$1 tmp=$2
  (cd "$tmp" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$tmp/cpack") >"$tmp/cpack.log" 2>&1 ||
    { cat "$tmp/cpack.log"; falla "cpack no hizo el paquete"; }
  local debs=("$tmp"/cpack/*.deb)
  [[ ${#debs[@]} -eq 1 && -f ${debs[0]} ]] || falla "cpack no dejó un solo .deb"
  deb=${debs[0]}
}
