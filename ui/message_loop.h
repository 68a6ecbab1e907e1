#pragma once
// The framework's message loops. Every queued message is first offered to PreTranslateMessage of
// the framework object of its window and then of each framework ancestor up to the top-level
// window; only a message that none of them swallowed is translated and dispatched.

#include <windows.h>

#include <functional>

// Offers msg to the objects of msg.hwnd and its ancestors, nearest first. True when one
// swallowed it.
bool PreTranslateThroughFramework(MSG& msg);

// The program's loop: runs until WM_QUIT and returns its exit code.
int RunMessageLoop();

// A nested loop, run while keepRunning() holds (checked before waiting and after every message).
// False when WM_QUIT ended it; the quit message is then posted again so that the outer loop ends
// too.
bool RunModalLoop(const std::function<bool()>& keepRunning);
