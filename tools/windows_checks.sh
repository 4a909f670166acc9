#!/bin/bash
# The Windows builds and their checks: builds the win32 preset (the 32-bit
# modules, the deliverable) and the win64 preset (their 64-bit twins and the
# conformance runner), then runs both presets' tests: the static PE checks,
# and the conformance and resource cases through the Windows loader under
# wine64. Exits non-zero if any build or test fails.
set -euo pipefail
cd "$(dirname "$0")/.."

jobs=$(nproc)
wine=/usr/lib/wine

for preset in win32 win64; do
  echo "== Building ($preset)"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
done

# One wineserver for every wine run, started with its output away from our
# pipes (a wineserver started by a test would hold CTest's pipe open for
# seconds after each run), in the prefix the win64 tests use.
export WINEPREFIX="$PWD/build/win64/wineprefix"
export WINEDEBUG=-all
mkdir -p "$WINEPREFIX"
# (A server left running by an interrupted run is reused, and ended below.)
"$wine/wineserver" -p </dev/null >/dev/null 2>&1 || true
trap '"$wine/wineserver" -k </dev/null >/dev/null 2>&1 || true' EXIT
"$wine/wine64" wineboot </dev/null >/dev/null 2>&1

status=0
for preset in win32 win64; do
  echo "== Testing ($preset)"
  ctest --preset "$preset" -j "$jobs" || status=1
done

echo "== Static check of the 32-bit modules"
cat build/win32/pe_check/*.txt || status=1
exit "$status"
