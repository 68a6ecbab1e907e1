// KBHook.dll with input injected through SendInput. Input that carries the device-simulation
// marker stands in for the physical mouse; input without it is what other programs inject.
//
// Nothing here waits a fixed time. Every check waits (generously) for an event that must come.
// To show that something did NOT happen, the test injects an unmarked middle click after it: the
// library passes that click on, and input reaches windows in the order it was injected, so once
// the target window has the click, anything earlier that had passed would have arrived too. The
// library posts its reports before returning from the hook, and posted messages are retrieved
// before input messages, so by then every report for the earlier input is in the queue as well.
//
// Swallowing shows as a click that never reaches the window under the pointer. A second
// low-level hook would not show it: hooks installed later run first, before the library decides.

#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, whose types it uses.

#include <cstddef>
#include <cstdio>
#include <cwchar>
#include <functional>
#include <string>
#include <vector>

#include "kbhook/mouse_report.h"
#include "tests/windows_support/process_handles.h"

namespace {

constexpr ULONGLONG kWaitMs = 15000;  // only reached when something is wrong
constexpr RECT kTargetRect = {40, 40, 360, 280};
constexpr wchar_t kChildFlag[] = L"--kbhook-exit-while-hooked";
constexpr int kChildExitCode = 23;

using InstallFunction = BOOL (*)(HWND);
using RemoveFunction = BOOL (*)();
using EnableFunction = void (*)(int);

struct Report {
  HWND window;
  WPARAM wParam;
  LPARAM lParam;
};
std::vector<Report> g_reports;       // message 5121 as the report windows received it
std::vector<UINT> g_targetMessages;  // button and wheel messages of the window under the pointer
std::vector<POINT> g_targetMoves;    // client positions of its WM_MOUSEMOVE messages

template <typename Function>
Function Export(HMODULE library, const char* name) {
  // Through void*: FARPROC's own signature says nothing about the export's.
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

std::wstring OwnPath() {
  wchar_t path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  return std::wstring(path, length);
}

std::wstring OwnFolder() {
  const std::wstring path = OwnPath();
  return path.substr(0, path.find_last_of(L'\\') + 1);
}

LRESULT CALLBACK ReportWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kMsgMouseReport) {
    g_reports.push_back({window, wParam, lParam});
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK TargetWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message >= WM_LBUTTONDOWN && message <= WM_MOUSEHWHEEL) g_targetMessages.push_back(message);
  if (message == WM_MOUSEMOVE) {
    g_targetMoves.push_back(
        {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

bool RegisterTestClasses() {
  static const bool registered = [] {
    WNDCLASSW report = {};
    report.lpfnWndProc = ReportWindowProc;
    report.hInstance = GetModuleHandleW(nullptr);
    report.lpszClassName = L"KBHookTestReport";
    WNDCLASSW target = report;
    target.lpfnWndProc = TargetWindowProc;
    target.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    target.lpszClassName = L"KBHookTestTarget";
    return RegisterClassW(&report) != 0 && RegisterClassW(&target) != 0;
  }();
  return registered;
}

HWND CreateReportWindow() {
  return CreateWindowExW(0, L"KBHookTestReport", L"report", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                         nullptr, GetModuleHandleW(nullptr), nullptr);
}

// One window under the pointer for the whole process. It is never destroyed: under Wine without a
// window manager, destroying a shown window waits two seconds for X to confirm the unmapping.
HWND TargetWindow() {
  static const HWND window = CreateWindowExW(
      WS_EX_TOPMOST, L"KBHookTestTarget", L"target", WS_POPUP | WS_VISIBLE, kTargetRect.left,
      kTargetRect.top, kTargetRect.right - kTargetRect.left, kTargetRect.bottom - kTargetRect.top,
      nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  return window;
}

void PumpPending() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

bool PumpUntil(const std::function<bool()>& done) {
  const ULONGLONG deadline = GetTickCount64() + kWaitMs;
  for (;;) {
    PumpPending();
    if (done()) return true;
    if (GetTickCount64() >= deadline) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
  }
}

INPUT Mouse(DWORD flags, DWORD data, ULONG_PTR extraInfo) {
  INPUT input = {};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  input.mi.mouseData = data;
  input.mi.dwExtraInfo = extraInfo;
  return input;
}

void Inject(std::vector<INPUT> inputs) {
  const UINT sent = SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  ASSERT_EQ(sent, inputs.size()) << "SendInput, error " << GetLastError();
}

// One physical control: its SendInput flags and what the library must report for it.
struct Control {
  const char* name;
  DWORD downFlag;
  DWORD upFlag;  // 0 for a wheel notch, which is a single event
  DWORD data;
  UINT downMessage;
  UINT upMessage;
  LPARAM reported;
};

constexpr DWORD kForward = WHEEL_DELTA;
constexpr DWORD kBackward = static_cast<DWORD>(-WHEEL_DELTA);
const Control kControls[] = {
    {"left", MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, 0, WM_LBUTTONDOWN, WM_LBUTTONUP, 0},
    {"right", MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP, 0, WM_RBUTTONDOWN, WM_RBUTTONUP, 0},
    {"middle", MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_MIDDLEUP, 0, WM_MBUTTONDOWN, WM_MBUTTONUP, 0},
    {"X1", MOUSEEVENTF_XDOWN, MOUSEEVENTF_XUP, XBUTTON1, WM_XBUTTONDOWN, WM_XBUTTONUP, 1},
    {"X2", MOUSEEVENTF_XDOWN, MOUSEEVENTF_XUP, XBUTTON2, WM_XBUTTONDOWN, WM_XBUTTONUP, 2},
    {"wheel forward", MOUSEEVENTF_WHEEL, 0, kForward, WM_MOUSEWHEEL, 0, WHEEL_DELTA},
    {"wheel backward", MOUSEEVENTF_WHEEL, 0, kBackward, WM_MOUSEWHEEL, 0, -WHEEL_DELTA},
    // Beyond 255 the delta would reach the top eight bits if it were sent in the high word. Whole
    // notches are reported; the rest waits for the next turn the same way.
    {"wheel far forward", MOUSEEVENTF_WHEEL, 0, 0x7FFF, WM_MOUSEWHEEL, 0, 0x7FFF / 120 * 120},
};

void InjectControl(const Control& control, ULONG_PTR extraInfo) {
  std::vector<INPUT> inputs = {Mouse(control.downFlag, control.data, extraInfo)};
  if (control.upFlag != 0) inputs.push_back(Mouse(control.upFlag, control.data, extraInfo));
  Inject(inputs);
}

std::vector<UINT> MessagesOf(const Control& control) {
  if (control.upFlag == 0) return {control.downMessage};
  return {control.downMessage, control.upMessage};
}

std::vector<Report> ReportsOf(const Control& control, HWND window) {
  if (control.upFlag == 0) return {{window, control.downMessage, control.reported}};
  return {{window, control.downMessage, control.reported},
          {window, control.upMessage, control.reported}};
}

std::string Describe(const std::vector<Report>& reports) {
  std::string text;
  char item[64];
  for (const Report& r : reports) {
    snprintf(item, sizeof item, " {%p %#llx %lld}", static_cast<void*>(r.window),
             static_cast<unsigned long long>(r.wParam), static_cast<long long>(r.lParam));
    text += item;
  }
  return text.empty() ? " none" : text;
}

std::string Describe(const std::vector<UINT>& messages) {
  std::string text;
  for (UINT m : messages) text += " " + std::to_string(m);
  return text.empty() ? " none" : text;
}

// Names the first report that differs from the expected list.
void ExpectReports(const std::vector<Report>& expected, const std::string& name) {
  for (size_t i = 0; i < expected.size() || i < g_reports.size(); ++i) {
    if (i >= g_reports.size() || i >= expected.size() ||
        g_reports[i].window != expected[i].window || g_reports[i].wParam != expected[i].wParam ||
        g_reports[i].lParam != expected[i].lParam) {
      ADD_FAILURE() << name << ": report " << i << " differs; expected" << Describe(expected)
                    << ", received" << Describe(g_reports);
      return;
    }
  }
}

int CountOwnThreads() {
  return CountThreadsOf(GetCurrentProcessId());
}

DWORD CountOwnHandles() {
  return CountHandlesOf(GetCurrentProcessId());
}

class KBHookTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(RegisterTestClasses());
    library_ = LoadLibraryW((OwnFolder() + L"KBHook.dll").c_str());
    ASSERT_NE(library_, nullptr) << "KBHook.dll beside the test program";
    install_ = Export<InstallFunction>(library_, "installmousehook");
    remove_ = Export<RemoveFunction>(library_, "removemousehook");
    enable_ = Export<EnableFunction>(library_, "enablemousehook");
    ASSERT_TRUE(install_ && remove_ && enable_);

    report_ = CreateReportWindow();
    ASSERT_NE(report_, nullptr);
    target_ = TargetWindow();
    ASSERT_NE(target_, nullptr);
    SetForegroundWindow(target_);
    SetFocus(target_);  // the wheel goes to the focus window, not to the one under the pointer
    SetCursorPos((kTargetRect.left + kTargetRect.right) / 2,
                 (kTargetRect.top + kTargetRect.bottom) / 2);
    UpdateWindow(target_);
    PumpPending();
    ClearLogs();
  }

  // Without our own reference the library may already be gone, with the hook thread's.
  void TearDown() override {
    if (library_ && remove_) remove_();
    if (report_) DestroyWindow(report_);
    PumpPending();
    if (library_) FreeLibrary(library_);
  }

  void InstallReporting() {
    enable_(1);
    ASSERT_TRUE(install_(report_));
  }

  static void ClearLogs() {
    g_reports.clear();
    g_targetMessages.clear();
    g_targetMoves.clear();
  }

  // Injects a click that no one swallows and waits for it: afterwards the target's log holds what
  // reached it before, and every report for earlier input has been received.
  static void SettleInput() {
    Inject({Mouse(MOUSEEVENTF_MIDDLEDOWN, 0, 0), Mouse(MOUSEEVENTF_MIDDLEUP, 0, 0)});
    const bool arrived = PumpUntil([] {
      const size_t n = g_targetMessages.size();
      return n >= 2 && g_targetMessages[n - 2] == WM_MBUTTONDOWN &&
             g_targetMessages[n - 1] == WM_MBUTTONUP;
    });
    ASSERT_TRUE(arrived) << "the unmarked middle click never reached the window under the pointer;"
                         << " received" << Describe(g_targetMessages);
    g_targetMessages.resize(g_targetMessages.size() - 2);
    PumpPending();
  }

  HMODULE library_ = nullptr;
  InstallFunction install_ = nullptr;
  RemoveFunction remove_ = nullptr;
  EnableFunction enable_ = nullptr;
  HWND report_ = nullptr;
  HWND target_ = nullptr;
};

TEST_F(KBHookTest, MarkedButtonsAndWheelAreReportedExactlyAndSwallowed) {
  InstallReporting();
  for (const Control& control : kControls) {
    ClearLogs();
    InjectControl(control, kDeviceSimulationMarker);
    ASSERT_NO_FATAL_FAILURE(SettleInput());
    ExpectReports(ReportsOf(control, report_), control.name);
    EXPECT_EQ(g_targetMessages, std::vector<UINT>()) << control.name << " reached the window";
  }
}

// A wheel with fine steps: four quarter steps make one notch, and none of them reaches the window.
TEST_F(KBHookTest, FineWheelStepsAreReportedAsOneNotch) {
  InstallReporting();
  ClearLogs();
  for (int step = 0; step < 4; ++step) {
    Inject({Mouse(MOUSEEVENTF_WHEEL, WHEEL_DELTA / 4, kDeviceSimulationMarker)});
  }
  ASSERT_NO_FATAL_FAILURE(SettleInput());
  ExpectReports({{report_, WM_MOUSEWHEEL, WHEEL_DELTA}}, "four quarter steps");
  EXPECT_EQ(g_targetMessages, std::vector<UINT>()) << "a step reached the window";
}

TEST_F(KBHookTest, UnmarkedInjectedInputPassesUnreported) {
  InstallReporting();
  for (const Control& control : kControls) {
    ClearLogs();
    InjectControl(control, 0);
    const std::vector<UINT> expected = MessagesOf(control);
    ASSERT_TRUE(PumpUntil([&] { return g_targetMessages.size() >= expected.size(); }))
        << control.name << " never reached the window";
    PumpPending();
    EXPECT_EQ(g_targetMessages, expected) << control.name;
    ExpectReports({}, control.name);
  }
}

// A swallowed move would never reach the window, so the window's WM_MOUSEMOVE at the new position
// is the proof. GetCursorPos is no proof under Wine: the X server's answer to SetCursorPos may
// arrive late and put the pointer back where SetUp left it.
TEST_F(KBHookTest, MarkedMovementPassesUnreported) {
  InstallReporting();
  const POINT targets[] = {{100, 90}, {200, 150}, {150, 200}};
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  for (const POINT& point : targets) {
    ClearLogs();
    const DWORD x = static_cast<DWORD>((point.x * 65536 + width / 2) / width);
    const DWORD y = static_cast<DWORD>((point.y * 65536 + height / 2) / height);
    INPUT move = Mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, 0, kDeviceSimulationMarker);
    move.mi.dx = static_cast<LONG>(x);
    move.mi.dy = static_cast<LONG>(y);
    Inject({move});
    const POINT client = {point.x - kTargetRect.left, point.y - kTargetRect.top};
    const bool moved = PumpUntil([&] {
      for (const POINT& p : g_targetMoves) {
        if (p.x == client.x && p.y == client.y) return true;
      }
      return false;
    });
    POINT cursor = {};
    GetCursorPos(&cursor);
    EXPECT_TRUE(moved) << "no move to " << point.x << "," << point.y << " reached the window;"
                       << " the pointer is at " << cursor.x << "," << cursor.y;
    ASSERT_NO_FATAL_FAILURE(SettleInput());
    ExpectReports({}, "move");
  }
}

TEST_F(KBHookTest, ReportingSwitchedOffPassesEverythingUntilSwitchedOn) {
  InstallReporting();
  enable_(0);
  for (const Control& control : kControls) {
    ClearLogs();
    InjectControl(control, kDeviceSimulationMarker);
    const std::vector<UINT> expected = MessagesOf(control);
    ASSERT_TRUE(PumpUntil([&] { return g_targetMessages.size() >= expected.size(); }))
        << control.name << " was swallowed with reporting off";
    PumpPending();
    EXPECT_EQ(g_targetMessages, expected) << control.name;
    ExpectReports({}, std::string(control.name) + " with reporting off");
  }

  enable_(1);
  ClearLogs();
  InjectControl(kControls[0], kDeviceSimulationMarker);
  ASSERT_NO_FATAL_FAILURE(SettleInput());
  ExpectReports(ReportsOf(kControls[0], report_), "left after switching on again");
  EXPECT_EQ(g_targetMessages, std::vector<UINT>());
}

TEST_F(KBHookTest, NothingIsReportedAfterRemove) {
  InstallReporting();
  InjectControl(kControls[3], kDeviceSimulationMarker);
  ASSERT_NO_FATAL_FAILURE(SettleInput());
  ExpectReports(ReportsOf(kControls[3], report_), "X1 while installed");

  // Input injected just before the removal may or may not be reported, but nothing after it.
  InjectControl(kControls[0], kDeviceSimulationMarker);
  EXPECT_TRUE(remove_());
  PumpPending();
  ClearLogs();
  for (const Control& control : kControls) {
    InjectControl(control, kDeviceSimulationMarker);
    ASSERT_NO_FATAL_FAILURE(SettleInput());
    EXPECT_EQ(g_targetMessages, MessagesOf(control)) << control.name << " after remove";
    ExpectReports({}, std::string(control.name) + " after remove");
    ClearLogs();
  }
}

TEST_F(KBHookTest, DestroyedReportWindowLetsEverythingThrough) {
  InstallReporting();
  ASSERT_TRUE(DestroyWindow(report_));
  report_ = nullptr;
  for (const Control& control : kControls) {
    ClearLogs();
    InjectControl(control, kDeviceSimulationMarker);
    ASSERT_NO_FATAL_FAILURE(SettleInput());
    EXPECT_EQ(g_targetMessages, MessagesOf(control)) << control.name << " without a report window";
    ExpectReports({}, control.name);
  }
}

TEST_F(KBHookTest, SecondInstallMovesReportsWithoutASecondHook) {
  InstallReporting();
  const int threadsWithHook = CountOwnThreads();
  const HWND second = CreateReportWindow();
  ASSERT_NE(second, nullptr);
  EXPECT_TRUE(install_(second));
  EXPECT_EQ(CountOwnThreads(), threadsWithHook);

  InjectControl(kControls[4], kDeviceSimulationMarker);
  ASSERT_NO_FATAL_FAILURE(SettleInput());
  ExpectReports(ReportsOf(kControls[4], second), "X2 after the second install");
  EXPECT_EQ(g_targetMessages, std::vector<UINT>());

  // One remove ends the one hook.
  EXPECT_TRUE(remove_());
  ClearLogs();
  InjectControl(kControls[0], kDeviceSimulationMarker);
  ASSERT_NO_FATAL_FAILURE(SettleInput());
  EXPECT_EQ(g_targetMessages, MessagesOf(kControls[0]));
  ExpectReports({}, "left after one remove");
  DestroyWindow(second);
}

TEST_F(KBHookTest, RemoveIsHarmlessWithoutInstallAndTwice) {
  EXPECT_TRUE(remove_());
  EXPECT_TRUE(remove_());
  InstallReporting();
  EXPECT_TRUE(remove_());
  EXPECT_TRUE(remove_());

  InstallReporting();
  InjectControl(kControls[1], kDeviceSimulationMarker);
  ASSERT_NO_FATAL_FAILURE(SettleInput());
  ExpectReports(ReportsOf(kControls[1], report_), "right after reinstalling");
}

// Every count is taken before the first assertion: a failing GoogleTest assertion starts a
// thread of GoogleTest's own, with handles, which would blur the later counts.
TEST_F(KBHookTest, RepeatedInstallAndRemoveLeaveThreadsAndHandlesAsTheyWere) {
  enable_(1);
  // One round first: the system may set up per-process state for the first hook.
  const BOOL warmUp = install_(report_);
  remove_();

  const int threadsBefore = CountOwnThreads();
  const DWORD handlesBefore = CountOwnHandles();

  // The counters must be able to see what a leak would add: the running hook thread, and one
  // more handle.
  const BOOL installed = install_(report_);
  const int threadsHooked = CountOwnThreads();
  const DWORD handlesHooked = CountOwnHandles();
  remove_();
  const HANDLE probe = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  const DWORD handlesWithProbe = CountOwnHandles();
  CloseHandle(probe);

  int failedRound = -1;
  for (int round = 0; round < 50 && failedRound < 0; ++round) {
    if (!install_(report_) || !remove_()) failedRound = round;
  }
  const int threadsAfter = CountOwnThreads();
  const DWORD handlesAfter = CountOwnHandles();

  printf("threads %d, hooked %d, after 50 rounds %d; handles %lu, hooked %lu, after %lu\n",
         threadsBefore, threadsHooked, threadsAfter, handlesBefore, handlesHooked, handlesAfter);
  RecordProperty("threads", std::to_string(threadsBefore) + " -> " + std::to_string(threadsAfter));
  RecordProperty("handles", std::to_string(handlesBefore) + " -> " + std::to_string(handlesAfter));
  ASSERT_TRUE(warmUp && installed);
  EXPECT_EQ(failedRound, -1);
  ASSERT_GT(threadsBefore, 0);
  ASSERT_GT(handlesBefore, 0u);
  EXPECT_EQ(threadsHooked, threadsBefore + 1) << "the hook thread";
  EXPECT_GT(handlesHooked, handlesBefore) << "at least the hook thread's handle";
  EXPECT_EQ(handlesWithProbe, handlesBefore + 1) << "a probe handle";
  EXPECT_EQ(threadsAfter, threadsBefore);
  EXPECT_EQ(handlesAfter, handlesBefore);

  // Still working afterwards.
  ASSERT_TRUE(install_(report_));
  InjectControl(kControls[0], kDeviceSimulationMarker);
  ASSERT_NO_FATAL_FAILURE(SettleInput());
  ExpectReports(ReportsOf(kControls[0], report_), "left after 50 rounds");
}

// A host that frees the library while hooked must not pull the code from under the hook thread:
// the library stays loaded and keeps reporting until removemousehook, then unloads normally.
TEST_F(KBHookTest, FreeingTheLibraryWhileHookedKeepsItUntilRemoved) {
  InstallReporting();
  const HMODULE loaded = library_;
  ASSERT_TRUE(FreeLibrary(library_));
  library_ = nullptr;
  EXPECT_EQ(GetModuleHandleW(L"KBHook.dll"), loaded);

  InjectControl(kControls[0], kDeviceSimulationMarker);
  ASSERT_NO_FATAL_FAILURE(SettleInput());
  ExpectReports(ReportsOf(kControls[0], report_), "left after FreeLibrary");

  library_ = LoadLibraryW((OwnFolder() + L"KBHook.dll").c_str());
  ASSERT_EQ(library_, loaded);
  EXPECT_TRUE(remove_());
  ASSERT_TRUE(FreeLibrary(library_));
  library_ = nullptr;
  remove_ = nullptr;
  EXPECT_EQ(GetModuleHandleW(L"KBHook.dll"), nullptr) << "the hook thread kept its reference";
}

// The monitor may end without removing the hook. A child copy of this program hooks, proves the
// hook works, and exits; a crash or a hang in the library's detach would show in its exit.
TEST(KBHookProcess, ExitWhileHookedEndsCleanly) {
  std::wstring commandLine = L"\"" + OwnPath() + L"\" " + kChildFlag;
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  ASSERT_TRUE(CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                             nullptr, &startup, &process))
      << GetLastError();
  const DWORD waited = WaitForSingleObject(process.hProcess, 60000);
  DWORD exitCode = 0;
  GetExitCodeProcess(process.hProcess, &exitCode);
  if (waited != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  ASSERT_EQ(waited, WAIT_OBJECT_0) << "the child did not end";
  EXPECT_EQ(exitCode, static_cast<DWORD>(kChildExitCode)) << std::hex << exitCode;
}

// The child's part, run before GoogleTest starts when the flag is on the command line. It exits
// with a code of its own only when the hook reported a marked click.
int RunExitWhileHookedChild() {
  if (wcsstr(GetCommandLineW(), kChildFlag) == nullptr) return 0;
  if (!RegisterTestClasses()) ExitProcess(1);
  const HWND window = CreateReportWindow();
  const HMODULE library = LoadLibraryW((OwnFolder() + L"KBHook.dll").c_str());
  if (window == nullptr || library == nullptr) ExitProcess(2);
  auto install = Export<InstallFunction>(library, "installmousehook");
  auto enable = Export<EnableFunction>(library, "enablemousehook");
  if (install == nullptr || enable == nullptr) ExitProcess(3);
  enable(1);
  if (!install(window)) ExitProcess(4);
  INPUT inputs[] = {Mouse(MOUSEEVENTF_XDOWN, XBUTTON2, kDeviceSimulationMarker),
                    Mouse(MOUSEEVENTF_XUP, XBUTTON2, kDeviceSimulationMarker)};
  SendInput(2, inputs, sizeof(INPUT));
  if (!PumpUntil([] { return g_reports.size() >= 2; })) ExitProcess(5);
  ExitProcess(kChildExitCode);
}

const int g_childResult = RunExitWhileHookedChild();

}  // namespace
