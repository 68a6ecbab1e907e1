#pragma once
// Waiting for a condition in a benchmark while this thread's messages keep flowing.

#include <windows.h>

// Polls `done` until it holds (true) or `timeoutMs` passes (false). Between polls the thread
// waits up to `pauseMs` for a message; 0 polls without pausing, for figures finer than a
// millisecond (a test pump's 20 ms steps would blur them all).
template <typename Done>
bool PollUntil(Done done, DWORD timeoutMs, DWORD pauseMs) {
  const ULONGLONG end = GetTickCount64() + timeoutMs;
  while (!done()) {
    if (GetTickCount64() > end) return false;
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    if (pauseMs > 0) MsgWaitForMultipleObjects(0, nullptr, FALSE, pauseMs, QS_ALLINPUT);
  }
  return true;
}
