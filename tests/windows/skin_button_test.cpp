// The skinned push button under Wine: the look it shows in each state, cut from full-window
// pictures; clicks reaching the owner by handle; toggle mode; hover and the capture; GDI+
// captions placed by alignment mode; the tooltip registered from pre-translation.

#include "skin/skin_button.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <memory>
#include <string>

#include "tests/windows/skin_control_host.h"
#include "ui/enable_repaint.h"
#include "ui/message_loop.h"

namespace {

constexpr int kImageWidth = 320;
constexpr int kImageHeight = 200;
constexpr COLORREF kNormal = RGB(200, 40, 40);
constexpr COLORREF kOver = RGB(40, 200, 40);
constexpr COLORREF kDown = RGB(40, 40, 200);
constexpr COLORREF kDisable = RGB(170, 170, 170);
constexpr COLORREF kMark = RGB(255, 255, 0);

// The four full-window pictures of a window, each marked at one point.
struct StatePictures {
  HBITMAP normal, over, down, disable;
  StatePictures(int markX, int markY, int width = kImageWidth, int height = kImageHeight)
      : normal(SolidPicture(width, height, kNormal, markX, markY, kMark)),
        over(SolidPicture(width, height, kOver, markX, markY, kMark)),
        down(SolidPicture(width, height, kDown, markX, markY, kMark)),
        disable(SolidPicture(width, height, kDisable, markX, markY, kMark)) {}
  ~StatePictures() {
    for (HBITMAP picture : {normal, over, down, disable}) DeleteObject(picture);
  }
};

// One shown owner for the whole suite: under Wine without a window manager every shown
// top-level window costs seconds to take down again.
class SkinButtonTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { host_ = new ControlHost(); }
  static void TearDownTestSuite() {
    delete host_;
    host_ = nullptr;
  }
  void SetUp() override {
    ASSERT_NE(host_->handle(), nullptr);
    host_->commands.clear();
    SetForegroundWindow(host_->handle());
    SetActiveWindow(host_->handle());
  }

  // A button at rect with its looks cut from pictures marked at the rectangle's top-left (or
  // plain ones).
  std::unique_ptr<SkinButton> MakeButton(const RECT& rect, bool marked = true) {
    auto button = std::make_unique<SkinButton>();
    EXPECT_TRUE(button->Create(host_->handle(), rect));
    StatePictures pictures(marked ? rect.left : -1, marked ? rect.top : -1);
    button->SetImages(rect, pictures.normal, pictures.over, pictures.down, pictures.disable);
    return button;
  }

  static ControlHost* host_;
};

ControlHost* SkinButtonTest::host_ = nullptr;

TEST_F(SkinButtonTest, CreationMakesAnOwnerDrawnChildWithIdZeroOutOfTheTabOrder) {
  auto button = MakeButton({20, 30, 80, 60});
  HWND window = button->handle();
  ASSERT_NE(window, nullptr);
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  EXPECT_EQ(style & BS_TYPEMASK, BS_OWNERDRAW);
  EXPECT_NE(style & WS_CHILD, 0);
  EXPECT_NE(style & WS_VISIBLE, 0);
  EXPECT_EQ(style & (WS_TABSTOP | WS_BORDER), 0);
  EXPECT_EQ(GetDlgCtrlID(window), 0);
  EXPECT_EQ(GetParent(window), host_->handle());
  RECT placed{};
  GetWindowRect(window, &placed);
  MapWindowPoints(nullptr, host_->handle(), reinterpret_cast<POINT*>(&placed), 2);
  EXPECT_EQ(placed.left, 20);
  EXPECT_EQ(placed.top, 30);
  EXPECT_EQ(placed.right, 80);
  EXPECT_EQ(placed.bottom, 60);
}

struct LookCase {
  const char* name;
  bool toggle;
  bool checked;
  bool disabled;
  bool hover;
  bool pressed;  // the system button's pushed state (ODS_SELECTED)
  COLORREF look;
};

