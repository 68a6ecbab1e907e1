#include "ui/message_loop.h"

#include "ui/window.h"

bool PreTranslateThroughFramework(MSG& msg) {
  for (HWND window = msg.hwnd; window != nullptr;) {
    if (Window* object = Window::FromHandle(window)) {
      if (object->PreTranslateMessage(msg)) return true;
    }
    // GetParent would also climb from a pop-up to its owner; the chain ends at the top level.
    if ((GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD) == 0) break;
    window = GetParent(window);
  }
  return false;
}

namespace {

void DispatchOne(MSG& msg) {
  if (PreTranslateThroughFramework(msg)) return;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

}  // namespace

int RunMessageLoop() {
  MSG msg;
  for (;;) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) return static_cast<int>(msg.wParam);
    if (got == -1) return -1;
    DispatchOne(msg);
  }
}

bool RunModalLoop(const std::function<bool()>& keepRunning) {
  MSG msg;
  while (keepRunning()) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return false;
    }
    if (got == -1) return false;
    DispatchOne(msg);
  }
  return true;
}
