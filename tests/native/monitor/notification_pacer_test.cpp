// At most one tray notification per second, and the latest one waiting shown at its end.

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "monitor/notification_pacer.h"

namespace {

struct PacerStep {
  bool offer;  // otherwise the timer fires
  uint64_t atMs;
  const char16_t* notice;  // offered
  std::optional<Text> shown;
  std::optional<uint64_t> callBackInMs;
};

struct PacerCase {
  const char* name;
  std::vector<PacerStep> steps;
};

const PacerCase kCases[] = {
    {"spaced notices show at once",
     {{true, 5000, u"A", u"A", std::nullopt}, {true, 6000, u"B", u"B", std::nullopt}}},
    {"flicker: the latest waits for the end of the second",
     {{true, 5000, u"A", u"A", std::nullopt},
      {true, 5200, u"B", std::nullopt, 800},
      {true, 5300, u"C", std::nullopt, std::nullopt},
      {false, 6000, nullptr, u"C", std::nullopt}}},
    {"back to what was shown: nothing more",
     {{true, 5000, u"A", u"A", std::nullopt},
      {true, 5100, u"B", std::nullopt, 900},
      {true, 5200, u"A", std::nullopt, std::nullopt},
      {false, 6000, nullptr, std::nullopt, std::nullopt}}},
    {"an early timer keeps waiting",
     {{true, 5000, u"A", u"A", std::nullopt},
      {true, 5500, u"B", std::nullopt, 500},
      {false, 5900, nullptr, std::nullopt, 100},
      {false, 6000, nullptr, u"B", std::nullopt}}},
    {"a notice while the timer is due still waits for it",
     {{true, 5000, u"A", u"A", std::nullopt},
      {true, 5500, u"B", std::nullopt, 500},
      {true, 7000, u"C", std::nullopt, std::nullopt},
      {false, 7001, nullptr, u"C", std::nullopt}}},
    {"a stray timer shows nothing", {{false, 100, nullptr, std::nullopt, std::nullopt}}},
    {"a clock that went back counts as a period passed",
     {{true, 5000, u"A", u"A", std::nullopt}, {true, 10, u"B", u"B", std::nullopt}}},
};

TEST(NotificationPacer, ShowsAtMostOnePerSecond) {
  for (const PacerCase& c : kCases) {
    NotificationPacer pacer;
    for (size_t i = 0; i < c.steps.size(); ++i) {
      const PacerStep& s = c.steps[i];
      const NotificationPacer::Decision d =
          s.offer ? pacer.Offer(s.notice, s.atMs) : pacer.Due(s.atMs);
      EXPECT_EQ(d.showNow, s.shown) << c.name << ", step " << i;
      EXPECT_EQ(d.callBackInMs, s.callBackInMs) << c.name << ", step " << i;
    }
  }
}

}  // namespace
