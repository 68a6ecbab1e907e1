#pragma once
// The profile's name and its associated program, edited in a small skinned dialog from
// "skin_profile.ini". The fields reach the profile only on OK; nothing is saved or published
// here (the main window's apply does that).

#include <windows.h>

#include <cstdint>

#include "option/dialogs/skinned_dialog.h"
#include "settings/profile_settings.h"
#include "skin/bitmap_edit.h"
#include "skin/skin_button.h"

class ProfilePropertiesDialog : public SkinnedDialog {
 public:
  ProfilePropertiesDialog();
  ~ProfilePropertiesDialog() override;

  // The record edited (not owned) and the blank-mode flag (kPropertiesFilled or
  // kPropertiesEmpty). Then DoModal(owner): IDOK when the fields were written into the record,
  // IDCANCEL (or -1 when the dialog could not be shown) when the record is untouched.
  void SetTarget(ProfileSettings* target, int32_t blankMode);

 protected:
  std::vector<SkinControl> SkinControls() override;
  void InitDialog() override;
  bool OnButtonClick(HWND button) override;

 private:
  SkinControl Edit(int key, BitmapEdit& edit);
  SkinControl Button(int key, SkinButton& button);
  void Confirm();

  ProfileSettings* target_ = nullptr;
  int32_t blankMode_ = 0;
  BitmapEdit name_;
  BitmapEdit gameFile_;
  SkinButton browse_;
  SkinButton ok_;
  SkinButton cancel_;
  SkinButton close_;
};

// The main window's call: opens the dialog on profile, with empty fields for a new profile. True
// when the user pressed OK and the name and program were written into profile.
bool OpenProfilePropertiesDialog(HWND owner, ProfileSettings& profile, bool emptyFields);
