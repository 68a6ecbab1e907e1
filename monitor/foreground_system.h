#pragma once
// What the monitor asks the system about the window in front, behind a small interface so that
// the following of profiles is decided (and tested) apart from the system calls.

#include <cstdint>
#include <optional>

#include "base/text.h"

// The window in front and the process that owns it; both zero when no window is in front.
struct ForegroundWindow {
  uint64_t window = 0;
  uint32_t processId = 0;
  bool operator==(const ForegroundWindow&) const = default;
};

enum class Elevation : uint8_t { kUnknown, kNotElevated, kElevated };

class ForegroundSystem {
 public:
  virtual ~ForegroundSystem() = default;
  // Cheap: asked at every button report.
  virtual ForegroundWindow Foreground() = 0;
  // The process's full image path; none when it is gone or may not be asked.
  virtual std::optional<Text> ImagePath(uint32_t processId) = 0;
  // Whether the process runs as administrator; unknown when it may not be asked.
  virtual Elevation ProcessElevation(uint32_t processId) = 0;
};
