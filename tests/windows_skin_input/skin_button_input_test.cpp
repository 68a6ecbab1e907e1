// Skinned buttons and the edit field in a visible owner that holds the foreground, driven by real
// input (SendInput) or by pointer messages as the system sends them: a click reaching the owner
// by handle, toggling, the hover handing over from one button to its neighbour and ending with
// the capture or the focus, and typing into a numbers-only field through the framework's loop.

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <vector>

#include "skin/bitmap_edit.h"
#include "skin/skin_button.h"
#include "tests/windows/skin_control_host.h"
#include "tests/windows_support/pump.h"
#include "tests/windows_support/thread_idle.h"
#include "ui/message_loop.h"

namespace {

constexpr POINT kHostOrigin = {400, 300};  // on the screen
constexpr DWORD kWaitMs = 5000;

void InjectMouse(DWORD flags, POINT inHost) {
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  const LONG x = kHostOrigin.x + inHost.x;
  const LONG y = kHostOrigin.y + inHost.y;
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  // Rounded up, so that scaling back to pixels (which truncates) gives the same pixel.
  input.mi.dx = static_cast<LONG>((x * 65536 + width - 1) / width);
  input.mi.dy = static_cast<LONG>((y * 65536 + height - 1) / height);
  ASSERT_EQ(SendInput(1, &input, sizeof input), 1u) << "SendInput, error " << GetLastError();
}

void InjectKey(WORD key) {
  INPUT inputs[2] = {};
  for (INPUT& input : inputs) {
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
  }
  inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
  ASSERT_EQ(SendInput(2, inputs, sizeof inputs[0]), 2u);
}

// One shown owner for the suite: under Wine without a window manager every shown top-level
// window costs seconds to take down again.
class SkinInputTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    host_ = new ControlHost(BitmapEditNotifyMessage(), kHostOrigin.x, kHostOrigin.y, 240, 120);
  }
  static void TearDownTestSuite() {
    delete host_;
    host_ = nullptr;
  }
  void SetUp() override {
    ASSERT_NE(host_->handle(), nullptr);
    SetWindowPos(host_->handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(host_->handle());
    UpdateWindow(host_->handle());
    InjectMouse(0, {230, 110});  // inside the host, away from every control
    ASSERT_TRUE(WaitUntilThreadIdle(host_->handle())) << "the move was never handled";
    host_->commands.clear();
    host_->recorded.clear();
  }
  void TearDown() override {
    ReleaseCapture();
    left_.reset();
    right_.reset();
  }

  std::unique_ptr<SkinButton> MakeButton(const RECT& rect, COLORREF colour) {
    auto button = std::make_unique<SkinButton>();
    EXPECT_TRUE(button->Create(host_->handle(), rect));
    HBITMAP picture = SolidPicture(240, 120, colour);
    button->SetImages(rect, picture, picture, picture, picture);
    DeleteObject(picture);
    return button;
  }

  // A button whose four looks have the four colours given.
  std::unique_ptr<SkinButton> MakeLookButton(const RECT& rect) {
    auto button = std::make_unique<SkinButton>();
    EXPECT_TRUE(button->Create(host_->handle(), rect));
    HBITMAP looks[4] = {SolidPicture(240, 120, kNormal), SolidPicture(240, 120, kOver),
                        SolidPicture(240, 120, kDown), SolidPicture(240, 120, kDisable)};
    button->SetImages(rect, looks[0], looks[1], looks[2], looks[3]);
    for (HBITMAP look : looks) DeleteObject(look);
    return button;
  }

  static constexpr COLORREF kNormal = RGB(200, 40, 40);
  static constexpr COLORREF kOver = RGB(40, 200, 40);
  static constexpr COLORREF kDown = RGB(40, 40, 200);
  static constexpr COLORREF kDisable = RGB(170, 170, 170);

  static ControlHost* host_;
  std::unique_ptr<SkinButton> left_, right_;
};

