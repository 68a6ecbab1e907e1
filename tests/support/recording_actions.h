#pragma once
// Monitor actions that do nothing but write each call as one line of text, so that tests compare
// them as plain lists.

#include <string>
#include <vector>

#include "monitor/dispatch/monitor_actions.h"

class RecordingActions : public MonitorActions {
 public:
  // Lines: "launch <path>", "drives", "maximise", "minimise",
  // "macro <button> x<repeat> [<code><p|r|?><delay> ...]", "zoom in", "zoom out",
  // "timer start <id> <period>", "timer stop <id>", "debug <text>".
  void LaunchProgram(const std::u16string& path) override;
  void OpenDrivesFolder() override;
  void MaximiseForegroundWindow() override;
  void MinimiseForegroundWindow() override;
  void StartOrStopMacro(const MacroRequest& macro) override;
  void Zoom(ZoomDirection direction) override;
  void StartTimer(uint32_t id, uint32_t periodMs) override;
  void StopTimer(uint32_t id) override;
  void Debug(std::string_view text) override;

  const std::vector<std::string>& Calls() const { return calls_; }
  void Clear() { calls_.clear(); }

 private:
  std::vector<std::string> calls_;
};
