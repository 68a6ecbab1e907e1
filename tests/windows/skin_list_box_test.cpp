// The skinned list under Wine: rows with data, one row per wheel notch, the arrows-only key filter
// in the framework's loop, the right-click notification, and the indent of icon rows. In-place
// editing needs the focus and is in tests/windows_skin_input.

#include "skin/skin_list_box.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "base/wide.h"
#include "option/resource_ids.h"
#include "tests/windows_support/window_picture.h"
#include "ui/message_loop.h"
#include "ui/window.h"

namespace {

constexpr UINT kStop = WM_APP + 40;
constexpr int kListId = 4097;

struct Posted {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

// The list's parent: reflects the list's drawing to it and records the list's notifications.
class ListParent : public Window {
 public:
  std::vector<Posted> notes;
  bool stopped = false;

 protected:
  bool RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
    if (message == kListEditCommittedMessage || message == kListRightClickMessage) {
      notes.push_back({message, wParam, lParam});
      result = 0;
      return true;
    }
    if (message == kStop) {
      stopped = true;
      result = 0;
      return true;
    }
    return Window::RouteMessage(message, wParam, lParam, result);
  }
};

void Pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

class SkinListBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WindowCreateArgs args;
    args.style = WS_POPUP;  // hidden: nothing here needs the desktop
    args.x = 0;
    args.y = 0;
    args.width = 220;
    args.height = 140;
    ASSERT_TRUE(parent_.Create(args));
    // Five rows tall, so that longer lists scroll.
    ASSERT_TRUE(list_.Create(parent_.handle(), RECT{10, 10, 210, 10 + 5 * kListItemHeight}, 1,
                             WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT));
    list_.SetControlId(kListId);
    list_.SetKeepParent(true);
  }
  void TearDown() override { DestroyWindow(parent_.handle()); }

  int Count() { return static_cast<int>(SendMessageW(list_.handle(), LB_GETCOUNT, 0, 0)); }
  int TopIndex() { return static_cast<int>(SendMessageW(list_.handle(), LB_GETTOPINDEX, 0, 0)); }
  int Selection() { return static_cast<int>(SendMessageW(list_.handle(), LB_GETCURSEL, 0, 0)); }
  std::wstring RowText(int index) {
    wchar_t buffer[64] = {};
    SendMessageW(list_.handle(), LB_GETTEXT, index, reinterpret_cast<LPARAM>(buffer));
    return buffer;
  }
  uint32_t RowData(int index) {
    return static_cast<uint32_t>(SendMessageW(list_.handle(), LB_GETITEMDATA, index, 0));
  }

  ListParent parent_;
  SkinListBox list_;
};

TEST_F(SkinListBoxTest, AttachingSetsTheRowHeight) {
  EXPECT_EQ(SendMessageW(list_.handle(), LB_GETITEMHEIGHT, 0, 0), kListItemHeight);
}

TEST_F(SkinListBoxTest, RowsKeepTheirDataWhenAddedAndInserted) {
  EXPECT_EQ(list_.AddItem(0x00010087, u"first"), 0);
  EXPECT_EQ(list_.AddItem(0, u"third"), 1);
  EXPECT_EQ(list_.InsertItem(1, 0xABCD0001, u"second"), 1);
  EXPECT_EQ(list_.InsertItem(-1, 0x00050000, u"last"), 3);  // -1 appends
  struct Row {
    const wchar_t* text;
    uint32_t data;
  };
  const Row expected[] = {
      {L"first", 0x00010087}, {L"second", 0xABCD0001}, {L"third", 0}, {L"last", 0x00050000}};
  ASSERT_EQ(Count(), 4);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(RowText(i), expected[i].text) << "row " << i;
    EXPECT_EQ(RowData(i), expected[i].data) << "row " << i;
  }
}

