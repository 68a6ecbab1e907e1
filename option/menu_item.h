#pragma once
// One item of the configurator's popup menus (the function menu, the macro manager's event
// menu): what MenuPopup turns into owner-drawn menus.

#include <cstdint>
#include <utility>
#include <vector>

#include "base/text.h"

struct MenuItem {
  enum class Kind : uint8_t { kCommand, kSeparator, kSubmenu };
  Kind kind = Kind::kCommand;
  int32_t id = 0;       // command id; 0 for separators and submenu entries
  uint16_t textId = 0;  // lan.dll string, or 0 when `text` holds the text (macro names)
  Text text;
  bool checked = false;
  std::vector<MenuItem> items;  // the submenu's items

  friend bool operator==(const MenuItem&, const MenuItem&) = default;
};

// An item that sends `id` and shows lan.dll string `textId`.
inline MenuItem MenuCommand(int32_t id, uint16_t textId) {
  MenuItem item;
  item.id = id;
  item.textId = textId;
  return item;
}

// An item opening a submenu.
inline MenuItem MenuSubmenu(uint16_t textId, std::vector<MenuItem> items) {
  MenuItem item;
  item.kind = MenuItem::Kind::kSubmenu;
  item.textId = textId;
  item.items = std::move(items);
  return item;
}
