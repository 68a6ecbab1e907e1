#include "skin/double_click_test_button.h"

#include <commctrl.h>
#include <mmsystem.h>

#include "base/wide.h"
#include "platform/system_function.h"
#include "ui/gdi_handles.h"

const MessageRoute<DoubleClickTestButton> DoubleClickTestButton::kRoutes[] = {
    {kReflectBase + WM_DRAWITEM, &DoubleClickTestButton::OnDrawItem},
    {kReflectBase + WM_COMMAND, &DoubleClickTestButton::OnReflectedCommand},
    {WM_COMMAND, &DoubleClickTestButton::OnCommand},
    {WM_ERASEBKGND, &DoubleClickTestButton::OnEraseBackground},
};

bool DoubleClickTestButton::RouteMessage(UINT message, WPARAM wParam, LPARAM lParam,
                                         LRESULT& result) {
  return Route(this, kRoutes, message, wParam, lParam, result) ||
         Window::RouteMessage(message, wParam, lParam, result);
}

DoubleClickTestButton::~DoubleClickTestButton() {
  // The window (and the animation control, its child) goes before the picture it paints.
  if (handle() != nullptr) DestroyWindow(handle());
}

bool DoubleClickTestButton::Create(HWND owner, const RECT& rect, const Text& programFolder) {
  picture_.reset();
  const Text path = programFolder + kDoubleClickPicture;
  picture_.reset(static_cast<HBITMAP>(
      LoadImageW(nullptr, Wide(path), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
  ControlCreateArgs args;
  args.className = L"BUTTON";
  args.style = WS_CHILD | WS_VISIBLE | BS_OWNERDRAW;
  args.rect = rect;
  args.parent = owner;
  args.id = 0;
  return CreateControl(args);
}

LRESULT DoubleClickTestButton::OnDrawItem(WPARAM, LPARAM lParam) {
  const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
  // Once the clip exists it covers the button and shows its own frame.
  if (item == nullptr || item->hDC == nullptr || animation_ != nullptr || !picture_) return TRUE;
  BITMAP info{};
  if (GetObjectW(picture_.get(), sizeof info, &info) == 0) return TRUE;
  RECT client{};
  GetClientRect(handle(), &client);
  const MemoryDc memory = CompatibleMemoryDc(item->hDC);
  const SelectionScope selected(memory.get(), picture_.get());
  SetStretchBltMode(item->hDC, COLORONCOLOR);
  StretchBlt(item->hDC, 0, 0, client.right, client.bottom, memory.get(), 0, 0, info.bmWidth,
             info.bmHeight < 0 ? -info.bmHeight : info.bmHeight, SRCCOPY);
  return TRUE;
}

LRESULT DoubleClickTestButton::OnReflectedCommand(WPARAM wParam, LPARAM) {
  if (HIWORD(wParam) != BN_DOUBLECLICKED) {
    Decline();  // a single click is the owner's business, and does nothing here
    return 0;
  }
  PlayClip();
  return 0;
}

void DoubleClickTestButton::PlayClip() {
  if (animation_ == nullptr) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_ANIMATE_CLASS};
    InitCommonControlsEx(&controls);
    RECT client{};
    GetClientRect(handle(), &client);
    animation_ =
        CreateWindowExW(0, ANIMATE_CLASSW, nullptr, WS_CHILD | WS_VISIBLE, 0, 0, client.right,
                        client.bottom, handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    if (animation_ == nullptr) return;
    SendMessageW(animation_, ACM_OPENW, 0, reinterpret_cast<LPARAM>(Wide(clip_)));
  }
  SendMessageW(animation_, ACM_PLAY, 1, MAKELPARAM(0, 0xFFFF));
  // The multimedia library is loaded at the first double click, not by every start.
  using PlaySoundFunction = BOOL(WINAPI*)(LPCWSTR, HMODULE, DWORD);
  const auto play = SystemFunction<PlaySoundFunction>(L"winmm.dll", "PlaySoundW");
  if (play == nullptr) return;
  if (sound_.empty()) {
    play(L"SystemDefault", nullptr, SND_ALIAS | SND_ASYNC | SND_NOWAIT);
  } else {
    play(Wide(sound_), nullptr, SND_FILENAME | SND_ASYNC | SND_NOWAIT);
  }
}

LRESULT DoubleClickTestButton::OnCommand(WPARAM wParam, LPARAM lParam) {
  // The clip ended: back to its first frame, where it waits for the next double click.
  if (animation_ != nullptr && reinterpret_cast<HWND>(lParam) == animation_ &&
      HIWORD(wParam) == ACN_STOP) {
    SendMessageW(animation_, ACM_PLAY, 0, MAKELPARAM(0, 0));
    return 0;
  }
  Decline();
  return 0;
}

LRESULT DoubleClickTestButton::OnEraseBackground(WPARAM, LPARAM) {
  return TRUE;  // the picture or the clip covers the whole button
}
