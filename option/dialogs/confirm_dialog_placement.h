#pragma once
// Where a dialog that centres itself over its owner goes: the centre of the owner, moved back
// inside the work area of the owner's monitor, so that the buttons stay reachable when the owner
// stands partly off the screen.

#include "skin/pixel_rect.h"

struct WindowCorner {
  int32_t x = 0;
  int32_t y = 0;
  friend bool operator==(const WindowCorner& a, const WindowCorner& b) {
    return a.x == b.x && a.y == b.y;
  }
};

// The top-left corner for a dialog of the given size. The work area wins over the centre; a
// dialog larger than the work area starts at the work area's top-left corner.
WindowCorner CentredOver(const PixelRect& owner, int32_t width, int32_t height,
                         const PixelRect& workArea);
