#pragma once
// The monitor's icon in the notification area and its menu.

#include <windows.h>

#include "base/text.h"

inline constexpr UINT kTrayIconId = 102;
inline constexpr int kProgramIconResource = 128;

void AddTrayIcon(HWND owner, HINSTANCE instance);
void RemoveTrayIcon(HWND owner);
// The tip shown over the icon; false when the task bar refused it (none there yet).
[[nodiscard]] bool SetTrayTip(HWND owner, TextView tip);
// A short notification from the icon (a balloon or toast, as the shell shows them).
void ShowTrayNotice(HWND owner, TextView title, TextView text);

// Message 1036: a left click opens the configurator, a double click asks again (which only
// raises it), a right click shows the menu.
void HandleTrayNotification(HWND owner, LPARAM mouseMessage);

class ShellWorker;

// Finds the configurator's window and brings it forward, or starts Option.exe beside the monitor
// on the shell worker (nothing without one).
void ShowConfigurator(ShellWorker* shell);