TEST_F(SkinButtonTest, ShowsTheLookOfItsStateCutAtItsRectangle) {
  const LookCase cases[] = {
      {"normal", false, false, false, false, false, kNormal},
      {"hover", false, false, false, true, false, kOver},
      {"pressed", false, false, false, false, true, kDown},
      {"checked", false, true, false, false, false, kDown},
      {"disabled", false, false, true, false, false, kDisable},
      {"disabled and checked", false, true, true, false, false, kDisable},
      {"toggle normal", true, false, false, false, false, kNormal},
      {"toggle pressed shows no press", true, false, false, false, true, kNormal},
      {"toggle checked", true, true, false, false, false, kDown},
      {"toggle disabled and checked", true, true, true, false, false, kDisable},
  };
  const RECT rect{40, 50, 100, 74};
  for (const LookCase& c : cases) {
    SCOPED_TRACE(c.name);
    auto button = MakeButton(rect);
    button->SetToggleMode(c.toggle);
    button->SetChecked(c.checked);
    button->SetHover(c.hover);
    EnableWindow(button->handle(), c.disabled ? FALSE : TRUE);
    if (c.pressed) SendMessageW(button->handle(), BM_SETSTATE, TRUE, 0);
    const Pixels pixels = PrintClient(button->handle());
    ASSERT_EQ(pixels.width, 60);
    ASSERT_EQ(pixels.height, 24);
    // The top-left pixel comes from the pictures' mark at the rectangle's corner: the cut was
    // taken at the rectangle, 1:1.
    EXPECT_EQ(pixels.At(0, 0), Rgb(kMark));
    EXPECT_EQ(CountColour(pixels, Rgb(c.look)), 60 * 24 - 1);
  }
}

TEST_F(SkinButtonTest, EmptyLooksDrawNothing) {
  // Pictures smaller than the window: a button beyond them, one partly over them, and one given
  // no pictures at all.
  StatePictures small(-1, -1, 100, 60);
  const RECT outside{120, 10, 160, 40};
  const RECT partly{80, 40, 120, 80};
  SkinButton beyond, overlapping, bare;
  ASSERT_TRUE(beyond.Create(host_->handle(), outside));
  ASSERT_TRUE(overlapping.Create(host_->handle(), partly));
  ASSERT_TRUE(bare.Create(host_->handle(), outside));
  beyond.SetImages(outside, small.normal, small.over, small.down, small.disable);
  overlapping.SetImages(partly, small.normal, small.over, small.down, small.disable);
  bare.SetImages(outside, nullptr, nullptr, nullptr, nullptr);

  const COLORREF sentinel = RGB(1, 2, 3);
  for (SkinButton* button : {&beyond, &bare}) {
    button->SetHover(true);
    const Pixels pixels = PrintClient(button->handle(), sentinel);
    EXPECT_EQ(CountColour(pixels, Rgb(sentinel)), 40 * 30);
  }
  // The overlap keeps what it covers.
  const Pixels pixels = PrintClient(overlapping.handle(), sentinel);
  EXPECT_EQ(pixels.At(0, 0), Rgb(kNormal));
  EXPECT_EQ(pixels.At(19, 19), Rgb(kNormal));
}

TEST_F(SkinButtonTest, AClickReachesTheOwnerWithIdZeroAndTheButtonsHandle) {
  auto first = MakeButton({10, 10, 60, 40});
  auto second = MakeButton({70, 10, 120, 40});
  SendMessageW(second->handle(), BM_CLICK, 0, 0);
  SendMessageW(first->handle(), BM_CLICK, 0, 0);
  ASSERT_EQ(host_->commands.size(), 2u);
  EXPECT_EQ(host_->commands[0].wParam, MAKEWPARAM(0, BN_CLICKED));
  EXPECT_EQ(host_->commands[0].lParam, reinterpret_cast<LPARAM>(second->handle()));
  EXPECT_EQ(host_->commands[1].wParam, MAKEWPARAM(0, BN_CLICKED));
  EXPECT_EQ(host_->commands[1].lParam, reinterpret_cast<LPARAM>(first->handle()));
  EXPECT_FALSE(first->checked());  // a push button does not toggle
}

