#pragma once
// How the main window opens the macro manager from its function menu: on a copy of the library
// its store holds, with the selected button's macro selected first. On OK the store takes the
// edited library and saves it; otherwise it drops every edit by loading the library file again.

#include <windows.h>

#include "option/macro_library_store.h"
#include "settings/settings_block.h"

class MacroManagerOpener {
 public:
  // What the main window lends for its lifetime: its window, its library store, its edited image
  // and its selected button index.
  void Bind(HWND owner, MacroLibraryStore* store, const SharedSettingsBlock* edited,
            const int* selectedButton) {
    owner_ = owner;
    store_ = store;
    edited_ = edited;
    selectedButton_ = selectedButton;
  }

  void Open();

 private:
  HWND owner_ = nullptr;
  MacroLibraryStore* store_ = nullptr;
  const SharedSettingsBlock* edited_ = nullptr;
  const int* selectedButton_ = nullptr;
};
