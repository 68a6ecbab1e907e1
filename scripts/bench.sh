#!/usr/bin/env bash
# Runs every Windows benchmark under Wine on a virtual display and prints its figures.
# Benchmarks report; they never fail on slow figures. Run alone: they drive the desktop's input.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
cd "$ROOT_DIR"
wine_prefix_ready
status=0
for exe in build/win/bin/*_bench.exe; do
  echo "=== $(basename "$exe" .exe) ==="
  xvfb-run -a -s "-screen 0 1280x800x24" wine "$exe" || status=1
done
echo "=== installer_times ==="
bash bench/installer_times.sh || status=1
exit "$status"
