#pragma once
// A captioned button's look as last composed for one of its pictures: the picture with the
// caption drawn over it. Repainting an unchanged state is then one copy, rather than a picture
// copy and a GDI+ text drawing each time (an apply repaints its buttons several times).

#include <windows.h>

#include <cstdint>
#include <utility>

#include "base/text.h"
#include "ui/gdi_handles.h"

// Everything the composed pixels depend on besides the picture itself.
struct CaptionedLookKey {
  uint32_t argb = 0;
  Text caption;
  int32_t mode = 0;
  float fontPixels = 0;
  int width = 0;
  int height = 0;

  bool operator==(const CaptionedLookKey&) const = default;
};

class CaptionedLook {
 public:
  // The composed bitmap when it was kept for `key`, else nullptr.
  HBITMAP Find(const CaptionedLookKey& key) const {
    return bitmap_ && key == key_ ? bitmap_.get() : nullptr;
  }
  void Keep(CaptionedLookKey key, GdiBitmap composed) {
    key_ = std::move(key);
    bitmap_ = std::move(composed);
  }
  // The picture it was composed from goes away (or changes under the same handle).
  void Forget() { bitmap_.reset(); }

 private:
  CaptionedLookKey key_;
  GdiBitmap bitmap_;
};
