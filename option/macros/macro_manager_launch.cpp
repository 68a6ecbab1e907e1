#include "option/macros/macro_manager_launch.h"

#include <optional>

#include "option/macros/macro_manager_dialog.h"
#include "platform/module_folder.h"

void MacroManagerOpener::Open() {
  if (store_ == nullptr) return;
  std::optional<ButtonAssignment> button;
  if (edited_ != nullptr && selectedButton_ != nullptr) {
    const ProfileSettings* profile = CurrentProfileOrNull(*edited_);
    const int selected = *selectedButton_;
    if (profile != nullptr && selected >= 0 && selected < kButtonCount) {
      button = profile->MacroKeyInfo[selected];
    }
  }
  const std::span<const MacroRecord> current = store_->Macros();
  const MacroLibrary before(current.begin(), current.end());
  MacroLibrary library = before;
  const MacroLibrarySaver save = [this](const MacroLibrary& edited) {
    return store_->SaveEdited(edited);
  };
  if (RunMacroManager(owner_, library, button, ProgramFolder(), save)) {
    // The buttons carry their own copies of their macros; left old, the merge at the next start
    // would put the old macro back into the library.
    if (edited_ != nullptr) CopyChangedMacrosToButtons(before, library, *edited_);
  } else {
    store_->Load();
  }
}
