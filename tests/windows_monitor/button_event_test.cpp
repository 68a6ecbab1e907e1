// Presses of the simulated physical mouse reach the running monitor as button events with the
// right index and kind; input that other software injects does not.

#include <gtest/gtest.h>
#include <windows.h>

#include <utility>
#include <vector>

#include "base/wide.h"
#include "bridge/messages.h"
#include "kbhook/mouse_report.h"
#include "platform/module_folder.h"
#include "tests/windows_support/monitor_process.h"

namespace {

constexpr UINT kMsgSpiedButtonEvent = WM_APP + 25;
constexpr wchar_t kObserverTitle[] = L"GamingMouseMessageSpyObserver";

using Event = std::pair<int, int>;  // index, kind

// The test's window that the spy inside the monitor reports to.
class Observer {
 public:
  Observer() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"MessageSpyObserverWindow";
    RegisterClassW(&wc);
    window_ = CreateWindowExW(0, wc.lpszClassName, kObserverTitle, WS_POPUP, 0, 0, 10, 10, nullptr,
                              nullptr, wc.hInstance, nullptr);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  ~Observer() { DestroyWindow(window_); }
  std::vector<Event> events;

 private:
  static LRESULT CALLBACK Proc(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<Observer*>(GetWindowLongPtrW(w, GWLP_USERDATA));
    if (self != nullptr && message == kMsgSpiedButtonEvent) {
      self->events.emplace_back(static_cast<int>(wParam), static_cast<int>(lParam));
      return 0;
    }
    return DefWindowProcW(w, message, wParam, lParam);
  }
  HWND window_ = nullptr;
};

INPUT MouseInput(DWORD flags, DWORD data, ULONG_PTR extra) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  input.mi.mouseData = data;
  input.mi.dwExtraInfo = extra;
  return input;
}

class ButtonEventTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(monitor_.Start());
    spy_ = LoadLibraryW(Wide(ProgramFolder() + u"message_spy.dll"));
    ASSERT_NE(spy_, nullptr);
    auto proc = reinterpret_cast<HOOKPROC>(
        reinterpret_cast<void (*)()>(GetProcAddress(spy_, "SpyGetMessage")));
    ASSERT_NE(proc, nullptr);
    const DWORD thread = GetWindowThreadProcessId(monitor_.window(), nullptr);
    hook_ = SetWindowsHookExW(WH_GETMESSAGE, proc, spy_, thread);
    ASSERT_NE(hook_, nullptr);
    // The hook library's reports are sent: the monitor takes them without queueing them.
    auto sentProc = reinterpret_cast<HOOKPROC>(
        reinterpret_cast<void (*)()>(GetProcAddress(spy_, "SpySentMessage")));
    ASSERT_NE(sentProc, nullptr);
    sentHook_ = SetWindowsHookExW(WH_CALLWNDPROC, sentProc, spy_, thread);
    ASSERT_NE(sentHook_, nullptr);
    // A report posted straight to the window proves the spy is in place before any input.
    PostMessageW(monitor_.window(), kMsgMouseReport, 0x208, 0);
    ASSERT_TRUE(WaitForEvents(1)) << "the spy never reported";
    ASSERT_EQ(observer_.events[0], Event(2, 2));
    observer_.events.clear();
  }
  void TearDown() override {
    if (hook_ != nullptr) UnhookWindowsHookEx(hook_);
    if (sentHook_ != nullptr) UnhookWindowsHookEx(sentHook_);
    monitor_.Exit();
    if (spy_ != nullptr) FreeLibrary(spy_);
  }
  bool WaitForEvents(size_t count) {
    return PumpUntil([&] { return observer_.events.size() >= count; }, 10000);
  }

  MonitorProcess monitor_;
  Observer observer_;
  HMODULE spy_ = nullptr;
  HHOOK hook_ = nullptr;
  HHOOK sentHook_ = nullptr;
};

