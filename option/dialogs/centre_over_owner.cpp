#include "option/dialogs/centre_over_owner.h"

#include "option/dialogs/confirm_dialog_placement.h"

void CentreOverOwner(HWND dialog) {
  HWND owner = GetWindow(dialog, GW_OWNER);
  if (owner == nullptr) return;
  RECT ownerRect{}, own{};
  GetWindowRect(owner, &ownerRect);
  GetWindowRect(dialog, &own);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (!GetMonitorInfoW(MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST), &monitor)) return;
  const RECT& work = monitor.rcWork;
  const WindowCorner corner =
      CentredOver(PixelRect{ownerRect.left, ownerRect.top, ownerRect.right, ownerRect.bottom},
                  own.right - own.left, own.bottom - own.top,
                  PixelRect{work.left, work.top, work.right, work.bottom});
  SetWindowPos(dialog, nullptr, corner.x, corner.y, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
