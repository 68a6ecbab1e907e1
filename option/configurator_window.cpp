#include "option/configurator_window.h"

#include "base/wide.h"
#include "bridge/identities.h"
#include "bridge/messages.h"
#include "lang/string_ids.h"
#include "option/apply_targets_win32.h"
#include "option/buttons/button_labels.h"
#include "option/buttons/key_names.h"
#include "option/dialogs/confirm_dialog.h"
#include "option/dialogs/restore_double_click.h"
#include "option/dialogs/system_sliders.h"
#include "option/function_menu.h"
#include "option/main_window_texts.h"
#include "option/menu_popup.h"
#include "option/resource_ids.h"
#include "platform/module_folder.h"
#include "platform/system_function.h"
#include "platform/system_settings_context.h"
#include "platform/win32_input_sink.h"
#include "settings/catalogue.h"
#include "settings/language_strings.h"
#include "skin/menu_frame_hook.h"
#include "skin/slider_messages.h"
#include "ui/enable_repaint.h"
#include "ui/startup_trace.h"

using namespace main_keys;

namespace {

SkinnedDialogLook MainWindowLook() {
  return {.skinFile = u"skin_main.ini",
          .width = 339,
          .height = 225,
          .title = kConfiguratorTitle,
          .exStyle = WS_EX_APPWINDOW};  // a taskbar button although the window has no caption
}

constexpr int32_t kSliderIds[3] = {kPointerSpeedSliderId, kWheelSpeedSliderId,
                                   kDoubleClickSliderId};
constexpr TrackRange kSliderRanges[3] = {kPointerSpeedRange, kWheelSpeedRange, kDoubleClickRange};

// The shell library comes with the first visit rather than with the window.
void OpenWebPage(HWND owner) {
  using OpenFunction = HINSTANCE(WINAPI*)(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT);
  const auto open = SystemFunction<OpenFunction>(L"shell32.dll", "ShellExecuteW");
  if (open != nullptr) open(owner, L"open", kProductWebPage, nullptr, nullptr, SW_SHOW);
}

}  // namespace

const MessageRoute<ConfiguratorWindow> ConfiguratorWindow::kRoutes[] = {
    {WM_CREATE, &ConfiguratorWindow::OnCreate},
    {WM_COMMAND, &ConfiguratorWindow::OnCommand},
    {WM_PAINT, &ConfiguratorWindow::OnPaint},
    {WM_PRINTCLIENT, &ConfiguratorWindow::OnPrintClient},
    {WM_CLOSE, &ConfiguratorWindow::OnClose},
    {WM_DESTROY, &ConfiguratorWindow::OnDestroy},
    {WM_SLIDER_CHANGED, &ConfiguratorWindow::OnSliderChanged},
    {kMsgMonitorStarted, &ConfiguratorWindow::OnMonitorStarted},
    {kMsgReloadBlock, &ConfiguratorWindow::OnReloadBlock},
    {kMsgApplyFinished, &ConfiguratorWindow::OnApplyFinished},
    {kMsgDeviceValuesChanged, &ConfiguratorWindow::OnDeviceValuesChanged},
    {kMsgIgnored, &ConfiguratorWindow::OnIgnored},
};

bool ConfiguratorWindow::RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message == activeSlotMessage_ && message != 0) {
    result = OnActiveSlotNotice(wParam, lParam);
    return true;
  }
  return Route(this, kRoutes, message, wParam, lParam, result) ||
         SkinnedDialog::RouteMessage(message, wParam, lParam, result);
}

ConfiguratorWindow::ConfiguratorWindow() : SkinnedDialog(MainWindowLook()) {
  icon_ = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_PROGRAM));
}

ConfiguratorWindow::~ConfiguratorWindow() {
  // The controls' windows go before the window that holds them.
  if (handle() != nullptr) DestroyWindow(handle());
}

// --- creation ------------------------------------------------------------------------------------

SkinControl ConfiguratorWindow::Button(int key, uint16_t captionId, int32_t captionMode) {
  return SkinControl{key, [this, key, captionId, captionMode](const ButtonPosEntry& entry,
                                                              const SkinStateImages& images) {
                       SkinButton& button = buttons_[key];
                       if (!button.CreateFromSkin(handle(), entry, images)) return;
                       button.SetCaptionMode(captionMode);
                       if (captionId != 0) {
                         button.SetCaption(LanguageString(captionId));
                         button.SetTooltip(true);
                       }
                     }};
}

