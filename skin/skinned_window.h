#pragma once
// The base of every skinned window of the configurator (all of them modal dialogs): it loads its
// skin description when created, takes the shape of its mask, paints its background picture,
// lets the user drag it by its body, and can keep Enter and Escape from closing it.
//
// A derived class lists its controls in SkinControls() (called once, during WM_CREATE) and adds
// its own message table in front of this one. A derived class that routes WM_CREATE, WM_PAINT,
// WM_ERASEBKGND, WM_LBUTTONDOWN or WM_DESTROY itself calls the handler of this class from its own
// (for WM_CREATE first, for WM_DESTROY last).

#include <vector>

#include "skin/skin_description.h"
#include "ui/modal_dialog.h"

enum class SkinErase {
  kErasedWithoutDrawing,  // painting covers the whole client area
  kDefault,               // the system dialog's own erasing
};

struct SkinnedWindowOptions {
  Text descriptionFile;  // "skin_main.ini", ...
  SkinErase erase = SkinErase::kErasedWithoutDrawing;
  bool swallowEnterAndEscape = true;  // WM_KEYDOWN of VK_RETURN and VK_ESCAPE never arrive
};

class SkinnedWindow : public ModalDialog {
 public:
  SkinnedWindow(DialogTemplateSpec dialogTemplate, SkinnedWindowOptions options)
      : ModalDialog(std::move(dialogTemplate)), options_(std::move(options)) {}
  ~SkinnedWindow() override { skin_.Release(); }

  const SkinDescription& skin() const { return skin_; }
  // The region given to the window at creation; the system owns it, so it is never deleted here.
  HRGN region() const { return region_; }

  bool PreTranslateMessage(MSG& msg) override;

 protected:
  virtual std::vector<SkinControl> SkinControls() { return {}; }

  bool RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  LRESULT OnCreate(WPARAM wParam, LPARAM lParam);
  LRESULT OnEraseBackground(WPARAM wParam, LPARAM lParam);
  LRESULT OnPaint(WPARAM wParam, LPARAM lParam);
  LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
  LRESULT OnLButtonDown(WPARAM wParam, LPARAM lParam);
  LRESULT OnDestroy(WPARAM wParam, LPARAM lParam);

 private:
  static const MessageRoute<SkinnedWindow> kRoutes[];

  void PaintBackground(HDC dc);

  SkinnedWindowOptions options_;
  SkinDescription skin_;
  HRGN region_ = nullptr;
};
