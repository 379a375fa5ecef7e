#!/usr/bin/env bash
# Installs what a fresh Debian machine lacks for both builds and their tests.
set -euo pipefail
packages=(
  cmake ninja-build g++
  g++-mingw-w64-x86-64 wine wine64 xvfb
  libgtest-dev libgmock-dev libbenchmark-dev
  libjpeg-dev libpng-dev libfreetype-dev libfontconfig-dev fonts-liberation fonts-materialdesignicons-webfont
  python3
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
