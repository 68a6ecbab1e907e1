#pragma once
// The configurator's text field: a system edit control drawn in the skin's colours and an Arial
// font, optionally restricted to numbers, that tells its owner of every change and of the focus
// leaving with one registered message ("BitmapEdit_KillFocus": wParam 0 changed, 1 focus lost,
// lParam 0) instead of the usual notifications.
//
// The owner must be a framework window: colours and notifications reach the field as the
// framework's reflected messages. The key filter works in the framework's message loops.

#include <windows.h>

#include "ui/gdi_handles.h"
#include "ui/window.h"

// The registered message, obtained once per process. Programs call it at start, before any
// window exists, so that every window sees the same number from its first message on.
UINT BitmapEditNotifyMessage();
inline constexpr WPARAM kBitmapEditChanged = 0;
inline constexpr WPARAM kBitmapEditFocusLost = 1;

class BitmapEdit : public Window {
 public:
  BitmapEdit();
  ~BitmapEdit() override;

  // An edit control, child of owner at rect, with the styles the owner chooses, and the field's
  // own font applied.
  bool Create(HWND owner, const RECT& rect, DWORD style = WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL);

  // Gives the control the field's font and redraws it.
  void ApplyFont();

  // Take effect at the next colour request (the next paint).
  void SetTextColour(COLORREF colour) { textColour_ = colour; }
  void SetBackgroundColour(COLORREF colour) { backgroundColour_ = colour; }
  COLORREF textColour() const { return textColour_; }
  COLORREF backgroundColour() const { return backgroundColour_; }
  void SetNumbersOnly(bool numbersOnly) { numbersOnly_ = numbersOnly; }
  bool numbersOnly() const { return numbersOnly_; }

  HFONT font() const { return font_.get(); }

  // Swallows the key presses that cannot type a number while numbers-only is set.
  bool PreTranslateMessage(MSG& msg) override;

 protected:
  bool RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  static const MessageRoute<BitmapEdit> kRoutes[];

  LRESULT OnColourRequest(WPARAM wParam, LPARAM lParam);
  LRESULT OnReflectedCommand(WPARAM wParam, LPARAM lParam);
  LRESULT OnVerticalScroll(WPARAM wParam, LPARAM lParam);
  LRESULT OnEraseBackground(WPARAM wParam, LPARAM lParam);

  void OnTextChanged();
  void Notify(WPARAM what);

  COLORREF textColour_ = 0x242424;
  COLORREF backgroundColour_ = 0xFFFFFF;
  GdiBrush brush_;
  GdiFont font_;
  bool numbersOnly_ = false;
};
