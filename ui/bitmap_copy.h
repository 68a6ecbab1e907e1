#pragma once
// The two ways a picture reaches a context: copied 1:1 onto a context's origin, and a part cut out
// into a bitmap of its own (a control's look out of its window's full-window picture).

#include <windows.h>

#include "ui/gdi_handles.h"

// Copies width x height pixels of picture, from `from` on, 1:1 onto target's origin. Nothing for a
// missing picture or target; false when there was nothing to copy or no context to copy from.
bool DrawBitmap(HDC target, HBITMAP picture, int width, int height, POINT from = POINT{0, 0});

// A bitmap compatible with `like` holding the part of source at part, 1:1; empty when the part is
// empty or the system refused the bitmap.
[[nodiscard]] GdiBitmap CutBitmap(HDC like, HBITMAP source, const RECT& part);
