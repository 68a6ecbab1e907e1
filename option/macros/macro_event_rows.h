#pragma once
// How the macro manager's event list shows a macro: one row per event and, after an event with a
// pause, one row for the pause; and the numbers typed into its edit boxes.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "base/text.h"
#include "input/input_sink.h"
#include "option/buttons/key_names.h"
#include "settings/profile_settings.h"

// Row kinds, the low word of each row's item value.
enum class EventRowKind : uint16_t {
  kDelay = 135,
  kKeyUp = 137,
  kKeyDown = 138,
  kMouseButton = 146,  // pressed or released
};

struct EventRow {
  int event = 0;  // position of the event in the macro, from 0
  EventRowKind kind = EventRowKind::kKeyDown;

  // High word the event number counted from 1, low word the kind.
  uint32_t ItemValue() const {
    return (static_cast<uint32_t>(event + 1) << 16) | static_cast<uint16_t>(kind);
  }
  friend bool operator==(const EventRow&, const EventRow&) = default;
};

// Stored codes 240 to 244.
bool IsMouseButtonCode(uint8_t code);

std::vector<EventRow> EventRows(std::span<const MacroEvent> events);

// "%d ms" for a pause; the key's name; a mouse button's name with " Down" or " Up". Empty for a
// row whose event lies outside `events`.
Text EventRowText(const EventRow& row, std::span<const MacroEvent> events,
                  const KeyboardLayout& layout, LanguageLookup language);

// The row that takes the caret after a refresh: the row of `focusEvent` (or the last row when it
// has none), moved 2 rows down when it lies more than 3 rows from both ends so that what follows
// stays in view. -1 for an empty list.
int CaretRow(const std::vector<EventRow>& rows, int focusEvent);

// The leading decimal digits of a typed number; a value beyond the int32 range stays at its
// maximum rather than wrapping, so a long row of nines is still "very large".
int32_t ParseTypedNumber(TextView text);

struct CorrectedNumber {
  int32_t value = 0;
  bool corrected = false;  // the box must be rewritten with `value`
};

inline constexpr int32_t kMaxRepeatCount = 255;
inline constexpr int32_t kMaxDelayMs = 65535;

// A typed repeat count: 256 or more gives 255, 0 or less gives 1.
CorrectedNumber CorrectRepeatCount(TextView typed);

// A typed pause: 65535 or more gives 65535, 0 or less gives 1. Nothing for an empty text, which
// leaves the pause as it was.
std::optional<CorrectedNumber> CorrectDelay(TextView typed);
