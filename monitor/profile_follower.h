#pragma once
// Follows the window in front: which profile the monitor acts on, from the program that owns it.
// Asked at every foreground event and at every button report; the process is looked up only when
// the window in front (or its process) has changed since the last question.

#include <cstdint>
#include <optional>
#include <vector>

#include "base/text.h"
#include "monitor/foreground_system.h"
#include "settings/settings_block.h"

struct FollowStep {
  bool switched = false;  // the active slot differs from the one before this step
  int32_t previousSlot = -1;
  int32_t activeSlot = -1;
  bool byProgram = false;     // the program in front chose the active slot
  Text program;               // image path of the program in front; empty when unknown
  bool warnElevated = false;  // first sight of this elevated program, the monitor not elevated
};

class ProfileFollower {
 public:
  ProfileFollower(ForegroundSystem& system, bool monitorElevated)
      : system_(system), monitorElevated_(monitorElevated) {}

  // The first step sets the active slot without a switch.
  [[nodiscard]] FollowStep Follow(const SharedSettingsBlock& settings);

  int32_t ActiveSlot() const { return activeSlot_; }
  bool ByProgram() const { return byProgram_; }
  const Text& Program() const { return program_; }

 private:
  void LookUp(ForegroundWindow window);

  ForegroundSystem& system_;
  const bool monitorElevated_;
  bool started_ = false;
  ForegroundWindow window_{};
  std::optional<Text> imagePath_;
  Elevation elevation_ = Elevation::kUnknown;
  bool freshWindow_ = false;
  int32_t activeSlot_ = -1;
  bool byProgram_ = false;
  Text program_;
  std::vector<Text> warned_;  // elevated programs the user was told about, bounded
};
