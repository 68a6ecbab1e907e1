// Owner-drawn popup menus shown for real: the frame hook subclasses the menu window while it is
// open (once, however often it is sized), paints the flat frame and lets go when the menu closes
// or the hook is removed; the items take the sizes they were measured with and are drawn by the
// owner; the submenu arrow (linked into this program) appears on items that open a submenu.
// Menus need the foreground and their own modal loop, so these run with the desktop locked.

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "option/resource_ids.h"
#include "skin/menu_frame_hook.h"
#include "skin/owner_menu.h"
#include "tests/windows_support/dib_canvas.h"
#include "tests/windows_support/window_picture.h"

namespace {

constexpr UINT_PTR kStepTimer = 1;
constexpr UINT_PTR kGiveUpTimer = 2;

// The menu's owner: answers the owner-draw messages for its menus and runs the test's steps
// while the menu is open: the first when the menu loop first goes idle, each further one on a
// timer, then it closes the menu.
struct MenuSession {
  std::vector<const OwnerMenu*> menus;
  std::vector<std::function<void(HWND menuWindow)>> steps;
  size_t next = 0;
  HWND menuWindow = nullptr;
  bool gaveUp = false;
};

MenuSession* gSession = nullptr;

void RunStep(HWND owner) {
  if (gSession->next >= gSession->steps.size()) {
    KillTimer(owner, kStepTimer);
    EndMenu();
    return;
  }
  gSession->steps[gSession->next++](gSession->menuWindow);
  SetTimer(owner, kStepTimer, 150, nullptr);
}

LRESULT CALLBACK OwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (gSession != nullptr) {
    switch (message) {
      case WM_MEASUREITEM:
        for (const OwnerMenu* menu : gSession->menus) {
          if (menu->MeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))) return TRUE;
        }
        break;
      case WM_DRAWITEM:
        for (const OwnerMenu* menu : gSession->menus) {
          if (menu->DrawItem(*reinterpret_cast<DRAWITEMSTRUCT*>(lParam))) return TRUE;
        }
        break;
      case WM_ENTERIDLE:
        if (wParam == MSGF_MENU && gSession->menuWindow == nullptr) {
          gSession->menuWindow = reinterpret_cast<HWND>(lParam);
          if (gSession->menuWindow == nullptr) {
            gSession->menuWindow = FindWindowW(MAKEINTATOM(0x8000), nullptr);
          }
          RunStep(window);
        }
        return 0;
      case WM_TIMER:
        if (wParam == kStepTimer) {
          KillTimer(window, kStepTimer);
          RunStep(window);
        } else if (wParam == kGiveUpTimer) {
          KillTimer(window, kGiveUpTimer);
          gSession->gaveUp = true;
          EndMenu();
        }
        return 0;
    }
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

class OwnerMenuFrame : public ::testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &OwnerProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"OwnerMenuTestOwner";
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    RegisterClassExW(&wc);
    owner_ = CreateWindowExW(0, wc.lpszClassName, L"menu owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                             50, 50, 400, 300, nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(owner_, nullptr);
    SetForegroundWindow(owner_);
    font_ =
        CreateFontW(14, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_SWISS, L"Arial");

    const HICON arrow = LoadIconW(wc.hInstance, MAKEINTRESOURCEW(IDI_SUBMENU_ARROW));
    ASSERT_TRUE(sub_.Construct(font_, arrow));
    sub_.SetWidth(156);
    ASSERT_TRUE(sub_.Append(1049, L"Record macro"));
    ASSERT_TRUE(menu_.Construct(font_, arrow));
    menu_.SetWidth(156);
    ASSERT_TRUE(menu_.Append(1100, L"Macros", sub_.handle()));    // 0: 17 high, arrow
    ASSERT_TRUE(menu_.Append(1001, L"Left click"));               // 1: 17
    ASSERT_TRUE(menu_.Append(1002, L"Right click", nullptr, 1));  // 2: checked
    ASSERT_TRUE(menu_.Append(1, L"placeholder"));                 // 3: no height
    ASSERT_TRUE(menu_.Append(0, L""));                            // 4: separator, 5 high
    ASSERT_TRUE(menu_.Append(1003, L"Middle click"));             // 5: 17
  }

  void TearDown() override {
    RemoveMenuFrameHook();
    sub_.Destroy();
    menu_.Destroy();
    if (owner_ != nullptr) DestroyWindow(owner_);
    if (font_ != nullptr) DeleteObject(font_);
  }

  // Opens the menu, runs the steps while it is open, closes it. False when it never went idle.
  bool Show(std::vector<std::function<void(HWND)>> steps) {
    MenuSession session;
    session.menus = {&menu_, &sub_};
    session.steps = std::move(steps);
    gSession = &session;
    SetForegroundWindow(owner_);
    SetTimer(owner_, kGiveUpTimer, 10000, nullptr);
    TrackPopupMenu(menu_.handle(), TPM_RETURNCMD | TPM_RIGHTBUTTON, 100, 100, 0, owner_, nullptr);
    KillTimer(owner_, kGiveUpTimer);
    KillTimer(owner_, kStepTimer);
    gSession = nullptr;
    lastMenuWindow_ = session.menuWindow;
    return session.menuWindow != nullptr && !session.gaveUp && session.next == session.steps.size();
  }

  HWND owner_ = nullptr;
  HFONT font_ = nullptr;
  OwnerMenu sub_;
  OwnerMenu menu_;
  HWND lastMenuWindow_ = nullptr;
};

