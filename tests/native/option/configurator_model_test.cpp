#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <filesystem>
#include <memory>

#include "base/file_paths.h"
#include "bridge/change_flags.h"
#include "option/configurator_model.h"
#include "settings/pointer_settings.h"
#include "settings/profile_defaults.h"
#include "settings/profile_file.h"
#include "tests/support/memory_registry.h"
#include "tests/support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

std::unique_ptr<SharedSettingsBlock> DefaultImage() {
  auto image = std::make_unique<SharedSettingsBlock>();
  ResetSettingsBlock(*image);
  SetAllDefaults(*image);
  return image;
}

bool Same(const SharedSettingsBlock& a, const SharedSettingsBlock& b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

// The monitor's block: there while the monitor runs, unreadable while its lock is held elsewhere.
class FakeBlockSource : public BlockSource {
 public:
  bool Open() override {
    open = monitorRuns;
    return open;
  }
  bool IsOpen() const override { return open; }
  void Reopen() override {
    ++reopens;
    open = monitorRuns;
  }
  bool ReadBlock(SharedSettingsBlock& image) override {
    if (!open || lockBusy) return false;
    image = *block;
    return true;
  }

  std::unique_ptr<SharedSettingsBlock> block = DefaultImage();
  bool monitorRuns = true;
  bool lockBusy = false;
  bool open = false;
  int reopens = 0;
};

class FakeMacroStore : public MacroLibraryStore {
 public:
  void Load() override { ++loads; }
  bool MergeButtonMacrosAndSave(const SharedSettingsBlock& edited) override {
    mergedSlot = edited.CurrentProfile;
    ++merges;
    return true;
  }
  bool Save() override { return true; }
  void Free() override {}
  MacroSaveResult SaveEdited(const MacroLibrary&) override { return MacroSaveResult::kSaved; }
  std::span<const MacroRecord> Macros() const override { return {}; }

  int loads = 0;
  int merges = 0;
  int32_t mergedSlot = -2;
};

class FakeTargets : public ApplyTargets {
 public:
  void WriteSharedBlock(const SharedSettingsBlock& image) override { *published = image; }
  bool SaveAllSettings(const SharedSettingsBlock&) override { return filesSaved; }
  void NotifyMonitor() override {}
  bool SaveMacroLibrary() override { return true; }

  std::unique_ptr<SharedSettingsBlock> published = std::make_unique<SharedSettingsBlock>();
  bool filesSaved = true;
};

class ConfiguratorModelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directory(dir.path() / "config");
    CopyToField(source.block->profiles[2].ProFileName, u"FromBlock");
    source.block->CurrentProfile = 2;
  }
  // Started with the monitor's block, and an edit the user has not applied.
  void StartWithUnappliedEdit() {
    ASSERT_TRUE(model.Start());
    CopyToField(model.edited().profiles[2].ProFileName, u"Unapplied");
  }
  Text Name(int slot) const { return Text(FieldText(model.edited().profiles[slot].ProFileName)); }

  TempDir dir;
  MemoryRegistry registry;
  FakeBlockSource source;
  FakeMacroStore macros;
  ConfiguratorModel model{source, macros,
                          SettingsContext{dir.folder(), SystemPrivateProfile(), registry}};
};

TEST_F(ConfiguratorModelTest, StartTakesTheBlockWhenReadableElseTheFiles) {
  ProfileSettings fromFile{};
  SetProfileDefaults(fromFile, 0);
  CopyToField(fromFile.ProFileName, u"FromFile");
  ASSERT_TRUE(SaveProfile(fromFile, SlotFilePath(dir.folder(), 0)));
  const struct {
    bool monitorRuns, lockBusy;
    int32_t blockSlot;
    bool live;
    int32_t slot;
  } rows[] = {
      {true, false, 2, true, 2},
      {true, false, -1, true, 0},  // a block that names no slot shows the first
      {true, false, 17, true, 0},
      {true, true, 2, false, 0},  // the lock is held: the files, as without a monitor
      {false, false, 2, false, 0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.blockSlot);
    FakeBlockSource block;
    FakeMacroStore store;
    block.monitorRuns = row.monitorRuns;
    block.lockBusy = row.lockBusy;
    block.block->CurrentProfile = row.blockSlot;
    CopyToField(block.block->profiles[0].ProFileName, u"FromBlock");
    block.block->ButtonChanged[0][3] = 1;
    ConfiguratorModel started(block, store, {dir.folder(), SystemPrivateProfile(), registry});
    EXPECT_EQ(started.Start(), row.live);
    EXPECT_EQ(started.currentSlot(), row.slot);
    EXPECT_EQ(FieldText(started.edited().profiles[0].ProFileName),
              row.live ? u"FromBlock" : u"FromFile");
    EXPECT_EQ(started.loaded().ButtonChanged[0][3], 0) << "the last apply's flags are not ours";
    EXPECT_EQ(store.loads, 1);
    EXPECT_EQ(store.merges, 1);
    EXPECT_EQ(store.mergedSlot, row.slot);
  }
}

