#include "option/macros/macro_editor_model.h"

#include <algorithm>
#include <utility>

#include "input/key_table.h"
#include "lang/string_ids.h"
#include "settings/function_codes.h"

namespace {

constexpr uint8_t kMouseStepCodes[kMouseStepButtons] = {
    kKeyCodeMouseLeft, kKeyCodeMouseRight, kKeyCodeMouseMiddle, kKeyCodeMouseX2, kKeyCodeMouseX1};

bool StartsWithIgnoreCase(TextView text, TextView prefix) {
  return text.size() >= prefix.size() && EqualsIgnoreCase(text.substr(0, prefix.size()), prefix);
}

}  // namespace

std::optional<MouseStepCommand> MouseStepOfCommand(int command) {
  const int offset = command - kCommandFirstMouseStep;
  if (offset < 0 || offset >= 3 * kMouseStepButtons) return std::nullopt;
  MouseStepCommand result;
  result.code = kMouseStepCodes[offset / 3];
  result.step = static_cast<MouseStep>(offset % 3);
  return result;
}

int InitialMacroRow(const MacroLibrary& library, const ButtonAssignment* button) {
  if (library.empty()) return -1;
  if (button == nullptr || button->functionCode != kFunctionMacro) return 0;
  const TextView name = ButtonMacroName(*button);
  if (name.empty()) return 0;
  // A prefix search alone would pick "Fire2" for a button that plays "Fire" whenever "Fire2"
  // comes first; the exact name wins.
  const int exact = FindMacroIndex(library, name);
  if (exact >= 0) return exact;
  const size_t count = library.size();
  for (size_t step = 1; step <= count; ++step) {
    const size_t row = step % count;
    if (StartsWithIgnoreCase(FieldText(library[row].name), name)) return static_cast<int>(row);
  }
  return 0;
}

MacroEditorModel::MacroEditorModel(MacroLibrary library, const TickClock& clock,
                                   const KeyboardLayout& layout)
    : library_(std::move(library)), clock_(clock), layout_(layout) {}

MacroRecord* MacroEditorModel::Selected() {
  if (selected_ < 0 || static_cast<size_t>(selected_) >= library_.size()) return nullptr;
  return &library_[static_cast<size_t>(selected_)];
}

std::span<const MacroEvent> MacroEditorModel::events() const {
  if (selected_ < 0 || static_cast<size_t>(selected_) >= library_.size()) return {};
  const MacroRecord& record = library_[static_cast<size_t>(selected_)];
  return {record.events, static_cast<size_t>(UsedEventCount(record))};
}

void MacroEditorModel::SelectMacro(int index) {
  if (recording_) return;
  const bool valid = index >= 0 && static_cast<size_t>(index) < library_.size();
  selected_ = valid ? index : -1;
  insertPosition_ = -1;
  focusEvent_ = -1;
  const MacroRecord* record = Selected();
  const int32_t stored = record == nullptr ? 0 : record->repeatCount;
  repeatEnabled_ = stored != 0;
  shownRepeatCount_ = std::clamp(stored, 1, kMaxRepeatCount);
}

int MacroEditorModel::AddMacro(TextView typedName) {
  if (recording_) return -1;
  const TextView name = TrimProfileSpace(typedName.substr(0, kMaxNewMacroNameChars));
  if (name.empty() || FindMacroByName(library_, name)) return -1;
  MacroRecord record{};
  CopyToField(record.name, name);
  library_.push_back(record);
  const int index = static_cast<int>(library_.size()) - 1;
  SelectMacro(index);
  return index;
}

bool MacroEditorModel::DeleteSelectedMacro() {
  if (recording_ || Selected() == nullptr) return false;
  library_.erase(library_.begin() + selected_);
  // An open delay box keeps pointing at its own macro, which may have moved up a place; the box
  // of a deleted macro writes nowhere.
  if (delayEdit_ && delayEdit_->macro == selected_) delayEdit_->macro = -1;
  if (delayEdit_ && delayEdit_->macro > selected_) --delayEdit_->macro;
  const int remaining = static_cast<int>(library_.size());
  SelectMacro(std::min(selected_, remaining - 1));
  return true;
}

int MacroEditorModel::ImportMacro(const MacroRecord& record) {
  if (recording_) return -1;
  const int index = AddImportedMacro(library_, record);
  SelectMacro(index);
  return index;
}

