// The nine skin descriptions of the configurator, as built beside the test program: each makes a
// shaped window of its Normal picture's size whose controls lie on the window, and each window's
// picture is saved in <build>/screenshots for a person to look at.

#include <gtest/gtest.h>
#include <objbase.h>
#include <windows.h>

#include <string>
#include <vector>

#include "platform/module_folder.h"
#include "skin/skinned_window.h"
#include "tests/windows_support/window_picture.h"

namespace {

constexpr UINT kMsgInspect = WM_APP + 30;

// Every key a description may use; a window reads only its own, absent ones give zero entries.
std::vector<int> AllKeys() {
  std::vector<int> keys;
  for (int key = 1; key <= 61; ++key) keys.push_back(key);
  return keys;
}

class RealSkinWindow : public SkinnedWindow {
 public:
  RealSkinWindow(const Text& file, std::string screenshot)
      : SkinnedWindow(Template(), {file}), screenshot_(std::move(screenshot)) {}

  std::vector<ButtonPosEntry> entries;
  SIZE size{};        // of the background picture
  SIZE windowSize{};  // of the window
  SIZE maskSize{};
  HRGN shape = nullptr;  // a copy of the window's region, owned by the test
  std::wstring screenshotPath;

 protected:
  std::vector<SkinControl> SkinControls() override {
    std::vector<SkinControl> controls;
    for (int key : AllKeys()) {
      controls.push_back({key, [this](const ButtonPosEntry& entry, const SkinStateImages&) {
                            entries.push_back(entry);
                          }});
    }
    return controls;
  }
  bool RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  static DialogTemplateSpec Template() {
    DialogTemplateSpec spec;
    // Not shown: under Wine without a window manager every shown window costs two seconds when
    // it goes, and the picture is taken with PrintWindow all the same.
    spec.style = WS_POPUP | DS_SETFONT;
    spec.width = 100;
    spec.height = 100;
    spec.fontName = u"Arial";
    spec.fontPointSize = 10;
    return spec;
  }
  static const MessageRoute<RealSkinWindow> kRoutes[];
  LRESULT OnInitDialog(WPARAM, LPARAM) {
    PostMessageW(handle(), kMsgInspect, 0, 0);
    return TRUE;
  }
  LRESULT OnInspect(WPARAM, LPARAM) {
    size = skin().size;
    RECT rect{};
    GetWindowRect(handle(), &rect);
    windowSize = {rect.right - rect.left, rect.bottom - rect.top};
    BITMAP mask{};
    if (GetObjectW(skin().mask, sizeof mask, &mask) != 0) maskSize = {mask.bmWidth, mask.bmHeight};
    shape = CreateRectRgn(0, 0, 0, 0);
    if (GetWindowRgn(handle(), shape) == ERROR) {
      DeleteObject(shape);
      shape = nullptr;
    }
    RedrawWindow(handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    screenshotPath = SaveWindowPicture(handle(), screenshot_);
    EndModal(IDOK);
    return 0;
  }
  std::string screenshot_;
};

const MessageRoute<RealSkinWindow> RealSkinWindow::kRoutes[] = {
    {WM_INITDIALOG, &RealSkinWindow::OnInitDialog},
    {kMsgInspect, &RealSkinWindow::OnInspect},
};

bool RealSkinWindow::RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  return Route(this, kRoutes, message, wParam, lParam, result) ||
         SkinnedWindow::RouteMessage(message, wParam, lParam, result);
}

TEST(RealSkinWindows, EachDescriptionMakesAShapedWindowHoldingItsControls) {
  CoInitialize(nullptr);
  SetSkinFolder(ProgramFolder() + u"skins\\");
  const char* const names[] = {"main",          "shortcut",   "single_key",
                               "macro_manager", "profile",    "delete_macro_warn",
                               "click_warn",    "reset_warn", "macro_set_warn"};
  for (const char* name : names) {
    SCOPED_TRACE(name);
    const Text file = u"skin_" + AsciiText(name) + u".ini";
    RealSkinWindow window(file, std::string("skin_") + name);
    ASSERT_EQ(window.DoModal(nullptr), IDOK);
    EXPECT_GT(window.size.cx, 0);
    EXPECT_GT(window.size.cy, 0);
    // The window has the background's size, and the mask the same.
    EXPECT_EQ(window.windowSize.cx, window.size.cx);
    EXPECT_EQ(window.windowSize.cy, window.size.cy);
    EXPECT_EQ(window.maskSize.cx, window.size.cx);
    EXPECT_EQ(window.maskSize.cy, window.size.cy);
    ASSERT_NE(window.shape, nullptr);
    RECT box{};
    EXPECT_NE(GetRgnBox(window.shape, &box), NULLREGION);
    EXPECT_GE(box.left, 0);
    EXPECT_GE(box.top, 0);
    EXPECT_LE(box.right, window.size.cx);
    EXPECT_LE(box.bottom, window.size.cy);

    // Every control the description places lies on the window: inside its rectangle and with
    // its centre on the shape.
    int placed = 0;
    for (const ButtonPosEntry& e : window.entries) {
      if (e.left == 0 && e.top == 0 && e.right == 0 && e.bottom == 0) continue;
      ++placed;
      const std::string label = TextToAscii(e.name);
      EXPECT_LT(e.left, e.right) << label;
      EXPECT_LT(e.top, e.bottom) << label;
      EXPECT_GE(e.left, 0) << label;
      EXPECT_GE(e.top, 0) << label;
      EXPECT_LE(e.right, window.size.cx) << label;
      EXPECT_LE(e.bottom, window.size.cy) << label;
      EXPECT_TRUE(PtInRegion(window.shape, (e.left + e.right) / 2, (e.top + e.bottom) / 2))
          << label;
    }
    EXPECT_GT(placed, 0);
    EXPECT_FALSE(window.screenshotPath.empty());
    DeleteObject(window.shape);
  }
  CoUninitialize();
}

}  // namespace
