#pragma once
// The shape of a small bitmap control (a slider thumb): the control without every pixel that has
// the colour of the bitmap's top-left pixel.

#include <windows.h>

// Builds the shape over the control's window size (pixels outside the bitmap stay) and gives it
// to the control with SetWindowRgn (the system owns it from then on). False when the control or
// the bitmap is missing or the pixels could not be read; the control then keeps its shape.
bool RegionFromCornerColour(HWND control, HBITMAP bitmap);
