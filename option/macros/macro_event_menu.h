#pragma once
// The event list's right-click menu on screen: owner-drawn popup menus (14-pixel Arial) built from
// EventMenuItems(). The owner offers its WM_MEASUREITEM / WM_DRAWITEM here while it is open.

#include <windows.h>

#include <memory>
#include <vector>

#include "option/function_menu.h"
#include "skin/owner_menu.h"

class EventMenuPopup {
 public:
  EventMenuPopup() = default;
  ~EventMenuPopup();
  EventMenuPopup(const EventMenuPopup&) = delete;
  EventMenuPopup& operator=(const EventMenuPopup&) = delete;

  // False when a menu could not be made.
  bool Build(const std::vector<FunctionMenuItem>& items);
  // Opens the menu at (x, y) on the screen and returns the chosen command, or 0.
  int Track(HWND owner, int x, int y);

  bool MeasureItem(MEASUREITEMSTRUCT& measure) const;
  bool DrawItem(const DRAWITEMSTRUCT& draw) const;

  void Destroy();

 private:
  OwnerMenu* BuildMenu(const std::vector<FunctionMenuItem>& items);
  HMENU root() const { return menus_.empty() ? nullptr : menus_.back()->handle(); }

  HFONT font_ = nullptr;
  std::vector<std::unique_ptr<OwnerMenu>> menus_;  // submenus before the menus holding them
};
