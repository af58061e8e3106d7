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

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "No display to show Kestrin on (DISPLAY and WAYLAND_DISPLAY are not set)." >&2
  echo "The demo base is in $DEMO_DIR/DBF; start it with: $BUILD_DIR/src/app/kestrin $DEMO_DIR/DBF" >&2
  exit 1
fi
exec "$BUILD_DIR/src/app/kestrin" "$DEMO_DIR/DBF"
