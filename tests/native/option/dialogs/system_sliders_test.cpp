#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <memory>

#include "option/dialogs/pointer_speed_table.h"
#include "option/dialogs/slider_click.h"
#include "option/dialogs/system_sliders.h"
#include "skin/slider_position.h"

namespace {

TEST(PointerSpeedTable, PositionToSpeed) {
  const struct {
    int32_t position;
    int32_t speed;
  } rows[] = {
      {1, 1},  {2, 3},  {3, 5},  {4, 7},   {5, 10},  {6, 13},       {7, 15},
      {8, 17}, {9, 20}, {0, 10}, {10, 10}, {-1, 10}, {INT_MIN, 10}, {INT_MAX, 10},
  };
  for (const auto& r : rows) EXPECT_EQ(MouseSpeedOfPosition(r.position), r.speed) << r.position;
}

TEST(PointerSpeedTable, SpeedToPosition) {
  // Stored values 0 to 20 in order, then values no slider writes.
  const int32_t positions[21] = {1, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 6, 7, 7, 8, 8, 9, 9, 9};
  for (int32_t speed = 0; speed <= 20; ++speed) {
    EXPECT_EQ(PositionOfMouseSpeed(speed), positions[speed]) << "speed " << speed;
  }
  for (int32_t speed : {-1, 21, 100, INT_MIN, INT_MAX}) {
    EXPECT_EQ(PositionOfMouseSpeed(speed), 6) << "speed " << speed;
  }
}

TEST(PointerSpeedTable, EveryPositionComesBack) {
  for (int32_t p = 1; p <= kPointerSpeedPositions; ++p) {
    EXPECT_EQ(PositionOfMouseSpeed(MouseSpeedOfPosition(p)), p) << "position " << p;
  }
}

TEST(ValueOfTrackClick, ClickPositions) {
  const PixelRect track{100, 40, 300, 60};  // 200 pixels wide
  const TrackRange nine{1, 9, true};
  const TrackRange nineTruncated{1, 9, false};
  const TrackRange ms{0, 700, true};
  const TrackRange signedRange{-9, 9, true};
  const TrackRange signedTruncated{-9, 9, false};
  const struct {
    const TrackRange* range;
    int32_t x;
    double exact;
    int32_t value;
  } rows[] = {
      {&nine, 100, 1.0, 1},   // left edge: the minimum
      {&nine, 300, 9.0, 9},   // right edge: the maximum
      {&nine, 208, 5.32, 5},  // 54 %
      {&nine, 214, 5.56, 6},  // 57 %
      {&nineTruncated, 214, 5.56, 5},
      {&nineTruncated, 299, 8.96, 8},
      {&nine, 299, 8.96, 9},
      {&nine, 50, -1.0, 1},   // left of the track: clamped
      {&nine, 400, 13.0, 9},  // right of it: clamped
      {&ms, 100, 0.0, 0},
      {&ms, 300, 700.0, 700},
      {&ms, 201, 353.5, 354},          // a half rounds up
      {&signedRange, 155, -4.05, -3},  // -3.55 truncated toward zero
      {&signedTruncated, 155, -4.05, -4},
      {&signedRange, 145, -4.95, -4},
  };
  for (const auto& r : rows) {
    const TrackClick click = ValueOfTrackClick(track, r.x, *r.range);
    EXPECT_NEAR(click.exact, r.exact, 1e-9) << "row " << &r - rows;
    EXPECT_EQ(click.value, r.value) << "row " << &r - rows;
  }
}

TEST(ValueOfTrackClick, ExtremeInputsStayInRange) {
  const struct {
    PixelRect track;
    TrackRange range;
    int32_t x;
    int32_t value;
  } rows[] = {
      {{0, 0, 1, 10}, {INT_MIN, INT_MAX, true}, INT_MAX, INT_MAX},
      {{0, 0, 1, 10}, {INT_MIN, INT_MAX, false}, INT_MIN, INT_MIN},
      {{INT_MIN, 0, INT_MAX, 10}, {0, 700, true}, INT_MAX, 700},
      {{50, 0, 50, 10}, {1, 9, true}, 50, 1},   // no width
      {{60, 0, 50, 10}, {1, 9, true}, 55, 1},   // inverted track
      {{0, 0, 100, 10}, {9, 1, true}, 100, 9},  // inverted range: its minimum
      {{0, 0, 100, 10}, {5, 5, true}, 70, 5},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(ValueOfTrackClick(r.track, r.x, r.range).value, r.value) << "row " << &r - rows;
  }
}

TEST(ThumbLeftOnTrack, TheThumbTravelsTheWholeTrackInItsOwnCoordinates) {
  const PixelRect track{100, 40, 300, 60};
  const struct {
    int32_t thumbWidth;
    TrackRange range;
    int32_t value;
    int32_t left;
  } rows[] = {
      {20, {1, 9, true}, 1, 0},    {20, {1, 9, true}, 5, 90},     {20, {1, 9, true}, 9, 180},
      {20, {1, 9, true}, 12, 180}, {14, {0, 700, true}, 350, 93}, {0, {0, 700, true}, 700, 200},
      {250, {1, 9, true}, 9, 0},  // a thumb wider than the track stays at its left
  };
  for (const auto& r : rows) {
    EXPECT_EQ(ThumbLeftOnTrack(track, r.thumbWidth, r.range, r.value), r.left)
        << "row " << &r - rows;
  }
}

TEST(ApplySliderChange, EachSliderWritesItsKey) {
  const struct {
    int32_t id;
    int32_t position;
    int32_t mouseSpeed;
    int32_t wheel;
    int32_t doubleClick;
    bool setsTime;
  } rows[] = {
      {201, 1, 1, 3, 500, false},       {201, 6, 13, 3, 500, false},  {201, 9, 20, 3, 500, false},
      {201, 0, 10, 3, 500, false},      {202, 1, 10, 1, 500, false},  {202, 9, 10, 9, 500, false},
      {202, 0, 10, 1, 500, false},      {202, 50, 10, 9, 500, false}, {203, 0, 10, 3, 900, true},
      {203, 700, 10, 3, 200, true},     {203, 123, 10, 3, 777, true}, {203, 900, 10, 3, 200, true},
      {203, INT_MIN, 10, 3, 900, true},
  };
  for (const auto& r : rows) {
    ProfileSettings profile{};
    profile.MouseSpeed = 10;
    profile.ScrollWheelSpeed = 3;
    profile.DbleClickSpeed = 500;
    ProfileSettings expected = profile;
    expected.MouseSpeed = r.mouseSpeed;
    expected.ScrollWheelSpeed = r.wheel;
    expected.DbleClickSpeed = r.doubleClick;
    const SliderChange change = ApplySliderChange(profile, r.id, r.position);
    EXPECT_TRUE(change.handled) << "row " << &r - rows;
    EXPECT_EQ(std::memcmp(&profile, &expected, sizeof profile), 0) << "row " << &r - rows;
    EXPECT_EQ(change.doubleClickTimeMs.has_value(), r.setsTime) << "row " << &r - rows;
    if (r.setsTime) {
      EXPECT_EQ(*change.doubleClickTimeMs, r.doubleClick) << "row " << &r - rows;
    }
  }
}

TEST(ApplySliderChange, OtherIdsChangeNothing) {
  for (int32_t id : {0, 200, 204, 4010, -201}) {
    ProfileSettings profile{};
    profile.MouseSpeed = 10;
    const ProfileSettings before = profile;
    const SliderChange change = ApplySliderChange(profile, id, 5);
    EXPECT_FALSE(change.handled) << id;
    EXPECT_FALSE(change.doubleClickTimeMs.has_value()) << id;
    EXPECT_EQ(std::memcmp(&profile, &before, sizeof profile), 0) << id;
  }
}

// Each slider's thumb on the main window's 150-pixel track (and a narrower one), walked over every
// value: the thumb placed on a value and pressed and let go there, with or without a move of no
// distance, keeps it, and the profile key it writes shows the slider at the same place again.
TEST(SystemSliders, APlainClickKeepsEveryValue) {
  const struct {
    int32_t id;
    TrackRange range;
    int32_t SliderPositions::*shown;
  } sliders[] = {
      {kPointerSpeedSliderId, kPointerSpeedRange, &SliderPositions::pointerSpeed},
      {kWheelSpeedSliderId, kWheelSpeedRange, &SliderPositions::wheelSpeed},
      {kDoubleClickSliderId, kDoubleClickRange, &SliderPositions::doubleClick},
  };
  for (const auto& s : sliders) {
    for (int32_t width : {150, 40}) {
      const SliderGeometry g{{0, 0, width, 20}, 14, s.range.minimum, s.range.maximum};
      for (int32_t value = s.range.minimum; value <= s.range.maximum; ++value) {
        const int32_t edge = SliderEdgeOfValue(g, value);
        const SliderRelease release = SliderReleaseAt(g, edge, value, s.range.rounding);
        ASSERT_EQ(release.value, value) << s.id << " width " << width;
        ASSERT_EQ(release.new_left, edge) << s.id << " width " << width << " value " << value;
        ASSERT_EQ(SliderDrag(g, edge, 0, value).posted_value, value) << s.id << " width " << width;
        ProfileSettings profile{};
        ASSERT_TRUE(ApplySliderChange(profile, s.id, value).handled);
        ASSERT_EQ(SliderPositionsOfProfile(profile).*s.shown, value) << s.id;
      }
    }
  }
}

TEST(AppliedDoubleClickTime, TheAppliedCurrentProfilesValue) {
  auto applied = std::make_unique<SharedSettingsBlock>();
  applied->profiles[1].DbleClickSpeed = 345;
  applied->profiles[2].DbleClickSpeed = 678;
  const struct {
    int32_t current;
    std::optional<int32_t> ms;
  } rows[] = {{1, 345}, {2, 678}, {-1, std::nullopt}, {kProfileCount, std::nullopt}};
  for (const auto& r : rows) {
    applied->CurrentProfile = r.current;
    EXPECT_EQ(AppliedDoubleClickTime(*applied), r.ms) << r.current;
  }
}

TEST(SliderPositionsOfProfile, StoredValuesToPositions) {
  const struct {
    int32_t mouseSpeed;
    int32_t wheel;
    int32_t doubleClick;
    SliderPositions positions;
  } rows[] = {
      {0, 1, 900, {1, 1, 0}},      {13, 9, 200, {6, 9, 700}},         {21, 5, 550, {6, 5, 350}},
      {-1, 0, 1000, {6, 0, -100}}, {10, 3, INT_MIN, {5, 3, INT_MAX}},
  };
  for (const auto& r : rows) {
    ProfileSettings profile{};
    profile.MouseSpeed = r.mouseSpeed;
    profile.ScrollWheelSpeed = r.wheel;
    profile.DbleClickSpeed = r.doubleClick;
    EXPECT_EQ(SliderPositionsOfProfile(profile), r.positions) << "row " << &r - rows;
  }
}

}  // namespace
