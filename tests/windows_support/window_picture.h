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

// What the screen shows in a rectangle (screen coordinates): for another process's window, which
// PrintWindow cannot reach, or a window with a menu beside it. Empty on failure.
std::vector<uint8_t> CaptureScreenPixels(const RECT& rect);

// Writes the screen's picture of a rectangle, or of where the window is (it must be on top), as
// <ScreenshotFolder()>\<name>.png. The path written, or empty when nothing was written.
std::wstring SaveScreenPicture(const RECT& rect, const std::string& name);
std::wstring SaveScreenPicture(HWND window, const std::string& name);