ControlHost* SkinInputTest::host_ = nullptr;

TEST_F(SkinInputTest, ARealClickReachesTheOwnerWithTheButtonsHandle) {
  left_ = MakeButton({10, 10, 60, 40}, RGB(200, 0, 0));
  right_ = MakeButton({60, 10, 110, 40}, RGB(0, 200, 0));
  InjectMouse(0, {85, 25});
  InjectMouse(MOUSEEVENTF_LEFTDOWN, {85, 25});
  InjectMouse(MOUSEEVENTF_LEFTUP, {85, 25});
  ASSERT_TRUE(PumpUntil([&] { return !host_->commands.empty(); }, kWaitMs));
  PumpUntil([] { return false; }, 100);  // nothing else follows
  ASSERT_EQ(host_->commands.size(), 1u);
  EXPECT_EQ(host_->commands[0].wParam, MAKEWPARAM(0, BN_CLICKED));
  EXPECT_EQ(host_->commands[0].lParam, reinterpret_cast<LPARAM>(right_->handle()));
}

TEST_F(SkinInputTest, ARealClickTogglesAToggleButton) {
  left_ = MakeButton({10, 10, 60, 40}, RGB(200, 0, 0));
  left_->SetToggleMode(true);
  for (int click = 1; click <= 2; ++click) {
    SCOPED_TRACE(click);
    InjectMouse(0, {30, 20});
    InjectMouse(MOUSEEVENTF_LEFTDOWN, {30, 20});
    InjectMouse(MOUSEEVENTF_LEFTUP, {30, 20});
    ASSERT_TRUE(
        PumpUntil([&] { return host_->commands.size() >= static_cast<size_t>(click); }, kWaitMs));
    EXPECT_EQ(left_->checked(), click == 1);
    EXPECT_EQ(host_->commands.back().lParam, reinterpret_cast<LPARAM>(left_->handle()));
    // Keeps clear of the double-click time, so the second press is a press of its own.
    PumpUntil([] { return false; }, GetDoubleClickTime() + 50);
  }
  EXPECT_EQ(host_->commands.size(), 2u);
}

TEST_F(SkinInputTest, HoverHandsOverFromOneButtonToItsNeighbourAndEndsOutside) {
  left_ = MakeButton({10, 10, 60, 40}, RGB(200, 0, 0));
  right_ = MakeButton({60, 10, 110, 40}, RGB(0, 200, 0));

  InjectMouse(0, {30, 25});
  ASSERT_TRUE(PumpUntil([&] { return left_->hover(); }, kWaitMs));
  EXPECT_EQ(GetCapture(), left_->handle());

  // Straight across the shared edge: the left button lets go before the right one takes over,
  // so at no time do both show their hover.
  bool bothAtOnce = false;
  InjectMouse(0, {85, 25});
  ASSERT_TRUE(PumpUntil(
      [&] {
        bothAtOnce |= left_->hover() && right_->hover();
        return right_->hover();
      },
      kWaitMs));
  EXPECT_FALSE(bothAtOnce);
  EXPECT_FALSE(left_->hover());
  EXPECT_EQ(GetCapture(), right_->handle());

  InjectMouse(0, {200, 100});  // the host's own area
  ASSERT_TRUE(PumpUntil([&] { return !right_->hover(); }, kWaitMs));
  EXPECT_EQ(GetCapture(), nullptr);
}

// A pointer move as the system delivers it to the button (sent, not injected), the point given
// in the host's client coordinates.
void MoveOver(const SkinButton& button, HWND host, POINT inHost, WPARAM keys = 0) {
  MapWindowPoints(host, button.handle(), &inHost, 1);
  SendMessageW(button.handle(), WM_MOUSEMOVE, keys, MAKELPARAM(inHost.x, inHost.y));
}

