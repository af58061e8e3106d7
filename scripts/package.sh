#!/usr/bin/env bash
# Builds the Debian package from a Release build and checks it: the files it
# installs, its dependencies, and both programs answering from the unpacked
# tree. Usage: scripts/package.sh [BUILD_DIR]   (the package lands in BUILD_DIR)
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${1:-$ROOT/build-package}"

"$ROOT/scripts/setup.sh" --packages-only
if [[ ! -f "$BUILD_DIR/CMakeCache.txt" ]]; then
  cmake -S "$ROOT" -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKESTRIN_BUILD_TESTS=OFF
fi
cmake --build "$BUILD_DIR" -j"$(nproc)"
(cd "$BUILD_DIR" && rm -f kestrin_*.deb && cpack -G DEB > /dev/null)
deb="$(ls "$BUILD_DIR"/kestrin_*.deb)"

contents="$(dpkg-deb --contents "$deb")"
for file in ./usr/bin/kestrin ./usr/bin/kestrin-cli ./usr/share/applications/org.kestrin.Kestrin.desktop \
  ./usr/share/metainfo/org.kestrin.Kestrin.metainfo.xml ./usr/share/icons/hicolor/scalable/apps/kestrin.svg \
  ./usr/share/icons/hicolor/48x48/apps/kestrin.png ./usr/share/man/man1/kestrin.1.gz \
  ./usr/share/man/man1/kestrin-cli.1.gz; do
  if ! grep -q " $file\$" <<< "$contents"; then
    echo "The package lacks $file" >&2
    exit 1
  fi
done
depends="$(dpkg-deb --field "$deb" Depends)"
if ! grep -q "libqt6widgets6" <<< "$depends"; then
  echo "The package's dependencies do not name Qt: $depends" >&2
  exit 1
fi

unpacked="$(mktemp -d)"
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
"$unpacked/usr/bin/kestrin-cli" --version
"$unpacked/usr/bin/kestrin" --version
echo "$deb"
echo "Depends: $depends"
