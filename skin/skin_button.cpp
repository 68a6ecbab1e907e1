#include "skin/skin_button.h"

#include <commctrl.h>

#include <optional>

#include "base/wide.h"
#include "skin/skin_button_caption.h"
#include "ui/bitmap_copy.h"
#include "ui/offscreen_canvas.h"

namespace {

PixelRect ToPixelRect(const RECT& rect) {
  return PixelRect{rect.left, rect.top, rect.right, rect.bottom};
}

SIZE BitmapSize(HBITMAP bitmap) {
  BITMAP info{};
  if (bitmap == nullptr || GetObjectW(bitmap, sizeof info, &info) == 0) return SIZE{0, 0};
  return SIZE{info.bmWidth, info.bmHeight < 0 ? -info.bmHeight : info.bmHeight};
}

bool LeftButtonHeld(WPARAM moveFlags) {
  return (moveFlags & MK_LBUTTON) != 0;
}

}  // namespace

const MessageRoute<SkinButton> SkinButton::kRoutes[] = {
    {kReflectBase + WM_DRAWITEM, &SkinButton::OnDrawItem}, {WM_MOUSEMOVE, &SkinButton::OnMouseMove},
    {WM_CAPTURECHANGED, &SkinButton::OnCaptureChanged},    {WM_KILLFOCUS, &SkinButton::OnKillFocus},
    {WM_LBUTTONDOWN, &SkinButton::OnLButtonDown},          {WM_LBUTTONUP, &SkinButton::OnLButtonUp},
    {WM_ERASEBKGND, &SkinButton::OnEraseBackground},       {WM_DESTROY, &SkinButton::OnDestroy},
};

bool SkinButton::RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  return Route(this, kRoutes, message, wParam, lParam, result) ||
         Window::RouteMessage(message, wParam, lParam, result);
}

SkinButton::~SkinButton() {
  // The window goes first, so that no paint can reach the looks once they are deleted.
  if (handle() != nullptr) DestroyWindow(handle());
  if (tooltip_ != nullptr) DestroyWindow(tooltip_);
}

bool SkinButton::Create(HWND owner, const RECT& rect) {
  ControlCreateArgs args;
  args.className = L"BUTTON";
  args.text = L"";
  // Owner-drawn from the start, so that OnSubclassed has nothing left to change.
  args.style = WS_CHILD | WS_VISIBLE | BS_OWNERDRAW;
  args.rect = rect;
  args.parent = owner;
  args.id = 0;
  return CreateControl(args);
}

bool SkinButton::CreateFromSkin(HWND window, const ButtonPosEntry& entry,
                                const SkinStateImages& images) {
  const PixelRect limited =
      LimitControlRect(PixelRect{entry.left, entry.top, entry.right, entry.bottom});
  const RECT rect{limited.left, limited.top, limited.right, limited.bottom};
  if (!Create(window, rect)) return false;
  ShareImages(rect, images);
  SetChecked(entry.checked != 0);
  SetTooltip(true);
  return true;
}

void SkinButton::OnSubclassed() {
  // Owner-drawn, keeping the other low style bits; the type is replaced rather than added to, so
  // that a button created with another type still becomes owner-drawn.
  const LONG_PTR style = GetWindowLongPtrW(handle(), GWL_STYLE);
  if ((style & BS_TYPEMASK) != BS_OWNERDRAW) {
    SendMessageW(handle(), BM_SETSTYLE, ((style & 0xFF) & ~BS_TYPEMASK) | BS_OWNERDRAW, TRUE);
  }
  ClearStyle(WS_TABSTOP);
}

void SkinButton::ClearStyle(LONG_PTR bits) {
  // A style change is a trip to the system and a round of messages, and a window makes dozens of
  // buttons as it opens: only a style that has the bits is changed.
  const LONG_PTR style = GetWindowLongPtrW(handle(), GWL_STYLE);
  if ((style & bits) != 0) SetWindowLongPtrW(handle(), GWL_STYLE, style & ~bits);
}

HWND SkinButton::tooltip() {
  if (tooltip_ == nullptr) {
    CreateTooltip();
    if (!caption_.empty()) SetTooltip(true);
  }
  return tooltip_;
}

void SkinButton::CreateTooltip() {
  if (tooltip_ != nullptr || handle() == nullptr) return;
  // The tooltip lives with the window; it stays inactive until the button has a caption.
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, handle(),
                             nullptr, GetModuleHandleW(nullptr), nullptr);
  if (tooltip_ != nullptr) SendMessageW(tooltip_, TTM_ACTIVATE, FALSE, 0);
}