TEST_F(SkinInputTest, LosingTheCaptureOrTheFocusEndsHoverWithoutTakingTheCaptureBack) {
  left_ = MakeLookButton({10, 10, 60, 40});
  right_ = MakeLookButton({70, 10, 120, 40});
  MoveOver(*left_, host_->handle(), {30, 20});
  ASSERT_TRUE(left_->hover());
  EXPECT_EQ(GetCapture(), left_->handle());
  EXPECT_EQ(PrintClient(left_->handle()).At(5, 5), Rgb(kOver));
  // A menu, a dialog or another control takes the capture: it keeps it.
  SetCapture(right_->handle());
  EXPECT_FALSE(left_->hover());
  EXPECT_EQ(GetCapture(), right_->handle());
  EXPECT_EQ(PrintClient(left_->handle()).At(5, 5), Rgb(kNormal));
  ReleaseCapture();

  MoveOver(*left_, host_->handle(), {30, 20});
  ASSERT_TRUE(left_->hover());
  SendMessageW(left_->handle(), WM_KILLFOCUS, 0, 0);
  EXPECT_FALSE(left_->hover());
  ReleaseCapture();

  // A drag that began elsewhere shows no hover.
  MoveOver(*left_, host_->handle(), {30, 20}, MK_LBUTTON);
  EXPECT_FALSE(left_->hover());
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(SkinInputTest, APressWhileHoveringShowsTheDownLookAndClicks) {
  left_ = MakeLookButton({10, 10, 60, 40});
  MoveOver(*left_, host_->handle(), {30, 20});
  ASSERT_TRUE(left_->hover());
  SendMessageW(left_->handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  // The system button takes the capture again for the press: the hover stays.
  EXPECT_TRUE(left_->hover());
  EXPECT_EQ(GetCapture(), left_->handle());
  EXPECT_EQ(PrintClient(left_->handle()).At(5, 5), Rgb(kDown));
  SendMessageW(left_->handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  ASSERT_EQ(host_->commands.size(), 1u);
  EXPECT_EQ(host_->commands[0].lParam, reinterpret_cast<LPARAM>(left_->handle()));
  EXPECT_NE(GetCapture(), left_->handle());
}

TEST_F(SkinInputTest, TypingIntoANumbersOnlyFieldKeepsTheDigitsAndReportsEachChange) {
  BitmapEdit edit;
  ASSERT_TRUE(edit.Create(host_->handle(), {10, 60, 200, 80}));
  edit.SetNumbersOnly(true);
  SetFocus(edit.handle());
  ASSERT_EQ(GetFocus(), edit.handle());
  ASSERT_TRUE(WaitUntilThreadIdle(host_->handle())) << "the window never became idle";
  host_->recorded.clear();

  for (WORD key : {WORD{'A'}, WORD{'5'}, WORD{VK_NUMPAD1}, WORD{VK_UP}, WORD{'7'}}) InjectKey(key);
  // The framework's loop, until the field shows both digits (or the time is up).
  const ULONGLONG end = GetTickCount64() + kWaitMs;
  auto text = [&] {
    wchar_t buffer[32] = {};
    GetWindowTextW(edit.handle(), buffer, 32);
    return std::wstring(buffer);
  };
  SetTimer(host_->handle(), 1, 20, nullptr);  // keeps the loop waking up to check the time
  RunModalLoop([&] { return text().size() < 2 && GetTickCount64() < end; });
  KillTimer(host_->handle(), 1);
  PumpUntil([] { return false; }, 100);  // anything typed late would show now
  EXPECT_EQ(text(), L"57");
  EXPECT_EQ(host_->recorded, (std::vector<WPARAM>{kBitmapEditChanged, kBitmapEditChanged}));

  // Leaving the field.
  host_->recorded.clear();
  SetFocus(host_->handle());
  ASSERT_TRUE(PumpUntil([&] { return !host_->recorded.empty(); }, kWaitMs));
  EXPECT_EQ(host_->recorded, (std::vector<WPARAM>{kBitmapEditFocusLost}));
}

}  // namespace
