#pragma once
// What the main window needs of the macro library: load it at start, merge the macros that
// buttons carry and save it, save it with every apply, and list it in the function menu.

#include <memory>
#include <span>
#include <vector>

#include "base/text.h"
#include "option/macros/macro_library.h"
#include "settings/settings_block.h"

class MacroLibraryStore {
 public:
  virtual ~MacroLibraryStore() = default;
  virtual void Load() = 0;
  // Takes in the macros of every button of every profile, then saves the library.
  [[nodiscard]] virtual bool MergeButtonMacrosAndSave(const SharedSettingsBlock& edited) = 0;
  // False when the library file could not be written (it then keeps what it held).
  [[nodiscard]] virtual bool Save() = 0;
  virtual void Free() = 0;
  // Writes the library the macro manager edited and, once it is written, holds it in place of
  // the old one; on failure the file and the library held stay as they were.
  [[nodiscard]] virtual MacroSaveResult SaveEdited(const MacroLibrary& library) = 0;
  virtual std::span<const MacroRecord> Macros() const = 0;
};

// The library kept in programFolder + "config\sequence.dat".
std::unique_ptr<MacroLibraryStore> MakeMacroLibraryStore(const Text& programFolder);
