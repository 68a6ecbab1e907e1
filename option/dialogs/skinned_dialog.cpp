#include "option/dialogs/skinned_dialog.h"

#include "option/dialogs/centre_over_owner.h"
#include "option/menu_popup.h"

namespace {

// Whether a WM_COMMAND is a click of a skinned button: a quick second click reaches the owner as
// a double click, and is a click all the same.
bool IsButtonClick(WPARAM wParam, LPARAM lParam) {
  const WORD code = HIWORD(wParam);
  return lParam != 0 && (code == BN_CLICKED || code == BN_DOUBLECLICKED);
}

DialogTemplateSpec SkinnedDialogTemplate(const SkinnedDialogLook& look) {
  DialogTemplateSpec spec;
  spec.style = WS_POPUP | WS_VISIBLE | DS_SETFONT;
  spec.exStyle = look.exStyle;
  spec.width = look.width;
  spec.height = look.height;
  spec.title = look.title;
  spec.fontName = u"Arial";
  spec.fontPointSize = look.fontPointSize;
  return spec;
}

SkinnedWindowOptions SkinnedDialogOptions(const SkinnedDialogLook& look) {
  SkinnedWindowOptions options;
  options.descriptionFile = look.skinFile;
  return options;
}

}  // namespace

const MessageRoute<SkinnedDialog> SkinnedDialog::kRoutes[] = {
    {WM_INITDIALOG, &SkinnedDialog::OnInitDialog},
    {WM_COMMAND, &SkinnedDialog::OnCommand},
    {WM_MEASUREITEM, &SkinnedDialog::OnMeasureItem},
    {WM_DRAWITEM, &SkinnedDialog::OnDrawItem},
};

SkinnedDialog::SkinnedDialog(const SkinnedDialogLook& look)
    : SkinnedWindow(SkinnedDialogTemplate(look), SkinnedDialogOptions(look)) {}

bool SkinnedDialog::RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  return Route(this, kRoutes, message, wParam, lParam, result) ||
         SkinnedWindow::RouteMessage(message, wParam, lParam, result);
}

LRESULT SkinnedDialog::OnInitDialog(WPARAM, LPARAM) {
  Default();
  InitDialog();
  return TRUE;
}

LRESULT SkinnedDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
  // The keyboard's and system menu's IDOK and IDCANCEL (no control) go on to the modal dialog.
  if (!IsButtonClick(wParam, lParam) || !OnButtonClick(reinterpret_cast<HWND>(lParam))) {
    Decline();
  }
  return 0;
}

int SkinnedDialog::TrackMenu(MenuPopup& popup, int x, int y, UINT flags) {
  openMenu_ = &popup;
  const int command = popup.Track(handle(), x, y, flags);
  openMenu_ = nullptr;
  return command;
}

int SkinnedDialog::KeyOfButton(std::span<const SkinButton> buttons, HWND button) {
  if (button == nullptr) return -1;
  for (size_t key = 0; key < buttons.size(); ++key) {
    if (buttons[key].handle() == button) return static_cast<int>(key);
  }
  return -1;
}

LRESULT SkinnedDialog::OnMeasureItem(WPARAM, LPARAM lParam) {
  if (!AnswerMenuMeasure(openMenu_, lParam)) {
    Decline();
    return 0;
  }
  return TRUE;
}

LRESULT SkinnedDialog::OnDrawItem(WPARAM, LPARAM lParam) {
  if (!AnswerMenuDraw(openMenu_, lParam)) {
    Decline();
    return 0;
  }
  return TRUE;
}
