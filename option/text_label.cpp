#include "option/text_label.h"

#include "base/wide.h"
#include "ui/gdi_handles.h"
#include "ui/offscreen_canvas.h"

namespace {

constexpr wchar_t kTextLabelClass[] = L"ProfileNameLabel";

}  // namespace

const MessageRoute<TextLabel> TextLabel::kRoutes[] = {
    {WM_PAINT, &TextLabel::OnPaint},
    {WM_PRINTCLIENT, &TextLabel::OnPrintClient},
    {WM_ERASEBKGND, &TextLabel::OnEraseBackground},
    {WM_DESTROY, &TextLabel::OnDestroy},
};

bool TextLabel::RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  return Route(this, kRoutes, message, wParam, lParam, result) ||
         Window::RouteMessage(message, wParam, lParam, result);
}

TextLabel::~TextLabel() {
  if (handle() != nullptr) DestroyWindow(handle());
  if (font_ != nullptr) DeleteObject(font_);
}

bool TextLabel::Create(HWND owner, const RECT& rect) {
  if (!RegisterFrameworkClass(kTextLabelClass, 0, nullptr)) return false;
  WindowCreateArgs args;
  args.className = kTextLabelClass;
  args.style = WS_CHILD | WS_VISIBLE;
  args.x = rect.left;
  args.y = rect.top;
  args.width = rect.right - rect.left;
  args.height = rect.bottom - rect.top;
  args.parent = owner;
  if (!Window::Create(args)) return false;
  font_ =
      CreateFontW(12, 5, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, L"Arial");
  return true;
}

void TextLabel::SetText(TextView text) {
  text_ = Text(text);
  if (handle() != nullptr) InvalidateRect(handle(), nullptr, FALSE);
}

void TextLabel::Draw(HDC target) {
  RECT client{};
  GetClientRect(handle(), &client);
  // Composed off-screen and copied in one step, so a new name never flickers.
  OffscreenCanvas canvas(target, client.right, client.bottom);
  if (!canvas.ok()) return;
  HDC memory = canvas.dc();
  FillRect(memory, &client, GdiBrush(CreateSolidBrush(fill_)).get());
  const SelectionScope font(memory, font_);
  SetBkMode(memory, TRANSPARENT);
  SetTextColor(memory, RGB(255, 255, 255));
  RECT textRect = client;
  const UINT horizontal = centring_ == 0 ? DT_CENTER : DT_LEFT;
  DrawTextW(memory, Wide(text_), static_cast<int>(text_.size()), &textRect,
            horizontal | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  canvas.CopyTo(target);
}

LRESULT TextLabel::OnPaint(WPARAM, LPARAM) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(handle(), &ps);
  if (dc != nullptr) Draw(dc);
  EndPaint(handle(), &ps);
  return 0;
}

LRESULT TextLabel::OnPrintClient(WPARAM wParam, LPARAM) {
  Draw(reinterpret_cast<HDC>(wParam));
  return 0;
}

LRESULT TextLabel::OnEraseBackground(WPARAM, LPARAM) {
  return TRUE;  // painting fills the whole label
}

LRESULT TextLabel::OnDestroy(WPARAM, LPARAM) {
  if (font_ != nullptr) {
    DeleteObject(font_);
    font_ = nullptr;
  }
  return Default();
}
