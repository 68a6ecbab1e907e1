#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>

#include "skin/slider_position.h"

namespace {

// Nine places over 180 pixels of travel, as the main window's speed sliders.
const SliderGeometry kNine{{0, 0, 200, 20}, 20, 1, 9};
// The double-click slider's range over a travel area offset from the owner's origin.
const SliderGeometry kMilliseconds{{30, 5, 190, 25}, 14, 0, 700};
// A range below zero: a tenth of a value per pixel.
const SliderGeometry kSigned{{0, 0, 180, 10}, 0, -9, 9};

TEST(SliderEdgeOfValue, IntegerFormulaAndClampedValues) {
  const struct {
    const SliderGeometry* g;
    int32_t value;
    int32_t edge;
  } rows[] = {
      {&kNine, 1, 0},
      {&kNine, 2, 22},
      {&kNine, 5, 90},
      {&kNine, 8, 157},
      {&kNine, 9, 180},
      {&kNine, -3, 0},
      {&kNine, 12, 180},
      {&kMilliseconds, 0, 30},
      {&kMilliseconds, 350, 103},
      {&kMilliseconds, 5, 31},
      {&kMilliseconds, 700, 176},
      {&kMilliseconds, 900, 176},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(SliderEdgeOfValue(*r.g, r.value), r.edge) << "value " << r.value;
  }
  EXPECT_EQ(ClampSliderValue(kNine, -3), 1);
  EXPECT_EQ(ClampSliderValue(kNine, 12), 9);
  EXPECT_EQ(ClampSliderValue(kNine, 4), 4);
}

TEST(SliderValueFromExact, TruncatesOrRoundsThenClamps) {
  const struct {
    const SliderGeometry* g;
    int32_t edge;
    bool rounding;
    int32_t value;
  } rows[] = {
      {&kNine, 0, false, 1},         {&kNine, 180, false, 9},
      {&kNine, 11, true, 1},         {&kNine, 12, true, 2},
      {&kNine, 22, false, 1},        {&kNine, 22, true, 2},
      {&kNine, 45, false, 3},        {&kNine, 201, true, 9},
      {&kNine, -50, true, 1},        {&kMilliseconds, 31, false, 4},
      {&kMilliseconds, 31, true, 5}, {&kMilliseconds, 176, true, 700},
      {&kSigned, 63, true, -3},   // -2.7 is nearest to -3
      {&kSigned, 63, false, -2},  // truncation goes toward zero
      {&kSigned, 65, true, -2},   // halves go up
  };
  for (const auto& r : rows) {
    const double exact = SliderExactValueOfEdge(*r.g, r.edge);
    EXPECT_EQ(SliderValueFromExact(*r.g, exact, r.rounding), r.value)
        << "edge " << r.edge << " rounding " << r.rounding;
  }
  EXPECT_EQ(SliderValueFromExact(kNine, std::nan(""), true), 1);
  EXPECT_EQ(SliderValueFromExact(kNine, 1e300, true), 9);
  EXPECT_EQ(SliderValueFromExact(kNine, -1e300, false), 1);
}

TEST(SliderReleaseAt, RoundingSnapsEveryPlaceOntoOneOfNine) {
  std::set<int32_t> places;
  for (int32_t left = 0; left <= 180; ++left) {
    const SliderRelease release = SliderReleaseAt(kNine, left, kNine.minimum, true);
    ASSERT_GE(release.value, 1) << left;
    ASSERT_LE(release.value, 9) << left;
    EXPECT_LE(std::fabs(release.exact - release.value), 0.5) << left;
    EXPECT_EQ(release.new_left, SliderEdgeOfValue(kNine, release.value)) << left;
    // Releasing the snapped thumb again keeps both value and place.
    const SliderRelease again = SliderReleaseAt(kNine, release.new_left, release.value, true);
    EXPECT_EQ(again.value, release.value) << left;
    EXPECT_EQ(again.new_left, release.new_left) << left;
    places.insert(release.new_left);
  }
  EXPECT_EQ(places, (std::set<int32_t>{0, 22, 45, 67, 90, 112, 135, 157, 180}));

  const SliderRelease plain = SliderReleaseAt(kNine, 100, kNine.minimum, false);
  EXPECT_EQ(plain.value, 5);  // 1 + 100 * 8 / 180 = 5.44
  EXPECT_EQ(plain.new_left, 100);
}

TEST(SliderDrag, StaysInTravelAndReportsThePreviousPlace) {
  const struct {
    int32_t current_left, offset, new_left, posted;
  } rows[] = {
      {0, 50, 50, 1},
      {50, 50, 100, 3},
      {100, 500, 180, 5},
      {180, 10, 180, 9},
      {180, -1000, 0, 9},
      {0, -5, 0, 1},
      {std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::max(), 180, 9},
  };
  for (const auto& r : rows) {
    const SliderDragStep step = SliderDrag(kNine, r.current_left, r.offset, kNine.minimum);
    EXPECT_EQ(step.new_left, r.new_left) << r.current_left << " + " << r.offset;
    EXPECT_EQ(step.posted_value, r.posted) << r.current_left << " + " << r.offset;
  }
  EXPECT_EQ(SliderDrag(kMilliseconds, 100, -200, 0).new_left, 30);
  EXPECT_EQ(SliderDrag(kMilliseconds, 100, 200, 0).new_left, 176);
}

TEST(SliderGeometry, DegenerateShapesGiveMinimumAtLeft) {
  const struct {
    const char* name;
    SliderGeometry g;
    int32_t last_edge;
  } rows[] = {
      {"one value", {{10, 0, 110, 20}, 20, 4, 4}, 90},
      {"inverted range", {{10, 0, 110, 20}, 20, 9, 1}, 90},
      {"travel of the thumb's width", {{10, 0, 30, 20}, 20, 0, 10}, 10},
      {"travel narrower than the thumb", {{10, 0, 20, 20}, 30, 0, 10}, 10},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(SliderEdgeOfValue(r.g, 5), 10) << r.name;
    EXPECT_EQ(ClampSliderEdge(r.g, 500), r.last_edge) << r.name;
    EXPECT_EQ(ClampSliderEdge(r.g, -50), 10) << r.name;
    const SliderRelease release = SliderReleaseAt(r.g, 15, r.g.minimum, true);
    EXPECT_EQ(release.value, r.g.minimum) << r.name;
    EXPECT_EQ(release.new_left, 10) << r.name;
    EXPECT_EQ(SliderDrag(r.g, 15, 1, r.g.minimum).posted_value, r.g.minimum) << r.name;
  }
}

TEST(SliderGeometry, ExtremeCoordinatesAndRangeDoNotOverflow) {
  constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
  constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
  const SliderGeometry g{{kMin, 0, kMax, 0}, 0, kMin, kMax};
  EXPECT_EQ(SliderEdgeOfValue(g, kMin), kMin);
  EXPECT_EQ(SliderEdgeOfValue(g, 0), 0);
  EXPECT_EQ(SliderEdgeOfValue(g, kMax), kMax);
  EXPECT_EQ(SliderReleaseAt(g, kMax, kMin, true).value, kMax);
  EXPECT_EQ(SliderReleaseAt(g, kMin, kMax, false).value, kMin);
  EXPECT_EQ(SliderDrag(g, kMax, kMax, 0).new_left, kMax);
  EXPECT_EQ(SliderDrag(g, kMin, kMin, 0).new_left, kMin);
  const SliderGeometry negative_thumb{{0, 0, 100, 10}, -40, 0, 10};
  EXPECT_EQ(SliderEdgeOfValue(negative_thumb, 10), 100);
}

}  // namespace
