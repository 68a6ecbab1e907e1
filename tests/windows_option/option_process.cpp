#include "tests/windows_option/option_process.h"

#include <gtest/gtest.h>

#include "base/file_paths.h"
#include "base/wide.h"
#include "bridge/identities.h"
#include "platform/module_folder.h"
#include "skin/button_pos.h"
#include "tests/windows_support/pump.h"
#include "tests/windows_support/thread_idle.h"
#include "tests/windows_support/window_picture.h"

namespace fs = std::filesystem;

void LayOutConfigurator(const fs::path& folder) {
  const fs::path binaries = ToFilesystemPath(ProgramFolder());
  for (const char* file : {"Option.exe", "lan.dll"}) {
    fs::copy_file(binaries / file, folder / file, fs::copy_options::overwrite_existing);
  }
  fs::copy(binaries / "skins", folder / "skins",
           fs::copy_options::recursive | fs::copy_options::overwrite_existing);
  fs::create_directories(folder / "config");
}

OptionProcess::~OptionProcess() {
  if (process_ == nullptr) return;
  if (Running()) {
    if (HWND w = window()) PostMessageW(w, WM_CLOSE, 0, 0);
    if (!WaitForExit(10000)) TerminateProcess(process_, 1);
  }
  CloseHandle(process_);
}

HANDLE OptionProcess::Launch() const {
  const std::wstring exe = (folder_ / "Option.exe").wstring();
  std::wstring commandLine = L"\"" + exe + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder_.wstring().c_str(), &startup, &info)) {
    return nullptr;
  }
  CloseHandle(info.hThread);
  return info.hProcess;
}

bool OptionProcess::Start() {
  process_ = Launch();
  if (process_ == nullptr) return false;
  WaitForInputIdle(process_, 30000);
  if (!PumpUntil(
          [this] { return (window() != nullptr && IsWindowVisible(window())) || !Running(); },
          30000)) {
    return false;
  }
  if (!Running()) return false;
  return WaitUntilIdle();
}

int OptionProcess::RunSecondInstance(DWORD timeoutMs) const {
  HANDLE second = Launch();
  if (second == nullptr) return -1;
  int code = -1;
  if (PumpUntil([second] { return WaitForSingleObject(second, 0) == WAIT_OBJECT_0; }, timeoutMs)) {
    DWORD exitCode = 0;
    GetExitCodeProcess(second, &exitCode);
    code = static_cast<int>(exitCode);
  } else {
    TerminateProcess(second, 1);
  }
  CloseHandle(second);
  return code;
}

HWND OptionProcess::window() const {
  return FindWindowW(nullptr, Wide(kConfiguratorTitle));
}

