#include "ui/startup_trace_line.h"

#include <gtest/gtest.h>

namespace {

TEST(StartupMilliseconds, AddsTheCounterToTheAnchor) {
  struct Case {
    int64_t anchor100ns, ticks, frequency;
    double expected;
  };
  const Case cases[] = {
      {0, 0, 10'000'000, 0.0},
      {150'000, 0, 10'000'000, 15.0},           // 15 ms between creation and the anchor
      {150'000, 2'500'000, 10'000'000, 265.0},  // plus 250 ms of counter
      {10'000, 3'579'545, 3'579'545, 1001.0},   // an odd counter frequency
      {20'000, 123, 0, 2.0},                    // no counter: the anchor alone
  };
  for (const Case& c : cases) {
    EXPECT_DOUBLE_EQ(StartupMilliseconds(c.anchor100ns, c.ticks, c.frequency), c.expected)
        << c.anchor100ns << " " << c.ticks << " " << c.frequency;
  }
}

TEST(StartupTrace, WrittenLinesReadBack) {
  const std::string text = FormatStartupTraceLine(12.5, "entry") +
                           FormatStartupTraceLine(1234.0624, "GDI+ started") +
                           FormatStartupTraceLine(2000, "first paint done");
  EXPECT_EQ(FormatStartupTraceLine(12.5, "entry"), "12.500\tentry\n");
  const std::vector<StartupStage> stages = ParseStartupTrace(text);
  ASSERT_EQ(stages.size(), 3u);
  EXPECT_EQ(stages[0].name, "entry");
  EXPECT_DOUBLE_EQ(stages[0].milliseconds, 12.5);
  EXPECT_EQ(stages[1].name, "GDI+ started");
  EXPECT_DOUBLE_EQ(stages[1].milliseconds, 1234.062);  // to the microsecond
  EXPECT_EQ(stages[2].name, "first paint done");
  EXPECT_DOUBLE_EQ(stages[2].milliseconds, 2000.0);
}

TEST(StartupTrace, KeepsTheFirstTimeOfAStageAndSkipsOtherLines) {
  struct Case {
    const char* text;
    std::vector<std::pair<double, std::string>> expected;
  };
  const Case cases[] = {
      {"", {}},
      {"1.0\ta\r\n2.0\tb", {{1.0, "a"}, {2.0, "b"}}},          // CRLF, no final newline
      {"1.0\ta\n3.0\ta\n2.0\tb\n", {{1.0, "a"}, {2.0, "b"}}},  // a repeated stage
      {"x\ta\n\tb\n4.0\t\n4.0 c\n5.0\td\n", {{5.0, "d"}}},     // not trace lines
      {"7.25\tpictures decoded\n\n", {{7.25, "pictures decoded"}}},
  };
  for (const Case& c : cases) {
    const std::vector<StartupStage> stages = ParseStartupTrace(c.text);
    ASSERT_EQ(stages.size(), c.expected.size()) << c.text;
    for (size_t i = 0; i < stages.size(); ++i) {
      EXPECT_DOUBLE_EQ(stages[i].milliseconds, c.expected[i].first) << c.text;
      EXPECT_EQ(stages[i].name, c.expected[i].second) << c.text;
    }
  }
}

}  // namespace