TEST_F(ConfiguratorModelTest, StartWithTheBlockShowsThePointerSettingsWindowsUses) {
  source.block->profiles[2].MouseSpeed = 5;
  registry.Set(RegistryRoot::CurrentUser, kMouseKey, u"MouseSensitivity", u"17");
  ASSERT_TRUE(model.Start());
  EXPECT_EQ(model.edited().profiles[2].MouseSpeed, 17);
  EXPECT_EQ(model.loaded().profiles[2].MouseSpeed, 5) << "the applied state stays the block's";
}

TEST_F(ConfiguratorModelTest, SelectSlotTellsWhetherTheSlotChanged) {
  const struct {
    int slot;
    bool changed;
    int32_t current;
  } rows[] = {{2, false, 2},  {4, true, 4},  {0, true, 0},
              {-1, false, 2}, {5, false, 2}, {INT_MIN, false, 2}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.slot);
    ASSERT_TRUE(model.Start());
    EXPECT_EQ(model.SelectSlot(row.slot), row.changed);
    EXPECT_EQ(model.currentSlot(), row.current);
  }
}

TEST_F(ConfiguratorModelTest, ApplyPublishesTheEditsAndMakesThemTheAppliedState) {
  ASSERT_TRUE(model.Start());
  ASSERT_TRUE(model.SelectSlot(4));
  model.edited().profiles[4].CpiLevel_X[0] += 1;
  model.RestoreButton(7);
  FakeTargets targets;
  EXPECT_TRUE(model.Apply(ChangeFlags::kCompute, targets));
  EXPECT_EQ(targets.published->CurrentProfile, 4);
  EXPECT_EQ(targets.published->CurrentChanged, 1);
  EXPECT_EQ(targets.published->DeviceChanged[4], 1);
  EXPECT_EQ(targets.published->ButtonChanged[4][7], 1);
  EXPECT_EQ(model.edited().ButtonChanged[4][7], 0);
  EXPECT_TRUE(Same(model.loaded(), model.edited()));

  targets.filesSaved = false;
  EXPECT_FALSE(model.Apply(ChangeFlags::kCompute, targets));
}

TEST_F(ConfiguratorModelTest, ReloadTakesTheBlockBoundedAndDropsTheEdits) {
  const struct {
    int32_t blockSlot, slot;
  } rows[] = {{3, 3}, {-1, 0}, {5, 0}, {INT_MIN, 0}, {INT_MAX, 0}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.blockSlot);
    StartWithUnappliedEdit();
    source.block->CurrentProfile = row.blockSlot;
    source.block->DeviceChanged[1] = 1;
    CopyToField(source.block->profiles[1].ProFileName, u"Reloaded");
    model.ReloadFromBlock();
    EXPECT_EQ(model.currentSlot(), row.slot);
    EXPECT_EQ(Name(1), u"Reloaded");
    EXPECT_EQ(Name(2), u"FromBlock");
    EXPECT_EQ(model.edited().DeviceChanged[1], 0);
    EXPECT_TRUE(Same(model.loaded(), model.edited()));
    source.block->CurrentProfile = 2;
  }
}

TEST_F(ConfiguratorModelTest, AnUnreadableBlockStillDropsTheEditsForTheAppliedState) {
  StartWithUnappliedEdit();
  source.lockBusy = true;
  model.ReloadFromBlock();
  EXPECT_EQ(Name(2), u"FromBlock");
  EXPECT_TRUE(Same(model.loaded(), model.edited()));
}

TEST_F(ConfiguratorModelTest, AMonitorThatStartedIsOpenedOnceAndReadLikeAReload) {
  const struct {
    bool runsAtStart, runsNow;
    int reopens;
    const char16_t* name;
  } rows[] = {
      {false, true, 1, u"NewMonitor"},  // started after us: its block is opened now
      {true, true, 0, u"NewMonitor"},   // the block that is open stays
      {false, false, 1, u"Default3"},   // still none: the applied files' state, edits dropped
  };
  for (const auto& row : rows) {
    FakeBlockSource block;
    FakeMacroStore store;
    block.monitorRuns = row.runsAtStart;
    ConfiguratorModel started(block, store, {dir.folder(), SystemPrivateProfile(), registry});
    (void)started.Start();
    CopyToField(started.edited().profiles[2].ProFileName, u"Unapplied");
    block.monitorRuns = row.runsNow;
    CopyToField(block.block->profiles[2].ProFileName, u"NewMonitor");
    block.block->CurrentProfile = 9;
    started.TakeStartedMonitor();
    EXPECT_EQ(block.reopens, row.reopens);
    EXPECT_EQ(FieldText(started.edited().profiles[2].ProFileName), row.name);
    EXPECT_EQ(started.currentSlot(), 0);
    EXPECT_EQ(store.merges, 2) << "the macros the buttons carry are gathered again";
  }
}

