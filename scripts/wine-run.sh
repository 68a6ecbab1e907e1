#!/usr/bin/env bash
# Runs one Windows program under Wine in the project's prefix; used by ctest as the launcher.
#
# The program's output goes to files first and is copied out when it ends: Wine may start
# helper processes on the program's behalf (the COM service, for instance) that inherit its
# output and live on until the Wine server ends; ctest, reading the output, would otherwise wait
# for them, long after the program itself has finished.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
wine_prefix_ready
out="$(mktemp)"
err="$(mktemp)"
trap 'rm -f "$out" "$err"' EXIT
wine "$@" >"$out" 2>"$err" </dev/null
rc=$?
cat "$out"
cat "$err" >&2
exit "$rc"
