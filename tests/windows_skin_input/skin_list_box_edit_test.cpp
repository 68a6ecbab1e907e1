// In-place editing in the skinned list with real keyboard input (SendInput) through the
// framework's loop: Enter commits and tells the parent, an empty text and Escape remove the row,
// the focus coming back to the list commits, the edit boxes' limits and digit filter, one edit
// box at a time, and the drop-down list that closes its parent when it loses the focus.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "base/wide.h"
#include "skin/skin_list_box.h"
#include "tests/windows_support/pump.h"
#include "tests/windows_support/thread_idle.h"
#include "ui/message_loop.h"
#include "ui/window.h"

namespace {

constexpr UINT kStop = WM_APP + 60;
constexpr int kListId = 4096;
constexpr DWORD kWaitMs = 5000;

struct Posted {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

class ListParent : public Window {
 public:
  std::vector<Posted> notes;
  bool stopped = false;

 protected:
  bool RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
    if (message == kListEditCommittedMessage || message == kListRightClickMessage) {
      notes.push_back({message, wParam, lParam});
    } else if (message == kStop) {
      stopped = true;
    } else {
      return Window::RouteMessage(message, wParam, lParam, result);
    }
    result = 0;
    return true;
  }
};

INPUT Key(WORD vk, WORD unicode, DWORD flags) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = vk;
  input.ki.wScan = unicode;
  input.ki.dwFlags = flags;
  return input;
}

// Types the text as characters, then presses and releases the key (0: none).
void Type(const std::wstring& text, WORD key) {
  std::vector<INPUT> inputs;
  for (const wchar_t c : text) {
    inputs.push_back(Key(0, c, KEYEVENTF_UNICODE));
    inputs.push_back(Key(0, c, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP));
  }
  if (key != 0) {
    inputs.push_back(Key(key, 0, 0));
    inputs.push_back(Key(key, 0, KEYEVENTF_KEYUP));
  }
  ASSERT_EQ(SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)),
            inputs.size());
}

std::wstring TextOf(HWND window) {
  wchar_t buffer[256] = {};
  GetWindowTextW(window, buffer, 256);
  return buffer;
}

class SkinListBoxEditTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WindowCreateArgs args;
    args.style = WS_POPUP | WS_VISIBLE;
    args.exStyle = WS_EX_TOPMOST;
    args.x = 100;
    args.y = 100;
    args.width = 240;
    args.height = 160;
    ASSERT_TRUE(parent_.Create(args));
    ASSERT_TRUE(list_.Create(parent_.handle(), RECT{10, 10, 230, 10 + 6 * kListItemHeight}, 1,
                             WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT));
    list_.SetControlId(kListId);
    list_.SetKeepParent(true);
    SetForegroundWindow(parent_.handle());
    SetFocus(list_.handle());
    ASSERT_TRUE(WaitUntilThreadIdle(parent_.handle())) << "the window never became idle";
  }
  void TearDown() override {
    if (IsWindow(parent_.handle())) DestroyWindow(parent_.handle());
  }

  // Runs the framework's loop until what was posted so far is handled. (Input is not covered:
  // a loop takes posted messages before input.)
  void Settle() {
    parent_.stopped = false;
    PostMessageW(parent_.handle(), kStop, 0, 0);
    ASSERT_TRUE(RunModalLoop([&] { return !parent_.stopped; }));
  }
  // Runs the framework's loop until the list's edit box has closed, then handles what that
  // posted.
  void WaitForEditToClose() {
    const ULONGLONG end = GetTickCount64() + kWaitMs;
    SetTimer(parent_.handle(), 1, 20, nullptr);  // wakes the loop to look at the clock
    RunModalLoop([&] { return list_.editBox() != nullptr && GetTickCount64() < end; });
    KillTimer(parent_.handle(), 1);
    ASSERT_EQ(list_.editBox(), nullptr) << "the edit box is still open";
    ASSERT_NO_FATAL_FAILURE(Settle());
  }

  int Count() { return static_cast<int>(SendMessageW(list_.handle(), LB_GETCOUNT, 0, 0)); }
  std::wstring RowText(int index) {
    wchar_t buffer[64] = {};
    SendMessageW(list_.handle(), LB_GETTEXT, index, reinterpret_cast<LPARAM>(buffer));
    return buffer;
  }

  ListParent parent_;
  SkinListBox list_;
};

