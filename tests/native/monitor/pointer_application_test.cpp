#include "monitor/pointer_application.h"

#include <gtest/gtest.h>

#include <cstring>

#include "settings/profile_defaults.h"

namespace {

TEST(PlanPointerApplication, AccelerationFromFlagAndRegistry) {
  const struct {
    int32_t flag, level, t1, t2;
    int32_t mouse[3];
    bool writeZero;
  } rows[] = {
      {0, 1, 6, 10, {0, 0, 0}, true},    // off while the registry has it: switch off, write zeros
      {1, 1, 6, 10, {6, 10, 1}, false},  // on: the registry's values as they are
      {0, 0, 0, 0, {0, 0, 0}, false},    // already off: nothing to write
      {0, 0, 0, 7, {0, 0, 0}, true},     // any non-zero value counts
      {2, 2, 4, 5, {0, 0, 0}, true},     // only 1 means on
      {1, 0, 0, 0, {0, 0, 0}, false},    // registry unreadable: zeros, nothing written
  };
  for (const auto& row : rows) {
    ProfileSettings p;
    std::memset(&p, 0, sizeof p);
    SetProfileDefaults(p, 0);
    p.AccelerationFlag = row.flag;
    PointerApplication plan = PlanPointerApplication(p, row.level, row.t1, row.t2);
    const std::string name = std::to_string(row.flag) + ": " + std::to_string(row.level) + "," +
                             std::to_string(row.t1) + "," + std::to_string(row.t2);
    EXPECT_EQ(plan.mouse[0], row.mouse[0]) << name;
    EXPECT_EQ(plan.mouse[1], row.mouse[1]) << name;
    EXPECT_EQ(plan.mouse[2], row.mouse[2]) << name;
    EXPECT_EQ(plan.writeZeroAcceleration, row.writeZero) << name;
  }
}

TEST(PlanPointerApplication, SpeedsPassedOnAndWheelPages) {
  ProfileSettings p;
  std::memset(&p, 0, sizeof p);
  SetProfileDefaults(p, 0);
  p.DbleClickSpeed = -1;  // a missing key: Windows decides
  p.MouseSpeed = 25;
  p.ScrollWheelSpeed = 7;
  PointerApplication plan = PlanPointerApplication(p, 0, 0, 0);
  EXPECT_EQ(plan.doubleClickTime, -1);
  EXPECT_EQ(plan.pointerSpeed, 25);
  EXPECT_EQ(plan.wheelLines, 7u);
  p.ScrollWheelFlag = 1;
  EXPECT_EQ(PlanPointerApplication(p, 0, 0, 0).wheelLines, kWheelPageScroll);
  p.ScrollWheelFlag = -1;
  EXPECT_EQ(PlanPointerApplication(p, 0, 0, 0).wheelLines, kWheelPageScroll);
}

}  // namespace
