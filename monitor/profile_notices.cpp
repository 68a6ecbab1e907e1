#include "monitor/profile_notices.h"

#include "monitor/program_profile_match.h"

Text FillPlaceholders(TextView pattern, std::initializer_list<TextView> arguments) {
  Text text;
  auto next = arguments.begin();
  size_t from = 0;
  while (next != arguments.end()) {
    const size_t at = pattern.find(u"%s", from);
    if (at == TextView::npos) break;
    text.append(pattern.substr(from, at - from));
    text.append(*next++);
    from = at + 2;
  }
  text.append(pattern.substr(from));
  return text;
}

Text ProfileDisplayName(const SharedSettingsBlock& settings, int32_t slot) {
  if (!IsValidProfileIndex(slot)) return Text();
  const TextView name = TrimProfileSpace(FieldText(settings.profiles[slot].ProFileName));
  return name.empty() ? FormatInt(slot + 1) : Text(name);
}

Text ActiveProfileTip(const ProfileNoticePatterns& patterns, const SharedSettingsBlock& settings,
                      int32_t activeSlot, TextView programChoosing) {
  if (!IsValidProfileIndex(activeSlot)) return patterns.tip;
  const Text name = ProfileDisplayName(settings, activeSlot);
  const Text line =
      programChoosing.empty()
          ? FillPlaceholders(patterns.tipProfile, {name})
          : FillPlaceholders(patterns.tipByProgram, {name, ProgramFileName(programChoosing)});
  return patterns.tip.empty() ? line : patterns.tip + u"\n" + line;
}

Text SwitchNotice(const ProfileNoticePatterns& patterns, const SharedSettingsBlock& settings,
                  int32_t activeSlot, TextView programChoosing) {
  const Text name = ProfileDisplayName(settings, activeSlot);
  return programChoosing.empty()
             ? FillPlaceholders(patterns.noticeChosen, {name})
             : FillPlaceholders(patterns.noticeByProgram, {ProgramFileName(programChoosing), name});
}

Text ElevatedProgramNotice(const ProfileNoticePatterns& patterns, TextView program) {
  return FillPlaceholders(patterns.elevatedMessage, {ProgramFileName(program)});
}
