// The skinned edit field under Wine: numbers-only text and key filters, the registered
// notification for changes and focus loss, and the colour answer.

#include "skin/bitmap_edit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/windows/skin_control_host.h"
#include "tests/windows_support/pump.h"
#include "ui/message_loop.h"

namespace {

std::wstring TextOf(HWND window) {
  wchar_t buffer[256] = {};
  GetWindowTextW(window, buffer, 256);
  return buffer;
}

// Takes the posted notifications out of the queue into the host's record.
void DeliverPosted() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

class BitmapEditTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { host_ = new ControlHost(BitmapEditNotifyMessage()); }
  static void TearDownTestSuite() {
    delete host_;
    host_ = nullptr;
  }
  void SetUp() override {
    ASSERT_NE(host_->handle(), nullptr);
    SetForegroundWindow(host_->handle());
    ASSERT_TRUE(edit_.Create(host_->handle(), {10, 10, 200, 30}));
    DeliverPosted();
    host_->recorded.clear();
    host_->commands.clear();
  }
  void TearDown() override {
    if (edit_.handle() != nullptr) DestroyWindow(edit_.handle());
  }

  static ControlHost* host_;
  BitmapEdit edit_;
};

ControlHost* BitmapEditTest::host_ = nullptr;

TEST_F(BitmapEditTest, NumbersOnlyTextIsReducedWhenSetOrInserted) {
  struct TextCase {
    bool numbersOnly;
    const wchar_t* typed;
    const wchar_t* kept;
  };
  const TextCase cases[] = {
      {true, L"12a3", L"123"},      {true, L"1F", L"1F"}, {true, L"1F-", L"1"},
      {true, L"ABCDEF", L"ABCDEF"}, {true, L"abc", L""},  {true, L"3.5,7", L"3.5,7"},
      {true, L" 42 ", L"42"},       {true, L"1G", L"1"},  {false, L"12a3", L"12a3"},
  };
  for (const TextCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.typed << (c.numbersOnly ? " numbers only" : ""));
    edit_.SetNumbersOnly(c.numbersOnly);
    SetWindowTextW(edit_.handle(), L"");
    SendMessageW(edit_.handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(c.typed));
    EXPECT_EQ(TextOf(edit_.handle()), c.kept);
    // Inserted at the caret, as a paste inserts.
    SetWindowTextW(edit_.handle(), L"");
    SendMessageW(edit_.handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(c.typed));
    EXPECT_EQ(TextOf(edit_.handle()), c.kept);
  }
}

TEST_F(BitmapEditTest, PastingFromTheClipboardIsFilteredToo) {
  edit_.SetNumbersOnly(true);
  bool opened = false;
  for (int attempt = 0; attempt < 50 && !opened; ++attempt) {
    opened = OpenClipboard(host_->handle()) != FALSE;
    if (!opened) Sleep(20);
  }
  ASSERT_TRUE(opened);
  EmptyClipboard();
  const wchar_t pasted[] = L"12a3";
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, sizeof pasted);
  ASSERT_NE(memory, nullptr);
  memcpy(GlobalLock(memory), pasted, sizeof pasted);
  GlobalUnlock(memory);
  ASSERT_NE(SetClipboardData(CF_UNICODETEXT, memory), nullptr);
  CloseClipboard();

  SendMessageW(edit_.handle(), WM_PASTE, 0, 0);
  EXPECT_EQ(TextOf(edit_.handle()), L"123");
}

TEST_F(BitmapEditTest, ChangesPostZeroAndFocusLossPostsOneToTheParent) {
  SendMessageW(edit_.handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"7"));
  DeliverPosted();
  EXPECT_EQ(host_->recorded, (std::vector<WPARAM>{kBitmapEditChanged}));

  // A filtered text changes twice (the text set, then the reduced text) and says so each time.
  host_->recorded.clear();
  edit_.SetNumbersOnly(true);
  SendMessageW(edit_.handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"8x"));
  DeliverPosted();
  EXPECT_EQ(host_->recorded, (std::vector<WPARAM>{kBitmapEditChanged, kBitmapEditChanged}));

  host_->recorded.clear();
  SetFocus(edit_.handle());
  ASSERT_EQ(GetFocus(), edit_.handle());
  SetFocus(host_->handle());
  DeliverPosted();
  EXPECT_EQ(host_->recorded, (std::vector<WPARAM>{kBitmapEditFocusLost}));
  // Other notifications still reach the owner as usual.
  EXPECT_FALSE(host_->commands.empty());
}

