#!/usr/bin/env bash
# Installs the Debian packages Kestrin needs (when missing) and builds it.
# Usage: scripts/setup.sh [BUILD_DIR] [extra cmake options...]
#        scripts/setup.sh --packages-only   (installs, does not build)
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${1:-$ROOT/build}"
shift || true

PACKAGES=(
  cmake ninja-build g++ clang clang-format
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev libjpeg62-turbo-dev libcli11-dev
  # dpkg-shlibdeps, for the dependencies of the Debian package.
  dpkg-dev
  python3 python3-dbfread python3-dbf libdbd-xbase-perl
  xvfb xauth imagemagick xdotool
  # fontconfig maps the record card's "Arial" to its metric-compatible face.
  fonts-liberation2
)

# Installs those of the named packages that are not installed yet.
install_missing() {
  local missing=() package
  for package in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$package")
    fi
  done
  if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    local sudo=""
    if [[ $(id -u) -ne 0 ]]; then sudo="sudo"; fi
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
}

install_missing "${PACKAGES[@]}"

# The fuzz targets link libFuzzer from the compiler-rt of the clang just
# installed; its package carries clang's major version (libclang-rt-14-dev).
clang_major="$(clang --version | sed -n 's/.*clang version \([0-9][0-9]*\)\..*/\1/p' | head -n 1)"
if [[ -z "$clang_major" ]]; then
  echo "Cannot read the major version from: $(clang --version | head -n 1)" >&2
  exit 1
fi
install_missing "libclang-rt-${clang_major}-dev"
[[ "$BUILD_DIR" == "--packages-only" ]] && exit 0

cmake -S "$ROOT" -B "$BUILD_DIR" -G Ninja "$@"
cmake --build "$BUILD_DIR" -j"$(nproc)"
