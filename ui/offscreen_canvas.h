#pragma once
// A window's picture composed off-screen and copied to the screen in one step, so that a repaint
// never shows half-drawn states.

#include <windows.h>

class OffscreenCanvas {
 public:
  // A canvas compatible with `target` of the given size; ok() is false when the system refused
  // one, and then nothing is drawn or copied.
  OffscreenCanvas(HDC target, int width, int height);
  ~OffscreenCanvas();
  OffscreenCanvas(const OffscreenCanvas&) = delete;
  OffscreenCanvas& operator=(const OffscreenCanvas&) = delete;

  bool ok() const { return dc_ != nullptr; }
  HDC dc() const { return dc_; }
  // Copies `picture` 1:1 from its origin onto the canvas; nothing for a missing picture.
  void DrawPicture(HBITMAP picture);
  void CopyTo(HDC target) const;

 private:
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previous_ = nullptr;
  int width_ = 0;
  int height_ = 0;
};
