#include <gtest/gtest.h>

#include <map>

#include "option/buttons/button_labels.h"

namespace {

// Language strings as "<id>", key names from a short table.
class FakeTexts : public LabelTexts {
 public:
  Text LanguageString(uint16_t id) const override { return u"<" + FormatInt(id) + u">"; }
  Text KeyCodeName(uint8_t code) const override {
    static const std::map<uint8_t, Text> names = {{4, u"A"}, {41, u"Esc"}, {224, u"L_Ctrl"}};
    const auto it = names.find(code);
    return it == names.end() ? Text() : it->second;
  }
};

ButtonAssignment WithCode(uint8_t code) {
  ButtonAssignment a{};
  a.functionCode = code;
  return a;
}

TEST(LabelOfAssignment, LanguageStringOfEveryCode) {
  // {first code, last code, string id of the first}: ranges map onto consecutive ids.
  const struct {
    int first;
    int last;
    int id;
  } ranges[] = {
      {0, 0, 1010},   {1, 4, 1005},   {6, 6, 1010},   {7, 12, 1011},  {13, 15, 1018},
      {18, 24, 1024}, {25, 32, 1032}, {33, 44, 1041}, {48, 48, 1084}, {49, 49, 1085},
      {52, 52, 1086}, {81, 81, 1087}, {51, 51, 1088}, {80, 80, 1089}, {53, 53, 1075},
      {54, 54, 1076}, {55, 55, 1077}, {61, 61, 1078}, {58, 58, 1079}, {59, 59, 1080},
      {62, 62, 1081}, {60, 60, 1082},
  };
  std::map<int, int> expected;
  for (const auto& r : ranges) {
    for (int c = r.first; c <= r.last; ++c) expected[c] = r.id + (c - r.first);
  }
  for (int code = 0; code <= 255; ++code) {
    if (code == 5 || code == 45 || code == 16 || code == 17 || code == 86) continue;  // own tests
    const ButtonLabel label = LabelOfAssignment(WithCode(static_cast<uint8_t>(code)));
    const auto it = expected.find(code);
    if (it == expected.end()) {
      EXPECT_EQ(label, ButtonLabel{}) << "code " << code;
    } else {
      EXPECT_EQ(label.kind, ButtonLabel::Kind::kLanguageString) << "code " << code;
      EXPECT_EQ(label.stringId, it->second) << "code " << code;
    }
  }
}

TEST(LabelOfAssignment, KeyCombinationText) {
  const struct {
    uint8_t code;
    uint16_t eventCount;
    uint8_t key;
    uint8_t modifiers;
    const char16_t* text;
  } rows[] = {
      {5, 1, 4, 0x02, u"Ctrl+A"},
      {5, 1, 4, 0x1E, u"Ctrl+<1098>Alt+Win+A"},
      {5, 1, 4, 0x1F, u"A"},  // no modifiers wins over the other bits
      {5, 1, 4, 0x01, u"A"},
      {45, 1, 41, 0x00, u"Esc"},
      {45, 3, 224, 0x08, u"Alt+L_Ctrl"},
      {5, 1, 0, 0x02, u"Ctrl+"},  // a key without a name: only the prefixes
      {5, 0, 4, 0x02, u""},       // no event: no label
      {45, 0, 4, 0x00, u""},
  };
  const FakeTexts texts;
  for (const auto& r : rows) {
    ButtonAssignment a = WithCode(r.code);
    a.eventCount = r.eventCount;
    a.events[0] = {r.key, r.modifiers, 0};
    EXPECT_EQ(ButtonLabelText(LabelOfAssignment(a), texts), r.text)
        << "code " << int{r.code} << " key " << int{r.key} << " flags " << int{r.modifiers};
  }
}

TEST(LabelOfAssignment, MacroNameAndProgramFile) {
  const FakeTexts texts;
  ButtonAssignment macro = WithCode(16);
  CopyToField(macro.macroName, u"Burst \u00e9");
  EXPECT_EQ(ButtonLabelText(LabelOfAssignment(macro), texts), u"Burst \u00e9");
  for (char16_t& c : macro.macroName) c = u'm';  // unterminated: bounded by the field
  EXPECT_EQ(ButtonLabelText(LabelOfAssignment(macro), texts), Text(50, u'm'));

  const struct {
    const char16_t* path;
    const char16_t* label;
  } rows[] = {
      {u"C:\\Games\\Quest\\quest.exe", u"quest.exe"},
      {u"quest.exe", u"quest.exe"},
      {u"C:/Games/run.bat", u"run.bat"},
      {u"C:tool.cmd", u"tool.cmd"},
      {u"\\\\server\\share\\app", u"app"},
      {u"C:\\Games\\", u""},
      {u"", u""},
  };
  for (uint8_t code : {17, 86}) {  // a program started, a file opened
    for (const auto& r : rows) {
      ButtonAssignment program = WithCode(code);
      CopyToField(program.programPath, r.path);
      EXPECT_EQ(ButtonLabelText(LabelOfAssignment(program), texts), r.label)
          << "code " << int{code} << " row " << &r - rows;
    }
  }
  ButtonAssignment full = WithCode(17);
  for (char16_t& c : full.programPath) c = u'p';
  full.programPath[100] = u'\\';
  EXPECT_EQ(ButtonLabelText(LabelOfAssignment(full), texts), Text(159, u'p'));
}

TEST(LabelsOfProfile, OneLabelPerButtonInOrder) {
  ProfileSettings profile{};
  for (int b = 0; b < kButtonCount; ++b) profile.MacroKeyInfo[b].functionCode = uint8_t(b + 1);
  profile.MacroKeyInfo[4].functionCode = 65;  // set by a profile file: shown empty
  const auto labels = LabelsOfProfile(profile);
  const FakeTexts texts;
  EXPECT_EQ(ButtonLabelText(labels[0], texts), u"<1005>");
  EXPECT_EQ(ButtonLabelText(labels[3], texts), u"<1008>");
  EXPECT_EQ(labels[4], ButtonLabel{});
  EXPECT_EQ(ButtonLabelText(labels[5], texts), u"<1010>");
  EXPECT_EQ(ButtonLabelText(labels[14], texts), u"<1020>");
}

}  // namespace
