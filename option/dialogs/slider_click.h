#pragma once
// A click on a slider track moves the thumb to the value under the click.

#include <cstdint>

#include "skin/pixel_rect.h"

struct TrackRange {
  int32_t minimum = 0;
  int32_t maximum = 10;
  bool rounding = false;
};

struct TrackClick {
  double exact = 0;   // for the diagnostic line
  int32_t value = 0;  // within [minimum, maximum]
};

// The value of a click at horizontal position x (owner coordinates) on the track rectangle:
// minimum + (x - left) * (maximum - minimum) / (right - left), rounded to the nearest integer
// (halves up) or truncated toward zero, then limited to the range. A track without width, or an
// inverted range, gives the minimum.
TrackClick ValueOfTrackClick(const PixelRect& track, int32_t x, const TrackRange& range);

// Where the thumb's left edge goes for a value, in the track's own coordinates: the thumb travels
// over the whole track from its left end to its right end less the thumb's width.
int32_t ThumbLeftOnTrack(const PixelRect& track, int32_t thumbWidth, const TrackRange& range,
                         int32_t value);
