#include "option/function_menu.h"

#include "option/buttons/assign_function.h"

namespace {

FunctionMenuItem Command(int32_t id, uint16_t textId) {
  FunctionMenuItem item;
  item.id = id;
  item.textId = textId;
  return item;
}

FunctionMenuItem Submenu(uint16_t textId, std::vector<FunctionMenuItem> items) {
  FunctionMenuItem item;
  item.kind = FunctionMenuItem::Kind::kSubmenu;
  item.textId = textId;
  item.items = std::move(items);
  return item;
}

// A run of consecutive command ids with consecutive text ids.
std::vector<FunctionMenuItem> CommandRun(int32_t firstId, int32_t lastId, uint16_t firstTextId) {
  std::vector<FunctionMenuItem> items;
  for (int32_t id = firstId; id <= lastId; ++id) {
    items.push_back(Command(id, static_cast<uint16_t>(firstTextId + (id - firstId))));
  }
  return items;
}

std::vector<FunctionMenuItem> MacroItems(std::span<const MacroRecord> library,
                                         const ButtonAssignment& selected) {
  std::vector<FunctionMenuItem> items{Command(kCommandMacroManager, 1067)};
  if (library.empty()) return items;
  FunctionMenuItem separator;
  separator.kind = FunctionMenuItem::Kind::kSeparator;
  items.push_back(separator);
  const bool runsMacro = selected.functionCode == kFunctionMacro;
  const TextView runningName = FieldText(selected.macroName);
  const size_t count = library.size() < kMaxMenuMacros ? library.size() : kMaxMenuMacros;
  for (size_t index = 0; index < count; ++index) {
    const TextView name = FieldText(library[index].name);
    FunctionMenuItem item;
    item.id = kCommandFirstMacro + static_cast<int32_t>(index);
    item.text = Text(TrimProfileSpace(name));
    // The button carries a copy of the library's name as it was, so that is what is compared.
    item.checked = runsMacro && name == runningName;
    items.push_back(std::move(item));
  }
  return items;
}

}  // namespace

std::vector<FunctionMenuItem> BuildFunctionMenu(std::span<const MacroRecord> library,
                                                const ButtonAssignment& selected) {
  return {
      Submenu(1021, MacroItems(library, selected)),
      Command(1001, 1005),
      Command(1002, 1006),
      Command(1003, 1007),
      Command(1004, 1008),
      Command(1007, 1011),
      Command(1008, 1012),
      Command(kCommandSingleKey, 1097),
      Command(kCommandKeyCombination, 1009),
      Submenu(1074, CommandRun(1050, 1057, 1075)),
      Submenu(1083, CommandRun(1058, 1063, 1084)),
      Submenu(1031, CommandRun(1026, 1032, 1033)),
      Command(1009, 1013),
      Command(1010, 1014),
      Command(1006, 1010),
  };
}