const MacroRecord* MacroEditorModel::selectedRecord() const {
  if (selected_ < 0 || static_cast<size_t>(selected_) >= library_.size()) return nullptr;
  return &library_[static_cast<size_t>(selected_)];
}

void MacroEditorModel::StoreRepeatCount() {
  if (MacroRecord* record = Selected())
    record->repeatCount = repeatEnabled_ ? shownRepeatCount_ : 0;
}

void MacroEditorModel::SetRepeatEnabled(bool on) {
  repeatEnabled_ = on;
  StoreRepeatCount();
}

CorrectedNumber MacroEditorModel::EditRepeatCount(TextView typed) {
  const CorrectedNumber count = CorrectRepeatCount(typed);
  shownRepeatCount_ = count.value;
  StoreRepeatCount();
  return count;
}

void MacroEditorModel::StartRecording(int insertPosition) {
  insertPosition_ = insertPosition;
  recording_ = true;
  previousEvent_ = false;
  // A new run must not drop its first key because the last run ended on the same one.
  hasLastKey_ = false;
}

void MacroEditorModel::StopRecording() {
  recording_ = false;
  lastTick_ = 0;
}

MacroEditorModel::RecordButtonResult MacroEditorModel::PressRecordButton() {
  MacroRecord* record = Selected();
  if (record == nullptr) return RecordButtonResult::kNoMacro;
  if (recording_) {
    StopRecording();
    return RecordButtonResult::kStopped;
  }
  record->eventCount = 0;
  std::fill(std::begin(record->events), std::end(record->events), MacroEvent{});
  focusEvent_ = -1;
  StartRecording(-1);
  return RecordButtonResult::kStarted;
}

bool MacroEditorModel::InsertEvent(int position, MacroEvent event) {
  MacroRecord* record = Selected();
  if (record == nullptr) return false;
  const int count = UsedEventCount(*record);
  if (count >= kMaxMacroEvents) return false;
  position = std::clamp(position, 0, count);
  std::copy_backward(record->events + position, record->events + count, record->events + count + 1);
  record->events[position] = event;
  record->eventCount = count + 1;
  focusEvent_ = position;
  return true;
}

void MacroEditorModel::RemoveEvent(int position) {
  MacroRecord* record = Selected();
  if (record == nullptr) return;
  const int count = UsedEventCount(*record);
  if (position < 0 || position >= count) return;
  std::copy(record->events + position + 1, record->events + count, record->events + position);
  record->events[count - 1] = MacroEvent{};
  record->eventCount = count - 1;
}

MacroEditorModel::KeyResult MacroEditorModel::RecordKey(uint8_t virtualKey, bool release) {
  // A key event still queued when recording stopped must not change the macro afterwards.
  if (!recording_) return KeyResult::kIgnored;
  MacroRecord* record = Selected();
  if (record == nullptr) {
    StopRecording();
    return KeyResult::kIgnored;
  }
  // A held key repeats its press; only the first press and the release are steps of the macro.
  if (hasLastKey_ && virtualKey == lastKey_ && release == lastRelease_) return KeyResult::kIgnored;
  const int count = UsedEventCount(*record);
  if (count >= kMaxMacroEvents) {
    StopRecording();
    return KeyResult::kFullAndStopped;
  }
  const uint32_t now = clock_.Now();
  if (recordDelays_ && previousEvent_) {
    // Unsigned subtraction keeps the pause right across the tick count's wrap.
    const uint32_t elapsed = now - lastTick_;
    const int before = insertPosition_ < 0 ? count - 1 : std::min(insertPosition_, count) - 1;
    if (before >= 0) {
      record->events[before].delay =
          static_cast<uint16_t>(std::min<uint32_t>(elapsed, static_cast<uint32_t>(kMaxDelayMs)));
    }
  }
  const int position = insertPosition_ < 0 ? count : insertPosition_;
  MacroEvent event{};
  event.code = KeyCodeFromVirtualKey(virtualKey, layout_);
  event.action = release ? kMacroRelease : kMacroPress;
  InsertEvent(position, event);
  if (insertPosition_ >= 0) insertPosition_ = std::min(position, count) + 1;
  lastTick_ = now;
  lastKey_ = virtualKey;
  lastRelease_ = release;
  hasLastKey_ = true;
  previousEvent_ = true;
  if (UsedEventCount(*record) >= kMaxMacroEvents) {
    StopRecording();
    return KeyResult::kRecordedAndStopped;
  }
  return KeyResult::kRecorded;
}

