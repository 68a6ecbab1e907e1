#include "option/macros/macro_manager_view.h"

#include "lang/string_ids.h"
#include "option/macros/macro_editor_model.h"

std::vector<MenuItem> EventMenuItems() {
  std::vector<MenuItem> buttons;
  for (int b = 0; b < kMouseStepButtons; ++b) {
    const int32_t first = kCommandFirstMouseStep + 3 * b;
    buttons.push_back(
        MenuSubmenu(static_cast<uint16_t>(IDS_EVENT_BUTTON_LEFT + b),
                    {MenuCommand(first, IDS_EVENT_PRESS), MenuCommand(first + 1, IDS_EVENT_RELEASE),
                     MenuCommand(first + 2, IDS_EVENT_PRESS_AND_RELEASE)}));
  }
  return {
      MenuCommand(kCommandRecordBefore, IDS_EVENT_RECORD_BEFORE),
      MenuCommand(kCommandRecordAfter, IDS_EVENT_RECORD_AFTER),
      MenuCommand(kCommandInsertDelay, IDS_EVENT_INSERT_DELAY),
      MenuCommand(kCommandEditDelay, IDS_EVENT_EDIT_DELAY),
      MenuCommand(kCommandDeleteRow, IDS_EVENT_DELETE),
      MenuSubmenu(IDS_EVENT_INSERT_MOUSE_BUTTON, std::move(buttons)),
  };
}

std::optional<CorrectedNumber> RepeatCountToTake(TextView typed, bool focusLeft) {
  if (typed.empty() && !focusLeft) return std::nullopt;
  CorrectedNumber count = CorrectRepeatCount(typed);
  if (typed.empty()) count.corrected = true;  // the box must show what is kept
  return count;
}

std::vector<EventListRow> EventListRows(std::span<const MacroEvent> events,
                                        const KeyboardLayout& layout, LanguageLookup language) {
  std::vector<EventListRow> rows;
  for (const EventRow& row : EventRows(events)) {
    rows.push_back({row.ItemValue(), EventRowText(row, events, layout, language)});
  }
  return rows;
}
