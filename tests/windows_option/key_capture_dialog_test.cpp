// The key-combination and single-key dialogs as a user meets them: chosen from the function menu
// of a running Option.exe, keys typed with injected input while a window of the test holds the
// focus (the capture takes them, so that window sees none), toggles and buttons clicked at their
// places in the installed skin description, and the result checked in the slot file, on the
// button row and, with a running monitor, in what the monitor types for the button.

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "base/wide.h"
#include "bridge/device_simulation.h"
#include "lang/string_ids.h"
#include "settings/language_strings.h"
#include "settings/profile_defaults.h"
#include "skin/button_look.h"
#include "skin/button_pos.h"
#include "skin/skin_button_caption.h"
#include "tests/support/temp_dir.h"
#include "tests/windows_option/configurator_steps.h"
#include "tests/windows_option/option_process.h"
#include "tests/windows_support/injection_observer.h"
#include "tests/windows_support/monitor_process.h"
#include "tests/windows_support/pump.h"

namespace {

namespace fs = std::filesystem;

constexpr wchar_t kDialogTitle[] = L"Q.MORA Shortcut Dialog";
// Root entries of the function menu.
constexpr int kSingleKeyEntry = 7;
constexpr int kKeyCombinationEntry = 8;
// Keys of both dialogs' skin descriptions.
constexpr int kConfirmKey = 2, kCancelKey = 3, kCloseMarkKey = 4, kNoModifiersKey = 5, kCtrlKey = 6;
constexpr int kKeyFieldId = 4010;
constexpr int kRow = 3;  // the first extra button

HWND OpenDialog() {
  HWND dialog = FindWindowW(nullptr, kDialogTitle);
  return dialog != nullptr && IsWindowVisible(dialog) ? dialog : nullptr;
}

bool WaitForDialog() {
  return PumpUntil([] { return OpenDialog() != nullptr; }, kWaitMs);
}

bool WaitForDialogGone() {
  return PumpUntil([] { return OpenDialog() == nullptr; }, kWaitMs);
}

std::wstring KeyFieldText() {
  HWND field = GetDlgItem(OpenDialog(), kKeyFieldId);
  if (field == nullptr) return L"<no field>";
  // A control of another process answers only WM_GETTEXT itself; GetWindowTextW would not ask.
  wchar_t text[64] = {};
  DWORD_PTR copied = 0;
  if (SendMessageTimeoutW(field, WM_GETTEXT, 64, reinterpret_cast<LPARAM>(text), SMTO_NORMAL,
                          kWaitMs, &copied) == 0) {
    return L"<no answer>";
  }
  return text;
}

::testing::AssertionResult FieldShows(const std::wstring& text) {
  if (PumpUntil([&] { return KeyFieldText() == text; }, kWaitMs)) {
    return ::testing::AssertionSuccess();
  }
  const std::wstring shown = KeyFieldText();
  return ::testing::AssertionFailure()
         << "the key field shows " << shown.size()
         << " characters: " << std::string(shown.begin(), shown.end());
}

// A click at a control of the open dialog, handled before the next step.
void ClickDialogControl(const OptionProcess& option, const char* skinFile, int key) {
  wchar_t value[4096] = {};
  const std::wstring ini = (option.folder() / "skins" / skinFile).wstring();
  GetPrivateProfileStringW(L"BUTTONPOS", std::to_wstring(key).c_str(), L"", value, 4096,
                           ini.c_str());
  const ButtonPosEntry entry = ParseButtonPos(FromWide(value));
  const RECT rect = OnScreen(OpenDialog(), RECT{entry.left, entry.top, entry.right, entry.bottom});
  ClickAt(POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
  ASSERT_TRUE(option.WaitUntilIdle());
}

void InjectKey(WORD virtualKey, bool release) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = release ? KEYEVENTF_KEYUP : 0;
  // The physical keyboard's keys: the captures take no other injected key.
  input.ki.dwExtraInfo = kDeviceSimulationMarker;
  SendInput(1, &input, sizeof input);
  PumpUntil([] { return false; }, 30);
}

void TypeKey(WORD virtualKey) {
  InjectKey(virtualKey, false);
  InjectKey(virtualKey, true);
}

// A window of the test holding the keyboard focus; it counts every keyboard message it gets.
class FocusWindow {
 public:
  FocusWindow() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = &FocusWindow::Proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"KeyCaptureTestFocus";
    RegisterClassW(&wc);
    // Away from the dialog and the main window, and from where the pointer is parked.
    window_ = CreateWindowExW(0, wc.lpszClassName, L"focus", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 980,
                              560, 240, 160, nullptr, nullptr, wc.hInstance, nullptr);
    s_keyMessages = 0;
  }
  ~FocusWindow() { DestroyWindow(window_); }

