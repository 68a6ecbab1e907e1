#include "ui/window.h"

#include <cwchar>
#include <unordered_map>

namespace {

// Window handle to object. A table of our own rather than a window property or GWLP_USERDATA:
// system controls keep their own use of USERDATA, and no other process can plant a pointer
// under a property name of ours.
std::unordered_map<HWND, Window*>& Bindings() {
  static std::unordered_map<HWND, Window*> bindings;
  return bindings;
}

// The object whose Create call is running: bound to the first window of a framework class that
// receives WM_NCCREATE.
Window* g_creating = nullptr;

bool OnThisThread(HWND window) {
  return GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId();
}

}  // namespace

bool RegisterFrameworkClass(const wchar_t* name, UINT classStyle, HBRUSH background) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExW(instance, name, &existing)) return true;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = classStyle;
  wc.lpfnWndProc = DefWindowProcW;  // replaced below: the framework's procedure is private
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = background;
  wc.lpszClassName = name;
  return Window::RegisterClassWith(wc);
}

Window::~Window() {
  if (window_ == nullptr) return;
  if (OnThisThread(window_)) DestroyWindow(window_);
  // Still bound (another thread's window, or a destroy that was refused): never leave a lookup
  // that leads to this object.
  if (window_ != nullptr) Unbind();
}

Window* Window::FromHandle(HWND window) {
  if (window == nullptr) return nullptr;
  auto& bindings = Bindings();
  auto found = bindings.find(window);
  return found == bindings.end() ? nullptr : found->second;
}

bool Window::RegisterClassWith(WNDCLASSEXW wc) {
  wc.lpfnWndProc = FrameworkWindowProc;
  return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

bool Window::Create(const WindowCreateArgs& args) {
  if (window_ != nullptr) return false;
  if (args.className != nullptr && wcscmp(args.className, kFrameworkWindowClass) == 0 &&
      !RegisterFrameworkClass(kFrameworkWindowClass, CS_DBLCLKS, nullptr)) {
    return false;
  }
  Window* outer = g_creating;
  g_creating = this;
  HWND created = CreateWindowExW(
      args.exStyle, args.className, args.title, args.style, args.x, args.y, args.width, args.height,
      args.parent, reinterpret_cast<HMENU>(args.id), GetModuleHandleW(nullptr), nullptr);
  // Normally taken at WM_NCCREATE; cleared here when the window was never created.
  if (g_creating == this) g_creating = outer;
  return created != nullptr && window_ == created;
}

bool Window::Subclass(HWND window) {
  if (window == nullptr || window_ != nullptr || FromHandle(window) != nullptr) return false;
  if (!IsWindow(window) || !OnThisThread(window)) return false;
  // Bind first, so that a message sent while the procedure is being replaced finds the object.
  Bindings()[window] = this;
  window_ = window;
  SetLastError(0);
  auto previous = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
      window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Window::SubclassWindowProc)));
  if (previous == nullptr && GetLastError() != 0) {
    Bindings().erase(window);
    window_ = nullptr;
    return false;
  }
  previousProc_ = previous;
  OnSubclassed();
  return true;
}

bool Window::BindAtCreation(HWND window) {
  return Subclass(window);
}

bool Window::CreateControl(const ControlCreateArgs& args) {
  if (window_ != nullptr) return false;
  HWND control = CreateWindowExW(
      args.exStyle, args.className, args.text, args.style, args.rect.left, args.rect.top,
      args.rect.right - args.rect.left, args.rect.bottom - args.rect.top, args.parent,
      reinterpret_cast<HMENU>(args.id), GetModuleHandleW(nullptr), nullptr);
  if (control == nullptr) return false;
  if (!Subclass(control)) {
    DestroyWindow(control);
    return false;
  }
  return true;
}

bool Window::Detach() {
  if (window_ == nullptr) return false;
  if (previousProc_ != nullptr) {
    auto current = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window_, GWLP_WNDPROC));
    if (current != &Window::SubclassWindowProc) return false;
  }
  // A window of a framework class keeps FrameworkWindowProc, which falls back to DefWindowProcW
  // once the binding is gone.
  Unbind();
  return true;
}

