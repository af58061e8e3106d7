#!/usr/bin/env bash
# Sets everything up, writes the built-in demo base (once) and opens it in
# Kestrin on the user's display.
# Usage: scripts/run-demo.sh [DEMO_DIR]
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="$ROOT/build"
DEMO_DIR="${1:-$ROOT/demo}"

"$ROOT/scripts/setup.sh" "$BUILD_DIR"
CLI="$BUILD_DIR/src/cli/kestrin-cli"

if [[ ! -e "$DEMO_DIR/DBF/FOND.DBF" ]]; then
  "$CLI" make-demo "$DEMO_DIR" --scale small
fi

# The photo folder is read from the settings file beside the program; point
# it at the demo's photographs unless the user has chosen a folder there.
INI="$BUILD_DIR/src/app/Kestrin.ini"
if ! grep -qi '^[[:space:]]*PathPhoto[[:space:]]*=' "$INI" 2>/dev/null; then
  PHOTO_LINE="PathPhoto=$(printf '%s' "$DEMO_DIR/Photo/" | iconv -f UTF-8 -t CP1251)"
  if grep -qi '^\[Main\]' "$INI" 2>/dev/null; then
    awk -v line="$PHOTO_LINE" '{ print } tolower($0) ~ /^\[main\]/ { print line }' "$INI" > "$INI.new"
    mv "$INI.new" "$INI"
  else
    printf '[Main]\n%s\n' "$PHOTO_LINE" >> "$INI"
  fi
fi

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "No display to show Kestrin on (DISPLAY and WAYLAND_DISPLAY are not set)." >&2
  echo "The demo base is in $DEMO_DIR/DBF; start it with: $BUILD_DIR/src/app/kestrin $DEMO_DIR/DBF" >&2
  exit 1
fi
exec "$BUILD_DIR/src/app/kestrin" "$DEMO_DIR/DBF"
