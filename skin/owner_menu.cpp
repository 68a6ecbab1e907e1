#include "skin/owner_menu.h"

#include <new>

#include "ui/gdi_handles.h"

namespace {

RECT ToRect(const PixelRect& r) {
  return RECT{r.left, r.top, r.right, r.bottom};
}

PixelRect ToPixelRect(const RECT& r) {
  return PixelRect{r.left, r.top, r.right, r.bottom};
}

void FillSolid(HDC dc, const RECT& rect, COLORREF colour) {
  const GdiBrush brush(CreateSolidBrush(colour));
  if (brush) FillRect(dc, &rect, brush.get());
}

}  // namespace

OwnerMenu::~OwnerMenu() {
  Destroy();
}

bool OwnerMenu::Construct(HFONT font, HICON arrow) {
  if (menu_ != nullptr) return false;
  menu_ = CreatePopupMenu();
  if (menu_ == nullptr) return false;
  font_ = font;
  arrow_ = arrow;
  return true;
}

bool OwnerMenu::Append(UINT id, const wchar_t* text, HMENU submenu, int check) {
  if (menu_ == nullptr) return false;
  const MenuItemKind kind = ClassifyMenuAppend(id, submenu != nullptr);
  std::unique_ptr<Item> item(new (std::nothrow) Item);
  if (item == nullptr) return false;
  try {
    item->text = text != nullptr ? text : L"";
    items_.reserve(items_.size() + 1);
  } catch (...) {
    return false;
  }
  item->check = check;
  item->opensSubmenu = kind == MenuItemKind::kPopup;
  const auto data = reinterpret_cast<const wchar_t*>(item.get());
  BOOL added = FALSE;
  switch (kind) {
    case MenuItemKind::kSeparator:
      // Id 0, so that it is measured and drawn as the thin separator line.
      added = AppendMenuW(menu_, MF_OWNERDRAW | MF_SEPARATOR, 0, data);
      break;
    case MenuItemKind::kPopup:
      added =
          AppendMenuW(menu_, MF_OWNERDRAW | MF_POPUP, reinterpret_cast<UINT_PTR>(submenu), data);
      break;
    case MenuItemKind::kCommand:
      added = AppendMenuW(menu_, MF_OWNERDRAW, id, data);
      break;
  }
  if (!added) return false;
  width_.NoteAppendedText(item->text.size());
  items_.push_back(std::move(item));  // capacity reserved above: cannot throw
  return true;
}

void OwnerMenu::SetWidth(int pixels) {
  width_.Set(pixels);
}

const OwnerMenu::Item* OwnerMenu::ItemOf(ULONG_PTR itemData) const {
  for (const std::unique_ptr<Item>& item : items_) {
    if (reinterpret_cast<ULONG_PTR>(item.get()) == itemData) return item.get();
  }
  return nullptr;
}

bool OwnerMenu::MeasureItem(MEASUREITEMSTRUCT& measure) const {
  if (measure.CtlType != ODT_MENU || ItemOf(measure.itemData) == nullptr) return false;
  measure.itemHeight = static_cast<UINT>(MenuItemHeight(measure.itemID));
  measure.itemWidth = static_cast<UINT>(width_.Get() > 0 ? width_.Get() : 0);
  return true;
}

bool OwnerMenu::DrawItem(const DRAWITEMSTRUCT& draw) const {
  if (draw.CtlType != ODT_MENU) return false;
  const Item* item = ItemOf(draw.itemData);
  if (item == nullptr) return false;
  HDC dc = draw.hDC;
  const RECT& rect = draw.rcItem;
  const PixelRect itemRect = ToPixelRect(rect);

  if (DrawsAsMenuSeparator(draw.itemID)) {
    FillSolid(dc, rect, kMenuBackgroundColour);
    const int y = MenuSeparatorLineY(itemRect);
    FillSolid(dc, RECT{rect.left, y, rect.right, y + 1}, kMenuSeparatorColour);
  } else {
    const MenuItemColours colours =
        ChooseMenuItemColours((draw.itemState & ODS_SELECTED) != 0, item->check);
    FillSolid(dc, rect, colours.background);
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColour = SetTextColor(dc, colours.text);
    {
      const SelectionScope font(dc, font_);
      RECT textRect = ToRect(MenuItemTextRect(itemRect));
      DrawTextW(dc, item->text.c_str(), static_cast<int>(item->text.size()), &textRect,
                DT_VCENTER | DT_SINGLELINE);
    }
    SetTextColor(dc, oldColour);
    SetBkMode(dc, oldMode);
    if (item->opensSubmenu && arrow_ != nullptr) {
      // The icon overhangs the item; the rows already drawn are excluded from clipping and the
      // rows below paint over the rest.
      const PixelPoint at = MenuSubmenuArrowOrigin(itemRect);
      DrawIcon(dc, at.x, at.y, arrow_);
    }
  }
  // Nothing the system draws afterwards (its own check marks, arrows) may cover the item.
  ExcludeClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
  return true;
}

void OwnerMenu::Destroy() {
  if (menu_ != nullptr && IsMenu(menu_)) DestroyMenu(menu_);
  menu_ = nullptr;
  arrow_ = nullptr;
  font_ = nullptr;
  items_.clear();
  width_ = MenuWidth{};
}
