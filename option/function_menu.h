#pragma once
// The function menu of the selected button: which items it shows, in which order, with which
// texts, and which macro is checked. The window turns this into owner-drawn popup menus.

#include <cstdint>
#include <span>
#include <vector>

#include "base/text.h"
#include "option/buttons/assign_function.h"
#include "option/macros/macro_record.h"
#include "option/menu_item.h"
#include "settings/profile_settings.h"

// Every menu, the root and each submenu, is this wide.
inline constexpr int kFunctionMenuWidth = 156;

// Macros beyond this many have no command id of their own (the window routes ids up to 4000 to
// the function assignment, and 2048 is the menu's separator), so the menu lists at most this many.
inline constexpr size_t kMaxMenuMacros = kMacroCommandIds;

// The root menu for a button whose current assignment is `selected`.
std::vector<MenuItem> BuildFunctionMenu(std::span<const MacroRecord> library,
                                        const ButtonAssignment& selected);