  // True once the window is the foreground window with the focus.
  bool TakeFocus() const {
    SetForegroundWindow(window_);
    SetFocus(window_);
    return PumpUntil([&] { return GetForegroundWindow() == window_; }, kWaitMs);
  }
  int keyMessages() const { return s_keyMessages; }
  void Clear() const { s_keyMessages = 0; }

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message >= WM_KEYFIRST && message <= WM_KEYLAST) ++s_keyMessages;
    return DefWindowProcW(window, message, wParam, lParam);
  }
  static inline int s_keyMessages = 0;
  HWND window_ = nullptr;
};

// Pixels that differ between the row on screen and the row's picture with `caption` drawn as
// the selected row draws it.
size_t RowDifference(const OptionProcess& option, int row, const Text& caption) {
  const RECT rect = MainControlRect(option.folder(), kFirstRowKey + row);
  ScreenPixels expected = PictureRect(option.folder() / "skins" / "main_down.bmp", rect);
  const int width = expected.width, height = expected.height;
  if (expected.bytes.empty()) return SIZE_MAX;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  // Drawn on a bitmap compatible with the screen, as the button composes its look: GDI+ smooths
  // text differently on a device-independent one.
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP canvas = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(memory, canvas);
  SetDIBits(memory, canvas, 0, height, expected.bytes.data(), &info, DIB_RGB_COLORS);
  const CaptionLayout layout = LayoutCaption(1, PixelRect{0, 0, width, height});
  DrawGdiplusCaption(memory, caption, layout, 12.0f, 0xFF000000);
  SelectObject(memory, old);
  GetDIBits(memory, canvas, 0, height, expected.bytes.data(), &info, DIB_RGB_COLORS);
  DeleteObject(canvas);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);

  const ScreenPixels shown = CaptureScreen(OnScreen(option.window(), rect));
  if (shown.bytes.size() != expected.bytes.size()) return SIZE_MAX;
  size_t differing = 0;
  for (size_t i = 0; i < shown.bytes.size(); i += 4) {
    if (memcmp(&shown.bytes[i], &expected.bytes[i], 3) != 0) ++differing;
  }
  return differing;
}

// The row shows `caption`, and a caption one key away would not match as well.
void ExpectRowCaption(const OptionProcess& option, int row, const Text& caption,
                      const Text& other) {
  ParkPointer();
  ASSERT_TRUE(option.WaitUntilIdle());
  const size_t right = RowDifference(option, row, caption);
  const size_t wrong = RowDifference(option, row, other);
  EXPECT_LE(right, 2u) << "pixels differing from the expected caption";
  EXPECT_GT(wrong, right + 10) << "the comparison cannot tell the captions apart";
}

class KeyCaptureDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    LayOutConfigurator(dir_.path());
    WriteCatalogue(dir_.path(), 0, 1, u"Keys");
    LoadLanguageLibrary(Folder(dir_.path()));
  }
  void TearDown() override {
    ParkPointer();
    FreeLanguageLibrary();
  }

  TempDir dir_;
};

