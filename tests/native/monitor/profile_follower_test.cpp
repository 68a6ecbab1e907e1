// Following the window in front: which slot is active after each change, what is looked up, and
// the warning about elevated programs.

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <vector>

#include "monitor/profile_follower.h"
#include "monitor/profile_notices.h"

namespace {

class FakeForeground : public ForegroundSystem {
 public:
  ForegroundWindow Foreground() override { return front; }
  std::optional<Text> ImagePath(uint32_t processId) override {
    ++pathLookUps;
    const auto it = paths.find(processId);
    return it == paths.end() ? std::nullopt : std::optional<Text>(it->second);
  }
  Elevation ProcessElevation(uint32_t processId) override {
    ++elevationLookUps;
    const auto it = elevation.find(processId);
    return it == elevation.end() ? Elevation::kUnknown : it->second;
  }

  ForegroundWindow front;
  std::map<uint32_t, Text> paths;  // a process without a path is gone or refuses
  std::map<uint32_t, Elevation> elevation;
  int pathLookUps = 0;
  int elevationLookUps = 0;
};

constexpr uint32_t kGame = 10, kEditor = 20, kGone = 30, kAdminTool = 40, kAdminGame = 50;

class ProfileFollowerTest : public ::testing::Test {
 protected:
  ProfileFollowerTest() : settings_(std::make_unique<SharedSettingsBlock>()) {
    settings_->CurrentProfile = 1;
    CopyToField(settings_->profiles[3].GameFile, u"C:\\Games\\race.exe");
    CopyToField(settings_->profiles[4].GameFile, u"C:\\Games\\admin.exe");
    system_.paths = {{kGame, u"C:\\GAMES\\Race.exe"},
                     {kEditor, u"C:\\Tools\\edit.exe"},
                     {kAdminTool, u"C:\\Tools\\regedit.exe"},
                     {kAdminGame, u"C:\\Games\\admin.exe"}};
    system_.elevation = {{kGame, Elevation::kNotElevated},
                         {kAdminTool, Elevation::kElevated},
                         {kAdminGame, Elevation::kElevated}};
  }
  FollowStep FrontIs(uint64_t window, uint32_t process, ProfileFollower& follower) {
    system_.front = {window, process};
    return follower.Follow(*settings_);
  }

  std::unique_ptr<SharedSettingsBlock> settings_;
  FakeForeground system_;
};

struct FrontChange {
  uint64_t window;
  uint32_t process;
  int32_t activeSlot;
  bool switched;
  bool byProgram;
};

TEST_F(ProfileFollowerTest, ActiveSlotFollowsEachWindowInFront) {
  const FrontChange changes[] = {
      {1, kEditor, 1, false, false},  // the first look never counts as a switch
      {2, kGame, 3, true, true},     {3, kGame, 3, false, true},   // another window of the game
      {4, kEditor, 1, true, false},  {5, kGone, 1, false, false},  // exited before the look-up
      {6, kGame, 3, true, true},     {0, 0, 1, true, false},       // nothing in front
  };
  ProfileFollower follower(system_, false);
  for (size_t i = 0; i < std::size(changes); ++i) {
    const FrontChange& c = changes[i];
    const FollowStep step = FrontIs(c.window, c.process, follower);
    EXPECT_EQ(step.activeSlot, c.activeSlot) << "change " << i;
    EXPECT_EQ(step.switched, c.switched) << "change " << i;
    EXPECT_EQ(step.byProgram, c.byProgram) << "change " << i;
    EXPECT_EQ(follower.ActiveSlot(), c.activeSlot) << "change " << i;
  }
}

// Cheap at every button report: the process is asked once per window in front, and a new settings
// image (another program named, another chosen profile) takes effect without asking again.
TEST_F(ProfileFollowerTest, TheProcessIsAskedOnlyWhenTheWindowInFrontChanged) {
  ProfileFollower follower(system_, false);
  for (int report = 0; report < 100; ++report) (void)FrontIs(7, kEditor, follower);
  EXPECT_EQ(system_.pathLookUps, 1);
  EXPECT_EQ(system_.elevationLookUps, 1);
  CopyToField(settings_->profiles[0].GameFile, u"c:\\tools\\EDIT.exe");
  const FollowStep named = follower.Follow(*settings_);
  EXPECT_TRUE(named.switched);
  EXPECT_EQ(named.activeSlot, 0);
  CopyToField(settings_->profiles[0].GameFile, u"");
  settings_->CurrentProfile = 2;
  EXPECT_EQ(follower.Follow(*settings_).activeSlot, 2);
  EXPECT_EQ(system_.pathLookUps, 1);
  (void)FrontIs(7, kGame, follower);  // the same window handle, another process
  EXPECT_EQ(system_.pathLookUps, 2);
}

TEST_F(ProfileFollowerTest, AnElevatedProgramIsReportedOncePerProgram) {
  struct Row {
    bool monitorElevated;
    std::vector<uint32_t> fronts;
    std::vector<bool> warned;
  };
  const Row rows[] = {
      {false, {kAdminTool, kEditor, kAdminTool, kAdminGame}, {true, false, false, true}},
      {false, {kGame, kGone, kEditor}, {false, false, false}},  // unknown is never a warning
      {true, {kAdminTool, kAdminGame}, {false, false}},
  };
  for (size_t r = 0; r < std::size(rows); ++r) {
    ProfileFollower follower(system_, rows[r].monitorElevated);
    for (size_t i = 0; i < rows[r].fronts.size(); ++i) {
      const FollowStep step = FrontIs(100 + i, rows[r].fronts[i], follower);
      EXPECT_EQ(step.warnElevated, rows[r].warned[i]) << "row " << r << ", front " << i;
      // The same window asked again at a button report warns no more.
      EXPECT_FALSE(follower.Follow(*settings_).warnElevated) << "row " << r << ", front " << i;
    }
  }
}

TEST(ProfileNotices, TextsNameTheProfileAndTheProgram) {
  auto settings = std::make_unique<SharedSettingsBlock>();
  CopyToField(settings->profiles[3].ProFileName, u"Racing");
  const ProfileNoticePatterns patterns{.tip = u"Mouse",
                                       .tipProfile = u"Profile: %s",
                                       .tipByProgram = u"Profile: %s, for %s",
                                       .noticeByProgram = u"%s: %s",
                                       .noticeChosen = u"back to %s",
                                       .elevatedMessage = u"%s is admin %s"};
  EXPECT_EQ(ActiveProfileTip(patterns, *settings, 3, u"C:\\Games\\race.exe"),
            u"Mouse\nProfile: Racing, for race.exe");
  EXPECT_EQ(ActiveProfileTip(patterns, *settings, 2, u""), u"Mouse\nProfile: 3");
  EXPECT_EQ(ActiveProfileTip(patterns, *settings, -1, u""), u"Mouse");
  EXPECT_EQ(SwitchNotice(patterns, *settings, 3, u"C:/Games/race.exe"), u"race.exe: Racing");
  EXPECT_EQ(SwitchNotice(patterns, *settings, 3, u""), u"back to Racing");
  EXPECT_EQ(ElevatedProgramNotice(patterns, u"C:\\Tools\\tool.exe"), u"tool.exe is admin %s");
  EXPECT_EQ(FillPlaceholders(u"%s%s", {u"%s", u"x"}), u"%sx");
}

}  // namespace
