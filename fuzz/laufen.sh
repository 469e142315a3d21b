#!/usr/bin/env bash
# Runs one libFuzzer target of a VELTRANO_FUZZ build for a while:
#   fuzz/laufen.sh <build folder> <target, e.g. maske_datei> <seconds> [libFuzzer options]
# The corpus starts from the target's seeds and regression inputs in a
# temporary folder; an input that ends the run is kept as
# <build folder>/fuzz/funde/<target>/crash-... (copy it into
# fuzz/regressions/<target>/ once the fault is mended).
set -euo pipefail
bau=$(cd "$1" && pwd); ziel=$2; sekunden=$3; shift 3
quelle=$(cd "$(dirname "$0")/.." && pwd)
korpus=$(mktemp -d "${TMPDIR:-/tmp}/veltrano-korpus.XXXXXX")
trap 'rm -rf "$korpus"' EXIT
while IFS= read -r datei; do
  [ -n "$datei" ] && cp "$datei" "$korpus/$(basename "$datei")-$(md5sum < "$datei" | cut -c1-8)"
done < "$bau/fuzz/fuzz_$ziel.eingaben"
mkdir -p "$bau/fuzz/funde/$ziel"
export VELTRANO_PROGRAMMORDNER="$bau/Veltrano"
export LSAN_OPTIONS="suppressions=$quelle/fuzz/lsan.supp:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
exec "$quelle/tests/run_isolated.sh" "$bau/fuzz/fuzz_$ziel" -max_total_time="$sekunden" \
  -rss_limit_mb=4096 -timeout=30 -print_final_stats=1 \
  -artifact_prefix="$bau/fuzz/funde/$ziel/" "$@" "$korpus"
