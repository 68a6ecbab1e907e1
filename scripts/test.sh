#!/usr/bin/env bash
# Runs every suite: native, sanitized (with the fuzz targets), and the Windows programs under Wine
# on a virtual display. Ends with one summary line over all suites.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
cd "$ROOT_DIR"

JOBS="$(nproc)"
status=0
summary=()

run_suite() {
  local name="$1"; shift
  echo "=== $name ==="
  local log="build/$name-ctest.log"
  "$@" 2>&1 | tee "$log"
  local rc=${PIPESTATUS[0]}
  [ "$rc" -ne 0 ] && status=1
  summary+=("$name: $(grep -E 'tests passed|tests failed' "$log" | tail -1)")
}

run_suite native ctest --test-dir build/native --output-on-failure -j "$JOBS"
run_suite sanitize ctest --test-dir build/sanitize --output-on-failure -j "$JOBS"
run_suite win bash scripts/wine-suite.sh \
  ctest --test-dir build/win --output-on-failure -j "$JOBS"

echo "=== summary ==="
printf '%s\n' "${summary[@]}"
passed=0; failed=0
for line in "${summary[@]}"; do
  total=$(sed -nE 's/.* out of ([0-9]+).*/\1/p' <<<"$line")
  bad=$(sed -nE 's/.* ([0-9]+) tests failed.*/\1/p' <<<"$line")
  passed=$((passed + ${total:-0} - ${bad:-0})); failed=$((failed + ${bad:-0}))
done
if [ "$status" -ne 0 ] && [ "$failed" -eq 0 ]; then failed=1; fi
echo "$passed passed, $failed failed"
exit "$status"
