#pragma once
// Choosing a function from the function menu: the command id becomes a function code and its
// parameters in the selected button's assignment of the edited image. The dialogs a command needs
// sit behind a small interface, so that these rules run without windows.

#include <cstddef>
#include <cstdint>
#include <span>

#include "option/macros/macro_record.h"
#include "settings/function_codes.h"
#include "settings/settings_block.h"

// Command ids of the function menu.
inline constexpr int32_t kCommandNone = 1000;
inline constexpr int32_t kCommandKeyCombination = 1005;
inline constexpr int32_t kCommandMacroManager = 1049;
inline constexpr int32_t kCommandSingleKey = 1064;
inline constexpr int32_t kCommandFirstMacro = 1100;
// The main window routes ids up to this one here; higher ids belong to other controls.
inline constexpr int32_t kCommandLast = 4000;

// How many macros have a command id: kCommandFirstMacro to kCommandLast, less the one skipped.
inline constexpr size_t kMacroCommandIds = kCommandLast - kCommandFirstMacro;
// Macro `index` of the library is command kCommandFirstMacro + index, except that the owner-drawn
// menu turns id 2048 into a separator: from there on macros take the next id up.
[[nodiscard]] int32_t MacroCommandId(size_t index);
// The library index of a macro command id; -1 for ids no macro has.
[[nodiscard]] int32_t MacroNumberOfCommandId(int32_t commandId);

enum class KeyCaptureKind : uint8_t { kCombination, kSingleKey };

struct KeyCapture {
  bool accepted = false;
  uint8_t key = 0;        // stored key code
  uint8_t modifiers = 0;  // modifier flags of a key combination
};

// What a command shows. The Win32 main window implements it with the real dialogs.
class AssignmentDialogs {
 public:
  virtual ~AssignmentDialogs() = default;
  // The assignment is refused whichever button closes it.
  virtual void ShowClickWarning() = 0;
  // The capture dialog, opened on the current key and modifier byte.
  virtual KeyCapture CaptureKey(KeyCaptureKind kind, uint8_t key, uint8_t modifiers) = 0;
  // The macro manager keeps or reloads the library by itself.
  virtual void OpenMacroManager() = 0;
};

// What a command id stands for.
struct FunctionCommand {
  enum class Kind : uint8_t {
    kIgnored,       // 1000, ids the menu never sends, and macros beyond the library
    kPlain,         // stores `code` and clears the parameters
    kKeyCapture,    // stores `code` with the key from a capture dialog
    kMacro,         // stores code 16 with a copy of library entry `macroNumber`
    kMacroManager,  // opens the macro manager; assigns nothing
  };
  Kind kind = Kind::kIgnored;
  uint8_t code = 0;
  int32_t macroNumber = -1;
};

FunctionCommand CommandOfId(int32_t commandId, size_t macroCount);

enum class AssignOutcome : uint8_t {
  kNothing,             // ignored id, no such button, no current profile, or the image changed
                        // while the capture dialog was open
  kRefusedLeftClick,    // no button would keep the left click; the warning was shown
  kCancelled,           // the capture dialog was cancelled
  kMacroManagerOpened,  // nothing assigned
  kAssigned,            // assignment and change mark written; the labels need a refresh
};

// The whole command, on the current profile of the edited image. Nothing but the selected
// button's assignment and its ButtonChanged mark is ever written.
AssignOutcome AssignFunction(int32_t commandId, SharedSettingsBlock& edited, int32_t selectedButton,
                             std::span<const MacroRecord> library, AssignmentDialogs& dialogs);
