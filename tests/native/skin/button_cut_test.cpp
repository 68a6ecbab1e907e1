// Which button rectangles get a look cut out of (or drawn straight from) a full-window image,
// and how a control's rectangle is limited to what the system can place.

#include <gtest/gtest.h>

#include "skin/button_look.h"

namespace {

struct CutCase {
  PixelRect rect;
  int32_t width;
  int32_t height;
  bool cut;
};

TEST(ButtonLookIsCut, OnlyRectanglesThatOverlapTheImage) {
  const CutCase cases[] = {
      {{10, 10, 50, 30}, 100, 80, true},     // inside
      {{0, 0, 100, 80}, 100, 80, true},      // the whole image
      {{90, 70, 130, 110}, 100, 80, true},   // overlaps the bottom-right corner
      {{-20, -20, 1, 1}, 100, 80, true},     // overlaps the top-left pixel only
      {{100, 10, 140, 30}, 100, 80, false},  // starts at the right edge
      {{10, 80, 50, 100}, 100, 80, false},   // starts at the bottom edge
      {{-40, 10, 0, 30}, 100, 80, false},    // ends at the left edge
      {{10, -30, 50, 0}, 100, 80, false},    // ends at the top edge
      {{10, 10, 10, 30}, 100, 80, false},    // no width
      {{10, 30, 50, 10}, 100, 80, false},    // inverted
      {{10, 10, 50, 30}, 0, 0, false},       // empty image
      {{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}, 100, 80, true},  // no overflow
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    const CutCase& c = cases[i];
    EXPECT_EQ(ButtonLookIsCut(c.rect, c.width, c.height), c.cut) << "row " << i;
  }
}

TEST(ChooseButtonLookSource, SharesOnlyRectanglesWhollyInsideTheImage) {
  struct SourceCase {
    PixelRect rect;
    int32_t width;
    int32_t height;
    ButtonLookSource source;
  };
  using enum ButtonLookSource;
  const SourceCase cases[] = {
      {{10, 10, 50, 30}, 100, 80, kShared},
      {{0, 0, 100, 80}, 100, 80, kShared},    // the whole image, edges included
      {{99, 79, 100, 80}, 100, 80, kShared},  // the last pixel
      {{0, 0, 101, 80}, 100, 80, kCut},       // one column beyond the right edge
      {{0, 0, 100, 81}, 100, 80, kCut},       // one row beyond the bottom edge
      {{-1, 0, 50, 30}, 100, 80, kCut},       // one column before the left edge
      {{0, -1, 50, 30}, 100, 80, kCut},       // one row above the top edge
      {{90, 70, 130, 110}, 100, 80, kCut},    // overlaps the bottom-right corner
      {{100, 10, 140, 30}, 100, 80, kNone},   // wholly outside
      {{10, 10, 10, 30}, 100, 80, kNone},     // no width
      {{10, 30, 50, 10}, 100, 80, kNone},     // inverted
      {{10, 10, 50, 30}, 0, 0, kNone},        // no image
      {{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}, 100, 80, kCut},  // no overflow
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    const SourceCase& c = cases[i];
    EXPECT_EQ(ChooseButtonLookSource(c.rect, c.width, c.height), c.source) << "row " << i;
  }
}

TEST(LimitControlRect, KeepsEdgesAndSizesInRange) {
  struct LimitCase {
    PixelRect rect;
    PixelRect limited;
  };
  const LimitCase cases[] = {
      {{57, 106, 73, 122}, {57, 106, 73, 122}},
      {{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}, {-32768, -32768, 32767, 32767}},
      {{40000, 10, 50000, 20}, {32767, 10, 32767, 20}},
      {{50, 60, 10, 20}, {50, 60, 50, 60}},  // inverted: empty
      {{0, 0, 0, 0}, {0, 0, 0, 0}},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(LimitControlRect(cases[i].rect), cases[i].limited) << "row " << i;
  }
}

}  // namespace
