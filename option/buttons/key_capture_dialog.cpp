#include "option/buttons/key_capture_dialog.h"

#include "base/wide.h"
#include "lang/string_ids.h"
#include "option/dialogs/centre_over_owner.h"
#include "platform/win32_input_sink.h"
#include "settings/language_strings.h"
#include "skin/skin_button_caption.h"
#include "ui/offscreen_canvas.h"

using namespace key_capture_keys;

namespace {

SkinnedDialogLook KeyCaptureLook(bool single) {
  const Text title = FromWide(kKeyCaptureDialogTitle);
  return {.skinFile = single ? kSingleKeySkinFile : kShortcutSkinFile,
          .width = 230,
          .height = 75,
          .title = std::u16string(title.begin(), title.end())};
}

// The names the key-combination dialog paints beside its toggles.
struct ToggleCaption {
  uint16_t stringId;
  PixelRect rect;
};
constexpr ToggleCaption kToggleCaptions[] = {
    {IDS_KEYS_NO_MODIFIER, {112, 39, 112 + 61, 39 + 18}},
    {IDS_KEYS_CTRL, {198, 39, 198 + 61, 39 + 18}},
    {IDS_KEYS_SHIFT, {284, 39, 284 + 61, 39 + 18}},
    {IDS_KEYS_ALT, {369, 39, 369 + 61, 39 + 18}},
    {IDS_KEYS_WIN, {112, 73, 112 + 38, 73 + 18}},
};
constexpr float kToggleCaptionPixels = 12.0f;
constexpr uint32_t kToggleCaptionColour = 0xFF000000;
constexpr COLORREF kKeyFieldText = 0x000000;
constexpr COLORREF kKeyFieldBackground = 0xFFFFFF;

void SetFieldText(const BitmapEdit& field, const Text& text) {
  if (field.handle() != nullptr) SetWindowTextW(field.handle(), Wide(text));
}

}  // namespace

KeyCapture CaptureKeyCombination(HWND owner, uint8_t key, uint8_t modifiers, bool single) {
  KeyCaptureDialog dialog(single, CaptureStateOf(key, modifiers));
  // Only the confirm button accepts; every other way out (the close mark, a quit) cancels.
  if (dialog.DoModal(owner) != IDOK || !dialog.accepted()) return KeyCapture{};
  return AcceptedCapture(dialog.state());
}

const MessageRoute<KeyCaptureDialog> KeyCaptureDialog::kRoutes[] = {
    {kMsgCapturedKey, &KeyCaptureDialog::OnCapturedKey},
    {WM_PAINT, &KeyCaptureDialog::OnPaint},
    {WM_PRINTCLIENT, &KeyCaptureDialog::OnPrintClient},
    {WM_DESTROY, &KeyCaptureDialog::OnDestroy},
};

bool KeyCaptureDialog::RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  return Route(this, kRoutes, message, wParam, lParam, result) ||
         SkinnedDialog::RouteMessage(message, wParam, lParam, result);
}

KeyCaptureDialog::KeyCaptureDialog(bool single, KeyCaptureState initial)
    : SkinnedDialog(KeyCaptureLook(single)), single_(single), state_(initial) {}

KeyCaptureDialog::~KeyCaptureDialog() {
  // The controls' windows go before the window that holds them.
  if (handle() != nullptr) DestroyWindow(handle());
}

// --- creation ------------------------------------------------------------------------------------

SkinControl KeyCaptureDialog::Button(int key, SkinButton& button, uint16_t captionId) {
  return SkinControl{
      key, [this, &button, captionId](const ButtonPosEntry& entry, const SkinStateImages& images) {
        if (!button.CreateFromSkin(handle(), entry, images)) return;
        if (captionId == 0) return;
        button.SetCaptionMode(kCaptionModeGlyphIndent);  // after their mark
        button.SetCaption(LanguageString(captionId));
        button.SetTooltip(true);
      }};
}

SkinControl KeyCaptureDialog::KeyField() {
  return SkinControl{kKeyField, [this](const ButtonPosEntry& entry, const SkinStateImages&) {
                       // Read-only: the text always names the captured key, and nothing typed
                       // or pasted can make it say something else.
                       const DWORD style =
                           WS_CHILD | WS_VISIBLE | ES_CENTER | ES_AUTOHSCROLL | ES_READONLY;
                       if (!keyField_.Create(handle(), RectOf(entry), style)) return;
                       SetWindowLongPtrW(keyField_.handle(), GWLP_ID, kKeyFieldId);
                     }};
}

