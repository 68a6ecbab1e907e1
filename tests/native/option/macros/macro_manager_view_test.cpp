#include <gtest/gtest.h>

#include <vector>

#include "lang/string_ids.h"
#include "option/macros/macro_editor_model.h"
#include "option/macros/macro_manager_view.h"
#include "tests/support/input_sequence.h"

using input_test::UsLayout;

namespace {

class FixedClock : public TickClock {
 public:
  uint32_t Now() const override { return 5000; }
};

Text Language(uint16_t id) {
  return u"<" + FormatInt(id) + u">";
}

MacroRecord Macro(const char16_t* name, int32_t repeat, std::vector<MacroEvent> events = {}) {
  MacroRecord record{};
  CopyToField(record.name, name);
  record.repeatCount = repeat;
  record.eventCount = static_cast<int32_t>(events.size());
  std::copy(events.begin(), events.end(), record.events);
  return record;
}

TEST(MacroManagerImport, TakesAFreeNameAndSelectsTheImportedMacro) {
  FixedClock clock;
  MacroEditorModel model({Macro(u"Fire", 0), Macro(u"fire1", 0)}, clock, UsLayout());
  model.SelectMacro(0);
  const MacroRecord imported = Macro(u"Fire", 7, {{4, kMacroPress, 30}, {4, kMacroRelease, 0}});

  ASSERT_EQ(model.ImportMacro(imported), 2);
  ASSERT_EQ(model.library().size(), 3u);
  EXPECT_EQ(FieldText(model.library()[2].name), u"Fire2");
  EXPECT_EQ(model.selectedMacro(), 2);
  ASSERT_NE(model.selectedRecord(), nullptr);
  EXPECT_EQ(model.selectedRecord(), &model.library()[2]);
  ASSERT_EQ(model.events().size(), 2u);
  EXPECT_EQ(model.events()[0].delay, 30);
  EXPECT_TRUE(model.repeatEnabled());
  EXPECT_EQ(model.shownRepeatCount(), 7);
  // The two macros already there are untouched.
  EXPECT_EQ(FieldText(model.library()[0].name), u"Fire");
  EXPECT_EQ(FieldText(model.library()[1].name), u"fire1");
}

TEST(MacroManagerImport, RefusedWhileRecordingAndNothingSelectedHasNoRecord) {
  FixedClock clock;
  MacroEditorModel model({Macro(u"Burst", 1)}, clock, UsLayout());
  EXPECT_EQ(model.selectedRecord(), nullptr);
  model.SelectMacro(0);
  ASSERT_EQ(model.PressRecordButton(), MacroEditorModel::RecordButtonResult::kStarted);
  EXPECT_EQ(model.ImportMacro(Macro(u"Other", 1)), -1);
  EXPECT_EQ(model.library().size(), 1u);
  EXPECT_EQ(model.selectedMacro(), 0);
}

// The command ids of a menu and its submenus, in menu order.
void CollectCommands(const std::vector<MenuItem>& items, std::vector<int32_t>& ids) {
  for (const MenuItem& item : items) {
    if (item.kind == MenuItem::Kind::kSubmenu) CollectCommands(item.items, ids);
    if (item.kind == MenuItem::Kind::kCommand) ids.push_back(item.id);
  }
}

TEST(EventMenu, OffersEveryCommandOnceAndOnlyCommandsTheModelKnows) {
  const std::vector<MenuItem> menu = EventMenuItems();
  std::vector<int32_t> ids;
  CollectCommands(menu, ids);
  std::vector<int32_t> expected = {1001, 1002, 1003, 1004, 1005};
  for (int32_t id = 1020; id <= 1034; ++id) expected.push_back(id);
  EXPECT_EQ(ids, expected);

  ASSERT_EQ(menu.size(), 6u);
  EXPECT_EQ(menu[5].kind, MenuItem::Kind::kSubmenu);
  EXPECT_EQ(menu[5].textId, IDS_EVENT_INSERT_MOUSE_BUTTON);
  ASSERT_EQ(menu[5].items.size(), 5u);
  for (int b = 0; b < 5; ++b) {
    SCOPED_TRACE("button " + std::to_string(b));
    const MenuItem& button = menu[5].items[static_cast<size_t>(b)];
    EXPECT_EQ(button.textId, IDS_EVENT_BUTTON_LEFT + b);
    ASSERT_EQ(button.items.size(), 3u);
    const MouseStep steps[] = {MouseStep::kPress, MouseStep::kRelease, MouseStep::kPressAndRelease};
    const uint16_t texts[] = {IDS_EVENT_PRESS, IDS_EVENT_RELEASE, IDS_EVENT_PRESS_AND_RELEASE};
    for (int k = 0; k < 3; ++k) {
      const auto step = MouseStepOfCommand(button.items[static_cast<size_t>(k)].id);
      ASSERT_TRUE(step.has_value());
      EXPECT_EQ(step->code, 240 + b);
      EXPECT_EQ(step->step, steps[k]);
      EXPECT_EQ(button.items[static_cast<size_t>(k)].textId, texts[k]);
    }
  }
}

TEST(RepeatCountBox, WaitsOnAnEmptyBoxUntilTheFocusLeaves) {
  struct Row {
    const char16_t* typed;
    bool focusLeft;
    bool taken;
    int32_t value;
    bool corrected;
  };
  const Row rows[] = {
      {u"", false, false, 0, false},    {u"", true, true, 1, true},
      {u"7", false, true, 7, false},    {u"255", false, true, 255, false},
      {u"300", false, true, 255, true}, {u"0", false, true, 1, true},
      {u"12", true, true, 12, false},
  };
  for (size_t i = 0; i < std::size(rows); ++i) {
    SCOPED_TRACE("row " + std::to_string(i));
    const auto taken = RepeatCountToTake(rows[i].typed, rows[i].focusLeft);
    ASSERT_EQ(taken.has_value(), rows[i].taken);
    if (!taken) continue;
    EXPECT_EQ(taken->value, rows[i].value);
    EXPECT_EQ(taken->corrected, rows[i].corrected);
  }
}

TEST(EventListRows, DataCarriesEventNumberAndPictureAndTextFollowsTheRow) {
  const std::vector<MacroEvent> events = {
      {4, kMacroPress, 25}, {4, kMacroRelease, 0}, {240, kMacroPress, 0}, {240, kMacroRelease, 3}};
  const std::vector<EventListRow> rows = EventListRows(events, UsLayout(), &Language);
  struct Expected {
    uint32_t data;
    Text text;
  };
  const Expected expected[] = {
      {(1u << 16) | 138, u"A"},         {(1u << 16) | 135, u"25 ms"},   {(2u << 16) | 137, u"A"},
      {(3u << 16) | 146, u"Left Down"}, {(4u << 16) | 146, u"Left Up"}, {(4u << 16) | 135, u"3 ms"},
  };
  ASSERT_EQ(rows.size(), std::size(expected));
  for (size_t i = 0; i < rows.size(); ++i) {
    SCOPED_TRACE("row " + std::to_string(i));
    EXPECT_EQ(rows[i].data, expected[i].data);
    EXPECT_EQ(rows[i].text, expected[i].text);
  }
  EXPECT_TRUE(EventListRows({}, UsLayout(), &Language).empty());
}

}  // namespace
