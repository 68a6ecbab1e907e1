#include "skin/skin_list_box.h"

#include <windowsx.h>

#include <vector>

#include "base/wide.h"
#include "platform/system_function.h"
#include "ui/gdi_handles.h"

// The one in-place edit box of the process. It watches key releases rather than presses: the
// skinned windows swallow Enter and Escape presses before translation, the releases reach it.
class InPlaceEdit : public Window {
 protected:
  bool RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  static const MessageRoute<InPlaceEdit> kRoutes[];
  LRESULT OnKeyUp(WPARAM wParam, LPARAM lParam);
  // Inside a dialog, Enter and Escape belong to the edit box, not to the dialog's buttons.
  LRESULT OnGetDialogCode(WPARAM, LPARAM) { return Default() | DLGC_WANTALLKEYS; }
};

namespace {

// The list whose edit box is open, or none: a single edit box for the whole process.
SkinListBox* g_editingList = nullptr;

InPlaceEdit& TheEditBox() {
  static InPlaceEdit edit;
  return edit;
}

PixelRect ToPixelRect(const RECT& r) {
  return PixelRect{r.left, r.top, r.right, r.bottom};
}

RECT ToRect(const PixelRect& r) {
  return RECT{r.left, r.top, r.right, r.bottom};
}

}  // namespace

const MessageRoute<InPlaceEdit> InPlaceEdit::kRoutes[] = {
    {WM_KEYUP, &InPlaceEdit::OnKeyUp},
    {WM_GETDLGCODE, &InPlaceEdit::OnGetDialogCode},
};

bool InPlaceEdit::RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  return Route(this, kRoutes, message, wParam, lParam, result) ||
         Window::RouteMessage(message, wParam, lParam, result);
}

LRESULT InPlaceEdit::OnKeyUp(WPARAM wParam, LPARAM) {
  SkinListBox* list = g_editingList;
  if (list == nullptr || (wParam != VK_RETURN && wParam != VK_ESCAPE)) {
    Decline();
    return 0;
  }
  if (wParam == VK_RETURN) {
    list->CommitEdit(true);
  } else {
    list->CancelEdit();
  }
  return 0;
}

const MessageRoute<SkinListBox> SkinListBox::kRoutes[] = {
    {kReflectBase + WM_DRAWITEM, &SkinListBox::OnDrawItem},
    {kReflectBase + WM_MEASUREITEM, &SkinListBox::OnMeasureItem},
    {kReflectBase + WM_CTLCOLORLISTBOX, &SkinListBox::OnControlColour},
    {WM_MOUSEMOVE, &SkinListBox::OnMouseMove},
    {WM_MOUSELEAVE, &SkinListBox::OnMouseLeave},
    {WM_MOUSEWHEEL, &SkinListBox::OnMouseWheel},
    {WM_RBUTTONDOWN, &SkinListBox::OnRButtonDown},
    {WM_KILLFOCUS, &SkinListBox::OnKillFocus},
    {WM_SETFOCUS, &SkinListBox::OnSetFocus},
    {WM_DESTROY, &SkinListBox::OnDestroy},
};

bool SkinListBox::RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  return Route(this, kRoutes, message, wParam, lParam, result) ||
         Window::RouteMessage(message, wParam, lParam, result);
}

SkinListBox::SkinListBox()
    : textColour_(GetSysColor(COLOR_WINDOWTEXT)),
      highlightTextColour_(GetSysColor(COLOR_HIGHLIGHTTEXT)),
      highlightColour_(GetSysColor(COLOR_HIGHLIGHT)),
      iconModule_(GetModuleHandleW(nullptr)) {
  font_.reset(CreateFontW(14, 0, 0, 0, FW_LIGHT, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                          OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_SWISS,
                          L"Arial"));
  background_.reset(CreateSolidBrush(GetSysColor(COLOR_WINDOW)));
}

SkinListBox::~SkinListBox() {
  // Destroyed here rather than by the base, so that the destroy handler still closes the edit.
  if (handle() != nullptr) DestroyWindow(handle());
  if (g_editingList == this) g_editingList = nullptr;
}

bool SkinListBox::Create(HWND parent, const RECT& rect, UINT_PTR childId, DWORD style) {
  ControlCreateArgs args;
  args.className = L"LISTBOX";
  args.style = style | kRequiredStyle | WS_CHILD;
  args.rect = rect;
  args.parent = parent;
  args.id = childId;
  return CreateControl(args);
}

