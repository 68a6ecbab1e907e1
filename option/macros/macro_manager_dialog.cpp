#include "option/macros/macro_manager_dialog.h"

#include <vector>

#include "base/wide.h"
#include "lang/string_ids.h"
#include "option/config_file_dialog.h"
#include "option/dialogs/centre_over_owner.h"
#include "option/dialogs/confirm_dialog.h"
#include "option/macros/macro_manager_warnings.h"
#include "option/macros/macro_record_hook.h"
#include "option/menu_popup.h"
#include "settings/language_strings.h"
#include "settings/private_profile.h"
#include "ui/window_text.h"

using namespace macro_keys;

namespace {

SkinnedDialogLook MacroManagerLook() {
  return {.skinFile = u"skin_macro_manager.ini",
          .width = 347,
          .height = 241,
          .title = kMacroManagerTitle,
          .fontPointSize = 10};
}

constexpr float kCaptionFontSize = 9.0f;
constexpr COLORREF kListBackground = RGB(255, 255, 255);
constexpr COLORREF kListHighlight = RGB(0x90, 0xD4, 0x4B);  // the record caption's green

Text ListRowText(HWND list, int row) {
  const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(row), 0);
  if (length == LB_ERR || length <= 0) return Text();
  std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1, L'\0');
  SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(buffer.data()));
  return FromWide(buffer.data());
}

// The common file dialog for one ".macro" file, starting in the installation's config folder.
// The chosen path, or empty when the user cancelled.
Text ChooseMacroFile(HWND owner, FileDialogKind kind, const Text& programFolder) {
  const wchar_t* filter = kind == FileDialogKind::kOpen ? L"Macro(*.macro)\0*.MACRO\0\0"
                                                        : L"Macro(*.macro)\0*.macro\0\0";
  return ChooseConfigFile(owner, kind, programFolder, {filter, L"macro", u".macro"});
}

bool IsEditBox(HWND window) {
  wchar_t className[16] = {};
  return window != nullptr && GetClassNameW(window, className, 16) > 0 &&
         lstrcmpiW(className, L"Edit") == 0;
}

}  // namespace

const MessageRoute<MacroManagerDialog> MacroManagerDialog::kRoutes[] = {
    {WM_COMMAND, &MacroManagerDialog::OnCommand},
    {WM_CLOSE, &MacroManagerDialog::OnClose},
    {WM_DESTROY, &MacroManagerDialog::OnDestroy},
    {kMacroKeyMessage, &MacroManagerDialog::OnRecordedKey},
    {kListEditCommittedMessage, &MacroManagerDialog::OnListEditCommitted},
    {kListRightClickMessage, &MacroManagerDialog::OnListRightClick},
};

bool MacroManagerDialog::RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  // The field's message number is registered at run time, so it cannot sit in the table.
  if (message == BitmapEditNotifyMessage()) {
    result = OnRepeatCountNotify(wParam, lParam);
    return true;
  }
  return Route(this, kRoutes, message, wParam, lParam, result) ||
         SkinnedDialog::RouteMessage(message, wParam, lParam, result);
}

MacroManagerDialog::MacroManagerDialog(MacroLibrary library, std::optional<ButtonAssignment> button,
                                       Text programFolder, MacroLibrarySaver save)
    : SkinnedDialog(MacroManagerLook()),
      model_(std::move(library), clock_, layout_),
      button_(std::move(button)),
      programFolder_(std::move(programFolder)),
      save_(std::move(save)) {}

MacroManagerDialog::~MacroManagerDialog() {
  RemoveRecordingHook();
  // The controls' windows go before the window that holds them.
  if (handle() != nullptr) DestroyWindow(handle());
}

bool MacroManagerDialog::PreTranslateMessage(MSG& msg) {
  if ((msg.message == WM_KEYDOWN || msg.message == WM_KEYUP || msg.message == WM_CHAR) &&
      msg.wParam == VK_SPACE && !IsEditBox(msg.hwnd)) {
    return true;
  }
  return SkinnedDialog::PreTranslateMessage(msg);
}

// --- creation ------------------------------------------------------------------------------------

SkinControl MacroManagerDialog::Button(int key, uint16_t captionId) {
  return SkinControl{
      key, [this, key, captionId](const ButtonPosEntry& entry, const SkinStateImages& images) {
        SkinButton& button = buttons_[key];
        if (!button.CreateFromSkin(handle(), entry, images)) return;
        if (captionId == 0) return;
        button.SetCaptionMode(kCaptionModeGlyphIndent);
        button.SetFontSize(kCaptionFontSize);
        button.SetCaption(LanguageString(captionId));
        button.SetTooltip(true);
      }};
}

