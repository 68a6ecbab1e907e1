#!/usr/bin/env bash
# Starts the monitor, then the configurator, from the installation folder under Wine. With a
# display, ends when the configurator is closed. Without one, the programs run on a virtual display
# that nobody sees: it says so, saves a picture of the configurator's window once it is painted
# (build/win/screenshots/run.png), prints its path and runs until interrupted.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
INSTALL_DIR="$ROOT_DIR/build/win/install"
SCREENSHOTS="$ROOT_DIR/build/win/screenshots"

if [ -z "${DISPLAY:-}" ]; then
  echo "run: there is no display here, so the programs run on a virtual display and show nothing;"
  echo "run: a picture of the configurator's window is saved once it is painted."
  export RUN_ON_VIRTUAL_DISPLAY=1
  exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
fi

wine_prefix_ready
cd "$INSTALL_DIR"
wine Monitor.exe &
sleep 2
if [ -z "${RUN_ON_VIRTUAL_DISPLAY:-}" ]; then
  wine Option.exe
  exit
fi

trap 'echo; echo "run: stopping"; wineserver -k 2>/dev/null; exit 0' INT TERM
wine Option.exe &
configurator=$!
if SCREENSHOT_DIR="$SCREENSHOTS" wine "$ROOT_DIR/build/win/bin/configurator_picture.exe" run \
    >/dev/null; then
  echo "run: the configurator's window: $SCREENSHOTS/run.png"
else
  echo "run: the configurator's window did not appear; no picture saved" >&2
fi
echo "run: running until interrupted (Ctrl+C)"
wait "$configurator"
