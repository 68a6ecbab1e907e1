#include "platform/shell_worker.h"

#include <objbase.h>
#include <shldisp.h>

namespace {

// Thread message carrying a heap-allocated call in its lParam.
constexpr UINT kMsgShellCall = WM_APP + 1;
constexpr DWORD kStopWaitMs = 2000;

}  // namespace

DWORD WINAPI ShellWorker::ThreadMain(LPVOID param) {
  auto* self = static_cast<ShellWorker*>(param);
  MSG msg;
  // The queue must exist before the window thread may post to it.
  PeekMessageW(&msg, nullptr, WM_USER, WM_USER, PM_NOREMOVE);
  // The shell's calls want a single-threaded apartment with a message loop, which this is.
  CoInitialize(nullptr);
  IShellDispatch* shell = nullptr;
  if (FAILED(CoCreateInstance(CLSID_Shell, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                              IID_IShellDispatch, reinterpret_cast<void**>(&shell)))) {
    shell = nullptr;
  }
  self->queue_.MarkReady();
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (msg.hwnd == nullptr && msg.message == kMsgShellCall) {
      auto* call = reinterpret_cast<Call*>(msg.lParam);
      (*call)(shell);
      delete call;
      continue;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  // Calls still queued behind the quit message are dropped, their memory freed.
  while (PeekMessageW(&msg, nullptr, kMsgShellCall, kMsgShellCall, PM_REMOVE)) {
    delete reinterpret_cast<Call*>(msg.lParam);
  }
  if (shell != nullptr) shell->Release();
  CoUninitialize();
  return 0;
}

bool ShellWorker::Start() {
  return queue_.Start(ThreadMain, this);
}

void ShellWorker::Stop() {
  queue_.Stop(kStopWaitMs);
}

bool ShellWorker::Run(Call call) {
  if (!queue_.running()) return false;
  auto* queued = new Call(std::move(call));
  if (!queue_.Post(kMsgShellCall, 0, reinterpret_cast<LPARAM>(queued))) {
    delete queued;
    return false;
  }
  return true;
}
