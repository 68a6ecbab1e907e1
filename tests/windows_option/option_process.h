#pragma once
// The configurator as a real process in an installation folder of its own, and what a user does
// with it: clicks at its controls' places (read from the installed skin description) and looks at
// the screen.

#include <windows.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/windows_support/window_picture.h"  // SaveScreenPicture for the suites

// Copies Option.exe, lan.dll and the skins folder from the test program's folder into `folder`
// and makes its config folder.
void LayOutConfigurator(const std::filesystem::path& folder);

inline constexpr DWORD kIdleWaitMs = 15000;

class OptionProcess {
 public:
  explicit OptionProcess(std::filesystem::path folder) : folder_(std::move(folder)) {}
  ~OptionProcess();  // ends a configurator still running
  OptionProcess(const OptionProcess&) = delete;
  OptionProcess& operator=(const OptionProcess&) = delete;

  // Starts Option.exe and waits until its window is shown and idle.
  bool Start();
  // A further Option.exe run to its end: its exit code, or -1 when it did not end in time.
  int RunSecondInstance(DWORD timeoutMs = 15000) const;

  HWND window() const;
  bool Running() const;
  bool WaitForExit(DWORD timeoutMs = 15000) const;
  // Waits until the window's thread has handled every message and input queued before the call
  // (a click or a key included, and whatever dialog or menu it runs); false after kIdleWaitMs.
  bool WaitUntilIdle() const;

  const std::filesystem::path& folder() const { return folder_; }

 private:
  HANDLE Launch() const;

  std::filesystem::path folder_;
  HANDLE process_ = nullptr;
};

// Every top-level window titled like the configurator's main window.
int CountConfiguratorWindows();

// A control's rectangle in the main window's client coordinates: its "BUTTONPOS" entry in the
// installed skins\skin_main.ini.
RECT MainControlRect(const std::filesystem::path& folder, int key);

// The rectangle on screen, for a window whose client area starts at its window's corner.
RECT OnScreen(HWND window, const RECT& clientRect);

// The control window at the centre of a control's place.
HWND ControlWindow(HWND window, const std::filesystem::path& folder, int key);

// Waits until the thread of the window at a screen point has handled the input injected so far:
// a press sent before the pointer's move was taken would go to the window that held the capture
// (a skinned button keeps it while hovered), not to the one under the pointer. A wait that runs
// out fails the test.
void WaitForInputTaken(POINT point);
// A left click with injected input at a point on the screen, each step taken before the next.
void ClickAt(POINT point);
void ClickControl(HWND window, const std::filesystem::path& folder, int key);
// Moves the pointer off every window of the test.
void ParkPointer();

// Screen pixels as top-down 32-bit values (blue, green, red, unused).
struct ScreenPixels {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> bytes;
};
ScreenPixels CaptureScreen(const RECT& screenRect);
// The same rectangle of a 24-bit skin picture file.
ScreenPixels PictureRect(const std::filesystem::path& file, const RECT& rect);
// Share of pixels (0 to 1) whose colours are equal.
double MatchingShare(const ScreenPixels& a, const ScreenPixels& b);