TEST_F(SkinButtonTest, ToggleModeFlipsCheckedAndNotifiesOncePerClick) {
  auto button = MakeButton({10, 10, 60, 40});
  button->SetToggleMode(true);
  for (int click = 1; click <= 3; ++click) {
    SCOPED_TRACE(click);
    SendMessageW(button->handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(button->checked(), click % 2 == 1);
    ASSERT_EQ(host_->commands.size(), static_cast<size_t>(click));
    EXPECT_EQ(host_->commands.back().wParam, MAKEWPARAM(0, BN_CLICKED));
    EXPECT_EQ(host_->commands.back().lParam, reinterpret_cast<LPARAM>(button->handle()));
    // The system button's press is over: not pushed, not holding the capture.
    EXPECT_EQ(SendMessageW(button->handle(), BM_GETSTATE, 0, 0) & BST_PUSHED, 0);
    EXPECT_NE(GetCapture(), button->handle());
    const Pixels pixels = PrintClient(button->handle());
    EXPECT_EQ(pixels.At(10, 10), Rgb(button->checked() ? kDown : kNormal));
  }
  // A press dragged off the button and released elsewhere changes nothing.
  SendMessageW(button->handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageW(button->handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, -20));
  EXPECT_TRUE(button->checked());
  EXPECT_EQ(host_->commands.size(), 3u);
  EXPECT_NE(GetCapture(), button->handle());
}

// The box of pixels that differ from the background, in the button's client coordinates.
struct Box {
  int left = INT_MAX, top = INT_MAX, right = -1, bottom = -1;
  int count = 0;
};

Box CaptionBox(const Pixels& pixels, uint32_t background) {
  Box box;
  for (int y = 0; y < pixels.height; ++y) {
    for (int x = 0; x < pixels.width; ++x) {
      if (pixels.At(x, y) == background) continue;
      box.left = std::min(box.left, x);
      box.top = std::min(box.top, y);
      box.right = std::max(box.right, x + 1);
      box.bottom = std::max(box.bottom, y + 1);
      ++box.count;
    }
  }
  return box;
}

TEST_F(SkinButtonTest, CaptionIsPlacedByItsAlignmentMode) {
  const RECT rect{10, 100, 210, 130};  // 200 x 30
  struct ModeCase {
    int32_t mode;
    int leftMin, leftMax;  // where the caption's first column may lie
    bool centred;
  };
  const ModeCase cases[] = {
      {2, 0, 200, true},  {7, 0, 200, true},  {1, 35, 40, false},
      {3, 10, 15, false}, {4, 20, 25, false},
  };
  for (const ModeCase& c : cases) {
    SCOPED_TRACE(c.mode);
    auto button = MakeButton(rect, false);
    button->SetCaption(u"Wide");
    button->SetCaptionMode(c.mode);
    button->SetCaptionColours({0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF});
    const Box box = CaptionBox(PrintClient(button->handle()), Rgb(kNormal));
    ASSERT_GT(box.count, 20) << "no caption drawn";
    EXPECT_GE(box.left, c.leftMin);
    EXPECT_LE(box.left, c.leftMax);
    if (c.centred) {
      EXPECT_NEAR((box.left + box.right) / 2.0, 100.0, 3.0);
      EXPECT_NEAR((box.top + box.bottom) / 2.0, 15.0, 2.0);
    } else {
      // Centred in the layout rectangle that starts 3 pixels lower.
      EXPECT_NEAR((box.top + box.bottom) / 2.0, 16.5, 2.0);
    }
  }
}

TEST_F(SkinButtonTest, CaptionColourFollowsTheState) {
  struct ColourCase {
    const char* name;
    bool checked, disabled, hover;
    uint32_t expected;  // 0x00RRGGBB
  };
  const ColourCase cases[] = {
      {"normal", false, false, false, 0xFFFFFF},
      {"hover", false, false, true, 0xFFFF00},
      {"checked", true, false, true, 0x00FFFF},
      {"disabled", false, true, false, 0x000000},
  };
  for (const ColourCase& c : cases) {
    SCOPED_TRACE(c.name);
    auto button = MakeButton({10, 100, 210, 130}, false);
    button->SetCaption(u"MMMM");
    button->SetFontSize(20.0f);
    button->SetCaptionColours({0xFFFFFFFF, 0xFFFFFF00, 0xFF00FFFF, 0xFF000000});
    button->SetChecked(c.checked);
    button->SetHover(c.hover);
    EnableWindow(button->handle(), c.disabled ? FALSE : TRUE);
    const Pixels pixels = PrintClient(button->handle());
    EXPECT_GT(CountColour(pixels, c.expected), 10);
  }
}

TEST_F(SkinButtonTest, ALongCaptionStaysOnOneLine) {
  auto button = MakeButton({10, 100, 90, 160}, false);  // 80 x 60: room for three lines
  button->SetCaption(u"Several words that cannot fit in one line");
  button->SetCaptionColours({0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF});
  const Box box = CaptionBox(PrintClient(button->handle()), Rgb(kNormal));
  ASSERT_GT(box.count, 20);
  EXPECT_LT(box.bottom - box.top, 18);  // one line of a 12-pixel font
  EXPECT_LE(box.right, 80);
}

TEST_F(SkinButtonTest, TooltipIsRegisteredFromPreTranslationOnceTheButtonHasACaption) {
  auto button = MakeButton({10, 10, 60, 40});
  HWND tooltip = button->tooltip();
  ASSERT_NE(tooltip, nullptr);

  // One pointer move through the framework's loop, then a marker command to the host that ends
  // the loop.
  constexpr WPARAM kEnd = 0xBEEF;
  auto preTranslateOneMove = [&] {
    host_->commands.clear();
    PostMessageW(button->handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    PostMessageW(host_->handle(), WM_COMMAND, kEnd, 0);
    RunModalLoop([&] { return host_->commands.empty(); });
    ReleaseCapture();
  };
  preTranslateOneMove();
  EXPECT_EQ(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0), 0);

  button->SetCaption(u"Apply");
  preTranslateOneMove();
  ASSERT_EQ(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0), 1);
  wchar_t text[64] = {};
  TOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.hwnd = button->handle();
  tool.uId = 1;
  tool.lpszText = text;
  SendMessageW(tooltip, TTM_GETTEXTW, 64, reinterpret_cast<LPARAM>(&tool));
  EXPECT_STREQ(text, L"Apply");

  // A new caption updates the one tool.
  button->SetCaption(u"Apply all");
  button->SetTooltip(true);
  EXPECT_EQ(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0), 1);
  SendMessageW(tooltip, TTM_GETTEXTW, 64, reinterpret_cast<LPARAM>(&tool));
  EXPECT_STREQ(text, L"Apply all");

  // An empty caption drops the tool, and pre-translation does not bring it back.
  button->SetCaption(u"");
  preTranslateOneMove();
  EXPECT_EQ(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0), 0);
}

