#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "kbhook/mouse_report.h"

namespace {

constexpr uint32_t kInjected = 0x1;
constexpr uint32_t kLowerLevelInjected = 0x2;

// mouseData with a value in the high word and noise in the low word, which Windows leaves
// undefined for these messages.
constexpr uint32_t High(uint32_t word) {
  return (word << 16) | 0x1234;
}
constexpr uint32_t WheelData(int delta) {
  return static_cast<uint32_t>(delta & 0xFFFF) << 16;
}

struct Row {
  const char* name;
  uint32_t message;
  uint32_t mouseData;
  bool report;  // reported and swallowed; otherwise passed on unreported
  int64_t lParam;
};

void ExpectDecision(const Row& row, const MouseReportDecision& d) {
  EXPECT_EQ(d.report, row.report) << row.name;
  EXPECT_EQ(d.swallow, row.report) << row.name;
  if (row.report) {
    EXPECT_EQ(d.wParam, row.message) << row.name;
    EXPECT_EQ(d.lParam, row.lParam) << row.name;
  }
}

TEST(DecideMouseReport, EveryMessageKindFromThePhysicalMouse) {
  const Row rows[] = {
      {"move", 0x200, 0, false, 0},
      {"left down", 0x201, 0, true, 0},
      {"left up", 0x202, 0, true, 0},
      {"left double", 0x203, 0, false, 0},
      {"right down", 0x204, 0, true, 0},
      {"right up", 0x205, 0, true, 0},
      {"right double", 0x206, 0, false, 0},
      {"middle down", 0x207, 0, true, 0},
      {"middle up", 0x208, 0, true, 0},
      {"middle double", 0x209, 0, false, 0},
      {"left down, stray data", 0x201, 0xFFFF0000u, true, 0},
      {"X1 down", 0x20B, High(1), true, 1},
      {"X1 up", 0x20C, High(1), true, 1},
      {"X2 down", 0x20B, High(2), true, 2},
      {"X2 up", 0x20C, High(2), true, 2},
      {"X2 down, clean low word", 0x20B, 0x00020000u, true, 2},
      {"X double", 0x20D, High(1), false, 0},
      {"X down, no button", 0x20B, High(0), false, 0},
      {"X down, button 3", 0x20B, High(3), false, 0},
      {"X up, both bits", 0x20C, High(3), false, 0},
      {"X down, button only in low word", 0x20B, 0x00000001u, false, 0},
      {"horizontal wheel", 0x20E, WheelData(120), false, 0},
      {"below the mouse range", 0x1FF, 0, false, 0},
      {"above the mouse range", 0x20F, 0, false, 0},
      {"keyboard message", 0x100, 0, false, 0},
  };
  for (const Row& row : rows) {
    ExpectDecision(row, DecideMouseReport({row.message, row.mouseData, 0, 0}, true, true));
  }
}

// The monitor reads the direction from the top eight bits of the value's low 32 bits; the 64-bit
// LPARAM is sign-extended so that both widths agree.
TEST(DecideMouseReport, WheelDirectionLivesInTheTopEightBits) {
  const struct {
    const char* name;
    int delta;
    bool backward;
  } rows[] = {
      {"one notch forward", 120, false},  {"one notch backward", -120, true},
      {"smallest forward", 1, false},     {"smallest backward", -1, true},
      {"forward 256", 256, false},  // mouseData itself would already reach the top bits here
      {"forward 2 notches", 240, false},  {"largest forward", 32767, false},
      {"largest backward", -32768, true}, {"backward 256", -256, true},
  };
  for (const auto& row : rows) {
    for (uint32_t lowWord : {0u, 0xFFFFu}) {
      const std::string name = std::string(row.name) + (lowWord ? ", low word set" : "");
      const MouseReportDecision d =
          DecideMouseReport({0x20A, WheelData(row.delta) | lowWord, 0, 0}, true, true);
      ASSERT_TRUE(d.report) << name;
      EXPECT_TRUE(d.swallow) << name;
      EXPECT_EQ(d.wParam, 0x20Au) << name;
      EXPECT_EQ(d.lParam, row.delta) << name;
      const uint32_t low32 = static_cast<uint32_t>(static_cast<uint64_t>(d.lParam));
      EXPECT_EQ((low32 & 0xFF000000u) != 0, row.backward) << name;
      EXPECT_EQ(d.lParam < 0, row.backward) << name;
    }
  }
}

TEST(DecideMouseReport, ZeroWheelDeltaIsPassedOn) {
  const MouseReportDecision d = DecideMouseReport({0x20A, 0x0000FFFFu, 0, 0}, true, true);
  EXPECT_FALSE(d.report);
  EXPECT_FALSE(d.swallow);
}

TEST(DecideMouseReport, InjectedInputCountsOnlyWithTheMarker) {
  const struct {
    const char* name;
    uint32_t flags;
    uint64_t extraInfo;
    bool fromTheMouse;
  } rows[] = {
      {"physical", 0, 0, true},
      {"physical, other extra info", 0, 0x1234, true},
      {"marker without injected flag", 0, kDeviceSimulationMarker, true},
      {"injected", kInjected, 0, false},
      {"injected at lower integrity", kLowerLevelInjected, 0, false},
      {"both injected flags", kInjected | kLowerLevelInjected, 0, false},
      {"injected, marker", kInjected, kDeviceSimulationMarker, true},
      // A sandboxed program cannot borrow the marker to act as the mouse.
      {"lower integrity, marker", kLowerLevelInjected, kDeviceSimulationMarker, false},
      {"both flags, marker", kInjected | kLowerLevelInjected, kDeviceSimulationMarker, false},
      {"injected, marker plus one", kInjected, kDeviceSimulationMarker + 1, false},
      {"injected, marker in high half", kInjected, kDeviceSimulationMarker << 32, false},
      {"injected, marker with high bits", kInjected, kDeviceSimulationMarker | (1ull << 40), false},
      {"other flag bits only", 0x10, 0, true},  // LLMHF-like bits that are not injection
  };
  for (const auto& row : rows) {
    for (uint32_t message : {0x201u, 0x205u, 0x20Bu, 0x20Au}) {
      const uint32_t data = message == 0x20A ? WheelData(-120) : High(2);
      const MouseReportDecision d =
          DecideMouseReport({message, data, row.flags, row.extraInfo}, true, true);
      EXPECT_EQ(d.report, row.fromTheMouse) << row.name << ", message " << message;
      EXPECT_EQ(d.swallow, row.fromTheMouse) << row.name << ", message " << message;
    }
  }
}

TEST(DecideMouseReport, MarkerDoesNotMakeMovementReported) {
  const MouseReportDecision d =
      DecideMouseReport({0x200, 0, kInjected, kDeviceSimulationMarker}, true, true);
  EXPECT_FALSE(d.report);
  EXPECT_FALSE(d.swallow);
}

TEST(DecideMouseReport, ReportingOffOrWindowGonePassesEverythingOn) {
  const struct {
    const char* name;
    bool reportingOn;
    bool windowExists;
  } rows[] = {
      {"reporting off", false, true},
      {"window gone", true, false},
      {"both", false, false},
  };
  const LowLevelMouseEvent events[] = {
      {0x201, 0, 0, 0},
      {0x202, 0, 0, 0},
      {0x20B, High(1), 0, 0},
      {0x20A, WheelData(120), 0, 0},
      {0x201, 0, kInjected, kDeviceSimulationMarker},
  };
  for (const auto& row : rows) {
    for (const LowLevelMouseEvent& event : events) {
      const MouseReportDecision d = DecideMouseReport(event, row.reportingOn, row.windowExists);
      EXPECT_FALSE(d.report) << row.name << ", message " << event.message;
      EXPECT_FALSE(d.swallow) << row.name << ", message " << event.message;
    }
  }
}

}  // namespace

