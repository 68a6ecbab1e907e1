#!/usr/bin/env bash
# Starts a Wine test program through the test launcher again and again and counts the starts
# that failed and those the launcher had to repeat. Usage:
#   scripts/wine-start-stress.sh COUNT [GAP_SECONDS]
# With a gap, each start waits that long after the last one ended (about three seconds lands on
# the moment an idle Wine server shuts down) and the server is not kept; without one, it runs
# under scripts/wine-suite.sh, as the test suites do.
set -uo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
count="${1:-300}"
gap="${2:-}"
program="$ROOT/build/win/bin/kbhook_tests.exe"

if [ -z "$gap" ] && [ -z "${WINE_SECOND_DISPLAY:-}" ]; then
  exec bash "$ROOT/scripts/wine-suite.sh" bash "$0" "$count"
fi

failed=0; repeated=0
for i in $(seq 1 "$count"); do
  if [ -n "$gap" ]; then sleep "$gap"; fi
  out="$(bash "$ROOT/scripts/wine-run.sh" "$program" --gtest_filter=None 2>&1)"
  rc=$?
  if [ "$rc" -ne 0 ] || ! grep -q "0 tests from 0 test suites ran" <<<"$out"; then
    failed=$((failed + 1))
    echo "start $i failed (exit $rc): $(head -c 300 <<<"$out")"
  fi
  if grep -q "never started" <<<"$out"; then repeated=$((repeated + 1)); fi
done
echo "starts: $count, failed: $failed, repeated by the launcher: $repeated"
