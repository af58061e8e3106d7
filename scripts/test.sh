#!/usr/bin/env bash
# Sets everything up and runs the whole test suite.
# Usage: scripts/test.sh [BUILD_DIR] [extra cmake options...]
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${1:-$ROOT/build}"
shift || true

"$ROOT/scripts/setup.sh" "$BUILD_DIR" "$@"
cd "$BUILD_DIR"
ctest --output-on-failure -j"$(nproc)" --timeout 300
