#pragma once
// What the configurator's skinned dialogs (the main window among them) share beyond a skinned
// window: the template every one of them is made from, the set-up after creation, the click of a
// skinned button, the button with a given window among key-indexed buttons, and the owner-draw
// answers for a popup menu while one is open.
//
// A derived class may route WM_INITDIALOG or WM_COMMAND itself when the hooks below do not fit;
// what it declines still reaches these handlers, and then the modal dialog's.

#include <windows.h>

#include <cstdint>
#include <span>
#include <string>

#include "skin/skin_button.h"
#include "skin/skinned_window.h"

class MenuPopup;

struct SkinnedDialogLook {
  const char16_t* skinFile = u"";  // the skin description, "skin_profile.ini", ...
  // Dialog units; the skin's picture gives the real size once the window is created.
  int16_t width = 0;
  int16_t height = 0;
  std::u16string title;  // names the window in the task switcher; the skin shows no caption
  uint16_t fontPointSize = 8;
  uint32_t exStyle = 0;
};

class SkinnedDialog : public SkinnedWindow {
 public:
  explicit SkinnedDialog(const SkinnedDialogLook& look);

 protected:
  bool RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  // WM_INITDIALOG, after the system dialog's own handling; the system then sets the focus.
  virtual void InitDialog() {}
  // A click of a skinned button of this dialog; false declines the command.
  [[nodiscard]] virtual bool OnButtonClick(HWND /*button*/) { return false; }

  // Opens `popup` and answers the owner-draw messages of its menus until it closes. Returns what
  // MenuPopup::Track returns.
  int TrackMenu(MenuPopup& popup, int x, int y, UINT flags);

  // The key of the button with this window handle among buttons indexed by key, or -1.
  [[nodiscard]] static int KeyOfButton(std::span<const SkinButton> buttons, HWND button);

 private:
  static const MessageRoute<SkinnedDialog> kRoutes[];

  LRESULT OnInitDialog(WPARAM wParam, LPARAM lParam);
  LRESULT OnCommand(WPARAM wParam, LPARAM lParam);
  LRESULT OnMeasureItem(WPARAM wParam, LPARAM lParam);
  LRESULT OnDrawItem(WPARAM wParam, LPARAM lParam);

  const MenuPopup* openMenu_ = nullptr;  // while a popup menu is open
};