SkinControl ConfiguratorWindow::Label(int index) {
  return SkinControl{kFirstLabel + index,
                     [this, index](const ButtonPosEntry& entry, const SkinStateImages&) {
                       labels_[index].Create(handle(), RectOf(entry));
                     }};
}

SkinControl ConfiguratorWindow::Slider(int index) {
  return SkinControl{
      kPointerSlider + index, [this, index](const ButtonPosEntry& entry, const SkinStateImages&) {
        ClickSlider& slider = sliders_[index];
        const RECT rect = RectOf(entry);
        if (!slider.Create(SkinFolder() + u"scroll.bmp", rect, handle(), kSliderIds[index])) {
          return;  // the window works on without this slider
        }
        slider.SetPos(0);
        slider.SetBackground(rect, skin().background);
      }};
}

SkinControl ConfiguratorWindow::DoubleClickTest() {
  return SkinControl{kDoubleClickTest, [this](const ButtonPosEntry& entry, const SkinStateImages&) {
                       if (!doubleClickTest_.Create(handle(), RectOf(entry), programFolder_)) {
                         return;
                       }
                       doubleClickTest_.SetClip(programFolder_ + kDoubleClickClip);
                       doubleClickEntryText_ = Text(FieldText(entry.text));
                     }};
}

std::vector<SkinControl> ConfiguratorWindow::SkinControls() {
  std::vector<SkinControl> controls;
  for (int key = kNewProfile; key <= kEditProfile; ++key) controls.push_back(Button(key));
  for (int slot = 0; slot < kProfileCount; ++slot) controls.push_back(Button(kFirstSlot + slot));
  controls.push_back(Button(kMinimise));
  controls.push_back(Button(kCloseIcon));
  controls.push_back(Button(kEmblem));
  controls.push_back(Button(kOk));
  controls.push_back(Button(kClose, IDS_MAIN_CLOSE));
  controls.push_back(Button(kApply, IDS_MAIN_APPLY));
  for (int slot = 0; slot < kProfileCount; ++slot) controls.push_back(Label(slot));
  for (int row = 0; row < kButtonCount; ++row) {
    controls.push_back(Button(kFirstRow + row, 0, kCaptionModeWideIndent));
  }
  controls.push_back(Button(kFunctionDisplay, 0, kCaptionModeNarrowIndent));
  controls.push_back(Button(kMouseEmblem, 0, kCaptionModeNarrowIndent));
  for (int index = 0; index < 3; ++index) controls.push_back(Slider(index));
  controls.push_back(Button(kRestoreRow, IDS_MAIN_RESTORE_BUTTON_DEFAULT));
  controls.push_back(Button(kRestoreAll, IDS_MAIN_RESTORE_ALL_DEFAULTS));
  controls.push_back(DoubleClickTest());
  controls.push_back(Button(kFirstOrientation));
  controls.push_back(Button(kFirstOrientation + 1));
  for (int light = 0; light < kIndicatorCount; ++light) {
    controls.push_back(Button(kFirstIndicator + light));
  }
  controls.push_back(Button(kFunctionMenu, IDS_MAIN_ASSIGN_FUNCTION, kCaptionModeNarrowIndent));
  controls.push_back(Button(kWebPage));
  controls.push_back(Button(kRestoreAllRows));
  return controls;
}

LRESULT ConfiguratorWindow::OnCreate(WPARAM wParam, LPARAM lParam) {
  programFolder_ = ProgramFolder();
  // The captions are language strings, so the library comes before the controls.
  LoadLanguageLibrary(programFolder_);
  TraceStartup("language library loaded");
  macros_ = MakeMacroLibraryStore(programFolder_);
  model_ = std::make_unique<ConfiguratorModel>(blockSource_, *macros_, SystemSettingsContext());
  if (SkinnedDialog::OnCreate(wParam, lParam) == -1) return -1;
  // The taskbar button offers the system menu although the window has no caption.
  SetWindowLongPtrW(handle(), GWL_STYLE, GetWindowLongPtrW(handle(), GWL_STYLE) | WS_SYSMENU);
  return 0;
}

