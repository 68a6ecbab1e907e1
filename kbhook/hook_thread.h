#pragma once
// The library's own thread, which owns the low-level mouse hook. Windows calls a low-level hook
// procedure on the thread that installed the hook, while that thread waits for messages; a thread
// of our own keeps the system's mouse responsive while the monitor's window thread sleeps in its
// actions.

#include <windows.h>

// Starts the thread and returns once it has installed the hook: true, or false (no thread left
// behind) when the hook or the thread could not be created.
bool StartHookThread();

// Has the thread remove its hook and end, and waits for it; after the return no report is posted.
// Harmless when no thread runs.
void StopHookThread();

bool HookThreadRunning();

// Read by the hook procedure for each event; they may change while the hook is installed.
void SetReportWindow(HWND window);
void SetReportingOn(bool on);
