// Auto-fire and window switching over time: a fake window-timer host delivers the ticks the
// dispatcher asked for, millisecond by millisecond.

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "monitor/dispatch/button_dispatcher.h"
#include "tests/support/input_sequence.h"
#include "tests/support/recording_actions.h"

namespace {

constexpr uint32_t kExtDown = 0x1;
constexpr uint32_t kExtUp = 0x3;
constexpr uint8_t kLeftAlt = 0xA4;
constexpr uint8_t kTab = 0x09;

using Seq = std::vector<InputRecord>;
using Calls = std::vector<std::string>;

// SetTimer semantics: a tick every period from the start; starting a running id restarts it.
class TimerHost : public RecordingActions {
 public:
  void StartTimer(uint32_t id, uint32_t periodMs) override {
    RecordingActions::StartTimer(id, periodMs);
    timers_[id] = {periodMs, now_ + periodMs};
  }
  void StopTimer(uint32_t id) override {
    RecordingActions::StopTimer(id);
    timers_.erase(id);
  }
  void Advance(uint32_t milliseconds, ButtonDispatcher& dispatcher) {
    for (uint32_t i = 0; i < milliseconds; ++i) {
      ++now_;
      // Copy: a tick handler may start or stop timers.
      const auto due = timers_;
      for (const auto& [id, timer] : due) {
        if (timer.due != now_) continue;
        timers_[id].due += timer.period;
        dispatcher.OnTimer(id);
      }
    }
  }
  bool Running(uint32_t id) const { return timers_.count(id) != 0; }

