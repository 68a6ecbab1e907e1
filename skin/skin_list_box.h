#pragma once
// The configurator's list control: a subclassed owner-drawn list box (fixed row height) with its
// own font and colours, optional 16 x 16 row pictures, hot tracking, one row per wheel notch, and
// in-place editing of a row through a temporary edit box. The row layout, wheel, key filter and
// commit rule live in list_box_layout.h.
//
// The list draws and measures its rows through the reflected WM_DRAWITEM / WM_MEASUREITEM, so its
// parent must be a framework window. Create the list box with LBS_OWNERDRAWFIXED |
// LBS_HASSTRINGS; the row height is set when the list is attached, because the system measures
// owner-drawn rows during creation, before the subclass exists.
//
// Posted to the parent: kListEditCommittedMessage (1524) when an edit ends with a non-empty text
// (wParam the row's index, lParam the control id) and kListRightClickMessage (1724) when the right
// button is pressed in the list (wParam 0, lParam the control id).

#include <windows.h>

#include <cstdint>

#include "base/text.h"
#include "skin/list_box_layout.h"
#include "ui/gdi_handles.h"
#include "ui/window.h"

class SkinListBox : public Window {
 public:
  // The style a list needs, for callers that create it themselves and Subclass it.
  static constexpr DWORD kRequiredStyle = LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY;

  SkinListBox();
  ~SkinListBox() override;

  // Creates the list box (with kRequiredStyle added to style) and attaches to it.
  bool Create(HWND parent, const RECT& rect, UINT_PTR childId, DWORD style);

  // Appends a row and sets its data unless the add failed; the index, or LB_ERR / LB_ERRSPACE.
  int AddItem(uint32_t data, const Text& text);
  int InsertItem(int index, uint32_t data, const Text& text);

  void SetColors(COLORREF background, COLORREF highlight);
  void SetTextColors(COLORREF text, COLORREF highlightText);
  void SetControlId(int32_t id) { controlId_ = id; }
  void SetArrowsOnly(bool arrowsOnly) { arrowsOnly_ = arrowsOnly; }
  // false: the list acts as a drop-down and closes its parent when it loses the focus.
  void SetKeepParent(bool keepParent) { keepParent_ = keepParent; }
  // The module whose bitmap resources the row data names (the program's own by default).
  void SetIconModule(HINSTANCE module) { iconModule_ = module; }

  // Appends an empty row and opens an edit box on it for a name (15 characters at most). Nothing
  // when an edit box is open anywhere in the process.
  void AddAndEditNew();
  // Opens a digits-only edit box (20 characters at most) on the selected row. Nothing when an
  // edit box is open or no row is selected.
  void EditSelected();

  int32_t hotRow() const { return hotRow_; }
  int32_t editedRow() const { return editIndex_; }
  // The open edit box of this list, or none.
  HWND editBox() const;

  bool PreTranslateMessage(MSG& msg) override;

 protected:
  bool RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void OnSubclassed() override;

 private:
  friend class InPlaceEdit;
  static const MessageRoute<SkinListBox> kRoutes[];

  LRESULT OnDrawItem(WPARAM wParam, LPARAM lParam);
  LRESULT OnMeasureItem(WPARAM wParam, LPARAM lParam);
  LRESULT OnControlColour(WPARAM wParam, LPARAM lParam);
  LRESULT OnMouseMove(WPARAM wParam, LPARAM lParam);
  LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
  LRESULT OnMouseWheel(WPARAM wParam, LPARAM lParam);
  LRESULT OnRButtonDown(WPARAM wParam, LPARAM lParam);
  LRESULT OnKillFocus(WPARAM wParam, LPARAM lParam);
  LRESULT OnSetFocus(WPARAM wParam, LPARAM lParam);
  LRESULT OnDestroy(WPARAM wParam, LPARAM lParam);

  void OpenEdit(int index, ListEditKind kind);
  // Ends the open edit: the text replaces the row (an empty text removes it) and the owner is
  // told; with select, the new row becomes the selection.
  void CommitEdit(bool select);
  // Ends the open edit by removing the edited row, telling nobody.
  void CancelEdit();
  void CloseEdit();
  void InvalidateRow(int index);

  GdiFont font_;
  GdiBrush background_;
  COLORREF textColour_;
  COLORREF highlightTextColour_;
  COLORREF highlightColour_;
  HINSTANCE iconModule_ = nullptr;
  int32_t controlId_ = 0;
  HWND parent_ = nullptr;
  int32_t hotRow_ = -1;
  bool trackingLeave_ = false;
  bool arrowsOnly_ = false;
  bool keepParent_ = false;
  int32_t editIndex_ = -1;  // the row under this list's open edit box, or -1
};
