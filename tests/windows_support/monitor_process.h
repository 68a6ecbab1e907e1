#pragma once
// A real monitor process in an installation folder of its own (a temporary copy of the program,
// its libraries and a config folder), for tests that drive it from outside as the configurator
// and the user would.

#include <windows.h>

#include <string>

#include "base/text.h"
#include "settings/profile_settings.h"
#include "tests/support/temp_dir.h"
#include "tests/windows_support/pump.h"

class MonitorProcess {
 public:
  MonitorProcess();   // lays out the folder; the monitor is not started yet
  ~MonitorProcess();  // ends a monitor still running

  const TempDir& folder() const { return dir_; }
  Text installFolder() const { return dir_.folder(); }

  // Saves `profile` as slot 0 and makes it the current profile, for the next start.
  void WriteCurrentProfile(const ProfileSettings& profile) const;
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
