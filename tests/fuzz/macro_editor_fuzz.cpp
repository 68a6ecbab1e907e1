// The macro editor driven by arbitrary command sequences over a library with arbitrary records
// (counts outside 0 to 40, unterminated names): it never reads or writes outside a record, a macro
// never exceeds 40 events, the caret stays on a row, and an import name is always free and fits.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "option/macros/macro_editor_model.h"

namespace {

class Bytes {
 public:
  Bytes(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  bool empty() const { return pos_ >= size_; }
  uint8_t Next() { return pos_ < size_ ? data_[pos_++] : 0; }
  Text Typed() {
    const int length = Next() % 24;
    Text text;
    for (int i = 0; i < length; ++i) {
      const uint8_t b = Next();
      // Mostly digits and letters, sometimes anything at all.
      text.push_back(b < 0xC0 ? static_cast<char16_t>(u'0' + b % 10)
                              : static_cast<char16_t>(b << 4 | Next()));
    }
    return text;
  }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
};

class PlainLayout : public KeyboardLayout {
 public:
  uint16_t ScanCodeOf(uint8_t virtualKey) const override { return virtualKey & 0x7F; }
  uint8_t VirtualKeyAt(uint16_t scanCode) const override { return scanCode & 0xFF; }
};

class StepClock : public TickClock {
 public:
  uint32_t Now() const override { return now; }
  uint32_t now = 0;
};

Text NoText(uint16_t) {
  return {};
}

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Bytes in(data, size);
  MacroLibrary library(in.Next() % 4);
  for (MacroRecord& record : library) {
    // Sometimes a name without a terminator, as a damaged file may hold.
    const char16_t fill = in.Next() % 2 ? u'n' : u'\0';
    for (char16_t& c : record.name) c = fill;
    record.name[0] = static_cast<char16_t>(u'a' + in.Next() % 3);
    record.repeatCount = static_cast<int8_t>(in.Next());
    record.eventCount = static_cast<int8_t>(in.Next());
    for (MacroEvent& e : record.events) e = {in.Next(), in.Next(), in.Next()};
  }

  static const PlainLayout layout;
  StepClock clock;
  MacroEditorModel model(library, clock, layout);
  while (!in.empty()) {
    const uint8_t op = in.Next();
    switch (op % 12) {
      case 0:
        model.SelectMacro(static_cast<int8_t>(in.Next()));
        break;
      case 1:
        model.AddMacro(in.Typed());
        break;
      case 2:
        model.DeleteSelectedMacro();
        break;
      case 3:
        model.SetRepeatEnabled(in.Next() & 1);
        break;
      case 4: {
        const CorrectedNumber n = model.EditRepeatCount(in.Typed());
        Check(n.value >= 1 && n.value <= kMaxRepeatCount);
        break;
      }
      case 5:
        model.PressRecordButton();
        break;
      case 6:
        model.RecordKey(in.Next(), in.Next() & 1);
        break;
      case 7:
        model.EventMenu(1000 + in.Next() % 40, static_cast<int8_t>(in.Next()));
        break;
      case 8: {
        const auto delay = model.CommitDelayEdit(static_cast<int8_t>(in.Next()), in.Typed());
        Check(!delay || (delay->value >= 1 && delay->value <= kMaxDelayMs));
        break;
      }
      case 9:
        model.SetRecordDelays(in.Next() & 1);
        break;
      case 10:
        clock.now += static_cast<uint32_t>(in.Next()) << (in.Next() % 24);
        break;
      default: {
        const Text name = ImportedMacroName(model.library(), in.Typed());
        Check(name.size() <= static_cast<size_t>(kMaxMacroNameChars));
        Check(!FindMacroByName(model.library(), name));
        break;
      }
    }
    Check(model.events().size() <= static_cast<size_t>(kMaxMacroEvents));
    const std::vector<EventRow> rows = model.Rows();
    const int caret = model.CaretRow();
    Check(caret >= -1 && caret < static_cast<int>(rows.size()));
    Check(rows.empty() == (caret == -1));
    for (const EventRow& row : rows) EventRowText(row, model.events(), layout, NoText);
    Check(model.selectedMacro() < static_cast<int>(model.library().size()));
  }
  MacroLibrary kept = library;
  FinishMacroManager(ManagerEnd::kOk, model, kept);
  Check(!model.recording());
  return 0;
}
