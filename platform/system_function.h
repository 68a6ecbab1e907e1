#pragma once
// A function of a system library that the program does not import, so that the library is only
// loaded (from the system folder) when the function is first called: every imported library is
// loaded and started before the program's first line runs, whether or not the run ever needs it.

#include <windows.h>

#include "platform/library_search.h"
#include "platform/proc_address.h"

// The export `name` of the system library `library`, loading the library on first need; it stays
// loaded for the rest of the run. Null when the library or the export is missing, which callers
// treat as the call failing.
template <typename Fn>
[[nodiscard]] Fn SystemFunction(const wchar_t* library, const char* name) {
  HMODULE module = GetModuleHandleW(library);
  if (module == nullptr) module = LoadSystemLibrary(library);
  return module != nullptr ? ProcAddress<Fn>(module, name) : nullptr;
}
