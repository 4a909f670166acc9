#!/bin/bash
# Installs, with apt-get, the Debian packages the build and the tests need,
# skipping those already present.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config binutils python3
  libgtest-dev libbenchmark-dev
  libcairo2-dev libpng-dev libgif-dev libfreetype-dev fonts-dejavu-core
  libelf-dev nlohmann-json3-dev libcli11-dev libfmt-dev
  g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine64 python3-pefile icoutils
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if ((${#missing[@]} > 0)); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [[ $(id -u) -ne 0 ]] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -q
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