TEST_F(SkinListBoxEditTest, NewRowEndsByKeyOrByTheFocusComingBack) {
  struct Row {
    const char* name;
    std::wstring typed;
    WORD key;                // 0: the focus goes back to the list instead
    std::wstring committed;  // the new row's text; empty: the row is gone
  };
  const Row rows[] = {
      {"Enter commits", L"Macro7", VK_RETURN, L"Macro7"},
      {"a name keeps 15 characters", L"ABCDEFGHIJKLMNOPQRST", VK_RETURN, L"ABCDEFGHIJKLMNO"},
      {"an empty name removes the row", L"", VK_RETURN, L""},
      {"Escape removes the row", L"Dropped", VK_ESCAPE, L""},
      {"the focus coming back commits", L"Focus", 0, L"Focus"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    SendMessageW(list_.handle(), LB_RESETCONTENT, 0, 0);
    list_.AddItem(0x00020000, u"first");
    list_.AddItem(0x00030000, u"second");
    parent_.notes.clear();

    list_.AddAndEditNew();
    HWND edit = list_.editBox();
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(list_.editedRow(), 2);
    EXPECT_EQ(Count(), 3);
    EXPECT_EQ(GetFocus(), edit);
    Type(row.typed, row.key);
    if (row.key == 0) {
      ASSERT_TRUE(PumpUntil([&] { return TextOf(edit) == row.typed; }, kWaitMs));
      SetFocus(list_.handle());
    }
    ASSERT_NO_FATAL_FAILURE(WaitForEditToClose());
    EXPECT_FALSE(IsWindow(edit));
    EXPECT_EQ(list_.editedRow(), -1);

    if (row.committed.empty()) {
      EXPECT_EQ(Count(), 2);
      EXPECT_TRUE(parent_.notes.empty()) << "nothing is committed";
      continue;
    }
    ASSERT_EQ(Count(), 3);
    EXPECT_EQ(RowText(2), row.committed);
    EXPECT_EQ(SendMessageW(list_.handle(), LB_GETITEMDATA, 2, 0), 0);
    ASSERT_EQ(parent_.notes.size(), 1u);
    EXPECT_EQ(parent_.notes[0].message, kListEditCommittedMessage);
    EXPECT_EQ(parent_.notes[0].wParam, 2u);
    EXPECT_EQ(parent_.notes[0].lParam, kListId);
    // Enter also selects the committed row; the focus coming back leaves the selection alone.
    EXPECT_EQ(SendMessageW(list_.handle(), LB_GETCURSEL, 0, 0), row.key == VK_RETURN ? 2 : LB_ERR);
  }
}

TEST_F(SkinListBoxEditTest, EditSelectedTakesDigitsOnlyAfterTheIconAndKeepsTheRowData) {
  list_.AddItem(0x00070001, u"5 ms");  // an icon row
  list_.AddItem(0x00080000, u"7 ms");
  list_.EditSelected();
  EXPECT_EQ(list_.editBox(), nullptr) << "no row selected: no edit";

  SendMessageW(list_.handle(), LB_SETCURSEL, 0, 0);
  list_.EditSelected();
  HWND edit = list_.editBox();
  ASSERT_NE(edit, nullptr);
  EXPECT_NE(GetWindowLongW(edit, GWL_STYLE) & ES_NUMBER, 0);
  EXPECT_EQ(TextOf(edit), L"5 ms");
  RECT row{}, box{};
  SendMessageW(list_.handle(), LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row));
  GetWindowRect(edit, &box);
  MapWindowPoints(nullptr, list_.handle(), reinterpret_cast<POINT*>(&box), 2);
  EXPECT_EQ(box.left, row.left + kListIconWidth + kListTextIndent);

  Type(L"12a34567890123456789012", VK_RETURN);
  ASSERT_NO_FATAL_FAILURE(WaitForEditToClose());
  ASSERT_EQ(Count(), 2);
  EXPECT_EQ(RowText(0), L"12345678901234567890") << "digits only, 20 at most";
  EXPECT_EQ(SendMessageW(list_.handle(), LB_GETITEMDATA, 0, 0), 0x00070001);
  ASSERT_EQ(parent_.notes.size(), 1u);
  EXPECT_EQ(parent_.notes[0].wParam, 0u);
}

TEST_F(SkinListBoxEditTest, OnlyOneEditBoxAtATime) {
  SkinListBox other;
  ASSERT_TRUE(other.Create(parent_.handle(), RECT{10, 130, 230, 150}, 2, WS_VISIBLE));
  other.SetKeepParent(true);
  list_.AddAndEditNew();
  ASSERT_NE(list_.editBox(), nullptr);
  other.AddAndEditNew();
  list_.AddAndEditNew();
  EXPECT_EQ(SendMessageW(other.handle(), LB_GETCOUNT, 0, 0), 0);
  EXPECT_EQ(Count(), 1);
  EXPECT_EQ(other.editBox(), nullptr);
  Type(L"", VK_ESCAPE);
  ASSERT_NO_FATAL_FAILURE(WaitForEditToClose());
  other.AddAndEditNew();
  EXPECT_NE(other.editBox(), nullptr) << "free again once the first edit closed";
  DestroyWindow(other.handle());
  EXPECT_EQ(other.editBox(), nullptr);
}

// A list without keep-parent is a drop-down: losing the focus closes its parent, but opening its
// own edit box must not.
TEST_F(SkinListBoxEditTest, DropDownClosesItsParentWhenTheFocusLeavesButNotForItsEditBox) {
  ListParent popup;
  WindowCreateArgs args;
  args.style = WS_POPUP | WS_VISIBLE;
  args.exStyle = WS_EX_TOPMOST;
  args.x = 400;
  args.y = 100;
  args.width = 200;
  args.height = 120;
  ASSERT_TRUE(popup.Create(args));
  SkinListBox dropDown;
  ASSERT_TRUE(dropDown.Create(popup.handle(), RECT{0, 0, 200, 120}, 1, WS_VISIBLE));
  dropDown.SetKeepParent(false);
  SetForegroundWindow(popup.handle());
  SetFocus(dropDown.handle());
  dropDown.AddAndEditNew();
  ASSERT_NE(dropDown.editBox(), nullptr);
  EXPECT_TRUE(IsWindow(popup.handle()));
  Type(L"", VK_ESCAPE);
  ASSERT_TRUE(PumpUntil([&] { return dropDown.editBox() == nullptr; }, kWaitMs));
  EXPECT_TRUE(IsWindow(popup.handle()));

  SetFocus(dropDown.handle());
  SetForegroundWindow(parent_.handle());
  SetFocus(list_.handle());
  EXPECT_TRUE(PumpUntil([&] { return !IsWindow(popup.handle()); }, kWaitMs))
      << "the drop-down's parent stays open";
}

}  // namespace
