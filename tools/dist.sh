#!/bin/bash
# Builds the 32-bit Windows modules, the files a pilot installs, checks them
# statically, and copies them into dist/.
set -euo pipefail
cd "$(dirname "$0")/.."

modules=(Velmar_Tavrin quadrant)

cmake --preset win32 >/dev/null
cmake --build --preset win32 -j "$(nproc)" --target "${modules[@]}"
ctest --preset win32 -R '^windows\.pe_check\.(Velmar_Tavrin|quadrant)$'

mkdir -p dist
for module in "${modules[@]}"; do
  cp build/win32/bin/"$module".gau dist/
done
ls -l dist/*.gau