void SkinListBox::OnSubclassed() {
  SendMessageW(handle(), LB_SETITEMHEIGHT, 0, MAKELPARAM(kListItemHeight, 0));
  textColour_ = GetSysColor(COLOR_WINDOWTEXT);
  highlightTextColour_ = GetSysColor(COLOR_HIGHLIGHTTEXT);
  highlightColour_ = GetSysColor(COLOR_HIGHLIGHT);
  parent_ = GetParent(handle());
}

int SkinListBox::AddItem(uint32_t data, const Text& text) {
  const auto index = static_cast<int>(
      SendMessageW(handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(text))));
  if (index != LB_ERR && index != LB_ERRSPACE)
    SendMessageW(handle(), LB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data));
  return index;
}

int SkinListBox::InsertItem(int index, uint32_t data, const Text& text) {
  const auto inserted = static_cast<int>(SendMessageW(
      handle(), LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(Wide(text))));
  if (inserted != LB_ERR && inserted != LB_ERRSPACE)
    SendMessageW(handle(), LB_SETITEMDATA, static_cast<WPARAM>(inserted),
                 static_cast<LPARAM>(data));
  return inserted;
}

void SkinListBox::SetColors(COLORREF background, COLORREF highlight) {
  if (HBRUSH brush = CreateSolidBrush(background); brush != nullptr) background_.reset(brush);
  highlightColour_ = highlight;
  if (handle() != nullptr) InvalidateRect(handle(), nullptr, TRUE);
}

void SkinListBox::SetTextColors(COLORREF text, COLORREF highlightText) {
  textColour_ = text;
  highlightTextColour_ = highlightText;
  if (handle() != nullptr) InvalidateRect(handle(), nullptr, TRUE);
}

HWND SkinListBox::editBox() const {
  return g_editingList == this ? TheEditBox().handle() : nullptr;
}

void SkinListBox::InvalidateRow(int index) {
  if (index < 0) return;
  RECT row{};
  if (SendMessageW(handle(), LB_GETITEMRECT, static_cast<WPARAM>(index),
                   reinterpret_cast<LPARAM>(&row)) != LB_ERR) {
    InvalidateRect(handle(), &row, TRUE);
  }
}

LRESULT SkinListBox::OnMeasureItem(WPARAM, LPARAM lParam) {
  auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
  item->itemHeight = kListItemHeight;
  return TRUE;
}

LRESULT SkinListBox::OnControlColour(WPARAM, LPARAM) {
  return reinterpret_cast<LRESULT>(background_.get());
}

LRESULT SkinListBox::OnDrawItem(WPARAM, LPARAM lParam) {
  const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
  if (item->itemID == static_cast<UINT>(-1)) return TRUE;
  HDC dc = item->hDC;
  const SelectionScope font(dc, font_.get());

  const LRESULT length = SendMessageW(handle(), LB_GETTEXTLEN, item->itemID, 0);
  std::vector<wchar_t> text(length > 0 ? static_cast<size_t>(length) + 1 : 1, L'\0');
  int textLength = 0;
  if (length > 0) {
    const LRESULT got =
        SendMessageW(handle(), LB_GETTEXT, item->itemID, reinterpret_cast<LPARAM>(text.data()));
    textLength = got > 0 && got <= length ? static_cast<int>(got) : 0;
  }
  const auto data = static_cast<uint32_t>(item->itemData);
  SIZE extent{};
  GetTextExtentPoint32W(dc, text.data(), textLength, &extent);
  const PixelRect row = ToPixelRect(item->rcItem);
  const RECT textRect = ToRect(ListRowTextRect(row, data, extent.cx));
  const bool selected = (item->itemState & ODS_SELECTED) != 0;
  const bool selectionChange = (item->itemAction & ODA_SELECT) != 0;
  const bool focusChange = (item->itemAction & ODA_FOCUS) != 0;

  if (selected || selectionChange) {
    const GdiBrush highlight(CreateSolidBrush(highlightColour_));
    FillRect(dc, &textRect, highlight.get());
  }
  if (selectionChange && !selected) FillRect(dc, &item->rcItem, background_.get());

  COLORREF colour = textColour_;
  if (focusChange && selected) {
    colour = highlightTextColour_;
    if ((item->itemState & ODS_FOCUS) == 0) {
      const GdiBrush highlight(CreateSolidBrush(highlightColour_));
      FillRect(dc, &textRect, highlight.get());
    }
  }
  if ((item->itemState & ODS_DISABLED) != 0) colour = GetSysColor(COLOR_BTNSHADOW);
  SetTextColor(dc, colour);
  SetBkMode(dc, TRANSPARENT);

  if (ListRowHasIconPicture(data)) {
    const GdiBitmap icon(LoadBitmapW(iconModule_, MAKEINTRESOURCEW(ListRowIconId(data))));
    BITMAP info{};
    if (icon && GetObjectW(icon.get(), sizeof info, &info) != 0) {
      if (const MemoryDc source = CompatibleMemoryDc(dc)) {
        const SelectionScope iconSelected(source.get(), icon.get());
        const PixelOffset at = ListRowIconOrigin(row);
        // From a library loaded when a list first draws an icon, not by every start.
        using TransparentBltFunction =
            BOOL(WINAPI*)(HDC, int, int, int, int, HDC, int, int, int, int, UINT);
        const auto blt = SystemFunction<TransparentBltFunction>(L"msimg32.dll", "TransparentBlt");
        if (blt != nullptr) {
          blt(dc, at.x, at.y, info.bmWidth, info.bmHeight, source.get(), 0, 0, info.bmWidth,
              info.bmHeight, RGB(0, 0, 0));
        }
      }
    }
  }
  TextOutW(dc, ListRowTextLeft(row, data), row.top, text.data(), textLength);
  return TRUE;
}