TEST_F(KeyCaptureDialogTest, CombinationTypedAsAChordReachesTheSlotFileAndTheRow) {
  OptionProcess option(dir_.path());
  ASSERT_TRUE(option.Start());
  FocusWindow focus;
  ASSERT_TRUE(ChooseFunction(option, kRow, kKeyCombinationEntry));
  ASSERT_TRUE(WaitForDialog());
  ASSERT_TRUE(option.WaitUntilIdle());
  EXPECT_EQ(KeyFieldText(), L"");  // the button held no key
  RECT main{}, shown{};
  GetWindowRect(option.window(), &main);
  GetWindowRect(OpenDialog(), &shown);
  EXPECT_NEAR((shown.left + shown.right) / 2, (main.left + main.right) / 2, 1);
  EXPECT_NEAR((shown.top + shown.bottom) / 2, (main.top + main.bottom) / 2, 1);

  ASSERT_TRUE(focus.TakeFocus());
  focus.Clear();
  // Ctrl alone is a key; typed as a chord, the key pressed last is captured and the Ctrl held
  // with it turns its toggle on, although Ctrl is released last.
  TypeKey(VK_LCONTROL);
  EXPECT_TRUE(FieldShows(Wide(LanguageString(IDS_KEY_LEFT_CTRL))));
  InjectKey(VK_LCONTROL, false);
  TypeKey('A');
  InjectKey(VK_LCONTROL, true);
  EXPECT_TRUE(FieldShows(L"A"));
  EXPECT_EQ(focus.keyMessages(), 0) << "a captured key reached the window with the focus";
  ASSERT_TRUE(option.WaitUntilIdle());
  RECT dialog{};
  GetWindowRect(OpenDialog(), &dialog);
  ParkPointer();
  ASSERT_TRUE(option.WaitUntilIdle());
  EXPECT_FALSE(SaveScreenPicture(dialog, "option_key_combination_dialog").empty());
  ClickDialogControl(option, "skin_shortcut.ini", kConfirmKey);
  ASSERT_TRUE(WaitForDialogGone());

  // The capture ended with the dialog: keys reach the focus again.
  ASSERT_TRUE(focus.TakeFocus());
  TypeKey('B');
  EXPECT_TRUE(PumpUntil([&] { return focus.keyMessages() >= 2; }, kWaitMs));

  ExpectRowCaption(option, kRow, u"Ctrl+A", u"Ctrl+Q");
  ClickControl(option.window(), dir_.path(), kApplyKey);
  ASSERT_TRUE(option.WaitUntilIdle());
  const auto slot = ReadSlot(dir_.path(), 0);
  const ButtonAssignment& assigned = slot->MacroKeyInfo[kRow];
  EXPECT_EQ(assigned.functionCode, 5);
  EXPECT_EQ(assigned.eventCount, 1);
  EXPECT_EQ(assigned.events[0].code, 4);
  EXPECT_EQ(assigned.events[0].action, 0x02);
}

TEST_F(KeyCaptureDialogTest, SingleKeyTakesEnterAndEscapeWithoutClosing) {
  OptionProcess option(dir_.path());
  ASSERT_TRUE(option.Start());
  ASSERT_TRUE(ChooseFunction(option, kRow, kSingleKeyEntry));
  ASSERT_TRUE(WaitForDialog());
  ASSERT_TRUE(option.WaitUntilIdle());

  TypeKey(VK_RETURN);
  EXPECT_TRUE(FieldShows(L"Enter"));
  TypeKey(VK_ESCAPE);
  EXPECT_TRUE(FieldShows(L"Esc"));
  ASSERT_TRUE(option.WaitUntilIdle());
  ASSERT_NE(OpenDialog(), nullptr) << "Enter or Escape closed the dialog";

  ClickDialogControl(option, "skin_single_key.ini", kNoModifiersKey);
  // With no modifiers chosen the Ctrl toggle is locked: this click changes nothing.
  ClickDialogControl(option, "skin_single_key.ini", kCtrlKey);
  ASSERT_TRUE(option.WaitUntilIdle());
  RECT dialog{};
  GetWindowRect(OpenDialog(), &dialog);
  ParkPointer();
  ASSERT_TRUE(option.WaitUntilIdle());
  EXPECT_FALSE(SaveScreenPicture(dialog, "option_single_key_dialog").empty());
  ClickDialogControl(option, "skin_single_key.ini", kNoModifiersKey);
  ClickDialogControl(option, "skin_single_key.ini", kConfirmKey);
  ASSERT_TRUE(WaitForDialogGone());

  ExpectRowCaption(option, kRow, u"Esc", u"Enter");
  ClickControl(option.window(), dir_.path(), kApplyKey);
  ASSERT_TRUE(option.WaitUntilIdle());
  const auto slot = ReadSlot(dir_.path(), 0);
  const ButtonAssignment& assigned = slot->MacroKeyInfo[kRow];
  EXPECT_EQ(assigned.functionCode, 45);
  EXPECT_EQ(assigned.eventCount, 1);
  EXPECT_EQ(assigned.events[0].code, 41);
  EXPECT_EQ(assigned.events[0].action, 0x00);  // no toggle on: the locked Ctrl stayed off
}