// The tooltip windows of the button's top-level window (a pop-up created for a child is owned by
// the child's top-level window); the test's button is the only one there.
int OwnedTooltips(HWND button) {
  struct Count {
    HWND owner;
    int count;
  } count{GetAncestor(button, GA_ROOT), 0};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM data) -> BOOL {
        auto* c = reinterpret_cast<Count*>(data);
        wchar_t name[32] = {};
        GetClassNameW(window, name, 32);
        if (std::wstring(name) == TOOLTIPS_CLASSW && GetWindow(window, GW_OWNER) == c->owner) {
          ++c->count;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&count));
  return count.count;
}

TEST_F(SkinButtonTest, TooltipWindowComesWithThePointerOverACaptionedButton) {
  auto button = MakeButton({10, 10, 60, 40});
  auto preTranslate = [&](UINT message) {
    MSG msg{button->handle(), message, 0, MAKELPARAM(5, 5)};
    button->PreTranslateMessage(msg);
  };
  button->SetTooltip(true);
  preTranslate(WM_MOUSEMOVE);  // no caption: nothing to show
  button->SetCaption(u"Apply");
  button->SetTooltip(true);
  preTranslate(WM_PAINT);  // not the pointer
  EXPECT_EQ(OwnedTooltips(button->handle()), 0);

  preTranslate(WM_MOUSEMOVE);
  ASSERT_EQ(OwnedTooltips(button->handle()), 1);
  EXPECT_EQ(SendMessageW(button->tooltip(), TTM_GETTOOLCOUNT, 0, 0), 1);
  button->SetCaption(u"");
  button->SetCaption(u"Apply all");
  preTranslate(WM_LBUTTONDOWN);
  EXPECT_EQ(OwnedTooltips(button->handle()), 1);
  EXPECT_EQ(SendMessageW(button->tooltip(), TTM_GETTOOLCOUNT, 0, 0), 1);
}

