#include "option/macros/macro_event_rows.h"

#include <limits>

#include "input/key_table.h"

namespace {

CorrectedNumber Clamp(int32_t value, int32_t high) {
  if (value <= 0) return {1, true};
  if (value > high) return {high, true};
  return {value, false};
}

}  // namespace

bool IsMouseButtonCode(uint8_t code) {
  return code >= kKeyCodeMouseLeft && code <= kKeyCodeMouseX1;
}

std::vector<EventRow> EventRows(std::span<const MacroEvent> events) {
  std::vector<EventRow> rows;
  rows.reserve(events.size() * 2);
  for (size_t i = 0; i < events.size(); ++i) {
    const MacroEvent& e = events[i];
    const int event = static_cast<int>(i);
    EventRowKind kind = EventRowKind::kKeyDown;
    if (IsMouseButtonCode(e.code)) {
      kind = EventRowKind::kMouseButton;
    } else if (e.action == kMacroRelease) {
      kind = EventRowKind::kKeyUp;
    }
    rows.push_back({event, kind});
    if (e.delay != 0) rows.push_back({event, EventRowKind::kDelay});
  }
  return rows;
}

Text EventRowText(const EventRow& row, std::span<const MacroEvent> events,
                  const KeyboardLayout& layout, LanguageLookup language) {
  if (row.event < 0 || static_cast<size_t>(row.event) >= events.size()) return {};
  const MacroEvent& e = events[static_cast<size_t>(row.event)];
  switch (row.kind) {
    case EventRowKind::kDelay:
      return FormatInt(e.delay) + u" ms";
    case EventRowKind::kMouseButton:
      return KeyCodeName(e.code, layout, language) +
             (e.action == kMacroRelease ? u" Up" : u" Down");
    case EventRowKind::kKeyUp:
    case EventRowKind::kKeyDown:
      break;
  }
  return KeyCodeName(e.code, layout, language);
}

int CaretRow(const std::vector<EventRow>& rows, int focusEvent) {
  if (rows.empty()) return -1;
  const int count = static_cast<int>(rows.size());
  int row = count - 1;
  for (int i = 0; i < count; ++i) {
    if (rows[static_cast<size_t>(i)].event == focusEvent &&
        rows[static_cast<size_t>(i)].kind != EventRowKind::kDelay) {
      row = i;
      break;
    }
  }
  if (row > 3 && count - 1 - row > 3) row += 2;
  return row;
}

int32_t ParseTypedNumber(TextView text) {
  constexpr int64_t kMax = std::numeric_limits<int32_t>::max();
  int64_t value = 0;
  for (const char16_t c : text) {
    if (c < u'0' || c > u'9') break;
    value = value * 10 + (c - u'0');
    if (value > kMax) return static_cast<int32_t>(kMax);
  }
  return static_cast<int32_t>(value);
}

CorrectedNumber CorrectRepeatCount(TextView typed) {
  return Clamp(ParseTypedNumber(typed), kMaxRepeatCount);
}

std::optional<CorrectedNumber> CorrectDelay(TextView typed) {
  if (typed.empty()) return std::nullopt;
  CorrectedNumber delay = Clamp(ParseTypedNumber(typed), kMaxDelayMs);
  // The row shows the typed digits until it is rewritten; the largest pause is always rewritten,
  // so that a long row of nines reads as the value actually kept.
  if (delay.value == kMaxDelayMs) delay.corrected = true;
  return delay;
}