// Keys posted to the field and run through the framework's loop, as typing arrives.
std::wstring TypeThroughFrameworkLoop(ControlHost& host, HWND edit,
                                      const std::vector<WPARAM>& keys) {
  constexpr WPARAM kEnd = 0xBEEF;
  for (WPARAM key : keys) {
    const LPARAM scan =
        static_cast<LPARAM>(MapVirtualKeyW(static_cast<UINT>(key), MAPVK_VK_TO_VSC));
    PostMessageW(edit, WM_KEYDOWN, key, 1 | (scan << 16));
    PostMessageW(edit, WM_KEYUP, key, 1 | (scan << 16) | (LPARAM{3} << 30));
  }
  // The characters that translation makes are posted behind the marker, so a first marker only
  // sends a second one after them.
  PostMessageW(host.handle(), WM_COMMAND, kEnd, 0);
  host.commands.clear();
  int ends = 0;
  RunModalLoop([&] {
    int seen = 0;
    for (const auto& command : host.commands) seen += command.wParam == kEnd;
    if (seen == 1 && ends == 0) {
      ends = 1;
      PostMessageW(host.handle(), WM_COMMAND, kEnd, 0);
    }
    return seen < 2;
  });
  return TextOf(edit);
}

TEST_F(BitmapEditTest, KeyFilterSwallowsKeysThatCannotTypeANumber) {
  SetFocus(edit_.handle());
  // Num Lock on, so that a keypad digit that gets through types its digit.
  BYTE keyboard[256] = {};
  GetKeyboardState(keyboard);
  keyboard[VK_NUMLOCK] |= 1;
  SetKeyboardState(keyboard);
  const std::vector<WPARAM> keys = {'A', VK_NUMPAD1, '5',          VK_OEM_PERIOD,
                                    'Z', '7',        VK_OEM_COMMA, '2'};
  edit_.SetNumbersOnly(false);
  const std::wstring unfiltered = TypeThroughFrameworkLoop(*host_, edit_.handle(), keys);
  // Without the filter every key types (the check that the keys reach the field at all).
  EXPECT_EQ(unfiltered, L"a15.z7,2");

  SetWindowTextW(edit_.handle(), L"");
  edit_.SetNumbersOnly(true);
  EXPECT_EQ(TypeThroughFrameworkLoop(*host_, edit_.handle(), keys), L"5.7,2");
  // Editing keys pass: Backspace removes the last character.
  EXPECT_EQ(TypeThroughFrameworkLoop(*host_, edit_.handle(), {VK_BACK}), L"5.7,");
}

TEST_F(BitmapEditTest, ColourRequestAnswersWithABrushOfTheBackgroundAndSetsTheColours) {
  EXPECT_EQ(edit_.textColour(), COLORREF{0x242424});
  EXPECT_EQ(edit_.backgroundColour(), COLORREF{0xFFFFFF});
  edit_.SetTextColour(RGB(0, 0, 0));
  edit_.SetBackgroundColour(RGB(0xE5, 0xE5, 0xE5));

  HDC dc = GetDC(edit_.handle());
  SetTextColor(dc, RGB(9, 9, 9));
  SetBkColor(dc, RGB(8, 8, 8));
  const auto first = reinterpret_cast<HBRUSH>(
      SendMessageW(host_->handle(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                   reinterpret_cast<LPARAM>(edit_.handle())));
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 0));
  EXPECT_EQ(GetBkColor(dc), RGB(0xE5, 0xE5, 0xE5));
  LOGBRUSH brush{};
  ASSERT_EQ(GetObjectW(first, sizeof brush, &brush), static_cast<int>(sizeof brush));
  EXPECT_EQ(brush.lbStyle, static_cast<UINT>(BS_SOLID));
  EXPECT_EQ(brush.lbColor, RGB(0xE5, 0xE5, 0xE5));

  // A read-only field asks with the static message and gets the same; the previous brush is
  // gone, so that repeated paints leak nothing.
  edit_.SetBackgroundColour(RGB(1, 2, 3));
  const auto second = reinterpret_cast<HBRUSH>(
      SendMessageW(host_->handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                   reinterpret_cast<LPARAM>(edit_.handle())));
  ASSERT_NE(second, nullptr);
  ASSERT_EQ(GetObjectW(second, sizeof brush, &brush), static_cast<int>(sizeof brush));
  EXPECT_EQ(brush.lbColor, RGB(1, 2, 3));
  EXPECT_EQ(GetObjectType(first), 0u);
  ReleaseDC(edit_.handle(), dc);
}

}  // namespace
