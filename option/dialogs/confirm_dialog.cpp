#include "option/dialogs/confirm_dialog.h"

#include "base/wide.h"
#include "lang/string_ids.h"
#include "option/dialogs/centre_over_owner.h"
#include "settings/language_strings.h"
#include "ui/gdiplus_objects.h"
#include "ui/offscreen_canvas.h"

namespace {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

constexpr ConfirmDialogKind kDeleteMacroWarning{.skinFile = u"skin_delete_macro_warn.ini",
                                                .titleId = IDS_WARNING_TITLE,
                                                .messageId = IDS_DELETE_MACRO_MESSAGE,
                                                .okCaptionId = IDS_OK,
                                                .cancelCaptionId = IDS_CANCEL,
                                                .hasCloseButton = true,
                                                .centreOverOwner = false};
constexpr ConfirmDialogKind kClickWarning{.skinFile = u"skin_click_warn.ini",
                                          .titleId = IDS_WARNING_TITLE,
                                          .messageId = IDS_CLICK_WARNING_MESSAGE,
                                          .okCaptionId = IDS_OK,
                                          .cancelCaptionId = IDS_CANCEL,
                                          .hasCloseButton = true,
                                          .centreOverOwner = false};
constexpr ConfirmDialogKind kResetWarning{.skinFile = u"skin_reset_warn.ini",
                                          .titleId = IDS_RESET_WARNING_TITLE,
                                          .messageId = IDS_RESET_WARNING_MESSAGE,
                                          .okCaptionId = IDS_RESET_WARNING_OK,
                                          .cancelCaptionId = IDS_RESET_WARNING_CANCEL,
                                          .hasCloseButton = true,
                                          .centreOverOwner = true};
constexpr ConfirmDialogKind kMacroSetWarning{.skinFile = u"skin_macro_set_warn.ini",
                                             .titleId = IDS_WARNING_TITLE,
                                             .messageId = IDS_NO_MACRO_SELECTED_MESSAGE,
                                             .okCaptionId = IDS_OK,
                                             .cancelCaptionId = IDS_CANCEL,
                                             .hasCloseButton = false,
                                             .centreOverOwner = false};
constexpr ConfirmDialogKind kSaveFailedWarning{.skinFile = u"skin_click_warn.ini",
                                               .titleId = IDS_WARNING_TITLE,
                                               .messageId = IDS_SAVE_FAILED_MESSAGE,
                                               .okCaptionId = IDS_OK,
                                               .cancelCaptionId = IDS_CANCEL,
                                               .hasCloseButton = true,
                                               .centreOverOwner = true};
constexpr ConfirmDialogKind kImportLaunchQuestion{.skinFile = u"skin_click_warn.ini",
                                                  .titleId = IDS_IMPORT_LAUNCH_TITLE,
                                                  .messageId = IDS_IMPORT_LAUNCH_MESSAGE,
                                                  .okCaptionId = IDS_IMPORT_LAUNCH_ALLOW,
                                                  .cancelCaptionId = IDS_IMPORT_LAUNCH_REMOVE,
                                                  .hasCloseButton = true,
                                                  .centreOverOwner = true};

SkinnedDialogLook ConfirmLook(const ConfirmDialogKind& kind) {
  const Text title = LanguageString(kind.titleId);
  return {.skinFile = kind.skinFile,
          .width = 300,
          .height = 107,
          .title = std::u16string(title.begin(), title.end()),
          .fontPointSize = 10};
}

// Where the two texts go, in the window's client pixels.
const RectF kTitleRect(96.0f, 30.0f, 180.0f, 20.0f);
const RectF kMessageRect(96.0f, 55.0f, 330.0f, 50.0f);
constexpr REAL kTextPixels = 12.0f;
constexpr ARGB kTextColour = 0xFF000000;
constexpr INT kNoWrap = 0x1000;              // StringFormatFlagsNoWrap
constexpr INT kDisplayFormatControl = 0x20;  // StringFormatFlagsDisplayFormatControl

// Title (bold, one line, cut with an ellipsis) and message (regular, wrapped in its box).
void DrawTexts(HDC target, const Text& title, const Text& message) {
  if (!GdiplusReady()) return;
  const GdipFamilyOwner family = TextFontFamily();
  if (!family) return;
  GdipFontOwner bold, regular;
  GdipFormatOwner format;
  GdipGraphicsOwner graphics;
  GdipSolidBrushOwner brush;
  if (GdipCreateFont(family.get(), kTextPixels, FontStyleBold, UnitPixel, bold.receive()) != Ok ||
      GdipCreateFont(family.get(), kTextPixels, FontStyleRegular, UnitPixel, regular.receive()) !=
          Ok ||
      GdipCreateStringFormat(0, LANG_NEUTRAL, format.receive()) != Ok ||
      GdipCreateFromHDC(target, graphics.receive()) != Ok ||
      GdipCreateSolidFill(kTextColour, brush.receive()) != Ok) {
    return;
  }
  GdipSetTextRenderingHint(graphics.get(), TextRenderingHintSystemDefault);

  GdipSetStringFormatAlign(format.get(), StringAlignmentNear);
  GdipSetStringFormatLineAlign(format.get(), StringAlignmentCenter);
  GdipSetStringFormatFlags(format.get(), kNoWrap);
  GdipSetStringFormatTrimming(format.get(), StringTrimmingEllipsisWord);
  GdipDrawString(graphics.get(), reinterpret_cast<const WCHAR*>(title.c_str()), -1, bold.get(),
                 &kTitleRect, format.get(), brush.get());

  // The same format again: without the no-wrap flag the message wraps inside its box.
  GdipSetStringFormatLineAlign(format.get(), StringAlignmentNear);
  GdipSetStringFormatFlags(format.get(), kDisplayFormatControl);
  GdipDrawString(graphics.get(), reinterpret_cast<const WCHAR*>(message.c_str()), -1, regular.get(),
                 &kMessageRect, format.get(), brush.get());
}

}  // namespace

