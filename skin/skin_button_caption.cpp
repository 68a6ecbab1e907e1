#include "skin/skin_button_caption.h"

#include "ui/gdiplus_objects.h"

namespace {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

constexpr INT kNoWrap = 0x1000;  // StringFormatFlagsNoWrap

StringAlignment ToGdiplus(CaptionAlignment alignment) {
  return alignment == CaptionAlignment::kNear ? StringAlignmentNear : StringAlignmentCenter;
}

}  // namespace

void DrawGdiplusCaption(HDC target, TextView caption, const CaptionLayout& layout, float fontPixels,
                        uint32_t argb) {
  if (target == nullptr || caption.empty() || !GdiplusReady()) return;

  GdipFormatOwner format;
  if (GdipCreateStringFormat(0, LANG_NEUTRAL, format.receive()) != Ok) return;
  GdipSetStringFormatFlags(format.get(), kNoWrap);
  GdipSetStringFormatTrimming(format.get(), StringTrimmingEllipsisWord);
  GdipSetStringFormatAlign(format.get(), ToGdiplus(layout.horizontal));
  GdipSetStringFormatLineAlign(format.get(), ToGdiplus(layout.vertical));

  const GdipFamilyOwner family = TextFontFamily();
  if (!family) return;
  GdipFontOwner font;
  if (GdipCreateFont(family.get(), fontPixels, FontStyleRegular, UnitPixel, font.receive()) != Ok)
    return;

  GdipGraphicsOwner graphics;
  if (GdipCreateFromHDC(target, graphics.receive()) != Ok) return;
  GdipSetTextRenderingHint(graphics.get(), TextRenderingHintSystemDefault);
  GdipSolidBrushOwner brush;
  if (GdipCreateSolidFill(static_cast<ARGB>(argb), brush.receive()) != Ok) return;

  const RectF rect(static_cast<REAL>(layout.rect.left), static_cast<REAL>(layout.rect.top),
                   static_cast<REAL>(layout.rect.Width()), static_cast<REAL>(layout.rect.Height()));
  // Drawn as a terminated text (length -1), so a copy: the view need not be terminated.
  const Text text(caption);
  GdipDrawString(graphics.get(), reinterpret_cast<const WCHAR*>(text.c_str()), -1, font.get(),
                 &rect, format.get(), brush.get());
}
