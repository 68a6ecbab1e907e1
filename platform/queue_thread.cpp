#include "platform/queue_thread.h"

bool QueueThread::Start(LPTHREAD_START_ROUTINE main, void* param, SIZE_T stackSize) {
  if (thread_ != nullptr) return true;
  ready_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  if (ready_ == nullptr) return false;
  thread_ = CreateThread(nullptr, stackSize, main, param, 0, &threadId_);
  if (thread_ == nullptr) {
    CloseHandle(ready_);
    ready_ = nullptr;
    return false;
  }
  WaitForSingleObject(ready_, INFINITE);
  return true;
}

void QueueThread::Stop(DWORD waitMs) {
  if (thread_ != nullptr) {
    PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
    WaitForSingleObject(thread_, waitMs);
    CloseHandle(thread_);
    thread_ = nullptr;
  }
  if (ready_ != nullptr) CloseHandle(ready_);
  ready_ = nullptr;
}

bool QueueThread::Post(UINT message, WPARAM wParam, LPARAM lParam) const {
  return thread_ != nullptr && PostThreadMessageW(threadId_, message, wParam, lParam) != FALSE;
}
