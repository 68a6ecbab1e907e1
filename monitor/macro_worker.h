#pragma once
// The monitor's second thread: it waits for the play message and plays the macro that the
// window's thread has copied into the player, so that the window's thread returns at once.

#include <windows.h>

#include "monitor/macro/macro_player.h"
#include "platform/queue_thread.h"

class MacroWorker {
 public:
  ~MacroWorker() { Stop(); }

  bool Start();
  // Asks a playing macro to stop, ends the thread and waits for it.
  void Stop();

  // A macro button's press (or wheel notch): start when idle, otherwise ask to stop.
  void StartOrStop(const MacroRequest& macro);

 private:
  static DWORD WINAPI ThreadMain(LPVOID self);

  MacroPlayer player_;
  QueueThread queue_;
};
