#pragma once
// Importing a profile file into a slot. The slot file is written whole (FileStore::WriteWhole)
// with the chosen file's bytes, so a failed import keeps the old slot file and the profile loaded
// from it.

#include <cstdint>

#include "settings/file_store.h"
#include "settings/settings_block.h"
#include "settings/text.h"

// True when the chosen path names the slot file: compared after trimming white space from the
// chosen path, without regard to case, with '/' and '\' alike. A miss is harmless (the file is
// then copied onto itself through the temporary file); a false match would skip an import, so
// nothing more is folded.
bool IsSlotFilePath(TextView chosenPath, TextView slotPath);

enum class ImportFileResult : uint8_t {
  kUnreadable,     // the chosen file cannot be read: nothing changed
  kSameFile,       // the chosen file is the slot file: nothing copied, reload it
  kReplaced,       // the slot file now holds a copy of the chosen file (hidden, as slots are)
  kWriteFailed,    // the slot file is untouched
};

// The file part of an import into the slot file.
[[nodiscard]] ImportFileResult ImportProfileFile(FileStore& files, const Text& chosenPath,
                                                 const Text& slotPath);

// Whether the slot is then loaded from its file; otherwise the current profile stays as it is.
inline bool ShouldReloadSlot(ImportFileResult result) {
  return result == ImportFileResult::kSameFile || result == ImportFileResult::kReplaced;
}

// An imported profile marks buttons 0 to 5 of the current slot changed; no current slot, no marks.
void MarkImportedButtons(SharedSettingsBlock& edited);
