// The recording sink and its comparison are what every input test relies on, so they are checked
// on their own first.

#include <gtest/gtest.h>

#include "input/win_input_values.h"
#include "tests/support/input_sequence.h"
#include "tests/support/recording_input.h"

namespace {

using input_test::UsLayout;

TEST(RecordingInput, RecordsEveryCallInOrderWithTheVirtualClock) {
  RecordingInput in(UsLayout());
  in.SendKey(0x41, 0x1E, kKeyEventExtendedKey);
  in.Sleep(5);
  in.SendMouse(kMouseEventXDown, kXButton2, MouseExtraInfo::kCurrentMessage);
  in.Sleep(0);
  in.Sleep(20);
  in.LockWorkstation();
  in.Shell(ShellRequest::kFileRun);
  const std::vector<InputRecord> expected = {
      KeyRecord(0x41, 0x1E, kKeyEventExtendedKey),
      SleepRecord(5),
      MouseRecord(kMouseEventXDown, kXButton2, MouseExtraInfo::kCurrentMessage),
      SleepRecord(0),
      SleepRecord(20),
      LockRecord(),
      ShellRecord(ShellRequest::kFileRun),
  };
  EXPECT_TRUE(ExpectSequence(expected, in.Records()));
  const uint64_t times[] = {0, 0, 5, 5, 5, 25, 25};
  ASSERT_EQ(in.Records().size(), std::size(times));
  for (size_t i = 0; i < std::size(times); ++i) {
    EXPECT_EQ(in.Records()[i].time, times[i]) << "entry " << i;
  }
  EXPECT_EQ(in.Now(), 25u);
  in.Clear();
  EXPECT_TRUE(in.Records().empty());
  EXPECT_EQ(in.Now(), 25u);  // clearing the records does not turn the clock back
}

TEST(RecordingInput, ClockInMicrosecondsWithInjectionCostAndDeadlines) {
  RecordingInput in(UsLayout());
  in.SetInjectionCost(250);
  in.SendKey(0x41, 0x1E, 0);                                    // at 0, then 250
  in.SleepUntil(100);                                           // passed: nothing
  in.SleepUntil(3250);                                          // 3 ms
  in.SendMouse(kMouseEventLeftDown, 0, MouseExtraInfo::kZero);  // at 3250, then 3500
  in.SleepUntil(4000);                                          // 0.5 ms: 0 whole ms
  in.Stall(1000);                                               // to 5000
  in.Sleep(2);                                                  // to 7000
  in.SendKey(0x41, 0x1E, kKeyEventKeyUp);                       // at 7000, then 7250
  const std::vector<InputRecord> expected = {
      KeyRecord(0x41, 0x1E, 0),
      SleepRecord(3),
      MouseRecord(kMouseEventLeftDown, 0, MouseExtraInfo::kZero),
      SleepRecord(0),
      SleepRecord(2),
      KeyRecord(0x41, 0x1E, kKeyEventKeyUp),
  };
  EXPECT_TRUE(ExpectSequence(expected, in.Records()));
  const uint64_t micros[] = {0, 250, 3250, 3500, 5000, 7000};
  ASSERT_EQ(in.Records().size(), std::size(micros));
  for (size_t i = 0; i < std::size(micros); ++i) {
    EXPECT_EQ(in.Records()[i].microseconds, micros[i]) << "entry " << i;
    EXPECT_EQ(in.Records()[i].time, micros[i] / 1000) << "entry " << i;
  }
  EXPECT_EQ(in.NowMicroseconds(), 7250u);
  EXPECT_EQ(in.Now(), 7u);
}

TEST(RecordingInput, LayoutIsTheOneGiven) {
  RecordingInput in(input_test::FrenchLayout());
  EXPECT_EQ(in.Layout().VirtualKeyAt(0x10), 'A');
  EXPECT_EQ(in.Layout().ScanCodeOf('Q'), 0x1E);
}

TEST(FirstDifference, NamesTheFirstDifferingMissingOrSpuriousEntry) {
  const InputRecord a = KeyRecord(0x41, 0, 0);
  const InputRecord b = SleepRecord(1);
  const InputRecord c = MouseRecord(kMouseEventLeftDown, 0, MouseExtraInfo::kZero);
  const struct {
    const char* name;
    std::vector<InputRecord> expected, actual;
    std::string difference;
  } rows[] = {
      {"equal", {a, b, c}, {a, b, c}, ""},
      {"both empty", {}, {}, ""},
      {"differs at 1", {a, b, c}, {a, c, c}, "entry 1: expected sleep 1 ms, got mouse flags=0x2"},
      {"missing last", {a, b, c}, {a, b}, "missing entry 2: mouse flags=0x2 data=0 extra=0"},
      {"missing all", {a}, {}, "missing entry 0: key vk=0x41 scan=0x0 flags=0x0"},
      {"spurious", {a}, {a, b}, "spurious entry 1: sleep 1 ms"},
  };
  for (const auto& row : rows) {
    const std::string difference = FirstDifference(row.expected, row.actual);
    EXPECT_EQ(difference.substr(0, row.difference.size()), row.difference) << row.name;
    EXPECT_EQ(difference.empty(), row.difference.empty()) << row.name;
  }
}

TEST(FirstDifference, EveryComparedFieldCounts) {
  const struct {
    const char* name;
    InputRecord expected, actual;
  } rows[] = {
      {"virtual key", KeyRecord(0x41, 0x1E, 0), KeyRecord(0x42, 0x1E, 0)},
      {"scan code", KeyRecord(0x41, 0x1E, 0), KeyRecord(0x41, 0x1F, 0)},
      {"key flags", KeyRecord(0x41, 0, 0), KeyRecord(0x41, 0, kKeyEventKeyUp)},
      {"mouse flags", MouseRecord(kMouseEventLeftDown, 0, MouseExtraInfo::kZero),
       MouseRecord(kMouseEventLeftUp, 0, MouseExtraInfo::kZero)},
      {"mouse data", MouseRecord(kMouseEventXDown, 1, MouseExtraInfo::kZero),
       MouseRecord(kMouseEventXDown, 2, MouseExtraInfo::kZero)},
      {"mouse extra", MouseRecord(kMouseEventLeftDown, 0, MouseExtraInfo::kZero),
       MouseRecord(kMouseEventLeftDown, 0, MouseExtraInfo::kCurrentMessage)},
      {"sleep", SleepRecord(1), SleepRecord(2)},
      {"lock and shell", LockRecord(), ShellRecord(ShellRequest::kFindFiles)},
      {"shell request", ShellRecord(ShellRequest::kFindFiles), ShellRecord(ShellRequest::kFileRun)},
      {"kind", KeyRecord(0, 0, 0), SleepRecord(0)},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(FirstDifference({row.expected}, {row.actual}).rfind("entry 0:", 0), 0u) << row.name;
  }
}

TEST(FirstDifference, TimeIsNotCompared) {
  InputRecord late = SleepRecord(3);
  late.time = 99;
  EXPECT_TRUE(ExpectSequence({SleepRecord(3)}, {late}));
}

}  // namespace
