#pragma once
// What a skinned window reads from its skin description ("skin_<window>.ini" in the skin folder):
// five full-window pictures and the positions of its controls.

#include <windows.h>

#include <functional>
#include <vector>

#include "base/text.h"
#include "skin/button_pos.h"

// The folder of skin descriptions and the pictures they name: ProgramFolder() + "skins\" unless
// set. Set once, before the first skinned window reads its description (tests point it at a
// folder of their own).
Text SkinFolder();
void SetSkinFolder(const Text& folder);

// The four full-window pictures from which controls take their looks; they belong to the window
// and live until it is destroyed (SkinDescription), so controls may draw straight from them.
struct SkinStateImages {
  HBITMAP normal = nullptr;
  HBITMAP over = nullptr;
  HBITMAP down = nullptr;
  HBITMAP disable = nullptr;
};

// One control of a window, in the window's own order: the number of its "BUTTONPOS" key and what
// makes it. The creator receives the parsed entry (all zero when the key is absent) and the four
// state pictures; it creates the control as a visible child with control id 0 at the entry's
// rectangle, takes the looks it needs from the pictures (they are deleted when the window is
// destroyed, never selected into a context beyond one drawing call) and sets any caption. A creator
// may ignore the pictures (edit fields, lists) or the text.
struct SkinControl {
  int key = 0;
  std::function<void(const ButtonPosEntry& entry, const SkinStateImages& images)> create;
};

// The entry's rectangle, in the window's client coordinates.
inline RECT RectOf(const ButtonPosEntry& entry) {
  return RECT{entry.left, entry.top, entry.right, entry.bottom};
}

// What a window holds after its initialisation.
struct SkinDescription {
  HBITMAP mask = nullptr;               // owned by the window for its life: the shape comes from it
  HBITMAP background = nullptr;         // the "Normal" picture, owned by the window: painted as is
  SIZE size{0, 0};                      // of the background
  std::vector<ButtonPosEntry> entries;  // one per control, in the window's order
  // The other state pictures, owned by the window: its controls draw their looks from them.
  HBITMAP over = nullptr;
  HBITMAP down = nullptr;
  HBITMAP disable = nullptr;

  // The state pictures as the controls receive them.
  SkinStateImages StateImages() const { return {background, over, down, disable}; }
  // Deletes every picture the window owns.
  void Release();
};
