// When the macro player injects: each event at the playback's start plus the pauses recorded
// before it, however long injections take (the recording sink's clock advances by a cost on each
// one), with stops noticed within a step and hold-ups moving the rest of the macro back.

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <limits>
#include <vector>

#include "input/win_input_values.h"
#include "monitor/macro/macro_player.h"
#include "tests/support/input_sequence.h"

namespace {

using input_test::UsLayout;

constexpr uint8_t kCodeA = 4;
constexpr uint8_t kCodeB = 5;
constexpr uint8_t kMouseLeft = 240;
constexpr uint64_t kMs = 1000;  // microseconds
constexpr uint64_t kNever = std::numeric_limits<uint64_t>::max();

MacroEvent Press(uint8_t code, uint16_t pause) {
  return {code, kMacroPress, pause};
}
MacroEvent Release(uint8_t code, uint16_t pause) {
  return {code, kMacroRelease, pause};
}

// A recording sink that runs an action once, at the end of the first wait that reaches `at`
// (microseconds): a press of the macro button, or the thread held up.
class TimedInput : public RecordingInput {
 public:
  TimedInput(uint64_t at, std::function<void(TimedInput&)> action)
      : RecordingInput(UsLayout()), at_(at), action_(std::move(action)) {}
  void SleepUntil(uint64_t deadlineMicroseconds) override {
    RecordingInput::SleepUntil(deadlineMicroseconds);
    if (!fired_ && NowMicroseconds() >= at_) {
      fired_ = true;
      action_(*this);
    }
  }

