#pragma once
// Skinned dialogs start at the screen's corner (the skin loader moves every window to (0, 0));
// the ones that belong to the main window move over it once created.

#include <windows.h>

// Centres `dialog` over its owner, kept inside the work area of the owner's monitor. Nothing
// happens for a dialog without an owner.
void CentreOverOwner(HWND dialog);
