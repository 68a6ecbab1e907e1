#pragma once
// The draggable thumb of the configurator's sliders: a small child window showing a bitmap (and,
// on request, taking the bitmap's shape), moved horizontally inside a travel area of its owner.
// Its place maps onto an integer value, and every new value is posted to the owner as
// WM_SLIDER_CHANGED (slider_messages.h). The arithmetic lives in slider_position.h.

#include <windows.h>

#include <cstdint>

#include "base/text.h"
#include "skin/slider_position.h"
#include "ui/gdi_handles.h"
#include "ui/window.h"

class CPHSlider : public Window {
 public:
  CPHSlider() = default;
  ~CPHSlider() override;

  // Loads the thumb picture (a bitmap file) and creates the thumb as a visible child of owner,
  // centred on (left, top) until the first SetPos. The travel area (left, top, right, bottom) is
  // in the owner's client coordinates; bottom limits nothing. With shape set, every pixel of the
  // picture's top-left colour becomes transparent. False, with no window made, when the picture
  // cannot be loaded or the window cannot be created.
  bool Create(const Text& imagePath, int32_t left, int32_t top, int32_t right, int32_t bottom,
              HWND owner, int32_t id, bool shape);
  // The same with the picture already loaded; the thumb keeps it.
  bool Create(GdiBitmap picture, int32_t left, int32_t top, int32_t right, int32_t bottom,
              HWND owner, int32_t id, bool shape);

  void SetRange(int32_t minimum, int32_t maximum);
  // Clamps and stores the value and moves the thumb onto it; the owner is not told. Without a
  // window only the value is stored.
  void SetPos(int32_t value);
  // 0: values are truncated; 1: the nearest value is taken and the released thumb snaps onto it.
  void SetRounding(bool rounding) { rounding_ = rounding; }
  void SetDragEnabled(bool enabled) { dragEnabled_ = enabled; }

  int32_t value() const { return value_; }
  int32_t minimum() const { return geometry_.minimum; }
  int32_t maximum() const { return geometry_.maximum; }
  bool dragging() const { return dragging_; }
  SIZE thumbSize() const { return SIZE{geometry_.thumb_width, height_}; }

 protected:
  bool RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  static const MessageRoute<CPHSlider> kRoutes[];

  LRESULT OnLButtonDown(WPARAM wParam, LPARAM lParam);
  LRESULT OnMouseMove(WPARAM wParam, LPARAM lParam);
  LRESULT OnLButtonUp(WPARAM wParam, LPARAM lParam);
  LRESULT OnCaptureChanged(WPARAM wParam, LPARAM lParam);
  LRESULT OnEraseBackground(WPARAM wParam, LPARAM lParam);
  LRESULT OnPaint(WPARAM wParam, LPARAM lParam);

  // The thumb's left edge in the owner's client coordinates.
  int32_t CurrentLeft() const;
  void MoveThumbTo(int32_t left);
  // Ends a drag where the thumb stands: reports its value and, with rounding, snaps onto it.
  void Settle();
  void Notify() const;

  HWND owner_ = nullptr;
  int32_t id_ = 0;
  SliderGeometry geometry_;  // travel area, thumb width and range
  int32_t height_ = 0;
  GdiBitmap bitmap_;
  int32_t value_ = 0;
  int32_t settled_ = 0;  // of the last SetPos or release: kept while the thumb stands on it
  bool rounding_ = false;
  bool dragEnabled_ = true;
  bool dragging_ = false;
  int32_t pressX_ = 0;  // in the thumb's client coordinates
};