MacroEditorModel::MenuResult MacroEditorModel::EventMenu(int command, int row) {
  if (recording_) return MenuResult::kIgnored;
  MacroRecord* record = Selected();
  if (record == nullptr) return MenuResult::kNoMacro;
  const std::vector<EventRow> rows = Rows();
  const bool hasRow = row >= 0 && static_cast<size_t>(row) < rows.size();
  const EventRow selected = hasRow ? rows[static_cast<size_t>(row)] : EventRow{};
  const bool onDelay = hasRow && selected.kind == EventRowKind::kDelay;

  switch (command) {
    case kCommandRecordBefore:
      StartRecording(hasRow ? selected.event : -1);
      return MenuResult::kStartedRecording;
    case kCommandRecordAfter:
      StartRecording(hasRow ? selected.event + 1 : -1);
      return MenuResult::kStartedRecording;
    case kCommandInsertDelay: {
      if (!hasRow || onDelay || selected.event == 0) return MenuResult::kIgnored;
      MacroEvent& before = record->events[selected.event - 1];
      if (before.delay == 0) before.delay = 1;
      focusEvent_ = selected.event - 1;
      return MenuResult::kChanged;
    }
    case kCommandEditDelay:
      if (!onDelay) return MenuResult::kIgnored;
      delayEdit_ = DelayEdit{selected_, selected.event};
      return MenuResult::kEditDelay;
    case kCommandDeleteRow:
      if (!hasRow) return MenuResult::kIgnored;
      if (onDelay) {
        record->events[selected.event].delay = 0;
        focusEvent_ = selected.event;
      } else {
        RemoveEvent(selected.event);
        focusEvent_ = -1;
      }
      return MenuResult::kChanged;
    default:
      break;
  }

  const std::optional<MouseStepCommand> step = MouseStepOfCommand(command);
  if (!step) return MenuResult::kIgnored;
  const int count = UsedEventCount(*record);
  const int needed = step->step == MouseStep::kPressAndRelease ? 2 : 1;
  if (count + needed > kMaxMacroEvents) return MenuResult::kIgnored;
  const int position = hasRow ? selected.event : count;
  if (step->step != MouseStep::kRelease) InsertEvent(position, {step->code, kMacroPress, 0});
  if (step->step != MouseStep::kPress) {
    InsertEvent(position + needed - 1, {step->code, kMacroRelease, 0});
  }
  return MenuResult::kChanged;
}

std::optional<CorrectedNumber> MacroEditorModel::CommitDelayEdit(int row, TextView typed) {
  if (recording_) return std::nullopt;
  // The box belongs to the macro it was opened on: a row number alone would name a row of
  // whichever macro is selected by the time the box closes.
  const std::optional<DelayEdit> opened = std::exchange(delayEdit_, std::nullopt);
  int macro = selected_;
  int event = -1;
  if (opened) {
    macro = opened->macro;
    event = opened->event;
  } else {
    const std::vector<EventRow> rows = Rows();
    if (row < 0 || static_cast<size_t>(row) >= rows.size()) return std::nullopt;
    const EventRow target = rows[static_cast<size_t>(row)];
    if (target.kind != EventRowKind::kDelay) return std::nullopt;
    event = target.event;
  }
  if (macro < 0 || static_cast<size_t>(macro) >= library_.size()) return std::nullopt;
  MacroRecord& record = library_[static_cast<size_t>(macro)];
  if (event < 0 || event >= UsedEventCount(record) || record.events[event].delay == 0) {
    return std::nullopt;
  }
  const std::optional<CorrectedNumber> delay = CorrectDelay(typed);
  if (!delay) return std::nullopt;
  record.events[event].delay = static_cast<uint16_t>(delay->value);
  if (macro == selected_) focusEvent_ = event;
  return delay;
}

RecordButtonLook RecordButtonLookFor(bool recording) {
  constexpr uint32_t kGreen = 0xFF90D44B;
  constexpr uint32_t kBlack = 0xFF000000;
  if (recording) return {IDS_MACRO_STOP_RECORDING, kGreen, kGreen, kBlack, kBlack};
  return {IDS_MACRO_RECORD, kBlack, kGreen, kGreen, kBlack};
}

bool FinishMacroManager(ManagerEnd end, MacroEditorModel& model, MacroLibrary& library) {
  if (model.recording()) model.StopRecording();
  if (end != ManagerEnd::kOk) return false;
  library = model.library();
  return true;
}
