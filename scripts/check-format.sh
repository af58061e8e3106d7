#!/usr/bin/env bash
# Checks that every tracked C++ source and header is formatted as the
# project's .clang-format says; names each file that is not.
# Usage: scripts/check-format.sh   (CLANG_FORMAT names another clang-format)
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$ROOT"
CLANG_FORMAT="${CLANG_FORMAT:-clang-format}"
if ! command -v "$CLANG_FORMAT" > /dev/null; then
  echo "$CLANG_FORMAT not found (scripts/setup.sh installs clang-format)" >&2
  exit 2
fi

# One clang-format run over them all; each difference it reports begins
# with "FILE:LINE:COLUMN: error:".
mapfile -d '' files < <(git ls-files -z -- '*.cpp' '*.h')
checked=${#files[@]}
report="$("$CLANG_FORMAT" --dry-run --Werror "${files[@]}" 2>&1 || true)"
mapfile -t unformatted < <(sed -n 's/^\([^:]*\):[0-9]*:[0-9]*: error: .*/\1/p' <<< "$report" | sort -u)

if ((${#unformatted[@]})); then
  echo "${#unformatted[@]} of $checked files differ from .clang-format (fix with: $CLANG_FORMAT -i FILE...):" >&2
  printf '  %s\n' "${unformatted[@]}" >&2
  exit 1
fi
echo "All $checked C++ files are formatted as .clang-format says."