bool Window::PreTranslateMessage(MSG&) {
  return false;
}

LRESULT Window::CallDefault(UINT message, WPARAM wParam, LPARAM lParam) {
  if (window_ == nullptr) return 0;
  if (previousProc_ != nullptr)
    return CallWindowProcW(previousProc_, window_, message, wParam, lParam);
  return DefWindowProcW(window_, message, wParam, lParam);
}

bool Window::RouteMessage(UINT, WPARAM, LPARAM, LRESULT&) {
  return false;
}

LRESULT Window::Default() {
  if (current_ == nullptr) return 0;
  return CallDefault(current_->message, current_->wParam, current_->lParam);
}

void Window::Decline() {
  if (current_ != nullptr) current_->handled = false;
}

LRESULT CALLBACK Window::FrameworkWindowProc(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
  Window* self = FromHandle(window);
  if (self == nullptr && message == WM_NCCREATE && g_creating != nullptr) {
    self = g_creating;
    g_creating = nullptr;
    if (!self->Bind(window)) self = nullptr;
  }
  if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  return self->Dispatch(message, wParam, lParam);
}

LRESULT CALLBACK Window::SubclassWindowProc(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
  Window* self = FromHandle(window);
  if (self != nullptr) return self->Dispatch(message, wParam, lParam);
  // Only reachable when the binding ended while another subclass sat on top of this one; the
  // system procedure of the class still gives the control its behaviour.
  wchar_t className[64] = {};
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  if (GetClassNameW(window, className, 64) > 0 && GetClassInfoExW(nullptr, className, &wc))
    return CallWindowProcW(wc.lpfnWndProc, window, message, wParam, lParam);
  return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT Window::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  CurrentMessage here{message, wParam, lParam, true};
  CurrentMessage* outer = current_;
  current_ = &here;
  LRESULT result = 0;
  bool handled = ReflectToChild(message, wParam, lParam, result);
  if (!handled) handled = RouteMessage(message, wParam, lParam, result);
  if (!handled) result = CallDefault(message, wParam, lParam);
  current_ = outer;
  if (message == WM_NCDESTROY) Unbind();
  return result;
}

bool Window::ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  HWND child = nullptr;
  switch (message) {
    case WM_COMMAND:  // lParam 0: a menu or an accelerator, no control
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
      child = reinterpret_cast<HWND>(lParam);
      break;
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (item != nullptr && item->CtlType != ODT_MENU) child = item->hwndItem;
      break;
    }
    case WM_MEASUREITEM: {
      // The structure names no window; the control is found by its id, so only a control with an
      // id of its own among its siblings is measured through its object.
      const auto* item = reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam);
      if (item != nullptr && item->CtlType != ODT_MENU)
        child = GetDlgItem(window_, static_cast<int>(item->CtlID));
      break;
    }
    default:
      return false;
  }
  if (child == nullptr || child == window_ || !IsChild(window_, child)) return false;
  Window* target = FromHandle(child);
  if (target == nullptr) return false;
  CurrentMessage reflected{kReflectBase + message, wParam, lParam, true};
  CurrentMessage* outer = target->current_;
  target->current_ = &reflected;
  const bool handled = target->RouteMessage(kReflectBase + message, wParam, lParam, result);
  target->current_ = outer;
  return handled;
}

bool Window::Bind(HWND window) {
  if (window_ != nullptr || FromHandle(window) != nullptr) return false;
  Bindings()[window] = this;
  window_ = window;
  return true;
}

void Window::Unbind() {
  if (window_ == nullptr) return;
  if (previousProc_ != nullptr) {
    auto current = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window_, GWLP_WNDPROC));
    if (current == &Window::SubclassWindowProc)
      SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previousProc_));
  }
  Bindings().erase(window_);
  window_ = nullptr;
  previousProc_ = nullptr;
}
