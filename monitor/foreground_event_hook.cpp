#include "monitor/foreground_event_hook.h"

namespace {

// The event callback has no context of its own; one hook per process.
HWND g_notifyWindow = nullptr;
UINT g_notifyMessage = 0;

void CALLBACK OnForegroundEvent(HWINEVENTHOOK, DWORD event, HWND, LONG, LONG, DWORD, DWORD) {
  // Posted rather than handled here: the callback runs inside whatever message retrieval the
  // thread is in (a modal menu, a sent message), and the switch belongs to the window's own turn.
  if (event == EVENT_SYSTEM_FOREGROUND && g_notifyWindow != nullptr) {
    PostMessageW(g_notifyWindow, g_notifyMessage, 0, 0);
  }
}

}  // namespace

bool ForegroundEventHook::Install(HWND window, UINT message) {
  Remove();
  g_notifyWindow = window;
  g_notifyMessage = message;
  hook_ = SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr,
                          OnForegroundEvent, 0, 0, WINEVENT_OUTOFCONTEXT);
  return hook_ != nullptr;
}

void ForegroundEventHook::Remove() {
  if (hook_ != nullptr) UnhookWinEvent(hook_);
  hook_ = nullptr;
  g_notifyWindow = nullptr;
}
