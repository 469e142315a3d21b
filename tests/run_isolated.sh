#!/bin/sh
# Runs one test program in a world of its own: fresh HOME and XDG folders,
# offscreen Qt and a private D-Bus session bus. Removed afterwards.
tmp=$(mktemp -d "${TMPDIR:-/tmp}/veltrano-test.XXXXXX") || exit 1
trap 'rm -rf "$tmp"' EXIT INT TERM
mkdir -p "$tmp/home/Documents" "$tmp/config" "$tmp/runtime" "$tmp/data" "$tmp/cache"
chmod 700 "$tmp/runtime"
# A screen of an ordinary desktop rather than the platform's 800 x 600, which
# is smaller than the example panel: windows are held to the screens' size.
printf '{"screens":[{"name":"Bildschirm","x":0,"y":0,"width":1920,"height":1200,"logicalDpi":96}]}\n' \
  > "$tmp/bildschirm.json"
export HOME="$tmp/home" XDG_CONFIG_HOME="$tmp/config" XDG_RUNTIME_DIR="$tmp/runtime" \
       XDG_DATA_HOME="$tmp/data" XDG_CACHE_HOME="$tmp/cache" VELTRANO_TESTTMP="$tmp" \
       QT_QPA_PLATFORM="offscreen:configfile=$tmp/bildschirm.json"
unset DBUS_SESSION_BUS_ADDRESS
[ -n "$VELTRANO_ARTEFAKTE" ] && mkdir -p "$VELTRANO_ARTEFAKTE"
dbus-run-session -- "$@"
