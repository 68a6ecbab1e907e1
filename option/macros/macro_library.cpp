#include "option/macros/macro_library.h"

#include <algorithm>
#include <cstring>

#include "base/file_paths.h"
#include "settings/function_codes.h"
#include "settings/ini_file.h"
#include "settings/settings_file_edit.h"

namespace {

const Text kSection(kMacroSection);

bool SameEvents(const MacroEvent* a, const MacroEvent* b, int count) {
  for (int i = 0; i < count; ++i) {
    if (a[i].code != b[i].code || a[i].action != b[i].action || a[i].delay != b[i].delay) {
      return false;
    }
  }
  return true;
}

// Writes the records under consecutive keys (and the count when asked) in place of the section's
// old keys, and puts the file in place whole.
MacroSaveResult WriteWholeFile(const MacroRecord* records, size_t count, bool withCount,
                               const Text& path, FileStore& files) {
  SettingsFileEdit file(path, files);
  file.RemoveKeys(kSection);
  if (withCount) file.WriteInt(kSection, Text(kMacroCountKey), static_cast<int32_t>(count));
  for (size_t i = 0; i < count; ++i) {
    file.WriteStruct(kSection, FormatInt(static_cast<int32_t>(i)), &records[i],
                     sizeof(MacroRecord));
  }
  return file.Commit() ? MacroSaveResult::kSaved : MacroSaveResult::kWriteFailed;
}

bool SameMacro(const MacroRecord& a, const MacroRecord& b) {
  const int count = UsedEventCount(a);
  return count == UsedEventCount(b) && a.repeatCount == b.repeatCount &&
         SameEvents(a.events, b.events, count);
}

int CountDigits(int value) {
  int digits = 1;
  while (value >= 10) {
    value /= 10;
    ++digits;
  }
  return digits;
}

}  // namespace

void NormaliseMacroRecord(MacroRecord& record) {
  record.name[kMaxMacroNameChars] = u'\0';
  record.eventCount = UsedEventCount(record);
}

MacroLoadReport LoadMacroLibrary(MacroLibrary& library, const Text& path, PrivateProfile& ini) {
  const IniFile file(path, ini);
  MacroLoadReport report;
  report.statedCount = file.ReadInt(kSection, Text(kMacroCountKey), -1);
  int missingInRow = 0;
  for (int32_t i = 0; i < report.statedCount; ++i) {
    if (missingInRow >= kMaxMissingRecordsInRow) {
      report.stoppedEarly = true;
      break;
    }
    MacroRecord record{};
    if (!file.ReadStruct(kSection, FormatInt(i), &record, sizeof record)) {
      ++report.skipped;
      ++missingInRow;
      continue;
    }
    missingInRow = 0;
    NormaliseMacroRecord(record);
    library.push_back(record);
    ++report.loaded;
  }
  return report;
}

MacroSaveResult SaveMacroLibrary(const MacroLibrary& library, const Text& path, FileStore& files) {
  return WriteWholeFile(library.data(), library.size(), true, path, files);
}

TextView MacroLookupName(TextView name) {
  return TrimProfileSpace(name);
}

