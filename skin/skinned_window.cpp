#include "skin/skinned_window.h"

#include "skin/load_skinned_window.h"
#include "skin/region_from_mask.h"
#include "ui/bitmap_copy.h"
#include "ui/startup_trace.h"

const MessageRoute<SkinnedWindow> SkinnedWindow::kRoutes[] = {
    {WM_CREATE, &SkinnedWindow::OnCreate},
    {WM_ERASEBKGND, &SkinnedWindow::OnEraseBackground},
    {WM_PAINT, &SkinnedWindow::OnPaint},
    {WM_PRINTCLIENT, &SkinnedWindow::OnPrintClient},
    {WM_LBUTTONDOWN, &SkinnedWindow::OnLButtonDown},
    {WM_DESTROY, &SkinnedWindow::OnDestroy},
};

bool SkinnedWindow::RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  return Route(this, kRoutes, message, wParam, lParam, result) ||
         ModalDialog::RouteMessage(message, wParam, lParam, result);
}

bool SkinnedWindow::PreTranslateMessage(MSG& msg) {
  if (options_.swallowEnterAndEscape && msg.message == WM_KEYDOWN &&
      (msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE)) {
    return true;
  }
  return ModalDialog::PreTranslateMessage(msg);
}

LRESULT SkinnedWindow::OnCreate(WPARAM, LPARAM) {
  if (Default() == -1) return -1;
  LoadSkinnedWindow(handle(), options_.descriptionFile, SkinControls(), skin_);
  region_ = RegionFromMask(skin_.mask, kMaskKeyColour, kMaskTolerance);
  if (region_ != nullptr && SetWindowRgn(handle(), region_, TRUE) == 0) {
    DeleteObject(region_);  // not taken by the system: still ours
    region_ = nullptr;
  }
  TraceStartup("region built");
  return 0;
}

LRESULT SkinnedWindow::OnEraseBackground(WPARAM, LPARAM) {
  if (options_.erase == SkinErase::kDefault) return Default();
  return TRUE;
}

void SkinnedWindow::PaintBackground(HDC dc) {
  if (dc == nullptr || skin_.background == nullptr) return;
  RECT client{};
  GetClientRect(handle(), &client);
  DrawBitmap(dc, skin_.background, client.right, client.bottom);
}

LRESULT SkinnedWindow::OnPaint(WPARAM, LPARAM) {
  const PaintScope paint(handle());
  PaintBackground(paint.dc());
  return 0;
}

LRESULT SkinnedWindow::OnPrintClient(WPARAM wParam, LPARAM) {
  // PrintWindow and friends draw the window into a context of their own.
  PaintBackground(reinterpret_cast<HDC>(wParam));
  return 0;
}

LRESULT SkinnedWindow::OnLButtonDown(WPARAM, LPARAM lParam) {
  // The system's move loop drags the window while the button is held.
  PostMessageW(handle(), WM_NCLBUTTONDOWN, HTCAPTION, lParam);
  return Default();
}

LRESULT SkinnedWindow::OnDestroy(WPARAM, LPARAM) {
  skin_.Release();
  return Default();
}
