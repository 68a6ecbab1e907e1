#pragma once
// Importing a profile file into a slot. The slot file is written whole (FileStore::WriteWhole)
// with the chosen file's content, so a failed import keeps the old slot file and the profile
// loaded from it. A profile from elsewhere can make buttons start programs; the user is asked
// first, and buttons whose launches are declined get their default functions.

#include <cstdint>
#include <functional>
#include <vector>

#include "base/file_store.h"
#include "base/text.h"
#include "option/program_launches.h"
#include "settings/private_profile.h"
#include "settings/settings_block.h"

// True when the chosen path names the slot file: compared after trimming white space from the
// chosen path, without regard to case, with '/' and '\' alike. A miss is harmless (the file is
// then written whole over itself); a false match would skip an import, so
// nothing more is folded.
bool IsSlotFilePath(TextView chosenPath, TextView slotPath);

enum class ImportFileResult : uint8_t {
  kUnreadable,   // the chosen file cannot be read: nothing changed
  kSameFile,     // the chosen file is the slot file: nothing copied, reload it
  kReplaced,     // the slot file now holds the chosen file (hidden, as slots are)
  kWriteFailed,  // the slot file is untouched
};

// Asked with the launches an imported profile carries; true keeps them.
using LaunchQuestion = std::function<bool(const std::vector<ProgramLaunch>&)>;

// The file part of an import into the slot file: the chosen file's content, without the launches
// the question declined. The chosen file is read through `ini` to find them.
[[nodiscard]] ImportFileResult ImportProfileFile(FileStore& files, PrivateProfile& ini,
                                                 const Text& chosenPath, const Text& slotPath,
                                                 const LaunchQuestion& allowLaunches);

// Whether the slot is then loaded from its file; otherwise the current profile stays as it is.
inline bool ShouldReloadSlot(ImportFileResult result) {
  return result == ImportFileResult::kSameFile || result == ImportFileResult::kReplaced;
}

// An imported profile marks buttons 0 to 5 of the current slot changed; no current slot, no marks.
void MarkImportedButtons(SharedSettingsBlock& edited);
