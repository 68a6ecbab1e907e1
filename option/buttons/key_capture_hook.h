#pragma once
// The keyboard capture of the key dialogs and the macro recorder: a global low-level keyboard
// hook that hands every key event to one target window as a notice and swallows it, so that no
// key reaches any program while a capture is running. It runs on the thread that installs it
// (the configurator's user-interface thread), whose message loop must keep turning: Windows
// passes a key on without the hook when a low-level hook keeps it waiting too long.

#include <windows.h>

// Posted to the target for every key event: wParam the virtual key, lParam
// kCapturedKeyReleased for a release and 0 for a press.
inline constexpr UINT kMsgCapturedKey = 1034;
inline constexpr LPARAM kCapturedKeyReleased = 0x80;

class KeyCaptureHook {
 public:
  KeyCaptureHook() = default;
  ~KeyCaptureHook() { Remove(); }
  KeyCaptureHook(const KeyCaptureHook&) = delete;
  KeyCaptureHook& operator=(const KeyCaptureHook&) = delete;

  // Starts capturing for target. There is one target per process: false when another capture is
  // running or the system refused the hook. Writes "Hhook: %x\r\n" to the debug output.
  bool Install(HWND target);
  // Ends this capture; nothing when it is not running. Writes "Hhook: %x\r\n", then
  // "UnHhook: Success \r\n" or "UnHhook: Fail \r\n".
  void Remove();

  bool installed() const { return hook_ != nullptr; }

 private:
  HHOOK hook_ = nullptr;
};
