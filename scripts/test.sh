#!/usr/bin/env bash
# Every test of the project on a fresh machine: installs what is missing, builds
# the native, sanitizer and Windows builds, runs the native and sanitizer test
# suites and the Windows end-to-end tests under Wine.
set -uo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh || exit 1

passed=0
failed=0
status=0
count_ctest() {  # reads ctest's closing line
  local log=$1 line p f
  line=$(grep -E '[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -1)
  [ -n "$line" ] || { failed=$((failed + 1)); return; }
  f=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$line")
  p=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\2/' <<<"$line")
  passed=$((passed + p - f))
  failed=$((failed + f))
}

build() {
  echo "== build $1"
  local log="build/build-$1.log"
  cmake --preset "$1" >"$log" 2>&1 && cmake --build --preset "$1" >>"$log" 2>&1 || {
    tail -40 "$log"
    echo "build of $1 failed"
    failed=$((failed + 1))
    status=1
    return 1
  }
}

mkdir -p build
# The layering rule and the scenario scripts (scripts/sim/*.vsim, each checked
# against what it expects) run as ctest tests of the native builds; the rule
# also runs first here, so a breach shows before the long builds.
echo "== layering"
if scripts/check_layers.sh; then passed=$((passed + 1)); else failed=$((failed + 1)); fi
if build native; then
  echo "== tests native"
  ctest --preset native --timeout 300 -j2 2>&1 | tee build/ctest-native.log | grep -E 'tests passed|Failed|\*\*\*' || true
  count_ctest build/ctest-native.log
fi
if build native-asan; then
  echo "== tests native-asan"
  ASAN_OPTIONS=detect_leaks=1 ctest --preset native-asan --timeout 600 -j2 2>&1 | tee build/ctest-asan.log \
    | grep -E 'tests passed|Failed|\*\*\*' || true
  count_ctest build/ctest-asan.log
fi
if build windows; then
  if [ -x e2e/run_wine_tests.sh ]; then
    echo "== Windows end-to-end under Wine"
    e2e/run_wine_tests.sh build/windows 2>&1 | tee build/wine-e2e.log
    line=$(grep -E '^[0-9]+ passed, [0-9]+ failed$' build/wine-e2e.log | tail -1)
    if [ -n "$line" ]; then
      passed=$((passed + $(cut -d' ' -f1 <<<"$line")))
      failed=$((failed + $(cut -d' ' -f3 <<<"$line")))
    else
      failed=$((failed + 1))
    fi
  fi
fi
[ "$failed" -eq 0 ] || status=1
echo "Velmora: $passed passed, $failed failed"
exit $status
