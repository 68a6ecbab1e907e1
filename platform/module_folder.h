#pragma once
// The installation folder: the folder of the running program's file.

#include "base/file_paths.h"
#include "base/text.h"

// The running program's path (GetModuleFileNameW), empty when the call fails.
Text RunningModulePath();

// FolderOfModulePath(RunningModulePath()): empty when the call fails, so that paths are then
// relative to the working folder.
Text ProgramFolder();
