#pragma once
// Reports of the hook library become button events: a button index and a kind.

#include <cstdint>
#include <optional>

#include "settings/settings_block.h"

enum class ButtonEventKind : int32_t { Press = 1, Release = 2, Wheel = 3 };

struct ButtonEvent {
  int32_t index;  // 0 left, 1 right, 2 middle, 3 and 4 the extra buttons, 13 and 14 the wheel
  ButtonEventKind kind;
  bool operator==(const ButtonEvent&) const = default;
};

// The event for one report (message 5121: the mouse message and its data), or none when the
// message is not a button or wheel message or its data does not fit the button.
std::optional<ButtonEvent> TranslateMouseReport(uint64_t mouseMessage, int64_t data);

// The assignment a button event addresses in the current profile, or null when the index is
// outside 0 to 14 or the current profile index outside 0 to 4.
const ButtonAssignment* AssignmentForButton(const SharedSettingsBlock& settings, int64_t index);
// The same in a given profile; null for a null profile or an index outside 0 to 14.
const ButtonAssignment* AssignmentForButton(const ProfileSettings* profile, int64_t index);

// Kinds other than press, release and wheel address nothing either.
std::optional<ButtonEventKind> ButtonEventKindFrom(int64_t value);
