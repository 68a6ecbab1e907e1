#!/usr/bin/env bash
# Starts the monitor, then the configurator, from the installation folder under Wine; on a virtual
# display when there is no display. Ends when the configurator is closed.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
INSTALL_DIR="$ROOT_DIR/build/win/install"

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
fi

wine_prefix_ready
cd "$INSTALL_DIR"
wine Monitor.exe &
sleep 2
wine Option.exe
