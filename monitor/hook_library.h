#pragma once
// The mouse-hook library beside the monitor, bound at run time. Any export may be missing; a
// missing one is simply not called.

#include <windows.h>

#include "base/text.h"

class HookLibrary {
 public:
  // Loads folder + "KBHook.dll" and looks up its three exports. False when it cannot be loaded or
  // the folder is empty.
  bool Bind(const Text& programFolder);
  void Enable(int on) const;
  void Install(HWND reportWindow) const;
  void Remove() const;

 private:
  using InstallFn = BOOL (*)(HWND);
  using RemoveFn = BOOL (*)();
  using EnableFn = void (*)(int);

  HMODULE module_ = nullptr;  // never unloaded: the hook may still be running inside it
  InstallFn install_ = nullptr;
  RemoveFn remove_ = nullptr;
  EnableFn enable_ = nullptr;
};