TEST_F(ButtonEventTest, SimulatedPressesArriveWithIndexAndKind) {
  const ULONG_PTR marker = kDeviceSimulationMarker;
  const struct {
    INPUT input;
    Event event;
  } rows[] = {
      {MouseInput(MOUSEEVENTF_LEFTDOWN, 0, marker), {0, 1}},
      {MouseInput(MOUSEEVENTF_LEFTUP, 0, marker), {0, 2}},
      {MouseInput(MOUSEEVENTF_RIGHTDOWN, 0, marker), {1, 1}},
      {MouseInput(MOUSEEVENTF_RIGHTUP, 0, marker), {1, 2}},
      {MouseInput(MOUSEEVENTF_MIDDLEDOWN, 0, marker), {2, 1}},
      {MouseInput(MOUSEEVENTF_MIDDLEUP, 0, marker), {2, 2}},
      {MouseInput(MOUSEEVENTF_XDOWN, XBUTTON1, marker), {3, 1}},
      {MouseInput(MOUSEEVENTF_XUP, XBUTTON1, marker), {3, 2}},
      {MouseInput(MOUSEEVENTF_XDOWN, XBUTTON2, marker), {4, 1}},
      {MouseInput(MOUSEEVENTF_XUP, XBUTTON2, marker), {4, 2}},
      {MouseInput(MOUSEEVENTF_WHEEL, WHEEL_DELTA, marker), {13, 3}},
      {MouseInput(MOUSEEVENTF_WHEEL, static_cast<DWORD>(-WHEEL_DELTA), marker), {14, 3}},
      {MouseInput(MOUSEEVENTF_WHEEL, 3 * WHEEL_DELTA, marker), {13, 3}},  // a fast turn forward
  };
  for (size_t i = 0; i < std::size(rows); ++i) {
    INPUT input = rows[i].input;
    ASSERT_EQ(SendInput(1, &input, sizeof input), 1u) << "row " << i;
    ASSERT_TRUE(WaitForEvents(i + 1)) << "row " << i << ": no button event";
    EXPECT_EQ(observer_.events[i], rows[i].event) << "row " << i;
  }
  // The event message answers 1; index 15 is no button, so nothing runs.
  EXPECT_EQ(SendMessageW(monitor_.window(), kMsgButtonEvent, 15, 1), 1);
}

TEST_F(ButtonEventTest, InputInjectedBySoftwareIsNotReported) {
  // Unmarked clicks and wheel turns (as the monitor's own actions inject them), then one marked
  // press: the first event the monitor sees must be the marked one.
  INPUT unmarked[] = {
      MouseInput(MOUSEEVENTF_RIGHTDOWN, 0, 0), MouseInput(MOUSEEVENTF_RIGHTUP, 0, 0),
      MouseInput(MOUSEEVENTF_WHEEL, WHEEL_DELTA, 0), MouseInput(MOUSEEVENTF_XDOWN, XBUTTON2, 0),
      MouseInput(MOUSEEVENTF_XUP, XBUTTON2, 0)};
  ASSERT_EQ(SendInput(std::size(unmarked), unmarked, sizeof(INPUT)), std::size(unmarked));
  INPUT marked = MouseInput(MOUSEEVENTF_MIDDLEDOWN, 0, kDeviceSimulationMarker);
  ASSERT_EQ(SendInput(1, &marked, sizeof marked), 1u);
  INPUT release = MouseInput(MOUSEEVENTF_MIDDLEUP, 0, kDeviceSimulationMarker);
  ASSERT_EQ(SendInput(1, &release, sizeof release), 1u);
  ASSERT_TRUE(WaitForEvents(2));
  PumpUntil([] { return false; }, 1000);  // time for a late, wrongly reported event to show
  EXPECT_EQ(observer_.events[0], Event(2, 1));
  EXPECT_EQ(observer_.events[1], Event(2, 2));
  EXPECT_EQ(observer_.events.size(), 2u);
}

}  // namespace

namespace {

TEST(MonitorKeyboardHook, F13CentresThePointer) {
  MonitorProcess monitor;
  ASSERT_TRUE(monitor.Start());
  const POINT centre{GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2};
  auto atCentre = [&] {
    POINT now{};
    GetCursorPos(&now);
    return now.x == centre.x && now.y == centre.y;
  };
  for (DWORD flags : {0ul, static_cast<unsigned long>(KEYEVENTF_KEYUP)}) {
    SetCursorPos(7, 9);
    ASSERT_FALSE(atCentre());
    INPUT key{};
    key.type = INPUT_KEYBOARD;
    key.ki.wVk = VK_F13;
    key.ki.dwFlags = flags;
    ASSERT_EQ(SendInput(1, &key, sizeof key), 1u);
    EXPECT_TRUE(PumpUntil(atCentre, 10000)) << (flags ? "release" : "press");
  }
  ASSERT_TRUE(monitor.Exit());
}

}  // namespace
