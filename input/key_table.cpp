#include "input/key_table.h"

#include <array>

#include "input/win_input_values.h"

namespace {

// Searched from the top; the first row whose code matches wins.
constexpr std::array<KeyTableRow, kKeyTableRowCount> kRows = {{
    // Letters A to Z.
    {4, 0x41, 0x1E},
    {5, 0x42, 0x30},
    {6, 0x43, 0x2E},
    {7, 0x44, 0x20},
    {8, 0x45, 0x12},
    {9, 0x46, 0x21},
    {10, 0x47, 0x22},
    {11, 0x48, 0x23},
    {12, 0x49, 0x17},
    {13, 0x4A, 0x24},
    {14, 0x4B, 0x25},
    {15, 0x4C, 0x26},
    {16, 0x4D, 0x32},
    {17, 0x4E, 0x31},
    {18, 0x4F, 0x18},
    {19, 0x50, 0x19},
    {20, 0x51, 0x10},
    {21, 0x52, 0x13},
    {22, 0x53, 0x1F},
    {23, 0x54, 0x14},
    {24, 0x55, 0x16},
    {25, 0x56, 0x2F},
    {26, 0x57, 0x11},
    {27, 0x58, 0x2D},
    {28, 0x59, 0x15},
    {29, 0x5A, 0x2C},
    // Digits 1 to 9, 0.
    {30, 0x31, 0x02},
    {31, 0x32, 0x03},
    {32, 0x33, 0x04},
    {33, 0x34, 0x05},
    {34, 0x35, 0x06},
    {35, 0x36, 0x07},
    {36, 0x37, 0x08},
    {37, 0x38, 0x09},
    {38, 0x39, 0x0A},
    {39, 0x30, 0x0B},
    // Enter, Escape, Backspace, Tab, Space.
    {40, 0x0D, 0x1C},
    {41, 0x1B, 0x01},
    {42, 0x08, 0x0E},
    {43, 0x09, 0x0F},
    {44, 0x20, 0x39},
    // - = [ ] backslash.
    {45, 0xBD, 0x0C},
    {46, 0xBB, 0x0D},
    {47, 0xDB, 0x1A},
    {48, 0xDD, 0x1B},
    {49, 0xDC, 0x2B},
    // ; ' ` , . /
    {51, 0xBA, 0x27},
    {52, 0xDE, 0x28},
    {53, 0xC0, 0x29},
    {54, 0xBC, 0x33},
    {55, 0xBE, 0x34},
    {56, 0xBF, 0x35},
    // Caps Lock.
    {57, 0x14, 0x3A},
    // F1 to F12.
    {58, 0x70, 0x3B},
    {59, 0x71, 0x3C},
    {60, 0x72, 0x3D},
    {61, 0x73, 0x3E},
    {62, 0x74, 0x3F},
    {63, 0x75, 0x40},
    {64, 0x76, 0x41},
    {65, 0x77, 0x42},
    {66, 0x78, 0x43},
    {67, 0x79, 0x44},
    {68, 0x7A, 0x57},
    {69, 0x7B, 0x58},
    // Print Screen, Scroll Lock, Pause.
    {70, 0x2C, 0},
    {71, 0x91, 0},
    {72, 0x13, 0},
    // Insert, Home, Page Up, Delete, End, Page Down.
    {73, 0x2D, 0},
    {74, 0x24, 0},
    {75, 0x21, 0},
    {76, 0x2E, 0},
    {77, 0x23, 0},
    {78, 0x22, 0},
    // Right, Left, Down, Up.
    {79, 0x27, 0},
    {80, 0x25, 0},
    {81, 0x28, 0},
    {82, 0x26, 0},
    // Num Lock; keypad / * - +; keypad Enter is VK_SEPARATOR, not VK_RETURN.
    {83, 0x90, 0},
    {84, 0x6F, 0},
    {85, 0x6A, 0},
    {86, 0x6D, 0},
    {87, 0x6B, 0},
    {88, 0x6C, 0},
    // Keypad 1 to 9, 0, full stop.
    {89, 0x61, 0},
    {90, 0x62, 0},
    {91, 0x63, 0},
    {92, 0x64, 0},
    {93, 0x65, 0},
    {94, 0x66, 0},
    {95, 0x67, 0},
    {96, 0x68, 0},
    {97, 0x69, 0},
    {98, 0x60, 0},
    {99, 0x6E, 0},
    // Application key.
    {101, 0x5D, 0},
    // Left Ctrl, Shift, Alt, Windows; then the right ones.
    {224, 0xA2, 0},
    {225, 0xA0, 0},
    {226, 0xA4, 0},
    {227, 0x5B, 0},
    {228, 0xA3, 0},
    {229, 0xA1, 0},
    {230, 0xA5, 0},
    {231, 0x5C, 0},
    // Mouse buttons.
    {240, 0xF0, 0},
    {241, 0xF1, 0},
    {242, 0xF2, 0},
    {243, 0xF3, 0},
    {244, 0xF4, 0},
}};

}  // namespace

std::span<const KeyTableRow> KeyTable() {
  return kRows;
}

const KeyTableRow* FindKeyRow(uint8_t code) {
  for (const KeyTableRow& row : kRows) {
    if (row.code == code) return &row;
  }
  return nullptr;
}

bool IsLocatedByPosition(uint8_t code) {
  return code >= 4 && code <= 69;
}

uint8_t TranslateKeyCode(uint8_t code, const KeyboardLayout& layout) {
  const KeyTableRow* row = FindKeyRow(code);
  if (row == nullptr) return 0;
  if (IsLocatedByPosition(code)) return layout.VirtualKeyAt(row->scanCode);
  return row->virtualKey;
}

uint8_t GenericModifier(uint8_t virtualKey) {
  switch (virtualKey) {
    case kVkLShift:
    case kVkRShift:
      return kVkShift;
    case kVkLControl:
    case kVkRControl:
      return kVkControl;
    case kVkLMenu:
    case kVkRMenu:
      return kVkMenu;
    default:
      return virtualKey;
  }
}

bool MouseButtonOfCode(uint8_t code, MouseButtonFlags* out) {
  switch (code) {
    case kKeyCodeMouseLeft:
      *out = {kMouseEventLeftDown, kMouseEventLeftUp, 0};
      return true;
    case kKeyCodeMouseRight:
      *out = {kMouseEventRightDown, kMouseEventRightUp, 0};
      return true;
    case kKeyCodeMouseMiddle:
      *out = {kMouseEventMiddleDown, kMouseEventMiddleUp, 0};
      return true;
    case kKeyCodeMouseX2:
      *out = {kMouseEventXDown, kMouseEventXUp, kXButton2};
      return true;
    case kKeyCodeMouseX1:
      *out = {kMouseEventXDown, kMouseEventXUp, kXButton1};
      return true;
    default:
      return false;
  }
}
