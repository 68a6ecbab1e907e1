#pragma once
// A modal dialog built from an in-memory extended dialog template without controls. Its messages,
// WM_CREATE and WM_INITDIALOG included, go through the message tables like any framework
// window's; what no table handles goes to the system dialog procedure.
//
// DoModal disables the owner, runs the framework's modal loop (so PreTranslateMessage works for
// the dialog and everything in it) until EndModal, then destroys the dialog and returns the value
// given to EndModal. EndModal re-enables the owner at once, before the dialog disappears, so that
// activation returns to the owner and not to some other program.

#include "ui/dialog_template.h"
#include "ui/window.h"

class ModalDialog : public Window {
 public:
  explicit ModalDialog(DialogTemplateSpec spec) : spec_(std::move(spec)) {}

  // -1 when the dialog could not be created, or when WM_QUIT ended the loop first (the quit
  // message is posted again for the program's loop).
  INT_PTR DoModal(HWND owner);
  void EndModal(INT_PTR result);

  bool running() const { return running_; }

  // The standard dialog keyboard handling (IsDialogMessage) for messages that nothing nearer to
  // the message's window swallowed.
  bool PreTranslateMessage(MSG& msg) override;

 protected:
  bool RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  static const MessageRoute<ModalDialog> kRoutes[];
  static LRESULT CALLBACK CreationHook(int code, WPARAM wParam, LPARAM lParam);
  static INT_PTR CALLBACK DialogProc(HWND, UINT message, WPARAM, LPARAM);

  LRESULT OnCommand(WPARAM wParam, LPARAM lParam);

  DialogTemplateSpec spec_;
  HWND owner_ = nullptr;
  bool ownerDisabled_ = false;  // this dialog disabled the owner and must enable it again
  bool running_ = false;
  INT_PTR result_ = -1;
};
