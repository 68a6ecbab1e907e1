#pragma once
// GDI+ for the skinned controls: its declarations, and one start per process, made by the first
// drawing that needs it and kept until the process ends (starting and stopping around every
// caption would cost more than the drawing).

#include <windows.h>
// Needed by the GDI+ headers and left out of <windows.h> by WIN32_LEAN_AND_MEAN and NOMINMAX.
#include <objidl.h>

#include <algorithm>
namespace Gdiplus {
using std::max;
using std::min;
}  // namespace Gdiplus
#include <gdiplus.h>

// True when GDI+ is running (started now or before); false when it could not be started, in
// which case callers draw without their GDI+ parts.
bool GdiplusReady();
