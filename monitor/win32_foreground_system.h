#pragma once
// The window in front, its process's image path and elevation, from the system.

#include "monitor/foreground_system.h"

class Win32ForegroundSystem : public ForegroundSystem {
 public:
  ForegroundWindow Foreground() override;
  std::optional<Text> ImagePath(uint32_t processId) override;
  Elevation ProcessElevation(uint32_t processId) override;

 private:
  ForegroundWindow last_;  // the window in front when last asked, and its process
};

// Whether the monitor itself runs as administrator; unknown counts as not.
bool CurrentProcessElevated();
