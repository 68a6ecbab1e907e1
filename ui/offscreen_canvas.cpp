#include "ui/offscreen_canvas.h"

OffscreenCanvas::OffscreenCanvas(HDC target, int width, int height)
    : width_(width), height_(height) {
  if (target == nullptr || width <= 0 || height <= 0) return;
  HDC dc = CreateCompatibleDC(target);
  HBITMAP bitmap = dc != nullptr ? CreateCompatibleBitmap(target, width, height) : nullptr;
  if (bitmap == nullptr) {
    if (dc != nullptr) DeleteDC(dc);
    return;
  }
  dc_ = dc;
  bitmap_ = bitmap;
  previous_ = SelectObject(dc_, bitmap_);
}

OffscreenCanvas::~OffscreenCanvas() {
  if (dc_ == nullptr) return;
  SelectObject(dc_, previous_);
  DeleteObject(bitmap_);
  DeleteDC(dc_);
}

void OffscreenCanvas::DrawPicture(HBITMAP picture) {
  if (dc_ == nullptr || picture == nullptr) return;
  HDC source = CreateCompatibleDC(dc_);
  if (source == nullptr) return;
  HGDIOBJ old = SelectObject(source, picture);
  BitBlt(dc_, 0, 0, width_, height_, source, 0, 0, SRCCOPY);
  SelectObject(source, old);
  DeleteDC(source);
}

void OffscreenCanvas::CopyTo(HDC target) const {
  if (dc_ == nullptr || target == nullptr) return;
  BitBlt(target, 0, 0, width_, height_, dc_, 0, 0, SRCCOPY);
}