namespace {

// Fine wheel steps add up to whole notches per direction; a turn drops what was added.
TEST(WheelAccumulator, FineStepsBecomeWholeNotches) {
  const struct {
    const char* name;
    std::vector<int> deltas;
    std::vector<int64_t> reported;  // 0: swallowed unreported
  } rows[] = {
      {"standard notches", {120, 120, -120}, {120, 120, -120}},
      {"quarter steps", {30, 30, 30, 30, 30}, {0, 0, 0, 120, 0}},
      {"remainder carries over", {50, 50, 50, 50, 40}, {0, 0, 120, 0, 120}},
      {"turning back drops the rest", {100, -30, -90, 110}, {0, 0, -120, 0}},
      {"two notches at once", {240}, {240}},
      {"backward fine steps", {-40, -40, -40}, {0, 0, -120}},
      {"large delta keeps its rest", {256, 104}, {240, 120}},
  };
  for (const auto& row : rows) {
    WheelAccumulator wheel;
    for (size_t i = 0; i < row.deltas.size(); ++i) {
      const MouseReportDecision d =
          wheel.Apply(DecideMouseReport({0x20A, WheelData(row.deltas[i]), 0, 0}, true, true));
      EXPECT_TRUE(d.swallow) << row.name << " step " << i;
      EXPECT_EQ(d.report, row.reported[i] != 0) << row.name << " step " << i;
      if (d.report) {
        EXPECT_EQ(d.lParam, row.reported[i]) << row.name << " step " << i;
      }
    }
  }
  // Buttons and passed-on events are left as they are.
  WheelAccumulator wheel;
  const MouseReportDecision button = wheel.Apply(DecideMouseReport({0x201, 0, 0, 0}, true, true));
  EXPECT_TRUE(button.report && button.swallow);
  const MouseReportDecision off =
      wheel.Apply(DecideMouseReport({0x20A, WheelData(30), 0, 0}, false, true));
  EXPECT_FALSE(off.report || off.swallow);
}

}  // namespace

