#pragma once
// The macro manager's decisions, without windows: which macro is selected, what its event list
// shows, how recorded keys, menu commands and typed numbers change it, and what the configurator
// keeps when the manager closes. The dialog turns window messages into these calls and shows the
// results; the keyboard hook and the tick count come from outside.
//
// The model edits its own copy of the library, so Cancel keeps the library exactly as it was and
// OK hands over the edited one.

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "input/input_sink.h"
#include "option/macros/macro_event_rows.h"
#include "option/macros/macro_library.h"

// Milliseconds since some fixed moment, wrapping at 2^32 like GetTickCount.
class TickClock {
 public:
  virtual ~TickClock() = default;
  virtual uint32_t Now() const = 0;
};

// Event menu commands.
inline constexpr int kCommandRecordBefore = 1001;
inline constexpr int kCommandRecordAfter = 1002;
inline constexpr int kCommandInsertDelay = 1003;
inline constexpr int kCommandEditDelay = 1004;
inline constexpr int kCommandDeleteRow = 1005;
// 1020 + 3 * b press, + 1 release, + 2 press and release, for buttons b = 0 to 4.
inline constexpr int kCommandFirstMouseStep = 1020;
inline constexpr int kMouseStepButtons = 5;

// A new macro's name box takes at most this many characters.
inline constexpr int kMaxNewMacroNameChars = 15;

enum class MouseStep : uint8_t { kPress, kRelease, kPressAndRelease };
struct MouseStepCommand {
  uint8_t code = 0;  // 240 to 244
  MouseStep step = MouseStep::kPress;
};
// The mouse-button step of a command id, or nothing for other ids.
std::optional<MouseStepCommand> MouseStepOfCommand(int command);

// The macro list row selected when the manager opens for `button` (null: no button): the macro the
// button plays, matched by name; else the first row whose name starts with it, searched from the
// second row round to the first; else the first row. -1 for an empty library.
int InitialMacroRow(const MacroLibrary& library, const ButtonAssignment* button);

class MacroEditorModel {
 public:
  MacroEditorModel(MacroLibrary library, const TickClock& clock, const KeyboardLayout& layout);

  const MacroLibrary& library() const { return library_; }
  int selectedMacro() const { return selected_; }
  // The selected macro's events; none without a selection.
  std::span<const MacroEvent> events() const;
  bool repeatEnabled() const { return repeatEnabled_; }
  // What the repeat-count box shows: 1 to 255.
  int32_t shownRepeatCount() const { return shownRepeatCount_; }
  bool recording() const { return recording_; }
  bool recordDelays() const { return recordDelays_; }
  void SetRecordDelays(bool on) { recordDelays_ = on; }
  int insertPosition() const { return insertPosition_; }

  // -1 or a position outside the library selects nothing. Ignored while recording (the list is
  // disabled then).
  void SelectMacro(int index);

  // The name typed for a new macro. Trimmed; an empty name or one that another macro has (without
  // regard to case) creates nothing. Returns the new macro's position, now selected, or -1.
  int AddMacro(TextView typedName);
  // Removes the selected macro (after the dialog's confirmation); the selection stays at the same
  // position or moves to the last row. False when nothing was selected.
  bool DeleteSelectedMacro();
  // A record read from a .macro file: appended under its own name, or the first free "name1",
  // "name2", ..., and selected. Returns its position, or -1 while recording.
  int ImportMacro(const MacroRecord& record);
  // The selected macro's record (what an export writes), or null.
  const MacroRecord* selectedRecord() const;

  // The repeat check box. A ticked box stores the shown count; an unticked one stores 0, which
  // plays once and shows the box unticked again next time.
  void SetRepeatEnabled(bool on);
  // The typed repeat count, corrected to 1 to 255 and stored as the check box says.
  CorrectedNumber EditRepeatCount(TextView typed);

  enum class RecordButtonResult : uint8_t { kNoMacro, kStarted, kStopped };
  // Starts a fresh recording (the macro is emptied first) or stops the running one.
  RecordButtonResult PressRecordButton();
  void StopRecording();

  enum class KeyResult : uint8_t {
    kIgnored,             // not recording, or the keyboard's auto-repeat
    kRecorded,            // the list needs a refresh
    kRecordedAndStopped,  // the macro reached 40 events with this one
    kFullAndStopped,      // the macro was already full: nothing recorded
  };
  // A key event from the recording hook.
  KeyResult RecordKey(uint8_t virtualKey, bool release);

  enum class MenuResult : uint8_t {
    kIgnored,           // not applicable to the row, or recording
    kNoMacro,           // show the macro-set warning
    kChanged,           // refresh the list
    kStartedRecording,  // as the record button's start, the events kept
    kEditDelay,         // open the number box on the row
  };
  // An event menu command on the row selected when the menu opened (-1: none).
  MenuResult EventMenu(int command, int row);
  // The delay box on `row` closed with Enter or by losing the focus. The pause the box was opened
  // on (by kEditDelay) takes the number, even when another macro has been selected since; without
  // an open box, the pause on `row` of the selected macro. Nothing changes for an empty text or a
  // row that is not a pause.
  std::optional<CorrectedNumber> CommitDelayEdit(int row, TextView typed);

  std::vector<EventRow> Rows() const { return EventRows(events()); }
  int CaretRow() const { return ::CaretRow(Rows(), focusEvent_); }

 private:
  MacroRecord* Selected();
  void StartRecording(int insertPosition);
  bool InsertEvent(int position, MacroEvent event);
  void RemoveEvent(int position);
  void StoreRepeatCount();

  MacroLibrary library_;
  const TickClock& clock_;
  const KeyboardLayout& layout_;

  int selected_ = -1;
  bool repeatEnabled_ = false;
  int32_t shownRepeatCount_ = 1;

  bool recording_ = false;
  bool recordDelays_ = false;
  bool previousEvent_ = false;  // this recording run has recorded an event
  bool hasLastKey_ = false;
  uint8_t lastKey_ = 0;
  bool lastRelease_ = false;
  uint32_t lastTick_ = 0;

  int insertPosition_ = -1;  // -1 appends
  int focusEvent_ = -1;      // the event last inserted or edited

  // The pause whose delay box is open: the macro's position and the event the pause follows.
  struct DelayEdit {
    int macro = -1;
    int event = -1;
  };
  std::optional<DelayEdit> delayEdit_;
};

// The record button's caption and its caption colours (normal, over, down, disabled; ARGB) while
// idle and while recording.
struct RecordButtonLook {
  uint16_t labelId;
  uint32_t normal;
  uint32_t over;
  uint32_t down;
  uint32_t disabled;
};
RecordButtonLook RecordButtonLookFor(bool recording);

enum class ManagerEnd : uint8_t { kOk, kCancel };

// Writes the library that OK hands over; the manager closes only once it is saved, and otherwise
// stays open with every edit so that the user can try again or cancel.
using MacroLibrarySaver = std::function<MacroSaveResult(const MacroLibrary&)>;

// What the configurator keeps when the manager closes: the edited library on OK, which OK has saved
// (returns true); on any other end the library it had before. A running recording is
// stopped first.
bool FinishMacroManager(ManagerEnd end, MacroEditorModel& model, MacroLibrary& library);