SkinControl MacroManagerDialog::CheckBox(int key) {
  return SkinControl{key, [this, key](const ButtonPosEntry& entry, const SkinStateImages& images) {
                       SkinButton& box = buttons_[key];
                       if (!box.CreateFromSkin(handle(), entry, images)) return;
                       box.SetToggleMode(true);
                     }};
}

SkinControl MacroManagerDialog::List(int key, SkinListBox& list, int32_t id) {
  return SkinControl{key, [this, &list, id](const ButtonPosEntry& entry, const SkinStateImages&) {
                       if (!list.Create(handle(), RectOf(entry), static_cast<UINT_PTR>(id),
                                        WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT)) {
                         return;
                       }
                       list.SetControlId(id);
                       list.SetKeepParent(true);
                       list.SetColors(kListBackground, kListHighlight);
                     }};
}

SkinControl MacroManagerDialog::RepeatCountBox() {
  return SkinControl{
      kRepeatCount, [this](const ButtonPosEntry& entry, const SkinStateImages&) {
        if (!repeatCount_.Create(handle(), RectOf(entry),
                                 WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL | ES_NUMBER)) {
          return;
        }
        SetWindowLongPtrW(repeatCount_.handle(), GWLP_ID, kRepeatCountBoxId);
        repeatCount_.SetNumbersOnly(true);
      }};
}

std::vector<SkinControl> MacroManagerDialog::SkinControls() {
  return {
      Button(kOk, IDS_MACRO_OK),
      Button(kCancel, IDS_MACRO_CANCEL),
      Button(kClose, 0),
      Button(kNewMacro, IDS_MACRO_NEW),
      Button(kDeleteMacro, IDS_MACRO_DELETE),
      List(kMacroList, macroList_, kMacroListId),
      Button(kRecord, IDS_MACRO_RECORD),
      CheckBox(kRecordDelays),
      CheckBox(kRepeat),
      RepeatCountBox(),
      List(kEventList, eventList_, kEventListId),
      Button(kImport, IDS_MACRO_IMPORT),
      Button(kExport, IDS_MACRO_EXPORT),
  };
}

void MacroManagerDialog::InitDialog() {
  SetWindowTextW(handle(), Wide(kMacroManagerTitle));
  CentreOverOwner(handle());
  SendMessageW(repeatCount_.handle(), EM_LIMITTEXT, kRepeatCountBoxChars, 0);
  buttons_[kRecordDelays].SetChecked(model_.recordDelays());
  FillMacroList();
  model_.SelectMacro(InitialMacroRow(model_.library(), button_ ? &*button_ : nullptr));
  ShowSelectedMacro();
  SyncRecording();
}

// --- showing the model ---------------------------------------------------------------------------

void MacroManagerDialog::FillMacroList() {
  HWND list = macroList_.handle();
  if (list == nullptr) return;
  SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  for (const MacroRecord& record : model_.library())
    macroList_.AddItem(0, Text(FieldText(record.name)));
  SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
}

void MacroManagerDialog::ShowSelectedMacro() {
  const int selected = model_.selectedMacro();
  SendMessageW(macroList_.handle(), LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
  buttons_[kRepeat].SetChecked(model_.repeatEnabled());
  SetRepeatCountText(model_.shownRepeatCount());
  RefreshEvents();
}

void MacroManagerDialog::SetRepeatCountText(int32_t count) {
  writingRepeatCount_ = true;
  SetWindowTextW(repeatCount_.handle(), Wide(FormatInt(count)));
  writingRepeatCount_ = false;
}

void MacroManagerDialog::RefreshEvents() {
  HWND list = eventList_.handle();
  if (list == nullptr) return;
  SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  for (const EventListRow& row : EventListRows(model_.events(), layout_, &LanguageString)) {
    eventList_.AddItem(row.data, row.text);
  }
  const int caret = model_.CaretRow();
  if (caret >= 0) SendMessageW(list, LB_SETCARETINDEX, static_cast<WPARAM>(caret), FALSE);
  SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
}

void MacroManagerDialog::SyncRecording() {
  const bool recording = model_.recording();
  const RecordButtonLook look = RecordButtonLookFor(recording);
  SkinButton& record = buttons_[kRecord];
  record.SetCaption(LanguageString(look.labelId));
  record.SetCaptionColours({look.normal, look.over, look.down, look.disabled});
  InvalidateRect(record.handle(), nullptr, TRUE);
  if (recording == showingRecording_) return;
  showingRecording_ = recording;
  if (recording) {
    InstallRecordingHook(handle());
  } else {
    RemoveRecordingHook();
  }
  for (int key : kLockedWhileRecording) EnableWindow(buttons_[key].handle(), !recording);
  EnableWindow(macroList_.handle(), !recording);
  // Keys go to the hook, and nothing in the dialog keeps the focus to be typed into meanwhile.
  if (recording) SetFocus(handle());
}

// --- commands ------------------------------------------------------------------------------------

LRESULT MacroManagerDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
  const auto control = reinterpret_cast<HWND>(lParam);
  if (control != nullptr && control == macroList_.handle()) {
    if (HIWORD(wParam) == LBN_SELCHANGE && !model_.recording()) {
      // A pause still being typed belongs to the macro shown until now; it is taken before the
      // event list changes under its box.
      TakeOpenEdits();
      model_.SelectMacro(static_cast<int>(SendMessageW(control, LB_GETCURSEL, 0, 0)));
      ShowSelectedMacro();
    }
    return 0;
  }
  const int key = KeyOfButton(buttons_, control);
  // An owner-drawn button reports the second click of a quick pair as a double click only; the
  // record button pressed twice in a row must still stop. The check boxes count every click
  // themselves.
  const bool toggle = key == kRecordDelays || key == kRepeat;
  const bool clicked =
      HIWORD(wParam) == BN_CLICKED || (HIWORD(wParam) == BN_DOUBLECLICKED && !toggle);
  if (control == nullptr || key < 0 || !clicked) {
    // IDOK and IDCANCEL of the system's dialog keys never end the dialog: only its buttons do.
    if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) return 0;
    Decline();
    return 0;
  }
  RunCommand(key);
  return 0;
}

