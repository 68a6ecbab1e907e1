// The owner-drawn popup menu without showing it: item measurements through the items' real data,
// and each item kind drawn into a memory device context. This program has no arrow icon, so an
// item that opens a submenu draws no arrow (the arrow itself is checked where the icon is linked).

#include "skin/owner_menu.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <iterator>

#include "skin/menu_frame_hook.h"
#include "tests/windows_support/dib_canvas.h"

namespace {

constexpr uint32_t kSentinel = 0x123456;  // COLORREF no menu colour uses

// Without anti-aliasing every text pixel has exactly the text colour.
HFONT SharpFont() {
  return CreateFontW(-14, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, FF_SWISS, L"Arial");
}

struct ItemInfo {
  UINT id;
  ULONG_PTR data;
};

ItemInfo InfoAt(HMENU menu, UINT position) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_ID | MIIM_DATA;
  GetMenuItemInfoW(menu, position, TRUE, &info);
  return ItemInfo{info.wID, info.dwItemData};
}

MEASUREITEMSTRUCT MeasureOf(const ItemInfo& item) {
  MEASUREITEMSTRUCT measure{};
  measure.CtlType = ODT_MENU;
  measure.itemID = item.id;
  measure.itemData = item.data;
  measure.itemWidth = 777;
  measure.itemHeight = 777;
  return measure;
}

TEST(OwnerMenu, ItemsAreMeasuredByIdAndGetTheMenuWidth) {
  OwnerMenu sub;
  ASSERT_TRUE(sub.Construct(nullptr));
  ASSERT_TRUE(sub.Append(1049, L"Record"));
  OwnerMenu menu;
  ASSERT_TRUE(menu.Construct(nullptr));
  ASSERT_TRUE(menu.Append(0, L""));
  ASSERT_TRUE(menu.Append(1, L"hidden"));
  ASSERT_TRUE(menu.Append(1001, L"Left click"));  // the longest text: 10 characters
  ASSERT_TRUE(menu.Append(kMenuSeparatorAppendId, L""));
  ASSERT_TRUE(menu.Append(1100, L"Macro", sub.handle(), 1));

  struct Row {
    UINT position;
    UINT height;
    UINT flags;  // MF_SEPARATOR / MF_POPUP as the system keeps them
  } rows[] = {
      {0, 5, 0}, {1, 0, 0}, {2, 17, 0}, {3, 5, MF_SEPARATOR}, {4, 17, MF_POPUP},
  };
  ASSERT_EQ(GetMenuItemCount(menu.handle()), 5);
  for (const Row& row : rows) {
    MEASUREITEMSTRUCT measure = MeasureOf(InfoAt(menu.handle(), row.position));
    ASSERT_TRUE(menu.MeasureItem(measure)) << "item " << row.position;
    EXPECT_EQ(measure.itemHeight, row.height) << "item " << row.position;
    EXPECT_EQ(measure.itemWidth, 80u) << "item " << row.position;
    const UINT state = GetMenuState(menu.handle(), row.position, MF_BYPOSITION);
    EXPECT_EQ(state & (MF_SEPARATOR | MF_OWNERDRAW), (row.flags & MF_SEPARATOR) | MF_OWNERDRAW)
        << "item " << row.position;
    EXPECT_EQ(GetSubMenu(menu.handle(), row.position) != nullptr, row.flags == MF_POPUP)
        << "item " << row.position;
  }

  // A fixed width holds against longer texts appended afterwards.
  menu.SetWidth(156);
  ASSERT_TRUE(menu.Append(1002, L"A text longer than the fixed width allows"));
  MEASUREITEMSTRUCT measure = MeasureOf(InfoAt(menu.handle(), 5));
  ASSERT_TRUE(menu.MeasureItem(measure));
  EXPECT_EQ(measure.itemWidth, 156u);
  EXPECT_EQ(measure.itemHeight, 17u);

  // Items of another menu, and controls, are not this menu's: the request is left untouched.
  MEASUREITEMSTRUCT foreign = MeasureOf(InfoAt(sub.handle(), 0));
  EXPECT_FALSE(menu.MeasureItem(foreign));
  EXPECT_EQ(foreign.itemHeight, 777u);
  EXPECT_TRUE(sub.MeasureItem(foreign));
  EXPECT_EQ(foreign.itemWidth, 48u);  // "Record"
  MEASUREITEMSTRUCT control = MeasureOf(InfoAt(menu.handle(), 2));
  control.CtlType = ODT_BUTTON;
  EXPECT_FALSE(menu.MeasureItem(control));

  sub.Destroy();
  menu.Destroy();
  EXPECT_EQ(menu.handle(), nullptr);
  EXPECT_FALSE(menu.Append(1003, L"after destroy"));
}

