#include "settings/language_strings.h"

#include <windows.h>

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Text is passed to the wide Win32 functions");

namespace {

HMODULE g_languageLibrary = nullptr;

// The programs' text buffers hold 260 characters, so no text is longer than 259.
constexpr int kStringBufferChars = 260;

}  // namespace

bool LoadLanguageLibrary(const Text& programFolder) {
  if (g_languageLibrary != nullptr) return true;
  // An empty folder would leave a bare "lan.dll" to the DLL search path, which could pick up a
  // library from some other folder; the texts must come from beside the programs.
  if (programFolder.empty()) return false;
  Text path = programFolder;
  if (path.back() != u'\\' && path.back() != u'/') path += u'\\';
  path += u"lan.dll";
  // Mapped as resources only: the strings are all the programs take from it, so no code of a
  // replaced library ever runs inside them, and its imports are never resolved.
  g_languageLibrary = LoadLibraryExW(reinterpret_cast<const wchar_t*>(path.c_str()), nullptr,
                                     LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  return g_languageLibrary != nullptr;
}

void FreeLanguageLibrary() {
  if (g_languageLibrary == nullptr) return;
  FreeLibrary(g_languageLibrary);
  g_languageLibrary = nullptr;
}

Text LanguageString(uint16_t id) {
  // LoadStringW with a null module would read the calling program's own string table instead.
  if (g_languageLibrary == nullptr) return Text();
  wchar_t buffer[kStringBufferChars] = {};
  const int length = LoadStringW(g_languageLibrary, id, buffer, kStringBufferChars);
  if (length <= 0) return Text();
  // A table entry may hold an embedded zero; the text ends there, as it would in a C buffer.
  return Text(FieldText(reinterpret_cast<const char16_t*>(buffer), static_cast<size_t>(length)));
}
