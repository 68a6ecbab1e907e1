#pragma once
// A real monitor process in an installation folder of its own (a temporary copy of the program,
// its libraries and a config folder), for tests that drive it from outside as the configurator
// and the user would.

#include <windows.h>

#include <string>

#include "settings/text.h"
#include "tests/support/temp_dir.h"

class MonitorProcess {
 public:
  MonitorProcess();   // lays out the folder; the monitor is not started yet
  ~MonitorProcess();  // ends a monitor still running

  const TempDir& folder() const { return dir_; }
  Text installFolder() const { return dir_.folder(); }

  // Starts Monitor.exe with a command line; waits for its window when `waitForWindow`.
  bool Start(const std::wstring& arguments = L"", bool waitForWindow = true);
  HWND window() const;
  HANDLE process() const { return process_; }
  // Tray menu's exit command, then waits for the process to end.
  bool Exit(DWORD timeoutMs = 20000);
  // Runs a further Monitor.exe to its end and returns its exit code (-1 on time-out).
  int RunSecondInstance(const std::wstring& arguments, DWORD timeoutMs = 20000);
  bool Running() const;
  int ThreadCount() const;

 private:
  HANDLE Launch(const std::wstring& arguments) const;

  TempDir dir_;
  HANDLE process_ = nullptr;
};

// Waits, pumping this thread's messages, until `done` is true or the time is up.
template <typename Done>
bool PumpUntil(Done done, DWORD timeoutMs) {
  const ULONGLONG end = GetTickCount64() + timeoutMs;
  while (!done()) {
    if (GetTickCount64() > end) return false;
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
  }
  return true;
}
