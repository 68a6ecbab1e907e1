#include "ui/bitmap_copy.h"

bool DrawBitmap(HDC target, HBITMAP picture, int width, int height, POINT from) {
  if (target == nullptr || picture == nullptr) return false;
  const MemoryDc source = CompatibleMemoryDc(target);
  if (!source) return false;
  const SelectionScope selected(source.get(), picture);
  BitBlt(target, 0, 0, width, height, source.get(), from.x, from.y, SRCCOPY);
  return true;
}

GdiBitmap CutBitmap(HDC like, HBITMAP source, const RECT& part) {
  const int width = part.right - part.left;
  const int height = part.bottom - part.top;
  if (source == nullptr || width <= 0 || height <= 0) return GdiBitmap();
  GdiBitmap cut(CreateCompatibleBitmap(like, width, height));
  if (!cut) return cut;
  const MemoryDc to = CompatibleMemoryDc(like);
  const SelectionScope selected(to.get(), cut.get());
  if (selected.selected()) DrawBitmap(to.get(), source, width, height, POINT{part.left, part.top});
  return cut;
}