int FindMacroIndex(const MacroLibrary& library, TextView name) {
  const TextView wanted = MacroLookupName(name);
  for (size_t i = 0; i < library.size(); ++i) {
    if (EqualsIgnoreCase(MacroLookupName(FieldText(library[i].name)), wanted)) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

TextView ButtonMacroName(const ButtonAssignment& assignment) {
  const TextView name = FieldText(assignment.macroName);
  return name.substr(0, kMaxMacroNameChars);
}

MacroMatch MatchButtonMacro(const MacroLibrary& library, const ButtonAssignment& assignment) {
  MacroMatch match;
  match.index = FindMacroIndex(library, ButtonMacroName(assignment));
  if (match.index < 0) return match;
  const MacroRecord& record = library[static_cast<size_t>(match.index)];
  const int count = UsedEventCount(assignment);
  match.identical = record.eventCount == count && record.repeatCount == assignment.repeatCount &&
                    SameEvents(record.events, assignment.events, count);
  return match;
}

MacroRecord MacroRecordOfButton(const ButtonAssignment& assignment) {
  MacroRecord record{};
  CopyToField(record.name, ButtonMacroName(assignment));
  record.repeatCount = assignment.repeatCount;
  record.eventCount = UsedEventCount(assignment);
  std::copy_n(assignment.events, record.eventCount, record.events);
  return record;
}

int MergeButtonMacros(MacroLibrary& library, const SharedSettingsBlock& edited) {
  int changes = 0;
  for (const ProfileSettings& profile : edited.profiles) {
    for (const ButtonAssignment& button : profile.MacroKeyInfo) {
      if (button.functionCode != kFunctionMacro) continue;
      if (MacroLookupName(ButtonMacroName(button)).empty()) continue;
      const MacroMatch match = MatchButtonMacro(library, button);
      if (match.index < 0) {
        library.push_back(MacroRecordOfButton(button));
        ++changes;
      } else if (!match.identical) {
        // The library's name (and its spelling) stays; the macro itself follows the button.
        MacroRecord& record = library[static_cast<size_t>(match.index)];
        std::memcpy(record.events, button.events, sizeof record.events);
        record.eventCount = UsedEventCount(button);
        record.repeatCount = button.repeatCount;
        ++changes;
      }
    }
  }
  return changes;
}

int CopyChangedMacrosToButtons(const MacroLibrary& before, const MacroLibrary& edited,
                               SharedSettingsBlock& block) {
  int changes = 0;
  for (int slot = 0; slot < kProfileCount; ++slot) {
    for (int b = 0; b < kButtonCount; ++b) {
      ButtonAssignment& button = block.profiles[slot].MacroKeyInfo[b];
      if (button.functionCode != kFunctionMacro) continue;
      const MacroMatch match = MatchButtonMacro(edited, button);
      if (match.index < 0 || match.identical) continue;
      const MacroRecord& record = edited[static_cast<size_t>(match.index)];
      const int old = FindMacroIndex(before, FieldText(record.name));
      // A button that differs from a macro the user left alone keeps its own copy: the merge at
      // start decides between those, not an OK that changed nothing.
      if (old >= 0 && SameMacro(before[static_cast<size_t>(old)], record)) continue;
      std::memcpy(button.events, record.events, sizeof button.events);
      button.eventCount = static_cast<uint16_t>(UsedEventCount(record));
      button.repeatCount = record.repeatCount;
      block.ButtonChanged[slot][b] = 1;
      ++changes;
    }
  }
  return changes;
}

Text ImportedMacroName(const MacroLibrary& library, TextView name) {
  const TextView own = name.substr(0, kMaxMacroNameChars);
  if (!FindMacroByName(library, own)) return Text(own);
  // A library name can block at most one candidate per number length, so one of the first
  // 10 * size + 1 candidates is always free; the bound only documents that.
  const int64_t last = 10 * static_cast<int64_t>(library.size()) + 1;
  for (int32_t n = 1; n <= last; ++n) {
    const Text number = FormatInt(n);
    const size_t room = static_cast<size_t>(kMaxMacroNameChars - CountDigits(n));
    Text base(own.substr(0, room));
    // Never end a cut name on the first half of a surrogate pair.
    if (own.size() > room && !base.empty() && base.back() >= 0xD800 && base.back() <= 0xDBFF) {
      base.pop_back();
    }
    Text candidate = base + number;
    if (!FindMacroByName(library, candidate)) return candidate;
  }
  return Text(own);  // unreachable: see the bound above
}

bool ReadMacroFile(const Text& path, PrivateProfile& ini, MacroRecord* record) {
  if (!CanOpenForReading(path)) return false;
  MacroRecord read{};
  if (!IniFile(path, ini).ReadStruct(kSection, Text(kMacroFileKey), &read, sizeof read)) {
    return false;
  }
  NormaliseMacroRecord(read);
  *record = read;
  return true;
}

int AddImportedMacro(MacroLibrary& library, MacroRecord record) {
  CopyToField(record.name, ImportedMacroName(library, FieldText(record.name)));
  library.push_back(record);
  return static_cast<int>(library.size()) - 1;
}

MacroSaveResult ExportMacroFile(const MacroRecord& record, const Text& path, FileStore& files) {
  // A .macro file holds its record under "0" and no count.
  return WriteWholeFile(&record, 1, false, path, files);
}