LRESULT SkinListBox::OnMouseMove(WPARAM, LPARAM lParam) {
  const LRESULT result = Default();
  if (!trackingLeave_) {
    TRACKMOUSEEVENT track{};
    track.cbSize = sizeof track;
    track.dwFlags = TME_LEAVE;
    track.hwndTrack = handle();
    if (TrackMouseEvent(&track)) trackingLeave_ = true;
  }
  if (g_editingList != nullptr) return result;
  const auto answer = static_cast<uint32_t>(SendMessageW(handle(), LB_ITEMFROMPOINT, 0, lParam));
  const int32_t row = ListRowFromItemFromPoint(answer);
  if (row != hotRow_) {
    InvalidateRow(hotRow_);
    hotRow_ = row;
    InvalidateRow(hotRow_);
  }
  return result;
}

LRESULT SkinListBox::OnMouseLeave(WPARAM, LPARAM) {
  trackingLeave_ = false;
  return Default();
}

LRESULT SkinListBox::OnMouseWheel(WPARAM wParam, LPARAM) {
  const ListWheelScroll scroll = WheelScrollForDelta(GET_WHEEL_DELTA_WPARAM(wParam));
  const WPARAM code = scroll.direction == ListScroll::kLineUp ? SB_LINEUP : SB_LINEDOWN;
  for (int32_t line = 0; line < scroll.lines; ++line)
    SendMessageW(handle(), WM_VSCROLL, MAKEWPARAM(code, 0), 0);
  return 0;
}

LRESULT SkinListBox::OnRButtonDown(WPARAM, LPARAM) {
  PostMessageW(parent_, kListRightClickMessage, 0, static_cast<LPARAM>(controlId_));
  return Default();
}

// A drop-down list closes its parent when the focus leaves it, but not when the focus only moves
// into the list's own edit box (that would close the window the edit is meant for), nor when the
// parent is hidden already: a parent being destroyed hides first, and must not be destroyed twice.
LRESULT SkinListBox::OnKillFocus(WPARAM wParam, LPARAM) {
  const LRESULT result = Default();
  const auto gaining = reinterpret_cast<HWND>(wParam);
  const bool intoOwnEdit = gaining != nullptr && IsChild(handle(), gaining);
  if (!keepParent_ && parent_ != nullptr && IsWindowVisible(parent_) && !intoOwnEdit) {
    HWND parent = parent_;
    ShowWindow(parent, SW_HIDE);
    DestroyWindow(parent);
  }
  return result;
}

LRESULT SkinListBox::OnSetFocus(WPARAM wParam, LPARAM) {
  const LRESULT result = Default();
  const auto losing = reinterpret_cast<HWND>(wParam);
  if (g_editingList == this && losing != nullptr && losing == TheEditBox().handle())
    CommitEdit(false);
  return result;
}

LRESULT SkinListBox::OnDestroy(WPARAM, LPARAM) {
  if (g_editingList == this) {
    g_editingList = nullptr;
    editIndex_ = -1;
    if (TheEditBox().handle() != nullptr) DestroyWindow(TheEditBox().handle());
  }
  return Default();
}

bool SkinListBox::PreTranslateMessage(MSG& msg) {
  // Only keys addressed to the list itself: its edit box, a child, must get every key.
  if (!arrowsOnly_ || msg.hwnd != handle()) return false;
  if (msg.message != WM_KEYDOWN && msg.message != WM_KEYUP) return false;
  return !ArrowsOnlyKeyPasses(static_cast<uint32_t>(msg.wParam));
}

