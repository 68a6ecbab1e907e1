#pragma once
// Window shapes from mask pictures.

#include <windows.h>

// The region of every pixel of the mask that is not of the key colour (each of red, green and
// blue within key .. key + tolerance, limited to 255), built from its horizontal runs
// (RegionFromRuns). nullptr when the mask is missing or no drawing surface could be made; an empty
// region for an all-key mask. The caller owns the region (until it hands it to SetWindowRgn).
HRGN RegionFromMask(HBITMAP mask, COLORREF key, COLORREF tolerance);

// Key colour and tolerance of every window mask of the configurator: pure white, exactly.
constexpr COLORREF kMaskKeyColour = RGB(255, 255, 255);
constexpr COLORREF kMaskTolerance = 0;