struct SubclassSeen {
  bool property = false;
  bool procedureReplaced = false;
  size_t count = 0;
  bool stillOnceAfterSizing = false;
};

SubclassSeen LookAtSubclass(HWND menuWindow) {
  SubclassSeen seen;
  const HANDLE previous = GetPropW(menuWindow, kMenuOldProcProperty);
  seen.property = previous != nullptr;
  const LONG_PTR procedure = GetWindowLongPtrW(menuWindow, GWLP_WNDPROC);
  seen.procedureReplaced = seen.property && procedure != reinterpret_cast<LONG_PTR>(previous);
  seen.count = SubclassedMenuWindowCount();
  // The menu's internal sizing message reaches the hook again: it must not wrap the window twice.
  SendMessageW(menuWindow, kMenuSizingMessage, 0, 0);
  seen.stillOnceAfterSizing = GetPropW(menuWindow, kMenuOldProcProperty) == previous &&
                              GetWindowLongPtrW(menuWindow, GWLP_WNDPROC) == procedure &&
                              SubclassedMenuWindowCount() == 1;
  return seen;
}

TEST_F(OwnerMenuFrame, MenuWindowIsSubclassedOnceWhileOpenEachTime) {
  ASSERT_TRUE(InstallMenuFrameHook());
  EXPECT_FALSE(InstallMenuFrameHook()) << "once per process";
  for (int opening = 0; opening < 2; ++opening) {
    SubclassSeen seen;
    ASSERT_TRUE(Show({[&](HWND menuWindow) { seen = LookAtSubclass(menuWindow); }}))
        << "opening " << opening;
    EXPECT_TRUE(seen.property) << "opening " << opening;
    EXPECT_TRUE(seen.procedureReplaced) << "opening " << opening;
    EXPECT_EQ(seen.count, 1u) << "opening " << opening;
    EXPECT_TRUE(seen.stillOnceAfterSizing) << "opening " << opening;
    EXPECT_EQ(SubclassedMenuWindowCount(), 0u) << "opening " << opening << ": let go on close";
    if (IsWindow(lastMenuWindow_)) {
      EXPECT_EQ(GetPropW(lastMenuWindow_, kMenuOldProcProperty), nullptr);
    }
  }
}

TEST_F(OwnerMenuFrame, ItemsTakeTheirMeasuredHeightsAndTheFrameIsFlat) {
  ASSERT_TRUE(InstallMenuFrameHook());
  const int heights[] = {17, 17, 17, 0, 5, 17};
  RECT rects[6] = {};
  RECT window{};  // the menu window on the screen
  std::unique_ptr<DibCanvas> printed, screen, selected;
  auto print = [](HWND menuWindow, const RECT& bounds) {
    auto canvas =
        std::make_unique<DibCanvas>(bounds.right - bounds.left, bounds.bottom - bounds.top);
    PrintWindow(menuWindow, canvas->dc(), 0);
    return canvas;
  };
  ASSERT_TRUE(Show({
      [&](HWND menuWindow) {
        for (int i = 0; i < 6; ++i) GetMenuItemRect(nullptr, menu_.handle(), i, &rects[i]);
        GetWindowRect(menuWindow, &window);
        UpdateWindow(menuWindow);
        printed = print(menuWindow, window);
        screen =
            std::make_unique<DibCanvas>(window.right - window.left, window.bottom - window.top);
        screen->CopyFromWindow(menuWindow);
        // Two steps down select the second item for the next step.
        PostMessageW(owner_, WM_KEYDOWN, VK_DOWN, 0);
        PostMessageW(owner_, WM_KEYDOWN, VK_DOWN, 0);
      },
      [&](HWND menuWindow) {
        UpdateWindow(menuWindow);
        selected = print(menuWindow, window);
        SaveWindowPicture(menuWindow, "owner_menu_open");
      },
  }));

  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(rects[i].bottom - rects[i].top, heights[i]) << "item " << i;
    EXPECT_EQ(rects[i].right - rects[i].left, rects[0].right - rects[0].left) << "item " << i;
    if (i > 0) {
      EXPECT_EQ(rects[i].top, rects[i - 1].bottom) << "item " << i;
    }
  }
  EXPECT_GE(rects[0].right - rects[0].left, 156);

  // The frame: a black outline, then two light-grey ones, on every side; both as printed
  // (WM_PRINT) and as the screen shows it (WM_NCPAINT / WM_PAINT).
  const int w = window.right - window.left, h = window.bottom - window.top;
  ASSERT_GT(w, 10);
  ASSERT_GT(h, 10);
  const struct {
    int x, y;
    COLORREF colour;
  } frame[] = {
      {0, 0, 0x000000},         {w / 2, 0, 0x000000},     {w - 1, h / 2, 0x000000},
      {w / 2, h - 1, 0x000000}, {0, h / 2, 0x000000},     {1, 1, 0xE9E9E9},
      {w / 2, 1, 0xE9E9E9},     {w / 2, 2, 0xE9E9E9},     {w - 2, h / 2, 0xE9E9E9},
      {w - 3, h / 2, 0xE9E9E9}, {w / 2, h - 2, 0xE9E9E9}, {2, h / 2, 0xE9E9E9},
  };
  for (const auto& spot : frame) {
    EXPECT_EQ(printed->At(spot.x, spot.y), spot.colour) << "printed " << spot.x << "," << spot.y;
    EXPECT_EQ(screen->At(spot.x, spot.y), spot.colour) << "screen " << spot.x << "," << spot.y;
  }

  // The items as the owner drew them: the checked item's text is light blue; the second item is
  // light grey at first and a black bar with light-grey text once selected.
  auto inWindow = [&](const RECT& r) {
    return RECT{r.left - window.left, r.top - window.top, r.right - window.left,
                r.bottom - window.top};
  };
  const RECT second = inWindow(rects[1]);
  const int middle = (second.top + second.bottom) / 2;
  EXPECT_EQ(printed->At(second.left + 1, middle), 0xE9E9E9u);
  EXPECT_GT(printed->Count(inWindow(rects[2]), 0xFFBF44), 10) << "checked text";
  EXPECT_EQ(selected->At(second.left + 1, middle), 0x000000u) << "selection bar";
  EXPECT_GT(selected->Count(second, 0xE9E9E9), 10) << "selected text";
  // The separator's line across its middle stands out from the rows.
  const RECT separator = inWindow(rects[4]);
  const int line = (separator.top + separator.bottom) / 2;
  EXPECT_EQ(printed->Count(RECT{separator.left, line, separator.right, line + 1}, 0xE9E9E9), 0);
}