void MacroManagerDialog::TakeOpenEdits() {
  for (SkinListBox* list : {&macroList_, &eventList_}) {
    HWND edit = list->editBox();
    if (edit == nullptr) continue;
    // The edit box takes its text on the release of Enter; the owner hears of it by a posted
    // message, handled here at once so that the command sees the result.
    SendMessageW(edit, WM_KEYUP, VK_RETURN, 0);
    MSG msg;
    while (PeekMessageW(&msg, handle(), kListEditCommittedMessage, kListEditCommittedMessage,
                        PM_REMOVE)) {
      OnListEditCommitted(msg.wParam, msg.lParam);
    }
  }
}

void MacroManagerDialog::RunCommand(int key) {
  // A button pressed while a name or pause is being typed ends the typing first, as the edit
  // box's losing the focus does: the text is taken, not lost.
  TakeOpenEdits();
  switch (key) {
    case kOk:
      SaveAndClose();
      return;
    case kCancel:
    case kClose:
      EndModal(IDCANCEL);
      return;
    case kNewMacro:
      if (!model_.recording()) macroList_.AddAndEditNew();
      return;
    case kDeleteMacro:
      DeleteSelectedMacro();
      return;
    case kRecord:
      if (model_.PressRecordButton() == MacroEditorModel::RecordButtonResult::kNoMacro) {
        WarnNoMacroSelected(handle());
        return;
      }
      RefreshEvents();
      SyncRecording();
      return;
    case kRecordDelays:
      model_.SetRecordDelays(buttons_[kRecordDelays].checked());
      return;
    case kRepeat:
      model_.SetRepeatEnabled(buttons_[kRepeat].checked());
      return;
    case kImport:
      ImportMacro();
      return;
    case kExport:
      ExportMacro();
      return;
    default:
      return;
  }
}

void MacroManagerDialog::SaveAndClose() {
  if (save_ && save_(model_.library()) != MacroSaveResult::kSaved) {
    // The old library file is kept; so are the edits here, for another OK or a Cancel.
    ShowSaveFailedWarning(handle());
    return;
  }
  EndModal(IDOK);
}

LRESULT MacroManagerDialog::OnClose(WPARAM, LPARAM) {
  // The system's close (Alt+F4) is the close button's Cancel, but not in the middle of a
  // recording, which must be stopped first like any other way out.
  if (!model_.recording()) EndModal(IDCANCEL);
  return 0;
}

void MacroManagerDialog::DeleteSelectedMacro() {
  if (model_.recording() || model_.selectedMacro() < 0) return;
  if (!ConfirmMacroDeletion(handle())) return;
  if (!model_.DeleteSelectedMacro()) return;
  FillMacroList();
  ShowSelectedMacro();
}

