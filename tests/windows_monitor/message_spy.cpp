// A message hook that a test sets on the monitor's window thread: it runs inside the monitor and
// forwards every button event (message 1325) the monitor takes from its queue to the test's
// observer window, so that a test sees what the monitor will act on without changing the monitor.

#include <windows.h>

#include "bridge/messages.h"

// Posted to the observer: wParam the button index, lParam the kind.
constexpr UINT kMsgSpiedButtonEvent = WM_APP + 25;
// Posted to the monitor's window by a test: its thread sleeps wParam milliseconds, as a window
// thread that hangs for a while would.
constexpr UINT kMsgSpyHoldThread = WM_APP + 26;
constexpr wchar_t kObserverTitle[] = L"GamingMouseMessageSpyObserver";

extern "C" __declspec(dllexport) LRESULT CALLBACK
    SpyGetMessage(int code, WPARAM removal, LPARAM message) {
  if (code == HC_ACTION && removal == PM_REMOVE) {
    const MSG* msg = reinterpret_cast<const MSG*>(message);
    if (msg->message == kMsgSpyHoldThread) Sleep(static_cast<DWORD>(msg->wParam));
    if (msg->message == kMsgButtonEvent) {
      if (HWND observer = FindWindowW(nullptr, kObserverTitle)) {
        PostMessageW(observer, kMsgSpiedButtonEvent, msg->wParam, msg->lParam);
      }
    }
  }
  return CallNextHookEx(nullptr, code, removal, message);
}