TEST_F(SkinButtonTest, AskingForTheTooltipOfACaptionedButtonRegistersIt) {
  auto button = MakeButton({10, 10, 60, 40});
  button->SetCaption(u"Apply");
  HWND tooltip = button->tooltip();
  ASSERT_NE(tooltip, nullptr);
  EXPECT_EQ(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0), 1);
}

TEST_F(SkinButtonTest, DestroyingTheButtonTakesItsTooltipWithIt) {
  auto button = MakeButton({10, 10, 60, 40});
  HWND tooltip = button->tooltip();
  ASSERT_TRUE(IsWindow(tooltip));
  button.reset();
  EXPECT_FALSE(IsWindow(tooltip));
}

// A captioned look is composed once and kept; whatever changes between two paints of the same
// button, the second shows exactly what a new button set up the same way shows.
TEST_F(SkinButtonTest, AKeptCaptionedLookNeverOutlivesWhatItWasDrawnFrom) {
  struct Setup {
    const char16_t* caption = u"Apply";
    int32_t mode = 2;
    float fontSize = 12.0f;
    uint32_t normalColour = 0xFFFFFFFF;
    bool hover = false;
    bool disabled = false;
    int width = 80;
    COLORREF pictures = kNormal;
  };
  const struct {
    const char* what;
    Setup after;
  } rows[] = {
      {"nothing changed", {}},
      {"another caption", {u"OK"}},
      {"another placement", {u"Apply", 1}},
      {"another font size", {u"Apply", 2, 16.0f}},
      {"another colour", {u"Apply", 2, 12.0f, 0xFF00FF00}},
      {"another state", {u"Apply", 2, 12.0f, 0xFFFFFFFF, true}},
      {"disabled", {u"Apply", 2, 12.0f, 0xFFFFFFFF, false, true}},
      {"another size", {u"Apply", 2, 12.0f, 0xFFFFFFFF, false, false, 96}},
      {"other pictures", {u"Apply", 2, 12.0f, 0xFFFFFFFF, false, false, 80, RGB(20, 90, 160)}},
  };
  auto apply = [](SkinButton& button, const Setup& s) {
    SetWindowPos(button.handle(), nullptr, 0, 0, s.width, 24, SWP_NOMOVE | SWP_NOZORDER);
    const RECT rect{10, 140, 10 + s.width, 164};
    const HBITMAP picture = SolidPicture(kImageWidth, kImageHeight, s.pictures, -1, -1, kMark);
    button.SetImages(rect, picture, picture, picture, picture);
    DeleteObject(picture);
    button.SetCaption(s.caption);
    button.SetCaptionMode(s.mode);
    button.SetFontSize(s.fontSize);
    button.SetCaptionColours({s.normalColour, 0xFFFFFF00, 0xFF00FFFF, 0xFF303030});
    button.SetHover(s.hover);
    EnableWindow(button.handle(), s.disabled ? FALSE : TRUE);
  };
  for (const auto& r : rows) {
    auto kept = MakeButton({10, 140, 90, 164}, false);
    apply(*kept, Setup{});
    const Pixels first = PrintClient(kept->handle());
    EXPECT_EQ(PrintClient(kept->handle()).values, first.values) << r.what;
    apply(*kept, r.after);
    const Pixels again = PrintClient(kept->handle());

    auto fresh = MakeButton({10, 140, 90, 164}, false);
    apply(*fresh, r.after);
    const Pixels expected = PrintClient(fresh->handle());
    ASSERT_EQ(again.width, expected.width) << r.what;
    EXPECT_EQ(again.values, expected.values) << r.what;
    if (std::string(r.what) != "nothing changed") {
      EXPECT_NE(again.values, first.values) << r.what << ": the change shows";
    }
  }
}

// The WM_DRAWITEM messages a host receives on this thread, and the last one's item state.
struct DrawCount {
  HWND host = nullptr;
  int draws = 0;
  UINT lastState = 0;
};
DrawCount g_drawCount;

