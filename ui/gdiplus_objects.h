#pragma once
// Owners of GDI+ flat-interface objects, so that every exit of a drawing step releases what it
// made. They live inside one drawing call, well before the process-wide GDI+ session ends.

#include "base/unique_handle.h"
#include "ui/gdiplus_session.h"

template <typename T, auto Delete>
using GdipOwner = UniqueHandle<T*, Delete>;

using GdipGraphicsOwner = GdipOwner<Gdiplus::GpGraphics, Gdiplus::DllExports::GdipDeleteGraphics>;
using GdipFamilyOwner = GdipOwner<Gdiplus::GpFontFamily, Gdiplus::DllExports::GdipDeleteFontFamily>;
using GdipFontOwner = GdipOwner<Gdiplus::GpFont, Gdiplus::DllExports::GdipDeleteFont>;
using GdipFormatOwner =
    GdipOwner<Gdiplus::GpStringFormat, Gdiplus::DllExports::GdipDeleteStringFormat>;
using GdipSolidBrushOwner = GdipOwner<Gdiplus::GpSolidFill, Gdiplus::DllExports::GdipDeleteBrush>;

// The face of the skinned texts: Arial, or the system's own sans-serif face where Arial is
// missing. Empty only when neither can be had.
[[nodiscard]] GdipFamilyOwner TextFontFamily();
