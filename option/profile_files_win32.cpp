#include "option/profile_files_win32.h"

#include "base/wide.h"

Text ChooseProfileFile(HWND owner, FileDialogKind kind, const Text& programFolder) {
  // "Gaming Mouse Profile(*.gmp)|*.gmp|" with the bars as the dialog's separators.
  return ChooseConfigFile(owner, kind, programFolder,
                          {L"Gaming Mouse Profile(*.gmp)\0*.gmp\0\0", L"gmp", u".gmp"});
}
