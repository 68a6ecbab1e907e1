#pragma once
// The configurator's macro library: the list of named macros kept in config\sequence.dat, the
// single-macro .macro exchange files, and keeping the library in step with the macro copies that
// buttons carry.
//
// Both files are INI files with section "Macros"; each record is one 268-byte struct value
// (hexadecimal digits and a checksum). The library file holds "number" and the records under "0"
// to "number - 1"; a .macro file holds one record under "0".

#include <cstdint>
#include <vector>

#include "base/file_store.h"
#include "base/text.h"
#include "option/macros/macro_record.h"
#include "settings/private_profile.h"
#include "settings/settings_block.h"

using MacroLibrary = std::vector<MacroRecord>;

inline constexpr char16_t kMacroSection[] = u"Macros";
inline constexpr char16_t kMacroCountKey[] = u"number";
inline constexpr char16_t kMacroFileKey[] = u"0";

// Longest name a record holds: the field keeps its terminator.
inline constexpr int kMaxMacroNameChars = kMacroNameLength - 1;

// Reading stops after this many record keys in a row yield no record. The library file is only
// ever written with consecutive keys, so a gap this long means the stated count is wrong (a
// damaged "number" of 2000000000 would otherwise mean two billion reads); the work and memory of a
// load are thus bounded by the records actually present.
inline constexpr int kMaxMissingRecordsInRow = 64;

struct MacroLoadReport {
  int32_t statedCount = -1;  // "number" as read; -1 without a file
  int loaded = 0;
  int skipped = 0;            // keys read that were missing or failed the checksum
  bool stoppedEarly = false;  // the gap rule ended the read before the stated count
};

// Appends the records of the library file to `library`. Missing or damaged records are skipped;
// every record taken has a terminated name and an event count of 0 to 40.
MacroLoadReport LoadMacroLibrary(MacroLibrary& library, const Text& path, PrivateProfile& ini);

enum class MacroSaveResult : uint8_t {
  kSaved,
  kWriteFailed,  // the old file is untouched
};

// Rewrites the library file from `library`, whole (see SettingsFileEdit): a failure at any step
// keeps the previous library file.
[[nodiscard]] MacroSaveResult SaveMacroLibrary(const MacroLibrary& library, const Text& path,
                                               FileStore& files = SystemFileStore());

// The name as lookups compare it: without surrounding white space.
TextView MacroLookupName(TextView name);

// Position of the first record whose name matches (without regard to case or surrounding white
// space on either side), or -1.
int FindMacroIndex(const MacroLibrary& library, TextView name);
inline bool FindMacroByName(const MacroLibrary& library, TextView name) {
  return FindMacroIndex(library, name) >= 0;
}

// The macro name a button carries, never longer than a record's name field holds.
TextView ButtonMacroName(const ButtonAssignment& assignment);

struct MacroMatch {
  int index = -1;          // first record with the button's macro name, or -1
  bool identical = false;  // count, repeat count and every used event equal
};
MacroMatch MatchButtonMacro(const MacroLibrary& library, const ButtonAssignment& assignment);

// A record built from a button's macro: name, repeat count, count and used events; the rest zero.
MacroRecord MacroRecordOfButton(const ButtonAssignment& assignment);

// Brings the library up to date with the macros of every button of every profile (slots 0 to 4,
// buttons 0 to 14): unknown names are appended, differing ones overwritten by the button's copy.
// Returns the number of records added or overwritten.
int MergeButtonMacros(MacroLibrary& library, const SharedSettingsBlock& edited);

// After the macro manager's OK: each macro of `edited` whose events or repeat count differ from
// the macro of that name in `before` (a name new to the library counts as changed) is copied into
// every button of the five profiles that carries its name, so that the merge at the next start
// finds the buttons agreeing with the library instead of bringing the old macro back. Each button
// changed is marked in ButtonChanged for the next apply to publish. Returns the buttons changed.
int CopyChangedMacrosToButtons(const MacroLibrary& before, const MacroLibrary& edited,
                               SharedSettingsBlock& block);

// The name an imported macro takes: its own when free, otherwise the first free "name1", "name2",
// ...; the name is cut so that name and number fit the 49-character field.
Text ImportedMacroName(const MacroLibrary& library, TextView name);

// Reads the record of a .macro file. False (and `record` untouched) when the file cannot be
// opened or its record is missing or damaged; a record taken is normalised like a library record.
bool ReadMacroFile(const Text& path, PrivateProfile& ini, MacroRecord* record);

// Appends an imported record under its import name; returns its position.
int AddImportedMacro(MacroLibrary& library, MacroRecord record);

// Writes one record as a .macro file, whole: the chosen file is replaced only by a complete new
// one.
[[nodiscard]] MacroSaveResult ExportMacroFile(const MacroRecord& record, const Text& path,
                                              FileStore& files = SystemFileStore());

// A record as loaded: terminated name, event count limited to 0 to 40.
void NormaliseMacroRecord(MacroRecord& record);
