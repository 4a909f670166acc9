#!/bin/bash
# The main job: install what is missing, build everything, and show the
# modules at work on panelhost's built-in default.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install_deps.sh
echo "== Building (release)"
cmake --preset release >/dev/null
cmake --build --preset release
if [[ -f tools/dist.sh ]]; then
  echo "== Building the 32-bit Windows modules into dist/"
  bash tools/dist.sh
fi
echo "== panelhost demo"
build/release/bin/panelhost demo
