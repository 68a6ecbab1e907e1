#pragma once
// The configurator's main window: five profile slots, the fifteen button rows with the function
// menu, the orientation pair, the Windows-setting sliders and the double-click test, all on one
// skinned surface from "skin_main.ini". It shows the model's edited image and forwards the user's
// commands and the monitor's notices to it; dialogs, message boxes and the busy look stay here.

#include <windows.h>

#include <array>
#include <memory>
#include <optional>

#include "option/apply_targets_win32.h"
#include "option/assignment_dialogs_win32.h"
#include "option/configurator_model.h"
#include "option/dialogs/click_slider.h"
#include "option/dialogs/skinned_dialog.h"
#include "option/macros/macro_library_store.h"
#include "option/modal_notice_gate.h"
#include "option/text_label.h"
#include "settings/settings_block.h"
#include "skin/double_click_test_button.h"
#include "skin/skin_button.h"

// Where the web-page button leads: a neutral address of our own until the product has one.
inline constexpr wchar_t kProductWebPage[] = L"https://example.com/gaming-mouse";

// The skin description's keys of the main window's controls.
namespace main_keys {
inline constexpr int kNewProfile = 1, kImport = 2, kExport = 3, kEditProfile = 4;
inline constexpr int kFirstSlot = 5, kMinimise = 10, kCloseIcon = 11, kOk = 12, kClose = 13;
inline constexpr int kApply = 14, kFirstLabel = 15, kFirstRow = 20, kFirstOrientation = 35;
inline constexpr int kFirstIndicator = 37, kIndicatorCount = 3;  // lights without a command
inline constexpr int kWebPage = 43, kRestoreAllRows = 44, kEmblem = 51, kFunctionMenu = 52;
inline constexpr int kFunctionDisplay = 54, kRestoreRow = 55, kMouseEmblem = 56;
inline constexpr int kPointerSlider = 57, kWheelSlider = 58, kDoubleClickSlider = 59;
inline constexpr int kRestoreAll = 60, kDoubleClickTest = 61;
inline constexpr int kKeyLimit = 62;  // every key is below this
}  // namespace main_keys

class ConfiguratorWindow : public SkinnedDialog {
 public:
  ConfiguratorWindow();
  ~ConfiguratorWindow() override;

  const SharedSettingsBlock& edited() const { return model_->edited(); }
  int selectedButton() const { return selected_; }

 protected:
  std::vector<SkinControl> SkinControls() override;
  bool RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void InitDialog() override;

 private:
  static const MessageRoute<ConfiguratorWindow> kRoutes[];

  LRESULT OnCreate(WPARAM wParam, LPARAM lParam);
  LRESULT OnCommand(WPARAM wParam, LPARAM lParam);
  LRESULT OnPaint(WPARAM wParam, LPARAM lParam);
  LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
  LRESULT OnClose(WPARAM wParam, LPARAM lParam);
  LRESULT OnDestroy(WPARAM wParam, LPARAM lParam);
  LRESULT OnSliderChanged(WPARAM wParam, LPARAM lParam);
  LRESULT OnMonitorStarted(WPARAM wParam, LPARAM lParam);
  LRESULT OnReloadBlock(WPARAM wParam, LPARAM lParam);
  LRESULT OnApplyFinished(WPARAM wParam, LPARAM lParam);
  LRESULT OnDeviceValuesChanged(WPARAM wParam, LPARAM lParam);
  LRESULT OnIgnored(WPARAM wParam, LPARAM lParam);
  LRESULT OnActiveSlotNotice(WPARAM wParam, LPARAM lParam);

  // Creators of the controls, by kind.
  SkinControl Button(int key, uint16_t captionId = 0, int32_t captionMode = kDefaultCaptionMode);
  SkinControl Label(int index);
  SkinControl Slider(int index);
  SkinControl DoubleClickTest();

  bool RunCommand(int key);

  void RefreshMainWindow();
  void RefreshProfileLabels();
  void RefreshButtonArea();
  void RefreshOrientation();
  void RefreshSliders();
  // The mark on the slot the monitor acts on; AskActiveSlot asks the running monitor first.
  void RefreshSlotMarks();
  void AskActiveSlot();

  void SelectSlot(int slot);
  void SelectButton(int index);
  void SetOrientation(int32_t orientation);
  void RestoreSelectedButton();
  void RestoreAllButtons();
  void RestoreAllSettings();
  void EditProfileProperties(bool emptyFields);
  void ImportProfile();
  void ExportProfile();
  void OpenFunctionMenu();
  void AssignFromMenu(int32_t commandId);

  // What 1254 and 1255 do, once no modal dialog works on the edited image.
  void HandleNotice(ImageNotice notice);
  void WarnIfNotSaved(bool saved);

  void Apply(ChangeFlags flags);
  void SetBusy(bool busy);
  void EndBusy();

  void Compose(HDC target);

  Win32BlockSource blockSource_;
  std::unique_ptr<MacroLibraryStore> macros_;
  std::unique_ptr<ConfiguratorModel> model_;  // from creation on, over the two above
  Win32AssignmentDialogs assignmentDialogs_;
  ModalNoticeGate notices_{[this](ImageNotice notice) { HandleNotice(notice); }};
  Text programFolder_;
  HICON icon_ = nullptr;
  int selected_ = 0;
  UINT activeSlotMessage_ = 0;                // registered: the monitor's active slot
  std::optional<int32_t> monitorActiveSlot_;  // chosen by the program in front; else none

  std::array<SkinButton, main_keys::kKeyLimit> buttons_;  // only the button keys are made
  std::array<TextLabel, kProfileCount> labels_;
  std::array<ClickSlider, 3> sliders_;
  DoubleClickTestButton doubleClickTest_;
  Text doubleClickEntryText_;  // the entry's text, kept as read; the test plays the default sound
};