TEST_F(SkinListBoxTest, WheelMovesTheTopRowByExactlyOneRowPerNotch) {
  for (int i = 0; i < 20; ++i) list_.AddItem(0, u"row " + FormatInt(i));
  SendMessageW(list_.handle(), LB_SETTOPINDEX, 6, 0);
  ASSERT_EQ(TopIndex(), 6);
  struct Step {
    short delta;
    int top;
  };
  const Step steps[] = {{-120, 7}, {-120, 8}, {120, 7}, {120, 6}, {120, 5}, {0, 6}};
  for (size_t i = 0; i < std::size(steps); ++i) {
    const LRESULT answer =
        SendMessageW(list_.handle(), WM_MOUSEWHEEL,
                     MAKEWPARAM(0, static_cast<WORD>(steps[i].delta)), MAKELPARAM(50, 50));
    EXPECT_EQ(answer, 0) << "step " << i;
    EXPECT_EQ(TopIndex(), steps[i].top) << "step " << i;
  }
}

// Keys go through the framework's loop, where the filter sits; without the flag the same keys
// move the selection, which shows the test would see a leak.
TEST_F(SkinListBoxTest, ArrowsOnlyLetsUpAndDownThroughAndSwallowsLetters) {
  for (const wchar_t* text : {L"alpha", L"bravo", L"charlie", L"delta"})
    list_.AddItem(0, FromWide(text));
  struct Row {
    bool arrowsOnly;
    UINT key;
    int selectionAfter;  // starting from row 0
  };
  const Row rows[] = {
      {false, 'C', 2},    {true, 'C', 0},      {true, 'D', 0},
      {true, VK_DOWN, 1}, {false, VK_DOWN, 1}, {true, VK_END, 0},
  };
  for (size_t i = 0; i < std::size(rows); ++i) {
    list_.SetArrowsOnly(rows[i].arrowsOnly);
    SendMessageW(list_.handle(), LB_SETCURSEL, 0, 0);
    const UINT scan = MapVirtualKeyW(rows[i].key, MAPVK_VK_TO_VSC);
    PostMessageW(list_.handle(), WM_KEYDOWN, rows[i].key, MAKELPARAM(1, scan));
    PostMessageW(list_.handle(), WM_KEYUP, rows[i].key, MAKELPARAM(1, scan | KF_UP | KF_REPEAT));
    // Twice: the character that translating the key posts must be handled before the check.
    for (int round = 0; round < 2; ++round) {
      parent_.stopped = false;
      PostMessageW(parent_.handle(), kStop, 0, 0);
      ASSERT_TRUE(RunModalLoop([&] { return !parent_.stopped; }));
    }
    EXPECT_EQ(Selection(), rows[i].selectionAfter) << "row " << i;
  }
}

TEST_F(SkinListBoxTest, HotRowFollowsThePointer) {
  for (int i = 0; i < 3; ++i) list_.AddItem(0, u"row");
  struct Step {
    int y;
    int hot;
  };
  // Rows 18 pixels high; below the last row the pointer is over no row.
  const Step steps[] = {{2 * kListItemHeight + 3, 2}, {5, 0}, {kListItemHeight, 1}, {80, -1}};
  for (size_t i = 0; i < std::size(steps); ++i) {
    SendMessageW(list_.handle(), WM_MOUSEMOVE, 0, MAKELPARAM(30, steps[i].y));
    EXPECT_EQ(list_.hotRow(), steps[i].hot) << "step " << i;
  }
}

TEST_F(SkinListBoxTest, RightButtonDownPostsTheListsIdToTheParent) {
  list_.AddItem(0, u"one");
  SendMessageW(list_.handle(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(20, 5));
  SendMessageW(list_.handle(), WM_RBUTTONUP, 0, MAKELPARAM(20, 5));
  Pump();
  ASSERT_EQ(parent_.notes.size(), 1u);
  EXPECT_EQ(parent_.notes[0].message, kListRightClickMessage);
  EXPECT_EQ(parent_.notes[0].wParam, 0u);
  EXPECT_EQ(parent_.notes[0].lParam, kListId);
}

// The leftmost dark pixel of each row in the list's picture.
std::vector<int> LeftmostInkPerRow(HWND list, int rows) {
  int width = 0, height = 0;
  const std::vector<uint8_t> pixels = CaptureWindowPixels(list, width, height);
  std::vector<int> lefts(rows, -1);
  if (pixels.empty()) return lefts;
  for (int row = 0; row < rows; ++row) {
    for (int y = row * kListItemHeight; y < (row + 1) * kListItemHeight && y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        const uint8_t* p = &pixels[(static_cast<size_t>(y) * width + x) * 4];
        if (p[0] + p[1] + p[2] < 3 * 96 && (lefts[row] < 0 || x < lefts[row])) lefts[row] = x;
      }
    }
  }
  return lefts;
}

