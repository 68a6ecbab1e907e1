#pragma once
// The function menu of the selected button: which items it shows, in which order, with which
// texts, and which macro is checked. The window turns this into owner-drawn popup menus.

#include <cstdint>
#include <span>
#include <vector>

#include "option/buttons/assign_function.h"
#include "option/macros/macro_record.h"
#include "settings/profile_settings.h"
#include "base/text.h"

// Every menu, the root and each submenu, is this wide.
inline constexpr int kFunctionMenuWidth = 156;

struct FunctionMenuItem {
  enum class Kind : uint8_t { kCommand, kSeparator, kSubmenu };
  Kind kind = Kind::kCommand;
  int32_t id = 0;       // command id; 0 for separators and submenu entries
  uint16_t textId = 0;  // lan.dll string, or 0 when `text` holds the text (macro names)
  Text text;
  bool checked = false;
  std::vector<FunctionMenuItem> items;  // the submenu's items

  friend bool operator==(const FunctionMenuItem&, const FunctionMenuItem&) = default;
};

// An item that sends `id` and shows lan.dll string `textId`, and an item opening a submenu.
FunctionMenuItem MenuCommand(int32_t id, uint16_t textId);
FunctionMenuItem MenuSubmenu(uint16_t textId, std::vector<FunctionMenuItem> items);

// Macros beyond this many have no command id of their own (the window routes ids up to 4000 to
// the function assignment, and 2048 is the menu's separator), so the menu lists at most this many.
inline constexpr size_t kMaxMenuMacros = kMacroCommandIds;

// The root menu for a button whose current assignment is `selected`.
std::vector<FunctionMenuItem> BuildFunctionMenu(std::span<const MacroRecord> library,
                                                const ButtonAssignment& selected);
