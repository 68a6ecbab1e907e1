#pragma once
// What the skinned-control tests share: a framework window that owns the controls and records
// what they tell it, solid full-window pictures, and a control's drawing read back as pixels.

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/windows_support/png_writer.h"
#include "tests/windows_support/window_picture.h"
#include "ui/window.h"

// A shown pop-up (owner drawing and focus need one) that records every WM_COMMAND and every
// message of one registered number it receives.
class ControlHost : public Window {
 public:
  struct Command {
    WPARAM wParam;
    LPARAM lParam;
  };

  explicit ControlHost(UINT recordedMessage = 0, int x = 700, int y = 420, int width = 320,
                       int height = 200)
      : recordedMessage_(recordedMessage) {
    WindowCreateArgs args;
    args.style = WS_POPUP | WS_VISIBLE;
    args.x = x;
    args.y = y;
    args.width = width;
    args.height = height;
    Create(args);
  }
  ~ControlHost() override {
    if (handle() != nullptr) DestroyWindow(handle());
  }

  std::vector<Command> commands;
  std::vector<WPARAM> recorded;  // wParam of each recordedMessage, in order

 protected:
  bool RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
    if (message == WM_COMMAND) {
      commands.push_back({wParam, lParam});
      result = 0;
      return true;
    }
    if (recordedMessage_ != 0 && message == recordedMessage_) {
      recorded.push_back(wParam);
      result = 0;
      return true;
    }
    if (message == WM_PAINT) {  // a plain grey background, for the screenshots
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(handle(), &paint);
      FillRect(dc, &paint.rcPaint, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
      EndPaint(handle(), &paint);
      result = 0;
      return true;
    }
    if (message == WM_PRINTCLIENT) {
      RECT client{};
      GetClientRect(handle(), &client);
      FillRect(reinterpret_cast<HDC>(wParam), &client,
               static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
      result = 0;
      return true;
    }
    return Window::RouteMessage(message, wParam, lParam, result);
  }

 private:
  UINT recordedMessage_;
};

// A width x height picture of one colour, with the pixel at (markX, markY) in markColour (when it
// lies inside), so that a test can tell where a cut was taken from.
inline HBITMAP SolidPicture(int width, int height, COLORREF colour, int markX = -1, int markY = -1,
                            COLORREF markColour = 0) {
  HDC screen = GetDC(nullptr);
  HBITMAP picture = CreateCompatibleBitmap(screen, width, height);
  HDC memory = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(memory, picture);
  HBRUSH brush = CreateSolidBrush(colour);
  RECT all{0, 0, width, height};
  FillRect(memory, &all, brush);
  DeleteObject(brush);
  if (markX >= 0 && markY >= 0) SetPixel(memory, markX, markY, markColour);
  SelectObject(memory, old);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return picture;
}

// 32-bit pixels, top-down, as 0x00RRGGBB values.
struct Pixels {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> values;

  uint32_t At(int x, int y) const { return values[static_cast<size_t>(y) * width + x]; }
};

inline uint32_t Rgb(COLORREF colour) {
  return (uint32_t{GetRValue(colour)} << 16) | (uint32_t{GetGValue(colour)} << 8) |
         GetBValue(colour);
}

// What the window draws into a device context of its own client size, asked with WM_PRINTCLIENT
// (the same owner-drawing path as a paint, but independent of what covers the screen). The
// context is first filled with sentinel, so that pixels the window leaves alone keep it. With
// withChildren, each visible child then draws itself at its place on top.
inline Pixels PrintClient(HWND control, COLORREF sentinel = RGB(1, 2, 3),
                          bool withChildren = false) {
  RECT client{};
  GetClientRect(control, &client);
  Pixels result;
  result.width = client.right;
  result.height = client.bottom;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = result.width;
  info.bmiHeader.biHeight = -result.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC memory = CreateCompatibleDC(nullptr);
  HBITMAP section = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (section == nullptr || bits == nullptr) {
    DeleteDC(memory);
    return result;
  }
  HGDIOBJ old = SelectObject(memory, section);
  HBRUSH brush = CreateSolidBrush(sentinel);
  FillRect(memory, &client, brush);
  DeleteObject(brush);
  SendMessageW(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
  GdiFlush();
  const auto* begin = static_cast<const uint32_t*>(bits);
  result.values.assign(begin, begin + static_cast<size_t>(result.width) * result.height);
  for (uint32_t& value : result.values) value &= 0x00FFFFFF;
  SelectObject(memory, old);
  DeleteObject(section);
  DeleteDC(memory);
  // Each child separately: under Wine a control clips its drawing to the context's device origin,
  // so it cannot be drawn at an offset into the owner's context.
  for (HWND child = withChildren ? GetWindow(control, GW_CHILD) : nullptr; child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child)) continue;
    RECT placed{};
    GetWindowRect(child, &placed);
    MapWindowPoints(nullptr, control, reinterpret_cast<POINT*>(&placed), 2);
    const uint32_t untouched = 0x010203;
    const Pixels drawn = PrintClient(child, RGB(1, 2, 3));
    for (int y = 0; y < drawn.height; ++y) {
      for (int x = 0; x < drawn.width; ++x) {
        const int tx = placed.left + x, ty = placed.top + y;
        if (tx < 0 || ty < 0 || tx >= result.width || ty >= result.height) continue;
        if (drawn.At(x, y) == untouched) continue;
        result.values[static_cast<size_t>(ty) * result.width + tx] = drawn.At(x, y);
      }
    }
  }
  return result;
}

// How many pixels have exactly this colour.
inline int CountColour(const Pixels& pixels, uint32_t rgb) {
  int count = 0;
  for (uint32_t value : pixels.values) count += value == rgb;
  return count;
}

// Saves the window with its controls as <ScreenshotFolder()>\<name>.png, composed with
// PrintClient(withChildren) (PrintWindow leaves the children out under Wine). The path written,
// or empty.
inline std::wstring SaveComposedPicture(HWND window, const std::wstring& name) {
  const Pixels pixels = PrintClient(window, RGB(0, 0, 0), true);
  if (pixels.values.empty()) return {};
  // 0x00RRGGBB little-endian is the encoder's blue, green, red, unused.
  const std::vector<uint8_t> png = EncodePng(reinterpret_cast<const uint8_t*>(pixels.values.data()),
                                             pixels.width, pixels.height);
  std::wstring path = ScreenshotFolder();
  CreateDirectoryW(path.c_str(), nullptr);
  path += L"\\" + name + L".png";
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  DWORD written = 0;
  const bool ok = WriteFile(file, png.data(), static_cast<DWORD>(png.size()), &written, nullptr) &&
                  written == png.size();
  CloseHandle(file);
  return ok ? path : std::wstring();
}
