#pragma once
// The profile properties dialog's browse step: the system open-file dialog for a program file,
// starting on the desktop with ".exe" in the name field.

#include <windows.h>

#include "base/text.h"

// The chosen file's full path, or empty when the user cancelled. owner is the window the file
// dialog is modal to: while it is open, the dialog behind it takes no clicks.
Text ChooseExeFile(HWND owner);

// Puts the chosen path into the edit field; a cancelled choice leaves the field as it was.
void RunExeFileChooser(HWND owner, HWND editField);
