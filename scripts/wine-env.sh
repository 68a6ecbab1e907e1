# Sourced by the scripts that run Windows programs: one quiet Wine prefix inside the build tree.
ROOT_DIR="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export WINEPREFIX="${WINEPREFIX:-$ROOT_DIR/build/win/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
export WINEARCH=win64

# Tests that never need the foreground or the input devices run in a second prefix, which has a
# Wine server and so a desktop of its own (on a display of its own when WINE_SECOND_DISPLAY names
# one): their windows can then never take the focus from a test that types or clicks.
wine_use_second_desktop() {
  export WINEPREFIX="${WINEPREFIX%/}-second"
  if [ -n "${WINE_SECOND_DISPLAY:-}" ]; then export DISPLAY="$WINE_SECOND_DISPLAY"; fi
}

# Creates the prefix once (about ten seconds), with Arial mapped to an installed font so that
# GDI+ text renders, and windows left unmanaged: no window manager runs on the virtual display,
# and for managed windows Wine waits two seconds for one at every window it hides. A lock keeps
# parallel test runs from creating it twice; the stamp's number changes with these settings.
wine_prefix_ready() {
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    if [ ! -f "$WINEPREFIX/.ready-2" ]; then
      if [ ! -f "$WINEPREFIX/.ready" ]; then
        wineboot -i >/dev/null 2>&1 || wine wineboot -i >/dev/null 2>&1 || true
      fi
      wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /t REG_SZ \
        /d "Liberation Sans" /f >/dev/null 2>&1 || true
      wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f \
        >/dev/null 2>&1 || true
      wineserver -w
      touch "$WINEPREFIX/.ready" "$WINEPREFIX/.ready-2"
    fi
  ) 9>"$WINEPREFIX.lock"
}
