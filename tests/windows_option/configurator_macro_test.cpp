// Macros in the function menu: the library in config\sequence.dat is listed in the macro
// submenu; choosing one gives the button a copy of it, which the apply stores, and the menu then
// shows that macro checked.

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "option/macros/macro_library.h"
#include "platform/win32_private_profile.h"
#include "settings/catalogue.h"
#include "skin/owner_menu_layout.h"
#include "tests/support/temp_dir.h"
#include "tests/windows_option/configurator_steps.h"
#include "tests/windows_option/option_process.h"
#include "tests/windows_support/pump.h"

namespace {

MacroRecord Macro(const char16_t* name, int32_t repeats, int32_t events) {
  MacroRecord record;
  std::memset(&record, 0, sizeof record);
  CopyToField(record.name, name);
  record.repeatCount = repeats;
  record.eventCount = events;
  for (int i = 0; i < events; ++i) {
    record.events[i] = MacroEvent{static_cast<uint8_t>(4 + i / 2),
                                  static_cast<uint8_t>(i % 2 == 0 ? kMacroPress : kMacroRelease),
                                  static_cast<uint16_t>(10 * (i + 1))};
  }
  return record;
}

// Pixels of an entry drawn in the checked text colour.
int CheckedTextPixels(const RECT& entry) {
  const ScreenPixels pixels = CaptureScreen(entry);
  const uint8_t blue = kMenuCheckedTextColour >> 16 & 0xFF;
  const uint8_t green = kMenuCheckedTextColour >> 8 & 0xFF;
  const uint8_t red = kMenuCheckedTextColour & 0xFF;
  int count = 0;
  for (size_t i = 0; i + 3 < pixels.bytes.size(); i += 4) {
    const uint8_t* p = &pixels.bytes[i];
    if (std::abs(p[0] - blue) < 24 && std::abs(p[1] - green) < 24 && std::abs(p[2] - red) < 24) {
      ++count;
    }
  }
  return count;
}

TEST(ConfiguratorMacros, ChosenMacroIsCopiedToTheButtonAndShownChecked) {
  TempDir dir;
  LayOutConfigurator(dir.path());
  WriteCatalogue(dir.path(), 0, 0, u"Macros");
  {
    const MacroLibrary library{Macro(u"Alpha", 2, 2), Macro(u"Beta", 3, 4)};
    ASSERT_EQ(SaveMacroLibrary(library, MacroLibraryPath(Folder(dir.path()))),
              MacroSaveResult::kSaved);
  }
  OptionProcess option(dir.path());
  ASSERT_TRUE(option.Start());

  constexpr int kButton = 4;
  constexpr int kBetaEntry = 3;  // manager, separator, Alpha, Beta
  HWND submenu = OpenMacroSubmenu(option, kButton);
  ASSERT_NE(submenu, nullptr);
  const RECT beta = MacroSubmenuEntry(submenu, kBetaEntry);
  ClickAt(POINT{(beta.left + beta.right) / 2, (beta.top + beta.bottom) / 2 + 2});
  ASSERT_TRUE(PumpUntil([] { return OpenMenuWindow() == nullptr; }, kWaitMs));
  ASSERT_TRUE(option.WaitUntilIdle());
  ClickControl(option.window(), dir.path(), kApplyKey);
  ASSERT_TRUE(option.WaitUntilIdle());

  auto stored = ReadSlot(dir.path(), 0);
  const ButtonAssignment& assignment = stored->MacroKeyInfo[kButton];
  EXPECT_EQ(assignment.functionCode, 16);
  EXPECT_EQ(FieldText(assignment.macroName), u"Beta");
  EXPECT_EQ(assignment.repeatCount, 3);
  ASSERT_EQ(assignment.eventCount, 4);
  EXPECT_EQ(assignment.events[3].delay, 40);

  // Opened again on the same button: Beta is checked, Alpha is not.
  submenu = OpenMacroSubmenu(option, kButton);
  ASSERT_NE(submenu, nullptr);
  ParkPointer();
  ASSERT_TRUE(option.WaitUntilIdle());
  RECT window{}, root{}, popup{};
  GetWindowRect(option.window(), &window);
  GetWindowRect(OpenMenuWindow(), &root);
  GetWindowRect(submenu, &popup);
  UnionRect(&window, &window, &root);
  UnionRect(&window, &window, &popup);
  SaveScreenPicture(window, "option_function_menu_macros");
  EXPECT_GT(CheckedTextPixels(MacroSubmenuEntry(submenu, kBetaEntry)), 10);
  EXPECT_EQ(CheckedTextPixels(MacroSubmenuEntry(submenu, 2)), 0);
  keybd_event(VK_ESCAPE, 0, 0, 0);
  keybd_event(VK_ESCAPE, 0, KEYEVENTF_KEYUP, 0);
  keybd_event(VK_ESCAPE, 0, 0, 0);
  keybd_event(VK_ESCAPE, 0, KEYEVENTF_KEYUP, 0);
  EXPECT_TRUE(PumpUntil([] { return OpenMenuWindow() == nullptr; }, kWaitMs));
}

}  // namespace
