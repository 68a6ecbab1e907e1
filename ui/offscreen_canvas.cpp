#include "ui/offscreen_canvas.h"

#include "ui/bitmap_copy.h"

OffscreenCanvas::OffscreenCanvas(HDC target, int width, int height)
    : width_(width), height_(height) {
  if (target == nullptr || width <= 0 || height <= 0) return;
  dc_ = CompatibleMemoryDc(target);
  if (!dc_) return;
  bitmap_.reset(CreateCompatibleBitmap(target, width, height));
  if (!bitmap_) return;
  selection_.emplace(dc_.get(), bitmap_.get());
}

bool OffscreenCanvas::DrawPicture(HBITMAP picture, POINT from) {
  return ok() && DrawBitmap(dc_.get(), picture, width_, height_, from);
}

void OffscreenCanvas::CopyTo(HDC target) const {
  if (!ok() || target == nullptr) return;
  BitBlt(target, 0, 0, width_, height_, dc_.get(), 0, 0, SRCCOPY);
}

GdiBitmap OffscreenCanvas::TakePicture() {
  selection_.reset();  // a bitmap still selected into a context cannot be used elsewhere
  return std::move(bitmap_);
}
