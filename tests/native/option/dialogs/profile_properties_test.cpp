#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "option/dialogs/confirm_dialog_placement.h"
#include "option/dialogs/profile_properties_fields.h"

namespace {

std::unique_ptr<ProfileSettings> NamedProfile(const char16_t* name, const char16_t* gameFile) {
  auto profile = std::make_unique<ProfileSettings>();
  std::memset(profile.get(), 0, sizeof *profile);
  CopyToField(profile->ProFileName, name);
  CopyToField(profile->GameFile, gameFile);
  return profile;
}

TEST(ProfilePropertiesFields, BlankModeDecidesWhatTheFieldsShow) {
  const auto profile = NamedProfile(u"Shooter", u"C:\\Games\\shoot.exe");
  const struct {
    int32_t mode;
    const char16_t* name;
    const char16_t* gameFile;
  } rows[] = {
      {kPropertiesFilled, u"Shooter", u"C:\\Games\\shoot.exe"},
      {kPropertiesEmpty, u"", u""},
      {7, u"", u""},
      {-1, u"", u""},
  };
  for (const auto& r : rows) {
    const ProfilePropertiesFields fields = InitialPropertiesFields(*profile, r.mode);
    EXPECT_EQ(fields.name, r.name) << "mode " << r.mode;
    EXPECT_EQ(fields.gameFile, r.gameFile) << "mode " << r.mode;
  }
}

TEST(ProfilePropertiesFields, ConfirmedEmptyFieldsClearTheRecord) {
  auto profile = NamedProfile(u"Old name", u"C:\\old.exe");
  const ProfilePropertiesFields empty = InitialPropertiesFields(*profile, kPropertiesEmpty);
  ASSERT_EQ(WriteConfirmedProperties(*profile, empty), PropertiesVerdict::kAccepted);
  // Cleared to the last byte, so that the saved file and the published block hold no rest.
  const char16_t zeroName[250] = {};
  const char16_t zeroFile[500] = {};
  EXPECT_EQ(std::memcmp(profile->ProFileName, zeroName, sizeof zeroName), 0);
  EXPECT_EQ(std::memcmp(profile->GameFile, zeroFile, sizeof zeroFile), 0);
}

TEST(ProfilePropertiesFields, LengthsAtAndBeyondTheRecordFields) {
  const Text fullName(kProfileNameCapacity, u'n');
  const Text fullPath = u"C:\\" + Text(kGameFileCapacity - 7, u'p') + u".exe";
  ASSERT_EQ(fullPath.size(), kGameFileCapacity);
  const struct {
    const char* what;
    Text name;
    Text gameFile;
    PropertiesVerdict verdict;
  } rows[] = {
      {"both full", fullName, fullPath, PropertiesVerdict::kAccepted},
      {"name one over", fullName + u'n', u"C:\\a.exe", PropertiesVerdict::kNameTooLong},
      {"path one over", u"Name", fullPath + u'e', PropertiesVerdict::kGameFileTooLong},
      {"both over", fullName + u'n', fullPath + u'e', PropertiesVerdict::kNameTooLong},
  };
  for (const auto& r : rows) {
    auto profile = NamedProfile(u"Kept", u"C:\\kept.exe");
    const PropertiesVerdict verdict =
        WriteConfirmedProperties(*profile, ProfilePropertiesFields{r.name, r.gameFile});
    EXPECT_EQ(verdict, r.verdict) << r.what;
    if (r.verdict == PropertiesVerdict::kAccepted) {
      EXPECT_EQ(FieldText(profile->ProFileName), r.name) << r.what;
      EXPECT_EQ(FieldText(profile->GameFile), r.gameFile) << r.what;
      EXPECT_EQ(profile->GameFile[kGameFileCapacity], u'\0') << r.what;
    } else {
      // A refused OK writes neither field: a cut path would name another program.
      EXPECT_EQ(FieldText(profile->ProFileName), u"Kept") << r.what;
      EXPECT_EQ(FieldText(profile->GameFile), u"C:\\kept.exe") << r.what;
    }
  }
}

TEST(ProfilePropertiesFields, NameLongerThanTheTypingLimitIsKeptWhole) {
  // A name read from a profile file may exceed what the field lets a user type; OK without an
  // edit must not shorten it.
  const Text longName = u"A name of thirty-two characters!";
  ASSERT_GT(longName.size(), static_cast<size_t>(kProfileNameTypingLimit));
  auto profile = NamedProfile(longName.c_str(), u"");
  const ProfilePropertiesFields shown = InitialPropertiesFields(*profile, kPropertiesFilled);
  ASSERT_EQ(WriteConfirmedProperties(*profile, shown), PropertiesVerdict::kAccepted);
  EXPECT_EQ(FieldText(profile->ProFileName), longName);
}

TEST(ExeChooser, InitialFileAndFilter) {
  EXPECT_EQ(ExeChooserInitialFile(u"C:\\Users\\me\\Desktop"), u"C:\\Users\\me\\Desktop\\.exe");
  EXPECT_EQ(ExeChooserInitialFile(u""), u"\\.exe");

  const Text filter = FileDialogFilter(u"exe file(*.exe)|*.EXE|");
  EXPECT_EQ(filter, Text(u"exe file(*.exe)\0*.EXE\0\0", 23));
  // A filter written without the closing bar still ends with the double zero.
  EXPECT_EQ(FileDialogFilter(u"a|*.a"), Text(u"a\0*.a\0\0", 7));
}

TEST(CentredOver, CentreThenInsideTheWorkArea) {
  const PixelRect work{0, 0, 1280, 770};
  const struct {
    const char* what;
    PixelRect owner;
    WindowCorner corner;
  } rows[] = {
      {"middle", {100, 100, 780, 550}, {215, 245}},
      {"odd sizes round down", {0, 0, 681, 451}, {115, 145}},
      {"off the right edge", {1000, 100, 1680, 550}, {830, 245}},
      {"off the bottom edge", {100, 600, 780, 1050}, {215, 610}},
      {"off the left and top", {-600, -400, 80, 50}, {0, 0}},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(CentredOver(r.owner, 450, 160, work), r.corner) << r.what;
  }
  // Larger than the work area: its top-left corner, so the title and buttons stay on screen.
  EXPECT_EQ(CentredOver({0, 0, 100, 100}, 2000, 1000, work), (WindowCorner{0, 0}));
  // A second monitor's work area right of the first.
  EXPECT_EQ(CentredOver({1300, 10, 1400, 60}, 450, 160, {1280, 0, 2560, 1024}),
            (WindowCorner{1280, 0}));
  // Extreme coordinates never overflow.
  EXPECT_EQ(CentredOver({INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}, 450, 160, work),
            (WindowCorner{0, 0}));
}

}  // namespace
