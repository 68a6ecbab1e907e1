#include "option/profile_export.h"

#include "settings/profile_file.h"

namespace {

// Passes every call on and remembers whether a write failed; the profile writer itself ignores
// write results.
class WriteFailureWatch : public PrivateProfile {
 public:
  explicit WriteFailureWatch(PrivateProfile& inner) : inner_(inner) {}

  uint32_t GetString(const Text& section, const Text& key, const Text& fallback, char16_t* buffer,
                     uint32_t size, const Text& path) override {
    return inner_.GetString(section, key, fallback, buffer, size, path);
  }
  bool WriteString(const Text& section, const Text& key, const Text& value,
                   const Text& path) override {
    return Noted(inner_.WriteString(section, key, value, path));
  }
  uint32_t GetInt(const Text& section, const Text& key, int32_t fallback,
                  const Text& path) override {
    return inner_.GetInt(section, key, fallback, path);
  }
  bool GetStruct(const Text& section, const Text& key, void* buffer, uint32_t size,
                 const Text& path) override {
    return inner_.GetStruct(section, key, buffer, size, path);
  }
  bool WriteStruct(const Text& section, const Text& key, const void* buffer, uint32_t size,
                   const Text& path) override {
    return Noted(inner_.WriteStruct(section, key, buffer, size, path));
  }

  bool AllWritten() const { return allWritten_; }

 private:
  bool Noted(bool written) {
    allWritten_ = allWritten_ && written;
    return written;
  }

  PrivateProfile& inner_;
  bool allWritten_ = true;
};

}  // namespace

Text ExportTemporaryPath(const Text& targetPath) {
  return targetPath + u".export";
}

ExportFileResult ExportProfileFile(ProfileFileOperations& files, const ProfileSettings& profile,
                                   const Text& targetPath, PrivateProfile& ini) {
  const Text temporary = ExportTemporaryPath(targetPath);
  // The writer adds keys to whatever the file holds: a leftover file must not lend its keys.
  files.Delete(temporary);
  WriteFailureWatch watch(ini);
  SaveProfile(profile, temporary, watch);
  if (!watch.AllWritten()) {
    files.Delete(temporary);
    return ExportFileResult::kWriteFailed;
  }
  if (!files.Replace(temporary, targetPath)) {
    files.Delete(temporary);
    return ExportFileResult::kReplaceFailed;
  }
  return ExportFileResult::kWritten;
}