TEST(OwnerMenu, DrawsSelectionCheckedTextAndSeparator) {
  HFONT font = SharpFont();
  ASSERT_NE(font, nullptr);
  OwnerMenu sub;
  ASSERT_TRUE(sub.Construct(font));
  OwnerMenu menu;
  ASSERT_TRUE(menu.Construct(font));
  ASSERT_TRUE(menu.Append(1001, L"WWW", nullptr, 0));
  ASSERT_TRUE(menu.Append(1002, L"WWW", nullptr, 1));
  ASSERT_TRUE(menu.Append(1003, L"WWW", nullptr, 2));  // only 1 means checked
  ASSERT_TRUE(menu.Append(1004, L"WWW", sub.handle(), 0));
  ASSERT_TRUE(menu.Append(0, L""));

  struct Row {
    UINT position;
    bool selected;
    COLORREF background;
    COLORREF text;
  } rows[] = {
      {0, false, 0xE9E9E9, 0x000000}, {0, true, 0x000000, 0xE9E9E9},
      {1, false, 0xE9E9E9, 0xFFBF44}, {1, true, 0x000000, 0xFFBF44},
      {2, false, 0xE9E9E9, 0x000000}, {2, true, 0x000000, 0xE9E9E9},
      {3, false, 0xE9E9E9, 0x000000}, {3, true, 0x000000, 0xE9E9E9},
  };
  const RECT item{10, 20, 166, 37};  // 156 x 17, away from the canvas' edges
  for (size_t i = 0; i < std::size(rows); ++i) {
    const Row& row = rows[i];
    DibCanvas canvas(200, 60);
    ASSERT_TRUE(canvas.ok());
    canvas.Fill(kSentinel);
    const ItemInfo info = InfoAt(menu.handle(), row.position);
    DRAWITEMSTRUCT draw{};
    draw.CtlType = ODT_MENU;
    draw.itemID = info.id;
    draw.itemData = info.data;
    draw.itemAction = ODA_DRAWENTIRE;
    draw.itemState = row.selected ? ODS_SELECTED : 0;
    draw.hwndItem = reinterpret_cast<HWND>(menu.handle());
    draw.hDC = canvas.dc();
    draw.rcItem = item;
    ASSERT_TRUE(menu.DrawItem(draw)) << "row " << i;

    const int area = (item.right - item.left) * (item.bottom - item.top);
    const int background = canvas.Count(item, row.background);
    const int text = canvas.Count(item, row.text);
    EXPECT_EQ(background + text, area) << "row " << i << ": only the two colours in the item";
    EXPECT_GT(text, 20) << "row " << i;
    // The text starts 2 pixels in, and (no arrow icon in this program) leaves the right end.
    EXPECT_EQ(canvas.Count(RECT{item.left, item.top, item.left + 2, item.bottom}, row.text), 0)
        << "row " << i;
    EXPECT_EQ(canvas.Count(RECT{item.right - 19, item.top, item.right, item.bottom}, row.text), 0)
        << "row " << i;
    // Vertically centred: as many text rows above the middle as below, give or take the baseline.
    EXPECT_EQ(canvas.Count(RECT{item.left, item.top, item.right, item.top + 2}, row.text), 0)
        << "row " << i;
    EXPECT_EQ(canvas.Count(RECT{item.left, item.bottom - 2, item.right, item.bottom}, row.text), 0)
        << "row " << i;
    // Nothing outside the item; and the item is cut out of the clipping afterwards.
    EXPECT_EQ(canvas.Count(RECT{0, 0, 200, item.top}, kSentinel), 200 * item.top) << "row " << i;
    canvas.Fill(kSentinel);
    EXPECT_EQ(canvas.Count(item, kSentinel), 0) << "row " << i << ": item covered afterwards";
  }

  // The separator: background with its middle row in the separator colour, no text.
  DibCanvas canvas(200, 60);
  ASSERT_TRUE(canvas.ok());
  canvas.Fill(kSentinel);
  const RECT line{10, 20, 166, 25};
  const ItemInfo info = InfoAt(menu.handle(), 4);
  DRAWITEMSTRUCT draw{};
  draw.CtlType = ODT_MENU;
  draw.itemID = info.id;
  draw.itemData = info.data;
  draw.itemState = ODS_SELECTED;  // a separator has no selected look
  draw.hDC = canvas.dc();
  draw.rcItem = line;
  ASSERT_TRUE(menu.DrawItem(draw));
  EXPECT_EQ(canvas.Count(line, 0xE9E9E9), 156 * 4);
  EXPECT_EQ(canvas.Count(RECT{10, 22, 166, 23}, kMenuSeparatorColour), 156);
  EXPECT_EQ(canvas.Count(RECT{0, 25, 200, 60}, kSentinel), 200 * 35);

  // Another menu's item is not drawn.
  SelectClipRgn(canvas.dc(), nullptr);  // undo the separator's exclusion
  canvas.Fill(kSentinel);
  draw.itemData = InfoAt(menu.handle(), 0).data + 1;
  EXPECT_FALSE(menu.DrawItem(draw));
  EXPECT_EQ(canvas.Count(line, kSentinel), 156 * 5);

  sub.Destroy();
  menu.Destroy();
  DeleteObject(font);
}

// Only popup menu windows are subclassed: other windows the thread creates are left alone, also
// when they get the menu's sizing message number.
TEST(MenuFrameHook, LeavesWindowsOfOtherClassesAlone) {
  ASSERT_TRUE(InstallMenuFrameHook());
  const wchar_t* classes[] = {L"STATIC", L"BUTTON", L"#32770"};
  for (const wchar_t* name : classes) {
    HWND window = CreateWindowExW(0, name, L"", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    const LONG_PTR procedure = GetWindowLongPtrW(window, GWLP_WNDPROC);
    SendMessageW(window, kMenuSizingMessage, 0, 0);
    EXPECT_EQ(GetPropW(window, kMenuOldProcProperty), nullptr);
    EXPECT_EQ(GetWindowLongPtrW(window, GWLP_WNDPROC), procedure);
    EXPECT_EQ(SubclassedMenuWindowCount(), 0u);
    DestroyWindow(window);
  }
  RemoveMenuFrameHook();
  EXPECT_FALSE(MenuFrameHookInstalled());
}

}  // namespace
