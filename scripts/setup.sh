#!/usr/bin/env bash
# Installs the Debian packages Kestrin needs (when missing) and builds it.
# Usage: scripts/setup.sh [BUILD_DIR] [extra cmake options...]
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${1:-$ROOT/build}"
shift || true

PACKAGES=(
  cmake ninja-build g++ clang libclang-rt-14-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev libjpeg62-turbo-dev
  python3 python3-dbfread python3-dbf libdbd-xbase-perl
  xvfb xauth imagemagick xdotool
)

missing=()
for package in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  SUDO=""
  if [[ $(id -u) -ne 0 ]]; then SUDO="sudo"; fi
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake -S "$ROOT" -B "$BUILD_DIR" -G Ninja "$@"
cmake --build "$BUILD_DIR" -j"$(nproc)"
