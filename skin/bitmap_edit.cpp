#include "skin/bitmap_edit.h"

#include "base/wide.h"
#include "skin/numbers_only.h"
#include "ui/window_text.h"

UINT BitmapEditNotifyMessage() {
  static const UINT message = RegisterWindowMessageW(L"BitmapEdit_KillFocus");
  return message;
}

const MessageRoute<BitmapEdit> BitmapEdit::kRoutes[] = {
    {kReflectBase + WM_CTLCOLOREDIT, &BitmapEdit::OnColourRequest},
    // A read-only or disabled edit control asks with the static message; same colours.
    {kReflectBase + WM_CTLCOLORSTATIC, &BitmapEdit::OnColourRequest},
    {kReflectBase + WM_COMMAND, &BitmapEdit::OnReflectedCommand},
    {WM_VSCROLL, &BitmapEdit::OnVerticalScroll},
    {WM_ERASEBKGND, &BitmapEdit::OnEraseBackground},
};

bool BitmapEdit::RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  return Route(this, kRoutes, message, wParam, lParam, result) ||
         Window::RouteMessage(message, wParam, lParam, result);
}

BitmapEdit::BitmapEdit() {
  font_.reset(CreateFontW(13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                          OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                          DEFAULT_PITCH | FF_DONTCARE, L"Arial"));
}

BitmapEdit::~BitmapEdit() {
  // The window goes first: it must not keep drawing with the font and brush its members delete.
  if (handle() != nullptr) DestroyWindow(handle());
}

bool BitmapEdit::Create(HWND owner, const RECT& rect, DWORD style) {
  ControlCreateArgs args;
  args.className = L"EDIT";
  args.style = style;
  args.rect = rect;
  args.parent = owner;
  args.id = 0;
  if (!CreateControl(args)) return false;
  ApplyFont();
  return true;
}

void BitmapEdit::ApplyFont() {
  if (handle() != nullptr)
    SendMessageW(handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
}

LRESULT BitmapEdit::OnColourRequest(WPARAM wParam, LPARAM) {
  HDC dc = reinterpret_cast<HDC>(wParam);
  brush_.reset();
  brush_.reset(CreateSolidBrush(backgroundColour_));
  if (dc != nullptr) {
    SetTextColor(dc, textColour_);
    SetBkColor(dc, backgroundColour_);
  }
  return reinterpret_cast<LRESULT>(brush_.get());
}

LRESULT BitmapEdit::OnReflectedCommand(WPARAM wParam, LPARAM) {
  switch (HIWORD(wParam)) {
    case EN_CHANGE:
      OnTextChanged();
      return 0;
    case EN_KILLFOCUS:
      Notify(kBitmapEditFocusLost);
      return 0;
    default:
      Decline();
      return 0;
  }
}

void BitmapEdit::OnTextChanged() {
  if (numbersOnly_) {
    const NumbersOnlyFix fix = FilterNumbersOnlyText(WindowText(handle()));
    // Setting the text raises this notification again; the second pass finds nothing to remove.
    if (fix.replace) SetWindowTextW(handle(), Wide(fix.text));
  }
  RedrawWindow(handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  Notify(kBitmapEditChanged);
}

void BitmapEdit::Notify(WPARAM what) {
  HWND parent = GetParent(handle());
  if (parent != nullptr) PostMessageW(parent, BitmapEditNotifyMessage(), what, 0);
}

LRESULT BitmapEdit::OnVerticalScroll(WPARAM, LPARAM) {
  InvalidateRect(handle(), nullptr, TRUE);  // the coloured background scrolls with the text
  return Default();
}

LRESULT BitmapEdit::OnEraseBackground(WPARAM, LPARAM) {
  return TRUE;
}

bool BitmapEdit::PreTranslateMessage(MSG& msg) {
  if (numbersOnly_ && msg.message == WM_KEYDOWN && msg.hwnd == handle() &&
      !NumbersOnlyKeyPasses(static_cast<uint32_t>(msg.wParam))) {
    return true;
  }
  return Window::PreTranslateMessage(msg);
}