void ConfiguratorWindow::InitDialog() {
  for (int index = 0; index < 3; ++index) {
    sliders_[index].SetRounding(kSliderRanges[index].rounding);
    sliders_[index].SetRange(kSliderRanges[index].minimum, kSliderRanges[index].maximum);
  }
  SendMessageW(handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
  SendMessageW(handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
  SetWindowTextW(handle(), Wide(kConfiguratorTitle));

  model_->Start();
  TraceStartup("settings read");
  assignmentDialogs_.macroManager.Bind(handle(), macros_.get(), &model_->edited(), &selected_);
  activeSlotMessage_ = RegisterWindowMessageW(Wide(kActiveProfileMessageName));
  AskActiveSlot();
  RefreshMainWindow();
  // The menu-frame hook is called for every window the thread creates; no menu can open before
  // this window exists, so it is set only now, after the controls.
  InstallMenuFrameHook();
  TraceStartup("window created");
}

// --- commands ------------------------------------------------------------------------------------

LRESULT ConfiguratorWindow::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (lParam == 0) {
    const int32_t id = LOWORD(wParam);
    if (id >= kCommandNone && id <= kCommandLast) {
      AssignFromMenu(id);
      return 0;
    }
    Decline();
    return 0;
  }
  // A quick second click reaches the window as a double click and is a click all the same (after
  // a cancelled file choice, say); only the web page is not opened twice by one double click.
  const WORD code = HIWORD(wParam);
  const int key = KeyOfButton(buttons_, reinterpret_cast<HWND>(lParam));
  if (code == BN_DOUBLECLICKED && key == kWebPage) return 0;
  if ((code != BN_CLICKED && code != BN_DOUBLECLICKED) || !RunCommand(key)) Decline();
  return 0;
}

bool ConfiguratorWindow::RunCommand(int key) {
  if (key >= kFirstSlot && key < kFirstSlot + kProfileCount) {
    SelectSlot(key - kFirstSlot);
    return true;
  }
  if (key >= kFirstRow && key < kFirstRow + kButtonCount) {
    SelectButton(key - kFirstRow);
    return true;
  }
  if (key >= kFirstIndicator && key < kFirstIndicator + kIndicatorCount) return true;
  switch (key) {
    case kNewProfile:
      EditProfileProperties(true);
      return true;
    case kImport:
      ImportProfile();
      return true;
    case kExport:
      ExportProfile();
      return true;
    case kEditProfile:
      EditProfileProperties(false);
      return true;
    case kClose:
    case kCloseIcon:
      if (GetCapture() == handle()) {
        SetCursor(LoadCursorW(nullptr, IDC_ARROW));
        ReleaseCapture();
      }
      PostMessageW(handle(), WM_CLOSE, 0, 0);
      return true;
    case kMinimise:
      ShowWindow(handle(), SW_MINIMIZE);
      return true;
    case kOk:
      Apply(ChangeFlags::kCompute);
      PostMessageW(handle(), WM_CLOSE, 0, 0);
      return true;
    case kApply:
      Apply(ChangeFlags::kCompute);
      return true;
    case kWebPage:
      OpenWebPage(handle());
      return true;
    case kRestoreAllRows:
      RestoreAllButtons();
      return true;
    case kFunctionMenu:
      OpenFunctionMenu();
      return true;
    case kRestoreRow:
      RestoreSelectedButton();
      return true;
    case kRestoreAll:
      RestoreAllSettings();
      return true;
    case kFirstOrientation:
    case kFirstOrientation + 1:
      SetOrientation(key - kFirstOrientation);
      return true;
    default:
      return false;  // keys 51, 54, 56 and handles of no button
  }
}

void ConfiguratorWindow::SelectSlot(int slot) {
  if (model_->SelectSlot(slot)) RestoreAppliedDoubleClickTime(model_->loaded());
  RefreshMainWindow();
}

void ConfiguratorWindow::SelectButton(int index) {
  selected_ = index;
  RefreshButtonArea();
}

void ConfiguratorWindow::SetOrientation(int32_t orientation) {
  model_->SetOrientation(orientation);
  buttons_[kFirstOrientation].SetChecked(orientation == 0);
  buttons_[kFirstOrientation + 1].SetChecked(orientation == 1);
}

void ConfiguratorWindow::RestoreSelectedButton() {
  model_->RestoreButton(selected_);
  RefreshButtonArea();
}

void ConfiguratorWindow::RestoreAllButtons() {
  model_->RestoreAllButtons();
  RefreshButtonArea();
}

void ConfiguratorWindow::RestoreAllSettings() {
  ModalNoticeGate::Scope modal(notices_);
  if (!ConfirmReset(handle())) return;
  model_->RestoreAllDefaults();
  RefreshMainWindow();
  Apply(ChangeFlags::kKeepSet);
}

// --- function menu -------------------------------------------------------------------------------

void ConfiguratorWindow::OpenFunctionMenu() {
  ModalNoticeGate::Scope modal(notices_);
  ButtonAssignment selected{};
  if (const ProfileSettings* profile = CurrentProfileOrNull(model_->edited())) {
    if (selected_ >= 0 && selected_ < kButtonCount) selected = profile->MacroKeyInfo[selected_];
  }
  SkinButton& opener = buttons_[kFunctionMenu];
  RECT place{};
  GetWindowRect(opener.handle(), &place);
  MenuPopup popup;
  if (popup.Build(BuildFunctionMenu(macros_->Macros(), selected),
                  MenuPopupStyle{ANSI_CHARSET, kFunctionMenuWidth})) {
    TrackMenu(popup, place.left + 1, place.bottom, TPM_RIGHTBUTTON);
  }
  // Lets the menu's own loop see one more message so that it ends cleanly.
  PostMessageW(handle(), WM_NULL, 0, 0);
  popup.Destroy();
  opener.SetHover(false);
  RedrawWindow(opener.handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  UpdateWindow(handle());
}

void ConfiguratorWindow::AssignFromMenu(int32_t commandId) {
  ModalNoticeGate::Scope modal(notices_);
  const AssignOutcome outcome =
      AssignFunction(commandId, model_->edited(), selected_, macros_->Macros(), assignmentDialogs_);
  if (outcome == AssignOutcome::kAssigned) RefreshButtonArea();
}

// --- refresh -------------------------------------------------------------------------------------

void ConfiguratorWindow::RefreshMainWindow() {
  for (int slot = 0; slot < kProfileCount; ++slot) {
    buttons_[kFirstSlot + slot].SetChecked(slot == model_->currentSlot());
  }
  RefreshSlotMarks();
  RefreshProfileLabels();
  selected_ = 0;
  RefreshButtonArea();
  RefreshSliders();
  RefreshOrientation();
}

void ConfiguratorWindow::RefreshProfileLabels() {
  for (int slot = 0; slot < kProfileCount; ++slot) {
    labels_[slot].SetText(FieldText(model_->edited().profiles[slot].ProFileName));
  }
}

void ConfiguratorWindow::RefreshButtonArea() {
  const ProfileSettings* profile = CurrentProfileOrNull(model_->edited());
  Win32KeyboardLayout layout;
  KeyNameLabelTexts texts(layout, &LanguageString);
  for (int row = 0; row < kButtonCount; ++row) {
    SkinButton& button = buttons_[kFirstRow + row];
    const Text caption = profile != nullptr
                             ? ButtonLabelText(LabelOfAssignment(profile->MacroKeyInfo[row]), texts)
                             : Text();
    button.SetCaption(caption);
    button.SetChecked(row == selected_);
  }
  const bool selectedValid = profile != nullptr && selected_ >= 0 && selected_ < kButtonCount;
  buttons_[kFunctionDisplay].SetCaption(
      selectedValid ? ButtonLabelText(LabelOfAssignment(profile->MacroKeyInfo[selected_]), texts)
                    : Text());
}

void ConfiguratorWindow::RefreshOrientation() {
  // The pair follows the stored value, so another profile never shows the last one's choice.
  const ProfileSettings* profile = CurrentProfileOrNull(model_->edited());
  const int32_t orientation = profile != nullptr ? profile->Orientation : -1;
  buttons_[kFirstOrientation].SetChecked(orientation == 0);
  buttons_[kFirstOrientation + 1].SetChecked(orientation == 1);
}

void ConfiguratorWindow::RefreshSliders() {
  const ProfileSettings* profile = CurrentProfileOrNull(model_->edited());
  if (profile == nullptr) return;
  const SliderPositions positions = SliderPositionsOfProfile(*profile);
  sliders_[0].SetPos(positions.pointerSpeed);
  sliders_[1].SetPos(positions.wheelSpeed);
  sliders_[2].SetPos(positions.doubleClick);
}

// --- apply ---------------------------------------------------------------------------------------

void ConfiguratorWindow::Apply(ChangeFlags flags) {
  SetCapture(handle());
  SetCursor(LoadCursorW(nullptr, IDC_WAIT));
  SetBusy(true);
  Win32ApplyTargets targets(blockSource_.block(), *macros_);
  const bool saved = model_->Apply(flags, targets);
  EndBusy();
  WarnIfNotSaved(saved);
}

void ConfiguratorWindow::WarnIfNotSaved(bool saved) {
  if (saved) return;
  ModalNoticeGate::Scope modal(notices_);
  ShowSaveFailedWarning(handle());
}

void ConfiguratorWindow::SetBusy(bool busy) {
  for (int key : {kOk, kApply}) {
    HWND button = buttons_[key].handle();
    if (button == nullptr) continue;
    EnableAndRepaint(button, !busy);
  }
}

void ConfiguratorWindow::EndBusy() {
  SetBusy(false);
  SetCursor(LoadCursorW(nullptr, IDC_ARROW));
  if (GetCapture() == handle()) ReleaseCapture();
}

// --- messages ------------------------------------------------------------------------------------

LRESULT ConfiguratorWindow::OnSliderChanged(WPARAM wParam, LPARAM lParam) {
  ProfileSettings* profile = CurrentProfileOrNull(model_->edited());
  if (profile == nullptr) return 0;
  const SliderChange change =
      ApplySliderChange(*profile, static_cast<int32_t>(lParam), static_cast<int32_t>(wParam));
  // The double-click test beside the slider answers to the new speed at once.
  if (change.doubleClickTimeMs) SetDoubleClickTime(static_cast<UINT>(*change.doubleClickTimeMs));
  return 0;
}

LRESULT ConfiguratorWindow::OnApplyFinished(WPARAM, LPARAM) {
  EndBusy();
  return 0;
}

LRESULT ConfiguratorWindow::OnIgnored(WPARAM, LPARAM) {
  return 0;
}

LRESULT ConfiguratorWindow::OnClose(WPARAM, LPARAM) {
  // Unapplied edits are dropped: only apply writes anything.
  RestoreAppliedDoubleClickTime(model_->loaded());
  EndModal(IDCANCEL);
  return 0;
}

LRESULT ConfiguratorWindow::OnDestroy(WPARAM wParam, LPARAM lParam) {
  blockSource_.Close();
  const LRESULT result = SkinnedDialog::OnDestroy(wParam, lParam);
  if (macros_ != nullptr) macros_->Free();
  FreeLanguageLibrary();
  return result;
}

// --- painting ------------------------------------------------------------------------------------

void ConfiguratorWindow::Compose(HDC target) {
  RECT client{};
  GetClientRect(handle(), &client);
  PaintMainWindow(target, client, skin().background);
}

LRESULT ConfiguratorWindow::OnPaint(WPARAM, LPARAM) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(handle(), &ps);
  if (dc != nullptr) {
    if (IsIconic(handle())) {
      SendMessageW(handle(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
      RECT client{};
      GetClientRect(handle(), &client);
      const int x = (client.right - GetSystemMetrics(SM_CXICON) + 1) / 2;
      const int y = (client.bottom - GetSystemMetrics(SM_CYICON) + 1) / 2;
      DrawIcon(dc, x, y, icon_);
    } else {
      Compose(dc);
    }
  }
  EndPaint(handle(), &ps);
  FinishStartupTrace("first paint done");
  return 0;
}

LRESULT ConfiguratorWindow::OnPrintClient(WPARAM wParam, LPARAM) {
  Compose(reinterpret_cast<HDC>(wParam));
  return 0;
}
