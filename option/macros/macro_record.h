#pragma once
// One entry of the configurator's macro library, as stored in config\sequence.dat and in .macro
// files (268 bytes each). A button that plays a macro carries its own copy of the same four items
// inside its ButtonAssignment, at other offsets.

#include <cstddef>
#include <cstdint>

#include "settings/profile_settings.h"

inline constexpr int kMacroNameLength = 50;  // characters, terminator included

struct MacroRecord {
  char16_t name[kMacroNameLength];
  int32_t repeatCount;
  int32_t eventCount;  // 0 to 40 when written by the editor; a file may hold anything
  MacroEvent events[kMaxMacroEvents];
};
static_assert(sizeof(MacroRecord) == 268);
static_assert(offsetof(MacroRecord, name) == 0);
static_assert(offsetof(MacroRecord, repeatCount) == 100);
static_assert(offsetof(MacroRecord, eventCount) == 104);
static_assert(offsetof(MacroRecord, events) == 108);

// Number of events that may be read from a record: a stored count outside 0 to 40 never reaches
// beyond the array.
inline int UsedEventCount(const MacroRecord& r) {
  if (r.eventCount < 0) return 0;
  return r.eventCount > kMaxMacroEvents ? kMaxMacroEvents : r.eventCount;
}