TEST_F(KeyCaptureDialogTest, CancelAndTheCloseMarkChangeNothing) {
  OptionProcess option(dir_.path());
  ASSERT_TRUE(option.Start());
  const auto before = ReadSlot(dir_.path(), 0);
  for (int key : {kCancelKey, kCloseMarkKey}) {
    SCOPED_TRACE("closed by key " + std::to_string(key));
    ASSERT_TRUE(ChooseFunction(option, kRow, kKeyCombinationEntry));
    ASSERT_TRUE(WaitForDialog());
    ASSERT_TRUE(option.WaitUntilIdle());
    TypeKey('A');
    EXPECT_TRUE(FieldShows(L"A"));
    ClickDialogControl(option, "skin_shortcut.ini", kCtrlKey);
    ClickDialogControl(option, "skin_shortcut.ini", key);
    ASSERT_TRUE(WaitForDialogGone());
  }
  // The row keeps its label: the default of the first extra button.
  ClickControl(option.window(), dir_.path(), kApplyKey);
  ASSERT_TRUE(option.WaitUntilIdle());
  const auto after = ReadSlot(dir_.path(), 0);
  EXPECT_EQ(after->MacroKeyInfo[kRow].functionCode, kDefaultButtonFunctions[kRow]);
  EXPECT_EQ(
      memcmp(&after->MacroKeyInfo[kRow], &before->MacroKeyInfo[kRow], sizeof(ButtonAssignment)), 0);
}

// With the monitor running, the captured combination is what the button types after the apply.
TEST(KeyCaptureWithMonitor, ButtonTypesTheCapturedCombination) {
  MonitorProcess monitor;
  LayOutConfigurator(monitor.folder().path());
  auto first = std::make_unique<ProfileSettings>();
  SetProfileDefaults(*first, 0);
  monitor.WriteCurrentProfile(*first);
  ASSERT_TRUE(monitor.Start());
  OptionProcess option(monitor.folder().path());
  ASSERT_TRUE(option.Start());

  ASSERT_TRUE(ChooseFunction(option, kRow, kKeyCombinationEntry));
  ASSERT_TRUE(WaitForDialog());
  ASSERT_TRUE(option.WaitUntilIdle());
  TypeKey('A');
  ASSERT_TRUE(FieldShows(L"A"));
  ClickDialogControl(option, "skin_shortcut.ini", kCtrlKey);
  ClickDialogControl(option, "skin_shortcut.ini", kConfirmKey);
  ASSERT_TRUE(WaitForDialogGone());
  ClickControl(option.window(), option.folder(), kApplyKey);
  ASSERT_TRUE(option.WaitUntilIdle());

  ParkPointer();
  PumpUntil([] { return false; }, 200);
  InjectionObserver observer;
  observer.Clear();
  SimulateMouse(MOUSEEVENTF_XDOWN, XBUTTON1);
  SimulateMouse(MOUSEEVENTF_XUP, XBUTTON1);
  observer.WaitFor(6);
  observer.Idle(200);
  std::vector<std::pair<DWORD, bool>> keys;
  for (const ObservedInput& input : observer.seen()) {
    if (!input.key) continue;
    const DWORD code =
        input.code == VK_LCONTROL || input.code == VK_RCONTROL ? VK_CONTROL : input.code;
    keys.emplace_back(code, input.up);
  }
  // The press holds A with Ctrl tapped around it, the release lets A go the same way.
  const std::vector<std::pair<DWORD, bool>> expected{{VK_CONTROL, false}, {'A', false},
                                                     {VK_CONTROL, true},  {VK_CONTROL, false},
                                                     {'A', true},         {VK_CONTROL, true}};
  EXPECT_EQ(keys, expected);

  ASSERT_TRUE(monitor.Exit());
  EXPECT_TRUE(option.WaitForExit());
}

}  // namespace
