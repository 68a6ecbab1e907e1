#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/text.h"
#include "option/buttons/assign_function.h"
#include "option/modal_notice_gate.h"
#include "tests/support/sample_profiles.h"

namespace {

constexpr int kCurrent = 2;
constexpr int kOnlyLeft = 0;  // the only button with the left click in the fixture

// Records what the command showed; the capture answer is scripted.
class RecordingDialogs : public AssignmentDialogs {
 public:
  void ShowClickWarning() override { calls.push_back("warning"); }
  KeyCapture CaptureKey(KeyCaptureKind kind, uint8_t key, uint8_t modifiers) override {
    calls.push_back(std::string(kind == KeyCaptureKind::kSingleKey ? "single" : "combination") +
                    " " + std::to_string(key) + " " + std::to_string(modifiers));
    return answer;
  }
  void OpenMacroManager() override { calls.push_back("manager"); }

  std::vector<std::string> calls;
  KeyCapture answer;
};

// A capture dialog whose message loop delivers a notice that replaces the image while it is open.
class ReloadingDialogs : public RecordingDialogs {
 public:
  explicit ReloadingDialogs(std::function<void()> deliver) : deliver_(std::move(deliver)) {}
  KeyCapture CaptureKey(KeyCaptureKind kind, uint8_t key, uint8_t modifiers) override {
    deliver_();
    return RecordingDialogs::CaptureKey(kind, key, modifiers);
  }

 private:
  std::function<void()> deliver_;
};

MacroRecord Macro(const char* name, int32_t repeat, int32_t count, uint8_t firstCode) {
  MacroRecord r{};
  CopyToField(r.name, AsciiText(name));
  r.repeatCount = repeat;
  r.eventCount = count;
  for (int i = 0; i < kMaxMacroEvents; ++i) {
    r.events[i] = {static_cast<uint8_t>(firstCode + i), static_cast<uint8_t>(1 + i % 2),
                   static_cast<uint16_t>(10 * i)};
  }
  return r;
}

class AssignFunctionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    block = std::make_unique<SharedSettingsBlock>();
    std::memset(block.get(), 0, sizeof *block);
    for (int p = 0; p < kProfileCount; ++p) block->profiles[p] = SampleProfile(40 + p);
    block->CurrentProfile = kCurrent;
    // Button 0 alone has the left click; every other one the middle click.
    for (int b = 0; b < kButtonCount; ++b) Button(b).functionCode = b == kOnlyLeft ? 1 : 3;
    library = {Macro("Burst", 3, 6, 4), Macro("  Fire ", -1, 2, 30)};
    before = std::make_unique<SharedSettingsBlock>(*block);
    dialogs.calls.clear();
    dialogs.answer = {};
  }

  ButtonAssignment& Button(int b) { return block->profiles[kCurrent].MacroKeyInfo[b]; }
  const ButtonAssignment& Before(int b) const { return before->profiles[kCurrent].MacroKeyInfo[b]; }

  AssignOutcome Assign(int32_t id, int32_t selected) {
    return AssignFunction(id, *block, selected, library, dialogs);
  }

  // Nothing outside the given button's assignment and change mark differs from the start.
  void ExpectOnlyButtonTouched(int b) const {
    SharedSettingsBlock expected = *before;
    expected.profiles[kCurrent].MacroKeyInfo[b] = block->profiles[kCurrent].MacroKeyInfo[b];
    expected.ButtonChanged[kCurrent][b] = block->ButtonChanged[kCurrent][b];
    EXPECT_EQ(std::memcmp(&expected, block.get(), sizeof expected), 0) << "button " << b;
  }
  void ExpectUnchanged() const {
    EXPECT_EQ(std::memcmp(before.get(), block.get(), sizeof *block), 0);
  }

  std::unique_ptr<SharedSettingsBlock> block;
  std::unique_ptr<SharedSettingsBlock> before;
  std::vector<MacroRecord> library;
  RecordingDialogs dialogs;
};

