#include "option/menu_popup.h"

#include "base/wide.h"
#include "option/resource_ids.h"
#include "settings/language_strings.h"

bool MenuPopup::Build(const std::vector<MenuItem>& items, const MenuPopupStyle& style) {
  Destroy();
  font_ = CreateFontW(14, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, style.charset,
                      OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_SWISS, L"Arial");
  return BuildMenu(items, style.fixedWidth) != nullptr;
}

OwnerMenu* MenuPopup::BuildMenu(const std::vector<MenuItem>& items, int fixedWidth) {
  // Submenus are made before the menu that holds them, so menus_ ends with the root.
  std::vector<OwnerMenu*> submenus(items.size(), nullptr);
  for (size_t i = 0; i < items.size(); ++i) {
    if (items[i].kind != MenuItem::Kind::kSubmenu) continue;
    submenus[i] = BuildMenu(items[i].items, fixedWidth);
    if (submenus[i] == nullptr) return nullptr;
  }
  auto menu = std::make_unique<OwnerMenu>();
  // A program without the arrow picture simply shows no arrow.
  const HICON arrow = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_SUBMENU_ARROW));
  if (!menu->Construct(font_, arrow)) return nullptr;
  if (fixedWidth > 0) menu->SetWidth(fixedWidth);
  for (size_t i = 0; i < items.size(); ++i) {
    const MenuItem& item = items[i];
    const Text text = item.textId != 0 ? LanguageString(item.textId) : item.text;
    switch (item.kind) {
      case MenuItem::Kind::kSeparator:
        menu->Append(0, L"");
        break;
      case MenuItem::Kind::kSubmenu:
        menu->Append(0, Wide(text), submenus[i]->handle());
        break;
      case MenuItem::Kind::kCommand:
        menu->Append(static_cast<UINT>(item.id), Wide(text), nullptr, item.checked ? 1 : 0);
        break;
    }
  }
  menus_.push_back(std::move(menu));
  return menus_.back().get();
}

int MenuPopup::Track(HWND owner, int x, int y, UINT flags) {
  if (root() == nullptr) return 0;
  return static_cast<int>(TrackPopupMenu(root(), flags, x, y, 0, owner, nullptr));
}

bool MenuPopup::MeasureItem(MEASUREITEMSTRUCT& measure) const {
  for (const auto& menu : menus_) {
    if (menu->MeasureItem(measure)) return true;
  }
  return false;
}

bool MenuPopup::DrawItem(const DRAWITEMSTRUCT& draw) const {
  for (const auto& menu : menus_) {
    if (menu->DrawItem(draw)) return true;
  }
  return false;
}

void MenuPopup::Destroy() {
  for (auto& menu : menus_) menu->Destroy();
  menus_.clear();
  if (font_ != nullptr) {
    DeleteObject(font_);
    font_ = nullptr;
  }
}

bool AnswerMenuMeasure(const MenuPopup* open, LPARAM lParam) {
  auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
  return open != nullptr && measure != nullptr && measure->CtlType == ODT_MENU &&
         open->MeasureItem(*measure);
}

bool AnswerMenuDraw(const MenuPopup* open, LPARAM lParam) {
  const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
  return open != nullptr && draw != nullptr && draw->CtlType == ODT_MENU && open->DrawItem(*draw);
}
