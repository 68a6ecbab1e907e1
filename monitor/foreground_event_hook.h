#pragma once
// The system's foreground-change event, delivered out of context to the thread that installs the
// hook (the monitor's window thread), which then gets a posted notice.

#include <windows.h>

class ForegroundEventHook {
 public:
  ForegroundEventHook() = default;
  ~ForegroundEventHook() { Remove(); }
  ForegroundEventHook(const ForegroundEventHook&) = delete;
  ForegroundEventHook& operator=(const ForegroundEventHook&) = delete;

  // Each foreground change posts `message` to `window`. False when the hook could not be set; the
  // check at every button report still follows the window in front then.
  [[nodiscard]] bool Install(HWND window, UINT message);
  void Remove();

 private:
  HWINEVENTHOOK hook_ = nullptr;
};