const MessageRoute<ConfirmDialog> ConfirmDialog::kRoutes[] = {
    {WM_PAINT, &ConfirmDialog::OnPaint},
    {WM_PRINTCLIENT, &ConfirmDialog::OnPrintClient},
};

bool ConfirmDialog::RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  return Route(this, kRoutes, message, wParam, lParam, result) ||
         SkinnedDialog::RouteMessage(message, wParam, lParam, result);
}

ConfirmDialog::ConfirmDialog(const ConfirmDialogKind& kind)
    : SkinnedDialog(ConfirmLook(kind)), kind_(kind) {}

ConfirmDialog::~ConfirmDialog() {
  // The buttons' windows go with the dialog's, before the button objects.
  if (handle() != nullptr) DestroyWindow(handle());
}

SkinControl ConfirmDialog::Button(int index, uint16_t captionId) {
  return SkinControl{index + 1, [this, index, captionId](const ButtonPosEntry& entry,
                                                         const SkinStateImages& images) {
                       SkinButton& button = buttons_[index];
                       if (!button.CreateFromSkin(handle(), entry, images)) return;
                       if (captionId != 0) button.SetCaption(LanguageString(captionId));
                     }};
}

std::vector<SkinControl> ConfirmDialog::SkinControls() {
  std::vector<SkinControl> controls{Button(0, kind_.okCaptionId), Button(1, kind_.cancelCaptionId)};
  if (kind_.hasCloseButton) controls.push_back(Button(2, 0));
  return controls;
}

void ConfirmDialog::InitDialog() {
  if (kind_.centreOverOwner) CentreOverOwner(handle());
}

bool ConfirmDialog::OnButtonClick(HWND from) {
  if (from == buttons_[0].handle()) {
    EndModal(IDOK);
  } else if (from == buttons_[1].handle() || from == buttons_[2].handle()) {
    EndModal(IDCANCEL);
  } else {
    return false;
  }
  return true;
}

void ConfirmDialog::Compose(HDC target) {
  if (target == nullptr) return;
  RECT client{};
  GetClientRect(handle(), &client);
  OffscreenCanvas canvas(target, client.right, client.bottom);
  if (!canvas.ok()) return;
  canvas.DrawPicture(skin().background);
  Text message = LanguageString(kind_.messageId);
  if (const size_t at = message.find(u"%s"); at != Text::npos) message.replace(at, 2, argument_);
  DrawTexts(canvas.dc(), LanguageString(kind_.titleId), message);
  canvas.CopyTo(target);
}

LRESULT ConfirmDialog::OnPaint(WPARAM, LPARAM) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(handle(), &ps);
  Compose(dc);
  EndPaint(handle(), &ps);
  return 0;
}

LRESULT ConfirmDialog::OnPrintClient(WPARAM wParam, LPARAM) {
  Compose(reinterpret_cast<HDC>(wParam));
  return 0;
}

DeleteMacroWarning::DeleteMacroWarning() : ConfirmDialog(kDeleteMacroWarning) {}
ClickWarning::ClickWarning() : ConfirmDialog(kClickWarning) {}
ResetWarning::ResetWarning() : ConfirmDialog(kResetWarning) {}
MacroSetWarning::MacroSetWarning() : ConfirmDialog(kMacroSetWarning) {}
SaveFailedWarning::SaveFailedWarning() : ConfirmDialog(kSaveFailedWarning) {}

bool ConfirmDeleteMacro(HWND owner) {
  DeleteMacroWarning dialog;
  return dialog.DoModal(owner) == IDOK;
}

bool ConfirmReset(HWND owner) {
  ResetWarning dialog;
  return dialog.DoModal(owner) == IDOK;
}

void ShowClickWarningDialog(HWND owner) {
  ClickWarning dialog;
  dialog.DoModal(owner);
}

void ShowMacroSetWarning(HWND owner) {
  MacroSetWarning dialog;
  dialog.DoModal(owner);
}

void ShowSaveFailedWarning(HWND owner) {
  SaveFailedWarning dialog;
  dialog.DoModal(owner);
}

bool ConfirmImportedLaunches(HWND owner, const Text& fileNames) {
  ConfirmDialog dialog(kImportLaunchQuestion);
  dialog.SetMessageArgument(fileNames);
  return dialog.DoModal(owner) == IDOK;
}
