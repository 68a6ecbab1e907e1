#pragma once
// The label of each button row, from its function code. The result says where the text comes
// from; the window turns it into text through ButtonLabelText with the language library and the
// key names.

#include <array>
#include <cstdint>

#include "base/text.h"
#include "settings/profile_settings.h"

struct ButtonLabel {
  enum class Kind : uint8_t {
    kEmpty,
    kLanguageString,  // lan.dll string `stringId`
    kText,            // `text` as it is: a macro name or a program's file name
    kKeyCombination,  // prefixes from `modifiers`, then the name of stored key code `key`
  };
  Kind kind = Kind::kEmpty;
  uint16_t stringId = 0;
  Text text;
  uint8_t key = 0;
  uint8_t modifiers = 0;

  friend bool operator==(const ButtonLabel&, const ButtonLabel&) = default;
};

ButtonLabel LabelOfAssignment(const ButtonAssignment& assignment);

// The fifteen labels of a profile, in button order.
std::array<ButtonLabel, kButtonCount> LabelsOfProfile(const ProfileSettings& profile);

// The file name and extension of a Windows path: what follows the last '\', '/' or ':'.
TextView FileNameOfPath(TextView path);

// Where label texts come from: the language library and the key-name table.
class LabelTexts {
 public:
  virtual ~LabelTexts() = default;
  virtual Text LanguageString(uint16_t id) const = 0;
  // The name of a stored key code (empty for a code without a name).
  virtual Text KeyCodeName(uint8_t code) const = 0;
};

Text ButtonLabelText(const ButtonLabel& label, const LabelTexts& texts);
