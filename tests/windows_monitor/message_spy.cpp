// Message hooks that a test sets on the monitor's window thread: they run inside the monitor and
// forward every button event the monitor takes to the test's observer window, so that a test sees
// what the monitor will act on without changing the monitor. The events are the requests
// (message 1325) and the hook library's reports (message 5121): those sent by the library come
// through the sent-message hook, those posted (by tests) through the queue hook.

#include <windows.h>

#include "bridge/messages.h"
#include "monitor/button_events.h"

// Posted to the observer: wParam the button index, lParam the kind.
constexpr UINT kMsgSpiedButtonEvent = WM_APP + 25;
// Posted to the monitor's window by a test: its thread sleeps wParam milliseconds, as a window
// thread that hangs for a while would.
constexpr UINT kMsgSpyHoldThread = WM_APP + 26;
constexpr wchar_t kObserverTitle[] = L"GamingMouseMessageSpyObserver";

namespace {

void Forward(UINT message, WPARAM wParam, LPARAM lParam) {
  WPARAM index = wParam;
  LPARAM kind = lParam;
  if (message == kMsgMouseReport) {
    const std::optional<ButtonEvent> event = TranslateMouseReport(wParam, lParam);
    if (!event) return;
    index = static_cast<WPARAM>(event->index);
    kind = static_cast<LPARAM>(event->kind);
  } else if (message != kMsgButtonEvent) {
    return;
  }
  if (HWND observer = FindWindowW(nullptr, kObserverTitle)) {
    PostMessageW(observer, kMsgSpiedButtonEvent, index, kind);
  }
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK
    SpyGetMessage(int code, WPARAM removal, LPARAM message) {
  if (code == HC_ACTION && removal == PM_REMOVE) {
    const MSG* msg = reinterpret_cast<const MSG*>(message);
    if (msg->message == kMsgSpyHoldThread) Sleep(static_cast<DWORD>(msg->wParam));
    Forward(msg->message, msg->wParam, msg->lParam);
  }
  return CallNextHookEx(nullptr, code, removal, message);
}

extern "C" __declspec(dllexport) LRESULT CALLBACK
    SpySentMessage(int code, WPARAM fromThread, LPARAM message) {
  if (code == HC_ACTION) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(message);
    if (sent->message == kMsgMouseReport) Forward(sent->message, sent->wParam, sent->lParam);
  }
  return CallNextHookEx(nullptr, code, fromThread, message);
}
