#pragma once
// A thread of its own with a message queue that another thread posts work to. Start returns once
// the thread has made its queue (so that nothing posted is lost); Stop posts WM_QUIT and waits.

#include <windows.h>

class QueueThread {
 public:
  QueueThread() = default;
  ~QueueThread() { Stop(INFINITE); }
  QueueThread(const QueueThread&) = delete;
  QueueThread& operator=(const QueueThread&) = delete;

  // Runs main(param) on a new thread and waits until it calls MarkReady. False, with no thread,
  // when none could be started; true at once when one runs already.
  [[nodiscard]] bool Start(LPTHREAD_START_ROUTINE main, void* param, SIZE_T stackSize = 0);
  // Called by the thread once its queue exists: PeekMessage first, then this.
  void MarkReady() const { SetEvent(ready_); }
  // Ends the thread's message loop and waits for it at most waitMs; a thread still running then
  // ends with the process.
  void Stop(DWORD waitMs);

  bool running() const { return thread_ != nullptr; }
  // False when the thread does not run or its queue is full.
  [[nodiscard]] bool Post(UINT message, WPARAM wParam, LPARAM lParam) const;

 private:
  HANDLE thread_ = nullptr;
  DWORD threadId_ = 0;
  HANDLE ready_ = nullptr;
};