bool OptionProcess::Running() const {
  return process_ != nullptr && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

bool OptionProcess::WaitForExit(DWORD timeoutMs) const {
  return PumpUntil([this] { return !Running(); }, timeoutMs);
}

bool OptionProcess::WaitUntilIdle() const {
  HWND w = window();
  return w != nullptr && WaitUntilThreadIdle(w, kIdleWaitMs);
}

namespace {

BOOL CALLBACK CountTitled(HWND window, LPARAM counter) {
  wchar_t title[64] = {};
  GetWindowTextW(window, title, 64);
  if (FromWide(title) == kConfiguratorTitle) ++*reinterpret_cast<int*>(counter);
  return TRUE;
}

void InjectMouse(DWORD flags, POINT point) {
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  // Rounded up, so that scaling back to pixels (which truncates) gives the same pixel.
  input.mi.dx = static_cast<LONG>((point.x * 65536 + width - 1) / width);
  input.mi.dy = static_cast<LONG>((point.y * 65536 + height - 1) / height);
  SendInput(1, &input, sizeof input);
}

}  // namespace

int CountConfiguratorWindows() {
  int count = 0;
  EnumWindows(&CountTitled, reinterpret_cast<LPARAM>(&count));
  return count;
}

RECT MainControlRect(const fs::path& folder, int key) {
  wchar_t value[4096] = {};
  const std::wstring ini = (folder / "skins" / "skin_main.ini").wstring();
  GetPrivateProfileStringW(L"BUTTONPOS", std::to_wstring(key).c_str(), L"", value, 4096,
                           ini.c_str());
  const ButtonPosEntry entry = ParseButtonPos(FromWide(value));
  return RECT{entry.left, entry.top, entry.right, entry.bottom};
}

RECT OnScreen(HWND window, const RECT& clientRect) {
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  return RECT{clientRect.left + origin.x, clientRect.top + origin.y, clientRect.right + origin.x,
              clientRect.bottom + origin.y};
}

HWND ControlWindow(HWND window, const fs::path& folder, int key) {
  const RECT rect = OnScreen(window, MainControlRect(folder, key));
  return WindowFromPoint(POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
}

void WaitForInputTaken(POINT point) {
  HWND under = WindowFromPoint(point);
  if (under == nullptr) return;  // the desktop: nothing of the test takes it
  if (!WaitUntilThreadIdle(under, kIdleWaitMs)) {
    ADD_FAILURE() << "the window at (" << point.x << ", " << point.y
                  << ") did not take the injected input within " << kIdleWaitMs << " ms";
  }
}

void ClickAt(POINT point) {
  InjectMouse(0, point);
  WaitForInputTaken(point);
  InjectMouse(MOUSEEVENTF_LEFTDOWN, point);
  WaitForInputTaken(point);
  InjectMouse(MOUSEEVENTF_LEFTUP, point);
}

void ClickControl(HWND window, const fs::path& folder, int key) {
  const RECT rect = OnScreen(window, MainControlRect(folder, key));
  ClickAt(POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
}

void ParkPointer() {
  InjectMouse(0, POINT{GetSystemMetrics(SM_CXSCREEN) - 5, GetSystemMetrics(SM_CYSCREEN) - 5});
}

ScreenPixels CaptureScreen(const RECT& rect) {
  ScreenPixels pixels;
  pixels.bytes = CaptureScreenPixels(rect);
  if (pixels.bytes.empty()) return pixels;
  pixels.width = rect.right - rect.left;
  pixels.height = rect.bottom - rect.top;
  return pixels;
}

ScreenPixels PictureRect(const fs::path& file, const RECT& rect) {
  ScreenPixels pixels;
  auto picture = static_cast<HBITMAP>(LoadImageW(nullptr, file.wstring().c_str(), IMAGE_BITMAP, 0,
                                                 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
  if (picture == nullptr) return pixels;
  HDC screen = GetDC(nullptr);
  HDC from = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(from, picture);
  pixels.width = rect.right - rect.left;
  pixels.height = rect.bottom - rect.top;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = pixels.width;
  info.bmiHeader.biHeight = -pixels.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC to = CreateCompatibleDC(screen);
  HBITMAP section = CreateDIBSection(to, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (section != nullptr && bits != nullptr) {
    HGDIOBJ oldTo = SelectObject(to, section);
    BitBlt(to, 0, 0, pixels.width, pixels.height, from, rect.left, rect.top, SRCCOPY);
    GdiFlush();
    const auto* begin = static_cast<const uint8_t*>(bits);
    pixels.bytes.assign(begin, begin + static_cast<size_t>(pixels.width) * pixels.height * 4);
    SelectObject(to, oldTo);
  }
  if (section != nullptr) DeleteObject(section);
  DeleteDC(to);
  SelectObject(from, old);
  DeleteDC(from);
  ReleaseDC(nullptr, screen);
  DeleteObject(picture);
  return pixels;
}

double MatchingShare(const ScreenPixels& a, const ScreenPixels& b) {
  if (a.width != b.width || a.height != b.height || a.bytes.empty() ||
      a.bytes.size() != b.bytes.size()) {
    return 0.0;
  }
  size_t equal = 0;
  const size_t count = a.bytes.size() / 4;
  for (size_t i = 0; i < count; ++i) {
    const uint8_t* p = &a.bytes[i * 4];
    const uint8_t* q = &b.bytes[i * 4];
    if (p[0] == q[0] && p[1] == q[1] && p[2] == q[2]) ++equal;
  }
  return static_cast<double>(equal) / static_cast<double>(count);
}
