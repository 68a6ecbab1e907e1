#include "monitor/macro_worker.h"

#include <cstdio>

#include "bridge/messages.h"
#include "platform/win32_input_sink.h"

DWORD WINAPI MacroWorker::ThreadMain(LPVOID param) {
  auto* self = static_cast<MacroWorker*>(param);
  MSG msg;
  // The queue must exist before the window's thread may post the play message to it.
  PeekMessageW(&msg, nullptr, WM_USER, WM_USER, PM_NOREMOVE);
  SetEvent(self->ready_);
  Win32InputSink sink(nullptr);
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (msg.message != kMsgMacroPlay) continue;
    const MacroPlaybackEnd end = self->player_.Play(sink);
    char text[80];
    std::snprintf(text, sizeof text, "g_iCurAction= %d,start=%d,end=%d\n", end.currentIndex,
                  end.start, end.end);
    OutputDebugStringA(text);
  }
  return 0;
}

bool MacroWorker::Start() {
  if (thread_ != nullptr) return true;
  ready_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  if (ready_ == nullptr) return false;
  thread_ = CreateThread(nullptr, 4096, ThreadMain, this, 0, &threadId_);
  if (thread_ == nullptr) return false;
  WaitForSingleObject(ready_, INFINITE);
  return true;
}

void MacroWorker::Stop() {
  if (thread_ != nullptr) {
    player_.RequestStop();
    PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
    WaitForSingleObject(thread_, INFINITE);
    CloseHandle(thread_);
    thread_ = nullptr;
  }
  if (ready_ != nullptr) CloseHandle(ready_);
  ready_ = nullptr;
}

void MacroWorker::StartOrStop(const MacroRequest& macro) {
  if (thread_ == nullptr) return;
  if (player_.StartOrStop(macro) == MacroPlayer::Request::kStarted &&
      !PostThreadMessageW(threadId_, kMsgMacroPlay, 0, 0)) {
    player_.AbandonStart();
  }
}
