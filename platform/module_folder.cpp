#include "platform/module_folder.h"

#include <vector>

#include "base/wide.h"

Text RunningModulePath() {
  // Installation folders may be deeper than MAX_PATH; grow until the whole path fits.
  std::vector<wchar_t> buffer(MAX_PATH);
  while (buffer.size() <= 32768) {
    DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) return Text();
    if (n < buffer.size()) return FromWide(buffer.data(), n);
    buffer.resize(buffer.size() * 2);
  }
  return Text();
}

Text ProgramFolder() {
  return FolderOfModulePath(RunningModulePath());
}
