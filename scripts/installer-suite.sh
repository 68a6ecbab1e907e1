#!/usr/bin/env bash
# Runs the installer's test program (tests/windows_installer) against a setup made by make dist,
# in a Wine prefix made afresh for this run (build/win/wineprefix-installer) and on a virtual
# display of its own: what the setup installs and registers, and the monitor it starts, never
# meet the other suites' prefixes, desktops or input.
#   installer-suite.sh <installer_tests.exe> <...Setup.exe>
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
test_program="$1"
setup="$2"

if [ ! -f "$setup" ]; then
  echo "installer-suite: $setup is missing; make dist builds it" >&2
  exit 1
fi

if [ -z "${INSTALLER_SUITE_DISPLAY:-}" ]; then
  export INSTALLER_SUITE_DISPLAY=1
  exec xvfb-run -a -s "-screen 0 1280x800x24" bash "$0" "$@"
fi

export WINEPREFIX="$ROOT_DIR/build/win/wineprefix-installer"
wineserver -k 2>/dev/null
rm -rf "$WINEPREFIX"
wine_prefix_ready
export INSTALLER_SETUP="Z:${setup//\//\\}"
trap 'wineserver -k 2>/dev/null' EXIT
# One server for the whole run, as in wine-suite.sh.
wineserver -p
bash "$ROOT_DIR/scripts/wine-run.sh" "$test_program"
