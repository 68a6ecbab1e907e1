#pragma once
// The main window's slider: a track showing the part of its owner's picture that lies under it,
// hosting a CPHSlider thumb, and moving the thumb to wherever the user clicks on the track. Every
// new value, dragged or clicked, reaches the owner as WM_SLIDER_CHANGED with the track's id.

#include <windows.h>

#include <cstdint>

#include "base/text.h"
#include "option/dialogs/slider_click.h"
#include "skin/ph_slider.h"
#include "ui/window.h"

class ClickSlider : public Window {
 public:
  ClickSlider() = default;
  ~ClickSlider() override;

  // Reads the thumb picture's size and makes the track a visible child of owner at rect (owner's
  // client coordinates) with the thumb at 0. False, with no window, when the picture cannot be
  // loaded or a window cannot be made.
  bool Create(const Text& thumbImagePath, const RECT& rect, HWND owner, int32_t id);

  void SetRange(int32_t minimum, int32_t maximum);
  void SetRounding(bool rounding);
  void SetPos(int32_t value);
  int32_t value() const { return thumb_.value(); }

  // Copies rect of the owner's full-window picture as the track's background.
  void SetBackground(const RECT& rect, HBITMAP source);

  HWND thumb() const { return thumb_.handle(); }

 protected:
  bool RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  static const MessageRoute<ClickSlider> kRoutes[];

  LRESULT OnCreate(WPARAM wParam, LPARAM lParam);
  LRESULT OnLButtonUp(WPARAM wParam, LPARAM lParam);
  LRESULT OnSliderChanged(WPARAM wParam, LPARAM lParam);
  LRESULT OnEraseBackground(WPARAM wParam, LPARAM lParam);
  LRESULT OnPaint(WPARAM wParam, LPARAM lParam);
  LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
  LRESULT OnDestroy(WPARAM wParam, LPARAM lParam);

  void PaintBackground(HDC dc);

  HWND owner_ = nullptr;
  int32_t id_ = 0;
  RECT rect_{};
  GdiBitmap thumbPicture_;  // from Create until the thumb takes it as the track is made
  TrackRange range_{0, 10, false};
  CPHSlider thumb_;
  HBITMAP background_ = nullptr;
};
