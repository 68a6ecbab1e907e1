#include "option/profile_import.h"

#include <string>

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

ImportFileResult ImportProfileFile(FileStore& files, const Text& chosenPath,
                                   const Text& slotPath) {
  std::string bytes;
  if (files.Read(chosenPath, bytes) != FileReadResult::kRead) return ImportFileResult::kUnreadable;
  if (IsSlotFilePath(chosenPath, slotPath)) return ImportFileResult::kSameFile;
  return files.WriteWhole(slotPath, bytes, WrittenFileLook::kHidden)
             ? ImportFileResult::kReplaced
             : ImportFileResult::kWriteFailed;
}

void MarkImportedButtons(SharedSettingsBlock& edited) {
  if (!IsValidProfileIndex(edited.CurrentProfile)) return;
  for (int b = 0; b < kImportedButtonMarks; ++b) edited.ButtonChanged[edited.CurrentProfile][b] = 1;
}