TEST_F(ConfiguratorModelTest, DeviceValuesOfTheBlocksSlotReplaceOnlyThoseFields) {
  StartWithUnappliedEdit();
  ASSERT_TRUE(model.SelectSlot(4));
  ProfileSettings& from = source.block->profiles[2];
  from.CpiStep = 3;
  from.Sensitivity_X = 11;
  from.Sensitivity_Y = 12;
  from.PollingRate = 4;
  from.Orientation = 1;
  auto expected = std::make_unique<SharedSettingsBlock>(model.edited());
  ProfileSettings& to = expected->profiles[2];
  to.CpiStep = 3;
  to.Sensitivity_X = 11;
  to.Sensitivity_Y = 12;
  to.PollingRate = 4;
  model.TakeDeviceValues();
  EXPECT_TRUE(Same(model.edited(), *expected));
  EXPECT_EQ(Name(2), u"Unapplied");
}

TEST_F(ConfiguratorModelTest, DeviceValuesWithoutAReadableSlotChangeNothing) {
  const struct {
    int32_t blockSlot;
    bool lockBusy;
  } rows[] = {{-1, false}, {5, false}, {INT_MIN, false}, {INT_MAX, false}, {2, true}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.blockSlot);
    StartWithUnappliedEdit();
    auto before = std::make_unique<SharedSettingsBlock>(model.edited());
    for (ProfileSettings& profile : source.block->profiles) profile.CpiStep = 99;
    source.block->CurrentProfile = row.blockSlot;
    source.lockBusy = row.lockBusy;
    model.TakeDeviceValues();
    EXPECT_TRUE(Same(model.edited(), *before));
    source.block->CurrentProfile = 2;
    source.lockBusy = false;
  }
}

TEST_F(ConfiguratorModelTest, RestoringAButtonMarksOnlyItInTheCurrentSlot) {
  for (int button : {-1, 0, 14, 15}) {
    SCOPED_TRACE(button);
    ASSERT_TRUE(model.Start());
    model.edited().profiles[2].MacroKeyInfo[0].functionCode = 86;
    model.edited().profiles[2].MacroKeyInfo[14].functionCode = 86;
    auto expected = std::make_unique<SharedSettingsBlock>(model.edited());
    if (button >= 0 && button < kButtonCount) {
      SetButtonDefault(expected->profiles[2].MacroKeyInfo[button], button);
      expected->ButtonChanged[2][button] = 1;
    }
    model.RestoreButton(button);
    EXPECT_TRUE(Same(model.edited(), *expected));
  }
}

TEST_F(ConfiguratorModelTest, RestoredDefaultsArePublishedWithEveryFlag) {
  StartWithUnappliedEdit();
  model.RestoreAllDefaults();
  FakeTargets targets;
  EXPECT_TRUE(model.Apply(ChangeFlags::kKeepSet, targets));
  EXPECT_EQ(targets.published->CurrentProfile, 0);
  EXPECT_EQ(FieldText(targets.published->profiles[2].ProFileName), u"Default3");
  EXPECT_EQ(targets.published->ButtonChanged[4][14], 1);
  EXPECT_EQ(targets.published->DeviceChanged[0], 1);
  EXPECT_EQ(targets.published->CurrentChanged, 1);
  EXPECT_EQ(model.edited().ButtonChanged[4][14], 0);
}

TEST_F(ConfiguratorModelTest, ImportReloadsTheCurrentSlotFromItsNewFile) {
  ASSERT_TRUE(model.Start());
  ProfileSettings imported{};
  SetProfileDefaults(imported, 0);
  CopyToField(imported.ProFileName, u"Imported");
  const Text chosen = dir.file("chosen.gmp");
  ASSERT_TRUE(SaveProfile(imported, chosen));
  const LaunchQuestion never = [](const std::vector<ProgramLaunch>&) { return false; };

  EXPECT_EQ(model.Import(u"", never), std::nullopt) << "a cancelled choice";
  EXPECT_EQ(model.Import(dir.file("missing.gmp"), never), ImportFileResult::kUnreadable);
  EXPECT_EQ(Name(2), u"FromBlock");
  EXPECT_EQ(model.edited().ButtonChanged[2][0], 0);

  EXPECT_EQ(model.Import(chosen, never), ImportFileResult::kReplaced);
  EXPECT_EQ(Name(2), u"Imported");
  EXPECT_TRUE(fs::exists(ToFilesystemPath(SlotFilePath(dir.folder(), 2))));
  EXPECT_EQ(model.edited().ButtonChanged[2][5], 1);
  EXPECT_EQ(model.edited().ButtonChanged[2][6], 0);
}

TEST_F(ConfiguratorModelTest, ExportWritesTheCurrentProfile) {
  ASSERT_TRUE(model.Start());
  EXPECT_EQ(model.Export(u""), ExportResult::kNothing);
  EXPECT_EQ(model.Export(dir.file("no-such-folder/out.gmp")), ExportResult::kNotSaved);
  const Text path = dir.file("out.gmp");
  ASSERT_EQ(model.Export(path), ExportResult::kSaved);
  ProfileSettings back{};
  LoadProfile(back, path);
  EXPECT_EQ(FieldText(back.ProFileName), u"FromBlock");
}

}  // namespace