 private:
  struct Timer {
    uint32_t period;
    uint64_t due;
  };
  std::map<uint32_t, Timer> timers_;
  uint64_t now_ = 0;
};

Seq Left() {
  constexpr MouseExtraInfo kMsg = MouseExtraInfo::kCurrentMessage;
  return {MouseRecord(0x2, 0, kMsg), SleepRecord(1), MouseRecord(0x4, 0, kMsg)};
}

Seq Repeat(const Seq& s, int n) {
  Seq out;
  for (int i = 0; i < n; ++i) out.insert(out.end(), s.begin(), s.end());
  return out;
}

Seq Append(Seq a, const Seq& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

const Seq kSwitchOpen = {KeyRecord(kLeftAlt, 0, kExtDown), KeyRecord(kTab, 0, kExtDown),
                         SleepRecord(2), KeyRecord(kTab, 0, kExtUp)};
const Seq kSwitchStep = {KeyRecord(kTab, 0, kExtDown), KeyRecord(kTab, 0, kExtUp)};
const Seq kSwitchSelect = {KeyRecord(kLeftAlt, 0, kExtUp)};

class DispatchTimers : public ::testing::Test {
 protected:
  DispatchTimers() : settings_(std::make_unique<SharedSettingsBlock>()) {}

  void Assign(int profile, int button, uint8_t code) {
    settings_->profiles[profile].MacroKeyInfo[button].functionCode = code;
  }
  void Press(int button) { dispatcher_.DispatchButtonEvent(*settings_, button, 1); }
  void Release(int button) { dispatcher_.DispatchButtonEvent(*settings_, button, 2); }
  void Wait(uint32_t ms) { timers_.Advance(ms, dispatcher_); }

  std::unique_ptr<SharedSettingsBlock> settings_;
  RecordingInput input_{input_test::UsLayout()};
  TimerHost timers_;
  ButtonDispatcher dispatcher_{input_, timers_};
};

TEST_F(DispatchTimers, HoldingAutoFireFor200MsClicksAtOnceAndFiveTimesMore) {
  Assign(0, 3, 21);
  Press(3);
  EXPECT_TRUE(dispatcher_.AutoFiring());
  Wait(200);
  Release(3);
  EXPECT_FALSE(dispatcher_.AutoFiring());
  EXPECT_FALSE(timers_.Running(200));
  Wait(200);  // nothing fires once released
  EXPECT_TRUE(ExpectSequence(Repeat(Left(), 6), input_.Records()));
  EXPECT_EQ(
      (Calls{"debug Start....\n", "timer start 200 40", "timer stop 200", "debug Stop....\n"}),
      timers_.Calls());
}

TEST_F(DispatchTimers, SecondAutoFireButtonPressedMeanwhileDoesNothing) {
  Assign(0, 3, 21);
  Assign(0, 4, 21);
  Press(3);
  Wait(80);
  const std::size_t before = input_.Records().size();
  const std::size_t callsBefore = timers_.Calls().size();
  Press(4);
  EXPECT_EQ(before, input_.Records().size());
  EXPECT_EQ(callsBefore, timers_.Calls().size());
  Wait(40);
  EXPECT_TRUE(ExpectSequence(Repeat(Left(), 4), input_.Records()));
}

// The firing belongs to the button that started it: another auto-fire button's release leaves it
// running, its own release ends it.
TEST_F(DispatchTimers, OnlyTheButtonThatStartedTheFiringEndsIt) {
  Assign(0, 3, 21);
  Assign(0, 4, 21);
  Press(3);
  Press(4);
  Release(4);
  EXPECT_TRUE(dispatcher_.AutoFiring());
  Release(3);
  EXPECT_FALSE(dispatcher_.AutoFiring());
  Wait(200);
  EXPECT_TRUE(ExpectSequence(Left(), input_.Records()));
}

TEST_F(DispatchTimers, AutoFireStartsAgainAfterARelease) {
  Assign(0, 0, 21);
  Press(0);
  Release(0);
  Press(0);
  Wait(40);
  EXPECT_TRUE(ExpectSequence(Repeat(Left(), 3), input_.Records()));
  EXPECT_EQ((Calls{"debug Start....\n", "timer start 200 40", "timer stop 200", "debug Stop....\n",
                   "debug Start....\n", "timer start 200 40"}),
            timers_.Calls());
}

TEST_F(DispatchTimers, HoldingWindowSwitchFor1200MsStepsTwiceAndSelectsOnRelease) {
  Assign(0, 2, 48);
  Press(2);
  Wait(1200);
  Release(2);
  EXPECT_FALSE(timers_.Running(100));
  Wait(1000);
  EXPECT_TRUE(ExpectSequence(Append(Append(kSwitchOpen, Repeat(kSwitchStep, 2)), kSwitchSelect),
                             input_.Records()));
  EXPECT_EQ((Calls{"timer start 100 500", "timer stop 100"}), timers_.Calls());
}

// There is no switching flag: a second press opens again and restarts the step timer.
TEST_F(DispatchTimers, SecondWindowSwitchPressRestartsTheSteps) {
  Assign(0, 2, 48);
  Assign(0, 3, 48);
  Press(2);
  Wait(400);
  Press(3);
  Wait(400);  // 800 ms after the first press, 400 after the restart: no step yet
  EXPECT_TRUE(ExpectSequence(Append(kSwitchOpen, kSwitchOpen), input_.Records()));
  Wait(100);
  EXPECT_TRUE(
      ExpectSequence(Append(Append(kSwitchOpen, kSwitchOpen), kSwitchStep), input_.Records()));
  Release(3);
  Release(2);
  EXPECT_EQ(
      (Calls{"timer start 100 500", "timer start 100 500", "timer stop 100", "timer stop 100"}),
      timers_.Calls());
}

TEST_F(DispatchTimers, TimerIdsOtherThanTheTwoDoNothing) {
  for (uint32_t id : {0u, 1u, 99u, 101u, 199u, 201u, 0xFFFFFFFFu}) {
    dispatcher_.OnTimer(id);
    EXPECT_TRUE(input_.Records().empty()) << "timer id " << id;
    EXPECT_TRUE(timers_.Calls().empty()) << "timer id " << id;
  }
}

// A profile change while auto-fire runs: the release still ends the firing it started, and the
// new assignment's release (a right button up) is not sent.
TEST_F(DispatchTimers, ProfileChangeWhileFiringStillEndsItAtTheRelease) {
  Assign(0, 1, 21);
  Assign(1, 1, 2);
  Press(1);
  settings_->CurrentProfile = 1;
  Release(1);
  EXPECT_FALSE(dispatcher_.AutoFiring());
  EXPECT_FALSE(timers_.Running(200));
  Wait(200);
  EXPECT_TRUE(ExpectSequence(Left(), input_.Records()));
}

}  // namespace