void SkinButton::SetImages(const RECT& rect, HBITMAP normal, HBITMAP over, HBITMAP down,
                           HBITMAP disable) {
  TakeImages(rect, {normal, over, down, disable}, false);
}

void SkinButton::ShareImages(const RECT& rect, const SkinStateImages& images) {
  TakeImages(rect, {images.normal, images.over, images.down, images.disable}, true);
}

void SkinButton::TakeImages(const RECT& rect, const HBITMAP (&sources)[4], bool shared) {
  DeleteLooks();
  const PixelRect cut = LimitControlRect(ToPixelRect(rect));
  std::optional<WindowDc> dc;  // only for cutting: sharing needs no context
  for (int look = 0; look < 4; ++look) {
    const SIZE size = BitmapSize(sources[look]);
    ButtonLookSource source = ChooseButtonLookSource(cut, size.cx, size.cy);
    if (source == ButtonLookSource::kShared && !shared) source = ButtonLookSource::kCut;
    if (source == ButtonLookSource::kShared) {
      looks_[look] = Look{sources[look], POINT{cut.left, cut.top}};
    } else if (source == ButtonLookSource::kCut) {
      if (!dc) dc.emplace(handle());
      cutLooks_[look] =
          CutBitmap(dc->get(), sources[look], RECT{cut.left, cut.top, cut.right, cut.bottom});
      looks_[look] = Look{cutLooks_[look].get(), POINT{0, 0}};
    }
  }
  if (handle() != nullptr) {
    ClearStyle(WS_BORDER | WS_TABSTOP);
    Repaint();
  }
}

void SkinButton::DeleteLooks() {
  for (CaptionedLook& look : captioned_) look.Forget();
  for (Look& look : looks_) look = Look{};
  for (GdiBitmap& cut : cutLooks_) cut.reset();
}

void SkinButton::SetChecked(bool checked) {
  if (checked_ == checked) return;
  checked_ = checked;
  Repaint();
}

void SkinButton::SetHover(bool hover) {
  if (hover_ == hover) return;
  hover_ = hover;
  Repaint();
}

void SkinButton::SetCaption(TextView caption) {
  caption_.assign(caption);
  SetTooltip(true);
  Repaint();
}

void SkinButton::Repaint() {
  if (handle() != nullptr) InvalidateRect(handle(), nullptr, FALSE);
}

SkinButton::Look SkinButton::LookOf(ButtonPicture picture) const {
  const auto index = static_cast<size_t>(picture);
  return index < 4 ? looks_[index] : Look{};
}

HWND SkinButton::OwnerOrParent() const {
  HWND owner = GetWindow(handle(), GW_OWNER);
  return owner != nullptr ? owner : GetParent(handle());
}

LRESULT SkinButton::OnDrawItem(WPARAM, LPARAM lParam) {
  const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
  if (item == nullptr || item->hDC == nullptr) return TRUE;
  ButtonLookState state;
  state.selected = (item->itemState & ODS_SELECTED) != 0;
  state.disabled = (item->itemState & ODS_DISABLED) != 0;
  state.checked = checked_;
  state.hover = hover_;
  state.toggle_mode = toggleMode_;
  const ButtonPicture chosen = ChooseButtonPicture(state);
  const Look look = LookOf(chosen);

  RECT client{};
  GetClientRect(handle(), &client);
  const int width = client.right - client.left;
  const int height = client.bottom - client.top;
  if (width <= 0 || height <= 0) return TRUE;
  if (caption_.empty()) {
    DrawBitmap(item->hDC, look.picture, width, height, look.origin);  // an empty look: nothing
    return TRUE;
  }

  const uint32_t argb = ChooseCaptionColour(state, colours_);
  CaptionedLookKey key{argb, caption_, captionMode_, fontSize_, width, height};
  CaptionedLook* kept =
      look.picture != nullptr ? &captioned_[static_cast<size_t>(chosen)] : nullptr;
  if (kept != nullptr) {
    if (HBITMAP ready = kept->Find(key)) {
      DrawBitmap(item->hDC, ready, width, height);
      return TRUE;
    }
  }

  // Composed off-screen so that the caption never flickers over a bare picture. Without a
  // picture the caption goes over what is already on screen, so that composition is not kept.
  OffscreenCanvas composed(item->hDC, width, height);
  if (!composed.ok()) return TRUE;
  if (look.picture != nullptr) {
    composed.DrawPicture(look.picture, look.origin);
  } else {
    BitBlt(composed.dc(), 0, 0, width, height, item->hDC, 0, 0, SRCCOPY);
  }
  const CaptionLayout layout = LayoutCaption(captionMode_, ToPixelRect(client));
  DrawGdiplusCaption(composed.dc(), caption_, layout, fontSize_, argb);
  composed.CopyTo(item->hDC);
  if (kept != nullptr) kept->Keep(std::move(key), composed.TakePicture());
  return TRUE;
}

