#pragma once
// The tray's words about the active profile: its tip, the notice of an automatic switch and the
// warning about a program that runs as administrator. Patterns come from the language library,
// each "%s" standing for the next argument.

#include <cstdint>
#include <initializer_list>

#include "base/text.h"
#include "settings/settings_block.h"

struct ProfileNoticePatterns {
  Text tip;              // the tray tip without a profile
  Text tipProfile;       // "%s": profile
  Text tipByProgram;     // "%s": profile, "%s": program
  Text noticeTitle;      // the title of a switch notice
  Text noticeByProgram;  // "%s": program, "%s": profile
  Text noticeChosen;     // "%s": profile
  Text elevatedTitle;    // the title of the administrator warning
  Text elevatedMessage;  // "%s": program
};

// Each "%s" of the pattern in turn becomes the next argument; surplus ones stay as they are.
[[nodiscard]] Text FillPlaceholders(TextView pattern, std::initializer_list<TextView> arguments);

// The slot's name as the user gave it, or its number when the name is empty; empty for a slot
// outside 0 to 4.
[[nodiscard]] Text ProfileDisplayName(const SharedSettingsBlock& settings, int32_t slot);

// The tip: the general line, then the active profile and, when the program in front chose it,
// that program's file name.
[[nodiscard]] Text ActiveProfileTip(const ProfileNoticePatterns& patterns,
                                    const SharedSettingsBlock& settings, int32_t activeSlot,
                                    TextView programChoosing);

// The notice of an automatic switch: to the profile the program in front names, or back to the
// chosen one (empty `programChoosing`).
[[nodiscard]] Text SwitchNotice(const ProfileNoticePatterns& patterns,
                                const SharedSettingsBlock& settings, int32_t activeSlot,
                                TextView programChoosing);

[[nodiscard]] Text ElevatedProgramNotice(const ProfileNoticePatterns& patterns, TextView program);