TEST_F(OwnerMenuFrame, RemoveRestoresAnOpenMenuWindow) {
  ASSERT_TRUE(InstallMenuFrameHook());
  HANDLE previous = nullptr;
  LONG_PTR procedureAfterRemove = 0;
  bool propertyAfterRemove = true;
  size_t countAfterRemove = 99;
  ASSERT_TRUE(Show({[&](HWND menuWindow) {
    previous = GetPropW(menuWindow, kMenuOldProcProperty);
    RemoveMenuFrameHook();
    procedureAfterRemove = GetWindowLongPtrW(menuWindow, GWLP_WNDPROC);
    propertyAfterRemove = GetPropW(menuWindow, kMenuOldProcProperty) != nullptr;
    countAfterRemove = SubclassedMenuWindowCount();
  }}));
  ASSERT_NE(previous, nullptr);
  EXPECT_EQ(procedureAfterRemove, reinterpret_cast<LONG_PTR>(previous));
  EXPECT_FALSE(propertyAfterRemove);
  EXPECT_EQ(countAfterRemove, 0u);
  EXPECT_FALSE(MenuFrameHookInstalled());

  // Without the hook menus keep their own frame; a new hook can be installed afterwards.
  bool propertyWithoutHook = true;
  ASSERT_TRUE(Show({[&](HWND menuWindow) {
    propertyWithoutHook = GetPropW(menuWindow, kMenuOldProcProperty) != nullptr;
  }}));
  EXPECT_FALSE(propertyWithoutHook);
  EXPECT_TRUE(InstallMenuFrameHook());
}

// The arrow icon linked into this program is drawn at the right end of an item that opens a
// submenu, and only there.
TEST(OwnerMenuArrow, DrawnOnlyOnItemsThatOpenASubmenu) {
  const HICON arrow = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_SUBMENU_ARROW));
  ASSERT_NE(arrow, nullptr);
  OwnerMenu sub;
  ASSERT_TRUE(sub.Construct(nullptr, arrow));
  OwnerMenu menu;
  ASSERT_TRUE(menu.Construct(nullptr, arrow));
  ASSERT_TRUE(menu.Append(1100, L"", sub.handle()));
  ASSERT_TRUE(menu.Append(1001, L""));
  const RECT item{10, 20, 166, 37};
  for (UINT position = 0; position < 2; ++position) {
    DibCanvas canvas(200, 60);
    ASSERT_TRUE(canvas.ok());
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_DATA;
    ASSERT_TRUE(GetMenuItemInfoW(menu.handle(), position, TRUE, &info));
    DRAWITEMSTRUCT draw{};
    draw.CtlType = ODT_MENU;
    draw.itemID = info.wID;
    draw.itemData = info.dwItemData;
    draw.hDC = canvas.dc();
    draw.rcItem = item;
    ASSERT_TRUE(menu.DrawItem(draw));
    const RECT end{item.right - 19, item.top, item.right, item.bottom};
    const int notBackground = 19 * 17 - canvas.Count(end, 0xE9E9E9);
    if (position == 0) {
      EXPECT_GT(notBackground, 5) << "arrow on the submenu item";
    } else {
      EXPECT_EQ(notBackground, 0) << "no arrow on a command item";
    }
  }
  sub.Destroy();
  menu.Destroy();
}

}  // namespace
