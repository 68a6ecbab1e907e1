#pragma once
// The monitor's own low-level keyboard hook: F13, pressed or released, asks the window to centre
// the pointer (message 1326). Every key, F13 included, goes on unchanged.
//
// The hook runs on a thread of its own. On the window's thread it would wait whenever an action
// sleeps there, holding up every key press of the system, and Windows silently removes a
// low-level hook that overruns its time-out.

#include <windows.h>

class KeyboardHook {
 public:
  ~KeyboardHook() { Remove(); }

  // Starts the thread and installs the hook on it; false when the hook could not be installed.
  bool Install(HWND window);
  // Removes the hook and ends the thread; harmless when not installed.
  void Remove();

 private:
  static DWORD WINAPI ThreadMain(LPVOID self);

  HANDLE thread_ = nullptr;
  DWORD threadId_ = 0;
  HANDLE ready_ = nullptr;
  HHOOK hook_ = nullptr;
  bool removed_ = false;
};
