// The real input sink: what it injects arrives as the events the primitives meant, seen by
// low-level hooks of this test; pauses last at least as long as asked.

#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "input/win_input_values.h"
#include "platform/win32_input_sink.h"
#include "tests/windows_support/pump.h"

namespace {

struct SeenKey {
  DWORD vk, scan, flags;
};
struct SeenMouse {
  WPARAM message;
  DWORD data;
  ULONG_PTR extra;
};
std::vector<SeenKey> g_keys;
std::vector<SeenMouse> g_mice;

LRESULT CALLBACK KeyHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION) {
    const auto* k = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    g_keys.push_back({k->vkCode, k->scanCode, k->flags});
    return 1;  // the test's own keys go nowhere else
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK MouseHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && wParam != WM_MOUSEMOVE) {
    const auto* m = reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
    g_mice.push_back({wParam, m->mouseData, m->dwExtraInfo});
    return 1;
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

class InputSinkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_keys.clear();
    g_mice.clear();
    keyHook_ = SetWindowsHookExW(WH_KEYBOARD_LL, KeyHook, GetModuleHandleW(nullptr), 0);
    mouseHook_ = SetWindowsHookExW(WH_MOUSE_LL, MouseHook, GetModuleHandleW(nullptr), 0);
    ASSERT_NE(keyHook_, nullptr);
    ASSERT_NE(mouseHook_, nullptr);
  }
  void TearDown() override {
    UnhookWindowsHookEx(keyHook_);
    UnhookWindowsHookEx(mouseHook_);
  }
  Win32InputSink sink_{nullptr};
  HHOOK keyHook_ = nullptr;
  HHOOK mouseHook_ = nullptr;
};

TEST_F(InputSinkTest, KeysArriveWithScanCodeAndFlags) {
  const struct {
    uint8_t vk;
    uint16_t scan;
    uint32_t flags;
    DWORD hookFlags;  // LLKHF_* the hook must see besides LLKHF_INJECTED
  } rows[] = {
      {'A', 0x1E, 0, 0},
      {'A', 0x1E, kKeyEventKeyUp, LLKHF_UP},
      {kVkDelete, 0x53, kKeyEventExtendedKey, LLKHF_EXTENDED},
      {kVkDelete, 0x53, kKeyEventExtendedKey | kKeyEventKeyUp, LLKHF_EXTENDED | LLKHF_UP},
  };
  for (const auto& row : rows) sink_.SendKey(row.vk, row.scan, row.flags);
  const size_t expected = std::size(rows);
  ASSERT_TRUE(PumpUntil([expected] { return g_keys.size() >= expected; }, 10000));
  for (size_t i = 0; i < std::size(rows); ++i) {
    EXPECT_EQ(g_keys[i].vk, rows[i].vk) << "row " << i;
    EXPECT_EQ(g_keys[i].scan, rows[i].scan) << "row " << i;
    EXPECT_EQ(g_keys[i].flags & (LLKHF_UP | LLKHF_EXTENDED), rows[i].hookFlags) << "row " << i;
    EXPECT_NE(g_keys[i].flags & LLKHF_INJECTED, 0u) << "row " << i;
  }
}

TEST_F(InputSinkTest, MouseEventsCarryDataAndExtraInformation) {
  SetMessageExtraInfo(0x5A5A);
  sink_.SendMouse(kMouseEventXDown, kXButton2, MouseExtraInfo::kCurrentMessage);
  sink_.SendMouse(kMouseEventXUp, kXButton2, MouseExtraInfo::kZero);
  sink_.SendMouse(kMouseEventWheel, -kWheelDelta, MouseExtraInfo::kZero);
  ASSERT_TRUE(PumpUntil([] { return g_mice.size() >= 3; }, 10000));
  EXPECT_EQ(g_mice[0].message, static_cast<WPARAM>(WM_XBUTTONDOWN));
  EXPECT_EQ(HIWORD(g_mice[0].data), XBUTTON2);
  EXPECT_EQ(g_mice[0].extra, 0x5A5Au);
  EXPECT_EQ(g_mice[1].message, static_cast<WPARAM>(WM_XBUTTONUP));
  EXPECT_EQ(g_mice[1].extra, 0u);
  EXPECT_EQ(g_mice[2].message, static_cast<WPARAM>(WM_MOUSEWHEEL));
  EXPECT_EQ(static_cast<short>(HIWORD(g_mice[2].data)), -WHEEL_DELTA);
}

TEST(Win32KeyboardLayout, UsLayoutPositions) {
  Win32KeyboardLayout layout;
  EXPECT_EQ(layout.ScanCodeOf('A'), 0x1E);
  EXPECT_EQ(layout.ScanCodeOf(VK_RETURN), 0x1C);
  EXPECT_EQ(layout.VirtualKeyAt(0x1E), 'A');
  EXPECT_EQ(layout.VirtualKeyAt(0x2C), 'Z');
}

// Only the lower bound is checked: a pause never ends early; how much later it ends is a figure
// for the benchmarks, not a test.
TEST(Win32InputSinkSleep, NeverEndsEarly) {
  Win32InputSink sink(nullptr);
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  for (uint32_t ms : {1u, 2u, 5u, 20u}) {
    QueryPerformanceCounter(&start);
    sink.Sleep(ms);
    QueryPerformanceCounter(&end);
    const double elapsed = (end.QuadPart - start.QuadPart) * 1000.0 / frequency.QuadPart;
    EXPECT_GE(elapsed, ms - 0.5) << ms << " ms";
  }
}

}  // namespace