LRESULT CALLBACK CountDraws(int code, WPARAM wParam, LPARAM lParam) {
  const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && sent->message == WM_DRAWITEM && sent->hwnd == g_drawCount.host) {
    ++g_drawCount.draws;
    g_drawCount.lastState = reinterpret_cast<const DRAWITEMSTRUCT*>(sent->lParam)->itemState;
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Enabling or disabling paints the new look once, before returning, even for the focused button
// (which draws itself again on losing the focus); a hidden button stays hidden and unpainted.
TEST_F(SkinButtonTest, EnableAndRepaintDrawsTheNewLookOnce) {
  const struct {
    const char* what;
    bool shown;
    bool focused;
    bool enable;
    int draws;
  } rows[] = {
      {"disable", true, false, false, 1},
      {"disable the focused button", true, true, false, 1},
      {"enable", true, false, true, 1},
      {"disable a hidden button", false, false, false, 0},
      {"enable a hidden button", false, false, true, 0},
  };
  for (const auto& r : rows) {
    auto button = MakeButton({10, 10, 60, 40});
    button->SetCaption(u"Apply");
    HWND window = button->handle();
    EnableWindow(window, r.enable ? FALSE : TRUE);
    if (!r.shown) ShowWindow(window, SW_HIDE);
    if (r.focused) SetFocus(window);
    UpdateWindow(host_->handle());
    g_drawCount = DrawCount{host_->handle()};
    HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, CountDraws, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    EnableAndRepaint(window, r.enable);
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(g_drawCount.draws, r.draws) << r.what;
    if (r.draws > 0) {
      EXPECT_EQ((g_drawCount.lastState & ODS_DISABLED) != 0, !r.enable) << r.what;
    }
    EXPECT_EQ(IsWindowEnabled(window) != FALSE, r.enable) << r.what;
    EXPECT_EQ((GetWindowLongPtrW(window, GWL_STYLE) & WS_VISIBLE) != 0, r.shown) << r.what;
  }
}

TEST_F(SkinButtonTest, ScreenshotOfButtonsInTheirStates) {
  StatePictures pictures(-1, -1);
  struct Placed {
    RECT rect;
    const char16_t* caption;
    int32_t mode;
    COLORREF look;
  };
  const Placed placed[] = {
      {{10, 10, 150, 40}, u"Normal", 2, kNormal},
      {{160, 10, 300, 40}, u"Hover", 2, kOver},
      {{10, 50, 150, 80}, u"Checked", 1, kDown},
      {{160, 50, 300, 80}, u"Disabled", 3, kDisable},
      {{10, 90, 150, 120}, u"Toggle on", 4, kDown},
      {{160, 90, 300, 120}, u"A caption that is far too long for its button", 2, kNormal},
  };
  std::unique_ptr<SkinButton> buttons[std::size(placed)];
  for (size_t i = 0; i < std::size(placed); ++i) {
    buttons[i] = std::make_unique<SkinButton>();
    ASSERT_TRUE(buttons[i]->Create(host_->handle(), placed[i].rect));
    buttons[i]->SetImages(placed[i].rect, pictures.normal, pictures.over, pictures.down,
                          pictures.disable);
    buttons[i]->SetCaption(placed[i].caption);
    buttons[i]->SetCaptionMode(placed[i].mode);
    buttons[i]->SetCaptionColours({0xFFFFFFFF, 0xFF202020, 0xFFFFFF00, 0xFFDDDDDD});
  }
  buttons[1]->SetHover(true);
  buttons[2]->SetChecked(true);
  EnableWindow(buttons[3]->handle(), FALSE);
  buttons[4]->SetToggleMode(true);
  buttons[4]->SetChecked(true);
  RedrawWindow(host_->handle(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  const std::wstring path = SaveComposedPicture(host_->handle(), L"skin_buttons");
  EXPECT_FALSE(path.empty());
  // Each button's corner, clear of its caption, shows its look at its place.
  const Pixels shown = PrintClient(host_->handle(), RGB(0, 0, 0), true);
  for (const Placed& p : placed) {
    EXPECT_EQ(shown.At(p.rect.left + 2, p.rect.top + 2), Rgb(p.look));
    EXPECT_EQ(shown.At(p.rect.right - 3, p.rect.bottom - 3), Rgb(p.look));
  }
  EXPECT_EQ(shown.At(5, 5), Rgb(RGB(128, 128, 128)));  // the owner's own background
}

}  // namespace
