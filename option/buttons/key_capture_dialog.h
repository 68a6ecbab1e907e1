#pragma once
// The key-combination dialog and the single-key dialog: the user presses the key (taken by the
// keyboard capture, so it reaches no other program) and chooses the modifiers with five toggle
// buttons. Both behave alike; they differ in their skin and in the captions the key-combination
// dialog paints beside its toggles.

#include <windows.h>

#include <array>
#include <cstdint>

#include "option/buttons/assign_function.h"
#include "option/buttons/key_capture_hook.h"
#include "option/buttons/key_capture_state.h"
#include "option/dialogs/skinned_dialog.h"
#include "skin/bitmap_edit.h"
#include "skin/skin_button.h"

inline constexpr wchar_t kKeyCaptureDialogTitle[] = L"Q.MORA Shortcut Dialog";
inline constexpr char16_t kShortcutSkinFile[] = u"skin_shortcut.ini";
inline constexpr char16_t kSingleKeySkinFile[] = u"skin_single_key.ini";
inline constexpr int kKeyFieldId = 4010;

// The "BUTTONPOS" keys of both skin descriptions.
namespace key_capture_keys {
inline constexpr int kConfirm = 2, kCancel = 3, kClose = 4, kFirstToggle = 5, kKeyField = 10;
}  // namespace key_capture_keys

// Shows the dialog modally over owner, opened on a stored key code and modifier byte. On
// acceptance the answer holds the captured key and the modifier byte of the toggles; otherwise
// it is not accepted and the caller keeps what it had.
KeyCapture CaptureKeyCombination(HWND owner, uint8_t key, uint8_t modifiers, bool single);

class KeyCaptureDialog : public SkinnedDialog {
 public:
  KeyCaptureDialog(bool single, KeyCaptureState initial);
  ~KeyCaptureDialog() override;

  const KeyCaptureState& state() const { return state_; }
  // True once the confirm button closed the dialog.
  bool accepted() const { return accepted_; }

 protected:
  std::vector<SkinControl> SkinControls() override;
  bool RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void InitDialog() override;
  bool OnButtonClick(HWND button) override;

 private:
  static const MessageRoute<KeyCaptureDialog> kRoutes[];

  LRESULT OnCapturedKey(WPARAM wParam, LPARAM lParam);
  LRESULT OnPaint(WPARAM wParam, LPARAM lParam);
  LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
  LRESULT OnDestroy(WPARAM wParam, LPARAM lParam);

  SkinControl Button(int key, SkinButton& button, uint16_t captionId);
  SkinControl KeyField();

  void ShowToggles();
  void Close(bool accepted);
  void Compose(HDC target);

  bool single_;
  bool accepted_ = false;
  KeyCaptureState state_;
  SkinButton confirm_;
  SkinButton cancel_;
  SkinButton close_;
  std::array<SkinButton, kModifierToggleCount> toggles_;
  BitmapEdit keyField_;
  KeyCaptureHook hook_;
};
