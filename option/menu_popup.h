#pragma once
// A popup menu on screen: owner-drawn menus (the root and its submenus) built from menu items,
// with the font they share. While it is open, the owner window offers its WM_MEASUREITEM and
// WM_DRAWITEM here (AnswerMenuMeasure, AnswerMenuDraw).

#include <windows.h>

#include <memory>
#include <vector>

#include "option/menu_item.h"
#include "skin/owner_menu.h"

struct MenuPopupStyle {
  BYTE charset = DEFAULT_CHARSET;  // of the 14-pixel Arial font
  int fixedWidth = 0;              // pixels of every menu; 0: as wide as its longest text
};

class MenuPopup {
 public:
  MenuPopup() = default;
  ~MenuPopup() { Destroy(); }
  MenuPopup(const MenuPopup&) = delete;
  MenuPopup& operator=(const MenuPopup&) = delete;

  // Makes the root menu and its submenus. False when a menu could not be made.
  bool Build(const std::vector<MenuItem>& items, const MenuPopupStyle& style);

  // Opens the menu with its top-left corner at (x, y) on the screen and returns when it has
  // closed; `flags` are TrackPopupMenu's. Its result: the chosen command with TPM_RETURNCMD.
  int Track(HWND owner, int x, int y, UINT flags);

  bool MeasureItem(MEASUREITEMSTRUCT& measure) const;
  bool DrawItem(const DRAWITEMSTRUCT& draw) const;

  // Submenus first: the system deletes a menu's submenus with it.
  void Destroy();

  HMENU root() const { return menus_.empty() ? nullptr : menus_.back()->handle(); }

 private:
  // Builds one menu (its submenus first) and returns it, or null.
  OwnerMenu* BuildMenu(const std::vector<MenuItem>& items, int fixedWidth);

  HFONT font_ = nullptr;
  std::vector<std::unique_ptr<OwnerMenu>> menus_;  // submenus before the menus holding them
};

// The owner's answers to the owner-draw messages of its open menu (none: `open` is null). False
// when the message is not about an item of that menu, so that the owner declines it.
bool AnswerMenuMeasure(const MenuPopup* open, LPARAM lParam);
bool AnswerMenuDraw(const MenuPopup* open, LPARAM lParam);
