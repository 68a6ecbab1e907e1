#include "option/macros/macro_manager_view.h"

#include "lang/string_ids.h"
#include "option/macros/macro_editor_model.h"

namespace {

FunctionMenuItem Command(int32_t id, uint16_t textId) {
  FunctionMenuItem item;
  item.id = id;
  item.textId = textId;
  return item;
}

FunctionMenuItem Submenu(uint16_t textId, std::vector<FunctionMenuItem> items) {
  FunctionMenuItem item;
  item.kind = FunctionMenuItem::Kind::kSubmenu;
  item.textId = textId;
  item.items = std::move(items);
  return item;
}

}  // namespace

std::vector<FunctionMenuItem> EventMenuItems() {
  std::vector<FunctionMenuItem> buttons;
  for (int b = 0; b < kMouseStepButtons; ++b) {
    const int32_t first = kCommandFirstMouseStep + 3 * b;
    buttons.push_back(
        Submenu(static_cast<uint16_t>(IDS_EVENT_BUTTON_LEFT + b),
                {Command(first, IDS_EVENT_PRESS), Command(first + 1, IDS_EVENT_RELEASE),
                 Command(first + 2, IDS_EVENT_PRESS_AND_RELEASE)}));
  }
  return {
      Command(kCommandRecordBefore, IDS_EVENT_RECORD_BEFORE),
      Command(kCommandRecordAfter, IDS_EVENT_RECORD_AFTER),
      Command(kCommandInsertDelay, IDS_EVENT_INSERT_DELAY),
      Command(kCommandEditDelay, IDS_EVENT_EDIT_DELAY),
      Command(kCommandDeleteRow, IDS_EVENT_DELETE),
      Submenu(IDS_EVENT_INSERT_MOUSE_BUTTON, std::move(buttons)),
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
