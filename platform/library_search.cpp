#include "platform/library_search.h"

#include <string>

#include "platform/proc_address.h"

void RestrictLibrarySearch() {
  SetDllDirectoryW(L"");
  // Windows 7 has SetDefaultDllDirectories only with an update, so it is looked up.
  using SetDefaultFn = BOOL(WINAPI*)(DWORD);
  auto setDefault =
      ProcAddress<SetDefaultFn>(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories");
  if (setDefault != nullptr) setDefault(LOAD_LIBRARY_SEARCH_DEFAULT_DIRS);
}

HMODULE LoadSystemLibrary(const wchar_t* name) {
  wchar_t folder[MAX_PATH];
  const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  const std::wstring path = std::wstring(folder, length) + L"\\" + name;
  return LoadLibraryW(path.c_str());
}
