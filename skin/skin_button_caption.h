#pragma once
// A skinned button's caption, drawn with GDI+ so that it is anti-aliased over the button's
// picture: Arial in pixels, on one line, cut with an ellipsis at a word boundary when it is too
// long for its layout rectangle.

#include <windows.h>

#include <cstdint>

#include "base/text.h"
#include "skin/button_look.h"

// Draws caption into target (a memory context holding the composed button) in the colour argb.
// Does nothing when GDI+ is not available or the caption is empty.
void DrawGdiplusCaption(HDC target, TextView caption, const CaptionLayout& layout, float fontPixels,
                        uint32_t argb);
