#include "monitor/profile_follower.h"

#include <algorithm>

#include "monitor/program_profile_match.h"

namespace {

// Enough for every program a person runs in a session; beyond it, the oldest may be told again.
constexpr size_t kMaxWarnedPrograms = 64;

}  // namespace

void ProfileFollower::LookUp(ForegroundWindow window) {
  window_ = window;
  freshWindow_ = true;
  imagePath_.reset();
  elevation_ = Elevation::kUnknown;
  if (window.processId == 0) return;
  imagePath_ = system_.ImagePath(window.processId);
  if (!monitorElevated_ && imagePath_) elevation_ = system_.ProcessElevation(window.processId);
}

FollowStep ProfileFollower::Follow(const SharedSettingsBlock& settings) {
  const ForegroundWindow window = system_.Foreground();
  if (!started_ || !(window == window_)) LookUp(window);

  FollowStep step;
  step.previousSlot = activeSlot_;
  // The match is made every time from the cached path: it costs five comparisons, and a reload
  // that renamed a program or changed the chosen profile takes effect at once.
  const ActiveSlotChoice choice = ChooseActiveSlot(settings, imagePath_);
  step.activeSlot = choice.slot;
  step.byProgram = choice.byProgram;
  step.program = imagePath_.value_or(Text());
  step.switched = started_ && step.activeSlot != activeSlot_;

  if (freshWindow_ && elevation_ == Elevation::kElevated && !step.program.empty()) {
    const bool told = std::any_of(warned_.begin(), warned_.end(),
                                  [&](const Text& p) { return EqualsIgnoreCase(p, step.program); });
    if (!told) {
      if (warned_.size() >= kMaxWarnedPrograms) warned_.erase(warned_.begin());
      warned_.push_back(step.program);
      step.warnElevated = true;
    }
  }
  freshWindow_ = false;
  started_ = true;
  activeSlot_ = step.activeSlot;
  byProgram_ = step.byProgram;
  program_ = step.program;
  return step;
}
