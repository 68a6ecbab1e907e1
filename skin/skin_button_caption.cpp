#include "skin/skin_button_caption.h"

#include "ui/gdiplus_session.h"

namespace {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

// Owners of the flat interface's objects, so that every exit releases what was made.
struct GraphicsOwner {
  GpGraphics* object = nullptr;
  ~GraphicsOwner() {
    if (object != nullptr) GdipDeleteGraphics(object);
  }
};
struct FamilyOwner {
  GpFontFamily* object = nullptr;
  ~FamilyOwner() {
    if (object != nullptr) GdipDeleteFontFamily(object);
  }
};
struct FontOwner {
  GpFont* object = nullptr;
  ~FontOwner() {
    if (object != nullptr) GdipDeleteFont(object);
  }
};
struct FormatOwner {
  GpStringFormat* object = nullptr;
  ~FormatOwner() {
    if (object != nullptr) GdipDeleteStringFormat(object);
  }
};
struct BrushOwner {
  GpSolidFill* object = nullptr;
  ~BrushOwner() {
    if (object != nullptr) GdipDeleteBrush(object);
  }
};

constexpr INT kNoWrap = 0x1000;  // StringFormatFlagsNoWrap

StringAlignment ToGdiplus(CaptionAlignment alignment) {
  return alignment == CaptionAlignment::kNear ? StringAlignmentNear : StringAlignmentCenter;
}

}  // namespace

void DrawGdiplusCaption(HDC target, TextView caption, const CaptionLayout& layout, float fontPixels,
                        uint32_t argb) {
  if (target == nullptr || caption.empty() || !GdiplusReady()) return;

  FormatOwner format;
  if (GdipCreateStringFormat(0, LANG_NEUTRAL, &format.object) != Ok) return;
  GdipSetStringFormatFlags(format.object, kNoWrap);
  GdipSetStringFormatTrimming(format.object, StringTrimmingEllipsisWord);
  GdipSetStringFormatAlign(format.object, ToGdiplus(layout.horizontal));
  GdipSetStringFormatLineAlign(format.object, ToGdiplus(layout.vertical));

  // A system without Arial still shows the caption, in its own sans-serif face.
  FamilyOwner family;
  if (GdipCreateFontFamilyFromName(L"Arial", nullptr, &family.object) != Ok) {
    family.object = nullptr;
    GpFontFamily* generic = nullptr;
    if (GdipGetGenericFontFamilySansSerif(&generic) != Ok ||
        GdipCloneFontFamily(generic, &family.object) != Ok) {
      return;
    }
  }
  FontOwner font;
  if (GdipCreateFont(family.object, fontPixels, FontStyleRegular, UnitPixel, &font.object) != Ok)
    return;

  GraphicsOwner graphics;
  if (GdipCreateFromHDC(target, &graphics.object) != Ok) return;
  GdipSetTextRenderingHint(graphics.object, TextRenderingHintSystemDefault);
  BrushOwner brush;
  if (GdipCreateSolidFill(static_cast<ARGB>(argb), &brush.object) != Ok) return;

  const RectF rect(static_cast<REAL>(layout.rect.left), static_cast<REAL>(layout.rect.top),
                   static_cast<REAL>(layout.rect.Width()), static_cast<REAL>(layout.rect.Height()));
  // Drawn as a terminated text (length -1), so a copy: the view need not be terminated.
  const Text text(caption);
  GdipDrawString(graphics.object, reinterpret_cast<const WCHAR*>(text.c_str()), -1, font.object,
                 &rect, format.object, brush.object);
}
