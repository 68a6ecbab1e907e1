// The double-click test area under Wine: the still picture stretched over the button, the clip
// that a double click (and only a double click) plays over it, and the return to the first frame
// when the clip ends. Uses the default skin's picture and clip built beside this program.

#include "skin/double_click_test_button.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include "base/wide.h"
#include "tests/windows/skin_control_host.h"
#include "tests/windows_support/pump.h"

namespace {

Text OwnFolder() {
  wchar_t path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  Text folder = FromWide(path, length);
  return folder.substr(0, folder.find_last_of(u'\\') + 1);
}

// Counts the animation control's notifications as they reach the button.
class WatchedDoubleClickButton : public DoubleClickTestButton {
 public:
  int starts = 0;
  int stops = 0;

 protected:
  bool RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
    if (message == WM_COMMAND && animation() != nullptr &&
        reinterpret_cast<HWND>(lParam) == animation()) {
      starts += HIWORD(wParam) == ACN_START;
      stops += HIWORD(wParam) == ACN_STOP;
    }
    return DoubleClickTestButton::RouteMessage(message, wParam, lParam, result);
  }
};

class DoubleClickTestButtonTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { host_ = new ControlHost(); }
  static void TearDownTestSuite() {
    delete host_;
    host_ = nullptr;
  }
  static ControlHost* host_;
};

ControlHost* DoubleClickTestButtonTest::host_ = nullptr;

TEST_F(DoubleClickTestButtonTest, PaintsTheStillPictureStretchedOverTheButton) {
  WatchedDoubleClickButton button;
  // Twice the picture's size (140 x 56), so that each picture pixel covers 2 x 2.
  ASSERT_TRUE(button.Create(host_->handle(), {0, 0, 280, 112}, OwnFolder()));
  ASSERT_NE(button.picture(), nullptr);
  const LONG_PTR style = GetWindowLongPtrW(button.handle(), GWL_STYLE);
  EXPECT_EQ(style & BS_TYPEMASK, BS_OWNERDRAW);
  EXPECT_EQ(GetDlgCtrlID(button.handle()), 0);

  const Pixels drawn = PrintClient(button.handle());
  HDC memory = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(memory, button.picture());
  const POINT samples[] = {{0, 0}, {70, 28}, {139, 55}, {13, 41}, {100, 5}};
  for (const POINT& p : samples) {
    SCOPED_TRACE(testing::Message() << p.x << "," << p.y);
    const uint32_t expected = Rgb(GetPixel(memory, p.x, p.y));
    EXPECT_EQ(drawn.At(2 * p.x, 2 * p.y), expected);
    EXPECT_EQ(drawn.At(2 * p.x + 1, 2 * p.y + 1), expected);
  }
  SelectObject(memory, old);
  DeleteDC(memory);
}

TEST_F(DoubleClickTestButtonTest, WithoutItsPictureTheAreaStaysUnpainted) {
  DoubleClickTestButton button;
  ASSERT_TRUE(button.Create(host_->handle(), {0, 0, 140, 56}, u"Z:\\no\\such\\folder\\"));
  EXPECT_EQ(button.picture(), nullptr);
  const COLORREF sentinel = RGB(1, 2, 3);
  EXPECT_EQ(CountColour(PrintClient(button.handle(), sentinel), Rgb(sentinel)), 140 * 56);
}

TEST_F(DoubleClickTestButtonTest, OnlyADoubleClickPlaysTheClipOnceAndReturnsToItsFirstFrame) {
  WatchedDoubleClickButton button;
  ASSERT_TRUE(button.Create(host_->handle(), {10, 10, 150, 66}, OwnFolder()));
  button.SetClip(OwnFolder() + kDoubleClickClip);

  SendMessageW(button.handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(button.animation(), nullptr);  // a single click does nothing

  SendMessageW(button.handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageW(button.handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  HWND animation = button.animation();
  ASSERT_NE(animation, nullptr);
  EXPECT_EQ(GetParent(animation), button.handle());
  EXPECT_TRUE(IsWindowVisible(animation));
  RECT covered{};
  GetClientRect(animation, &covered);
  EXPECT_EQ(covered.right, 140);
  EXPECT_EQ(covered.bottom, 56);

  // Played once: it stops by itself.
  ASSERT_TRUE(PumpUntil([&] { return button.stops >= 1; }, 10000));
  EXPECT_EQ(button.starts, 1);
  // Back at the first frame with a seek, which neither starts nor stops a playback.
  PumpUntil([] { return false; }, 200);
  EXPECT_EQ(button.starts, 1);
  EXPECT_EQ(button.stops, 1);

  // The next double click plays the same control again.
  SendMessageW(button.handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageW(button.handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(button.animation(), animation);
  ASSERT_TRUE(PumpUntil([&] { return button.stops >= 2; }, 10000));
  EXPECT_EQ(button.starts, 2);
}

}  // namespace
