// The slider thumb dragged with real mouse input (SendInput) inside a visible owner window: the
// values it posts while moving and at the release, rounding onto the nine places of a 1-to-9
// range, and the ends of the travel area.

#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "base/wide.h"
#include "skin/ph_slider.h"
#include "skin/slider_messages.h"
#include "tests/support/temp_dir.h"
#include "tests/windows_support/bitmap_file.h"
#include "tests/windows_support/pump.h"
#include "tests/windows_support/thread_idle.h"
#include "ui/window.h"

namespace {

constexpr UINT kMarker = WM_APP + 50;
constexpr int kThumbId = 202;
constexpr POINT kOwnerOrigin = {100, 100};  // on the screen
// Travel area in the owner: left edges 20..100 for the 10-pixel thumb, top 30.
constexpr RECT kTravel = {20, 30, 110, 50};
constexpr int kThumbWidth = 10;
constexpr int kThumbHeight = 20;
constexpr DWORD kWaitMs = 5000;

struct Change {
  WPARAM value;
  LPARAM id;
};

class SliderOwner : public Window {
 public:
  std::vector<Change> changes;
  bool marked = false;

 protected:
  bool RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
    if (message == WM_SLIDER_CHANGED) {
      changes.push_back({wParam, lParam});
    } else if (message == kMarker) {
      marked = true;
    } else if (message == WM_PAINT) {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(handle(), &paint);
      FillRect(dc, &paint.rcPaint, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
      EndPaint(handle(), &paint);
    } else {
      return Window::RouteMessage(message, wParam, lParam, result);
    }
    result = 0;
    return true;
  }
};

void InjectMouse(DWORD flags, POINT screen) {
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  // Rounded up, so that scaling back to pixels (which truncates) gives the same pixel.
  input.mi.dx = static_cast<LONG>((screen.x * 65536 + width - 1) / width);
  input.mi.dy = static_cast<LONG>((screen.y * 65536 + height - 1) / height);
  ASSERT_EQ(SendInput(1, &input, sizeof input), 1u) << "SendInput, error " << GetLastError();
}

class PHSliderDragTest : public ::testing::Test {
 protected:
  void SetUp() override {
    thumbPath_ = dir_.file("thumb.bmp");
    ASSERT_TRUE(WriteBitmapFile(Wide(thumbPath_), kThumbWidth, kThumbHeight,
                                [](int, int) { return RGB(40, 80, 160); }));
    WindowCreateArgs args;
    args.style = WS_POPUP | WS_VISIBLE;
    args.exStyle = WS_EX_TOPMOST;  // above the windows of suites running beside this one
    args.x = kOwnerOrigin.x;
    args.y = kOwnerOrigin.y;
    args.width = 300;
    args.height = 120;
    ASSERT_TRUE(owner_.Create(args));
    SetForegroundWindow(owner_.handle());
    UpdateWindow(owner_.handle());
    ASSERT_TRUE(WaitUntilThreadIdle(owner_.handle())) << "the owner never became idle";
  }
  void TearDown() override {
    if (GetCapture() != nullptr) ReleaseCapture();
    DestroyWindow(owner_.handle());
  }

  int ThumbLeft(const CPHSlider& thumb) {
    RECT rect{};
    GetWindowRect(thumb.handle(), &rect);
    return rect.left - kOwnerOrigin.x;
  }

  // Handles everything the thumb posted up to now.
  void Settle() {
    owner_.marked = false;
    PostMessageW(owner_.handle(), kMarker, 0, 0);
    ASSERT_TRUE(PumpUntil([&] { return owner_.marked; }, kWaitMs));
  }

