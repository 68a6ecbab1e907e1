#pragma once
// What a skinned button shows: which of its four pictures, which caption colour, where its caption
// goes, and how its hover look follows the pointer. The window code only carries these out.

#include <cstdint>

#include "skin/pixel_rect.h"

enum class ButtonPicture : uint8_t { kNormal, kOver, kDown, kDisable };

struct ButtonLookState {
  bool selected = false;  // the system button is pressed (ODS_SELECTED)
  bool disabled = false;  // ODS_DISABLED
  bool checked = false;
  bool hover = false;
  bool toggle_mode = false;
};

// A toggle button shows its checked state rather than the press; a push button shows the press,
// and a checked push button looks pressed unless it is disabled.
ButtonPicture ChooseButtonPicture(const ButtonLookState& state);

// Whether a button at `rect` gets its look cut out of a full-window image of the given size.
// An empty rectangle, or one wholly outside the image, leaves the look empty and the button draws
// nothing, rather than showing a black block; a rectangle that overlaps the image only in part
// keeps what it overlaps.
bool ButtonLookIsCut(const PixelRect& rect, int32_t image_width, int32_t image_height);

// How a button at `rect` gets a look from a full-window image of the given size that lives as
// long as the button: nothing (as ButtonLookIsCut), drawn straight from the image when the
// rectangle lies wholly within it (no bitmap of its own, so a window with dozens of buttons opens
// without making hundreds of them), or cut out into a bitmap of its own when it overlaps the image
// only in part (the cut keeps the part outside the image as it always looked).
enum class ButtonLookSource : uint8_t { kNone, kShared, kCut };
ButtonLookSource ChooseButtonLookSource(const PixelRect& rect, int32_t image_width,
                                        int32_t image_height);

// A control rectangle as the system can place it: each edge limited to -32768..32767, so that
// widths and heights stay within range whatever a description holds; an inverted rectangle
// becomes empty at its left and top.
PixelRect LimitControlRect(const PixelRect& rect);

// Caption colours as ARGB, one per look.
struct ButtonCaptionColours {
  uint32_t normal = 0xFF000000;
  uint32_t over = 0xFF000000;
  uint32_t down = 0xFF000000;
  uint32_t disabled = 0xFF000000;
};

uint32_t ChooseCaptionColour(const ButtonLookState& state, const ButtonCaptionColours& colours);

// Values match the drawing library's string alignments (near 0, centre 1).
enum class CaptionAlignment : int32_t { kNear = 0, kCenter = 1 };

struct CaptionLayout {
  CaptionAlignment horizontal = CaptionAlignment::kCenter;
  CaptionAlignment vertical = CaptionAlignment::kCenter;
  PixelRect rect;
};

// Caption modes, as the skin descriptions and the windows give them: the indented ones put the
// caption left-aligned after room for a picture on the button's left and 3 pixels lower; any
// other mode centres it in the whole client rectangle.
inline constexpr int32_t kCaptionModeWideIndent = 1;  // 35 pixels
inline constexpr int32_t kCaptionModeCentred = 2;
inline constexpr int32_t kCaptionModeNarrowIndent = 3;  // 10 pixels
inline constexpr int32_t kCaptionModeGlyphIndent = 4;   // 20 pixels, after a glyph or mark
inline constexpr int32_t kDefaultCaptionMode = kCaptionModeCentred;
CaptionLayout LayoutCaption(int32_t mode, const PixelRect& client);

// Which window lies under the pointer, seen from the button.
enum class WindowUnderPointer : uint8_t { kSelf, kNone, kOther };

struct PointerMoveInput {
  bool left_button_held = false;
  bool hover = false;
  bool holds_capture = false;
  bool application_has_active_window = false;
  bool has_owner_or_parent = false;
  WindowUnderPointer under_pointer = WindowUnderPointer::kSelf;
};

// What the button does in answer; several can apply at once.
struct HoverActions {
  bool enter_hover = false;  // hover = 1
  bool leave_hover = false;  // hover = 0
  bool take_capture = false;
  bool release_capture = false;
  bool repaint = false;

  friend bool operator==(const HoverActions& a, const HoverActions& b) {
    return a.enter_hover == b.enter_hover && a.leave_hover == b.leave_hover &&
           a.take_capture == b.take_capture && a.release_capture == b.release_capture &&
           a.repaint == b.repaint;
  }
};

// The button takes the capture when the pointer arrives, so that it learns when the pointer
// leaves: the first move that finds another window under the pointer ends the hover, before that
// window's own hover can begin. While a drag that started elsewhere is under way it stays plain.
HoverActions OnPointerMove(const PointerMoveInput& input);

// The capture went elsewhere (a menu, a dialog, another control): the hover ends with it. The
// capture is not released here, since by now it belongs to the window that took it.
HoverActions OnCaptureLost(bool hover);
