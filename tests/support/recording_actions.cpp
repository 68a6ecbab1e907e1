#include "tests/support/recording_actions.h"

namespace {

// Paths in tests are ASCII; anything else is shown as '?' so lines stay readable.
std::string Narrow(const std::u16string& text) {
  std::string out;
  out.reserve(text.size());
  for (char16_t c : text) out.push_back(c < 0x80 ? static_cast<char>(c) : '?');
  return out;
}

}  // namespace

void RecordingActions::LaunchProgram(const std::u16string& path) {
  calls_.push_back("launch " + Narrow(path));
}

void RecordingActions::OpenDrivesFolder() {
  calls_.push_back("drives");
}

void RecordingActions::MaximiseForegroundWindow() {
  calls_.push_back("maximise");
}

void RecordingActions::MinimiseForegroundWindow() {
  calls_.push_back("minimise");
}

void RecordingActions::StartOrStopMacro(const MacroRequest& macro) {
  std::string line = "macro " + std::to_string(macro.buttonIndex) + " x" +
                     std::to_string(macro.repeatCount) + " [";
  for (std::size_t i = 0; i < macro.events.size(); ++i) {
    const MacroEvent& e = macro.events[i];
    if (i != 0) line += ' ';
    line += std::to_string(e.code);
    line += e.action == kMacroPress ? 'p' : e.action == kMacroRelease ? 'r' : '?';
    line += std::to_string(e.delay);
  }
  calls_.push_back(line + "]");
}

void RecordingActions::Zoom(ZoomDirection direction) {
  calls_.push_back(direction == ZoomDirection::kIn ? "zoom in" : "zoom out");
}

void RecordingActions::StartTimer(uint32_t id, uint32_t periodMs) {
  calls_.push_back("timer start " + std::to_string(id) + " " + std::to_string(periodMs));
}

void RecordingActions::StopTimer(uint32_t id) {
  calls_.push_back("timer stop " + std::to_string(id));
}

void RecordingActions::Debug(std::string_view text) {
  calls_.push_back("debug " + std::string(text));
}
