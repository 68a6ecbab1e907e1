#include "ui/dialog_template.h"

namespace {

constexpr uint32_t kDsSetFont = 0x40;

void PutDword(std::vector<uint16_t>& words, uint32_t value) {
  words.push_back(static_cast<uint16_t>(value & 0xFFFF));
  words.push_back(static_cast<uint16_t>(value >> 16));
}

void PutString(std::vector<uint16_t>& words, const std::u16string& text) {
  for (char16_t c : text) {
    if (c == 0) break;
    words.push_back(static_cast<uint16_t>(c));
  }
  words.push_back(0);
}

}  // namespace

std::vector<uint16_t> BuildDialogTemplate(const DialogTemplateSpec& spec) {
  std::vector<uint16_t> words;
  words.push_back(1);       // dlgVer
  words.push_back(0xFFFF);  // signature: extended template
  PutDword(words, 0);       // helpID
  PutDword(words, spec.exStyle);
  PutDword(words, spec.style);
  words.push_back(0);  // no controls
  words.push_back(static_cast<uint16_t>(spec.x));
  words.push_back(static_cast<uint16_t>(spec.y));
  words.push_back(static_cast<uint16_t>(spec.width));
  words.push_back(static_cast<uint16_t>(spec.height));
  words.push_back(0);  // no menu
  words.push_back(0);  // the system dialog class
  PutString(words, spec.title);
  if ((spec.style & kDsSetFont) != 0) {
    words.push_back(spec.fontPointSize);
    words.push_back(spec.fontWeight);
    words.push_back(0x0100);  // italic 0, character set 1 (DEFAULT_CHARSET), low byte first
    PutString(words, spec.fontName);
  }
  return words;
}
