#!/usr/bin/env bash
# Runs one Windows program under Wine in the project's prefix; used by ctest as the launcher.
#
# The program's output goes to files first and is copied out when it ends: Wine may start
# helper processes on the program's behalf (the COM service, for instance) that inherit its
# output and live on until the Wine server ends; ctest, reading the output, would otherwise wait
# for them, long after the program itself has finished.
#
# A program that provably never started (it failed, printed nothing and never created its start
# mark, see tests/windows_support/start_mark.cpp) is started once more, and the log says so. A
# program that started is never repeated, whatever its result.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
if [ "${WINE_RUN_DESKTOP:-}" = second ]; then wine_use_second_desktop; fi
wine_prefix_ready
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# Wine's Z: drive is the Unix root.
export WINE_RUN_STARTED_MARK="Z:${work//\//\\}\\started"

for attempt in 1 2; do
  rm -f "$work/started"
  wine "$@" >"$work/out" 2>"$work/err" </dev/null
  rc=$?
  if [ "$rc" -eq 0 ] || [ -e "$work/started" ] || [ -s "$work/out" ] || [ "$attempt" -eq 2 ]; then
    break
  fi
  {
    echo "wine-run: $(basename "$1") never started (exit $rc, no output, no start mark);" \
      "starting it once more. What Wine said:"
    sed 's/^/wine-run:   /' "$work/err"
  } >&2
done
cat "$work/out"
cat "$work/err" >&2
exit "$rc"
