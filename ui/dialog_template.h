#pragma once
// The in-memory extended dialog template (the DLGTEMPLATEEX layout) of a dialog without controls:
// the framework's modal dialogs take their style, title and font from it and build everything
// else themselves.

#include <cstdint>
#include <string>
#include <vector>

struct DialogTemplateSpec {
  uint32_t style = 0;    // window style; the font block is written when it has DS_SETFONT
  uint32_t exStyle = 0;  // extended window style
  int16_t x = 0, y = 0, width = 0, height = 0;  // dialog units
  std::u16string title;
  std::u16string fontName;
  uint16_t fontPointSize = 8;
  uint16_t fontWeight = 0;  // 0: the normal weight
};

// The template as 16-bit words, ready to hand to CreateDialogIndirectParamW (a vector's storage is
// aligned well enough for the DWORD fields). The font block follows the style: the system reads one
// exactly when DS_SETFONT is set, so writing it on any other condition would misplace the end.
// Strings are cut at their first NUL, so a title can never end the template early and leave the
// font block misread.
std::vector<uint16_t> BuildDialogTemplate(const DialogTemplateSpec& spec);
