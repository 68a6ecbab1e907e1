#pragma once
// The recorder's system-wide low-level keyboard hook. While it is installed every keystroke is
// posted to the target window as kMacroKeyMessage and goes no further: nothing typed during a
// recording reaches another window.

#include <windows.h>

// Installs the hook for the target. False when it could not be installed (or one is installed
// already).
bool InstallRecordingHook(HWND target);
// Removes the hook; nothing when none is installed.
void RemoveRecordingHook();
bool RecordingHookInstalled();
