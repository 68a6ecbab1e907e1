#pragma once
// Screenshots of test windows: what a window shows (PrintWindow into a 32-bit bitmap), saved as
// a PNG file in the build folder's screenshots/ (or SCREENSHOT_DIR when set), so that a person
// can look at what the tests built.

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// The window's picture as top-down 32-bit pixels (blue, green, red, unused); empty on failure.
std::vector<uint8_t> CaptureWindowPixels(HWND window, int& width, int& height);

// SCREENSHOT_DIR, or the folder screenshots beside the test program's bin folder.
std::wstring ScreenshotFolder();

// Writes <ScreenshotFolder()>\<name>.png. The path written, or empty when nothing was written.
std::wstring SaveWindowPicture(HWND window, const std::string& name);

// What the screen shows where the window is, for another process's window, which PrintWindow
// cannot reach; the window must be on top. Empty on failure.
std::vector<uint8_t> CaptureScreenPixels(HWND window, int& width, int& height);

// Writes the screen's picture of the window as <ScreenshotFolder()>\<name>.png. The path
// written, or empty when nothing was written.
std::wstring SaveScreenPicture(HWND window, const std::string& name);