TEST(CommandOfId, EveryClassOfId) {
  using K = FunctionCommand::Kind;
  const struct {
    int32_t id;
    K kind;
    int code;
    int macro;
  } rows[] = {
      {INT_MIN, K::kIgnored, 0, -1}, {0, K::kIgnored, 0, -1},    {999, K::kIgnored, 0, -1},
      {1000, K::kIgnored, 0, -1},    {1001, K::kPlain, 1, -1},   {1004, K::kPlain, 4, -1},
      {1005, K::kKeyCapture, 5, -1}, {1006, K::kPlain, 6, -1},   {1010, K::kPlain, 10, -1},
      {1011, K::kIgnored, 0, -1},    {1016, K::kIgnored, 0, -1}, {1025, K::kIgnored, 0, -1},
      {1026, K::kPlain, 26, -1},     {1032, K::kPlain, 32, -1},  {1033, K::kIgnored, 0, -1},
      {1045, K::kIgnored, 0, -1},    {1048, K::kIgnored, 0, -1}, {1049, K::kMacroManager, 0, -1},
      {1050, K::kPlain, 53, -1},     {1051, K::kPlain, 54, -1},  {1052, K::kPlain, 55, -1},
      {1053, K::kPlain, 61, -1},     {1054, K::kPlain, 58, -1},  {1055, K::kPlain, 59, -1},
      {1056, K::kPlain, 62, -1},     {1057, K::kPlain, 60, -1},  {1058, K::kPlain, 48, -1},
      {1059, K::kPlain, 49, -1},     {1060, K::kPlain, 52, -1},  {1061, K::kPlain, 81, -1},
      {1062, K::kPlain, 51, -1},     {1063, K::kPlain, 80, -1},  {1064, K::kKeyCapture, 45, -1},
      {1065, K::kIgnored, 0, -1},    {1099, K::kIgnored, 0, -1}, {1100, K::kMacro, 16, 0},
      {1102, K::kMacro, 16, 2},      {1103, K::kIgnored, 0, -1}, {4001, K::kIgnored, 0, -1},
      {INT_MAX, K::kIgnored, 0, -1},
  };
  for (const auto& r : rows) {
    const FunctionCommand c = CommandOfId(r.id, 3);
    EXPECT_EQ(c.kind, r.kind) << "id " << r.id;
    EXPECT_EQ(c.code, r.code) << "id " << r.id;
    EXPECT_EQ(c.macroNumber, r.macro) << "id " << r.id;
  }
  // The highest id the window passes on still reaches a macro when the library is that long;
  // one above it never does. Id 2048 is the menu's separator: the macro ids step over it.
  EXPECT_EQ(CommandOfId(2047, 3000).macroNumber, 947);
  EXPECT_EQ(CommandOfId(2048, 3000).kind, K::kIgnored);
  EXPECT_EQ(CommandOfId(2049, 3000).macroNumber, 948);
  EXPECT_EQ(CommandOfId(4000, 3000).macroNumber, 2899);
  EXPECT_EQ(CommandOfId(4001, 3000).kind, K::kIgnored);
  EXPECT_EQ(CommandOfId(1100, 0).kind, K::kIgnored);
}

TEST_F(AssignFunctionTest, PlainFunctionsStoreTheirCodeAndClearTheParameters) {
  const struct {
    int32_t id;
    uint8_t code;
  } rows[] = {
      {1001, 1},  {1002, 2},  {1003, 3},  {1004, 4},  {1006, 6},  {1007, 7},  {1008, 8},
      {1009, 9},  {1010, 10}, {1026, 26}, {1029, 29}, {1032, 32}, {1050, 53}, {1051, 54},
      {1052, 55}, {1053, 61}, {1054, 58}, {1055, 59}, {1056, 62}, {1057, 60}, {1058, 48},
      {1059, 49}, {1060, 52}, {1061, 81}, {1062, 51}, {1063, 80},
  };
  const int b = 4;
  for (const auto& r : rows) {
    SetUp();
    ASSERT_NE(Before(b).eventCount, 0);  // the sample carries parameters to clear
    EXPECT_EQ(Assign(r.id, b), AssignOutcome::kAssigned) << "id " << r.id;
    const ButtonAssignment& a = Button(b);
    EXPECT_EQ(a.functionCode, r.code) << "id " << r.id;
    EXPECT_EQ(a.eventCount, 0) << "id " << r.id;
    const ButtonAssignment zero{};
    EXPECT_EQ(std::memcmp(a.events, zero.events, sizeof a.events), 0) << "id " << r.id;
    EXPECT_EQ(std::memcmp(a.macroName, zero.macroName, sizeof a.macroName), 0) << "id " << r.id;
    EXPECT_EQ(std::memcmp(a.programPath, Before(b).programPath, sizeof a.programPath), 0);
    EXPECT_EQ(a.repeatCount, Before(b).repeatCount) << "id " << r.id;
    EXPECT_EQ(a.buttonIndex, Before(b).buttonIndex) << "id " << r.id;
    EXPECT_EQ(block->ButtonChanged[kCurrent][b], 1) << "id " << r.id;
    ExpectOnlyButtonTouched(b);
    EXPECT_TRUE(dialogs.calls.empty()) << "id " << r.id;
  }
}

