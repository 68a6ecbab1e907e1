#pragma once
// Enabling or disabling a control with its new look on screen at once.

#include <windows.h>

// Enables or disables `control` and paints its new look before returning. The control draws
// itself when its state changes, and again when it loses the focus on the way; drawing is held
// back meanwhile, so the new look is painted once. A hidden control stays hidden.
void EnableAndRepaint(HWND control, bool enable);
