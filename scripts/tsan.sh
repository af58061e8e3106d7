#!/usr/bin/env bash
# The engine's test suite under ThreadSanitizer: the parallel filter scan and
# the read-ahead thread of the table scan. Builds in its own folder (default
# build-tsan), without Qt, and runs test_dbf; any data race fails the run.
# Usage: scripts/tsan.sh [BUILD_DIR]   (KESTRIN_JOBS=N limits the parallel compiles)
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${1:-$ROOT/build-tsan}"

launcher=()
if command -v ccache > /dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S "$ROOT" -B "$BUILD_DIR" -G Ninja "${launcher[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKESTRIN_SANITIZE_THREAD=ON -DKESTRIN_WERROR=ON -DKESTRIN_BUILD_GUI=OFF -DKESTRIN_BUILD_BENCH=OFF
cmake --build "$BUILD_DIR" -j"${KESTRIN_JOBS:-$(nproc)}" --target test_dbf
export TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 ${TSAN_OPTIONS:-}"
"$BUILD_DIR/tests/test_dbf" --gtest_brief=1
