#include "option/buttons/key_names.h"

#include "input/key_table.h"
#include "lang/string_ids.h"

namespace {

struct NamedKey {
  uint8_t virtualKey;
  const char16_t* name;
};

constexpr NamedKey kNamedKeys[] = {
    {0x08, u"BackSpace"},   {0x09, u"Tab"},         {0x0D, u"Enter"},
    {0x13, u"Pause"},       {0x14, u"CapsLock"},    {0x1B, u"Esc"},
    {0x20, u"Space"},       {0x21, u"Page UP"},     {0x22, u"Page Down"},
    {0x23, u"End"},         {0x24, u"Home"},        {0x25, u"Left"},
    {0x26, u"Up"},          {0x27, u"Right"},       {0x28, u"Down"},
    {0x29, u"Select"},      {0x2B, u"Execute"},     {0x2C, u"Print Screen"},
    {0x2D, u"Insert"},      {0x2E, u"Delete"},      {0x2F, u"Help"},
    {0x5B, u"L_WIN"},       {0x5C, u"R_WIN"},       {0x5D, u"APP"},
    {0x6A, u"Num_*"},       {0x6B, u"Num_+"},       {0x6C, u"Num_ "},
    {0x6D, u"Num_-"},       {0x6E, u"Num_."},       {0x6F, u"Num_/"},
    {0x90, u"Number Lock"}, {0x91, u"Scroll Lock"}, {0xBA, u";"},
    {0xBB, u"="},           {0xBC, u","},           {0xBD, u"-"},
    {0xBE, u"."},           {0xBF, u"/"},           {0xC0, u"`"},
    {0xDB, u"["},           {0xDC, u"\\"},          {0xDD, u"]"},
    {0xDE, u"'"},           {0xF0, u"Left"},        {0xF1, u"Right"},
    {0xF2, u"Wheel"},       {0xF3, u"Forward"},     {0xF4, u"Backward"},
};

// Left and right Shift, Ctrl and Alt (0xA0 to 0xA5), in virtual-key order.
constexpr uint16_t kSideModifierIds[] = {IDS_KEY_LEFT_SHIFT, IDS_KEY_RIGHT_SHIFT,
                                         IDS_KEY_LEFT_CTRL,  IDS_KEY_RIGHT_CTRL,
                                         IDS_KEY_LEFT_ALT,   IDS_KEY_RIGHT_ALT};

}  // namespace

uint8_t KeyCodeFromVirtualKey(uint8_t virtualKey, const KeyboardLayout& layout) {
  uint8_t code = 0;
  for (const KeyTableRow& row : KeyTable()) {
    if (row.virtualKey == virtualKey) {
      code = row.code;
      break;
    }
  }
  if (!IsLocatedByPosition(code)) return code;
  // A layout that does not know the key answers 0, which is also the scan code of every row not
  // located by position: only positioned rows may answer, or an unknown letter would become
  // Print Screen.
  const uint16_t scanCode = layout.ScanCodeOf(virtualKey);
  if (scanCode == 0) return code;
  for (const KeyTableRow& row : KeyTable()) {
    if (IsLocatedByPosition(row.code) && row.scanCode == scanCode) return row.code;
  }
  return code;
}

Text KeyName(uint8_t virtualKey, LanguageLookup language) {
  if ((virtualKey >= '0' && virtualKey <= '9') || (virtualKey >= 'A' && virtualKey <= 'Z')) {
    return Text(1, static_cast<char16_t>(virtualKey));
  }
  if (virtualKey >= 0x60 && virtualKey <= 0x69) {
    return u"Num_" + Text(1, static_cast<char16_t>(u'0' + (virtualKey - 0x60)));
  }
  if (virtualKey >= 0x70 && virtualKey <= 0x7B) return u"F" + FormatInt(virtualKey - 0x70 + 1);
  if (virtualKey >= 0xA0 && virtualKey <= 0xA5) {
    return language == nullptr ? Text() : language(kSideModifierIds[virtualKey - 0xA0]);
  }
  for (const NamedKey& key : kNamedKeys) {
    if (key.virtualKey == virtualKey) return key.name;
  }
  return {};
}

Text KeyCodeName(uint8_t code, const KeyboardLayout& layout, LanguageLookup language) {
  return KeyName(TranslateKeyCode(code, layout), language);
}

Text KeyNameLabelTexts::LanguageString(uint16_t id) const {
  return language_ == nullptr ? Text() : language_(id);
}

Text KeyNameLabelTexts::KeyCodeName(uint8_t code) const {
  return ::KeyCodeName(code, layout_, language_);
}
