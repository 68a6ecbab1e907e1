#pragma once
// A window's picture composed off-screen and copied to the screen in one step, so that a repaint
// never shows half-drawn states.

#include <windows.h>

#include <optional>

#include "ui/gdi_handles.h"

class OffscreenCanvas {
 public:
  // A canvas compatible with `target` of the given size; ok() is false when the system refused
  // one, and then nothing is drawn or copied.
  OffscreenCanvas(HDC target, int width, int height);
  OffscreenCanvas(const OffscreenCanvas&) = delete;
  OffscreenCanvas& operator=(const OffscreenCanvas&) = delete;

  bool ok() const { return selection_.has_value(); }
  HDC dc() const { return ok() ? dc_.get() : nullptr; }
  // Copies `picture` 1:1 from `from` on onto the canvas; nothing (and false) for a missing
  // picture or when no copy could be made.
  bool DrawPicture(HBITMAP picture, POINT from = POINT{0, 0});
  void CopyTo(HDC target) const;
  // Ends the drawing and hands the composed picture over (none when the canvas was refused).
  [[nodiscard]] GdiBitmap TakePicture();

 private:
  // In this order, so that the bitmap leaves the context before it is deleted, and both before
  // the context.
  MemoryDc dc_;
  GdiBitmap bitmap_;
  std::optional<SelectionScope> selection_;
  int width_ = 0;
  int height_ = 0;
};
