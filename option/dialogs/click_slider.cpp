#include "option/dialogs/click_slider.h"

#include <windowsx.h>

#include <cstdio>

#include "base/wide.h"
#include "skin/slider_messages.h"
#include "ui/bitmap_copy.h"

namespace {

constexpr wchar_t kTrackClass[] = L"ClickSliderTrack";

}  // namespace

const MessageRoute<ClickSlider> ClickSlider::kRoutes[] = {
    {WM_CREATE, &ClickSlider::OnCreate},
    {WM_LBUTTONUP, &ClickSlider::OnLButtonUp},
    {WM_SLIDER_CHANGED, &ClickSlider::OnSliderChanged},
    {WM_ERASEBKGND, &ClickSlider::OnEraseBackground},
    {WM_PAINT, &ClickSlider::OnPaint},
    {WM_PRINTCLIENT, &ClickSlider::OnPrintClient},
    {WM_DESTROY, &ClickSlider::OnDestroy},
};

bool ClickSlider::RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  return Route(this, kRoutes, message, wParam, lParam, result) ||
         Window::RouteMessage(message, wParam, lParam, result);
}

ClickSlider::~ClickSlider() {
  if (handle() != nullptr) DestroyWindow(handle());
  if (background_ != nullptr) DeleteObject(background_);
}

bool ClickSlider::Create(const Text& thumbImagePath, const RECT& rect, HWND owner, int32_t id) {
  if (handle() != nullptr) return false;
  // Loaded once here, where a missing picture refuses the track, and given to the thumb.
  GdiBitmap picture(static_cast<HBITMAP>(LoadImageW(nullptr, Wide(thumbImagePath), IMAGE_BITMAP, 0,
                                                    0, LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
  BITMAP info{};
  if (!picture || GetObjectW(picture.get(), sizeof info, &info) == 0 ||
      !RegisterFrameworkClass(kTrackClass, 0, nullptr)) {
    return false;
  }
  thumbPicture_ = std::move(picture);
  rect_ = rect;
  owner_ = owner;
  id_ = id;

  WindowCreateArgs args;
  args.className = kTrackClass;
  // The thumb is a child the track paints around, not over.
  args.style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;
  args.x = rect.left;
  args.y = rect.top;
  args.width = rect.right - rect.left;
  args.height = rect.bottom - rect.top;
  args.parent = owner;
  args.id = static_cast<UINT_PTR>(static_cast<uint32_t>(id));
  return Window::Create(args);
}

LRESULT ClickSlider::OnCreate(WPARAM, LPARAM) {
  if (Default() == -1) return -1;
  // The thumb travels over the whole track; its values go to the track, which relays them. It is
  // shaped by its corner colour, so that the track shows through its cut corners.
  thumb_.Create(std::move(thumbPicture_), 0, 0, rect_.right - rect_.left, rect_.bottom - rect_.top,
                handle(), id_, true);
  thumb_.SetPos(0);
  return 0;
}

void ClickSlider::SetRange(int32_t minimum, int32_t maximum) {
  range_.minimum = minimum;
  range_.maximum = maximum;
  thumb_.SetRange(minimum, maximum);
}

void ClickSlider::SetRounding(bool rounding) {
  range_.rounding = rounding;
  thumb_.SetRounding(rounding);
}

void ClickSlider::SetPos(int32_t value) {
  thumb_.SetPos(value);
  if (handle() != nullptr) InvalidateRect(handle(), nullptr, TRUE);
}

void ClickSlider::SetBackground(const RECT& rect, HBITMAP source) {
  if (background_ != nullptr) {
    DeleteObject(background_);
    background_ = nullptr;
  }
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (source == nullptr || width <= 0 || height <= 0) return;
  background_ = CutBitmap(WindowDc(nullptr).get(), source, rect).release();
  if (handle() != nullptr) InvalidateRect(handle(), nullptr, TRUE);
}

LRESULT ClickSlider::OnLButtonUp(WPARAM, LPARAM lParam) {
  POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  ClientToScreen(handle(), &point);
  ScreenToClient(owner_, &point);
  const PixelRect track{rect_.left, rect_.top, rect_.right, rect_.bottom};
  const TrackClick click = ValueOfTrackClick(track, point.x, range_);
  wchar_t trace[64];
  swprintf(trace, 64, L"ClickSlider=%f\n", click.exact);
  OutputDebugStringW(trace);
  thumb_.SetPos(click.value);
  PostMessageW(owner_, WM_SLIDER_CHANGED, static_cast<WPARAM>(static_cast<intptr_t>(click.value)),
               static_cast<LPARAM>(id_));
  return Default();
}

LRESULT ClickSlider::OnSliderChanged(WPARAM wParam, LPARAM) {
  PostMessageW(owner_, WM_SLIDER_CHANGED, wParam, static_cast<LPARAM>(id_));
  return 0;
}

void ClickSlider::PaintBackground(HDC dc) {
  DrawBitmap(dc, background_, rect_.right - rect_.left, rect_.bottom - rect_.top);
}

LRESULT ClickSlider::OnEraseBackground(WPARAM, LPARAM) {
  return TRUE;  // painting covers the whole track
}

LRESULT ClickSlider::OnPaint(WPARAM, LPARAM) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(handle(), &ps);
  PaintBackground(dc);
  EndPaint(handle(), &ps);
  return 0;
}

LRESULT ClickSlider::OnPrintClient(WPARAM wParam, LPARAM) {
  PaintBackground(reinterpret_cast<HDC>(wParam));
  return 0;
}

LRESULT ClickSlider::OnDestroy(WPARAM, LPARAM) {
  // The thumb is a child: the system destroys it with the track.
  if (background_ != nullptr) {
    DeleteObject(background_);
    background_ = nullptr;
  }
  return Default();
}
