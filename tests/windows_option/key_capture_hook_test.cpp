// The keyboard capture on its own, inside the test program: every key event reaches the target
// as a notice with its release flag and nothing else, one capture at a time, and keys flow
// normally again once it is removed. The hook sees the desktop's input, so this runs with the
// desktop locked like the rest of the program.

#include "option/buttons/key_capture_hook.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <utility>
#include <vector>

#include "bridge/device_simulation.h"
#include "tests/windows_support/pump.h"

namespace {

// A focused window that records capture notices and every keyboard message it gets.
class TargetWindow {
 public:
  TargetWindow() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = &TargetWindow::Proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"KeyCaptureHookTarget";
    RegisterClassW(&wc);
    window_ = CreateWindowExW(0, wc.lpszClassName, L"target", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 900,
                              500, 240, 160, nullptr, nullptr, wc.hInstance, nullptr);
    s_notices.clear();
    s_keyMessages = 0;
    SetForegroundWindow(window_);
    SetFocus(window_);
    PumpUntil([&] { return GetForegroundWindow() == window_; }, 5000);
  }
  ~TargetWindow() { DestroyWindow(window_); }

  HWND handle() const { return window_; }
  static inline std::vector<std::pair<WPARAM, LPARAM>> s_notices;
  static inline int s_keyMessages = 0;

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kMsgCapturedKey) s_notices.emplace_back(wParam, lParam);
    if (message >= WM_KEYFIRST && message <= WM_KEYLAST) ++s_keyMessages;
    return DefWindowProcW(window, message, wParam, lParam);
  }
  HWND window_ = nullptr;
};

// `physical`: marked as the physical keyboard's; otherwise as another program injects it.
void Inject(WORD virtualKey, bool release, bool physical = true) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = release ? KEYEVENTF_KEYUP : 0;
  // The physical keyboard's keys: the captures take no other injected key.
  input.ki.dwExtraInfo = physical ? kDeviceSimulationMarker : 0;
  SendInput(1, &input, sizeof input);
}

TEST(KeyCaptureHook, NoticesEveryEventAndSwallowsIt) {
  TargetWindow target;
  ASSERT_EQ(GetForegroundWindow(), target.handle());
  KeyCaptureHook hook;
  ASSERT_TRUE(hook.Install(target.handle()));
  KeyCaptureHook second;
  EXPECT_FALSE(second.Install(target.handle())) << "two captures at once";
  EXPECT_FALSE(hook.Install(target.handle()));

  Inject(VK_LSHIFT, false);
  Inject('A', false);
  Inject('A', true);
  Inject(VK_LSHIFT, true);
  ASSERT_TRUE(PumpUntil([] { return TargetWindow::s_notices.size() >= 4; }, 5000));
  PumpUntil([] { return false; }, 200);
  const std::vector<std::pair<WPARAM, LPARAM>> expected{
      {VK_LSHIFT, 0}, {'A', 0}, {'A', kCapturedKeyReleased}, {VK_LSHIFT, kCapturedKeyReleased}};
  EXPECT_EQ(TargetWindow::s_notices, expected);
  EXPECT_EQ(TargetWindow::s_keyMessages, 0) << "a captured key was also delivered";

  hook.Remove();
  EXPECT_FALSE(hook.installed());
  TargetWindow::s_notices.clear();
  Inject('B', false);
  Inject('B', true);
  EXPECT_TRUE(PumpUntil([] { return TargetWindow::s_keyMessages >= 2; }, 5000));
  EXPECT_TRUE(TargetWindow::s_notices.empty());

  // Once removed, another capture may start.
  EXPECT_TRUE(second.Install(target.handle()));
}

// The monitor's own keys pass through untaken, and a key held before the capture started goes
// up in the window that saw it go down.
TEST(KeyCaptureHook, TakesOnlyTheKeyboardsKeysAndLetsAKeyHeldBeforeGoUp) {
  TargetWindow target;
  ASSERT_EQ(GetForegroundWindow(), target.handle());
  Inject('C', false);
  ASSERT_TRUE(PumpUntil([] { return TargetWindow::s_keyMessages >= 1; }, 5000));
  KeyCaptureHook hook;
  ASSERT_TRUE(hook.Install(target.handle()));
  TargetWindow::s_keyMessages = 0;
  TargetWindow::s_notices.clear();

  Inject('D', false, /*physical=*/false);
  Inject('D', true, /*physical=*/false);
  Inject('C', true);
  // D's down, its character and its up, then C's up.
  EXPECT_TRUE(PumpUntil([] { return TargetWindow::s_keyMessages >= 4; }, 5000));
  PumpUntil([] { return false; }, 200);
  EXPECT_EQ(TargetWindow::s_keyMessages, 4);
  EXPECT_TRUE(TargetWindow::s_notices.empty());
}

}  // namespace