TEST_F(AssignFunctionTest, IgnoredIdsAndAbsentButtonsChangeNothing) {
  const struct {
    int32_t id;
    int32_t selected;
  } rows[] = {
      {1000, 4},  {1011, 4},   {1025, 4},       {1033, 4},       {1048, 4},
      {1065, 4},  {1099, 4},   {1102, 4},  // beyond the two macros of the library
      {4001, 4},  {4010, 4},   {-1, 4},         {1002, -1},      {1002, 15},
      {1005, 15}, {1100, 100}, {1064, INT_MIN}, {1002, INT_MAX},
  };
  for (const auto& r : rows) {
    SetUp();
    dialogs.answer = {true, 4, 2};
    EXPECT_EQ(Assign(r.id, r.selected), AssignOutcome::kNothing) << "id " << r.id;
    ExpectUnchanged();
    EXPECT_TRUE(dialogs.calls.empty()) << "id " << r.id;
  }
}

TEST_F(AssignFunctionTest, NoCurrentProfileChangesNothing) {
  for (int32_t current : {-1, 5, INT_MIN}) {
    SetUp();
    block->CurrentProfile = current;
    *before = *block;
    dialogs.answer = {true, 4, 2};
    for (int32_t id : {1002, 1005, 1100}) {
      EXPECT_EQ(Assign(id, 4), AssignOutcome::kNothing) << current << " id " << id;
    }
    ExpectUnchanged();
    EXPECT_TRUE(dialogs.calls.empty());
  }
}

TEST_F(AssignFunctionTest, TheLastLeftClickIsNeverTakenAway) {
  // Every kind of command on the only left-click row is refused before any dialog.
  dialogs.answer = {true, 4, 2};
  for (int32_t id : {1002, 1006, 1005, 1064, 1050, 1026, 1100}) {
    dialogs.calls.clear();
    EXPECT_EQ(Assign(id, kOnlyLeft), AssignOutcome::kRefusedLeftClick) << "id " << id;
    EXPECT_EQ(dialogs.calls, std::vector<std::string>{"warning"}) << "id " << id;
    EXPECT_EQ(Button(kOnlyLeft).functionCode, 1);
    ExpectUnchanged();
  }
  // Left click onto the left-click row itself, or any change of another row, passes.
  EXPECT_EQ(Assign(1001, kOnlyLeft), AssignOutcome::kAssigned);
  EXPECT_EQ(Assign(1002, 1), AssignOutcome::kAssigned);
  // A second left click frees the first one.
  EXPECT_EQ(Assign(1001, 7), AssignOutcome::kAssigned);
  EXPECT_EQ(Assign(1002, kOnlyLeft), AssignOutcome::kAssigned);
  EXPECT_EQ(Button(kOnlyLeft).functionCode, 2);
  EXPECT_EQ(dialogs.calls, std::vector<std::string>{"warning"});
}

