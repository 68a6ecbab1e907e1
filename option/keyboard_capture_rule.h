#pragma once
// What the configurator's keyboard captures (the key dialogs' capture and the macro recorder)
// take and keep from other programs. Only the physical keyboard's keys are theirs: injected keys
// (the monitor's own among them) pass through untaken. A key-up is swallowed only when its
// key-down was, so that a key already held when a capture starts is released normally in the
// program that saw it go down.

#include <bitset>
#include <cstdint>

struct CapturedKey {
  bool take;     // hand it to the capture
  bool swallow;  // keep it from every other program
};

class KeyboardCaptureRule {
 public:
  // The fields of KBDLLHOOKSTRUCT that matter: vkCode, flags (LLKHF_*) and dwExtraInfo.
  CapturedKey Decide(uint32_t virtualKey, uint32_t flags, uint64_t extraInfo);

 private:
  std::bitset<256> swallowedDown_;
};
