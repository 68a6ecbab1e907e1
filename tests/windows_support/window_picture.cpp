#include "tests/windows_support/window_picture.h"

#include <cstdlib>

#include "tests/windows_support/png_writer.h"

namespace {

// The rectangle's size drawn by `draw(memory, width, height)` into a top-down 32-bit section made
// for `reference` (null: the screen); empty when the rectangle is empty or the drawing failed.
template <typename Draw>
std::vector<uint8_t> CaptureRect(const RECT& rect, HDC reference, Draw draw) {
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return {};
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC memory = CreateCompatibleDC(reference);
  HBITMAP section = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  std::vector<uint8_t> pixels;
  if (section != nullptr && bits != nullptr) {
    HGDIOBJ old = SelectObject(memory, section);
    if (draw(memory, width, height)) {
      GdiFlush();
      const auto* begin = static_cast<const uint8_t*>(bits);
      pixels.assign(begin, begin + static_cast<size_t>(width) * height * 4);
    }
    SelectObject(memory, old);
  }
  if (section != nullptr) DeleteObject(section);
  DeleteDC(memory);
  return pixels;
}

}  // namespace

std::vector<uint8_t> CaptureWindowPixels(HWND window, int& width, int& height) {
  RECT bounds{};
  if (!GetWindowRect(window, &bounds)) return {};
  width = bounds.right - bounds.left;
  height = bounds.bottom - bounds.top;
  std::vector<uint8_t> pixels = CaptureRect(bounds, nullptr, [window](HDC memory, int, int) {
    return PrintWindow(window, memory, 0) != FALSE;
  });
  if (pixels.empty()) return pixels;
  // PrintWindow draws the whole rectangle; what the window's shape leaves out is shown white, as
  // in the mask.
  HRGN shape = CreateRectRgn(0, 0, 0, 0);
  if (GetWindowRgn(window, shape) != ERROR) {
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        if (PtInRegion(shape, x, y)) continue;
        uint8_t* px = &pixels[(static_cast<size_t>(y) * width + x) * 4];
        px[0] = px[1] = px[2] = 0xFF;
      }
    }
  }
  DeleteObject(shape);
  return pixels;
}

std::wstring ScreenshotFolder() {
  if (const char* dir = std::getenv("SCREENSHOT_DIR"); dir != nullptr && *dir != 0) {
    std::string folder = dir;
    if (folder[0] == '/') folder = "Z:" + folder;  // Wine shows the Unix root as Z:
    for (char& c : folder) {
      if (c == '/') c = '\\';
    }
    return std::wstring(folder.begin(), folder.end());
  }
  // Test programs are built into <build>/bin.
  wchar_t module[MAX_PATH] = {};
  const DWORD n = GetModuleFileNameW(nullptr, module, MAX_PATH);
  std::wstring path(module, n);
  for (int i = 0; i < 2; ++i) {
    const size_t slash = path.find_last_of(L"\\/");
    path = slash == std::wstring::npos ? L"." : path.substr(0, slash);
  }
  return path + L"\\screenshots";
}

namespace {

std::wstring SavePixels(const std::vector<uint8_t>& pixels, int width, int height,
                        const std::string& name) {
  if (pixels.empty()) return {};
  const std::vector<uint8_t> png = EncodePng(pixels.data(), width, height);
  std::wstring path = ScreenshotFolder();
  CreateDirectoryW(path.c_str(), nullptr);
  path += L"\\" + std::wstring(name.begin(), name.end()) + L".png";
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  DWORD written = 0;
  const bool ok = WriteFile(file, png.data(), static_cast<DWORD>(png.size()), &written, nullptr) &&
                  written == png.size();
  CloseHandle(file);
  return ok ? path : std::wstring();
}

}  // namespace

std::wstring SaveWindowPicture(HWND window, const std::string& name) {
  int width = 0, height = 0;
  const std::vector<uint8_t> pixels = CaptureWindowPixels(window, width, height);
  return SavePixels(pixels, width, height, name);
}

std::vector<uint8_t> CaptureScreenPixels(const RECT& rect) {
  HDC screen = GetDC(nullptr);
  std::vector<uint8_t> pixels = CaptureRect(rect, screen, [&](HDC memory, int width, int height) {
    return BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY) != FALSE;
  });
  ReleaseDC(nullptr, screen);
  return pixels;
}

std::wstring SaveScreenPicture(const RECT& rect, const std::string& name) {
  return SavePixels(CaptureScreenPixels(rect), rect.right - rect.left, rect.bottom - rect.top,
                    name);
}

std::wstring SaveScreenPicture(HWND window, const std::string& name) {
  RECT bounds{};
  return GetWindowRect(window, &bounds) ? SaveScreenPicture(bounds, name) : std::wstring();
}
