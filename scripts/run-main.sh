#!/usr/bin/env bash
# The main job: the main program on the simulated desktop through a
# presentation script, printing its trace. With --wine, also starts the real
# Velmora.exe under Wine on a virtual X display.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset native >/dev/null && cmake --build --preset native >/dev/null
script=scripts/sim/presentation.vsim
wine=0
for a in "$@"; do
  case "$a" in
    --wine) wine=1 ;;
    *) script=$a ;;
  esac
done
mkdir -p out
# velmora-sim fails when the trace misses what the script expects; the
# trace is written either way.
status=0
build/native/apps/velmora-sim --script "$script" --trace out/presentation.trace || status=$?
echo "trace written to out/presentation.trace"
[ "$status" -eq 0 ] || { echo "$script: the run did not do what the script expects"; exit "$status"; }
if [ "$wine" = 1 ]; then
  cmake --preset windows >/dev/null && cmake --build --preset windows >/dev/null
  exec e2e/run_wine_tests.sh build/windows
fi
