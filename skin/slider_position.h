#pragma once
// The slider thumb's arithmetic: the thumb's left edge moves from the travel area's left to its
// right less the thumb's width, and that span maps linearly onto [minimum, maximum].
//
// Degenerate geometry gives fixed, harmless answers instead of a division by zero: with an empty
// range (maximum <= minimum) or a travel area no wider than the thumb, every edge means the
// minimum and every value sits at the travel left.

#include <cstdint>

#include "skin/pixel_rect.h"

struct SliderGeometry {
  PixelRect travel;  // in the owner's client coordinates; bottom limits nothing
  int32_t thumb_width = 0;
  int32_t minimum = 0;
  int32_t maximum = 10;
};

// Limits a value to [minimum, maximum]; an inverted range gives the minimum.
int32_t ClampSliderValue(const SliderGeometry& g, int32_t value);

// The left edge of a value (clamped first), by the integer formula
// left + (right - left - width) * (value - minimum) / (maximum - minimum).
int32_t SliderEdgeOfValue(const SliderGeometry& g, int32_t value);

// The exact value of a left edge, unclamped: minimum + (edge - left) * (maximum - minimum) /
// (right - width - left).
double SliderExactValueOfEdge(const SliderGeometry& g, int32_t edge);

// Truncated toward zero, or the nearest integer (halves upward), then clamped to the range.
int32_t SliderValueFromExact(const SliderGeometry& g, double exact, bool rounding);

// The value a thumb at `edge` stands for, given the value it last settled on. More values than
// pixels share edges, so the edge of the settled value keeps that value instead of being read
// back as the one its pixel happens to give: a thumb pressed and let go where it stood keeps its
// value, and value -> edge -> value is the identity.
[[nodiscard]] int32_t SliderValueAtEdge(const SliderGeometry& g, int32_t edge, int32_t settled,
                                        bool rounding);

// Keeps a wanted left edge inside the travel area; a travel area narrower than the thumb keeps
// the thumb at its left.
int32_t ClampSliderEdge(const SliderGeometry& g, int64_t wanted_left);

struct SliderDragStep {
  int32_t new_left;      // where the thumb moves to
  int32_t posted_value;  // the value reported for this move
};

// One pointer move of a drag by `offset` pixels from the thumb at `current_left`, which last
// settled on `settled`. The value reported is that of the thumb before the move, truncated, so it
// trails the thumb by one move; the release reports the final place.
[[nodiscard]] SliderDragStep SliderDrag(const SliderGeometry& g, int32_t current_left,
                                        int32_t offset, int32_t settled);

struct SliderRelease {
  double exact;      // for the diagnostic line
  int32_t value;     // the value reported
  int32_t new_left;  // the thumb's place afterwards: snapped onto the value when rounding
};

// The release of a thumb at `current_left` that last settled on `settled` (see
// SliderValueAtEdge).
[[nodiscard]] SliderRelease SliderReleaseAt(const SliderGeometry& g, int32_t current_left,
                                            int32_t settled, bool rounding);
