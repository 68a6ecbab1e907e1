#pragma once
// The two confirmation dialogs the macro manager shows, behind one name each.

#include <windows.h>

// Before the selected macro is deleted: true only when the user confirmed.
bool ConfirmMacroDeletion(HWND owner);
// A macro command given while no macro is selected: it is not carried out.
void WarnNoMacroSelected(HWND owner);
