#pragma once
// Owners for GDI handles, so that every exit of a drawing step gives back what it took: objects
// made with a Create call, memory and window device contexts, objects selected into a context,
// and a paint between BeginPaint and EndPaint. Owners are move-only, scopes fixed to their scope;
// none throws.

#include <windows.h>

#include "base/unique_handle.h"

inline void DeleteGdiObject(HGDIOBJ object) {
  DeleteObject(object);
}
inline void DeleteMemoryDc(HDC dc) {
  DeleteDC(dc);
}

// The sole owner of one GDI object (bitmap, font, brush, pen or region).
template <typename Handle>
using GdiObject = UniqueHandle<Handle, DeleteGdiObject>;
using GdiBitmap = GdiObject<HBITMAP>;
using GdiFont = GdiObject<HFONT>;
using GdiBrush = GdiObject<HBRUSH>;
using GdiPen = GdiObject<HPEN>;
using GdiRegion = GdiObject<HRGN>;

// A memory device context.
using MemoryDc = UniqueHandle<HDC, DeleteMemoryDc>;
// Compatible with dc (the screen for nullptr); empty when the system refused one.
[[nodiscard]] inline MemoryDc CompatibleMemoryDc(HDC dc) {
  return MemoryDc(CreateCompatibleDC(dc));
}

// A window's client-area context (the screen's for nullptr) for one scope.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~WindowDc() {
    if (dc_ != nullptr) ReleaseDC(window_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;

  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// Selects an object into a context for one scope and puts the previous one back at its end.
// Nothing happens for a missing context or object. Regions are left out on purpose: selecting one
// clips with a copy and answers a region kind, not the object it replaced.
class SelectionScope {
 public:
  SelectionScope(HDC dc, HBITMAP bitmap) : SelectionScope(dc, HGDIOBJ{bitmap}) {}
  SelectionScope(HDC dc, HFONT font) : SelectionScope(dc, HGDIOBJ{font}) {}
  SelectionScope(HDC dc, HBRUSH brush) : SelectionScope(dc, HGDIOBJ{brush}) {}
  SelectionScope(HDC dc, HPEN pen) : SelectionScope(dc, HGDIOBJ{pen}) {}
  ~SelectionScope() {
    if (previous_ != nullptr) SelectObject(dc_, previous_);
  }
  SelectionScope(const SelectionScope&) = delete;
  SelectionScope& operator=(const SelectionScope&) = delete;

  // False when nothing was selected (no context or object, or the system refused).
  bool selected() const { return previous_ != nullptr; }

 private:
  SelectionScope(HDC dc, HGDIOBJ object)
      : dc_(dc),
        previous_(dc != nullptr && object != nullptr ? SelectObject(dc, object) : nullptr) {}

  HDC dc_ = nullptr;
  HGDIOBJ previous_ = nullptr;
};

// One WM_PAINT: BeginPaint now, EndPaint at the end of the scope. dc() is nullptr when the system
// gave no context.
class PaintScope {
 public:
  explicit PaintScope(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
  ~PaintScope() { EndPaint(window_, &paint_); }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;

  HDC dc() const { return dc_; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};
