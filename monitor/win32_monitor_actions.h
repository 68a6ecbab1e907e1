#pragma once
// The monitor's actions besides synthetic input, carried out over Win32 for the dispatcher.

#include <windows.h>

#include "input/input_sink.h"
#include "monitor/dispatch/monitor_actions.h"

class MacroWorker;
class ShellWorker;

class Win32MonitorActions : public MonitorActions {
 public:
  // `window` owns the timers; `sink` sends the zoom gestures; `macros` plays macros on its
  // thread (may be null: macros then do nothing); `shell` starts programs and opens folders off
  // the window thread (may be null: they then do nothing).
  Win32MonitorActions(HWND window, InputSink& sink, MacroWorker* macros, ShellWorker* shell)
      : window_(window), sink_(sink), macros_(macros), shell_(shell) {}

  void LaunchProgram(const std::u16string& path) override;
  void OpenDrivesFolder() override;
  void MaximiseForegroundWindow() override;
  void MinimiseForegroundWindow() override;
  void StartOrStopMacro(const MacroRequest& macro) override;
  void Zoom(ZoomDirection direction) override;
  void StartTimer(uint32_t id, uint32_t periodMs) override;
  void StopTimer(uint32_t id) override;
  void Debug(std::string_view text) override;

 private:
  HWND window_;
  InputSink& sink_;
  MacroWorker* macros_;
  ShellWorker* shell_;
};
