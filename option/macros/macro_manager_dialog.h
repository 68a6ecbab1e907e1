#pragma once
// The macro manager: a modal skinned dialog over an editing copy of the macro library, with the
// list of macros, the selected macro's events, the recorder and the event menu. Every decision is
// the editor model's; this class turns window messages into model calls and shows the results.
// OK first saves the edited library through the caller's saver and closes only once it is saved;
// the caller takes the edited library from model() when DoModal answers IDOK.

#include <windows.h>

#include <array>
#include <optional>

#include "option/dialogs/skinned_dialog.h"
#include "option/macros/macro_editor_model.h"
#include "option/macros/macro_manager_view.h"
#include "platform/win32_input_sink.h"
#include "skin/bitmap_edit.h"
#include "skin/skin_button.h"
#include "skin/skin_list_box.h"

inline constexpr char16_t kMacroManagerTitle[] = u"Macro Manager";

class MacroManagerDialog : public SkinnedDialog {
 public:
  // `button`: the assignment of the button selected on the main window, whose macro (when it plays
  // one) is selected first; none for no button.
  MacroManagerDialog(MacroLibrary library, std::optional<ButtonAssignment> button,
                     Text programFolder, MacroLibrarySaver save);
  ~MacroManagerDialog() override;

  MacroEditorModel& model() { return model_; }

  // Space, like Enter and Escape, neither closes the dialog nor presses a button; edit boxes
  // still take it.
  bool PreTranslateMessage(MSG& msg) override;

 protected:
  std::vector<SkinControl> SkinControls() override;
  bool RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void InitDialog() override;

 private:
  static const MessageRoute<MacroManagerDialog> kRoutes[];

  class TickCountClock : public TickClock {
   public:
    uint32_t Now() const override { return GetTickCount(); }
  };

  LRESULT OnCommand(WPARAM wParam, LPARAM lParam);
  LRESULT OnClose(WPARAM wParam, LPARAM lParam);
  LRESULT OnDestroy(WPARAM wParam, LPARAM lParam);
  LRESULT OnRecordedKey(WPARAM wParam, LPARAM lParam);
  LRESULT OnListEditCommitted(WPARAM wParam, LPARAM lParam);
  LRESULT OnListRightClick(WPARAM wParam, LPARAM lParam);
  LRESULT OnRepeatCountNotify(WPARAM wParam, LPARAM lParam);

  SkinControl Button(int key, uint16_t captionId);
  SkinControl CheckBox(int key);
  SkinControl List(int key, SkinListBox& list, int32_t id);
  SkinControl RepeatCountBox();

  void RunCommand(int key);
  void TakeOpenEdits();
  void SaveAndClose();
  void DeleteSelectedMacro();
  void ImportMacro();
  void ExportMacro();
  void OpenEventMenu();

  void FillMacroList();
  void ShowSelectedMacro();
  void RefreshEvents();
  void SetRepeatCountText(int32_t count);
  // Brings the record button, the locked controls and the hook in line with the model.
  void SyncRecording();

  TickCountClock clock_;
  Win32KeyboardLayout layout_;
  MacroEditorModel model_;
  std::optional<ButtonAssignment> button_;
  Text programFolder_;
  MacroLibrarySaver save_;

  std::array<SkinButton, macro_keys::kKeyLimit> buttons_;  // only the button keys are made
  SkinListBox macroList_;
  SkinListBox eventList_;
  BitmapEdit repeatCount_;
  bool showingRecording_ = false;
  bool writingRepeatCount_ = false;  // the box's own change notifications are not edits
};

// The program-side use: opens the dialog over owner on a copy of `library`. OK hands the edited
// library to `save` (a failed save is reported and keeps the dialog open); once it is saved it
// replaces `library` and true is returned. Otherwise `library` is left as it was and the caller
// reloads it from its file.
bool RunMacroManager(HWND owner, MacroLibrary& library, std::optional<ButtonAssignment> button,
                     const Text& programFolder, const MacroLibrarySaver& save);
