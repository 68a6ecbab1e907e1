#pragma once
// An export of a library loaded at run time, as the function type the caller expects; null when
// the library lacks it.

#include <windows.h>

template <typename Fn>
Fn ProcAddress(HMODULE module, const char* name) {
  // Through void(*)() so that the compiler accepts the change of function type.
  return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}
