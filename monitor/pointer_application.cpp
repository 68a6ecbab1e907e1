#include "monitor/pointer_application.h"

PointerApplication PlanPointerApplication(const ProfileSettings& profile, int32_t level,
                                          int32_t threshold1, int32_t threshold2) {
  PointerApplication plan{};
  plan.doubleClickTime = profile.DbleClickSpeed;
  if (profile.AccelerationFlag != 1 && (level != 0 || threshold1 != 0 || threshold2 != 0)) {
    plan.writeZeroAcceleration = true;
    level = threshold1 = threshold2 = 0;
  }
  plan.mouse[0] = threshold1;
  plan.mouse[1] = threshold2;
  plan.mouse[2] = level;
  plan.pointerSpeed = profile.MouseSpeed;
  plan.wheelLines = profile.ScrollWheelFlag != 0 ? kWheelPageScroll
                                                 : static_cast<uint32_t>(profile.ScrollWheelSpeed);
  return plan;
}
