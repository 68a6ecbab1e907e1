// The least possible button-to-key program, as the latency benchmark's baseline: a low-level
// mouse hook that injects one key directly for each press and release of the first extra button
// of the simulated mouse. Ends when its window is closed.

#include <windows.h>

#include "kbhook/mouse_report.h"

namespace {

LRESULT CALLBACK MouseHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION) {
    const auto* m = reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
    if (m->dwExtraInfo == kDeviceSimulationMarker && HIWORD(m->mouseData) == XBUTTON1) {
      if (wParam == WM_XBUTTONDOWN) keybd_event('A', 0, 0, 0);
      if (wParam == WM_XBUTTONUP) keybd_event('A', 0, KEYEVENTF_KEYUP, 0);
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  HHOOK hook = SetWindowsHookExW(WH_MOUSE_LL, MouseHook, instance, 0);
  if (hook == nullptr) return 1;
  WNDCLASSW wc{};
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.lpszClassName = L"BaselineInjectorWindow";
  RegisterClassW(&wc);
  // The window appears once the hook is in place: the benchmark waits for it.
  CreateWindowExW(0, wc.lpszClassName, L"BaselineInjector", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                  instance, nullptr);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
  UnhookWindowsHookEx(hook);
  return 0;
}
