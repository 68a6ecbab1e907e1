#include "monitor/program_profile_match.h"

namespace {

bool IsBlankOrQuote(char16_t c) {
  return IsProfileSpace(c) || c == u'"';
}

TextView TrimBlanksAndQuotes(TextView text) {
  while (!text.empty() && IsBlankOrQuote(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlankOrQuote(text.back())) text.remove_suffix(1);
  return text;
}

char16_t PathFold(char16_t c) {
  return c == u'/' ? u'\\' : FoldCase(c);
}

}  // namespace

bool GameFileNames(TextView gameFile, TextView imagePath) {
  const TextView named = TrimBlanksAndQuotes(gameFile);
  if (named.empty() || named.size() != imagePath.size()) return false;
  for (size_t i = 0; i < named.size(); ++i) {
    if (PathFold(named[i]) != PathFold(imagePath[i])) return false;
  }
  return true;
}

std::optional<int32_t> SlotNamingProgram(const SharedSettingsBlock& settings, TextView imagePath) {
  if (imagePath.empty()) return std::nullopt;
  for (int32_t slot = 0; slot < kProfileCount; ++slot) {
    if (GameFileNames(FieldText(settings.profiles[slot].GameFile), imagePath)) return slot;
  }
  return std::nullopt;
}

ActiveSlotChoice ChooseActiveSlot(const SharedSettingsBlock& settings,
                                  const std::optional<Text>& imagePath) {
  if (imagePath) {
    if (const auto slot = SlotNamingProgram(settings, *imagePath)) return {*slot, true};
  }
  return {settings.CurrentProfile, false};
}

TextView ProgramFileName(TextView imagePath) {
  const size_t slash = imagePath.find_last_of(u"\\/");
  return slash == TextView::npos ? imagePath : imagePath.substr(slash + 1);
}
