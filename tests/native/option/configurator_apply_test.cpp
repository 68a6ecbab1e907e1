#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "option/configurator_apply.h"
#include "settings/catalogue.h"

namespace {

// Records each step with what the image held at that moment.
class RecordingTargets : public ApplyTargets {
 public:
  std::vector<std::string> steps;
  std::unique_ptr<SharedSettingsBlock> written = std::make_unique<SharedSettingsBlock>();
  std::unique_ptr<SharedSettingsBlock> saved = std::make_unique<SharedSettingsBlock>();

  void WriteSharedBlock(const SharedSettingsBlock& image) override {
    steps.push_back("block");
    *written = image;
  }
  bool filesSaved = true;
  bool macrosSaved = true;

  bool SaveAllSettings(const SharedSettingsBlock& image) override {
    steps.push_back("files");
    *saved = image;
    return filesSaved;
  }
  void NotifyMonitor() override { steps.push_back("monitor"); }
  bool SaveMacroLibrary() override {
    steps.push_back("macros");
    return macrosSaved;
  }
};

std::unique_ptr<SharedSettingsBlock> Defaults() {
  auto block = std::make_unique<SharedSettingsBlock>();
  ResetSettingsBlock(*block);
  SetAllDefaults(*block);
  return block;
}

TEST(ApplyEditedImage, PublishesComputedFlagsThenClearsThem) {
  auto loaded = Defaults();
  auto edited = Defaults();
  edited->profiles[2].CpiLevel_X[0] += 1;
  edited->CurrentProfile = 3;
  edited->ButtonChanged[3][4] = 1;  // set by the function editor
  RecordingTargets targets;
  EXPECT_TRUE(ApplyEditedImage(*loaded, *edited, ChangeFlags::kCompute, targets));

  EXPECT_EQ(targets.steps, (std::vector<std::string>{"block", "files", "monitor", "macros"}));
  EXPECT_EQ(targets.written->DeviceChanged[2], 1);
  EXPECT_EQ(targets.written->DeviceChanged[0], 0);
  EXPECT_EQ(targets.written->CurrentChanged, 1);
  EXPECT_EQ(targets.written->ButtonChanged[3][4], 1);
  EXPECT_EQ(std::memcmp(targets.written.get(), targets.saved.get(), sizeof(SharedSettingsBlock)),
            0);
  // Afterwards both images are the published state without the per-apply flags.
  EXPECT_EQ(edited->DeviceChanged[2], 0);
  EXPECT_EQ(edited->ButtonChanged[3][4], 0);
  EXPECT_EQ(std::memcmp(loaded.get(), edited.get(), sizeof(SharedSettingsBlock)), 0);
  EXPECT_EQ(loaded->CurrentProfile, 3);

  // A second apply without edits publishes no change.
  RecordingTargets again;
  EXPECT_TRUE(ApplyEditedImage(*loaded, *edited, ChangeFlags::kCompute, again));
  EXPECT_EQ(again.written->DeviceChanged[2], 0);
  EXPECT_EQ(again.written->CurrentChanged, 0);
  EXPECT_EQ(again.written->ButtonChanged[3][4], 0);
}

TEST(ApplyEditedImage, KeptFlagsAreNotRecomputed) {
  auto loaded = Defaults();
  auto edited = Defaults();
  for (auto& row : edited->ButtonChanged)
    for (auto& flag : row) flag = 1;
  for (auto& flag : edited->DeviceChanged) flag = 1;
  for (auto& flag : edited->OtgSpeedChanged) flag = 1;
  edited->CurrentChanged = 1;
  RecordingTargets targets;
  EXPECT_TRUE(ApplyEditedImage(*loaded, *edited, ChangeFlags::kKeepSet, targets));
  EXPECT_EQ(targets.written->DeviceChanged[4], 1);  // nothing differs, yet every flag is published
  EXPECT_EQ(targets.written->OtgSpeedChanged[0], 1);
  EXPECT_EQ(targets.written->ButtonChanged[4][14], 1);
  EXPECT_EQ(targets.written->CurrentChanged, 1);
  EXPECT_EQ(edited->DeviceChanged[4], 0);
}

}  // namespace

// A file that could not be written is reported, and every step still runs: the monitor works on
// what the user applied while the files keep their earlier, whole content.
TEST(ApplyEditedImage, ReportsAFailedSaveAfterEveryStep) {
  const struct {
    bool files, macros, saved;
  } rows[] = {{false, true, false}, {true, false, false}, {false, false, false}};
  for (const auto& row : rows) {
    auto loaded = Defaults();
    auto edited = Defaults();
    RecordingTargets targets;
    targets.filesSaved = row.files;
    targets.macrosSaved = row.macros;
    EXPECT_EQ(ApplyEditedImage(*loaded, *edited, ChangeFlags::kCompute, targets), row.saved);
    EXPECT_EQ(targets.steps, (std::vector<std::string>{"block", "files", "monitor", "macros"}));
  }
}