 private:
  uint64_t at_;
  std::function<void(TimedInput&)> action_;
  bool fired_ = false;
};

// The clock at every key and mouse injection, in microseconds.
std::vector<uint64_t> InjectionTimes(const RecordingInput& sink) {
  std::vector<uint64_t> times;
  for (const InputRecord& r : sink.Records()) {
    if (r.kind == InputRecord::Kind::kKey || r.kind == InputRecord::Kind::kMouse) {
      times.push_back(r.microseconds);
    }
  }
  return times;
}

// A press of A, `repeats` key-downs every 33 ms after the 500 ms hold delay, and the release.
std::vector<uint64_t> HeldTimes(int repeats, uint64_t releaseAt) {
  std::vector<uint64_t> times = {0};
  for (int i = 0; i < repeats; ++i) times.push_back((500 + 33 * static_cast<uint64_t>(i)) * kMs);
  times.push_back(releaseAt);
  return times;
}

struct ScheduleRow {
  const char* name;
  int32_t repeatCount;
  std::vector<MacroEvent> events;
  uint64_t injectionCost;       // microseconds each injection takes
  std::vector<uint64_t> times;  // of every injection, microseconds after the start
};

TEST(MacroSchedule, EventsAreDueAtTheStartPlusThePausesBeforeThem) {
  const std::vector<MacroEvent> keys = {Press(kCodeA, 10), Release(kCodeA, 20), Press(kCodeB, 5),
                                        Release(kCodeB, 1)};
  const std::vector<uint64_t> keyTimes = {0, 10 * kMs, 30 * kMs, 35 * kMs};
  const ScheduleRow rows[] = {
      {"injections take no time", 1, keys, 0, keyTimes},
      {"injections take 0.3 ms: nothing adds up", 1, keys, 300, keyTimes},
      {"injections take 4.9 ms, just under the pauses after them", 1, keys, 4900, keyTimes},
      {"injections longer than 1 ms pauses: late events, then back on time",
       1,
       {Press(kCodeA, 1), Release(kCodeA, 1), Press(kCodeB, 10), Release(kCodeB, 10)},
       2500,
       {0, 2500, 5000, 12 * kMs}},
      {"pause 0 counts as 1 ms", 1, {Press(kCodeA, 0), Release(kCodeA, 0)}, 200, {0, 1 * kMs}},
      {"mouse buttons",
       1,
       {Press(kMouseLeft, 7), Release(kMouseLeft, 8), Press(kMouseLeft, 1)},
       900,
       {0, 7 * kMs, 15 * kMs, 16 * kMs}},  // the last is the release at the end
      {"skipped events keep their place in the schedule",
       1,
       {Press(kCodeA, 10), {kCodeA, 3, 40}, Press(1, 25), Release(kCodeA, 1)},
       700,
       {0, 75 * kMs}},
      {"passes follow one another on one schedule",
       3,
       {Press(kCodeA, 3), Release(kCodeA, 4)},
       450,
       {0, 3 * kMs, 7 * kMs, 10 * kMs, 14 * kMs, 17 * kMs}},
      {"held key repeats on the schedule",
       1,
       {Press(kCodeA, 600), Release(kCodeA, 10)},
       400,
       HeldTimes(3, 600 * kMs)},
      {"held key repeats on the schedule when each repeat takes 2 ms",
       1,
       {Press(kCodeA, 1000), Release(kCodeA, 10)},
       2000,
       HeldTimes(15, 1000 * kMs)},
  };
  for (const ScheduleRow& row : rows) {
    SCOPED_TRACE(row.name);
    MacroPlayer player;
    RecordingInput sink(UsLayout());
    sink.Stall(123456789);  // the clock's origin is arbitrary
    sink.SetInjectionCost(row.injectionCost);
    ASSERT_EQ(player.StartOrStop({0, row.repeatCount, row.events}), MacroPlayer::Request::kStarted);
    player.Play(sink);
    std::vector<uint64_t> times = InjectionTimes(sink);
    for (uint64_t& t : times) t -= 123456789;
    EXPECT_EQ(times, row.times);
  }
}

struct StopRow {
  const char* name;
  std::vector<MacroEvent> events;
  uint64_t stopAt;  // microseconds after the start
  uint64_t injectionCost;
  InputRecord release;  // what is still held when the stop comes
};

TEST(MacroSchedule, StopIsNoticedWithinOneStep) {
  const InputRecord upA = KeyRecord('A', 0x1E, kKeyEventKeyUp);
  const InputRecord upLeft = MouseRecord(kMouseEventLeftUp, 0, MouseExtraInfo::kCurrentMessage);
  const std::vector<MacroEvent> heldA = {Press(kCodeA, 60000), Release(kCodeA, 10)};
  const StopRow rows[] = {
      {"in the hold delay", heldA, 300 * kMs, 0, upA},
      {"in the hold delay, slow injections", heldA, 300 * kMs, 700, upA},
      {"in the repetition", heldA, 2000 * kMs, 0, upA},
      {"in the repetition, slow injections", heldA, 2017 * kMs, 3000, upA},
      {"in a held mouse button's pause",
       {Press(kMouseLeft, 60000), Release(kMouseLeft, 10)},
       45001 * kMs,
       700,
       upLeft},
  };
  for (const StopRow& row : rows) {
    SCOPED_TRACE(row.name);
    MacroPlayer player;
    TimedInput sink(row.stopAt, [&](TimedInput&) { player.RequestStop(); });
    sink.SetInjectionCost(row.injectionCost);
    ASSERT_EQ(player.StartOrStop({0, 5, row.events}), MacroPlayer::Request::kStarted);
    player.Play(sink);
    const std::vector<InputRecord>& records = sink.Records();
    ASSERT_FALSE(records.empty());
    auto first = records.begin();
    while (first != records.end() && first->microseconds < row.stopAt) ++first;
    ASSERT_NE(first, records.end());
    // Nothing more of the macro: the release of what it holds comes next, within a step.
    EXPECT_TRUE(first->SameAs(row.release)) << first->Describe();
    EXPECT_LE(first->microseconds - row.stopAt, kMacroRepeatStepMs * kMs);
    EXPECT_EQ(records.end() - first, 2);  // the release and its pause
  }
}

struct StallRow {
  const char* name;
  std::vector<MacroEvent> events;
  uint64_t stallAt;  // microseconds after the start
  uint64_t stall;
  std::vector<uint64_t> times;
};

TEST(MacroSchedule, HoldUpsMoveTheRestBackInsteadOfBunchingIt) {
  const std::vector<MacroEvent> keys = {Press(kCodeA, 10), Release(kCodeA, 10), Press(kCodeB, 10),
                                        Release(kCodeB, 10)};
  const StallRow rows[] = {
      {"none", keys, kNever, 0, {0, 10 * kMs, 20 * kMs, 30 * kMs}},
      {"shorter than a step: caught up",
       keys,
       10 * kMs,
       15 * kMs,
       {0, 25 * kMs, 25 * kMs, 30 * kMs}},
      {"exactly a step: caught up", keys, 10 * kMs, 33 * kMs, {0, 43 * kMs, 43 * kMs, 43 * kMs}},
      {"a second: the rest keeps its pauses",
       keys,
       10 * kMs,
       1000 * kMs,
       {0, 1010 * kMs, 1020 * kMs, 1030 * kMs}},
      {"a second in a held key's repetition: no burst of repeats",
       {Press(kCodeA, 700), Release(kCodeA, 10)},
       550 * kMs,
       1000 * kMs,
       {0, 500 * kMs, 533 * kMs, 1566 * kMs, 1599 * kMs, 1632 * kMs, 1665 * kMs, 1700 * kMs}},
  };
  for (const StallRow& row : rows) {
    SCOPED_TRACE(row.name);
    MacroPlayer player;
    const uint64_t stall = row.stall;
    TimedInput sink(row.stallAt, [stall](TimedInput& in) { in.Stall(stall); });
    ASSERT_EQ(player.StartOrStop({0, 1, row.events}), MacroPlayer::Request::kStarted);
    player.Play(sink);
    EXPECT_EQ(InjectionTimes(sink), row.times);
  }
}

}  // namespace