TEST_F(AssignFunctionTest, WithoutAnyLeftClickOnlyTheLeftClickIsAccepted) {
  Button(kOnlyLeft).functionCode = 9;
  *before = *block;
  for (int b : {0, 5, 14}) {
    EXPECT_EQ(Assign(1003, b), AssignOutcome::kRefusedLeftClick) << "button " << b;
  }
  ExpectUnchanged();
  EXPECT_EQ(Assign(1001, 5), AssignOutcome::kAssigned);
  EXPECT_EQ(Button(5).functionCode, 1);
}

TEST_F(AssignFunctionTest, MacroManagerOpensWithoutWarningAndAssignsNothing) {
  for (int32_t selected : {kOnlyLeft, 6, -1, 15}) {
    dialogs.calls.clear();
    EXPECT_EQ(Assign(kCommandMacroManager, selected), AssignOutcome::kMacroManagerOpened);
    EXPECT_EQ(dialogs.calls, std::vector<std::string>{"manager"}) << "selected " << selected;
    ExpectUnchanged();
  }
}

TEST_F(AssignFunctionTest, KeyCaptureStoresTheAcceptedKey) {
  const struct {
    int32_t id;
    const char* call;
    uint8_t code;
  } rows[] = {
      {1005, "combination", 5},
      {1064, "single", 45},
  };
  const int b = 6;
  for (const auto& r : rows) {
    SetUp();
    Button(b).events[0] = {0x1D, 0x09, 777};
    *before = *block;
    dialogs.answer = {true, 4, 0x02};  // A with Ctrl
    EXPECT_EQ(Assign(r.id, b), AssignOutcome::kAssigned);
    // The dialog opens on the stored key and modifier byte.
    EXPECT_EQ(dialogs.calls, std::vector<std::string>{std::string(r.call) + " 29 9"});
    const ButtonAssignment& a = Button(b);
    EXPECT_EQ(a.functionCode, r.code);
    EXPECT_EQ(a.eventCount, 1);
    EXPECT_EQ(a.events[0].code, 4);
    EXPECT_EQ(a.events[0].action, 0x02);
    EXPECT_EQ(a.events[0].delay, 777);
    EXPECT_TRUE(FieldText(a.macroName).empty());
    EXPECT_EQ(std::memcmp(a.macroName, ButtonAssignment{}.macroName, sizeof a.macroName), 0);
    // The rest of the event area and the program path are left as they were.
    EXPECT_EQ(std::memcmp(&a.events[1], &Before(b).events[1], sizeof a.events - 4), 0);
    EXPECT_EQ(std::memcmp(a.programPath, Before(b).programPath, sizeof a.programPath), 0);
    EXPECT_EQ(block->ButtonChanged[kCurrent][b], 1);
    ExpectOnlyButtonTouched(b);
  }
}

// A reload while the capture dialog is open, of a block whose current index may name no slot.
// Held back by the gate (as the main window does), it runs after the edit, which lands in the
// slot it was made for; let through, the edit is dropped and nothing is written out of bounds.
TEST_F(AssignFunctionTest, AReloadWhileTheCaptureDialogIsOpen) {
  const int b = 6;
  for (int32_t incomingCurrent : {4, -1, 5, 7, INT_MIN}) {
    for (bool gated : {true, false}) {
      SetUp();
      auto incoming = std::make_unique<SharedSettingsBlock>(*block);
      incoming->CurrentProfile = incomingCurrent;
      int reloads = 0;
      ModalNoticeGate gate([&](ImageNotice) {
        *block = *incoming;
        ++reloads;
      });
      ReloadingDialogs reloading([&] { gate.Offer(ImageNotice::kReloadBlock); });
      reloading.answer = {true, 4, 0x02};
      AssignOutcome outcome;
      {
        std::optional<ModalNoticeGate::Scope> modal;
        if (gated) modal.emplace(gate);
        outcome = AssignFunction(1005, *block, b, library, reloading);
        EXPECT_EQ(reloads, gated ? 0 : 1);
        if (gated) {
          EXPECT_EQ(outcome, AssignOutcome::kAssigned);
          EXPECT_EQ(Button(b).events[0].code, 4);
          ExpectOnlyButtonTouched(b);
        }
      }
      EXPECT_EQ(reloads, 1) << incomingCurrent;
      if (!gated) {
        EXPECT_EQ(outcome, AssignOutcome::kNothing) << incomingCurrent;
        EXPECT_EQ(std::memcmp(block.get(), incoming.get(), sizeof *block), 0) << incomingCurrent;
      }
    }
  }
}