namespace {

constexpr uint32_t kLDown = 0x201, kLUp = 0x202, kWheelMsg = 0x20A;

// One step of the hook: an event at a time, after which the window thread may take every
// outstanding report; what the hook does with it.
struct GateStep {
  uint32_t message;
  uint32_t mouseData;
  uint64_t at;
  bool delivered;  // the report could be sent
  bool takenAfter;
  bool reported;
  bool swallowed;
};

void RunGate(const char* name, std::initializer_list<GateStep> steps, bool reportingOn = true) {
  ReportGate gate;
  size_t i = 0;
  for (const GateStep& step : steps) {
    // The monitor's own left click, injected while the physical button is down, changes nothing.
    const LowLevelMouseEvent injected[] = {{kLDown, 0, kInjected, 0}, {kLUp, 0, kInjected, 0}};
    for (const LowLevelMouseEvent& own : injected) {
      const MouseReportDecision passed =
          gate.Filter(own, DecideMouseReport(own, reportingOn, true), step.at);
      EXPECT_FALSE(passed.report || passed.swallow) << name << " step " << i;
    }
    const LowLevelMouseEvent event{step.message, step.mouseData, 0, 0};
    const MouseReportDecision d =
        gate.Filter(event, DecideMouseReport(event, reportingOn, true), step.at);
    bool swallowed = d.swallow;
    if (d.report) swallowed = gate.Sent(event, step.delivered, step.at);
    EXPECT_EQ(d.report, step.reported) << name << " step " << i;
    EXPECT_EQ(swallowed, step.swallowed) << name << " step " << i;
    if (step.takenAfter) {
      while (gate.Stalled(~0ull)) gate.Taken();
    }
    ++i;
  }
}

TEST(ReportGate, ReleasesFollowTheirPressAndAStalledThreadLetsInputThrough) {
  RunGate("a thread keeping up",
          {{kLDown, 0, 0, true, true, true, true}, {kLUp, 0, 10, true, true, true, true}});
  RunGate("stalled: later presses pass on, the swallowed press's release stays paired",
          {{kLDown, 0, 0, true, false, true, true},
           {kLUp, 0, 100, true, false, true, true},
           {kLDown, 0, 300, true, false, false, false},
           {kLUp, 0, 310, true, false, false, false},
           {kWheelMsg, WheelData(120), 320, true, false, false, false}});
  RunGate("caught up again: reported again", {{kLDown, 0, 0, true, false, true, true},
                                              {kLUp, 0, 300, true, true, true, true},
                                              {kLDown, 0, 400, true, false, true, true}});
  RunGate("a press that could not be delivered passes on, and so does its release",
          {{kLDown, 0, 0, false, false, true, false}, {kLUp, 0, 5, true, false, false, false}});
  RunGate("a release whose report fails is still swallowed after a swallowed press",
          {{kLDown, 0, 0, true, true, true, true}, {kLUp, 0, 5, false, true, true, true}});
  RunGate("a release without a press seen passes on", {{kLUp, 0, 0, true, true, false, false}});
  RunGate("X buttons are paired one by one", {{0x20B, 1u << 16, 0, true, true, true, true},
                                              {0x20C, 2u << 16, 5, true, true, false, false},
                                              {0x20C, 1u << 16, 9, true, true, true, true}});
}

TEST(ReportGate, ReleaseOfASwallowedPressStaysSwallowedWhenReportingStops) {
  ReportGate gate;
  const LowLevelMouseEvent down{kLDown, 0, 0, 0}, up{kLUp, 0, 0, 0};
  ASSERT_TRUE(gate.Filter(down, DecideMouseReport(down, true, true), 0).report);
  ASSERT_TRUE(gate.Sent(down, true, 0));
  const MouseReportDecision d = gate.Filter(up, DecideMouseReport(up, false, true), 5);
  EXPECT_FALSE(d.report);
  EXPECT_TRUE(d.swallow);
  const MouseReportDecision next = gate.Filter(up, DecideMouseReport(up, false, true), 6);
  EXPECT_FALSE(next.swallow) << "only once";
}

}  // namespace
