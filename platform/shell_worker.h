#pragma once
// A thread of its own for the shell calls that can take long or hang (starting a program, the
// drives folder, the Shell object's dialogs, WinExec): the monitor's window thread hands them
// over and returns at once, so that it, and with it the mouse, never waits for the shell.

#include <windows.h>

#include <functional>

#include "platform/queue_thread.h"

struct IShellDispatch;

class ShellWorker {
 public:
  // A call made on the worker: `shell` is the worker's Shell automation object, or null when
  // none could be created.
  using Call = std::function<void(IShellDispatch* shell)>;

  ShellWorker() = default;
  ~ShellWorker() { Stop(); }
  ShellWorker(const ShellWorker&) = delete;
  ShellWorker& operator=(const ShellWorker&) = delete;

  // Starts the thread, which opens a COM apartment and creates the Shell object. False when the
  // thread could not be started.
  bool Start();
  // Ends the thread. A call still running (a shell that hangs) is waited for two seconds at most;
  // the process ends it with itself.
  void Stop();

  // Queues the call; false, running nothing, when the worker does not run.
  bool Run(Call call);

 private:
  static DWORD WINAPI ThreadMain(LPVOID self);

  QueueThread queue_;
};
