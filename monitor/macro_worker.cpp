#include "monitor/macro_worker.h"

#include <cstdio>

#include "bridge/messages.h"
#include "platform/win32_input_sink.h"

DWORD WINAPI MacroWorker::ThreadMain(LPVOID param) {
  auto* self = static_cast<MacroWorker*>(param);
  MSG msg;
  // The queue must exist before the window's thread may post the play message to it.
  PeekMessageW(&msg, nullptr, WM_USER, WM_USER, PM_NOREMOVE);
  self->queue_.MarkReady();
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
  return queue_.Start(ThreadMain, this, 4096);
}

void MacroWorker::Stop() {
  if (queue_.running()) player_.RequestStop();
  queue_.Stop(INFINITE);
}

void MacroWorker::StartOrStop(const MacroRequest& macro) {
  if (!queue_.running()) return;
  if (player_.StartOrStop(macro) == MacroPlayer::Request::kStarted &&
      !queue_.Post(kMsgMacroPlay, 0, 0)) {
    player_.AbandonStart();
  }
}
