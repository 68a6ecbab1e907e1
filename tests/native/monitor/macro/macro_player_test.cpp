#include "monitor/macro/macro_player.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <limits>
#include <vector>

#include "input/key_table.h"
#include "input/win_input_values.h"
#include "tests/support/input_sequence.h"

namespace {

using input_test::UsLayout;

constexpr uint64_t kNever = std::numeric_limits<uint64_t>::max();
constexpr MouseExtraInfo kMsg = MouseExtraInfo::kCurrentMessage;

// Stored key codes and what the US layout sends for them.
constexpr uint8_t kCodeA = 4;
constexpr uint8_t kCodeB = 5;
constexpr uint8_t kCodeC = 6;
constexpr uint8_t kCodeLeftShift = 225;
constexpr uint8_t kCodeWithoutRow = 1;  // HID "error roll-over": no key
constexpr uint8_t kCodeBeyondMouse = 245;

InputRecord Down(uint8_t vk, uint16_t scan) {
  return KeyRecord(vk, scan, 0);
}
InputRecord Up(uint8_t vk, uint16_t scan) {
  return KeyRecord(vk, scan, kKeyEventKeyUp);
}
const InputRecord kDownA = Down('A', 0x1E);
const InputRecord kUpA = Up('A', 0x1E);
const InputRecord kDownB = Down('B', 0x30);
const InputRecord kUpB = Up('B', 0x30);
const InputRecord kDownC = Down('C', 0x2E);
const InputRecord kUpC = Up('C', 0x2E);
// The test layouts give no scan code for the generic Shift.
const InputRecord kDownShift = Down(kVkShift, 0);
const InputRecord kUpShift = Up(kVkShift, 0);

InputRecord P(uint32_t ms) {
  return SleepRecord(ms);
}
InputRecord Mouse(uint32_t flags, int32_t data = 0) {
  return MouseRecord(flags, data, kMsg);
}

MacroEvent Press(uint8_t code, uint16_t pause) {
  return {code, kMacroPress, pause};
}
MacroEvent Release(uint8_t code, uint16_t pause) {
  return {code, kMacroRelease, pause};
}

// Long pauses are slept in short steps; the expected sequences name each pause once.
std::vector<InputRecord> MergeSleeps(const std::vector<InputRecord>& records) {
  std::vector<InputRecord> merged;
  for (const InputRecord& r : records) {
    if (r.kind == InputRecord::Kind::kSleep && !merged.empty() &&
        merged.back().kind == InputRecord::Kind::kSleep) {
      merged.back().value += r.value;
    } else {
      merged.push_back(r);
    }
  }
  return merged;
}

// A recording sink that, once its virtual clock has reached a given time, runs an action at the
// end of a Sleep or SleepUntil: the way a button press reaches the window thread while the worker
// sleeps.
class TriggeringInput : public RecordingInput {
 public:
  TriggeringInput(uint64_t at, std::function<void()> action)
      : RecordingInput(UsLayout()), at_(at), action_(std::move(action)) {}
  void Sleep(uint32_t milliseconds) override {
    RecordingInput::Sleep(milliseconds);
    FireWhenDue();
  }
  void SleepUntil(uint64_t deadlineMicroseconds) override {
    RecordingInput::SleepUntil(deadlineMicroseconds);
    FireWhenDue();
  }
  bool Fired() const { return fired_; }

 private:
  void FireWhenDue() {
    if (!fired_ && Now() >= at_) {
      fired_ = true;
      action_();
    }
  }

