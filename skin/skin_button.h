#pragma once
// The configurator's push button: a system button turned owner-drawn that shows one of four looks
// cut out of its window's full-window state pictures, follows the pointer with a mouse-over look,
// can act as a toggle, draws an optional caption with GDI+ and shows the caption as its tooltip.
//
// Click protocol: every button has control id 0, so a completed click reaches the owner as
// WM_COMMAND (id 0, BN_CLICKED) with the button's handle in lParam, and owners tell their
// buttons apart by that handle. In normal mode the system button sends it; in toggle mode the
// button sends it itself after flipping its checked state. Hover changes are not reported.
//
// The owner must be a framework window: the button draws itself in answer to the WM_DRAWITEM its
// owner receives, which the framework reflects to it.

#include <windows.h>

#include <cstdint>

#include "base/text.h"
#include "skin/button_look.h"
#include "skin/captioned_look.h"
#include "skin/skin_description.h"
#include "ui/gdi_handles.h"
#include "ui/window.h"

class SkinButton : public Window {
 public:
  SkinButton() = default;
  ~SkinButton() override;

  // A visible child of owner at rect (owner's client coordinates) with an empty caption and
  // control id 0. False when the button already has a window or the creation failed.
  bool Create(HWND owner, const RECT& rect);

  // What a skinned window's creator does for a button (see SkinControl): Create at the entry's
  // rectangle, the looks taken from the window's state pictures there (ShareImages), the checked
  // state of the entry, and the tooltip refreshed. The caption is the window's to set.
  bool CreateFromSkin(HWND window, const ButtonPosEntry& entry, const SkinStateImages& images);

  // Cuts the four looks out of full-window pictures at rect (the button's rectangle in its
  // window) and takes the button out of the tab order. A missing picture, or a rectangle that
  // lies outside it, leaves that look empty: the button then draws nothing in that state.
  void SetImages(const RECT& rect, HBITMAP normal, HBITMAP over, HBITMAP down, HBITMAP disable);
  // As SetImages, for pictures that outlive the button (a skinned window's own): a look that lies
  // wholly within its picture is drawn straight from it rather than copied.
  void ShareImages(const RECT& rect, const SkinStateImages& images);

  // Repaints only when the state changes.
  void SetChecked(bool checked);
  bool checked() const { return checked_; }
  void SetToggleMode(bool toggle) { toggleMode_ = toggle; }
  // For owners that drive the look from outside (a menu opened from the button).
  void SetHover(bool hover);
  bool hover() const { return hover_; }

  void SetCaption(TextView caption);
  const Text& caption() const { return caption_; }
  // Alignment mode: 1, 3, 4 (left, after 35, 10, 20 pixels) or any other (centred); see
  // LayoutCaption.
  void SetCaptionMode(int32_t mode) { captionMode_ = mode; }
  void SetFontSize(float pixels) { fontSize_ = pixels; }
  void SetCaptionColours(const ButtonCaptionColours& colours) { colours_ = colours; }

  // Registers the button with its tooltip the first time it has a caption, updates the tip text
  // to the caption, and (de)activates the tooltip. An empty caption drops the tool instead.
  void SetTooltip(bool activate);
  // The tooltip window, created on first need: the pointer's first message to a button with a
  // caption, or this call. A window has dozens of buttons, and a tooltip each, a top-level window,
  // made at creation would slow the window's opening.
  HWND tooltip();

  // Creates and registers the tooltip on demand and relays the message to it.
  bool PreTranslateMessage(MSG& msg) override;

 protected:
  bool RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void OnSubclassed() override;

 private:
  static const MessageRoute<SkinButton> kRoutes[];

  LRESULT OnDrawItem(WPARAM wParam, LPARAM lParam);
  LRESULT OnMouseMove(WPARAM wParam, LPARAM lParam);
  LRESULT OnCaptureChanged(WPARAM wParam, LPARAM lParam);
  LRESULT OnKillFocus(WPARAM wParam, LPARAM lParam);
  LRESULT OnLButtonDown(WPARAM wParam, LPARAM lParam);
  LRESULT OnLButtonUp(WPARAM wParam, LPARAM lParam);
  LRESULT OnEraseBackground(WPARAM wParam, LPARAM lParam);
  LRESULT OnDestroy(WPARAM wParam, LPARAM lParam);

  void ApplyHoverActions(const HoverActions& actions);
  void ClearStyle(LONG_PTR bits);
  void Repaint();
  // Where a look's pixels are: a picture and the point of it that goes to the button's origin.
  struct Look {
    HBITMAP picture = nullptr;
    POINT origin{0, 0};
  };

  void TakeImages(const RECT& rect, const HBITMAP (&sources)[4], bool shared);
  Look LookOf(ButtonPicture picture) const;
  void DrawCaption(HDC target, const RECT& client, uint32_t argb) const;
  void DeleteLooks();
  HWND OwnerOrParent() const;
  void CreateTooltip();

  Look looks_[4];               // indexed by ButtonPicture
  GdiBitmap cutLooks_[4];       // the looks that are cut out, which the button owns
  CaptionedLook captioned_[4];  // each look with the caption over it, as last drawn
  bool checked_ = false;
  bool toggleMode_ = false;
  bool hover_ = false;
  Text caption_;
  int32_t captionMode_ = kDefaultCaptionMode;
  float fontSize_ = 12.0f;
  ButtonCaptionColours colours_;
  HWND tooltip_ = nullptr;
};
