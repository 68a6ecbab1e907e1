#pragma once
// The main window's profile-name label: a child window that fills itself with one colour and
// shows one line of white text, centred.

#include <windows.h>

#include "base/text.h"
#include "ui/window.h"

class TextLabel : public Window {
 public:
  TextLabel() = default;
  ~TextLabel() override;

  // A visible child of owner at rect (owner's client coordinates) with control id 0.
  bool Create(HWND owner, const RECT& rect);

  // Repaints the label.
  void SetText(TextView text);
  const Text& text() const { return text_; }

  void SetFillColour(COLORREF colour) { fill_ = colour; }
  // 0 centres the text (the only layout the main window uses).
  void SetCentring(int centring) { centring_ = centring; }

 protected:
  bool RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  static const MessageRoute<TextLabel> kRoutes[];

  LRESULT OnPaint(WPARAM wParam, LPARAM lParam);
  LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
  LRESULT OnEraseBackground(WPARAM wParam, LPARAM lParam);
  LRESULT OnDestroy(WPARAM wParam, LPARAM lParam);

  void Draw(HDC target);

  Text text_;
  COLORREF fill_ = RGB(2, 2, 2);
  int centring_ = 0;
  HFONT font_ = nullptr;
};
