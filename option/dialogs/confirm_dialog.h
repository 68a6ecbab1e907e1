#pragma once
// The small skinned message boxes of the configurator: each shows a title and a message from
// the language library over its skin picture and answers with the button pressed. Two ask before
// something is destroyed (DeleteMacroWarning, ResetWarning); the others only explain why a
// command was refused or failed (ClickWarning, MacroSetWarning, SaveFailedWarning). They differ
// only in the table below.

#include <windows.h>

#include <cstdint>

#include "base/text.h"
#include "option/dialogs/skinned_dialog.h"
#include "skin/skin_button.h"

struct ConfirmDialogKind {
  const char16_t* skinFile;
  uint16_t titleId;
  uint16_t messageId;
  uint16_t okCaptionId;      // button "1"
  uint16_t cancelCaptionId;  // button "2"
  bool hasCloseButton;       // button "3", without a caption
  bool centreOverOwner;      // otherwise it stays where its skin put it
};

class ConfirmDialog : public SkinnedDialog {
 public:
  explicit ConfirmDialog(const ConfirmDialogKind& kind);
  ~ConfirmDialog() override;

  // Stands in for the "%s" of the message text.
  void SetMessageArgument(Text argument) { argument_ = std::move(argument); }

  // DoModal(owner) answers IDOK for button "1", IDCANCEL for button "2" or the close button, and
  // -1 when the dialog could not be shown; callers treat anything but IDOK as declined.

 protected:
  std::vector<SkinControl> SkinControls() override;
  bool RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void InitDialog() override;
  bool OnButtonClick(HWND button) override;

 private:
  static const MessageRoute<ConfirmDialog> kRoutes[];

  LRESULT OnPaint(WPARAM wParam, LPARAM lParam);
  LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);

  SkinControl Button(int index, uint16_t captionId);
  void Compose(HDC target);

  ConfirmDialogKind kind_;
  Text argument_;
  SkinButton buttons_[3];  // keys "1" to "3"
};

class DeleteMacroWarning : public ConfirmDialog {
 public:
  DeleteMacroWarning();
};

class ClickWarning : public ConfirmDialog {
 public:
  ClickWarning();
};

class ResetWarning : public ConfirmDialog {
 public:
  ResetWarning();
};

class MacroSetWarning : public ConfirmDialog {
 public:
  MacroSetWarning();
};

class SaveFailedWarning : public ConfirmDialog {
 public:
  SaveFailedWarning();
};

// What the callers use. The confirmations are true only when the user pressed OK.
bool ConfirmDeleteMacro(HWND owner);
bool ConfirmReset(HWND owner);
// The refusals: the command is not carried out whichever button closes them.
void ShowClickWarningDialog(HWND owner);
void ShowMacroSetWarning(HWND owner);
// A settings or macro file could not be written; what the file held before is kept.
void ShowSaveFailedWarning(HWND owner);
// An imported profile's buttons start the named programs: true only when the user keeps them.
bool ConfirmImportedLaunches(HWND owner, const Text& fileNames);
