#pragma once
// One object per window: the base of every configurator window, dialog and skinned control.
//
// A class answers messages with a message table, a static array of {message, member function},
// and one override that looks in it before its base class' table:
//
//   // profile_dialog.h
//   class ProfileDialog : public ModalDialog {
//     bool RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
//     LRESULT OnCommand(WPARAM wParam, LPARAM lParam);
//     static const MessageRoute<ProfileDialog> kRoutes[];
//   };
//   // profile_dialog.cpp
//   const MessageRoute<ProfileDialog> ProfileDialog::kRoutes[] = {
//       {WM_COMMAND, &ProfileDialog::OnCommand},
//   };
//   bool ProfileDialog::RouteMessage(UINT message, WPARAM wParam, LPARAM lParam,
//                                    LRESULT& result) {
//     return Route(this, kRoutes, message, wParam, lParam, result) ||
//            ModalDialog::RouteMessage(message, wParam, lParam, result);
//   }
//
// A message that no table in the chain handles gets the default handling: DefWindowProcW for the
// framework's own window class, the previous window procedure for a subclassed system control,
// the system dialog procedure for a dialog. A handler may run that default itself (Default()) or
// decline the message after looking at it (Decline()), which passes it on to the base class'
// table and then to the default.
//
// Notifications that the system sends to a parent about a child (WM_COMMAND from controls,
// WM_DRAWITEM and WM_MEASUREITEM of controls, WM_CTLCOLOR*) are first offered to the child's
// object as kReflectBase + message, with the same parameters; when the child's table handles it,
// its result is the answer, otherwise the parent handles the original message as usual.
// WM_MEASUREITEM names no window, so it reaches a child only through a control id that is unique
// among its siblings; a control measured while it is being created (before it is subclassed) is
// measured by its parent.
//
// Objects outlive their windows: the binding ends at WM_NCDESTROY (a subclass is undone there).
// The destructor destroys a window that still exists, but by then only the default handling
// runs, so owners destroy their windows first. User-interface thread only.

#include <windows.h>

#include <cstddef>

// Reflected notifications arrive at the child as this base plus the original message number.
constexpr UINT kReflectBase = WM_USER + 0x1C00;

template <typename Owner>
struct MessageRoute {
  UINT message;
  LRESULT (Owner::*handler)(WPARAM wParam, LPARAM lParam);
};

// The framework's own window class: double clicks, arrow cursor, no background brush (the windows
// paint all of their client area).
inline constexpr wchar_t kFrameworkWindowClass[] = L"FrameworkWindow";

struct WindowCreateArgs {
  const wchar_t* className =
      kFrameworkWindowClass;  // a class registered with RegisterFrameworkClass
  const wchar_t* title = L"";
  DWORD style = WS_OVERLAPPEDWINDOW;
  DWORD exStyle = 0;
  int x = CW_USEDEFAULT, y = CW_USEDEFAULT, width = CW_USEDEFAULT, height = CW_USEDEFAULT;
  HWND parent = nullptr;  // parent of a child window, owner of a pop-up
  UINT_PTR id = 0;        // control id of a child window
};

struct ControlCreateArgs {
  const wchar_t* className = L"BUTTON";  // a system control class: BUTTON, EDIT, LISTBOX, STATIC
  const wchar_t* text = L"";
  DWORD style = WS_CHILD | WS_VISIBLE;
  DWORD exStyle = 0;
  RECT rect{};  // in the parent's client coordinates
  HWND parent = nullptr;
  UINT_PTR id = 0;
};

// Registers a window class whose windows are framework objects (the window procedure is the
// framework's). True when the class exists afterwards, also when it was registered before.
bool RegisterFrameworkClass(const wchar_t* name, UINT classStyle, HBRUSH background);

class Window {
 public:
  Window() = default;
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  HWND handle() const { return window_; }

  // The object bound to a window of this process, or none.
  static Window* FromHandle(HWND window);

  // Registers a window class with the framework's window procedure in place of wc.lpfnWndProc.
  // True when the class exists afterwards.
  static bool RegisterClassWith(WNDCLASSEXW wc);

  // Creates a window of a framework class bound to this object from WM_NCCREATE on. False when
  // the object already has a window or the creation failed.
  bool Create(const WindowCreateArgs& args);

  // Binds an existing window (a system control) to this object by replacing its window
  // procedure; its own procedure becomes the default handling. False when the window is missing,
  // belongs to another thread, or either side is already bound.
  bool Subclass(HWND window);

  // Creates a system control and subclasses it: its creation messages (WM_NCCREATE, WM_CREATE)
  // go to the control alone, everything after to this object. False when either step failed (a
  // control that could not be subclassed is destroyed again).
  bool CreateControl(const ControlCreateArgs& args);

  // Ends the binding of a live window without destroying it; a subclass is undone. False when
  // another subclass was installed on top of this one (it could not be undone safely; the binding
  // stays).
  bool Detach();

  // Offered every queued message addressed to this window or to a descendant before it is
  // translated and dispatched, by the framework's message loops (message_loop.h). True swallows
  // the message.
  virtual bool PreTranslateMessage(MSG& msg);

  // The handling of the message given, as if no table had it: the default procedure.
  LRESULT CallDefault(UINT message, WPARAM wParam, LPARAM lParam);

 protected:
  // Offers a message to the tables of this class and its bases; true when one handled it.
  virtual bool RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

  // Looks the message up in one table and runs its handler. False when the table has no route for
  // it or the handler declined it.
  template <typename Owner, std::size_t N>
  bool Route(Owner* self, const MessageRoute<Owner> (&routes)[N], UINT message, WPARAM wParam,
             LPARAM lParam, LRESULT& result);

  // The default handling of the message being handled, with its own parameters.
  LRESULT Default();
  // Called by a handler: the message was not handled after all and goes on to the next table or
  // the default handling. The handler's return value is then ignored.
  void Decline();

  // Called once the window has been subclassed, for the set-up a control does on attachment.
  virtual void OnSubclassed() {}

  // The window procedure of a window that is subclassed at creation (dialogs): binds it like
  // Subclass but before its first message.
  bool BindAtCreation(HWND window);

 private:
  struct CurrentMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    bool handled;
  };

  static LRESULT CALLBACK FrameworkWindowProc(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam);
  static LRESULT CALLBACK SubclassWindowProc(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam);

  LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
  bool ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  bool Bind(HWND window);
  void Unbind();

  HWND window_ = nullptr;
  WNDPROC previousProc_ = nullptr;  // set for subclassed windows
  CurrentMessage* current_ = nullptr;
};

template <typename Owner, std::size_t N>
bool Window::Route(Owner* self, const MessageRoute<Owner> (&routes)[N], UINT message, WPARAM wParam,
                   LPARAM lParam, LRESULT& result) {
  for (const MessageRoute<Owner>& route : routes) {
    if (route.message != message) continue;
    if (current_ == nullptr) {  // called outside a dispatch: nothing can decline
      result = (self->*route.handler)(wParam, lParam);
      return true;
    }
    const bool outerHandled = current_->handled;
    current_->handled = true;
    const LRESULT answer = (self->*route.handler)(wParam, lParam);
    const bool handled = current_->handled;
    current_->handled = outerHandled;
    if (!handled) return false;
    result = answer;
    return true;
  }
  return false;
}