void MacroManagerDialog::ImportMacro() {
  if (model_.recording()) return;
  const Text path = ChooseMacroFile(handle(), FileDialogKind::kOpen, programFolder_);
  if (path.empty()) return;
  MacroRecord record{};
  if (!ReadMacroFile(path, SystemPrivateProfile(), &record)) return;
  const int index = model_.ImportMacro(record);
  if (index < 0) return;
  FillMacroList();
  SendMessageW(macroList_.handle(), LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
  ShowSelectedMacro();
}

void MacroManagerDialog::ExportMacro() {
  // Without a macro there is nothing to write, so no file is chosen (and none deleted).
  const MacroRecord* record = model_.selectedRecord();
  if (record == nullptr) {
    WarnNoMacroSelected(handle());
    return;
  }
  const MacroRecord copy = *record;
  const Text path = ChooseMacroFile(handle(), FileDialogKind::kSave, programFolder_);
  if (path.empty()) return;
  if (ExportMacroFile(copy, path) != MacroSaveResult::kSaved) ShowSaveFailedWarning(handle());
}

// --- lists ---------------------------------------------------------------------------------------

LRESULT MacroManagerDialog::OnListEditCommitted(WPARAM wParam, LPARAM lParam) {
  const int row = static_cast<int>(wParam);
  if (lParam == kMacroListId) {
    // The typed name becomes a macro, or the row goes again: the list always shows the library.
    model_.AddMacro(ListRowText(macroList_.handle(), row));
    FillMacroList();
    ShowSelectedMacro();
  } else if (lParam == kEventListId) {
    model_.CommitDelayEdit(row, ListRowText(eventList_.handle(), row));
    RefreshEvents();
  }
  return 0;
}

LRESULT MacroManagerDialog::OnListRightClick(WPARAM, LPARAM lParam) {
  if (lParam != kEventListId || model_.recording() || eventList_.editBox() != nullptr) return 0;
  OpenEventMenu();
  return 0;
}

void MacroManagerDialog::OpenEventMenu() {
  HWND list = eventList_.handle();
  // An edit ended with Escape takes its row out of the list; the rows must match the events
  // again before a row number is given to the model.
  const auto shown = static_cast<size_t>(SendMessageW(list, LB_GETCOUNT, 0, 0));
  if (shown != model_.Rows().size()) RefreshEvents();
  const int row = static_cast<int>(SendMessageW(list, LB_GETCURSEL, 0, 0));

  POINT at{};
  GetCursorPos(&at);
  MenuPopup popup;
  int command = 0;
  if (popup.Build(EventMenuItems(), MenuPopupStyle{})) {
    command = TrackMenu(popup, at.x, at.y, TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY);
    // Lets the menu's own loop see one more message so that it ends cleanly.
    PostMessageW(handle(), WM_NULL, 0, 0);
  }
  popup.Destroy();
  if (command == 0) return;

  switch (model_.EventMenu(command, row)) {
    case MacroEditorModel::MenuResult::kNoMacro:
      WarnNoMacroSelected(handle());
      return;
    case MacroEditorModel::MenuResult::kChanged:
      RefreshEvents();
      return;
    case MacroEditorModel::MenuResult::kStartedRecording:
      RefreshEvents();
      SyncRecording();
      return;
    case MacroEditorModel::MenuResult::kEditDelay:
      SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
      eventList_.EditSelected();
      return;
    case MacroEditorModel::MenuResult::kIgnored:
      return;
  }
}

// --- recording and the repeat count --------------------------------------------------------------

LRESULT MacroManagerDialog::OnRecordedKey(WPARAM wParam, LPARAM lParam) {
  const auto result =
      model_.RecordKey(static_cast<uint8_t>(wParam & 0xFF), (lParam & kMacroKeyReleased) != 0);
  if (result == MacroEditorModel::KeyResult::kIgnored) return 0;
  RefreshEvents();
  SyncRecording();
  return 0;
}

LRESULT MacroManagerDialog::OnRepeatCountNotify(WPARAM wParam, LPARAM) {
  if (writingRepeatCount_) return 0;
  const Text typed = WindowText(repeatCount_.handle());
  if (!RepeatCountToTake(typed, wParam == kBitmapEditFocusLost)) return 0;
  const CorrectedNumber count = model_.EditRepeatCount(typed);
  if (count.corrected) SetRepeatCountText(count.value);
  return 0;
}

LRESULT MacroManagerDialog::OnDestroy(WPARAM wParam, LPARAM lParam) {
  // The hook must never outlive the window it posts to.
  RemoveRecordingHook();
  showingRecording_ = false;
  return SkinnedDialog::OnDestroy(wParam, lParam);
}

// --- the caller's side ---------------------------------------------------------------------------

bool RunMacroManager(HWND owner, MacroLibrary& library, std::optional<ButtonAssignment> button,
                     const Text& programFolder, const MacroLibrarySaver& save) {
  MacroManagerDialog dialog(library, std::move(button), programFolder, save);
  const INT_PTR result = dialog.DoModal(owner);
  return FinishMacroManager(result == IDOK ? ManagerEnd::kOk : ManagerEnd::kCancel, dialog.model(),
                            library);
}
