#include "monitor/hook_library.h"

#include "base/wide.h"
#include "platform/proc_address.h"

bool HookLibrary::Bind(const Text& programFolder) {
  // Only ever by its full path: a bare name would leave the choice to the library search.
  if (programFolder.empty()) return false;
  module_ = LoadLibraryW(Wide(programFolder + u"KBHook.dll"));
  if (module_ == nullptr) return false;
  install_ = ProcAddress<InstallFn>(module_, "installmousehook");
  remove_ = ProcAddress<RemoveFn>(module_, "removemousehook");
  enable_ = ProcAddress<EnableFn>(module_, "enablemousehook");
  return true;
}

void HookLibrary::Enable(int on) const {
  if (enable_ != nullptr) enable_(on);
}

void HookLibrary::Install(HWND reportWindow) const {
  if (install_ != nullptr) install_(reportWindow);
}

void HookLibrary::Remove() const {
  if (remove_ != nullptr) remove_();
}
