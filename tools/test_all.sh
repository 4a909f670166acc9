#!/bin/bash
# Every test: install what is missing, build the native tree with
# AddressSanitizer and UndefinedBehaviorSanitizer and run its tests, then the
# release tree's, then the Windows builds' static and loader checks.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install_deps.sh
jobs=$(nproc)

for preset in debug release; do
  echo "== Building and testing ($preset)"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
  ctest --preset "$preset" -j "$jobs"
done

if [[ -f tools/windows_checks.sh ]]; then
  echo "== Windows builds"
  bash tools/windows_checks.sh
fi
