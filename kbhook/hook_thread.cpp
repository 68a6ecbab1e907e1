#include "kbhook/hook_thread.h"

#include <atomic>
#include <cstdint>

#include "kbhook/mouse_report.h"

namespace {

std::atomic<HWND> g_reportWindow{nullptr};
std::atomic<bool> g_reportingOn{false};
// Only the hook thread touches these: the hook procedure and the send callbacks, which Windows
// calls there while the thread waits for messages.
WheelAccumulator g_wheel;
ReportGate g_gate;

// The report window's thread has handled a report.
void CALLBACK ReportTaken(HWND, UINT, ULONG_PTR, LRESULT) {
  g_gate.Taken();
}

// Only touched by StartHookThread and StopHookThread, which the exports serialise.
HANDLE g_hookThread = nullptr;
DWORD g_hookThreadId = 0;

struct StartRequest {
  HMODULE module;  // the library, referenced once more on behalf of the thread
  HANDLE ready;    // set once the thread knows whether its hook is installed
  bool installed;
};

LRESULT CALLBACK MouseHookProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION) {
    const auto* info = reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
    const HWND window = g_reportWindow.load();
    const LowLevelMouseEvent event = {wParam <= 0xFFFF ? static_cast<uint32_t>(wParam) : 0u,
                                      info->mouseData, info->flags,
                                      static_cast<uint64_t>(info->dwExtraInfo)};
    const uint64_t now = GetTickCount64();
    const MouseReportDecision decision = g_gate.Filter(
        event,
        g_wheel.Apply(DecideMouseReport(event, g_reportingOn.load(),
                                        window != nullptr && IsWindow(window) != FALSE)),
        now);
    if (decision.report) {
      // Sent with a callback rather than posted, so that the gate learns when the window's thread
      // has taken it; the call returns at once. A report that cannot be delivered (the window
      // went away just now) must not eat the click.
      const bool delivered =
          SendMessageCallbackW(window, kMsgMouseReport, decision.wParam,
                               static_cast<LPARAM>(decision.lParam), ReportTaken, 0) != FALSE;
      if (g_gate.Sent(event, delivered, now)) return 1;
    } else if (decision.swallow) {
      return 1;  // part of a wheel notch still being added up, or the release of a swallowed press
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

DWORD WINAPI HookThreadMain(void* parameter) {
  auto* request = static_cast<StartRequest*>(parameter);
  const HMODULE module = request->module;

  MSG msg;
  PeekMessageW(&msg, nullptr, WM_USER, WM_USER, PM_NOREMOVE);  // a queue for WM_QUIT to reach
  const HHOOK hook = SetWindowsHookExW(WH_MOUSE_LL, MouseHookProc, module, 0);
  request->installed = hook != nullptr;
  SetEvent(request->ready);  // the request belongs to the installer again from here on

  if (hook != nullptr) {
    // No windows live here: the loop only lets Windows call the hook procedure.
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    }
    UnhookWindowsHookEx(hook);
  }
  // Drops the thread's own reference only once no code of the library runs on it any more.
  FreeLibraryAndExitThread(module, 0);
  return 0;
}

}  // namespace

bool StartHookThread() {
  // The thread holds its own reference to the library: a host that frees the library while
  // hooked must not unmap the code the thread and its hook procedure run.
  StartRequest request = {nullptr, nullptr, false};
  if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
                          reinterpret_cast<LPCWSTR>(&HookThreadMain), &request.module)) {
    return false;
  }
  request.ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  DWORD threadId = 0;
  const HANDLE thread =
      request.ready ? CreateThread(nullptr, 0, HookThreadMain, &request, 0, &threadId) : nullptr;
  if (thread == nullptr) {
    if (request.ready) CloseHandle(request.ready);
    FreeLibrary(request.module);
    return false;
  }

  const HANDLE waits[] = {request.ready, thread};
  WaitForMultipleObjects(2, waits, FALSE, INFINITE);
  CloseHandle(request.ready);
  if (!request.installed) {
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
    return false;
  }
  g_hookThread = thread;
  g_hookThreadId = threadId;
  return true;
}

void StopHookThread() {
  if (g_hookThread == nullptr) return;
  PostThreadMessageW(g_hookThreadId, WM_QUIT, 0, 0);
  WaitForSingleObject(g_hookThread, INFINITE);
  CloseHandle(g_hookThread);
  g_hookThread = nullptr;
  g_hookThreadId = 0;
}

bool HookThreadRunning() {
  return g_hookThread != nullptr;
}

void SetReportWindow(HWND window) {
  g_reportWindow.store(window);
}

void SetReportingOn(bool on) {
  g_reportingOn.store(on);
}
