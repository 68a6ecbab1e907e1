#include "skin/menu_frame_hook.h"

#include <algorithm>
#include <array>
#include <new>
#include <vector>

#include "skin/owner_menu_layout.h"
#include "ui/gdi_handles.h"

namespace {

struct TrackedMenuWindow {
  HWND window;
  WNDPROC previous;
};

// One per process, from Install to Remove. The map lets Remove find every window that is still
// subclassed; the window's own property remains the authority for its previous procedure.
struct MenuFrameHookState {
  HHOOK hook = nullptr;
  std::array<std::vector<TrackedMenuWindow>, kMenuWindowMapBuckets> buckets;
  size_t count = 0;
};

MenuFrameHookState* gMenuFrameHook = nullptr;

std::vector<TrackedMenuWindow>& BucketOf(HWND window) {
  return gMenuFrameHook->buckets[MenuWindowMapBucket(reinterpret_cast<uintptr_t>(window))];
}

bool Track(HWND window, WNDPROC previous) {
  try {
    BucketOf(window).push_back(TrackedMenuWindow{window, previous});
  } catch (...) {
    return false;
  }
  ++gMenuFrameHook->count;
  return true;
}

void Forget(HWND window) {
  if (gMenuFrameHook == nullptr) return;
  std::vector<TrackedMenuWindow>& bucket = BucketOf(window);
  const auto it = std::find_if(bucket.begin(), bucket.end(),
                               [window](const TrackedMenuWindow& t) { return t.window == window; });
  if (it == bucket.end()) return;
  bucket.erase(it);
  --gMenuFrameHook->count;
}

LRESULT CALLBACK MenuFrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

bool IsOurs(HWND window) {
  return GetWindowLongPtrW(window, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&MenuFrameProc);
}

// Puts the previous procedure back. When something else has subclassed the window on top of us,
// our procedure stays in its chain and keeps forwarding through the property, so that is kept.
void Unsubclass(HWND window, WNDPROC previous) {
  if (IsOurs(window)) {
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    RemovePropW(window, kMenuOldProcProperty);
  }
  Forget(window);
}

void PaintFrameThroughWindowDc(HWND window) {
  HDC dc = GetWindowDC(window);
  if (dc == nullptr) return;
  RECT rect{};
  if (GetWindowRect(window, &rect))
    PaintMenuFrame(dc, rect.right - rect.left, rect.bottom - rect.top);
  ReleaseDC(window, dc);
}

LRESULT CALLBACK MenuFrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto previous = reinterpret_cast<WNDPROC>(GetPropW(window, kMenuOldProcProperty));
  if (previous == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  switch (message) {
    case WM_NCCALCSIZE:
      // The client rectangle stays as the system computes it; only the frame's look changes.
      return CallWindowProcW(previous, window, message, wParam, lParam);
    case WM_NCPAINT:
      PaintFrameThroughWindowDc(window);
      return 0;
    case WM_PAINT: {
      // Menus that draw their own border inside the client area (Wine's do) would cover the
      // frame; where the border is non-client (Windows) this repaints the same pixels.
      const LRESULT result = CallWindowProcW(previous, window, message, wParam, lParam);
      PaintFrameThroughWindowDc(window);
      return result;
    }
    case WM_PRINT: {
      const LRESULT result = CallWindowProcW(previous, window, message, wParam, lParam);
      RECT rect{};
      HDC dc = reinterpret_cast<HDC>(wParam);
      if (dc != nullptr && GetWindowRect(window, &rect)) {
        PaintMenuFrame(dc, rect.right - rect.left, rect.bottom - rect.top);
      }
      return result;
    }
    case WM_NCDESTROY:
      Unsubclass(window, previous);
      RemovePropW(window, kMenuOldProcProperty);  // the window ends: nothing forwards any more
      return CallWindowProcW(previous, window, message, wParam, lParam);
    default:
      return CallWindowProcW(previous, window, message, wParam, lParam);
  }
}

bool IsPopupMenuWindow(HWND window) {
  wchar_t name[kMenuClassNameBufferLength] = {};
  const int length = GetClassNameW(window, name, static_cast<int>(kMenuClassNameBufferLength));
  if (length <= 0 || static_cast<size_t>(length) >= kMenuClassNameBufferLength) return false;
  return IsPopupMenuClassName(
      TextView(reinterpret_cast<const char16_t*>(name), static_cast<size_t>(length)));
}

void SubclassMenuWindow(HWND window) {
  if (!IsPopupMenuWindow(window)) return;
  // The property marks a window already subclassed: nothing may wrap it a second time.
  if (GetPropW(window, kMenuOldProcProperty) != nullptr) return;
  const auto previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
  if (previous == nullptr || !Track(window, previous)) return;
  if (!SetPropW(window, kMenuOldProcProperty, reinterpret_cast<HANDLE>(previous))) {
    Forget(window);
    return;
  }
  SetLastError(0);
  if (SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&MenuFrameProc)) == 0 &&
      GetLastError() != 0) {
    RemovePropW(window, kMenuOldProcProperty);
    Forget(window);
  }
}

// A creation hook rather than one on every sent message: under Wine a thread's message hook makes
// each message the thread sends a round trip to the server, which made Apply half again as slow.
LRESULT CALLBACK MenuFrameHookProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND && gMenuFrameHook != nullptr) {
    SubclassMenuWindow(reinterpret_cast<HWND>(wParam));
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

bool InstallMenuFrameHook() {
  if (gMenuFrameHook != nullptr) return false;
  auto* state = new (std::nothrow) MenuFrameHookState;
  if (state == nullptr) return false;
  gMenuFrameHook = state;
  state->hook = SetWindowsHookExW(WH_CBT, &MenuFrameHookProc, nullptr, GetCurrentThreadId());
  if (state->hook == nullptr) {
    gMenuFrameHook = nullptr;
    delete state;
    return false;
  }
  return true;
}

void RemoveMenuFrameHook() {
  MenuFrameHookState* state = gMenuFrameHook;
  if (state == nullptr) return;
  UnhookWindowsHookEx(state->hook);
  for (std::vector<TrackedMenuWindow>& bucket : state->buckets) {
    // Unsubclass edits the bucket, so work on a copy of it.
    const std::vector<TrackedMenuWindow> windows = std::move(bucket);
    bucket.clear();
    for (const TrackedMenuWindow& tracked : windows) {
      if (IsWindow(tracked.window) && IsOurs(tracked.window)) {
        SetWindowLongPtrW(tracked.window, GWLP_WNDPROC,
                          reinterpret_cast<LONG_PTR>(tracked.previous));
        RemovePropW(tracked.window, kMenuOldProcProperty);
      }
    }
  }
  gMenuFrameHook = nullptr;
  delete state;
}

bool MenuFrameHookInstalled() {
  return gMenuFrameHook != nullptr;
}

size_t SubclassedMenuWindowCount() {
  return gMenuFrameHook != nullptr ? gMenuFrameHook->count : 0;
}

void PaintMenuFrame(HDC dc, int width, int height) {
  for (const FrameLine& line : MenuFrameLines(width, height)) {
    const GdiBrush brush(CreateSolidBrush(line.colour));
    if (!brush) continue;
    const RECT rect{line.rect.left, line.rect.top, line.rect.right, line.rect.bottom};
    FrameRect(dc, &rect, brush.get());
  }
}
