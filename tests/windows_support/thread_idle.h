#pragma once
// Waiting until the window thread of another program has handled what was sent, posted or typed
// to it: the end of a click or a key rather than a guess at how long it takes.

#include <windows.h>

#include <optional>
#include <vector>

#include "tests/windows_support/pump.h"

namespace thread_idle_detail {

inline BOOL CALLBACK CollectShown(HWND window, LPARAM data) {
  if (IsWindowVisible(window) && !IsIconic(window)) {
    reinterpret_cast<std::vector<HWND>*>(data)->push_back(window);
  }
  return TRUE;
}

// Whether a screen point shows `window` itself: inside its shape (`shape`, in window
// coordinates, when it has one), with no child of it and no window above it there.
inline bool ShowsItself(HWND window, HRGN shape, POINT screen) {
  RECT frame{};
  GetWindowRect(window, &frame);
  if (shape != nullptr && !PtInRegion(shape, screen.x - frame.left, screen.y - frame.top)) {
    return false;
  }
  POINT client = screen;
  ScreenToClient(window, &client);
  if (ChildWindowFromPointEx(window, client, CWP_SKIPINVISIBLE) != window) return false;
  for (HWND above = GetWindow(window, GW_HWNDPREV); above != nullptr;
       above = GetWindow(above, GW_HWNDPREV)) {
    RECT rect{};
    if (IsWindowVisible(above) && GetWindowRect(above, &rect) && PtInRect(&rect, screen)) {
      return false;
    }
  }
  return true;
}

// A client pixel of the window that only the window itself paints: repainting it changes nothing
// on the screen, however the window's children draw.
inline std::optional<RECT> OwnPixel(HWND window) {
  HRGN shape = CreateRectRgn(0, 0, 0, 0);
  const int kind = shape != nullptr ? GetWindowRgn(window, shape) : ERROR;
  if (kind != SIMPLEREGION && kind != COMPLEXREGION && shape != nullptr) {
    DeleteObject(shape);
    shape = nullptr;
  }
  std::optional<RECT> found;
  RECT client{};
  GetClientRect(window, &client);
  constexpr int kStep = 6;
  for (int y = client.top + 2; y < client.bottom && !found; y += kStep) {
    for (int x = client.left + 2; x < client.right && !found; x += kStep) {
      POINT screen{x, y};
      ClientToScreen(window, &screen);
      if (ShowsItself(window, shape, screen)) found = RECT{x, y, x + 1, y + 1};
    }
  }
  if (shape != nullptr) DeleteObject(shape);
  return found;
}

inline bool RoundTrip(HWND window, DWORD timeoutMs) {
  DWORD_PTR ignored = 0;
  return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &ignored) != 0;
}

}  // namespace thread_idle_detail

// Waits until the thread owning `window` has handled every message and every input queued for it
// before the call. A sent message alone does not tell: a thread takes sent messages before its
// input. A thread paints only when nothing sent, posted or typed is waiting, so one pixel of each
// of the thread's shown windows is marked for painting, and once every mark is gone the queue was
// empty; a sent message then waits for the end of that paint. False when the thread did not get
// there in time, or when it shows no window to mark.
inline bool WaitUntilThreadIdle(HWND window, DWORD timeoutMs = 10000) {
  const DWORD thread = GetWindowThreadProcessId(window, nullptr);
  if (thread == 0) return false;
  std::vector<HWND> shown;
  EnumThreadWindows(thread, &thread_idle_detail::CollectShown, reinterpret_cast<LPARAM>(&shown));
  std::vector<HWND> marked;
  for (HWND each : shown) {
    if (const auto pixel = thread_idle_detail::OwnPixel(each)) {
      InvalidateRect(each, &*pixel, FALSE);
      marked.push_back(each);
    }
  }
  if (marked.empty()) return false;
  const bool painted = PumpUntil(
      [&] {
        for (HWND each : marked) {
          if (IsWindow(each) && IsWindowVisible(each) && GetUpdateRect(each, nullptr, FALSE)) {
            return false;
          }
        }
        return true;
      },
      timeoutMs);
  if (!painted) return false;
  if (!IsWindow(window)) return true;  // it closed, and with it what it was doing
  return thread_idle_detail::RoundTrip(window, timeoutMs);
}
