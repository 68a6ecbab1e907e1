#!/usr/bin/env bash
# Runs the Wine test suites (ctest of the Windows build) on two virtual displays: one for the
# tests that type, click or need the foreground, which run one at a time, and one for the second
# prefix, where the other window tests run beside them (see wine_use_second_desktop).
#
# Each prefix keeps one Wine server for the whole run: a program started while the server of the
# previous one is still shutting down (it lingers about three seconds after its last client)
# would otherwise race with that shutdown.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
SCREEN="-screen 0 1280x800x24"

# Both displays' keys go to one authority file, so that each is reachable from the other's tests.
if [ -z "${WINE_SECOND_DISPLAY:-}" ]; then
  exec xvfb-run -a -s "$SCREEN" bash -c \
    'WINE_SECOND_DISPLAY="$DISPLAY" exec xvfb-run -a -f "$XAUTHORITY" -s "$0" bash "$1" "${@:2}"' \
    "$SCREEN" "$0" "$@"
rc=$?
exit "$rc"
fi

wine_prefix_ready
first_prefix="$WINEPREFIX"
(wine_use_second_desktop && wine_prefix_ready)
second_prefix="${WINEPREFIX%/}-second"

stop_servers() {
  WINEPREFIX="$first_prefix" wineserver -k 2>/dev/null
  WINEPREFIX="$second_prefix" wineserver -k 2>/dev/null
}
trap stop_servers EXIT
WINEPREFIX="$first_prefix" wineserver -p
WINEPREFIX="$second_prefix" wineserver -p

"$@"
rc=$?
exit "$rc"
