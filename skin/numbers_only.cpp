#include "skin/numbers_only.h"

namespace {

bool IsNumberCharacter(char16_t c) {
  return (c >= u'0' && c <= u'9') || c == u',' || c == u'.';
}

bool IsAcceptedAsIs(char16_t c) {
  return IsNumberCharacter(c) || (c >= u'A' && c <= u'F');
}

}  // namespace

bool NumbersOnlyKeyPasses(uint32_t virtual_key) {
  if (virtual_key >= '0' && virtual_key <= '9') return true;
  switch (virtual_key) {
    case 8:    // VK_BACK
    case 13:   // VK_RETURN
    case 35:   // VK_END
    case 36:   // VK_HOME
    case 37:   // VK_LEFT
    case 39:   // VK_RIGHT
    case 46:   // VK_DELETE
    case 188:  // VK_OEM_COMMA
    case 190:  // VK_OEM_PERIOD
      return true;
    default:
      return false;
  }
}

NumbersOnlyFix FilterNumbersOnlyText(TextView text) {
  NumbersOnlyFix fix;
  bool all_accepted = true;
  for (char16_t c : text) {
    if (!IsAcceptedAsIs(c)) {
      all_accepted = false;
      break;
    }
  }
  if (all_accepted) return fix;
  fix.replace = true;
  for (char16_t c : text) {
    if (IsNumberCharacter(c)) fix.text.push_back(c);
  }
  return fix;
}
