#include "option/buttons/assign_function.h"

#include <algorithm>
#include <cstring>

#include "base/text.h"
#include "skin/owner_menu_layout.h"

namespace {

constexpr auto kMenuSeparatorId = static_cast<int32_t>(kMenuSeparatorAppendId);

// Menu ids that store id - 1000 without parameters (1005 is taken out before: it asks for a key).
struct PlainRange {
  int32_t firstId;
  int32_t lastId;
};
constexpr PlainRange kIdMinus1000[] = {{1001, 1010}, {1026, 1032}};

// The office and Windows submenus map onto codes out of order.
struct IdCode {
  int32_t id;
  uint8_t code;
};
constexpr IdCode kOfficeAndWindows[] = {
    {1050, 53}, {1051, 54}, {1052, 55}, {1053, 61}, {1054, 58}, {1055, 59}, {1056, 62},
    {1057, 60}, {1058, 48}, {1059, 49}, {1060, 52}, {1061, 81}, {1062, 51}, {1063, 80},
};

bool LeftClickRemains(const ProfileSettings& profile, int32_t button, uint8_t newCode) {
  for (int32_t b = 0; b < kButtonCount; ++b) {
    const uint8_t code = b == button ? newCode : profile.MacroKeyInfo[b].functionCode;
    if (code == kFunctionLeftClick) return true;
  }
  return false;
}

void ClearParameters(ButtonAssignment& a) {
  a.eventCount = 0;
  std::memset(a.events, 0, sizeof a.events);
  std::memset(a.macroName, 0, sizeof a.macroName);
}

void CopyMacro(const MacroRecord& macro, ButtonAssignment& a) {
  // The record may come from a file: its count is bounded and its name cut to the field.
  a.eventCount = static_cast<uint16_t>(UsedEventCount(macro));
  CopyToField(a.macroName, FieldText(macro.name));
  std::memcpy(a.events, macro.events, sizeof a.events);
  a.repeatCount = macro.repeatCount;
}

}  // namespace

int32_t MacroCommandId(size_t index) {
  // Limited first: an index past the ids left gives the id after the last, never a wrapped one.
  const size_t limited = std::min<size_t>(index, kMacroCommandIds);
  const int32_t id = kCommandFirstMacro + static_cast<int32_t>(limited);
  return id >= kMenuSeparatorId ? id + 1 : id;
}

int32_t MacroNumberOfCommandId(int32_t commandId) {
  if (commandId < kCommandFirstMacro || commandId > kCommandLast) return -1;
  if (commandId == kMenuSeparatorId) return -1;
  return commandId - kCommandFirstMacro - (commandId > kMenuSeparatorId ? 1 : 0);
}

FunctionCommand CommandOfId(int32_t commandId, size_t macroCount) {
  using Kind = FunctionCommand::Kind;
  if (commandId == kCommandMacroManager) return {Kind::kMacroManager, 0, -1};
  if (commandId == kCommandKeyCombination) {
    return {Kind::kKeyCapture, kFunctionKeyCombination, -1};
  }
  if (commandId == kCommandSingleKey) return {Kind::kKeyCapture, kFunctionSingleKey, -1};
  for (const PlainRange& r : kIdMinus1000) {
    if (commandId >= r.firstId && commandId <= r.lastId) {
      return {Kind::kPlain, static_cast<uint8_t>(commandId - 1000), -1};
    }
  }
  for (const IdCode& row : kOfficeAndWindows) {
    if (row.id == commandId) return {Kind::kPlain, row.code, -1};
  }
  const int32_t number = MacroNumberOfCommandId(commandId);
  if (number >= 0 && static_cast<size_t>(number) < macroCount) {
    return {Kind::kMacro, kFunctionMacro, number};
  }
  return {};
}

AssignOutcome AssignFunction(int32_t commandId, SharedSettingsBlock& edited, int32_t selectedButton,
                             std::span<const MacroRecord> library, AssignmentDialogs& dialogs) {
  using Kind = FunctionCommand::Kind;
  const FunctionCommand command = CommandOfId(commandId, library.size());
  if (command.kind == Kind::kIgnored) return AssignOutcome::kNothing;
  // The manager edits the library, not the button: it needs no selection.
  if (command.kind == Kind::kMacroManager) {
    dialogs.OpenMacroManager();
    return AssignOutcome::kMacroManagerOpened;
  }
  ProfileSettings* profile = CurrentProfileOrNull(edited);
  if (profile == nullptr || selectedButton < 0 || selectedButton >= kButtonCount) {
    return AssignOutcome::kNothing;
  }
  // Every later index uses this slot, never the image's field read again: a dialog's message loop
  // may let the image change while it is open.
  const int32_t slot = edited.CurrentProfile;

  if (!LeftClickRemains(*profile, selectedButton, command.code)) {
    dialogs.ShowClickWarning();
    return AssignOutcome::kRefusedLeftClick;
  }

  ButtonAssignment& assignment = profile->MacroKeyInfo[selectedButton];
  switch (command.kind) {
    case Kind::kKeyCapture: {
      const KeyCaptureKind kind = command.code == kFunctionSingleKey ? KeyCaptureKind::kSingleKey
                                                                     : KeyCaptureKind::kCombination;
      const KeyCapture capture =
          dialogs.CaptureKey(kind, assignment.events[0].code, assignment.events[0].action);
      if (!capture.accepted) return AssignOutcome::kCancelled;
      // An image replaced meanwhile is not edited on the strength of a choice made for the old.
      if (edited.CurrentProfile != slot) return AssignOutcome::kNothing;
      assignment.eventCount = 1;
      assignment.events[0].code = capture.key;
      assignment.events[0].action = capture.modifiers;
      std::memset(assignment.macroName, 0, sizeof assignment.macroName);
      assignment.functionCode = command.code;
      break;
    }
    case Kind::kMacro:
      assignment.functionCode = command.code;
      CopyMacro(library[static_cast<size_t>(command.macroNumber)], assignment);
      break;
    default:
      assignment.functionCode = command.code;
      ClearParameters(assignment);  // the program path stays for a later program assignment
      break;
  }
  edited.ButtonChanged[slot][selectedButton] = 1;
  return AssignOutcome::kAssigned;
}
