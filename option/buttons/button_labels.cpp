#include "option/buttons/button_labels.h"

#include "input/key_combination.h"
#include "lang/string_ids.h"
#include "settings/function_codes.h"

namespace {

// A run of consecutive codes labelled by consecutive string ids.
struct CodeRun {
  uint8_t firstCode;
  uint8_t lastCode;
  uint16_t firstId;
};
constexpr CodeRun kRuns[] = {
    {1, 4, IDS_FUNC_LEFT_CLICK},     {7, 12, IDS_FUNC_FORWARD},
    {13, 15, IDS_FUNC_CPI_CYCLE},    {18, 24, IDS_FUNC_PROFILE_CYCLE},
    {25, 32, IDS_FUNC_MEDIA_PLAYER}, {33, 44, IDS_FUNC_CALCULATOR},
};

struct CodeId {
  uint8_t code;
  uint16_t id;
};
constexpr CodeId kSingles[] = {
    {0, IDS_FUNC_DISABLED},
    {6, IDS_FUNC_DISABLED},
    {48, IDS_FUNC_SWITCH_WINDOW},
    {49, IDS_FUNC_CLOSE_WINDOW},
    {52, IDS_FUNC_COMPUTER_FOLDER},
    {81, IDS_FUNC_RUN_DIALOG},
    {51, IDS_FUNC_SHOW_DESKTOP},
    {80, IDS_FUNC_LOCK_COMPUTER},
    {53, IDS_FUNC_CUT},
    {54, IDS_FUNC_COPY},
    {55, IDS_FUNC_PASTE},
    {61, IDS_FUNC_SELECT_ALL},
    {58, IDS_FUNC_FIND},
    {59, IDS_FUNC_NEW},
    {62, IDS_FUNC_PRINT},
    {60, IDS_FUNC_SAVE},
};

ButtonLabel StringLabel(uint16_t id) {
  ButtonLabel label;
  label.kind = ButtonLabel::Kind::kLanguageString;
  label.stringId = id;
  return label;
}

ButtonLabel TextLabel(TextView text) {
  ButtonLabel label;
  label.kind = ButtonLabel::Kind::kText;
  label.text = Text(text);
  return label;
}

}  // namespace

TextView FileNameOfPath(TextView path) {
  const size_t last = path.find_last_of(u"\\/:");
  return last == TextView::npos ? path : path.substr(last + 1);
}

ButtonLabel LabelOfAssignment(const ButtonAssignment& a) {
  const uint8_t code = a.functionCode;
  switch (code) {
    case kFunctionKeyCombination:
    case kFunctionSingleKey: {
      if (a.eventCount == 0) return {};
      ButtonLabel label;
      label.kind = ButtonLabel::Kind::kKeyCombination;
      label.key = a.events[0].code;
      label.modifiers = a.events[0].action;
      return label;
    }
    case kFunctionMacro:
      return TextLabel(FieldText(a.macroName));
    case kFunctionProgram:
    case kFunctionOpenFile:  // a file opened with its program: as visible as a program started
      return TextLabel(FileNameOfPath(FieldText(a.programPath)));
    default:
      break;
  }
  for (const CodeRun& run : kRuns) {
    if (code >= run.firstCode && code <= run.lastCode) {
      return StringLabel(static_cast<uint16_t>(run.firstId + (code - run.firstCode)));
    }
  }
  for (const CodeId& single : kSingles) {
    if (single.code == code) return StringLabel(single.id);
  }
  return {};
}

std::array<ButtonLabel, kButtonCount> LabelsOfProfile(const ProfileSettings& profile) {
  std::array<ButtonLabel, kButtonCount> labels;
  for (int b = 0; b < kButtonCount; ++b) labels[b] = LabelOfAssignment(profile.MacroKeyInfo[b]);
  return labels;
}

Text ButtonLabelText(const ButtonLabel& label, const LabelTexts& texts) {
  switch (label.kind) {
    case ButtonLabel::Kind::kLanguageString:
      return texts.LanguageString(label.stringId);
    case ButtonLabel::Kind::kText:
      return label.text;
    case ButtonLabel::Kind::kKeyCombination: {
      Text text;
      // "No modifiers" overrides whatever else the byte holds.
      if ((label.modifiers & kComboNoModifiers) == 0) {
        if (label.modifiers & kComboCtrl) text += u"Ctrl+";
        if (label.modifiers & kComboShift) text += texts.LanguageString(IDS_KEY_SHIFT_PREFIX);
        if (label.modifiers & kComboAlt) text += u"Alt+";
        if (label.modifiers & kComboWindows) text += u"Win+";
      }
      return text + texts.KeyCodeName(label.key);
    }
    case ButtonLabel::Kind::kEmpty:
      break;
  }
  return {};
}
