#pragma once
// The main window's double-click test area: an owner-drawn button showing a still picture. A
// double click plays a short clip over it, once, with a sound, and then shows the clip's first
// frame; a single click does nothing. It tells the user whether the double-click speed they set
// catches their own double click.
//
// The owner must be a framework window: the button learns of its double clicks and paints through
// the notifications the framework reflects to it.

#include <windows.h>

#include "base/text.h"
#include "ui/gdi_handles.h"
#include "ui/window.h"

// Relative to the program's folder.
inline constexpr char16_t kDoubleClickPicture[] = u"skins\\double_click.bmp";
inline constexpr char16_t kDoubleClickClip[] = u"skins\\double_click.avi";

class DoubleClickTestButton : public Window {
 public:
  DoubleClickTestButton() = default;
  ~DoubleClickTestButton() override;

  // A visible owner-drawn child of owner at rect with control id 0; loads the still picture from
  // programFolder + kDoubleClickPicture (a missing picture leaves the area unpainted).
  bool Create(HWND owner, const RECT& rect, const Text& programFolder);

  // The clip played on a double click (an AVI the animation control can open).
  void SetClip(const Text& path) { clip_ = path; }
  // The sound played with it: a wave file, or empty for the system's default sound.
  void SetSound(const Text& path) { sound_ = path; }

  HBITMAP picture() const { return picture_.get(); }
  // The animation control, made by the first double click; none before.
  HWND animation() const { return animation_; }

 protected:
  bool RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  static const MessageRoute<DoubleClickTestButton> kRoutes[];

  LRESULT OnDrawItem(WPARAM wParam, LPARAM lParam);
  LRESULT OnReflectedCommand(WPARAM wParam, LPARAM lParam);
  LRESULT OnCommand(WPARAM wParam, LPARAM lParam);
  LRESULT OnEraseBackground(WPARAM wParam, LPARAM lParam);

  void PlayClip();

  GdiBitmap picture_;
  HWND animation_ = nullptr;
  Text clip_;
  Text sound_;
};
