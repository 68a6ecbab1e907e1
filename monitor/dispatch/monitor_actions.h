#pragma once
// What a button action does besides synthetic input: shell and window commands, the macro player,
// zoom, the monitor window's timers and the debug output. The monitor implements it over Win32;
// tests record the calls.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "settings/profile_settings.h"

// A macro button's stored macro, as the player takes it over.
struct MacroRequest {
  int32_t buttonIndex;                 // 0 to 14
  int32_t repeatCount;                 // as stored; the player treats values below 1 as 1
  std::span<const MacroEvent> events;  // the used entries only, never more than 40
};

enum class ZoomDirection : uint8_t { kIn, kOut };

// Window timers of the monitor window, with their periods in milliseconds.
inline constexpr uint32_t kWindowSwitchTimerId = 100;
inline constexpr uint32_t kWindowSwitchPeriodMs = 500;
inline constexpr uint32_t kAutoFireTimerId = 200;
inline constexpr uint32_t kAutoFirePeriodMs = 40;

class MonitorActions {
 public:
  virtual ~MonitorActions() = default;
  // ShellExecuteW "open" of the path, in its own folder, SW_SHOW, when it names an existing file
  // by an absolute path (LaunchTargetOf); anything else, and failures, are silent.
  virtual void LaunchProgram(const std::u16string& path) = 0;
  // The shell's view of the drives (CSIDL_DRIVES).
  virtual void OpenDrivesFolder() = 0;
  // WM_SYSCOMMAND SC_MAXIMIZE to the foreground window unless it is the task bar.
  virtual void MaximiseForegroundWindow() = 0;
  // WM_SYSCOMMAND SC_MINIMIZE to the foreground window unless it is minimised already, the task
  // bar or a tab control.
  virtual void MinimiseForegroundWindow() = 0;
  // Starts the macro on the worker thread, or asks a playing one to stop.
  virtual void StartOrStopMacro(const MacroRequest& macro) = 0;
  virtual void Zoom(ZoomDirection direction) = 0;
  // SetTimer / KillTimer on the monitor window; starting a running id restarts it.
  virtual void StartTimer(uint32_t id, uint32_t periodMs) = 0;
  virtual void StopTimer(uint32_t id) = 0;
  // A fixed text for the debug output.
  virtual void Debug(std::string_view text) = 0;
};
