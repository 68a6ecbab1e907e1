// The least possible button-to-key programs, as the latency benchmark's baselines: a low-level
// mouse hook that injects one key for each press and release of the first extra button of the
// simulated mouse. Started with "hop", the hook only posts the event to the program's window,
// whose thread injects it: the one cross-thread hop a program needs when its decisions live
// outside the hook. Ends when its window is closed.

#include <windows.h>

#include <cstring>

#include "kbhook/mouse_report.h"

namespace {

constexpr UINT kInjectMessage = WM_APP + 1;  // wParam: the key's flags

HWND g_window = nullptr;
bool g_hop = false;
HANDLE g_hookReady = nullptr;

void Inject(DWORD flags) {
  keybd_event('A', 0, flags, 0);
}

LRESULT CALLBACK MouseHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION) {
    const auto* m = reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
    if (m->dwExtraInfo == kDeviceSimulationMarker && HIWORD(m->mouseData) == XBUTTON1 &&
        (wParam == WM_XBUTTONDOWN || wParam == WM_XBUTTONUP)) {
      const DWORD flags = wParam == WM_XBUTTONUP ? KEYEVENTF_KEYUP : 0;
      if (g_hop) {
        PostMessageW(g_window, kInjectMessage, flags, 0);
      } else {
        Inject(flags);
      }
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kInjectMessage) {
    Inject(static_cast<DWORD>(wParam));
    return 0;
  }
  if (message == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcW(window, message, wParam, lParam);
}

// The hook runs on a thread of its own, as a hook library's does, so that the hop is between
// threads.
DWORD WINAPI HookThread(LPVOID instance) {
  HHOOK hook = SetWindowsHookExW(WH_MOUSE_LL, MouseHook, static_cast<HINSTANCE>(instance), 0);
  SetEvent(g_hookReady);
  if (hook == nullptr) return 1;
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
  UnhookWindowsHookEx(hook);
  return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  g_hop = std::strstr(commandLine, "hop") != nullptr;
  WNDCLASSW wc{};
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.lpszClassName = L"BaselineInjectorWindow";
  RegisterClassW(&wc);
  g_window = CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                             instance, nullptr);
  DWORD hookThreadId = 0;
  HANDLE hookThread = nullptr;
  HHOOK hook = nullptr;
  if (g_hop) {
    g_hookReady = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    hookThread = CreateThread(nullptr, 0, HookThread, instance, 0, &hookThreadId);
    if (hookThread != nullptr) WaitForSingleObject(g_hookReady, 5000);
  } else {
    hook = SetWindowsHookExW(WH_MOUSE_LL, MouseHook, instance, 0);
  }
  if (g_window == nullptr || (hook == nullptr && hookThread == nullptr)) return 1;
  // The title appears once the hook is in place: the benchmark waits for it.
  SetWindowTextW(g_window, L"BaselineInjector");
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
  if (hook != nullptr) UnhookWindowsHookEx(hook);
  if (hookThread != nullptr) {
    PostThreadMessageW(hookThreadId, WM_QUIT, 0, 0);
    WaitForSingleObject(hookThread, 5000);
    CloseHandle(hookThread);
  }
  return 0;
}
