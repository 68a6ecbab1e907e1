#!/usr/bin/env bash
# Times the installer under Wine: a silent install into an empty folder and a silent uninstall,
# RUNS times each in a scratch prefix (build/win/wineprefix-installer-bench), beside a baseline
# measured in the same run: a Wine program that starts and exits (cmd /c exit). Prints medians
# and their ratios to the baseline; never fails on a figure.
#   installer_times.sh [<...Setup.exe>]
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/wine-env.sh"
cd "$ROOT_DIR"
setup="${1:-$(ls build/win/dist/*-Setup.exe 2>/dev/null | head -1)}"
RUNS="${RUNS:-5}"
if [ ! -f "$setup" ]; then echo "installer_times: no setup; run make dist" >&2; exit 1; fi

export WINEPREFIX="$ROOT_DIR/build/win/wineprefix-installer-bench"
wineserver -k 2>/dev/null
rm -rf "$WINEPREFIX"
wine_prefix_ready
trap 'wineserver -k 2>/dev/null' EXIT
wineserver -p
folder='C:\installer-bench'
unix_folder="$WINEPREFIX/drive_c/installer-bench"

# Milliseconds a command takes.
millis() { local t0; t0=$(date +%s%N); "$@" >/dev/null 2>&1; echo $((($(date +%s%N) - t0) / 1000000)); }
median() { sort -n | awk '{v[NR]=$1} END {print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }

baseline=(); install=(); uninstall=()
for _ in $(seq "$RUNS"); do
  baseline+=("$(millis wine cmd /c exit)")
  install+=("$(millis wine "$setup" /S "/D=$folder")")
  [ -f "$unix_folder/Monitor.exe" ] || echo "installer_times: the install left no Monitor.exe" >&2
  uninstall+=("$(millis wine "$unix_folder/Uninstall.exe" /S "_?=$folder")")
  [ -f "$unix_folder/Monitor.exe" ] && echo "installer_times: the uninstall left Monitor.exe" >&2
  rm -rf "$unix_folder"
done
b=$(printf '%s\n' "${baseline[@]}" | median)
i=$(printf '%s\n' "${install[@]}" | median)
u=$(printf '%s\n' "${uninstall[@]}" | median)
echo "setup: $(basename "$setup"), $(stat -c %s "$setup") bytes; medians of $RUNS runs"
awk -v b="$b" -v i="$i" -v u="$u" 'BEGIN {
  printf "baseline (wine cmd /c exit): %d ms\n", b
  printf "silent install:   %d ms (%.1f x baseline)\n", i, i / b
  printf "silent uninstall: %d ms (%.1f x baseline)\n", u, u / b
}'
