#pragma once
// The initialisation every skinned window runs from its creation handler, before its shape is
// made from the mask.

#include <windows.h>

#include <vector>

#include "base/text.h"
#include "skin/skin_description.h"

// Reads SkinFolder() + fileName: the five "SCREEN" pictures (Mask, Normal, Over, Down, Disable;
// each value up to 4095 characters, a missing one reads as ""), loads all five into description
// (deleting what it held; the window deletes them when destroyed), moves the window to (0, 0) with
// the background's size, then for each control in order reads "BUTTONPOS"/<key>, parses it and
// calls the control's creator with the entry and the four state pictures.
// Missing files and pictures leave empty bitmaps and zero sizes; nothing fails.
void LoadSkinnedWindow(HWND window, const Text& fileName, const std::vector<SkinControl>& controls,
                       SkinDescription& description);
