#include "option/dialogs/slider_click.h"

#include <cmath>

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