void SkinListBox::AddAndEditNew() {
  if (g_editingList != nullptr || TheEditBox().handle() != nullptr || handle() == nullptr) return;
  const int index = AddItem(0, Text());
  if (index < 0) return;
  // A new row at the end may lie below the visible rows; its edit box must be seen.
  RECT client{};
  GetClientRect(handle(), &client);
  const int visibleRows = client.bottom / kListItemHeight > 0 ? client.bottom / kListItemHeight : 1;
  const auto top = static_cast<int>(SendMessageW(handle(), LB_GETTOPINDEX, 0, 0));
  if (index >= top + visibleRows)
    SendMessageW(handle(), LB_SETTOPINDEX, static_cast<WPARAM>(index - visibleRows + 1), 0);
  InvalidateRow(index);
  OpenEdit(index, ListEditKind::kNewName);
}

void SkinListBox::EditSelected() {
  if (g_editingList != nullptr || TheEditBox().handle() != nullptr || handle() == nullptr) return;
  const auto selected = static_cast<int>(SendMessageW(handle(), LB_GETCURSEL, 0, 0));
  if (selected < 0) return;
  OpenEdit(selected, ListEditKind::kNumber);
}

void SkinListBox::OpenEdit(int index, ListEditKind kind) {
  RECT row{};
  if (SendMessageW(handle(), LB_GETITEMRECT, static_cast<WPARAM>(index),
                   reinterpret_cast<LPARAM>(&row)) == LB_ERR) {
    return;
  }
  const auto data = static_cast<uint32_t>(SendMessageW(handle(), LB_GETITEMDATA, index, 0));
  const LRESULT length = SendMessageW(handle(), LB_GETTEXTLEN, index, 0);
  std::vector<wchar_t> text(length > 0 ? static_cast<size_t>(length) + 1 : 1, L'\0');
  if (length > 0) SendMessageW(handle(), LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));

  ControlCreateArgs args;
  args.className = L"EDIT";
  args.text = text.data();
  args.style = WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL;
  if (kind == ListEditKind::kNumber) args.style |= ES_NUMBER;
  args.rect = ToRect(ListEditRect(kind, ToPixelRect(row), data));
  args.parent = handle();
  InPlaceEdit& edit = TheEditBox();
  if (!edit.CreateControl(args)) return;
  g_editingList = this;
  editIndex_ = index;
  SendMessageW(edit.handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
  SendMessageW(edit.handle(), EM_SETSEL, 0, -1);
  SendMessageW(edit.handle(), EM_LIMITTEXT, static_cast<WPARAM>(ListEditLimit(kind)), 0);
  SetFocus(edit.handle());
}

void SkinListBox::CommitEdit(bool select) {
  if (g_editingList != this) return;
  HWND edit = TheEditBox().handle();
  wchar_t buffer[kListEditTextCapacity] = {};
  if (edit != nullptr) GetWindowTextW(edit, buffer, kListEditTextCapacity);
  const Text text = FromWide(buffer);
  const auto count = static_cast<int32_t>(SendMessageW(handle(), LB_GETCOUNT, 0, 0));
  uint32_t data = 0;
  if (editIndex_ >= 0 && editIndex_ < count)
    data = static_cast<uint32_t>(SendMessageW(handle(), LB_GETITEMDATA, editIndex_, 0));
  const ListEditCommit commit = CommitListEdit(text, editIndex_, count, data);
  int inserted = -1;
  if (commit.remove_row) SendMessageW(handle(), LB_DELETESTRING, commit.index, 0);
  if (commit.insert_row) inserted = InsertItem(commit.index, commit.row_data, text);
  CloseEdit();
  if (inserted < 0) return;
  if (select) SendMessageW(handle(), LB_SETCURSEL, static_cast<WPARAM>(inserted), 0);
  if (commit.notify_owner)
    PostMessageW(parent_, kListEditCommittedMessage, static_cast<WPARAM>(inserted),
                 static_cast<LPARAM>(controlId_));
}

void SkinListBox::CancelEdit() {
  if (g_editingList != this) return;
  const auto count = static_cast<int32_t>(SendMessageW(handle(), LB_GETCOUNT, 0, 0));
  if (editIndex_ >= 0 && editIndex_ < count) SendMessageW(handle(), LB_DELETESTRING, editIndex_, 0);
  CloseEdit();
}

void SkinListBox::CloseEdit() {
  HWND edit = TheEditBox().handle();
  // Forgotten first: destroying the focused edit box hands the focus back to the list, which
  // must not take that for a second commit.
  g_editingList = nullptr;
  editIndex_ = -1;
  if (edit != nullptr) DestroyWindow(edit);
  InvalidateRect(handle(), nullptr, TRUE);
}
