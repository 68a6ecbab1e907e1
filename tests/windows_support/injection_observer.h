#pragma once
// Watches, with low-level hooks on the calling thread, the input that another program injects,
// while this process plays the physical mouse (its own input carries the device-simulation
// marker and is not recorded). Timestamps let benchmarks measure latency and pauses.

#include <windows.h>

#include <cstddef>
#include <vector>

struct ObservedInput {
  bool key;          // keyboard; otherwise a mouse button or wheel message
  DWORD code;        // virtual key, or the mouse message (WM_LBUTTONDOWN ...)
  bool up;           // key or button release
  bool injected;     // the system marked it as injected
  int wheelDelta;    // signed notch delta of a wheel message, else 0
  LONGLONG counter;  // QueryPerformanceCounter when the hook saw it
};

class InjectionObserver {
 public:
  // `swallowKeys`: observed keys go no further, so nothing types into whatever has the focus.
  explicit InjectionObserver(bool swallowKeys = true);
  ~InjectionObserver();
  InjectionObserver(const InjectionObserver&) = delete;
  InjectionObserver& operator=(const InjectionObserver&) = delete;

  bool installed() const { return keyHook_ != nullptr && mouseHook_ != nullptr; }
  const std::vector<ObservedInput>& seen() const;
  void Clear();
  // Pumps this thread's messages (the hooks run in them) until `count` inputs were seen.
  bool WaitFor(std::size_t count, DWORD timeoutMs = 10000) const;
  // Pumps for a while, for inputs that must not come.
  void Idle(DWORD milliseconds) const;

 private:
  HHOOK keyHook_ = nullptr;
  HHOOK mouseHook_ = nullptr;
};

// One input of the simulated physical mouse.
void SimulateMouse(DWORD flags, DWORD data = 0);
// Milliseconds between two QueryPerformanceCounter readings.
double CounterMilliseconds(LONGLONG from, LONGLONG to);
LONGLONG CounterNow();
