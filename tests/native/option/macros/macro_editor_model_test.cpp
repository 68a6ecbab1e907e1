#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "option/macros/macro_editor_model.h"
#include "tests/support/input_sequence.h"

using input_test::FrenchLayout;
using input_test::UsLayout;

namespace {

class FakeClock : public TickClock {
 public:
  uint32_t Now() const override { return now; }
  uint32_t now = 1000;
};

Text Language(uint16_t id) {
  return u"<" + FormatInt(id) + u">";
}

MacroRecord Named(const char16_t* name, int32_t repeat = 0) {
  MacroRecord r{};
  CopyToField(r.name, name);
  r.repeatCount = repeat;
  return r;
}

// Events written as "A+" (press), "A-" (release), "L+" (left mouse press) with an optional pause
// "/100", from stored codes: letters are 4.., L R W F B the mouse buttons.
uint8_t CodeOf(char c) {
  switch (c) {
    case 'L':
      return 240;
    case 'R':
      return 241;
    case 'W':
      return 242;
    case 'F':
      return 243;
    case 'B':
      return 244;
    default:
      return static_cast<uint8_t>(4 + (c - 'a'));
  }
}

std::string Describe(std::span<const MacroEvent> events) {
  std::string out;
  for (const MacroEvent& e : events) {
    if (!out.empty()) out += ' ';
    char name = '?';
    if (e.code >= 4 && e.code <= 29) name = static_cast<char>('a' + e.code - 4);
    for (char m : std::string("LRWFB")) {
      if (CodeOf(m) == e.code) name = m;
    }
    out += name;
    out += e.action == kMacroPress ? '+' : e.action == kMacroRelease ? '-' : '?';
    if (e.delay != 0) out += "/" + std::to_string(e.delay);
  }
  return out;
}

MacroRecord WithEvents(const char16_t* name, const std::vector<MacroEvent>& events) {
  MacroRecord r = Named(name);
  r.eventCount = static_cast<int32_t>(events.size());
  std::copy(events.begin(), events.end(), r.events);
  return r;
}

std::vector<MacroEvent> Presses(int count) {
  std::vector<MacroEvent> events;
  for (int i = 0; i < count; ++i) events.push_back({CodeOf('a'), kMacroPress, 0});
  return events;
}

class MacroEditorTest : public ::testing::Test {
 protected:
  MacroEditorModel Model(MacroLibrary library) {
    return MacroEditorModel(std::move(library), clock, UsLayout());
  }
  // Presses and releases by virtual key: "A+" "A-".
  void Keys(MacroEditorModel& model, const std::vector<std::string>& keys, uint32_t gap = 0) {
    for (const std::string& k : keys) {
      model.RecordKey(static_cast<uint8_t>(k[0]), k[1] == '-');
      clock.now += gap;
    }
  }
  FakeClock clock;
};

TEST(EventRows, KindsItemValuesAndTexts) {
  const std::vector<MacroEvent> events = {
      {CodeOf('a'), kMacroPress, 0}, {CodeOf('a'), kMacroRelease, 100},
      {240, kMacroPress, 0},         {244, kMacroRelease, 5},
      {224, kMacroPress, 0},         {0, kMacroPress, 0},
  };
  const struct {
    int event;
    EventRowKind kind;
    uint32_t item;
    const char16_t* text;
  } expected[] = {
      {0, EventRowKind::kKeyDown, 0x1008A, u"A"},
      {1, EventRowKind::kKeyUp, 0x20089, u"A"},
      {1, EventRowKind::kDelay, 0x20087, u"100 ms"},
      {2, EventRowKind::kMouseButton, 0x30092, u"Left Down"},
      {3, EventRowKind::kMouseButton, 0x40092, u"Backward Up"},
      {3, EventRowKind::kDelay, 0x40087, u"5 ms"},
      {4, EventRowKind::kKeyDown, 0x5008A, u"<1101>"},
      {5, EventRowKind::kKeyDown, 0x6008A, u""},
  };
  const std::vector<EventRow> rows = EventRows(events);
  ASSERT_EQ(rows.size(), std::size(expected));
  for (size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(rows[i], (EventRow{expected[i].event, expected[i].kind})) << "row " << i;
    EXPECT_EQ(rows[i].ItemValue(), expected[i].item) << "row " << i;
    EXPECT_EQ(EventRowText(rows[i], events, UsLayout(), Language), expected[i].text) << "row " << i;
  }
  EXPECT_EQ(EventRowText({9, EventRowKind::kDelay}, events, UsLayout(), Language), u"");
}

TEST(CaretRow, FollowsTheFocusedEventAndLooksAhead) {
  // Ten events, every second with a pause: 15 rows.
  std::vector<MacroEvent> events;
  for (int i = 0; i < 10; ++i) events.push_back({CodeOf('a'), kMacroPress, uint16_t(i % 2 * 7)});
  const std::vector<EventRow> rows = EventRows(events);
  ASSERT_EQ(rows.size(), 15u);
  const struct {
    int focus;
    int row;
  } cases[] = {
      {0, 0}, {2, 3}, {3, 4 + 2}, {6, 9 + 2}, {7, 10 + 2}, {8, 12}, {9, 13}, {-1, 14}, {42, 14},
  };
  for (const auto& c : cases) EXPECT_EQ(CaretRow(rows, c.focus), c.row) << "focus " << c.focus;
  EXPECT_EQ(CaretRow({}, 0), -1);
}

TEST(TypedNumbers, RepeatCountsAndDelaysAreCorrected) {
  const struct {
    const char16_t* typed;
    int32_t repeat;
    bool repeatCorrected;
    int32_t delay;
    bool delayCorrected;
  } rows[] = {
      {u"1", 1, false, 1, false},
      {u"255", 255, false, 255, false},
      {u"256", 255, true, 256, false},
      {u"300", 255, true, 300, false},
      {u"0", 1, true, 1, true},
      {u"000", 1, true, 1, true},
      {u"65534", 255, true, 65534, false},
      {u"65535", 255, true, 65535, true},
      {u"65536", 255, true, 65535, true},
      {u"4294967296", 255, true, 65535, true},  // would wrap to 0
      {u"4294967297", 255, true, 65535, true},  // would wrap to 1
      {u"99999999999999999999", 255, true, 65535, true},
      {u"12x4", 12, false, 12, false},
      {u"x", 1, true, 1, true},
  };
  for (const auto& r : rows) {
    const CorrectedNumber repeat = CorrectRepeatCount(r.typed);
    EXPECT_EQ(repeat.value, r.repeat) << "row " << &r - rows;
    EXPECT_EQ(repeat.corrected, r.repeatCorrected) << "row " << &r - rows;
    const std::optional<CorrectedNumber> delay = CorrectDelay(r.typed);
    ASSERT_TRUE(delay.has_value()) << "row " << &r - rows;
    EXPECT_EQ(delay->value, r.delay) << "row " << &r - rows;
    EXPECT_EQ(delay->corrected, r.delayCorrected) << "row " << &r - rows;
  }
  EXPECT_FALSE(CorrectDelay(u"").has_value());
}

TEST(MouseStepOfCommand, EveryButtonAndStep) {
  const uint8_t codes[] = {240, 241, 242, 243, 244};
  for (int b = 0; b < 5; ++b) {
    for (int k = 0; k < 3; ++k) {
      const auto step = MouseStepOfCommand(1020 + 3 * b + k);
      ASSERT_TRUE(step.has_value()) << b << " " << k;
      EXPECT_EQ(step->code, codes[b]);
      EXPECT_EQ(step->step, static_cast<MouseStep>(k));
    }
  }
  for (int command : {1019, 1035, 1001, 0, -1}) EXPECT_FALSE(MouseStepOfCommand(command));
}

TEST(InitialMacroRow, ExactNameThenPrefixFromTheSecondRow) {
  const MacroLibrary library = {Named(u"Fire2"), Named(u"Fire"), Named(u"Burst"),
                                Named(u"burst long")};
  ButtonAssignment button{};
  button.functionCode = 16;
  const struct {
    const char16_t* name;
    uint8_t function;
    int row;
  } rows[] = {
      {u"Fire", 16, 1}, {u"fire2", 16, 0}, {u"BURST", 16, 2}, {u"Burst l", 16, 3}, {u"Fir", 16, 1},
      {u"Fi", 16, 1},   {u"Gone", 16, 0},  {u"", 16, 0},      {u"Burst", 17, 0},
  };
  for (const auto& r : rows) {
    CopyToField(button.macroName, r.name);
    button.functionCode = r.function;
    EXPECT_EQ(InitialMacroRow(library, &button), r.row) << "row " << &r - rows;
  }
  EXPECT_EQ(InitialMacroRow(library, nullptr), 0);
  EXPECT_EQ(InitialMacroRow({}, &button), -1);
}

TEST_F(MacroEditorTest, NewMacroNames) {
  MacroEditorModel model = Model({Named(u"Fire")});
  const struct {
    const char16_t* typed;
    int index;
    const char16_t* stored;
  } rows[] = {
      {u"", -1, nullptr},
      {u"   ", -1, nullptr},
      {u"fire", -1, nullptr},
      {u" FIRE ", -1, nullptr},
      {u"  Burst  ", 1, u"Burst"},
      {u"burst", -1, nullptr},
      {u"ABCDEFGHIJKLMNOPQRS", 2, u"ABCDEFGHIJKLMNO"},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(model.AddMacro(r.typed), r.index) << "row " << &r - rows;
    if (r.index < 0) continue;
    EXPECT_EQ(model.selectedMacro(), r.index);
    EXPECT_EQ(FieldText(model.library()[r.index].name), r.stored);
    EXPECT_TRUE(model.events().empty());
    EXPECT_FALSE(model.repeatEnabled());
  }
  EXPECT_EQ(model.library().size(), 3u);
}

TEST_F(MacroEditorTest, DeleteMovesTheSelection) {
  MacroEditorModel model = Model({Named(u"A"), Named(u"B"), Named(u"C")});
  model.SelectMacro(1);
  EXPECT_TRUE(model.DeleteSelectedMacro());
  EXPECT_EQ(model.selectedMacro(), 1);  // C moved up into the same row
  EXPECT_TRUE(model.DeleteSelectedMacro());
  EXPECT_EQ(model.selectedMacro(), 0);  // the last row
  EXPECT_TRUE(model.DeleteSelectedMacro());
  EXPECT_EQ(model.selectedMacro(), -1);
  EXPECT_FALSE(model.DeleteSelectedMacro());
  EXPECT_TRUE(model.library().empty());
}

TEST_F(MacroEditorTest, RepeatCheckBoxAndCount) {
  MacroEditorModel model =
      Model({Named(u"Zero", 0), Named(u"Five", 5), Named(u"Minus", -3), Named(u"Huge", 1000)});
  const struct {
    int index;
    bool enabled;
    int32_t shown;
  } loads[] = {{0, false, 1}, {1, true, 5}, {2, true, 1}, {3, true, 255}};
  for (const auto& l : loads) {
    model.SelectMacro(l.index);
    EXPECT_EQ(model.repeatEnabled(), l.enabled) << l.index;
    EXPECT_EQ(model.shownRepeatCount(), l.shown) << l.index;
  }

  model.SelectMacro(0);
  EXPECT_TRUE(model.EditRepeatCount(u"300").corrected);
  EXPECT_EQ(model.library()[0].repeatCount, 0);  // unticked: the count is only shown
  model.SetRepeatEnabled(true);
  EXPECT_EQ(model.library()[0].repeatCount, 255);
  EXPECT_TRUE(model.EditRepeatCount(u"0").corrected);
  EXPECT_EQ(model.library()[0].repeatCount, 1);
  EXPECT_FALSE(model.EditRepeatCount(u"7").corrected);
  EXPECT_EQ(model.library()[0].repeatCount, 7);
  model.SetRepeatEnabled(false);
  EXPECT_EQ(model.library()[0].repeatCount, 0);
  model.SelectMacro(1);
  model.SelectMacro(0);
  EXPECT_FALSE(model.repeatEnabled());  // an unticked box stays unticked

  model.SelectMacro(-1);
  EXPECT_EQ(model.shownRepeatCount(), 1);
  EXPECT_TRUE(model.events().empty());
}

TEST_F(MacroEditorTest, RecordingWithoutDelays) {
  MacroEditorModel model = Model({WithEvents(u"M", Presses(3))});
  EXPECT_EQ(model.PressRecordButton(), MacroEditorModel::RecordButtonResult::kNoMacro);
  model.SelectMacro(0);
  EXPECT_EQ(model.PressRecordButton(), MacroEditorModel::RecordButtonResult::kStarted);
  EXPECT_TRUE(model.events().empty());  // a fresh recording empties the macro
  // A held key repeats its press; one press and one release are recorded.
  Keys(model, {"A+", "A+", "A+", "S+", "A-", "S-", "S-"}, 250);
  EXPECT_EQ(Describe(model.events()), "a+ s+ a- s-");
  EXPECT_EQ(model.PressRecordButton(), MacroEditorModel::RecordButtonResult::kStopped);
  EXPECT_EQ(model.RecordKey('D', false), MacroEditorModel::KeyResult::kIgnored);  // queued late
  EXPECT_EQ(model.library()[0].eventCount, 4);
  EXPECT_EQ(model.library()[0].events[4].code, 0);  // the old slots were cleared

  // The next run records its first key even when the last run ended on the same key event.
  model.EventMenu(kCommandRecordAfter, -1);
  Keys(model, {"S-"});
  EXPECT_EQ(Describe(model.events()), "a+ s+ a- s- s-");
}

TEST_F(MacroEditorTest, RecordingWithDelays) {
  MacroEditorModel model = Model({Named(u"M")});
  model.SelectMacro(0);
  model.SetRecordDelays(true);
  model.PressRecordButton();
  clock.now = 5000;
  model.RecordKey('A', false);
  clock.now += 120;
  model.RecordKey('A', false);  // auto-repeat: no event, and its time is not a step
  clock.now += 30;
  model.RecordKey('A', true);
  clock.now += 70000;
  model.RecordKey('B', false);
  model.PressRecordButton();
  EXPECT_EQ(Describe(model.events()), "a+/150 a-/65535 b+");

  // A second run appending is not timed from the first run's last key.
  model.EventMenu(kCommandRecordAfter, -1);
  clock.now += 400;
  model.RecordKey('B', true);
  EXPECT_EQ(Describe(model.events()), "a+/150 a-/65535 b+ b-");
}

TEST_F(MacroEditorTest, DelaysAcrossTheTickCountWrap) {
  MacroEditorModel model = Model({Named(u"M")});
  model.SelectMacro(0);
  model.SetRecordDelays(true);
  model.PressRecordButton();
  clock.now = 0xFFFFFFF0u;
  model.RecordKey('A', false);
  clock.now = 0x10;  // 32 ms later
  model.RecordKey('A', true);
  EXPECT_EQ(Describe(model.events()), "a+/32 a-");
}

TEST_F(MacroEditorTest, RecordingStopsAtFortyEvents) {
  MacroEditorModel model = Model({WithEvents(u"M", Presses(39)), WithEvents(u"Full", Presses(40))});
  model.SelectMacro(0);
  EXPECT_EQ(model.EventMenu(kCommandRecordAfter, -1),
            MacroEditorModel::MenuResult::kStartedRecording);
  EXPECT_EQ(model.RecordKey('Z', false), MacroEditorModel::KeyResult::kRecordedAndStopped);
  EXPECT_FALSE(model.recording());
  EXPECT_EQ(model.RecordKey('Z', true), MacroEditorModel::KeyResult::kIgnored);
  EXPECT_EQ(model.events().size(), 40u);
  EXPECT_EQ(model.events()[39].code, CodeOf('z'));

  model.SelectMacro(1);
  model.SetRecordDelays(true);
  model.EventMenu(kCommandRecordBefore, 0);
  EXPECT_EQ(model.RecordKey('Z', false), MacroEditorModel::KeyResult::kFullAndStopped);
  EXPECT_FALSE(model.recording());
  EXPECT_EQ(std::memcmp(model.library()[1].events, WithEvents(u"Full", Presses(40)).events,
                        sizeof(MacroRecord::events)),
            0);
}

TEST_F(MacroEditorTest, RecordBeforeAndAfterKeepTheOrder) {
  const std::vector<MacroEvent> base = {{CodeOf('a'), kMacroPress, 0},
                                        {CodeOf('a'), kMacroRelease, 50},
                                        {CodeOf('b'), kMacroPress, 0}};
  // Rows: a+ (0), a- (1), 50 ms (2), b+ (3).
  const struct {
    int command;
    int row;
    bool delays;
    const char* expected;
  } rows[] = {
      {kCommandRecordBefore, 0, false, "x+ x- a+ a-/50 b+"},
      {kCommandRecordBefore, 3, false, "a+ a-/50 x+ x- b+"},
      {kCommandRecordBefore, 2, false, "a+ x+ x- a-/50 b+"},  // a pause row stands for its event
      {kCommandRecordAfter, 0, false, "a+ x+ x- a-/50 b+"},
      {kCommandRecordAfter, 3, false, "a+ a-/50 b+ x+ x-"},
      {kCommandRecordAfter, -1, false, "a+ a-/50 b+ x+ x-"},
      {kCommandRecordBefore, 0, true, "x+/20 x- a+ a-/50 b+"},
      {kCommandRecordAfter, 0, true, "a+ x+/20 x- a-/50 b+"},
      {kCommandRecordAfter, 3, true, "a+ a-/50 b+ x+/20 x-"},
  };
  for (const auto& r : rows) {
    MacroEditorModel model = Model({WithEvents(u"M", base)});
    model.SelectMacro(0);
    model.SetRecordDelays(r.delays);
    EXPECT_EQ(model.EventMenu(r.command, r.row), MacroEditorModel::MenuResult::kStartedRecording);
    Keys(model, {"X+", "X-"}, 20);
    EXPECT_EQ(Describe(model.events()), r.expected) << "row " << &r - rows;
  }
}

TEST_F(MacroEditorTest, FrenchLayoutRecordsThePhysicalPosition) {
  MacroEditorModel model(MacroLibrary{Named(u"M")}, clock, FrenchLayout());
  model.SelectMacro(0);
  model.PressRecordButton();
  model.RecordKey('A', false);  // the key left of Z on a French keyboard: the Q position
  model.RecordKey(0x1B, false);
  EXPECT_EQ(model.events()[0].code, 20);
  EXPECT_EQ(model.events()[1].code, 41);
  EXPECT_EQ(EventRowText(model.Rows()[0], model.events(), FrenchLayout(), Language), u"A");
}

TEST_F(MacroEditorTest, DelayRowsInsertEditAndDelete) {
  const std::vector<MacroEvent> base = {{CodeOf('a'), kMacroPress, 0},
                                        {CodeOf('a'), kMacroRelease, 50},
                                        {CodeOf('b'), kMacroPress, 0},
                                        {CodeOf('b'), kMacroRelease, 0}};
  // Rows: a+ (0), a- (1), 50 ms (2), b+ (3), b- (4).
  using R = MacroEditorModel::MenuResult;
  const struct {
    int command;
    int row;
    R result;
    const char* expected;
  } rows[] = {
      {kCommandInsertDelay, 0, R::kIgnored, "a+ a-/50 b+ b-"},  // the first event
      {kCommandInsertDelay, 2, R::kIgnored, "a+ a-/50 b+ b-"},  // a pause row
      {kCommandInsertDelay, 1, R::kChanged, "a+/1 a-/50 b+ b-"},
      {kCommandInsertDelay, 3, R::kChanged, "a+ a-/50 b+ b-"},  // the pause already there stays
      {kCommandInsertDelay, 4, R::kChanged, "a+ a-/50 b+/1 b-"},
      {kCommandInsertDelay, -1, R::kIgnored, "a+ a-/50 b+ b-"},
      {kCommandEditDelay, 2, R::kEditDelay, "a+ a-/50 b+ b-"},
      {kCommandEditDelay, 1, R::kIgnored, "a+ a-/50 b+ b-"},
      {kCommandDeleteRow, 2, R::kChanged, "a+ a- b+ b-"},
      {kCommandDeleteRow, 1, R::kChanged, "a+ b+ b-"},
      {kCommandDeleteRow, 0, R::kChanged, "a-/50 b+ b-"},
      {kCommandDeleteRow, 4, R::kChanged, "a+ a-/50 b+"},
      {kCommandDeleteRow, 5, R::kIgnored, "a+ a-/50 b+ b-"},
      {999, 0, R::kIgnored, "a+ a-/50 b+ b-"},
  };
  for (const auto& r : rows) {
    MacroEditorModel model = Model({WithEvents(u"M", base)});
    model.SelectMacro(0);
    EXPECT_EQ(model.EventMenu(r.command, r.row), r.result) << "row " << &r - rows;
    EXPECT_EQ(Describe(model.events()), r.expected) << "row " << &r - rows;
    const MacroRecord& stored = model.library()[0];
    for (int i = stored.eventCount; i < kMaxMacroEvents; ++i) {
      EXPECT_EQ(stored.events[i].code, 0) << "row " << &r - rows << " slot " << i;
    }
  }
}

TEST_F(MacroEditorTest, CommittedDelays) {
  const struct {
    int row;
    const char16_t* typed;
    bool applied;
    const char* expected;
  } rows[] = {
      {2, u"0", true, "a+ a-/1 b+"},
      {2, u"65535", true, "a+ a-/65535 b+"},
      {2, u"99999999999999999999", true, "a+ a-/65535 b+"},
      {2, u"250", true, "a+ a-/250 b+"},
      {2, u"", false, "a+ a-/50 b+"},
      {1, u"250", false, "a+ a-/50 b+"},  // not a pause row
      {7, u"250", false, "a+ a-/50 b+"},
  };
  for (const auto& r : rows) {
    MacroEditorModel model = Model({WithEvents(
        u"M",
        {{CodeOf('a'), kMacroPress, 0}, {CodeOf('a'), kMacroRelease, 50}, {CodeOf('b'), 1, 0}})});
    model.SelectMacro(0);
    EXPECT_EQ(model.CommitDelayEdit(r.row, r.typed).has_value(), r.applied) << "row " << &r - rows;
    EXPECT_EQ(Describe(model.events()), r.expected) << "row " << &r - rows;
  }
}

// A pause being typed belongs to the macro its box was opened on, whatever is selected (or
// deleted) before the box closes.
TEST_F(MacroEditorTest, TypedPauseGoesToTheMacroItWasTypedFor) {
  const std::vector<MacroEvent> paused = {
      {CodeOf('a'), kMacroPress, 0}, {CodeOf('a'), kMacroRelease, 50}, {CodeOf('b'), 1, 0}};
  const struct {
    int openedOn, thenSelected;
    bool deleteSelected;
    std::vector<std::string> expected;
  } rows[] = {
      {0, 1, false, {"a+ a-/250 b+", "a+ a-/50 b+", "a+ a+ a+"}},  // row 2 is a pause in B too
      {1, 0, true, {"a+ a-/250 b+", "a+ a+ a+"}},                  // B moved up a place
  };
  for (const auto& r : rows) {
    MacroEditorModel model =
        Model({WithEvents(u"A", paused), WithEvents(u"B", paused), WithEvents(u"C", Presses(3))});
    model.SelectMacro(r.openedOn);
    ASSERT_EQ(model.EventMenu(kCommandEditDelay, 2), MacroEditorModel::MenuResult::kEditDelay);
    model.SelectMacro(r.thenSelected);
    if (r.deleteSelected) model.DeleteSelectedMacro();
    model.CommitDelayEdit(2, u"250");
    std::vector<std::string> shown;
    for (const MacroRecord& m : model.library())
      shown.push_back(Describe({m.events, size_t(m.eventCount)}));
    EXPECT_EQ(shown, r.expected) << "row " << &r - rows;
  }
}

TEST_F(MacroEditorTest, MouseStepsRespectTheLimit) {
  const int pressLeft = 1020, releaseRight = 1024, clickBackward = 1034;
  const struct {
    int events;
    int command;
    int row;
    bool changed;
    size_t count;
    const char* head;  // the first events afterwards
  } rows[] = {
      {2, clickBackward, 1, true, 4, "a+ B+ B- a+"}, {2, clickBackward, -1, true, 4, "a+ a+ B+ B-"},
      {2, pressLeft, 0, true, 3, "L+ a+ a+"},        {2, releaseRight, -1, true, 3, "a+ a+ R-"},
      {38, clickBackward, -1, true, 40, ""},         {39, clickBackward, 0, false, 39, ""},
      {39, pressLeft, 0, true, 40, "L+ a+"},         {40, pressLeft, 0, false, 40, ""},
  };
  for (const auto& r : rows) {
    MacroEditorModel model = Model({WithEvents(u"M", Presses(r.events))});
    model.SelectMacro(0);
    const auto result = model.EventMenu(r.command, r.row);
    EXPECT_EQ(result == MacroEditorModel::MenuResult::kChanged, r.changed) << "row " << &r - rows;
    EXPECT_EQ(model.events().size(), r.count) << "row " << &r - rows;
    const std::string head = r.head;
    EXPECT_EQ(Describe(model.events()).substr(0, head.size()), head) << "row " << &r - rows;
  }
}

TEST_F(MacroEditorTest, MenuNeedsAMacroAndNoRecording) {
  MacroEditorModel model = Model({WithEvents(u"M", Presses(2))});
  for (int command : {kCommandRecordBefore, kCommandDeleteRow, 1020}) {
    EXPECT_EQ(model.EventMenu(command, 0), MacroEditorModel::MenuResult::kNoMacro) << command;
  }
  model.SelectMacro(0);
  model.PressRecordButton();
  EXPECT_EQ(model.EventMenu(1020, -1), MacroEditorModel::MenuResult::kIgnored);
  EXPECT_FALSE(model.CommitDelayEdit(0, u"5").has_value());
  model.SelectMacro(-1);  // the list is disabled while recording
  EXPECT_EQ(model.selectedMacro(), 0);
  EXPECT_EQ(model.AddMacro(u"New"), -1);
  EXPECT_FALSE(model.DeleteSelectedMacro());
}

TEST_F(MacroEditorTest, CaretFollowsTheLastChange) {
  MacroEditorModel model = Model({WithEvents(u"M", Presses(12))});
  model.SelectMacro(0);
  EXPECT_EQ(model.CaretRow(), 11);
  model.EventMenu(1022, 5);  // click the left button in front of event 5
  EXPECT_EQ(model.CaretRow(), 6 + 2);
  model.EventMenu(kCommandInsertDelay, 1);
  EXPECT_EQ(model.CaretRow(), 0);
}

TEST(RecordButtonLookFor, IdleAndRecording) {
  const RecordButtonLook idle = RecordButtonLookFor(false);
  const RecordButtonLook recording = RecordButtonLookFor(true);
  EXPECT_EQ(idle.labelId, 43);
  EXPECT_EQ(recording.labelId, 52);
  EXPECT_EQ((std::vector<uint32_t>{idle.normal, idle.over, idle.down, idle.disabled}),
            (std::vector<uint32_t>{0xFF000000, 0xFF90D44B, 0xFF90D44B, 0xFF000000}));
  EXPECT_EQ(
      (std::vector<uint32_t>{recording.normal, recording.over, recording.down, recording.disabled}),
      (std::vector<uint32_t>{0xFF90D44B, 0xFF90D44B, 0xFF000000, 0xFF000000}));
}

TEST_F(MacroEditorTest, OkKeepsTheEditedLibraryAndCancelTheOriginal) {
  const MacroLibrary original = {WithEvents(u"M", Presses(2)), Named(u"Other")};
  for (ManagerEnd end : {ManagerEnd::kOk, ManagerEnd::kCancel}) {
    MacroLibrary library = original;
    MacroEditorModel model = Model(library);
    model.SelectMacro(0);
    model.EventMenu(kCommandDeleteRow, 0);
    model.AddMacro(u"Added");
    model.SelectMacro(1);
    model.DeleteSelectedMacro();
    model.SelectMacro(0);
    model.PressRecordButton();
    model.RecordKey('Q', false);
    const bool save = FinishMacroManager(end, model, library);
    EXPECT_FALSE(model.recording());
    if (end == ManagerEnd::kOk) {
      EXPECT_TRUE(save);
      ASSERT_EQ(library.size(), 2u);
      EXPECT_EQ(FieldText(library[1].name), u"Added");
      EXPECT_EQ(Describe({library[0].events, size_t(library[0].eventCount)}), "q+");
    } else {
      EXPECT_FALSE(save);
      ASSERT_EQ(library.size(), 2u);
      EXPECT_EQ(std::memcmp(library.data(), original.data(), 2 * sizeof(MacroRecord)), 0);
    }
  }
}

}  // namespace
