#pragma once
// Which profile a program in front asks for: the profiles name their program by its full path
// (GameFile), and the monitor acts on that profile while the program is in front.

#include <cstdint>
#include <optional>

#include "base/text.h"
#include "settings/settings_block.h"

// Whether a stored GameFile names the program at `imagePath`: whole paths compared without regard
// to case, '/' taken for '\', blanks and quotes around the stored text ignored (a path pasted
// from a shortcut keeps them). An empty GameFile names nothing.
[[nodiscard]] bool GameFileNames(TextView gameFile, TextView imagePath);

// The lowest slot whose GameFile names the program, or none.
[[nodiscard]] std::optional<int32_t> SlotNamingProgram(const SharedSettingsBlock& settings,
                                                       TextView imagePath);

// The slot to act on: the one the program in front names, else the user's chosen one
// (CurrentProfile as stored, which may be outside the slots). No path (the process is gone or
// could not be asked) means the chosen one.
struct ActiveSlotChoice {
  int32_t slot;
  bool byProgram;  // the program in front named it
};
[[nodiscard]] ActiveSlotChoice ChooseActiveSlot(const SharedSettingsBlock& settings,
                                                const std::optional<Text>& imagePath);

// The file name of a path, for the user's eyes ("game.exe").
[[nodiscard]] TextView ProgramFileName(TextView imagePath);
