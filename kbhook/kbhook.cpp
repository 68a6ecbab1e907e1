// The mouse-hook library's entry points. The monitor enables reporting, then installs the hook
// with its window; from then on every button and wheel event of the mouse reaches that window as
// message 5121 (see mouse_report.h) and is kept from everyone else.

#include <windows.h>

#include "kbhook/hook_thread.h"

namespace {

// Install and remove may come from different threads of the host; the lock keeps one hook thread.
SRWLOCK g_installLock = SRWLOCK_INIT;

class InstallLock {
 public:
  InstallLock() { AcquireSRWLockExclusive(&g_installLock); }
  ~InstallLock() { ReleaseSRWLockExclusive(&g_installLock); }
  InstallLock(const InstallLock&) = delete;
  InstallLock& operator=(const InstallLock&) = delete;
};

}  // namespace

extern "C" {

// A second call only changes the window: the running hook keeps serving.
BOOL installmousehook(HWND window) {
  InstallLock lock;
  SetReportWindow(window);
  if (HookThreadRunning()) return TRUE;
  return StartHookThread() ? TRUE : FALSE;
}

BOOL removemousehook() {
  InstallLock lock;
  StopHookThread();
  SetReportWindow(nullptr);
  return TRUE;
}

void enablemousehook(int enable) {
  SetReportingOn(enable != 0);
}

// Nothing to undo on detach. While the hook thread runs it holds its own reference to the
// library, so a FreeLibrary by the host cannot unload it; a detach with the thread alive only
// happens at process exit, when Windows has already ended that thread and with it the hook, and
// waiting for a thread here would deadlock on the loader lock anyway.
BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) {
  return TRUE;
}

}  // extern "C"
