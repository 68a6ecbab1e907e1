#pragma once
// A copy of front_window.exe (built beside the tests) under the name a profile gives its game,
// started and brought to the front as the program a running monitor is to follow.

#include <windows.h>

#include <filesystem>

#include "base/text.h"

class FollowedProgram {
 public:
  FollowedProgram() = default;
  ~FollowedProgram();  // closes the program
  FollowedProgram(const FollowedProgram&) = delete;
  FollowedProgram& operator=(const FollowedProgram&) = delete;

  // Copies the program to `copy` and starts it; true once its window exists.
  bool Start(const std::filesystem::path& copy);
  // The copy's full path as a profile's GameFile names it (long names, as a file chooser gives).
  const Text& path() const { return path_; }
  HWND window() const;
  // Moves its window where it covers nothing the test looks at, without activating it.
  void MoveTo(int x, int y) const;

 private:
  Text path_;
  HANDLE process_ = nullptr;
};

// Brings `window` to the front and waits until it is; with `raiseEvent` also raises the
// foreground event that Wine 8 does not raise by itself. False when it never came to the front.
bool BringToFront(HWND window, bool raiseEvent);
