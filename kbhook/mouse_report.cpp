#include "kbhook/mouse_report.h"

#include <cstddef>

namespace {

// Mouse messages and hook flags with the values Windows gives them.
constexpr uint32_t kLeftDown = 0x201;
constexpr uint32_t kLeftUp = 0x202;
constexpr uint32_t kRightDown = 0x204;
constexpr uint32_t kRightUp = 0x205;
constexpr uint32_t kMiddleDown = 0x207;
constexpr uint32_t kMiddleUp = 0x208;
constexpr uint32_t kWheel = 0x20A;
constexpr uint32_t kXDown = 0x20B;
constexpr uint32_t kXUp = 0x20C;

constexpr uint32_t kXButton1 = 1;
constexpr uint32_t kXButton2 = 2;

constexpr uint32_t kInjected = 0x1;            // LLMHF_INJECTED
constexpr uint32_t kLowerLevelInjected = 0x2;  // LLMHF_LOWER_IL_INJECTED

constexpr MouseReportDecision kPassOn = {false, 0, 0, false};

MouseReportDecision Report(uint32_t message, int64_t data) {
  return {true, message, data, true};
}

bool ComesFromTheMouse(const LowLevelMouseEvent& event) {
  return ComesFromTheDevice((event.flags & kInjected) != 0,
                            (event.flags & kLowerLevelInjected) != 0, event.extraInfo);
}

uint32_t HighWord(uint32_t value) {
  return value >> 16;
}

// The high word as a signed 16-bit number, without relying on a narrowing conversion.
int32_t SignedHighWord(uint32_t value) {
  const int32_t word = static_cast<int32_t>(HighWord(value));
  return word >= 0x8000 ? word - 0x10000 : word;
}

}  // namespace

MouseReportDecision DecideMouseReport(const LowLevelMouseEvent& event, bool reportingOn,
                                      bool reportWindowExists) noexcept {
  if (!reportingOn || !reportWindowExists || !ComesFromTheMouse(event)) return kPassOn;

  switch (event.message) {
    case kLeftDown:
    case kLeftUp:
    case kRightDown:
    case kRightUp:
    case kMiddleDown:
    case kMiddleUp:
      return Report(event.message, 0);
    case kXDown:
    case kXUp: {
      const uint32_t button = HighWord(event.mouseData);
      if (button != kXButton1 && button != kXButton2) return kPassOn;
      return Report(event.message, button);
    }
    case kWheel: {
      // A zero delta turns the wheel neither way, so there is no wheel direction to report.
      const int32_t delta = SignedHighWord(event.mouseData);
      if (delta == 0) return kPassOn;
      return Report(event.message, delta);
    }
    default:
      return kPassOn;
  }
}

MouseReportDecision WheelAccumulator::Apply(const MouseReportDecision& decision) noexcept {
  constexpr int32_t kNotch = 120;
  if (!decision.report || decision.wParam != kWheel) return decision;
  const auto delta = static_cast<int32_t>(decision.lParam);  // a 16-bit delta, sign-extended
  if ((pending_ < 0 && delta > 0) || (pending_ > 0 && delta < 0)) pending_ = 0;
  pending_ += delta;
  const int32_t whole = pending_ / kNotch * kNotch;  // rounds toward zero in both directions
  pending_ -= whole;
  if (whole == 0) return {false, 0, 0, true};
  return {true, decision.wParam, whole, true};
}

namespace {

struct ButtonOfEvent {
  int index;  // into the gate's press table; -1 for no button
  bool down;
};

ButtonOfEvent ButtonOf(const LowLevelMouseEvent& event) {
  switch (event.message) {
    case kLeftDown:
      return {0, true};
    case kLeftUp:
      return {0, false};
    case kRightDown:
      return {1, true};
    case kRightUp:
      return {1, false};
    case kMiddleDown:
      return {2, true};
    case kMiddleUp:
      return {2, false};
    case kXDown:
    case kXUp: {
      const uint32_t button = HighWord(event.mouseData);
      if (button != kXButton1 && button != kXButton2) return {-1, false};
      return {button == kXButton1 ? 3 : 4, event.message == kXDown};
    }
    default:
      return {-1, false};
  }
}

// Past this many untaken reports the thread is stalled whatever the clock says; the queue of
// send times stays small.
constexpr std::size_t kOutstandingLimit = 256;

}  // namespace

bool ReportGate::Stalled(uint64_t now) const noexcept {
  if (outstanding_.empty()) return false;
  return outstanding_.size() >= kOutstandingLimit || now - outstanding_.front() >= kStallMs;
}

MouseReportDecision ReportGate::Filter(const LowLevelMouseEvent& event,
                                       const MouseReportDecision& decision, uint64_t now) noexcept {
  // Injected input (the monitor's own clicks among it) is never the mouse's: it neither takes
  // part in the pairing nor waits for the window thread.
  if (!ComesFromTheMouse(event)) return decision;
  const ButtonOfEvent button = ButtonOf(event);
  if (button.index < 0) return decision.swallow && Stalled(now) ? kPassOn : decision;
  bool& swallowed = swallowedPress_[static_cast<std::size_t>(button.index)];
  if (!button.down) {
    if (!swallowed) return kPassOn;
    // Its press was swallowed: so is the release, reported when it can be, so that the monitor
    // ends what it started.
    if (decision.report) return decision;
    swallowed = false;
    return MouseReportDecision{false, 0, 0, true};
  }
  swallowed = false;
  if (decision.report && Stalled(now)) return kPassOn;
  return decision;
}

bool ReportGate::Sent(const LowLevelMouseEvent& event, bool delivered, uint64_t now) {
  if (delivered && outstanding_.size() < kOutstandingLimit) outstanding_.push_back(now);
  const ButtonOfEvent button = ButtonOf(event);
  if (button.index < 0) return delivered;
  bool& swallowed = swallowedPress_[static_cast<std::size_t>(button.index)];
  if (button.down) {
    swallowed = delivered;
    return delivered;
  }
  // A release whose press was swallowed is swallowed even when its report could not be
  // delivered: an up without its down would be worse.
  const bool pressSwallowed = swallowed;
  swallowed = false;
  return pressSwallowed;
}

void ReportGate::Taken() noexcept {
  if (!outstanding_.empty()) outstanding_.pop_front();
}
