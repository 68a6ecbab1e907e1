#pragma once
// A popup menu whose items are all owner-drawn: flat light-grey rows, a black selection bar and
// light-blue text for checked items. The owner window builds it with Append, passes its
// WM_MEASUREITEM / WM_DRAWITEM (ODT_MENU) to MeasureItem / DrawItem, tracks it, then destroys it.
// Sizes, colours and decisions come from owner_menu_layout.h. User-interface thread only.

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "skin/owner_menu_layout.h"

class OwnerMenu {
 public:
  OwnerMenu() = default;
  ~OwnerMenu();
  OwnerMenu(const OwnerMenu&) = delete;
  OwnerMenu& operator=(const OwnerMenu&) = delete;

  // Creates the (empty) popup menu. The font draws the item texts and the arrow marks items that
  // open a submenu; both stay the owner's and may be null (the device context's font is used, no
  // arrow is drawn). False when the menu could not be created or one exists already.
  bool Construct(HFONT font, HICON arrow = nullptr);

  // Appends an item: id 2048 a separator line, a non-null submenu an item opening it, anything
  // else a command item with that id. check 1 marks the item as chosen. False when there is no
  // menu or the system refused the item.
  bool Append(UINT id, const wchar_t* text, HMENU submenu = nullptr, int check = 0);

  // Fixes the width of every item, instead of 8 pixels per character of the longest text.
  void SetWidth(int pixels);

  // The owner's WM_MEASUREITEM / WM_DRAWITEM for a menu item. An owner with several menus (a root
  // and its submenus) offers each message to each of them: only the menu that appended the item
  // answers true, so items of other menus are never misread.
  bool MeasureItem(MEASUREITEMSTRUCT& measure) const;
  bool DrawItem(const DRAWITEMSTRUCT& draw) const;

  // Deletes the menu and forgets the items. The system deletes a menu's submenus with it, so
  // owners destroy submenus first; a handle that is no longer a menu is left alone.
  void Destroy();

  HMENU handle() const { return menu_; }
  int width() const { return width_.Get(); }

 private:
  struct Item {
    std::wstring text;
    int check;
    bool opensSubmenu;
  };

  const Item* ItemOf(ULONG_PTR itemData) const;

  HMENU menu_ = nullptr;
  HFONT font_ = nullptr;
  HICON arrow_ = nullptr;  // the owner's submenu arrow, or none
  // Each item's record is its item data in the menu, so records never move.
  std::vector<std::unique_ptr<Item>> items_;
  MenuWidth width_;
};