void SkinButton::ApplyHoverActions(const HoverActions& actions) {
  if (actions.enter_hover) hover_ = true;
  if (actions.leave_hover) hover_ = false;
  if (actions.take_capture) SetCapture(handle());
  if (actions.release_capture && GetCapture() == handle()) ReleaseCapture();
  if (actions.repaint) Repaint();
}

LRESULT SkinButton::OnMouseMove(WPARAM wParam, LPARAM lParam) {
  const LRESULT result = Default();
  PointerMoveInput input;
  input.left_button_held = LeftButtonHeld(wParam);
  input.hover = hover_;
  input.holds_capture = GetCapture() == handle();
  input.application_has_active_window = GetActiveWindow() != nullptr;
  input.has_owner_or_parent = OwnerOrParent() != nullptr;
  if (input.holds_capture) {
    POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    ClientToScreen(handle(), &point);
    HWND under = WindowFromPoint(point);
    input.under_pointer = under == nullptr    ? WindowUnderPointer::kNone
                          : under == handle() ? WindowUnderPointer::kSelf
                                              : WindowUnderPointer::kOther;
  }
  ApplyHoverActions(OnPointerMove(input));
  return result;
}

LRESULT SkinButton::OnCaptureChanged(WPARAM, LPARAM lParam) {
  // The system button takes the capture again when it is pressed while hovered; the capture then
  // stays with this button and so does the hover.
  if (reinterpret_cast<HWND>(lParam) != handle()) ApplyHoverActions(OnCaptureLost(hover_));
  return Default();
}

LRESULT SkinButton::OnKillFocus(WPARAM, LPARAM) {
  const LRESULT result = Default();
  hover_ = false;
  Repaint();
  return result;
}

LRESULT SkinButton::OnLButtonDown(WPARAM, LPARAM) {
  HWND owner = OwnerOrParent();
  if (owner != nullptr && GetActiveWindow() != owner) SetActiveWindow(owner);
  return Default();
}

LRESULT SkinButton::OnLButtonUp(WPARAM, LPARAM lParam) {
  if (!toggleMode_) return Default();
  // The system button took the capture at the press and would keep it, pushed, without its own
  // button-up handling; giving the capture up ends that press.
  if (GetCapture() == handle()) ReleaseCapture();
  // A press dragged off the button and released elsewhere is no click, as for a push button.
  const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  RECT client{};
  GetClientRect(handle(), &client);
  if (!PtInRect(&client, point)) return 0;
  checked_ = !checked_;
  Repaint();
  const int id = GetDlgCtrlID(handle());
  SendMessageW(GetParent(handle()), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(handle()));
  return 0;
}

LRESULT SkinButton::OnEraseBackground(WPARAM, LPARAM) {
  return TRUE;  // the owner drawing covers the whole button
}

LRESULT SkinButton::OnDestroy(WPARAM, LPARAM) {
  if (tooltip_ != nullptr) DestroyWindow(tooltip_);
  tooltip_ = nullptr;
  return Default();
}

void SkinButton::SetTooltip(bool activate) {
  // Without a tooltip yet, the first mouse message brings one (PreTranslateMessage).
  if (tooltip_ == nullptr || handle() == nullptr) return;
  TOOLINFOW tool{};
  // The size common controls 5 and 6 both accept; the program runs without a manifest.
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.hwnd = handle();
  tool.uId = 1;
  const bool registered = SendMessageW(tooltip_, TTM_GETTOOLCOUNT, 0, 0) != 0;
  if (caption_.empty()) {
    // Nothing to show: a tool left registered would go on showing the old caption.
    if (registered) SendMessageW(tooltip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(tooltip_, TTM_ACTIVATE, FALSE, 0);
    return;
  }
  tool.lpszText = const_cast<wchar_t*>(Wide(caption_));
  if (!registered) {
    GetClientRect(handle(), &tool.rect);
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
  SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
  SendMessageW(tooltip_, TTM_ACTIVATE, activate ? TRUE : FALSE, 0);
}

bool SkinButton::PreTranslateMessage(MSG& msg) {
  // A tooltip only ever shows for the pointer, so it is made when the pointer first comes.
  if (!caption_.empty() && msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST) {
    CreateTooltip();
  }
  SetTooltip(true);
  if (tooltip_ != nullptr)
    SendMessageW(tooltip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
  return Window::PreTranslateMessage(msg);
}
