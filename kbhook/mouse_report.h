#pragma once
// What the hook library reports to the monitor for one low-level mouse event: message 5121 with
// the event's mouse message as wParam and its data as lParam. The decision is kept free of Win32
// so that every rule can be checked natively; the hook procedure only wraps and acts on it.

#include <array>
#include <cstdint>
#include <deque>

#include "bridge/device_simulation.h"  // kDeviceSimulationMarker, ComesFromTheDevice
#include "bridge/messages.h"           // kMsgMouseReport, sent to the report window

// The fields of a low-level mouse event (MSLLHOOKSTRUCT and the hook's wParam) that matter.
struct LowLevelMouseEvent {
  uint32_t message;    // WM_MOUSEMOVE (0x200) .. WM_MOUSEHWHEEL (0x20E)
  uint32_t mouseData;  // wheel delta or X button in the high word
  uint32_t flags;      // LLMHF_*
  uint64_t extraInfo;  // dwExtraInfo
};

// Where the event goes.
struct MouseReportDecision {
  bool report;  // post kMsgMouseReport with wParam / lParam
  uint32_t wParam;
  int64_t lParam;  // sign-extended into the 64-bit LPARAM, see DecideMouseReport
  bool swallow;    // true: the hook returns 1 and no one else sees the event
};

// reportingOn: the library's switch (enablemousehook). reportWindowExists: the window the reports
// go to is still there; without it nothing is reported or swallowed.
//
// Reported, with wParam the message: left/right/middle down and up (lParam 0), X down and up with
// XBUTTON1 or XBUTTON2 (lParam 1 or 2), and the vertical wheel with a non-zero delta. The wheel's
// lParam is its signed delta, sign-extended: a backward (negative) delta sets every high bit, so
// the top eight bits of both the 32-bit and the 64-bit value are set, and a forward delta, however
// large (up to 32767), leaves them clear. Passing mouseData itself would carry the delta in the
// high word, where a forward delta of 256 or more already reaches the top eight bits.
//
// Every reported event is swallowed: the monitor performs the button's function itself. Movement,
// the horizontal wheel, double-click messages, a zero wheel delta, an unknown X button and input
// flagged as injected pass through unreported, unless the input carries kDeviceSimulationMarker
// and was not injected from a lower integrity level (ComesFromTheDevice).
MouseReportDecision DecideMouseReport(const LowLevelMouseEvent& event, bool reportingOn,
                                      bool reportWindowExists) noexcept;

// High-resolution wheels send deltas below 120 several times per notch; reported one by one, each
// would become a whole notch and multiply the scrolling. The deltas are added up per direction:
// each time whole notches are reached one report carries them (a multiple of 120), the rest is
// kept, and a turn the other way drops it. Deltas the pointer moves in between stay swallowed,
// since the monitor performs the wheel.
class WheelAccumulator {
 public:
  // Takes a reported wheel decision; a decision for anything else comes back unchanged.
  MouseReportDecision Apply(const MouseReportDecision& decision) noexcept;

 private:
  int32_t pending_ = 0;
};

// Keeps the hook's swallowing safe for the user, after DecideMouseReport and WheelAccumulator:
//  - a button's release follows the decision made for its press: swallowed (and reported) when
//    the press was, passed on when it was not, so no application ever sees an up without its down
//    or a down without its up;
//  - a watchdog: while a report sent to the monitor's window has gone untaken for kStallMs (its
//    window thread hangs or lags), presses and wheel notches pass on unreported, until the thread
//    has taken every report again.
// Times are milliseconds of one steady clock.
class ReportGate {
 public:
  static constexpr uint64_t kStallMs = 250;

  // The decision to carry out for `event`, given what the earlier steps decided. A report it
  // returns must be followed by Sent.
  MouseReportDecision Filter(const LowLevelMouseEvent& event, const MouseReportDecision& decision,
                             uint64_t now) noexcept;
  // After the hook tried to deliver a report of Filter's (`delivered` false when it could not):
  // whether the event is to be swallowed.
  bool Sent(const LowLevelMouseEvent& event, bool delivered, uint64_t now);
  // The window thread has handled the oldest report still outstanding.
  void Taken() noexcept;
  bool Stalled(uint64_t now) const noexcept;

 private:
  std::array<bool, 5> swallowedPress_{};  // left, right, middle, X1, X2
  std::deque<uint64_t> outstanding_;      // send times of reports not yet taken, oldest first
};
