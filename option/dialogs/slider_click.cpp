#include "option/dialogs/slider_click.h"

#include <algorithm>
#include <cmath>

#include "skin/slider_position.h"

namespace {

int32_t NonNegative(int64_t length) {
  return static_cast<int32_t>(std::clamp<int64_t>(length, 0, INT32_MAX));
}

}  // namespace

TrackClick ValueOfTrackClick(const PixelRect& track, int32_t x, const TrackRange& range) {
  const int64_t width = track.Width();
  if (width <= 0 || range.maximum <= range.minimum) {
    return {static_cast<double>(range.minimum), range.minimum};
  }
  const double span = static_cast<double>(range.maximum) - range.minimum;
  const double exact =
      range.minimum + (static_cast<double>(x) - track.left) * span / static_cast<double>(width);
  const double whole = std::trunc(range.rounding ? exact + 0.5 : exact);
  // Limited while still a double: a click far outside the track must not overflow the cast.
  if (whole >= range.maximum) return {exact, range.maximum};
  if (whole <= range.minimum) return {exact, range.minimum};
  return {exact, static_cast<int32_t>(whole)};
}

int32_t ThumbLeftOnTrack(const PixelRect& track, int32_t thumbWidth, const TrackRange& range,
                         int32_t value) {
  SliderGeometry g;
  g.travel = {0, 0, NonNegative(track.Width()), NonNegative(track.Height())};
  g.thumb_width = NonNegative(thumbWidth);
  g.minimum = range.minimum;
  g.maximum = range.maximum;
  return SliderEdgeOfValue(g, value);
}
