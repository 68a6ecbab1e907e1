#pragma once
// The macro manager's window-free details: the keys of its skin description, which controls a
// recording locks, the event list's right-click menu, and when the repeat-count box's text is
// taken.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "option/macros/macro_event_rows.h"
#include "option/menu_item.h"

// Keys of "skin_macro_manager.ini".
namespace macro_keys {
inline constexpr int kOk = 1, kCancel = 2, kClose = 3, kNewMacro = 4, kDeleteMacro = 5;
inline constexpr int kMacroList = 6, kRecord = 7, kRecordDelays = 8, kRepeat = 9;
inline constexpr int kRepeatCount = 10, kEventList = 11, kImport = 12, kExport = 13;
inline constexpr int kKeyLimit = 14;  // every key is below this
}  // namespace macro_keys

// Control ids the lists and the repeat-count box report with.
inline constexpr int32_t kMacroListId = 4096;
inline constexpr int32_t kEventListId = 4097;
inline constexpr int32_t kRepeatCountBoxId = 4010;
inline constexpr int kRepeatCountBoxChars = 3;

// Message from the recording hook: wParam the virtual key, lParam 128 for a release, 0 for a press.
inline constexpr uint32_t kMacroKeyMessage = 1034;
inline constexpr uint32_t kMacroKeyReleased = 128;

// What a recording disables so that the macro being recorded cannot be swapped, deleted or the
// dialog closed under it.
inline constexpr int kLockedWhileRecording[] = {macro_keys::kOk, macro_keys::kCancel,
                                                macro_keys::kClose, macro_keys::kNewMacro,
                                                macro_keys::kDeleteMacro};

// The event list's right-click menu: the five row commands, then the mouse-step submenu with one
// submenu per button offering press, release, and press and release.
std::vector<MenuItem> EventMenuItems();

// The text of the repeat-count box to take as the new count. While the user types, an empty box
// waits for the next digit (rewriting it with 1 at once would make "1" the prefix of whatever
// follows); once the focus leaves, the empty box is taken and corrected like any other text.
std::optional<CorrectedNumber> RepeatCountToTake(TextView typed, bool focusLeft);

// One event list row as the list shows it: its data (event number and kind, the kind being the
// row picture's resource id) and text.
struct EventListRow {
  uint32_t data = 0;
  Text text;
};
std::vector<EventListRow> EventListRows(std::span<const MacroEvent> events,
                                        const KeyboardLayout& layout, LanguageLookup language);