  TempDir dir_;
  Text thumbPath_;
  SliderOwner owner_;
};

struct DragRow {
  const char* name;
  int32_t minimum, maximum;
  bool rounding;
  int32_t startValue;
  std::vector<int> moves;  // pointer offsets from the press point, in order
  int verticalMove;        // added to the pointer's y on every move; the thumb ignores it
  int finalLeft;           // the thumb's left edge in the owner after the release
  int32_t lastValue;       // the value posted at the release
};

TEST_F(PHSliderDragTest, DragPostsValuesAndTheReleaseMatchesTheThumbsPlace) {
  const DragRow rows[] = {
      // 37 pixels right of 20: exact value 1 + 37 * 8 / 80 = 4.7, nearest 5, snapped to 60.
      {"rounding onto one of nine places", 1, 9, true, 1, {20, 37}, 0, 60, 5},
      {"rounding down onto a place", 1, 9, true, 1, {8, 13}, 15, 30, 2},
      // Without rounding the value is truncated and the thumb stays where it was let go.
      {"truncation keeps the thumb", 0, 10, false, 0, {20, 37}, 0, 57, 4},
      {"past the left end", 1, 9, true, 5, {-10, -200}, 40, 20, 1},
      {"past the right end", 1, 9, true, 5, {30, 600}, -40, 100, 9},
  };
  for (const DragRow& row : rows) {
    SCOPED_TRACE(row.name);
    CPHSlider thumb;
    ASSERT_TRUE(thumb.Create(thumbPath_, kTravel.left, kTravel.top, kTravel.right, kTravel.bottom,
                             owner_.handle(), kThumbId, false));
    thumb.SetRange(row.minimum, row.maximum);
    thumb.SetRounding(row.rounding);
    thumb.SetPos(row.startValue);
    UpdateWindow(owner_.handle());
    owner_.changes.clear();

    const int startLeft = ThumbLeft(thumb);
    const POINT press = {kOwnerOrigin.x + startLeft + kThumbWidth / 2,
                         kOwnerOrigin.y + kTravel.top + kThumbHeight / 2};
    InjectMouse(0, press);
    ASSERT_TRUE(WaitUntilThreadIdle(owner_.handle())) << "the move was never handled";
    InjectMouse(MOUSEEVENTF_LEFTDOWN, press);
    ASSERT_TRUE(PumpUntil([&] { return thumb.dragging(); }, kWaitMs)) << "the press missed";
    for (const int offset : row.moves) {
      // The thumb follows the pointer until it meets an end of the travel area.
      const int wanted = startLeft + offset;
      const int expected = wanted < 20 ? 20 : (wanted > 100 ? 100 : wanted);
      InjectMouse(0, POINT{press.x + offset, press.y + row.verticalMove});
      EXPECT_TRUE(PumpUntil([&] { return ThumbLeft(thumb) == expected; }, kWaitMs))
          << "offset " << offset << ": thumb at " << ThumbLeft(thumb);
    }
    const POINT last = {press.x + row.moves.back(), press.y + row.verticalMove};
    InjectMouse(MOUSEEVENTF_LEFTUP, last);
    ASSERT_TRUE(PumpUntil([&] { return !thumb.dragging(); }, kWaitMs)) << "no release";
    ASSERT_NO_FATAL_FAILURE(Settle());

    RECT rect{};
    GetWindowRect(thumb.handle(), &rect);
    EXPECT_EQ(rect.left - kOwnerOrigin.x, row.finalLeft);
    EXPECT_EQ(rect.top - kOwnerOrigin.y, kTravel.top) << "vertical moves are ignored";
    EXPECT_EQ(thumb.value(), row.lastValue);
    // One value per move, lagging one move behind, and the release's value last.
    ASSERT_EQ(owner_.changes.size(), row.moves.size() + 1);
    for (const Change& change : owner_.changes) {
      EXPECT_EQ(change.id, kThumbId);
      const auto value = static_cast<int32_t>(change.value);
      EXPECT_GE(value, row.minimum);
      EXPECT_LE(value, row.maximum);
    }
    EXPECT_EQ(static_cast<int32_t>(owner_.changes.front().value), row.startValue)
        << "the first move reports the place the drag started from";
    EXPECT_EQ(static_cast<int32_t>(owner_.changes.back().value), row.lastValue);
  }
}

}  // namespace
