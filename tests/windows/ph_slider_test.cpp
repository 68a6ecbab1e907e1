// The slider thumb under Wine: placement by value, a missing picture, and the corner-colour shape.
// Dragging with real mouse input is in tests/windows_skin_input.

#include "skin/ph_slider.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "base/wide.h"
#include "skin/slider_messages.h"
#include "tests/support/temp_dir.h"
#include "tests/windows_support/bitmap_file.h"
#include "ui/window.h"

namespace {

constexpr COLORREF kKey = RGB(255, 0, 255);
constexpr COLORREF kBody = RGB(90, 120, 150);
constexpr int kThumbWidth = 10;
constexpr int kThumbHeight = 20;

// Key-coloured pixels of the test thumb: the four corners, two more on the top row and one in the
// middle (the shape removes every pixel of the key, not only those at the edge).
bool IsKeyPixel(int x, int y) {
  const bool corner = (x == 0 || x == kThumbWidth - 1) && (y == 0 || y == kThumbHeight - 1);
  return corner || (y == 0 && (x == 1 || x == 8)) || (x == 5 && y == 10);
}

class PHSliderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    thumbPath_ = dir_.file("thumb.bmp");
    ASSERT_TRUE(WriteBitmapFile(Wide(thumbPath_), kThumbWidth, kThumbHeight,
                                [](int x, int y) { return IsKeyPixel(x, y) ? kKey : kBody; }));
    WindowCreateArgs args;
    args.style = WS_POPUP;
    args.x = 0;
    args.y = 0;
    args.width = 200;
    args.height = 100;
    ASSERT_TRUE(owner_.Create(args));
  }
  void TearDown() override { DestroyWindow(owner_.handle()); }

  // The thumb's rectangle in the owner's client coordinates.
  RECT ThumbRect(const CPHSlider& thumb) {
    RECT rect{};
    GetWindowRect(thumb.handle(), &rect);
    MapWindowPoints(nullptr, owner_.handle(), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
  }

  TempDir dir_;
  Text thumbPath_;
  Window owner_;
};

TEST_F(PHSliderTest, SetPosPlacesTheThumbAtTheValuesEdgeAndClamps) {
  // Travel 20..110 with a 10-pixel thumb: left edges 20..100, 80 pixels of travel.
  struct Row {
    int32_t minimum, maximum, value;
    int32_t storedValue, left;
  };
  const Row rows[] = {
      {0, 10, 0, 0, 20},  {0, 10, 5, 5, 60},    {0, 10, 10, 10, 100}, {0, 10, 3, 3, 44},
      {0, 10, -3, 0, 20}, {0, 10, 15, 10, 100}, {1, 9, 1, 1, 20},     {1, 9, 9, 9, 100},
      {1, 9, 4, 4, 50},   {1, 9, 0, 1, 20},     {1, 9, 12, 9, 100},   {0, 700, 350, 350, 60},
  };
  for (size_t i = 0; i < std::size(rows); ++i) {
    const Row& row = rows[i];
    CPHSlider thumb;
    ASSERT_TRUE(thumb.Create(thumbPath_, 20, 30, 110, 50, owner_.handle(), 201, false)) << i;
    thumb.SetRange(row.minimum, row.maximum);
    thumb.SetPos(row.value);
    EXPECT_EQ(thumb.value(), row.storedValue) << "row " << i;
    const RECT rect = ThumbRect(thumb);
    EXPECT_EQ(rect.left, row.left) << "row " << i;
    EXPECT_EQ(rect.top, 30) << "row " << i;
    EXPECT_EQ(rect.right - rect.left, kThumbWidth) << "row " << i;
    EXPECT_EQ(rect.bottom - rect.top, kThumbHeight) << "row " << i;
    EXPECT_EQ(GetDlgCtrlID(thumb.handle()), 201) << "row " << i;
  }
}

TEST_F(PHSliderTest, MissingPictureCreatesNoWindowAndSetPosOnlyStores) {
  CPHSlider thumb;
  EXPECT_FALSE(thumb.Create(dir_.file("absent.bmp"), 20, 30, 110, 50, owner_.handle(), 202, true));
  EXPECT_EQ(thumb.handle(), nullptr);
  EXPECT_EQ(GetWindow(owner_.handle(), GW_CHILD), nullptr);
  thumb.SetRange(1, 9);
  thumb.SetPos(12);
  EXPECT_EQ(thumb.value(), 9);
  EXPECT_EQ(GetWindow(owner_.handle(), GW_CHILD), nullptr);
}

TEST_F(PHSliderTest, ShapedThumbLeavesOutEveryCornerColourPixel) {
  for (const bool shaped : {false, true}) {
    CPHSlider thumb;
    ASSERT_TRUE(thumb.Create(thumbPath_, 20, 30, 110, 50, owner_.handle(), 203, shaped));
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    const int kind = GetWindowRgn(thumb.handle(), region);
    if (!shaped) {
      EXPECT_EQ(kind, ERROR) << "an unshaped thumb has no region";
    } else {
      ASSERT_NE(kind, ERROR);
      for (int y = 0; y < kThumbHeight; ++y) {
        for (int x = 0; x < kThumbWidth; ++x) {
          EXPECT_EQ(PtInRegion(region, x, y) != FALSE, !IsKeyPixel(x, y)) << x << "," << y;
        }
      }
    }
    DeleteObject(region);
  }
}

// The values posted to the owner so far, oldest first.
std::vector<int32_t> TakePostedValues(HWND owner) {
  std::vector<int32_t> values;
  MSG msg;
  while (PeekMessageW(&msg, owner, WM_SLIDER_CHANGED, WM_SLIDER_CHANGED, PM_REMOVE))
    values.push_back(static_cast<int32_t>(msg.wParam));
  return values;
}

// A drag can end without a release when the capture is taken away; the owner must still learn
// the value of the place the thumb was left at, not the one of the move before.
TEST_F(PHSliderTest, CaptureLossEndsTheDragAndReportsTheThumbsPlace) {
  CPHSlider thumb;
  ASSERT_TRUE(thumb.Create(thumbPath_, 20, 30, 110, 50, owner_.handle(), 201, false));
  thumb.SetRange(1, 9);
  thumb.SetRounding(true);
  thumb.SetPos(1);
  SendMessageW(thumb.handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 10));
  ASSERT_TRUE(thumb.dragging());
  ASSERT_EQ(GetCapture(), thumb.handle());
  SendMessageW(thumb.handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(5 + 37, 10));
  EXPECT_EQ(ThumbRect(thumb).left, 57);
  EXPECT_EQ(TakePostedValues(owner_.handle()), std::vector<int32_t>{1});

  ReleaseCapture();
  EXPECT_FALSE(thumb.dragging());
  EXPECT_EQ(TakePostedValues(owner_.handle()), std::vector<int32_t>{5});
  EXPECT_EQ(thumb.value(), 5);
  EXPECT_EQ(ThumbRect(thumb).left, 60) << "snapped onto the value";

  // Pointer moves after the drag do nothing.
  SendMessageW(thumb.handle(), WM_MOUSEMOVE, 0, MAKELPARAM(30, 10));
  EXPECT_EQ(ThumbRect(thumb).left, 60);
  EXPECT_TRUE(TakePostedValues(owner_.handle()).empty());
}

}  // namespace
