#include "option/function_menu.h"

#include "option/buttons/assign_function.h"

namespace {

// A run of consecutive command ids with consecutive text ids.
std::vector<MenuItem> CommandRun(int32_t firstId, int32_t lastId, uint16_t firstTextId) {
  std::vector<MenuItem> items;
  for (int32_t id = firstId; id <= lastId; ++id) {
    items.push_back(MenuCommand(id, static_cast<uint16_t>(firstTextId + (id - firstId))));
  }
  return items;
}

std::vector<MenuItem> MacroItems(std::span<const MacroRecord> library,
                                 const ButtonAssignment& selected) {
  std::vector<MenuItem> items{MenuCommand(kCommandMacroManager, 1067)};
  if (library.empty()) return items;
  MenuItem separator;
  separator.kind = MenuItem::Kind::kSeparator;
  items.push_back(separator);
  const bool runsMacro = selected.functionCode == kFunctionMacro;
  const TextView runningName = FieldText(selected.macroName);
  const size_t count = library.size() < kMaxMenuMacros ? library.size() : kMaxMenuMacros;
  for (size_t index = 0; index < count; ++index) {
    const TextView name = FieldText(library[index].name);
    MenuItem item;
    item.id = MacroCommandId(index);
    item.text = Text(TrimProfileSpace(name));
    // The button carries a copy of the library's name as it was, so that is what is compared.
    item.checked = runsMacro && name == runningName;
    items.push_back(std::move(item));
  }
  return items;
}

}  // namespace

std::vector<MenuItem> BuildFunctionMenu(std::span<const MacroRecord> library,
                                        const ButtonAssignment& selected) {
  return {
      MenuSubmenu(1021, MacroItems(library, selected)),
      MenuCommand(1001, 1005),
      MenuCommand(1002, 1006),
      MenuCommand(1003, 1007),
      MenuCommand(1004, 1008),
      MenuCommand(1007, 1011),
      MenuCommand(1008, 1012),
      MenuCommand(kCommandSingleKey, 1097),
      MenuCommand(kCommandKeyCombination, 1009),
      MenuSubmenu(1074, CommandRun(1050, 1057, 1075)),
      MenuSubmenu(1083, CommandRun(1058, 1063, 1084)),
      MenuSubmenu(1031, CommandRun(1026, 1032, 1033)),
      MenuCommand(1009, 1013),
      MenuCommand(1010, 1014),
      MenuCommand(1006, 1010),
  };
}