  uint64_t at_;
  std::function<void()> action_;
  bool fired_ = false;
};

struct PlayRow {
  const char* name;
  int32_t repeatCount;
  std::vector<MacroEvent> events;
  uint64_t pressAgainAt;  // virtual time of a second press of the macro button, or kNever
  std::vector<InputRecord> expected;
  int32_t endIndex;  // the current index the playback ends at
};

std::vector<InputRecord> Join(std::initializer_list<std::vector<InputRecord>> parts) {
  std::vector<InputRecord> all;
  for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

std::vector<InputRecord> Times(int n, const std::vector<InputRecord>& part) {
  std::vector<InputRecord> all;
  for (int i = 0; i < n; ++i) all.insert(all.end(), part.begin(), part.end());
  return all;
}

// A key pressed with a pause of `pause` ms, its key-down repeated `repeats` times after the hold
// delay, as a keyboard repeats (no release between); the pause of the last step and any
// remainder merge into one.
std::vector<InputRecord> HeldA(int repeats, uint32_t tail) {
  std::vector<InputRecord> all = {kDownA, P(500)};
  for (int i = 0; i < repeats; ++i) {
    all.insert(all.end(), {kDownA, P(33 + (i == repeats - 1 ? tail : 0))});
  }
  return all;
}

const std::vector<PlayRow>& PlayRows() {
  static const std::vector<PlayRow> rows = {
      {"letter a three times, 200 ms apart",
       3,
       {Press(kCodeA, 100), Release(kCodeA, 100)},
       kNever,
       Times(3, {kDownA, P(100), kUpA, P(100)}),
       1},
      {"repeat count 0 plays once",
       0,
       {Press(kCodeA, 10), Release(kCodeA, 10)},
       kNever,
       {kDownA, P(10), kUpA, P(10)},
       1},
      {"negative repeat count plays once",
       -7,
       {Press(kCodeA, 10), Release(kCodeA, 10)},
       kNever,
       {kDownA, P(10), kUpA, P(10)},
       1},
      {"pause 0 counts as 1",
       1,
       {Press(kCodeA, 0), Release(kCodeA, 0)},
       kNever,
       {kDownA, P(1), kUpA, P(1)},
       1},
      {"left shift is played as the generic shift",
       1,
       {Press(kCodeLeftShift, 5), Press(kCodeB, 5), Release(kCodeB, 5), Release(kCodeLeftShift, 5)},
       kNever,
       {kDownShift, P(5), kDownB, P(5), kUpB, P(5), kUpShift, P(5)},
       3},
      {"held 1000 ms: 15 repeats 33 ms apart after 500 ms, then the release",
       1,
       {Press(kCodeA, 1000), Release(kCodeA, 10)},
       kNever,
       Join({HeldA(15, 5), {kUpA, P(10)}}),
       1},
      {"held exactly 500 ms does not repeat",
       1,
       {Press(kCodeA, 500), Release(kCodeA, 10)},
       kNever,
       {kDownA, P(500), kUpA, P(10)},
       1},
      {"held 532 ms: less than one step left, no repeat",
       1,
       {Press(kCodeA, 532), Release(kCodeA, 10)},
       kNever,
       {kDownA, P(532), kUpA, P(10)},
       1},
      {"held 533 ms: one repeat",
       1,
       {Press(kCodeA, 533), Release(kCodeA, 10)},
       kNever,
       Join({HeldA(1, 0), {kUpA, P(10)}}),
       1},
      {"mouse 240 to 242: left, right, middle",
       1,
       {Press(240, 7), Release(240, 7), Press(241, 8), Release(241, 8), Press(242, 9),
        Release(242, 9)},
       kNever,
       {Mouse(kMouseEventLeftDown), P(7), Mouse(kMouseEventLeftUp), P(7),
        Mouse(kMouseEventRightDown), P(8), Mouse(kMouseEventRightUp), P(8),
        Mouse(kMouseEventMiddleDown), P(9), Mouse(kMouseEventMiddleUp), P(9)},
       5},
      {"mouse 243 is the second extra button (data 2)",
       1,
       {Press(243, 20), Release(243, 30)},
       kNever,
       {Mouse(kMouseEventXDown, kXButton2), P(20), Mouse(kMouseEventXUp, kXButton2), P(30)},
       1},
      {"mouse 244 is the first extra button (data 1)",
       1,
       {Press(244, 20), Release(244, 30)},
       kNever,
       {Mouse(kMouseEventXDown, kXButton1), P(20), Mouse(kMouseEventXUp, kXButton1), P(30)},
       1},
      {"mouse press held long does not repeat",
       1,
       {Press(240, 1000), Release(240, 1)},
       kNever,
       {Mouse(kMouseEventLeftDown), P(1000), Mouse(kMouseEventLeftUp), P(1)},
       1},
      {"mouse event neither press nor release keeps its pause",
       1,
       {{240, 3, 40}, Press(kCodeA, 1)},
       kNever,
       {P(40), kDownA, P(1), kUpA, P(50)},
       1},
      {"key event neither press nor release sends nothing, its pause kept",
       1,
       {{kCodeA, 3, 40}, Press(kCodeA, 1)},
       kNever,
       {P(40), kDownA, P(1), kUpA, P(50)},
       1},
      {"code without a row skipped, its pause kept",
       1,
       {Press(kCodeA, 10), Press(kCodeWithoutRow, 70), Release(kCodeWithoutRow, 20),
        Release(kCodeA, 10)},
       kNever,
       {kDownA, P(100), kUpA, P(10)},
       3},
      {"code above the mouse buttons skipped, long pause kept without repeats",
       1,
       {Press(kCodeBeyondMouse, 1000), Press(kCodeA, 1)},
       kNever,
       {P(1000), kDownA, P(1), kUpA, P(50)},
       1},

      // Stops: a second press of the macro button at the given virtual time.
      {"stop during the last pause of a pass: no further pass, the held keys released",
       5,
       {Press(kCodeA, 10), Press(kCodeB, 100)},
       15,
       {kDownA, P(10), kDownB, P(33), kUpB, P(50), kUpA, P(50)},
       1},
      {"stop mid-pass: held keys and button released newest first, 50 ms apart",
       1,
       {Press(kCodeLeftShift, 10), Press(240, 10), Press(kCodeA, 10), Release(kCodeA, 10),
        Press(kCodeB, 200), Release(kCodeB, 10)},
       60,
       {kDownShift, P(10), Mouse(kMouseEventLeftDown), P(10), kDownA, P(10), kUpA, P(10), kDownB,
        P(33), kUpB, P(50), Mouse(kMouseEventLeftUp), P(50), kUpShift, P(50)},
       5},
      {"release of a key never pressed leaves the held keys alone",
       1,
       {Press(kCodeA, 20), Release(kCodeB, 20), Press(kCodeC, 100), Release(kCodeC, 100)},
       50,
       {kDownA, P(20), kUpB, P(20), kDownC, P(33), kUpC, P(50), kUpA, P(50)},
       3},
      {"release takes the newest of two presses of the same key",
       1,
       {Press(kCodeA, 5), Press(kCodeB, 5), Press(kCodeA, 5), Release(kCodeA, 5),
        Press(kCodeC, 100), Release(kCodeC, 1)},
       25,
       {kDownA, P(5), kDownB, P(5), kDownA, P(5), kUpA, P(5), kDownC, P(33), kUpC, P(50), kUpB,
        P(50), kUpA, P(50)},
       5},
      {"every key still held released once, newest first, whatever pass pressed it",
       2,
       {Press(kCodeA, 10), Press(kCodeB, 10)},
       25,
       {kDownA, P(10), kDownB, P(10), kDownA, P(10), kUpA, P(50), kUpB, P(50)},
       1},
      {"a macro ending on a press releases that key at its end",
       2,
       {Press(kCodeA, 10), Release(kCodeA, 10), Press(kCodeB, 10)},
       kNever,
       {kDownA, P(10), kUpA, P(10), kDownB, P(10), kDownA, P(10), kUpA, P(10), kDownB, P(10), kUpB,
        P(50)},
       2},
      {"stop inside a long pause is noticed within one step",
       1,
       {Press(kCodeA, 10), Release(kCodeA, 60000), Press(kCodeB, 10)},
       100,
       {kDownA, P(10), kUpA, P(99)},
       2},
      {"stop inside key repetition ends it, then the key is released",
       1,
       {Press(kCodeA, 1000), Release(kCodeA, 10)},
       600,
       Join({HeldA(4, 0), {kUpA, P(50)}}),
       1},
  };
  return rows;
}

TEST(MacroPlayer, PlaysExactSequences) {
  for (const PlayRow& row : PlayRows()) {
    SCOPED_TRACE(row.name);
    MacroPlayer player;
    const MacroRequest request{3, row.repeatCount, row.events};
    MacroPlayer::Request second = MacroPlayer::Request::kIgnored;
    TriggeringInput sink(row.pressAgainAt, [&] { second = player.StartOrStop(request); });
    ASSERT_EQ(player.StartOrStop(request), MacroPlayer::Request::kStarted);

    const MacroPlaybackEnd end = player.Play(sink);

    EXPECT_TRUE(ExpectSequence(row.expected, MergeSleeps(sink.Records())));
    EXPECT_EQ(end.currentIndex, row.endIndex);
    EXPECT_EQ(end.start, 0);
    EXPECT_EQ(end.end, static_cast<int32_t>(row.events.size()));
    EXPECT_FALSE(player.IsPlaying());
    if (row.pressAgainAt != kNever) {
      EXPECT_TRUE(sink.Fired());
      EXPECT_EQ(second, MacroPlayer::Request::kStopRequested);
    }
  }
}

TEST(MacroPlayer, NoSingleSleepOutlastsARepeatStep) {
  MacroPlayer player;
  const std::vector<MacroEvent> events = {Press(kCodeA, 65535), Release(kCodeA, 65535),
                                          Release(240, 40000), Press(kCodeWithoutRow, 30000)};
  RecordingInput sink(UsLayout());
  ASSERT_EQ(player.StartOrStop({0, 1, events}), MacroPlayer::Request::kStarted);
  player.Play(sink);
  EXPECT_EQ(sink.Now(), 65535u + 65535u + 40000u + 30000u);
  for (std::size_t i = 0; i < sink.Records().size(); ++i) {
    const InputRecord& r = sink.Records()[i];
    if (r.kind == InputRecord::Kind::kSleep) {
      EXPECT_LE(r.value, 33) << "record " << i;
    }
  }
}

TEST(MacroPlayer, PlaysAtMostFortyEvents) {
  // Event i waits i + 1 ms, so each pause names its event.
  std::vector<MacroEvent> events;
  for (uint16_t i = 0; i < 45; ++i) {
    events.push_back(i % 2 == 0 ? Press(kCodeA, i + 1) : Release(kCodeA, i + 1));
  }
  std::vector<InputRecord> expected;
  for (uint16_t i = 0; i < 40; ++i) {
    expected.push_back(i % 2 == 0 ? kDownA : kUpA);
    expected.push_back(P(i + 1));
  }
  MacroPlayer player;
  RecordingInput sink(UsLayout());
  ASSERT_EQ(player.StartOrStop({0, 1, events}), MacroPlayer::Request::kStarted);
  const MacroPlaybackEnd end = player.Play(sink);
  EXPECT_TRUE(ExpectSequence(expected, MergeSleeps(sink.Records())));
  EXPECT_EQ(end.end, 40);
  EXPECT_EQ(end.currentIndex, 39);
}

TEST(MacroPlayer, SecondPressBeforeTheWorkerBeginsPlaysNothing) {
  const std::vector<MacroEvent> events = {Press(kCodeA, 10), Release(kCodeA, 10)};
  MacroPlayer player;
  RecordingInput sink(UsLayout());
  ASSERT_EQ(player.StartOrStop({0, 1, events}), MacroPlayer::Request::kStarted);
  EXPECT_TRUE(player.IsPlaying());
  // Another macro button: it stops the pending one and is not taken over.
  const std::vector<MacroEvent> other = {Press(kCodeB, 10)};
  EXPECT_EQ(player.StartOrStop({1, 1, other}), MacroPlayer::Request::kStopRequested);

  const MacroPlaybackEnd end = player.Play(sink);
  EXPECT_TRUE(sink.Records().empty());
  EXPECT_EQ(end.currentIndex, 0);
  EXPECT_FALSE(player.IsPlaying());

  // The next press starts afresh: the old stop request is forgotten.
  ASSERT_EQ(player.StartOrStop({0, 1, events}), MacroPlayer::Request::kStarted);
  player.Play(sink);
  EXPECT_TRUE(ExpectSequence({kDownA, P(10), kUpA, P(10)}, MergeSleeps(sink.Records())));
}

TEST(MacroPlayer, ShutdownStopBeforeThePlayMessageIsTaken) {
  const std::vector<MacroEvent> events = {Press(kCodeA, 10), Release(kCodeA, 10)};
  MacroPlayer player;
  RecordingInput sink(UsLayout());
  ASSERT_EQ(player.StartOrStop({0, 2, events}), MacroPlayer::Request::kStarted);
  player.RequestStop();
  player.Play(sink);
  EXPECT_TRUE(sink.Records().empty());
  EXPECT_FALSE(player.IsPlaying());
}

TEST(MacroPlayer, ShutdownStopEndsAPlayingMacroEarly) {
  const std::vector<MacroEvent> events = {Press(kCodeA, 60000), Release(kCodeA, 60000)};
  MacroPlayer player;
  TriggeringInput sink(1000, [&] { player.RequestStop(); });
  ASSERT_EQ(player.StartOrStop({0, 100, events}), MacroPlayer::Request::kStarted);
  player.Play(sink);
  EXPECT_LT(sink.Now(), 1100u);
  ASSERT_FALSE(sink.Records().empty());
  EXPECT_TRUE(sink.Records().back().SameAs(P(50)));  // after the release of the held key
  EXPECT_FALSE(player.IsPlaying());
}

TEST(MacroPlayer, HandOverStates) {
  MacroPlayer player;
  RecordingInput sink(UsLayout());
  // Nothing handed over: the worker's message plays nothing.
  player.Play(sink);
  EXPECT_TRUE(sink.Records().empty());

  EXPECT_EQ(player.StartOrStop({0, 1, {}}), MacroPlayer::Request::kIgnored);
  EXPECT_FALSE(player.IsPlaying());

  const std::vector<MacroEvent> events = {Press(kCodeA, 10)};
  ASSERT_EQ(player.StartOrStop({0, 1, events}), MacroPlayer::Request::kStarted);
  player.AbandonStart();  // the play message could not be posted
  EXPECT_FALSE(player.IsPlaying());
  player.Play(sink);
  EXPECT_TRUE(sink.Records().empty());
  EXPECT_EQ(player.StartOrStop({0, 1, events}), MacroPlayer::Request::kStarted);
}

TEST(MacroPlayer, TestCodesHaveTheAssumedRows) {
  EXPECT_EQ(FindKeyRow(kCodeWithoutRow), nullptr);
  EXPECT_EQ(FindKeyRow(kCodeBeyondMouse), nullptr);
  EXPECT_EQ(TranslateKeyCode(kCodeLeftShift, UsLayout()), kVkLShift);
}

}  // namespace