std::vector<SkinControl> KeyCaptureDialog::SkinControls() {
  std::vector<SkinControl> controls;
  controls.push_back(Button(kConfirm, confirm_, IDS_OK));
  controls.push_back(Button(kCancel, cancel_, IDS_CANCEL));
  controls.push_back(Button(kClose, close_, 0));
  for (int index = 0; index < kModifierToggleCount; ++index) {
    controls.push_back(Button(kFirstToggle + index, toggles_[index], 0));
  }
  controls.push_back(KeyField());
  return controls;
}

void KeyCaptureDialog::InitDialog() {
  CentreOverOwner(handle());
  SetWindowTextW(handle(), kKeyCaptureDialogTitle);
  for (SkinButton& toggle : toggles_) toggle.SetToggleMode(true);
  keyField_.SetTextColour(kKeyFieldText);
  keyField_.SetBackgroundColour(kKeyFieldBackground);
  hook_.Install(handle());

  Win32KeyboardLayout layout;
  SetFieldText(keyField_, KeyCodeName(state_.key, layout, &LanguageString));
  ShowToggles();
}

// --- commands and keys ---------------------------------------------------------------------------

bool KeyCaptureDialog::OnButtonClick(HWND from) {
  if (from == confirm_.handle()) {
    Close(true);
    return true;
  }
  if (from == cancel_.handle() || from == close_.handle()) {
    Close(false);
    return true;
  }
  for (int index = 0; index < kModifierToggleCount; ++index) {
    if (from != toggles_[index].handle()) continue;
    SetToggle(state_, index, toggles_[index].checked());
    ShowToggles();
    return true;
  }
  return false;
}

LRESULT KeyCaptureDialog::OnCapturedKey(WPARAM wParam, LPARAM lParam) {
  Win32KeyboardLayout layout;
  const bool release = (lParam & kCapturedKeyReleased) != 0;
  const std::optional<Text> shown = TakeKeyNotice(state_, wParam, release, layout, &LanguageString);
  if (!shown) return 0;
  SetFieldText(keyField_, *shown);
  ShowToggles();
  return 0;
}

void KeyCaptureDialog::ShowToggles() {
  const ToggleDisplay display = DisplayOfToggles(state_.toggles);
  for (int index = 0; index < kModifierToggleCount; ++index) {
    SkinButton& toggle = toggles_[index];
    if (toggle.handle() == nullptr) continue;
    toggle.SetChecked(display.checked[index]);
    const BOOL enable = display.enabled[index] ? TRUE : FALSE;
    if ((IsWindowEnabled(toggle.handle()) != FALSE) != (enable != FALSE)) {
      EnableWindow(toggle.handle(), enable);
      InvalidateRect(toggle.handle(), nullptr, TRUE);
    }
  }
}

void KeyCaptureDialog::Close(bool accepted) {
  // Keys typed from here on belong to the other programs again.
  hook_.Remove();
  accepted_ = accepted;
  EndModal(accepted ? IDOK : IDCANCEL);
}

LRESULT KeyCaptureDialog::OnDestroy(WPARAM wParam, LPARAM lParam) {
  hook_.Remove();
  return SkinnedWindow::OnDestroy(wParam, lParam);
}

// --- painting ------------------------------------------------------------------------------------

void KeyCaptureDialog::Compose(HDC target) {
  RECT client{};
  GetClientRect(handle(), &client);
  OffscreenCanvas canvas(target, client.right, client.bottom);
  if (!canvas.ok()) return;
  canvas.DrawPicture(skin().background);
  HDC memory = canvas.dc();
  if (!single_) {
    for (const ToggleCaption& caption : kToggleCaptions) {
      CaptionLayout layout;
      layout.horizontal = CaptionAlignment::kNear;
      layout.vertical = CaptionAlignment::kCenter;
      layout.rect = caption.rect;
      DrawGdiplusCaption(memory, LanguageString(caption.stringId), layout, kToggleCaptionPixels,
                         kToggleCaptionColour);
    }
  }
  canvas.CopyTo(target);
}

LRESULT KeyCaptureDialog::OnPaint(WPARAM, LPARAM) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(handle(), &ps);
  if (dc != nullptr) Compose(dc);
  EndPaint(handle(), &ps);
  return 0;
}

LRESULT KeyCaptureDialog::OnPrintClient(WPARAM wParam, LPARAM) {
  Compose(reinterpret_cast<HDC>(wParam));
  return 0;
}
