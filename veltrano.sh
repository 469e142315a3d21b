#!/usr/bin/env bash
# Set-up on a fresh Debian machine.
#   ./veltrano.sh run    installs what the build needs, builds, starts Veltrano
#                        on the example project
#   ./veltrano.sh test   installs what the build needs, builds, runs the tests
set -euo pipefail
cd "$(dirname "$0")"

PAKETE="cmake g++ make qt6-base-dev libjpeg-dev libgtest-dev libbenchmark-dev dbus-daemon fonts-dejavu-core iproute2"

pakete_installieren() {
  local fehlt=""
  for p in $PAKETE; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || fehlt="$fehlt $p"
  done
  [ -z "$fehlt" ] && return 0
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update
  $sudo apt-get install -y $fehlt
}

bauen() {
  cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
  cmake --build build -j"$(nproc)"
}

case "${1:-}" in
  run)
    pakete_installieren
    bauen
    exec build/Veltrano/Veltrano "$PWD/build/Veltrano/Projects/Beispiel/Beispiel.maske_ini"
    ;;
  test)
    pakete_installieren
    bauen
    ctest --test-dir build --output-on-failure -j"$(nproc)"
    ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
