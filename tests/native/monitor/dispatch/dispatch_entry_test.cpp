// The dispatcher's entry: which column an event runs, events that address nothing, and stored
// values that must never be read beyond their arrays.

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "monitor/dispatch/button_dispatcher.h"
#include "tests/support/input_sequence.h"
#include "tests/support/recording_actions.h"

namespace {

using Seq = std::vector<InputRecord>;
using Calls = std::vector<std::string>;

constexpr MouseExtraInfo kMsg = MouseExtraInfo::kCurrentMessage;
constexpr MouseExtraInfo kNone = MouseExtraInfo::kZero;

const Seq kLeftDown = {MouseRecord(0x2, 0, kNone)};
const Seq kLeftUp = {MouseRecord(0x4, 0, kNone)};
const Seq kLeftClick = {MouseRecord(0x2, 0, kMsg), SleepRecord(1), MouseRecord(0x4, 0, kMsg)};
const Seq kRightDown = {MouseRecord(0x8, 0, kNone)};
const Seq kRightUp = {MouseRecord(0x10, 0, kNone)};

class DispatchEntry : public ::testing::Test {
 protected:
  // Every button of every profile is a left button, so any event that reaches a cell shows.
  DispatchEntry() : settings_(std::make_unique<SharedSettingsBlock>()) {
    for (ProfileSettings& profile : settings_->profiles) {
      for (ButtonAssignment& a : profile.MacroKeyInfo) a.functionCode = 1;
    }
  }

  void Dispatch(int64_t index, int64_t kind) {
    dispatcher_.DispatchButtonEvent(*settings_, index, kind);
  }

  std::unique_ptr<SharedSettingsBlock> settings_;
  RecordingInput input_{input_test::UsLayout()};
  RecordingActions actions_;
  ButtonDispatcher dispatcher_{input_, actions_};
};

TEST_F(DispatchEntry, EventsThatAddressNoButtonDoNothing) {
  struct Row {
    int32_t profile;
    int64_t index;
    int64_t kind;
  };
  constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
  constexpr int64_t kMin = std::numeric_limits<int64_t>::min();
  const Row rows[] = {
      {0, -1, 1},
      {0, 15, 1},
      {0, 15, 3},
      {0, kMin, 2},
      {0, kMax, 3},
      {0, 0, 0},
      {0, 0, 4},
      {0, 0, -1},
      {0, 13, 0},
      {0, 14, 4},
      {0, 0, 257},
      {0, 13, 259},
      {0, 0, kMin},
      {0, 0, kMax},
      {-1, 0, 1},
      {5, 0, 1},
      {5, 13, 3},
      {-1, 14, 3},
      {std::numeric_limits<int32_t>::min(), 0, 2},
      {std::numeric_limits<int32_t>::max(), 0, 1},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    settings_->CurrentProfile = rows[i].profile;
    Dispatch(rows[i].index, rows[i].kind);
    EXPECT_TRUE(input_.Records().empty()) << "row " << i;
    EXPECT_TRUE(actions_.Calls().empty()) << "row " << i;
    input_.Clear();
    actions_.Clear();
  }
}

TEST_F(DispatchEntry, ColumnFollowsIndexAndKind) {
  struct Row {
    int64_t index;
    int64_t kind;
    Seq expected;
  };
  const Row rows[] = {
      {0, 1, kLeftDown},
      {0, 2, kLeftUp},
      {12, 1, kLeftDown},
      {12, 2, kLeftUp},
      // Any kind other than a press releases a button.
      {1, 1, kLeftDown},
      {1, 3, kLeftUp},
      // A release whose press was never seen sends no stray button up.
      {4, 2, {}},
      // The wheel indices always run the wheel column.
      {13, 1, kLeftClick},
      {13, 2, kLeftClick},
      {13, 3, kLeftClick},
      {14, 1, kLeftClick},
      {14, 3, kLeftClick},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    Dispatch(rows[i].index, rows[i].kind);
    EXPECT_TRUE(ExpectSequence(rows[i].expected, input_.Records())) << "row " << i;
    input_.Clear();
  }
}

// A release ends what its press started, whatever the assignment has become meanwhile.
TEST_F(DispatchEntry, ReleaseEndsWhatItsPressStarted) {
  settings_->profiles[3].MacroKeyInfo[2].functionCode = 2;
  settings_->CurrentProfile = 0;
  Dispatch(2, 1);
  settings_->CurrentProfile = 3;
  Dispatch(2, 2);
  Dispatch(2, 1);
  settings_->CurrentProfile = 0;
  Dispatch(2, 2);
  Seq expected = kLeftDown;
  for (const Seq* s : {&kLeftUp, &kRightDown, &kRightUp}) {
    expected.insert(expected.end(), s->begin(), s->end());
  }
  EXPECT_TRUE(ExpectSequence(expected, input_.Records()));
}

// A reload ends every hold, newest first; the buttons' later releases send nothing more. A
// combination of modifiers alone leaves nothing to end (the Wine ledger scenarios check that its
// press taps it once).
TEST_F(DispatchEntry, ReleaseAllEndsEveryHoldNewestFirst) {
  ProfileSettings& p = settings_->profiles[0];
  p.MacroKeyInfo[1].functionCode = 2;
  p.MacroKeyInfo[3].functionCode = 45;
  p.MacroKeyInfo[3].events[0] = {0x28, 0x01, 0};  // Enter, no modifiers
  p.MacroKeyInfo[4].functionCode = 5;
  p.MacroKeyInfo[4].events[0] = {0, 0x10, 0};  // Windows alone
  for (int64_t button : {0, 1, 3, 4}) Dispatch(button, 1);
  EXPECT_TRUE(dispatcher_.Holding());
  input_.Clear();
  dispatcher_.ReleaseAll();
  EXPECT_FALSE(dispatcher_.Holding());
  const Seq expected = {SleepRecord(1), KeyRecord(0x0D, 0, 2),  // Enter up
                        MouseRecord(0x10, 0, kNone), MouseRecord(0x4, 0, kNone)};
  EXPECT_TRUE(ExpectSequence(expected, input_.Records()));
  input_.Clear();
  for (int64_t button : {0, 1, 3, 4}) Dispatch(button, 2);
  EXPECT_TRUE(input_.Records().empty());
}

// The macro handed to the player never reaches beyond the 40 stored entries.
TEST_F(DispatchEntry, MacroEventCountIsBounded) {
  struct Row {
    uint16_t stored;
    std::size_t handed;
  };
  const Row rows[] = {{0, 0}, {1, 1}, {39, 39}, {40, 40}, {41, 40}, {65535, 40}};
  ButtonAssignment& a = settings_->profiles[0].MacroKeyInfo[3];
  a.functionCode = 16;
  a.repeatCount = -7;
  for (int i = 0; i < kMaxMacroEvents; ++i) a.events[i] = {5, 1, static_cast<uint16_t>(i)};
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    a.eventCount = rows[i].stored;
    Dispatch(3, 1);
    std::string expected = "macro 3 x-7 [";
    for (std::size_t e = 0; e < rows[i].handed; ++e) {
      expected += (e == 0 ? "" : " ") + std::string("5p") + std::to_string(e);
    }
    EXPECT_EQ(Calls{expected + "]"}, actions_.Calls()) << "row " << i;
    actions_.Clear();
  }
}

