#!/usr/bin/env bash
# Sets everything up, writes the built-in demo base (once) and shows it.
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

echo "Фонды демонстрационной базы $DEMO_DIR/DBF:"
"$CLI" dump "$DEMO_DIR/DBF/FOND.DBF" --fields KOD,FKOD,FNAME,A7,A9,A100
