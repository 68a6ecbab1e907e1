#include "ui/enable_repaint.h"

void EnableAndRepaint(HWND control, bool enable) {
  // Drawing is let go again by setting WS_VISIBLE, which must not show a hidden control.
  const bool shown = (GetWindowLongPtrW(control, GWL_STYLE) & WS_VISIBLE) != 0;
  if (shown) SendMessageW(control, WM_SETREDRAW, FALSE, 0);
  EnableWindow(control, enable ? TRUE : FALSE);
  if (shown) SendMessageW(control, WM_SETREDRAW, TRUE, 0);
  RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}