TEST_F(DispatchEntry, ProgramPathEndsAtItsZeroOrAtTheEndOfTheArray) {
  ButtonAssignment& a = settings_->profiles[0].MacroKeyInfo[0];
  a.functionCode = 86;
  // Empty: the launch is still attempted, and fails silently where it is carried out.
  Dispatch(0, 2);
  EXPECT_EQ(Calls{"launch "}, actions_.Calls());
  actions_.Clear();

  const std::u16string full(std::size(a.programPath), u'x');
  std::copy(full.begin(), full.end(), a.programPath);
  Dispatch(0, 2);
  EXPECT_EQ(Calls{"launch " + std::string(full.size(), 'x')}, actions_.Calls());
  actions_.Clear();

  a.programPath[3] = u'\0';
  Dispatch(0, 2);
  EXPECT_EQ(Calls{"launch xxx"}, actions_.Calls());
}

// Code 17 launches once per click, on the release, as code 86 does.
TEST_F(DispatchEntry, Code17LaunchesOnceOnTheRelease) {
  ButtonAssignment& a = settings_->profiles[0].MacroKeyInfo[1];
  a.functionCode = 17;
  a.programPath[0] = u'p';
  Dispatch(1, 1);
  EXPECT_TRUE(actions_.Calls().empty());
  Dispatch(1, 2);
  EXPECT_EQ(Calls{"launch p"}, actions_.Calls());
  EXPECT_TRUE(input_.Records().empty());
}

// With no modifiers the main key alone is held from the press to the release.
TEST_F(DispatchEntry, KeyCombinationPressIsEndedByTheRelease) {
  ButtonAssignment& a = settings_->profiles[0].MacroKeyInfo[4];
  a.functionCode = 45;
  a.events[0] = {0x28, 0x01, 0};  // Enter, no modifiers
  Dispatch(4, 1);
  Dispatch(4, 2);
  const Seq expected = {KeyRecord(0x0D, 0, 0), SleepRecord(1), SleepRecord(1),
                        KeyRecord(0x0D, 0, 2)};
  EXPECT_TRUE(ExpectSequence(expected, input_.Records()));
}

}  // namespace

// A switch to another profile ends the holds whose button does something else there, newest
// first; a hold with the same assignment in both stays until its own release.
TEST_F(DispatchEntry, SwitchEndsOnlyTheHoldsTheNextProfileChanges) {
  ProfileSettings& from = settings_->profiles[0];
  ProfileSettings& to = settings_->profiles[3];
  from.MacroKeyInfo[1].functionCode = 2;
  to.MacroKeyInfo[1].functionCode = 2;  // right stays right
  to.MacroKeyInfo[3].functionCode = 3;  // left becomes middle
  for (int64_t button : {0, 1, 3}) Dispatch(button, 1);
  input_.Clear();
  dispatcher_.ReleaseHoldsChangedBy(&to);
  EXPECT_TRUE(ExpectSequence(Seq{MouseRecord(0x4, 0, kNone)}, input_.Records()));
  EXPECT_TRUE(dispatcher_.Holding());
  input_.Clear();
  for (int64_t button : {0, 1, 3}) dispatcher_.DispatchButtonEvent(&to, button, 2);
  // Button 0 (left in both) and the right button end now; button 3 ended with the switch.
  EXPECT_TRUE(ExpectSequence(Seq{MouseRecord(0x4, 0, kNone), MouseRecord(0x10, 0, kNone)},
                             input_.Records()));
  EXPECT_FALSE(dispatcher_.Holding());

  Dispatch(3, 1);
  input_.Clear();
  dispatcher_.ReleaseHoldsChangedBy(nullptr);  // no profile: everything ends
  EXPECT_TRUE(ExpectSequence(kLeftUp, input_.Records()));
  EXPECT_FALSE(dispatcher_.Holding());
}
