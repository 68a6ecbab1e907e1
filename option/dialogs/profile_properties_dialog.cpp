#include "option/dialogs/profile_properties_dialog.h"

#include "base/wide.h"
#include "option/dialogs/exe_file_chooser.h"
#include "option/dialogs/profile_properties_fields.h"
#include "ui/window_text.h"

namespace {

constexpr int kNameKey = 1, kGameFileKey = 2, kBrowseKey = 3, kOkKey = 4, kCancelKey = 5,
              kCloseKey = 6;
constexpr UINT_PTR kEditControlId = 4010;
constexpr COLORREF kEditText = 0x000000;
constexpr COLORREF kEditBackground = 0xE5E5E5;

SkinnedDialogLook PropertiesLook() {
  return {.skinFile = u"skin_profile.ini", .width = 267, .height = 100, .fontPointSize = 10};
}

}  // namespace

ProfilePropertiesDialog::ProfilePropertiesDialog() : SkinnedDialog(PropertiesLook()) {}

ProfilePropertiesDialog::~ProfilePropertiesDialog() {
  // The controls' windows go with the dialog's, before the control objects.
  if (handle() != nullptr) DestroyWindow(handle());
}

void ProfilePropertiesDialog::SetTarget(ProfileSettings* target, int32_t blankMode) {
  target_ = target;
  blankMode_ = blankMode;
}

SkinControl ProfilePropertiesDialog::Edit(int key, BitmapEdit& edit) {
  return SkinControl{key, [this, &edit](const ButtonPosEntry& entry, const SkinStateImages&) {
                       if (!edit.Create(handle(), RectOf(entry),
                                        WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL)) {
                         return;
                       }
                       SetWindowLongPtrW(edit.handle(), GWLP_ID, kEditControlId);
                     }};
}

SkinControl ProfilePropertiesDialog::Button(int key, SkinButton& button) {
  return SkinControl{key,
                     [this, &button](const ButtonPosEntry& entry, const SkinStateImages& images) {
                       if (!button.CreateFromSkin(handle(), entry, images)) return;
                       // The skin's entry text is the caption ("OK", "Cancel"); icons have none.
                       const Text caption(FieldText(entry.text));
                       if (!caption.empty()) {
                         button.SetCaption(caption);
                         button.SetTooltip(true);
                       }
                     }};
}

std::vector<SkinControl> ProfilePropertiesDialog::SkinControls() {
  return {Edit(kNameKey, name_), Edit(kGameFileKey, gameFile_), Button(kBrowseKey, browse_),
          Button(kOkKey, ok_),   Button(kCancelKey, cancel_),   Button(kCloseKey, close_)};
}

void ProfilePropertiesDialog::InitDialog() {
  for (BitmapEdit* edit : {&name_, &gameFile_}) {
    edit->SetTextColour(kEditText);
    edit->SetBackgroundColour(kEditBackground);
    edit->ApplyFont();
  }
  if (name_.handle() != nullptr) {
    SendMessageW(name_.handle(), EM_LIMITTEXT, kProfileNameTypingLimit, 0);
  }
  if (target_ != nullptr) {
    const ProfilePropertiesFields fields = InitialPropertiesFields(*target_, blankMode_);
    if (name_.handle() != nullptr) SetWindowTextW(name_.handle(), Wide(fields.name));
    if (gameFile_.handle() != nullptr) SetWindowTextW(gameFile_.handle(), Wide(fields.gameFile));
  }
  // The system then gives the focus to the first field.
}

bool ProfilePropertiesDialog::OnButtonClick(HWND from) {
  if (from == ok_.handle()) {
    Confirm();
  } else if (from == cancel_.handle() || from == close_.handle()) {
    EndModal(IDCANCEL);
  } else if (from == browse_.handle()) {
    RunExeFileChooser(handle(), gameFile_.handle());
  } else {
    return false;
  }
  return true;
}

void ProfilePropertiesDialog::Confirm() {
  if (target_ == nullptr) {
    EndModal(IDCANCEL);
    return;
  }
  const ProfilePropertiesFields fields{WindowText(name_.handle()), WindowText(gameFile_.handle())};
  const PropertiesVerdict verdict = WriteConfirmedProperties(*target_, fields);
  if (verdict == PropertiesVerdict::kAccepted) {
    EndModal(IDOK);
    return;
  }
  // Too long to store: the dialog stays open on the field, nothing is written.
  HWND field = verdict == PropertiesVerdict::kNameTooLong ? name_.handle() : gameFile_.handle();
  MessageBeep(MB_ICONWARNING);
  SetFocus(field);
  SendMessageW(field, EM_SETSEL, 0, -1);
}

bool OpenProfilePropertiesDialog(HWND owner, ProfileSettings& profile, bool emptyFields) {
  ProfilePropertiesDialog dialog;
  dialog.SetTarget(&profile, emptyFields ? kPropertiesEmpty : kPropertiesFilled);
  return dialog.DoModal(owner) == IDOK;
}
