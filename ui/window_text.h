#pragma once
// The text of a window (a caption, what an edit box holds) as a Text.

#include <windows.h>

#include "base/text.h"

// Empty for a window without text or one that does not exist.
[[nodiscard]] Text WindowText(HWND window);
