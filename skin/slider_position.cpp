#include "skin/slider_position.h"

#include <cmath>

namespace {

// The span of left edges the thumb can take; 0 or less when it cannot move. A negative width
// counts as none, so the last edge never lies right of the travel right.
int64_t TravelSpan(const SliderGeometry& g) {
  return g.travel.Width() - (g.thumb_width > 0 ? g.thumb_width : 0);
}

int64_t RangeSpan(const SliderGeometry& g) {
  return int64_t{g.maximum} - g.minimum;
}

}  // namespace

int32_t ClampSliderValue(const SliderGeometry& g, int32_t value) {
  if (value > g.maximum) value = g.maximum;
  if (value < g.minimum) value = g.minimum;
  return value;
}

int32_t SliderEdgeOfValue(const SliderGeometry& g, int32_t value) {
  const int64_t range = RangeSpan(g);
  const int64_t travel = TravelSpan(g);
  if (range <= 0 || travel <= 0) return g.travel.left;
  // travel * steps / range, split so that no product exceeds 64 bits unsigned (every factor is
  // below 2^32); the result lies in [0, travel], so the edge in [left, right - width].
  const uint64_t t = static_cast<uint64_t>(travel);
  const uint64_t r = static_cast<uint64_t>(range);
  const uint64_t steps = static_cast<uint64_t>(int64_t{ClampSliderValue(g, value)} - g.minimum);
  const uint64_t offset = (t / r) * steps + (t % r) * steps / r;
  return static_cast<int32_t>(g.travel.left + static_cast<int64_t>(offset));
}

double SliderExactValueOfEdge(const SliderGeometry& g, int32_t edge) {
  const int64_t range = RangeSpan(g);
  const int64_t travel = TravelSpan(g);
  if (range <= 0 || travel <= 0) return g.minimum;
  const double moved = static_cast<double>(int64_t{edge} - g.travel.left);
  return g.minimum + moved * static_cast<double>(range) / static_cast<double>(travel);
}

int32_t SliderValueFromExact(const SliderGeometry& g, double exact, bool rounding) {
  if (std::isnan(exact)) return ClampSliderValue(g, g.minimum);
  const double whole = rounding ? std::floor(exact + 0.5) : std::trunc(exact);
  // Clamp while still a double: converting an out-of-range double to an integer is undefined.
  if (whole >= g.maximum) return ClampSliderValue(g, g.maximum);
  if (whole <= g.minimum) return ClampSliderValue(g, g.minimum);
  return static_cast<int32_t>(whole);
}

int32_t SliderValueAtEdge(const SliderGeometry& g, int32_t edge, int32_t settled, bool rounding) {
  if (edge == SliderEdgeOfValue(g, settled)) return ClampSliderValue(g, settled);
  return SliderValueFromExact(g, SliderExactValueOfEdge(g, edge), rounding);
}

int32_t ClampSliderEdge(const SliderGeometry& g, int64_t wanted_left) {
  const int64_t travel = TravelSpan(g);
  if (travel <= 0) return g.travel.left;
  if (wanted_left < g.travel.left) return g.travel.left;
  const int64_t last = g.travel.left + travel;
  if (wanted_left > last) return static_cast<int32_t>(last);
  return static_cast<int32_t>(wanted_left);
}

SliderDragStep SliderDrag(const SliderGeometry& g, int32_t current_left, int32_t offset,
                          int32_t settled) {
  SliderDragStep step;
  step.new_left = ClampSliderEdge(g, int64_t{current_left} + offset);
  step.posted_value = SliderValueAtEdge(g, current_left, settled, false);
  return step;
}

SliderRelease SliderReleaseAt(const SliderGeometry& g, int32_t current_left, int32_t settled,
                              bool rounding) {
  SliderRelease release;
  release.exact = SliderExactValueOfEdge(g, current_left);
  release.value = SliderValueAtEdge(g, current_left, settled, rounding);
  release.new_left = rounding ? SliderEdgeOfValue(g, release.value) : current_left;
  return release;
}
