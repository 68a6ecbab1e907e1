// Skinned buttons made the way every configurator window makes them: from the default skin's
// profile-window description, through the window's per-control creators. Each button's normal
// look must be the window's own background at its place, so that the window shows no seams.

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "base/wide.h"
#include "skin/skin_button.h"
#include "skin/skinned_window.h"
#include "tests/windows/skin_control_host.h"

namespace {

constexpr UINT kMsgInspect = WM_APP + 30;

Text OwnFolder() {
  wchar_t path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  Text folder = FromWide(path, length);
  return folder.substr(0, folder.find_last_of(u'\\') + 1);
}

DialogTemplateSpec PopupTemplate() {
  DialogTemplateSpec spec;
  spec.style = WS_POPUP | WS_VISIBLE | DS_SETFONT;
  spec.width = 300;
  spec.height = 200;
  spec.title = u"skin buttons";
  spec.fontName = u"Arial";
  return spec;
}

// The profile window's three push buttons (keys 4 to 6), inspected once the window is up.
class ButtonWindow : public SkinnedWindow {
 public:
  ButtonWindow() : SkinnedWindow(PopupTemplate(), {u"skin_profile.ini"}) {}

  std::vector<std::unique_ptr<SkinButton>> buttons;
  std::vector<ButtonPosEntry> entries;
  std::function<void(ButtonWindow&)> inspect;

 protected:
  std::vector<SkinControl> SkinControls() override {
    std::vector<SkinControl> controls;
    for (int key : {4, 5, 6}) {
      controls.push_back({key, [this](const ButtonPosEntry& entry, const SkinStateImages& images) {
                            auto button = std::make_unique<SkinButton>();
                            if (button->CreateFromSkin(handle(), entry, images)) {
                              entries.push_back(entry);
                              buttons.push_back(std::move(button));
                            }
                          }});
    }
    return controls;
  }
  bool RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
    if (message == WM_INITDIALOG) PostMessageW(handle(), kMsgInspect, 0, 0);
    if (message == kMsgInspect) {
      if (inspect) inspect(*this);
      EndModal(IDOK);
      result = 0;
      return true;
    }
    return SkinnedWindow::RouteMessage(message, wParam, lParam, result);
  }
};

// The part of picture at rect, as PrintClient gives a control's pixels.
Pixels Cut(HBITMAP picture, const RECT& rect) {
  Pixels cut;
  cut.width = rect.right - rect.left;
  cut.height = rect.bottom - rect.top;
  HDC memory = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(memory, picture);
  for (int y = 0; y < cut.height; ++y) {
    for (int x = 0; x < cut.width; ++x)
      cut.values.push_back(Rgb(GetPixel(memory, rect.left + x, rect.top + y)));
  }
  SelectObject(memory, old);
  DeleteDC(memory);
  return cut;
}

TEST(SkinButtonFromSkin, ButtonsTakeTheirLooksFromTheWindowsPictures) {
  SetSkinFolder(OwnFolder() + u"skins\\");
  ButtonWindow window;
  bool inspected = false;
  window.inspect = [&](ButtonWindow& w) {
    inspected = true;
    ASSERT_EQ(w.buttons.size(), 3u);
    for (size_t i = 0; i < w.buttons.size(); ++i) {
      SCOPED_TRACE(testing::Message() << "button " << i);
      SkinButton& button = *w.buttons[i];
      const ButtonPosEntry& entry = w.entries[i];
      const RECT rect{entry.left, entry.top, entry.right, entry.bottom};
      ASSERT_GT(rect.right - rect.left, 0);
      EXPECT_EQ(GetDlgCtrlID(button.handle()), 0);
      EXPECT_FALSE(button.checked());

      const Pixels normal = PrintClient(button.handle());
      const Pixels background = Cut(w.skin().background, rect);
      EXPECT_EQ(normal.values, background.values);
      button.SetHover(true);
      const Pixels over = PrintClient(button.handle());
      EXPECT_NE(over.values, normal.values);  // the skin draws a mouse-over look for each
      button.SetHover(false);
    }
    // As the profile window shows them: captions from the entries, the first one hovered.
    for (size_t i = 0; i < w.buttons.size(); ++i) {
      w.buttons[i]->SetCaption(FieldText(w.entries[i].text));
      w.buttons[i]->SetCaptionColours({0xFF202020, 0xFF000000, 0xFFFFFFFF, 0xFF808080});
    }
    w.buttons[0]->SetHover(true);
    EXPECT_FALSE(SaveComposedPicture(w.handle(), L"skin_profile_buttons").empty());
  };
  EXPECT_EQ(window.DoModal(nullptr), IDOK);
  EXPECT_TRUE(inspected);
}

}  // namespace
