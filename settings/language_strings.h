#pragma once
// Numbered user-visible texts, read from the language library lan.dll beside the programs.
//
// One library handle per process. Without the library every text is empty and everything else
// keeps working, so callers never check whether it loaded. Main thread only, like all callers.

#include <cstdint>

#include "base/text.h"

// Loads programFolder + "lan.dll" (the folder ends with a backslash; one is added when missing) as
// a resource file: none of its code runs.
// Does nothing and reports true while a library is already loaded. False when it cannot be loaded.
bool LoadLanguageLibrary(const Text& programFolder);

// Unloads the library; afterwards every text is empty until it is loaded again.
void FreeLanguageLibrary();

// The text of one id, at most 259 characters; empty without a library or for an id it lacks.
Text LanguageString(uint16_t id);
