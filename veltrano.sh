#!/usr/bin/env bash
# Set-up on a fresh Debian machine.
#   ./veltrano.sh run    installs what the build needs, builds the programs,
#                        starts Veltrano on the example in the projects folder
#   ./veltrano.sh test   installs what the build needs, builds, runs the tests
set -euo pipefail
cd "$(dirname "$0")"

PAKETE="cmake g++ make lld qt6-base-dev libjpeg-dev libgtest-dev libbenchmark-dev dbus-daemon fonts-dejavu-core iproute2 qt6-translations-l10n"

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

# bauen [target]: configures and builds everything, or only that target.
# VELTRANO_WERROR=ON (as CI sets it) makes every compiler warning an error.
bauen() {
  cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELTRANO_WERROR="${VELTRANO_WERROR:-OFF}"
  cmake --build build -j"$(nproc)" ${1:+--target "$1"}
}

# A value of Veltrano's settings ("" when not stored).
einstellung() {
  local datei="${XDG_CONFIG_HOME:-$HOME/.config}/Harlenz-Software/Veltrano"
  [ -f "$datei" ] || return 0
  sed -n "s/^$1=//p" "$datei" | head -n 1 | sed 's/\\=/=/g; s/\\\\/\\/g'
}

# The projects folder Veltrano uses: the stored one, else the one the first
# start proposes (the documents folder, else ~/Veltrano-User-Files/).
projektordner() {
  local ordner
  ordner="$(einstellung UserDir)"
  if [ -z "$ordner" ]; then
    local dokumente
    dokumente="$(xdg-user-dir DOCUMENTS 2>/dev/null || true)"
    [ -n "$dokumente" ] && [ "$dokumente" != "$HOME" ] || dokumente="$HOME/Documents"
    [ -d "$dokumente" ] || dokumente="$HOME/Veltrano-User-Files"
    ordner="$dokumente/Veltrano-Prj/"
  fi
  echo "${ordner%/}/"
}

# The example in the user's projects folder. The examples are copied there
# first when they are not there yet, as the first start offers; the program
# folder keeps the shipped ones.
beispiel() {
  local ordner beispiele
  ordner="$(projektordner)"
  for beispiele in Beispiele Examples; do
    if [ -f "$ordner$beispiele/Beispiel/Beispiel.maske_ini" ]; then
      echo "$ordner$beispiele/Beispiel/Beispiel.maske_ini"
      return
    fi
  done
  case "$(einstellung Sprache)" in
    1) beispiele=Beispiele ;;
    "") case "${LC_ALL:-${LC_MESSAGES:-${LANG:-}}}" in de*) beispiele=Beispiele ;; *) beispiele=Examples ;; esac ;;
    *) beispiele=Examples ;;
  esac
  mkdir -p "$ordner$beispiele"
  cp -R build/Veltrano/Projects/. "$ordner$beispiele/"
  echo "$ordner$beispiele/Beispiel/Beispiel.maske_ini"
}

case "${1:-}" in
  run)
    pakete_installieren
    bauen programme
    exec build/Veltrano/Veltrano "$(beispiel)"
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
