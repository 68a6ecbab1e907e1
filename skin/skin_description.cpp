#include "skin/skin_description.h"

#include "platform/module_folder.h"

namespace {

Text g_skinFolder;
bool g_skinFolderSet = false;

}  // namespace

Text SkinFolder() {
  if (!g_skinFolderSet) {
    g_skinFolder = ProgramFolder() + u"skins\\";
    g_skinFolderSet = true;
  }
  return g_skinFolder;
}

void SetSkinFolder(const Text& folder) {
  g_skinFolder = folder;
  if (!g_skinFolder.empty() && g_skinFolder.back() != u'\\' && g_skinFolder.back() != u'/')
    g_skinFolder += u'\\';
  g_skinFolderSet = true;
}

void SkinDescription::Release() {
  for (HBITMAP* picture : {&mask, &background, &over, &down, &disable}) {
    if (*picture != nullptr) DeleteObject(*picture);
    *picture = nullptr;
  }
}
