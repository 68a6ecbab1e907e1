#pragma once
// What making the current profile's pointer settings take effect means, decided apart from the
// system calls that carry it out.

#include <cstdint>

#include "settings/profile_settings.h"

inline constexpr uint32_t kWheelPageScroll = 0xFFFFFFFFu;  // WHEEL_PAGESCROLL

struct PointerApplication {
  int32_t doubleClickTime;
  // SPI_SETMOUSE's three values: threshold 1, threshold 2, acceleration level.
  int32_t mouse[3];
  // Acceleration is off for this profile but the registry still has it: write "0" to the three
  // values so that the next session starts without it too.
  bool writeZeroAcceleration;
  int32_t pointerSpeed;  // SPI_SETMOUSESPEED, passed on unchecked
  uint32_t wheelLines;   // SPI_SETWHEELSCROLLLINES
};

// `level`, `threshold1` and `threshold2` are the registry's MouseSpeed, MouseThreshold1 and
// MouseThreshold2 (0 when missing or unreadable).
PointerApplication PlanPointerApplication(const ProfileSettings& profile, int32_t level,
                                          int32_t threshold1, int32_t threshold2);
