#pragma once
// Keys as the configurator shows them: fixed English names by virtual key, whatever the keyboard
// layout, and the way back from a pressed key to the stored key code of its physical position.

#include <cstdint>

#include "base/text.h"
#include "input/input_sink.h"
#include "option/buttons/button_labels.h"

// The text of a lan.dll string; the programs pass LanguageString. The side-specific Shift, Ctrl
// and Alt keys are named by the language library.
using LanguageLookup = Text (*)(uint16_t id);

// The stored key code of a pressed key: the first table row with that virtual key; for keys
// located by position (codes 4 to 69), the row of the key's physical position under `layout`
// instead, when the layout knows the key and a positioned row has its scan code. 0 for a key the
// table does not know.
uint8_t KeyCodeFromVirtualKey(uint8_t virtualKey, const KeyboardLayout& layout);

// The name of a virtual key; empty for a key without a name.
Text KeyName(uint8_t virtualKey, LanguageLookup language);

// The name of a stored key code: the name of the virtual key it is sent as under `layout`.
Text KeyCodeName(uint8_t code, const KeyboardLayout& layout, LanguageLookup language);

// What the button list needs for its labels: language strings and stored key codes' names.
class KeyNameLabelTexts : public LabelTexts {
 public:
  KeyNameLabelTexts(const KeyboardLayout& layout, LanguageLookup language)
      : layout_(layout), language_(language) {}
  Text LanguageString(uint16_t id) const override;
  Text KeyCodeName(uint8_t code) const override;

 private:
  const KeyboardLayout& layout_;
  LanguageLookup language_;
};
