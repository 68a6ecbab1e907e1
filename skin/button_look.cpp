#include "skin/button_look.h"

ButtonPicture ChooseButtonPicture(const ButtonLookState& s) {
  if (s.toggle_mode) {
    if (s.disabled) return ButtonPicture::kDisable;
    if (s.checked) return ButtonPicture::kDown;
    if (s.hover) return ButtonPicture::kOver;
    return ButtonPicture::kNormal;
  }
  if (s.checked && !s.disabled) return ButtonPicture::kDown;
  if (s.selected) return ButtonPicture::kDown;
  if (s.hover) return ButtonPicture::kOver;
  if (s.disabled) return ButtonPicture::kDisable;
  return ButtonPicture::kNormal;
}

bool ButtonLookIsCut(const PixelRect& rect, int32_t image_width, int32_t image_height) {
  if (rect.Width() <= 0 || rect.Height() <= 0) return false;
  return rect.left < image_width && rect.top < image_height && rect.right > 0 && rect.bottom > 0;
}

ButtonLookSource ChooseButtonLookSource(const PixelRect& rect, int32_t image_width,
                                        int32_t image_height) {
  if (!ButtonLookIsCut(rect, image_width, image_height)) return ButtonLookSource::kNone;
  const bool within =
      rect.left >= 0 && rect.top >= 0 && rect.right <= image_width && rect.bottom <= image_height;
  return within ? ButtonLookSource::kShared : ButtonLookSource::kCut;
}

PixelRect LimitControlRect(const PixelRect& rect) {
  auto limit = [](int32_t edge) { return edge < -32768 ? -32768 : edge > 32767 ? 32767 : edge; };
  PixelRect limited{limit(rect.left), limit(rect.top), limit(rect.right), limit(rect.bottom)};
  if (limited.right < limited.left) limited.right = limited.left;
  if (limited.bottom < limited.top) limited.bottom = limited.top;
  return limited;
}

uint32_t ChooseCaptionColour(const ButtonLookState& s, const ButtonCaptionColours& colours) {
  if (s.selected || s.checked) return colours.down;
  if (s.hover) return colours.over;
  if (s.disabled) return colours.disabled;
  return colours.normal;
}

namespace {

// Moves an edge inward without overflowing; an edge that would pass the opposite one stops there,
// leaving an empty rectangle rather than an inverted one.
int32_t MoveEdge(int32_t edge, int32_t by, int32_t limit) {
  const int64_t moved = int64_t{edge} + by;
  return moved > limit ? limit : static_cast<int32_t>(moved);
}

}  // namespace

CaptionLayout LayoutCaption(int32_t mode, const PixelRect& client) {
  int32_t indent = 0;
  switch (mode) {
    case kCaptionModeWideIndent:
      indent = 35;
      break;
    case kCaptionModeNarrowIndent:
      indent = 10;
      break;
    case kCaptionModeGlyphIndent:
      indent = 20;
      break;
    default:
      return CaptionLayout{CaptionAlignment::kCenter, CaptionAlignment::kCenter, client};
  }
  CaptionLayout layout{CaptionAlignment::kNear, CaptionAlignment::kCenter, client};
  layout.rect.left = MoveEdge(client.left, indent, client.right);
  layout.rect.top = MoveEdge(client.top, 3, client.bottom);
  return layout;
}

HoverActions OnPointerMove(const PointerMoveInput& in) {
  HoverActions actions;
  if (in.left_button_held && !in.hover) return actions;
  if (!in.holds_capture) {
    if (in.application_has_active_window && in.has_owner_or_parent) {
      actions.enter_hover = true;
      actions.take_capture = true;
      actions.repaint = true;
    }
    return actions;
  }
  if (in.under_pointer != WindowUnderPointer::kOther) return actions;
  if (in.hover) {
    actions.leave_hover = true;
    actions.repaint = true;
  }
  if (!in.left_button_held) actions.release_capture = true;
  return actions;
}

HoverActions OnCaptureLost(bool hover) {
  HoverActions actions;
  if (hover) {
    actions.leave_hover = true;
    actions.repaint = true;
  }
  return actions;
}
