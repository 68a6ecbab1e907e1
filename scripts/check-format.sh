#!/usr/bin/env bash
# Fails when a tracked C or C++ source differs from what clang-format makes of it (.clang-format);
# `make format` rewrites them.
set -uo pipefail
clang_format="${1:-clang-format}"
cd "$(dirname "$0")/.."
status=0
while IFS= read -r file; do
  if ! "$clang_format" --dry-run --Werror "$file" >/dev/null 2>&1; then
    echo "not formatted: $file"
    status=1
  fi
done < <(git ls-files '*.cpp' '*.h' '*.c' 2>/dev/null ||
         find . -path ./build -prune -o -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.c' \) -print)
[ "$status" -eq 0 ] && echo "format: every source as clang-format makes it"
exit "$status"
