#include "ui/modal_dialog.h"

#include "ui/message_loop.h"

namespace {

// The dialog whose window is being created: the creation hook binds it to the first window
// created on this thread, before that window's first message.
ModalDialog* g_pendingDialog = nullptr;
HHOOK g_creationHook = nullptr;

}  // namespace

const MessageRoute<ModalDialog> ModalDialog::kRoutes[] = {
    {WM_COMMAND, &ModalDialog::OnCommand},
};

bool ModalDialog::RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  return Route(this, kRoutes, message, wParam, lParam, result) ||
         Window::RouteMessage(message, wParam, lParam, result);
}

LRESULT CALLBACK ModalDialog::CreationHook(int code, WPARAM wParam, LPARAM lParam) {
  const HHOOK hook = g_creationHook;
  const LRESULT result = CallNextHookEx(hook, code, wParam, lParam);
  if (code == HCBT_CREATEWND && g_pendingDialog != nullptr) {
    ModalDialog* dialog = g_pendingDialog;
    g_pendingDialog = nullptr;
    dialog->BindAtCreation(reinterpret_cast<HWND>(wParam));
    // Its work is done: left in place, the hook would see every control the dialog creates, and
    // each hook call is a trip to the system.
    if (hook != nullptr && UnhookWindowsHookEx(hook)) g_creationHook = nullptr;
  }
  return result;
}

INT_PTR CALLBACK ModalDialog::DialogProc(HWND, UINT message, WPARAM, LPARAM) {
  // Every message already went through the object before the system dialog procedure called
  // this; what reaches here is unhandled. TRUE for WM_INITDIALOG lets the system set the focus.
  return message == WM_INITDIALOG ? TRUE : FALSE;
}

INT_PTR ModalDialog::DoModal(HWND owner) {
  if (handle() != nullptr || g_pendingDialog != nullptr) return -1;
  if (owner != nullptr && (GetWindowLongPtrW(owner, GWL_STYLE) & WS_CHILD) != 0)
    owner = GetAncestor(owner, GA_ROOT);
  owner_ = owner;
  result_ = -1;
  running_ = true;  // so that an EndModal during WM_INITDIALOG ends the dialog before it runs

  const std::vector<uint16_t> dialogTemplate = BuildDialogTemplate(spec_);
  g_pendingDialog = this;
  g_creationHook =
      SetWindowsHookExW(WH_CBT, &ModalDialog::CreationHook, nullptr, GetCurrentThreadId());
  HWND dialog = nullptr;
  if (g_creationHook != nullptr) {
    dialog = CreateDialogIndirectParamW(GetModuleHandleW(nullptr),
                                        reinterpret_cast<LPCDLGTEMPLATEW>(dialogTemplate.data()),
                                        owner, &ModalDialog::DialogProc, 0);
    if (g_creationHook != nullptr) UnhookWindowsHookEx(g_creationHook);  // no window was created
    g_creationHook = nullptr;
  }
  g_pendingDialog = nullptr;
  if (dialog == nullptr || handle() != dialog) {
    if (dialog != nullptr) DestroyWindow(dialog);
    running_ = false;
    return -1;
  }

  if (running_ && owner_ != nullptr && IsWindowEnabled(owner_)) {
    EnableWindow(owner_, FALSE);
    ownerDisabled_ = true;
  }
  const bool ended = RunModalLoop([this] { return running_ && handle() != nullptr; });
  if (!ended) result_ = -1;
  running_ = false;
  if (ownerDisabled_) {  // the loop ended without EndModal (quit, or the window was destroyed)
    EnableWindow(owner_, TRUE);
    ownerDisabled_ = false;
  }
  if (handle() != nullptr) {
    SetWindowPos(handle(), nullptr, 0, 0, 0, 0,
                 SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    DestroyWindow(handle());
  }
  return result_;
}

void ModalDialog::EndModal(INT_PTR result) {
  if (!running_) return;
  result_ = result;
  running_ = false;
  if (ownerDisabled_) {
    EnableWindow(owner_, TRUE);
    ownerDisabled_ = false;
  }
  // Wakes the loop when this was called from outside a dispatched message.
  if (handle() != nullptr) PostMessageW(handle(), WM_NULL, 0, 0);
}

bool ModalDialog::PreTranslateMessage(MSG& msg) {
  return handle() != nullptr && IsDialogMessageW(handle(), &msg);
}

LRESULT ModalDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
  // IDOK and IDCANCEL from the keyboard handling or the system menu (no control: lParam 0) end
  // the dialog with that value, as the system's own modal dialogs do. Controls of the framework
  // all have id 0, so they never come here as 1 or 2.
  const WORD id = LOWORD(wParam);
  if (lParam == 0 && (id == IDOK || id == IDCANCEL)) {
    EndModal(id);
    return 0;
  }
  Decline();
  return 0;
}
