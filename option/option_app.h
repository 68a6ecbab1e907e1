#pragma once
// The configurator program: one copy at a time, the graphics and menu set-up every window needs,
// and the main window as a modal dialog; the program ends when that dialog ends.

#include <windows.h>

class OptionApp {
 public:
  OptionApp() = default;
  ~OptionApp();
  OptionApp(const OptionApp&) = delete;
  OptionApp& operator=(const OptionApp&) = delete;

  // Start: false when another copy runs (nothing was shown). Runs the main window to its end.
  bool InitInstance();
  // End: undoes what InitInstance set up. Safe to call more than once.
  int ExitInstance();

 private:
  HANDLE instanceMutex_ = nullptr;
};
