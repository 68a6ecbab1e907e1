#pragma once
// Where the programs load libraries from. A library dropped into the working folder, or any other
// folder on the search path, must never be loaded in place of a system library.

#include <windows.h>

// Takes the working folder out of the process's library search and, where the system has it,
// limits the search to the program's folder and the system folder. Called first thing at start.
void RestrictLibrarySearch();

// Loads the named library from the system folder only; null when it is not there.
[[nodiscard]] HMODULE LoadSystemLibrary(const wchar_t* name);
