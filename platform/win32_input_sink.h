#pragma once
// The real InputSink: injected input, pauses accurate to about a millisecond, the workstation lock
// and the Shell automation object.

#include <windows.h>

#include "input/input_sink.h"

class ShellWorker;

class Win32KeyboardLayout : public KeyboardLayout {
 public:
  uint16_t ScanCodeOf(uint8_t virtualKey) const override;
  uint8_t VirtualKeyAt(uint16_t scanCode) const override;
};

class Win32InputSink : public InputSink {
 public:
  // Built on the thread that injects with it. `shell` runs the Shell requests off the calling
  // thread; it is not owned. Without one, Shell requests do nothing.
  explicit Win32InputSink(ShellWorker* shell);
  ~Win32InputSink() override;
  Win32InputSink(const Win32InputSink&) = delete;
  Win32InputSink& operator=(const Win32InputSink&) = delete;

  void SendKey(uint8_t virtualKey, uint16_t scanCode, uint32_t flags) override;
  void SendMouse(uint32_t flags, int32_t data, MouseExtraInfo extra) override;
  void Sleep(uint32_t milliseconds) override;
  // The performance counter.
  uint64_t NowMicroseconds() override;
  void SleepUntil(uint64_t deadlineMicroseconds) override;
  void LockWorkstation() override;
  void Shell(ShellRequest request) override;
  const KeyboardLayout& Layout() const override { return layout_; }

 private:
  // Waits about this long on the high-resolution timer; false, at once, without one.
  bool WaitOnPreciseTimer(uint64_t microseconds);
  // Sleep with the system timer at 1 ms for the length of the pause, where that can be set.
  void SleepAtFineResolution(DWORD milliseconds);

  using TimePeriodFunction = UINT(WINAPI*)(UINT);

  ShellWorker* shell_;
  Win32KeyboardLayout layout_;
  uint64_t counterFrequency_ = 1;  // performance-counter ticks per second
  HANDLE preciseTimer_ = nullptr;  // null where high-resolution waitable timers do not exist
  TimePeriodFunction beginPeriod_ = nullptr;  // set only without the high-resolution timer
  TimePeriodFunction endPeriod_ = nullptr;
};
