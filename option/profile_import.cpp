#include "option/profile_import.h"

#include <memory>
#include <string>

#include "settings/profile_file.h"

namespace {

constexpr int kImportedButtonMarks = 6;

char16_t FoldPathChar(char16_t c) {
  return c == u'/' ? u'\\' : FoldCase(c);
}

}  // namespace

bool IsSlotFilePath(TextView chosenPath, TextView slotPath) {
  const TextView chosen = TrimProfileSpace(chosenPath);
  if (chosen.size() != slotPath.size()) return false;
  for (size_t i = 0; i < chosen.size(); ++i) {
    if (FoldPathChar(chosen[i]) != FoldPathChar(slotPath[i])) return false;
  }
  return true;
}

ImportFileResult ImportProfileFile(FileStore& files, PrivateProfile& ini, const Text& chosenPath,
                                   const Text& slotPath, const LaunchQuestion& allowLaunches) {
  std::string bytes;
  if (files.Read(chosenPath, bytes) != FileReadResult::kRead) return ImportFileResult::kUnreadable;
  if (IsSlotFilePath(chosenPath, slotPath)) return ImportFileResult::kSameFile;
  auto profile = std::make_unique<ProfileSettings>();
  LoadProfile(*profile, chosenPath, ini);
  const std::vector<ProgramLaunch> launches = ProgramLaunches(*profile);
  bool written = false;
  if (launches.empty() || allowLaunches(launches)) {
    written = files.WriteWhole(slotPath, bytes, WrittenFileLook::kHidden);
  } else {
    RemoveProgramLaunches(*profile);
    SettingsFileEdit edit(slotPath, files, WrittenFileLook::kHidden, bytes);
    WriteProfile(*profile, edit);
    written = edit.Commit();
  }
  return written ? ImportFileResult::kReplaced : ImportFileResult::kWriteFailed;
}

void MarkImportedButtons(SharedSettingsBlock& edited) {
  if (!IsValidProfileIndex(edited.CurrentProfile)) return;
  for (int b = 0; b < kImportedButtonMarks; ++b) edited.ButtonChanged[edited.CurrentProfile][b] = 1;
}
