#include "skin/ph_slider.h"

#include <windowsx.h>

#include <cwchar>
#include <utility>

#include "base/wide.h"
#include "skin/region_from_corner_colour.h"
#include "skin/slider_messages.h"
#include "ui/offscreen_canvas.h"

namespace {

// A class of its own without CS_DBLCLKS: a quick second press on the thumb must start a drag like
// the first, not arrive as a double click.
constexpr wchar_t kThumbClass[] = L"PHSliderThumb";

}  // namespace

const MessageRoute<CPHSlider> CPHSlider::kRoutes[] = {
    {WM_LBUTTONDOWN, &CPHSlider::OnLButtonDown},
    {WM_MOUSEMOVE, &CPHSlider::OnMouseMove},
    {WM_LBUTTONUP, &CPHSlider::OnLButtonUp},
    {WM_CAPTURECHANGED, &CPHSlider::OnCaptureChanged},
    {WM_ERASEBKGND, &CPHSlider::OnEraseBackground},
    {WM_PAINT, &CPHSlider::OnPaint},
};

bool CPHSlider::RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  return Route(this, kRoutes, message, wParam, lParam, result) ||
         Window::RouteMessage(message, wParam, lParam, result);
}

CPHSlider::~CPHSlider() {
  // The window goes first, so that nothing paints with the bitmap after it is deleted.
  if (handle() != nullptr) DestroyWindow(handle());
}

bool CPHSlider::Create(const Text& imagePath, int32_t left, int32_t top, int32_t right,
                       int32_t bottom, HWND owner, int32_t id, bool shape) {
  if (handle() != nullptr) return false;
  GdiBitmap picture(static_cast<HBITMAP>(LoadImageW(nullptr, Wide(imagePath), IMAGE_BITMAP, 0, 0,
                                                    LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
  return Create(std::move(picture), left, top, right, bottom, owner, id, shape);
}

bool CPHSlider::Create(GdiBitmap picture, int32_t left, int32_t top, int32_t right, int32_t bottom,
                       HWND owner, int32_t id, bool shape) {
  if (handle() != nullptr || !picture) return false;
  BITMAP info{};
  if (GetObjectW(picture.get(), sizeof info, &info) == 0 ||
      !RegisterFrameworkClass(kThumbClass, 0, nullptr)) {
    return false;
  }
  bitmap_ = std::move(picture);
  owner_ = owner;
  id_ = id;
  geometry_.travel = PixelRect{left, top, right, bottom};
  geometry_.thumb_width = info.bmWidth;
  geometry_.minimum = 0;
  geometry_.maximum = 10;
  height_ = info.bmHeight;
  dragEnabled_ = true;
  dragging_ = false;

  WindowCreateArgs args;
  args.className = kThumbClass;
  args.style = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
  args.x = left - info.bmWidth / 2;
  args.y = top - info.bmHeight / 2;
  args.width = info.bmWidth;
  args.height = info.bmHeight;
  args.parent = owner;
  args.id = static_cast<UINT_PTR>(static_cast<uint32_t>(id));
  if (!Window::Create(args)) return false;
  if (shape) RegionFromCornerColour(handle(), bitmap_.get());
  return true;
}

void CPHSlider::SetRange(int32_t minimum, int32_t maximum) {
  geometry_.minimum = minimum;
  geometry_.maximum = maximum;
}

void CPHSlider::SetPos(int32_t value) {
  value_ = ClampSliderValue(geometry_, value);
  settled_ = value_;
  if (handle() == nullptr) return;
  MoveThumbTo(SliderEdgeOfValue(geometry_, value_));
  InvalidateRect(handle(), nullptr, FALSE);
}

int32_t CPHSlider::CurrentLeft() const {
  RECT rect{};
  GetWindowRect(handle(), &rect);
  MapWindowPoints(nullptr, owner_, reinterpret_cast<POINT*>(&rect), 2);
  return rect.left;
}

void CPHSlider::MoveThumbTo(int32_t left) {
  MoveWindow(handle(), left, geometry_.travel.top, geometry_.thumb_width, height_, TRUE);
}

void CPHSlider::Notify() const {
  PostMessageW(owner_, WM_SLIDER_CHANGED, static_cast<WPARAM>(static_cast<intptr_t>(value_)),
               static_cast<LPARAM>(id_));
}

LRESULT CPHSlider::OnLButtonDown(WPARAM, LPARAM lParam) {
  if (dragEnabled_) {
    SetCapture(handle());
    pressX_ = GET_X_LPARAM(lParam);
    dragging_ = true;
  }
  return Default();
}

LRESULT CPHSlider::OnMouseMove(WPARAM, LPARAM lParam) {
  if (dragging_) {
    const SliderDragStep step =
        SliderDrag(geometry_, CurrentLeft(), GET_X_LPARAM(lParam) - pressX_, settled_);
    MoveThumbTo(step.new_left);
    value_ = step.posted_value;
    Notify();
  }
  return Default();
}

void CPHSlider::Settle() {
  const SliderRelease release = SliderReleaseAt(geometry_, CurrentLeft(), settled_, rounding_);
  wchar_t line[64];
  swprintf(line, 64, L"CPHSlider=%f\n", release.exact);
  OutputDebugStringW(line);
  value_ = release.value;
  settled_ = value_;
  Notify();
  if (rounding_) {
    MoveThumbTo(release.new_left);
    InvalidateRect(handle(), nullptr, FALSE);
  }
}

LRESULT CPHSlider::OnLButtonUp(WPARAM, LPARAM) {
  // Cleared before the capture goes, so that the capture loss below is not taken for a lost drag.
  dragging_ = false;
  if (GetCapture() == handle()) ReleaseCapture();
  Settle();
  return Default();
}

// The capture can be taken away mid-drag (another window grabs it, the program is switched
// away): the drag ends there, and the owner learns the value of the place the thumb was left at,
// as after a release, instead of keeping the value of the move before.
LRESULT CPHSlider::OnCaptureChanged(WPARAM, LPARAM) {
  if (dragging_) {
    dragging_ = false;
    Settle();
  }
  return Default();
}

// Painting covers the whole thumb.
LRESULT CPHSlider::OnEraseBackground(WPARAM, LPARAM) {
  return 1;
}

LRESULT CPHSlider::OnPaint(WPARAM, LPARAM) {
  const PaintScope paint(handle());
  if (paint.dc() == nullptr || !bitmap_) return 0;
  OffscreenCanvas composed(paint.dc(), geometry_.thumb_width, height_);
  if (composed.DrawPicture(bitmap_.get())) composed.CopyTo(paint.dc());
  return 0;
}