TEST_F(AssignFunctionTest, CancelledCaptureChangesNothing) {
  for (int32_t id : {1005, 1064}) {
    SetUp();
    dialogs.answer = {false, 4, 0x02};
    EXPECT_EQ(Assign(id, 6), AssignOutcome::kCancelled) << "id " << id;
    EXPECT_EQ(dialogs.calls.size(), 1u);
    ExpectUnchanged();
  }
}

TEST_F(AssignFunctionTest, MacroCopiesTheRecordAndLaterFunctionsClearIt) {
  const int b = 8;
  CopyToField(Button(b).programPath, u"C:\\Tools\\run.exe");
  *before = *block;
  EXPECT_EQ(Assign(1100, b), AssignOutcome::kAssigned);
  const ButtonAssignment& a = Button(b);
  EXPECT_EQ(a.functionCode, 16);
  EXPECT_EQ(Text(FieldText(a.macroName)), u"Burst");
  EXPECT_EQ(std::memcmp(a.macroName, library[0].name, sizeof a.macroName), 0);
  EXPECT_EQ(a.repeatCount, 3);
  EXPECT_EQ(a.eventCount, 6);
  EXPECT_EQ(std::memcmp(a.events, library[0].events, sizeof a.events), 0);
  EXPECT_EQ(Text(FieldText(a.programPath)), u"C:\\Tools\\run.exe");
  EXPECT_EQ(block->ButtonChanged[kCurrent][b], 1);
  ExpectOnlyButtonTouched(b);

  // The second macro: its name is copied as stored, blanks included, over the longer one.
  EXPECT_EQ(Assign(1101, b), AssignOutcome::kAssigned);
  EXPECT_EQ(Text(FieldText(a.macroName)), u"  Fire ");
  EXPECT_EQ(std::memcmp(a.macroName, library[1].name, sizeof a.macroName), 0);
  EXPECT_EQ(a.repeatCount, -1);
  EXPECT_EQ(a.eventCount, 2);

  EXPECT_EQ(Assign(1003, b), AssignOutcome::kAssigned);
  EXPECT_EQ(a.functionCode, 3);
  EXPECT_TRUE(FieldText(a.macroName).empty());
  EXPECT_EQ(a.eventCount, 0);
  EXPECT_EQ(a.events[0].code, 0);
  EXPECT_EQ(a.events[39].delay, 0);
  EXPECT_EQ(Text(FieldText(a.programPath)), u"C:\\Tools\\run.exe");
}

TEST_F(AssignFunctionTest, MacroRecordsFromFilesAreBounded) {
  const struct {
    int32_t storedCount;
    uint16_t copiedCount;
  } rows[] = {{-3, 0}, {0, 0}, {40, 40}, {41, 40}, {INT_MAX, 40}};
  for (const auto& r : rows) {
    SetUp();
    library[0].eventCount = r.storedCount;
    for (char16_t& c : library[0].name) c = u'x';  // no terminator
    EXPECT_EQ(Assign(1100, 3), AssignOutcome::kAssigned);
    EXPECT_EQ(Button(3).eventCount, r.copiedCount) << "stored " << r.storedCount;
    EXPECT_EQ(FieldText(Button(3).macroName).size(), size_t{kMacroNameLength - 1});
    EXPECT_EQ(Button(3).macroName[kMacroNameLength - 1], 0);
  }
}

TEST_F(AssignFunctionTest, UnknownStoredCodesStayUntilReassigned) {
  Button(9).functionCode = 65;
  *before = *block;
  EXPECT_EQ(Assign(1002, 10), AssignOutcome::kAssigned);
  EXPECT_EQ(Button(9).functionCode, 65);
  EXPECT_EQ(Assign(1002, 9), AssignOutcome::kAssigned);
  EXPECT_EQ(Button(9).functionCode, 2);
}

}  // namespace
