// What the configurator's keyboard captures take: the keyboard's own keys, and a release only
// after its press was taken.

#include "option/keyboard_capture_rule.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "bridge/device_simulation.h"

namespace {

constexpr uint32_t kUp = 0x80, kInjected = 0x10, kLowerInjected = 0x02;

TEST(KeyboardCaptureRule, KeyboardKeysOnlyAndReleasesAfterTheirPress) {
  const struct {
    const char* name;
    uint32_t key;
    uint32_t flags;
    uint64_t extra;
    bool taken;  // taken and swallowed; otherwise passed on untouched
  } steps[] = {
      {"a press", 'A', 0, 0, true},
      {"its release", 'A', kUp, 0, true},
      {"a release whose press came before the capture", 'B', kUp, 0, false},
      {"an injected press", 'C', kInjected, 0, false},
      {"its release", 'C', kInjected | kUp, 0, false},
      {"a press injected from a lower level", 'C', kLowerInjected | kInjected, 0, false},
      {"a marked press injected from a lower level", 'C', kLowerInjected | kInjected,
       kDeviceSimulationMarker, false},
      {"a marked injected press", 'D', kInjected, kDeviceSimulationMarker, true},
      {"its release", 'D', kInjected | kUp, kDeviceSimulationMarker, true},
      {"a second release of it", 'D', kUp, 0, false},
      {"a keyboard press after an injected one of the same key", 'C', 0, 0, true},
      {"an injected release of it leaves the press held", 'C', kInjected | kUp, 0, false},
      {"the keyboard's release", 'C', kUp, 0, true},
      {"a key code beyond a byte", 0x141, 0, 0, true},
      {"its release", 0x141, kUp, 0, true},
  };
  KeyboardCaptureRule rule;
  for (const auto& step : steps) {
    const CapturedKey d = rule.Decide(step.key, step.flags, step.extra);
    EXPECT_EQ(d.take, step.taken) << step.name;
    EXPECT_EQ(d.swallow, step.taken) << step.name;
  }
}

}  // namespace