TEST_F(SkinListBoxTest, RowWithIconIdOneIsIndentedLikeAnIconRowWithoutAPicture) {
  list_.SetColors(RGB(255, 255, 255), RGB(255, 255, 255));
  list_.SetTextColors(RGB(0, 0, 0), RGB(0, 0, 0));
  list_.AddItem(0, u"Hxy");           // no icon, no room for one
  list_.AddItem(1, u"Hxy");           // room for an icon, no picture
  list_.AddItem(0x7F000000, u"Hxy");  // the owner's high bits alone: no icon
  UpdateWindow(list_.handle());
  SaveWindowPicture(list_.handle(), "skin_list_box_icon_rows");
  const std::vector<int> lefts = LeftmostInkPerRow(list_.handle(), 3);
  ASSERT_GE(lefts[0], kListTextIndent) << "no text drawn in the first row";
  EXPECT_EQ(lefts[1], lefts[0] + kListIconWidth);
  EXPECT_EQ(lefts[2], lefts[0]);
}

// The row picture comes from the module's bitmap resources and is drawn 5 pixels in and 2 down,
// its black pixels left out. The configurator's own pictures are in Option.exe beside the tests.
TEST_F(SkinListBoxTest, RowPictureIsDrawnWithBlackTransparent) {
  HMODULE option = LoadLibraryExW(L"Option.exe", nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(option, nullptr) << "Option.exe beside the test program";
  auto picture = static_cast<HBITMAP>(LoadImageW(option, MAKEINTRESOURCEW(IDB_EVENT_KEY_PRESSED),
                                                 IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  ASSERT_NE(picture, nullptr);
  DIBSECTION dib{};
  ASSERT_NE(GetObjectW(picture, sizeof dib, &dib), 0);
  const int w = dib.dsBm.bmWidth, h = dib.dsBm.bmHeight;
  std::vector<uint32_t> expected(static_cast<size_t>(w) * h);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB};
  HDC screen = GetDC(nullptr);
  ASSERT_EQ(GetDIBits(screen, picture, 0, h, expected.data(), &info, DIB_RGB_COLORS), h);
  ReleaseDC(nullptr, screen);
  DeleteObject(picture);

  list_.SetIconModule(option);
  list_.SetColors(RGB(255, 255, 255), RGB(255, 255, 255));
  list_.AddItem(0x00420000 | IDB_EVENT_KEY_PRESSED, u"Hxy");
  int width = 0, height = 0;
  const std::vector<uint8_t> pixels = CaptureWindowPixels(list_.handle(), width, height);
  FreeLibrary(option);
  ASSERT_GE(width, kListTextIndent + w);
  ASSERT_GE(height, 2 + h);
  int drawn = 0;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const uint32_t want = expected[static_cast<size_t>(y) * w + x] & 0xFFFFFF;
      const uint8_t* p = &pixels[(static_cast<size_t>(y + 2) * width + x + kListTextIndent) * 4];
      const uint32_t got = p[0] | (p[1] << 8) | (p[2] << 16);
      if (want != 0) ++drawn;
      EXPECT_EQ(got, want == 0 ? 0xFFFFFFu : want) << "picture pixel " << x << "," << y;
    }
  }
  EXPECT_GT(drawn, 0) << "the picture is not all black";
}

}  // namespace
