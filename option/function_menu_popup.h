#pragma once
// The function menu on screen: owner-drawn popup menus built from the menu model, with the font
// and width they share. The owner window offers its menu WM_MEASUREITEM / WM_DRAWITEM here while
// the menu is open.

#include <windows.h>

#include <memory>
#include <vector>

#include "option/function_menu.h"
#include "skin/owner_menu.h"

class FunctionMenuPopup {
 public:
  FunctionMenuPopup() = default;
  ~FunctionMenuPopup();
  FunctionMenuPopup(const FunctionMenuPopup&) = delete;
  FunctionMenuPopup& operator=(const FunctionMenuPopup&) = delete;

  // Makes the root menu and its submenus. False when a menu could not be made.
  bool Build(const std::vector<FunctionMenuItem>& items);

  // Opens the menu with its top-left corner at (x, y) in screen coordinates; a chosen item
  // reaches owner as WM_COMMAND with its id. Returns when the menu has closed.
  void Track(HWND owner, int x, int y);

  bool MeasureItem(MEASUREITEMSTRUCT& measure) const;
  bool DrawItem(const DRAWITEMSTRUCT& draw) const;

  // Submenus first: the system deletes a menu's submenus with it.
  void Destroy();

  HMENU root() const { return menus_.empty() ? nullptr : menus_.back()->handle(); }

 private:
  // Builds one menu (its submenus first) and returns it, or null.
  OwnerMenu* BuildMenu(const std::vector<FunctionMenuItem>& items);

  HFONT font_ = nullptr;
  std::vector<std::unique_ptr<OwnerMenu>> menus_;  // submenus before the menus holding them
};
