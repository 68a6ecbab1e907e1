#include "settings/pointer_settings.h"

#include <gtest/gtest.h>

#include <cstring>

#include "settings/profile_defaults.h"
#include "tests/support/memory_registry.h"

namespace {

constexpr auto kUser = RegistryRoot::CurrentUser;

ProfileSettings Defaults() {
  ProfileSettings p;
  std::memset(&p, 0, sizeof p);
  SetProfileDefaults(p, 0);
  return p;
}

Text Mouse(const MemoryRegistry& r, const char16_t* name) {
  return r.Get(kUser, kMouseKey, name).value_or(u"<missing>");
}

TEST(WritePointerSettings, AccelerationRowChosenFromFlagAndLevel) {
  const struct {
    int32_t flag, level;
    const char16_t *speed, *t1, *t2;
  } rows[] = {
      {0, 12, u"0", u"0", u"0"},   // off: row 0 whatever the level
      {1, 25, u"2", u"4", u"5"},   // limited to row 19
      {1, -3, u"0", u"0", u"0"},   // negative: row 0
      {1, 8, u"1", u"6", u"0"},    //
      {1, 11, u"2", u"4", u"13"},  //
      {2, 4, u"1", u"10", u"0"},   // any flag but 0 counts as on
  };
  for (const auto& row : rows) {
    MemoryRegistry registry;
    ProfileSettings p = Defaults();
    p.AccelerationFlag = row.flag;
    p.Acceleration = row.level;
    EXPECT_EQ(WritePointerSettings(p, registry), 1);
    EXPECT_EQ(Mouse(registry, u"MouseSpeed"), row.speed) << row.flag << "/" << row.level;
    EXPECT_EQ(Mouse(registry, u"MouseThreshold1"), row.t1) << row.flag << "/" << row.level;
    EXPECT_EQ(Mouse(registry, u"MouseThreshold2"), row.t2) << row.flag << "/" << row.level;
  }
}

TEST(WritePointerSettings, ValuesAndOrder) {
  MemoryRegistry registry;
  ProfileSettings p = Defaults();
  p.DbleClickSpeed = 430;
  p.Orientation = 1;
  p.MouseSpeed = 14;
  p.ScrollWheelFlag = 1;
  p.ScrollWheelSpeed = 7;
  EXPECT_EQ(WritePointerSettings(p, registry), 1);
  const std::vector<std::string> expected = {
      "Control Panel\\Mouse\\DoubleClickSpeed=430",  "Control Panel\\Mouse\\SwapMouseButtons=1",
      "Control Panel\\Mouse\\MouseSensitivity=14",   "Control Panel\\Mouse\\MouseSpeed=0",
      "Control Panel\\Mouse\\MouseThreshold1=0",     "Control Panel\\Mouse\\MouseThreshold2=0",
      "Control Panel\\Desktop\\WheelScrollLines=-1",  // one screen per notch
  };
  EXPECT_EQ(registry.writes(), expected);
  EXPECT_EQ(registry.lastAccess(), kRegistryAllAccess);

  p.ScrollWheelFlag = 0;
  WritePointerSettings(p, registry);
  EXPECT_EQ(registry.Get(kUser, kDesktopKey, u"WheelScrollLines"), Text(u"7"));
}

TEST(WritePointerSettings, KeyThatCannotBeHadGivesMinusOne) {
  for (const char16_t* refused : {kMouseKey, kDesktopKey}) {
    MemoryRegistry registry;
    registry.Refuse(kUser, refused);
    EXPECT_EQ(WritePointerSettings(Defaults(), registry), -1);
  }
}

TEST(ReadPointerSettings, AccelerationFromRegistryValues) {
  const struct {
    const char16_t *speed, *t1, *t2;
    int32_t before, level, flag;
  } rows[] = {
      {u"1", u"6", u"0", 3, 8, 1},     // rows 1 to 8 match; the last wins
      {u"1", u"6", u"10", 12, 12, 1},  // Windows' usual values match no row: level kept
      {u"1", u"6", u"10", 2, 2, 1},    // ... and the flag follows the kept level
      {u"0", u"0", u"0", 15, 0, 0},   {u"2", u"4", u"5", 0, 19, 1}, {u"1", u"11", u"0", 0, 3, 1},
      {u"2", u"0", u"0", 0, 19, 1},  // thresholds below every row: the last row of speed 2
  };
  for (const auto& row : rows) {
    MemoryRegistry registry;
    registry.Set(kUser, kMouseKey, u"MouseSpeed", row.speed);
    registry.Set(kUser, kMouseKey, u"MouseThreshold1", row.t1);
    registry.Set(kUser, kMouseKey, u"MouseThreshold2", row.t2);
    ProfileSettings p = Defaults();
    p.Acceleration = row.before;
    EXPECT_EQ(ReadPointerSettings(p, registry), 1);
    const std::string values =
        TextToAscii(row.speed) + "," + TextToAscii(row.t1) + "," + TextToAscii(row.t2);
    EXPECT_EQ(p.Acceleration, row.level) << values;
    EXPECT_EQ(p.AccelerationFlag, row.flag) << values;
  }
}

// Loading and saving without an edit leaves every row as it was.
TEST(ReadPointerSettings, EveryRowReadIsTheRowWritten) {
  for (int r = 0; r < kAccelerationRowCount; ++r) {
    const AccelerationRow& row = kAccelerationTable[r];
    MemoryRegistry registry;
    registry.Set(kUser, kMouseKey, u"MouseSpeed", FormatInt(row.speed));
    registry.Set(kUser, kMouseKey, u"MouseThreshold1", FormatInt(row.threshold1));
    registry.Set(kUser, kMouseKey, u"MouseThreshold2", FormatInt(row.threshold2));
    ProfileSettings p = Defaults();
    ReadPointerSettings(p, registry);
    EXPECT_EQ(AccelerationRowToWrite(p), r);
  }
}

TEST(ReadPointerSettings, WheelLines) {
  const struct {
    const char16_t* stored;
    int32_t speed, flag;
  } rows[] = {{u"-1", 0, 1}, {u"3", 3, 0}, {u"12", 12, 0}, {u"0", 0, 0}};
  for (const auto& row : rows) {
    MemoryRegistry registry;
    registry.Set(kUser, kDesktopKey, u"WheelScrollLines", row.stored);
    ProfileSettings p = Defaults();
    ReadPointerSettings(p, registry);
    EXPECT_EQ(p.ScrollWheelSpeed, row.speed) << TextToAscii(row.stored);
    EXPECT_EQ(p.ScrollWheelFlag, row.flag) << TextToAscii(row.stored);
  }
}

TEST(ReadPointerSettings, SpeedAndDoubleClickAndSwapNeverRead) {
  MemoryRegistry registry;
  registry.Set(kUser, kMouseKey, u"DoubleClickSpeed", u"340");
  registry.Set(kUser, kMouseKey, u"MouseSensitivity", u"17");
  registry.Set(kUser, kMouseKey, u"SwapMouseButtons", u"1");
  ProfileSettings p = Defaults();
  ReadPointerSettings(p, registry);
  EXPECT_EQ(p.DbleClickSpeed, 340);
  EXPECT_EQ(p.MouseSpeed, 17);
  EXPECT_EQ(p.Orientation, 0) << "the orientation always comes from the profile file";
}

TEST(ReadPointerSettings, ResultCodes) {
  {
    MemoryRegistry registry;
    registry.Refuse(kUser, kMouseKey);
    ProfileSettings p = Defaults();
    EXPECT_EQ(ReadPointerSettings(p, registry), 0);
    EXPECT_EQ(p.DbleClickSpeed, 500) << "nothing read";
  }
  {
    MemoryRegistry registry;
    registry.Refuse(kUser, kDesktopKey);
    registry.Set(kUser, kMouseKey, u"DoubleClickSpeed", u"250");
    ProfileSettings p = Defaults();
    EXPECT_EQ(ReadPointerSettings(p, registry), -1);
    EXPECT_EQ(p.DbleClickSpeed, 250) << "the mouse values were still read";
  }
}

// Missing, oversized and non-text values give a defined number, never the previous value's text.
TEST(ReadRegistryNumber, DefinedForEveryValue) {
  MemoryRegistry registry;
  const Text fits(39, u'7');  // 39 characters + terminator = 80 bytes
  registry.Set(kUser, u"K", u"first", u"1234");
  registry.Set(kUser, u"K", u"fits", u"98" + Text(37, u' '));
  registry.Set(kUser, u"K", u"toolong", Text(40, u'5'));
  registry.Set(kUser, u"K", u"spaces", u"  -42abc");
  registry.Set(kUser, u"K", u"empty", u"");
  registry.SetBinary(kUser, u"K", u"binary");
  auto key = registry.OpenOrCreate(kUser, u"K", kRegistryAllAccess);
  const struct {
    const char16_t* name;
    int32_t expected;
  } rows[] = {{u"first", 1234}, {u"missing", 0},  {u"first", 1234},
              {u"toolong", 0},  {u"first", 1234}, {u"binary", 0},
              {u"fits", 98},    {u"spaces", -42}, {u"empty", 0}};
  for (const auto& row : rows) {
    EXPECT_EQ(ReadRegistryNumber(*key, row.name), row.expected) << TextToAscii(row.name);
  }
}

}  // namespace
