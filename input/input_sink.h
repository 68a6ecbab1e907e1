#pragma once
// The one way in which synthetic input, pauses, the clock and shell requests reach Windows, so that
// every primitive can be run against a recording and its exact sequence checked.

#include <cstdint>

// What the current keyboard layout answers (MapVirtualKeyW); 0 when it has no answer.
class KeyboardLayout {
 public:
  virtual ~KeyboardLayout() = default;
  // MAPVK_VK_TO_VSC: the set-1 make code of the key that produces the virtual key.
  virtual uint16_t ScanCodeOf(uint8_t virtualKey) const = 0;
  // MAPVK_VSC_TO_VK_EX: the virtual key of the key at that physical position.
  virtual uint8_t VirtualKeyAt(uint16_t scanCode) const = 0;
};

// Where a mouse event's extra information comes from.
enum class MouseExtraInfo : uint8_t {
  kZero,            // 0
  kCurrentMessage,  // GetMessageExtraInfo() at the time of sending
};

enum class ShellRequest : uint8_t { kFindFiles, kFileRun };

class InputSink {
 public:
  virtual ~InputSink() = default;
  // One keyboard input: virtual key, scan code, kKeyEvent* flags, extra information 0.
  virtual void SendKey(uint8_t virtualKey, uint16_t scanCode, uint32_t flags) = 0;
  // One mouse input without movement: kMouseEvent* flags and the data (X button or wheel delta).
  virtual void SendMouse(uint32_t flags, int32_t data, MouseExtraInfo extra) = 0;
  virtual void Sleep(uint32_t milliseconds) = 0;
  // The playback clock: microseconds since an arbitrary fixed origin, never going back. Macros
  // are timed against it so that the time each injection takes does not add up along a macro.
  virtual uint64_t NowMicroseconds() = 0;
  // Returns once the clock has reached the deadline, at once when it has already passed.
  virtual void SleepUntil(uint64_t deadlineMicroseconds) = 0;
  // Locks the workstation (LockWorkStation); the result is not looked at.
  virtual void LockWorkstation() = 0;
  // A request to the monitor's Shell automation object; nothing when there is none.
  virtual void Shell(ShellRequest request) = 0;
  virtual const KeyboardLayout& Layout() const = 0;
};
