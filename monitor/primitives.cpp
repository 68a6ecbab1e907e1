#include "monitor/primitives.h"

#include "input/key_table.h"
#include "input/win_input_values.h"

namespace {

constexpr MouseExtraInfo kClickExtra = MouseExtraInfo::kCurrentMessage;

void Click(InputSink& sink, uint32_t down, uint32_t up, int32_t data, uint32_t pause) {
  sink.SendMouse(down, data, kClickExtra);
  sink.Sleep(pause);
  sink.SendMouse(up, data, kClickExtra);
}

}  // namespace

void SendKeyInput(InputSink& sink, uint8_t virtualKey, uint32_t flags) {
  sink.SendKey(virtualKey, 0, flags);
}

void SendKeyCombination(InputSink& sink, KeyCombination combination, int32_t mode) {
  if (mode < 0 || mode > 2) return;
  const bool press = mode != static_cast<int32_t>(ComboMode::kRelease);
  const bool release = mode != static_cast<int32_t>(ComboMode::kPress);

  // Shift, Ctrl, Alt, Windows: pressed in this order, released in the reverse one.
  uint8_t slots[4] = {0, 0, 0, 0};
  const uint8_t m = combination.modifiers;
  if ((m & kComboNoModifiers) == 0) {
    if (m & kComboShift) slots[0] = kVkShift;
    if (m & kComboCtrl) slots[1] = kVkControl;
    if (m & kComboAlt) slots[2] = kVkMenu;
    if (m & kComboWindows) slots[3] = kVkLWin;
  }

  MouseButtonFlags button{};
  const bool isMouse = MouseButtonOfCode(combination.keyCode, &button);
  const uint8_t main =
      isMouse ? 0 : GenericModifier(TranslateKeyCode(combination.keyCode, sink.Layout()));
  // A main key that is also one of the modifiers is sent once, as the main key: otherwise the
  // modifier's release would end the press that mode 0 is meant to leave held.
  for (uint8_t& slot : slots) {
    if (slot != 0 && slot == main) slot = 0;
  }

  for (uint8_t slot : slots) {
    if (slot == 0) continue;
    SendKeyInput(sink, slot, 0);
    sink.Sleep(1);
  }
  if (isMouse) {
    // Its row's virtual key (0xF0 to 0xF4) is no keyboard key: send the button itself.
    if (press) sink.SendMouse(button.down, button.data, kClickExtra);
    sink.Sleep(1);
    if (release) sink.SendMouse(button.up, button.data, kClickExtra);
  } else if (main != 0) {
    if (press) SendKeyInput(sink, main, 0);
    sink.Sleep(1);
    if (release) SendKeyInput(sink, main, kKeyEventKeyUp);
  }
  for (int i = 3; i >= 0; --i) {
    if (slots[i] == 0) continue;
    sink.Sleep(1);
    SendKeyInput(sink, slots[i], kKeyEventKeyUp);
  }
}

bool CombinationHoldsKey(KeyCombination combination, const KeyboardLayout& layout) {
  MouseButtonFlags button{};
  if (MouseButtonOfCode(combination.keyCode, &button)) return true;
  return GenericModifier(TranslateKeyCode(combination.keyCode, layout)) != 0;
}

void TapExtendedKey(InputSink& sink, uint8_t virtualKey) {
  sink.SendKey(virtualKey, 0, kKeyEventExtendedKey);
  sink.Sleep(2);
  sink.SendKey(virtualKey, 0, kKeyEventExtendedKey | kKeyEventKeyUp);
}

namespace {

void Chord(InputSink& sink, uint8_t modifier, uint16_t modifierScan, uint8_t key, uint16_t keyScan,
           uint32_t pause1, uint32_t pause2) {
  constexpr uint32_t kDown = kKeyEventExtendedKey;
  constexpr uint32_t kUp = kKeyEventExtendedKey | kKeyEventKeyUp;
  sink.SendKey(modifier, modifierScan, kDown);
  sink.Sleep(pause1);
  sink.SendKey(key, keyScan, kDown);
  sink.Sleep(pause2);
  sink.SendKey(key, keyScan, kUp);
  sink.SendKey(modifier, modifierScan, kUp);
}

}  // namespace

void TapChord(InputSink& sink, uint8_t modifier, uint8_t key, uint32_t pause1, uint32_t pause2) {
  Chord(sink, modifier, 0, key, 0, pause1, pause2);
}

void TapAltLetter(InputSink& sink, uint8_t letter, uint32_t pause) {
  const KeyboardLayout& layout = sink.Layout();
  Chord(sink, kVkLMenu, layout.ScanCodeOf(kVkLMenu), letter, layout.ScanCodeOf(letter), 2, pause);
}

void ClickLeft(InputSink& sink) {
  Click(sink, kMouseEventLeftDown, kMouseEventLeftUp, 0, 1);
}

void ClickRight(InputSink& sink) {
  Click(sink, kMouseEventRightDown, kMouseEventRightUp, 0, 1);
}

void ClickMiddle(InputSink& sink) {
  Click(sink, kMouseEventMiddleDown, kMouseEventMiddleUp, 0, 2);
}

void ClickExtra(InputSink& sink, int32_t n) {
  if (n != kXButton1 && n != kXButton2) return;
  Click(sink, kMouseEventXDown, kMouseEventXUp, n, 2);
}

void DoubleClickLeft(InputSink& sink) {
  ClickLeft(sink);
  sink.Sleep(20);
  ClickLeft(sink);
}

void TripleClickLeft(InputSink& sink) {
  ClickLeft(sink);
  sink.Sleep(100);
  ClickLeft(sink);
  sink.Sleep(100);
  ClickLeft(sink);
}

void WheelNotch(InputSink& sink, int32_t delta) {
  if (delta == 0) return;
  sink.SendMouse(kMouseEventWheel, delta > 0 ? kWheelDelta : -kWheelDelta, kClickExtra);
}

void LockWorkstation(InputSink& sink) {
  sink.LockWorkstation();
}

void ShellFindFiles(InputSink& sink) {
  sink.Shell(ShellRequest::kFindFiles);
}

void ShellFileRun(InputSink& sink) {
  sink.Shell(ShellRequest::kFileRun);
}
